#include "support/App_support.h"

#include "gui/TextView.h"
#include "sim/Error.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "views/Bridge_view.h"
#include "views/SimObjView.h"

#include <fstream>

namespace {
int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::vector<std::string> icon_names(const GUI_based_view& view) {
    std::vector<std::string> names;
    for (const auto& icon : view.get_obj_images())
        names.push_back(icon.first);
    return names;
}
} // namespace

using Controller = App_test;

// A second go would leave a pair of timers running, and the button could
// not pause what the console started.
TEST_F(Controller, ConsoleLinesWaitForTheirNewlineAndWorkTheWindow) {
    out.take();
    ASSERT_NO_FATAL_FAILURE(type_console("ti"));
    type_console("ck 3\n");
    EXPECT_EQ(occurrences(out.take(), "Display size: "), 3) << "each tick redraws the map";

    type_console("go\n");
    type_console("go\n");
    EXPECT_EQ(message_line(), "Simulation is already running!");
    run_frames(3);
    EXPECT_GE(occurrences(out.take(), "Display size: "), 2) << "the views redraw every frame";
    click_now(places().go);
    type_console("pause\n");
    EXPECT_EQ(message_line(), "Simulation is not running!");
}

// A ship is made before its name reaches the views, so a refused one leaves
// no icon.
TEST_F(Controller, IconsComeAndGoWithTheShipsOfTheWorld) {
    type_console("create Nautilus Submarine 5 5\n");
    EXPECT_TRUE(contains(out.take(), "Trying to create ship of unknown type!\n"));
    EXPECT_EQ(map().get_obj_images().count("Nautilus"), 0u);

    const Point ajax = Model::get()->get_ship_ptr("Ajax")->get_location();
    type_console("create Victim Tanker " + std::to_string(ajax.x + 1) + " " +
                 std::to_string(ajax.y + 1) + "\n");
    ASSERT_EQ(map().get_obj_images().count("Victim"), 1u);
    type_console("Ajax attack Victim\n");
    type_console("tick 2\n");
    EXPECT_TRUE(contains(out.take(), "Victim sunk\n"));
    EXPECT_EQ(map().get_obj_images().count("Victim"), 0u);
    EXPECT_EQ(controller().get_bridge_view("Xerxes")->get_obj_images().count("Victim"), 0u);
}

// A group's refusal has a line per member; a line break has no glyph.
TEST_F(Controller, AManyLineErrorShowsJoinedAndCutShortOnTheMessageLine) {
    MainView* main_view = controller().get_main_view();
    ErrorDisplayer{main_view}(Error("Ship cannot move!\nShip cannot move!\n"));
    EXPECT_EQ(message_line(), "Ship cannot move!; Ship cannot move!");

    std::string refusals;
    for (int member = 0; member < 6; ++member)
        refusals += "Can't dock!\n";
    ErrorDisplayer{main_view}(Error(refusals));
    const std::string shown = message_line();
    EXPECT_EQ(shown.substr(0, 26), "Can't dock!; Can't dock!; ");
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    auto* line = dynamic_cast<GUI::TextView*>(view_at(P(110, 585)));
    ASSERT_NE(line, nullptr);
    const auto& last = line->get_letters().back();
    EXPECT_EQ(last.get_pos().y, 0);
    EXPECT_LE(last.get_pos().x + last.get_width(), line->get_w());
}

// A bridge view turns to the loaded ship of its name or closes, and only
// names still present stay selected.
TEST_F(Controller, ALoadedWorldTakesOverTheIconsBridgesAndSelection) {
    const std::string start = testing::TempDir() + "flotilla_start_world.txt";
    const std::string other = testing::TempDir() + "flotilla_other_world.txt";
    type_console("save " + start + "\n");
    std::ofstream(other) << "flotilla-world 1\n"
                            "island Exxon at 10 10 fuel 0 rate 0\n"
                            "ship Ajax Tanker at 12 12 course 0 speed 0 fuel 100 resistance 0 "
                            "stopped cargo 0 no_cargo_destinations\n"
                            "ship Newcomer Cruiser at 20 20 course 90 speed 0 fuel 1000 "
                            "resistance 6 stopped not_attacking\n"
                            "end\n";
    for (const char* name : {"Ajax", "Xerxes"})
        map().get_obj_images().at(name)->handle_mouse_down(P(0, 0));
    const auto old_bridge = controller().get_bridge_view("Ajax");
    type_console("load " + other + "\n");

    const std::vector<std::string> loaded = {"Ajax", "Exxon", "Newcomer"};
    EXPECT_EQ(icon_names(map()), loaded);
    const auto bridge = controller().get_bridge_view("Ajax");
    EXPECT_NE(bridge, old_bridge);
    EXPECT_EQ(icon_names(*bridge), loaded);
    EXPECT_TRUE(bridge->get_rel_pos() == P(300, 300));
    for (const char* gone : {"Xerxes", "Valdez"})
        EXPECT_THROW(controller().get_bridge_view(gone), Error) << gone;
    EXPECT_EQ(map().get_selected_ships(), std::list<std::string>{"Ajax"});
    auto* ajax = map().get_obj_images().at("Ajax").get();
    EXPECT_TRUE(ajax->is_selected());

    // Back to the world and the views the other tests share.
    ajax->handle_mouse_down(P(0, 0));
    type_console("load " + start + "\nopen_bridge Xerxes 300 410\nopen_bridge Valdez 300 520\n");
    EXPECT_TRUE(controller().get_bridge_view("Xerxes")->get_rel_pos() == P(300, 410))
        << "open_bridge SHIP X Y puts the view's corner at (X, Y)";
    EXPECT_EQ(icon_names(*controller().get_bridge_view("Valdez")).size(), 9u);
    out.take();
}
