#ifndef FLOTILLA_APP_INPUTREADING_H
#define FLOTILLA_APP_INPUTREADING_H

#include <istream>
#include <string>

// Formatted reads of command arguments. A missing word reads as an empty
// string; each of the others throws Error with the user's message when its
// argument is missing or does not read.
std::string read_word(std::istream& in);
std::string read_name(std::istream& in);
std::string read_file_name(std::istream& in);
double read_double(std::istream& in);
int read_int(std::istream& in);

#endif
