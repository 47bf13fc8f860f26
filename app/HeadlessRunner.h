#ifndef FLOTILLA_APP_HEADLESSRUNNER_H
#define FLOTILLA_APP_HEADLESSRUNNER_H

struct Options;

// Runs the start-up world, or the one saved with --load, with no window:
// the --script files, then console lines from the file descriptor `input`
// until quit or end of input. Prompts only when `interactive`. Returns the
// exit status.
int run_headless(int input, bool interactive, const Options& options);

#endif
