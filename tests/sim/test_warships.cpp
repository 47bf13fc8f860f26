#include "support/Sim_support.h"

namespace {

class Cruisers : public Sim_test {};
class TorpedoBoats : public Sim_test {};

} // namespace

TEST_F(Cruisers, RefusedAttacksKeepTheTargetAndAGroupIsHitThroughItsNearestMember) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(1, 0));
    // Ajax is neither the first member nor a direct one.
    auto own = create_group("Own", "Ship_group");
    own->add_member(tug);
    auto inner = create_group("Inner", "Ship_group");
    own->add_member(inner);
    inner->add_member(ajax);
    auto empty = create_group("Empty", "Ship_group");
    auto convoy = create_group("Convoy", "Ship_group");
    convoy->add_member(launch("Tanker", "Far", Point(10, 0)));
    convoy->add_member(launch("Tanker", "Barge", Point(0, -3)));
    Output_capture out;
    ajax->attack(tug);
    out.take();

    EXPECT_EQ(error_from([&] { ajax->attack(own); }),
              "Warship may not attack a Group it is a member of!\n");
    EXPECT_EQ(error_from([&] { ajax->attack(empty); }), "Group does not have any members!\n");
    EXPECT_EQ(out.take(), "");
    EXPECT_TRUE(contains(description(*ajax), "\nStopped\nAttacking Tug\n"));

    // Switching targets is not giving up the attack.
    ajax->attack(convoy);
    EXPECT_EQ(out.take(), "Ajax will attack Barge\n");
    Model::get()->update();
    EXPECT_TRUE(contains(out.take(), "Ajax fires\nBarge hit with 3"));
}

TEST_F(Cruisers, TargetExactlyAtRangeIsFiredOn) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(9, 12));
    Output_capture out;
    ajax->attack(tug);
    out.take();
    Model::get()->update();
    // Tug updates after Ajax, so the shot sinks it within the same tick.
    EXPECT_EQ(out.take(), "Ajax stopped at (0.00, 0.00)\nAjax is attacking \nAjax fires\n"
                          "Tug hit with 3, resistance now -3\nTug sunk\n"
                          "Tug now has no cargo destinations\n");
    EXPECT_FALSE(Model::get()->is_ship_present("Tug"));
}

TEST_F(Cruisers, TargetRemovedFromTheWorldReadsAsAbsentAndEndsTheAttack) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(10, 0));
    Output_capture out;
    ajax->attack(tug);
    pike->attack(tug);
    const std::string pike_header =
        "\nTorpedo_boat Pike at (0.00, 0.00), fuel: 1500.00 tons, resistance: 4\n"
        "Moving to (10.00, 0.00) on course 90.00 deg, speed 26.00 nm/hr\n";
    EXPECT_EQ(description(*pike), pike_header + "Attacking Tug\nPursuing Tug\n");

    Model::get()->remove_ship(tug);
    tug.reset();
    EXPECT_EQ(description(*ajax),
              "\nCruiser Ajax at (0.00, 0.00), fuel: 1000.00 tons, resistance: 6\n"
              "Stopped\nAttacking absent ship\n");
    EXPECT_EQ(description(*pike), pike_header + "Attacking absent ship\n");
    out.take();
    Model::get()->update();
    EXPECT_TRUE(contains(out.take(), "Ajax stopped at (0.00, 0.00)\nAjax stopping attack\nPike"));
}

TEST_F(TorpedoBoats, ReturnsToItsStartAtHalfSpeedOnceTheTargetIsDestroyed) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(6, 0));
    Output_capture out;
    pike->attack(tug);
    tug.reset();
    for (int i = 0; i < 16; ++i)
        Model::get()->update();
    EXPECT_TRUE(contains(out.take(), "Pike now at (2.08, 0.00)\nPike is attacking \nPike fires\n"));
    Model::get()->update();
    EXPECT_EQ(out.take(),
              "Pike now at (2.21, 0.00)\nPike stopping at (2.21, 0.00)\n"
              "Pike stopping attack\n"
              "Pike's target destroyed. Returning to original location.\n"
              "Pike will sail on course 270.00 deg, speed 13.00 nm/hr to (0.00, 0.00)\n");
    for (int i = 0; i < 40 && pike->is_moving(); ++i)
        Model::get()->update();
    EXPECT_FALSE(pike->is_moving());
    EXPECT_EQ(pike->get_location(), Point(0.0, 0.0));
}

TEST_F(TorpedoBoats, BoatDeadInTheWaterGivesUpTargetsItCannotReach) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    Output_capture out;
    pike->set_course_and_speed(0, 26);
    for (int i = 0; i < 2000 && pike->can_move(); ++i)
        pike->update();
    ASSERT_FALSE(pike->can_move());
    const Point stuck = pike->get_location();

    // Told to attack, it says why it cannot chase and keeps the attack
    // until its next tick gives it up.
    auto far = launch("Tanker", "Far", Point(stuck.x + 10, stuck.y));
    out.take();
    EXPECT_EQ(error_from([&] { pike->attack(far); }), "Ship cannot move!\n");
    EXPECT_EQ(out.take(),
              "Pike will attack Far\nPike's target out of range. Will pursue and destroy.\n");
    EXPECT_EQ(error_from([&] { pike->update(); }), "no error");
    EXPECT_TRUE(contains(out.take(), "Pike is attacking \nPike stopping attack\n"));

    // In range when attacked, but Ace moves away before Pike's turn.
    auto ace = launch("Tanker", "Ace", Point(stuck.x + 3.98, stuck.y));
    ace->set_course_and_speed(90, 10);
    pike->attack(ace);
    out.take();
    EXPECT_EQ(error_from([] { Model::get()->update(); }), "no error");
    std::string tick = out.take();
    EXPECT_TRUE(contains(tick, "Pike is attacking \nPike stopping attack\n")) << tick;
    EXPECT_FALSE(contains(tick, "pursue")) << tick;

    // A destroyed target brings no attempt to sail home.
    auto tug = launch("Tanker", "Tug", Point(stuck.x + 1, stuck.y));
    pike->attack(tug);
    Model::get()->update();
    out.take();
    EXPECT_EQ(error_from([] { Model::get()->update(); }), "no error");
    tick = out.take();
    EXPECT_TRUE(contains(tick, "Pike stopping attack\n")) << tick;
    EXPECT_FALSE(contains(tick, "Returning")) << tick;
}
