#ifndef FLOTILLA_SIM_SHIP_FACTORY_H
#define FLOTILLA_SIM_SHIP_FACTORY_H

#include "sim/Geometry.h"

#include <memory>
#include <string>
#include <vector>

class Group;
class Ship;

// Makes ships and groups by kind name, matched exactly, so that nothing else
// names the concrete classes. Neither checks the name nor adds to the world.
std::shared_ptr<Ship> create_ship(const std::string& name, const std::string& type, Point position);
std::shared_ptr<Group> create_group(const std::string& name, const std::string& type);
// Every kind create_ship makes, in the order it compares them.
std::vector<std::string> ship_kind_names();
// The kind name the object was made with.
std::string kind_name(const Ship& ship);
std::string kind_name(const Group& group);

#endif
