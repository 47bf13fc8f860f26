#include "support/Sim_support.h"

#include "sim/Tanker.h"

#include <tuple>

namespace {

class Tankers : public Sim_test {
protected:
    // A tanker stopped at Alpha, out of any cycle, with a full hold.
    std::shared_ptr<Tanker> loaded_tanker_at_alpha() {
        auto tanker = std::make_shared<Tanker>("Tank", alpha->get_location());
        alpha->accept_fuel(1000.);
        tanker->set_load_destination(alpha);
        tanker->set_unload_destination(bravo);
        tanker->update();
        tanker->stop();
        out.take();
        return tanker;
    }

    Output_capture out;
    std::shared_ptr<Island> alpha = std::make_shared<Island>("Alpha", Point(0., 0.), 0., 0.);
    std::shared_ptr<Island> bravo = std::make_shared<Island>("Bravo", Point(0.04, 0.), 0., 0.);
    std::shared_ptr<Island> charlie = std::make_shared<Island>("Charlie", Point(0., 5.), 0., 0.);
};

// Docked at either island, the cycle starts there; else it docks close by or sails at full speed.
TEST_F(Tankers, CycleStartsAtTheIslandTheHoldCallsForWithoutSailingThereIfAlreadyClose) {
    const std::tuple<std::shared_ptr<Island>, std::shared_ptr<Island>, std::shared_ptr<Island>,
                     bool, std::string, std::string>
        cases[] = {
            {charlie, charlie, bravo, false, "", "0.00 tons, loading"},
            {bravo, charlie, bravo, false, "", "0.00 tons, unloading"},
            {nullptr, alpha, charlie, false, "Tank docked at Alpha\n", "0.00 tons, loading"},
            {nullptr, charlie, alpha, true, "Tank docked at Alpha\n", "1000.00 tons, unloading"},
            {alpha, charlie, bravo, true,
             "Tank will sail on course 90.00 deg, speed 10.00 nm/hr to (0.04, 0.00)\n",
             "1000.00 tons, moving to unloading destination"},
        };
    for (const auto& [docked_at, load, unload, loaded, news, cargo] : cases) {
        SCOPED_TRACE(cargo);
        const Point at = docked_at ? docked_at->get_location() : Point(0., 0.05);
        auto tanker = loaded ? loaded_tanker_at_alpha() : std::make_shared<Tanker>("Tank", at);
        if (docked_at)
            tanker->dock(docked_at);
        tanker->set_load_destination(load);
        out.take();
        tanker->set_unload_destination(unload);
        EXPECT_EQ(out.take(), "Tank will unload at " + unload->get_name() + "\n" + news);
        EXPECT_TRUE(contains(description(*tanker), "\nCargo: " + cargo + "\n"));
    }
}

// A cycling tanker refuses new orders and carries on as it was.
TEST_F(Tankers, HoldWithinFiveThousandthsOfFullSailsAndDeliversAFullLoad) {
    auto load = std::make_shared<Island>("Load", Point(0., 0.05), 999.996, 0.);
    auto unload = std::make_shared<Island>("Unload", Point(0., 0.), 0.008, 0.);
    auto tanker = std::make_shared<Tanker>("Tank", load->get_location());
    tanker->dock(load);
    tanker->set_load_destination(load);
    tanker->set_unload_destination(unload);
    tanker->update();
    out.take();
    EXPECT_EQ(error_from([&] { tanker->set_unload_destination(charlie); }),
              "Tanker has cargo destinations!\n");
    // The hold is full without asking the island again: 0.008 + 1000 tons make 1000.01.
    // Unloading takes two ticks: one delivers, the next departs.
    const std::string ticks[] = {
        "Tank docked at Load\n"
        "Tank will sail on course 180.00 deg, speed 10.00 nm/hr to (0.00, 0.00)\n",
        "Tank now at (0.00, 0.00)\nTank docked at Unload\n",
        "Tank docked at Unload\nIsland Unload now has 1000.01 tons\n",
        "Tank docked at Unload\n"
        "Tank will sail on course 0.00 deg, speed 10.00 nm/hr to (0.00, 0.05)\n"};
    for (const auto& expected : ticks) {
        tanker->update();
        EXPECT_EQ(out.take(), expected);
    }
}

// Run dry, a tanker drops its destinations every tick and keeps a new one but no cycle.
TEST_F(Tankers, RunningDryDropsTheDestinationsAndAllowsNoNewCycle) {
    auto far = std::make_shared<Island>("Far", Point(0., 100.), 0., 0.);
    auto tanker = std::make_shared<Tanker>("Tank", Point(0., 0.));
    tanker->set_load_destination(far);
    tanker->set_unload_destination(bravo);
    for (int tick = 0; tick < 1100 && tanker->can_move(); ++tick) {
        out.take();
        tanker->update();
    }
    tanker->update();
    EXPECT_EQ(out.take(), "Tank now at (0.00, 50.00)\nTank now has no cargo destinations\n"
                          "Tank dead in the water at (0.00, 50.00)\n"
                          "Tank now has no cargo destinations\n");
    EXPECT_EQ(description(*tanker),
              "\nTanker Tank at (0.00, 50.00), fuel: 0.00 tons, resistance: 0\n"
              "Dead in the water\nCargo: 0.00 tons, no cargo destinations\n");

    tanker->set_load_destination(charlie);
    out.take();
    EXPECT_EQ(error_from([&] { tanker->set_unload_destination(bravo); }), "Ship cannot move!\n");
    EXPECT_EQ(out.take(), "Tank will unload at Bravo\n");
    // Charlie is still the load island and Bravo is no longer the unload one.
    EXPECT_EQ(error_from([&] { tanker->set_unload_destination(charlie); }),
              "Load and unload cargo destinations are the same!\n");
    tanker->set_load_destination(bravo);
    EXPECT_EQ(out.take(), "Tank will load at Bravo\n");
}

} // namespace
