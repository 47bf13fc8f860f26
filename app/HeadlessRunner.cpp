#include "app/HeadlessRunner.h"

#include "app/Console.h"
#include "app/Console_input.h"
#include "app/WorldCommands.h"
#include "sim/Error.h"

#include <iostream>
#include <string>

int run_headless(int input, bool interactive, const std::string& world_file) {
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

    Line_reader reader(input);
    std::string line;
    while (true) {
        if (interactive)
            std::cout << "flotilla> " << std::flush;
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
