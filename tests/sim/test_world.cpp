#include "support/Sim_support.h"

#include "sim/Cruise_ship.h"
#include "sim/View.h"

namespace {

// Lists every location the view holds, in its own order.
class Locations_view : public View {
public:
    void draw() override {}
    std::string listing() const {
        return captured([this] {
            for (const auto& entry : get_obj_locations())
                std::cout << entry.first << entry.second << ' ';
        });
    }
};

// Writes every call it gets, so that a captured tick shows the views' calls in order.
class Recording_view : public Locations_view {
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
};

} // namespace

class World : public Sim_test {
protected:
    Model* world = Model::get();
};

// A tick runs objects by name, then groups and views, and only then removes the sunk.
TEST_F(World, ViewsAndTicksGoInNameOrderAndTheSunkLeaveLast) {
    auto view = std::make_shared<Recording_view>();
    auto group = create_group("B", "Ship_group");
    Output_capture out;
    const std::weak_ptr<Ship> sinking = launch("Cruise_ship", "D", Point(4., 4.));
    group->add_member(sinking.lock());
    sinking.lock()->set_course_and_speed(0., 10.); // a sinking ship goes nowhere
    sinking.lock()->receive_hit(1, nullptr);
    // Byte-wise order puts lower case after every capital.
    world->add_island(std::make_shared<Island>("b", Point(2., 2.), 0., 2.));
    world->add_island(std::make_shared<Island>("A", Point(1., 1.), 10., 1.));
    world->add_ship(std::make_shared<Cruise_ship>("C", Point(3., 3.)));
    world->add_group(group);
    out.take();
    world->attach(view);
    const std::string heard = "view: A at (1.00, 1.00)\nview: C at (3.00, 3.00)\n"
                              "view: D at (4.00, 4.00)\nview: b at (2.00, 2.00)\n";
    EXPECT_EQ(out.take(), heard);

    world->update();
    EXPECT_EQ(out.take(), "Island A now has 11.00 tons\nC stopped at (3.00, 3.00)\nD sunk\n"
                          "Island b now has 2.00 tons\n" +
                              heard + "view: D removed, still in world\n");
    EXPECT_TRUE(sinking.expired());
    EXPECT_EQ(group->count(), 0u);
    EXPECT_EQ(view->listing(), "A(1.00, 1.00) C(3.00, 3.00) b(2.00, 2.00) ");
    // The next tick walks the world without the sunk.
    world->update();
    EXPECT_EQ(out.take(), "Island A now has 12.00 tons\nC stopped at (3.00, 3.00)\n"
                          "Island b now has 4.00 tons\nview: A at (1.00, 1.00)\n"
                          "view: C at (3.00, 3.00)\nview: b at (2.00, 2.00)\n");

    world->add_group(create_group("0", "Ship_group"));
    EXPECT_EQ(out.take(), "");
    // Views that know where everything is hear only of the newcomer.
    world->add_island(std::make_shared<Island>("F", Point(5., 5.), 0., 0.));
    EXPECT_EQ(out.take(), "view: F at (5.00, 5.00)\n");
    world->detach(view);
    world->add_island(std::make_shared<Island>("E", Point(5., 5.), 0., 0.));
    EXPECT_EQ(out.take(), "");
}

// A view keeps each name's latest location whatever order it hears them in.
TEST_F(World, AViewKeepsTheLatestLocationOfEachNameItHears) {
    Locations_view view;
    view.update_location("B", Point(1., 1.));
    view.update_location("D", Point(2., 2.));
    view.update_location("B", Point(5., 5.));
    view.update_remove("D");
    view.update_location("C", Point(6., 6.));
    view.update_remove("Z");
    view.update_location("D", Point(7., 7.));
    EXPECT_EQ(view.listing(), "B(5.00, 5.00) C(6.00, 6.00) D(7.00, 7.00) ");
    view.clear();
    view.update_location("E", Point(8., 8.));
    EXPECT_EQ(view.listing(), "E(8.00, 8.00) ");
}
