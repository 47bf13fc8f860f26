#include "gui/GUIImage.h"

#include "gui/Drawing.h"
#include "gui/Error.h"

#include <algorithm>
#include <utility>

namespace {

// A blank surface in the display format, or null.
SDL_Surface* blank_display_surface(int width, int height) {
    SDL_Surface* created = create_SDL_Surface(width, height);
    if (!created)
        return nullptr;
    SDL_Surface* converted = SDL_DisplayFormat(created);
    SDL_FreeSurface(created);
    if (converted)
        SDL_SetAlpha(converted, 0, SDL_ALPHA_OPAQUE); // as create_SDL_Surface's
    return converted;
}

} // namespace

GUIImage::GUIImage(int width, int height, bool use_key, const SDL_Color& key)
    : surface(blank_display_surface(width, height)) {
    if (!surface)
        throw GUI::Error("Could not create GUIImage. Not enough memory.");
    if (use_key)
        set_alpha(SDL_MapRGB(surface->format, key.r, key.g, key.b));
}

GUIImage::GUIImage(SDL_Surface* surface_) : surface(surface_) {
    if (!surface)
        throw GUI::Error("Cannot form a GUIImage from NULL surface!");
}

GUIImage::GUIImage(const std::string& file_name, bool use_key, const SDL_Color& key)
    : surface(loadBMP(file_name)) {
    if (use_key)
        set_alpha(SDL_MapRGB(surface->format, key.r, key.g, key.b));
}

GUIImage::GUIImage(const GUIImage& other) {
    if (!other.surface)
        throw GUI::Error("Cannot form a GUIImage from bad image");
    surface = blank_display_surface(other.getw(), other.geth());
    if (!surface)
        throw GUI::Error("Could not copy GUIImage. Not enough memory.");
    // Filled with the key first, so that whatever the source skips as
    // transparent stays transparent in the copy.
    SDL_FillRect(surface, nullptr, other.surface->format->colorkey);
    SDL_Rect whole = {0, 0, static_cast<Uint16>(other.getw()), static_cast<Uint16>(other.geth())};
    display_image(other.surface, surface, 0, 0, false, whole);
    if (other.has_color_key)
        set_alpha(other.color_key);
}

GUIImage& GUIImage::operator=(const GUIImage& other) {
    GUIImage copy(other);
    swap(copy);
    return *this;
}

GUIImage::GUIImage(GUIImage&& other) noexcept {
    swap(other);
}

GUIImage& GUIImage::operator=(GUIImage&& other) noexcept {
    GUIImage taken(std::move(other));
    swap(taken);
    return *this;
}

GUIImage::~GUIImage() {
    if (surface)
        SDL_FreeSurface(surface);
}

void GUIImage::swap(GUIImage& other) {
    std::swap(surface, other.surface);
    std::swap(has_color_key, other.has_color_key);
    std::swap(color_key, other.color_key);
}

void GUIImage::set_alpha(std::uint32_t key) {
    color_key = key;
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY, key);
    has_color_key = true;
}

bool GUIImage::point_is_color(int x, int y, const SDL_Color& color) const {
    if (x < 0 || y < 0 || x >= getw() || y >= geth())
        return false;
    return getpixel(surface, x, y) == SDL_MapRGB(surface->format, color.r, color.g, color.b);
}

GUIImage GUIImage::create_filled(int width, int height, const SDL_Color& color) {
    GUIImage image(width, height, false, color);
    SDL_FillRect(image.surface, nullptr,
                 SDL_MapRGBA(image.surface->format, color.r, color.g, color.b, color.unused));
    return image;
}

GUIImage GUIImage::create_outline(int width, int height, int thickness, const SDL_Color& color) {
    GUIImage frame = create_filled(width, height, color);
    const SDL_Color black = {0, 0, 0, 255};
    GUIImage inside = create_filled(std::max(width - 2 * thickness, 0),
                                    std::max(height - 2 * thickness, 0), black);
    SDL_Rect where = {0, 0, static_cast<Uint16>(inside.getw()), static_cast<Uint16>(inside.geth())};
    display_image(inside.surface, frame.surface, thickness, thickness, false, where);
    frame.set_alpha(SDL_MapRGB(frame.surface->format, 0, 0, 0));
    return frame;
}
