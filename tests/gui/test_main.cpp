#include "Gui_test_support.h"

#include "gui/App.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace {
GUI::Window* the_window = nullptr;
}

GUI::Window& test_window() {
    return *the_window;
}

std::string test_resource_folder() {
    return FLOTILLA_TEST_RESOURCES;
}

int main(int argc, char** argv) {
    // Without these SDL 1.2 falls back to a text-mode driver that writes to
    // standard output; with them no display or sound device is needed.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);
    ::testing::InitGoogleTest(&argc, argv);

    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0) {
        std::cerr << "SDL_Init failed: " << SDL_GetError() << '\n';
        return 1;
    }
    the_window = new GUI::Window(600, 600, "", 256, 0);
    int result = RUN_ALL_TESTS();
    delete the_window;
    SDL_Quit();
    return result;
}
