#ifndef FLOTILLA_TESTS_SIM_TEST_SUPPORT_H
#define FLOTILLA_TESTS_SIM_TEST_SUPPORT_H

// The headers nearly every simulation test needs come with this one.
#include "sim/Error.h"
#include "sim/Group.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "sim/Ship_factory.h"

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <sstream>
#include <string>

// Captures everything written to std::cout while alive. The stream's number
// format is untouched, so captured text is exactly what the program prints.
class Output_capture {
public:
    Output_capture() : previous(std::cout.rdbuf(buffer.rdbuf())) {}
    ~Output_capture() { std::cout.rdbuf(previous); }
    Output_capture(const Output_capture&) = delete;
    Output_capture& operator=(const Output_capture&) = delete;

    // Returns what was written so far and starts afresh.
    std::string take() {
        std::string result = buffer.str();
        buffer.str("");
        return result;
    }

private:
    std::ostringstream buffer;
    std::streambuf* previous;
};

// The message of the Error a command throws, or "no error".
template <typename F> std::string error_from(F&& command) {
    try {
        command();
    } catch (const Error& error) {
        return error.msg;
    }
    return "no error";
}

// What an object's describe() writes.
template <typename T> std::string description(const T& object) {
    Output_capture out;
    object.describe();
    return out.take();
}

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A ship of the given kind, made by the factory and added to the world.
inline std::shared_ptr<Ship> launch(const std::string& type, const std::string& name,
                                    Point position) {
    auto ship = create_ship(name, type, position);
    Model::get()->add_ship(ship);
    return ship;
}

// Every simulation test starts and ends with an empty world, so that no test
// depends on another's leftovers or on the order tests run in.
class Sim_test : public ::testing::Test {
protected:
    void SetUp() override { Model::get()->clear(); }
    void TearDown() override { Model::get()->clear(); }
};

#endif
