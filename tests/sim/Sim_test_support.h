#ifndef FLOTILLA_TESTS_SIM_TEST_SUPPORT_H
#define FLOTILLA_TESTS_SIM_TEST_SUPPORT_H

#include "sim/Model.h"

#include <gtest/gtest.h>

#include <iostream>
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

    std::string text() const { return buffer.str(); }
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

// Every simulation test starts and ends with an empty world, so that no test
// depends on another's leftovers or on the order tests run in.
class Sim_test : public ::testing::Test {
protected:
    void SetUp() override { Model::get()->clear(); }
    void TearDown() override { Model::get()->clear(); }
};

#endif
