#include "Sim_test_support.h"

#include "sim/Error.h"
#include "sim/Group.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "sim/Ship_factory.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

void add_island(const std::string& name, Point position) {
    Model::get()->add_island(std::make_shared<Island>(name, position, 1000., 0.));
}

// The islands named in "<ship> will visit <island>" lines, in order.
std::vector<std::string> visits(const std::string& text, const std::string& ship) {
    std::vector<std::string> result;
    std::istringstream lines(text);
    const std::string prefix = ship + " will visit ";
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            result.push_back(line.substr(prefix.size()));
    }
    return result;
}

std::vector<std::string> sorted_lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        result.push_back(line);
    std::sort(result.begin(), result.end());
    return result;
}

class CruiseShipTest : public Sim_test {};
class GroupTest : public Sim_test {};

} // namespace

TEST_F(CruiseShipTest, ToursNearestUnvisitedIslandFirstAndReturnsToStart) {
    add_island("A", Point(0, 0));
    add_island("B", Point(10, 0));
    add_island("C", Point(3, 0));
    auto cruz = launch("Cruise_ship", "Cruz", Point(0, 0));
    Output_capture out;
    cruz->set_destination_position_and_speed(Point(0, 0), 15);
    std::string all = out.take();
    EXPECT_TRUE(contains(all, "Cruz will visit A\nCruz cruise will start and end at A\n")) << all;
    cruz->describe();
    EXPECT_TRUE(contains(out.take(), "\nOn cruise to A\n"));

    Model::get()->update();
    cruz->describe();
    EXPECT_TRUE(contains(out.take(), "Docked at A\nWaiting during cruise at A\n"));
    for (int i = 0; i < 1000 && !contains(all, "cruise is over"); ++i) {
        Model::get()->update();
        all += out.take();
    }
    EXPECT_EQ(visits(all, "Cruz"), (std::vector<std::string>{"A", "C", "B", "A"}));
    EXPECT_TRUE(contains(all, "Cruz docked at A\nCruz cruise is over at A\n")) << all;
    EXPECT_TRUE(contains(all, "Cruz now has 500.00 tons of fuel\n"));
    cruz->describe();
    EXPECT_FALSE(contains(out.take(), "cruise"));
}

TEST_F(CruiseShipTest, EquallyNearIslandsAreVisitedInNameOrder) {
    add_island("Start", Point(0, 0));
    add_island("Bee", Point(0, 5));
    add_island("Ant", Point(0, -5));
    auto cruz = launch("Cruise_ship", "Cruz", Point(0, 0));
    Output_capture out;
    cruz->set_destination_position_and_speed(Point(0, 0), 10);
    for (int i = 0; i < 4; ++i)
        Model::get()->update();
    EXPECT_EQ(visits(out.take(), "Cruz"), (std::vector<std::string>{"Start", "Ant"}));
}

TEST_F(CruiseShipTest, SingleIslandCruiseSpendsThreeTicksThenEndsWhereItBegan) {
    add_island("Home", Point(0, 0));
    auto cruz = launch("Cruise_ship", "Cruz", Point(0, 0));
    Output_capture out;
    cruz->set_destination_position_and_speed(Point(0, 0), 10);
    const std::string sail =
        "Cruz will sail on course 90.00 deg, speed 10.00 nm/hr to (0.00, 0.00)\n";
    EXPECT_EQ(out.take(), sail + "Cruz will visit Home\nCruz cruise will start and end at Home\n");
    const std::vector<std::string> ticks = {
        "Cruz now at (0.00, 0.00)\nCruz docked at Home\n",
        "Cruz docked at Home\n",
        "Cruz docked at Home\n",
        "Cruz docked at Home\n" + sail + "Cruz will visit Home\n",
        "Cruz now at (0.00, 0.00)\nCruz docked at Home\nCruz cruise is over at Home\n",
        "Cruz docked at Home\n",
    };
    for (const auto& expected : ticks) {
        Model::get()->update();
        EXPECT_EQ(out.take(), expected);
    }
}

TEST_F(CruiseShipTest, DestinationOffAnyIslandCancelsTheCruiseThenFails) {
    add_island("A", Point(10, 0));
    auto cruz = launch("Cruise_ship", "Cruz", Point(0, 0));
    Output_capture out;
    cruz->set_destination_position_and_speed(Point(10, 0), 10);
    out.take();
    EXPECT_EQ(error_from([&] { cruz->set_destination_position_and_speed(Point(10, 0.001), 10); }),
              "Island not found!\n");
    EXPECT_EQ(out.take(), "Cruz canceling current cruise\n");
    EXPECT_TRUE(cruz->is_moving());
    cruz->describe();
    EXPECT_FALSE(contains(out.take(), "On cruise"));
}

TEST_F(CruiseShipTest, NavigationCommandsCancelOnlyARunningCruise) {
    add_island("A", Point(10, 0));
    auto cruz = launch("Cruise_ship", "Cruz", Point(0, 0));
    Output_capture out;
    cruz->set_destination_position_and_speed(Point(10, 0), 10);
    out.take();
    cruz->set_course_and_speed(0, 10);
    EXPECT_EQ(out.take(), "Cruz canceling current cruise\n"
                          "Cruz will sail on course 0.00 deg, speed 10.00 nm/hr\n");
    cruz->set_course_and_speed(90, 10);
    EXPECT_EQ(out.take(), "Cruz will sail on course 90.00 deg, speed 10.00 nm/hr\n");
    cruz->stop();
    EXPECT_EQ(out.take(), "Cruz stopping at (0.00, 0.00)\n");
}

TEST_F(CruiseShipTest, RunningDryCancelsTheCruiseOnce) {
    add_island("Far", Point(300, 0));
    auto cruz = launch("Cruise_ship", "Cruz", Point(0, 0));
    Output_capture out;
    cruz->set_destination_position_and_speed(Point(300, 0), 15);
    out.take();
    int cancels = 0;
    for (int i = 0; i < 4000 && cruz->can_move(); ++i) {
        Model::get()->update();
        std::string tick = out.take();
        if (contains(tick, "canceling current cruise")) {
            ++cancels;
            EXPECT_FALSE(cruz->can_move()) << "cancelled before running dry";
        }
    }
    ASSERT_FALSE(cruz->can_move());
    Model::get()->update();
    EXPECT_EQ(out.take(), "Cruz dead in the water at (250.00, 0.00)\n");
    EXPECT_EQ(cancels, 1);
}

TEST_F(GroupTest, RefusedMembershipChangesLeaveTheGroupAsItWas) {
    auto outer = create_group("Outer", "Ship_group");
    auto middle = create_group("Middle", "Ship_group");
    auto inner = create_group("Inner", "Ship_group");
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    outer->add_member(middle);
    middle->add_member(inner);
    inner->add_member(ajax);

    EXPECT_EQ(error_from([&] { outer->add_member(outer); }), "Cannot add a Group to itself!\n");
    EXPECT_EQ(error_from([&] { inner->add_member(ajax); }), "Already a member of this Group!\n");
    EXPECT_EQ(error_from([&] { inner->add_member(outer); }),
              "Cannot add a Group that would create a Cycle!\n");
    EXPECT_EQ(error_from([&] { outer->remove_member(outer); }),
              "Cannot remove a Group from itself!\n");
    EXPECT_EQ(error_from([&] { outer->remove_member(ajax); }), "Not a member of this Group!\n");
    EXPECT_EQ(outer->count(), 1u);
    EXPECT_EQ(inner->count(), 1u);
    EXPECT_TRUE(outer->is_member_present(ajax));

    // Already nested deeper is no bar to direct membership.
    outer->add_member(ajax);
    outer->add_member(inner);
    EXPECT_EQ(outer->count(), 3u);
    outer->remove_member(ajax);
    EXPECT_TRUE(outer->is_member_present(ajax));
}

TEST_F(GroupTest, CommandReachesEveryMemberAndGathersEveryFailure) {
    auto outer = create_group("Outer", "Ship_group");
    auto inner = create_group("Inner", "Ship_group");
    auto tug = launch("Tanker", "Tug", Point(0, 0));
    auto barge = launch("Tanker", "Barge", Point(1, 0));
    auto ajax = launch("Cruiser", "Ajax", Point(2, 0));
    outer->add_member(tug);
    outer->add_member(inner);
    inner->add_member(barge);
    inner->add_member(ajax);
    Output_capture out;
    EXPECT_EQ(error_from([&] { outer->set_course_and_speed(0, 15); }),
              "Ship cannot go that fast!\nShip cannot go that fast!\n");
    EXPECT_EQ(out.take(), "Ajax will sail on course 0.00 deg, speed 15.00 nm/hr\n");
    EXPECT_TRUE(ajax->is_moving());
    EXPECT_FALSE(tug->is_moving());
    EXPECT_FALSE(barge->is_moving());

    // Different texts arrive in member order, which names do not decide.
    EXPECT_EQ(sorted_lines(error_from([&] { outer->stop_attack(); })),
              (std::vector<std::string>{"Cannot attack!", "Cannot attack!", "Was not attacking!"}));
}

TEST_F(GroupTest, EmptyGroupAcceptsEveryShipCommandSilently) {
    auto group = create_group("Idle", "Ship_group");
    auto island = std::make_shared<Island>("Rock", Point(0, 0), 10., 0.);
    Output_capture out;
    EXPECT_EQ(error_from([&] {
                  group->stop();
                  group->set_course_and_speed(0, 999);
                  group->dock(island);
                  group->stop_attack();
              }),
              "no error");
    group->describe();
    EXPECT_EQ(out.take(), "\nShip_group Idle with no members.\n");
    EXPECT_EQ(error_from([&] { group->get_closest_member(Point(0, 0)); }),
              "Group does not have any members!\n");
}

TEST_F(GroupTest, DescribeListsEveryMember) {
    auto group = create_group("Pair", "Ship_group");
    group->add_member(launch("Tanker", "Tug", Point(0, 0)));
    group->add_member(launch("Cruiser", "Ajax", Point(1, 0)));
    Output_capture out;
    group->describe();
    // Member order is fixed but unrelated to names.
    const std::string text = out.take();
    EXPECT_TRUE(text == "\nShip_group Pair with 2 members:\n  Tug  Ajax  \n" ||
                text == "\nShip_group Pair with 2 members:\n  Ajax  Tug  \n")
        << text;
}

TEST_F(GroupTest, ShipSunkDuringATickLeavesTheGroupInThatTick) {
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    auto tug = launch("Tanker", "Tug", Point(1, 0));
    auto group = create_group("Convoy", "Ship_group");
    Model::get()->add_group(group);
    group->add_member(tug);
    group->add_member(launch("Tanker", "Keel", Point(2, 0)));
    Output_capture out;
    ajax->attack(tug);
    Model::get()->update();
    // Still held here, so the group dropped it for sinking, not for expiring.
    ASSERT_TRUE(tug->is_sunk());
    EXPECT_EQ(group->count(), 1u);
    EXPECT_FALSE(group->is_member_present(tug));
}

TEST_F(GroupTest, ClosestMemberIsTheNearestShipAtAnyDepth) {
    auto outer = create_group("Outer", "Ship_group");
    auto empty = create_group("Empty", "Ship_group");
    auto middle = create_group("Middle", "Ship_group");
    auto inner = create_group("Inner", "Ship_group");
    outer->add_member(empty);
    EXPECT_EQ(error_from([&] { outer->get_closest_member(Point(0, 0)); }),
              "Group does not have any members!\n");
    outer->add_member(launch("Tanker", "Far", Point(10, 0)));
    outer->add_member(middle);
    middle->add_member(launch("Tanker", "Mid", Point(0, 5)));
    middle->add_member(inner);
    auto close = launch("Tanker", "Close", Point(-2, 0));
    inner->add_member(close);
    EXPECT_EQ(outer->get_closest_member(Point(0, 0)), close);
    EXPECT_EQ(outer->get_closest_member(Point(9, 0))->get_name(), "Far");
}

TEST_F(GroupTest, ReleasedMemberIsSkippedUntilUpdatePrunesIt) {
    auto outer = create_group("Outer", "Ship_group");
    auto nested = create_group("Nested", "Ship_group");
    Model::get()->add_group(nested);
    auto tug = launch("Tanker", "Tug", Point(0, 0));
    auto barge = launch("Tanker", "Barge", Point(5, 0));
    outer->add_member(tug);
    outer->add_member(nested);
    nested->add_member(barge);
    Model::get()->remove_group(nested);
    nested.reset();

    Output_capture out;
    EXPECT_EQ(error_from([&] { outer->stop(); }), "no error");
    EXPECT_EQ(out.take(), "Tug stopping at (0.00, 0.00)\nTug now has no cargo destinations\n");
    EXPECT_FALSE(outer->is_member_present(barge));
    EXPECT_EQ(outer->get_closest_member(Point(5, 0)), tug);
    EXPECT_EQ(outer->count(), 2u);
    outer->describe();
    EXPECT_EQ(out.take(), "\nShip_group Outer with 1 members:\n  Tug  \n");
    outer->update();
    EXPECT_EQ(outer->count(), 1u);
}
