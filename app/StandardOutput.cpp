#include "app/StandardOutput.h"

#include "sim/Fixed_format.h"

#include "gui/Trace.h"
#include "platform/Descriptors.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {
// Past this a buffer is written out even without a flush: a long `tick`
// headless writes without pause.
const std::size_t flush_threshold_c = 1 << 20;
const std::size_t initial_capacity_c = 1 << 16;

// Leaves at once: exit() would run the handlers that write their own
// farewell to the same broken output.
// Standard error is written directly: std::cerr would flush standard
// output first, and fail here again.
[[noreturn]] void end_on_lost_output(int error) {
    const std::string message =
        std::string("flotilla: cannot write standard output: ") + std::strerror(error) + "\n";
    // Nothing is left to tell if this fails too.
    platform::write_all(platform::standard_error, message.data(), message.size());
    std::_Exit(1);
}
} // namespace

Fixed_num_put::iter_type Fixed_num_put::do_put(iter_type out, std::ios_base& stream, char fill,
                                               double value) const {
    char text[400]; // the largest double, with 40 decimals
    char* end = text;
    if (!append_fixed(end, text + sizeof text, value, stream))
        return std::num_put<char>::do_put(out, stream, fill, value);
    return std::copy(text, end, out);
}

Output_buffer::Output_buffer(int fd_) : fd(fd_) {
    storage.resize(initial_capacity_c);
    setp(storage.data(), storage.data() + storage.size());
}

Output_buffer::~Output_buffer() {
    write_out();
}

bool Output_buffer::write_all(const char* next, const char* end) {
    if (failed)
        return false;
    failure = platform::write_all(fd, next, static_cast<std::size_t>(end - next));
    failed = failure != 0;
    return !failed;
}

bool Output_buffer::write_guarded(const char* next, const char* end) {
    if (next == end || !before_write)
        return write_all(next, end);
    before_write();
    const bool written = write_all(next, end);
    after_write(end[-1] == '\n');
    return written;
}

bool Output_buffer::write_out() {
    write_guarded(pbase(), pptr());
    // What could not be written is dropped: keeping it would only grow.
    setp(storage.data(), storage.data() + storage.size());
    return !failed;
}

void Output_buffer::make_room(std::size_t needed) {
    const std::size_t used = static_cast<std::size_t>(pptr() - pbase());
    if (used + needed <= storage.size())
        return;
    if (used >= flush_threshold_c) {
        write_out();
        if (needed <= storage.size())
            return;
    }
    const std::size_t kept = static_cast<std::size_t>(pptr() - pbase());
    storage.resize(std::max(storage.size() * 2, kept + needed));
    setp(storage.data(), storage.data() + storage.size());
    pbump(static_cast<int>(kept));
}

Output_buffer::int_type Output_buffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    make_room(1);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

std::streamsize Output_buffer::xsputn(const char* text, std::streamsize count) {
    if (count <= 0)
        return 0;
    const std::size_t size = static_cast<std::size_t>(count);
    if (size >= flush_threshold_c) {
        // Too large to be worth copying: what came before goes first.
        write_out();
        write_guarded(text, text + size);
        return count;
    }
    if (static_cast<std::size_t>(epptr() - pptr()) < size)
        make_room(size);
    std::memcpy(pptr(), text, size);
    pbump(static_cast<int>(count));
    return count;
}

int Output_buffer::sync() {
    if (write_out())
        return 0;
    if (on_failure)
        on_failure(failure);
    return -1;
}

namespace {
Output_buffer* standard_output_buffer() {
    // Never destroyed: standard output is flushed at exit after every other
    // static object has gone.
    static Output_buffer* const buffer = new Output_buffer(platform::standard_output);
    return buffer;
}
} // namespace

void set_output_guard(std::function<void()> before, std::function<void(bool)> after) {
    standard_output_buffer()->set_guard(std::move(before), std::move(after));
}

void set_up_standard_output() {
    // Nothing writes standard output through C's stdio, so the C++ stream
    // need not stay in step with it.
    std::ios::sync_with_stdio(false);
    Output_buffer* buffer = standard_output_buffer();
    buffer->set_failure_handler(end_on_lost_output);
    std::cout.rdbuf(buffer);
    format_for_news(std::cout);
}

void format_for_news(std::ostream& stream) {
    stream.imbue(std::locale(stream.getloc(), new Fixed_num_put));
    stream.setf(std::ios::fixed, std::ios::floatfield);
    stream.precision(2);
}

namespace {
std::ostream* trace_file_stream = nullptr;

void flush_trace_file() {
    trace_file_stream->flush();
}
} // namespace

bool route_trace(const std::string& file_name, bool drop) {
    if (drop) {
        GUI::set_trace_stream(nullptr);
        return true;
    }
    if (file_name.empty())
        return true;
    const int fd = platform::open_for_writing(file_name);
    if (fd < 0)
        return false;
    // Like standard output, never destroyed: a trace written by a static
    // object's destructor still has somewhere to go until exit flushes it.
    trace_file_stream = new std::ostream(new Output_buffer(fd));
    format_for_news(*trace_file_stream);
    std::atexit(flush_trace_file);
    GUI::set_trace_stream(trace_file_stream);
    return true;
}
