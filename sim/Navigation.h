#ifndef FLOTILLA_SIM_NAVIGATION_H
#define FLOTILLA_SIM_NAVIGATION_H

// Compass forms of the geometry: degrees, zero north (+y), clockwise.

#include "sim/Geometry.h"

#include <iosfwd>

struct Compass_vector {
    double direction;
    double distance;
    Compass_vector() : direction(0.), distance(0.) {}
    Compass_vector(double direction_, double distance_)
        : direction(direction_), distance(distance_) {}
    explicit Compass_vector(const Polar_vector& pv);
    Compass_vector(const Point& p1, const Point& p2);
};

// Where something lies as seen from an observer; made only from a polar
// displacement or from the observer's and the object's points.
struct Compass_position {
    double bearing;
    double range;
    explicit Compass_position(const Polar_vector& pv);
    Compass_position(const Point& observer, const Point& object);
};

struct Course_speed {
    double course;
    double speed;
    Course_speed() : course(0.), speed(0.) {}
    Course_speed(double course_, double speed_) : course(course_), speed(speed_) {}
};

Polar_vector to_Polar_vector(Compass_position cp);
Polar_vector to_Polar_vector(Compass_vector cv);

Point operator+(const Point& p, const Compass_position& cp);
Point operator+(const Compass_position& cp, const Point& p);
Point operator+(const Point& p, const Compass_vector& cv);
Point operator+(const Compass_vector& cv, const Point& p);
// The displacement made in t hours.
Compass_vector operator*(const Course_speed& cs, double t);
Compass_vector operator*(double t, const Course_speed& cs);

// Bearing and range of object 2 from object 1 at their closest approach; cp is
// where object 2 lies now. `time` receives the hours until then. Objects that
// are moving apart, or not moving relative to each other, are closest now.
Compass_position compute_CPA(Course_speed cs1, Course_speed cs2, Compass_position cp, double& time);

std::ostream& operator<<(std::ostream& os, const Course_speed& cs);
std::ostream& operator<<(std::ostream& os, const Compass_position& cp);
std::ostream& operator<<(std::ostream& os, const Compass_vector& cv);

#endif
