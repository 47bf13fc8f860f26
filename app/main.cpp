#include "app/GUI_Controller.h"
#include "app/HeadlessRunner.h"
#include "app/Options.h"
#include "app/StandardOutput.h"
#include "app/Start_folder.h"
#include "gui/Compatibility.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {
// A descriptor among 0-2 left closed by the caller would be handed to the
// next file opened (the X connection, a saved world) and then read as the
// console or written as news.
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
} // namespace

int main(int argc, char* argv[]) {
    fill_closed_standard_descriptors();
    remember_start_folder();
    set_up_standard_output();

    Options options = Options::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::cerr << "flotilla: " << options.error << " (try --help)\n";
        return 2;
    }
    if (options.help) {
        std::cout << Options::usage();
        return 0;
    }
    if (options.version) {
        std::cout << "flotilla " FLOTILLA_VERSION "\n";
        return 0;
    }
    if (!route_trace(options.trace_file, options.no_trace)) {
        std::cerr << "flotilla: cannot write " << options.trace_file << ": " << std::strerror(errno)
                  << '\n';
        return 2;
    }
    if (options.headless)
        return run_headless(STDIN_FILENO, isatty(STDIN_FILENO) != 0, options);

    // Without a display SDL would otherwise fall back to a text-mode driver
    // that draws the window as characters on the terminal.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    // No sound is ever played: the silent driver spares a machine's sound
    // device (and its complaints when there is none). SDL_AUDIODRIVER still
    // picks another.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!options.resources.empty())
        set_resources_folder(options.resources);
    return SDL_main(argc, argv);
}
