// Purpose: tests of the roof-model operations and of the T-junction point insertion with grouping.
#include <gtest/gtest.h>

#include <cmath>

#include "../polytopo/TopoTestSupport.h"
#include "roofgeom/InsertPlanePoints.h"

namespace {

using topotest::AddPlane;
using topotest::Plane;
using topotest::Ring;

class RoofModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        topotest::InstallTestHost();
        topotest::ResetModel();
        baselineHandles = topotest::LiveHandles();
    }
    void TearDown() override { topotest::ResetModel(); }
    size_t baselineHandles = 0;
};

// Plane A: 10 m of eave along y = 0 at z = 0, rising to z = 2 at y = 4 (south-facing).
Ring SouthPlane() { return {{0, 0, 0}, {10, 0, 0}, {10, 4, 2}, {0, 4, 2}}; }

bool Near(const Coord3& a, const Coord3& b) {
    return std::fabs(a.x - b.x) < 1e-9 && std::fabs(a.y - b.y) < 1e-9 && std::fabs(a.z - b.z) < 1e-9;
}

TEST_F(RoofModelTest, InsertVertexSlotMovesEveryArrayInStep) {
    const uint32_t r = AddPlane(SouthPlane());
    RoofPlane& p = Plane(r);
    for (uint32_t i = 0; i < p.vertexCount; ++i) {
        p.edgeStatus[i] = int16_t(100 + i);
        p.edgeKind[i] = int16_t(200 + i);
        p.ridgeGuids[i] = API_Guid{i, i};
    }
    const Coord3 third = p.vertices[2];
    ASSERT_TRUE(InsertVertexSlot(gState.roofPlanes, r, 2));
    RoofPlane& q = Plane(r);
    EXPECT_EQ(q.vertexCount, 6u);
    // Entry 2 still holds a copy of the old entry 2; the old entries 2..4 now sit at 3..5.
    EXPECT_TRUE(Near(q.vertices[2], third));
    EXPECT_TRUE(Near(q.vertices[3], third));
    EXPECT_EQ(q.edgeStatus[3], 102);
    EXPECT_EQ(q.edgeKind[5], 204);
    EXPECT_EQ(q.ridgeGuids[4].hi, 3u);
    EXPECT_EQ(q.planeCoords[3].x, q.planeCoords[2].x);
    EXPECT_GE(q.vertices.count, q.vertexCount);
    EXPECT_GE(q.edgeKind.count, q.vertexCount);
    // Appending at the end is a slot too.
    ASSERT_TRUE(InsertVertexSlot(gState.roofPlanes, r, 6));
    EXPECT_EQ(Plane(r).vertexCount, 7u);
    EXPECT_FALSE(InsertVertexSlot(gState.roofPlanes, r, 9));  // beyond the end
    EXPECT_FALSE(InsertVertexSlot(gState.roofPlanes, 7, 0));  // no such plane
}

TEST_F(RoofModelTest, InsertVertexSlotThatCannotGrowLeavesThePlaneAsItWas) {
    const uint32_t r = AddPlane(SouthPlane());
    // Fill the arrays to their capacity so the next slot needs memory.
    while (Plane(r).vertices.count < Plane(r).vertices.capacity) ASSERT_TRUE(InsertVertexSlot(gState.roofPlanes, r, 0));
    const uint32_t before = Plane(r).vertexCount;
    const Coord3 first = Plane(r).vertices[0];
    const Coord3 second = Plane(r).vertices[1];
    host::ArmAllocationFault(3);  // two arrays grow, the third fails
    EXPECT_FALSE(InsertVertexSlot(gState.roofPlanes, r, 0));
    host::DisarmAllocationFault();
    EXPECT_EQ(Plane(r).vertexCount, before);
    EXPECT_TRUE(Near(Plane(r).vertices[0], first));
    EXPECT_TRUE(Near(Plane(r).vertices[1], second));
    EXPECT_GE(Plane(r).planeCoords.capacity, before);
}

TEST_F(RoofModelTest, EdgesCoincideEitherWayWithinACentimetre) {
    const uint32_t a = AddPlane(SouthPlane());
    const uint32_t b = AddPlane({{10, 4, 2}, {0, 4, 2}, {0, 8, 0}, {10, 8, 0}});
    const uint32_t c = AddPlane({{0.005, 4.005, 2.005}, {10, 4, 2}, {10, 9, 0}});
    // A's edge 2 runs (10,4,2) -> (0,4,2); B's edge 0 is the same, in the same direction.
    EXPECT_TRUE(EdgesCoincide(gState.roofPlanes, a, 2, b, 0));
    EXPECT_TRUE(EdgesCoincide(gState.roofPlanes, b, 0, a, 2));
    EXPECT_TRUE(EdgesCoincide(gState.roofPlanes, a, 2, c, 0));  // reversed, within tolerance
    EXPECT_FALSE(EdgesCoincide(gState.roofPlanes, a, 0, b, 0));
    // The last edge index wraps its second point to vertex 0.
    EXPECT_TRUE(EdgesCoincide(gState.roofPlanes, a, 4, a, 4));
    EXPECT_FALSE(EdgesCoincide(gState.roofPlanes, a, 0, b, 40));
}

TEST_F(RoofModelTest, FreeRoofPlanesReleasesEverythingAndResetsTheCounters) {
    AddPlane(SouthPlane());
    AddPlane(SouthPlane(), {{{2, 1, 0.5}, {2, 2, 1}, {4, 2, 1}}});
    gState.roofPlanes.nextGroupId = 5;
    EXPECT_GT(topotest::LiveHandles(), baselineHandles);
    FreeRoofPlanes();
    EXPECT_EQ(topotest::LiveHandles(), baselineHandles);
    EXPECT_EQ(gState.roofPlanes.planes.count, 0u);
    EXPECT_EQ(gState.roofPlanes.nextGroupId, 0u);
}

// ----- Point insertion and grouping -----

TEST_F(RoofModelTest, IdenticalEdgesInEitherDirectionGroupWithoutNewVertices) {
    const uint32_t a = AddPlane(SouthPlane());
    const uint32_t b = AddPlane({{0, 8, 0}, {10, 8, 0}, {10, 4, 2}, {0, 4, 2}});   // ridge reversed
    const uint32_t c = AddPlane({{20, 0, 0}, {30, 0, 0}, {30, 4, 2}, {20, 4, 2}}); // apart
    for (uint32_t r = 0; r < 3; ++r) ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, r));
    EXPECT_EQ(Plane(a).vertexCount, 5u);
    EXPECT_EQ(Plane(b).vertexCount, 5u);
    EXPECT_NE(Plane(a).group, 0u);
    EXPECT_EQ(Plane(a).group, Plane(b).group);
    EXPECT_NE(Plane(c).group, Plane(a).group);
    EXPECT_EQ(gState.roofPlanes.nextGroupId, 2u);
}

TEST_F(RoofModelTest, EdgeEndingInsideAnotherEdgeInsertsThatPointWithInterpolatedPlaneCoords) {
    // B falls towards A's eave from the other side and starts at its midpoint: x 5..15 at y = 0.
    const uint32_t a = AddPlane(SouthPlane());
    const uint32_t b = AddPlane({{5, 0, 0}, {5, -4, 2}, {15, -4, 2}, {15, 0, 0}});
    const Coord2 eaveStart = Plane(a).planeCoords[0];
    const Coord2 eaveEnd = Plane(a).planeCoords[1];
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, a));
    ASSERT_EQ(Plane(a).vertexCount, 6u);
    EXPECT_TRUE(Near(Plane(a).vertices[1], Coord3{5, 0, 0}));
    EXPECT_NEAR(Plane(a).planeCoords[1].x, (eaveStart.x + eaveEnd.x) / 2, 1e-9);
    EXPECT_NEAR(Plane(a).planeCoords[1].y, (eaveStart.y + eaveEnd.y) / 2, 1e-9);
    EXPECT_EQ(Plane(a).group, Plane(b).group);  // the overlap 5..10 is shared
    // B receives A's corner when its own turn comes.
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, b));
    EXPECT_EQ(Plane(b).vertexCount, 6u);
    EXPECT_TRUE(Near(Plane(b).vertices[4], Coord3{10, 0, 0}));
}

TEST_F(RoofModelTest, PointInsertionAndSlotsWorkOnAnyTableAndLeaveTheRunsAlone) {
    // The same two planes as above, moved out of the run's table into a table of the test's own.
    const uint32_t a = AddPlane(SouthPlane());
    const uint32_t b = AddPlane({{5, 0, 0}, {5, -4, 2}, {15, -4, 2}, {15, 0, 0}});
    RoofPlaneTable own = gState.roofPlanes;
    gState.roofPlanes = RoofPlaneTable{};
    ASSERT_TRUE(InsertPlanePoints(own, a));
    ASSERT_TRUE(InsertPlanePoints(own, b));
    EXPECT_EQ(own.planes[a].vertexCount, 6u);
    EXPECT_EQ(own.planes[b].vertexCount, 6u);
    EXPECT_TRUE(Near(own.planes[b].vertices[4], Coord3{10, 0, 0}));
    EXPECT_EQ(own.planes[a].group, own.planes[b].group);
    EXPECT_EQ(own.nextGroupId, 1u);  // the groups were numbered in the table worked on
    // A's eave from 5 to 10 and B's from 10 back to 5 are the same edge, found in that table.
    EXPECT_TRUE(EdgesCoincide(own, a, 1, b, 4));
    EXPECT_FALSE(EdgesCoincide(gState.roofPlanes, a, 1, b, 4));
    ASSERT_TRUE(InsertVertexSlot(own, a, 0));
    EXPECT_EQ(own.planes[a].vertexCount, 7u);
    // The run's table was never touched.
    EXPECT_EQ(gState.roofPlanes.planes.count, 0u);
    EXPECT_EQ(gState.roofPlanes.nextGroupId, 0u);
    gState.roofPlanes = own;  // handed back for the release
}

TEST_F(RoofModelTest, EdgeStrictlyInsideGivesBothEndsInOrderAlongTheEdge) {
    const uint32_t a = AddPlane(SouthPlane());
    AddPlane({{3, 0, 0}, {3, -2, 1}, {7, -2, 1}, {7, 0, 0}});  // its edge 7 -> 3 lies inside 0 -> 10
    Plane(a).edgeStatus[0] = 77;
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, a));
    ASSERT_EQ(Plane(a).vertexCount, 7u);
    EXPECT_TRUE(Near(Plane(a).vertices[1], Coord3{3, 0, 0}));
    EXPECT_TRUE(Near(Plane(a).vertices[2], Coord3{7, 0, 0}));
    EXPECT_TRUE(Near(Plane(a).vertices[3], Coord3{10, 0, 0}));
    // The new vertices carry the status of the edge they split.
    EXPECT_EQ(Plane(a).edgeStatus[1], 77);
    EXPECT_EQ(Plane(a).edgeStatus[2], 77);
    // Plane coordinates follow the true lengths along the eave.
    EXPECT_NEAR(std::fabs(Plane(a).planeCoords[2].x - Plane(a).planeCoords[1].x), 4.0, 1e-9);
}

TEST_F(RoofModelTest, TouchingOnlyAtAnEndPointNeitherInsertsNorGroups) {
    // B's eave continues A's eave from A's corner (10, 0, 0); the planes share no more than that point.
    const uint32_t a = AddPlane(SouthPlane());
    const uint32_t b = AddPlane({{10, 0, 0}, {20, 0, 0}, {20, 4, 2}, {12, 4, 2}});
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, a));
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, b));
    EXPECT_EQ(Plane(a).vertexCount, 5u);
    EXPECT_EQ(Plane(b).vertexCount, 5u);
    EXPECT_NE(Plane(a).group, Plane(b).group);
}

TEST_F(RoofModelTest, LongerEdgeBeyondBothEndsJoinsGroupsAndInsertsOnlyIntoItself) {
    const uint32_t a = AddPlane({{2, 0, 0}, {8, 0, 0}, {8, 4, 2}, {2, 4, 2}});
    const uint32_t b = AddPlane({{0, 0, 0}, {0, -4, 2}, {10, -4, 2}, {10, 0, 0}});
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, a));
    EXPECT_EQ(Plane(a).vertexCount, 5u);
    EXPECT_EQ(Plane(a).group, Plane(b).group);
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, b));
    ASSERT_EQ(Plane(b).vertexCount, 7u);
    // B's eave runs 10 -> 0: A's far end (2) goes in first, the near end (8) before it.
    EXPECT_TRUE(Near(Plane(b).vertices[4], Coord3{8, 0, 0}));
    EXPECT_TRUE(Near(Plane(b).vertices[5], Coord3{2, 0, 0}));
}

TEST_F(RoofModelTest, ContourStartIsKeptWhenTheFirstEdgeGrowsAndTheJumpToTheHoleIsNoEdge) {
    // A has a hole; its jump edge runs from the closing vertex (0,0,0) to the hole's first vertex
    // (4,1,0.5). C has an edge on that line with an end strictly inside the jump: it must not go in.
    const uint32_t a = AddPlane(SouthPlane(), {{{4, 1, 0.5}, {6, 1, 0.5}, {6, 2, 1}, {4, 2, 1}}});
    AddPlane({{3, -2, 0}, {7, -2, 0}, {7, 0, 0}, {3, 0, 0}});  // gives A's first edge (3,0) and (7,0)
    AddPlane({{2, 0.5, 0.25}, {-4, -1, -0.5}, {-4, -3, -0.5}});
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, a));
    // Outer contour: 5 + 2 inserted points; hole: 5 records; nothing inside the jump.
    ASSERT_EQ(Plane(a).vertexCount, 12u);
    EXPECT_TRUE(Near(Plane(a).vertices[6], Coord3{0, 0, 0}));
    EXPECT_TRUE(Near(Plane(a).vertices[7], Coord3{4, 1, 0.5}));
}

TEST_F(RoofModelTest, SharingPlanesMoveTheirWholeGroupIntoTheOther) {
    const uint32_t a = AddPlane(SouthPlane());
    const uint32_t far = AddPlane({{40, 0, 0}, {50, 0, 0}, {50, 4, 2}});
    const uint32_t b = AddPlane({{10, 4, 2}, {0, 4, 2}, {0, 8, 0}, {10, 8, 0}});
    Plane(a).group = 1;
    Plane(far).group = 1;
    Plane(b).group = 2;
    gState.roofPlanes.nextGroupId = 2;
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, a));
    EXPECT_EQ(Plane(a).group, 2u);
    EXPECT_EQ(Plane(far).group, 2u);
    EXPECT_EQ(Plane(b).group, 2u);
    EXPECT_EQ(gState.roofPlanes.nextGroupId, 2u);
}

TEST_F(RoofModelTest, SingleVertexPlaneOnlyGetsItsGroup) {
    const uint32_t a = AddPlane(SouthPlane());
    Plane(a).vertexCount = 1;
    AddPlane(SouthPlane());
    ASSERT_TRUE(InsertPlanePoints(gState.roofPlanes, a));
    EXPECT_EQ(Plane(a).group, 1u);
    EXPECT_EQ(Plane(a).vertexCount, 1u);
    EXPECT_TRUE(InsertPlanePoints(gState.roofPlanes, 99));  // no such plane: nothing happens
    EXPECT_EQ(gState.roofPlanes.nextGroupId, 1u);
}

TEST_F(RoofModelTest, PointInsertionWithoutMemoryStopsWithArraysInStep) {
    const uint32_t a = AddPlane(SouthPlane());
    AddPlane({{3, 0, 0}, {3, -2, 1}, {7, -2, 1}, {7, 0, 0}});
    while (Plane(a).vertices.count < Plane(a).vertices.capacity) ASSERT_TRUE(InsertVertexSlot(gState.roofPlanes, a, 4));
    const uint32_t before = Plane(a).vertexCount;
    host::ArmAllocationFault(1);
    EXPECT_FALSE(InsertPlanePoints(gState.roofPlanes, a));
    host::DisarmAllocationFault();
    EXPECT_EQ(Plane(a).vertexCount, before);
    EXPECT_LE(Plane(a).vertexCount, Plane(a).vertices.capacity);
    EXPECT_LE(Plane(a).vertexCount, Plane(a).edgeKind.capacity);
}

}  // namespace
