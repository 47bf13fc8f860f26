#include "sim/Torpedo_boat.h"

#include "sim/Error.h"
#include "sim/Ship_kinds.h"
#include "sim/World_file.h"

#include <cassert>
#include <iostream>

namespace {
constexpr const Ship_kind& kind_c = Ship_kinds::torpedo_boat_c;
const char* const error_InvalidState_c = "PROGRAMMING ERROR: INVALID TORPEDO_BOAT STATE\n";
// The words for TorpedoBoatState_e in a world file, in enum order.
const char* const torpedo_boat_state_words_c[] = {"pursuing", "not_pursuing"};
} // namespace

Torpedo_boat::Torpedo_boat(const std::string& name_, Point position_)
    : Warship(name_, position_, kind_c.fuel_capacity, kind_c.maximum_speed, kind_c.fuel_consumption,
              kind_c.resistance, kind_c.firepower, kind_c.maximum_range) {}

Torpedo_boat::~Torpedo_boat() = default;

void Torpedo_boat::set_destination_position_and_speed(Point destination_, double speed) {
    cancel_current_attack();
    Ship::set_destination_position_and_speed(destination_, speed);
}

void Torpedo_boat::set_course_and_speed(double course, double speed) {
    cancel_current_attack();
    Ship::set_course_and_speed(course, speed);
}

void Torpedo_boat::stop() {
    cancel_current_attack();
    Ship::stop();
}

void Torpedo_boat::attack(std::shared_ptr<Commandable_object> target) {
    cancel_current_attack();
    Warship::attack(target);
    original_location = get_location();
    if (!target_in_range()) {
        set_torpedo_boat_state(pursuing);
        // A boat that cannot move keeps the attack and hears why it cannot
        // chase; its next tick gives the attack up.
        chase_target();
    }
}

void Torpedo_boat::stop_attack() {
    if (is_attacking()) {
        if (is_moving())
            Ship::stop();
        if (target_is_sunk()) {
            Warship::stop_attack();
            finish_attack();
            return;
        }
    }
    Warship::stop_attack();
}

void Torpedo_boat::update() {
    Warship::update();
    if (!is_attacking())
        return;
    assert(get_target());
    switch (torpedo_boat_state) {
    case pursuing:
        if (target_in_range()) {
            fire_at_target();
            set_torpedo_boat_state(not_pursuing);
        } else {
            pursue_or_give_up();
        }
        break;
    case not_pursuing:
        if (target_in_range()) {
            fire_at_target();
        } else {
            set_torpedo_boat_state(pursuing);
            pursue_or_give_up();
        }
        break;
    default:
        throw Programming_Error(error_InvalidState_c);
    }
}

void Torpedo_boat::describe() const {
    std::cout << "\nTorpedo_boat ";
    Warship::describe();
    if (!is_attacking())
        return;
    switch (torpedo_boat_state) {
    case pursuing:
        if (auto target = get_target())
            std::cout << "Pursuing " << target->get_name_ref() << '\n';
        break;
    case not_pursuing:
        break;
    default:
        throw Programming_Error(error_InvalidState_c);
    }
}

void Torpedo_boat::cancel_current_attack() {
    if (!is_attacking())
        return;
    std::cout << get_name_ref() << " will call off current attack.\n";
    stop_attack();
}

void Torpedo_boat::pursue_or_give_up() {
    if (can_move())
        chase_target();
    else
        stop_attack();
}

void Torpedo_boat::chase_target() {
    std::cout << get_name_ref() << "'s target out of range. Will pursue and destroy.\n";
    Ship::set_destination_position_and_speed(get_target()->get_location(), get_maximum_speed());
}

void Torpedo_boat::finish_attack() {
    // A boat that cannot move has nowhere to return to; sailing would only
    // fail the tick that found the target destroyed.
    if (!can_move())
        return;
    std::cout << get_name_ref() << "'s target destroyed. Returning to original location.\n";
    Ship::set_destination_position_and_speed(original_location, get_maximum_speed() / 2.);
    set_torpedo_boat_state(not_pursuing);
}

void Torpedo_boat::save_state(World_writer& out) const {
    Warship::save_state(out);
    out.word(torpedo_boat_state_words_c[torpedo_boat_state]).field("origin", original_location);
}

void Torpedo_boat::restore(World_reader& in) {
    Warship::restore(in);
    torpedo_boat_state =
        static_cast<TorpedoBoatState_e>(in.choice(torpedo_boat_state_words_c, "a pursuing state"));
    original_location = in.point_field("origin");
}
