#ifndef FLOTILLA_APP_OPEN_VIEW_H
#define FLOTILLA_APP_OPEN_VIEW_H

#include "gui/DispPoint.h"

#include <memory>
#include <string>

class GUI_based_view;
namespace GUI {
class Window;
}

// A view open in the window. The world holds it, to tell it where
// everything is, and the window shows it as a subview; this record is its
// owner, and the record's going takes the view out of the world and off the
// window, so the window never destroys a view the world still holds.
class Open_view {
public:
    // Attaches the view to the world, then to the window at `position`.
    Open_view(std::shared_ptr<GUI_based_view> view_, std::string ship_, GUI::Window& window,
              GUI::DispPoint position);
    ~Open_view();
    Open_view(const Open_view&) = delete;
    Open_view& operator=(const Open_view&) = delete;

    const std::shared_ptr<GUI_based_view>& get() const { return view; }
    // The ship whose bridge this is; empty for the map.
    const std::string& get_ship() const { return ship; }

private:
    std::shared_ptr<GUI_based_view> view;
    std::string ship;
};

#endif
