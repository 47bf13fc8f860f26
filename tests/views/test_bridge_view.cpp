#include "Views_test_support.h"

#include "gui/Colors.h"
#include "sim/Island.h"
#include "sim/Ship.h"
#include "sim/Ship_factory.h"
#include "views/Bridge_view.h"

#include <cmath>
#include <memory>

namespace {

// A point at a compass bearing (degrees) and range from the origin.
Point at_bearing(double bearing, double range) {
    const double radians = bearing * std::atan(1.) / 45.;
    return Point(range * std::sin(radians), range * std::cos(radians));
}

class Bridge_view_test : public Views_test {
protected:
    std::shared_ptr<Ship> own = create_ship("Ajax", "Cruiser", Point(0., 0.));

    // The own ship is reported too, as the world would.
    std::unique_ptr<Bridge_view> bridge_on(double course) {
        own->set_course_and_speed(course, 0.);
        auto bridge = std::make_unique<Bridge_view>(nullptr, own);
        bridge->describe_name("Ajax", "Cruiser");
        bridge->update_location("Ajax", own->get_location());
        out.take();
        return bridge;
    }
};

} // namespace

TEST_F(Bridge_view_test, GridHasTwoDotRowsColumnLabelsOnlyAndTheShipsName) {
    Bridge_view bridge(nullptr, own);
    EXPECT_EQ(dot_mismatches(bridge), 0);
    const char* const columns[] = {"-72", "-18", "36", "90"};
    for (int j = 0; j < 4; ++j)
        expect_label(bridge, columns[j], GUI::DispPoint(16 + 60 * j, 37));
    expect_label(bridge, "Ajax", GUI::DispPoint(0, 0));
    // Where a row label would stand there is nothing white.
    const GUIImage name(createText2("Ajax", 12, white_c));
    for (int y = name.geth(); y < 37; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_FALSE(is_color(bridge.get_image_ptr(), x, y, white_c)) << x << "," << y;
}

TEST_F(Bridge_view_test, ObjectsAheadStandOnTheHorizonAtTheirRelativeBearing) {
    auto bridge = bridge_on(0.);
    for (const char* name : {"East", "Isle", "South"})
        bridge->describe_name(name, "Island");
    bridge->update_location("Isle", Point(0., 10.));
    bridge->update_location("East", Point(10., 0.));
    bridge->update_location("South", Point(0., -10.));
    bridge->draw();
    EXPECT_EQ(out.take(), "Bridge view from Ajax position (0.00, 0.00) heading 0.00\n"
                          "checking East\n"
                          "checking Isle\n"
                          "drawing Isle at position 100, 6\n"
                          "checking South\n");
    EXPECT_EQ(str(icon_position(*bridge, "Isle")), "100,6");
    // Starboard beam and dead astern are out of sight, and so is the ship itself.
    for (const char* name : {"East", "South", "Ajax"})
        EXPECT_EQ(str(icon_position(*bridge, name)), "60,210") << name;

    own->set_course_and_speed(90., 0.);
    out.take();
    bridge->draw();
    EXPECT_EQ(str(icon_position(*bridge, "Isle")), "0,6");
    EXPECT_EQ(str(icon_position(*bridge, "East")), "100,6");
}

TEST_F(Bridge_view_test, RelativeBearingWrapsAcrossNorth) {
    auto bridge = bridge_on(350.);
    bridge->describe_name("Isle", "Island");
    bridge->update_location("Isle", at_bearing(10., 10.));
    bridge->draw();
    EXPECT_EQ(out.take(), "Bridge view from Ajax position (0.00, 0.00) heading 350.00\n"
                          "checking Isle\n"
                          "drawing Isle at position 122, 6\n");

    own->set_course_and_speed(10., 0.);
    bridge->update_location("Isle", at_bearing(350., 10.));
    out.take();
    bridge->draw();
    EXPECT_EQ(str(icon_position(*bridge, "Isle")), "77,6");
}

TEST_F(Bridge_view_test, OnlyObjectsWithin200MilesAreCheckedAndShown) {
    auto bridge = bridge_on(0.);
    bridge->describe_name("Far", "Island");
    bridge->describe_name("Near", "Tanker");
    bridge->update_location("Far", Point(0., 100.));
    bridge->update_location("Near", Point(0., 200.));
    bridge->draw();
    EXPECT_EQ(str(icon_position(*bridge, "Far")), "100,6");

    bridge->update_location("Far", Point(0., 200.1));
    // Too far away to be seen, so it needs no icon.
    bridge->update_location("Ghost", Point(0., 300.));
    out.take();
    bridge->draw();
    EXPECT_EQ(out.take(), "Bridge view from Ajax position (0.00, 0.00) heading 0.00\n"
                          "checking Near\n"
                          "drawing Near at position 100, 6\n");
    EXPECT_EQ(str(icon_position(*bridge, "Far")), "60,210");

    bridge->update_location("Ghost", Point(0., 50.));
    EXPECT_EQ(error_from([&] { bridge->draw(); }), "No Image for Ghost!");
    EXPECT_NE(out.take().find("checking Ghost\n"), std::string::npos);
}

TEST_F(Bridge_view_test, SunkShipShowsOnlyWavesOnEveryLaterDraw) {
    auto tanker = create_ship("Valdez", "Tanker", Point(3., 4.));
    auto other = create_ship("Bravo", "Tanker", Point(0., 20.));
    Model::get()->add_island(std::make_shared<Island>("Isle", Point(3., 14.), 100., 0.));
    Model::get()->add_ship(tanker);
    Model::get()->add_ship(other);
    auto bridge = std::make_shared<Bridge_view>(nullptr, tanker);
    Model::get()->attach(bridge);
    for (const char* name : {"Bravo", "Isle", "Valdez"})
        bridge->describe_name(name, "Tanker");
    bridge->draw();

    tanker->receive_hit(1, nullptr);
    Model::get()->update();
    out.take();
    bridge->draw();
    EXPECT_EQ(out.take(), "Bridge view from Valdez sunk at (3.00, 4.00)\n");
    for (const auto& icon : bridge->get_obj_images())
        EXPECT_FALSE(bridge->is_subview(icon.second)) << icon.first;
    const GUIImage wave("images/wave.bmp", true, default_color_key_c);
    int wrong = 0;
    for (int y = 0; y < bridge->get_height(); ++y)
        for (int x = 0; x < bridge->get_width(); ++x) {
            const int wx = x % wave.getw();
            const int wy = y % wave.geth();
            if (!wave.point_is_color(wx, wy, magenta_c))
                wrong += !same_color(bridge->get_image_ptr(), x, y, wave, wx, wy);
        }
    EXPECT_EQ(wrong, 0);

    // Another ship sinking while this view shows waves is removed as usual.
    other->receive_hit(1, nullptr);
    Model::get()->update();
    out.take();
    bridge->draw();
    bridge->draw();
    EXPECT_EQ(out.take(), "Bridge view from Valdez sunk at (3.00, 4.00)\n"
                          "Bridge view from Valdez sunk at (3.00, 4.00)\n");
}
