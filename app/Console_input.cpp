#include "app/Console_input.h"

#include "platform/Descriptors.h"

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
    // Handed-out text goes once it is the larger part, so dropping it costs
    // no more than reading it did.
    if (consumed > 0 && consumed >= buffer.size() - consumed) {
        buffer.erase(0, consumed);
        scanned -= consumed;
        consumed = 0;
    }
    switch (platform::read_input(fd, buffer, read_size_c, wait)) {
    case platform::Input::arrived:
        return true;
    case platform::Input::ended:
        ended = true;
        return false;
    case platform::Input::nothing_yet:
    case platform::Input::interrupted:
        break;
    }
    return false;
}
