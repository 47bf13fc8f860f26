#ifndef FLOTILLA_TESTS_APP_UNIT_APP_TEST_SUPPORT_H
#define FLOTILLA_TESTS_APP_UNIT_APP_TEST_SUPPORT_H

#include "../../gui/Gui_test_support.h"

#include "app/GUI_Controller.h"
#include "app/MainView.h"
#include "gui/App.h"
#include "views/MapViewController.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>

// The one controller of the process, made by the test main with the
// start-up world; the tests share it and its window.
GUI_Controller& controller();
// Hands text to the controller's own console, as if typed on its input, and
// runs a frame.
void type_console(const std::string& text);

inline GUI::App& app() {
    return *GUI::App::get();
}

// Runs real frames; whatever is queued is handled in the first of them.
inline void run_frames(int count) {
    auto* counter = app().repeat_on_timer(
        [&count] {
            if (--count == 0)
                app().quit();
        },
        -1., true);
    app().run(app().get_window());
    app().cancel_timer_op(counter);
}

// The window's fixed places, in window pixels.
namespace place {
using P = GUI::DispPoint;
const P free_sea(250, 50);                      // the world point (40, 40) at the start-up scale
const P zoom_middle(385, 70);                   // on the slider's track
const P stick(382, 127), stick_right(397, 127); // the pan stick's centre and rim
const P attack(380, 160), go(380, 220);
const P field(200, 290), enter(300, 330), cancel(200, 330); // a dialogue box's
const P background(560, 400);                               // bare main view
} // namespace place

// Tests share the start-up world: each one puts back what it changes.
class App_test : public ::testing::Test {
protected:
    using P = GUI::DispPoint;

    void SetUp() override { timers = app().timer_command_count(); }
    void TearDown() override {
        // A dialogue box's text field and a running world have timers: they
        // must go with the box and with a pause.
        EXPECT_EQ(app().timer_command_count(), timers) << "a test left something running";
        for (SDL_Event left; SDL_PollEvent(&left);) {
        }
    }

    static void mouse(Uint8 type, P p, P rel = P(0, 0)) {
        SDL_Event event{};
        if (type == SDL_MOUSEMOTION)
            event.motion = {type, 0, 0, Uint16(p.x), Uint16(p.y), Sint16(rel.x), Sint16(rel.y)};
        else
            event.button = {type, 0, SDL_BUTTON_LEFT, 0, Uint16(p.x), Uint16(p.y)};
        SDL_PushEvent(&event);
    }
    static void click(P p) { mouse(SDL_MOUSEBUTTONDOWN, p), mouse(SDL_MOUSEBUTTONUP, p); }
    static void click_now(P p) { click(p), run_frames(1); }
    static void push_key(int sym, int mod = KMOD_NONE) {
        for (Uint8 type : {Uint8(SDL_KEYDOWN), Uint8(SDL_KEYUP)}) {
            SDL_Event event{};
            event.key = {type, 0, 0, {0, SDLKey(sym), SDLMod(mod), 0}};
            SDL_PushEvent(&event);
        }
    }
    // Letters only; capitals with the shift key held.
    static void type_text(const std::string& text) {
        for (char c : text)
            std::isupper(c) ? push_key(std::tolower(c), KMOD_LSHIFT) : push_key(c);
    }

    static GUI::View* view_at(P p) {
        return app().get_window()->get_main_view()->get_view_from_point(p);
    }
    static MapViewController& map() {
        return dynamic_cast<MapViewController&>(*controller().get_map_view());
    }
    static std::string message_line() { return controller().get_main_view()->get_message(); }
    static bool found(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    Output_capture out;
    std::size_t timers = 0;
};

#endif
