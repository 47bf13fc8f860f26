#include "sim/Model.h"

#include "sim/Error.h"
#include "sim/Group.h"
#include "sim/Island.h"
#include "sim/Ship.h"
#include "sim/View.h"

#include <vector>

namespace {
const char* const error_IslandNotFound_c = "Island not found!\n";
const char* const error_ShipNotFound_c = "Ship not found!\n";
const char* const error_GroupNotFound_c = "Group not found!\n";
const char* const error_CmndObjNotFound_c = "Commandable_object not found!\n";

const double time_incr_c = 0.005; // hours per tick

// The sets are keyed by name, so a lookup by name is a search of the ordering.
template <typename Container>
typename Container::const_iterator find_in_container(const std::string& name,
                                                     const Container& container) {
    return container.find(name);
}

template <typename Container>
bool present_in_container(const std::string& name, const Container& container) {
    return find_in_container(name, container) != container.end();
}

template <typename Container>
typename Container::value_type get_from_container(const std::string& name,
                                                  const Container& container) {
    auto it = find_in_container(name, container);
    return it == container.end() ? typename Container::value_type() : *it;
}

template <typename Container>
typename Container::value_type get_or_throw(const std::string& name, const Container& container,
                                            const char* error_message) {
    auto found = get_from_container(name, container);
    if (!found)
        throw Error(error_message);
    return found;
}

class Island_ptr_matches_location {
public:
    explicit Island_ptr_matches_location(Point location_) : location(location_) {}
    bool operator()(const std::shared_ptr<Island>& island) const {
        return island->get_location() == location;
    }

private:
    Point location;
};

} // namespace

Model* Model::singleton_ptr = nullptr;

// Deletes the world at program exit, so that everything it owns is released
// in an orderly way rather than leaked.
class Model_destroyer {
public:
    ~Model_destroyer() {
        delete Model::singleton_ptr;
        Model::singleton_ptr = nullptr;
    }
};

namespace {
Model_destroyer the_destroyer;
}

Model* Model::get() {
    if (!singleton_ptr)
        singleton_ptr = new Model;
    return singleton_ptr;
}

Model::Model() : time_incr(time_incr_c) {}

Model::~Model() = default;

bool Model::is_name_in_use(const std::string& name) const {
    return present_in_container(name, objects) || present_in_container(name, cmnd_objs);
}

bool Model::is_island_present(const std::string& name) const {
    return present_in_container(name, islands);
}

bool Model::is_ship_present(const std::string& name) const {
    return present_in_container(name, ships);
}

bool Model::is_group_present(const std::string& name) const {
    return present_in_container(name, groups);
}

bool Model::is_cmnd_obj_present(const std::string& name) const {
    return present_in_container(name, cmnd_objs);
}

std::shared_ptr<Island> Model::get_island_ptr(const std::string& name) const {
    return get_or_throw(name, islands, error_IslandNotFound_c);
}

std::shared_ptr<Ship> Model::get_ship_ptr(const std::string& name) const {
    return get_or_throw(name, ships, error_ShipNotFound_c);
}

std::shared_ptr<Group> Model::get_group_ptr(const std::string& name) const {
    return get_or_throw(name, groups, error_GroupNotFound_c);
}

std::shared_ptr<Commandable_object> Model::get_cmnd_obj_ptr(const std::string& name) const {
    return get_or_throw(name, cmnd_objs, error_CmndObjNotFound_c);
}

std::shared_ptr<Island> Model::get_island_ptr_from_location(double x, double y) const {
    Island_ptr_matches_location matches(Point(x, y));
    for (const auto& island : islands) {
        if (matches(island))
            return island;
    }
    throw Error(error_IslandNotFound_c);
}

void Model::add_island(std::shared_ptr<Island> island) {
    islands.insert(island);
    objects.insert(island);
    walk_orders_stale = true;
    update_views_after_adding(*island);
}

void Model::add_ship(std::shared_ptr<Ship> ship) {
    ships.insert(ship);
    cmnd_objs.insert(ship);
    objects.insert(ship);
    walk_orders_stale = true;
    update_views_after_adding(*ship);
}

void Model::update_views_after_adding(const Sim_object& object) {
    // Every view must end up knowing where everything is. When the views
    // already know where everything else is, telling them of the newcomer
    // is enough, and adding thousands of ships stays linear.
    if (!views_know_every_location) {
        update_all_views();
        return;
    }
    for (const auto& view : views)
        view->update_location(object.get_name_ref(), object.get_location());
}

void Model::add_group(std::shared_ptr<Group> group) {
    groups.insert(group);
    cmnd_objs.insert(group);
}

void Model::remove_ship(std::shared_ptr<Ship> ship) {
    const std::string& name = ship->get_name_ref();
    for (const auto& view : views)
        view->update_remove(name);
    ships.erase(ship);
    cmnd_objs.erase(ship);
    objects.erase(ship);
    walk_orders_stale = true;
}

void Model::remove_group(std::shared_ptr<Group> group) {
    groups.erase(group);
    cmnd_objs.erase(group);
}

void Model::attach(std::shared_ptr<View> view) {
    views.insert(view);
    update_view_with_all_objects(view);
}

void Model::detach(std::shared_ptr<View> view) {
    views.erase(view);
}

void Model::update_view_with_all_objects(std::shared_ptr<View> view) {
    for (const auto& object : objects)
        view->update_location(object->get_name_ref(), object->get_location());
}

void Model::update_all_views() {
    if (views.empty()) {
        views_know_every_location = true;
        return;
    }
    refresh_walk_orders();
    // Object by object rather than view by view: each view still hears every
    // object in name order, and the world is walked once instead of once per
    // view.
    for (const Sim_object* object : objects_in_order) {
        const std::string& name = object->get_name_ref();
        const Point location = object->get_location();
        for (const auto& view : views)
            view->update_location(name, location);
    }
    views_know_every_location = true;
}

void Model::update() {
    // Until the views hear of this tick, what they know is out of date.
    views_know_every_location = false;
    refresh_walk_orders();
    for (Sim_object* object : objects_in_order)
        object->update();
    for (const auto& group : groups)
        group->update();
    update_all_views();

    std::vector<std::shared_ptr<Ship>> sunk_ships;
    for (const Ship* ship : ships_in_order) {
        if (ship->is_sunk())
            sunk_ships.push_back(get_ship_ptr(ship->get_name_ref()));
    }
    for (const auto& ship : sunk_ships)
        remove_ship(ship);
}

void Model::refresh_walk_orders() {
    if (!walk_orders_stale)
        return;
    objects_in_order.clear();
    for (const auto& object : objects)
        objects_in_order.push_back(object.get());
    ships_in_order.clear();
    for (const auto& ship : ships)
        ships_in_order.push_back(ship.get());
    walk_orders_stale = false;
}

void Model::describe() const {
    for (const auto& object : objects)
        object->describe();
    for (const auto& group : groups)
        group->describe();
}

void Model::remove_all_objects() {
    for (const auto& object : objects) {
        for (const auto& view : views)
            view->update_remove(object->get_name_ref());
    }
    objects.clear();
    ships.clear();
    islands.clear();
    groups.clear();
    cmnd_objs.clear();
    walk_orders_stale = true;
    views_know_every_location = true;
}

void Model::clear() {
    views.clear();
    remove_all_objects();
}
