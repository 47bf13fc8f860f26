#ifndef FLOTILLA_TESTS_GUI_TEST_HELPERS_H
#define FLOTILLA_TESTS_GUI_TEST_HELPERS_H

#include <SDL.h>
#include <gtest/gtest.h>

// Events go through SDL's queue so that the real loop hands them out.
inline void push_mouse(Uint8 type, int x, int y) {
    SDL_Event event{};
    if (type == SDL_MOUSEMOTION)
        event.motion = {type, 0, 0, Uint16(x), Uint16(y), 0, 0};
    else
        event.button = {type, 0, SDL_BUTTON_LEFT, 0, Uint16(x), Uint16(y)};
    EXPECT_EQ(SDL_PushEvent(&event), 0);
}
// Any other type than a key event (SDL_QUIT, say) is pushed bare.
inline void push_key(Uint8 type, int sym = SDLK_a, int mod = KMOD_NONE) {
    SDL_Event event{};
    event.key.type = type;
    event.key.keysym.sym = SDLKey(sym);
    event.key.keysym.mod = SDLMod(mod);
    EXPECT_EQ(SDL_PushEvent(&event), 0);
}

#endif
