#include "support/Sim_support.h"

#include "sim/Tanker.h"

namespace {

using Tankers = Sim_test;

// Run dry, a tanker drops its destinations every tick and keeps a new one but no cycle.
TEST_F(Tankers, RunningDryDropsTheDestinationsAndAllowsNoNewCycle) {
    Output_capture out;
    auto far = std::make_shared<Island>("Far", Point(0., 100.), 0., 0.);
    auto bravo = std::make_shared<Island>("Bravo", Point(0.04, 0.), 0., 0.);
    auto charlie = std::make_shared<Island>("Charlie", Point(0., 5.), 0., 0.);
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
