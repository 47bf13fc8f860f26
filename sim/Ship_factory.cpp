#include "sim/Ship_factory.h"

#include "sim/Cruise_ship.h"
#include "sim/Cruiser.h"
#include "sim/Error.h"
#include "sim/Ship_group.h"
#include "sim/Ship_kinds.h"
#include "sim/Tanker.h"
#include "sim/Torpedo_boat.h"

namespace {
const char* const error_UnknownShipType_c = "Trying to create ship of unknown type!\n";
const char* const error_UnknownGroupType_c = "Trying to create group of unknown type!\n";
const char* const error_NoKnownKind_c = "PROGRAMMING ERROR: OBJECT OF NO KNOWN KIND\n";

const char* const ship_group_c = "Ship_group";

template <typename Kind> std::shared_ptr<Ship> make(const std::string& name, Point position) {
    return std::make_shared<Kind>(name, position);
}

template <typename Kind> bool is(const Ship& ship) {
    return dynamic_cast<const Kind*>(&ship) != nullptr;
}

// The class behind each kind's row, in the order the kind names are compared.
struct Kind_class {
    const Ship_kind& kind;
    std::shared_ptr<Ship> (*make)(const std::string& name, Point position);
    bool (*made)(const Ship& ship);
};
const Kind_class kind_classes_c[] = {
    {Ship_kinds::tanker_c, make<Tanker>, is<Tanker>},
    {Ship_kinds::cruiser_c, make<Cruiser>, is<Cruiser>},
    {Ship_kinds::cruise_ship_c, make<Cruise_ship>, is<Cruise_ship>},
    {Ship_kinds::torpedo_boat_c, make<Torpedo_boat>, is<Torpedo_boat>},
};
} // namespace

std::shared_ptr<Ship> create_ship(const std::string& name, const std::string& type,
                                  Point position) {
    for (const Kind_class& kind_class : kind_classes_c) {
        if (type == kind_class.kind.name)
            return kind_class.make(name, position);
    }
    throw Error(error_UnknownShipType_c);
}

std::shared_ptr<Group> create_group(const std::string& name, const std::string& type) {
    if (type == ship_group_c)
        return std::make_shared<Ship_group>(name);
    throw Error(error_UnknownGroupType_c);
}

std::vector<std::string> ship_kind_names() {
    std::vector<std::string> names;
    for (const Kind_class& kind_class : kind_classes_c)
        names.push_back(kind_class.kind.name);
    return names;
}

std::string kind_name(const Ship& ship) {
    for (const Kind_class& kind_class : kind_classes_c) {
        if (kind_class.made(ship))
            return kind_class.kind.name;
    }
    throw Programming_Error(error_NoKnownKind_c);
}

std::string kind_name(const Group& group) {
    if (dynamic_cast<const Ship_group*>(&group))
        return ship_group_c;
    throw Programming_Error(error_NoKnownKind_c);
}
