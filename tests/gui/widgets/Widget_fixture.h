#ifndef FLOTILLA_TESTS_GUI_WIDGETS_WIDGET_FIXTURE_H
#define FLOTILLA_TESTS_GUI_WIDGETS_WIDGET_FIXTURE_H

#include "Gui_test_support.h"

#include "gui/App.h"
#include "gui/View.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <vector>

// Widgets are driven the way a user drives them: SDL events pushed into the
// queue and handled by the real event loop, one run per step.
class Widget_test : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!TTF_WasInit())
            TTF_Init();
        // The widgets open "GUIImages/..." and "GUIFonts/..." by relative path.
        ASSERT_EQ(chdir(test_resource_folder().c_str()), 0);
    }

    void TearDown() override {
        for (GUI::View* view : attached) {
            if (main_view()->is_subview(view))
                main_view()->remove_subview(view);
            delete view;
        }
        SDL_Event leftover;
        while (SDL_PollEvent(&leftover)) {
        }
    }

    static GUI::App* app() { return GUI::App::get(); }
    static GUI::View* main_view() { return test_window().get_main_view(); }

    // The main view owns it during the test; TearDown takes it back.
    template <typename V> V* attach(V* view, GUI::DispPoint where) {
        main_view()->attach_subview(view, where);
        attached.push_back(view);
        return view;
    }
    // For a test that destroys the view itself.
    void forget(GUI::View* view) {
        attached.erase(std::find(attached.begin(), attached.end(), view));
    }

    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }
    static void mouse(Uint8 type, int x, int y) {
        SDL_Event event{};
        if (type == SDL_MOUSEMOTION)
            event.motion = {type, 0, 0, Uint16(x), Uint16(y), 0, 0};
        else
            event.button = {type, 0, SDL_BUTTON_LEFT, 0, Uint16(x), Uint16(y)};
        push(event);
    }
    static void press(int x, int y) { mouse(SDL_MOUSEBUTTONDOWN, x, y); }
    static void release(int x, int y) { mouse(SDL_MOUSEBUTTONUP, x, y); }
    static void move_to(int x, int y) { mouse(SDL_MOUSEMOTION, x, y); }
    static void click(int x, int y) { press(x, y), release(x, y); }
    static void push_key(Uint8 type, int sym, int mod = KMOD_NONE) {
        SDL_Event event{};
        event.key.type = type;
        event.key.keysym.sym = SDLKey(sym);
        event.key.keysym.mod = SDLMod(mod);
        push(event);
    }
    static void key(int sym, int mod = KMOD_NONE) {
        push_key(SDL_KEYDOWN, sym, mod), push_key(SDL_KEYUP, sym, mod);
    }

    // Handles everything queued so far in one frame and returns.
    static void deliver() {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        push(quit);
        app()->run(&test_window());
    }

    // Runs real frames for about `ms` milliseconds, calling `each_frame` with
    // the time since the start at the end of every frame.
    static void run_for(Uint32 ms, const std::function<void(Uint32)>& each_frame = {}) {
        const Uint32 start = SDL_GetTicks();
        GUI::GUITimer_command* frame = app()->repeat_on_timer(
            [&] {
                const Uint32 elapsed = SDL_GetTicks() - start;
                if (each_frame)
                    each_frame(elapsed);
                if (elapsed >= ms)
                    app()->quit();
            },
            0.001, true);
        app()->run(&test_window());
        app()->cancel_timer_op(frame);
    }

    // The loop and the widgets trace to standard output; tests read it here.
    Output_capture output;

private:
    std::vector<GUI::View*> attached;
};

#endif
