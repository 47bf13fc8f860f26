#ifndef FLOTILLA_SIM_ERROR_H
#define FLOTILLA_SIM_ERROR_H

#include <string>

// Every failure a user's command can cause. Deliberately not a standard
// exception: the event loop and the console catch it by this type alone, so a
// library error is never mistaken for a refused command.
class Error {
public:
    explicit Error(const char* msg_) : msg(msg_) {}
    explicit Error(const std::string& msg_) : msg(msg_) {}
    virtual ~Error() = default;

    std::string msg;
};

// A state that the operations can never produce; its texts begin
// "PROGRAMMING ERROR: " or name the class that found it.
class Programming_Error : public Error {
public:
    explicit Programming_Error(const char* msg_) : Error(msg_) {}
};

#endif
