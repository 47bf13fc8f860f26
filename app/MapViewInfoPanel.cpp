#include "app/MapViewInfoPanel.h"

#include "app/GUI_Controller.h"
#include "app/GoPauseButton.h"
#include "gui/App.h"
#include "gui/Button.h"
#include "gui/TextView.h"
#include "gui/Trace.h"
#include "sim/Error.h"
#include "views/MapViewController.h"

#include <algorithm>
#include <cmath>
#include <iostream>

namespace {
const SDL_Color panel_grey_c = {136, 136, 136, 0};
const int panel_width_c = 200;
const int panel_height_c = 300;
const int zoomer_length_c = 50;
const int pan_stick_radius_c = 15;
const double zoom_max_c = 20.;
const double zoom_min_c = 2.;
const double pan_dead_zone_c = 0.01;
const double pan_speed_per_scale_c = 3.; // pixels' worth of world per frame at full tilt
const double pi_c = 3.14159265358979323846;

GUI::TextView* caption(const std::string& text) {
    auto* view = new GUI::TextView(50, 20, false, false);
    view->set_text(text);
    return view;
}
} // namespace

MapZoomer::MapZoomer(int length, MapViewController* map_controller_)
    : GUI::Value_Horiz_Slider(length), map_controller(map_controller_) {
    set_max(zoom_max_c);
    set_min(zoom_min_c);
    set_new_value(zoom_min_c);
    show_map_scale();
}

MapZoomer::~MapZoomer() = default;

void MapZoomer::set_map_controller(MapViewController* map) {
    map_controller = map;
    show_map_scale();
}

void MapZoomer::show_map_scale() {
    if (map_controller)
        set_new_value(
            std::clamp(std::exp(map_controller->get_scale() * 10.), zoom_min_c, zoom_max_c));
}

void MapZoomer::set_new_scale() {
    if (map_controller)
        map_controller->set_scale(std::log(get_value()) / 10.);
}

bool MapZoomer::handle_mouse_down(GUI::DispPoint position) {
    GUI::Value_Horiz_Slider::handle_mouse_down(position);
    set_new_scale();
    return true;
}

bool MapZoomer::handle_mouse_up(GUI::DispPoint position) {
    GUI::Value_Slider::handle_mouse_up(position);
    set_new_scale();
    return true;
}

bool MapZoomer::handle_mouse_motion(GUI::DispPoint position, GUI::DispPoint rel) {
    GUI::Value_Horiz_Slider::handle_mouse_motion(position, rel);
    if (get_clicked())
        set_new_scale();
    return true;
}

MapViewInfoPanel::MapViewInfoPanel(MapViewController* map_controller_, GUI_Controller* controller_)
    : GUI::View(panel_width_c, panel_height_c), map_controller(map_controller_),
      controller(controller_) {
    zoomer = new MapZoomer(zoomer_length_c, map_controller);
    pan_stick = new GUI::Value_Joystick_Slider(pan_stick_radius_c);
    fill_with_color(panel_grey_c);
    attach_subview(caption("Zoom"), GUI::DispPoint(10, 25));
    attach_subview(zoomer, GUI::DispPoint(10, 50));
    attach_subview(caption("Pan"), GUI::DispPoint(10, 70));
    attach_subview(pan_stick, GUI::DispPoint(10, 95));
    pan_timer = GUI::App::get()->repeat_on_timer([this] { check_pan(); }, -1.0, true);
    GUI_Controller* owner = controller;
    attach_subview(
        GUI::create_button([owner] { owner->command_ship_attack(owner->get_selected_ship()); },
                           "ATTACK"),
        GUI::DispPoint(10, 150));
    go_pause_button = new GoPauseButton(controller);
    attach_subview(go_pause_button, GUI::DispPoint(10, 200));
}

MapViewInfoPanel::~MapViewInfoPanel() {
    GUI::App::get()->cancel_timer_op(pan_timer);
}

void MapViewInfoPanel::set_map_controller(MapViewController* map) {
    map_controller = map;
    zoomer->set_map_controller(map);
}

void MapViewInfoPanel::check_pan() {
    const double d = pan_stick->get_percent();
    if (!(d > pan_dead_zone_c) || !map_controller)
        return;
    const double speed = map_controller->get_scale() * pan_speed_per_scale_c * d;
    const double angle = pan_stick->get_angle() * pi_c / 180.;
    const Point origin = map_controller->get_origin();
    const Polar_vector offset(speed, angle);
    const Cartesian_vector offset_point(speed * std::cos(angle), speed * std::sin(angle));
    GUI::trace_out() << "ANGLE: " << angle << '\n'
                     << "SPEED: " << speed << '\n'
                     << "OFFSET: " << offset << '\n'
                     << "OLD ORIGIN: " << origin << '\n'
                     << "NEW ORIGIN: " << origin + offset << '\n'
                     << "OFFSET POINT: " << offset_point << '\n'
                     << "NEW ORIGIN: " << origin + offset_point << '\n';
    map_controller->set_origin(origin + offset_point);
}
