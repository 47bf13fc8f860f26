#include "Widget_fixture.h"

#include "gui/Button.h"
#include "gui/Drawing.h"
#include "gui/GUIImage.h"
#include "gui/MsgNew.h"

#include <vector>

using GUI::DispPoint;

namespace {

// The button sits at (100, 100) and is 140 x 20: (110, 105) is on it,
// (400, 400) is well away from it.
class Button_test : public Widget_test {
protected:
    void SetUp() override {
        button = attach(GUI::create_button([this] { ++runs; }, "Fire"), DispPoint(100, 100));
    }

    bool looks_like(const char* picture_file) const {
        const GUIImage picture(picture_file, false, SDL_Color{0, 0, 0, 0});
        for (int y = 0; y < picture.geth(); ++y)
            for (int x = 0; x < picture.getw(); ++x)
                if (getpixel(button->get_image_ptr(), x, y) != getpixel(picture, x, y))
                    return false;
        return true;
    }
    bool focused() const { return app()->has_focus(button); }

    GUI::TextButton* button = nullptr;
    int runs = 0;
};

const char* const normal_c = "GUIImages/button.bmp";
const char* const hovered_c = "GUIImages/button2.bmp";
const char* const pressed_c = "GUIImages/button3.bmp";

} // namespace

// The release over the button reaches it twice, through focus and through the
// view tree; only the first may run the action.
TEST_F(Button_test, PressDragOffDragBackReleaseRunsActionOnce) {
    press(110, 105);
    deliver();
    EXPECT_TRUE(looks_like(pressed_c));
    EXPECT_TRUE(focused());

    move_to(400, 400);
    deliver();
    EXPECT_TRUE(looks_like(normal_c)) << "no pressed look while the pointer is off";
    EXPECT_TRUE(focused()) << "must keep focus to see the release off the button";

    move_to(115, 108);
    release(115, 108);
    deliver();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(looks_like(normal_c));
    EXPECT_FALSE(focused());
}

TEST_F(Button_test, ReleaseOffTheButtonCancelsThePress) {
    press(110, 105);
    move_to(400, 400);
    release(400, 400);
    deliver();
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(looks_like(normal_c));
    EXPECT_FALSE(focused());
}

TEST_F(Button_test, HoverLooksAndHoldsFocusOnlyWhileInside) {
    move_to(110, 105);
    deliver();
    EXPECT_TRUE(looks_like(hovered_c));
    EXPECT_TRUE(focused());

    move_to(400, 400);
    deliver();
    EXPECT_TRUE(looks_like(normal_c));
    EXPECT_FALSE(focused());
    EXPECT_EQ(runs, 0);
}

namespace {
class Test_box : public GUI::MsgNew {
public:
    explicit Test_box(const std::vector<GUI::Button*>& row) : MsgNew(300, 100, "Close me?", row) {}
    void pop_up(int) override {}
};
} // namespace

using Message_box_test = Widget_test;

// Dismissing a dialogue from its own button destroys the button while its
// release handler is still on the stack.
TEST_F(Message_box_test, ButtonsFillFromTheRightAndMayDestroyTheirDialogue) {
    Test_box* box = nullptr;
    bool closed = false;
    GUI::Button* ok = GUI::create_button(
        [&] {
            // The last statement: this closure dies with the button.
            closed = true;
            Test_box* doomed = box;
            box = nullptr;
            main_view()->remove_subview(doomed);
            forget(doomed);
            delete doomed;
        },
        "OK");
    GUI::Button* cancel = GUI::create_button([] {}, "Cancel");
    box = attach(new Test_box({ok, cancel}), DispPoint(100, 100));
    EXPECT_EQ(ok->get_rel_pos(), DispPoint(120, 70));
    EXPECT_EQ(cancel->get_rel_pos(), DispPoint(-60, 70));

    click(225, 175);
    move_to(230, 178);
    click(230, 178);
    deliver();
    EXPECT_TRUE(closed);
    EXPECT_EQ(box, nullptr);
}
