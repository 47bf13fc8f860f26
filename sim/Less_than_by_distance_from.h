#ifndef FLOTILLA_SIM_LESS_THAN_BY_DISTANCE_FROM_H
#define FLOTILLA_SIM_LESS_THAN_BY_DISTANCE_FROM_H

#include "sim/Geometry.h"

// Orders pointers to located objects by their straight-line distance from a
// fixed point; a minimum search with it keeps the first of equally near ones.
template <typename Ptr> class Less_than_by_distance_from {
public:
    explicit Less_than_by_distance_from(Point point_) : point(point_) {}

    bool operator()(const Ptr& a, const Ptr& b) const {
        return cartesian_distance(a->get_location(), point) <
               cartesian_distance(b->get_location(), point);
    }

private:
    Point point;
};

#endif
