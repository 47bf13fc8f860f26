#ifndef FLOTILLA_GUI_MSGNEW_H
#define FLOTILLA_GUI_MSGNEW_H

#include "gui/View.h"

#include <string>
#include <vector>

namespace GUI {

class Button;
class TextView;

// A grey panel with a message along the top and buttons along the bottom,
// added from the right. How it is shown is up to the subclass.
class MsgNew : public View {
public:
    MsgNew(int width, int height, const std::string& message, const std::vector<Button*>& buttons_);
    ~MsgNew() override;

    virtual void pop_up(int) = 0;

    void set_msg(const std::string& message);
    // Each button goes 180 pixels left of the one before; nothing checks
    // that it still fits.
    void add_button(Button* button);

private:
    std::vector<Button*> buttons;
    TextView* msg_view;
};

} // namespace GUI

#endif
