#ifndef FLOTILLA_TESTS_GUI_WIDGETS_WIDGET_FIXTURE_H
#define FLOTILLA_TESTS_GUI_WIDGETS_WIDGET_FIXTURE_H

#include "Gui_test_helpers.h"
#include "Gui_test_support.h"

#include "gui/App.h"
#include "gui/View.h"

#include <SDL_ttf.h>
#include <unistd.h>

#include <functional>

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
        if (top)
            main_view()->remove_subview(top);
        delete top;
        SDL_Event leftover;
        while (SDL_PollEvent(&leftover)) {
        }
    }

    static GUI::App* app() { return GUI::App::get(); }
    static GUI::View* main_view() { return test_window().get_main_view(); }

    // The test's one view on the main view, which TearDown takes back; a
    // test that destroys it itself clears `top`.
    template <typename V> V* attach(V* view, GUI::DispPoint where) {
        main_view()->attach_subview(view, where);
        top = view;
        return view;
    }

    static void press(int x, int y) { push_mouse(SDL_MOUSEBUTTONDOWN, x, y); }
    static void release(int x, int y) { push_mouse(SDL_MOUSEBUTTONUP, x, y); }
    static void move_to(int x, int y) { push_mouse(SDL_MOUSEMOTION, x, y); }
    static void click(int x, int y) { press(x, y), release(x, y); }

    // Handles everything queued so far in one frame and returns.
    static void deliver() {
        push_key(SDL_QUIT);
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

    // The loop and the widgets trace to standard output; this keeps it out of
    // the test log.
    Output_capture output;
    GUI::View* top = nullptr;
};

#endif
