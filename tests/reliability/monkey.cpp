// A seeded monkey on the whole window and a soak of ships made and sunk
// under it; RELIABILITY.md describes what each holds to and its knobs.

#include "support/App_support.h"

#include "sim/Error.h"
#include "sim/Model.h"
#include "sim/Ship.h"

#include <random>
#include <vector>

namespace {

const long max_fleet_c = 30;
// Growth allowed after the warm-up: boxes of 290 kB piling up cross it soon.
#if defined(__SANITIZE_ADDRESS__)
const long max_growth_kb_c = 96 * 1024;
#else
const long max_growth_kb_c = 24 * 1024;
#endif

const SDLKey keys_c[] = {SDLK_a,      SDLK_j,      SDLK_x,     SDLK_e,      SDLK_z,
                         SDLK_1,      SDLK_MINUS,  SDLK_SPACE, SDLK_PERIOD, SDLK_BACKSPACE,
                         SDLK_DELETE, SDLK_LEFT,   SDLK_RIGHT, SDLK_UP,     SDLK_DOWN,
                         SDLK_RETURN, SDLK_LSHIFT, SDLK_TAB,   SDLK_F1,     SDLK_q};
const int modifiers_c[] = {KMOD_NONE, KMOD_NONE, KMOD_LSHIFT, KMOD_RSHIFT, KMOD_CAPS, KMOD_LCTRL};

std::vector<std::string> ship_names() {
    std::vector<std::string> names{"Nobody"};
    const Model* model = Model::get();
    for (auto it = model->ships_begin_iter(); it != model->ships_end_iter(); ++it)
        names.push_back((*it)->get_name());
    return names;
}

class Random_user {
public:
    explicit Random_user(std::uint64_t seed) : random(seed) {
        // A dialogue box always opens in the same place: open one to learn it.
        click(at.background);
        run_frames(1);
        box = dialogue_places();
        key(SDLK_ESCAPE);
        run_frames(1);
    }

    unsigned long pushed = 0; // events that reached the queue

    // One thing a user might do; most are a few events.
    void act() {
        const P targets[] = {at.free_sea,   at.go,     at.attack, at.attack,
                             at.background, box.field, box.enter, box.cancel};
        const int what = pick(100);
        if (what < 15)
            move(anywhere());
        else if (what < 25)
            button(pick(2) ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, anywhere(),
                   Uint8(1 + pick(5)));
        else if (what < 35)
            click_at(icon());
        else if (what < 41)
            drag(pick(2) ? icon() : near(at.free_sea, 100),
                 pick(4) ? near(at.free_sea, 100) : anywhere());
        else if (what < 45)
            drag(near(at.zoom_middle, 25), near(at.zoom_middle, 25));
        else if (what < 49) { // pushed towards the rim and sometimes left there
            button(SDL_MOUSEBUTTONDOWN, at.stick);
            move(near(at.stick, 22));
            if (pick(3))
                button(SDL_MOUSEBUTTONUP, pointer);
        } else if (what < 72)
            click_at(near(targets[pick(8)], 8));
        else if (what < 90)
            press_key(keys_c[pick(sizeof keys_c / sizeof *keys_c)],
                      modifiers_c[pick(sizeof modifiers_c / sizeof *modifiers_c)], pick(3) != 0);
        else if (what < 97)
            type_name();
        else
            console_line();
    }

    void quit() {
        push_key(SDL_QUIT);
        ++pushed;
    }

private:
    std::mt19937_64 random;
    const Places at = places();
    Dialogue_places box;
    P pointer{300, 300};
    Uint8 held = 0; // mouse buttons down, as SDL's motion state

    int pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }
    static P clamp(P p) {
        const P size = test_window().get_dim();
        return P(std::max(0, std::min(size.x - 1, p.x)), std::max(0, std::min(size.y - 1, p.y)));
    }
    P near(P p, int spread) {
        return clamp(p + P(pick(2 * spread) - spread, pick(2 * spread) - spread));
    }
    P anywhere() { return P(pick(test_window().get_dim().x), pick(test_window().get_dim().y)); }

    void move(P p) {
        push_mouse(SDL_MOUSEMOTION, p, p - pointer, SDL_BUTTON_LEFT, held);
        pointer = p;
        ++pushed;
    }
    void button(Uint8 type, P p, Uint8 which = SDL_BUTTON_LEFT) {
        if (!(p == pointer))
            move(p);
        held = type == SDL_MOUSEBUTTONDOWN ? Uint8(held | SDL_BUTTON(which))
                                           : Uint8(held & ~SDL_BUTTON(which));
        push_mouse(type, p, P(0, 0), which);
        ++pushed;
    }
    void click_at(P p) {
        button(SDL_MOUSEBUTTONDOWN, p);
        button(SDL_MOUSEBUTTONUP, p);
    }
    void drag(P from, P to) {
        button(SDL_MOUSEBUTTONDOWN, from);
        const int steps = 1 + pick(6);
        for (int i = 1; i <= steps; ++i)
            move(P(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps));
        button(SDL_MOUSEBUTTONUP, to);
    }
    void press_key(SDLKey sym, int mod, bool release) {
        push_key(SDL_KEYDOWN, sym, mod);
        if (release)
            push_key(SDL_KEYUP, sym, mod);
        pushed += 1 + release;
    }
    std::string any(const std::vector<std::string>& names) {
        return names[pick(int(names.size()))];
    }
    void type_name() {
        for (unsigned char c : pick(8) ? any(ship_names()) : "Exxon")
            press_key(SDLKey(std::tolower(c)), std::isupper(c) ? KMOD_LSHIFT : KMOD_NONE, true);
        if (pick(2))
            click_at(near(box.enter, 8));
    }

    P icon() {
        try {
            const auto& icons = controller().get_map_view()->get_obj_images();
            if (!icons.empty()) {
                const auto it = std::next(icons.begin(), pick(static_cast<int>(icons.size())));
                return clamp(it->second->get_abs_pos() + P(5, 17)); // on the picture
            }
        } catch (const Error&) {
        }
        return near(at.free_sea, 100);
    }

    // Bridges close as often as they open and the fleet stays small: what the
    // world rightly holds stays level, so memory that grows is a fault.
    void console_line() {
        const std::vector<std::string> names = ship_names();
        std::vector<std::string> watched{"Nobody"};
        for (const std::string& name : names) {
            try {
                controller().get_bridge_view(name);
                watched.push_back(name);
            } catch (const Error&) {
            }
        }
        const std::string ship = any(names);
        auto number = [this](int below) { return " " + std::to_string(pick(below)); };
        const std::string lines[] = {"close_map",
                                     "open_map",
                                     "open_bridge " + ship + number(600) + number(600),
                                     "close_bridge " + any(watched),
                                     pick(2) ? "go" : "pause",
                                     long(names.size()) > max_fleet_c
                                         ? "status"
                                         : "create M" + std::to_string(pushed) +
                                               (pick(2) ? " Cruiser" : " Torpedo_boat") +
                                               number(40) + number(40),
                                     ship + " attack " + any(names),
                                     ship + " position" + number(50) + number(50) + " 10"};
        console_input(lines[pick(8)] + "\n");
    }
};

class Quiet_run : public ::testing::Test {
protected:
    ~Quiet_run() override { std::cout.rdbuf(previous); }
    Null_buffer nowhere;
    std::streambuf* previous = std::cout.rdbuf(&nowhere);
};

using Monkey = Quiet_run;
using WindowSoak = Quiet_run;

} // namespace

TEST_F(Monkey, RandomInputWhileTheWorldRunsLeavesAWorkingProgram) {
    const unsigned long events = env_number("FLOTILLA_MONKEY_EVENTS", 20000);
    const unsigned long seed = env_number("FLOTILLA_MONKEY_SEED", 1969);
    std::cerr << "monkey: " << events << " events, seed " << seed << std::endl;

    Random_user monkey(seed);
    std::mt19937 batches(static_cast<unsigned>(seed));
    bool quit_sent = false;
    long warm_kb = -1;
    while (monkey.pushed < events) {
        // SDL 1.2 queues at most 127 events; an action pushes at most 21.
        const unsigned long batch = std::min(events, monkey.pushed + 40 + batches() % 60);
        while (monkey.pushed < batch)
            monkey.act();
        const bool quit_now = !quit_sent && monkey.pushed + 200 >= events;
        if (quit_now)
            monkey.quit(), quit_sent = true;
        // SIGTERM from `timeout` and SIGINT come as a quit too, and end the run.
        if (run_frames(1) == 0 && !quit_now)
            FAIL() << "stopped by a quit from outside after " << monkey.pushed << " events";
        if (warm_kb < 0 && monkey.pushed >= events / 10)
            warm_kb = resident_kb();
    }
    const long end_kb = resident_kb();
    std::cerr << "monkey: resident " << warm_kb << " kB after warm-up, " << end_kb
              << " kB at the end" << std::endl;
    EXPECT_LT(end_kb - warm_kb, max_growth_kb_c) << "memory grew";

    monkey.quit();
    run_frames(1000); // ends at the quit
    EXPECT_EQ(run_frames(3), 3) << "the loop no longer runs frames after a quit";
    const std::string status = captured([] { Model::get()->describe(); });
    for (const char* island : {"Exxon", "Shell", "Bermuda", "Treasure_Island"})
        EXPECT_TRUE(contains(status, "Island " + std::string(island) + " at position")) << status;
}

namespace {
// Views recomposited and icons drawn, counted rather than timed, in the
// second of two frames: the first shows what changed (a blinking cursor).
std::size_t frame_work() {
    controller().command_view_show();
    controller().get_window().refresh();
    const std::size_t before = GUI::View::get_recomposition_count();
    controller().command_view_show();
    controller().get_window().refresh();
    return GUI::View::get_recomposition_count() - before +
           controller().get_map_view()->get_obj_images().size();
}
} // namespace

// What each ship made, watched and sunk leaves behind would show as growing
// memory or a growing cost of a frame (FLOTILLA_SOAK_CYCLES, default 100).
TEST_F(WindowSoak, ShipsMadeAndSunkAndBridgesOpenedAndClosedLeaveNoTrace) {
    const unsigned long cycles = env_number("FLOTILLA_SOAK_CYCLES", 100);
    type_console("create Gunner Cruiser 90 90\n");
    long warm_kb = -1;
    std::size_t warm_work = 0;
    for (unsigned long i = 0; i < cycles; ++i) {
        const std::string name = "V" + std::to_string(i);
        type_console("create " + name + " Tanker 90.5 90.5\nopen_bridge " + name +
                     " 300 300\nclose_bridge " + name + "\nGunner attack " + name + "\ntick 3\n");
        ASSERT_FALSE(Model::get()->is_ship_present(name)) << "not sunk in cycle " << i;
        if (i == cycles / 10) {
            warm_kb = resident_kb();
            warm_work = frame_work();
        }
    }
    const long end_kb = resident_kb();
    const std::size_t end_work = frame_work();
    std::cerr << "window soak: resident " << warm_kb << " kB after warm-up, " << end_kb
              << " kB at the end; a frame's work " << warm_work << ", then " << end_work
              << std::endl;
    EXPECT_LT(end_kb - warm_kb, max_growth_kb_c) << "memory grew";
    EXPECT_LE(end_work, warm_work) << "a frame does more than it did";
}

#if defined(__SANITIZE_ADDRESS__)
// A quarantine of 256 MB would hide any growth of ours; ASAN_OPTIONS still wins.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=32";
}
#endif
