#include "Sim_test_support.h"

#include "sim/Error.h"
#include "sim/Geometry.h"
#include "sim/Group.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "sim/Ship_factory.h"

#include <memory>
#include <string>

namespace {

// Something commandable that is neither a ship nor a group.
class Buoy : public Commandable_object {
public:
    std::string get_name() const override { return "Buoy"; }
};

class CruiserTest : public Sim_test {};
class TorpedoBoatTest : public Sim_test {};

} // namespace

TEST_F(CruiserTest, RefusedAttacksKeepTheTargetAndANewOneSwitchesIt) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(1, 0));
    auto barge = launch("Tanker", "Barge", Point(2, 0));
    auto own = create_group("Own", "Ship_group");
    own->add_member(ajax);
    auto mixed = create_group("Mixed", "Ship_group");
    mixed->add_member(barge);
    mixed->add_member(ajax);
    auto empty = create_group("Empty", "Ship_group");
    Output_capture out;
    ajax->attack(tug);
    EXPECT_EQ(out.take(), "Ajax will attack Tug\n");

    EXPECT_EQ(error_from([&] { ajax->attack(ajax); }), "Warship may not attack itself!\n");
    EXPECT_EQ(error_from([&] { ajax->attack(std::make_shared<Buoy>()); }),
              "Warship may only fire on another ship!\n");
    EXPECT_EQ(error_from([&] { ajax->attack(own); }),
              "Warship may not attack a Group it is a member of!\n");
    EXPECT_EQ(error_from([&] { ajax->attack(mixed); }),
              "Warship may not attack a Group it is a member of!\n");
    EXPECT_EQ(error_from([&] { ajax->attack(empty); }), "Group does not have any members!\n");
    EXPECT_EQ(out.take(), "");

    ajax->describe();
    EXPECT_EQ(out.take(), "\nCruiser Ajax at (0.00, 0.00), fuel: 1000.00 tons, resistance: 6\n"
                          "Stopped\nAttacking Tug\n");

    // Switching targets is not giving up the attack.
    ajax->attack(barge);
    EXPECT_EQ(out.take(), "Ajax will attack Barge\n");
    Model::get()->update();
    EXPECT_TRUE(contains(out.take(), "Ajax fires\nBarge hit with 3"));
}

TEST_F(CruiserTest, HitWhileIdleStrikesBackEvenWhenSinkingThenCannotAttack) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(1, 0));
    Output_capture out;
    ajax->receive_hit(7, tug);
    EXPECT_EQ(out.take(), "Ajax hit with 7, resistance now -1\nAjax will attack Tug\n");
    ajax->update();
    EXPECT_EQ(out.take(), "Ajax sunk\nAjax stopping attack\n");
    EXPECT_EQ(error_from([&] { ajax->attack(tug); }), "Cannot attack!\n");
}

TEST_F(CruiserTest, GroupTargetIsItsMemberClosestToTheAttacker) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto group = create_group("Fleet", "Ship_group");
    group->add_member(launch("Tanker", "Far", Point(10, 0)));
    group->add_member(launch("Tanker", "Near", Point(0, -3)));
    group->add_member(launch("Tanker", "Mid", Point(4, 4)));
    Output_capture out;
    ajax->attack(group);
    EXPECT_EQ(out.take(), "Ajax will attack Near\n");
}

TEST_F(CruiserTest, TargetExactlyAtRangeIsFiredOn) {
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

TEST_F(CruiserTest, TargetSailingOutOfRangeIsGivenUpWithoutPursuit) {
    // Ace moves before Ajax measures, so it is out of range in the first tick.
    auto ace = launch("Tanker", "Ace", Point(0, 14.98));
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    Output_capture out;
    ace->set_course_and_speed(0, 10);
    ajax->attack(ace);
    out.take();
    Model::get()->update();
    EXPECT_EQ(out.take(),
              "Ace now at (0.00, 15.03)\nAjax stopped at (0.00, 0.00)\n"
              "Ajax is attacking \nAjax target is out of range\nAjax stopping attack\n");
    EXPECT_FALSE(ajax->is_moving());
    Model::get()->update();
    EXPECT_EQ(out.take(), "Ace now at (0.00, 15.08)\nAjax stopped at (0.00, 0.00)\n");
}

TEST_F(CruiserTest, DuelFiresOncePerTickUntilTheTargetSinks) {
    // Aard updates before Zulu, so its counter-fire lags one tick and Zulu
    // survives the duel with resistance 0.
    auto aard = launch("Cruiser", "Aard", Point(10, 0));
    auto zulu = launch("Cruiser", "Zulu", Point(0, 0));
    Output_capture out;
    zulu->attack(aard);
    out.take();
    Model::get()->update();
    EXPECT_EQ(out.take(), "Aard stopped at (10.00, 0.00)\nZulu stopped at (0.00, 0.00)\n"
                          "Zulu is attacking \nZulu fires\nAard hit with 3, resistance now 3\n"
                          "Aard will attack Zulu\n");
    // Zulu is busy when hit, so it keeps Aard rather than re-targeting.
    Model::get()->update();
    EXPECT_EQ(out.take(), "Aard stopped at (10.00, 0.00)\nAard is attacking \nAard fires\n"
                          "Zulu hit with 3, resistance now 3\nZulu stopped at (0.00, 0.00)\n"
                          "Zulu is attacking \nZulu fires\nAard hit with 3, resistance now 0\n");
    Model::get()->update();
    EXPECT_EQ(out.take(), "Aard stopped at (10.00, 0.00)\nAard is attacking \nAard fires\n"
                          "Zulu hit with 3, resistance now 0\nZulu stopped at (0.00, 0.00)\n"
                          "Zulu is attacking \nZulu fires\nAard hit with 3, resistance now -3\n");
    Model::get()->update();
    EXPECT_EQ(out.take(), "Aard sunk\nAard stopping attack\nZulu stopped at (0.00, 0.00)\n"
                          "Zulu stopping attack\n");
    EXPECT_FALSE(Model::get()->is_ship_present("Aard"));
    Model::get()->update();
    EXPECT_EQ(out.take(), "Zulu stopped at (0.00, 0.00)\n");
}

TEST_F(CruiserTest, TargetRemovedFromTheWorldReadsAsAbsent) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(1, 0));
    Output_capture out;
    ajax->attack(tug);
    Model::get()->remove_ship(tug);
    tug.reset();
    out.take();
    ajax->describe();
    EXPECT_EQ(out.take(), "\nCruiser Ajax at (0.00, 0.00), fuel: 1000.00 tons, resistance: 6\n"
                          "Stopped\nAttacking absent ship\n");
    Model::get()->update();
    EXPECT_EQ(out.take(), "Ajax stopped at (0.00, 0.00)\nAjax stopping attack\n");
}

TEST_F(TorpedoBoatTest, TargetAtExactlyRangeIsFiredOnFromTheNextTick) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(0, 4));
    Output_capture out;
    pike->attack(tug);
    EXPECT_EQ(out.take(), "Pike will attack Tug\n");
    EXPECT_FALSE(pike->is_moving());
    Model::get()->update();
    EXPECT_EQ(out.take(), "Pike stopped at (0.00, 0.00)\nPike is attacking \nPike fires\n"
                          "Tug hit with 7, resistance now -7\nTug sunk\n"
                          "Tug now has no cargo destinations\n");
}

TEST_F(TorpedoBoatTest, PursuitReAimsEveryTickUntilWithinRange) {
    // Ace moves first in each tick, so Pike always aims at where it is now.
    auto ace = launch("Tanker", "Ace", Point(10, 0));
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    Output_capture out;
    ace->set_course_and_speed(0, 10);
    out.take();
    pike->attack(ace);
    EXPECT_EQ(out.take(),
              "Pike will attack Ace\n"
              "Pike's target out of range. Will pursue and destroy.\n"
              "Pike will sail on course 90.00 deg, speed 26.00 nm/hr to (10.00, 0.00)\n");
    Model::get()->update();
    EXPECT_EQ(out.take(),
              "Ace now at (10.00, 0.05)\nPike now at (0.13, 0.00)\n"
              "Pike is attacking \n"
              "Pike's target out of range. Will pursue and destroy.\n"
              "Pike will sail on course 89.71 deg, speed 26.00 nm/hr to (10.00, 0.05)\n");
    int ticks = 1;
    for (;; ++ticks) {
        ASSERT_LT(ticks, 200) << "never came within range";
        Model::get()->update();
        std::string tick = out.take();
        if (cartesian_distance(pike->get_location(), ace->get_location()) <= 4.0) {
            EXPECT_TRUE(contains(tick, "Pike fires\n")) << tick;
            EXPECT_FALSE(contains(tick, "pursue")) << tick;
            break;
        }
        EXPECT_TRUE(contains(tick, "Will pursue and destroy.\nPike will sail on ")) << tick;
    }
    EXPECT_GT(ticks, 40);
}

TEST_F(TorpedoBoatTest, ReturnsToItsStartAtHalfSpeedOnceTheTargetIsDestroyed) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(6, 0));
    Output_capture out;
    pike->attack(tug);
    tug.reset();
    for (int i = 0; i < 15; ++i)
        Model::get()->update();
    out.take();
    Model::get()->update();
    EXPECT_EQ(out.take(), "Pike now at (2.08, 0.00)\nPike is attacking \nPike fires\n"
                          "Tug hit with 7, resistance now -7\nTug sunk\n"
                          "Tug now has no cargo destinations\n");
    Model::get()->update();
    EXPECT_EQ(out.take(),
              "Pike now at (2.21, 0.00)\nPike stopping at (2.21, 0.00)\n"
              "Pike stopping attack\n"
              "Pike's target destroyed. Returning to original location.\n"
              "Pike will sail on course 270.00 deg, speed 13.00 nm/hr to (0.00, 0.00)\n");
    for (int i = 0; i < 40 && pike->is_moving(); ++i)
        Model::get()->update();
    EXPECT_FALSE(pike->is_moving());
    EXPECT_EQ(pike->get_location().x, 0.0);
    EXPECT_EQ(pike->get_location().y, 0.0);
}

TEST_F(TorpedoBoatTest, StopDuringPursuitCallsOffTheAttackFirst) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(10, 0));
    Output_capture out;
    pike->attack(tug);
    out.take();
    pike->stop();
    EXPECT_EQ(out.take(), "Pike will call off current attack.\nPike stopping at (0.00, 0.00)\n"
                          "Pike stopping attack\nPike stopping at (0.00, 0.00)\n");
    Model::get()->update();
    EXPECT_EQ(out.take(), "Pike stopped at (0.00, 0.00)\nTug stopped at (10.00, 0.00)\n");
}

TEST_F(TorpedoBoatTest, AttackOnItselfCallsOffTheCurrentAttackThenFails) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(3, 0));
    Output_capture out;
    pike->attack(tug);
    out.take();
    EXPECT_EQ(error_from([&] { pike->attack(pike); }), "Warship may not attack itself!\n");
    EXPECT_EQ(out.take(), "Pike will call off current attack.\nPike stopping attack\n");
    EXPECT_EQ(error_from([&] { pike->stop_attack(); }), "Was not attacking!\n");
}

TEST_F(TorpedoBoatTest, DescribeShowsPursuitOnlyWhileTheTargetExists) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(10, 0));
    const std::string header =
        "\nTorpedo_boat Pike at (0.00, 0.00), fuel: 1500.00 tons, resistance: 4\n";
    Output_capture out;
    pike->describe();
    EXPECT_EQ(out.take(), header + "Stopped\n");
    pike->attack(tug);
    out.take();
    pike->describe();
    const std::string moving = "Moving to (10.00, 0.00) on course 90.00 deg, speed 26.00 nm/hr\n";
    EXPECT_EQ(out.take(), header + moving + "Attacking Tug\nPursuing Tug\n");
    Model::get()->remove_ship(tug);
    tug.reset();
    pike->describe();
    EXPECT_EQ(out.take(), header + moving + "Attacking absent ship\n");
}

TEST_F(TorpedoBoatTest, BoatDeadInTheWaterGivesUpTargetsItCannotReach) {
    auto pike = launch("Torpedo_boat", "Pike", Point(0, 0));
    Output_capture out;
    pike->set_course_and_speed(0, 26);
    for (int i = 0; i < 2000 && pike->can_move(); ++i)
        pike->update();
    ASSERT_FALSE(pike->can_move());
    const Point stuck = pike->get_location();

    auto far = launch("Tanker", "Far", Point(stuck.x + 10, stuck.y));
    out.take();
    EXPECT_EQ(error_from([&] { pike->attack(far); }), "no error");
    EXPECT_EQ(out.take(), "Pike will attack Far\nPike stopping attack\n");

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
