#include "views/MapViewController.h"

#include "gui/Trace.h"
#include "sim/Error.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "views/Selection_box.h"

#include <algorithm>
#include <iostream>

namespace {
const double map_click_speed_c = 10.;
const char* const error_NoShipSelected_c = "No Ship Selected!";
} // namespace

MapViewController::MapViewController(IconController* controller_) : Map_view(controller_) {}

MapViewController::~MapViewController() = default;

bool MapViewController::handle_mouse_down(GUI::DispPoint position) {
    attach_subview(new Selection_box, position);
    const Point destination = dispToPoint(position);
    for (const std::string& name : selected_ships) {
        GUI::trace_out() << "trying to find ship: " << name << '\n';
        Model::get()->get_ship_ptr(name)->set_destination_position_and_speed(destination,
                                                                             map_click_speed_c);
    }
    return true;
}

void MapViewController::update_remove(const std::string& name) {
    Map_view::update_remove(name);
    // Kept, the name would have no icon to deselect it by, and would send
    // (without a halo) a later object of the same name.
    remove_selected_ship(name);
}

void MapViewController::icon_toggled(const std::string& name, bool selected) {
    if (selected)
        add_selected_ship(name);
    else
        remove_selected_ship(name);
}

void MapViewController::add_selected_ship(const std::string& name) {
    if (std::find(selected_ships.begin(), selected_ships.end(), name) == selected_ships.end())
        selected_ships.push_back(name);
}

void MapViewController::remove_selected_ship(const std::string& name) {
    auto found = std::find(selected_ships.begin(), selected_ships.end(), name);
    if (found != selected_ships.end())
        selected_ships.erase(found);
}

std::shared_ptr<Commandable_object> MapViewController::get_selected() {
    if (selected_ships.empty())
        throw Error(error_NoShipSelected_c);
    GUI::trace_out() << "trying to find ship: " << selected_ships.front() << '\n';
    return Model::get()->get_ship_ptr(selected_ships.front());
}
