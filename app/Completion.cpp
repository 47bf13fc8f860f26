#include "app/Completion.h"

#include "app/CommandTable.h"
#include "sim/Group.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship_factory.h"
#include "sim/Tanker.h"
#include "sim/Warship.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace {
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

std::vector<std::string> split_words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The placeholder a command's usage puts for its argument at `index`;
// empty past the last.
std::string placeholder(const Command_entry& entry, std::size_t index) {
    const std::vector<std::string> words = split_words(entry.usage);
    // An object's command is used after the object's NAME.
    const std::size_t first = entry.taker == Command_taker::world ? 1 : 2;
    return first + index < words.size() ? words[first + index] : std::string();
}

// The names an argument can take, by the placeholder that stands for it.
void add_arguments(std::vector<std::string>& out, const std::string& placeholder) {
    if (placeholder == "ISLAND")
        add_islands(out);
    else if (placeholder == "SHIP")
        add_ships(out);
    else if (placeholder == "SHIP_OR_GROUP")
        add_commandable(out);
    else if (placeholder == "KIND")
        add_words(out, ship_kind_names());
}
} // namespace

std::vector<std::string> console_completions(const std::string& before, const std::string& word) {
    const std::vector<std::string> words = split_words(before);
    const bool object = !words.empty() && Model::get()->is_cmnd_obj_present(words[0]);
    std::vector<std::string> found;
    if (words.empty()) {
        add_commands_of(found, nullptr);
        add_commandable(found);
    } else if (words.size() == 1 && object) {
        add_commands_of(found, Model::get()->get_cmnd_obj_ptr(words[0]).get());
    } else {
        const std::size_t command = object ? 1 : 0;
        const Command_entry* entry = find_command(words[command]);
        if (entry && (entry->taker != Command_taker::world) == object)
            add_arguments(found, placeholder(*entry, words.size() - command - 1));
    }
    found.erase(std::remove_if(found.begin(), found.end(),
                               [&word](const std::string& candidate) {
                                   return candidate.compare(0, word.size(), word) != 0;
                               }),
                found.end());
    std::sort(found.begin(), found.end());
    return found;
}
