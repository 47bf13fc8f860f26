#ifndef FLOTILLA_APP_MAINVIEW_H
#define FLOTILLA_APP_MAINVIEW_H

#include "gui/View.h"

#include <string>

class Error;
class GUI_Controller;

namespace GUI {
class TextView;
}

// The window's grey background with the message line at the bottom. A click
// on it asks for a ship whose bridge view to open there.
class MainView : public GUI::View {
public:
    MainView(int width, int height, GUI_Controller* controller_);
    ~MainView() override;

    bool handle_mouse_down(GUI::DispPoint position) override;

    // Shows the message's lines on the one line, joined by "; " and cut
    // short with "..." where they would run past its end.
    void show_message(const std::string& message);
    std::string get_message() const;

private:
    GUI::TextView* message_line;
    GUI_Controller* controller;
};

// Shows every simulation error that reaches the event loop in the message
// line, where it stays until the next one.
class ErrorDisplayer {
public:
    explicit ErrorDisplayer(MainView* main_view_) : main_view(main_view_) {}
    void operator()(const Error& error) const;

private:
    MainView* main_view;
};

#endif
