#ifndef FLOTILLA_TESTS_GUI_TEST_SUPPORT_H
#define FLOTILLA_TESTS_GUI_TEST_SUPPORT_H

#include "gui/Window.h"

#include <SDL.h>

#include <iostream>
#include <sstream>
#include <string>

// The one window of the test process (a process may make only one), created
// by the test main under SDL's dummy drivers before any test runs.
GUI::Window& test_window();

// The folder holding the built pictures and font.
std::string test_resource_folder();

// Captures everything written to std::cout while alive.
class Output_capture {
public:
    Output_capture() : previous(std::cout.rdbuf(buffer.rdbuf())) {}
    ~Output_capture() { std::cout.rdbuf(previous); }
    Output_capture(const Output_capture&) = delete;
    Output_capture& operator=(const Output_capture&) = delete;

    std::string take() {
        std::string result = buffer.str();
        buffer.str("");
        return result;
    }

private:
    std::ostringstream buffer;
    std::streambuf* previous;
};

#endif
