#ifndef FLOTILLA_TESTS_SUPPORT_APP_SUPPORT_H
#define FLOTILLA_TESTS_SUPPORT_APP_SUPPORT_H

#include "support/Window_support.h"

#include "app/GUI_Controller.h"
#include "app/MainView.h"
#include "gui/App.h"
#include "views/MapViewController.h"

#include <string>

// The process's one controller, with the start-up world and the window.
GUI_Controller& controller();
// Typed on the console's input; type_console also waits until it is worked through.
void console_input(const std::string& text);
void type_console(const std::string& text);

inline MapViewController& map() {
    return dynamic_cast<MapViewController&>(*controller().get_map_view());
}

// The window's controls, found where the views are.
struct Places {
    P go, attack, zoom_middle, stick, stick_right;
    P background; // the bare main view
    P free_sea;   // the world point (40, 40) on the map
};
Places places();
// The dialogue box on top; all (0, 0) when none is open.
struct Dialogue_places {
    P field, enter, cancel;
};
Dialogue_places dialogue_places();

// Tests share the start-up world: each one puts back what it changes.
class App_test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static void click_now(P at) { click(at), run_frames(1); }
    static std::string message_line() { return controller().get_main_view()->get_message(); }

    Output_capture out;
    std::size_t timers = 0;
};

#endif
