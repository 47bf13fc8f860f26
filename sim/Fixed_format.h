#ifndef FLOTILLA_SIM_FIXED_FORMAT_H
#define FLOTILLA_SIM_FIXED_FORMAT_H

#include <ios>

// Appends a number as a stream set to plain fixed notation writes it
// (std::to_chars rounds as printf does) and moves `out` past it. False, with
// nothing appended, when the stream asks for more (another notation, a width,
// a sign, a precision over 40) or the room up to `end` is too small.
bool append_fixed(char*& out, char* end, double value, const std::ios_base& stream);

#endif
