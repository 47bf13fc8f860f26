#include "gui/Drawing.h"

#include "gui/Error.h"

#include <cstring>
#include <iostream>
#include <string>

namespace {

const std::uint32_t red_mask_c = 0x000000FF;
const std::uint32_t green_mask_c = 0x0000FF00;
const std::uint32_t blue_mask_c = 0x00FF0000;
const std::uint32_t alpha_mask_c = 0xFF000000;

SDL_Surface* create_rgba_surface(int width, int height) {
    return SDL_CreateRGBSurface(SDL_HWSURFACE, width, height, 32, red_mask_c, green_mask_c,
                                blue_mask_c, alpha_mask_c);
}

// The alpha mask of the first surface leaves its conversion flagged for
// blending, though the display format keeps no alpha: every copy would then
// blend pixel by pixel to the same result a plain copy gives.
SDL_Surface* opaque(SDL_Surface* surface) {
    if (surface)
        SDL_SetAlpha(surface, 0, SDL_ALPHA_OPAQUE);
    return surface;
}

bool is_inside(const SDL_Surface* surface, int x, int y) {
    return x >= 0 && y >= 0 && x < surface->w && y < surface->h;
}

std::uint8_t* pixel_address(SDL_Surface* surface, int x, int y) {
    return static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch +
           x * surface->format->BytesPerPixel;
}

} // namespace

SDL_Surface* createDisplay(SDL_Surface*, int width, int height, int bits_per_pixel, SDL_Color*, int,
                           unsigned video_flags) {
    if (width < 1 || height < 1 || bits_per_pixel < 1)
        throw GUI::Error("non-positive values in createDisplay not allowed!");
    SDL_Surface* screen = SDL_SetVideoMode(width, height, bits_per_pixel, video_flags);
    if (!screen)
        throw GUI::Error(std::string("Couldn't set video mode: \n") + SDL_GetError());
    return screen;
}

void updateScreen(SDL_Surface* screen) {
    if (SDL_Flip(screen) == -1)
        throw GUI::Error("Failed Screen Flip");
}

SDL_Surface* loadBMP(const std::string& file_name) {
    SDL_Surface* loaded = SDL_LoadBMP_RW(SDL_RWFromFile(file_name.c_str(), "rb"), 1);
    if (!loaded)
        throw GUI::Error("Couldn't load " + file_name + ": " + SDL_GetError() + "\n");
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (!converted)
        throw GUI::Error("Couldn't optimize " + file_name + ": " + SDL_GetError() + "\n");
    return converted;
}

SDL_Surface* create_SDL_Surface(int width, int height) {
    SDL_Surface* created = create_rgba_surface(width, height);
    if (!created) {
        std::cout << "CreateRGBSurface failed: \n" << SDL_GetError() << '\n';
        return nullptr;
    }
    SDL_Surface* converted = opaque(SDL_DisplayFormat(created));
    SDL_FreeSurface(created);
    if (!converted) {
        std::cout << "updateimage in CreateRGBSurface failed: \n" << SDL_GetError();
        return nullptr;
    }
    return converted;
}

void display_image(SDL_Surface* source, SDL_Surface* destination, int x, int y, bool update,
                   SDL_Rect rectangle) {
    // SDL keeps positions in 16 bits: anything farther out is off the surface
    // anyway, and must not wrap round onto it.
    const int limit = 32767;
    if (x > limit || y > limit || x < -limit || y < -limit)
        return;
    rectangle.x = static_cast<Sint16>(x);
    rectangle.y = static_cast<Sint16>(y);
    SDL_UpperBlit(source, nullptr, destination, &rectangle);
    if (update)
        SDL_UpdateRects(destination, 1, &rectangle);
}

void display_image(SDL_Surface* source, SDL_Surface* destination, GUI::DispPoint position,
                   bool update, SDL_Rect rectangle) {
    display_image(source, destination, position.x, position.y, update, rectangle);
}

std::uint32_t getpixel(SDL_Surface* surface, int x, int y) {
    if (!is_inside(surface, x, y))
        throw GUI::Error("Trying to read out-of-bounds pixel!");
    const std::uint8_t* p = pixel_address(surface, x, y);
    switch (surface->format->BytesPerPixel) {
    case 1:
        return *p;
    case 2: {
        std::uint16_t value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    case 3:
        return p[0] + p[1] * 256u + p[2] * 65536u;
    case 4: {
        std::uint32_t value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    default:
        return 0;
    }
}

void putpixel(SDL_Surface* surface, int x, int y, std::uint32_t pixel) {
    if (!is_inside(surface, x, y))
        return;
    std::uint8_t* p = pixel_address(surface, x, y);
    switch (surface->format->BytesPerPixel) {
    case 1:
        *p = static_cast<std::uint8_t>(pixel);
        break;
    case 2: {
        std::uint16_t value = static_cast<std::uint16_t>(pixel);
        std::memcpy(p, &value, sizeof value);
        break;
    }
    case 3:
        p[0] = static_cast<std::uint8_t>(pixel);
        p[1] = static_cast<std::uint8_t>(pixel >> 8);
        p[2] = static_cast<std::uint8_t>(pixel >> 16);
        break;
    case 4:
        std::memcpy(p, &pixel, sizeof pixel);
        break;
    default:
        break;
    }
}

namespace GUI {

SDL_Surface* prepare_SDL_surface(int width, int height) {
    // SDL takes a negative size for a huge one and corrupts memory.
    if (width < 0 || height < 0)
        throw Error("Cannot make a view of " + std::to_string(width) + " x " +
                    std::to_string(height) + " pixels!");
    SDL_Surface* created = create_rgba_surface(width, height);
    if (!created)
        throw Error(std::string("CreateRGBSurface failed: \n") + SDL_GetError());
    SDL_Surface* converted = opaque(SDL_DisplayFormat(created));
    SDL_FreeSurface(created);
    if (!converted)
        throw Error(std::string("updateimage in CreateRGBSurface failed: \n") + SDL_GetError());
    return converted;
}

} // namespace GUI
