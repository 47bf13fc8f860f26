#include "Sim_test_support.h"

#include "sim/Error.h"
#include "sim/Island.h"
#include "sim/Ship.h"

#include <memory>
#include <string>

namespace {

// Ship itself is abstract; this kind adds nothing, so every figure below is
// the base behaviour. The defaults match a tanker's characteristics.
class Plain_ship : public Ship {
public:
    Plain_ship(const std::string& name_, Point position_, double capacity = 100.,
               double consumption = 2., int resistance_ = 0)
        : Ship(name_, position_, capacity, 10., consumption, resistance_) {}
};

class ShipTest : public Sim_test {
protected:
    std::shared_ptr<Plain_ship> make_ship(double capacity = 100., double consumption = 2.,
                                          int resistance = 0) {
        return std::make_shared<Plain_ship>("Sloop", Point(0., 0.), capacity, consumption,
                                            resistance);
    }
    std::shared_ptr<Island> make_island(const std::string& name, Point where, double fuel) {
        return std::make_shared<Island>(name, where, fuel, 0.);
    }
    Output_capture out;
};

TEST_F(ShipTest, MovingOnCourseAdvancesOneTickAndBurnsTwoTonsPerMile) {
    auto ship = make_ship();
    ship->set_course_and_speed(90., 10.);
    EXPECT_EQ(out.take(), "Sloop will sail on course 90.00 deg, speed 10.00 nm/hr\n");

    ship->update();
    EXPECT_EQ(out.take(), "Sloop now at (0.05, 0.00)\n");
    EXPECT_NEAR(ship->get_location().x, 0.05, 1e-12);
    EXPECT_NEAR(ship->get_location().y, 0., 1e-12);
    EXPECT_TRUE(ship->is_moving());
    EXPECT_EQ(description(*ship), "Sloop at (0.05, 0.00), fuel: 99.90 tons, resistance: 0\n"
                                  "Moving on course 90.00 deg, speed 10.00 nm/hr\n");
}

TEST_F(ShipTest, ArrivalLandsExactlyOnDestinationAndBurnsOnlyTheLastStretch) {
    auto ship = make_ship();
    ship->set_destination_position_and_speed(Point(0.12, 0.), 10.);
    EXPECT_EQ(out.take(),
              "Sloop will sail on course 90.00 deg, speed 10.00 nm/hr to (0.12, 0.00)\n");
    EXPECT_EQ(description(*ship),
              "Sloop at (0.00, 0.00), fuel: 100.00 tons, resistance: 0\n"
              "Moving to (0.12, 0.00) on course 90.00 deg, speed 10.00 nm/hr\n");

    ship->update();
    ship->update();
    EXPECT_TRUE(ship->is_moving());
    ship->update();
    EXPECT_EQ(out.take(), "Sloop now at (0.05, 0.00)\nSloop now at (0.10, 0.00)\n"
                          "Sloop now at (0.12, 0.00)\n");
    EXPECT_EQ(ship->get_location(), Point(0.12, 0.));
    EXPECT_FALSE(ship->is_moving());
    EXPECT_EQ(ship->get_speed(), 0.);
    EXPECT_NEAR(ship->get_course(), 90., 1e-9);
    EXPECT_EQ(description(*ship),
              "Sloop at (0.12, 0.00), fuel: 99.76 tons, resistance: 0\nStopped\n");

    ship->update();
    EXPECT_EQ(out.take(), "Sloop stopped at (0.12, 0.00)\n");
}

TEST_F(ShipTest, RunningDryMidTickStopsWhereTheFuelEndsAndRefusesCommands) {
    auto ship = make_ship(0.06);
    ship->set_course_and_speed(0., 10.);
    out.take();
    ship->update();
    EXPECT_EQ(out.take(), "Sloop now at (0.00, 0.03)\n");
    EXPECT_NEAR(ship->get_location().y, 0.03, 1e-12);
    EXPECT_FALSE(ship->can_move());
    EXPECT_TRUE(ship->is_afloat());
    EXPECT_FALSE(ship->is_moving());
    EXPECT_EQ(description(*ship),
              "Sloop at (0.00, 0.03), fuel: 0.00 tons, resistance: 0\nDead in the water\n");

    EXPECT_EQ(error_from([&] { ship->stop(); }), "Ship cannot move!\n");
    EXPECT_EQ(error_from([&] { ship->set_course_and_speed(90., 5.); }), "Ship cannot move!\n");
    EXPECT_EQ(error_from([&] { ship->set_destination_position_and_speed(Point(1., 1.), 5.); }),
              "Ship cannot move!\n");
    EXPECT_EQ(out.take(), "");

    ship->update();
    EXPECT_EQ(out.take(), "Sloop dead in the water at (0.00, 0.03)\n");
}

TEST_F(ShipTest, ExactlyOneTicksFuelMakesTheFullMoveThenLeavesShipDead) {
    auto ship = make_ship(0.1);
    ship->set_course_and_speed(0., 10.);
    out.take();
    ship->update();
    EXPECT_EQ(out.take(), "Sloop now at (0.00, 0.05)\n");
    EXPECT_NEAR(ship->get_location().y, 0.05, 1e-12);
    EXPECT_FALSE(ship->can_move());
}

TEST_F(ShipTest, SpeedAboveMaximumIsRefusedAndMaximumItselfAccepted) {
    auto ship = make_ship();
    EXPECT_EQ(error_from([&] { ship->set_course_and_speed(0., 10.5); }),
              "Ship cannot go that fast!\n");
    EXPECT_EQ(error_from([&] { ship->set_destination_position_and_speed(Point(0., 1.), 10.5); }),
              "Ship cannot go that fast!\n");
    EXPECT_EQ(out.take(), "");
    EXPECT_FALSE(ship->is_moving());
    EXPECT_EQ(ship->get_speed(), 0.);

    ship->set_course_and_speed(0., 10.);
    EXPECT_TRUE(ship->is_moving());
    EXPECT_EQ(ship->get_speed(), 10.);
}

TEST_F(ShipTest, RefusedDestinationLeavesShipBoundForItsPreviousOne) {
    auto ship = make_ship();
    ship->set_destination_position_and_speed(Point(0.03, 0.), 10.);
    EXPECT_EQ(error_from([&] { ship->set_destination_position_and_speed(Point(0., 5.), 11.); }),
              "Ship cannot go that fast!\n");
    EXPECT_EQ(description(*ship),
              "Sloop at (0.00, 0.00), fuel: 100.00 tons, resistance: 0\n"
              "Moving to (0.03, 0.00) on course 90.00 deg, speed 10.00 nm/hr\n");
    ship->update();
    EXPECT_EQ(ship->get_location(), Point(0.03, 0.));
    EXPECT_FALSE(ship->is_moving());
}

TEST_F(ShipTest, DockingNeedsStoppedShipStrictlyWithinATenthOfAMile) {
    auto ship = make_ship();
    auto too_far = make_island("Far", Point(0., 0.1), 0.);
    auto near = make_island("Near", Point(0., 0.0999), 0.);
    EXPECT_FALSE(ship->can_dock(too_far));
    EXPECT_EQ(error_from([&] { ship->dock(too_far); }), "Can't dock!\n");
    EXPECT_TRUE(ship->can_dock(near));
    EXPECT_EQ(error_from([&] { ship->refuel(); }), "Must be docked!\n");
    EXPECT_EQ(out.take(), "");

    ship->dock(near);
    EXPECT_EQ(out.take(), "Sloop docked at Near\n");
    EXPECT_EQ(ship->get_location(), Point(0., 0.0999));
    EXPECT_TRUE(ship->is_docked());
    EXPECT_TRUE(ship->can_move());
    EXPECT_FALSE(ship->can_dock(near));
    EXPECT_EQ(description(*ship),
              "Sloop at (0.00, 0.10), fuel: 100.00 tons, resistance: 0\nDocked at Near\n");
    ship->update();
    EXPECT_EQ(out.take(), "Sloop docked at Near\n");

    ship->stop();
    EXPECT_EQ(out.take(), "Sloop stopping at (0.00, 0.10)\n");
    EXPECT_FALSE(ship->is_docked());
    EXPECT_EQ(ship->get_location(), Point(0., 0.0999));

    ship->set_course_and_speed(0., 1.);
    EXPECT_FALSE(ship->can_dock(near));
}

TEST_F(ShipTest, RefuelIgnoresANeedBelowFiveThousandthsOfATon) {
    auto ship = make_ship();
    auto island = make_island("Depot", Point(0.002, 0.), 50.);
    ship->set_destination_position_and_speed(Point(0.002, 0.), 10.);
    ship->update();
    ship->dock(island);
    out.take();
    ship->refuel(); // 0.004 tons short
    EXPECT_EQ(out.take(), "");
    EXPECT_EQ(description(*island), "\nIsland Depot at position (0.00, 0.00)\n"
                                    "Fuel available: 50.00 tons\n");

    auto other = make_ship();
    auto next_island = make_island("Pier", Point(0.003, 0.), 50.);
    other->set_destination_position_and_speed(Point(0.003, 0.), 10.);
    other->update();
    other->dock(next_island);
    out.take();
    other->refuel(); // 0.006 tons short
    EXPECT_EQ(out.take(), "Island Pier supplied 0.01 tons of fuel\n"
                          "Sloop now has 100.00 tons of fuel\n");
}

TEST_F(ShipTest, RefuelAtPoorIslandTakesWhatItHas) {
    // Burns 2000 tons a mile, so a quarter-tick's sailing halves the tank.
    auto ship = make_ship(100., 2000.);
    auto poor = make_island("Poor", Point(0., 0.025), 20.);
    ship->set_destination_position_and_speed(Point(0., 0.025), 10.);
    ship->update();
    ship->dock(poor);
    out.take();

    ship->refuel();
    EXPECT_EQ(out.take(), "Island Poor supplied 20.00 tons of fuel\n"
                          "Sloop now has 70.00 tons of fuel\n");
    ship->refuel();
    EXPECT_EQ(out.take(), "Island Poor supplied 0.00 tons of fuel\n"
                          "Sloop now has 70.00 tons of fuel\n");
}

TEST_F(ShipTest, HitBelowZeroSinksOnNextUpdateWithoutMoving) {
    auto ship = make_ship();
    ship->set_course_and_speed(0., 10.);
    out.take();
    ship->receive_hit(1, nullptr);
    EXPECT_EQ(out.take(), "Sloop hit with 1, resistance now -1\n");
    EXPECT_TRUE(ship->is_afloat());
    EXPECT_EQ(description(*ship), "Sloop at (0.00, 0.00), fuel: 100.00 tons, resistance: -1\n"
                                  "Moving on course 0.00 deg, speed 10.00 nm/hr\n");

    ship->update();
    EXPECT_EQ(out.take(), "Sloop sunk\n");
    EXPECT_EQ(ship->get_location(), Point(0., 0.));
    EXPECT_TRUE(ship->is_sunk());
    EXPECT_FALSE(ship->is_afloat());
    EXPECT_FALSE(ship->can_move());
    EXPECT_FALSE(ship->is_moving());
    EXPECT_EQ(description(*ship), "Sloop at (0.00, 0.00) sunk\n");
    EXPECT_EQ(error_from([&] { ship->stop(); }), "Ship cannot move!\n");

    ship->update();
    EXPECT_EQ(out.take(), "");
}

TEST_F(ShipTest, ResistanceDownToExactlyZeroStaysAfloat) {
    auto ship = make_ship(100., 2., 2);
    ship->receive_hit(2, nullptr);
    ship->update();
    EXPECT_EQ(out.take(), "Sloop hit with 2, resistance now 0\nSloop stopped at (0.00, 0.00)\n");
    EXPECT_TRUE(ship->is_afloat());
}

TEST_F(ShipTest, CargoAndAttackCommandsAreRefusedByAPlainShip) {
    auto ship = make_ship();
    auto island = make_island("Depot", Point(1., 1.), 0.);
    EXPECT_EQ(error_from([&] { ship->set_load_destination(island); }),
              "Cannot load at a destination!\n");
    EXPECT_EQ(error_from([&] { ship->set_unload_destination(island); }),
              "Cannot unload at a destination!\n");
    EXPECT_EQ(error_from([&] { ship->attack(ship); }), "Cannot attack!\n");
    EXPECT_EQ(error_from([&] { ship->stop_attack(); }), "Cannot attack!\n");
    EXPECT_EQ(out.take(), "");
}

} // namespace
