#ifndef FLOTILLA_TESTS_GUI_TEST_HELPERS_H
#define FLOTILLA_TESTS_GUI_TEST_HELPERS_H

#include "gui/Controller.h"
#include "gui/DispPoint.h"
#include "gui/Drawing.h"
#include "gui/Error.h"

#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

inline std::string thrown_message(const std::function<void()>& action) {
    try {
        action();
    } catch (const GUI::Error& error) {
        return error.msg;
    }
    return "(nothing thrown)";
}

inline std::string str(GUI::DispPoint p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// A controller or view that logs every event it is offered, one line each.
template <typename Base> class Recording : public Base {
public:
    using Base::Base;
    ~Recording() override { this->lose_focus(); }

    bool handle_mouse_down(GUI::DispPoint p) override { return note("down " + str(p)); }
    bool handle_mouse_up(GUI::DispPoint p) override { return note("up " + str(p)); }
    bool handle_mouse_scroll_start(bool up) override {
        return note(up ? "scroll up" : "scroll down");
    }
    bool handle_key_down(SDL_keysym key) override {
        return note("keydown " + std::to_string(key.sym));
    }
    bool handle_key_up(SDL_keysym key) override { return note("keyup " + std::to_string(key.sym)); }

    std::vector<std::string> log;
    bool handles = false;

private:
    bool note(const std::string& line) {
        log.push_back(line);
        return handles;
    }
};

#endif
