#include "support/App_support.h"

#include <unistd.h>

namespace {
GUI_Controller* the_controller = nullptr;
int console_pipe = -1;
} // namespace

GUI_Controller& controller() {
    return *the_controller;
}

GUI::Window& test_window() {
    return the_controller->get_window();
}

void console_input(const std::string& text) {
    if (write(console_pipe, text.data(), text.size()) != ssize_t(text.size()))
        ADD_FAILURE() << "the console pipe refused a line";
}

void type_console(const std::string& text) {
    console_input(text);
    do
        run_frames(1);
    while (controller().has_console_work());
}

int main(int argc, char** argv) {
    set_up_process();
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    // The console reads standard input: a pipe the tests write into.
    int fds[2];
    if (pipe(fds) != 0 || dup2(fds[0], STDIN_FILENO) < 0)
        return 1;
    close(fds[0]);
    console_pipe = fds[1];
    {
        Output_capture quiet;
        the_controller = new GUI_Controller;
        // One frame, after which the loop knows the window.
        push_key(SDL_QUIT);
        the_controller->run();
    }
    const int result = RUN_ALL_TESTS();
    delete the_controller;
    // A timer command left behind would call into the destroyed controller.
    if (GUI::App::get()->timer_command_count() != 0) {
        std::cerr << "the controller left timer commands behind\n";
        return 1;
    }
    return result;
}
