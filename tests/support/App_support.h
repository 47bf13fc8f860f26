#ifndef FLOTILLA_TESTS_SUPPORT_APP_SUPPORT_H
#define FLOTILLA_TESTS_SUPPORT_APP_SUPPORT_H

#include "support/Window_support.h"

#include "app/GUI_Controller.h"
#include "app/MainView.h"
#include "gui/App.h"
#include "views/MapViewController.h"

#include <string>

// The one controller of the process, made with the start-up world by the
// test main; the tests share it and its window.
GUI_Controller& controller();
// Hands text to the controller's own console, as if typed on its input;
// type_console then runs frames until the console has worked through it.
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
// The dialogue box on top, when one is open.
struct Dialogue_places {
    bool open = false;
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
