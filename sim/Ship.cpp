#include "sim/Ship.h"

#include "sim/Error.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/World_file.h"

#include <iostream>

namespace {
const char* const error_CantMove_c = "Ship cannot move!\n";
const char* const error_TooFast_c = "Ship cannot go that fast!\n";
const char* const error_CantDock_c = "Can't dock!\n";
const char* const error_MustBeDocked_c = "Must be docked!\n";
const char* const error_CantLoad_c = "Cannot load at a destination!\n";
const char* const error_CantUnload_c = "Cannot unload at a destination!\n";
const char* const error_CantAttack_c = "Cannot attack!\n";
const char* const error_InvalidShipState_c = "PROGRAMMING ERROR: INVALID SHIP STATE\n";
const char* const error_SavedSunk_c = "a sunk ship cannot be in the world";
const char* const error_DockedAway_c = "a docked ship must lie at its island";

// The words for ShipState_e in a world file, in enum order.
const char* const ship_state_words_c[] = {
    "moving_to_position", "dead_in_the_water", "stopped", "moving_on_course", "docked", "sunk"};

const double docking_distance_c = 0.1;   // nm, exclusive
const double refuel_threshold_c = 0.005; // tons: a smaller need counts as full
} // namespace

Ship::Ship(const std::string& name_, Point position_, double fuel_capacity_, double maximum_speed_,
           double fuel_consumption_, int resistance_)
    : Sim_object(name_), Track_base(position_), fuel(fuel_capacity_), maximum_speed(maximum_speed_),
      fuel_consumption(fuel_consumption_), fuel_capacity(fuel_capacity_), resistance(resistance_) {}

Ship::~Ship() = default;

bool Ship::is_afloat() const {
    return ship_state != sunk;
}

bool Ship::is_moving() const {
    return ship_state == moving_to_position || ship_state == moving_on_course;
}

bool Ship::is_docked() const {
    return ship_state == docked;
}

bool Ship::can_move() const {
    return is_afloat() && ship_state != dead_in_the_water;
}

bool Ship::can_dock(std::shared_ptr<Island> island) const {
    return ship_state == stopped &&
           cartesian_distance(get_location(), island->get_location()) < docking_distance_c;
}

void Ship::set_course_speed_with_error_check(double course, double speed) {
    if (!can_move())
        throw Error(error_CantMove_c);
    if (speed > maximum_speed)
        throw Error(error_TooFast_c);
    set_course(course);
    set_speed(speed);
}

void Ship::set_destination_position_and_speed(Point destination_, double speed) {
    // The destination is recorded only once the command is accepted: a ship
    // already bound somewhere must not start measuring its arrival against a
    // point it was never sent to.
    Compass_position heading(get_location(), destination_);
    set_course_speed_with_error_check(heading.bearing, speed);
    destination = destination_;
    std::cout << get_name_ref() << " will sail on " << get_course_speed() << " to " << destination
              << '\n';
    ship_state = moving_to_position;
}

void Ship::set_course_and_speed(double course, double speed) {
    set_course_speed_with_error_check(course, speed);
    std::cout << get_name_ref() << " will sail on " << get_course_speed() << '\n';
    ship_state = moving_on_course;
}

void Ship::stop() {
    if (!can_move())
        throw Error(error_CantMove_c);
    set_speed(0.);
    ship_state = stopped;
    std::cout << get_name_ref() << " stopping at " << get_location() << '\n';
}

void Ship::dock(std::shared_ptr<Island> island) {
    if (!can_dock(island))
        throw Error(error_CantDock_c);
    set_position(island->get_location());
    docked_Island = island;
    ship_state = docked;
    std::cout << get_name_ref() << " docked at " << island->get_name_ref() << '\n';
}

void Ship::refuel() {
    if (!is_docked())
        throw Error(error_MustBeDocked_c);
    double need = fuel_capacity - fuel;
    if (need < refuel_threshold_c) {
        fuel = fuel_capacity;
        return;
    }
    fuel += docked_Island->provide_fuel(need);
    std::cout << get_name_ref() << " now has " << fuel << " tons of fuel\n";
}

void Ship::set_load_destination(std::shared_ptr<Island>) {
    throw Error(error_CantLoad_c);
}

void Ship::set_unload_destination(std::shared_ptr<Island>) {
    throw Error(error_CantUnload_c);
}

void Ship::attack(std::shared_ptr<Commandable_object>) {
    throw Error(error_CantAttack_c);
}

void Ship::stop_attack() {
    throw Error(error_CantAttack_c);
}

void Ship::receive_hit(int hit_force, std::shared_ptr<Ship>) {
    resistance -= hit_force;
    std::cout << get_name_ref() << " hit with " << hit_force << ", resistance now " << resistance
              << '\n';
}

void Ship::update() {
    if (ship_state == sunk)
        return;
    if (resistance < 0) {
        ship_state = sunk;
        std::cout << get_name_ref() << " sunk\n";
        return;
    }
    switch (ship_state) {
    case moving_to_position:
    case moving_on_course:
        calculate_movement();
        std::cout << get_name_ref() << " now at " << get_location() << '\n';
        break;
    case dead_in_the_water:
        std::cout << get_name_ref() << " dead in the water at " << get_location() << '\n';
        break;
    case stopped:
        std::cout << get_name_ref() << " stopped at " << get_location() << '\n';
        break;
    case docked:
        std::cout << get_name_ref() << " docked at " << docked_Island->get_name_ref() << '\n';
        break;
    default:
        throw Programming_Error(error_InvalidShipState_c);
    }
}

void Ship::calculate_movement() {
    const double dt = Model::get()->get_time_incr();
    const double distance_to_destination = cartesian_distance(get_location(), destination);
    const double full_distance = get_speed() * dt;
    const double fuel_needed = full_distance * fuel_consumption;

    double travel = full_distance;
    double travel_time = dt;
    if (fuel < fuel_needed) {
        // Only as far as the fuel aboard will carry the ship.
        travel = fuel / fuel_consumption;
        travel_time = (travel / full_distance) * dt;
    }

    if (ship_state == moving_to_position && travel >= distance_to_destination) {
        set_position(destination);
        fuel -= distance_to_destination * fuel_consumption;
        set_speed(0.);
        ship_state = stopped;
        return;
    }

    update_position(travel_time);
    if (fuel_needed >= fuel) {
        fuel = 0.;
        ship_state = dead_in_the_water;
    } else {
        fuel -= fuel_needed;
    }
}

void Ship::describe() const {
    std::cout << get_name_ref() << " at " << get_location();
    if (ship_state == sunk) {
        std::cout << " sunk\n";
        return;
    }
    std::cout << ", fuel: " << fuel << " tons"
              << ", resistance: " << resistance << '\n';
    switch (ship_state) {
    case moving_to_position:
        std::cout << "Moving to " << destination << " on " << get_course_speed() << '\n';
        break;
    case dead_in_the_water:
        std::cout << "Dead in the water\n";
        break;
    case stopped:
        std::cout << "Stopped\n";
        break;
    case moving_on_course:
        std::cout << "Moving on " << get_course_speed() << '\n';
        break;
    case docked:
        std::cout << "Docked at " << docked_Island->get_name_ref() << '\n';
        break;
    default:
        throw Programming_Error(error_InvalidShipState_c);
    }
}

void Ship::save_state(World_writer& out) const {
    out.field("at", get_position())
        .field("course", get_course())
        .field("speed", get_speed())
        .field("fuel", fuel)
        .word("resistance")
        .integer(resistance)
        .word(ship_state_words_c[ship_state]);
    if (ship_state == moving_to_position)
        out.point(destination);
    else if (ship_state == docked)
        out.word(docked_Island->get_name());
}

void Ship::restore(World_reader& in) {
    set_position(in.point_field("at"));
    set_course(in.number_field("course"));
    set_speed(in.number_field("speed"));
    fuel = in.number_field("fuel");
    resistance = in.integer_field("resistance");
    ship_state = static_cast<ShipState_e>(in.choice(ship_state_words_c, "a ship state"));
    if (ship_state == sunk)
        throw Error(error_SavedSunk_c);
    if (ship_state == moving_to_position)
        destination = in.point("the destination");
    if (ship_state != docked)
        return;
    docked_Island = in.island("the island docked at");
    if (docked_Island->get_location() != get_position())
        throw Error(error_DockedAway_c);
}
