#ifndef FLOTILLA_PLATFORM_DESCRIPTORS_H
#define FLOTILLA_PLATFORM_DESCRIPTORS_H

#include <cstddef>
#include <string>

// The process's files as the system numbers them: standard input read
// without holding up the window's loop, terminals told apart from pipes,
// output written whole.
namespace platform {

const int standard_input = 0;
const int standard_output = 1;
const int standard_error = 2;

// What a look at an input descriptor found.
enum class Input {
    arrived,     // there is something to read (for read_input: it was read)
    nothing_yet, // nothing there now, or the look failed: try again later
    interrupted, // a signal came first: try again at once
    ended        // closed, hung up or invalid: nothing more will come
};

// Waits for input on the descriptor if `wait`, otherwise only looks; reads
// nothing, for a reader that reads by itself.
Input wait_for_input(int fd, bool wait);
// Like wait_for_input, then appends at most `most` bytes of what has
// arrived to `text`. A hang-up with input still there reads it first.
Input read_input(int fd, std::string& text, std::size_t most, bool wait);

bool is_terminal(int fd);

// Writes all of it, however many writes that takes. Returns 0, or the
// error that stopped it (ENOSPC for a write that wrote nothing).
int write_all(int fd, const char* text, std::size_t size);

// Opens the file for writing from its start, made if missing; -1 with
// errno set when it cannot be.
int open_for_writing(const std::string& file);

// A descriptor among 0-2 left closed by the caller would be handed to the
// next file opened (the X connection, a saved world) and then read as the
// console or written as news: each closed one is opened on /dev/null.
void fill_closed_standard_descriptors();

} // namespace platform

#endif
