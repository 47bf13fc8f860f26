#ifndef FLOTILLA_SIM_SIM_OBJECT_H
#define FLOTILLA_SIM_SIM_OBJECT_H

#include "sim/Geometry.h"

#include <string>

// Anything placed in the world: it has a name, a place, a description and an
// update that the world runs once per tick.
class Sim_object {
public:
    explicit Sim_object(const std::string& name_) : name(name_) {}
    virtual ~Sim_object() = default;

    std::string get_name() const { return name; }
    // For the world's name-ordered sets, which compare names on every lookup.
    const std::string& get_name_ref() const { return name; }

    virtual Point get_location() const = 0;
    virtual void describe() const = 0;
    virtual void update() = 0;

private:
    const std::string name;
};

#endif
