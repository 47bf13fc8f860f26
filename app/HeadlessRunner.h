#ifndef FLOTILLA_APP_HEADLESSRUNNER_H
#define FLOTILLA_APP_HEADLESSRUNNER_H

#include <iosfwd>

struct Options;

// Runs the start-up world, or the one saved with --load, with no window:
// the --script files, then console lines from `in` until quit or end of
// input. Prompts only when `interactive`. Returns the exit status.
int run_headless(std::istream& in, bool interactive, const Options& options);

#endif
