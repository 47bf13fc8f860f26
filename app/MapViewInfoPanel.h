#ifndef FLOTILLA_APP_MAPVIEWINFOPANEL_H
#define FLOTILLA_APP_MAPVIEWINFOPANEL_H

#include "gui/ValueSlider.h"
#include "gui/View.h"

class GUI_Controller;
class GoPauseButton;
class MapViewController;

namespace GUI {
class GUITimer_command;
}

// The map's zoom slider: its value v from 2 to 20 sets the scale ln(v) / 10.
// Until it is touched it shows the scale of the map it is given, so that the
// first touch does not jump the zoom. Without an open map it does nothing.
class MapZoomer : public GUI::Value_Horiz_Slider {
public:
    MapZoomer(int length, MapViewController* map_controller_);
    ~MapZoomer() override;

    bool handle_mouse_down(GUI::DispPoint position) override;
    bool handle_mouse_up(GUI::DispPoint position) override;
    bool handle_mouse_motion(GUI::DispPoint position, GUI::DispPoint rel) override;

    void set_new_scale();
    void set_map_controller(MapViewController* map);

private:
    MapViewController* map_controller;

    void show_map_scale();
};

// The control panel: zoom, pan, "ATTACK" and the run/pause button. The pan
// stick slides the map while it is held deflected; with the map closed, zoom
// and pan rest until a map is open again.
class MapViewInfoPanel : public GUI::View {
public:
    MapViewInfoPanel(MapViewController* map_controller_, GUI_Controller* controller_);
    ~MapViewInfoPanel() override;

    bool handle_mouse_down(GUI::DispPoint) override { return true; }

    // Runs every frame.
    void check_pan();
    void set_map_controller(MapViewController* map);
    GoPauseButton* get_go_pause_button() const { return go_pause_button; }

private:
    MapZoomer* zoomer;
    GUI::Value_Joystick_Slider* pan_stick;
    MapViewController* map_controller;
    GUI_Controller* controller;
    GoPauseButton* go_pause_button;
    GUI::GUITimer_command* pan_timer = nullptr;
};

#endif
