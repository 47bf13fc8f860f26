#ifndef FLOTILLA_GUI_WINDOW_H
#define FLOTILLA_GUI_WINDOW_H

#include "gui/DispPoint.h"

#include <SDL.h>

#include <string>

namespace GUI {

class View;

// The one window of the process; a second construction throws. Its main view
// covers it and holds every other view.
class Window {
public:
    Window(int width, int height, const std::string& title_, int color_count_,
           unsigned video_flags_);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Draws and shows the window only if some view changed.
    void refresh();
    DispPoint get_dim() const { return DispPoint(screen->w, screen->h); }
    View* get_main_view() const { return main_view; }
    SDL_Surface* get_screen() const { return screen; }

    void attach_subview(View* view, DispPoint position);
    void move_subview(View* view, DispPoint position);
    void remove_subview(View* view);
    void remove_last_subview();

    static bool WINDOW_ALREADY_CREATED;

private:
    SDL_Surface* screen = nullptr;
    View* main_view = nullptr;
    const std::string title;
    const int color_count;
    const unsigned video_flags;
};

} // namespace GUI

#endif
