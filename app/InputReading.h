#ifndef FLOTILLA_APP_INPUTREADING_H
#define FLOTILLA_APP_INPUTREADING_H

#include <istream>
#include <string>

// Formatted reads of command arguments. A missing word reads as an empty name;
// a number that does not read throws Error with the user's message.
std::string read_word(std::istream& in);
double read_double(std::istream& in);

#endif
