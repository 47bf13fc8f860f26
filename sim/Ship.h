#ifndef FLOTILLA_SIM_SHIP_H
#define FLOTILLA_SIM_SHIP_H

#include "sim/Commandable_object.h"
#include "sim/Sim_object.h"
#include "sim/Track_base.h"

#include <memory>
#include <string>

class Island;
class World_reader;
class World_writer;

// What every kind of ship shares: the navigation state machine, fuel burnt per
// nautical mile, resistance to hits, and the commands that change course,
// speed and docking. The kinds refine these and call the versions here.
class Ship : public Commandable_object, public Sim_object, public Track_base {
public:
    ~Ship() override = 0;

    std::string get_name() const override { return Sim_object::get_name(); }
    Point get_location() const override { return get_position(); }
    double get_course() const override { return Track_base::get_course(); }

    bool is_sunk() const { return ship_state == sunk; }
    bool is_afloat() const override;
    bool is_moving() const override;
    bool is_docked() const override;
    // A stopped or docked ship can move; one dead in the water or sunk cannot.
    bool can_move() const override;
    // Only a stopped ship strictly within 0.1 nm of the island may dock there.
    bool can_dock(std::shared_ptr<Island> island) const override;

    // A refused command leaves the ship as it was, its destination included.
    void set_destination_position_and_speed(Point destination_, double speed) override;
    void set_course_and_speed(double course, double speed) override;
    void stop() override;
    void dock(std::shared_ptr<Island> island) override;
    void refuel() override;
    void set_load_destination(std::shared_ptr<Island> island) override;
    void set_unload_destination(std::shared_ptr<Island> island) override;
    void attack(std::shared_ptr<Commandable_object> target) override;
    void stop_attack() override;
    // Lowers resistance only; a ship sinks in its next update.
    void receive_hit(int hit_force, std::shared_ptr<Ship> attacker) override;

    void update() override;
    void describe() const override;

    // Everything the ship's kind does not fix, for a saved world to resume
    // exactly. Each kind writes, and reads back, its own part after its base
    // class's. A failed restore throws Error naming the first field that is
    // missing or inconsistent, and leaves a ship fit only to be discarded.
    virtual void save_state(World_writer& out) const;
    virtual void restore(World_reader& in);

protected:
    Ship(const std::string& name_, Point position_, double fuel_capacity_, double maximum_speed_,
         double fuel_consumption_, int resistance_);

    double get_maximum_speed() const { return maximum_speed; }
    std::shared_ptr<Island> get_docked_Island() const { return docked_Island; }

private:
    enum ShipState_e {
        moving_to_position,
        dead_in_the_water,
        stopped,
        moving_on_course,
        docked,
        sunk
    };

    ShipState_e ship_state = stopped;
    std::shared_ptr<Island> docked_Island;
    double fuel;
    const double maximum_speed;
    const double fuel_consumption;
    const double fuel_capacity;
    int resistance;
    Point destination;

    void set_course_speed_with_error_check(double course, double speed);
    void calculate_movement();
};

#endif
