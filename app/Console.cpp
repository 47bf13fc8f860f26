#include "app/Console.h"

#include "app/CommandTable.h"
#include "app/ConsoleWindow.h"
#include "app/InputReading.h"
#include "sim/Error.h"
#include "sim/Model.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {
const char* const error_NeedsWindow_c = "Command needs the window!\n";
const char* const error_LineTooLong_c = "Line too long!\n";
const char* const error_ScriptsTooDeep_c = "Scripts nested too deep!\n";

// A script that sources itself ends here rather than with the stack.
const int max_script_depth_c = 20;
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

ConsoleWindow& Console::needed_window() const {
    if (!window)
        throw Error(error_NeedsWindow_c);
    return *window;
}

void Console::tick(int count) {
    // A script's lines run one after another at once: its ticks too.
    if (window && script_depth == 0) {
        pending_ticks = count;
    } else {
        for (int i = 0; i < count; ++i)
            run_tick();
    }
}

bool Console::dispatch(const std::string& line) {
    std::istringstream in(line);
    std::string word;
    if (!(in >> word))
        return true;
    Command_call call{*this, commands, in, nullptr};
    if (Model::get()->is_cmnd_obj_present(word)) {
        call.object = Model::get()->get_cmnd_obj_ptr(word);
        word = read_word(in);
    }
    return command_to_run(word, call.object != nullptr).run(call);
}
