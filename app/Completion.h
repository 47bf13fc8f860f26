#ifndef FLOTILLA_APP_COMPLETION_H
#define FLOTILLA_APP_COMPLETION_H

#include <string>
#include <vector>

// What may follow at the console, from the world as it is now: the words
// that could stand where the word being typed starts with `word`, given the
// line before it. Sorted; empty where nothing is known to fit.
std::vector<std::string> console_completions(const std::string& before, const std::string& word);

#endif
