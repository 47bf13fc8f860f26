#include "Sim_test_support.h"

#include "sim/Geometry.h"
#include "sim/Navigation.h"
#include "sim/Track_base.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const double tolerance = 1e-9;

void expect_point_near(const Point& actual, double x, double y) {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
}

void expect_vector_near(const Cartesian_vector& actual, double x, double y) {
    expect_point_near(Point(actual.delta_x, actual.delta_y), x, y);
}

Compass_position position_at(double x, double y) {
    return Compass_position(Point(0., 0.), Point(x, y));
}

template <typename T> std::string printed(const T& value) {
    Output_capture out;
    std::cout << value;
    return out.take();
}

} // namespace

TEST(GeometryTest, AngleConversionsSwapCompassAndMathematicalDegrees) {
    EXPECT_EQ(to_other_degrees(0.), 90.);
    EXPECT_EQ(to_other_degrees(90.), 0.);
    EXPECT_EQ(to_other_degrees(180.), 270.);
    EXPECT_EQ(to_other_degrees(270.), 180.);
    EXPECT_NEAR(to_other_degrees(to_other_degrees(30.)), 30., tolerance);
}

TEST(GeometryTest, VectorConversionsKeepThetaNonNegative) {
    EXPECT_NEAR(Polar_vector(Cartesian_vector(0., -1.)).theta, 1.5 * pi, tolerance);
    EXPECT_NEAR(Polar_vector(Cartesian_vector(1., -1.)).theta, 1.75 * pi, tolerance);
    EXPECT_NEAR(Polar_vector(Cartesian_vector(-1., 0.)).theta, pi, tolerance);
}

TEST(GeometryTest, CompassBearingsCoverAllFourQuadrants) {
    EXPECT_NEAR(position_at(0., 10.).bearing, 0., tolerance);
    EXPECT_NEAR(position_at(0., 10.).range, 10., tolerance);
    EXPECT_NEAR(position_at(10., 0.).bearing, 90., tolerance);
    EXPECT_NEAR(position_at(0., -10.).bearing, 180., tolerance);
    EXPECT_NEAR(position_at(-10., 0.).bearing, 270., tolerance);
    EXPECT_NEAR(position_at(1., 1.).bearing, 45., tolerance);
    EXPECT_NEAR(position_at(-1., 1.).bearing, 315., tolerance);
    EXPECT_NEAR(Compass_vector(Point(5., 5.), Point(5., 0.)).direction, 180., tolerance);
    // Going back to x/y form must land on the point the bearing came from.
    expect_point_near(Point(0., 0.) + position_at(-3., 4.), -3., 4.);
    expect_point_near(Point(1., 1.) + Compass_vector(90., 5.), 6., 1.);
}

TEST(GeometryTest, ScalarFirstDivisionDividesAndEqualityIsExact) {
    expect_vector_near(2. / Cartesian_vector(4., 6.), 2., 3.);
    EXPECT_EQ((4. / Polar_vector(2., 1.)).r, 0.5);
    EXPECT_EQ(cartesian_distance(Point(1., 2.), Point(4., 6.)), 5.);
    // No tolerance may hide a rounding difference: arrival and island lookup
    // depend on exact equality.
    EXPECT_TRUE(Point(0.1 + 0.2, 0.) != Point(0.3, 0.));
}

TEST(GeometryTest, CourseSpeedTimesHoursIsTheDisplacement) {
    Compass_vector made = Course_speed(90., 10.) * 0.5;
    EXPECT_EQ(made.direction, 90.);
    EXPECT_EQ(made.distance, 5.);
    expect_point_near(Point(0., 0.) + made, 5., 0.);
    expect_point_near(Point(0., 0.) + 2. * Course_speed(0., 3.), 0., 6.);
}

TEST(GeometryTest, CpaIsNowAndUnchangedUnlessClosing) {
    auto expect_now = [](Course_speed cs1, Course_speed cs2) {
        double time = -1.;
        Compass_position cp = position_at(3., 4.);
        Compass_position result = compute_CPA(cs1, cs2, cp, time);
        EXPECT_EQ(time, 0.);
        EXPECT_EQ(result.bearing, cp.bearing);
        EXPECT_EQ(result.range, cp.range);
    };
    expect_now(Course_speed(0., 0.), Course_speed(37., 10.));   // moving apart
    expect_now(Course_speed(45., 12.), Course_speed(45., 12.)); // equal velocities
}

TEST(GeometryTest, CpaOfClosingObjects) {
    double time = -1.;
    Compass_position head_on =
        compute_CPA(Course_speed(0., 0.), Course_speed(270., 10.), position_at(10., 0.), time);
    EXPECT_NEAR(time, 1., tolerance);
    EXPECT_NEAR(head_on.range, 0., 1e-6);

    // Object 1 heads north, object 2 comes in from the east heading west.
    Compass_position crossing =
        compute_CPA(Course_speed(0., 10.), Course_speed(270., 10.), position_at(10., 0.), time);
    EXPECT_NEAR(time, 0.5, tolerance);
    EXPECT_NEAR(crossing.bearing, 135., 1e-6);
    EXPECT_NEAR(crossing.range, std::sqrt(50.), 1e-6);
}

TEST(GeometryTest, OutputUsesTwoDecimalsAndNeverPrints360) {
    EXPECT_EQ(printed(Point(1.5, -2.)), "(1.50, -2.00)");
    EXPECT_EQ(printed(Cartesian_vector(-3., -4.)), "<-3.00, -4.00>");
    EXPECT_EQ(printed(Polar_vector(5., pi)), "P<5.00, 3.14>");
    EXPECT_EQ(printed(Course_speed(90., 10.)), "course 90.00 deg, speed 10.00 nm/hr");
    EXPECT_EQ(printed(position_at(10., 0.)), "bearing 90.00 deg, range 10.00 nm");
    EXPECT_EQ(printed(Compass_vector(180., 2.5)), "direction 180.00 deg, distance 2.50 nm");

    EXPECT_EQ(printed(Course_speed(359.997, 1.)), "course 0.00 deg, speed 1.00 nm/hr");
    EXPECT_EQ(printed(Course_speed(359.99, 1.)), "course 359.99 deg, speed 1.00 nm/hr");
    EXPECT_EQ(printed(Compass_vector(359.996, 1.)), "direction 0.00 deg, distance 1.00 nm");
    Compass_position almost_north = position_at(-1e-6, 1.);
    ASSERT_GT(almost_north.bearing, 359.99);
    EXPECT_EQ(printed(almost_north), "bearing 0.00 deg, range 1.00 nm");
}

TEST(GeometryTest, CompassAnglesOf360AreRejected) {
    EXPECT_DEATH(printed(Course_speed(360., 1.)), "cs.course < 360.");
    EXPECT_DEATH(printed(Compass_vector(400., 1.)), "cv.direction < 360.");
}

TEST(TrackTest, UpdatePositionMovesAlongCourseOnly) {
    Track_base track;
    track.set_course(90.);
    track.set_speed(10.);
    track.update_position(0.5);
    expect_point_near(track.get_position(), 5., 0.);
    EXPECT_EQ(track.get_course(), 90.);
    EXPECT_EQ(track.get_speed(), 10.);

    Point before = track.get_position();
    track.update_position(0.);
    EXPECT_EQ(track.get_position(), before);
}

TEST(TrackTest, RangeAndBearingAreSeenFromTheOther) {
    Track_base here;
    Track_base east(Point(10., 0.));
    EXPECT_NEAR(Track_base(Point(0., 10.)).get_range_and_bearing_from(Point(0., 0.)).bearing, 0.,
                tolerance);
    EXPECT_NEAR(east.get_range_and_bearing_from(&here).bearing, 90., tolerance);
    EXPECT_NEAR(east.get_range_and_bearing_from(&here).range, 10., tolerance);
    EXPECT_NEAR(here.get_range_and_bearing_from(&east).bearing, 270., tolerance);
}

TEST(TrackTest, CpaTreatsTheOtherAsObserver) {
    Track_base observer;
    observer.set_speed(10.);
    Track_base crossing(Point(10., 0.));
    crossing.set_course(270.);
    crossing.set_speed(10.);
    Compass_position cpa = crossing.get_CPA_range_and_bearing_from(&observer);
    EXPECT_NEAR(cpa.bearing, 135., 1e-6);
    EXPECT_NEAR(cpa.range, std::sqrt(50.), 1e-6);
}

TEST(TrackTest, InboundOnlyStrictlyWithin90Degrees) {
    Track_base track;
    Track_base north(Point(0., 10.));
    auto inbound_on = [&](double course) {
        track.set_course(course);
        return track.is_inbound_toward(&north);
    };
    EXPECT_TRUE(inbound_on(0.));
    EXPECT_TRUE(inbound_on(45.));
    EXPECT_TRUE(inbound_on(300.)); // the difference wraps past north
    EXPECT_FALSE(inbound_on(90.));
    EXPECT_FALSE(inbound_on(270.));
    EXPECT_FALSE(inbound_on(180.));

    Track_base farther(Point(0., 20.));
    farther.set_course(180.);
    EXPECT_TRUE(farther.is_inbound_toward(&north));
    farther.set_course(0.);
    EXPECT_FALSE(farther.is_inbound_toward(&north));
}
