#include "app/Console_input.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace {
const std::size_t read_size_c = 64 * 1024;
}

Line_reader::Result Line_reader::next_line(std::string& line) {
    while (true) {
        const std::size_t newline = buffer.find('\n', scanned);
        if (newline == std::string::npos) {
            scanned = buffer.size();
            const std::size_t pending = buffer.size() - consumed;
            if (discarding || pending > max_line_length_c) {
                consumed = scanned;
                const bool first = !discarding;
                discarding = true;
                if (first)
                    return Result::too_long;
            }
            if (!ended)
                return Result::need_more;
            if (consumed == buffer.size())
                return Result::end;
            // The last line lacks its newline: it still runs.
            line.assign(buffer, consumed, std::string::npos);
            consumed = scanned = buffer.size();
            return Result::line;
        }
        const std::size_t begin = consumed;
        consumed = scanned = newline + 1;
        if (discarding) {
            discarding = false;
            continue;
        }
        if (newline - begin > max_line_length_c)
            return Result::too_long;
        line.assign(buffer, begin, newline - begin);
        return Result::line;
    }
}

bool Line_reader::read_more(bool wait) {
    if (ended)
        return false;
    // Polled even when waiting: a descriptor inherited non-blocking would
    // otherwise spin.
    pollfd input = {fd, POLLIN, 0};
    if (poll(&input, 1, wait ? -1 : 0) <= 0)
        return false;
    if (!(input.revents & (POLLIN | POLLHUP))) {
        ended = true; // closed or invalid: nothing more will come
        return false;
    }
    // Handed-out text goes once it is the larger part, so dropping it costs
    // no more than reading it did.
    if (consumed > 0 && consumed >= buffer.size() - consumed) {
        buffer.erase(0, consumed);
        scanned -= consumed;
        consumed = 0;
    }
    const std::size_t old_size = buffer.size();
    buffer.resize(old_size + read_size_c);
    const ssize_t count = read(fd, &buffer[old_size], read_size_c);
    buffer.resize(old_size + (count > 0 ? static_cast<std::size_t>(count) : 0));
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return false;
    if (count <= 0) {
        ended = true;
        return false;
    }
    return true;
}
