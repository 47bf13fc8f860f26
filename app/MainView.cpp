#include "app/MainView.h"

#include "app/GUI_Controller.h"
#include "gui/TextView.h"
#include "sim/Error.h"

namespace {
const SDL_Color bg = {170, 170, 170, 0};
const int message_width_c = 400;
const int message_height_c = 20;
const char* const line_joint_c = "; ";
const char* const ellipsis_c = "...";

// The line breaks of a message (a group's refusal has a line per member)
// have no glyph: its lines are shown one after the other instead.
std::string joined_lines(const std::string& message) {
    std::string joined;
    std::size_t start = 0;
    while (start < message.size()) {
        std::size_t end = message.find('\n', start);
        if (end == std::string::npos)
            end = message.size();
        if (end > start)
            joined += (joined.empty() ? "" : line_joint_c) + message.substr(start, end - start);
        start = end + 1;
    }
    return joined;
}

// How many letters, from the first, show whole on the view's first line.
std::size_t letters_shown(const GUI::TextView& view) {
    const auto& letters = view.get_letters();
    std::size_t shown = 0;
    while (shown < letters.size() && letters[shown].get_pos().y == letters.front().get_pos().y &&
           letters[shown].get_pos().x + letters[shown].get_width() <= view.get_w())
        ++shown;
    return shown;
}

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
    message_line->set_text(joined_lines(message));
    const std::string text = message_line->get_text();
    std::size_t kept = letters_shown(*message_line);
    // Text that would run off the line is cut short, and says so.
    while (letters_shown(*message_line) < message_line->get_letters().size() && kept > 0)
        message_line->set_text(text.substr(0, --kept) + ellipsis_c);
}

std::string MainView::get_message() const {
    return message_line->get_text();
}

void ErrorDisplayer::operator()(const Error& error) const {
    main_view->show_message(error.msg);
}
