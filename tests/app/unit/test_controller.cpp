#include "App_test_support.h"

#include "gui/TextView.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "views/Bridge_view.h"

#include <cstdio>
#include <sys/stat.h>

namespace {
const std::string all_names = "Bermuda\nExxon\nShell\nTreasure_Island\n"
                              "Ajax\nGalactica\nPegasus\nValdez\nXerxes\n";
} // namespace

class Controller : public App_test {
protected:
    static std::string go_pause_label() {
        auto* label = dynamic_cast<GUI::TextView*>(view_at(place::go_label));
        return label ? label->get_text() : "(no label)";
    }
    static Point where(const std::string& ship) {
        return Model::get()->get_ship_ptr(ship)->get_location();
    }
};

TEST_F(Controller, start_up_gives_orders_then_introduces_the_names_then_draws_the_map) {
    const std::string& text = startup_output();
    const auto pegasus = text.find("Pegasus will sail on ");
    const auto names = text.find(all_names);
    ASSERT_LT(text.find("Valdez will load at Shell"), pegasus) << text;
    EXPECT_LT(pegasus, names);
    EXPECT_NE(text.find("15.00", pegasus), std::string::npos) << "two decimals from the start";
    // One roll-call per view: the map's before the panel is made (its pan
    // stick traces itself), then the three bridges' in a row.
    EXPECT_EQ(occurrences(text, all_names), 4);
    const auto panel = text.find("radius: ");
    EXPECT_LT(names, panel);
    EXPECT_EQ(text.find(all_names + all_names + all_names, panel), text.find(all_names, panel));
    EXPECT_EQ(text.find("Display size: 300, scale: 0.20, origin: (-10.00, -10.00)\n"),
              text.rfind(all_names) + all_names.size());
}

TEST_F(Controller, the_world_moves_only_while_the_button_reads_pause) {
    ASSERT_EQ(go_pause_label(), "GO");
    Point at = where("Pegasus");

    click_now(place::go);
    EXPECT_EQ(go_pause_label(), "Pause");
    EXPECT_EQ(app().timer_command_count(), timers + 2);
    out.take();
    run_frames(4);
    EXPECT_GT(cartesian_distance(where("Pegasus"), at), 0.);
    EXPECT_GE(occurrences(out.take(), "Display size: "), 2) << "the views redraw every frame";

    click_now(place::go);
    EXPECT_EQ(go_pause_label(), "GO");
    at = where("Pegasus");
    run_frames(3);
    EXPECT_EQ(cartesian_distance(where("Pegasus"), at), 0.);
    EXPECT_EQ(occurrences(out.take(), "Display size: "), 0);

    EXPECT_EQ(app().timer_command_count(), timers);
    click_now(place::go);
    EXPECT_EQ(app().timer_command_count(), timers + 2) << "go, pause, go";
    click_now(place::go);
}

TEST_F(Controller, console_go_and_pause_are_the_button_and_refuse_a_repeat) {
    type_console("go\n");
    EXPECT_EQ(go_pause_label(), "Pause");
    type_console("go\n");
    EXPECT_TRUE(found(out.take(), "Simulation is already running!\n"));
    EXPECT_EQ(message_line(), "Simulation is already running!");
    click_now(place::go);
    type_console("pause\n");
    EXPECT_TRUE(found(out.take(), "Simulation is not running!\n"));
    EXPECT_EQ(go_pause_label(), "GO");
}

TEST_F(Controller, a_console_tick_updates_the_world_and_redraws_every_open_view) {
    const Point at = where("Pegasus");
    out.take();
    ASSERT_NO_FATAL_FAILURE(type_console("ti")); // half a line waits for the rest
    type_console("ck 3\n");
    EXPECT_EQ(occurrences(out.take(), "Display size: "), 3);
    EXPECT_NEAR(cartesian_distance(where("Pegasus"), at), 3 * 15. * Model::get()->get_time_incr(),
                1e-9);
}

TEST_F(Controller, console_opens_and_closes_bridges_and_saves_screenshots) {
    const P inside(25, 405);
    type_console("open_bridge Galactica 20 400\n");
    EXPECT_NE(dynamic_cast<Bridge_view*>(view_at(inside)), nullptr);
    EXPECT_TRUE(found(out.take(), all_names));
    type_console("open_bridge Galactica 0 0\n");
    EXPECT_EQ(message_line(), "Bridge view is already open for that ship!");
    type_console("close_bridge Galactica\n");
    EXPECT_EQ(view_at(inside), controller().get_main_view());

    type_console("screenshot /nonexistent-folder/window.bmp\n");
    EXPECT_TRUE(found(out.take(), "Could not save screenshot!\n"));
    EXPECT_EQ(message_line(), "Could not save screenshot!");
    const std::string file = testing::TempDir() + "flotilla_window.bmp";
    type_console("screenshot " + file + "\n");
    struct stat info;
    EXPECT_EQ(stat(file.c_str(), &info), 0);
    std::remove(file.c_str());
}

TEST_F(Controller, icons_come_and_go_with_the_ships_of_the_world) {
    type_console("create Nautilus Submarine 5 5\n");
    EXPECT_TRUE(found(out.take(), "Trying to create ship of unknown type!\n"));
    EXPECT_EQ(map().get_obj_images().count("Nautilus"), 0u);

    const Point ajax = where("Ajax");
    type_console("create Victim Tanker " + std::to_string(ajax.x + 1) + " " +
                 std::to_string(ajax.y + 1) + "\n");
    ASSERT_EQ(map().get_obj_images().count("Victim"), 1u);
    type_console("Ajax attack Victim\n");
    type_console("tick 2\n");
    EXPECT_TRUE(found(out.take(), "Victim sunk\n"));
    EXPECT_EQ(map().get_obj_images().count("Victim"), 0u);
    EXPECT_EQ(controller().get_bridge_view("Xerxes")->get_obj_images().count("Victim"), 0u);
}
