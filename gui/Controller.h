#ifndef FLOTILLA_GUI_CONTROLLER_H
#define FLOTILLA_GUI_CONTROLLER_H

#include "gui/DispPoint.h"

#include <SDL.h>

namespace GUI {

// Receives mouse and key events from the event loop. A handler returns true
// when it has dealt with the event, which stops it bubbling further up the
// view tree. A controller that captures focus receives every event, wherever
// the pointer is.
class Controller {
public:
    virtual ~Controller();

    virtual bool handle_mouse_down(DispPoint) { return false; }
    virtual bool handle_mouse_up(DispPoint) { return false; }
    virtual bool handle_mouse_motion(DispPoint, DispPoint) { return false; }
    virtual bool handle_mouse_scroll_start(bool) { return false; }
    virtual bool handle_mouse_scroll_stop(bool) { return false; }
    virtual bool handle_key_down(SDL_keysym) { return false; }
    virtual bool handle_key_up(SDL_keysym) { return false; }
    virtual void got_focus() {}
    virtual void lost_focus() {}

    // Both do nothing when focus is already as asked.
    void capture_focus();
    void lose_focus();
};

} // namespace GUI

#endif
