#ifndef FLOTILLA_APP_GOPAUSEBUTTON_H
#define FLOTILLA_APP_GOPAUSEBUTTON_H

#include "gui/Button.h"

class GUI_Controller;

// Starts and stops simulated time; its label names what the next click does.
// Whether time runs is the controller's to know (the console starts and
// stops it too): the button only asks and shows.
class GoPauseButton : public GUI::TextButton {
public:
    explicit GoPauseButton(GUI_Controller* controller_);
    ~GoPauseButton() override;

    void operation() override;
    // Brings the label in line with the controller's state.
    void show_state();

private:
    GUI_Controller* controller;
};

#endif
