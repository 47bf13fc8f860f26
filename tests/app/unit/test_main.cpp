#include "App_test_support.h"

#include <cstdlib>
#include <unistd.h>

namespace {
GUI_Controller* the_controller = nullptr;
int console_input = -1;
} // namespace

GUI_Controller& controller() {
    return *the_controller;
}

void type_console(const std::string& text) {
    ASSERT_EQ(write(console_input, text.data(), text.size()), ssize_t(text.size()));
    run_frames(1);
    while (controller().has_console_work())
        run_frames(1);
}

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("FLOTILLA_RESOURCES", FLOTILLA_TEST_RESOURCES, 1);
    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    // The console beside the window reads standard input: through a pipe
    // the tests type into it.
    int fds[2];
    if (pipe(fds) != 0 || dup2(fds[0], STDIN_FILENO) < 0)
        return 1;
    close(fds[0]);
    console_input = fds[1];
    {
        Output_capture capture;
        the_controller = new GUI_Controller;
        // One frame, after which the loop knows the window.
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        the_controller->run();
    }
    const int result = RUN_ALL_TESTS();
    delete the_controller;
    // The application outlives the controller: a timer command left behind
    // would call into a destroyed one at the next frame.
    if (app().timer_command_count() != 0) {
        std::cerr << "the controller left timer commands behind\n";
        return 1;
    }
    return result;
}
