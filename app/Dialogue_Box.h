#ifndef FLOTILLA_APP_DIALOGUE_BOX_H
#define FLOTILLA_APP_DIALOGUE_BOX_H

#include "gui/App.h"
#include "gui/Button.h"
#include "gui/MsgNew.h"
#include "gui/TextField.h"
#include "gui/Window.h"

#include <functional>
#include <string>
#include <utility>

// What callers hold a dialogue box by.
class Dialogue_Box_Base {
public:
    virtual void pop_up(int) = 0;

protected:
    ~Dialogue_Box_Base() = default;
};

// Asks for one name: "Enter" runs the action with the typed text and closes
// the box; if the action throws, the box stays with the text as typed so the
// user can correct it. "Cancel" closes it without running anything. Return
// and Escape in its field do as "Enter" and "Cancel" do. A closed
// box gives up its field's focus, tells `closed`, and is destroyed once the
// button that closed it has returned.
template <typename F> class Dialogue_Box : public GUI::MsgNew, public Dialogue_Box_Base {
public:
    Dialogue_Box(int width, int height, const std::string& prompt, F action_,
                 std::function<void()> closed_ = {})
        : GUI::MsgNew(width, height, prompt, {}), action(action_), closed(std::move(closed_)) {
        text_box = new GUI::TextBox(width - 10, 20);
        attach_subview(text_box, GUI::DispPoint(10, 30));
        add_button(GUI::create_button([this] { call_callback(); }, "Enter"));
        add_button(GUI::create_button([this] { disappear(); }, "        Cancel"));
        text_box->get_text_field()->set_return_action([this] { call_callback(); });
        text_box->get_text_field()->set_escape_action([this] { disappear(); });
    }
    ~Dialogue_Box() override = default;

    void pop_up(int) override {
        GUI::App* app = GUI::App::get();
        const GUI::DispPoint screen = app->get_screen_size();
        app->get_window()->attach_subview(
            this, GUI::DispPoint(screen.x / 2 - get_w() / 2, screen.y / 2 - get_h() / 2));
    }

    void call_callback() {
        action(text_box->get_text());
        disappear();
    }

    void disappear() {
        GUI::App* app = GUI::App::get();
        if (get_parent())
            app->get_window()->remove_subview(this);
        text_box->get_text_field()->lose_focus();
        app->destroy_later(this);
        if (closed)
            closed();
    }

private:
    GUI::TextBox* text_box;
    F action;
    std::function<void()> closed;
};

// Made on the heap and not yet shown; pop_up shows it.
template <typename F>
Dialogue_Box_Base* create_dialogue_box(int width, int height, const std::string& prompt, F action,
                                       std::function<void()> closed = {}) {
    return new Dialogue_Box<F>(width, height, prompt, action, std::move(closed));
}

#endif
