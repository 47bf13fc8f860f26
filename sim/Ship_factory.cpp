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
const char* const error_NoKnownKind_c = "PROGRAMMING ERROR: OBJECT OF NO KNOWN KIND\n";

const char* const tanker_c = "Tanker";
const char* const cruiser_c = "Cruiser";
const char* const cruise_ship_c = "Cruise_ship";
const char* const torpedo_boat_c = "Torpedo_boat";
const char* const ship_group_c = "Ship_group";
} // namespace

std::shared_ptr<Ship> create_ship(const std::string& name, const std::string& type,
                                  Point position) {
    if (type == tanker_c)
        return std::make_shared<Tanker>(name, position);
    if (type == cruiser_c)
        return std::make_shared<Cruiser>(name, position);
    if (type == cruise_ship_c)
        return std::make_shared<Cruise_ship>(name, position);
    if (type == torpedo_boat_c)
        return std::make_shared<Torpedo_boat>(name, position);
    throw Error(error_UnknownShipType_c);
}

std::shared_ptr<Group> create_group(const std::string& name, const std::string& type) {
    if (type == ship_group_c)
        return std::make_shared<Ship_group>(name);
    throw Error(error_UnknownGroupType_c);
}

std::string kind_name(const Ship& ship) {
    if (dynamic_cast<const Tanker*>(&ship))
        return tanker_c;
    if (dynamic_cast<const Cruiser*>(&ship))
        return cruiser_c;
    if (dynamic_cast<const Cruise_ship*>(&ship))
        return cruise_ship_c;
    if (dynamic_cast<const Torpedo_boat*>(&ship))
        return torpedo_boat_c;
    throw Programming_Error(error_NoKnownKind_c);
}

std::string kind_name(const Group& group) {
    if (dynamic_cast<const Ship_group*>(&group))
        return ship_group_c;
    throw Programming_Error(error_NoKnownKind_c);
}
