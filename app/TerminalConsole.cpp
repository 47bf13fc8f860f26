#include "app/TerminalConsole.h"

#include "app/StandardOutput.h"
#include "platform/Descriptors.h"
#include "platform/System.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <readline/history.h>
#include <readline/readline.h>

namespace {
const int history_size_c = 1000;

TerminalConsole* active = nullptr;
TerminalConsole::Completer active_completer;
std::vector<std::string> candidates;

bool warned = false;

void warn_about_history(const std::string& file, const char* doing, int error) {
    if (warned)
        return;
    warned = true;
    std::cerr << "flotilla: cannot " << doing << " the console history " << file << ": "
              << std::strerror(error) << " (going on without)\n";
}

char* next_candidate(const char*, int state) {
    static std::size_t index = 0;
    if (state == 0)
        index = 0;
    if (index >= candidates.size())
        return nullptr;
    return strdup(candidates[index++].c_str());
}

char** complete(const char* word, int start, int) {
    rl_attempted_completion_over = 1; // never file names
    candidates.clear();
    if (active_completer)
        candidates =
            active_completer(std::string(rl_line_buffer, static_cast<std::size_t>(start)), word);
    return candidates.empty() ? nullptr : rl_completion_matches(word, next_candidate);
}

// Output arrives between keys, with the prompt and the line being typed on
// the screen: they go, the output is written, they come back below it.
void clear_line() {
    rl_clear_visible_line();
    std::fflush(rl_outstream); // the library writes through stdio, the output does not
}

void redraw_line(bool line_ended) {
    if (!line_ended)
        std::fputs("\n", rl_outstream);
    rl_forced_update_display();
    std::fflush(rl_outstream);
}
} // namespace

bool TerminalConsole::wanted() {
    return platform::is_terminal(platform::standard_input) &&
           platform::is_terminal(platform::standard_output);
}

std::string history_file_path() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/flotilla/history";
    const char* home = std::getenv("HOME");
    if (home && home[0])
        return std::string(home) + "/.local/state/flotilla/history";
    return "";
}

TerminalConsole::TerminalConsole(const std::string& prompt, Completer completer)
    : history_file(history_file_path()) {
    active = this;
    active_completer = std::move(completer);
    rl_readline_name = "flotilla";
    rl_attempted_completion_function = complete;
    // Ctrl-C and the like put the terminal back before they take effect,
    // whenever they come, not only while a key is being handled.
    rl_persistent_signal_handlers = 1;
    using_history();
    stifle_history(history_size_c);
    if (!history_file.empty()) {
        const int error = read_history(history_file.c_str());
        if (error && error != ENOENT)
            warn_about_history(history_file, "read", error);
    }
    std::cout.flush();
    set_output_guard(clear_line, redraw_line);
    rl_callback_handler_install(prompt.c_str(), take_line);
}

TerminalConsole::~TerminalConsole() {
    std::cout.flush();
    set_output_guard(nullptr, nullptr);
    if (!ended) {
        // The prompt shown again after the last line goes, and what was
        // typed after it with it.
        rl_clear_visible_line();
        rl_callback_handler_remove();
    }
    std::fflush(rl_outstream);
    if (!history_file.empty()) {
        platform::make_folders_for(history_file);
        int error = write_history(history_file.c_str());
        if (!error)
            error = history_truncate_file(history_file.c_str(), history_size_c);
        if (error)
            warn_about_history(history_file, "write", error);
    }
    active_completer = nullptr;
    active = nullptr;
}

void TerminalConsole::take_line(char* line) {
    if (!line) {
        active->ended = true;
        // No more lines: the prompt must not come back.
        rl_callback_handler_remove();
        std::fputs("\n", rl_outstream);
        std::fflush(rl_outstream);
        set_output_guard(nullptr, nullptr);
        return;
    }
    if (line[0])
        add_history(line);
    active->lines.emplace_back(line);
    std::free(line);
}

void TerminalConsole::read(bool wait) {
    while (!ended) {
        // A signal caught since (Ctrl-C, say) takes effect now, the terminal
        // put back first, rather than at the next key.
        rl_check_signals();
        switch (platform::wait_for_input(platform::standard_input, wait && lines.empty())) {
        case platform::Input::arrived:
            rl_callback_read_char();
            break;
        case platform::Input::interrupted:
            break;
        case platform::Input::nothing_yet:
            return;
        case platform::Input::ended:
            take_line(nullptr); // hung up
            return;
        }
    }
}

bool TerminalConsole::next_line(std::string& line) {
    if (lines.empty())
        return false;
    line = std::move(lines.front());
    lines.pop_front();
    return true;
}
