#ifndef FLOTILLA_APP_GUI_CONTROLLER_H
#define FLOTILLA_APP_GUI_CONTROLLER_H

#include "app/Console.h"
#include "app/ConsoleWindow.h"
#include "app/Console_input.h"
#include "app/Open_view.h"
#include "app/WorldCommands.h"
#include "gui/DispPoint.h"
#include "gui/Window.h"
#include "sim/Geometry.h"
#include "views/IconController.h"

#include <list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Bridge_view;
class Commandable_object;
class GUI_based_view;
class Island;
class MainView;
class MapViewController;
class MapViewInfoPanel;
class Map_view;
class Ship;

namespace GUI {
class GUITimer_command;
}

// The application: it opens the window, fills the world with its start-up
// islands and ships, composes the map, the bridge views and the control
// panel, and owns the commands that change the world or the open views. The
// console runs beside the window through the same commands.
class TerminalConsole;

class GUI_Controller : public IconController, public ConsoleWindow {
public:
    // Everything up to the event loop, in start-up order; the world is the
    // start-up world, or the one saved in the file.
    explicit GUI_Controller(const std::string& world_file = std::string());
    ~GUI_Controller();
    GUI_Controller(const GUI_Controller&) = delete;
    GUI_Controller& operator=(const GUI_Controller&) = delete;

    // Runs the scripts, then the event loop until the user quits.
    void run(const std::vector<std::string>& scripts = {});

    std::shared_ptr<Island> add_island(const std::string& name, Point position, double fuel,
                                       double production_rate);
    std::shared_ptr<Ship> add_ship(const std::string& name, const std::string& kind,
                                   Point position);

    void command_open_map_view();
    void command_close_map_view();
    std::shared_ptr<Map_view> get_map_view();
    void open_bridge_view(std::shared_ptr<Ship> ship, GUI::DispPoint position);
    std::shared_ptr<Bridge_view> get_bridge_view(const std::string& name);
    // Asks for a ship's name and opens its bridge view at the position.
    void command_open_bridge_view(GUI::DispPoint position);
    void close_bridge_view(const std::string& name);
    void describe_all_names_to_view(std::shared_ptr<GUI_based_view> view);

    // Whether simulated time runs: the world's timers are registered. The
    // run/pause button only shows it.
    bool is_running() const { return update_timer != nullptr; }
    void command_go();
    void command_pause();
    // Draws every open view: the map first, then the bridges in opening order.
    void command_view_show();
    // Asks for a target's name and sets the object on it.
    void command_ship_attack(std::shared_ptr<Commandable_object> object);

    // The first ship selected on the map; throws without an open map.
    std::shared_ptr<Commandable_object> get_selected_ship();

    void select(const std::string& name) override { selected_name = name; }

    // The console's window commands.
    void go() override;
    void pause() override;
    void open_map() override { command_open_map_view(); }
    void close_map() override { command_close_map_view(); }
    void open_bridge(const std::string& ship_name, int x, int y) override;
    void close_bridge(const std::string& ship_name) override { close_bridge_view(ship_name); }
    void screenshot(const std::string& file_name) override;
    void print_stats() override;
    void load_world(const std::string& file_name) override;
    void redraw_views() override { command_view_show(); }

    GUI::Window& get_window() { return window; }
    MainView* get_main_view() const { return main_view; }
    // True while ticks of a `tick N`, or lines already read, still wait for
    // their frames.
    bool has_console_work() const {
        return console.has_pending_ticks() || console_input.has_complete_line();
    }

private:
    GUI::Window window;
    // In opening order. After the window, so that they leave it before it goes.
    std::list<Open_view> open_views;
    GUI::GUITimer_command* update_timer = nullptr;
    GUI::GUITimer_command* view_timer = nullptr;
    GUI::GUITimer_command* console_timer = nullptr;
    std::string selected_name;

    WorldCommands commands;
    MainView* main_view = nullptr;
    MapViewInfoPanel* info_panel = nullptr;
    Console console;
    Line_reader console_input;
    std::set<std::string> open_prompts;        // of the dialogue boxes on screen
    std::unique_ptr<TerminalConsole> terminal; // only when typed at a terminal

    void introduce_name(const std::string& name, const std::string& type);
    // The open map or bridge (`ship` empty for the map); null if not open.
    std::list<Open_view>::iterator find_view(const std::string& ship);
    // The ship's open bridge; throws when it has none.
    std::list<Open_view>::iterator open_bridge_of(const std::string& name);
    MapViewController* map_controller();
    void set_up(const std::string& world_file);
    void cancel_timers();
    void show_running_state();
    void poll_console();
    template <typename F> void ask_for_name(const std::string& prompt, F action);
};

// The "Ship Name?" box's action.
void open_bridge_view_with_ship_name(GUI_Controller* controller, const std::string& name,
                                     GUI::DispPoint position);

// The program's entry with a window.
int SDL_main(int argc, char* argv[]);

#endif
