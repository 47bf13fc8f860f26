#include "App_test_support.h"

#include "gui/Drawing.h"
#include "gui/TextField.h"
#include "sim/Error.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "views/Bridge_view.h"
#include "views/Selection_box.h"

#include <cmath>
#include <list>

using GUI::DispPoint;

namespace {
using Names = std::list<std::string>;
const DispPoint free_sea(250, 50); // the world point (40, 40) at the start-up scale
} // namespace

class Map_and_panel : public App_test {
protected:
    static void click_icon(const std::string& name) {
        click_now(map().get_obj_images().at(name)->get_abs_pos() + DispPoint(2, 2));
    }
    static bool is_red_on_screen(int x, int y) {
        SDL_Surface* screen = app().get_window()->get_screen();
        Uint8 r, g, b;
        SDL_GetRGB(getpixel(screen, x, y), screen->format, &r, &g, &b);
        return r == 255 && g == 0 && b == 0;
    }
    static GUI::TextField* dialogue_field() {
        return dynamic_cast<GUI::TextField*>(view_at(place::field));
    }
    static void hold_stick_right(int frames) {
        mouse(SDL_MOUSEBUTTONDOWN, place::stick);
        mouse(SDL_MOUSEMOTION, place::stick_right, place::stick_right - place::stick);
        run_frames(frames);
        click_now(place::stick_right); // lets go; the stick springs back
    }
};

TEST_F(Map_and_panel, an_icon_click_toggles_its_halo_and_the_maps_selection) {
    GUI::View* icon = map().get_obj_images().at("Xerxes");
    const int width = icon->get_w();
    click_icon("Xerxes");
    EXPECT_EQ(map().get_selected_ships(), Names{"Xerxes"});
    EXPECT_EQ(icon->get_w(), width + 4);
    click_icon("Xerxes");
    EXPECT_TRUE(map().get_selected_ships().empty());
    EXPECT_EQ(icon->get_w(), width);
}

TEST_F(Map_and_panel, a_map_click_sends_the_selected_ships_until_an_island_is_met) {
    click_icon("Ajax");
    out.take();
    click_now(free_sea);
    const std::string sent = out.take();
    EXPECT_LT(sent.find("trying to find ship: Ajax\n"), sent.find("Ajax will sail on "));
    EXPECT_TRUE(found(sent, "to (40.00, 40.00)")) << sent;
    Model::get()->get_ship_ptr("Ajax")->stop();

    click_icon("Ajax");
    click_icon("Exxon");
    click_icon("Ajax");
    EXPECT_EQ(map().get_selected_ships(), (Names{"Exxon", "Ajax"}));
    out.take();
    click_now(free_sea);
    EXPECT_EQ(message_line(), "Ship not found!");
    EXPECT_FALSE(found(out.take(), "Ajax will sail on "));
    EXPECT_EQ(view_at(free_sea), &map()) << "the band went on the release";
    click_icon("Exxon");
    click_icon("Ajax");
}

// Dragged up and to the left, the band keeps its corner at the press point.
TEST_F(Map_and_panel, a_red_band_spans_the_drag_and_goes_on_release) {
    mouse(SDL_MOUSEBUTTONDOWN, free_sea);
    mouse(SDL_MOUSEMOTION, free_sea - DispPoint(30, 20), DispPoint(-30, -20));
    run_frames(1);
    auto* band = dynamic_cast<Selection_box*>(view_at(free_sea - DispPoint(1, 1)));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->get_abs_pos(), DispPoint(220, 30));
    EXPECT_EQ(DispPoint(band->get_w(), band->get_h()), DispPoint(30, 20));
    EXPECT_TRUE(is_red_on_screen(220, 30));
    mouse(SDL_MOUSEBUTTONUP, DispPoint(220, 30));
    run_frames(1);
    EXPECT_EQ(view_at(DispPoint(221, 31)), &map());
    EXPECT_FALSE(is_red_on_screen(249, 49));
}

TEST_F(Map_and_panel, attack_without_a_selection_opens_no_box) {
    click_now(place::attack);
    EXPECT_EQ(message_line(), "No Ship Selected!");
    EXPECT_EQ(dialogue_field(), nullptr);
}

TEST_F(Map_and_panel, a_target_box_keeps_a_wrong_name_and_attacks_the_right_one) {
    click_icon("Ajax");
    click_icon("Xerxes");
    click_now(place::attack);
    GUI::TextField* field = dialogue_field();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(app().timer_command_count(), timers + 2);

    click(place::field);
    type_text("Nobody");
    click_now(place::enter);
    EXPECT_EQ(message_line(), "Ship not found!");
    ASSERT_EQ(dialogue_field(), field);
    EXPECT_EQ(field->get_text(), "Nobody");

    click(place::field + DispPoint(200, 0)); // after the last letter
    for (int i = 0; i < 6; ++i)
        push_key(SDLK_BACKSPACE);
    type_text("Galactica");
    click_now(place::enter);
    EXPECT_TRUE(found(out.take(), "Ajax will attack Galactica\n"));
    EXPECT_EQ(dialogue_field(), nullptr);
    push_key('x'); // nothing of the closed box may still hear the keyboard
    run_frames(1);

    Model::get()->get_ship_ptr("Ajax")->stop_attack();
    click_icon("Ajax");
    click_icon("Xerxes");
}

TEST_F(Map_and_panel, a_ship_name_box_cancels_or_opens_the_bridge_where_the_click_was) {
    click_now(place::background);
    click(place::field);
    type_text("Galactica");
    click_now(place::cancel);
    EXPECT_EQ(dialogue_field(), nullptr);
    EXPECT_EQ(app().timer_command_count(), timers);
    push_key('x');
    run_frames(1);
    EXPECT_THROW(controller().get_bridge_view("Galactica"), Error);

    click_now(place::background);
    click(place::field);
    type_text("Pegasus");
    click_now(place::enter);
    EXPECT_TRUE(found(out.take(), "ship name: Pegasus\n"));
    EXPECT_EQ(dialogue_field(), nullptr);
    EXPECT_EQ(controller().get_bridge_view("Pegasus")->get_abs_pos(), place::background);
    controller().close_bridge_view("Pegasus");
}

TEST_F(Map_and_panel, the_zoom_slider_sets_the_map_scale_from_its_value) {
    click_now(place::zoom_middle);
    EXPECT_NEAR(map().get_scale(), std::log(11.) / 10., 1e-9);
    click_now(place::zoom_left);
    EXPECT_NEAR(map().get_scale(), std::log(2.) / 10., 1e-9);
    map().set_scale(0.2);
}

TEST_F(Map_and_panel, the_pan_stick_held_right_slides_the_map_each_frame) {
    const Point origin = map().get_origin();
    hold_stick_right(4);
    const std::string trace = out.take();
    const int frames = occurrences(trace, "OLD ORIGIN: ");
    EXPECT_GE(frames, 3);
    EXPECT_EQ(occurrences(trace, "OFFSET POINT: <0.60, 0.00>\n"), frames) << trace;
    EXPECT_NEAR(map().get_origin().x - origin.x, 0.6 * frames, 1e-9);
    EXPECT_NEAR(map().get_origin().y, origin.y, 1e-9);

    const Point released = map().get_origin();
    run_frames(2);
    EXPECT_FALSE(found(out.take(), "ANGLE: "));
    EXPECT_EQ(cartesian_distance(map().get_origin(), released), 0.);
    map().set_origin(origin);
}

TEST_F(Map_and_panel, a_closed_map_leaves_the_controls_inert_until_a_map_opens) {
    type_console("close_map\n");
    click_now(place::zoom_middle);
    hold_stick_right(2);
    click_now(place::attack);
    EXPECT_EQ(message_line(), "Map view is not open!");
    EXPECT_FALSE(found(out.take(), "ANGLE: "));
    EXPECT_EQ(view_at(DispPoint(150, 150)), controller().get_main_view());

    type_console("open_map\n");
    click_now(place::zoom_middle);
    EXPECT_NEAR(map().get_scale(), std::log(11.) / 10., 1e-9);
    map().set_scale(0.2);
    click_now(place::attack);
    EXPECT_EQ(message_line(), "No Ship Selected!");
}
