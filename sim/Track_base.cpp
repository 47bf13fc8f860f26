#include "sim/Track_base.h"

#include <cmath>

void Track_base::update_position(double elapsed_time) {
    position = position + course_speed * elapsed_time;
}

Compass_position Track_base::get_range_and_bearing_from(const Point& p) const {
    return Compass_position(p, position);
}

Compass_position Track_base::get_range_and_bearing_from(const Track_base* other) const {
    return Compass_position(other->position, position);
}

Compass_position Track_base::get_CPA_range_and_bearing_from(const Track_base* other) const {
    double time = 0.;
    return compute_CPA(other->course_speed, course_speed, get_range_and_bearing_from(other), time);
}

bool Track_base::is_inbound_toward(const Track_base* other) const {
    double bearing_from_other = get_range_and_bearing_from(other).bearing;
    double reciprocal = std::fmod(bearing_from_other + 180., 360.);
    double difference = std::fabs(course_speed.course - reciprocal);
    if (difference > 180.)
        difference = 360. - difference;
    return difference < 90.;
}
