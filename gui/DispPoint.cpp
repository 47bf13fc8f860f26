#include "gui/DispPoint.h"

#include <climits>
#include <cmath>

namespace GUI {

int clamp_to_int(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace GUI
