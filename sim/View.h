#ifndef FLOTILLA_SIM_VIEW_H
#define FLOTILLA_SIM_VIEW_H

#include "sim/Geometry.h"

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The world's observer: the world reports where each object is after every
// tick and which objects have left. A view keeps the last location of each
// object still present, in name order, for drawing.
class View {
public:
    // In byte-wise name order.
    using Locations = std::vector<std::pair<std::string, Point>>;

    View() = default;
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    virtual ~View() = default;

    virtual void update_location(const std::string& name, Point location);
    // Nothing happens for a name the view does not know.
    virtual void update_remove(const std::string& name);
    virtual void draw() = 0;
    virtual void clear();

protected:
    const Locations& get_obj_locations() const;

private:
    // The world reports every object in name order, once per tick, and a
    // view walks them in that order to draw: an array in name order serves
    // both without a lookup. Objects new since the last walk wait in a tree
    // and join the array in one merge, so that creating thousands of ships
    // one by one stays cheap.
    mutable Locations obj_locations;
    mutable std::map<std::string, Point> newcomers;
    // The entry after the one last updated: almost always the next asked for.
    mutable std::size_t next_update = 0;

    void merge_newcomers() const;
};

#endif
