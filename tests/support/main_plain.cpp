#include <gtest/gtest.h>

#include <iostream>

int main(int argc, char** argv) {
    // The program writes every number with two decimals; tests compare
    // against that voice, so they set it exactly as the program does.
    std::cout.setf(std::ios::fixed, std::ios::floatfield);
    std::cout.precision(2);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
