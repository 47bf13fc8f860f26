#ifndef FLOTILLA_TESTS_SUPPORT_WINDOW_SUPPORT_H
#define FLOTILLA_TESTS_SUPPORT_WINDOW_SUPPORT_H

#include "support/Capture.h"

#include "gui/DispPoint.h"
#include "gui/View.h"
#include "gui/Window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

using P = GUI::DispPoint;

// The process's one window (SDL allows no second), made by the test main.
GUI::Window& test_window();
// SDL's dummy drivers (no text-mode one on stdout), resources, the number format.
void set_up_process();

// Events go through SDL's queue so that the real loop hands them out.
void push_mouse(Uint8 type, P at, P rel = P(0, 0), Uint8 button = SDL_BUTTON_LEFT, Uint8 held = 0);
// Any other type than a key event (SDL_QUIT, say) is pushed bare.
void push_key(Uint8 type, int sym = SDLK_a, int mod = KMOD_NONE);
inline void press(P at) {
    push_mouse(SDL_MOUSEBUTTONDOWN, at);
}
inline void release(P at) {
    push_mouse(SDL_MOUSEBUTTONUP, at);
}
inline void move_to(P at) {
    push_mouse(SDL_MOUSEMOTION, at);
}
inline void click(P at) {
    press(at), release(at);
}
inline void key(int sym, int mod = KMOD_NONE) {
    push_key(SDL_KEYDOWN, sym, mod), push_key(SDL_KEYUP, sym, mod);
}
// Letters and digits; capitals with the shift key held.
void type_text(const std::string& text);

// Real frames; fewer ran when a quit came. The first handles whatever is queued.
int run_frames(int count = 1);
// The deepest view under a window point.
GUI::View* view_at(P at);
// The first view of type V found under the window, from the top left.
template <typename V> V* find_view() {
    const P size = test_window().get_dim();
    for (int y = 0; y < size.y; y += 4)
        for (int x = 0; x < size.x; x += 4)
            for (GUI::View* view = view_at(P(x, y)); view; view = view->get_parent())
                if (auto* found = dynamic_cast<V*>(view))
                    return found;
    return nullptr;
}
inline P centre_of(const GUI::View& view) {
    return view.get_abs_pos() + P(view.get_w() / 2, view.get_h() / 2);
}

bool is_color(SDL_Surface* surface, int x, int y, SDL_Color color);
// How many pixels of `picture` `surface` shows otherwise at the same place.
int differing_pixels(SDL_Surface* picture, SDL_Surface* surface);
// Whether pixel (x, y) of `surface` shows pixel (px, py) of `picture`.
bool same_color(SDL_Surface* surface, int x, int y, SDL_Surface* picture, int px, int py);

// The test's one view on the main view goes with the test.
class Window_test : public ::testing::Test {
protected:
    void TearDown() override;

    static GUI::View* main_view() { return test_window().get_main_view(); }
    // A test that destroys the view itself clears `top`.
    template <typename V> V* attach(V* view, P where) {
        main_view()->attach_subview(view, where);
        top = view;
        return view;
    }

    Output_capture out;
    GUI::View* top = nullptr;
};

#endif
