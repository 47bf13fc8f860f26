#include "support/Sim_support.h"

#include "sim/Geometry.h"
#include "sim/Navigation.h"
#include "sim/Track_base.h"

#include <cmath>
#include <tuple>

// Two decimals would print 359.997 as 360.00, a heading that does not exist.
TEST(Geometry, NearlyNorthPrintsAsZeroNever360) {
    EXPECT_EQ(captured([] { std::cout << Course_speed(359.99, 1.); }),
              "course 359.99 deg, speed 1.00 nm/hr");
    EXPECT_EQ(captured([] { std::cout << Compass_vector(359.996, 1.); }),
              "direction 0.00 deg, distance 1.00 nm");
    EXPECT_EQ(captured([] { std::cout << Compass_position(Point(0., 0.), Point(-1e-6, 1.)); }),
              "bearing 0.00 deg, range 1.00 nm");
}

// From an observer heading north: moving apart or keeping pace, the closest
// approach is now; one crossing from the east comes closest to the south-east.
TEST(Tracks, ClosestApproachIsNowUnlessClosingAndIsSeenFromTheOther) {
    Track_base observer;
    observer.set_speed(10.);
    const double now = std::atan2(3., 4.) * 180. / std::acos(-1.);
    const std::tuple<Point, double, double, double, double, double> cases[] = {
        {Point(3., 4.), 0., 20., now, 5., 0.},
        {Point(3., 4.), 0., 10., now, 5., 0.},
        {Point(10., 0.), 270., 10., 135., std::sqrt(50.), 0.5}};
    for (const auto& [at, course, speed, bearing, range, hours] : cases) {
        Track_base other(at);
        other.set_course(course);
        other.set_speed(speed);
        const Compass_position cpa = other.get_CPA_range_and_bearing_from(&observer);
        EXPECT_NEAR(cpa.bearing, bearing, 1e-9) << at.x << " " << speed;
        EXPECT_NEAR(cpa.range, range, 1e-9) << at.x << " " << speed;
        double time = -1.;
        compute_CPA(observer.get_course_speed(), other.get_course_speed(),
                    other.get_range_and_bearing_from(&observer), time);
        EXPECT_NEAR(time, hours, 1e-9) << at.x << " " << speed;
    }
}

// Seen from (0, 10); 300 degrees is inbound only if the difference wraps past north.
TEST(Tracks, InboundOnlyStrictlyWithin90DegreesEitherSideOfNorth) {
    const Track_base north(Point(0., 10.));
    const std::tuple<double, double, bool> cases[] = {
        {0., 45., true}, {0., 300., true}, {0., 90., false}, {0., 270., false}, {20., 180., true}};
    for (const auto& [y, course, inbound] : cases) {
        Track_base track(Point(0., y));
        track.set_course(course);
        EXPECT_EQ(track.is_inbound_toward(&north), inbound) << y << " " << course;
    }
}
