#include "app/CommandTable.h"

#include "app/Console.h"
#include "app/ConsoleWindow.h"
#include "app/InputReading.h"
#include "app/WorldCommands.h"
#include "sim/Error.h"
#include "sim/Model.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace {
const char* const error_Unrecognized_c = "Unrecognized command!\n";
const char* const error_NameReserved_c = "Name is reserved!\n";
const char* const error_InvalidName_c = "Invalid name!\n";
const char* const error_InvalidTickCount_c = "Invalid tick count!\n";

const int max_tick_count_c = 1000000;
// Where the synopses start in the command list: past the longest usage.
const std::size_t help_column_c = 34;

// A name is printed on every tick: a control character in it would act on
// the user's terminal each time.
void check_name_allowed(const std::string& name) {
    if (Console::is_reserved_name(name))
        throw Error(error_NameReserved_c);
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        throw Error(error_InvalidName_c);
}

// A missing count means one tick; anything present must read as a count.
int read_tick_count(std::istream& in) {
    in >> std::ws;
    if (in.eof())
        return 1;
    int count = 0;
    if (!(in >> count) || count < 1 || count > max_tick_count_c)
        throw Error(error_InvalidTickCount_c);
    return count;
}

// The command list, or one command's synopsis and an example.
void print_help(const std::string& word) {
    if (word.empty()) {
        for (const auto& entry : command_table()) {
            const std::size_t length = std::strlen(entry.usage);
            std::cout << entry.usage
                      << std::string(length < help_column_c ? help_column_c - length : 1, ' ')
                      << entry.synopsis << '\n';
        }
        return;
    }
    const Command_entry* entry = find_command(word);
    if (!entry)
        throw Error(error_Unrecognized_c);
    std::cout << entry->usage << '\n'
              << "    " << entry->synopsis << '\n'
              << "    example: " << entry->example << '\n';
}

// An object's command that reads its own arguments.
template <void (WorldCommands::*command)(std::shared_ptr<Commandable_object>, std::istream&)>
bool with_arguments(Command_call& call) {
    (call.commands.*command)(call.object, call.in);
    return true;
}

template <void (WorldCommands::*command)(std::shared_ptr<Commandable_object>)>
bool without_arguments(Command_call& call) {
    (call.commands.*command)(call.object);
    return true;
}

// A window command without arguments; refused when there is no window.
template <void (ConsoleWindow::*command)()> bool in_window(Command_call& call) {
    (call.console.needed_window().*command)();
    return true;
}
} // namespace

const std::vector<Command_entry>& command_table() {
    using T = Command_taker;
    using W = WorldCommands;
    static const std::vector<Command_entry> table = {
        {"course", T::ship, "NAME course HEADING SPEED",
         "sail on a compass heading (0 north, 90 east; below 360) at SPEED knots",
         "Ajax course 90 10", with_arguments<&W::command_ship_course>},
        {"position", T::ship, "NAME position X Y SPEED",
         "sail to the point (X, Y) in nautical miles", "Ajax position 20 5 12",
         with_arguments<&W::command_ship_position>},
        {"destination", T::ship, "NAME destination ISLAND SPEED", "sail to an island",
         "Pegasus destination Bermuda 15", with_arguments<&W::command_ship_destination>},
        {"load_at", T::tanker, "NAME load_at ISLAND", "a tanker's island to load fuel at",
         "Valdez load_at Exxon", with_arguments<&W::command_ship_load_at>},
        {"unload_at", T::tanker, "NAME unload_at ISLAND", "a tanker's island to unload fuel at",
         "Valdez unload_at Treasure_Island", with_arguments<&W::command_ship_unload_at>},
        {"dock_at", T::ship, "NAME dock_at ISLAND", "dock at an island less than 0.1 nm away",
         "Ajax dock_at Exxon", with_arguments<&W::command_ship_dock_at>},
        {"attack", T::warship, "NAME attack SHIP", "a cruiser or torpedo boat attacks a ship",
         "Xerxes attack Galactica", with_arguments<&W::command_ship_attack>},
        {"refuel", T::ship, "NAME refuel", "top up the tank while docked", "Ajax refuel",
         without_arguments<&W::command_ship_refuel>},
        {"stop", T::ship, "NAME stop", "stop (a tanker also leaves its cargo cycle)", "Valdez stop",
         without_arguments<&W::command_ship_stop>},
        {"stop_attack", T::warship, "NAME stop_attack", "give up the attack", "Xerxes stop_attack",
         without_arguments<&W::command_ship_stop_attack>},
        {"add_member", T::group, "NAME add_member SHIP_OR_GROUP", "add to a group",
         "Fleet add_member Ajax", with_arguments<&W::command_group_add_member>},
        {"remove_member", T::group, "NAME remove_member SHIP_OR_GROUP", "take out of a group",
         "Fleet remove_member Ajax", with_arguments<&W::command_group_remove_member>},
        {"status", T::world, "status", "describe every island, ship and group", "status",
         [](Command_call&) {
             Model::get()->describe();
             return true;
         }},
        {"tick", T::world, "tick [COUNT]", "advance the world COUNT ticks (default 1)", "tick 10",
         [](Command_call& call) {
             call.console.tick(read_tick_count(call.in));
             return true;
         }},
        {"create", T::world, "create NAME KIND X Y",
         "add a ship of KIND Tanker, Cruiser, Torpedo_boat or Cruise_ship",
         "create Nimitz Cruiser 5 5",
         [](Command_call& call) {
             const std::string name = read_word(call.in);
             const std::string kind = read_word(call.in);
             const double x = read_double(call.in);
             const double y = read_double(call.in);
             check_name_allowed(name);
             call.commands.add_ship(name, kind, Point(x, y));
             return true;
         }},
        {"island", T::world, "island NAME X Y FUEL RATE",
         "add an island holding FUEL tons that makes RATE tons a tick",
         "island Tortuga 40 40 500 2",
         [](Command_call& call) {
             const std::string name = read_word(call.in);
             const double x = read_double(call.in);
             const double y = read_double(call.in);
             const double fuel = read_double(call.in);
             const double rate = read_double(call.in);
             check_name_allowed(name);
             call.commands.add_island(name, Point(x, y), fuel, rate);
             return true;
         }},
        {"group", T::world, "group NAME", "add an empty group", "group Fleet",
         [](Command_call& call) {
             const std::string name = read_name(call.in);
             check_name_allowed(name);
             call.commands.add_group(name);
             return true;
         }},
        {"save", T::world, "save FILE", "keep the whole world in FILE", "save voyage.world",
         [](Command_call& call) {
             call.commands.save_world(read_file_name(call.in));
             return true;
         }},
        {"load", T::world, "load FILE", "replace the world with the one kept in FILE",
         "load voyage.world",
         [](Command_call& call) {
             const std::string file = read_file_name(call.in);
             if (ConsoleWindow* window = call.console.get_window())
                 window->load_world(file);
             else
                 call.commands.load_world(file);
             return true;
         }},
        {"source", T::world, "source FILE", "run the lines of FILE as if typed",
         "source voyage.txt",
         [](Command_call& call) { return call.console.run_script(read_file_name(call.in)); }},
        {"go", T::world, "go", "start time in the window (as its GO button)", "go",
         in_window<&ConsoleWindow::go>},
        {"pause", T::world, "pause", "stop time in the window (as its Pause button)", "pause",
         in_window<&ConsoleWindow::pause>},
        {"open_map", T::world, "open_map", "open the window's map", "open_map",
         in_window<&ConsoleWindow::open_map>},
        {"close_map", T::world, "close_map", "close the window's map", "close_map",
         in_window<&ConsoleWindow::close_map>},
        {"open_bridge", T::world, "open_bridge SHIP X Y",
         "open a ship's bridge view with its corner at window pixel X, Y",
         "open_bridge Ajax 300 300",
         [](Command_call& call) {
             ConsoleWindow& window = call.console.needed_window();
             const std::string name = read_word(call.in);
             const int x = read_int(call.in);
             const int y = read_int(call.in);
             window.open_bridge(name, x, y);
             return true;
         }},
        {"close_bridge", T::world, "close_bridge SHIP", "close a ship's bridge view",
         "close_bridge Ajax",
         [](Command_call& call) {
             call.console.needed_window().close_bridge(read_word(call.in));
             return true;
         }},
        {"screenshot", T::world, "screenshot FILE", "save the window as a BMP picture",
         "screenshot window.bmp",
         [](Command_call& call) {
             call.console.needed_window().screenshot(read_word(call.in));
             return true;
         }},
        {"stats", T::world, "stats", "the window's frame rate and frame times", "stats",
         in_window<&ConsoleWindow::print_stats>},
        {"help", T::world, "help [WORD]", "list the commands, or show one with an example",
         "help course",
         [](Command_call& call) {
             print_help(read_word(call.in));
             return true;
         }},
        {"quit", T::world, "quit", "end the program", "quit", [](Command_call&) { return false; }},
    };
    return table;
}

const Command_entry* find_command(const std::string& word) {
    const auto& table = command_table();
    const auto found =
        std::find_if(table.begin(), table.end(),
                     [&word](const Command_entry& entry) { return word == entry.word; });
    return found == table.end() ? nullptr : &*found;
}

const Command_entry& command_to_run(const std::string& word, bool for_object) {
    const Command_entry* entry = find_command(word);
    if (!entry || (entry->taker == Command_taker::world) == for_object)
        throw Error(error_Unrecognized_c);
    return *entry;
}
