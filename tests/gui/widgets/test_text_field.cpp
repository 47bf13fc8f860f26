#include "Widget_fixture.h"

#include "gui/TextField.h"

#include <string>
#include <vector>

using GUI::DispPoint;

namespace {

// The field covers window x 50 to 349, y 50 to 69; (60, 55) is on it.
class Text_field_test : public Widget_test {
protected:
    void SetUp() override {
        field = attach(new GUI::TextField(300, 20, false, false), DispPoint(50, 50));
    }

    // Window x of a point `dx` into letter `index`.
    int x_in_letter(int index, int dx) const {
        return 50 + field->get_letters()[index].get_pos().x + dx;
    }
    void type(const std::string& text) {
        for (char c : text)
            key(c);
    }

    GUI::TextField* field = nullptr;
};

} // namespace

TEST_F(Text_field_test, ShiftAndCapsLockFollowTheUsKeyboardAndOtherKeysTypeNothing) {
    click(60, 55);
    key('2', KMOD_LSHIFT);
    key('2', KMOD_CAPS);
    key('a', KMOD_CAPS);
    key('a', KMOD_RSHIFT | KMOD_CAPS);
    key(';', KMOD_RSHIFT);
    key('b', KMOD_NUM);
    for (int silent : {int(SDLK_CAPSLOCK), int(SDLK_LSHIFT), 255, int(SDLK_F1), int(SDLK_ESCAPE)})
        key(silent);
    deliver();
    EXPECT_EQ(field->get_text(), "@2AA:b");
    EXPECT_EQ(field->get_cursor_index(), 6);
}

TEST_F(Text_field_test, EditingKeysStopAtEitherEndOfTheText) {
    click(60, 55);
    type("ab");
    key(SDLK_DELETE); // at the end
    for (int i = 0; i < 3; ++i)
        key(SDLK_LEFT);
    key(SDLK_BACKSPACE); // at the start
    deliver();
    EXPECT_EQ(field->get_text(), "ab");
    EXPECT_EQ(field->get_cursor_index(), 0);

    for (int sym : {SDLK_DELETE, SDLK_RIGHT, SDLK_RIGHT, SDLK_BACKSPACE})
        key(sym);
    type("xyz");
    key(SDLK_UP);
    deliver();
    EXPECT_EQ(field->get_text(), "xyz");
    EXPECT_EQ(field->get_cursor_index(), 0) << "Up on the first line";
    key(SDLK_DOWN);
    deliver();
    EXPECT_EQ(field->get_cursor_index(), 3) << "Down below the last line";
}

TEST_F(Text_field_test, ClickPutsCursorInTheNearerGap) {
    field->set_text("abc");
    click(300, 55);
    deliver();
    EXPECT_EQ(field->get_cursor_index(), 3) << "right of the last letter";
    click(x_in_letter(1, 1), 55);
    deliver();
    EXPECT_EQ(field->get_cursor_index(), 1);
    click(x_in_letter(1, field->get_letters()[1].get_width() - 1), 55);
    key('-');
    deliver();
    EXPECT_EQ(field->get_text(), "ab-c");
}

TEST_F(Text_field_test, ClickElsewhereTakesFocusAndKeysAway) {
    click(60, 55);
    type("a");
    click(500, 500);
    type("b");
    click(500, 500);
    deliver();
    EXPECT_FALSE(app()->has_focus(field));
    EXPECT_EQ(field->get_text(), "a");
    const std::string said = output.take();
    EXPECT_NE(said.find("LOSTTTTT FOCUSSSSS\n"), std::string::npos);
    EXPECT_EQ(said.find("LOSTTTTT"), said.rfind("LOSTTTTT")) << "once, on the first click";

    click(51, 55);
    type("c");
    deliver();
    EXPECT_EQ(field->get_text(), "ca");
}

// Counted over real frames: once at once, nothing for half a second, then at
// most once per 50 ms until the key comes up.
TEST_F(Text_field_test, HeldKeyRepeatsAfterHalfASecondAtMostEvery50ms) {
    click(60, 55);
    push_key(SDL_KEYDOWN, 'k');
    std::vector<Uint32> typed_at; // when each letter was first seen, in ms
    std::size_t count_at_key_up = 0;
    run_for(1100, [&](Uint32 elapsed) {
        const std::size_t count = field->get_text().size();
        EXPECT_LE(count, typed_at.size() + 1) << "two letters in one frame at " << elapsed;
        if (count > typed_at.size())
            typed_at.push_back(elapsed);
        if (elapsed >= 800 && count_at_key_up == 0) {
            count_at_key_up = count;
            push_key(SDL_KEYUP, 'k');
        }
    });
    ASSERT_GE(typed_at.size(), 3u);
    EXPECT_LT(typed_at[0], 100u);
    EXPECT_GT(typed_at[1], 500u);
    for (std::size_t i = 2; i < typed_at.size(); ++i)
        EXPECT_GE(typed_at[i] - typed_at[i - 1], 48u) << "letter " << i;
    EXPECT_LE(field->get_text().size(), count_at_key_up + 1) << "repeating after the key-up";
}

// The box's field is focused and its key held when a timer command deletes
// the box; later keys, clicks and timer cycles must reach nothing of it.
TEST_F(Text_field_test, FocusedFieldDestroyedInTheLoopLeavesNoTimerOrFocus) {
    const std::size_t timers_before = app()->timer_command_count();
    auto* box = attach(new GUI::TextBox(200, 30), DispPoint(50, 100));
    EXPECT_EQ(app()->timer_command_count(), timers_before + 2);
    click(60, 110);
    push_key(SDL_KEYDOWN, 'q');

    bool focused_when_destroyed = false;
    GUI::GUITimer_command* closer = nullptr;
    closer = app()->repeat_on_timer(
        [&] {
            // Cancelled while it runs: it must live until it returns.
            app()->cancel_timer_op(closer);
            focused_when_destroyed = app()->has_focus(box->get_text_field());
            main_view()->remove_subview(box);
            forget(box);
            delete box;
            key('w');
            push_key(SDL_KEYDOWN, 'e');
            click(60, 110);
        },
        0.1, false);
    run_for(700);
    EXPECT_TRUE(focused_when_destroyed);
    EXPECT_EQ(app()->timer_command_count(), timers_before);
}
