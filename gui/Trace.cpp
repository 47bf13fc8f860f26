#include "gui/Trace.h"

#include <iostream>

namespace GUI {

namespace {
// Writes to a stream without a buffer fail at once, before any formatting:
// dropped traces cost next to nothing.
std::ostream discarded(nullptr);
std::ostream* trace_stream = &std::cout;
} // namespace

std::ostream& trace_out() {
    return *trace_stream;
}

void set_trace_stream(std::ostream* stream) {
    trace_stream = stream ? stream : &discarded;
}

} // namespace GUI
