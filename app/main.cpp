#include "app/HeadlessRunner.h"
#include "app/Options.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[]) {
    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);

    Options options = Options::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::cerr << "flotilla: " << options.error << " (try --help)\n";
        return 2;
    }
    if (options.help) {
        std::cout << Options::usage();
        return 0;
    }
    if (options.headless)
        return run_headless(std::cin, isatty(STDIN_FILENO) != 0);

    std::cerr << "flotilla: this build has no window yet; run it with --headless\n";
    return 1;
}
