#ifndef FLOTILLA_GUI_COLORS_H
#define FLOTILLA_GUI_COLORS_H

#include <SDL.h>

// Magenta: pixels of exactly this colour are skipped when a keyed picture or
// view is copied onto another.
const SDL_Color default_color_key_c = {255, 0, 255, 0};

namespace GUI {

const SDL_Color clear = default_color_key_c;
const SDL_Color transparent = default_color_key_c;
// The window's background.
const SDL_Color bg_color = {208, 208, 208, 0};

} // namespace GUI

#endif
