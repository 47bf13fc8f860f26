#include "sim/Cruise_ship.h"

#include "sim/Error.h"
#include "sim/Island.h"
#include "sim/Less_than_by_distance_from.h"
#include "sim/Model.h"
#include "sim/Ship_kinds.h"
#include "sim/World_file.h"

#include <algorithm>
#include <iostream>

namespace {
constexpr const Ship_kind& kind_c = Ship_kinds::cruise_ship_c;
const char* const error_UndefinedState_c = "Cruise_ship in Undefined State";
const char* const error_WaitingAwayFromDock_c = "a cruise ship waiting at an island must be docked";
const char* const error_VisitTwice_c = "an island to visit is listed twice";

// The words for CruiseState_e in a world file, in enum order.
const char* const cruise_state_words_c[] = {"cruising_to_island", "at_island_refuel",
                                            "at_island_wait",     "at_island_depart",
                                            "returning_to_start", "no_cruise"};
} // namespace

Cruise_ship::Cruise_ship(const std::string& name_, Point position_)
    : Ship(name_, position_, kind_c.fuel_capacity, kind_c.maximum_speed, kind_c.fuel_consumption,
           kind_c.resistance) {}

Cruise_ship::~Cruise_ship() = default;

void Cruise_ship::set_destination_position_and_speed(Point destination_, double speed) {
    cancel_any_cruise();
    auto island = Model::get()->get_island_ptr_from_location(destination_.x, destination_.y);
    Ship::set_destination_position_and_speed(destination_, speed);
    cruise_speed = speed;
    begin_cruise(island);
}

void Cruise_ship::set_course_and_speed(double course, double speed) {
    cancel_any_cruise();
    Ship::set_course_and_speed(course, speed);
}

void Cruise_ship::stop() {
    cancel_any_cruise();
    Ship::stop();
}

void Cruise_ship::begin_cruise(std::shared_ptr<Island> island) {
    const Model* model = Model::get();
    islands_to_visit.assign(model->islands_begin_iter(), model->islands_end_iter());
    first_island = island;
    set_cruise_to(island);
    set_cruise_state(cruising_to_island);
    std::cout << get_name_ref() << " cruise will start and end at " << island->get_name_ref()
              << '\n';
}

void Cruise_ship::continue_cruise() {
    auto nearest =
        std::min_element(islands_to_visit.begin(), islands_to_visit.end(),
                         Less_than_by_distance_from<std::shared_ptr<Island>>(get_location()));
    std::shared_ptr<Island> next = *nearest;
    Ship::set_destination_position_and_speed(next->get_location(), cruise_speed);
    set_cruise_to(next);
    set_cruise_state(cruising_to_island);
}

void Cruise_ship::set_cruise_to(std::shared_ptr<Island> island) {
    cruise_destination = island;
    islands_to_visit.remove(island);
    std::cout << get_name_ref() << " will visit " << island->get_name_ref() << '\n';
}

void Cruise_ship::end_cruise() {
    first_island.reset();
    cruise_destination.reset();
    islands_to_visit.clear();
    set_cruise_state(no_cruise);
}

void Cruise_ship::cancel_any_cruise() {
    if (!is_on_cruise())
        return;
    std::cout << get_name_ref() << " canceling current cruise\n";
    end_cruise();
}

void Cruise_ship::update() {
    Ship::update();
    if (!can_move()) {
        cancel_any_cruise();
        return;
    }
    switch (cruise_state) {
    case cruising_to_island:
        if (can_dock(cruise_destination)) {
            dock(cruise_destination);
            set_cruise_state(at_island_refuel);
        }
        break;
    case at_island_refuel:
        refuel();
        set_cruise_state(at_island_wait);
        break;
    case at_island_wait:
        set_cruise_state(at_island_depart);
        break;
    case at_island_depart:
        if (islands_to_visit.empty()) {
            set_cruise_state(returning_to_start);
            Ship::set_destination_position_and_speed(first_island->get_location(), cruise_speed);
            set_cruise_to(first_island);
        } else {
            continue_cruise();
        }
        break;
    case returning_to_start:
        if (can_dock(cruise_destination)) {
            dock(cruise_destination);
            std::cout << get_name_ref() << " cruise is over at "
                      << get_docked_Island()->get_name_ref() << '\n';
            end_cruise();
        }
        break;
    case no_cruise:
        break;
    default:
        throw Programming_Error(error_UndefinedState_c);
    }
}

void Cruise_ship::describe() const {
    std::cout << "\nCruise_ship ";
    Ship::describe();
    switch (cruise_state) {
    case cruising_to_island:
    case returning_to_start:
        std::cout << "On cruise to " << cruise_destination->get_name_ref() << '\n';
        break;
    case at_island_refuel:
    case at_island_wait:
    case at_island_depart:
        std::cout << "Waiting during cruise at " << get_docked_Island()->get_name_ref() << '\n';
        break;
    default:
        break;
    }
}

void Cruise_ship::save_state(World_writer& out) const {
    Ship::save_state(out);
    out.word(cruise_state_words_c[cruise_state]);
    if (!is_on_cruise())
        return;
    out.field("cruise_speed", cruise_speed)
        .word("start")
        .word(first_island->get_name())
        .word("to")
        .word(cruise_destination->get_name())
        .word("visit");
    for (const auto& island : islands_to_visit)
        out.word(island->get_name());
}

void Cruise_ship::restore(World_reader& in) {
    Ship::restore(in);
    cruise_state = static_cast<CruiseState_e>(in.choice(cruise_state_words_c, "a cruise state"));
    if (!is_on_cruise())
        return;
    cruise_speed = in.number_field("cruise_speed");
    first_island = in.island_field("start");
    cruise_destination = in.island_field("to");
    in.expect("visit");
    while (!in.at_end()) {
        auto island = in.island("an island to visit");
        if (std::find(islands_to_visit.begin(), islands_to_visit.end(), island) !=
            islands_to_visit.end())
            throw Error(error_VisitTwice_c);
        islands_to_visit.push_back(island);
    }
    const bool waiting = cruise_state == at_island_refuel || cruise_state == at_island_wait ||
                         cruise_state == at_island_depart;
    if (waiting && !is_docked())
        throw Error(error_WaitingAwayFromDock_c);
}
