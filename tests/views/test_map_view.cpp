#include "support/Views_support.h"

#include "views/MapViewController.h"
#include "views/Map_view.h"

#include <limits>
#include <memory>
#include <utility>

namespace {

const double nan_c = std::numeric_limits<double>::quiet_NaN();

std::string pixel_of(const Map_view& map, Point location) {
    int x = -1, y = -1;
    const bool inside = map.get_subscripts(x, y, location);
    return str(P(x, y)) + (inside ? " inside" : " outside");
}

} // namespace

using MapView = Views_test;

// No int holds the pixels of the far points: they are outside, not undefined.
TEST_F(MapView, PixelsFloorFromTheBottomLeftAndGridLabelsNameTheWorldValueAtTheirDot) {
    Map_view map(nullptr);
    const std::pair<Point, const char*> cases[] = {
        {Point(0., 0.), "50,250 inside"},      {Point(-10., -10.), "0,300 outside"},
        {Point(-10.1, 0.), "-1,250 outside"},  {Point(-9.9, 0.), "0,250 inside"},
        {Point(49.9, 0.), "299,250 inside"},   {Point(50.1, 0.), "300,250 outside"},
        {Point(0., -9.9), "50,300 outside"},   {Point(0., -9.7), "50,299 inside"},
        {Point(0., 50.1), "50,0 inside"},      {Point(0., 50.3), "50,-1 outside"},
        {Point(1e300, 0.), "300,300 outside"}, {Point(-1e300, 0.), "300,300 outside"},
        {Point(0., 1e300), "300,300 outside"}, {Point(0., -1e300), "300,300 outside"},
        {Point(nan_c, 0.), "300,300 outside"}, {Point(0., nan_c), "300,300 outside"}};
    for (const auto& c : cases)
        EXPECT_EQ(pixel_of(map, c.first), c.second) << c.first;

    // A dot one cell in from the left and at the top of every cell.
    const GUIImage dot("images/dot.bmp", false, white_c);
    int wrong_dot_pixels = 0;
    for (int row = 0; row < 300; row += 20)
        for (int left = 20; left < 300; left += 20)
            for (int y = 0; y < dot.geth(); ++y)
                for (int x = 0; x < dot.getw() && left + x < 300; ++x)
                    wrong_dot_pixels +=
                        !same_color(map.get_image_ptr(), left + x, row + y, dot, x, y);
    EXPECT_EQ(wrong_dot_pixels, 0);
    const char* const values[] = {"42", "30", "18", "6", "-6"};
    for (int i = 0; i < 5; ++i) {
        expect_label(map, values[i], P(0, 36 + 60 * i));
        expect_label(map, values[4 - i], P(16 + 60 * i, 287));
    }

    // Labels round to the nearest whole value and follow panning and zooming.
    map.set_origin(Point(0.6, 0.6));
    expect_label(map, "5", P(16, 287));
    expect_label(map, "53", P(0, 36));
    map.set_origin(default_map_origin_c);
    map.set_scale(0.1);
    EXPECT_EQ(pixel_of(map, Point(0.05, 0.05)), "100,200 inside");
    EXPECT_EQ(map.dispToPoint(P(100, 200)), Point(0., 0.));
    expect_label(map, "-8", P(16, 287));
    expect_label(map, "16", P(0, 36));
}

// Icons off the map are parked and listed in name order. A sunk ship left selected
// could not be deselected, and a new ship of its name would be sent without a halo.
TEST_F(MapView, DrawFollowsTheWorldAndSelectionLetsGoOfAShipThatLeaves) {
    auto map = std::make_shared<MapViewController>(nullptr);
    Model* world = Model::get();
    world->add_island(std::make_shared<Island>("Isle", Point(10., 10.), 100., 0.));
    world->add_ship(create_ship("C", "Tanker", Point(0., 0.)));
    world->add_ship(create_ship("B", "Cruiser", Point(0., 0.)));
    world->add_ship(create_ship("A", "Cruiser", Point(1e300, 0.)));
    world->attach(map);
    map->describe_name("Isle", "Island");
    for (const char* name : {"A", "B", "C"})
        map->describe_name(name, "Cruiser");
    EXPECT_EQ(icon_at(*map, "Isle"), "300,300");
    world->get_ship_ptr("B")->set_course_and_speed(270., 20.);
    world->get_ship_ptr("C")->set_course_and_speed(180., 10.);
    for (int tick = 0; tick < 120; ++tick)
        world->update();
    EXPECT_EQ(captured([&] { map->draw(); }),
              "Display size: 300, scale: 0.20, origin: (-10.00, -10.00)\n"
              "A, B outside the map\n");
    EXPECT_EQ(icon_at(*map, "Isle"), "100,200");
    EXPECT_EQ(icon_at(*map, "A"), "310,310");

    const std::list<std::string> victim = {"Victim"};
    for (int life = 0; life < 2; ++life) {
        world->add_ship(create_ship("Victim", "Tanker", Point(0., 0.)));
        map->describe_name("Victim", "Tanker");
        map->get_obj_images().at("Victim")->handle_mouse_down(P(5, 17));
        EXPECT_EQ(map->get_selected_ships(), victim);
        world->get_ship_ptr("Victim")->receive_hit(1, nullptr);
        world->update();
        EXPECT_TRUE(map->get_selected_ships().empty()) << "life " << life;
    }
    map->add_selected_ship("Victim");
    map->add_selected_ship("Victim");
    EXPECT_EQ(map->get_selected_ships(), victim);
    world->detach(map);
}
