#ifndef FLOTILLA_GUI_TEXTFIELD_H
#define FLOTILLA_GUI_TEXTFIELD_H

#include "gui/GUITimer.h"
#include "gui/TextView.h"

#include <SDL.h>

#include <functional>
#include <string>
#include <utility>

namespace GUI {

class GUITimer_command;

const SDL_Color cursor_clear_c = {0, 255, 0, 0};
const SDL_Color black = {0, 0, 0, 0};

// The shifted character of a US keyboard key; other characters unchanged.
char symbol_to_upper(char c);
// The key symbol as a character, or 0 for symbols of 255 and above.
char SDL_to_a(int symbol);

// An editable text view: a click gives it focus and places the cursor, typed
// characters go in at the cursor, a held key repeats after half a second.
// It cancels its timer commands and gives up focus when destroyed, so no
// timer or key ever reaches a dead field.
class TextField : public TextView {
public:
    TextField(int width, int height, bool grows_vertically_, bool single_line_);
    ~TextField() override;

    bool handle_mouse_down(DispPoint position) override;
    bool handle_key_down(SDL_keysym key) override;
    bool handle_key_up(SDL_keysym key) override;
    void lost_focus() override;

    int get_cursor_index() const;
    // Run by Return (or the keypad's Enter) and by Escape while the field has
    // focus, once per press: a dialogue box confirms and cancels with them.
    // Without an action the key types nothing.
    void set_return_action(std::function<void()> action) { return_action = std::move(action); }
    void set_escape_action(std::function<void()> action) { escape_action = std::move(action); }

    // The blinking insertion cursor, one pixel wide, standing before a letter.
    class Cursor : public View {
    public:
        explicit Cursor(TextField* field_);
        ~Cursor() override;

        void display(int text_size);
        // Indices outside [0, number of letters] change nothing.
        void move_to(int index_);
        void move_left();
        void move_right();
        void move_up();
        void move_down();
        int get_index() const { return index; }

    private:
        DispPoint pos;
        int index = 0;
        TextField* field;
        bool shown = true;
        GUITimer_command* blink_timer = nullptr;
    };

private:
    bool key_held = false;
    int held_key = 0;
    GUITimer key_timer;
    int modifiers = 0;
    Cursor* cursor;
    GUITimer_command* repeat_timer = nullptr;
    std::function<void()> return_action;
    std::function<void()> escape_action;

    void handle_key_held();
    void handle_key();
    void handle_alpha_num(char c);

    // A field that cannot grow and has room for one line only: its text
    // stays on that line and slides sideways to keep the cursor in view.
    bool one_line_high() const;
    bool wraps() const override;
    // Slides the text of a field one line high so that the gap before the
    // letter with this index shows, with no room wasted at the right end.
    void scroll_to_show(int index);
};

// A text field framed in a white box with rounded corners.
class TextBox : public View {
public:
    TextBox(int width, int height);
    ~TextBox() override;

    std::string get_text() const;
    TextField* get_text_field() const { return text_field; }

private:
    TextField* text_field;
};

} // namespace GUI

#endif
