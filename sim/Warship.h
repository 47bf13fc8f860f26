#ifndef FLOTILLA_SIM_WARSHIP_H
#define FLOTILLA_SIM_WARSHIP_H

#include "sim/Ship.h"

#include <memory>

// A ship that can attack another ship. It holds its target weakly, so a target
// that the world has released simply reads as gone; what to do about range is
// left to the concrete kinds.
class Warship : public Ship {
public:
    ~Warship() override = 0;

    // A group target is attacked through its member nearest to this warship.
    void attack(std::shared_ptr<Commandable_object> target) override;
    void stop_attack() override;
    void update() override;
    void describe() const override;
    void save_state(World_writer& out) const override;
    void restore(World_reader& in) override;

protected:
    Warship(const std::string& name_, Point position_, double fuel_capacity_, double maximum_speed_,
            double fuel_consumption_, int resistance_, int firepower_, double range_);

    bool is_attacking() const { return warship_state == attacking; }
    std::shared_ptr<Ship> get_target() const { return target_ptr.lock(); }
    // True when the target has sunk or the world no longer holds it.
    bool target_is_sunk() const;
    // Inclusive: a target exactly at the warship's range is in range.
    bool target_in_range() const;
    void fire_at_target();

private:
    enum WarshipState_e { attacking, not_attacking };

    WarshipState_e warship_state = not_attacking;
    const int firepower;
    const double range;
    std::weak_ptr<Ship> target_ptr;

    void set_warship_state(WarshipState_e state) { warship_state = state; }
};

#endif
