// Draws the start-up world in a map view and three bridge views under SDL's
// dummy driver and saves the window, optionally after some ticks, so the
// views can be looked at without a display:
//
//   SDL_VIDEODRIVER=dummy build/tools/flotilla_views_demo build/Resources views.bmp [TICKS]
//   python3 tools/bmp_to_png.py views.bmp views.png

#include "app/WorldCommands.h"
#include "gui/View.h"
#include "gui/Window.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "views/Bridge_view.h"
#include "views/MapViewController.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

template <typename V> void introduce_everything(V& view) {
    const Model* model = Model::get();
    for (auto island = model->islands_begin_iter(); island != model->islands_end_iter(); ++island)
        view.describe_name((*island)->get_name(), "Island");
    for (auto ship = model->ships_begin_iter(); ship != model->ships_end_iter(); ++ship)
        view.describe_name((*ship)->get_name(), "Ship");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: flotilla_views_demo RESOURCE_DIR OUTPUT.bmp [TICKS]\n";
        return 2;
    }
    const int ticks = argc > 3 ? std::atoi(argv[3]) : 0;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0 || TTF_Init() < 0 || chdir(argv[1]) != 0) {
        std::cerr << "cannot start: " << SDL_GetError() << '\n';
        return 1;
    }
    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);
    // The simulation's chatter is not what this is for.
    std::ofstream quiet("/dev/null");
    std::streambuf* voice = std::cout.rdbuf(quiet.rdbuf());

    GUI::Window window(600, 600, "", 256, 0);
    const SDL_Color grey = {170, 170, 170, 0};
    window.get_main_view()->fill_with_color(grey);
    WorldCommands commands;
    commands.build_initial_world();

    auto map = std::make_shared<MapViewController>(nullptr);
    Model::get()->attach(map);
    window.attach_subview(map.get(), GUI::DispPoint(0, 0));
    introduce_everything(*map);

    std::shared_ptr<Bridge_view> bridges[3];
    const char* ships[] = {"Ajax", "Xerxes", "Valdez"};
    for (int i = 0; i < 3; ++i) {
        bridges[i] = std::make_shared<Bridge_view>(nullptr, Model::get()->get_ship_ptr(ships[i]));
        Model::get()->attach(bridges[i]);
        window.attach_subview(bridges[i].get(), GUI::DispPoint(300, 300 + 110 * i));
        introduce_everything(*bridges[i]);
    }
    for (int i = 0; i < ticks; ++i)
        Model::get()->update();
    map->draw();
    for (auto& bridge : bridges)
        bridge->draw();
    window.refresh();
    std::cout.rdbuf(voice);

    const int saved = SDL_SaveBMP(window.get_screen(), argv[2]);
    // The views are shared with the world; the window must not destroy them.
    window.remove_subview(map.get());
    for (auto& bridge : bridges)
        window.remove_subview(bridge.get());
    Model::get()->clear();
    if (saved != 0) {
        std::cerr << "could not save " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
