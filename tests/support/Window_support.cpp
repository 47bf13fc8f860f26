#include "support/Window_support.h"

#include "gui/App.h"
#include "gui/Drawing.h"

#include <cctype>
#include <cstdlib>

void set_up_process() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("FLOTILLA_RESOURCES", FLOTILLA_RESOURCE_DIR, 1);
    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);
}

void push_mouse(Uint8 type, P at, P rel, Uint8 button, Uint8 held) {
    SDL_Event event{};
    if (type == SDL_MOUSEMOTION)
        event.motion = {type, 0, held, Uint16(at.x), Uint16(at.y), Sint16(rel.x), Sint16(rel.y)};
    else
        event.button = {type,         0,           button, Uint8(type == SDL_MOUSEBUTTONDOWN),
                        Uint16(at.x), Uint16(at.y)};
    SDL_PushEvent(&event);
}

void push_key(Uint8 type, int sym, int mod) {
    SDL_Event event{};
    event.key.type = type;
    event.key.state = Uint8(type == SDL_KEYDOWN);
    event.key.keysym.sym = SDLKey(sym);
    event.key.keysym.mod = SDLMod(mod);
    SDL_PushEvent(&event);
}

void type_text(const std::string& text) {
    for (unsigned char c : text)
        std::isupper(c) ? key(std::tolower(c), KMOD_LSHIFT) : key(c);
}

int run_frames(int count) {
    GUI::App& app = *GUI::App::get();
    int ran = 0;
    auto* counter = app.repeat_on_timer(
        [&] {
            if (++ran == count)
                app.quit();
        },
        -1., true);
    app.run(&test_window());
    app.cancel_timer_op(counter);
    return ran;
}

GUI::View* view_at(P at) {
    return test_window().get_main_view()->get_view_from_point(at);
}

bool is_color(SDL_Surface* surface, int x, int y, SDL_Color color) {
    return getpixel(surface, x, y) == SDL_MapRGB(surface->format, color.r, color.g, color.b);
}

int differing_pixels(SDL_Surface* picture, SDL_Surface* surface) {
    int count = 0;
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x)
            count += getpixel(picture, x, y) != getpixel(surface, x, y);
    return count;
}

bool same_color(SDL_Surface* surface, int x, int y, SDL_Surface* picture, int px, int py) {
    Uint8 r, g, b;
    SDL_GetRGB(getpixel(picture, px, py), picture->format, &r, &g, &b);
    return getpixel(surface, x, y) == SDL_MapRGB(surface->format, r, g, b);
}

void Window_test::TearDown() {
    if (top)
        main_view()->remove_subview(top);
    delete top;
    for (SDL_Event left; SDL_PollEvent(&left);) {
    }
}
