#include "sim/Navigation.h"

#include <cassert>
#include <cmath>
#include <ostream>

Compass_vector::Compass_vector(const Polar_vector& pv)
    : direction(to_other_degrees(to_degrees(pv.theta))), distance(pv.r) {}

Compass_vector::Compass_vector(const Point& p1, const Point& p2)
    : Compass_vector(Polar_vector(p1, p2)) {}

Compass_position::Compass_position(const Polar_vector& pv)
    : bearing(to_other_degrees(to_degrees(pv.theta))), range(pv.r) {}

Compass_position::Compass_position(const Point& observer, const Point& object)
    : Compass_position(Polar_vector(observer, object)) {}

Polar_vector to_Polar_vector(Compass_position cp) {
    return Polar_vector(cp.range, to_radians(to_other_degrees(cp.bearing)));
}

Polar_vector to_Polar_vector(Compass_vector cv) {
    return Polar_vector(cv.distance, to_radians(to_other_degrees(cv.direction)));
}

Point operator+(const Point& p, const Compass_position& cp) {
    return p + to_Polar_vector(cp);
}
Point operator+(const Compass_position& cp, const Point& p) {
    return p + cp;
}
Point operator+(const Point& p, const Compass_vector& cv) {
    return p + to_Polar_vector(cv);
}
Point operator+(const Compass_vector& cv, const Point& p) {
    return p + cv;
}

Compass_vector operator*(const Course_speed& cs, double t) {
    return Compass_vector(cs.course, cs.speed * t);
}
Compass_vector operator*(double t, const Course_speed& cs) {
    return cs * t;
}

namespace {

Cartesian_vector velocity(const Course_speed& cs) {
    return Cartesian_vector(Polar_vector(cs.speed, to_radians(to_other_degrees(cs.course))));
}

// A compass angle that would round up to 360.00 in the two-decimal format is
// written as 0 so that no printed angle ever reads 360.
double printable_angle(double angle) {
    return angle + 0.005 >= 360. ? 0. : angle;
}

} // namespace

Compass_position compute_CPA(Course_speed cs1, Course_speed cs2, Compass_position cp,
                             double& time) {
    Cartesian_vector vel_1 = velocity(cs1);
    Cartesian_vector vel_2 = velocity(cs2);
    Cartesian_vector rel_pos(to_Polar_vector(cp));
    Cartesian_vector rel_vel = vel_2 - vel_1;
    double rel_speed_squared =
        rel_vel.delta_x * rel_vel.delta_x + rel_vel.delta_y * rel_vel.delta_y;
    if (rel_speed_squared == 0.) {
        time = 0.;
        return cp;
    }
    double q =
        (rel_vel.delta_x * rel_pos.delta_x + rel_vel.delta_y * rel_pos.delta_y) / rel_speed_squared;
    if (q > 0.) {
        time = 0.;
        return cp;
    }
    time = std::fabs(q);
    return Compass_position(Polar_vector(rel_pos + time * rel_vel));
}

std::ostream& operator<<(std::ostream& os, const Course_speed& cs) {
    assert(cs.course < 360.);
    return os << "course " << printable_angle(cs.course) << " deg, speed " << cs.speed << " nm/hr";
}

std::ostream& operator<<(std::ostream& os, const Compass_position& cp) {
    assert(cp.bearing < 360.);
    return os << "bearing " << printable_angle(cp.bearing) << " deg, range " << cp.range << " nm";
}

std::ostream& operator<<(std::ostream& os, const Compass_vector& cv) {
    assert(cv.direction < 360.);
    return os << "direction " << printable_angle(cv.direction) << " deg, distance " << cv.distance
              << " nm";
}
