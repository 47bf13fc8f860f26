#ifndef FLOTILLA_SIM_TRACK_BASE_H
#define FLOTILLA_SIM_TRACK_BASE_H

#include "sim/Navigation.h"

// Where a moving object is, which way it heads and how fast it goes.
class Track_base {
public:
    Track_base() = default;
    explicit Track_base(Point position_) : position(position_) {}
    virtual ~Track_base() = default;

    Point get_position() const { return position; }
    void set_position(Point position_) { position = position_; }
    double get_course() const { return course_speed.course; }
    void set_course(double course) { course_speed.course = course; }
    double get_speed() const { return course_speed.speed; }
    void set_speed(double speed) { course_speed.speed = speed; }
    Course_speed get_course_speed() const { return course_speed; }

    // Moves along the present course and speed for elapsed_time hours.
    virtual void update_position(double elapsed_time);

    // Where this track lies as seen from p.
    Compass_position get_range_and_bearing_from(const Point& p) const;
    // Where this track lies as seen from the other track.
    Compass_position get_range_and_bearing_from(const Track_base* other) const;
    // Where this track will lie, seen from the other, when the two are closest.
    Compass_position get_CPA_range_and_bearing_from(const Track_base* other) const;
    // True when this track's course is strictly within 90 degrees of the
    // bearing to the other track.
    bool is_inbound_toward(const Track_base* other) const;

private:
    Point position;
    Course_speed course_speed;
};

#endif
