// The whole application in this process under SDL's dummy drivers, fed a
// seeded stream of random user input between frames while the world runs:
// presses, drags and key strokes on the chart, the panel, the dialogue boxes
// and the bare background, now and then a window command on the console, and
// a window close near the end. It must not crash, the loop must still run
// frames afterwards and the world must still describe itself.
//
//   FLOTILLA_MONKEY_EVENTS  how many SDL events (default 20000)
//   FLOTILLA_MONKEY_SEED    the seed (default fixed; printed either way)
//
// Resident memory after the warm-up and at the end must not grow past a
// fixed bound. A quit it did not send (SIGTERM, SIGINT) stops it.

#include "Reliability_support.h"

#include "app/GUI_Controller.h"
#include "gui/App.h"
#include "gui/View.h"
#include "gui/Window.h"
#include "sim/Error.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "views/MapViewController.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using P = GUI::DispPoint;

// Growth of resident memory from the end of the warm-up (a tenth of the
// events) allowed by the end. What a run keeps is a few ships and views; a
// dialogue box is about 290 kB, so boxes piling up cross this within a
// few thousand events. AddressSanitizer keeps freed memory in quarantine
// (bounded below) and shadows what is allocated, so its builds are allowed
// more.
const long max_fleet_c = 30;
#if defined(__SANITIZE_ADDRESS__)
const long max_growth_kb_c = 96 * 1024;
#else
const long max_growth_kb_c = 24 * 1024;
#endif

GUI_Controller* the_controller = nullptr;
int console_input = -1;

GUI::App& app() {
    return *GUI::App::get();
}

// Runs up to `count` frames; returns how many ran (fewer when a quit came).
int run_frames(int count) {
    int ran = 0;
    auto* counter = app().repeat_on_timer(
        [&] {
            if (++ran == count)
                app().quit();
        },
        -1., true);
    app().run(app().get_window());
    app().cancel_timer_op(counter);
    return ran;
}

struct Rect {
    int x, y, w, h;
};
// The window's places, in window pixels.
const Rect whole_window_c{0, 0, 600, 600};
const Rect map_c{0, 0, 300, 300};
const Rect attack_c{360, 160, 140, 20};
const Rect go_c{360, 210, 140, 20};
const Rect zoom_c{360, 60, 50, 20};
const Rect stick_c{360, 105, 45, 45};
const Rect field_c{160, 280, 290, 20};
const Rect enter_c{272, 321, 136, 18};
const Rect cancel_c{92, 321, 136, 18};
const Rect background_c{0, 300, 300, 260};
const SDLKey keys_c[] = {SDLK_a,      SDLK_j,      SDLK_x,     SDLK_e,      SDLK_z,
                         SDLK_1,      SDLK_MINUS,  SDLK_SPACE, SDLK_PERIOD, SDLK_BACKSPACE,
                         SDLK_DELETE, SDLK_LEFT,   SDLK_RIGHT, SDLK_UP,     SDLK_DOWN,
                         SDLK_RETURN, SDLK_LSHIFT, SDLK_TAB,   SDLK_F1,     SDLK_q};
const int modifiers_c[] = {KMOD_NONE, KMOD_NONE, KMOD_LSHIFT, KMOD_RSHIFT, KMOD_CAPS, KMOD_LCTRL};

class Monkey {
public:
    explicit Monkey(std::uint64_t seed) : random(seed) {}

    int pushed = 0; // events that reached the queue

    // One thing a user might do; most are a few events.
    void act() {
        // Where clicks land: the chart, the panel's buttons, the background
        // (which opens a dialogue box), and a dialogue box's field and buttons.
        static const Rect* const targets[] = {&map_c,        &go_c,    &attack_c, &attack_c,
                                              &background_c, &field_c, &enter_c,  &cancel_c};
        const int what = pick(100);
        if (what < 15)
            move_to(somewhere(whole_window_c));
        else if (what < 25)
            button(pick(2) ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, somewhere(whole_window_c),
                   Uint8(1 + pick(5)));
        else if (what < 35)
            click(icon());
        else if (what < 41)
            drag(pick(2) ? icon() : somewhere(map_c), somewhere(pick(4) ? map_c : whole_window_c));
        else if (what < 45)
            drag(somewhere(zoom_c), somewhere(zoom_c));
        else if (what < 49)
            hold_stick();
        else if (what < 72)
            click(somewhere(*targets[pick(8)]));
        else if (what < 90)
            key(keys_c[pick(sizeof keys_c / sizeof *keys_c)],
                modifiers_c[pick(sizeof modifiers_c / sizeof *modifiers_c)], pick(3) != 0);
        else if (what < 97)
            type(ship_name());
        else
            console_line();
    }

    void quit() {
        SDL_Event event{};
        event.type = SDL_QUIT;
        push(event);
    }

private:
    std::mt19937_64 random;
    P pointer{300, 300};
    Uint8 held = 0; // mouse buttons down, as SDL's motion state

    int pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }
    P somewhere(const Rect& r) { return P(r.x + pick(r.w), r.y + pick(r.h)); }
    static P clamp(P p) {
        return P(std::max(0, std::min(599, p.x)), std::max(0, std::min(599, p.y)));
    }

    void push(SDL_Event& event) {
        if (SDL_PushEvent(&event) == 0)
            ++pushed;
    }
    void move_to(P p) {
        SDL_Event event{};
        event.motion = {
            SDL_MOUSEMOTION,        0, held, Uint16(p.x), Uint16(p.y), Sint16(p.x - pointer.x),
            Sint16(p.y - pointer.y)};
        pointer = p;
        push(event);
    }
    void button(Uint8 type, P p, Uint8 which = SDL_BUTTON_LEFT) {
        if (p.x != pointer.x || p.y != pointer.y)
            move_to(p);
        const Uint8 mask = SDL_BUTTON(which);
        held = type == SDL_MOUSEBUTTONDOWN ? Uint8(held | mask) : Uint8(held & ~mask);
        SDL_Event event{};
        event.button = {type,        0,          which, Uint8(type == SDL_MOUSEBUTTONDOWN),
                        Uint16(p.x), Uint16(p.y)};
        push(event);
    }
    void click(P p) {
        button(SDL_MOUSEBUTTONDOWN, p);
        button(SDL_MOUSEBUTTONUP, p);
    }
    void drag(P from, P to) {
        button(SDL_MOUSEBUTTONDOWN, from);
        const int steps = 1 + pick(6);
        for (int i = 1; i <= steps; ++i)
            move_to(P(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps));
        button(SDL_MOUSEBUTTONUP, to);
    }
    // Pushed towards the rim and sometimes left there for later frames.
    void hold_stick() {
        const P centre(382, 127);
        button(SDL_MOUSEBUTTONDOWN, centre);
        move_to(somewhere(stick_c));
        if (pick(3))
            button(SDL_MOUSEBUTTONUP, pointer);
    }
    void key(SDLKey sym, int mod, bool release) {
        for (Uint8 type : {Uint8(SDL_KEYDOWN), Uint8(SDL_KEYUP)}) {
            if (type == SDL_KEYUP && !release)
                break;
            SDL_Event event{};
            event.key = {type, 0, Uint8(type == SDL_KEYDOWN), {0, sym, SDLMod(mod), 0}};
            push(event);
        }
    }
    void type(const std::string& text) {
        for (char c : text) {
            const bool capital = std::isupper(static_cast<unsigned char>(c)) != 0;
            key(SDLKey(std::tolower(static_cast<unsigned char>(c))),
                capital ? KMOD_LSHIFT : KMOD_NONE, true);
        }
        if (pick(2))
            click(somewhere(enter_c));
    }

    // The icon of a random object on the chart, when the chart is open.
    P icon() {
        try {
            auto* map = dynamic_cast<MapViewController*>(the_controller->get_map_view().get());
            if (map && !map->get_obj_images().empty()) {
                auto it = map->get_obj_images().begin();
                std::advance(it, pick(static_cast<int>(map->get_obj_images().size())));
                return clamp(it->second->get_abs_pos() + P(5, 17)); // on the picture
            }
        } catch (const Error&) {
        }
        return somewhere(map_c);
    }
    std::string ship_name() {
        const Model* model = Model::get();
        std::vector<std::string> names{"Nobody", "Exxon"};
        for (auto it = model->ships_begin_iter(); it != model->ships_end_iter(); ++it)
            names.push_back((*it)->get_name());
        return names[pick(static_cast<int>(names.size()))];
    }

    // A ship whose bridge view is open, if any.
    std::string watched_ship() {
        std::vector<std::string> names;
        const Model* model = Model::get();
        for (auto it = model->ships_begin_iter(); it != model->ships_end_iter(); ++it) {
            try {
                the_controller->get_bridge_view((*it)->get_name());
                names.push_back((*it)->get_name());
            } catch (const Error&) {
            }
        }
        return names.empty() ? ship_name() : names[pick(static_cast<int>(names.size()))];
    }

    // The console works beside the window: views come and go under the
    // user's hands, and new ships replace the sunk. Bridges are closed as
    // often as opened and the fleet stays small, so that what the world
    // rightly holds stays level and any growth of memory is a fault.
    void console_line() {
        const std::string ship = ship_name(), other = ship_name();
        const Model* model = Model::get();
        const bool fleet_full =
            std::distance(model->ships_begin_iter(), model->ships_end_iter()) >= max_fleet_c;
        auto number = [this](int below) { return " " + std::to_string(pick(below)); };
        const std::string lines[] = {"close_map",
                                     "open_map",
                                     "open_bridge " + ship + number(600) + number(600),
                                     "close_bridge " + watched_ship(),
                                     pick(2) ? "go" : "pause",
                                     fleet_full ? "status"
                                                : "create M" + std::to_string(pushed) +
                                                      (pick(2) ? " Cruiser" : " Torpedo_boat") +
                                                      number(40) + number(40),
                                     ship + " attack " + other,
                                     ship + " position" + number(50) + number(50) + " 10"};
        const std::string text = lines[pick(8)] + "\n";
        if (write(console_input, text.data(), text.size()) != ssize_t(text.size()))
            ADD_FAILURE() << "the console pipe refused a line";
    }
};

} // namespace

TEST(Monkey, random_input_while_the_world_runs_leaves_a_working_program) {
    const unsigned long events = env_number("FLOTILLA_MONKEY_EVENTS", 20000);
    const unsigned long seed = env_number("FLOTILLA_MONKEY_SEED", 1969);
    std::cerr << "monkey: " << events << " events, seed " << seed << std::endl;

    Monkey monkey(seed);
    std::mt19937 batches(static_cast<unsigned>(seed));
    const auto start = std::chrono::steady_clock::now();
    bool quit_sent = false;
    int own_quits_pending = 0;
    long batches_run = 0;
    const unsigned long warm_up = events / 10;
    long warm_kb = -1;
    try {
        while (static_cast<unsigned long>(monkey.pushed) < events) {
            // SDL 1.2 queues at most 127 events; an action pushes at most 21.
            const int batch = monkey.pushed + 40 + static_cast<int>(batches() % 60);
            while (monkey.pushed < batch && static_cast<unsigned long>(monkey.pushed) < events)
                monkey.act();
            if (!quit_sent && static_cast<unsigned long>(monkey.pushed) + 200 >= events) {
                monkey.quit();
                quit_sent = true;
                ++own_quits_pending;
            }
            // A quit the monkey did not send (SIGTERM from `timeout`, SIGINT)
            // ends the run: SDL turns both into the same event.
            if (run_frames(1) == 0 && own_quits_pending-- == 0) {
                FAIL() << "stopped by a quit from outside after " << monkey.pushed << " events";
            }
            ++batches_run;
            if (warm_kb < 0 && static_cast<unsigned long>(monkey.pushed) >= warm_up)
                warm_kb = resident_kb();
        }
    } catch (...) {
        FAIL() << "an exception left the event loop after " << monkey.pushed << " events (seed "
               << seed << ")";
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long end_kb = resident_kb();
    std::cerr << "monkey: " << monkey.pushed << " events in " << batches_run << " batches, "
              << seconds << " s; resident " << warm_kb << " kB after warm-up, " << end_kb
              << " kB at the end" << std::endl;
    EXPECT_LT(end_kb - warm_kb, max_growth_kb_c) << "memory grew";

    monkey.quit();
    run_frames(1000); // ends at the quit
    EXPECT_EQ(run_frames(3), 3) << "the loop no longer runs frames after a quit";
    const std::string status = described([] { Model::get()->describe(); });
    for (const char* island : {"Exxon", "Shell", "Bermuda", "Treasure_Island"})
        EXPECT_NE(status.find("Island " + std::string(island) + " at position"), std::string::npos)
            << status;
}

namespace {
// What a frame does, counted rather than timed: the views recomposited by
// drawing every open view and the window, and the icons on the map. Counted
// on the second of two frames: the first also shows whatever changed since
// the last one (a cursor that blinked, a ship the running world moved).
std::size_t frame_work() {
    the_controller->command_view_show();
    the_controller->get_window().refresh();
    const std::size_t before = GUI::View::get_recomposition_count();
    the_controller->command_view_show();
    the_controller->get_window().refresh();
    std::size_t icons = 0;
    try {
        icons = the_controller->get_map_view()->get_obj_images().size();
    } catch (const Error&) { // the monkey may have left the map closed
    }
    return GUI::View::get_recomposition_count() - before + icons;
}

void type_console(const std::string& text) {
    if (write(console_input, text.data(), text.size()) != ssize_t(text.size()))
        ADD_FAILURE() << "the console pipe refused a line";
    do
        run_frames(1);
    while (the_controller->has_console_work());
}
} // namespace

// Ships made, watched from a bridge, sunk and gone, over and over: what each
// leaves behind would show as growing memory or a growing cost of a frame.
//
//   FLOTILLA_SOAK_CYCLES  how many (default 100; thousands by hand)
TEST(Window_soak, ships_made_and_sunk_and_bridges_opened_and_closed_leave_no_trace) {
    const unsigned long cycles = env_number("FLOTILLA_SOAK_CYCLES", 100);
    const unsigned long warm_up = cycles / 10;
    type_console("create Gunner Cruiser 90 90\n");
    long warm_kb = -1;
    std::size_t warm_work = 0;
    const auto start = std::chrono::steady_clock::now();
    for (unsigned long i = 0; i < cycles; ++i) {
        const std::string name = "V" + std::to_string(i);
        type_console("create " + name + " Tanker 90.5 90.5\nopen_bridge " + name +
                     " 300 300\nclose_bridge " + name + "\n");
        // The world the monkey left may still be running, and its ships
        // may get in the way: a few rounds are allowed.
        for (int round = 0; round < 10 && Model::get()->is_ship_present(name); ++round)
            type_console("Gunner attack " + name + "\ntick 3\n");
        ASSERT_FALSE(Model::get()->is_ship_present(name)) << "not sunk in cycle " << i;
        if (i == warm_up) {
            warm_kb = resident_kb();
            warm_work = frame_work();
        }
    }
    const long end_kb = resident_kb();
    const std::size_t end_work = frame_work();
    std::cerr << "window soak: " << cycles << " cycles in "
              << std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()
              << " s; resident " << warm_kb << " kB after warm-up, " << end_kb
              << " kB at the end; a frame's work " << warm_work << ", then " << end_work
              << std::endl;
    EXPECT_LT(end_kb - warm_kb, max_growth_kb_c) << "memory grew";
    EXPECT_LE(end_work, warm_work) << "a frame does more than it did";
}

#if defined(__SANITIZE_ADDRESS__)
// The quarantine would otherwise grow to 256 MB and hide any growth of
// ours; ASAN_OPTIONS can still set it.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=32";
}
#endif

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("FLOTILLA_RESOURCES", FLOTILLA_TEST_RESOURCES, 1);
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);
    Null_buffer nowhere;
    std::streambuf* previous = std::cout.rdbuf(&nowhere);
    // The console beside the window reads standard input: a pipe the monkey
    // writes to.
    int fds[2];
    if (pipe(fds) != 0 || dup2(fds[0], STDIN_FILENO) < 0)
        return 1;
    close(fds[0]);
    console_input = fds[1];

    the_controller = new GUI_Controller;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    the_controller->run(); // one frame, after which the loop knows the window

    const int result = RUN_ALL_TESTS();
    delete the_controller;
    std::cout.rdbuf(previous);
    return result;
}
