#include "gui/GUITimer.h"

#include <SDL.h>

namespace GUI {

void GUITimer::start() {
    if (started)
        return;
    started = true;
    start_ticks = SDL_GetTicks();
}

void GUITimer::reset() {
    stop();
    start();
}

std::uint32_t GUITimer::get_time() const {
    if (!started)
        return 0;
    if (paused)
        return paused_ticks;
    return SDL_GetTicks() - start_ticks;
}

void FrameRateCapper::cap_frame_rate() {
    capping = true;
    timer.start();
}

FrameRateCapper::~FrameRateCapper() {
    if (!capping)
        return;
    const std::uint32_t frame_ms = static_cast<std::uint32_t>(1000 / frame_rate);
    if (timer.get_time() < frame_ms) {
        // Read afresh: the first reading may be stale by the time we sleep.
        const std::uint32_t elapsed = timer.get_time();
        if (elapsed < frame_ms)
            SDL_Delay(frame_ms - elapsed);
    }
}

} // namespace GUI
