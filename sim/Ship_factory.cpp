#include "sim/Ship_factory.h"

#include "sim/Cruise_ship.h"
#include "sim/Cruiser.h"
#include "sim/Error.h"
#include "sim/Ship_group.h"
#include "sim/Tanker.h"
#include "sim/Torpedo_boat.h"

namespace {
const char* const error_UnknownShipType_c = "Trying to create ship of unknown type!\n";
const char* const error_UnknownGroupType_c = "Trying to create group of unknown type!\n";
} // namespace

std::shared_ptr<Ship> create_ship(const std::string& name, const std::string& type,
                                  Point position) {
    if (type == "Tanker")
        return std::make_shared<Tanker>(name, position);
    if (type == "Cruiser")
        return std::make_shared<Cruiser>(name, position);
    if (type == "Cruise_ship")
        return std::make_shared<Cruise_ship>(name, position);
    if (type == "Torpedo_boat")
        return std::make_shared<Torpedo_boat>(name, position);
    throw Error(error_UnknownShipType_c);
}

std::shared_ptr<Group> create_group(const std::string& name, const std::string& type) {
    if (type == "Ship_group")
        return std::make_shared<Ship_group>(name);
    throw Error(error_UnknownGroupType_c);
}
