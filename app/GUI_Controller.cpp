#include "app/GUI_Controller.h"

#include "app/Completion.h"
#include "app/Dialogue_Box.h"
#include "app/GoPauseButton.h"
#include "app/MainView.h"
#include "app/MapViewInfoPanel.h"
#include "app/Options.h"
#include "app/Start_folder.h"
#include "app/TerminalConsole.h"
#include "gui/App.h"
#include "gui/Error.h"
#include "gui/GUIImage.h"
#include "gui/Trace.h"
#include "platform/Descriptors.h"
#include "platform/System.h"
#include "resources/Pictures.h"
#include "sim/Error.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "views/Bridge_view.h"
#include "views/MapViewController.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <vector>

namespace {

const int window_size_c = 600;
const int window_colour_count_c = 256;
const GUI::DispPoint info_panel_position_c(350, 10);
const int dialogue_width_c = 300;
const int dialogue_height_c = 100;
const double every_frame_c = 0.001; // seconds: shorter than a frame, so once a frame
// The console's share of a 25 ms frame: a flood of lines or a long `tick`
// carries over to later frames, and the window keeps answering.
const std::chrono::milliseconds console_budget_c(5);

const char* const error_MapViewAlreadyOpen_c = "Map view is already open!\n";
const char* const error_MapViewNotOpen_c = "Map view is not open!\n";
const char* const error_BridgeViewAlreadyOpen_c = "Bridge view is already open for that ship!\n";
const char* const error_BridgeViewNotOpen_c = "Bridge view for that ship is not open!\n";
const char* const error_AlreadyRunning_c = "Simulation is already running!\n";
const char* const error_NotRunning_c = "Simulation is not running!\n";
const char* const error_ScreenshotFailed_c = "Could not save screenshot!\n";

// Every picture the program draws, some only late in a run (a dialogue
// box's corners, the waves over a sunk ship): one that is missing or of
// another size is reported when the program starts, not in the middle of
// the user's work.
void check_pictures() {
    for (const Picture& picture : Pictures::all_c) {
        const GUIImage image(picture.file, false, SDL_Color{0, 0, 0, 0});
        if (image.getw() != picture.width || image.geth() != picture.height)
            throw GUI::Error(std::string(picture.file) + " must be " +
                             std::to_string(picture.width) + " x " +
                             std::to_string(picture.height) + " pixels.");
    }
}

struct Start_up_bridge {
    const char* ship;
    GUI::DispPoint position;
};
const Start_up_bridge start_up_bridges_c[] = {
    {"Ajax", GUI::DispPoint(300, 300)},
    {"Xerxes", GUI::DispPoint(300, 410)},
    {"Valdez", GUI::DispPoint(300, 520)},
};

} // namespace

GUI_Controller::GUI_Controller(const std::string& world_file)
    : window(window_size_c, window_size_c, "", window_colour_count_c, 0), console(commands, this),
      console_input(platform::standard_input) {
    set_up(world_file);
}

void GUI_Controller::set_up(const std::string& world_file) {
    initGUI();
    check_pictures();
    commands.set_name_introducer(
        [this](const std::string& name, const std::string& type) { introduce_name(name, type); });
    if (world_file.empty())
        commands.build_initial_world();
    else
        commands.load_world(world_file);

    main_view = new MainView(window_size_c, window_size_c, this);
    window.attach_subview(main_view, GUI::DispPoint(0, 0));
    GUI::App::get()->register_exception_handler<Error>(ErrorDisplayer(main_view));
    console.set_error_reporter([this](const Error& error) { ErrorDisplayer{main_view}(error); });

    command_open_map_view();
    info_panel = new MapViewInfoPanel(map_controller(), this);
    main_view->attach_subview(info_panel, info_panel_position_c);
    for (const auto& bridge : start_up_bridges_c) {
        if (Model::get()->is_ship_present(bridge.ship)) // a loaded world may lack them
            open_bridge_view(Model::get()->get_ship_ptr(bridge.ship), bridge.position);
    }
    get_map_view()->draw();
}

GUI_Controller::~GUI_Controller() {
    // The application and its loop outlive the controller (the loop can be
    // run again after run() returns): the timer commands that call back into
    // the controller go when it goes.
    cancel_timers();
}

void GUI_Controller::run(const std::vector<std::string>& scripts) {
    for (const auto& script : scripts) {
        if (!console.source(script))
            return;
    }
    if (TerminalConsole::wanted())
        terminal = std::make_unique<TerminalConsole>(Console::prompt, console_completions);
    console_timer = GUI::App::get()->repeat_on_timer([this] { poll_console(); }, -1.0, true);
    GUI::App::get()->run(&window);
}

void GUI_Controller::cancel_timers() {
    GUI::App* app = GUI::App::get();
    for (GUI::GUITimer_command** timer : {&update_timer, &view_timer, &console_timer}) {
        if (*timer)
            app->cancel_timer_op(*timer);
        *timer = nullptr;
    }
}

std::shared_ptr<Island> GUI_Controller::add_island(const std::string& name, Point position,
                                                   double fuel, double production_rate) {
    return commands.add_island(name, position, fuel, production_rate);
}

std::shared_ptr<Ship> GUI_Controller::add_ship(const std::string& name, const std::string& kind,
                                               Point position) {
    return commands.add_ship(name, kind, position);
}

void GUI_Controller::introduce_name(const std::string& name, const std::string& type) {
    for (const auto& view : open_views)
        view.get()->describe_name(name, type);
}

std::list<Open_view>::iterator GUI_Controller::find_view(const std::string& ship) {
    return std::find_if(open_views.begin(), open_views.end(),
                        [&ship](const Open_view& view) { return view.get_ship() == ship; });
}

MapViewController* GUI_Controller::map_controller() {
    auto map = find_view("");
    return map == open_views.end() ? nullptr : static_cast<MapViewController*>(map->get().get());
}

void GUI_Controller::command_open_map_view() {
    if (find_view("") != open_views.end())
        throw Error(error_MapViewAlreadyOpen_c);
    auto map = std::make_shared<MapViewController>(this);
    open_views.emplace_back(map, "", window, GUI::DispPoint(0, 0));
    describe_all_names_to_view(map);
    if (info_panel)
        info_panel->set_map_controller(map.get());
}

void GUI_Controller::command_close_map_view() {
    auto map = find_view("");
    if (map == open_views.end())
        throw Error(error_MapViewNotOpen_c);
    if (info_panel)
        info_panel->set_map_controller(nullptr);
    open_views.erase(map);
}

std::shared_ptr<Map_view> GUI_Controller::get_map_view() {
    auto map = find_view("");
    if (map == open_views.end())
        throw Error(error_MapViewNotOpen_c);
    return std::static_pointer_cast<Map_view>(map->get());
}

void GUI_Controller::open_bridge_view(std::shared_ptr<Ship> ship, GUI::DispPoint position) {
    std::string name = ship->get_name();
    if (find_view(name) != open_views.end())
        throw Error(error_BridgeViewAlreadyOpen_c);
    auto bridge = std::make_shared<Bridge_view>(this, std::move(ship));
    open_views.emplace_back(bridge, std::move(name), window, position);
    describe_all_names_to_view(bridge);
}

std::list<Open_view>::iterator GUI_Controller::open_bridge_of(const std::string& name) {
    // No ship has the empty name the map is kept under.
    auto bridge = name.empty() ? open_views.end() : find_view(name);
    if (bridge == open_views.end())
        throw Error(error_BridgeViewNotOpen_c);
    return bridge;
}

std::shared_ptr<Bridge_view> GUI_Controller::get_bridge_view(const std::string& name) {
    return std::static_pointer_cast<Bridge_view>(open_bridge_of(name)->get());
}

void GUI_Controller::close_bridge_view(const std::string& name) {
    open_views.erase(open_bridge_of(name));
}

// One box of each kind at most: every click on the map would otherwise
// pile up another.
template <typename F> void GUI_Controller::ask_for_name(const std::string& prompt, F action) {
    if (!open_prompts.insert(prompt).second)
        return;
    create_dialogue_box(dialogue_width_c, dialogue_height_c, prompt, action, [this, prompt] {
        open_prompts.erase(prompt);
    })->pop_up(-1);
}

void GUI_Controller::command_open_bridge_view(GUI::DispPoint position) {
    ask_for_name("Ship Name?", [this, position](const std::string& name) {
        open_bridge_view_with_ship_name(this, name, position);
    });
}

void open_bridge_view_with_ship_name(GUI_Controller* controller, const std::string& name,
                                     GUI::DispPoint position) {
    GUI::trace_out() << "ship name: " << name << '\n';
    controller->open_bridge_view(Model::get()->get_ship_ptr(name), position);
}

void GUI_Controller::describe_all_names_to_view(std::shared_ptr<GUI_based_view> view) {
    const Model* model = Model::get();
    const std::vector<std::shared_ptr<Island>> islands(model->islands_begin_iter(),
                                                       model->islands_end_iter());
    for (const auto& island : islands) {
        GUI::trace_out() << island->get_name_ref() << '\n';
        view->describe_name(island->get_name(), "Island");
    }
    const std::vector<std::shared_ptr<Ship>> ships(model->ships_begin_iter(),
                                                   model->ships_end_iter());
    for (const auto& ship : ships) {
        GUI::trace_out() << ship->get_name_ref() << '\n';
        view->describe_name(ship->get_name(), "Ship");
    }
}

void GUI_Controller::command_go() {
    GUI::App* app = GUI::App::get();
    update_timer = app->repeat_on_timer([] { Model::get()->update(); }, every_frame_c, true);
    view_timer = app->repeat_on_timer([this] { command_view_show(); }, every_frame_c, true);
    show_running_state();
}

void GUI_Controller::command_pause() {
    GUI::App* app = GUI::App::get();
    app->cancel_timer_op(update_timer);
    app->cancel_timer_op(view_timer);
    update_timer = view_timer = nullptr;
    show_running_state();
}

void GUI_Controller::show_running_state() {
    if (info_panel)
        info_panel->get_go_pause_button()->show_state();
}

void GUI_Controller::command_view_show() {
    for (const auto& view : open_views)
        view.get()->draw();
}

void GUI_Controller::command_ship_attack(std::shared_ptr<Commandable_object> object) {
    ask_for_name("Target Name?", [object](const std::string& name) {
        std::shared_ptr<Commandable_object> target = Model::get()->get_ship_ptr(name);
        object->attack(target);
    });
}

std::shared_ptr<Commandable_object> GUI_Controller::get_selected_ship() {
    MapViewController* map = map_controller();
    if (!map)
        throw Error(error_MapViewNotOpen_c);
    return map->get_selected();
}

void GUI_Controller::go() {
    if (is_running())
        throw Error(error_AlreadyRunning_c);
    command_go();
}

void GUI_Controller::pause() {
    if (!is_running())
        throw Error(error_NotRunning_c);
    command_pause();
}

void GUI_Controller::open_bridge(const std::string& ship_name, int x, int y) {
    open_bridge_view(Model::get()->get_ship_ptr(ship_name), GUI::DispPoint(x, y));
}

void GUI_Controller::screenshot(const std::string& file_name) {
    window.refresh();
    if (file_name.empty())
        throw Error(error_ScreenshotFailed_c);
    // Only a regular file is replaced: opening a named pipe would wait for
    // a reader, and a device or folder is no place for a picture.
    const std::string path = path_from_start_folder(file_name);
    if (platform::is_special_file(path) || SDL_SaveBMP(window.get_screen(), path.c_str()) != 0)
        throw Error(error_ScreenshotFailed_c);
}

void GUI_Controller::print_stats() {
    const GUI::FrameStats::Summary frames = GUI::App::get()->get_frame_stats().take();
    const Model* model = Model::get();
    std::cout << "Window: " << frames.frames << " frames at " << frames.frames_per_second
              << " frames per second; median frame " << frames.median_ms << " ms, 99th percentile "
              << frames.percentile_99_ms << " ms; "
              << std::distance(model->ships_begin_iter(), model->ships_end_iter()) << " ships\n";
}

void GUI_Controller::load_world(const std::string& file_name) {
    // The map lets go of names as their objects leave: keep them first.
    MapViewController* const map_before = map_controller();
    const std::list<std::string> selected =
        map_before ? map_before->get_selected_ships() : std::list<std::string>();
    commands.load_world(file_name);
    const Model* model = Model::get();

    // A bridge view watches its ship by pointer: each turns to the loaded
    // ship of its name, in its place and in its turn, or closes.
    std::vector<std::pair<std::string, GUI::DispPoint>> bridges;
    for (const auto& view : open_views) {
        if (!view.get_ship().empty())
            bridges.emplace_back(view.get_ship(), view.get()->get_rel_pos());
    }
    for (const auto& bridge : bridges) {
        close_bridge_view(bridge.first);
        if (model->is_ship_present(bridge.first))
            open_bridge_view(model->get_ship_ptr(bridge.first), bridge.second);
    }

    // Every icon is new and unselected: a name still in the world is
    // selected again as a click would, so its halo and the map agree.
    if (MapViewController* map = map_controller()) {
        const std::list<std::string> still_selected = map->get_selected_ships();
        for (const auto& name : still_selected)
            map->remove_selected_ship(name);
        for (const auto& name : selected) {
            auto icon = map->get_obj_images().find(name);
            if (icon != map->get_obj_images().end())
                icon->second->handle_mouse_down(GUI::DispPoint(0, 0));
        }
    }
    if (!model->is_name_in_use(selected_name))
        selected_name.clear();
    command_view_show();
}

void GUI_Controller::poll_console() {
    // Reads only what is already there, so the loop never waits for typing;
    // a line runs once its newline has arrived, or at the end of input.
    // The work stops for this frame once its time is spent.
    const auto deadline = std::chrono::steady_clock::now() + console_budget_c;
    if (terminal)
        terminal->read(false);
    std::string line;
    do {
        if (console.has_pending_ticks()) {
            console.run_pending_tick();
            continue;
        }
        if (terminal) {
            if (!terminal->next_line(line))
                return;
            if (!console.execute(line)) {
                GUI::App::get()->quit();
                return;
            }
            continue;
        }
        switch (console_input.next_line(line)) {
        case Line_reader::Result::line:
            if (!console.execute(line)) {
                GUI::App::get()->quit();
                return;
            }
            break;
        case Line_reader::Result::too_long:
            console.refuse_long_line();
            break;
        case Line_reader::Result::need_more:
            if (!console_input.read_more(false))
                return;
            break;
        case Line_reader::Result::end:
            return; // the window stays open
        }
    } while (std::chrono::steady_clock::now() < deadline);
}

int SDL_main(int argc, char* argv[]) {
    const Options options = Options::parse(
        argc > 0 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>());
    try {
        GUI_Controller controller(options.world_file);
        controller.run(options.scripts);
    } catch (const GUI::Error& error) {
        std::cout.flush();
        const bool ended = !error.msg.empty() && error.msg.back() == '\n';
        std::cerr << "flotilla: " << error.msg << (ended ? "" : "\n");
        return 1;
    } catch (const Error& error) {
        std::cout.flush();
        std::cerr << "flotilla: " << error.msg;
        return 1;
    }
    return 0;
}
