// Purpose: tests of the accessory frame: picked points on the slope, projected row ends and the
// rubber-band rectangles.
#include <gtest/gtest.h>

#include <cmath>

#include "accessories/AccessoryFrame.h"

namespace {

constexpr double kTol = 1e-9;
constexpr double kDeg = kPi / 180;

Coord2 Along(const Coord2& from, double direction, double length) {
    return {from.x + length * std::cos(direction), from.y + length * std::sin(direction)};
}

double Dot(const Coord2& a, const Coord2& b) { return a.x * b.x + a.y * b.y; }
Coord2 Minus(const Coord2& a, const Coord2& b) { return {a.x - b.x, a.y - b.y}; }

// Signed area of a closed outline (shoelace).
double SignedArea(const Coord2* ring, int count) {
    double twice = 0;
    for (int i = 0; i + 1 < count; ++i) twice += ring[i].x * ring[i + 1].y - ring[i + 1].x * ring[i].y;
    return twice / 2;
}

TEST(AccessoryFramePoint, ThePositionItselfIsTheFramesOrigin) {
    const Coord2 pos{12.5, -3};
    for (double angle : {0.0, 1.0, -2.0, 5.5}) {
        const Coord2 r = AccessoryFramePoint(pos, angle, 40 * kDeg, pos);
        EXPECT_NEAR(r.x, 0, kTol) << angle;
        EXPECT_NEAR(r.y, 0, kTol) << angle;
    }
}

TEST(AccessoryFramePoint, AcrossTheRoofTheDistanceIsMeasuredOnTheSlope) {
    const Coord2 pos{2, 3};
    for (double angle : {0.0, 30 * kDeg, -100 * kDeg}) {
        const Coord2 picked = Along(pos, angle + kPi / 2, 1.0);
        const Coord2 r = AccessoryFramePoint(pos, angle, 45 * kDeg, picked);
        EXPECT_NEAR(r.x, 0, 1e-9) << angle;
        EXPECT_NEAR(r.y, std::sqrt(2.0), 1e-9) << angle;  // 1 / cos 45 degrees
    }
}

TEST(AccessoryFramePoint, AlongTheRoofNothingIsStretchedAndBackwardsIsNegative) {
    const Coord2 pos{0, 0};
    const double angle = 200 * kDeg;
    const Coord2 ahead = AccessoryFramePoint(pos, angle, 60 * kDeg, Along(pos, angle, 2.5));
    EXPECT_NEAR(ahead.x, 2.5, kTol);
    EXPECT_NEAR(ahead.y, 0, kTol);
    const Coord2 behind = AccessoryFramePoint(pos, angle, 60 * kDeg, Along(pos, angle + kPi, 0.75));
    EXPECT_NEAR(behind.x, -0.75, kTol);
    // Below the position (angle - 90 degrees) on a 60 degree slope: twice the plan distance.
    const Coord2 below = AccessoryFramePoint(pos, angle, 60 * kDeg, Along(pos, angle - kPi / 2, 0.5));
    EXPECT_NEAR(below.x, 0, kTol);
    EXPECT_NEAR(below.y, -1.0, 1e-9);
}

TEST(ProjectAccessoryRowEnd, ForwardRowEndsOnTheRoofLineWithPositiveSign) {
    const Coord2 a{1, 1};
    const double angle = 30 * kDeg;
    const Coord2 cursor = Along(Along(a, angle, 3), angle + kPi / 2, 0.4);  // 3 ahead, 0.4 aside
    const AccessoryRowEnd e = ProjectAccessoryRowEnd(a, angle, cursor);
    EXPECT_EQ(e.sigma, 1.0);
    EXPECT_NEAR(e.length, 3, 1e-9);
    EXPECT_NEAR(std::hypot(e.end.x - a.x, e.end.y - a.y), 3, 1e-9);
    // The end lies on the roof's line through the start, square below the cursor.
    const Coord2 dir{std::cos(angle), std::sin(angle)};
    EXPECT_NEAR(Dot(Minus(cursor, e.end), dir), 0, 1e-9);
}

TEST(ProjectAccessoryRowEnd, BackwardRowHasNegativeSignAndLength) {
    const Coord2 a{0, 0};
    for (double angle : {0.0, 80 * kDeg, -80 * kDeg, -3.0, 7.0}) {
        const Coord2 cursor = Along(Along(a, angle + kPi, 2), angle + kPi / 2, -0.3);
        const AccessoryRowEnd e = ProjectAccessoryRowEnd(a, angle, cursor);
        EXPECT_EQ(e.sigma, -1.0) << angle;
        EXPECT_NEAR(e.length, -2, 1e-9) << angle;
    }
}

TEST(ProjectAccessoryRowEnd, SignAgreesWithTheLengthForAnyObjectAngle) {
    // Object angles outside [0, 2pi) must not flip the sign against the drawn row.
    const Coord2 a{5, 5};
    for (double angle = -7; angle <= 7; angle += 0.37) {
        for (double dir = 0; dir < kTwoPi; dir += 0.29) {
            const AccessoryRowEnd e = ProjectAccessoryRowEnd(a, angle, Along(a, dir, 1.0));
            if (std::fabs(e.length) < 1e-6) continue;
            EXPECT_EQ(e.sigma, e.length > 0 ? 1.0 : -1.0) << angle << " " << dir;
        }
    }
}

TEST(AccessoryRubberRectangle, IsARectangleOfTheGivenSidesAtAnyAngle) {
    for (double angle : {0.0, 0.7, 2.5, -1.2}) {
        Coord2 ring[5];
        AccessoryRubberRectangle({-3, 4}, angle, 1.8, 0.45, ring);
        EXPECT_NEAR(std::hypot(ring[1].x - ring[0].x, ring[1].y - ring[0].y), 1.8, 1e-9);
        EXPECT_NEAR(std::hypot(ring[3].x - ring[0].x, ring[3].y - ring[0].y), 0.45, 1e-9);
        EXPECT_NEAR(Dot(Minus(ring[2], ring[1]), Minus(ring[1], ring[0])), 0, 1e-9);  // square corners
        EXPECT_NEAR(Dot(Minus(ring[3], ring[2]), Minus(ring[2], ring[1])), 0, 1e-9);
        EXPECT_NEAR(SignedArea(ring, 5), 1.8 * 0.45, 1e-9);  // counter-clockwise, full area
    }
}

}  // namespace
