#include "gui/Sprite.h"

#include "gui/Drawing.h"
#include "gui/Error.h"

#include <algorithm>
#include <cstring>

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
}

void Sprite::draw(SDL_Surface* destination, DispPoint at, DispPoint limit) const {
    if (destination->format->BytesPerPixel != bytes_per_pixel)
        throw Error("sprite and surface differ in pixel format!");
    const SDL_Rect& clip = destination->clip_rect;
    // The columns and rows, in the sprite's own coordinates, that may be drawn.
    const int left = std::max(0, clip.x - at.x);
    const int right = std::min({w, limit.x, clip.x + clip.w - at.x});
    const int top = std::max(0, clip.y - at.y);
    const int bottom = std::min({h, limit.y, clip.y + clip.h - at.y});
    if (left >= right || top >= bottom)
        return;
    Surface_lock lock(destination);
    if (bytes_per_pixel == 4)
        copy_runs<std::uint32_t>(destination, at, left, right, top, bottom);
    else if (bytes_per_pixel == 2)
        copy_runs<std::uint16_t>(destination, at, left, right, top, bottom);
    else
        copy_runs<std::uint8_t>(destination, at, left, right, top, bottom);
}

template <typename Unit>
void Sprite::copy_runs(SDL_Surface* destination, DispPoint at, int left, int right, int top,
                       int bottom) const {
    // Runs are a few pixels long: a plain loop over whole pixels beats a
    // call to memcpy for each. A pixel of three bytes is copied bytewise.
    const int units = bytes_per_pixel / static_cast<int>(sizeof(Unit));
    for (const Run& run : runs) {
        if (run.y < top)
            continue;
        if (run.y >= bottom)
            break;
        const int from = std::max<int>(run.x, left);
        const int to = std::min<int>(run.x + run.length, right);
        if (from >= to)
            continue;
        auto* target =
            reinterpret_cast<Unit*>(row_start(destination, at.y + run.y)) + (at.x + from) * units;
        const auto* source =
            reinterpret_cast<const Unit*>(pixels.data() + run.first_byte) + (from - run.x) * units;
        std::copy(source, source + (to - from) * units, target);
    }
}

bool Sprite::covers(DispPoint point) const {
    return std::any_of(runs.begin(), runs.end(), [point](const Run& run) {
        return run.y == point.y && point.x >= run.x && point.x < run.x + run.length;
    });
}

bool Sprite::operator==(const Sprite& other) const {
    if (w != other.w || h != other.h || runs.size() != other.runs.size() || pixels != other.pixels)
        return false;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (runs[i].y != other.runs[i].y || runs[i].x != other.runs[i].x ||
            runs[i].length != other.runs[i].length)
            return false;
    }
    return true;
}

} // namespace GUI
