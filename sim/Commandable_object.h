#ifndef FLOTILLA_SIM_COMMANDABLE_OBJECT_H
#define FLOTILLA_SIM_COMMANDABLE_OBJECT_H

#include "sim/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class Island;
class Ship;

// The command interface shared by single ships and groups, so that a caller can
// command either without knowing which it has. Every command refuses by
// default: ship commands with "not a Ship", group commands with "not a Group".
class Commandable_object : public std::enable_shared_from_this<Commandable_object> {
public:
    Commandable_object();
    virtual ~Commandable_object() = 0;

    // Counts up as objects are made. Groups keep their members in this order,
    // so that what a group does and says is the same on every run rather
    // than depending on where objects happen to lie in memory.
    std::uint64_t get_creation_serial() const { return creation_serial; }

    virtual std::string get_name() const = 0;

    // Group commands.
    virtual void add_member(std::shared_ptr<Commandable_object> member);
    virtual void remove_member(std::shared_ptr<Commandable_object> member);
    virtual std::shared_ptr<Commandable_object> get_closest_member(Point p);
    virtual std::size_t count() const;
    virtual bool is_empty() const;
    virtual bool is_member_present(std::shared_ptr<Commandable_object> target) const;

    // Ship queries and commands.
    virtual Point get_location() const;
    virtual bool can_move() const;
    virtual bool is_moving() const;
    virtual bool is_docked() const;
    virtual bool is_afloat() const;
    virtual bool can_dock(std::shared_ptr<Island> island) const;
    virtual double get_course() const;
    virtual void set_destination_position_and_speed(Point destination_, double speed);
    virtual void set_course_and_speed(double course, double speed);
    virtual void stop();
    virtual void dock(std::shared_ptr<Island> island);
    virtual void refuel();
    virtual void set_load_destination(std::shared_ptr<Island> island);
    virtual void set_unload_destination(std::shared_ptr<Island> island);
    virtual void attack(std::shared_ptr<Commandable_object> target);
    virtual void stop_attack();
    virtual void receive_hit(int hit_force, std::shared_ptr<Ship> attacker);

private:
    const std::uint64_t creation_serial;
};

#endif
