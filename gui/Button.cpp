#include "gui/Button.h"

#include "gui/TextView.h"
#include "resources/Pictures.h"

namespace GUI {

namespace {
const SDL_Color button_clear_c = {0, 255, 0, 0};
const SDL_Color no_key_c = {0, 0, 0, 0};
const int label_inset_c = 30;
const int label_text_size_c = 16;
} // namespace

Button::Button()
    : ImageView(GUIImage(Pictures::button_normal_c.file, false, no_key_c)),
      normal_image(Pictures::button_normal_c.file, false, no_key_c),
      hovered_image(Pictures::button_hovered_c.file, false, no_key_c),
      clicked_image(Pictures::button_pressed_c.file, false, no_key_c) {
    set_clear_color(button_clear_c);
}

Button::~Button() = default;

bool Button::handle_mouse_down(DispPoint) {
    pressed = true;
    show(clicked_image);
    hot = true;
    capture_focus();
    return true;
}

bool Button::handle_mouse_up(DispPoint) {
    lose_focus();
    const bool run_operation = pressed && hot;
    if (pressed) {
        pressed = false;
        show(normal_image);
    }
    if (!hot)
        return false;
    if (run_operation) {
        // The operation may close what holds this button, so nothing here
        // touches the button after it has returned normally.
        hot = false;
        try {
            operation();
        } catch (...) {
            hot = true;
            throw;
        }
        return true;
    }
    hot = false;
    return true;
}

bool Button::handle_mouse_motion(DispPoint position, DispPoint) {
    const bool on = rel_point_is_on_me(position);
    if (pressed && !hot && on) {
        show(clicked_image);
        hot = true;
        return false;
    }
    if (!pressed && !hot && on) {
        show(hovered_image);
        hot = true;
        capture_focus();
        return false;
    }
    if (!hot || on)
        return false;
    show(normal_image);
    hot = false;
    if (!pressed)
        lose_focus();
    return false;
}

TextButton::TextButton(const std::string& label) {
    text_view = new TextView(get_w() - label_inset_c, get_h(), false, false);
    text_view->set_text(label);
    text_view->set_text_size(label_text_size_c);
    attach_subview(text_view, DispPoint(get_w() - text_view->get_w(), 0));
}

TextButton::~TextButton() = default;

void TextButton::set_text(const std::string& text) {
    text_view->set_text(text);
}

} // namespace GUI
