#include "app/GUI_Controller.h"
#include "app/HeadlessRunner.h"
#include "app/Options.h"
#include "app/StandardOutput.h"
#include "app/Start_folder.h"
#include "gui/Compatibility.h"
#include "platform/Descriptors.h"
#include "platform/System.h"

#include <cerrno>
#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
    platform::fill_closed_standard_descriptors();
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
        return run_headless(platform::standard_input,
                            platform::is_terminal(platform::standard_input), options);

    // Without a display SDL would otherwise fall back to a text-mode driver
    // that draws the window as characters on the terminal.
    platform::set_environment_default("SDL_VIDEODRIVER", "x11");
    // No sound is ever played: the silent driver spares a machine's sound
    // device (and its complaints when there is none). SDL_AUDIODRIVER still
    // picks another.
    platform::set_environment_default("SDL_AUDIODRIVER", "dummy");
    if (!options.resources.empty())
        set_resources_folder(options.resources);
    return SDL_main(argc, argv);
}
