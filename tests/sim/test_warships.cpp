#include "support/Sim_support.h"

namespace {

class Cruisers : public Sim_test {
protected:
    Output_capture out;
};
class TorpedoBoats : public Cruisers {};

} // namespace

TEST_F(Cruisers, RefusedAttacksKeepTheTargetAndAGroupIsHitThroughItsNearestMemberAtRange) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(1, 0));
    // Ajax is neither the first member nor a direct one.
    auto own = create_group("Own", "Ship_group");
    auto inner = create_group("Inner", "Ship_group");
    own->add_member(tug);
    own->add_member(inner);
    inner->add_member(ajax);
    auto convoy = create_group("Convoy", "Ship_group");
    // Barge, the nearer, lies exactly at the cruiser's range.
    convoy->add_member(launch("Tanker", "Far", Point(20, 0)));
    convoy->add_member(launch("Tanker", "Barge", Point(9, -12)));
    ajax->attack(tug);
    out.take();
    EXPECT_EQ(error_from([&] { ajax->attack(own); }),
              "Warship may not attack a Group it is a member of!\n");
    EXPECT_EQ(error_from([&] { ajax->attack(create_group("Empty", "Ship_group")); }),
              "Group does not have any members!\n");
    EXPECT_TRUE(contains(description(*ajax), "\nStopped\nAttacking Tug\n"));

    // Switching targets is not giving up the attack, and nothing came of the refusal.
    ajax->attack(convoy);
    Model::get()->update();
    EXPECT_EQ(out.take(), "Ajax will attack Barge\nAjax stopped at (0.00, 0.00)\n"
                          "Ajax is attacking \nAjax fires\nBarge hit with 3, resistance now -3\n"
                          "Barge sunk\nBarge now has no cargo destinations\n"
                          "Far stopped at (20.00, 0.00)\nTug stopped at (1.00, 0.00)\n");
}

TEST_F(Cruisers, TargetRemovedFromTheWorldReadsAsAbsentAndEndsTheAttack) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(10, 0));
    ajax->attack(tug);
    pike->attack(tug);
    Model::get()->remove_ship(tug);
    tug.reset();
    EXPECT_TRUE(contains(description(*ajax), "\nStopped\nAttacking absent ship\n"));
    // Nor does the boat name whom it pursues.
    const std::string pike_text = description(*pike);
    EXPECT_TRUE(contains(pike_text, " nm/hr\nAttacking absent ship\n")) << pike_text;
    EXPECT_FALSE(contains(pike_text, "Pursuing")) << pike_text;
    out.take();
    Model::get()->update();
    EXPECT_TRUE(contains(out.take(), "Ajax stopped at (0.00, 0.00)\nAjax stopping attack\nPike"));
}

TEST_F(TorpedoBoats, ReturnsToItsStartAtHalfSpeedOnceTheTargetIsDestroyed) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    pike->attack(launch("Tanker", "Tug", Point(6, 0)));
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
    EXPECT_EQ(pike->get_location(), Point(0.0, 0.0));
}

// A boat that cannot move gives up out-of-range targets on its next tick, and stays.
TEST_F(TorpedoBoats, BoatDeadInTheWaterGivesUpTargetsItCannotReach) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    pike->set_course_and_speed(0, 26);
    for (int i = 0; i < 2000 && pike->can_move(); ++i)
        pike->update();
    const Point stuck = pike->get_location();
    auto far = launch("Tanker", "Far", Point(stuck.x + 10, stuck.y));
    out.take();
    EXPECT_EQ(error_from([&] { pike->attack(far); }), "Ship cannot move!\n");
    EXPECT_EQ(out.take(),
              "Pike will attack Far\nPike's target out of range. Will pursue and destroy.\n");
    pike->update();
    EXPECT_TRUE(contains(out.take(), "Pike is attacking \nPike stopping attack\n"));

    // Ace is in range when attacked but moves away before Pike's turn.
    auto ace = launch("Tanker", "Ace", Point(stuck.x + 3.98, stuck.y));
    ace->set_course_and_speed(90, 10);
    for (const auto& target : {ace, launch("Tanker", "Tug", Point(stuck.x + 1, stuck.y))}) {
        pike->attack(target);
        out.take();
        Model::get()->update();
        Model::get()->update();
        const std::string ticks = out.take();
        EXPECT_TRUE(contains(ticks, "Pike stopping attack\n")) << ticks;
        EXPECT_FALSE(contains(ticks, "pursue") || contains(ticks, "Returning")) << ticks;
    }
}
