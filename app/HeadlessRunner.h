#ifndef FLOTILLA_APP_HEADLESSRUNNER_H
#define FLOTILLA_APP_HEADLESSRUNNER_H

#include <iosfwd>
#include <string>

// Runs the start-up world, or the one saved in `world_file`, with no window:
// console lines from `in` until quit or end of input. Prompts only when
// `interactive`. Returns the exit status.
int run_headless(std::istream& in, bool interactive, const std::string& world_file = "");

#endif
