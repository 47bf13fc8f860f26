// How long a tick and a frame take as the world grows, against the floor set
// by writing the same amount of output. Standard output goes to /dev/null
// while measuring; formatting and writing are part of what is measured.
//
//   build/flotilla-bench --benchmark_filter='BM_(WorldTick|Frame|OutputFloor)'

#include "app/GUI_Controller.h"
#include "app/StandardOutput.h"
#include "gui/Window.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "sim/Ship_factory.h"
#include "sim/Ship_kinds.h"
#include "sim/View.h"
#include "views/Bridge_view.h"
#include "views/Map_view.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Opens /dev/null for as long as it lives.
class Null_device {
public:
    Null_device() : fd(open("/dev/null", O_WRONLY)) {}
    ~Null_device() { close(fd); }
    Null_device(const Null_device&) = delete;
    Null_device& operator=(const Null_device&) = delete;
    const int fd;
};

// Sends standard output to /dev/null through the program's own buffer for
// as long as it lives; the benchmark's report still reaches the terminal.
class Silence {
public:
    Silence() : sink(null.fd), voice(std::cout.rdbuf(&sink)) {}
    ~Silence() {
        std::cout.flush();
        std::cout.rdbuf(voice);
    }

private:
    Null_device null;
    Output_buffer sink;
    std::streambuf* voice;
};

const char* const kinds_c[] = {Ship_kinds::tanker_c.name, Ship_kinds::cruiser_c.name,
                               Ship_kinds::torpedo_boat_c.name, Ship_kinds::cruise_ship_c.name};

Point spot(int i) {
    return Point(5. + (i * 37) % 41, 5. + (i * 53) % 43);
}

// Ships of every kind on varied orders over the start-up islands: tankers
// cycling, cruise ships touring, warships attacking each other in pairs, the
// rest sailing or lying docked.
void add_working_ships(
    int count, int first_index,
    const std::function<std::shared_ptr<Ship>(const std::string&, const std::string&, Point)>& add,
    bool attacks) {
    Model* model = Model::get();
    std::shared_ptr<Ship> previous_warship;
    for (int i = first_index; i < first_index + count; ++i) {
        const std::string kind = kinds_c[i % 4];
        auto ship = add("S" + std::to_string(i), kind, spot(i));
        switch (i % 4) {
        case 0:
            ship->set_load_destination(model->get_island_ptr("Exxon"));
            ship->set_unload_destination(model->get_island_ptr("Shell"));
            break;
        case 3:
            ship->set_destination_position_and_speed(
                model->get_island_ptr("Bermuda")->get_location(), 12.);
            break;
        default:
            if (attacks && previous_warship) {
                ship->attack(previous_warship);
                previous_warship.reset();
            } else {
                previous_warship = ship;
                ship->set_course_and_speed((i * 29) % 360, 5.);
            }
            break;
        }
    }
}

void build_tick_world(int ships) {
    Model* model = Model::get();
    model->clear();
    model->add_island(std::make_shared<Island>("Exxon", Point(10., 10.), 1000., 200.));
    model->add_island(std::make_shared<Island>("Shell", Point(0., 30.), 1000., 200.));
    model->add_island(std::make_shared<Island>("Bermuda", Point(20., 20.), 0., 0.));
    model->add_island(std::make_shared<Island>("Treasure_Island", Point(50., 5.), 100., 5.));
    add_working_ships(
        ships, 0,
        [model](const std::string& name, const std::string& kind, Point where) {
            auto ship = create_ship(name, kind, where);
            model->add_ship(ship);
            return ship;
        },
        true);
}

void BM_WorldTick(benchmark::State& state) {
    const int ships = static_cast<int>(state.range(0));
    Silence silence;
    build_tick_world(ships);
    int ticks = 0;
    for (auto _ : state) {
        // Battles thin the fleet; start afresh before the count drifts far.
        if (++ticks % 400 == 0) {
            state.PauseTiming();
            build_tick_world(ships);
            state.ResumeTiming();
        }
        Model::get()->update();
    }
    state.SetItemsProcessed(state.iterations() * ships);
    // The application's benchmarks build their own world.
    Model::get()->clear();
}
BENCHMARK(BM_WorldTick)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The application, built once: a process may open only one window.
GUI_Controller& application() {
    static GUI_Controller* controller = [] {
        Silence silence;
        return new GUI_Controller;
    }();
    return *controller;
}

// Sets the running application's world to `ships` ships (the start-up five
// included), adding working ships or taking the added ones away again.
// Frames keep every ship afloat, so the count stays put while measuring.
void set_application_world(int ships) {
    GUI_Controller& controller = application();
    static std::vector<std::string> added;
    Model* model = Model::get();
    const int start_up = 5;
    while (start_up + static_cast<int>(added.size()) > ships && !added.empty()) {
        model->remove_ship(model->get_ship_ptr(added.back()));
        added.pop_back();
    }
    const int missing = ships - start_up - static_cast<int>(added.size());
    if (missing <= 0)
        return;
    // Every view would otherwise be told every object's location once for
    // each ship added; detached while the fleet grows, each is told once.
    std::vector<std::shared_ptr<View>> views = {controller.get_map_view()};
    for (const char* ship : {"Ajax", "Xerxes", "Valdez"})
        views.push_back(controller.get_bridge_view(ship));
    for (const auto& view : views)
        model->detach(view);
    static int next_index = 0;
    add_working_ships(
        missing, next_index,
        [&controller](const std::string& name, const std::string& kind, Point where) {
            added.push_back(name);
            return controller.add_ship(name, kind, where);
        },
        false);
    next_index += missing;
    for (const auto& view : views)
        model->attach(view);
}

void run_frame(GUI_Controller& controller) {
    Model::get()->update();
    controller.command_view_show();
    controller.get_window().refresh();
}

void BM_Frame(benchmark::State& state) {
    const int ships = static_cast<int>(state.range(0));
    GUI_Controller& controller = application();
    Silence silence;
    set_application_world(ships);
    // The first frame after the world grows introduces the new icons.
    run_frame(controller);
    for (auto _ : state)
        run_frame(controller);
    state.SetItemsProcessed(state.iterations() * ships);
}

// One frame's output, kept as the pieces it was written in: text, whole
// numbers and two-decimal numbers, so that it can be written again.
struct Output_piece {
    std::string text;
    enum Kind { Text, Whole, Decimal } kind;
    double value;
};

std::vector<Output_piece> frame_output(int ships) {
    GUI_Controller& controller = application();
    std::ostringstream written;
    {
        Silence silence;
        set_application_world(ships);
        run_frame(controller);
        std::streambuf* sink = std::cout.rdbuf(written.rdbuf());
        run_frame(controller);
        std::cout.rdbuf(sink);
    }
    std::vector<Output_piece> pieces;
    const std::string text = written.str();
    // A number: an optional minus, digits, and perhaps a point with two
    // more. Digits inside a name ("S12") count too; they are written again
    // alike.
    std::size_t done = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = at + (text[at] == '-' ? 1 : 0);
        if (end >= text.size() || !std::isdigit(static_cast<unsigned char>(text[end]))) {
            ++at;
            continue;
        }
        while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;
        const bool decimal = end + 2 < text.size() && text[end] == '.' &&
                             std::isdigit(static_cast<unsigned char>(text[end + 1])) &&
                             std::isdigit(static_cast<unsigned char>(text[end + 2]));
        if (decimal)
            end += 3;
        if (at > done)
            pieces.push_back({text.substr(done, at - done), Output_piece::Text, 0.});
        pieces.push_back({"", decimal ? Output_piece::Decimal : Output_piece::Whole,
                          std::stod(text.substr(at, end - at))});
        done = at = end;
    }
    pieces.push_back({text.substr(done), Output_piece::Text, 0.});
    return pieces;
}

// Writes one frame's real output again, with no simulation and no drawing
// behind it: the floor that formatting and writing set. Argument 1 picks the
// program's path (to_chars, one buffer), 0 plain iostream to a file stream.
void BM_OutputFloor(benchmark::State& state) {
    const std::vector<Output_piece> pieces = frame_output(static_cast<int>(state.range(0)));
    const bool programs_path = state.range(1) != 0;
    Null_device null;
    Output_buffer buffer(null.fd);
    std::ofstream file("/dev/null");
    std::ostream out(programs_path ? static_cast<std::streambuf*>(&buffer) : file.rdbuf());
    if (programs_path) {
        format_for_news(out);
    } else {
        out.setf(std::ios::fixed, std::ios::floatfield);
        out.precision(2);
    }
    long lines = 0;
    for (const Output_piece& piece : pieces)
        lines += std::count(piece.text.begin(), piece.text.end(), '\n');
    for (auto _ : state) {
        for (const Output_piece& piece : pieces) {
            switch (piece.kind) {
            case Output_piece::Text:
                out << piece.text;
                break;
            case Output_piece::Whole:
                out << static_cast<long>(piece.value);
                break;
            case Output_piece::Decimal:
                out << piece.value;
                break;
            }
        }
        out.flush();
    }
    state.counters["lines"] = static_cast<double>(lines);
}

} // namespace

BENCHMARK(BM_Frame)->Arg(5)->Arg(100)->Arg(1000)->Arg(2000)->Arg(10000)->Unit(
    benchmark::kMillisecond);
BENCHMARK(BM_OutputFloor)
    ->ArgNames({"ships", "programs_path"})
    ->ArgsProduct({{5, 100, 1000, 2000, 10000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("FLOTILLA_RESOURCES", FLOTILLA_BENCH_RESOURCES, 0);
    format_for_news(std::cout);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The toolkit says goodbye at exit; the report (JSON, say) must be all
    // that standard output holds.
    // Never destroyed: the goodbye comes after static objects are gone.
    std::cout.flush();
    std::cout.rdbuf(new Output_buffer(open("/dev/null", O_WRONLY)));
    return 0;
}
