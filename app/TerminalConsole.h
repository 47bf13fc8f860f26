#ifndef FLOTILLA_APP_TERMINALCONSOLE_H
#define FLOTILLA_APP_TERMINALCONSOLE_H

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The console as a person types into it: a line editor with history kept
// across runs and completion, over the line editing library's callback
// interface so that the window's loop never waits for typing. Output written
// to standard output while a line is being edited appears above it, the
// line redrawn below. Used only when standard input and output are both
// terminals; anything else reads plain lines as before. One at a time: the
// library's state is global.
class TerminalConsole {
public:
    // The candidates for the word being completed: the line before it and
    // the word so far.
    using Completer =
        std::function<std::vector<std::string>(const std::string& before, const std::string& word)>;

    static bool wanted();

    TerminalConsole(const std::string& prompt, Completer completer);
    ~TerminalConsole();
    TerminalConsole(const TerminalConsole&) = delete;
    TerminalConsole& operator=(const TerminalConsole&) = delete;

    // Handles the keys that have arrived; with wait, first waits for one.
    void read(bool wait);
    // The next finished line, if any: false when there is none (yet).
    bool next_line(std::string& line);
    bool at_end() const { return ended && lines.empty(); }

private:
    std::deque<std::string> lines;
    bool ended = false;
    std::string history_file;

    static void take_line(char* line);
};

// Where the history is kept: $XDG_STATE_HOME/flotilla/history, by default
// ~/.local/state/flotilla/history; empty when neither is known.
std::string history_file_path();

#endif
