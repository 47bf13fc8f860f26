#ifndef FLOTILLA_APP_OPTIONS_H
#define FLOTILLA_APP_OPTIONS_H

#include <string>
#include <vector>

// The command line. Parsing never exits: the caller decides what a bad
// command line costs.
struct Options {
    bool headless = false;
    bool help = false;
    bool version = false;
    std::string resources;  // empty: look in the usual places
    std::string world_file; // empty: start from the start-up world
    bool no_trace = false;
    std::string trace_file;           // empty: trace lines go to standard output
    std::vector<std::string> scripts; // console lines to run first, in order
    std::string error;                // set when the command line could not be understood

    static Options parse(const std::vector<std::string>& arguments);
    static const char* usage();
};

#endif
