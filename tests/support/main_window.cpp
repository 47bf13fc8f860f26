#include "support/Window_support.h"

#include <SDL_ttf.h>
#include <unistd.h>

namespace {
GUI::Window* the_window = nullptr;
}

GUI::Window& test_window() {
    return *the_window;
}

int main(int argc, char** argv) {
    set_up_process();
    ::testing::InitGoogleTest(&argc, argv);
    // The tests find pictures and the font by paths relative to the resources.
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0 || TTF_Init() < 0 ||
        chdir(FLOTILLA_RESOURCE_DIR) != 0) {
        std::cerr << "no SDL, font library or resource folder: " << SDL_GetError() << '\n';
        return 1;
    }
    the_window = new GUI::Window(600, 600, "", 256, 0);
    const int result = RUN_ALL_TESTS();
    delete the_window;
    SDL_Quit();
    return result;
}
