#include "sim/View.h"

#include <iterator>

void View::update_location(const std::string& name, Point location) {
    if (next_update != obj_locations.end() && next_update->first == name) {
        next_update->second = location;
        ++next_update;
        return;
    }
    next_update = std::next(obj_locations.insert_or_assign(name, location).first);
}

void View::update_remove(const std::string& name) {
    auto found = obj_locations.find(name);
    if (found == obj_locations.end())
        return;
    if (found == next_update)
        next_update = obj_locations.erase(found);
    else
        obj_locations.erase(found);
}

void View::clear() {
    obj_locations.clear();
    next_update = obj_locations.end();
}
