#ifndef FLOTILLA_TESTS_RELIABILITY_SUPPORT_H
#define FLOTILLA_TESTS_RELIABILITY_SUPPORT_H

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

// What the program writes during a long run only costs memory and time.
class Null_buffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

// A count or seed from the environment, for longer or different runs.
inline unsigned long env_number(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 10) : fallback;
}

// What `describe` writes to standard output, caught as text.
template <typename Describing> std::string described(const Describing& describe) {
    std::ostringstream text;
    std::streambuf* previous = std::cout.rdbuf(text.rdbuf());
    const auto flags = std::cout.flags();
    describe();
    std::cout.flags(flags);
    std::cout.rdbuf(previous);
    return text.str();
}

#endif
