#ifndef FLOTILLA_GUI_BUTTON_H
#define FLOTILLA_GUI_BUTTON_H

#include "gui/GUIImage.h"
#include "gui/ImageView.h"

#include <string>

namespace GUI {

class TextView;

// A picture with normal, hovered and pressed looks that runs its operation
// when the mouse is released over it after being pressed on it. The same
// event may arrive twice (through focus and through the view tree); the
// handlers are written so that the repeat changes nothing.
class Button : public ImageView {
public:
    Button();
    ~Button() override;

    bool handle_mouse_down(DispPoint position) override;
    bool handle_mouse_up(DispPoint position) override;
    bool handle_mouse_motion(DispPoint position, DispPoint rel) override;

    virtual void operation() {}
    virtual void set_image(const GUIImage& picture) { normal_image = picture; }
    virtual void set_hovered_image(const GUIImage& picture) { hovered_image = picture; }
    virtual void set_clicked_image(const GUIImage& picture) { clicked_image = picture; }

private:
    bool pressed = false;
    bool hot = false;
    GUIImage normal_image;
    GUIImage hovered_image;
    GUIImage clicked_image;

    void show(const GUIImage& picture) { draw_onto_self(picture, DispPoint(0, 0)); }
};

// A button with a text label, 30 pixels in from its left edge.
class TextButton : public Button {
public:
    explicit TextButton(const std::string& label);
    ~TextButton() override;

    void set_text(const std::string& text);

private:
    TextView* text_view;
};

// A text button whose operation is any callable taking no arguments.
template <typename F> class ActionButton : public TextButton {
public:
    ActionButton(F action_, const std::string& label) : TextButton(label), action(action_) {}
    void operation() override { action(); }

private:
    F action;
};

// The caller attaches the button to a view, which then owns it.
template <typename F> TextButton* create_button(F action, const std::string& label) {
    return new ActionButton<F>(action, label);
}

} // namespace GUI

#endif
