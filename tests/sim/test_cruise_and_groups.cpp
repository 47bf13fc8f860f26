#include "support/Sim_support.h"

#include <regex>
#include <utility>
#include <vector>

namespace {

// The first parts of the lines of `text` that `line` matches, in order.
std::vector<std::string> matches(const std::string& text, const std::string& line) {
    std::vector<std::string> result;
    const std::regex pattern(line + "\n");
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it)
        result.push_back((*it)[1]);
    return result;
}

class CruiseShips : public Sim_test {};
class ShipGroups : public Sim_test {};

} // namespace

// C and D lie equally near A; the first by name goes first.
TEST_F(CruiseShips, ToursNearestUnvisitedIslandFirstAndReturnsToStart) {
    const std::pair<const char*, double> islands[] = {{"A", 0}, {"B", 10}, {"D", -3}, {"C", 3}};
    for (const auto& [name, x] : islands)
        Model::get()->add_island(std::make_shared<Island>(name, Point(x, 0), 1000., 0.));
    auto cruz = launch("Cruise_ship", "Cruz", Point(0, 0));
    Output_capture out;
    cruz->set_destination_position_and_speed(Point(0, 0), 15);
    std::string all = out.take();
    Model::get()->update();
    EXPECT_TRUE(contains(description(*cruz), "Docked at A\nWaiting during cruise at A\n"));
    for (int i = 0; i < 1000 && !contains(all, "cruise is over"); ++i) {
        Model::get()->update();
        all += out.take();
    }
    EXPECT_EQ(matches(all, "Cruz will visit (\\w+)"),
              (std::vector<std::string>{"A", "C", "D", "B", "A"}));
    // Docking, refuelling, waiting and leaving take a tick each.
    EXPECT_EQ(matches(all, "Cruz (docked) at C").size(), 4u);
    EXPECT_TRUE(contains(all, "Cruz docked at A\nCruz cruise is over at A\n")) << all;
    EXPECT_TRUE(contains(all, "Cruz now has 500.00 tons of fuel\n"));
    EXPECT_FALSE(contains(description(*cruz), "cruise"));
}

TEST_F(CruiseShips, RunningDryCancelsTheCruiseOnceInTheTickItHappens) {
    Model::get()->add_island(std::make_shared<Island>("Far", Point(300, 0), 1000., 0.));
    auto cruz = launch("Cruise_ship", "Cruz", Point(0, 0));
    Output_capture out;
    cruz->set_destination_position_and_speed(Point(300, 0), 15);
    for (int i = 0; i < 4000 && cruz->can_move(); ++i) {
        Model::get()->update();
        ASSERT_EQ(contains(out.take(), "canceling current cruise"), !cruz->can_move()) << i;
    }
    Model::get()->update();
    EXPECT_EQ(out.take(), "Cruz dead in the water at (250.00, 0.00)\n");
}

TEST_F(ShipGroups, TheClosestMemberIsTheNearestShipAtAnyDepth) {
    auto outer = create_group("Outer", "Ship_group");
    auto middle = create_group("Middle", "Ship_group");
    auto inner = create_group("Inner", "Ship_group");
    auto ajax = launch("Cruiser", "Ajax", Point(0, 0));
    outer->add_member(middle);
    middle->add_member(inner);
    inner->add_member(ajax);
    outer->add_member(launch("Tanker", "Far", Point(10, 0)));
    middle->add_member(launch("Tanker", "Mid", Point(0, 5)));
    EXPECT_EQ(outer->get_closest_member(Point(1, 1)), ajax);
    EXPECT_EQ(outer->get_closest_member(Point(9, 0))->get_name(), "Far");
    // Of equally near ships the first made is the closest, whenever it joined.
    auto pair = create_group("Pair", "Ship_group");
    auto west = launch("Tanker", "West", Point(-1, 0));
    pair->add_member(launch("Tanker", "East", Point(1, 0)));
    pair->add_member(west);
    EXPECT_EQ(pair->get_closest_member(Point(0, 5)), west);
    auto hollow = create_group("Hollow", "Ship_group");
    hollow->add_member(create_group("Empty", "Ship_group"));
    EXPECT_EQ(error_from([&] { hollow->get_closest_member(Point(0, 0)); }),
              "Group does not have any members!\n");
}

TEST_F(ShipGroups, ReleasedMemberIsSkippedUntilUpdatePrunesIt) {
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

    EXPECT_EQ(captured([&] { outer->stop(); }),
              "Tug stopping at (0.00, 0.00)\nTug now has no cargo destinations\n");
    EXPECT_FALSE(outer->is_member_present(barge));
    EXPECT_EQ(outer->get_closest_member(Point(5, 0)), tug);
    EXPECT_EQ(outer->count(), 2u);
    EXPECT_EQ(description(*outer), "\nShip_group Outer with 1 members:\n  Tug  \n");
    outer->update();
    EXPECT_EQ(outer->count(), 1u);
}
