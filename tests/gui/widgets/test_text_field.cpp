#include "support/Window_support.h"

#include "gui/App.h"

#include "gui/GUILetter.h"
#include "gui/TextField.h"
#include "gui/TextView.h"

#include <string>
#include <vector>

using Text = Window_test;
using TextField = Window_test;

// Counted in frames of at least 25 ms: the repeat starts after half a second.
// Keys after the box is gone, one still held, must reach nothing of it.
TEST_F(TextField, HeldKeyRepeatsUntilItComesUpOrItsFieldIsDestroyed) {
    auto* box = attach(new GUI::TextBox(300, 20), P(50, 50));
    GUI::TextField* field = box->get_text_field();
    click(field->get_abs_pos() + P(5, 5));
    push_key(SDL_KEYDOWN, 'k');
    run_frames(1);
    EXPECT_EQ(field->get_text(), "k");
    run_frames(40);
    const std::size_t held = field->get_text().size();
    EXPECT_GE(held, 3u);
    EXPECT_LE(held, 42u) << "at most once a frame";
    push_key(SDL_KEYUP, 'k');
    run_frames(10);
    EXPECT_LE(field->get_text().size(), held + 1) << "repeating after the key-up";

    push_key(SDL_KEYDOWN, 'q');
    run_frames(1);
    main_view()->remove_subview(box);
    top = nullptr;
    delete box;
    push_key(SDL_KEYUP, 'q');
    push_key(SDL_KEYDOWN, 'e');
    click(P(60, 55));
    run_frames(30);
    EXPECT_EQ(GUI::App::get()->timer_command_count(), 0u);
}

// The US keyboard with Shift and Caps Lock; editing keys stop at either end.
TEST_F(TextField, TypingEditingAndClicksFollowTheKeyboardAndThePointer) {
    auto* field = attach(new GUI::TextField(300, 20, false, false), P(50, 50));
    click(P(60, 55));
    key('2', KMOD_LSHIFT);
    key('2', KMOD_CAPS);
    key('a', KMOD_CAPS);
    key('a', KMOD_RSHIFT | KMOD_CAPS);
    key(';', KMOD_RSHIFT);
    key('-');
    for (int silent : {int(SDLK_CAPSLOCK), int(SDLK_LSHIFT), 255, int(SDLK_F1), int(SDLK_ESCAPE)})
        key(silent);
    run_frames(1);
    EXPECT_EQ(field->get_text(), "@2AA:-");
    EXPECT_EQ(field->get_cursor_index(), 6);

    field->set_text("ab");
    click(P(300, 55)); // right of the last letter
    key(SDLK_DELETE);
    for (int i = 0; i < 3; ++i)
        key(SDLK_LEFT);
    key(SDLK_BACKSPACE);
    run_frames(1);
    EXPECT_EQ(field->get_text(), "ab");
    EXPECT_EQ(field->get_cursor_index(), 0);
    key(SDLK_DOWN);
    run_frames(1);
    EXPECT_EQ(field->get_cursor_index(), 2) << "Down below the last line";

    click(P(500, 500));
    key('x');
    run_frames(1);
    EXPECT_FALSE(GUI::App::get()->has_focus(field));
    EXPECT_EQ(field->get_text(), "ab");
    EXPECT_NE(out.take().find("LOSTTTTT FOCUSSSSS\n"), std::string::npos);
}

// Alpha plays no part in a glyph, so it must not split the cache.
TEST_F(Text, GlyphsRenderOnceAndTextWrapsOrWidensAndClicksMapToTheNearerGap) {
    const SDL_Color black = {0, 0, 0, 0};
    GUILetter* a = GUILetter::get_letter('a', 18, black);
    EXPECT_EQ(GUILetter::get_letter('a', 18, black), a);
    EXPECT_EQ(GUILetter::get_letter('a', 18, SDL_Color{0, 0, 0, 200}), a);
    EXPECT_NE(GUILetter::get_letter('a', 18, SDL_Color{0, 0, 1, 0}), a);
    EXPECT_NE(GUILetter::get_letter('a', 24, black), a);
    EXPECT_NE(GUILetter::get_letter('b', 18, black), a);

    GUI::TextView view(100, 100, false, false);
    view.set_text(std::string(12, 'm'));
    const auto& letters = view.get_letters();
    std::size_t wrapped = 1;
    while (wrapped < letters.size() && letters[wrapped].get_pos().y == 0)
        ++wrapped;
    ASSERT_LT(wrapped, letters.size()) << "twelve m's overflow 100 pixels";
    EXPECT_EQ(letters[wrapped].get_pos(), P(0, view.get_text_size()));
    for (const auto& letter : letters)
        EXPECT_LE(letter.get_pos().x + letter.get_width(), view.get_w());

    GUI::TextView line(100, 20, false, true);
    line.set_text(std::string(40, 'm'));
    EXPECT_EQ(line.get_w(), 300) << "300, whatever the text needs";
    EXPECT_EQ(line.get_letters().back().get_pos().y, 0);

    GUI::TextView short_text(200, 40, false, false);
    short_text.set_text("abc");
    const P b = short_text.get_letters()[1].get_pos();
    EXPECT_EQ(short_text.index_at_pos(P(0, 5)), 0);
    EXPECT_EQ(short_text.index_at_pos(b + P(1, 1)), 1);
    EXPECT_EQ(short_text.index_at_pos(b + P(short_text.get_letters()[1].get_width() - 1, 1)), 2);
    EXPECT_EQ(short_text.index_at_pos(P(5, 39)), 3) << "below the last line";
}

TEST_F(TextField, AFieldOneLineHighSlidesItsTextToKeepTheCursorInView) {
    auto* box = attach(new GUI::TextBox(290, 20), P(50, 50));
    GUI::TextField* field = box->get_text_field();
    const P origin = field->get_abs_pos();
    auto press_keys = [](const std::vector<int>& keys) {
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (key(keys[i]), i % 20 == 19 || i + 1 == keys.size())
                run_frames(1); // SDL's queue holds 128 events
    };
    auto cursor_x = [field] { return field->pos_at_index(field->get_cursor_index()).x; };
    click(origin + P(5, 5));
    const std::string entry = "thequickbrownfoxjumpsoverthelazydog0123456789thequickbrownfox";
    press_keys(std::vector<int>(entry.begin(), entry.end()));
    EXPECT_EQ(field->get_text(), entry);
    const auto& letters = field->get_letters();
    EXPECT_EQ(letters.back().get_pos().y, 0);
    EXPECT_LE(letters.back().get_pos().x + letters.back().get_width(), field->get_w());
    EXPECT_LT(cursor_x(), field->get_w());
    EXPECT_LT(letters.front().get_pos().x, 0) << "the start has slid out on the left";

    const std::size_t target = letters.size() - 5;
    click(origin + P(letters[target].get_pos().x + 1, 5));
    run_frames(1);
    EXPECT_EQ(field->get_cursor_index(), static_cast<int>(target));

    press_keys(std::vector<int>(entry.size(), SDLK_LEFT));
    EXPECT_EQ(field->get_cursor_index(), 0);
    EXPECT_EQ(letters.front().get_pos(), P(3, 0));
    EXPECT_EQ(cursor_x(), 3);
}
