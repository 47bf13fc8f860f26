#ifndef FLOTILLA_GUI_GUITIMER_H
#define FLOTILLA_GUI_GUITIMER_H

#include <chrono>
#include <cstdint>

namespace GUI {

// A millisecond stopwatch on SDL's tick count.
class GUITimer {
public:
    // Does nothing while already running.
    void start();
    void stop() { started = false; }
    // Restarts timing from now.
    void reset();
    std::uint32_t get_time() const;

private:
    std::uint32_t start_ticks = 0;
    std::uint32_t paused_ticks = 0;
    bool started = false;
    bool paused = false;
};

// Holds a frame to its share of a second: started at the top of the frame, it
// sleeps out the rest of the frame when destroyed.
class FrameRateCapper {
public:
    explicit FrameRateCapper(int frame_rate_) : frame_rate(frame_rate_) {}
    ~FrameRateCapper();
    FrameRateCapper(const FrameRateCapper&) = delete;
    FrameRateCapper& operator=(const FrameRateCapper&) = delete;

    void cap_frame_rate();

    // How long a frame that has run for `elapsed` still sleeps: the rest of
    // its share of a second, nothing once that is spent.
    static std::chrono::steady_clock::duration
    rest_of_frame(std::chrono::steady_clock::duration elapsed, int frame_rate);

private:
    // Finer than SDL's milliseconds: a frame rounded to whole milliseconds
    // and then overslept by one more runs the loop at 38 frames a second.
    std::chrono::steady_clock::time_point start;
    int frame_rate;
    bool capping = false;
};

} // namespace GUI

#endif
