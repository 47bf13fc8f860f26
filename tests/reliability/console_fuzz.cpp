// Seeded random lines through the console's reader; RELIABILITY.md
// describes what a refused line is held to, the knobs and the replay file.

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
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

const char* const ship_kinds_c[] = {"Tanker", "Cruiser", "Torpedo_boat", "Cruise_ship"};
const char* const object_commands_c[] = {
    "course", "position", "destination", "load_at",    "unload_at",     "dock_at", "attack",
    "refuel", "stop",     "stop_attack", "add_member", "remove_member", "COURSE",  "go"};
const char* const world_commands_c[] = {
    "status",   "tick",      "create",      "island",       "group",      "go",   "pause",
    "open_map", "close_map", "open_bridge", "close_bridge", "screenshot", "help", "quit"};
// Large valid tick counts are left out: the fuzz must stay quick.
const char* const numbers_c[] = {
    "0", "-0", "1",   "-1",    "10",   "15",   "26",          "359.99",  "360",
    "3", "30", "2.5", "10abc", "0x10", "0.05", "-2147483649", "1000001", "99999999999999999999"};
// Kept rarer: printing a ship at 1e308 with every digit is slow.
const char* const extreme_numbers_c[] = {"1e308", "-1e308", "1e-320", "nan",   "inf",
                                         "-inf",  "1e300",  "-1e300", "1e400", "-1e-400"};
const int max_objects_c = 30; // creates stop here, so the world stays small and the run fast

// Every error text the sources define (`error_..._c = "..."`); the fuzz
// accepts no other.
std::set<std::string> known_error_texts() {
    std::set<std::string> texts;
    for (const char* folder : {"sim", "app", "views"}) {
        for (const auto& file :
             std::filesystem::directory_iterator(std::string(FLOTILLA_SOURCE_DIR) + "/" + folder)) {
            std::ifstream in(file.path());
            for (std::string line; std::getline(in, line);) {
                const auto name = line.find(" error_");
                const auto value = line.find("_c = \"", name);
                if (name == std::string::npos || value == std::string::npos)
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

// True if the text is one or more whole known error lines (a group gathers
// its members' refusals into one error).
bool made_of_known_errors(const std::string& text, const std::set<std::string>& known) {
    if (text.empty())
        return false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!known.count(line + "\n"))
            return false;
    }
    return text.back() == '\n';
}

std::string printable(const std::string& line) {
    std::string shown = line.substr(0, 200);
    std::replace_if(
        shown.begin(), shown.end(), [](unsigned char c) { return !std::isprint(c); }, '?');
    return shown + (line.size() > 200 ? "...(" + std::to_string(line.size()) + " bytes)" : "");
}

// Lines of every command with mostly the right number of words: names of
// live islands, ships and groups and of nothing, numbers good, huge, tiny and
// malformed, random bytes and 10,000-character words.
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
            const std::string command = one_of(object_commands_c);
            const int names =
                command == "destination"
                    ? 1
                    : std::string("load_at unload_at dock_at attack add_member remove_member")
                              .find(command) != std::string::npos;
            const int numbers = command == "position" ? 3
                                : command == "course" ? 2
                                                      : command == "destination";
            return name() + (pick(20) ? " " + command : "") + words(names, numbers);
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
    template <typename T, std::size_t N> const char* one_of(T (&words)[N]) {
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
        const int kind = pick(20);
        if (kind == 0)
            return one_of(extreme_numbers_c);
        if (kind < 8)
            return one_of(numbers_c);
        return std::to_string(std::uniform_real_distribution<double>(-100., 400.)(random));
    }
    template <typename It> std::string any_of(It begin, It end, const char* none) {
        const auto count = std::distance(begin, end);
        if (count == 0)
            return none;
        std::advance(begin, pick(static_cast<int>(count)));
        return (*begin)->get_name();
    }
    std::string name() {
        const Model* model = Model::get();
        switch (pick(6)) {
        case 0:
            return any_of(model->islands_begin_iter(), model->islands_end_iter(), "Exxon");
        case 1:
        case 2:
            return any_of(model->ships_begin_iter(), model->ships_end_iter(), "Ajax");
        case 3:
            return "G" + std::to_string(pick(4));
        case 4:
            return one_of(world_commands_c);
        default:
            return pick(2) ? "Nobody" : "ajax";
        }
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

// The world's description with every bit (hexadecimal floating point):
// stricter than the two decimals users see, and quick to print even for the
// huge coordinates the fuzz gives ships.
std::string world_status() {
    return captured([] {
        std::cout << std::hexfloat;
        Model::get()->describe();
    });
}

// Kinds whose refused commands may cancel a standing order first, by design:
// a cruise ship drops its cruise and a torpedo boat calls off its attack.
bool may_change_before_refusing(const std::string& line) {
    std::istringstream in(line);
    std::string first;
    in >> first;
    const Model* model = Model::get();
    if (model->is_group_present(first))
        return true; // a group's successes stand beside its members' refusals
    if (!model->is_ship_present(first))
        return false;
    std::shared_ptr<Ship> ship = model->get_ship_ptr(first);
    return dynamic_cast<const Cruise_ship*>(ship.get()) ||
           dynamic_cast<const Torpedo_boat*>(ship.get());
}

// A tanker announces a cargo destination before it sets out for it; when it
// cannot move, the announcement stands before the refusal and nothing else
// changes.
bool only_cargo_announcements(const std::string& line, const std::string& news) {
    std::istringstream in(line);
    std::string first;
    in >> first;
    const Model* model = Model::get();
    if (!model->is_ship_present(first) ||
        !dynamic_cast<const Tanker*>(model->get_ship_ptr(first).get()))
        return false;
    std::istringstream lines(news);
    for (std::string text; std::getline(lines, text);) {
        if (text.rfind(first + " will load at ", 0) != 0 &&
            text.rfind(first + " will unload at ", 0) != 0)
            return false;
    }
    return true;
}

} // namespace

TEST(ConsoleFuzz, RefusedLinesReportOneKnownErrorAndChangeNothing) {
    const unsigned long lines = env_number("FLOTILLA_FUZZ_LINES", 100000);
    const unsigned long seed = env_number("FLOTILLA_FUZZ_SEED", 20240611);
    std::cerr << "console fuzz: " << lines << " lines, seed " << seed << '\n';
    const std::set<std::string> known = known_error_texts();
    ASSERT_GT(known.size(), 40u) << "the error texts were not found in " FLOTILLA_SOURCE_DIR;

    Output_capture out;
    WorldCommands commands;
    commands.build_initial_world();
    Console console(commands);
    int reports = 0;
    std::string reported;
    console.set_error_reporter([&](const Error& error) {
        ++reports;
        reported = error.msg;
    });

    Line_maker maker(seed);
    // A file, not a pipe: an overlong line fits without a second thread.
    char file_name[] = "/tmp/flotilla_fuzz_XXXXXX";
    const int writer = mkstemp(file_name);
    const int read_end = open(file_name, O_RDONLY);
    unlink(file_name);
    ASSERT_GE(writer, 0);
    ASSERT_GE(read_end, 0);
    Line_reader reader(read_end);
    std::mt19937 dressing(static_cast<unsigned>(seed) + 1);
    std::vector<std::string> history;
    std::string before = world_status();
    int failures = 0, refused = 0;
    for (unsigned long n = 0; n < lines && failures < 10; ++n) {
        std::string line = maker.next();
        const unsigned dress = dressing() % 200;
        if (dress < 10)
            line.insert(dressing() % (line.size() + 1), 1, '\0');
        else if (dress < 30)
            line += '\r';
        else if (dress == 30)
            line += std::string(Line_reader::max_line_length_c, 'x');
        history.push_back(line);
        const bool exempt = may_change_before_refusing(line);
        reports = 0;
        out.take();
        const std::string sent = line + "\n";
        ASSERT_EQ(write(writer, sent.data(), sent.size()), ssize_t(sent.size()));
        std::string received;
        Line_reader::Result result;
        while ((result = reader.next_line(received)) == Line_reader::Result::need_more)
            reader.read_more(true);
        if (result == Line_reader::Result::too_long)
            console.refuse_long_line();
        else
            console.execute(received);
        const std::string printed = out.take();

        std::string fault;
        if (result == Line_reader::Result::line && received != line) {
            fault = "the reader gave another line: " + printable(received);
        } else if (result == Line_reader::Result::too_long &&
                   line.size() <= Line_reader::max_line_length_c) {
            fault = "refused as too long";
        } else if (reports > 1) {
            fault = "reported " + std::to_string(reports) + " errors";
        } else if (reports == 1) {
            ++refused;
            const std::string after = world_status();
            if (!made_of_known_errors(reported, known))
                fault = "unknown error text: " + printable(reported);
            else if (printed.size() < reported.size() ||
                     printed.compare(printed.size() - reported.size(), std::string::npos,
                                     reported) != 0)
                fault = "the error is not the last thing printed";
            else if (!exempt && printed != reported &&
                     !only_cargo_announcements(line,
                                               printed.substr(0, printed.size() - reported.size())))
                fault = "news printed by a refused line";
            else if (!exempt && after != before)
                fault = "status changed";
            before = after;
        } else {
            // Accepted: whatever it printed holds no refusal in disguise.
            std::istringstream news(printed);
            for (std::string text; std::getline(news, text) && fault.empty();) {
                if (known.count(text + "\n"))
                    fault = "an error text printed without an error: " + text;
            }
            before = world_status();
        }
        if (fault.empty())
            continue;
        if (++failures == 1) {
            std::ofstream dump("console_fuzz_failure.txt", std::ios::binary);
            for (const std::string& earlier : history)
                dump << earlier << '\n';
        }
        ADD_FAILURE() << "line " << n << " (seed " << seed << "): " << printable(line) << "\n"
                      << fault << "\nprinted:\n"
                      << printable(printed);
    }
    close(writer);
    close(read_end);
    std::cerr << "console fuzz: " << history.size() << " lines, " << refused << " refused\n";
    EXPECT_NE(world_status().find("Island Exxon at position"), std::string::npos);
}
