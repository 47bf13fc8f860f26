#include <gtest/gtest.h>

#include <iostream>

int main(int argc, char** argv) {
    // Every number as the program writes it, with two decimals.
    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
