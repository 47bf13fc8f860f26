#include "gui/Window.h"

#include "gui/Colors.h"
#include "gui/Drawing.h"
#include "gui/Error.h"
#include "gui/View.h"

namespace GUI {

namespace {
const int window_bits_per_pixel_c = 16;
}

bool Window::WINDOW_ALREADY_CREATED = false;

Window::Window(int width, int height, const std::string& title_, int color_count_,
               unsigned video_flags_)
    : title(title_), color_count(color_count_), video_flags(video_flags_) {
    if (WINDOW_ALREADY_CREATED)
        throw Error("Sorry, already created a window!");
    screen = createDisplay(nullptr, width, height, window_bits_per_pixel_c, nullptr, color_count,
                           video_flags);
    if (!screen)
        throw Error("Couldn't Create Window.");
    if (!title.empty())
        SDL_WM_SetCaption(title.c_str(), nullptr);
    main_view = new View(width, height);
    main_view->mark_changed();
    SDL_FillRect(
        main_view->get_image_ptr(), nullptr,
        SDL_MapRGB(main_view->get_image_ptr()->format, bg_color.r, bg_color.g, bg_color.b));
    refresh();
    WINDOW_ALREADY_CREATED = true;
}

// Whoever attached views that it also owns elsewhere must take them out of
// the window before it goes: the main view destroys what it still holds.
Window::~Window() {
    delete main_view;
}

void Window::refresh() {
    if (!main_view->need_to_refresh())
        return;
    main_view->refresh();
    SDL_Rect whole = {0, 0, static_cast<Uint16>(main_view->get_w()),
                      static_cast<Uint16>(main_view->get_h())};
    display_image(main_view->get_display_ptr(), screen, 0, 0, false, whole);
    updateScreen(screen);
}

void Window::attach_subview(View* view, DispPoint position) {
    main_view->attach_subview(view, position);
}

void Window::move_subview(View* view, DispPoint position) {
    main_view->move_subview(view, position);
}

void Window::remove_subview(View* view) {
    main_view->remove_subview(view);
}

void Window::remove_last_subview() {
    main_view->remove_last_subview();
}

} // namespace GUI
