#include "support/Window_support.h"

namespace {
GUI::Window* the_window = nullptr;
}

GUI::Window& test_window() {
    return *the_window;
}

int main(int argc, char** argv) {
    set_up_process();
    ::testing::InitGoogleTest(&argc, argv);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0) {
        std::cerr << "SDL_Init failed: " << SDL_GetError() << '\n';
        return 1;
    }
    the_window = new GUI::Window(600, 600, "", 256, 0);
    const int result = RUN_ALL_TESTS();
    delete the_window;
    SDL_Quit();
    return result;
}
