#include "sim/Warship.h"

#include "sim/Error.h"
#include "sim/Group.h"
#include "sim/World_file.h"

#include <cassert>
#include <iostream>

namespace {
const char* const error_CantAttack_c = "Cannot attack!\n";
const char* const error_AttackOwnGroup_c = "Warship may not attack a Group it is a member of!\n";
const char* const error_TargetNotAShip_c = "Warship may only fire on another ship!\n";
const char* const error_AttackSelf_c = "Warship may not attack itself!\n";
const char* const error_WasNotAttacking_c = "Was not attacking!\n";

// The words for WarshipState_e in a world file, in enum order, and for the
// two kinds of target an attack can have.
const char* const warship_state_words_c[] = {"attacking", "not_attacking"};
const char* const target_words_c[] = {"target", "absent_target"};
} // namespace

Warship::Warship(const std::string& name_, Point position_, double fuel_capacity_,
                 double maximum_speed_, double fuel_consumption_, int resistance_, int firepower_,
                 double range_)
    : Ship(name_, position_, fuel_capacity_, maximum_speed_, fuel_consumption_, resistance_),
      firepower(firepower_), range(range_) {}

Warship::~Warship() = default;

void Warship::attack(std::shared_ptr<Commandable_object> target) {
    if (is_sunk())
        throw Error(error_CantAttack_c);
    if (auto group = std::dynamic_pointer_cast<Group>(target)) {
        if (group->is_member_present(shared_from_this()))
            throw Error(error_AttackOwnGroup_c);
        target = group->get_closest_member(get_location());
    }
    auto ship = std::dynamic_pointer_cast<Ship>(target);
    if (!ship)
        throw Error(error_TargetNotAShip_c);
    if (ship.get() == this)
        throw Error(error_AttackSelf_c);
    target_ptr = ship;
    assert(target_ptr.lock());
    set_warship_state(attacking);
    std::cout << get_name_ref() << " will attack " << ship->get_name_ref() << '\n';
}

void Warship::stop_attack() {
    if (!is_attacking())
        throw Error(error_WasNotAttacking_c);
    target_ptr.reset();
    set_warship_state(not_attacking);
    std::cout << get_name_ref() << " stopping attack\n";
}

bool Warship::target_is_sunk() const {
    auto target = target_ptr.lock();
    return !target || target->is_sunk();
}

bool Warship::target_in_range() const {
    auto p = target_ptr.lock();
    assert(p);
    return cartesian_distance(p->get_location(), get_location()) <= range;
}

void Warship::fire_at_target() {
    std::cout << get_name_ref() << " fires\n";
    auto p = target_ptr.lock();
    assert(p);
    p->receive_hit(firepower, std::static_pointer_cast<Ship>(shared_from_this()));
}

void Warship::update() {
    Ship::update();
    if (!is_attacking())
        return;
    if (is_sunk() || target_is_sunk())
        stop_attack();
    else
        std::cout << get_name_ref() << " is attacking \n";
}

void Warship::describe() const {
    Ship::describe();
    if (!is_attacking())
        return;
    if (target_is_sunk())
        std::cout << "Attacking absent ship\n";
    else
        std::cout << "Attacking " << get_target()->get_name_ref() << '\n';
}

void Warship::save_state(World_writer& out) const {
    Ship::save_state(out);
    out.word(warship_state_words_c[warship_state]);
    if (!is_attacking())
        return;
    // A target that has sunk is as good as gone: the next update ends the
    // attack, and nothing reads its name before then.
    if (target_is_sunk())
        out.word(target_words_c[1]);
    else
        out.word(target_words_c[0]).word(get_target()->get_name());
}

void Warship::restore(World_reader& in) {
    Ship::restore(in);
    warship_state =
        static_cast<WarshipState_e>(in.choice(warship_state_words_c, "an attacking state"));
    if (!is_attacking() || in.choice(target_words_c, "the target") == 1)
        return;
    auto ship = in.ship("the target");
    if (ship.get() == this)
        throw Error(error_AttackSelf_c);
    target_ptr = ship;
}
