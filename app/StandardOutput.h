#ifndef FLOTILLA_APP_STANDARDOUTPUT_H
#define FLOTILLA_APP_STANDARDOUTPUT_H

#include <cstddef>
#include <functional>
#include <ios>
#include <iosfwd>
#include <locale>
#include <streambuf>
#include <string>
#include <vector>

// Every tick writes a line or more per ship, each with two-decimal numbers.
// iostream formats a double through the C library's printf machinery and a
// small stream buffer writes every few kilobytes; at thousands of ships that
// alone would fill the frame. These two pieces keep the stream's interface
// (and every byte it writes) while taking both costs away.

// Formats doubles in fixed notation with std::to_chars, which rounds exactly
// as printf does; anything else (other notations, a width, a sign flag)
// goes to the standard facet.
class Fixed_num_put : public std::num_put<char> {
public:
    explicit Fixed_num_put(std::size_t refs = 0) : std::num_put<char>(refs) {}

protected:
    iter_type do_put(iter_type out, std::ios_base& stream, char fill, double value) const override;
    using std::num_put<char>::do_put;
};

// Collects what is written in memory and hands it to a file descriptor in
// one piece when flushed: once a frame in the window, once a command
// headless. A flood with no flush in between goes out in large pieces, so
// memory stays bounded.
class Output_buffer : public std::streambuf {
public:
    explicit Output_buffer(int fd_);
    ~Output_buffer() override;
    // True once a write failed (a full disk, a closed pipe).
    bool has_failed() const { return failed; }
    // Called around every write that has something to write: before, and
    // after with whether what was written ended a line.
    void set_guard(std::function<void()> before, std::function<void(bool)> after) {
        before_write = std::move(before);
        after_write = std::move(after);
    }
    // Called with the write's errno by the first flush after a write failed.
    void set_failure_handler(void (*handler)(int error)) { on_failure = handler; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    int fd;
    bool failed = false;
    int failure = 0;
    void (*on_failure)(int error) = nullptr;
    std::vector<char> storage;
    std::function<void()> before_write;
    std::function<void(bool)> after_write;

    bool write_all(const char* next, const char* end);
    bool write_guarded(const char* next, const char* end);
    bool write_out();
    void make_room(std::size_t needed);
};

// Fixed notation with two decimals through Fixed_num_put: how every number
// the program writes looks.
void format_for_news(std::ostream& stream);
// Puts standard output on an Output_buffer, formatted for news. Called once,
// early in main. Output that cannot be written ends the program at the
// next flush with one line on standard error and exit status 1: a run whose
// news was lost must not look like a success. SIGPIPE keeps its default: a
// reader that goes away ends the program as it ends any filter, and where the
// caller ignores SIGPIPE the failed write ends it here.
void set_up_standard_output();
// Guards every write to standard output (see Output_buffer::set_guard);
// nullptrs remove the guard.
void set_output_guard(std::function<void()> before, std::function<void(bool)> after);
// Sends the window's trace lines to the file (news and replies stay on
// standard output), or drops them with an empty name and drop set; neither
// leaves them among the news. Returns false, with errno set, when the file
// cannot be written.
bool route_trace(const std::string& file_name, bool drop);

#endif
