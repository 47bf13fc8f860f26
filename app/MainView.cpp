#include "app/MainView.h"

#include "app/GUI_Controller.h"
#include "gui/TextView.h"
#include "sim/Error.h"

namespace {
const SDL_Color bg = {170, 170, 170, 0};
const int message_width_c = 400;
const int message_height_c = 20;
} // namespace

MainView::MainView(int width, int height, GUI_Controller* controller_)
    : GUI::View(width, height), controller(controller_) {
    message_line = new GUI::TextView(message_width_c, message_height_c, false, false);
    fill_with_color(bg);
    attach_subview(message_line, GUI::DispPoint(width / 2 - message_width_c / 2,
                                                height - 30 + message_height_c / 2));
}

MainView::~MainView() = default;

bool MainView::handle_mouse_down(GUI::DispPoint position) {
    controller->command_open_bridge_view(position);
    return true;
}

void MainView::show_message(const std::string& message) {
    message_line->set_text(message);
}

std::string MainView::get_message() const {
    return message_line->get_text();
}

void ErrorDisplayer::operator()(const Error& error) const {
    // The messages end with a newline, which has no glyph: show the words.
    std::string shown = error.msg;
    while (!shown.empty() && shown.back() == '\n')
        shown.pop_back();
    main_view->show_message(shown);
}
