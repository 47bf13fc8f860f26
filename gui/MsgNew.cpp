#include "gui/MsgNew.h"

#include "gui/Button.h"
#include "gui/TextView.h"

namespace GUI {

namespace {
const SDL_Color panel_grey_c = {187, 187, 187, 0};
const int message_text_size_c = 20;
const int button_spacing_c = 180;
const int button_row_from_bottom_c = 30;
} // namespace

MsgNew::MsgNew(int width, int height, const std::string& message,
               const std::vector<Button*>& buttons_)
    : View(width, height) {
    msg_view = new TextView(width - 10, height - 10, false, false);
    attach_subview(msg_view, DispPoint(width / 2 - msg_view->get_w() / 2, 5));
    fill_with_color(panel_grey_c);
    set_msg(message);
    msg_view->set_text_size(message_text_size_c);
    for (Button* button : buttons_)
        add_button(button);
}

MsgNew::~MsgNew() = default;

void MsgNew::set_msg(const std::string& message) {
    msg_view->set_text(message);
}

void MsgNew::add_button(Button* button) {
    const int placed = static_cast<int>(buttons.size());
    attach_subview(button, DispPoint(get_w() - button_spacing_c - button_spacing_c * placed,
                                     get_h() - button_row_from_bottom_c));
    buttons.push_back(button);
}

} // namespace GUI
