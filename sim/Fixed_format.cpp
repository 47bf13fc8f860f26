#include "sim/Fixed_format.h"

#include <charconv>

namespace {
const std::streamsize max_precision_c = 40;
} // namespace

bool append_fixed(char*& out, char* end, double value, const std::ios_base& stream) {
    const std::ios_base::fmtflags unusual =
        std::ios_base::showpos | std::ios_base::uppercase | std::ios_base::showpoint;
    const std::streamsize precision = stream.precision();
    if ((stream.flags() & std::ios_base::floatfield) != std::ios_base::fixed ||
        (stream.flags() & unusual) || stream.width() != 0 || precision < 0 ||
        precision > max_precision_c)
        return false;
    const std::to_chars_result written =
        std::to_chars(out, end, value, std::chars_format::fixed, static_cast<int>(precision));
    if (written.ec != std::errc())
        return false;
    out = written.ptr;
    return true;
}
