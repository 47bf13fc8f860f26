#include "sim/Cruiser.h"

#include "sim/Ship_kinds.h"

#include <iostream>

namespace {
constexpr const Ship_kind& kind_c = Ship_kinds::cruiser_c;
} // namespace

Cruiser::Cruiser(const std::string& name_, Point position_)
    : Warship(name_, position_, kind_c.fuel_capacity, kind_c.maximum_speed, kind_c.fuel_consumption,
              kind_c.resistance, kind_c.firepower, kind_c.maximum_range) {}

Cruiser::~Cruiser() = default;

void Cruiser::receive_hit(int hit_force, std::shared_ptr<Ship> attacker) {
    Ship::receive_hit(hit_force, attacker);
    if (!is_attacking())
        attack(attacker);
}

void Cruiser::update() {
    Warship::update();
    if (!is_attacking())
        return;
    if (target_in_range()) {
        fire_at_target();
    } else {
        std::cout << get_name_ref() << " target is out of range\n";
        stop_attack();
    }
}

void Cruiser::describe() const {
    std::cout << "\nCruiser ";
    Warship::describe();
}
