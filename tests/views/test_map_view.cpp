#include "Views_test_support.h"

#include "sim/Island.h"
#include "sim/Ship.h"
#include "sim/Ship_factory.h"
#include "views/Map_view.h"

#include <cmath>
#include <limits>
#include <map>
#include <memory>

namespace {

class Probe_map : public Map_view {
public:
    using Map_view::get_obj_locations;
    using Map_view::Map_view;
};

const char* const default_settings_c = "Display size: 300, scale: 0.20, origin: (-10.00, -10.00)\n";

std::string pixel_of(const Map_view& map, Point location) {
    int x = -1;
    int y = -1;
    const bool inside = map.get_subscripts(x, y, location);
    return str(GUI::DispPoint(x, y)) + (inside ? " inside" : " outside");
}

} // namespace

using Map_view_test = Views_test;

TEST_F(Map_view_test, PixelsFloorFromTheBottomLeftAndOnlyTheViewItselfIsInside) {
    Map_view map(nullptr);
    EXPECT_EQ(pixel_of(map, Point(0., 0.)), "50,250 inside");
    EXPECT_EQ(pixel_of(map, Point(-10., -10.)), "0,300 outside");
    // Columns: the left edge is in, the pixel past the right edge is out.
    EXPECT_EQ(pixel_of(map, Point(-10.1, 0.)), "-1,250 outside");
    EXPECT_EQ(pixel_of(map, Point(-9.9, 0.)), "0,250 inside");
    EXPECT_EQ(pixel_of(map, Point(49.9, 0.)), "299,250 inside");
    EXPECT_EQ(pixel_of(map, Point(50.1, 0.)), "300,250 outside");
    // Rows count down from the top while world y counts up.
    EXPECT_EQ(pixel_of(map, Point(0., -9.9)), "50,300 outside");
    EXPECT_EQ(pixel_of(map, Point(0., -9.7)), "50,299 inside");
    EXPECT_EQ(pixel_of(map, Point(0., 50.1)), "50,0 inside");
    EXPECT_EQ(pixel_of(map, Point(0., 50.3)), "50,-1 outside");
    // No int holds these pixels: they are outside, not undefined.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    int x = 0;
    int y = 0;
    for (Point far : {Point(1e300, 0.), Point(-1e300, 0.), Point(0., 1e300), Point(0., -1e300),
                      Point(nan, 0.), Point(0., nan)})
        EXPECT_FALSE(map.get_subscripts(x, y, far)) << far;
}

TEST_F(Map_view_test, DispToPointIsTheInverseOfThePixelMapping) {
    Map_view map(nullptr);
    EXPECT_EQ(map.dispToPoint(GUI::DispPoint(0, 300)), Point(-10., -10.));
    const Point centre = map.dispToPoint(GUI::DispPoint(150, 150));
    EXPECT_NEAR(centre.x, 20., 1e-9);
    EXPECT_NEAR(centre.y, 20., 1e-9);
}

TEST_F(Map_view_test, GridDotsStartOneCellInAndLabelsNameTheWorldValueAtTheirDot) {
    Map_view map(nullptr);
    EXPECT_EQ(dot_mismatches(map), 0);
    EXPECT_TRUE(is_color(map.get_image_ptr(), 0, 0, {127, 176, 212, 0}));
    const char* const rows[] = {"42", "30", "18", "6", "-6"};
    const char* const columns[] = {"-6", "6", "18", "30", "42"};
    for (int i = 0; i < 5; ++i) {
        expect_label(map, rows[i], GUI::DispPoint(0, 36 + 60 * i));
        expect_label(map, columns[i], GUI::DispPoint(16 + 60 * i, 287));
    }
}

TEST_F(Map_view_test, PanningAndZoomingDrawAndRelabelTheGrid) {
    Map_view map(nullptr);
    map.set_origin(Point(0., 0.));
    EXPECT_EQ(out.take(), "Display size: 300, scale: 0.20, origin: (0.00, 0.00)\n");
    expect_label(map, "4", GUI::DispPoint(16, 287));
    expect_label(map, "52", GUI::DispPoint(0, 36));

    map.set_origin(default_map_origin_c);
    map.set_scale(0.1);
    EXPECT_EQ(out.take(),
              default_settings_c +
                  std::string("Display size: 300, scale: 0.10, origin: (-10.00, -10.00)\n"));
    EXPECT_EQ(pixel_of(map, Point(0.05, 0.05)), "100,200 inside");
    expect_label(map, "-8", GUI::DispPoint(16, 287));
    expect_label(map, "16", GUI::DispPoint(0, 36));
}

TEST_F(Map_view_test, RefusedScaleOrSizeLeavesTheViewAsItWasAndDrawsNothing) {
    Map_view map(nullptr);
    for (double bad : {0., -1., std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(error_from([&] { map.set_scale(bad); }), "New map scale must be positive!\n");
    EXPECT_EQ(map.get_scale(), 0.2);
    EXPECT_EQ(error_from([&] { map.set_size(31); }), "New map size is too big!\n");
    EXPECT_EQ(error_from([&] { map.set_size(6); }), "New map size is too small!\n");
    EXPECT_EQ(size_of(map), "300,300");
    map.set_size(30);
    map.set_size(7);
    EXPECT_EQ(size_of(map), "7,7");
    EXPECT_EQ(out.take(), "");
}

TEST_F(Map_view_test, DrawPlacesIconsAndListsTheOnesOutsideInNameOrder) {
    Map_view map(nullptr);
    map.describe_name("Isle", "Island");
    for (const char* name : {"B", "A", "C"})
        map.describe_name(name, "Cruiser");
    // A new icon waits just off the view, at (height, width), until a draw.
    EXPECT_EQ(str(icon_position(map, "Isle")), "300,300");

    map.update_location("Isle", Point(10., 10.));
    map.update_location("B", Point(-10.5, 0.));
    map.update_location("A", Point(1e300, 0.));
    map.update_location("C", Point(0., -1e300));
    map.draw();
    EXPECT_EQ(out.take(), default_settings_c + std::string("A, B, C outside the map\n"));
    EXPECT_EQ(str(icon_position(map, "Isle")), "100,200");
    for (const char* name : {"A", "B", "C"})
        EXPECT_EQ(str(icon_position(map, name)), "310,310") << name;
}

TEST_F(Map_view_test, UnintroducedObjectStopsTheDrawWithItsName) {
    Map_view map(nullptr);
    map.describe_name("A", "Island");
    map.describe_name("Z", "Tanker");
    map.update_location("A", Point(0., 0.));
    map.update_location("Ghost", Point(1., 1.));
    map.update_location("Z", Point(1., 2.));
    const GUI::DispPoint z_before = icon_position(map, "Z");
    EXPECT_EQ(error_from([&] { map.draw(); }), "No Image for Ghost!");
    // What came before the stray name is placed; nothing after it is.
    EXPECT_EQ(out.take(), default_settings_c);
    EXPECT_EQ(str(icon_position(map, "A")), "50,250");
    EXPECT_EQ(str(icon_position(map, "Z")), str(z_before));
}

TEST_F(Map_view_test, AttachedViewHearsEveryLocationAfterEachTickAndEverySinking) {
    auto map = std::make_shared<Probe_map>(nullptr);
    Model::get()->add_island(std::make_shared<Island>("Isle", Point(10., 10.), 100., 0.));
    auto cruiser = create_ship("Ajax", "Cruiser", Point(0., 0.));
    auto tanker = create_ship("Valdez", "Tanker", Point(-50., 5.));
    Model::get()->add_ship(cruiser);
    Model::get()->add_ship(tanker);
    Model::get()->attach(map);
    for (const char* name : {"Isle", "Ajax", "Valdez"})
        map->describe_name(name, "Ship");
    cruiser->set_course_and_speed(90., 10.);

    for (int tick = 0; tick < 2; ++tick) {
        Model::get()->update();
        EXPECT_EQ(map->get_obj_locations(),
                  (std::map<std::string, Point>{{"Ajax", cruiser->get_location()},
                                                {"Isle", Point(10., 10.)},
                                                {"Valdez", Point(-50., 5.)}}));
    }
    EXPECT_NE(cruiser->get_location(), Point(0., 0.));
    map->draw();
    EXPECT_NE(out.take().find("\nValdez outside the map\n"), std::string::npos);

    tanker->receive_hit(1, nullptr);
    Model::get()->update();
    EXPECT_EQ(map->get_obj_locations().count("Valdez"), 0u);
    // A ship that left the world takes its icon with it.
    EXPECT_EQ(map->get_obj_images().count("Valdez"), 0u);
    out.take();
    map->draw();
    EXPECT_EQ(out.take(), default_settings_c);
}
