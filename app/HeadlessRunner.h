#ifndef FLOTILLA_APP_HEADLESSRUNNER_H
#define FLOTILLA_APP_HEADLESSRUNNER_H

#include <iosfwd>

// Runs the start-up world with no window: console lines from `in` until quit
// or end of input. Prompts only when `interactive`. Returns the exit status.
int run_headless(std::istream& in, bool interactive);

#endif
