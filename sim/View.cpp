#include "sim/View.h"

#include <algorithm>
#include <iterator>

namespace {

bool name_before(const std::pair<std::string, Point>& entry, const std::string& name) {
    return entry.first < name;
}

} // namespace

void View::update_location(const std::string& name, Point location) {
    if (next_update < obj_locations.size() && obj_locations[next_update].first == name) {
        obj_locations[next_update++].second = location;
        return;
    }
    auto found = std::lower_bound(obj_locations.begin(), obj_locations.end(), name, name_before);
    if (found != obj_locations.end() && found->first == name) {
        found->second = location;
        next_update = static_cast<std::size_t>(found - obj_locations.begin()) + 1;
        return;
    }
    newcomers.insert_or_assign(name, location);
}

void View::update_remove(const std::string& name) {
    if (newcomers.erase(name))
        return;
    auto found = std::lower_bound(obj_locations.begin(), obj_locations.end(), name, name_before);
    if (found == obj_locations.end() || found->first != name)
        return;
    const std::size_t index = static_cast<std::size_t>(found - obj_locations.begin());
    obj_locations.erase(found);
    if (index < next_update)
        --next_update;
}

void View::clear() {
    obj_locations.clear();
    newcomers.clear();
    next_update = 0;
}

const View::Locations& View::get_obj_locations() const {
    merge_newcomers();
    return obj_locations;
}

void View::merge_newcomers() const {
    if (newcomers.empty())
        return;
    Locations merged;
    merged.reserve(obj_locations.size() + newcomers.size());
    std::merge(std::make_move_iterator(obj_locations.begin()),
               std::make_move_iterator(obj_locations.end()), newcomers.begin(), newcomers.end(),
               std::back_inserter(merged),
               [](const auto& a, const auto& b) { return a.first < b.first; });
    obj_locations.swap(merged);
    newcomers.clear();
    next_update = 0;
}
