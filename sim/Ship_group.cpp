#include "sim/Ship_group.h"

#include "sim/Ship.h"

#include <iostream>

namespace {

bool child_is_sunk_or_expired(const std::weak_ptr<Commandable_object>& child) {
    auto member = child.lock();
    if (!member)
        return true;
    auto ship = std::dynamic_pointer_cast<Ship>(member);
    return ship && ship->is_sunk();
}

} // namespace

Ship_group::~Ship_group() = default;

void Ship_group::set_destination_position_and_speed(Point destination_, double speed) {
    perform_on_all_children([destination_, speed](Commandable_object& member) {
        member.set_destination_position_and_speed(destination_, speed);
    });
}

void Ship_group::set_course_and_speed(double course, double speed) {
    perform_on_all_children([course, speed](Commandable_object& member) {
        member.set_course_and_speed(course, speed);
    });
}

void Ship_group::stop() {
    perform_on_all_children([](Commandable_object& member) { member.stop(); });
}

void Ship_group::dock(std::shared_ptr<Island> island) {
    perform_on_all_children([&island](Commandable_object& member) { member.dock(island); });
}

void Ship_group::refuel() {
    perform_on_all_children([](Commandable_object& member) { member.refuel(); });
}

void Ship_group::set_load_destination(std::shared_ptr<Island> island) {
    perform_on_all_children(
        [&island](Commandable_object& member) { member.set_load_destination(island); });
}

void Ship_group::set_unload_destination(std::shared_ptr<Island> island) {
    perform_on_all_children(
        [&island](Commandable_object& member) { member.set_unload_destination(island); });
}

void Ship_group::attack(std::shared_ptr<Commandable_object> target) {
    perform_on_all_children([&target](Commandable_object& member) { member.attack(target); });
}

void Ship_group::stop_attack() {
    perform_on_all_children([](Commandable_object& member) { member.stop_attack(); });
}

void Ship_group::update() {
    remove_children_if(child_is_sunk_or_expired);
}

void Ship_group::describe() const {
    std::cout << "\nShip_group ";
    Group::describe();
}
