#ifndef FLOTILLA_GUI_GUIIMAGE_H
#define FLOTILLA_GUI_GUIIMAGE_H

#include <SDL.h>

#include <cstdint>
#include <string>

// A picture that owns one SDL surface in the display's format, optionally with
// a transparent colour key. Copies are deep: each owns its own surface.
class GUIImage {
public:
    GUIImage() = default;
    GUIImage(int width, int height, bool use_key, const SDL_Color& key);
    // Takes ownership of the surface.
    explicit GUIImage(SDL_Surface* surface_);
    // Reads the file anew on every construction.
    GUIImage(const std::string& file_name, bool use_key, const SDL_Color& key);
    GUIImage(const GUIImage& other);
    GUIImage& operator=(const GUIImage& other);
    // Moving hands the surface over; the moved-from image holds none.
    GUIImage(GUIImage&& other) noexcept;
    GUIImage& operator=(GUIImage&& other) noexcept;
    ~GUIImage();

    // Keys the surface on a mapped pixel value.
    void set_alpha(std::uint32_t key);
    // False outside the image; the colour's fourth byte is ignored.
    bool point_is_color(int x, int y, const SDL_Color& color) const;

    static GUIImage create_filled(int width, int height, const SDL_Color& color);
    // A frame `thickness` pixels wide with a transparent inside.
    static GUIImage create_outline(int width, int height, int thickness, const SDL_Color& color);

    int getw() const { return surface->w; }
    int geth() const { return surface->h; }
    SDL_Surface* operator->() const { return surface; }
    operator SDL_Surface*() const { return surface; }

private:
    SDL_Surface* surface = nullptr;
    bool has_color_key = false;
    std::uint32_t color_key = 0;

    void swap(GUIImage& other);
};

#endif
