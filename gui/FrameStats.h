#ifndef FLOTILLA_GUI_FRAMESTATS_H
#define FLOTILLA_GUI_FRAMESTATS_H

#include <array>
#include <cstddef>
#include <cstdint>

namespace GUI {

// How long the event loop's frames took, gathered between two readings. A
// histogram, not a list: the window may run for days between readings.
class FrameStats {
public:
    struct Summary {
        std::size_t frames = 0;
        double frames_per_second = 0.;
        double median_ms = 0.;
        double percentile_99_ms = 0.;
    };

    void record(double milliseconds);
    // Summarises the frames since the last reading and starts afresh.
    Summary take();

private:
    static constexpr double bucket_ms_c = 0.05;
    // The last bucket holds every frame of 500 ms or longer.
    static constexpr std::size_t bucket_count_c = 10000;
    std::array<std::uint32_t, bucket_count_c> buckets{};
    std::size_t frames = 0;
    double total_ms = 0.;

    double percentile(double fraction) const;
};

} // namespace GUI

#endif
