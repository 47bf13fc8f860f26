#include "app/Options.h"

namespace {
// Whether the argument at i is the option, as "--name VALUE" or
// "--name=VALUE"; if so its value is taken (i moves past it), or an error set.
bool take_option(const std::vector<std::string>& arguments, std::size_t& i, const std::string& name,
                 const char* value_kind, std::string& value, std::string& error) {
    const std::string& argument = arguments[i];
    if (argument == name) {
        if (i + 1 == arguments.size())
            error = "option " + name + " needs " + value_kind;
        else
            value = arguments[++i];
        return true;
    }
    if (argument.rfind(name + "=", 0) != 0)
        return false;
    value = argument.substr(name.size() + 1);
    return true;
}
} // namespace

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
        } else if (argument == "--no-trace") {
            options.no_trace = true;
        } else if (std::string script;
                   take_option(arguments, i, "--script", "a file", script, options.error)) {
            if (!options.error.empty())
                return options;
            options.scripts.push_back(script);
        } else if (take_option(arguments, i, "--resources", "a folder", options.resources,
                               options.error) ||
                   take_option(arguments, i, "--load", "a file", options.world_file,
                               options.error) ||
                   take_option(arguments, i, "--trace", "a file", options.trace_file,
                               options.error)) {
            if (!options.error.empty())
                return options;
        } else {
            options.error = "unknown option '" + argument + "'";
            return options;
        }
    }
    if (options.no_trace && !options.trace_file.empty())
        options.error = "--trace and --no-trace exclude each other";
    return options;
}

const char* Options::usage() {
    return "usage: flotilla [--headless] [--load FILE] [--script FILE]...\n"
           "                [--trace FILE | --no-trace] [--resources DIR] [--version] [--help]\n"
           "\n"
           "  --headless       run without a window: build the start-up world, then\n"
           "                   run console commands from standard input until 'quit'\n"
           "                   or the end of input\n"
           "  --load FILE      start from the world saved in FILE (console: save FILE)\n"
           "                   instead of the start-up world\n"
           "  --script FILE    run the console lines of FILE first, as if typed, then\n"
           "                   read standard input (may be given more than once)\n"
           "  --trace FILE     write the window's trace lines (what the views draw,\n"
           "                   the mouse and keys it receives) to FILE instead of\n"
           "                   standard output; news and replies stay there\n"
           "  --no-trace       drop the trace lines\n"
           "  --resources DIR  take images and fonts from DIR\n"
           "  --version        print the version and exit\n"
           "  --help           show this text\n"
           "\n"
           "Type 'help' at the console for its commands.\n";
}
