#include "app/Completion.h"

#include "app/CommandTable.h"
#include "sim/Group.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship_factory.h"
#include "sim/Tanker.h"
#include "sim/Warship.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <sstream>

namespace {
const char* const island_arguments_c[] = {"destination", "load_at", "unload_at", "dock_at"};

bool is_one_of(const std::string& word, std::initializer_list<const char*> words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

template <typename Words> void add_words(std::vector<std::string>& out, const Words& words) {
    out.insert(out.end(), std::begin(words), std::end(words));
}

template <typename Iterator>
void add_names(std::vector<std::string>& out, Iterator first, Iterator last) {
    for (; first != last; ++first)
        out.push_back((*first)->get_name());
}

void add_islands(std::vector<std::string>& out) {
    add_names(out, Model::get()->islands_begin_iter(), Model::get()->islands_end_iter());
}

void add_ships(std::vector<std::string>& out) {
    add_names(out, Model::get()->ships_begin_iter(), Model::get()->ships_end_iter());
}

void add_commandable(std::vector<std::string>& out) {
    add_ships(out);
    add_names(out, Model::get()->groups_begin_iter(), Model::get()->groups_end_iter());
}

// Without an object, the world's commands.
bool takes(const Commandable_object* object, Command_taker taker) {
    if (!object)
        return taker == Command_taker::world;
    // A group passes every ship's command on to its members.
    if (dynamic_cast<const Group*>(object))
        return taker != Command_taker::world;
    switch (taker) {
    case Command_taker::ship:
        return true;
    case Command_taker::warship:
        return dynamic_cast<const Warship*>(object) != nullptr;
    case Command_taker::tanker:
        return dynamic_cast<const Tanker*>(object) != nullptr;
    default:
        return false;
    }
}

void add_commands_of(std::vector<std::string>& out, const Commandable_object* object) {
    for (const auto& entry : command_table()) {
        if (takes(object, entry.taker))
            out.push_back(entry.word);
    }
}

void add_object_arguments(std::vector<std::string>& out, const std::string& command) {
    if (std::find(std::begin(island_arguments_c), std::end(island_arguments_c), command) !=
        std::end(island_arguments_c))
        add_islands(out);
    else if (command == "attack")
        add_ships(out);
    else if (command == "add_member" || command == "remove_member")
        add_commandable(out);
}
} // namespace

std::vector<std::string> console_completions(const std::string& before, const std::string& word) {
    std::istringstream in(before);
    const std::vector<std::string> words{std::istream_iterator<std::string>(in),
                                         std::istream_iterator<std::string>()};
    const bool object = !words.empty() && Model::get()->is_cmnd_obj_present(words[0]);
    std::vector<std::string> found;
    if (words.empty()) {
        add_commands_of(found, nullptr);
        add_commandable(found);
    } else if (words.size() == 1 && object) {
        add_commands_of(found, Model::get()->get_cmnd_obj_ptr(words[0]).get());
    } else if (words.size() == 1 && is_one_of(words[0], {"open_bridge", "close_bridge"})) {
        add_ships(found);
    } else if (words.size() == 2 && object) {
        add_object_arguments(found, words[1]);
    } else if (words.size() == 2 && words[0] == "create") {
        add_words(found, ship_kind_names());
    }
    found.erase(std::remove_if(found.begin(), found.end(),
                               [&word](const std::string& candidate) {
                                   return candidate.compare(0, word.size(), word) != 0;
                               }),
                found.end());
    std::sort(found.begin(), found.end());
    return found;
}
