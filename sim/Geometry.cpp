#include "sim/Geometry.h"

#include "sim/Fixed_format.h"

#include <cmath>
#include <ostream>

const double pi = 2. * std::atan2(1., 0.);

double to_radians(double degrees) {
    return 2. * pi * (degrees / 360.);
}

double to_degrees(double radians) {
    return 360. * radians / (2. * pi);
}

double to_other_degrees(double degrees) {
    return std::fmod(450. - degrees, 360.);
}

Cartesian_vector::Cartesian_vector(const Polar_vector& pv)
    : delta_x(pv.r * std::cos(pv.theta)), delta_y(pv.r * std::sin(pv.theta)) {}

Polar_vector::Polar_vector(const Cartesian_vector& cv)
    : r(std::sqrt(cv.delta_x * cv.delta_x + cv.delta_y * cv.delta_y)),
      theta(std::atan2(cv.delta_y, cv.delta_x)) {
    if (theta < 0.)
        theta = 2. * pi + theta;
}

Polar_vector::Polar_vector(const Point& p1, const Point& p2)
    : Polar_vector(Cartesian_vector(p1, p2)) {}

double cartesian_distance(const Point& p1, const Point& p2) {
    double dx = p2.x - p1.x;
    double dy = p2.y - p1.y;
    return std::sqrt(dx * dx + dy * dy);
}

bool operator==(const Point& p1, const Point& p2) {
    return p1.x == p2.x && p1.y == p2.y;
}
bool operator!=(const Point& p1, const Point& p2) {
    return !(p1 == p2);
}

Point operator+(const Point& p, const Polar_vector& pv) {
    return p + Cartesian_vector(pv);
}
Point operator+(const Polar_vector& pv, const Point& p) {
    return p + pv;
}

Polar_vector operator*(const Polar_vector& pv, double s) {
    return Polar_vector(pv.r * s, pv.theta);
}
Polar_vector operator*(double s, const Polar_vector& pv) {
    return pv * s;
}
Polar_vector operator/(const Polar_vector& pv, double s) {
    return Polar_vector(pv.r / s, pv.theta);
}
Polar_vector operator/(double s, const Polar_vector& pv) {
    return pv / s;
}

std::ostream& operator<<(std::ostream& os, const Point& p) {
    // Every ship's news has a point or two every tick: one write of the
    // whole text costs a fifth of writing its five pieces.
    char text[2 * 360];
    char* out = text;
    char* const end = text + sizeof text;
    *out++ = '(';
    const bool plain = append_fixed(out, end, p.x, os);
    if (plain) {
        *out++ = ',';
        *out++ = ' ';
    }
    // Room is left for the closing parenthesis: a number is at most 352 characters.
    if (plain && append_fixed(out, end - 1, p.y, os)) {
        *out++ = ')';
        return os.write(text, out - text);
    }
    return os << '(' << p.x << ", " << p.y << ')';
}
std::ostream& operator<<(std::ostream& os, const Cartesian_vector& cv) {
    return os << '<' << cv.delta_x << ", " << cv.delta_y << '>';
}
std::ostream& operator<<(std::ostream& os, const Polar_vector& pv) {
    return os << "P<" << pv.r << ", " << pv.theta << '>';
}
