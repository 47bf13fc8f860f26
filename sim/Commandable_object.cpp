#include "sim/Commandable_object.h"

#include "sim/Error.h"

namespace {
const char* const error_NotAShip_c = "Can't handle command; not a Ship!\n";
const char* const error_NotAGroup_c = "Can't handle command; not a Group!\n";
} // namespace

namespace {
std::uint64_t next_creation_serial = 0;
}

Commandable_object::Commandable_object() : creation_serial(next_creation_serial++) {}

Commandable_object::~Commandable_object() = default;

void Commandable_object::add_member(std::shared_ptr<Commandable_object>) {
    throw Error(error_NotAGroup_c);
}
void Commandable_object::remove_member(std::shared_ptr<Commandable_object>) {
    throw Error(error_NotAGroup_c);
}
std::shared_ptr<Commandable_object> Commandable_object::get_closest_member(Point) {
    throw Error(error_NotAGroup_c);
}
std::size_t Commandable_object::count() const {
    throw Error(error_NotAGroup_c);
}
bool Commandable_object::is_empty() const {
    throw Error(error_NotAGroup_c);
}
bool Commandable_object::is_member_present(std::shared_ptr<Commandable_object>) const {
    throw Error(error_NotAGroup_c);
}

Point Commandable_object::get_location() const {
    throw Error(error_NotAShip_c);
}
bool Commandable_object::can_move() const {
    throw Error(error_NotAShip_c);
}
bool Commandable_object::is_moving() const {
    throw Error(error_NotAShip_c);
}
bool Commandable_object::is_docked() const {
    throw Error(error_NotAShip_c);
}
bool Commandable_object::is_afloat() const {
    throw Error(error_NotAShip_c);
}
bool Commandable_object::can_dock(std::shared_ptr<Island>) const {
    throw Error(error_NotAShip_c);
}
double Commandable_object::get_course() const {
    throw Error(error_NotAShip_c);
}
void Commandable_object::set_destination_position_and_speed(Point, double) {
    throw Error(error_NotAShip_c);
}
void Commandable_object::set_course_and_speed(double, double) {
    throw Error(error_NotAShip_c);
}
void Commandable_object::stop() {
    throw Error(error_NotAShip_c);
}
void Commandable_object::dock(std::shared_ptr<Island>) {
    throw Error(error_NotAShip_c);
}
void Commandable_object::refuel() {
    throw Error(error_NotAShip_c);
}
void Commandable_object::set_load_destination(std::shared_ptr<Island>) {
    throw Error(error_NotAShip_c);
}
void Commandable_object::set_unload_destination(std::shared_ptr<Island>) {
    throw Error(error_NotAShip_c);
}
void Commandable_object::attack(std::shared_ptr<Commandable_object>) {
    throw Error(error_NotAShip_c);
}
void Commandable_object::stop_attack() {
    throw Error(error_NotAShip_c);
}
void Commandable_object::receive_hit(int, std::shared_ptr<Ship>) {
    throw Error(error_NotAShip_c);
}
