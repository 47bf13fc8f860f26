#include "support/Sim_support.h"

namespace {

// Ship itself is abstract; this kind adds nothing, so every figure below is
// the base behaviour: top speed 10, and by default a tanker's tank and burn.
class Plain_ship : public Ship {
public:
    explicit Plain_ship(double capacity = 100., double consumption = 2.)
        : Ship("Sloop", Point(0., 0.), capacity, 10., consumption, 0) {}
};

class Ships : public Sim_test {
protected:
    // Sails the ship onto a new island holding the given fuel and docks there.
    void dock_at(Ship& ship, const std::string& name, Point where, double fuel) {
        auto island = std::make_shared<Island>(name, where, fuel, 0.);
        ship.set_destination_position_and_speed(where, 10.);
        ship.update();
        ship.dock(island);
        out.take();
    }
    Output_capture out;
};

TEST_F(Ships, RunningDryStopsWhereTheFuelEndsAndRefusesMovement) {
    auto exact = std::make_shared<Plain_ship>(0.1); // one tick's worth: the full move, then dead
    exact->set_course_and_speed(0., 10.);
    exact->update();
    EXPECT_NEAR(exact->get_location().y, 0.05, 1e-12);
    EXPECT_FALSE(exact->can_move());

    auto ship = std::make_shared<Plain_ship>(0.06);
    ship->set_course_and_speed(0., 10.);
    out.take();
    ship->update();
    EXPECT_EQ(out.take(), "Sloop now at (0.00, 0.03)\n");
    EXPECT_NEAR(ship->get_location().y, 0.03, 1e-12);
    EXPECT_FALSE(ship->can_move());
    EXPECT_TRUE(ship->is_afloat());
    EXPECT_FALSE(ship->is_moving());
    EXPECT_EQ(error_from([&] { ship->stop(); }), "Ship cannot move!\n");
    EXPECT_EQ(error_from([&] { ship->set_course_and_speed(90., 5.); }), "Ship cannot move!\n");
    EXPECT_EQ(out.take(), "");
    ship->update();
    EXPECT_EQ(out.take(), "Sloop dead in the water at (0.00, 0.03)\n");
}

// A refused order must not leave the ship measuring its arrival against a
// point it was never sent to.
TEST_F(Ships, RefusedOrderLeavesShipBoundForItsDestinationWhereItLandsExactly) {
    auto ship = std::make_shared<Plain_ship>();
    ship->set_destination_position_and_speed(Point(0.12, 0.), 10.);
    out.take();
    EXPECT_EQ(error_from([&] { ship->set_course_and_speed(0., 10.5); }),
              "Ship cannot go that fast!\n");
    EXPECT_EQ(error_from([&] { ship->set_destination_position_and_speed(Point(0., 5.), 11.); }),
              "Ship cannot go that fast!\n");
    EXPECT_EQ(out.take(), "");
    EXPECT_EQ(description(*ship),
              "Sloop at (0.00, 0.00), fuel: 100.00 tons, resistance: 0\n"
              "Moving to (0.12, 0.00) on course 90.00 deg, speed 10.00 nm/hr\n");
    ship->update();
    ship->update();
    EXPECT_TRUE(ship->is_moving());
    out.take();
    ship->update();
    EXPECT_EQ(out.take(), "Sloop now at (0.12, 0.00)\n");
    EXPECT_EQ(ship->get_location(), Point(0.12, 0.));
    EXPECT_FALSE(ship->is_moving());
    // Only the last stretch of 0.02 miles is burnt in the arriving tick.
    EXPECT_EQ(description(*ship),
              "Sloop at (0.12, 0.00), fuel: 99.76 tons, resistance: 0\nStopped\n");
}

TEST_F(Ships, DockingNeedsStoppedShipStrictlyWithinATenthOfAMile) {
    auto ship = std::make_shared<Plain_ship>();
    auto too_far = std::make_shared<Island>("Far", Point(0., 0.1), 0., 0.);
    auto near = std::make_shared<Island>("Near", Point(0., 0.0999), 0., 0.);
    EXPECT_FALSE(ship->can_dock(too_far));
    EXPECT_EQ(error_from([&] { ship->dock(too_far); }), "Can't dock!\n");
    EXPECT_EQ(out.take(), "");

    ship->dock(near);
    EXPECT_EQ(ship->get_location(), Point(0., 0.0999));
    EXPECT_TRUE(ship->is_docked());
    EXPECT_FALSE(ship->can_dock(near));
    ship->set_course_and_speed(0., 1.);
    EXPECT_FALSE(ship->can_dock(near));
}

TEST_F(Ships, RefuelIgnoresATinyNeedAndTakesOnlyWhatTheIslandHas) {
    Plain_ship ship;
    dock_at(ship, "Depot", Point(0.002, 0.), 50.);
    ship.refuel(); // 0.004 tons short: counts as full
    EXPECT_EQ(out.take(), "");

    Plain_ship other;
    dock_at(other, "Pier", Point(0.003, 0.), 50.);
    other.refuel(); // 0.006 tons short
    EXPECT_EQ(out.take(), "Island Pier supplied 0.01 tons of fuel\n"
                          "Sloop now has 100.00 tons of fuel\n");

    // Burns 2000 tons a mile, so a quarter-tick's sailing halves the tank.
    Plain_ship thirsty(100., 2000.);
    dock_at(thirsty, "Poor", Point(0., 0.025), 20.);
    thirsty.refuel();
    EXPECT_EQ(out.take(), "Island Poor supplied 20.00 tons of fuel\n"
                          "Sloop now has 70.00 tons of fuel\n");
}

} // namespace
