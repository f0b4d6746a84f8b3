// Purpose: tests of the shared tolerances and the point tests built on them: each bound lies where
// the roof rules need it, strict or inclusive as each test says, and the angle constants agree.
#include <gtest/gtest.h>

#include <cmath>

#include "roofgeom/Geometry.h"
#include "roofgeom/Tolerances.h"

namespace {

TEST(SharedTolerances, PlanPointsAreOneStrictlyWithinTheirTolerance) {
    const Coord2 a{12.5, -3.25};
    const double inside = kPlanPointEqualTol * 0.5;
    EXPECT_TRUE(SamePlanPoint(a, Coord2{a.x + inside, a.y - inside}));
    EXPECT_TRUE(SamePlanPoint(Coord2{a.x + inside, a.y - inside}, a)) << "symmetric";
    EXPECT_FALSE(SamePlanPoint(a, Coord2{a.x + kPlanPointEqualTol * 1.5, a.y})) << "x alone too far";
    EXPECT_FALSE(SamePlanPoint(a, Coord2{a.x, a.y - kPlanPointEqualTol * 1.5})) << "y alone too far";
    // Exactly the tolerance apart from the origin: not one point (the test is strict).
    EXPECT_FALSE(SamePlanPoint(Coord2{0, 0}, Coord2{kPlanPointEqualTol, 0}));
    EXPECT_FALSE(SamePlanPoint(Coord2{0, 0}, Coord2{0, -kPlanPointEqualTol}));
    EXPECT_EQ(DirAngle2D(a, Coord2{a.x + inside, a.y + inside}), 0.0) << "one plan point has no direction";
}

TEST(SharedTolerances, ThreeDPointsStrictAndInclusive) {
    const Coord3 p{1, 2, 3};
    const Coord3 near{1 + kPointEqualTol3D / 2, 2 - kPointEqualTol3D / 2, 3 + kPointEqualTol3D / 2};
    EXPECT_TRUE(PointsCoincide3D(p, near));
    EXPECT_TRUE(PointsWithin3D(p, near));
    const Coord3 far{1, 2, 3 + kPointEqualTol3D * 2};
    EXPECT_FALSE(PointsCoincide3D(p, far));
    EXPECT_FALSE(PointsWithin3D(p, far));
    // A difference of exactly the tolerance: only the inclusive test takes it.
    const Coord3 origin{0, 0, 0};
    const Coord3 atBound{kPointEqualTol3D, 0, 0};
    EXPECT_FALSE(PointsCoincide3D(origin, atBound));
    EXPECT_TRUE(PointsWithin3D(origin, atBound));
}

TEST(SharedTolerances, ShortAndZeroVectors) {
    Coord3 shortVector{kShortVectorLength / 2, 0, 0};
    NormalizeVec(shortVector);
    EXPECT_EQ(Length3(shortVector), 0.0) << "too short to normalise";
    Coord3 longEnough{kShortVectorLength * 2, 0, 0};
    NormalizeVec(longEnough);
    EXPECT_NEAR(Length3(longEnough), 1.0, 1e-12);
    EXPECT_EQ(VectorAngle(Coord3{kZeroVectorLength / 2, 0, 0}, Coord3{0, 1, 0}), 0.0) << "no direction, angle 0";
    EXPECT_NEAR(VectorAngle(Coord3{kZeroVectorLength * 2, 0, 0}, Coord3{0, 1, 0}), kPi / 2, 1e-9);
    EXPECT_LT(kZeroVectorLength, kShortVectorLength);
}

TEST(SharedTolerances, AngleConstantsAgree) {
    EXPECT_DOUBLE_EQ(kAngleEqualTolRad * kDegreesPerRadian, kAngleEqualTolDeg);
    EXPECT_DOUBLE_EQ(kPi * kDegreesPerRadian, kHalfTurnDeg);
    EXPECT_DOUBLE_EQ(kTwoPi, 2 * kPi);
    // The value every direction comparison of the engine was tuned with, bit for bit.
    EXPECT_EQ(kAngleEqualTolRad, 0.00017453292519943296);
    EXPECT_EQ(kDegreesPerRadian, 57.29577951308232);
}

TEST(SharedTolerances, VerticalPlanesHaveNoGradient) {
    PlaneRec steep{}, vertical{};
    ASSERT_TRUE(PlaneFromThreePoints(steep, Coord3{0, 0, 0}, Coord3{1, 0, 0}, Coord3{0, 1, 100}));
    EXPECT_GE(std::fabs(steep.normal.z), kVerticalNormalZ);
    EXPECT_NE(steep.gradient.z, 0.0);
    ASSERT_TRUE(PlaneFromThreePoints(vertical, Coord3{0, 0, 0}, Coord3{1, 0, 0}, Coord3{0, 0, 1}));
    EXPECT_LT(std::fabs(vertical.normal.z), kVerticalNormalZ);
    EXPECT_EQ(vertical.gradient.z, 0.0);
}

}  // namespace
