#include "app/Options.h"

Options Options::parse(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--headless") {
            options.headless = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--resources") {
            if (i + 1 == arguments.size()) {
                options.error = "option --resources needs a folder";
                return options;
            }
            options.resources = arguments[++i];
        } else if (argument.rfind("--resources=", 0) == 0) {
            options.resources = argument.substr(std::string("--resources=").size());
        } else {
            options.error = "unknown option '" + argument + "'";
            return options;
        }
    }
    return options;
}

const char* Options::usage() {
    return "usage: flotilla [--headless] [--resources DIR] [--version] [--help]\n"
           "\n"
           "  --headless       run without a window: build the start-up world, then\n"
           "                   run console commands from standard input until 'quit'\n"
           "                   or the end of input\n"
           "  --resources DIR  take images and fonts from DIR\n"
           "  --version        print the version and exit\n"
           "  --help           show this text\n"
           "\n"
           "Type 'help' at the console for its commands.\n";
}
