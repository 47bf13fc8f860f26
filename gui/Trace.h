#ifndef FLOTILLA_GUI_TRACE_H
#define FLOTILLA_GUI_TRACE_H

#include <iosfwd>

namespace GUI {

// Where the toolkit, the views and the controller write their trace lines
// (what they check, draw and receive), as opposed to the news and replies
// the user reads. Unless redirected it is standard output itself, so every
// line keeps its place among the others.
std::ostream& trace_out();
// The stream trace lines go to from now on; nullptr drops them.
void set_trace_stream(std::ostream* stream);

} // namespace GUI

#endif
