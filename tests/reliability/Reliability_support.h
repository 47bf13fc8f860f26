#ifndef FLOTILLA_TESTS_RELIABILITY_SUPPORT_H
#define FLOTILLA_TESTS_RELIABILITY_SUPPORT_H

#include <cstdlib>
#include <fstream>
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

// The process's resident memory in kB (-1 where /proc says nothing).
inline long resident_kb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
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
