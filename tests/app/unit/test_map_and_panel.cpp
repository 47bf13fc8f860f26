#include "support/App_support.h"

#include "app/MapViewInfoPanel.h"
#include "gui/Drawing.h"
#include "gui/TextField.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "views/Bridge_view.h"
#include "views/Selection_box.h"

#include <cmath>

class MapAndPanel : public App_test {
protected:
    static GUI::TextField* dialogue_field() { return find_view<GUI::TextField>(); }
    const Places at = places();
    // A point on the picture of an object's icon on the map.
    static P on_picture(const std::string& name) {
        return map().get_obj_images().at(name)->get_abs_pos() + P(5, 17);
    }
};

// Dragged up and to the left, the band keeps its corner at the press point;
// once under the pointer it hears each move twice, and must not grow twice.
TEST_F(MapAndPanel, AMapPressSendsTheSelectionAndARedBandSpansTheDrag) {
    SDL_Surface* screen = GUI::App::get()->get_window()->get_screen();
    const Uint32 red = SDL_MapRGB(screen->format, 255, 0, 0);
    click_now(on_picture("Ajax"));
    push_mouse(SDL_MOUSEBUTTONDOWN, at.free_sea);
    const P corner = at.free_sea - P(30, 20);
    push_mouse(SDL_MOUSEMOTION, corner, P(-30, -20));
    run_frames(1);
    EXPECT_TRUE(contains(out.take(), "speed 10.00 nm/hr to (40.00, 40.00)"));
    auto* band = dynamic_cast<Selection_box*>(view_at(at.free_sea - P(1, 1)));
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->get_abs_pos(), corner);
    EXPECT_EQ(P(band->get_w(), band->get_h()), P(30, 20));
    EXPECT_EQ(getpixel(screen, corner.x, corner.y), red);
    push_mouse(SDL_MOUSEBUTTONUP, corner);
    run_frames(1);
    EXPECT_EQ(view_at(corner + P(1, 1)), &map());
    EXPECT_NE(getpixel(screen, at.free_sea.x - 1, at.free_sea.y - 1), red);

    Model::get()->get_ship_ptr("Ajax")->stop();
    // A second click takes it out of what a press sends.
    click_now(on_picture("Ajax"));
    EXPECT_TRUE(map().get_selected_ships().empty());
}

// Icons are wider than their pictures (their names run on): at start
// Xerxes's icon lies over Galactica's blip.
TEST_F(MapAndPanel, APressOnTheClearPartOfAnIconReachesWhatLiesBeneath) {
    click_now(on_picture("Galactica"));
    EXPECT_EQ(map().get_selected_ships(), std::list<std::string>{"Galactica"});
    out.take();
    click_now(map().get_obj_images().at("Xerxes")->get_abs_pos() + P(45, 20));
    EXPECT_TRUE(contains(out.take(), "trying to find ship: Galactica\n"));
    Model::get()->get_ship_ptr("Galactica")->stop();
    click_now(on_picture("Galactica"));
    EXPECT_TRUE(map().get_selected_ships().empty());
}

// A closed box must give up the keyboard (a key for it afterwards would
// reach a destroyed field) and its field's timers (checked on tear-down).
TEST_F(MapAndPanel, AShipNameBoxKeepsAWrongNameAnswersItsKeysAndClosesForGood) {
    click_now(at.background);
    GUI::TextField* field = dialogue_field();
    ASSERT_NE(field, nullptr);
    const Dialogue_places box = dialogue_places();
    click_now(at.background);
    EXPECT_EQ(dialogue_field(), field);
    click(box.field);
    type_text("Nobody");
    key(SDLK_RETURN);
    run_frames(1);
    click_now(box.enter);
    EXPECT_EQ(message_line(), "Ship not found!");
    ASSERT_EQ(dialogue_field(), field);
    EXPECT_EQ(field->get_text(), "Nobody");
    const std::string tried = out.take();
    const std::string line = "ship name: Nobody\n";
    EXPECT_NE(tried.find(line), tried.rfind(line)) << "tried by Return, then by Enter";
    click(box.field);
    key(SDLK_ESCAPE);
    run_frames(1);
    EXPECT_EQ(dialogue_field(), nullptr);
    EXPECT_FALSE(GUI::App::get()->has_focus(field));

    click_now(at.background);
    field = dialogue_field();
    click(box.field);
    type_text("Pegasus");
    key(SDLK_RETURN);
    run_frames(1);
    EXPECT_EQ(dialogue_field(), nullptr);
    EXPECT_FALSE(GUI::App::get()->has_focus(field));
    key('x');
    run_frames(1);
    EXPECT_EQ(controller().get_bridge_view("Pegasus")->get_abs_pos(), at.background);
    controller().close_bridge_view("Pegasus");
}

TEST_F(MapAndPanel, AClosedMapLeavesTheControlsInertUntilAMapOpens) {
    type_console("close_map\n");
    click_now(at.zoom_middle);
    push_mouse(SDL_MOUSEBUTTONDOWN, at.stick);
    push_mouse(SDL_MOUSEMOTION, at.stick_right, at.stick_right - at.stick);
    run_frames(2);
    click_now(at.stick_right);
    click_now(at.attack);
    EXPECT_EQ(message_line(), "Map view is not open!");
    EXPECT_FALSE(contains(out.take(), "ANGLE: "));
    EXPECT_EQ(view_at(P(150, 150)), controller().get_main_view());

    type_console("open_map\n");
    click_now(at.zoom_middle);
    EXPECT_NEAR(map().get_scale(), std::log(11.) / 10., 1e-9);
    map().set_scale(0.2);
    click_now(at.attack);
    EXPECT_EQ(message_line(), "No Ship Selected!");
}

// So that the first touch of the slider does not jump the zoom.
TEST_F(MapAndPanel, AnUntouchedZoomSliderShowsTheScaleOfItsMap) {
    MapZoomer zoomer(50, &map());
    EXPECT_NEAR(std::log(zoomer.get_value()) / 10., map().get_scale(), 1e-9);
    map().set_scale(0.1);
    zoomer.set_map_controller(&map());
    EXPECT_NEAR(zoomer.get_value(), std::exp(1.), 1e-9);
    map().set_scale(0.2);
}
