#ifndef FLOTILLA_SIM_VIEW_H
#define FLOTILLA_SIM_VIEW_H

#include "sim/Geometry.h"

#include <map>
#include <string>

// The world's observer: the world reports where each object is after every
// tick and which objects have left. A view keeps the last location of each
// object still present, in name order, for drawing.
class View {
public:
    View() : next_update(obj_locations.end()) {}
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    virtual ~View() = default;

    virtual void update_location(const std::string& name, Point location);
    // Nothing happens for a name the view does not know.
    virtual void update_remove(const std::string& name);
    virtual void draw() = 0;
    virtual void clear();

protected:
    const std::map<std::string, Point>& get_obj_locations() const { return obj_locations; }

private:
    std::map<std::string, Point> obj_locations;
    // The world reports every object in name order, once per tick: the entry
    // after the one last updated is almost always the next one asked for.
    std::map<std::string, Point>::iterator next_update;
};

#endif
