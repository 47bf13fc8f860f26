#ifndef FLOTILLA_GUI_DRAWING_H
#define FLOTILLA_GUI_DRAWING_H

// The pixel layer: opening the display, loading pictures, making blank
// surfaces in the display's format, copying surfaces and single pixels.

#include "gui/DispPoint.h"

#include <SDL.h>

#include <cstdint>
#include <string>

// Sets the video mode. The surface, colour array and count are accepted for
// the callers' sake and not used.
SDL_Surface* createDisplay(SDL_Surface* surface, int width, int height, int bits_per_pixel,
                           SDL_Color* colors, int color_count, unsigned video_flags);
void updateScreen(SDL_Surface* screen);
// Loads a BMP and converts it to the display format.
SDL_Surface* loadBMP(const std::string& file_name);
// Like GUI::prepare_SDL_surface, but reports failure on standard output and
// returns null instead of throwing.
SDL_Surface* create_SDL_Surface(int width, int height);

// Copies the whole source with its top-left at (x, y); the source's colour key
// applies and SDL clips. With `update`, the changed rectangle is shown at once.
void display_image(SDL_Surface* source, SDL_Surface* destination, int x, int y, bool update,
                   SDL_Rect rectangle);
void display_image(SDL_Surface* source, SDL_Surface* destination, GUI::DispPoint position,
                   bool update, SDL_Rect rectangle);

// Throws for a pixel outside the surface.
std::uint32_t getpixel(SDL_Surface* surface, int x, int y);
// Does nothing outside the surface.
void putpixel(SDL_Surface* surface, int x, int y, std::uint32_t pixel);

namespace GUI {

// A blank 32-bit surface converted to the display format; throws on failure
// and on a negative size.
SDL_Surface* prepare_SDL_surface(int width, int height);

} // namespace GUI

#endif
