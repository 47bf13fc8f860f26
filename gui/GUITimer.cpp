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

std::chrono::steady_clock::duration
FrameRateCapper::rest_of_frame(std::chrono::steady_clock::duration elapsed, int frame_rate) {
    const auto frame = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1. / frame_rate));
    return elapsed < frame ? frame - elapsed : std::chrono::steady_clock::duration::zero();
}

FrameRateCapper::~FrameRateCapper() {
    if (!capping)
        return;
    std::this_thread::sleep_for(
        rest_of_frame(std::chrono::steady_clock::now() - start, frame_rate));
}

} // namespace GUI
