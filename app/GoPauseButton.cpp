#include "app/GoPauseButton.h"

#include "app/GUI_Controller.h"

GoPauseButton::GoPauseButton(GUI_Controller* controller_)
    : GUI::TextButton("GO"), controller(controller_) {}

GoPauseButton::~GoPauseButton() = default;

void GoPauseButton::operation() {
    if (controller->is_running())
        controller->command_pause();
    else
        controller->command_go();
}

void GoPauseButton::show_state() {
    set_text(controller->is_running() ? "Pause" : "GO");
}
