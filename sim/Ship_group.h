#ifndef FLOTILLA_SIM_SHIP_GROUP_H
#define FLOTILLA_SIM_SHIP_GROUP_H

#include "sim/Group.h"

// A group that passes every ship command on to each of its members, nested
// groups included, and drops members that have sunk or no longer exist.
class Ship_group : public Group {
public:
    explicit Ship_group(std::string name_) : Group(std::move(name_)) {}
    ~Ship_group() override;

    void set_destination_position_and_speed(Point destination_, double speed) override;
    void set_course_and_speed(double course, double speed) override;
    void stop() override;
    void dock(std::shared_ptr<Island> island) override;
    void refuel() override;
    void set_load_destination(std::shared_ptr<Island> island) override;
    void set_unload_destination(std::shared_ptr<Island> island) override;
    void attack(std::shared_ptr<Commandable_object> target) override;
    void stop_attack() override;

    void update() override;
    void describe() const override;
};

#endif
