#ifndef FLOTILLA_APP_WORLDCOMMANDS_H
#define FLOTILLA_APP_WORLDCOMMANDS_H

#include "sim/Geometry.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

class Commandable_object;
class Island;
class Ship;

// The commands that change the world: adding islands, ships and groups
// under a fresh name, and the ship and group commands that read their
// arguments from a stream. The console and the window's controller both run these, so a
// command behaves the same whichever way it was given.
//
// Every command reads all it needs and checks it before changing anything; a
// failure is thrown as Error with the text the user sees.
class WorldCommands {
public:
    // Told of every name about to enter the world, with its kind, before the
    // object is made (the window uses it to make icons in the open views).
    using Name_introducer = std::function<void(const std::string& name, const std::string& type)>;

    void set_name_introducer(Name_introducer introducer) { introduce_name = std::move(introducer); }

    std::shared_ptr<Island> add_island(const std::string& name, Point position, double fuel,
                                       double production_rate);
    std::shared_ptr<Ship> add_ship(const std::string& name, const std::string& kind,
                                   Point position);
    // An empty group; no view shows groups, so its name is not introduced.
    void add_group(const std::string& name);

    // The fixed start-up world: four islands, five ships, and the standing
    // orders of the tanker and the cruise ship.
    void build_initial_world();

    // A relative file name is taken from the folder the program started in.
    // A failed save leaves an existing file as it was; a failed load leaves
    // the world as it was. Each throws Error naming the file and the fault.
    void save_world(const std::string& file) const;
    // Replaces every object of the world with the file's, introducing each
    // name as add_island and add_ship do.
    void load_world(const std::string& file);

    void command_ship_course(std::shared_ptr<Commandable_object> object, std::istream& in);
    void command_ship_position(std::shared_ptr<Commandable_object> object, std::istream& in);
    void command_ship_destination(std::shared_ptr<Commandable_object> object, std::istream& in);
    void command_ship_load_at(std::shared_ptr<Commandable_object> object, std::istream& in);
    void command_ship_unload_at(std::shared_ptr<Commandable_object> object, std::istream& in);
    void command_ship_dock_at(std::shared_ptr<Commandable_object> object, std::istream& in);
    // Reads the target's name; the window asks for it in a dialogue box instead.
    void command_ship_attack(std::shared_ptr<Commandable_object> object, std::istream& in);
    void command_ship_refuel(std::shared_ptr<Commandable_object> object);
    void command_ship_stop(std::shared_ptr<Commandable_object> object);
    void command_ship_stop_attack(std::shared_ptr<Commandable_object> object);
    void command_group_add_member(std::shared_ptr<Commandable_object> object, std::istream& in);
    void command_group_remove_member(std::shared_ptr<Commandable_object> object, std::istream& in);

    static std::shared_ptr<Island> get_island_ptr_from_user(std::istream& in);
    static std::shared_ptr<Commandable_object> get_cmnd_obj_ptr_from_user(std::istream& in);

private:
    Name_introducer introduce_name;
};

#endif
