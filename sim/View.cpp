#include "sim/View.h"

#include <iterator>

void View::update_location(const std::string& name, Point location) {
    obj_locations[name] = location;
}

void View::update_remove(const std::string& name) {
    obj_locations.erase(name);
}

void View::clear() {
    obj_locations.clear();
}
