#ifndef FLOTILLA_APP_COMMANDTABLE_H
#define FLOTILLA_APP_COMMANDTABLE_H

#include <string>
#include <vector>

// Who takes a command: the world, or an object of at least that kind (a
// group takes every object's command and passes it on).
enum class Command_taker { world, ship, warship, tanker, group };

// One console command, as `help` shows it and completion offers it. The
// README's table of commands is kept in step with this one by hand.
struct Command_entry {
    const char* word;
    Command_taker taker;
    const char* usage;
    const char* synopsis;
    const char* example;
};

const std::vector<Command_entry>& command_table();
// The entry for a command word; nullptr for none.
const Command_entry* find_command(const std::string& word);

#endif
