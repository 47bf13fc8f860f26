#include "gui/Controller.h"

#include "gui/App.h"

namespace GUI {

Controller::~Controller() {
    // A controller that dies holding focus would leave the event loop a
    // dangling pointer to deliver events to.
    if (App* app = App::get_if_created())
        app->release_focus(this);
}

void Controller::capture_focus() {
    App* app = App::get();
    if (app->has_focus(this))
        return;
    app->give_focus(this);
    got_focus();
}

void Controller::lose_focus() {
    App* app = App::get();
    if (!app->has_focus(this))
        return;
    app->release_focus(this);
    lost_focus();
}

} // namespace GUI
