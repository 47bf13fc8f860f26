#include "support/App_support.h"

#include "app/GoPauseButton.h"
#include "app/MapViewInfoPanel.h"
#include "gui/App.h"
#include "gui/Button.h"
#include "gui/MsgNew.h"
#include "gui/TextField.h"

Places places() {
    Places at;
    at.go = centre_of(*find_view<GoPauseButton>());
    at.zoom_middle = centre_of(*find_view<MapZoomer>());
    at.stick = centre_of(*find_view<GUI::Value_Joystick_Slider>());
    at.stick_right = at.stick + P(15, 0);
    // The panel's other button.
    const GUI::View* panel = find_view<MapViewInfoPanel>();
    for (int y = 0; y < panel->get_h(); y += 4) {
        const P inside = panel->get_abs_pos() + P(panel->get_w() / 2, y);
        for (GUI::View* view = view_at(inside); view && view != panel; view = view->get_parent())
            if (dynamic_cast<GUI::Button*>(view) && !dynamic_cast<GoPauseButton*>(view))
                at.attack = centre_of(*view);
    }
    const P size = test_window().get_dim();
    for (int y = 0; y < size.y && at.background == P(0, 0); y += 10)
        for (int x = size.x - 10; x > 0 && at.background == P(0, 0); x -= 10)
            if (view_at(P(x, y)) == controller().get_main_view())
                at.background = P(x, y);
    int x = 0, y = 0;
    map().get_subscripts(x, y, Point(40., 40.));
    at.free_sea = map().get_abs_pos() + P(x, y);
    return at;
}

Dialogue_places dialogue_places() {
    Dialogue_places at;
    const GUI::View* box = find_view<GUI::MsgNew>();
    auto* field = find_view<GUI::TextField>();
    if (!box || !field)
        return at;
    at.field = centre_of(*field);
    // "Enter" is the first button, and buttons fill the row from the right.
    for (int x = 0; x < box->get_w(); x += 4)
        for (int y = 0; y < box->get_h(); y += 4)
            for (GUI::View* view = view_at(box->get_abs_pos() + P(x, y)); view && view != box;
                 view = view->get_parent())
                if (dynamic_cast<GUI::Button*>(view)) {
                    const P centre = centre_of(*view);
                    if (at.cancel == P(0, 0) || centre.x < at.cancel.x)
                        at.cancel = centre;
                    if (centre.x > at.enter.x)
                        at.enter = centre;
                }
    return at;
}

void App_test::SetUp() {
    timers = GUI::App::get()->timer_command_count();
}

void App_test::TearDown() {
    // A dialogue box's text field and a running world have timers.
    EXPECT_EQ(GUI::App::get()->timer_command_count(), timers) << "a test left something running";
    for (SDL_Event left; SDL_PollEvent(&left);) {
    }
}
