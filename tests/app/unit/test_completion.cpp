#include "app/CommandTable.h"
#include "app/Completion.h"
#include "sim/Group.h"
#include "sim/Model.h"
#include "sim/Ship_factory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
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
    const std::regex usage("`(NAME )?([a-z_]+)");
    std::set<std::string> in_table;
    std::istringstream lines(console);
    for (std::string line; std::getline(lines, line);) {
        const std::string cell = line.substr(0, line.find(" |", 2));
        if (line.rfind("| `", 0) == 0)
            for (std::sregex_iterator word(cell.begin(), cell.end(), usage), end; word != end;
                 ++word)
                in_table.insert((*word)[2]);
    }
    EXPECT_GT(in_table.size(), 10u);
    for (const auto& word : in_table)
        EXPECT_NE(find_command(word), nullptr) << word << " is in the README's table only";
    for (const auto& entry : command_table())
        EXPECT_TRUE(
            std::regex_search(console, std::regex(std::string("`(NAME )?") + entry.word + "[ `]")))
            << entry.word << " is not in the README";
}
