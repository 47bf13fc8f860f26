#include "app/CommandTable.h"

#include <algorithm>

const std::vector<Command_entry>& command_table() {
    using T = Command_taker;
    static const std::vector<Command_entry> table = {
        {"course", T::ship, "NAME course HEADING SPEED",
         "sail on a compass heading (0 north, 90 east; below 360) at SPEED knots",
         "Ajax course 90 10"},
        {"position", T::ship, "NAME position X Y SPEED",
         "sail to the point (X, Y) in nautical miles", "Ajax position 20 5 12"},
        {"destination", T::ship, "NAME destination ISLAND SPEED", "sail to an island",
         "Pegasus destination Bermuda 15"},
        {"load_at", T::tanker, "NAME load_at ISLAND", "a tanker's island to load fuel at",
         "Valdez load_at Exxon"},
        {"unload_at", T::tanker, "NAME unload_at ISLAND", "a tanker's island to unload fuel at",
         "Valdez unload_at Treasure_Island"},
        {"dock_at", T::ship, "NAME dock_at ISLAND", "dock at an island less than 0.1 nm away",
         "Ajax dock_at Exxon"},
        {"attack", T::warship, "NAME attack SHIP", "a cruiser or torpedo boat attacks a ship",
         "Xerxes attack Galactica"},
        {"refuel", T::ship, "NAME refuel", "top up the tank while docked", "Ajax refuel"},
        {"stop", T::ship, "NAME stop", "stop (a tanker also leaves its cargo cycle)",
         "Valdez stop"},
        {"stop_attack", T::warship, "NAME stop_attack", "give up the attack", "Xerxes stop_attack"},
        {"add_member", T::group, "NAME add_member SHIP_OR_GROUP", "add to a group",
         "Fleet add_member Ajax"},
        {"remove_member", T::group, "NAME remove_member SHIP_OR_GROUP", "take out of a group",
         "Fleet remove_member Ajax"},
        {"status", T::world, "status", "describe every island, ship and group", "status"},
        {"tick", T::world, "tick [COUNT]", "advance the world COUNT ticks (default 1)", "tick 10"},
        {"create", T::world, "create NAME KIND X Y",
         "add a ship of KIND Tanker, Cruiser, Torpedo_boat or Cruise_ship",
         "create Nimitz Cruiser 5 5"},
        {"island", T::world, "island NAME X Y FUEL RATE",
         "add an island holding FUEL tons that makes RATE tons a tick",
         "island Tortuga 40 40 500 2"},
        {"group", T::world, "group NAME", "add an empty group", "group Fleet"},
        {"save", T::world, "save FILE", "keep the whole world in FILE", "save voyage.world"},
        {"load", T::world, "load FILE", "replace the world with the one kept in FILE",
         "load voyage.world"},
        {"source", T::world, "source FILE", "run the lines of FILE as if typed",
         "source voyage.txt"},
        {"go", T::world, "go", "start time in the window (as its GO button)", "go"},
        {"pause", T::world, "pause", "stop time in the window (as its Pause button)", "pause"},
        {"open_map", T::world, "open_map", "open the window's map", "open_map"},
        {"close_map", T::world, "close_map", "close the window's map", "close_map"},
        {"open_bridge", T::world, "open_bridge SHIP X Y",
         "open a ship's bridge view with its corner at window pixel X, Y",
         "open_bridge Ajax 300 300"},
        {"close_bridge", T::world, "close_bridge SHIP", "close a ship's bridge view",
         "close_bridge Ajax"},
        {"screenshot", T::world, "screenshot FILE", "save the window as a BMP picture",
         "screenshot window.bmp"},
        {"stats", T::world, "stats", "the window's frame rate and frame times", "stats"},
        {"help", T::world, "help [WORD]", "list the commands, or show one with an example",
         "help course"},
        {"quit", T::world, "quit", "end the program", "quit"},
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
