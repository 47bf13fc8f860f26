// A long headless run of a busy world, to find what grows: tankers shuttle
// fuel, cruise ships start a new cruise whenever one ends, and warships fight
// each other in an arena where every sunk ship is replaced by a new one, some
// joining and leaving a group. All orders go through the console. Resident
// memory is sampled as it runs; it must stay within 5% of its size after the
// warm-up.
//
//   flotilla_soak [TICKS [WARM_UP_TICKS]]     (default 1000000 and 100000)
// Exit status 1 when memory grew. Build with -DFLOTILLA_SANITIZE=ON (and a
// shorter run) for the leak report at exit.

#include "support/Capture.h"

#include "app/Console.h"
#include "app/WorldCommands.h"
#include "sim/Cruise_ship.h"
#include "sim/Error.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Tanker.h"
#include "sim/Warship.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

namespace {

const int chunk_ticks_c = 100;
const int sample_every_c = 10000;
const std::size_t warships_c = 10;
const char* const islands_c[] = {"Exxon", "Shell", "Bermuda", "Treasure_Island", "Depot"};

// What a ship says of itself: its standing orders are not public otherwise.
std::string orders_of(const Ship& ship) {
    return captured([&ship] { ship.describe(); });
}

template <typename T> std::vector<std::shared_ptr<T>> ships_of_kind() {
    std::vector<std::shared_ptr<T>> found;
    const Model* model = Model::get();
    for (auto it = model->ships_begin_iter(); it != model->ships_end_iter(); ++it) {
        if (auto ship = std::dynamic_pointer_cast<T>(*it))
            found.push_back(ship);
    }
    return found;
}

class Soak {
public:
    Soak() : console(commands) {
        commands.build_initial_world();
        console.set_error_reporter([this](const Error& error) { ++errors[error.msg]; });
        run("island Depot 30 20 5000 100");
        run("group Fleet");
        // Round trips shorter than the 50 nm a tanker's tank carries it.
        const char* const cycles[][2] = {{"Exxon", "Bermuda"}, {"Bermuda", "Exxon"},
                                         {"Depot", "Bermuda"}, {"Bermuda", "Depot"},
                                         {"Shell", "Exxon"},   {"Exxon", "Shell"}};
        for (int i = 0; i < 6; ++i) {
            const std::string name = "T" + std::to_string(i);
            const Point at = Model::get()->get_island_ptr(cycles[i][0])->get_location();
            run("create " + name + " Tanker " + std::to_string(at.x) + " " + std::to_string(at.y));
            run(name + " load_at " + cycles[i][0]);
            run(name + " unload_at " + cycles[i][1]);
        }
        for (int i = 0; i < 3; ++i)
            run("create C" + std::to_string(i) + " Cruise_ship " + std::to_string(5 + i * 10) +
                " 5");
    }

    void run(const std::string& line) { console.execute(line); }

    // Orders for the next stretch: a new cruise for every idle cruise ship, a
    // target for every idle warship, and replacements for the sunk.
    void give_orders() {
        for (const auto& ship : ships_of_kind<Cruise_ship>()) {
            if (orders_of(*ship).find(" cruise ") == std::string::npos && ship->can_move())
                run(ship->get_name() + " destination " + islands_c[pick(5)] + " 15");
        }
        std::vector<std::shared_ptr<Warship>> warships = ships_of_kind<Warship>();
        for (std::size_t i = warships.size(); i < warships_c; ++i) {
            const std::string name = "W" + std::to_string(created++);
            run("create " + name + (created % 2 ? " Cruiser " : " Torpedo_boat ") +
                std::to_string(60 + pick(10)) + " " + std::to_string(60 + pick(10)));
            if (created % 3 == 0)
                run("Fleet add_member " + name);
        }
        warships = ships_of_kind<Warship>();
        for (const auto& ship : warships) {
            if (orders_of(*ship).find("\nAttacking ") == std::string::npos)
                run(ship->get_name() + " attack " + warships[pick(warships.size())]->get_name());
        }
        if (created % 7 == 0 && !warships.empty())
            run("Fleet remove_member " + warships.front()->get_name());
    }

    int created = 0;
    std::map<std::string, long> errors;

private:
    WorldCommands commands;
    Console console;
    std::mt19937 random{12345};

    std::size_t pick(std::size_t n) { return random() % n; }
};

} // namespace

int main(int argc, char** argv) {
    const long ticks = argc > 1 ? std::atol(argv[1]) : 1000000;
    const long warm_up = argc > 2 ? std::atol(argv[2]) : 100000;
    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);
    Null_buffer nowhere;
    std::streambuf* previous = std::cout.rdbuf(&nowhere);

    const auto start = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    long settled_kb = 0, highest_kb = 0;
    {
        Soak soak;
        for (long done = 0; done < ticks; done += chunk_ticks_c) {
            soak.give_orders();
            soak.run("tick " + std::to_string(chunk_ticks_c));
            const long now = done + chunk_ticks_c;
            if (now % sample_every_c != 0 && now < ticks)
                continue;
            const long kb = resident_kb();
            if (now >= warm_up && settled_kb == 0)
                settled_kb = kb;
            highest_kb = std::max(highest_kb, now >= warm_up ? kb : 0L);
            std::fprintf(stderr, "ticks %8ld  %7.1f s  RSS %6ld kB  warships made %d\n", now,
                         elapsed(), kb, soak.created);
        }
        int shuttling = 0, cruising = 0;
        for (const auto& tanker : ships_of_kind<Tanker>())
            shuttling += orders_of(*tanker).find("no cargo destinations") == std::string::npos;
        for (const auto& ship : ships_of_kind<Cruise_ship>())
            cruising += orders_of(*ship).find(" cruise ") != std::string::npos;
        std::fprintf(stderr, "at the end: %d tankers shuttling, %d cruise ships on a cruise\n",
                     shuttling, cruising);
        for (const auto& error : soak.errors)
            std::fprintf(stderr, "refused %6ld x %s", error.second, error.first.c_str());
    }
    std::cout.rdbuf(previous);
    const double growth = settled_kb > 0 ? 100. * (highest_kb - settled_kb) / settled_kb : 0.;
    std::fprintf(stderr,
                 "soak: %ld ticks in %.1f s; RSS %ld kB after warm-up, highest %ld kB "
                 "(%+.1f%%), %ld kB at the end\n",
                 ticks, elapsed(), settled_kb, highest_kb, growth, resident_kb());
    return growth > 5. ? 1 : 0;
}
