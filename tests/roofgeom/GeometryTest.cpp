// Purpose: tests of the plane geometry and vector helpers: tolerances, segment layouts, folds.
#include <gtest/gtest.h>

#include <cmath>

#include "roofgeom/Geometry.h"

namespace {

constexpr double kDeg = kPi / 180.0;

TEST(NearlyEqual, BoundIsInclusive) {
    EXPECT_TRUE(NearlyEqual(1.0, 1.001));
    EXPECT_TRUE(NearlyEqual(1.001, 1.0));
    EXPECT_FALSE(NearlyEqual(1.0, 1.0011));
}

TEST(DirAngle2D, QuadrantsAndWrap) {
    EXPECT_DOUBLE_EQ(DirAngle2D(Coord2{0, 0}, Coord2{1, 0}), 0.0);
    EXPECT_DOUBLE_EQ(DirAngle2D(Coord2{0, 0}, Coord2{0, 1}), kPi / 2);
    EXPECT_DOUBLE_EQ(DirAngle2D(Coord2{0, 0}, Coord2{-1, 0}), kPi);
    // Below the x axis the angle is brought into [0, 2pi).
    EXPECT_DOUBLE_EQ(DirAngle2D(Coord2{0, 0}, Coord2{0, -1}), 1.5 * kPi);
}

TEST(DirAngle2D, PointsCloserThanAMillimetreGiveZeroEitherWay) {
    EXPECT_EQ(DirAngle2D(Coord2{5, 5}, Coord2{4.9995, 4.9995}), 0.0);
    EXPECT_EQ(DirAngle2D(Coord2{4.9995, 4.9995}, Coord2{5, 5}), 0.0);
    // The test is strict: exactly 0.001 apart in x is a direction.
    EXPECT_NE(DirAngle2D(Coord2{0, 0}, Coord2{-0.001, 0}), 0.0);
}

TEST(OnSegment, InsideEndsAndOff) {
    EXPECT_TRUE(OnSegment(Coord2{0, 0}, Coord2{3, 0}, Coord2{10, 0}));
    EXPECT_TRUE(OnSegment(Coord2{0, 0}, Coord2{0, 0}, Coord2{10, 0}));
    EXPECT_TRUE(OnSegment(Coord2{0, 0}, Coord2{10, 0}, Coord2{10, 0}));
    EXPECT_FALSE(OnSegment(Coord2{0, 0}, Coord2{11, 0}, Coord2{10, 0}));
    EXPECT_FALSE(OnSegment(Coord2{0, 0}, Coord2{5, 0.01}, Coord2{10, 0}));
}

// The ten layouts of two segments on one line, and the cases that give no overlap.
TEST(SegmentRelation, EveryLayoutCode) {
    const Coord2 a{0, 0}, b{10, 0};
    EXPECT_EQ(SegmentRelation(a, b, Coord2{0, 0}, Coord2{10, 0}), 1);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{10, 0}, Coord2{0, 0}), 2);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{2, 0}, Coord2{6, 0}), 3);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{6, 0}, Coord2{2, 0}), 4);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{-2, 0}, Coord2{12, 0}), 5);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{12, 0}, Coord2{-2, 0}), 6);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{4, 0}, Coord2{14, 0}), 7);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{-4, 0}, Coord2{6, 0}), 8);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{14, 0}, Coord2{4, 0}), 9);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{6, 0}, Coord2{-4, 0}), 10);
}

TEST(SegmentRelation, TouchingCrossingAndDisjointGiveZero) {
    const Coord2 a{0, 0}, b{10, 0};
    EXPECT_EQ(SegmentRelation(a, b, Coord2{10, 0}, Coord2{20, 0}), 0);   // end to end, same direction
    EXPECT_EQ(SegmentRelation(a, b, Coord2{20, 0}, Coord2{10, 0}), 0);   // end to end, opposite
    EXPECT_EQ(SegmentRelation(a, b, Coord2{-10, 0}, Coord2{0, 0}), 0);
    EXPECT_EQ(SegmentRelation(a, b, Coord2{5, -5}, Coord2{5, 5}), 0);    // crossing
    EXPECT_EQ(SegmentRelation(a, b, Coord2{12, 0}, Coord2{15, 0}), 0);   // disjoint on the line
    EXPECT_EQ(SegmentRelation(a, b, Coord2{2, 1}, Coord2{6, 1}), 0);     // parallel beside
}

TEST(SegmentRelation, DirectionDifferenceIsNotWrapped) {
    // A->B runs at 0.0004 rad; a one-metre E->F inside it runs at -0.0004 rad, that is 2pi - 0.0004.
    // The two directions are 0.0008 apart in truth, but the difference is taken unwrapped.
    const double u = 0.0004;
    const Coord2 a{0, 0}, b{10 * std::cos(u), 10 * std::sin(u)};
    const Coord2 e{5 * std::cos(u), 5 * std::sin(u)};
    const Coord2 fDown{e.x + std::cos(-u), e.y + std::sin(-u)};
    ASSERT_GT(DirAngle2D(e, fDown), kTwoPi - 0.001);
    EXPECT_EQ(SegmentRelation(a, b, e, fDown), 4);
    EXPECT_EQ(SegmentRelation(e, fDown, a, b), 6);
    // The same layout with both segments at +0.0004 is the plain "inside, same direction".
    const Coord2 fUp{e.x + std::cos(u), e.y + std::sin(u)};
    EXPECT_EQ(SegmentRelation(a, b, e, fUp), 3);
    EXPECT_EQ(SegmentRelation(e, fUp, a, b), 5);
}

TEST(NormalizeVec, UnitLengthAndShortVectorsVanish) {
    Coord3 v{3, 4, 12};
    NormalizeVec(v);
    EXPECT_NEAR(Length3(v), 1.0, 1e-12);
    EXPECT_NEAR(v.x, 3.0 / 13.0, 1e-12);
    Coord3 tiny{0.006, 0.006, 0};  // 0.0085 long: under a centimetre
    NormalizeVec(tiny);
    EXPECT_EQ(tiny.x, 0.0);
    EXPECT_EQ(tiny.y, 0.0);
    EXPECT_EQ(tiny.z, 0.0);
    Coord3 justLong{0.01, 0, 0};
    NormalizeVec(justLong);
    EXPECT_DOUBLE_EQ(justLong.x, 1.0);
}

TEST(PlaneFromPointNormal, StoresNormalAsGivenAndGradientWhenNotVertical) {
    PlaneRec plane;
    plane.gradient = Coord3{9, 9, 9};
    PlaneFromPointNormal(plane, Coord3{1, 2, 3}, Coord3{0, -2, 2});
    EXPECT_EQ(plane.normal.y, -2.0);  // not normalised
    EXPECT_DOUBLE_EQ(plane.gradient.y, -1.0);
    EXPECT_DOUBLE_EQ(plane.gradient.z, 1.0);
    PlaneFromPointNormal(plane, Coord3{}, Coord3{1, 0, 0});
    EXPECT_EQ(plane.gradient.x, 0.0);  // vertical: cleared, not left over
    EXPECT_EQ(plane.gradient.z, 0.0);
}

TEST(PlaneFromThreePoints, NormalFollowsTheOperandOrderAndGradientPointsUp) {
    PlaneRec plane{};
    // Counter-clockwise seen from above: (p0 - p1) x (p0 - p2) points up.
    ASSERT_TRUE(PlaneFromThreePoints(plane, Coord3{0, 0, 0}, Coord3{1, 0, 0}, Coord3{0, 1, 0}));
    EXPECT_DOUBLE_EQ(plane.normal.z, 1.0);
    PlaneRec cw{};
    ASSERT_TRUE(PlaneFromThreePoints(cw, Coord3{0, 0, 0}, Coord3{0, 1, 0}, Coord3{1, 0, 0}));
    EXPECT_DOUBLE_EQ(cw.normal.z, -1.0);
    EXPECT_DOUBLE_EQ(cw.gradient.z, 1.0);  // turned upward either way
    // A 45 degree plane rising to +y: the upward unit normal leans to -y.
    PlaneRec slope{};
    ASSERT_TRUE(PlaneFromThreePoints(slope, Coord3{0, 0, 0}, Coord3{0, 1, 1}, Coord3{1, 0, 0}));
    EXPECT_NEAR(slope.gradient.y, -std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(slope.gradient.z, std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(Length3(slope.gradient), 1.0, 1e-12);
}

TEST(PlaneFromThreePoints, CollinearOrTinyTrianglesSpanNoPlane) {
    PlaneRec plane{};
    EXPECT_FALSE(PlaneFromThreePoints(plane, Coord3{0, 0, 0}, Coord3{1, 1, 1}, Coord3{2, 2, 2}));
    EXPECT_EQ(Length3(plane.normal), 0.0);
    // Twice the area 0.009 m2: the cross product is shorter than 0.01.
    PlaneRec tiny{};
    EXPECT_FALSE(PlaneFromThreePoints(tiny, Coord3{0, 0, 0}, Coord3{0.09, 0, 0}, Coord3{0, 0.1, 0}));
    EXPECT_EQ(Length3(tiny.normal), 0.0);
    PlaneRec enough{};
    EXPECT_TRUE(PlaneFromThreePoints(enough, Coord3{0, 0, 0}, Coord3{0.11, 0, 0}, Coord3{0, 0.1, 0}));
}

TEST(VectorAngle, RangeZeroVectorsAndSnapping) {
    EXPECT_EQ(VectorAngle(Coord3{}, Coord3{1, 0, 0}), 0.0);
    EXPECT_EQ(VectorAngle(Coord3{1, 0, 0}, Coord3{0, 0, 1e-6}), 0.0);
    EXPECT_DOUBLE_EQ(VectorAngle(Coord3{1, 0, 0}, Coord3{0, 5, 0}), kPi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(Coord3{1, 0, 0}, Coord3{-2, 0, 0}), kPi);
    EXPECT_EQ(VectorAngle(Coord3{1, 0, 0}, Coord3{1, 1e-4, 0}), 0.0);  // cosine within 1e-5 of 1
}

// Two planes of a gable roof, 30 degrees each, meeting at a ridge along x.
TEST(FoldAngle, ParallelAlongAndAgainstTheEdge) {
    const Coord3 up{0, 0, 1};
    EXPECT_DOUBLE_EQ(FoldAngle(up, up, Coord3{0, 0, 0}, Coord3{1, 0, 0}), kPi);
    // a x b = (1,0,0) x (0,1,0) = (0,0,1).
    const Coord3 a{1, 0, 0}, b{0, 1, 0};
    EXPECT_NEAR(FoldAngle(a, b, Coord3{0, 0, 1}, Coord3{0, 0, 0}), kPi / 2, 1e-12);      // along p - q
    EXPECT_NEAR(FoldAngle(a, b, Coord3{0, 0, 0}, Coord3{0, 0, 1}), 1.5 * kPi, 1e-12);    // against: t + pi
    EXPECT_NEAR(FoldAngle(a, b, Coord3{0, 0, 0}, Coord3{1, 0, 1}), 1.5 * kPi, 1e-12);    // neither: 2pi - t
    EXPECT_NEAR(FoldAngle(a, b, Coord3{0, 0, 0}, Coord3{1, 0, 0}), 1.5 * kPi, 1e-12);
}

TEST(FoldAngle, GableRidgeIsConvexAndValleyConcave) {
    const double s = std::sin(30 * kDeg), c = std::cos(30 * kDeg);
    const Coord3 south{0, -s, c}, north{0, s, c};
    // The south plane, counter-clockwise from above, walks its ridge from +x to -x.
    const double ridge = FoldAngle(south, north, Coord3{10, 4, 3}, Coord3{0, 4, 3});
    EXPECT_NEAR(ridge, kPi + 60 * kDeg, 1e-9);
    // Planes falling towards the edge (a valley): the normals lean the other way.
    const double valley = FoldAngle(north, south, Coord3{10, 4, 3}, Coord3{0, 4, 3});
    EXPECT_NEAR(valley, 60 * kDeg, 1e-9);
}

TEST(FoldAngle, NearlyParallelNormalsCountAsFlat) {
    // 0.3 degree apart: the cross product is shorter than 0.01, so the fold is exactly pi.
    const Coord3 a{0, 0, 1}, b{0, std::sin(0.3 * kDeg), std::cos(0.3 * kDeg)};
    EXPECT_EQ(FoldAngle(a, b, Coord3{0, 0, 0}, Coord3{1, 0, 0}), kPi);
}

}  // namespace
