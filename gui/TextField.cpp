#include "gui/TextField.h"

#include "gui/App.h"
#include "gui/Colors.h"
#include "gui/GUIImage.h"
#include "gui/Trace.h"
#include "resources/Pictures.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace GUI {

namespace {

const double key_repeat_check_period_c = 0.05; // seconds
const double cursor_blink_period_c = 0.5;      // seconds
const std::uint32_t key_repeat_delay_c = 500;  // milliseconds

const int shift_mask_c = KMOD_LSHIFT | KMOD_RSHIFT;
const int caps_lock_mask_c = KMOD_CAPS;

const SDL_Color white_c = {255, 255, 255, 0};
const SDL_Color corner_clear_c = {0, 255, 255, 0};
const int corner_size_c = 5;

bool is_letter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

char to_upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

char symbol_to_upper(char c) {
    switch (c) {
    case '\'':
        return '"';
    case ',':
        return '<';
    case '-':
        return '_';
    case '.':
        return '>';
    case '/':
        return '?';
    case '0':
        return ')';
    case '1':
        return '!';
    case '2':
        return '@';
    case '3':
        return '#';
    case '4':
        return '$';
    case '5':
        return '%';
    case '6':
        return '^';
    case '7':
        return '&';
    case '8':
        return '*';
    case '9':
        return '(';
    case ';':
        return ':';
    case '=':
        return '+';
    case '[':
        return '{';
    case '\\':
        return '|';
    case ']':
        return '}';
    case '`':
        return '~';
    default:
        return c;
    }
}

char SDL_to_a(int symbol) {
    return symbol < 255 ? static_cast<char>(symbol) : 0;
}

TextField::Cursor::Cursor(TextField* field_) : View(1, 1), field(field_) {
    fill_with_color(black);
    set_clear_color(cursor_clear_c);
    blink_timer = App::get()->repeat_on_timer([this] { display(field->get_text_size()); },
                                              cursor_blink_period_c, true);
}

TextField::Cursor::~Cursor() {
    App::get()->cancel_timer_op(blink_timer);
}

void TextField::Cursor::display(int text_size) {
    shown = !shown;
    resize(1, text_size + 2);
    fill_with_color(black);
}

void TextField::Cursor::move_to(int index_) {
    if (index_ < 0 || index_ > static_cast<int>(field->get_letters().size()))
        return;
    index = index_;
    field->scroll_to_show(index);
    pos = field->pos_at_index(index);
    field->move_subview(this, pos);
}

void TextField::Cursor::move_left() {
    if (index > 0)
        move_to(index - 1);
}

void TextField::Cursor::move_right() {
    if (index < static_cast<int>(field->get_letters().size()))
        move_to(index + 1);
}

void TextField::Cursor::move_up() {
    move_to(field->index_at_pos(pos - DispPoint(0, NewLetter_Disp_Obj::get_line_height())));
}

void TextField::Cursor::move_down() {
    move_to(field->index_at_pos(pos + DispPoint(0, NewLetter_Disp_Obj::get_line_height())));
}

TextField::TextField(int width, int height, bool grows_vertically_, bool single_line_)
    : TextView(width, height, grows_vertically_, single_line_) {
    cursor = new Cursor(this);
    attach_subview(cursor, DispPoint(-1, 0));
    repeat_timer =
        App::get()->repeat_on_timer([this] { handle_key_held(); }, key_repeat_check_period_c, true);
}

TextField::~TextField() {
    App::get()->cancel_timer_op(repeat_timer);
    App::get()->release_focus(this);
}

int TextField::get_cursor_index() const {
    return cursor->get_index();
}

bool TextField::handle_mouse_down(DispPoint position) {
    if (rel_point_is_on_me(position)) {
        cursor->move_to(index_at_pos(position));
        capture_focus();
        return true;
    }
    lose_focus();
    return false;
}

void TextField::lost_focus() {
    trace_out() << "LOSTTTTT FOCUSSSSS\n";
    move_subview(cursor, DispPoint(-100, -100));
    update();
}

bool TextField::handle_key_down(SDL_keysym key) {
    std::function<void()> action;
    if (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER)
        action = return_action;
    else if (key.sym == SDLK_ESCAPE)
        action = escape_action;
    if (action) {
        action();
        return true;
    }
    key_held = true;
    held_key = key.sym;
    key_timer.reset();
    modifiers = key.mod;
    handle_key();
    return true;
}

bool TextField::handle_key_up(SDL_keysym) {
    key_held = false;
    key_timer.stop();
    modifiers = 0;
    return false;
}

void TextField::handle_key_held() {
    if (key_held && key_timer.get_time() > key_repeat_delay_c)
        handle_key();
}

void TextField::handle_key() {
    switch (held_key) {
    case SDLK_BACKSPACE: {
        // Nothing to delete before the first letter, and the cursor stays.
        const int index = cursor->get_index();
        remove_letter(index - 1);
        cursor->move_left();
        break;
    }
    case SDLK_DELETE:
        remove_letter(cursor->get_index());
        cursor->move_to(cursor->get_index()); // text hidden on the left may now show
        break;
    case SDLK_UP:
        cursor->move_up();
        break;
    case SDLK_DOWN:
        cursor->move_down();
        break;
    case SDLK_RIGHT:
        cursor->move_right();
        break;
    case SDLK_LEFT:
        cursor->move_left();
        break;
    default:
        handle_alpha_num(SDL_to_a(held_key));
        break;
    }
}

void TextField::handle_alpha_num(char c) {
    if (!std::isprint(static_cast<unsigned char>(c)))
        return;
    if (modifiers & shift_mask_c)
        c = is_letter(c) ? to_upper(c) : symbol_to_upper(c);
    else if ((modifiers & caps_lock_mask_c) && is_letter(c))
        c = to_upper(c);
    add_letter(c, cursor->get_index());
    cursor->move_right();
}

bool TextField::one_line_high() const {
    return !is_growing_vertically() && get_h() < 2 * get_text_size();
}

bool TextField::wraps() const {
    return TextView::wraps() && !one_line_high();
}

void TextField::scroll_to_show(int index) {
    if (!one_line_high())
        return;
    // Positions in the text as it lies unscrolled.
    const int scrolled = get_scroll();
    const int gap = pos_at_index(index).x + scrolled;
    const int start = pos_at_index(0).x + scrolled;
    const int end = pos_at_index(static_cast<int>(get_letters().size())).x + scrolled;
    const int last_column = get_w() - 1;
    int wanted = std::min(scrolled, std::max(end - last_column, 0));
    if (gap - wanted > last_column)
        wanted = gap - last_column;
    if (gap - wanted < start)
        wanted = gap - start;
    wanted = std::max(wanted, 0);
    if (wanted != scrolled)
        set_scroll(wanted);
}

TextBox::TextBox(int width, int height) : View(width, height) {
    text_field = new TextField(width - 4, height - 4, false, false);
    fill_with_color(clear);
    set_clear_color(clear);
    fill_with_color(white_c);

    View* corners = new View(width, height);
    corners->fill_with_color(corner_clear_c);
    corners->set_clear_color(corner_clear_c);
    const SDL_Color no_key = {0, 0, 0, 0};
    corners->draw_onto_self(GUIImage(Pictures::corner0_c.file, false, no_key), DispPoint(0, 0));
    corners->draw_onto_self(GUIImage(Pictures::corner1_c.file, false, no_key),
                            DispPoint(width - corner_size_c, 0));
    corners->draw_onto_self(GUIImage(Pictures::corner2_c.file, false, no_key),
                            DispPoint(width - corner_size_c, height - corner_size_c));
    corners->draw_onto_self(GUIImage(Pictures::corner3_c.file, false, no_key),
                            DispPoint(0, height - corner_size_c));
    attach_subview(corners, DispPoint(0, 0));
    attach_subview(text_field, DispPoint(2, 2));
}

TextBox::~TextBox() = default;

std::string TextBox::get_text() const {
    return text_field->get_text();
}

} // namespace GUI
