#ifndef FLOTILLA_TESTS_SUPPORT_CAPTURE_H
#define FLOTILLA_TESTS_SUPPORT_CAPTURE_H

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

// What std::cout gets while it lives, in the stream's own number format.
class Output_capture {
public:
    Output_capture() : previous(std::cout.rdbuf(buffer.rdbuf())) {}
    ~Output_capture() { std::cout.rdbuf(previous); }

    std::string take() {
        std::string result = buffer.str();
        buffer.str("");
        return result;
    }

private:
    std::ostringstream buffer;
    std::streambuf* previous;
};

// What `write` sends to std::cout; a format it sets goes with it.
template <typename F> std::string captured(F&& write) {
    const auto flags = std::cout.flags();
    Output_capture out;
    write();
    std::cout.flags(flags);
    return out.take();
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The message of the `Exception` that `action` throws, or "no error".
template <typename Exception, typename F> std::string thrown(F&& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.msg;
    }
    return "no error";
}

// What a long run writes only costs memory and time.
struct Null_buffer : std::streambuf {
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

#endif
