#include "app/HeadlessRunner.h"

#include "app/Console.h"
#include "app/WorldCommands.h"

#include <iostream>
#include <string>

int run_headless(std::istream& in, bool interactive) {
    WorldCommands commands;
    commands.build_initial_world();
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
