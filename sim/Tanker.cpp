#include "sim/Tanker.h"

#include "sim/Error.h"
#include "sim/Island.h"
#include "sim/Ship_kinds.h"
#include "sim/World_file.h"

#include <cassert>
#include <iostream>

namespace {
constexpr const Ship_kind& kind_c = Ship_kinds::tanker_c;
const char* const error_HasCargoDestinations_c = "Tanker has cargo destinations!\n";
const char* const error_SameDestinations_c = "Load and unload cargo destinations are the same!\n";
const char* const error_UndefinedState_c = "Tanker in Undefined State";

const char* const error_CycleNeedsBoth_c =
    "a tanker in its cargo cycle must have both destinations";
const char* const error_BothOutsideCycle_c =
    "a tanker with both cargo destinations must be in its cargo cycle";
const char* const error_CargoAwayFromDock_c = "a tanker loading or unloading must be docked";

// The words for TankerState_e in a world file, in enum order.
const char* const tanker_state_words_c[] = {"no_cargo_destinations", "moving_to_loading", "loading",
                                            "moving_to_unloading", "unloading"};

const double full_hold_threshold_c = 0.005; // tons of room that count as a full hold
} // namespace

const char* const Tanker::TankerStateNames[] = {"no cargo destinations",
                                                "moving to loading destination", "loading",
                                                "moving to unloading destination", "unloading"};

Tanker::Tanker(const std::string& name_, Point position_)
    : Ship(name_, position_, kind_c.fuel_capacity, kind_c.maximum_speed, kind_c.fuel_consumption,
           kind_c.resistance) {}

Tanker::~Tanker() = default;

bool Tanker::both_cargo_destinations_set() const {
    return load_destination && unload_destination;
}

bool Tanker::no_destinations() const {
    if (tanker_state != no_cargo_destinations)
        return false;
    assert(!both_cargo_destinations_set());
    return true;
}

bool Tanker::in_cargo_cycle() const {
    return tanker_state == moving_to_loading || tanker_state == loading ||
           tanker_state == moving_to_unloading || tanker_state == unloading;
}

bool Tanker::cargo_destinations_are_same() const {
    return load_destination == unload_destination;
}

void Tanker::set_destination_position_and_speed(Point destination_, double speed) {
    if (!no_destinations())
        throw Error(error_HasCargoDestinations_c);
    Ship::set_destination_position_and_speed(destination_, speed);
}

void Tanker::set_course_and_speed(double course, double speed) {
    if (!no_destinations())
        throw Error(error_HasCargoDestinations_c);
    Ship::set_course_and_speed(course, speed);
}

void Tanker::stop() {
    Ship::stop();
    clear_cargo_destinations();
}

void Tanker::set_load_destination(std::shared_ptr<Island> island) {
    set_cargo_destination(load_destination, island, " will load at ");
}

void Tanker::set_unload_destination(std::shared_ptr<Island> island) {
    set_cargo_destination(unload_destination, island, " will unload at ");
}

void Tanker::set_cargo_destination(std::shared_ptr<Island>& slot, std::shared_ptr<Island> island,
                                   const char* announcement) {
    if (!no_destinations())
        throw Error(error_HasCargoDestinations_c);
    std::shared_ptr<Island> previous = slot;
    slot = island;
    if (cargo_destinations_are_same()) {
        slot = previous;
        throw Error(error_SameDestinations_c);
    }
    std::cout << get_name_ref() << announcement << island->get_name_ref() << '\n';
    if (!both_cargo_destinations_set())
        return;
    try {
        enter_cargo_cycle();
    } catch (...) {
        // Left with both destinations outside the cycle, the tanker would trip
        // its own invariant on the next command.
        slot = previous;
        throw;
    }
}

void Tanker::enter_cargo_cycle() {
    if (is_docked()) {
        if (get_location() == load_destination->get_location()) {
            set_tanker_state(loading);
            return;
        }
        if (get_location() == unload_destination->get_location()) {
            set_tanker_state(unloading);
            return;
        }
    }
    if (!is_moving()) {
        if (cargo_supply == 0. && can_dock(load_destination)) {
            dock(load_destination);
            set_tanker_state(loading);
            return;
        }
        if (cargo_supply > 0. && can_dock(unload_destination)) {
            dock(unload_destination);
            set_tanker_state(unloading);
            return;
        }
    }
    if (cargo_supply == 0.) {
        sail_to(load_destination, moving_to_loading);
        return;
    }
    assert(cargo_supply > 0.);
    sail_to(unload_destination, moving_to_unloading);
}

void Tanker::sail_to(const std::shared_ptr<Island>& island, TankerState_e state) {
    Ship::set_destination_position_and_speed(island->get_location(), get_maximum_speed());
    set_tanker_state(state);
}

void Tanker::clear_cargo_destinations() {
    unload_destination.reset();
    load_destination.reset();
    set_tanker_state(no_cargo_destinations);
    std::cout << get_name_ref() << " now has no cargo destinations\n";
}

void Tanker::update() {
    Ship::update();
    if (!can_move())
        clear_cargo_destinations();

    switch (tanker_state) {
    case no_cargo_destinations:
        break;
    case moving_to_loading:
        if (!is_moving() && can_dock(load_destination)) {
            dock(load_destination);
            set_tanker_state(loading);
        }
        break;
    case loading:
        load_cargo();
        break;
    case moving_to_unloading:
        if (!is_moving() && can_dock(unload_destination)) {
            dock(unload_destination);
            set_tanker_state(unloading);
        }
        break;
    case unloading:
        unload_cargo();
        break;
    default:
        throw Programming_Error(error_UndefinedState_c);
    }
}

void Tanker::load_cargo() {
    Ship::refuel();
    double room = cargo_capacity - cargo_supply;
    if (room < full_hold_threshold_c) {
        cargo_supply = cargo_capacity;
        sail_to(unload_destination, moving_to_unloading);
        return;
    }
    cargo_supply += get_docked_Island()->provide_fuel(room);
    std::cout << get_name_ref() << " now has " << cargo_supply << " of cargo\n";
}

void Tanker::unload_cargo() {
    if (cargo_supply == 0.) {
        sail_to(load_destination, moving_to_loading);
        return;
    }
    unload_destination->accept_fuel(cargo_supply);
    cargo_supply = 0.;
}

void Tanker::describe() const {
    std::cout << "\nTanker ";
    Ship::describe();
    std::cout << "Cargo: " << cargo_supply << " tons, " << TankerStateNames[tanker_state] << '\n';
}

void Tanker::save_state(World_writer& out) const {
    Ship::save_state(out);
    out.field("cargo", cargo_supply);
    if (load_destination)
        out.word("load_at").word(load_destination->get_name());
    if (unload_destination)
        out.word("unload_at").word(unload_destination->get_name());
    out.word(tanker_state_words_c[tanker_state]);
}

void Tanker::restore(World_reader& in) {
    Ship::restore(in);
    cargo_supply = in.number_field("cargo");
    if (in.accept("load_at"))
        load_destination = in.island("the load island");
    if (in.accept("unload_at"))
        unload_destination = in.island("the unload island");
    tanker_state = static_cast<TankerState_e>(in.choice(tanker_state_words_c, "a tanker state"));
    if (both_cargo_destinations_set() && cargo_destinations_are_same())
        throw Error(error_SameDestinations_c);
    if (in_cargo_cycle() && !both_cargo_destinations_set())
        throw Error(error_CycleNeedsBoth_c);
    if (!in_cargo_cycle() && both_cargo_destinations_set())
        throw Error(error_BothOutsideCycle_c);
    if ((tanker_state == loading || tanker_state == unloading) && !is_docked())
        throw Error(error_CargoAwayFromDock_c);
}
