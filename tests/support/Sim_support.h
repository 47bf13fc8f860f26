#ifndef FLOTILLA_TESTS_SUPPORT_SIM_SUPPORT_H
#define FLOTILLA_TESTS_SUPPORT_SIM_SUPPORT_H

#include "support/Capture.h"

#include "sim/Error.h"
#include "sim/Group.h"
#include "sim/Island.h"
#include "sim/Model.h"
#include "sim/Ship.h"
#include "sim/Ship_factory.h"

#include <gtest/gtest.h>

#include <memory>

template <typename F> std::string error_from(F&& command) {
    return thrown<Error>(command);
}

template <typename T> std::string description(const T& object) {
    return captured([&object] { object.describe(); });
}

inline std::shared_ptr<Ship> launch(const std::string& type, const std::string& name,
                                    Point position) {
    auto ship = create_ship(name, type, position);
    Model::get()->add_ship(ship);
    return ship;
}

// No test may depend on another's leftovers in the world.
class Sim_test : public ::testing::Test {
protected:
    void SetUp() override { Model::get()->clear(); }
    void TearDown() override { Model::get()->clear(); }
};

#endif
