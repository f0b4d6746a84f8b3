// Purpose: roof edges cut and marked along fills: outline corners, edges lying on a fill, heights.
#include "JunctionTestSupport.h"
#include "roofgeom/FillJunctions.h"
#include "roofgeom/WallJunctions.h"

namespace {

using FillJunctions = JunctionTest;

TEST_F(FillJunctions, EaveLyingOnAFillBecomesAWallEaveInTheFirstPass) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddFill(-1, 0, 12, 0);
    ASSERT_TRUE(SplitEdgeAtFills(gState.roofPlanes, a, 0));
    EXPECT_EQ(Status(a, 0), kStatusWallEave);
    EXPECT_EQ(Count(a), 5u);
}

TEST_F(FillJunctions, HorizontalEdgesOnAFillChangeInTheFirstPassOnly) {
    // The top edge and the hole's lower and upper edges lie on fill outlines; so does a verge,
    // which must wait for the second pass to learn its side.
    const TestContour outer{{{0, 0, 3}, {10, 0, 3}, {10, 8, 7}, {0, 8, 7}},
                            {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge}};
    const TestContour hole{{{4, 4, 5}, {5, 4, 5}, {5, 3, 4.5}, {4, 3, 4.5}},
                           {kStatusHoleUpper, kStatusHoleSloped, kStatusHoleLower, kStatusHoleSloped}};
    const uint32_t a = AddPlane({outer, hole});
    AddFill(0, 8, 10, 8);
    AddFill(4, 3, 5, 3);
    AddFill(4, 4, 5, 4);
    AddFill(10, 0, 10, 8);
    for (uint32_t i = 0; i < Count(a); ++i) {
        if (Status(a, i) > 0) ASSERT_TRUE(SplitEdgeAtFills(gState.roofPlanes, a, i));
    }
    EXPECT_EQ(Status(a, 2), kStatusWallTop);
    EXPECT_EQ(Status(a, 7), kStatusWallHoleLower);
    EXPECT_EQ(Status(a, 5), kStatusWallHoleUpper);
    EXPECT_EQ(Status(a, 1), kStatusVerge);
    EXPECT_EQ(Count(a), 10u);
}

TEST_F(FillJunctions, FillCountsAtAnyHeight) {
    // A verge high above the ground (z 30 to 32) along a fill: a wall would need that height,
    // a fill does not. The cut falls where the fill's outline ends.
    const uint32_t a = AddPlane({{{{0, 0, 30}, {10, 0, 30}, {10, 4, 32}, {0, 4, 32}},
                                  {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge}}});
    AddFill(10, -1, 10, 2);
    ASSERT_TRUE(ApplyFillJunctions(gState.roofPlanes));
    ASSERT_EQ(Count(a), 6u);
    EXPECT_NEAR(Vertex(a, 2).z, 31, 1e-12);
    EXPECT_EQ(Status(a, 1), kStatusWallVerge);  // looking downhill, the fill at x 10 is on the left
    EXPECT_EQ(Status(a, 2), kStatusVerge);
}

TEST_F(FillJunctions, EdgeAlreadyAlongAWallIsLeftToTheWall) {
    // The walls run first; an eave they made a wall eave no longer takes part in the fill steps.
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddWall(-1, 0, 11, 0, 0, 4);
    AddFill(3, 0, 7, 0);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_TRUE(ApplyFillJunctions(gState.roofPlanes));
    EXPECT_EQ(Count(a), 5u);
    EXPECT_EQ(Status(a, 0), kStatusWallEave);
}

TEST_F(FillJunctions, HostOutOfMemoryEndsTheStepWithAlignedArrays) {
    const uint32_t a = AddPlane({SouthPlaneContour()});
    AddFill(3, 0, 7, 0);
    host::ArmAllocationFault(1);
    EXPECT_FALSE(ApplyFillJunctions(gState.roofPlanes));
    host::DisarmAllocationFault();
    ExpectArraysAligned(a);
    EXPECT_EQ(Count(a), 5u);
}

}  // namespace
