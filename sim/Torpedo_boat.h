#ifndef FLOTILLA_SIM_TORPEDO_BOAT_H
#define FLOTILLA_SIM_TORPEDO_BOAT_H

#include "sim/Warship.h"

// Hunts: chases a target that is out of range at full speed, fires whenever it
// is in range, and once the target is destroyed sails back at half speed to
// where the attack began. Any navigation command calls the attack off first.
class Torpedo_boat : public Warship {
public:
    Torpedo_boat(const std::string& name_, Point position_);
    ~Torpedo_boat() override;

    void set_destination_position_and_speed(Point destination_, double speed) override;
    void set_course_and_speed(double course, double speed) override;
    void stop() override;
    void attack(std::shared_ptr<Commandable_object> target) override;
    void stop_attack() override;
    void update() override;
    void describe() const override;
    void save_state(World_writer& out) const override;
    void restore(World_reader& in) override;

private:
    enum TorpedoBoatState_e { pursuing, not_pursuing };

    TorpedoBoatState_e torpedo_boat_state = not_pursuing;
    Point original_location;

    void cancel_current_attack();
    // On a tick, a boat that cannot move gives up a target it cannot reach
    // rather than fail the tick trying to sail after it.
    void pursue_or_give_up();
    void chase_target();
    void finish_attack();
    void set_torpedo_boat_state(TorpedoBoatState_e state) { torpedo_boat_state = state; }
};

#endif
