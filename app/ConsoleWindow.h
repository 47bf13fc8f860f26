#ifndef FLOTILLA_APP_CONSOLEWINDOW_H
#define FLOTILLA_APP_CONSOLEWINDOW_H

#include <string>

// What the console asks of the window, when there is one. Each operation
// throws Error with the user's message when it refuses.
class ConsoleWindow {
public:
    virtual ~ConsoleWindow() = default;

    virtual void go() = 0;
    virtual void pause() = 0;
    virtual void open_map() = 0;
    virtual void close_map() = 0;
    virtual void open_bridge(const std::string& ship_name, int x, int y) = 0;
    virtual void close_bridge(const std::string& ship_name) = 0;
    virtual void screenshot(const std::string& file_name) = 0;
    // One line: the frames since the last report, their pace, and the ships.
    virtual void print_stats() = 0;
    // Loads a saved world and brings the open views and the selection in
    // line with it.
    virtual void load_world(const std::string& file_name) = 0;
    // Everything one frame of running time draws after a tick.
    virtual void redraw_views() = 0;
};

#endif
