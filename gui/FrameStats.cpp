#include "gui/FrameStats.h"

#include <algorithm>
#include <cmath>

namespace GUI {

void FrameStats::record(double milliseconds) {
    const double bucket = std::floor(std::max(milliseconds, 0.) / bucket_ms_c);
    const std::size_t index = bucket < static_cast<double>(bucket_count_c)
                                  ? static_cast<std::size_t>(bucket)
                                  : bucket_count_c - 1;
    ++buckets[index];
    ++frames;
    total_ms += milliseconds;
}

double FrameStats::percentile(double fraction) const {
    // The smallest duration that at least this fraction of frames did not
    // exceed, to the bucket's upper edge.
    const double wanted = std::ceil(fraction * static_cast<double>(frames));
    std::size_t seen = 0;
    for (std::size_t i = 0; i < bucket_count_c; ++i) {
        seen += buckets[i];
        if (static_cast<double>(seen) >= wanted && seen > 0)
            return static_cast<double>(i + 1) * bucket_ms_c;
    }
    return 0.;
}

FrameStats::Summary FrameStats::take() {
    Summary summary;
    summary.frames = frames;
    if (frames > 0 && total_ms > 0.) {
        summary.frames_per_second = 1000. * static_cast<double>(frames) / total_ms;
        summary.median_ms = percentile(0.5);
        summary.percentile_99_ms = percentile(0.99);
    }
    buckets.fill(0);
    frames = 0;
    total_ms = 0.;
    return summary;
}

} // namespace GUI
