#ifndef FLOTILLA_SIM_CRUISE_SHIP_H
#define FLOTILLA_SIM_CRUISE_SHIP_H

#include "sim/Ship.h"

#include <list>
#include <memory>

// Turns a voyage to an island into a tour of every island, nearest unvisited
// first, calling three ticks at each and ending where it began. Any other
// navigation command cancels the cruise.
class Cruise_ship : public Ship {
public:
    Cruise_ship(const std::string& name_, Point position_);
    ~Cruise_ship() override;

    // The destination must be exactly an island's location.
    void set_destination_position_and_speed(Point destination_, double speed) override;
    void set_course_and_speed(double course, double speed) override;
    void stop() override;
    void update() override;
    void describe() const override;
    void save_state(World_writer& out) const override;
    void restore(World_reader& in) override;

private:
    enum CruiseState_e {
        cruising_to_island,
        at_island_refuel,
        at_island_wait,
        at_island_depart,
        returning_to_start,
        no_cruise
    };

    CruiseState_e cruise_state = no_cruise;
    double cruise_speed = 0.;
    std::shared_ptr<Island> first_island;
    std::shared_ptr<Island> cruise_destination;
    std::list<std::shared_ptr<Island>> islands_to_visit;

    bool is_on_cruise() const { return cruise_state != no_cruise; }
    void begin_cruise(std::shared_ptr<Island> island);
    void continue_cruise();
    void set_cruise_to(std::shared_ptr<Island> island);
    void end_cruise();
    void cancel_any_cruise();
    void set_cruise_state(CruiseState_e state) { cruise_state = state; }
};

#endif
