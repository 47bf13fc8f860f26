#include "app/StandardOutput.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <vector>

namespace {
std::string iostream_text(double value, int precision) {
    std::ostringstream out;
    out.setf(std::ios::fixed, std::ios::floatfield);
    out.precision(precision);
    out << value;
    return out.str();
}
} // namespace

// The news must read byte for byte as it did through iostream: every
// magnitude, halfway cases in binary (0.125) and near-halfway ones in
// decimal (2.675), signed zero, denormals, the extremes and non-numbers.
TEST(StandardOutput, NumbersReadAsIostreamWritesThem) {
    const double tiny = std::numeric_limits<double>::denorm_min(), inf = HUGE_VAL, nan = NAN;
    std::vector<double> values = {0.,       -0.,    0.125, 0.375, -0.125,  2.675,
                                  1.005,    1e-300, tiny,  -tiny, DBL_MIN, DBL_MAX,
                                  -DBL_MAX, inf,    -inf,  nan,   -nan};
    for (int k = -2000; k <= 2000; ++k)
        values.push_back(k / 8. + (k % 3) * 0.005);
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> exponent(-320, 308);
    std::uniform_real_distribution<double> mantissa(1., 10.);
    while (values.size() < 1000000) {
        const std::uint64_t bits = random(); // odd places: any bit pattern at all
        double value = (bits % 2 ? -1. : 1.) * mantissa(random) * std::pow(10., exponent(random));
        if (values.size() % 2)
            std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
    }
    std::ostringstream program;
    format_for_news(program);
    for (double value : values) {
        program.str("");
        program << value;
        ASSERT_EQ(program.str(), iostream_text(value, 2)) << "for " << iostream_text(value, 20);
    }
}
