#include "support/Sim_support.h"

#include <tuple>
#include <utility>

namespace {

// Ship is abstract; this kind adds nothing: top speed 10, a tanker's tank and burn.
class Plain_ship : public Ship {
public:
    explicit Plain_ship(double capacity = 100., double consumption = 2.)
        : Ship("Sloop", Point(0., 0.), capacity, 10., consumption, 0) {}
};

class Ships : public Sim_test {
protected:
    Output_capture out;
};

// Fuel for exactly one tick's move (0.1 tons) still makes the whole move.
TEST_F(Ships, RunningDryStopsWhereTheFuelEndsAndRefusesMovement) {
    const std::pair<double, std::string> cases[] = {{0.1, "0.05"}, {0.06, "0.03"}};
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

// Under 0.005 tons short counts as full; the thirsty ship needs more than the island has.
TEST_F(Ships, RefuelIgnoresATinyNeedAndTakesOnlyWhatTheIslandHas) {
    const std::tuple<double, Point, std::string> cases[] = {
        {2., Point(0.002, 0.), ""},
        {2., Point(0.003, 0.),
         "Island Depot supplied 0.01 tons of fuel\nSloop now has 100.00 tons of fuel\n"},
        {2000., Point(0., 0.025),
         "Island Depot supplied 20.00 tons of fuel\nSloop now has 70.00 tons of fuel\n"}};
    for (const auto& [consumption, at, news] : cases) {
        Plain_ship ship(100., consumption);
        ship.set_destination_position_and_speed(at, 10.);
        ship.update();
        ship.dock(std::make_shared<Island>("Depot", at, 20., 0.));
        out.take();
        ship.refuel();
        EXPECT_EQ(out.take(), news);
    }
}

} // namespace
