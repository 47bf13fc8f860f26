#include "app/WorldCommands.h"

#include "app/Console.h"
#include "app/InputReading.h"
#include "app/Start_folder.h"

#include "sim/Commandable_object.h"
#include "sim/Error.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "sim/Ship_factory.h"
#include "sim/World_file.h"

#include <istream>

namespace {
const char* const error_NameInUse_c = "Name is already in use!\n";
const char* const error_InvalidHeading_c = "Invalid heading entered!\n";
const char* const error_NegativeSpeed_c = "Negative speed entered!\n";

// The one kind of group the console makes.
const char* const ship_group_c = "Ship_group";

// Both course and position refuse a negative speed: the ship itself checks
// only the upper limit, and sailing backwards would make its fuel grow.
double read_speed(std::istream& in) {
    double speed = read_double(in);
    if (speed < 0.)
        throw Error(error_NegativeSpeed_c);
    return speed;
}

void check_name_free(const std::string& name) {
    if (Model::get()->is_name_in_use(name))
        throw Error(error_NameInUse_c);
}

} // namespace

std::shared_ptr<Island> WorldCommands::add_island(const std::string& name, Point position,
                                                  double fuel, double production_rate) {
    check_name_free(name);
    if (introduce_name)
        introduce_name(name, "Island");
    auto island = std::make_shared<Island>(name, position, fuel, production_rate);
    Model::get()->add_island(island);
    return island;
}

std::shared_ptr<Ship> WorldCommands::add_ship(const std::string& name, const std::string& kind,
                                              Point position) {
    check_name_free(name);
    // Made first, so that an unknown kind is refused with its own message
    // before any view has made an icon (or failed to find a picture) for it.
    auto ship = create_ship(name, kind, position);
    if (introduce_name)
        introduce_name(name, kind);
    Model::get()->add_ship(ship);
    return ship;
}

void WorldCommands::add_group(const std::string& name) {
    check_name_free(name);
    Model::get()->add_group(create_group(name, ship_group_c));
}

void WorldCommands::build_initial_world() {
    add_island("Exxon", Point(10., 10.), 1000., 200.);
    auto shell = add_island("Shell", Point(0., 30.), 1000., 200.);
    auto bermuda = add_island("Bermuda", Point(20., 20.), 0., 0.);
    add_island("Treasure_Island", Point(50., 5.), 100., 5.);

    add_ship("Ajax", "Cruiser", Point(15., 15.));
    add_ship("Xerxes", "Cruiser", Point(25., 25.));
    auto valdez = add_ship("Valdez", "Tanker", Point(30., 30.));
    add_ship("Galactica", "Torpedo_boat", Point(30., 25.));
    auto pegasus = add_ship("Pegasus", "Cruise_ship", Point(10., 25.));

    valdez->set_load_destination(shell);
    valdez->set_unload_destination(bermuda);
    pegasus->set_destination_position_and_speed(shell->get_location(), 15.);
}

void WorldCommands::save_world(const std::string& file) const {
    World_file::save(path_from_start_folder(file), file);
}

void WorldCommands::load_world(const std::string& file) {
    // Names the console keeps for its commands could never be addressed.
    World_file::load(path_from_start_folder(file), file, Console::is_reserved_name)
        .install(introduce_name);
}

std::shared_ptr<Island> WorldCommands::get_island_ptr_from_user(std::istream& in) {
    return Model::get()->get_island_ptr(read_word(in));
}

std::shared_ptr<Commandable_object> WorldCommands::get_cmnd_obj_ptr_from_user(std::istream& in) {
    return Model::get()->get_cmnd_obj_ptr(read_word(in));
}

void WorldCommands::command_ship_course(std::shared_ptr<Commandable_object> object,
                                        std::istream& in) {
    double heading = read_double(in);
    double speed = read_double(in);
    if (!(heading >= 0. && heading < 360.))
        throw Error(error_InvalidHeading_c);
    if (speed < 0.)
        throw Error(error_NegativeSpeed_c);
    object->set_course_and_speed(heading, speed);
}

void WorldCommands::command_ship_position(std::shared_ptr<Commandable_object> object,
                                          std::istream& in) {
    double x = read_double(in);
    double y = read_double(in);
    double speed = read_speed(in);
    object->set_destination_position_and_speed(Point(x, y), speed);
}

void WorldCommands::command_ship_destination(std::shared_ptr<Commandable_object> object,
                                             std::istream& in) {
    auto island = get_island_ptr_from_user(in);
    double speed = read_speed(in);
    object->set_destination_position_and_speed(island->get_location(), speed);
}

void WorldCommands::command_ship_load_at(std::shared_ptr<Commandable_object> object,
                                         std::istream& in) {
    object->set_load_destination(get_island_ptr_from_user(in));
}

void WorldCommands::command_ship_unload_at(std::shared_ptr<Commandable_object> object,
                                           std::istream& in) {
    object->set_unload_destination(get_island_ptr_from_user(in));
}

void WorldCommands::command_ship_dock_at(std::shared_ptr<Commandable_object> object,
                                         std::istream& in) {
    object->dock(get_island_ptr_from_user(in));
}

void WorldCommands::command_ship_attack(std::shared_ptr<Commandable_object> object,
                                        std::istream& in) {
    std::shared_ptr<Commandable_object> target = Model::get()->get_ship_ptr(read_word(in));
    object->attack(target);
}

void WorldCommands::command_ship_refuel(std::shared_ptr<Commandable_object> object) {
    object->refuel();
}

void WorldCommands::command_ship_stop(std::shared_ptr<Commandable_object> object) {
    object->stop();
}

void WorldCommands::command_ship_stop_attack(std::shared_ptr<Commandable_object> object) {
    object->stop_attack();
}

void WorldCommands::command_group_add_member(std::shared_ptr<Commandable_object> object,
                                             std::istream& in) {
    object->add_member(get_cmnd_obj_ptr_from_user(in));
}

void WorldCommands::command_group_remove_member(std::shared_ptr<Commandable_object> object,
                                                std::istream& in) {
    object->remove_member(get_cmnd_obj_ptr_from_user(in));
}
