#ifndef FLOTILLA_APP_GOPAUSEBUTTON_H
#define FLOTILLA_APP_GOPAUSEBUTTON_H

#include "gui/Button.h"

class GUI_Controller;

// Starts and stops simulated time; its label names what the next click does.
class GoPauseButton : public GUI::TextButton {
public:
    explicit GoPauseButton(GUI_Controller* controller_);
    ~GoPauseButton() override;

    void operation() override;
    bool is_running() const { return running == 1; }

private:
    GUI_Controller* controller;
    int running = 0;
};

#endif
