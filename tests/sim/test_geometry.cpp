#include "support/Sim_support.h"

#include "sim/Geometry.h"
#include "sim/Navigation.h"
#include "sim/Track_base.h"

#include <cmath>
#include <tuple>

namespace {

Compass_position position_at(double x, double y) {
    return Compass_position(Point(0., 0.), Point(x, y));
}

template <typename T> std::string printed(const T& value) {
    return captured([&value] { std::cout << value; });
}

} // namespace

// Two decimals would print 359.997 as 360.00, a heading that does not exist.
TEST(Geometry, NearlyNorthPrintsAsZeroNever360) {
    EXPECT_EQ(printed(Course_speed(359.99, 1.)), "course 359.99 deg, speed 1.00 nm/hr");
    EXPECT_EQ(printed(Compass_vector(359.996, 1.)), "direction 0.00 deg, distance 1.00 nm");
    Compass_position almost_north = position_at(-1e-6, 1.);
    ASSERT_GT(almost_north.bearing, 359.99);
    EXPECT_EQ(printed(almost_north), "bearing 0.00 deg, range 1.00 nm");
}

TEST(Tracks, ClosestApproachIsNowUnlessClosingAndIsSeenFromTheOther) {
    // Moving apart, and keeping pace.
    const Course_speed pairs[][2] = {{Course_speed(0., 0.), Course_speed(37., 10.)},
                                     {Course_speed(45., 12.), Course_speed(45., 12.)}};
    for (const auto& pair : pairs) {
        double time = -1.;
        const Compass_position cp = position_at(3., 4.);
        Compass_position result = compute_CPA(pair[0], pair[1], cp, time);
        EXPECT_EQ(time, 0.);
        EXPECT_EQ(result.bearing, cp.bearing);
        EXPECT_EQ(result.range, cp.range);
    }
    // The observer heads north; the other comes in from the east heading west.
    Track_base observer;
    observer.set_speed(10.);
    Track_base crossing(Point(10., 0.));
    crossing.set_course(270.);
    crossing.set_speed(10.);
    Compass_position cpa = crossing.get_CPA_range_and_bearing_from(&observer);
    EXPECT_NEAR(cpa.bearing, 135., 1e-6);
    EXPECT_NEAR(cpa.range, std::sqrt(50.), 1e-6);
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
