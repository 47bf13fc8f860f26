#include "app/Console.h"

#include "app/CommandTable.h"
#include "app/ConsoleWindow.h"
#include "app/InputReading.h"
#include "app/WorldCommands.h"
#include "sim/Error.h"
#include "sim/Group.h"
#include "sim/Model.h"
#include "sim/Ship_factory.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {
const char* const error_Unrecognized_c = "Unrecognized command!\n";
const char* const error_ExpectedInteger_c = "Expected an integer!\n";
const char* const error_ExpectedName_c = "Expected a name!\n";
const char* const error_NameReserved_c = "Name is reserved!\n";
const char* const error_NameInUse_c = "Name is already in use!\n";
const char* const error_InvalidTickCount_c = "Invalid tick count!\n";
const char* const error_NeedsWindow_c = "Command needs the window!\n";
const char* const error_ExpectedFileName_c = "Expected a file name!\n";
const char* const error_LineTooLong_c = "Line too long!\n";
const char* const error_InvalidName_c = "Invalid name!\n";

const char* const error_ScriptsTooDeep_c = "Scripts nested too deep!\n";

const int max_tick_count_c = 1000000;
// Where the synopses start in the command list: past the longest usage.
const std::size_t help_column_c = 34;
// A script that sources itself ends here rather than with the stack.
const int max_script_depth_c = 20;

// The command list, or one command's synopsis and an example.
void print_help(const std::string& word) {
    if (word.empty()) {
        for (const auto& entry : command_table()) {
            const std::size_t length = std::strlen(entry.usage);
            std::cout << entry.usage
                      << std::string(length < help_column_c ? help_column_c - length : 1, ' ')
                      << entry.synopsis << '\n';
        }
        return;
    }
    const Command_entry* entry = find_command(word);
    if (!entry)
        throw Error(error_Unrecognized_c);
    std::cout << entry->usage << '\n'
              << "    " << entry->synopsis << '\n'
              << "    example: " << entry->example << '\n';
}

int read_int(std::istream& in) {
    int value = 0;
    if (!(in >> value))
        throw Error(error_ExpectedInteger_c);
    return value;
}

std::string read_file_name(std::istream& in) {
    std::string file = read_word(in);
    if (file.empty())
        throw Error(error_ExpectedFileName_c);
    return file;
}

// A name is printed on every tick: a control character in it would act on
// the user's terminal each time.
void check_name_allowed(const std::string& name) {
    if (Console::is_reserved_name(name))
        throw Error(error_NameReserved_c);
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        throw Error(error_InvalidName_c);
}

void run_object_command(WorldCommands& commands, const std::string& name, std::istream& in) {
    auto object = Model::get()->get_cmnd_obj_ptr(name);
    const std::string command = read_word(in);
    if (command == "course")
        commands.command_ship_course(object, in);
    else if (command == "position")
        commands.command_ship_position(object, in);
    else if (command == "destination")
        commands.command_ship_destination(object, in);
    else if (command == "load_at")
        commands.command_ship_load_at(object, in);
    else if (command == "unload_at")
        commands.command_ship_unload_at(object, in);
    else if (command == "dock_at")
        commands.command_ship_dock_at(object, in);
    else if (command == "attack")
        commands.command_ship_attack(object, in);
    else if (command == "refuel")
        commands.command_ship_refuel(object);
    else if (command == "stop")
        commands.command_ship_stop(object);
    else if (command == "stop_attack")
        commands.command_ship_stop_attack(object);
    else if (command == "add_member")
        commands.command_group_add_member(object, in);
    else if (command == "remove_member")
        commands.command_group_remove_member(object, in);
    else
        throw Error(error_Unrecognized_c);
}

// A missing count means one tick; anything present must read as a count.
int read_tick_count(std::istream& in) {
    in >> std::ws;
    if (in.eof())
        return 1;
    int count = 0;
    if (!(in >> count) || count < 1 || count > max_tick_count_c)
        throw Error(error_InvalidTickCount_c);
    return count;
}

} // namespace

bool Console::is_reserved_name(const std::string& name) {
    const Command_entry* entry = find_command(name);
    return entry && entry->taker == Command_taker::world;
}

bool Console::execute(const std::string& line) {
    return execute_at(line, "");
}

bool Console::source(const std::string& file_name) {
    return guarded([&] { return run_script(file_name); }, "");
}

bool Console::execute_at(const std::string& line, const std::string& place) {
    return guarded([&] { return dispatch(line); }, place);
}

bool Console::guarded(const std::function<bool()>& work, const std::string& place) {
    bool keep_going = true;
    try {
        keep_going = work();
    } catch (const Error& error) {
        report(error, place);
    }
    std::cout.flush();
    return keep_going;
}

bool Console::run_script(const std::string& file_name) {
    std::ifstream in(file_name);
    if (!in)
        throw Error("Cannot read script " + file_name + ": " + std::strerror(errno) + "\n");
    if (script_depth == max_script_depth_c)
        throw Error(error_ScriptsTooDeep_c);
    ++script_depth;
    bool keep_going = true;
    std::string line;
    for (int number = 1; keep_going && std::getline(in, line); ++number) {
        std::cout << prompt << line << '\n';
        keep_going = execute_at(line, file_name + ":" + std::to_string(number) + ": ");
    }
    --script_depth;
    return keep_going;
}

void Console::refuse_long_line() {
    report(Error(error_LineTooLong_c));
    std::cout.flush();
}

void Console::report(const Error& error, const std::string& place) {
    std::cout << place << error.msg;
    if (report_error)
        report_error(error);
}

void Console::run_pending_tick() {
    --pending_ticks;
    try {
        run_tick();
    } catch (const Error& error) {
        pending_ticks = 0; // as the whole command would have stopped
        report(error);
    }
}

void Console::run_tick() {
    Model::get()->update();
    if (window)
        window->redraw_views();
}

bool Console::dispatch(const std::string& line) {
    std::istringstream in(line);
    std::string word;
    if (!(in >> word))
        return true;

    if (Model::get()->is_cmnd_obj_present(word)) {
        run_object_command(commands, word, in);
        return true;
    }

    auto needs_window = [this]() {
        if (!window)
            throw Error(error_NeedsWindow_c);
        return window;
    };

    if (word == "status") {
        Model::get()->describe();
    } else if (word == "tick") {
        const int count = read_tick_count(in);
        // A script's lines run one after another at once: its ticks too.
        if (window && script_depth == 0) {
            pending_ticks = count;
        } else {
            for (int i = 0; i < count; ++i)
                run_tick();
        }
    } else if (word == "create") {
        std::string name = read_word(in);
        std::string kind = read_word(in);
        double x = read_double(in);
        double y = read_double(in);
        check_name_allowed(name);
        commands.add_ship(name, kind, Point(x, y));
    } else if (word == "island") {
        std::string name = read_word(in);
        double x = read_double(in);
        double y = read_double(in);
        double fuel = read_double(in);
        double rate = read_double(in);
        check_name_allowed(name);
        commands.add_island(name, Point(x, y), fuel, rate);
    } else if (word == "group") {
        std::string name = read_word(in);
        if (name.empty())
            throw Error(error_ExpectedName_c);
        check_name_allowed(name);
        if (Model::get()->is_name_in_use(name))
            throw Error(error_NameInUse_c);
        Model::get()->add_group(create_group(name, "Ship_group"));
    } else if (word == "save") {
        commands.save_world(read_file_name(in));
    } else if (word == "load") {
        const std::string file = read_file_name(in);
        if (window)
            window->load_world(file);
        else
            commands.load_world(file);
    } else if (word == "go") {
        needs_window()->go();
    } else if (word == "pause") {
        needs_window()->pause();
    } else if (word == "open_map") {
        needs_window()->open_map();
    } else if (word == "close_map") {
        needs_window()->close_map();
    } else if (word == "open_bridge") {
        ConsoleWindow* target = needs_window();
        std::string name = read_word(in);
        int x = read_int(in);
        int y = read_int(in);
        target->open_bridge(name, x, y);
    } else if (word == "close_bridge") {
        needs_window()->close_bridge(read_word(in));
    } else if (word == "screenshot") {
        needs_window()->screenshot(read_word(in));
    } else if (word == "stats") {
        needs_window()->print_stats();
    } else if (word == "source") {
        return run_script(read_file_name(in));
    } else if (word == "help") {
        print_help(read_word(in));
    } else if (word == "quit") {
        return false;
    } else {
        throw Error(error_Unrecognized_c);
    }
    return true;
}
