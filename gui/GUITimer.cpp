#include "gui/GUITimer.h"

#include <SDL.h>

#include <thread>

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
    start = std::chrono::steady_clock::now();
}

FrameRateCapper::~FrameRateCapper() {
    if (!capping)
        return;
    const auto frame = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1. / frame_rate));
    std::this_thread::sleep_until(start + frame);
}

} // namespace GUI
