#include "app/InputReading.h"

#include "sim/Error.h"

namespace {
const char* const error_ExpectedDouble_c = "Expected a double!\n";
}

std::string read_word(std::istream& in) {
    std::string word;
    in >> word;
    return word;
}

double read_double(std::istream& in) {
    double value = 0.;
    if (!(in >> value))
        throw Error(error_ExpectedDouble_c);
    return value;
}
