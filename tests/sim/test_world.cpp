#include "Sim_test_support.h"

#include "sim/Cruise_ship.h"
#include "sim/Cruiser.h"
#include "sim/Error.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship_factory.h"
#include "sim/Ship_group.h"
#include "sim/Tanker.h"
#include "sim/Torpedo_boat.h"
#include "sim/View.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Writes every call it gets to std::cout, so that a captured tick shows the
// views' calls in order among the objects' own lines.
class Recording_view : public View {
public:
    void update_location(const std::string& name, Point location) override {
        std::cout << "view: " << name << " at " << location << '\n';
        View::update_location(name, location);
    }
    void update_remove(const std::string& name) override {
        // Views may still look up a ship while they are told it is leaving.
        std::cout << "view: " << name << " removed, "
                  << (Model::get()->is_ship_present(name) ? "still in world" : "already gone")
                  << '\n';
        View::update_remove(name);
    }
    void draw() override {}
    bool knows(const std::string& name) const { return get_obj_locations().count(name) > 0; }
};

class Recording_group : public Ship_group {
public:
    using Ship_group::Ship_group;
    void update() override {
        Ship_group::update();
        std::cout << get_name() << " updated with " << count() << " members\n";
    }
};

std::shared_ptr<Island> island(const std::string& name, Point position, double fuel = 0.,
                               double production_rate = 0.) {
    return std::make_shared<Island>(name, position, fuel, production_rate);
}

} // namespace

TEST(IslandTest, FuelGoesOutNoMoreThanTheStockAndComesIn) {
    Island xyz("Xyz", Point(0., 0.), 20., 0.);
    Output_capture out;
    EXPECT_EQ(xyz.provide_fuel(5.), 5.);
    EXPECT_EQ(xyz.provide_fuel(50.), 15.);
    EXPECT_EQ(xyz.provide_fuel(1.), 0.);
    EXPECT_EQ(out.take(),
              "Island Xyz supplied 5.00 tons of fuel\nIsland Xyz supplied 15.00 tons of "
              "fuel\nIsland Xyz supplied 0.00 tons of fuel\n");
    xyz.accept_fuel(7.5);
    EXPECT_EQ(out.take(), "Island Xyz now has 7.50 tons\n");
}

TEST(IslandTest, UpdateProducesOneTicksWorthOnlyWhenRateIsPositive) {
    Island idle("Idle", Point(0., 0.), 10., 0.);
    Island xyz("Xyz", Point(0., 0.), 10., 2.5);
    Output_capture out;
    idle.update();
    EXPECT_EQ(out.take(), "");
    xyz.update();
    xyz.update();
    EXPECT_EQ(out.take(), "Island Xyz now has 12.50 tons\nIsland Xyz now has 15.00 tons\n");
    idle.accept_fuel(0.);
    EXPECT_EQ(out.take(), "Island Idle now has 10.00 tons\n");
}

TEST(IslandTest, DescribeGivesPositionAndStock) {
    Island xyz("Xyz", Point(10., 20.), 1000., 3.);
    Output_capture out;
    xyz.describe();
    EXPECT_EQ(out.take(),
              "\nIsland Xyz at position (10.00, 20.00)\nFuel available: 1000.00 tons\n");
}

class FactoryTest : public Sim_test {};

template <typename Kind> void expect_made_stopped(const std::string& type) {
    SCOPED_TRACE(type);
    std::shared_ptr<Ship> ship = create_ship("Ajax", type, Point(10., 10.));
    ASSERT_NE(std::dynamic_pointer_cast<Kind>(ship), nullptr);
    EXPECT_EQ(ship->get_name(), "Ajax");
    EXPECT_EQ(ship->get_location(), Point(10., 10.));
    EXPECT_FALSE(ship->is_moving());
    EXPECT_FALSE(ship->is_docked());
    EXPECT_TRUE(ship->can_move());
}

TEST_F(FactoryTest, EachKindNameMakesItsOwnKind) {
    expect_made_stopped<Tanker>("Tanker");
    expect_made_stopped<Cruiser>("Cruiser");
    expect_made_stopped<Cruise_ship>("Cruise_ship");
    expect_made_stopped<Torpedo_boat>("Torpedo_boat");
    std::shared_ptr<Group> fleet = create_group("Fleet", "Ship_group");
    ASSERT_NE(std::dynamic_pointer_cast<Ship_group>(fleet), nullptr);
    EXPECT_EQ(fleet->get_name(), "Fleet");
    EXPECT_TRUE(fleet->is_empty());
    // The factory only makes; the caller decides whether the world gets it.
    EXPECT_FALSE(Model::get()->is_name_in_use("Ajax"));
}

TEST_F(FactoryTest, KindNamesMatchExactly) {
    for (const std::string type : {"cruiser", "Warship", "Ship", "Tanker ", ""}) {
        EXPECT_EQ(error_from([&] { create_ship("Ajax", type, Point(0., 0.)); }),
                  "Trying to create ship of unknown type!\n")
            << type;
    }
    for (const std::string type : {"Group", "ship_group", "Cruiser"}) {
        EXPECT_EQ(error_from([&] { create_group("Fleet", type); }),
                  "Trying to create group of unknown type!\n")
            << type;
    }
}

class ModelTest : public Sim_test {
protected:
    Model* world = Model::get();
};

TEST_F(ModelTest, IsOneWorldWithAFixedTick) {
    EXPECT_EQ(Model::get(), world);
    EXPECT_EQ(world->get_time_incr(), 0.005);
}

TEST_F(ModelTest, IslandsShipsAndGroupsShareOneNameSpace) {
    auto pier = island("Pier", Point(10., 20.));
    auto ajax = create_ship("Ajax", "Cruiser", Point(0., 0.));
    auto fleet = create_group("Fleet", "Ship_group");
    world->add_island(pier);
    world->add_ship(ajax);
    world->add_group(fleet);

    for (const char* name : {"Pier", "Ajax", "Fleet"})
        EXPECT_TRUE(world->is_name_in_use(name)) << name;
    EXPECT_FALSE(world->is_name_in_use("pier"));
    EXPECT_TRUE(world->is_island_present("Pier") && !world->is_island_present("Ajax"));
    EXPECT_TRUE(world->is_ship_present("Ajax") && !world->is_ship_present("Fleet"));
    EXPECT_TRUE(world->is_group_present("Fleet") && !world->is_group_present("Ajax"));
    EXPECT_TRUE(world->is_cmnd_obj_present("Ajax") && world->is_cmnd_obj_present("Fleet") &&
                !world->is_cmnd_obj_present("Pier"));

    EXPECT_EQ(world->get_island_ptr("Pier"), pier);
    EXPECT_EQ(world->get_ship_ptr("Ajax"), ajax);
    EXPECT_EQ(world->get_group_ptr("Fleet"), fleet);
    EXPECT_EQ(world->get_cmnd_obj_ptr("Ajax"), std::shared_ptr<Commandable_object>(ajax));
    EXPECT_EQ(world->get_cmnd_obj_ptr("Fleet"), std::shared_ptr<Commandable_object>(fleet));

    // A name taken by another kind of object is still not found.
    EXPECT_EQ(error_from([&] { world->get_ship_ptr("Pier"); }), "Ship not found!\n");
    EXPECT_EQ(error_from([&] { world->get_island_ptr("Ajax"); }), "Island not found!\n");
    EXPECT_EQ(error_from([&] { world->get_group_ptr("Ajax"); }), "Group not found!\n");
    EXPECT_EQ(error_from([&] { world->get_cmnd_obj_ptr("Pier"); }),
              "Commandable_object not found!\n");

    // A second object under a taken name does not replace the first.
    world->add_island(island("Pier", Point(0., 0.)));
    EXPECT_EQ(world->get_island_ptr("Pier"), pier);
}

TEST_F(ModelTest, IslandFromLocationIsExactAndFirstByName) {
    world->add_island(island("Beta", Point(5., 5.)));
    world->add_island(island("Alpha", Point(5., 5.)));
    world->add_island(island("Gamma", Point(1., 2.)));

    EXPECT_EQ(world->get_island_ptr_from_location(5., 5.)->get_name(), "Alpha");
    EXPECT_EQ(world->get_island_ptr_from_location(1., 2.)->get_name(), "Gamma");
    EXPECT_EQ(error_from([&] { world->get_island_ptr_from_location(1.001, 2.); }),
              "Island not found!\n");
}

TEST_F(ModelTest, ViewsHearEveryObjectInNameOrderWhenAttachedAndOnAdding) {
    world->add_ship(create_ship("C", "Cruiser", Point(3., 3.)));
    world->add_island(island("B", Point(2., 2.)));
    world->add_island(island("A", Point(1., 1.)));
    auto view = std::make_shared<Recording_view>();
    Output_capture out;

    world->attach(view);
    EXPECT_EQ(out.take(), "view: A at (1.00, 1.00)\nview: B at (2.00, 2.00)\n"
                          "view: C at (3.00, 3.00)\n");
    world->add_group(create_group("0", "Ship_group"));
    EXPECT_EQ(out.take(), "");
    world->add_island(island("D", Point(4., 4.)));
    EXPECT_EQ(out.take(), "view: A at (1.00, 1.00)\nview: B at (2.00, 2.00)\n"
                          "view: C at (3.00, 3.00)\nview: D at (4.00, 4.00)\n");

    world->detach(view);
    world->add_island(island("E", Point(5., 5.)));
    EXPECT_EQ(out.take(), "");
}

TEST_F(ModelTest, TickRunsObjectsByNameThenGroupsThenViewsThenRemovesSunk) {
    auto view = std::make_shared<Recording_view>();
    auto group = std::make_shared<Recording_group>("B");
    std::weak_ptr<Ship> sinking;
    {
        auto d = std::make_shared<Cruise_ship>("D", Point(4., 4.));
        sinking = d;
        world->add_ship(d);
        group->add_member(d);
        Output_capture quiet;
        d->receive_hit(1, nullptr);
    }
    // Byte-wise order puts lower case after every capital.
    world->add_island(island("b", Point(2., 2.), 0., 2.));
    world->add_island(island("A", Point(1., 1.), 10., 1.));
    world->add_ship(std::make_shared<Cruise_ship>("C", Point(3., 3.)));
    world->add_group(group);
    Output_capture out;
    world->attach(view);
    out.take();

    world->update();
    EXPECT_EQ(out.take(), "Island A now has 11.00 tons\n"
                          "C stopped at (3.00, 3.00)\n"
                          "D sunk\n"
                          "Island b now has 2.00 tons\n"
                          "B updated with 0 members\n"
                          "view: A at (1.00, 1.00)\n"
                          "view: C at (3.00, 3.00)\n"
                          "view: D at (4.00, 4.00)\n"
                          "view: b at (2.00, 2.00)\n"
                          "view: D removed, still in world\n");
    EXPECT_FALSE(world->is_ship_present("D"));
    EXPECT_FALSE(world->is_name_in_use("D"));
    EXPECT_TRUE(sinking.expired());
    EXPECT_FALSE(view->knows("D"));
    EXPECT_TRUE(view->knows("C"));

    world->describe();
    EXPECT_EQ(out.take().find(" D "), std::string::npos);
}

TEST_F(ModelTest, DescribeGoesObjectsByNameThenGroups) {
    world->add_island(island("D", Point(4., 4.)));
    world->add_island(island("B", Point(2., 2.)));
    world->add_ship(std::make_shared<Cruise_ship>("C", Point(3., 3.)));
    world->add_group(create_group("A", "Ship_group"));
    Output_capture out;
    world->describe();
    std::string text = out.take();
    std::vector<std::size_t> at;
    for (const char* start : {"\nIsland B at", "\nCruise_ship C at", "\nIsland D at",
                              "\nShip_group A with no members.\n"})
        at.push_back(text.find(start));
    EXPECT_NE(at.back(), std::string::npos);
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << text;
}

TEST_F(ModelTest, ClearEmptiesEverythingButKeepsTheTick) {
    auto view = std::make_shared<Recording_view>();
    world->add_island(island("A", Point(1., 1.)));
    world->add_ship(create_ship("C", "Tanker", Point(3., 3.)));
    world->add_group(create_group("G", "Ship_group"));
    Output_capture out;
    world->attach(view);

    world->clear();
    for (const char* name : {"A", "C", "G"})
        EXPECT_FALSE(world->is_name_in_use(name)) << name;
    EXPECT_TRUE(world->ships_begin_iter() == world->ships_end_iter());
    EXPECT_EQ(world->get_time_incr(), 0.005);

    out.take();
    world->add_island(island("B", Point(2., 2.)));
    EXPECT_EQ(out.take(), "");
}

namespace {
class Locations_view : public View {
public:
    void draw() override {}
    std::string listing() const {
        std::ostringstream out;
        out.setf(std::ios::fixed, std::ios::floatfield);
        out.precision(2);
        for (const auto& entry : get_obj_locations())
            out << entry.first << entry.second << ' ';
        return out.str();
    }
};
} // namespace

// A view keeps each name's latest location whatever order it hears them in,
// and a world that gains and loses objects between ticks runs exactly the
// objects it holds at each tick.
TEST_F(ModelTest, ViewsAndTicksFollowAWorldThatChangesBetweenTicks) {
    Locations_view view;
    view.update_location("B", Point(1., 1.));
    view.update_location("D", Point(2., 2.));
    view.update_location("B", Point(3., 3.));
    view.update_location("A", Point(4., 4.));
    view.update_location("B", Point(5., 5.));
    view.update_remove("D"); // the entry after the last one heard
    view.update_location("C", Point(6., 6.));
    view.update_remove("Z");
    view.update_location("D", Point(7., 7.));
    EXPECT_EQ(view.listing(), "A(4.00, 4.00) B(5.00, 5.00) C(6.00, 6.00) D(7.00, 7.00) ");
    view.clear();
    view.update_location("E", Point(8., 8.));
    EXPECT_EQ(view.listing(), "E(8.00, 8.00) ");

    auto watching = std::make_shared<Locations_view>();
    world->attach(watching);
    world->add_island(island("M", Point(1., 1.), 0., 1.));
    Output_capture out;
    world->update();
    EXPECT_EQ(out.take(), "Island M now has 1.00 tons\n");
    world->add_island(island("K", Point(2., 2.), 0., 1.));
    auto sinking = std::make_shared<Cruise_ship>("L", Point(3., 3.));
    world->add_ship(sinking);
    sinking->receive_hit(1, nullptr);
    out.take();
    world->update();
    EXPECT_EQ(out.take(), "Island K now has 1.00 tons\nL sunk\nIsland M now has 2.00 tons\n");
    EXPECT_EQ(watching->listing(), "K(2.00, 2.00) M(1.00, 1.00) ");
    world->update();
    EXPECT_EQ(out.take(), "Island K now has 2.00 tons\nIsland M now has 3.00 tons\n");
}
