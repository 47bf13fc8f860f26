#include "support/Window_support.h"

#include "gui/App.h"
#include "gui/Button.h"
#include "gui/Drawing.h"
#include "gui/GUIImage.h"
#include "gui/MsgNew.h"

#include <utility>
#include <vector>

namespace {

const char* const normal_c = "GUIImages/button.bmp";
const char* const hovered_c = "GUIImages/button2.bmp";
const char* const pressed_c = "GUIImages/button3.bmp";

struct Test_box : GUI::MsgNew {
    explicit Test_box(const std::vector<GUI::Button*>& row) : MsgNew(300, 100, "Close me?", row) {}
    void pop_up(int) override {}
};

} // namespace

using Button = Window_test;
using MessageBox = Window_test;

// The release over the button reaches it twice, through focus and through the
// view tree; only the first may run the action, and only after a press on it.
TEST_F(Button, ActsOncePerPressAndReleaseOverItAndLooksFollowThePointer) {
    int runs = 0;
    auto* button = attach(GUI::create_button([&runs] { ++runs; }, "Fire"), P(100, 100));
    const auto step = [button](const char* picture_file, bool focused) {
        run_frames(1);
        const GUIImage picture(picture_file, false, SDL_Color{0, 0, 0, 0});
        EXPECT_EQ(differing_pixels(picture, button->get_image_ptr()), 0) << picture_file;
        EXPECT_EQ(GUI::App::get()->has_focus(button), focused);
    };
    move_to(P(110, 105));
    step(hovered_c, true);
    move_to(P(400, 400));
    step(normal_c, false);

    press(P(110, 105));
    step(pressed_c, true);
    move_to(P(400, 400));
    step(normal_c, true); // it must keep focus to see a release off it
    move_to(P(115, 108));
    release(P(115, 108));
    step(normal_c, false);
    EXPECT_EQ(runs, 1);

    press(P(110, 105));
    move_to(P(400, 400));
    release(P(400, 400));
    step(normal_c, false);
    EXPECT_EQ(runs, 1) << "a release off the button cancels the press";

    move_to(P(110, 105));
    release(P(110, 105));
    run_frames(1);
    EXPECT_EQ(runs, 1) << "a release over the button without a press on it";
}

// The button is destroyed while its release handler is still on the stack.
TEST_F(MessageBox, ButtonsFillFromTheRightAndMayDestroyTheirDialogue) {
    Test_box* box = nullptr;
    GUI::Button* ok = GUI::create_button(
        [&] {
            main_view()->remove_subview(box);
            top = nullptr;
            delete std::exchange(box, nullptr); // this closure dies with the button
        },
        "OK");
    GUI::Button* cancel = GUI::create_button([] {}, "Cancel");
    box = attach(new Test_box({ok, cancel}), P(100, 100));
    EXPECT_EQ(ok->get_rel_pos(), P(120, 70));
    EXPECT_EQ(cancel->get_rel_pos(), P(-60, 70));

    click(P(225, 175));
    move_to(P(230, 178));
    click(P(230, 178));
    run_frames(1);
    EXPECT_EQ(box, nullptr);
}
