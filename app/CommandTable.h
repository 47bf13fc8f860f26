#ifndef FLOTILLA_APP_COMMANDTABLE_H
#define FLOTILLA_APP_COMMANDTABLE_H

#include <string>
#include <vector>

struct Command_call;

// Who takes a command: the world, or an object of at least that kind (a
// group takes every object's command and passes it on).
enum class Command_taker { world, ship, warship, tanker, group };

// One console command: what `help` shows and completion offers, and how the
// console runs it. Adding a command is adding a row to command_table(); the
// README's table of commands is kept in step by hand (a test compares them).
struct Command_entry {
    const char* word;
    Command_taker taker;
    // Completion offers names for the arguments written ISLAND, SHIP,
    // SHIP_OR_GROUP and KIND here.
    const char* usage;
    const char* synopsis;
    const char* example;
    // Reads the arguments from the rest of the line, checking each as it is
    // read, then runs the command; false once the console should end.
    bool (*run)(Command_call& call);
};

const std::vector<Command_entry>& command_table();
// The entry for a command word; nullptr for none.
const Command_entry* find_command(const std::string& word);
// The entry a line asks for, after an object's name or as a world command;
// throws Error "Unrecognized command!" when there is none.
const Command_entry& command_to_run(const std::string& word, bool for_object);

#endif
