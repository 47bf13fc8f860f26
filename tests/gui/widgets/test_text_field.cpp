#include "Widget_fixture.h"

#include "gui/GUILetter.h"
#include "gui/TextField.h"
#include "gui/TextView.h"

#include <string>
#include <vector>

using GUI::DispPoint;

using Text_test = Widget_test;
using Text_field_test = Widget_test;

// Alpha plays no part in a glyph, so it must not split the cache.
TEST_F(Text_test, GlyphCacheRendersEachCharSizeAndColourOnce) {
    const SDL_Color black = {0, 0, 0, 0};
    GUILetter* a = GUILetter::get_letter('a', 18, black);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(GUILetter::get_letter('a', 18, black), a);
    EXPECT_EQ(GUILetter::get_letter('a', 18, SDL_Color{0, 0, 0, 200}), a);
    EXPECT_NE(GUILetter::get_letter('a', 18, SDL_Color{0, 0, 1, 0}), a);
    EXPECT_NE(GUILetter::get_letter('a', 24, black), a);
    EXPECT_NE(GUILetter::get_letter('b', 18, black), a);
}

// Counted over real frames: once at once, nothing for half a second, then at
// most once per 50 ms until the key comes up.
TEST_F(Text_field_test, HeldKeyRepeatsAfterHalfASecondAtMostEvery50ms) {
    auto* field = attach(new GUI::TextField(300, 20, false, false), DispPoint(50, 50));
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
    GUI::GUITimer_command* closer = app()->repeat_on_timer(
        [&] {
            // Cancelled while it runs: it must live until it returns.
            app()->cancel_timer_op(closer);
            focused_when_destroyed = app()->has_focus(box->get_text_field());
            main_view()->remove_subview(box);
            top = nullptr;
            delete box;
            push_key(SDL_KEYDOWN, 'w');
            push_key(SDL_KEYUP, 'w');
            push_key(SDL_KEYDOWN, 'e');
            click(60, 110);
        },
        0.1, false);
    run_for(700);
    EXPECT_TRUE(focused_when_destroyed);
    EXPECT_EQ(app()->timer_command_count(), timers_before);
}

// What a user types and clicks: the US keyboard with Shift and Caps Lock,
// editing keys that stop at either end, clicks that put the cursor in the
// nearer gap, and a click elsewhere that takes focus and keys away.
TEST_F(Text_field_test, TypingEditingAndClicksFollowTheKeyboardAndThePointer) {
    auto* field = attach(new GUI::TextField(300, 20, false, false), DispPoint(50, 50));
    auto key = [](int sym, int mod = KMOD_NONE) {
        push_key(SDL_KEYDOWN, sym, mod);
        push_key(SDL_KEYUP, sym, mod);
    };
    auto type = [&key](const std::string& text) {
        for (char c : text)
            key(c);
    };
    click(60, 55);
    key('2', KMOD_LSHIFT);
    key('2', KMOD_CAPS);
    key('a', KMOD_CAPS);
    key('a', KMOD_RSHIFT | KMOD_CAPS);
    key(';', KMOD_RSHIFT);
    for (int silent : {int(SDLK_CAPSLOCK), int(SDLK_LSHIFT), 255, int(SDLK_F1), int(SDLK_ESCAPE)})
        key(silent);
    deliver();
    EXPECT_EQ(field->get_text(), "@2AA:");
    EXPECT_EQ(field->get_cursor_index(), 5);

    field->set_text("ab");
    click(300, 55); // right of the last letter
    key(SDLK_DELETE);
    for (int i = 0; i < 3; ++i)
        key(SDLK_LEFT);
    key(SDLK_BACKSPACE);
    deliver();
    EXPECT_EQ(field->get_text(), "ab");
    EXPECT_EQ(field->get_cursor_index(), 0);
    key(SDLK_DOWN);
    deliver();
    EXPECT_EQ(field->get_cursor_index(), 2) << "Down below the last line";

    const int b_left = 50 + field->get_letters()[1].get_pos().x;
    click(b_left + 1, 55);
    deliver();
    EXPECT_EQ(field->get_cursor_index(), 1);
    click(b_left + field->get_letters()[1].get_width() - 1, 55);
    key('-');
    deliver();
    EXPECT_EQ(field->get_text(), "ab-");

    click(500, 500);
    type("x");
    deliver();
    EXPECT_FALSE(app()->has_focus(field));
    EXPECT_EQ(field->get_text(), "ab-");
    EXPECT_NE(output.take().find("LOSTTTTT FOCUSSSSS\n"), std::string::npos);
}

// Text wraps to the left edge one text size lower, never past the right
// edge; a one-line view widens to 300 pixels instead; a click maps to the
// nearer gap of the letter it hits.
TEST_F(Text_test, TextWrapsOrWidensAndClicksMapToTheNearerGap) {
    GUI::TextView view(100, 100, false, false);
    view.set_text(std::string(12, 'm'));
    const auto& letters = view.get_letters();
    EXPECT_EQ(letters.front().get_pos(), DispPoint(3, 0));
    std::size_t wrapped = 1;
    while (wrapped < letters.size() && letters[wrapped].get_pos().y == 0)
        ++wrapped;
    ASSERT_LT(wrapped, letters.size()) << "twelve m's overflow 100 pixels";
    EXPECT_EQ(letters[wrapped].get_pos(), DispPoint(0, view.get_text_size()));
    for (const auto& letter : letters)
        EXPECT_LE(letter.get_pos().x + letter.get_width(), view.get_w());

    GUI::TextView line(100, 20, false, true);
    line.set_text(std::string(40, 'm'));
    EXPECT_EQ(line.get_w(), 300) << "300, whatever the text needs";
    EXPECT_EQ(line.get_letters().back().get_pos().y, 0);

    GUI::TextView short_text(200, 40, false, false);
    short_text.set_text("abc");
    const DispPoint b = short_text.get_letters()[1].get_pos();
    EXPECT_EQ(short_text.index_at_pos(DispPoint(0, 5)), 0);
    EXPECT_EQ(short_text.index_at_pos(b + DispPoint(1, 1)), 1);
    EXPECT_EQ(
        short_text.index_at_pos(b + DispPoint(short_text.get_letters()[1].get_width() - 1, 1)), 2);
    EXPECT_EQ(short_text.index_at_pos(DispPoint(5, 39)), 3) << "below the last line";
}

// A dialogue box's field has room for one line: a long entry slides along
// it to keep the cursor, and the letters by it, in view, and a click still
// finds the letter it lands on.
TEST_F(Text_field_test, AFieldOneLineHighSlidesItsTextToKeepTheCursorInView) {
    auto* box = attach(new GUI::TextBox(290, 20), DispPoint(50, 50));
    GUI::TextField* field = box->get_text_field();
    const DispPoint origin = field->get_abs_pos();
    auto press_keys = [](const std::vector<int>& keys) {
        for (std::size_t from = 0; from < keys.size(); from += 20) {
            for (std::size_t i = from; i < keys.size() && i < from + 20; ++i) {
                push_key(SDL_KEYDOWN, keys[i]);
                push_key(SDL_KEYUP, keys[i]);
            }
            deliver(); // SDL's queue holds 128 events
        }
    };
    auto cursor_x = [field] { return field->pos_at_index(field->get_cursor_index()).x; };
    click(origin.x + 5, origin.y + 5);
    const std::string entry = "thequickbrownfoxjumpsoverthelazydog0123456789thequickbrownfox";
    press_keys(std::vector<int>(entry.begin(), entry.end()));
    EXPECT_EQ(field->get_text(), entry);
    const auto& letters = field->get_letters();
    EXPECT_EQ(letters.back().get_pos().y, 0);
    EXPECT_LE(letters.back().get_pos().x + letters.back().get_width(), field->get_w());
    EXPECT_LT(cursor_x(), field->get_w());
    EXPECT_LT(letters.front().get_pos().x, 0) << "the start has slid out on the left";

    const std::size_t target = letters.size() - 5;
    click(origin.x + letters[target].get_pos().x + 1, origin.y + 5);
    deliver();
    EXPECT_EQ(field->get_cursor_index(), static_cast<int>(target));

    press_keys(std::vector<int>(entry.size(), SDLK_LEFT));
    EXPECT_EQ(field->get_cursor_index(), 0);
    EXPECT_EQ(letters.front().get_pos(), DispPoint(3, 0));
    EXPECT_EQ(cursor_x(), 3);
    EXPECT_EQ(field->get_text(), entry);
}
