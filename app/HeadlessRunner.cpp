#include "app/HeadlessRunner.h"

#include "app/Completion.h"
#include "app/Console.h"
#include "app/Console_input.h"
#include "app/Options.h"
#include "app/TerminalConsole.h"
#include "app/WorldCommands.h"
#include "sim/Error.h"

#include <iostream>
#include <string>

int run_headless(int input, bool interactive, const Options& options) {
    const std::string& world_file = options.world_file;
    WorldCommands commands;
    if (world_file.empty()) {
        commands.build_initial_world();
    } else {
        try {
            commands.load_world(world_file);
        } catch (const Error& error) {
            std::cerr << "flotilla: " << error.msg;
            return 1;
        }
    }
    Console console(commands);
    std::cout.flush();
    for (const auto& script : options.scripts) {
        if (!console.source(script))
            return 0;
    }

    Line_reader reader(input);
    std::string line;
    if (interactive && TerminalConsole::wanted()) {
        TerminalConsole terminal(Console::prompt, console_completions);
        while (!terminal.at_end()) {
            terminal.read(true);
            while (terminal.next_line(line)) {
                if (!console.execute(line))
                    return 0;
            }
        }
        return 0;
    }
    while (true) {
        if (interactive)
            std::cout << Console::prompt << std::flush;
        Line_reader::Result result;
        while ((result = reader.next_line(line)) == Line_reader::Result::need_more)
            reader.read_more(true);
        if (result == Line_reader::Result::end)
            break;
        if (result == Line_reader::Result::too_long)
            console.refuse_long_line();
        else if (!console.execute(line))
            break;
    }
    return 0;
}
