#include "app/CommandTable.h"
#include "app/Completion.h"
#include "sim/Group.h"
#include "sim/Model.h"
#include "sim/Ship_factory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <tuple>

using Words = std::vector<std::string>;

// The test main has built the start-up world; each test runs in its own process.
// An island takes no commands and is no target; each kind of ship takes only its own.
TEST(Completion, ArgumentsAreTheNamesThatFit) {
    EXPECT_TRUE(console_completions("", "Fl").empty());
    Model::get()->add_group(create_group("Fleet", "Ship_group"));
    const std::tuple<const char*, const char*, Words> cases[] = {
        {"", "s", {"save", "screenshot", "source", "stats", "status"}},
        {"  ", "Ga", {"Galactica"}},
        {"", "Fl", {"Fleet"}},
        {"", "Be", {}},
        {"Valdez ", "lo", {"load_at"}},
        {"Valdez ", "at", {}},
        {"Ajax ", "st", {"stop", "stop_attack"}},
        {"Ajax ", "un", {}},
        {"Pegasus ", "co", {"course"}},
        {"Pegasus ", "a", {}},
        {"Fleet ", "a", {"add_member", "attack"}},
        {"Fleet ", "lo", {"load_at"}},
        {"Valdez load_at ", "", {"Bermuda", "Exxon", "Shell", "Treasure_Island"}},
        {"Ajax attack ", "G", {"Galactica"}},
        {"Ajax attack ", "Sh", {}},
        {"Fleet add_member ", "F", {"Fleet"}},
        {"Fleet add_member ", "X", {"Xerxes"}},
        {"create Nimitz ", "T", {"Tanker", "Torpedo_boat"}},
        {"close_bridge ", "P", {"Pegasus"}},
        {"Ajax course ", "", {}},
        {"Ajax attack Xerxes ", "", {}},
    };
    for (const auto& [line, word, expected] : cases)
        EXPECT_EQ(console_completions(line, word), expected) << '"' << line << word << '"';
}

// The README's table of commands is kept by hand: it must name the same
// commands as the one `help` and completion read.
TEST(CommandTable, NamesTheSameCommandsAsTheReadme) {
    std::ifstream in(FLOTILLA_README);
    std::string readme((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string console = readme.substr(readme.find("## The console"));
    // The first cell of each row of the command table holds `usage`s; a
    // usage's command word is its first word, or its second after NAME.
    const std::regex row("\n\\| (`[^|]*)"), usage("`(NAME )?([a-z_]+)");
    std::set<std::string> in_table;
    for (std::sregex_iterator cell(console.begin(), console.end(), row), end; cell != end; ++cell) {
        const std::string text = (*cell)[1];
        for (std::sregex_iterator word(text.begin(), text.end(), usage); word != end; ++word)
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
