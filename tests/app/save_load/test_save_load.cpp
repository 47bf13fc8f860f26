// A world saved part way through a seeded script (FLOTILLA_ROUND_TRIP_SEEDS,
// default 250), loaded afresh, goes on as the uninterrupted run went.

#include "support/Sim_support.h"

#include "app/Console.h"
#include "app/WorldCommands.h"
#include "sim/World_file.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const ship_kinds_c[] = {"Tanker", "Cruiser", "Torpedo_boat", "Cruise_ship"};
const std::size_t script_length_c = 80;
const int cuts_c = 4; // split points a seed is resumed at

// In memory where the system offers it, since every save is synced to the disk.
struct Scratch_folder {
    std::string path = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                       std::string("/flotilla-save-load-XXXXXX");
    Scratch_folder() { path = mkdtemp(&path[0]) ? path : ""; }
    ~Scratch_folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

std::string file_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string world_text() {
    return captured([] { World_file::write(std::cout); });
}

// A console on the start-up world.
struct Session {
    Session() {
        Model::get()->clear();
        Output_capture quiet;
        commands.build_initial_world();
    }
    std::string run(const std::string& line) {
        return captured([&] { console.execute(line); });
    }

    WorldCommands commands;
    Console console{commands};
};

// Lines of every command, mostly meaningful, naming what the world holds.
class Script_maker {
public:
    Script_maker(std::uint64_t seed, std::string folder_)
        : random(seed), folder(std::move(folder_)) {}

    // Each save has a file of its own: a resumed run loads what the whole run did.
    std::string next() {
        const std::string to = coordinate() + " " + coordinate(),
                          made_name = std::to_string(made++);
        // Now and then a long tick, so that cruises and cargo runs are well under
        // way at a save: voyages here take hundreds of ticks.
        const std::string weighted[] = {
            "tick " + std::to_string(pick(4) ? 1 + pick(8) : 50 + pick(400)),
            "tick",
            "create S" + made_name + " " + ship_kinds_c[pick(4)] + " " + to,
            "create T" + made_name + " " + ship_kinds_c[pick(4)] + " " + to,
            "island I" + made_name + " " + to + " " + std::to_string(pick(500)) + " 9",
            "group G" + made_name,
            ship() + " attack " + ship(),
            ship() + " attack " + ship(),
            ship() + " stop_attack",
            commandable() + " destination " + island() + " " + speed(),
            commandable() + " position " + to + " " + speed(),
            commandable() + " course " + std::to_string(pick(360)) + " " + speed(),
            ship() + " load_at " + island(),
            ship() + " unload_at " + island(),
            ship() + " dock_at " + island(),
            ship() + " refuel",
            commandable() + " stop",
            group() + " add_member " + commandable(),
            group() + " remove_member " + commandable(),
            "status",
            pick(2) ? "Ajax fly" : "create Ajax Cruiser 1 1"};
        const int count = sizeof weighted / sizeof *weighted, chosen = pick(count + 1);
        if (chosen < count)
            return weighted[chosen];
        if (saves == 0 || pick(3))
            return "save " + folder + "/W" + std::to_string(saves++);
        return "load " + folder + "/W" + std::to_string(pick(saves));
    }

private:
    std::mt19937_64 random;
    std::string folder;
    int made = 0;
    int saves = 0;

    int pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }
    std::string coordinate() { return std::to_string(pick(401) / 10.); }
    std::string speed() { return std::to_string(pick(26)); }

    template <typename Iterator> std::string any_name(Iterator begin, Iterator end) {
        const auto count = std::distance(begin, end);
        return count ? (*std::next(begin, pick(int(count))))->get_name() : "Nobody";
    }
    const Model* model = Model::get();
    std::string island() {
        return any_name(model->islands_begin_iter(), model->islands_end_iter());
    }
    std::string ship() {
        return pick(12) ? any_name(model->ships_begin_iter(), model->ships_end_iter()) : island();
    }
    std::string group() { return any_name(model->groups_begin_iter(), model->groups_end_iter()); }
    std::string commandable() { return pick(5) ? ship() : group(); }
};

class SaveLoad : public Sim_test {
protected:
    Scratch_folder folder;
};

} // namespace

TEST_F(SaveLoad, AResumedWorldWritesWhatTheUninterruptedRunWrote) {
    const unsigned long seeds = env_number("FLOTILLA_ROUND_TRIP_SEEDS", 250);
    for (unsigned long seed = 1; seed <= seeds; ++seed) {
        // Saving at the split points on the way disturbs nothing.
        std::mt19937 choose(static_cast<unsigned>(seed));
        std::map<std::size_t, std::string> saved; // line count -> world
        for (int cut = 0; cut < cuts_c; ++cut)
            saved[1 + choose() % (script_length_c - 1)];
        std::vector<std::string> lines, reference;
        Session whole;
        Script_maker maker(seed, folder.path);
        for (std::size_t i = 0; i < script_length_c; ++i) {
            if (saved.count(i))
                saved[i] = world_text();
            lines.push_back(maker.next());
            reference.push_back(whole.run(lines.back()));
        }
        for (const auto& [k, world] : saved) {
            Session run;
            write_file(folder / "resumed", world);
            run.run("load " + folder / "resumed");
            ASSERT_EQ(world_text(), world) << "save, load, save differs (seed " << seed << ")";
            for (std::size_t i = k; i < lines.size(); ++i)
                ASSERT_EQ(run.run(lines[i]), reference[i])
                    << "seed " << seed << ", line " << i << " \"" << lines[i]
                    << "\", resumed after " << k;
        }
    }
}

namespace {
const char* const valid_world_c = "flotilla-world 1\n"
                                  "island Exxon at 10 10 fuel 1000 rate 200\n"
                                  "island Shell at 0 30 fuel 1000 rate 200\n"
                                  "ship Ajax Cruiser at 15 15 course 0 speed 0 fuel 1000 "
                                  "resistance 6 stopped attacking target Valdez\n"
                                  "ship Valdez Tanker at 0 30 course 0 speed 0 fuel 100 "
                                  "resistance 0 docked Shell cargo 0 load_at Shell unload_at "
                                  "Exxon loading\n"
                                  "group Fleet Ship_group members Ajax Valdez\n"
                                  "end\n";

// A part of the valid world, what replaces it, and the refusal after "Cannot load FILE: ".
const char* const malformed_c[][3] = {
    {valid_world_c, "",
     "line 1: not a flotilla world file (its first line must be "
     "\"flotilla-world 1\")"},
    {"flotilla-world 1", "flotilla-world 2",
     "line 1: version \"2\" is not one this program reads (it reads 1)"},
    {"end\n", "", "line 7: the file ends before its \"end\" line: it is incomplete"},
    {"end\n", "end\nisland Late at 1 1 fuel 0 rate 0\n",
     "line 8: there is more after the \"end\" line"},
    {"fuel 1000 rate", "fuel 1e400 rate", "line 2: fuel \"1e400\" is out of range"},
    {"course 0 speed 0 fuel 1000", "course north",
     "line 4: expected a number for course, found \"north\""},
    {"Ajax Cruiser", "Ajax Frigate", "line 4: Trying to create ship of unknown type!"},
    {"6 stopped", "6 drifting",
     "line 4: expected a ship state (moving_to_position, dead_in_the_water, stopped, "
     "moving_on_course, docked, sunk), found \"drifting\""},
    {"ship Valdez", "ship Exxon", "line 5: the name \"Exxon\" is already used on line 2"},
    {"ship Ajax", "ship status", "line 4: the name \"status\" is reserved for a command"},
    {"members Ajax Valdez", "members Ajax Nobody",
     "line 6: no island, ship or group is named \"Nobody\""},
    {"members Ajax Valdez", "members Ajax Shell",
     "line 6: \"Shell\" is an island, not a ship or group"},
    {"members Ajax Valdez", "members Valdez Ajax",
     "line 6: members must be listed in the order they were made (the order of their lines)"},
    {"group Fleet Ship_group members Ajax Valdez",
     "group A Ship_group members B\ngroup B Ship_group members A",
     "line 7: Cannot add a Group that would create a Cycle!"},
    {"target Valdez", "target Shell", "line 4: \"Shell\" is an island, not a ship"},
    {"target Valdez", "target Ajax", "line 4: Warship may not attack itself!"},
    {"unload_at Exxon loading", "loading",
     "line 5: a tanker in its cargo cycle must have both destinations"},
    {"at 0 30", "at 0 31", "line 5: a docked ship must lie at its island"},
};
} // namespace

// Refused with the file, the line and the fault; the world stays as it was.
TEST_F(SaveLoad, AMalformedFileIsRefusedAndChangesNothing) {
    Session session;
    const std::string good = folder / "good.txt";
    write_file(good, valid_world_c);
    ASSERT_EQ(session.run("load " + good), "");

    const std::string bad = folder / "bad.txt";
    for (const auto& [was, is, refusal] : malformed_c) {
        std::string text = valid_world_c; // a part that is not there throws out_of_range
        text.replace(text.find(was), std::string(was).size(), is);
        write_file(bad, text);
        EXPECT_EQ(session.run("load " + bad), "Cannot load " + bad + ": " + refusal + "\n");
        EXPECT_EQ(world_text(), valid_world_c) << refusal;
    }
}

namespace {
// The check's process limits and user go with the child; 0 when it held.
template <typename Check> int in_child(Check check) {
    std::cout.flush();
    const pid_t child = fork();
    if (child == 0)
        _exit(check() ? 0 : 1);
    int status = -1;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)
               ? WEXITSTATUS(status)
               : -1;
}

const int cannot_drop_root_c = 77;
} // namespace

// A refused save leaves the old file and no temporary file. Renaming over a
// read-only file needs only the folder's permission, so it is refused on
// purpose; root writes anything, so it tries as an unprivileged user.
TEST_F(SaveLoad, ARefusedSaveLeavesTheOldFileAsItWas) {
    Session session;
    const std::string old = folder / "old.txt";
    ASSERT_EQ(session.run("save " + old), "");
    const std::string old_text = file_text(old);
    session.run("tick");
    ASSERT_NE(world_text(), old_text);
    // The disk fills up half way through the new file.
    EXPECT_EQ(in_child([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit small = {100, 100};
                  return setrlimit(RLIMIT_FSIZE, &small) == 0 &&
                         session.run("save " + old) == "Cannot save " + old + ": File too large\n";
              }),
              0);
    fs::permissions(old, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder.path, fs::perms::all);
    const int result = in_child([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(cannot_drop_root_c);
        return session.run("save " + old) == "Cannot save " + old + ": Permission denied\n";
    });
    EXPECT_TRUE(result == 0 || result == cannot_drop_root_c) << "a read-only file was replaced";

    EXPECT_EQ(file_text(old), old_text);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path), {}), 1) << "a file was left";
}

// With the window the program works in its resource folder, yet in either
// mode the file names a user gives mean the folder it was started in.
TEST_F(SaveLoad, EachModeSavesAndLoadsWhereItWasStarted) {
    write_file(folder / "small.txt", valid_world_c);
    write_file(folder / "input.txt", "status\nsave again.txt\nload again.txt\nquit\n");
    for (const std::string mode : {"", " --headless"}) {
        SCOPED_TRACE(mode);
        fs::remove(folder / "again.txt");
        const std::string command = "cd '" + folder.path +
                                    "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" +
                                    FLOTILLA_PROGRAM + "'" + mode +
                                    " --load small.txt < input.txt > output.txt 2> errors.txt";
        ASSERT_EQ(std::system(command.c_str()), 0) << file_text(folder / "errors.txt");
        EXPECT_EQ(file_text(folder / "again.txt"), valid_world_c);
        const std::string output = file_text(folder / "output.txt");
        EXPECT_TRUE(contains(output, "\nCruiser Ajax at (15.00, 15.00)")) << output;
        EXPECT_FALSE(contains(output, "Pegasus")) << "the start-up world was built";
    }
}
