#include "app/CommandTable.h"
#include "app/Completion.h"
#include "sim/Group.h"
#include "sim/Model.h"
#include "sim/Ship_factory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

using Words = std::vector<std::string>;

namespace {
bool has(const Words& words, const std::string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}
} // namespace

// The test main has built the start-up world; each test runs in its own process.
TEST(Completion, TheFirstWordIsAWorldCommandOrACommandableNameOfTheWorldNow) {
    EXPECT_EQ(console_completions("", "s"),
              (Words{"save", "screenshot", "source", "stats", "status"}));
    EXPECT_EQ(console_completions("  ", "Ga"), Words{"Galactica"});
    EXPECT_TRUE(console_completions("", "Fl").empty());
    Model::get()->add_group(create_group("Fleet", "Ship_group"));
    EXPECT_EQ(console_completions("", "Fl"), Words{"Fleet"});
    EXPECT_TRUE(console_completions("", "Be").empty()) << "an island takes no commands";
}

TEST(Completion, AfterANameComeTheCommandsThatObjectTakes) {
    Model::get()->add_group(create_group("Fleet", "Ship_group"));
    const Words tanker = console_completions("Valdez ", "");
    const Words cruiser = console_completions("Ajax ", "");
    const Words cruise_ship = console_completions("Pegasus ", "");
    const Words group = console_completions("Fleet ", "");
    EXPECT_TRUE(has(tanker, "load_at") && !has(tanker, "attack"));
    EXPECT_TRUE(has(cruiser, "attack") && !has(cruiser, "unload_at"));
    EXPECT_TRUE(has(cruise_ship, "course") && !has(cruise_ship, "attack") &&
                !has(cruise_ship, "add_member"));
    EXPECT_TRUE(has(group, "add_member") && has(group, "attack") && has(group, "load_at"));
    EXPECT_EQ(console_completions("Ajax ", "st"), (Words{"stop", "stop_attack"}));
}

TEST(Completion, ArgumentsAreTheNamesThatFit) {
    Model::get()->add_group(create_group("Fleet", "Ship_group"));
    EXPECT_EQ(console_completions("Valdez load_at ", ""),
              (Words{"Bermuda", "Exxon", "Shell", "Treasure_Island"}));
    EXPECT_EQ(console_completions("Ajax attack ", "G"), Words{"Galactica"});
    EXPECT_TRUE(console_completions("Ajax attack ", "Sh").empty()) << "an island is no target";
    EXPECT_EQ(console_completions("Fleet add_member ", "F"), Words{"Fleet"});
    EXPECT_EQ(console_completions("Fleet add_member ", "X"), Words{"Xerxes"});
    EXPECT_EQ(console_completions("create Nimitz ", "T"), (Words{"Tanker", "Torpedo_boat"}));
    EXPECT_EQ(console_completions("close_bridge ", "P"), Words{"Pegasus"});
    EXPECT_TRUE(console_completions("Ajax course ", "").empty());
    EXPECT_TRUE(console_completions("Ajax attack Xerxes ", "").empty());
}

// The README's table of commands is kept by hand: it must name the same
// commands as the one `help` and completion read.
TEST(CommandTable, NamesTheSameCommandsAsTheReadme) {
    std::ifstream in(FLOTILLA_README);
    std::string readme((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string console = readme.substr(readme.find("## The console"));
    // The first cell of each row of the command table holds `usage`s; a
    // usage's command word is its first word, or its second after NAME.
    std::set<std::string> in_table;
    std::istringstream lines(console);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("| `", 0) != 0)
            continue;
        const std::string cell = line.substr(2, line.find(" |", 2) - 2);
        for (std::size_t open = cell.find('`'); open != std::string::npos;
             open = cell.find('`', cell.find('`', open + 1) + 1)) {
            std::string usage = cell.substr(open + 1, cell.find('`', open + 1) - open - 1);
            if (usage.rfind("NAME ", 0) == 0)
                usage = usage.substr(5);
            in_table.insert(
                usage.substr(0, usage.find_first_not_of("abcdefghijklmnopqrstuvwxyz_")));
        }
    }
    EXPECT_GT(in_table.size(), 10u);
    for (const auto& word : in_table)
        EXPECT_NE(find_command(word), nullptr) << word << " is in the README's table only";
    auto mentioned = [&console](const std::string& word) {
        for (const char* before : {"`", "`NAME "})
            for (const char* after : {" ", "`"})
                if (console.find(before + word + after) != std::string::npos)
                    return true;
        return false;
    };
    for (const auto& entry : command_table())
        EXPECT_TRUE(mentioned(entry.word)) << entry.word << " is not in the README";
}
