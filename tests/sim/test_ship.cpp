#include "support/Sim_support.h"

#include <utility>

namespace {

// Ship is abstract; this kind adds nothing: top speed 10, a tanker's burn.
class Plain_ship : public Ship {
public:
    explicit Plain_ship(double capacity) : Ship("Sloop", Point(0., 0.), capacity, 10., 2., 0) {}
};

using Ships = Sim_test;

// Fuel for exactly one tick's move (0.1 tons) still makes the whole move.
TEST_F(Ships, RunningDryStopsWhereTheFuelEndsAndRefusesMovement) {
    const std::pair<double, std::string> cases[] = {{0.1, "0.05"}, {0.06, "0.03"}};
    Output_capture out;
    for (const auto& [fuel, y] : cases) {
        SCOPED_TRACE(fuel);
        Plain_ship ship(fuel);
        ship.set_course_and_speed(0., 10.);
        out.take();
        ship.update();
        EXPECT_NEAR(ship.get_location().y, fuel / 2., 1e-12);
        EXPECT_TRUE(ship.is_afloat());
        EXPECT_EQ(error_from([&] { ship.stop(); }), "Ship cannot move!\n");
        EXPECT_EQ(error_from([&] { ship.set_course_and_speed(90., 5.); }), "Ship cannot move!\n");
        ship.update();
        const std::string at = "at (0.00, " + y + ")\n";
        EXPECT_EQ(out.take(), "Sloop now " + at + "Sloop dead in the water " + at);
    }
}

} // namespace
