#include "platform/Descriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace platform {

namespace {
// The events that arrived, or none with `result` saying why there are none.
short look(int fd, bool wait, Input& result) {
    // Polled even when waiting: a descriptor inherited non-blocking would
    // otherwise spin.
    pollfd input = {fd, POLLIN, 0};
    const int ready = poll(&input, 1, wait ? -1 : 0);
    result = ready < 0 && errno == EINTR ? Input::interrupted : Input::nothing_yet;
    return ready > 0 ? input.revents : 0;
}
} // namespace

Input wait_for_input(int fd, bool wait) {
    Input result;
    const short events = look(fd, wait, result);
    if (!events)
        return result;
    return events & POLLIN ? Input::arrived : Input::ended;
}

Input read_input(int fd, std::string& text, std::size_t most, bool wait) {
    Input result;
    const short events = look(fd, wait, result);
    if (!events)
        return result;
    if (!(events & (POLLIN | POLLHUP)))
        return Input::ended;
    const std::size_t old_size = text.size();
    text.resize(old_size + most);
    const ssize_t count = read(fd, &text[old_size], most);
    text.resize(old_size + (count > 0 ? static_cast<std::size_t>(count) : 0));
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return Input::nothing_yet;
    return count > 0 ? Input::arrived : Input::ended;
}

bool is_terminal(int fd) {
    return isatty(fd) != 0;
}

int write_all(int fd, const char* text, std::size_t size) {
    const char* const end = text + size;
    while (text < end) {
        const ssize_t written = write(fd, text, static_cast<std::size_t>(end - text));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        text += written;
    }
    return 0;
}

int open_for_writing(const std::string& file) {
    return open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

void fill_closed_standard_descriptors() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
            const int opened = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
            if (opened >= 0 && opened != fd) {
                dup2(opened, fd);
                close(opened);
            }
        }
    }
}

} // namespace platform
