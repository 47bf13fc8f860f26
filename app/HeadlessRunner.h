#ifndef FLOTILLA_APP_HEADLESSRUNNER_H
#define FLOTILLA_APP_HEADLESSRUNNER_H

#include <string>

// Runs the start-up world, or the one saved in `world_file`, with no window:
// console lines from the file descriptor `input` until quit or end of input.
// Prompts only when `interactive`. Returns the exit status.
int run_headless(int input, bool interactive, const std::string& world_file = "");

#endif
