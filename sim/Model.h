#ifndef FLOTILLA_SIM_MODEL_H
#define FLOTILLA_SIM_MODEL_H

#include "sim/Commandable_object.h"
#include "sim/Sim_object.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

class Group;
class Island;
class Ship;
class View;

inline const std::string& name_key(const Sim_object& object) {
    return object.get_name_ref();
}
inline std::string name_key(const Commandable_object& object) {
    return object.get_name();
}

// Orders shared pointers by their objects' names, byte-wise; Named picks the
// base whose name is meant where a class has two. Transparent, so a set can
// be searched by a bare name.
template <typename T, typename Named = T> struct compare_ptr_by_name {
    using is_transparent = void;

    bool operator()(const std::shared_ptr<T>& a, const std::shared_ptr<T>& b) const {
        return name_key(static_cast<const Named&>(*a)) < name_key(static_cast<const Named&>(*b));
    }
    bool operator()(const std::shared_ptr<T>& a, const std::string& b) const {
        return name_key(static_cast<const Named&>(*a)) < b;
    }
    bool operator()(const std::string& a, const std::shared_ptr<T>& b) const {
        return a < name_key(static_cast<const Named&>(*b));
    }
};

// The one simulated world. It owns every island, ship and group, finds them by
// name, advances them a tick at a time and tells the attached views where
// everything is. Adding never checks names: callers check is_name_in_use.
class Model {
public:
    using Island_set = std::set<std::shared_ptr<Island>, compare_ptr_by_name<Island, Sim_object>>;
    using Ship_set = std::set<std::shared_ptr<Ship>, compare_ptr_by_name<Ship, Sim_object>>;
    using Group_set =
        std::set<std::shared_ptr<Group>, compare_ptr_by_name<Group, Commandable_object>>;

    static Model* get();

    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    double get_time_incr() const { return time_incr; }

    Island_set::const_iterator islands_begin_iter() const { return islands.begin(); }
    Island_set::const_iterator islands_end_iter() const { return islands.end(); }
    Ship_set::const_iterator ships_begin_iter() const { return ships.begin(); }
    Ship_set::const_iterator ships_end_iter() const { return ships.end(); }
    Group_set::const_iterator groups_begin_iter() const { return groups.begin(); }
    Group_set::const_iterator groups_end_iter() const { return groups.end(); }

    // Islands, ships and groups share one name space.
    bool is_name_in_use(const std::string& name) const;
    bool is_island_present(const std::string& name) const;
    bool is_ship_present(const std::string& name) const;
    bool is_group_present(const std::string& name) const;
    bool is_cmnd_obj_present(const std::string& name) const;

    std::shared_ptr<Island> get_island_ptr(const std::string& name) const;
    std::shared_ptr<Ship> get_ship_ptr(const std::string& name) const;
    std::shared_ptr<Group> get_group_ptr(const std::string& name) const;
    std::shared_ptr<Commandable_object> get_cmnd_obj_ptr(const std::string& name) const;
    // The first island in name order exactly at (x, y).
    std::shared_ptr<Island> get_island_ptr_from_location(double x, double y) const;

    void add_island(std::shared_ptr<Island> island);
    void add_ship(std::shared_ptr<Ship> ship);
    void add_group(std::shared_ptr<Group> group);
    // Views hear of the removal first; they are not told every location again.
    void remove_ship(std::shared_ptr<Ship> ship);
    void remove_group(std::shared_ptr<Group> group);

    // A newly attached view is told every object's location at once.
    void attach(std::shared_ptr<View> view);
    void detach(std::shared_ptr<View> view);
    void update_view_with_all_objects(std::shared_ptr<View> view);
    void update_all_views();

    // One tick: objects, then groups, then every view hears every location,
    // then sunk ships leave the world. An object's exception ends the tick.
    void update();
    void describe() const;
    // Empties the world and forgets every view; the tick length stays.
    void clear();
    // Empties the world but keeps the views: each hears of every island's
    // and ship's removal, as of a ship that sank.
    void remove_all_objects();

private:
    Model();
    ~Model();
    friend class Model_destroyer;

    static Model* singleton_ptr;

    const double time_incr;
    std::set<std::shared_ptr<Sim_object>, compare_ptr_by_name<Sim_object>> objects;
    Island_set islands;
    Ship_set ships;
    Group_set groups;
    std::set<std::shared_ptr<Commandable_object>, compare_ptr_by_name<Commandable_object>>
        cmnd_objs;
    std::set<std::shared_ptr<View>> views;

    // The per-tick walks, in the same name order, over contiguous arrays
    // instead of tree nodes scattered through the heap; rebuilt on the first
    // tick after the world gains or loses an object.
    std::vector<Sim_object*> objects_in_order;
    std::vector<Ship*> ships_in_order;
    bool walk_orders_stale = true;
    void refresh_walk_orders();

    // False from the start of a tick until its views have been told every
    // location: a tick an object's exception cut short leaves them behind.
    bool views_know_every_location = true;
    void update_views_after_adding(const Sim_object& object);
};

#endif
