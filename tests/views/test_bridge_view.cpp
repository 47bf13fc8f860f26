#include "support/Views_support.h"

#include "gui/Colors.h"
#include "views/Bridge_view.h"

#include <memory>

using BridgeView = Views_test;

// Bearings -90 .. 90 span the view under their labels; anything abeam, astern or
// past 200 nm is out of sight, and what is past 200 nm is not even looked at.
TEST_F(BridgeView, ObjectsWithin200MilesStandOnTheHorizonAtTheirRelativeBearing) {
    auto own = create_ship("Ajax", "Cruiser", Point(0., 0.));
    Bridge_view bridge(nullptr, own);
    const char* const columns[] = {"-72", "-18", "36", "90"};
    for (int j = 0; j < 4; ++j)
        expect_label(bridge, columns[j], P(16 + 60 * j, 37));
    expect_label(bridge, "Ajax", P(0, 0));
    auto look = [&](double course) {
        own->set_course_and_speed(course, 0.);
        return captured([&] { bridge.draw(); });
    };
    for (const char* name : {"Ajax", "East", "Isle", "South"})
        bridge.describe_name(name, "Island");
    bridge.update_location("Ajax", Point(0., 0.));
    bridge.update_location("East", Point(10., 0.));
    bridge.update_location("Isle", Point(0., 10.));
    bridge.update_location("South", Point(0., -10.));
    look(0.);
    EXPECT_EQ(icon_at(bridge, "Isle"), "100,6");
    for (const char* name : {"Ajax", "East", "South"})
        EXPECT_EQ(icon_at(bridge, name), "60,210") << name;
    // Across north: 5.7 degrees east of north is 15.7 to starboard of 350,
    // and as far west of north is as much to port of 10.
    bridge.update_location("Isle", Point(1., 10.));
    look(350.);
    EXPECT_EQ(icon_at(bridge, "Isle"), "117,6");
    bridge.update_location("Isle", Point(-1., 10.));
    look(10.);
    EXPECT_EQ(icon_at(bridge, "Isle"), "82,6");

    bridge.update_location("East", Point(0., 200.));
    bridge.update_location("Isle", Point(0., 200.1));
    bridge.update_location("Ghost", Point(0., 300.)); // never introduced: too far to need an icon
    EXPECT_EQ(look(0.), "Bridge view from Ajax position (0.00, 0.00) heading 0.00\n"
                        "checking East\n"
                        "drawing East at position 100, 6\n"
                        "checking South\n");
    EXPECT_EQ(icon_at(bridge, "Isle"), "60,210");
}

// An icon whose ship sinks after the view's own must not be detached twice.
TEST_F(BridgeView, SunkShipShowsOnlyWavesOnEveryLaterDraw) {
    auto tanker = launch("Tanker", "Valdez", Point(3., 4.));
    auto other = launch("Tanker", "Bravo", Point(0., 20.));
    auto bridge = std::make_shared<Bridge_view>(nullptr, tanker);
    Model::get()->attach(bridge);
    bridge->describe_name("Bravo", "Tanker");
    bridge->describe_name("Valdez", "Tanker");

    tanker->receive_hit(1, nullptr);
    Model::get()->update();
    EXPECT_EQ(captured([&] { bridge->draw(); }), "Bridge view from Valdez sunk at (3.00, 4.00)\n");
    for (const auto& icon : bridge->get_obj_images())
        EXPECT_FALSE(bridge->is_subview(icon.second.get())) << icon.first;
    const GUIImage wave("images/wave.bmp", true, default_color_key_c);
    int wrong = 0;
    for (int y = 0; y < bridge->get_height(); ++y)
        for (int x = 0; x < bridge->get_width(); ++x) {
            const int wx = x % wave.getw(), wy = y % wave.geth();
            wrong += !wave.point_is_color(wx, wy, magenta_c) &&
                     !same_color(bridge->get_image_ptr(), x, y, wave, wx, wy);
        }
    EXPECT_EQ(wrong, 0) << "waves tiled over the whole view";

    other->receive_hit(1, nullptr);
    Model::get()->update();
    EXPECT_EQ(bridge->get_obj_images().count("Bravo"), 0u);
    EXPECT_EQ(captured([&] { bridge->draw(); }), "Bridge view from Valdez sunk at (3.00, 4.00)\n");
}
