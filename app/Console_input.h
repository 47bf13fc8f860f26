#ifndef FLOTILLA_APP_CONSOLE_INPUT_H
#define FLOTILLA_APP_CONSOLE_INPUT_H

#include <cstddef>
#include <string>

// Splits what arrives on a file descriptor into console lines. Input is
// hostile as often as typed: a line may never end, or a flood may arrive in
// one read, so text is taken out by index (never by erasing the front) and
// a line past `max_line_length_c` is thrown away up to its newline.
class Line_reader {
public:
    static const std::size_t max_line_length_c = 64 * 1024;

    enum class Result {
        line,      // `line` holds the next line without its newline
        too_long,  // a line was too long; it is discarded up to its newline
        need_more, // no complete line yet: read more
        end        // end of input, every line handed out
    };

    explicit Line_reader(int fd_) : fd(fd_) {}

    // Hands out the next line from what has been read; never reads.
    Result next_line(std::string& line);
    // Reads once: waits for input if `wait`, otherwise takes only what is
    // already there. False when nothing was read (nothing there yet, or the
    // end of input).
    bool read_more(bool wait);
    bool at_end() const { return ended; }
    // True when a newline has been read that next_line has not reached.
    bool has_complete_line() const { return buffer.find('\n', scanned) != std::string::npos; }

private:
    int fd;
    std::string buffer;
    std::size_t consumed = 0; // what lies before this in `buffer` is handed out
    std::size_t scanned = 0;  // no newline before this, from `consumed` on
    bool discarding = false;  // inside a line already refused as too long
    bool ended = false;
};

#endif
