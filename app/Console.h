#ifndef FLOTILLA_APP_CONSOLE_H
#define FLOTILLA_APP_CONSOLE_H

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

class Commandable_object;
class ConsoleWindow;
class Error;
class WorldCommands;

// The text command language: one command per line, the first word naming a
// ship or group or a world command. Each line is parsed on its own, so an
// error drops only the rest of its line. The commands themselves are the
// rows of command_table() (CommandTable.h).
class Console {
public:
    // Without a window the window commands refuse.
    explicit Console(WorldCommands& commands_, ConsoleWindow* window_ = nullptr)
        : commands(commands_), window(window_) {}

    // Also told of every error, after it has been written to standard output.
    void set_error_reporter(std::function<void(const Error&)> reporter) {
        report_error = std::move(reporter);
    }

    // What the console shows before a line typed at a terminal.
    static constexpr const char* prompt = "flotilla> ";

    // Runs one line and flushes standard output; false once the line was quit.
    // With a window, `tick N` only sets its ticks pending (see below).
    bool execute(const std::string& line);
    // Runs the lines of a file as if typed, each shown after the prompt; an
    // error names the file and line and the script goes on. False once a
    // line was quit.
    bool source(const std::string& file_name);
    // Reports a line refused for its length as a failed line is reported.
    void refuse_long_line();

    // The window runs a `tick N` a few ticks a frame, so that it stays
    // responsive; the lines that follow wait until every tick has run.
    bool has_pending_ticks() const { return pending_ticks > 0; }
    void run_pending_tick();

    static bool is_reserved_name(const std::string& name);

    // For the commands' handlers.
    ConsoleWindow* get_window() const { return window; }
    // The window, for a command that works it; throws Error without one.
    ConsoleWindow& needed_window() const;
    // Runs the ticks now, or in the window's frames (not in a script).
    void tick(int count);
    // As source, except that a script that cannot be read is an error of
    // the line that asked for it.
    bool run_script(const std::string& file_name);

private:
    WorldCommands& commands;
    ConsoleWindow* window;
    std::function<void(const Error&)> report_error;
    int script_depth = 0;
    int pending_ticks = 0;

    bool execute_at(const std::string& line, const std::string& place);
    // Runs the work; an error is written, after the place, and reported.
    bool guarded(const std::function<bool()>& work, const std::string& place);
    void report(const Error& error, const std::string& place = "");
    void run_tick();
    bool dispatch(const std::string& line);
};

// What a command's handler works with.
struct Command_call {
    Console& console;
    WorldCommands& commands;
    // The rest of the line, after the command's word.
    std::istream& in;
    // The ship or group the line names; null for a world command.
    std::shared_ptr<Commandable_object> object;
};

#endif
