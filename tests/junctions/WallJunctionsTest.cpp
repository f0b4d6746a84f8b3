// Purpose: roof edges cut and marked along walls: wall ends, wall heights, statuses and sides.
#include <cmath>

#include "JunctionTestSupport.h"
#include "roofgeom/JunctionEdges.h"
#include "roofgeom/WallJunctions.h"

namespace {

using WallSplit = JunctionTest;
using WallMarking = JunctionTest;

// ---- Cutting at the wall's ends ----------------------------------------------------------------

TEST_F(WallSplit, WallAlongTheMiddleOfAnEaveCutsItIntoThree) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(3, 0, 7, 0, 0, 8);
    ASSERT_TRUE(SplitEdgeAtWalls(gState.roofPlanes, a, 0));
    ASSERT_EQ(Count(a), 7u);
    EXPECT_DOUBLE_EQ(Vertex(a, 1).x, 3);
    EXPECT_DOUBLE_EQ(Vertex(a, 2).x, 7);
    // All three pieces stay eaves until the marking pass; the middle one runs along the wall.
    for (uint32_t i = 0; i < 3; ++i) EXPECT_EQ(Status(a, i), kStatusEave) << "piece " << i;
    EXPECT_EQ(Status(a, 3), kStatusVerge);
    ExpectArraysAligned(a);

    // The whole run marks only the middle piece.
    FreeRoofPlanes();
    const uint32_t b = AddPlane({SouthPlaneContour()});
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_EQ(Count(b), 7u);
    EXPECT_EQ(Status(b, 0), kStatusEave);
    EXPECT_EQ(Status(b, 1), kStatusWallEave);
    EXPECT_EQ(Status(b, 2), kStatusEave);
    EXPECT_DOUBLE_EQ(Vertex(b, 2).x - Vertex(b, 1).x, 4);  // the marked piece is as long as the wall
}

TEST_F(WallSplit, PiecesInheritKindAndRidgeOfTheEdgeTheyCameFrom) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(7, 0, 3, 0, 0, 8);  // the footprint edge drawn the other way round
    ASSERT_TRUE(SplitEdgeAtWalls(gState.roofPlanes, a, 0));
    ASSERT_EQ(Count(a), 7u);
    EXPECT_DOUBLE_EQ(Vertex(a, 1).x, 3);
    EXPECT_DOUBLE_EQ(Vertex(a, 2).x, 7);
    for (uint32_t i = 1; i < 3; ++i) {
        EXPECT_EQ(Plane(a).edgeKind[i], kKindFreeUpper);
        EXPECT_TRUE(Plane(a).ridgeGuids[i] == TestRidgeGuid(11, 0));
    }
    // The edges after the cut are the old ones, moved up.
    EXPECT_TRUE(Plane(a).ridgeGuids[3] == TestRidgeGuid(21, 1));
    ExpectPlaneCoordsFollowVertices(a);
}

TEST_F(WallSplit, WallEndingAtTheEavesCornerAddsNoVertexThere) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(-2, 0, 0.0005, 0, 0, 8);  // ends at the corner, within 0.001
    AddWall(6, 0, 9.9995, 0, 0, 8);   // one end inside, the other at the far corner
    AddWall(-3, 0, 9.9995, 0, 0, 8);  // from beyond the start to the far corner
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_EQ(Count(a), 6u);
    EXPECT_DOUBLE_EQ(Vertex(a, 1).x, 6);
    EXPECT_DOUBLE_EQ(Vertex(a, 2).x, 10);
}

TEST_F(WallSplit, WallReachingOverTheEavesEndCutsOnce) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(8, 0, 14, 0, 0, 8);   // starts inside, runs on past the corner
    AddWall(-4, 0, 2, 0, 0, 8);   // comes from beyond the start, ends inside
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_EQ(Count(a), 7u);
    EXPECT_DOUBLE_EQ(Vertex(a, 1).x, 2);
    EXPECT_DOUBLE_EQ(Vertex(a, 2).x, 8);
    EXPECT_EQ(Status(a, 0), kStatusWallEave);
    EXPECT_EQ(Status(a, 1), kStatusEave);
    EXPECT_EQ(Status(a, 2), kStatusWallEave);
}

TEST_F(WallSplit, WallWhollyLowerOrHigherThanTheEdgeDoesNotCut) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(3, 0, 7, 0, 0, 2.5);   // top below the eave at z 3
    AddWall(3, 0, 7, 0, 3.2, 9);   // foot above the eave
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Count(a), 5u);
    EXPECT_EQ(Status(a, 0), kStatusEave);
}

TEST_F(WallSplit, CutOnASlopedVergeFollowsTheEdgeInPlanDistance) {
    // A verge rising from z 3 to z 6 over 6 m in plan; a wall ends 2 m from its start.
    const uint32_t a = AddPlane(
        {{{{0, 0, 3}, {8, 0, 3}, {8, 6, 6}, {0, 6, 6}}, {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge}}});
    AddWall(8, 2, 8, 9, 0, 10);
    ASSERT_TRUE(SplitEdgeAtWalls(gState.roofPlanes, a, 1));
    ASSERT_EQ(Count(a), 6u);
    EXPECT_DOUBLE_EQ(Vertex(a, 2).y, 2);
    EXPECT_NEAR(Vertex(a, 2).z, 4, 1e-12);
    ExpectPlaneCoordsFollowVertices(a);
}

TEST_F(WallSplit, RidgesHipsAndValleysAreNeverCutNorMarked) {
    const uint32_t a = AddPlane({{{{0, 0, 5}, {10, 0, 5}, {10, 4, 7}, {0, 4, 7}},
                                  {kStatusRidge, kStatusHip, kStatusValley, kStatusNearFlatSloped}}});
    AddWall(3, 0, 7, 0, 0, 20);      // inside the ridge
    AddWall(10, -5, 10, 10, 0, 20);  // the hip lies on it
    AddWall(8, 4, 2, 4, 0, 20);      // inside the valley
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Count(a), 5u);
    const int16_t want[] = {kStatusRidge, kStatusHip, kStatusValley, kStatusNearFlatSloped, kStatusNoEdge};
    for (uint32_t i = 0; i < 5; ++i) EXPECT_EQ(Status(a, i), want[i]);
}

// ---- Cutting at the wall's heights and marking -------------------------------------------------

TEST_F(WallMarking, EaveAboveOrAtTheWallTopStaysAnEave) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(-1, 0, 11, 0, 0, 2.5);
    AddWall(-1, 0, 11, 0, 0, 3.0005);  // top at the eave's height, within 0.001
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Count(a), 5u);
    EXPECT_EQ(Status(a, 0), kStatusEave);
}

TEST_F(WallMarking, VergeFromThreeToSevenAlongAWallUpToFiveIsCutAtFive) {
    // Verge rising from (8,0,3) to (8,6,7); the wall stands from z 0 to z 5.
    const uint32_t a = AddPlane(
        {{{{0, 0, 3}, {8, 0, 3}, {8, 6, 7}, {0, 6, 7}}, {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge}}});
    AddWall(8, -1, 8, 8, 0, 5);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_EQ(Count(a), 6u);
    EXPECT_NEAR(Vertex(a, 2).z, 5, 1e-12);
    EXPECT_NEAR(Vertex(a, 2).y, 3, 1e-12);  // halfway along the edge
    EXPECT_TRUE(Status(a, 1) == kStatusWallVerge || Status(a, 1) == kStatusWallVergeSide) << Status(a, 1);
    EXPECT_EQ(Status(a, 2), kStatusVerge);  // the upper piece rises above the wall
    ExpectPlaneCoordsFollowVertices(a);
    ExpectArraysAligned(a);
}

TEST_F(WallMarking, FallingVergeAlongALowWallIsCutAtTheSameHeight) {
    // The left verge of the same plane runs downhill, from (0,6,7) to (0,0,3).
    const uint32_t a = AddPlane(
        {{{{0, 0, 3}, {8, 0, 3}, {8, 6, 7}, {0, 6, 7}}, {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge}}});
    AddWall(0, 8, 0, -1, 0, 5);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_EQ(Count(a), 6u);
    EXPECT_NEAR(Vertex(a, 4).z, 5, 1e-12);
    EXPECT_EQ(Status(a, 3), kStatusVerge);  // from z 7 down to the wall top
    EXPECT_TRUE(Status(a, 4) == kStatusWallVerge || Status(a, 4) == kStatusWallVergeSide) << Status(a, 4);
}

TEST_F(WallMarking, VergePassingThroughAWallsWholeHeightIsCutTwice) {
    // Verge from z 1 to z 9; the wall stands from z 3 to z 6: only the middle piece is marked.
    const uint32_t a = AddPlane(
        {{{{0, 0, 1}, {8, 0, 1}, {8, 8, 9}, {0, 8, 9}}, {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge}}});
    AddWall(8, -1, 8, 9, 3, 6);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_EQ(Count(a), 7u);
    EXPECT_NEAR(Vertex(a, 2).z, 3, 1e-12);
    EXPECT_NEAR(Vertex(a, 3).z, 6, 1e-12);
    EXPECT_NEAR(Vertex(a, 2).y, 2, 1e-12);
    EXPECT_NEAR(Vertex(a, 3).y, 5, 1e-12);
    EXPECT_EQ(Status(a, 1), kStatusVerge);
    EXPECT_TRUE(Status(a, 2) == kStatusWallVerge || Status(a, 2) == kStatusWallVergeSide) << Status(a, 2);
    EXPECT_EQ(Status(a, 3), kStatusVerge);
    ExpectPlaneCoordsFollowVertices(a);
}

TEST_F(WallMarking, VergeFallingBelowTheWallsFootIsCutThere) {
    // A wall standing from z 4 to z 9; the left verge falls from z 5 (within the wall's height)
    // to z 3 (below its foot): cut at z 4, the upper piece is marked, the lower one is not.
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(0, 6, 0, -1, 4, 9);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_EQ(Count(a), 6u);
    EXPECT_NEAR(Vertex(a, 4).z, 4, 1e-12);
    EXPECT_NEAR(Vertex(a, 4).y, 2, 1e-12);
    EXPECT_EQ(Status(a, 3), kStatusWallVergeSide);
    EXPECT_EQ(Status(a, 4), kStatusVerge);
}

TEST_F(WallMarking, WallsOnBothSidesOfAPlaneAreToldApart) {
    // Looking down the slope of the south plane, the wall at x 0 stands on the right hand and
    // the wall at x 10 on the left.
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(0, -1, 0, 6, 0, 12);
    AddWall(10, -1, 10, 6, 0, 12);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Count(a), 5u);  // both walls rise above the whole verges: no cut
    EXPECT_EQ(Status(a, 3), kStatusWallVergeSide);
    EXPECT_EQ(Status(a, 1), kStatusWallVerge);
}

TEST_F(WallMarking, SideOfTheLastEdgeIsJudgedOnTheContoursOwnVertices) {
    // Regression: the search for a third vertex started at the contour's closing copy of the
    // first vertex, which is the last edge's own end. The left verge is the contour's last edge
    // in the first plane and the first edge of the same contour started elsewhere in the second;
    // both must give the same side.
    const uint32_t last = AddPlane({SouthPlaneContour()});
    const uint32_t rotated = AddPlane(
        {{{{0, 4, 5}, {0, 0, 3}, {10, 0, 3}, {10, 4, 5}}, {kStatusVerge, kStatusEave, kStatusVerge, kStatusShedTop}}});
    AddWall(0, -1, 0, 6, 0, 12);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Status(last, 3), kStatusWallVergeSide);
    EXPECT_EQ(Status(rotated, 0), kStatusWallVergeSide);
}

TEST_F(WallMarking, WallBelowTheVergesFootDoesNotMarkIt) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(10, -1, 10, 6, 0, 3.0005);  // top at the verge's lower end
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Count(a), 5u);
    EXPECT_EQ(Status(a, 1), kStatusVerge);
}

TEST_F(WallMarking, ObliqueEdgeIsMarkedByWhetherTheWallLiesDownhill) {
    // Two planes falling towards -y with oblique side edges. The first widens uphill: walking
    // down the slope beside a side edge one runs into the wall (the verge side code). The second narrows uphill:
    // the walls beside it stand uphill of the plane (the plain wall verge).
    const uint32_t widening = AddPlane({{{{2, 0, 3}, {8, 0, 3}, {12, 6, 6}, {0, 6, 6}},
                                         {kStatusEave, kStatusFreeSloped, kStatusShedTop, kStatusFreeSloped}}});
    const uint32_t narrowing = AddPlane({{{{20, 0, 3}, {30, 0, 3}, {28, 6, 6}, {22, 6, 6}},
                                          {kStatusEave, kStatusFreeSloped, kStatusShedTop, kStatusFreeSloped}}});
    AddWall(8, 0, 12, 6, 0, 12);
    AddWall(0, 6, 2, 0, 0, 12);
    AddWall(30, 0, 28, 6, 0, 12);
    AddWall(22, 6, 20, 0, 0, 12);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Status(widening, 1), kStatusWallVergeSide);
    EXPECT_EQ(Status(widening, 3), kStatusWallVergeSide);
    EXPECT_EQ(Status(narrowing, 1), kStatusWallVerge);
    EXPECT_EQ(Status(narrowing, 3), kStatusWallVerge);
    EXPECT_EQ(Count(widening), 5u);
    EXPECT_EQ(Count(narrowing), 5u);
}

TEST_F(WallMarking, WallAlongThePlansYAxisOnADiagonallyFallingPlane) {
    // z = 3 + (x + y) / 2: the plane falls towards (-1, -1). Its side edges at x 0 and x 6 run
    // parallel to the y axis and are sloped without following the fall line. Walking downhill
    // one reaches the wall at x 0 (142) and walks away from the wall at x 6 (141).
    const uint32_t a = AddPlane({{{{0, 0, 3}, {6, 0, 6}, {6, 6, 9}, {0, 6, 6}},
                                  {kStatusFreeSloped, kStatusFreeSloped, kStatusFreeSloped, kStatusFreeSloped}}});
    AddWall(0, 7, 0, -1, 0, 20);
    AddWall(6, -1, 6, 7, 0, 20);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Status(a, 3), kStatusWallVergeSide);
    EXPECT_EQ(Status(a, 1), kStatusWallVerge);
    EXPECT_EQ(Status(a, 0), kStatusFreeSloped);
}

TEST_F(WallMarking, SideTestAtAReflexCornerUsesAPointOnThePlane) {
    // An L-shaped plane falling towards +x (z = 3 - x / 2), counter-clockwise from above. After
    // the oblique edge (-4,6) -> (-8,4) the contour turns right, so the next vertex lies outside
    // the plane. Taking the edge's own start as the base point would put it on the wall's line
    // and make the answer depend only on the compass direction of the fall line; the wall here
    // stands uphill of the plane, as the same edge of a convex plane shows.
    const uint32_t l =
        AddPlane({{{{0, 0, 3}, {0, 10, 3}, {-4, 10, 5}, {-4, 6, 5}, {-8, 4, 7}, {-8, 8, 7}, {-10, 8, 8}, {-10, 0, 8}},
                   {kStatusVerge, kStatusEave, kStatusVerge, kStatusFreeSloped, kStatusVerge, kStatusShedTop,
                    kStatusVerge, kStatusShedTop}}});
    const uint32_t convex = AddPlane({{{{-4, 6, 5}, {-8, 4, 7}, {-8, 0, 7}, {-4, 0, 5}},
                                       {kStatusFreeSloped, kStatusShedTop, kStatusVerge, kStatusEave}}});
    AddWall(-4, 6, -8, 4, 0, 20);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Status(l, 3), kStatusWallVerge);
    EXPECT_EQ(Status(convex, 0), kStatusWallVerge);
}

TEST_F(WallMarking, LevelPlaneAlongAWallGetsTheUnsidedCode) {
    // A flat roof: every free edge is a verge; a level plane has no downhill side.
    const uint32_t a = AddPlane(
        {{{{0, 0, 3}, {6, 0, 3}, {6, 4, 3}, {0, 4, 3}}, {kStatusVerge, kStatusVerge, kStatusVerge, kStatusVerge}}});
    AddWall(6, -1, 6, 5, 0, 6);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    EXPECT_EQ(Status(a, 1), kStatusWallVerge);
    EXPECT_EQ(Status(a, 0), kStatusVerge);
}

// ---- Holes along a chimney -----------------------------------------------------------------------

TEST_F(WallMarking, HoleEdgesAlongAChimneysWallsBecomeWallJunctions) {
    // A south plane 10 x 8 (z 3 at y 0 to z 7 at y 8) with a chimney hole from (4,3) to (5,4),
    // clockwise from above: upper edge (4,4)->(5,4), right side down (5,4)->(5,3), lower
    // edge (5,3)->(4,3), left side up (4,3)->(4,4).
    const TestContour outer{{{0, 0, 3}, {10, 0, 3}, {10, 8, 7}, {0, 8, 7}},
                            {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge}};
    const TestContour hole{{{4, 4, 5}, {5, 4, 5}, {5, 3, 4.5}, {4, 3, 4.5}},
                           {kStatusHoleUpper, kStatusHoleSloped, kStatusHoleLower, kStatusHoleSloped}};
    const uint32_t a = AddPlane({outer, hole});
    // The chimney: one wall whose closed footprint is the hole's outline, up to z 9.
    AddWall(4, 3, 5, 3, 0, 9);
    AddWall(5, 3, 5, 4, 0, 9);
    AddWall(5, 4, 4, 4, 0, 9);
    AddWall(4, 4, 4, 3, 0, 9);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_EQ(Count(a), 10u);
    EXPECT_EQ(Status(a, 5), kStatusWallHoleUpper);
    EXPECT_EQ(Status(a, 7), kStatusWallHoleLower);
    // Looking downhill (-y), the chimney at x 4..5 is right of the hole's right side and left
    // of its left side, seen from the plane beside each.
    EXPECT_EQ(Status(a, 6), kStatusWallHoleSlopedSide);  // plane at x > 5, chimney to its right looking downhill
    EXPECT_EQ(Status(a, 8), kStatusWallHoleSloped);
    // The outer contour does not touch the chimney.
    for (uint32_t i = 0; i < 4; ++i) EXPECT_LT(Status(a, i), 100) << "edge " << i;
}

// ---- Memory ----------------------------------------------------------------------------------------

TEST_F(WallSplit, HostOutOfMemoryEndsTheStepWithAlignedArrays) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(3, 0, 7, 0, 0, 8);
    host::ArmAllocationFault(1);
    EXPECT_FALSE(ApplyWallJunctions(gState.roofPlanes));
    host::DisarmAllocationFault();
    // Told once, by the growth that found no memory.
    EXPECT_TRUE(host::gSession.alerts.empty());
    ASSERT_EQ(host::gSession.reportLines.size(), 1u);
    EXPECT_TRUE(host::gSession.reportLines[0].withDialog);
    EXPECT_EQ(host::gSession.reportLines[0].text, tevaro_test::MessageText(17));
    ExpectArraysAligned(a);
    EXPECT_EQ(Count(a), 5u);
}

}  // namespace
