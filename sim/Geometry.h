#ifndef FLOTILLA_SIM_GEOMETRY_H
#define FLOTILLA_SIM_GEOMETRY_H

// Plane geometry in nautical miles. Angles here are mathematical: radians,
// zero along +x, counter-clockwise. The compass forms live in Navigation.h.

#include <iosfwd>

extern const double pi;

double to_radians(double degrees);
double to_degrees(double radians);
// Compass degrees to mathematical degrees and back: the map is its own inverse.
double to_other_degrees(double degrees);

struct Polar_vector;

struct Point {
    double x;
    double y;
    Point() : x(0.), y(0.) {}
    Point(double x_, double y_) : x(x_), y(y_) {}
};

struct Cartesian_vector {
    double delta_x;
    double delta_y;
    Cartesian_vector() : delta_x(0.), delta_y(0.) {}
    Cartesian_vector(double delta_x_, double delta_y_) : delta_x(delta_x_), delta_y(delta_y_) {}
    // The displacement that takes p1 to p2.
    Cartesian_vector(const Point& p1, const Point& p2)
        : delta_x(p2.x - p1.x), delta_y(p2.y - p1.y) {}
    explicit Cartesian_vector(const Polar_vector& pv);
};

struct Polar_vector {
    double r;
    double theta; // always in [0, 2 pi) when computed from a displacement
    Polar_vector() : r(0.), theta(0.) {}
    Polar_vector(double r_, double theta_) : r(r_), theta(theta_) {}
    explicit Polar_vector(const Cartesian_vector& cv);
    Polar_vector(const Point& p1, const Point& p2);
};

double cartesian_distance(const Point& p1, const Point& p2);

bool operator==(const Point& p1, const Point& p2);
bool operator!=(const Point& p1, const Point& p2);
// Defined here: the views do this arithmetic for every object every frame.
inline Cartesian_vector operator-(const Point& p1, const Point& p2) {
    return Cartesian_vector(p1.x - p2.x, p1.y - p2.y);
}
inline Point operator+(const Point& p, const Cartesian_vector& cv) {
    return Point(p.x + cv.delta_x, p.y + cv.delta_y);
}
inline Point operator+(const Cartesian_vector& cv, const Point& p) {
    return p + cv;
}
Point operator+(const Point& p, const Polar_vector& pv);
Point operator+(const Polar_vector& pv, const Point& p);
inline Cartesian_vector operator+(const Cartesian_vector& cv1, const Cartesian_vector& cv2) {
    return Cartesian_vector(cv1.delta_x + cv2.delta_x, cv1.delta_y + cv2.delta_y);
}
inline Cartesian_vector operator-(const Cartesian_vector& cv1, const Cartesian_vector& cv2) {
    return Cartesian_vector(cv1.delta_x - cv2.delta_x, cv1.delta_y - cv2.delta_y);
}
inline Cartesian_vector operator*(const Cartesian_vector& cv, double s) {
    return Cartesian_vector(cv.delta_x * s, cv.delta_y * s);
}
inline Cartesian_vector operator*(double s, const Cartesian_vector& cv) {
    return cv * s;
}
// Both operand orders divide the vector by the scalar.
inline Cartesian_vector operator/(const Cartesian_vector& cv, double s) {
    return Cartesian_vector(cv.delta_x / s, cv.delta_y / s);
}
inline Cartesian_vector operator/(double s, const Cartesian_vector& cv) {
    return cv / s;
}
Polar_vector operator*(const Polar_vector& pv, double s);
Polar_vector operator*(double s, const Polar_vector& pv);
// Both operand orders divide the length by the scalar.
Polar_vector operator/(const Polar_vector& pv, double s);
Polar_vector operator/(double s, const Polar_vector& pv);

std::ostream& operator<<(std::ostream& os, const Point& p);
std::ostream& operator<<(std::ostream& os, const Cartesian_vector& cv);
std::ostream& operator<<(std::ostream& os, const Polar_vector& pv);

#endif
