#include "app/GoPauseButton.h"

#include "app/GUI_Controller.h"

GoPauseButton::GoPauseButton(GUI_Controller* controller_)
    : GUI::TextButton("GO"), controller(controller_) {}

GoPauseButton::~GoPauseButton() = default;

void GoPauseButton::operation() {
    if (running == 1) {
        set_text("GO");
        running = 0;
        controller->command_pause();
    } else {
        set_text("Pause");
        running = 1;
        controller->command_go();
    }
}
