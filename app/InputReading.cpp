#include "app/InputReading.h"

#include "sim/Error.h"

namespace {
const char* const error_ExpectedDouble_c = "Expected a double!\n";
const char* const error_ExpectedInteger_c = "Expected an integer!\n";
const char* const error_ExpectedName_c = "Expected a name!\n";
const char* const error_ExpectedFileName_c = "Expected a file name!\n";

std::string read_required_word(std::istream& in, const char* error) {
    std::string word = read_word(in);
    if (word.empty())
        throw Error(error);
    return word;
}
} // namespace

std::string read_word(std::istream& in) {
    std::string word;
    in >> word;
    return word;
}

std::string read_name(std::istream& in) {
    return read_required_word(in, error_ExpectedName_c);
}

std::string read_file_name(std::istream& in) {
    return read_required_word(in, error_ExpectedFileName_c);
}

double read_double(std::istream& in) {
    double value = 0.;
    if (!(in >> value))
        throw Error(error_ExpectedDouble_c);
    return value;
}

int read_int(std::istream& in) {
    int value = 0;
    if (!(in >> value))
        throw Error(error_ExpectedInteger_c);
    return value;
}
