#include "support/Sim_support.h"

#include "sim/Tanker.h"

namespace {

// The last line of a tanker's description names its cargo and cycle state.
std::string cargo_line(const Tanker& tanker) {
    std::string text = description(tanker);
    text.pop_back();
    return text.substr(text.rfind('\n') + 1);
}

class Tankers : public Sim_test {
protected:
    std::shared_ptr<Island> make_island(const std::string& name, Point where, double fuel = 0.) {
        return std::make_shared<Island>(name, where, fuel, 0.);
    }
    std::shared_ptr<Tanker> make_tanker(Point where = Point(0., 0.)) {
        return std::make_shared<Tanker>("Tank", where);
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

TEST_F(Tankers, CyclingTankerRefusesNewOrdersAndStaysAsItWas) {
    auto tanker = make_tanker(Point(0., 1.));
    tanker->set_load_destination(charlie);
    tanker->set_unload_destination(bravo);
    out.take();
    const std::string before = description(*tanker);
    EXPECT_EQ(error_from([&] { tanker->set_course_and_speed(0., 5.); }),
              "Tanker has cargo destinations!\n");
    EXPECT_EQ(error_from([&] { tanker->set_unload_destination(alpha); }),
              "Tanker has cargo destinations!\n");
    EXPECT_EQ(out.take(), "");
    EXPECT_EQ(description(*tanker), before);
}

TEST_F(Tankers, CycleStartsAtTheIslandTheHoldCallsForWithoutSailingThereIfAlreadyClose) {
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

    auto near = make_tanker(Point(0., 0.05));
    near->set_load_destination(alpha);
    near->set_unload_destination(charlie);
    EXPECT_TRUE(contains(out.take(), "Tank will unload at Charlie\nTank docked at Alpha\n"));
    EXPECT_EQ(cargo_line(*near), "Cargo: 0.00 tons, loading");

    auto loaded = loaded_tanker_at_alpha();
    loaded->set_load_destination(charlie);
    loaded->set_unload_destination(alpha);
    EXPECT_TRUE(contains(out.take(), "Tank will unload at Alpha\nTank docked at Alpha\n"));
    EXPECT_EQ(cargo_line(*loaded), "Cargo: 1000.00 tons, unloading");

    // Docked at neither, it sails at full speed to the island its hold calls for.
    auto elsewhere = loaded_tanker_at_alpha();
    elsewhere->dock(alpha);
    elsewhere->set_load_destination(charlie);
    out.take();
    elsewhere->set_unload_destination(bravo);
    EXPECT_EQ(out.take(),
              "Tank will unload at Bravo\n"
              "Tank will sail on course 90.00 deg, speed 10.00 nm/hr to (0.04, 0.00)\n");
    EXPECT_EQ(cargo_line(*elsewhere), "Cargo: 1000.00 tons, moving to unloading destination");
}

TEST_F(Tankers, HoldWithinFiveThousandthsOfFullSailsAndDeliversAFullLoad) {
    auto load = make_island("Load", Point(0., 0.05), 999.996);
    auto unload = make_island("Unload", Point(0., 0.), 0.008);
    auto tanker = make_tanker(load->get_location());
    tanker->dock(load);
    tanker->set_load_destination(load);
    tanker->set_unload_destination(unload);
    tanker->update();
    out.take();
    // The hold counts as full and the island is not asked again.
    tanker->update();
    EXPECT_EQ(out.take(),
              "Tank docked at Load\n"
              "Tank will sail on course 180.00 deg, speed 10.00 nm/hr to (0.00, 0.00)\n");
    tanker->update();
    EXPECT_EQ(out.take(), "Tank now at (0.00, 0.00)\nTank docked at Unload\n");
    // Unloading takes two ticks: one delivers, the next departs. The island's
    // 0.008 tons make 1000.01 only if the hold was rounded up to a full 1000.
    tanker->update();
    EXPECT_EQ(out.take(), "Tank docked at Unload\nIsland Unload now has 1000.01 tons\n");
    EXPECT_EQ(cargo_line(*tanker), "Cargo: 0.00 tons, unloading");
    tanker->update();
    EXPECT_EQ(out.take(), "Tank docked at Unload\n"
                          "Tank will sail on course 0.00 deg, speed 10.00 nm/hr to (0.00, 0.05)\n");
}

// A tanker that runs dry in its cycle drops the destinations on every tick
// after; given a second destination, it keeps only the first.
TEST_F(Tankers, RunningDryDropsTheDestinationsAndAllowsNoNewCycle) {
    auto far = make_island("Far", Point(0., 100.));
    auto tanker = make_tanker();
    tanker->set_load_destination(far);
    tanker->set_unload_destination(bravo);
    for (int tick = 0; tick < 1100 && tanker->can_move(); ++tick) {
        out.take();
        tanker->update();
    }
    EXPECT_EQ(out.take(), "Tank now at (0.00, 50.00)\nTank now has no cargo destinations\n");
    tanker->update();
    EXPECT_EQ(out.take(),
              "Tank dead in the water at (0.00, 50.00)\nTank now has no cargo destinations\n");
    EXPECT_EQ(description(*tanker),
              "\nTanker Tank at (0.00, 50.00), fuel: 0.00 tons, resistance: 0\n"
              "Dead in the water\nCargo: 0.00 tons, no cargo destinations\n");

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
