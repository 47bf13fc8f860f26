#include "Sim_test_support.h"

#include "sim/Error.h"
#include "sim/Island.h"
#include "sim/Tanker.h"

#include <memory>
#include <string>

namespace {

// The last line of a tanker's description names its cargo and cycle state.
std::string cargo_line(const Tanker& tanker) {
    std::string text = description(tanker);
    text.pop_back();
    return text.substr(text.rfind('\n') + 1);
}

class TankerTest : public Sim_test {
protected:
    std::shared_ptr<Island> make_island(const std::string& name, Point where, double fuel = 0.) {
        return std::make_shared<Island>(name, where, fuel, 0.);
    }
    std::shared_ptr<Tanker> make_tanker(Point where = Point(0., 0.)) {
        return std::make_shared<Tanker>("Tank", where);
    }
    // Sails until the tank is empty, returning what the dying tick wrote.
    std::string sail_until_dry(Tanker& tanker) {
        for (int tick = 0; tick < 1100 && tanker.can_move(); ++tick) {
            out.take();
            tanker.update();
        }
        return out.take();
    }
    // A tanker stopped at Alpha, out of any cycle, with a full hold.
    std::shared_ptr<Tanker> loaded_tanker_at_alpha() {
        auto tanker = make_tanker(alpha->get_location());
        alpha->accept_fuel(1000.);
        tanker->set_load_destination(alpha);
        tanker->set_unload_destination(bravo);
        tanker->update();
        tanker->stop();
        out.take();
        return tanker;
    }

    Output_capture out;
    std::shared_ptr<Island> alpha = make_island("Alpha", Point(0., 0.));
    std::shared_ptr<Island> bravo = make_island("Bravo", Point(0.04, 0.));
    std::shared_ptr<Island> charlie = make_island("Charlie", Point(0., 5.));
};

TEST_F(TankerTest, OneDestinationAloneStillAllowsNavigationAndCanBeReplaced) {
    auto tanker = make_tanker();
    tanker->set_unload_destination(charlie);
    tanker->set_course_and_speed(90., 5.);
    tanker->set_destination_position_and_speed(Point(0., 1.), 5.);
    tanker->set_unload_destination(bravo);
    EXPECT_EQ(out.take(), "Tank will unload at Charlie\n"
                          "Tank will sail on course 90.00 deg, speed 5.00 nm/hr\n"
                          "Tank will sail on course 0.00 deg, speed 5.00 nm/hr to (0.00, 1.00)\n"
                          "Tank will unload at Bravo\n");
    // Still pointing at Charlie, this would be refused as the same island.
    tanker->set_load_destination(charlie);
    EXPECT_EQ(cargo_line(*tanker), "Cargo: 0.00 tons, moving to loading destination");
}

TEST_F(TankerTest, SameIslandForBothDestinationsIsRefusedSilently) {
    auto tanker = make_tanker();
    tanker->set_load_destination(charlie);
    out.take();
    EXPECT_EQ(error_from([&] { tanker->set_unload_destination(charlie); }),
              "Load and unload cargo destinations are the same!\n");
    EXPECT_EQ(out.take(), "");
    EXPECT_EQ(cargo_line(*tanker), "Cargo: 0.00 tons, no cargo destinations");
    // The load island was kept and the unload one left empty: a proper pair starts the cycle.
    tanker->set_unload_destination(bravo);
    EXPECT_EQ(cargo_line(*tanker), "Cargo: 0.00 tons, moving to loading destination");
}

TEST_F(TankerTest, CyclingTankerRefusesNavigationAndNewDestinations) {
    auto tanker = make_tanker(Point(0., 1.));
    tanker->set_load_destination(charlie);
    tanker->set_unload_destination(bravo);
    out.take();
    const std::string before = description(*tanker);
    EXPECT_EQ(error_from([&] { tanker->set_course_and_speed(0., 5.); }),
              "Tanker has cargo destinations!\n");
    EXPECT_EQ(error_from([&] { tanker->set_destination_position_and_speed(Point(3., 3.), 5.); }),
              "Tanker has cargo destinations!\n");
    EXPECT_EQ(error_from([&] { tanker->set_load_destination(alpha); }),
              "Tanker has cargo destinations!\n");
    EXPECT_EQ(error_from([&] { tanker->set_unload_destination(alpha); }),
              "Tanker has cargo destinations!\n");
    EXPECT_EQ(out.take(), "");
    EXPECT_EQ(description(*tanker), before);
}

TEST_F(TankerTest, DockedAtLoadOrUnloadIslandStartsThereWithoutSailing) {
    auto at_load = make_tanker(charlie->get_location());
    at_load->dock(charlie);
    at_load->set_unload_destination(bravo);
    at_load->set_load_destination(charlie);
    EXPECT_EQ(cargo_line(*at_load), "Cargo: 0.00 tons, loading");

    auto at_unload = make_tanker(bravo->get_location());
    at_unload->dock(bravo);
    at_unload->set_load_destination(charlie);
    out.take();
    at_unload->set_unload_destination(bravo);
    EXPECT_EQ(out.take(), "Tank will unload at Bravo\n");
    EXPECT_EQ(cargo_line(*at_unload), "Cargo: 0.00 tons, unloading");
    // Nothing to deliver, so the next tick departs for the load island.
    at_unload->update();
    EXPECT_EQ(out.take(),
              "Tank docked at Bravo\n"
              "Tank will sail on course 359.54 deg, speed 10.00 nm/hr to (0.00, 5.00)\n");
}

TEST_F(TankerTest, StoppedWithinDockingDistanceDocksAtOnce) {
    auto empty = make_tanker(Point(0., 0.05));
    empty->set_load_destination(alpha);
    empty->set_unload_destination(charlie);
    EXPECT_EQ(out.take(), "Tank will load at Alpha\nTank will unload at Charlie\n"
                          "Tank docked at Alpha\n");
    EXPECT_EQ(cargo_line(*empty), "Cargo: 0.00 tons, loading");

    // With cargo aboard the unload island is the one to dock at.
    auto loaded = loaded_tanker_at_alpha();
    loaded->set_load_destination(charlie);
    loaded->set_unload_destination(alpha);
    EXPECT_EQ(out.take(), "Tank will load at Charlie\nTank will unload at Alpha\n"
                          "Tank docked at Alpha\n");
    EXPECT_EQ(cargo_line(*loaded), "Cargo: 1000.00 tons, unloading");
}

TEST_F(TankerTest, DockedElsewhereOrMovingSailsAtFullSpeed) {
    auto docked_elsewhere = make_tanker();
    docked_elsewhere->dock(alpha);
    docked_elsewhere->set_load_destination(charlie);
    out.take();
    docked_elsewhere->set_unload_destination(bravo);
    EXPECT_EQ(out.take(), "Tank will unload at Bravo\n"
                          "Tank will sail on course 0.00 deg, speed 10.00 nm/hr to (0.00, 5.00)\n");
    EXPECT_EQ(cargo_line(*docked_elsewhere), "Cargo: 0.00 tons, moving to loading destination");

    auto loaded = loaded_tanker_at_alpha();
    loaded->dock(alpha);
    loaded->set_load_destination(charlie);
    out.take();
    loaded->set_unload_destination(bravo);
    EXPECT_EQ(out.take(),
              "Tank will unload at Bravo\n"
              "Tank will sail on course 90.00 deg, speed 10.00 nm/hr to (0.04, 0.00)\n");
    EXPECT_EQ(cargo_line(*loaded), "Cargo: 1000.00 tons, moving to unloading destination");

    // Close enough to dock, but a moving tanker is not stopped to do so.
    auto moving = make_tanker(Point(0., 0.05));
    moving->set_course_and_speed(90., 1.);
    moving->set_load_destination(alpha);
    out.take();
    moving->set_unload_destination(charlie);
    EXPECT_EQ(out.take(),
              "Tank will unload at Charlie\n"
              "Tank will sail on course 180.00 deg, speed 10.00 nm/hr to (0.00, 0.00)\n");
    EXPECT_EQ(cargo_line(*moving), "Cargo: 0.00 tons, moving to loading destination");
}

TEST_F(TankerTest, FullCargoCycleOverTicks) {
    auto load = make_island("Load", Point(0., 0.12), 600.);
    auto unload = make_island("Unload", Point(0., 0.), 0.008);
    auto tanker = make_tanker();
    tanker->set_load_destination(load);
    tanker->set_unload_destination(unload);
    out.take();

    // The third tick both arrives and docks.
    tanker->update();
    tanker->update();
    tanker->update();
    EXPECT_EQ(out.take(), "Tank now at (0.00, 0.05)\nTank now at (0.00, 0.10)\n"
                          "Tank now at (0.00, 0.12)\nTank docked at Load\n");
    // The island has less than the hold takes: a partial load, then nothing until it refills.
    tanker->update();
    EXPECT_EQ(out.take(),
              "Tank docked at Load\nIsland Load supplied 0.24 tons of fuel\n"
              "Tank now has 100.00 tons of fuel\nIsland Load supplied 599.76 tons of fuel\n"
              "Tank now has 599.76 of cargo\n");
    tanker->update();
    EXPECT_EQ(out.take(), "Tank docked at Load\nIsland Load supplied 0.00 tons of fuel\n"
                          "Tank now has 599.76 of cargo\n");
    load->accept_fuel(400.236);
    out.take();
    tanker->update();
    EXPECT_EQ(out.take(), "Tank docked at Load\nIsland Load supplied 400.24 tons of fuel\n"
                          "Tank now has 1000.00 of cargo\n");
    // 999.996 tons aboard: the hold counts as full and the island is not asked again.
    tanker->update();
    EXPECT_EQ(out.take(),
              "Tank docked at Load\n"
              "Tank will sail on course 180.00 deg, speed 10.00 nm/hr to (0.00, 0.00)\n");
    EXPECT_EQ(cargo_line(*tanker), "Cargo: 1000.00 tons, moving to unloading destination");

    tanker->update();
    tanker->update();
    out.take();
    tanker->update();
    EXPECT_EQ(out.take(), "Tank now at (0.00, 0.00)\nTank docked at Unload\n");
    // Unloading takes two ticks: one delivers, the next departs. The island's
    // 0.008 tons make 1000.01 only if the hold was rounded up to a full 1000.
    tanker->update();
    EXPECT_EQ(out.take(), "Tank docked at Unload\nIsland Unload now has 1000.01 tons\n");
    EXPECT_EQ(cargo_line(*tanker), "Cargo: 0.00 tons, unloading");
    tanker->update();
    EXPECT_EQ(out.take(), "Tank docked at Unload\n"
                          "Tank will sail on course 0.00 deg, speed 10.00 nm/hr to (0.00, 0.12)\n");
    EXPECT_EQ(cargo_line(*tanker), "Cargo: 0.00 tons, moving to loading destination");
}

TEST_F(TankerTest, StopLeavesTheCycleAndNavigationIsAcceptedAgain) {
    auto tanker = make_tanker();
    tanker->set_load_destination(charlie);
    tanker->set_unload_destination(bravo);
    tanker->update();
    out.take();
    tanker->stop();
    EXPECT_EQ(out.take(), "Tank stopping at (0.00, 0.05)\nTank now has no cargo destinations\n");
    EXPECT_EQ(cargo_line(*tanker), "Cargo: 0.00 tons, no cargo destinations");
    tanker->set_course_and_speed(90., 10.);
    EXPECT_TRUE(tanker->is_moving());
}

TEST_F(TankerTest, RunningDryDropsTheDestinationsOnEveryTick) {
    auto far = make_island("Far", Point(0., 100.));
    auto tanker = make_tanker();
    tanker->set_load_destination(far);
    tanker->set_unload_destination(bravo);
    EXPECT_EQ(sail_until_dry(*tanker),
              "Tank now at (0.00, 50.00)\nTank now has no cargo destinations\n");
    tanker->update();
    EXPECT_EQ(out.take(),
              "Tank dead in the water at (0.00, 50.00)\nTank now has no cargo destinations\n");
    EXPECT_EQ(description(*tanker),
              "\nTanker Tank at (0.00, 50.00), fuel: 0.00 tons, resistance: 0\n"
              "Dead in the water\nCargo: 0.00 tons, no cargo destinations\n");
}

TEST_F(TankerTest, DeadInTheWaterTankerGivenSecondDestinationKeepsOnlyTheFirst) {
    auto tanker = make_tanker();
    tanker->set_course_and_speed(0., 10.);
    sail_until_dry(*tanker);
    tanker->set_load_destination(charlie);
    out.take();
    EXPECT_EQ(error_from([&] { tanker->set_unload_destination(bravo); }), "Ship cannot move!\n");
    EXPECT_EQ(out.take(), "Tank will unload at Bravo\n");
    EXPECT_EQ(cargo_line(*tanker), "Cargo: 0.00 tons, no cargo destinations");
    // Charlie is still the load island and Bravo is no longer the unload one.
    EXPECT_EQ(error_from([&] { tanker->set_unload_destination(charlie); }),
              "Load and unload cargo destinations are the same!\n");
    out.take();
    tanker->set_load_destination(bravo);
    EXPECT_EQ(out.take(), "Tank will load at Bravo\n");
}

} // namespace
