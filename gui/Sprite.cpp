#include "gui/Sprite.h"

#include "gui/Drawing.h"
#include "gui/Error.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace GUI {

namespace {

// Locks a surface for direct access where SDL requires it (a run-length
// encoded one), for as long as it lives.
class Surface_lock {
public:
    explicit Surface_lock(SDL_Surface* surface_)
        : surface(SDL_MUSTLOCK(surface_) ? surface_ : nullptr) {
        if (surface && SDL_LockSurface(surface) < 0)
            throw Error(std::string("Couldn't lock a surface: ") + SDL_GetError());
    }
    ~Surface_lock() {
        if (surface)
            SDL_UnlockSurface(surface);
    }
    Surface_lock(const Surface_lock&) = delete;
    Surface_lock& operator=(const Surface_lock&) = delete;

private:
    SDL_Surface* surface;
};

std::uint8_t* row_start(SDL_Surface* surface, int y) {
    return static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch;
}

// Stretches are a few pixels long: a plain loop beats a call to memcpy (the
// build keeps the compiler from turning it into one).
template <typename Unit> inline void copy_units(const Unit* from, const Unit* to, Unit* target) {
    while (from != to)
        *target++ = *from++;
}

} // namespace

Sprite::Sprite(SDL_Surface* surface, const std::function<bool(std::uint32_t)>& is_clear)
    : w(surface->w), h(surface->h), bytes_per_pixel(surface->format->BytesPerPixel) {
    if (w > UINT16_MAX || h > UINT16_MAX)
        throw Error("picture too large for a sprite!");
    Surface_lock lock(surface);
    for (int y = 0; y < h; ++y) {
        int x = 0;
        while (x < w) {
            while (x < w && is_clear(getpixel(surface, x, y)))
                ++x;
            const int start = x;
            while (x < w && !is_clear(getpixel(surface, x, y)))
                ++x;
            if (x == start)
                continue;
            runs.push_back(Run{static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(start),
                               static_cast<std::uint16_t>(x - start),
                               static_cast<std::uint32_t>(pixels.size())});
            const std::uint8_t* first = row_start(surface, y) + start * bytes_per_pixel;
            pixels.insert(pixels.end(), first, first + (x - start) * bytes_per_pixel);
        }
    }
    keep_as_masks_if_one_colour();
}

void Sprite::keep_as_masks_if_one_colour() {
    // Text is of one colour and broken into many short runs: a row of bits
    // per row of pixels draws it in a fraction of the time.
    if (w > 64 || h > max_mask_rows_c || (bytes_per_pixel != 4 && bytes_per_pixel != 2) ||
        pixels.empty())
        return;
    for (std::size_t i = bytes_per_pixel; i < pixels.size(); i += bytes_per_pixel) {
        if (std::memcmp(pixels.data(), pixels.data() + i, bytes_per_pixel) != 0)
            return;
    }
    row_masks.fill(0);
    has_masks = true;
    std::memcpy(&colour, pixels.data(), static_cast<std::size_t>(bytes_per_pixel));
    for (const Run& run : runs) {
        const std::uint64_t upto = run.x + run.length == 64
                                       ? ~std::uint64_t{0}
                                       : (std::uint64_t{1} << (run.x + run.length)) - 1;
        row_masks[run.y] |= upto & ~((std::uint64_t{1} << run.x) - 1);
    }
    // A sprite is kept for every name: the bits and the colour are enough.
    runs.clear();
    runs.shrink_to_fit();
    pixels.clear();
    pixels.shrink_to_fit();
}

#if defined(__SSE2__)
// Pixels go eight (or four) at a time: a lane of the colour wherever the
// row's bit is set, what was there before elsewhere.
template <typename Unit> struct Lanes;
template <> struct Lanes<std::uint16_t> {
    static constexpr int count = 8;
    static __m128i fill(std::uint16_t value) { return _mm_set1_epi16(static_cast<short>(value)); }
    static __m128i chosen(unsigned bits) {
        const __m128i each = _mm_setr_epi16(1, 2, 4, 8, 16, 32, 64, 128);
        return _mm_cmpeq_epi16(_mm_and_si128(_mm_set1_epi16(static_cast<short>(bits)), each), each);
    }
};
template <> struct Lanes<std::uint32_t> {
    static constexpr int count = 4;
    static __m128i fill(std::uint32_t value) { return _mm_set1_epi32(static_cast<int>(value)); }
    static __m128i chosen(unsigned bits) {
        const __m128i each = _mm_setr_epi32(1, 2, 4, 8);
        return _mm_cmpeq_epi32(_mm_and_si128(_mm_set1_epi32(static_cast<int>(bits)), each), each);
    }
};
#endif

template <typename Unit>
void Sprite::fill_masks(SDL_Surface* destination, DispPoint at, Clip clip) const {
    auto* const first_row = static_cast<std::uint8_t*>(destination->pixels);
    const int pitch = destination->pitch;
    Unit value;
    std::memcpy(&value, &colour, sizeof value);
    const std::uint64_t below_right =
        clip.right >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << clip.right) - 1;
    const std::uint64_t columns = below_right & ~((std::uint64_t{1} << clip.left) - 1);
#if defined(__SSE2__)
    using L = Lanes<Unit>;
    const __m128i fill = L::fill(value);
    const int row_units = pitch / static_cast<int>(sizeof(Unit));
    const std::uint64_t lane_bits = (std::uint64_t{1} << L::count) - 1;
#endif
    for (int y = clip.top; y < clip.bottom; ++y) {
        std::uint64_t mask = row_masks[y] & columns;
        Unit* target = reinterpret_cast<Unit*>(first_row + (at.y + y) * pitch) + at.x;
#if defined(__SSE2__)
        // A group of lanes must lie within the row; at its ends, bit by bit.
        while (mask) {
            const int first = __builtin_ctzll(mask) & ~(L::count - 1);
            const std::uint64_t group = lane_bits << first;
            if (at.x + first < 0 || at.x + first + L::count > row_units)
                break;
            auto* lanes = reinterpret_cast<__m128i*>(target + first);
            const __m128i chosen = L::chosen(static_cast<unsigned>((mask & group) >> first));
            _mm_storeu_si128(lanes, _mm_or_si128(_mm_andnot_si128(chosen, _mm_loadu_si128(lanes)),
                                                 _mm_and_si128(chosen, fill)));
            mask &= ~group;
        }
#endif
        while (mask) {
            target[__builtin_ctzll(mask)] = value;
            mask &= mask - 1;
        }
    }
}

Sprite::Clip Sprite::clip_for(SDL_Surface* destination, DispPoint at, DispPoint limit) const {
    if (destination->format->BytesPerPixel != bytes_per_pixel)
        throw Error("sprite and surface differ in pixel format!");
    const SDL_Rect& clip = destination->clip_rect;
    // The columns and rows, in the sprite's own coordinates, that may be drawn.
    return Clip{std::max(0, clip.x - at.x), std::min({w, limit.x, clip.x + clip.w - at.x}),
                std::max(0, clip.y - at.y), std::min({h, limit.y, clip.y + clip.h - at.y})};
}

void Sprite::draw(SDL_Surface* destination, DispPoint at, DispPoint limit) const {
    const Clip clip = clip_for(destination, at, limit);
    if (clip.empty())
        return;
    Surface_lock lock(destination);
    if (has_masks && bytes_per_pixel == 4)
        fill_masks<std::uint32_t>(destination, at, clip);
    else if (has_masks)
        fill_masks<std::uint16_t>(destination, at, clip);
    else if (bytes_per_pixel == 4)
        copy_runs<std::uint32_t>(destination, at, clip);
    else if (bytes_per_pixel == 2)
        copy_runs<std::uint16_t>(destination, at, clip);
    else
        copy_runs<std::uint8_t>(destination, at, clip);
}

template <typename Unit>
void Sprite::copy_runs(SDL_Surface* destination, DispPoint at, Clip clip) const {
    // A pixel of three bytes is copied bytewise.
    const int units = bytes_per_pixel / static_cast<int>(sizeof(Unit));
    auto* const first_row = static_cast<std::uint8_t*>(destination->pixels);
    const int pitch = destination->pitch;
    const auto* const source_pixels = pixels.data();
    const bool whole = clip.left == 0 && clip.top == 0 && clip.right == w && clip.bottom == h;
    for (const Run& run : runs) {
        int from = run.x;
        int to = run.x + run.length;
        if (!whole) {
            if (run.y < clip.top)
                continue;
            if (run.y >= clip.bottom)
                break;
            from = std::max(from, clip.left);
            to = std::min(to, clip.right);
            if (from >= to)
                continue;
        }
        const auto* source =
            reinterpret_cast<const Unit*>(source_pixels + run.first_byte) + (from - run.x) * units;
        Unit* target =
            reinterpret_cast<Unit*>(first_row + (at.y + run.y) * pitch) + (at.x + from) * units;
        copy_units(source, source + (to - from) * units, target);
    }
}

bool Sprite::covers(DispPoint point) const {
    if (has_masks)
        return point.y >= 0 && point.y < h && point.x >= 0 && point.x < w &&
               (row_masks[point.y] >> point.x & 1) != 0;
    return std::any_of(runs.begin(), runs.end(), [point](const Run& run) {
        return run.y == point.y && point.x >= run.x && point.x < run.x + run.length;
    });
}

bool Sprite::operator==(const Sprite& other) const {
    if (w != other.w || h != other.h || runs.size() != other.runs.size() ||
        pixels != other.pixels || has_masks != other.has_masks || row_masks != other.row_masks)
        return false;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (runs[i].y != other.runs[i].y || runs[i].x != other.runs[i].x ||
            runs[i].length != other.runs[i].length)
            return false;
    }
    return true;
}

} // namespace GUI
