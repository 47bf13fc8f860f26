#ifndef FLOTILLA_GUI_SPRITE_H
#define FLOTILLA_GUI_SPRITE_H

#include "gui/DispPoint.h"

#include <SDL.h>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace GUI {

// The opaque pixels of a picture, kept as runs along its rows and copied
// straight onto a surface of the same pixel format. Drawing one gives the
// pixels a colour-keyed blit of the picture gives, without the blit's
// per-call set-up and per-pixel test: what thousands of icons a frame need.
// Immutable once made, so any number of views may share one.
class Sprite {
public:
    // Every pixel of the surface is opaque unless `is_clear` says otherwise
    // of its value.
    Sprite(SDL_Surface* surface, const std::function<bool(std::uint32_t)>& is_clear);

    int get_w() const { return w; }
    int get_h() const { return h; }

    // Copies the opaque pixels with the sprite's top-left at `at`, keeping
    // within `limit` (a size, from `at`) and the destination's clip
    // rectangle. The destination must be in the sprite's pixel format.
    void draw(SDL_Surface* destination, DispPoint at, DispPoint limit) const;
    // Whether the pixel at a point (from the top-left) is opaque.
    bool covers(DispPoint point) const;

    bool operator==(const Sprite& other) const;

private:
    // Small, because a sprite is kept for every object's name.
    struct Run {
        std::uint16_t y;
        std::uint16_t x;
        std::uint16_t length;
        std::uint32_t first_byte; // in `pixels`
    };
    // What drawing a label reads comes first and together: thousands of
    // labels are drawn a frame, and each costs the cache lines it touches.
    int w;
    int h;
    int bytes_per_pixel;
    bool has_masks = false;
    std::uint32_t colour = 0; // its first bytes, for a sprite of bits
    // For a sprite of one colour no larger than 64 x 12 (a label): the opaque
    // pixels of each row as bits, lowest bit leftmost, and the colour. Kept
    // in the sprite itself: thousands of labels are drawn a frame, and each
    // would otherwise wait on memory twice.
    static constexpr int max_mask_rows_c = 12; // no more than a label needs
    std::array<std::uint64_t, max_mask_rows_c> row_masks{};

    struct Clip {
        int left;
        int right;
        int top;
        int bottom;
        bool empty() const { return left >= right || top >= bottom; }
    };
    Clip clip_for(SDL_Surface* destination, DispPoint at, DispPoint limit) const;
    template <typename Unit>
    void copy_runs(SDL_Surface* destination, DispPoint at, Clip clip) const;
    std::vector<Run> runs; // by row, then left to right
    std::vector<std::uint8_t> pixels;
    void keep_as_masks_if_one_colour();
    template <typename Unit>
    void fill_masks(SDL_Surface* destination, DispPoint at, Clip clip) const;
};

} // namespace GUI

#endif
