// Seeded random lines through the console's reader; RELIABILITY.md
// describes what a refused line is held to and the knobs.

#include "support/Sim_support.h"

#include "app/Console.h"
#include "app/Console_input.h"
#include "app/WorldCommands.h"
#include "sim/Cruise_ship.h"
#include "sim/Tanker.h"
#include "sim/Torpedo_boat.h"

#include <filesystem>
#include <random>
#include <set>
#include <tuple>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const ship_kinds_c[] = {"Tanker", "Cruiser", "Torpedo_boat", "Cruise_ship"};
// Each command with the names and the numbers it takes.
const std::tuple<const char*, int, int> object_commands_c[] = {
    {"course", 0, 2},    {"position", 0, 3},    {"destination", 1, 1}, {"load_at", 1, 0},
    {"unload_at", 1, 0}, {"dock_at", 1, 0},     {"attack", 1, 0},      {"refuel", 0, 0},
    {"stop", 0, 0},      {"stop_attack", 0, 0}, {"add_member", 1, 0},  {"remove_member", 1, 0},
    {"COURSE", 0, 0},    {"go", 0, 0}};
const char* const world_commands_c[] = {
    "status",   "tick",      "create",      "island",       "group",      "go",   "pause",
    "open_map", "close_map", "open_bridge", "close_bridge", "screenshot", "help", "quit"};
// Large valid tick counts are left out: the fuzz must stay quick.
const char* const numbers_c[] = {
    "0",     "-0",     "1",      "-1",          "10",      "15",
    "26",    "359.99", "360",    "3",           "30",      "2.5",
    "10abc", "0x10",   "0.05",   "-2147483649", "1000001", "99999999999999999999",
    "1e308", "-1e308", "1e-320", "nan",         "inf",     "-inf",
    "1e300", "-1e300", "1e400",  "-1e-400"};
const int max_objects_c = 30; // creates stop here, so the world stays small and the run fast

// Every error text the sources define (`error_..._c = "..."`), and no other.
std::set<std::string> known_error_texts() {
    std::set<std::string> texts;
    for (const char* folder : {"sim", "app", "views"}) {
        for (const auto& file :
             std::filesystem::directory_iterator(std::string(FLOTILLA_SOURCE_DIR) + "/" + folder)) {
            std::ifstream in(file.path());
            for (std::string line; std::getline(in, line);) {
                const auto value = line.find("_c = \"", line.find(" error_"));
                if (value == std::string::npos)
                    continue;
                std::string text = line.substr(value + 6, line.rfind('"') - value - 6);
                for (auto at = text.find("\\n"); at != std::string::npos; at = text.find("\\n"))
                    text.replace(at, 2, "\n");
                if (text.rfind("PROGRAMMING ERROR", 0) != 0) // never a user's refusal
                    texts.insert(text);
            }
        }
    }
    return texts;
}

// A group gathers its members' refusals into one error.
bool made_of_known_errors(const std::string& text, const std::set<std::string>& known) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!known.count(line + "\n"))
            return false;
    }
    return !text.empty() && text.back() == '\n';
}

// Lines of every command, mostly of the right length, of words good and bad
// (RELIABILITY.md lists them).
class Line_maker {
public:
    explicit Line_maker(std::uint64_t seed) : random(seed) {}

    std::string next() {
        const int kind = pick(100);
        if (kind < 8)
            return random_bytes(pick(120));
        if (kind < 11)
            return std::string(10000, "AaZz9_"[pick(6)]) + " " + word() + " " + number();
        if (kind < 55) {
            const auto& [command, names, numbers] = one_of(object_commands_c);
            return name() + (pick(20) ? " " + std::string(command) : "") + words(names, numbers);
        }
        const std::string command = one_of(world_commands_c);
        if (command == "create" && room())
            return command + " " + (pick(4) ? "S" + std::to_string(fresh++) : name()) + " " +
                   (pick(8) ? one_of(ship_kinds_c) : word()) + words(0, 2);
        if (command == "island" && room() && !pick(4))
            return command + " I" + std::to_string(fresh++) + words(0, 4);
        if (command == "group")
            return command + (pick(3) ? " G" + std::to_string(pick(4)) : words(0, 1));
        if (command == "tick")
            return command + (pick(3) ? " " + std::to_string(pick(4)) : words(0, 1));
        if (command == "create" || command == "island")
            return "status";
        return command + (command == "open_bridge" ? " " + name() + words(0, 2) : words(0, 1));
    }

private:
    std::mt19937_64 random;
    int fresh = 0;

    int pick(int n) { return static_cast<int>(random() % static_cast<std::uint64_t>(n)); }
    template <typename T, std::size_t N> T& one_of(T (&words)[N]) {
        return words[pick(static_cast<int>(N))];
    }
    std::string random_bytes(int length) {
        std::string bytes;
        for (int i = 0; i < length; ++i)
            bytes += static_cast<char>(1 + pick(255));
        std::replace(bytes.begin(), bytes.end(), '\n', ' ');
        return bytes;
    }
    std::string number() {
        if (pick(5) < 2)
            return one_of(numbers_c);
        return std::to_string(std::uniform_real_distribution<double>(-100., 400.)(random));
    }
    template <typename It> std::string any_of(It begin, It end, const char* none) {
        const auto count = std::distance(begin, end);
        return count ? (*std::next(begin, pick(int(count))))->get_name() : none;
    }
    std::string name() {
        const Model* model = Model::get();
        const int kind = pick(6);
        if (kind == 0)
            return any_of(model->islands_begin_iter(), model->islands_end_iter(), "Exxon");
        if (kind < 3)
            return any_of(model->ships_begin_iter(), model->ships_end_iter(), "Ajax");
        if (kind == 3)
            return "G" + std::to_string(pick(4));
        return kind == 4 ? one_of(world_commands_c) : pick(2) ? "Nobody" : "ajax";
    }
    std::string word() {
        return pick(5) == 0 ? number() : pick(4) == 0 ? random_bytes(1 + pick(6)) : name();
    }
    // The names and numbers a command takes; now and then fewer or more.
    std::string words(int names, int numbers) {
        std::string line;
        for (int i = 0; i < names; ++i)
            line += " " + name();
        for (int i = numbers + (pick(4) == 0 ? pick(5) - 2 : 0); i > 0; --i)
            line += " " + (pick(2) ? number() : word());
        return line;
    }
    static bool room() {
        const Model* model = Model::get();
        return model->ships_end_iter() != model->ships_begin_iter() &&
               std::distance(model->ships_begin_iter(), model->ships_end_iter()) +
                       std::distance(model->islands_begin_iter(), model->islands_end_iter()) <
                   max_objects_c;
    }
};

// Every bit, and quick to print even for the fuzz's huge coordinates.
std::string world_status() {
    return captured([] {
        std::cout << std::hexfloat;
        Model::get()->describe();
    });
}

// What a refused line may do before its error, by design: a cruise ship
// drops its cruise and a torpedo boat its attack, a group's members each take
// or refuse the order, and a tanker announces a cargo island it cannot reach.
enum class Leeway { none, cargo_news, anything };
Leeway leeway_of(const std::string& first) {
    const Model* model = Model::get();
    const Ship* ship = model->is_ship_present(first) ? model->get_ship_ptr(first).get() : nullptr;
    if (model->is_group_present(first) || dynamic_cast<const Cruise_ship*>(ship) ||
        dynamic_cast<const Torpedo_boat*>(ship))
        return Leeway::anything;
    return dynamic_cast<const Tanker*>(ship) ? Leeway::cargo_news : Leeway::none;
}

} // namespace

TEST(ConsoleFuzz, RefusedLinesReportOneKnownErrorAndChangeNothing) {
    const unsigned long lines = env_number("FLOTILLA_FUZZ_LINES", 100000);
    const unsigned long seed = env_number("FLOTILLA_FUZZ_SEED", 20240611);
    const std::set<std::string> known = known_error_texts();

    Output_capture out;
    WorldCommands commands;
    commands.build_initial_world();
    Console console(commands);
    int reports = 0;
    std::string reported;
    console.set_error_reporter([&](const Error& error) { ++reports, reported = error.msg; });

    // A file, not a pipe: an overlong line fits without a second thread.
    char file_name[] = "/tmp/flotilla_fuzz_XXXXXX";
    const int writer = mkstemp(file_name), read_end = open(file_name, O_RDONLY);
    unlink(file_name);
    ASSERT_TRUE(writer >= 0 && read_end >= 0);
    Line_reader reader(read_end);
    Line_maker maker(seed);
    std::mt19937 dressing(static_cast<unsigned>(seed) + 1);
    std::string before = world_status();
    int refused = 0;
    for (unsigned long n = 0; n < lines && !HasFailure(); ++n) {
        std::string line = maker.next();
        const unsigned dress = dressing() % 200;
        if (dress < 10)
            line.insert(dressing() % (line.size() + 1), 1, '\0');
        else if (dress < 30)
            line += '\r';
        else if (dress == 30)
            line += std::string(Line_reader::max_line_length_c, 'x');
        else if (dress == 31 && dressing() % 10 == 0) // the longest line taken, or one more
            line.resize(Line_reader::max_line_length_c + dressing() % 2, 'x');
        std::string first;
        std::istringstream(line) >> first;
        const Leeway leeway = leeway_of(first);
        const std::string sent = line + "\n";
        ASSERT_EQ(write(writer, sent.data(), sent.size()), ssize_t(sent.size()));
        std::string received;
        Line_reader::Result result;
        while ((result = reader.next_line(received)) == Line_reader::Result::need_more)
            reader.read_more(true);
        reports = 0;
        out.take();
        if (result == Line_reader::Result::too_long)
            console.refuse_long_line();
        else
            console.execute(received);
        const std::string printed = out.take(), after = world_status();
        const std::string context = "line " + std::to_string(n) + " (seed " + std::to_string(seed) +
                                    "): " + line.substr(0, 200) + "\nprinted:\n" +
                                    printed.substr(0, 2000);

        EXPECT_EQ(result == Line_reader::Result::too_long ? "(too long)" : received,
                  line.size() > Line_reader::max_line_length_c ? "(too long)" : line)
            << context;
        EXPECT_LE(reports, 1) << context;
        if (reports == 1) {
            ++refused;
            EXPECT_TRUE(made_of_known_errors(reported, known)) << context;
            const std::size_t news = printed.size() - reported.size();
            ASSERT_TRUE(printed.size() >= reported.size() && printed.substr(news) == reported)
                << "the error is not the last thing printed: " << context;
            if (leeway != Leeway::anything) {
                std::istringstream news_lines(printed.substr(0, news));
                for (std::string text; std::getline(news_lines, text);) {
                    EXPECT_TRUE(leeway == Leeway::cargo_news &&
                                (text.rfind(first + " will load at ", 0) == 0 ||
                                 text.rfind(first + " will unload at ", 0) == 0))
                        << "news printed by a refused line: " << context;
                }
                EXPECT_EQ(after, before) << context;
            }
        } else {
            // Accepted: whatever it printed holds no refusal in disguise.
            std::istringstream news(printed);
            for (std::string text; std::getline(news, text);)
                EXPECT_EQ(known.count(text + "\n"), 0u) << context;
        }
        before = after;
    }
    close(writer);
    close(read_end);
    std::cerr << "console fuzz: " << lines << " lines, seed " << seed << ", " << refused
              << " refused\n";
    EXPECT_NE(world_status().find("Island Exxon at position"), std::string::npos);
}
