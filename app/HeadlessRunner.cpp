#include "app/HeadlessRunner.h"

#include "app/Console.h"
#include "app/WorldCommands.h"
#include "sim/Error.h"

#include <iostream>
#include <string>

int run_headless(std::istream& in, bool interactive, const std::string& world_file) {
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

    std::string line;
    while (true) {
        if (interactive)
            std::cout << "flotilla> " << std::flush;
        if (!std::getline(in, line))
            break;
        if (!console.execute(line))
            break;
    }
    return 0;
}
