#ifndef FLOTILLA_GUI_ERROR_H
#define FLOTILLA_GUI_ERROR_H

#include <string>

namespace GUI {

// The toolkit's failure; the event loop writes its message to standard output
// and carries on.
class Error {
public:
    explicit Error(const std::string& msg_) : msg(msg_) {}
    std::string msg;
};

// Thrown to end the event loop (the window's close box, Command-Q).
class Quit {};

} // namespace GUI

#endif
