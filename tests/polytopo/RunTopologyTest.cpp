// Purpose: tests of the topology driver on whole roofs built from planes: the status and kind of
// every edge of gable, hip, valley, slope-break, flat, coplanar and skylight cases, and failures.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "TopoTestSupport.h"
#include "polytopo/EdgeCodes.h"
#include "polytopo/RunTopology.h"

namespace {

using topotest::AddPlane;
using topotest::KindOf;
using topotest::Plane;
using topotest::Ring;
using topotest::StatusOf;

constexpr double kDeg = kPi / 180.0;

class RunTopologyTest : public ::testing::Test {
protected:
    void SetUp() override {
        topotest::InstallTestHost();
        topotest::ResetModel();
        FreeTopologyLog();
    }
    void TearDown() override {
        topotest::ResetModel();
        FreeTopologyLog();
    }
    static std::string Log() { return TopologyLog(); }
};

// Gable roof on 10 x 8, eaves at z 3, ridge along y = 4 at z 5.
struct Gable {
    Coord3 a{0, 0, 3}, b{10, 0, 3}, c{10, 4, 5}, d{0, 4, 5}, e{10, 8, 3}, f{0, 8, 3};
};

TEST_F(RunTopologyTest, GableRoofRidgeEavesAndVerges) {
    const Gable g;
    const uint32_t south = AddPlane({g.a, g.b, g.c, g.d});
    const uint32_t north = AddPlane({g.f, g.d, g.c, g.e});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(south, g.c, g.d), kStatusRidge);
    EXPECT_EQ(KindOf(south, g.c, g.d), kKindSharedConvexHorizontal);
    EXPECT_EQ(StatusOf(north, g.c, g.d), kStatusRidge);
    EXPECT_EQ(StatusOf(south, g.a, g.b), kStatusEave);
    EXPECT_EQ(KindOf(south, g.a, g.b), kKindFreeLower);
    EXPECT_EQ(StatusOf(north, g.e, g.f), kStatusEave);
    for (const auto& [p, q] : {std::pair{g.b, g.c}, std::pair{g.d, g.a}}) {
        EXPECT_EQ(StatusOf(south, p, q), kStatusVerge);
        EXPECT_EQ(KindOf(south, p, q), kKindFreeFallLine);
    }
    EXPECT_EQ(StatusOf(north, g.c, g.e), kStatusVerge);
    EXPECT_EQ(StatusOf(north, g.f, g.d), kStatusVerge);
    // The closing vertex carries no edge; the contour count and groups are written back.
    EXPECT_EQ(Plane(south).edgeStatus[4], kStatusNoEdge);
    EXPECT_EQ(Plane(south).contourCount, 1u);
    EXPECT_EQ(Plane(south).group, Plane(north).group);
    EXPECT_EQ(Log(), "");
}

TEST_F(RunTopologyTest, WriteBackRecomputesPlaneCoordsInTrueLength) {
    const Gable g;
    const uint32_t south = AddPlane({g.a, g.b, g.c, g.d});
    AddPlane({g.f, g.d, g.c, g.e});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    const RoofPlane& p = Plane(south);
    // The eave is 10 m long; the verge rises 2 m over 4 m of plan: sqrt(20) on the slope.
    const Coord2 a = p.planeCoords[0], b = p.planeCoords[1], c = p.planeCoords[2];
    EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 10.0, 1e-9);
    EXPECT_NEAR(std::hypot(c.x - b.x, c.y - b.y), std::sqrt(20.0), 1e-9);
    EXPECT_NEAR(std::fabs(c.y - b.y), std::sqrt(20.0), 1e-9);
    EXPECT_NEAR(c.x, b.x, 1e-9);
}

// A hipped roof on a 12 x 8 rectangle at 45 degrees: ridge from (4,4,4) to (8,4,4).
TEST_F(RunTopologyTest, HippedRoofHipsAndRidge) {
    const Coord3 a{0, 0, 0}, b{12, 0, 0}, c{12, 8, 0}, d{0, 8, 0}, r1{4, 4, 4}, r2{8, 4, 4};
    const uint32_t south = AddPlane({a, b, r2, r1});
    const uint32_t east = AddPlane({b, c, r2});
    const uint32_t north = AddPlane({c, d, r1, r2});
    const uint32_t west = AddPlane({d, a, r1});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(south, r1, r2), kStatusRidge);
    EXPECT_EQ(StatusOf(north, r1, r2), kStatusRidge);
    for (const auto& [plane, p, q] : {std::tuple{south, b, r2}, std::tuple{south, a, r1}, std::tuple{east, b, r2},
                                      std::tuple{east, c, r2}, std::tuple{north, c, r2}, std::tuple{west, a, r1}}) {
        EXPECT_EQ(StatusOf(plane, p, q), kStatusHip);
        EXPECT_EQ(KindOf(plane, p, q), kKindSharedConvexSloped);
    }
    EXPECT_EQ(StatusOf(east, b, c), kStatusEave);
    EXPECT_EQ(StatusOf(west, d, a), kStatusEave);
}

// The inner corner of an L: plane z = x on x > y and plane z = y on y > x fall towards the diagonal.
TEST_F(RunTopologyTest, InnerCornerIsAValley) {
    const Coord3 o{0, 0, 0}, top{4, 4, 4};
    const uint32_t a = AddPlane({o, {4, 0, 4}, top});
    const uint32_t b = AddPlane({o, top, {0, 4, 4}});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(a, o, top), kStatusValley);
    EXPECT_EQ(KindOf(a, o, top), kKindSharedConcaveSloped);
    EXPECT_EQ(StatusOf(b, o, top), kStatusValley);
    // Their outer edges along the top are free upper edges: tops of single-slope planes.
    EXPECT_EQ(StatusOf(a, Coord3{4, 0, 4}, top), kStatusShedTop);
    EXPECT_EQ(KindOf(a, Coord3{4, 0, 4}, top), kKindFreeUpper);
}

// Two planes facing south meet at a horizontal line y = 4, z = 3.
struct Break {
    uint32_t lower, upper;
};
Break AddSlopeBreak(double lowerPitchDeg, double upperPitchDeg) {
    const double zLow = 3 - 4 * std::tan(lowerPitchDeg * kDeg);
    const double zHigh = 3 + 4 * std::tan(upperPitchDeg * kDeg);
    Break br;
    br.lower = AddPlane({{0, 0, zLow}, {10, 0, zLow}, {10, 4, 3}, {0, 4, 3}});
    br.upper = AddPlane({{0, 4, 3}, {10, 4, 3}, {10, 8, zHigh}, {0, 8, zHigh}});
    return br;
}
const Coord3 kBreakA{0, 4, 3}, kBreakB{10, 4, 3};

TEST_F(RunTopologyTest, SlopeBreakOfFifteenDegreesIsABreakEitherWay) {
    const Break flatterBelow = AddSlopeBreak(30, 45);  // concave
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(flatterBelow.lower, kBreakA, kBreakB), kStatusSlopeBreak);
    EXPECT_EQ(KindOf(flatterBelow.lower, kBreakA, kBreakB), kKindSharedBreakHorizontal);
    EXPECT_EQ(StatusOf(flatterBelow.upper, kBreakA, kBreakB), kStatusSlopeBreak);
    topotest::ResetModel();
    const Break steeperBelow = AddSlopeBreak(45, 30);  // convex
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(steeperBelow.lower, kBreakA, kBreakB), kStatusSlopeBreak);
    EXPECT_EQ(StatusOf(steeperBelow.upper, kBreakA, kBreakB), kStatusSlopeBreak);
}

// Regression: a concave fold within 10 degrees of flat was read as far from flat (fold angle near
// 0, compared against 170..190 degrees) and stayed a plain break.
TEST_F(RunTopologyTest, SlopeBreakWithinTenDegreesIsNearFlatEitherWay) {
    const Break concave = AddSlopeBreak(30, 35);
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(concave.lower, kBreakA, kBreakB), kStatusNearFlatHorizontal);
    EXPECT_EQ(KindOf(concave.lower, kBreakA, kBreakB), kKindSharedBreakHorizontal);
    EXPECT_EQ(StatusOf(concave.upper, kBreakA, kBreakB), kStatusNearFlatHorizontal);
    topotest::ResetModel();
    const Break convex = AddSlopeBreak(35, 30);
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(convex.lower, kBreakA, kBreakB), kStatusNearFlatHorizontal);
    EXPECT_EQ(StatusOf(convex.upper, kBreakA, kBreakB), kStatusNearFlatHorizontal);
}

// Regression: a 5 degree concave fold along a sloped edge stayed a valley.
TEST_F(RunTopologyTest, SlightSlopedFoldIsNearFlatNotAValley) {
    // Two planes meeting at the sloped line x = 5 from (5,0,0) to (5,8,4); the left one is tilted
    // towards the fold by 5 degrees, so the fold is concave and slight.
    const double rise = 5 * std::tan(5 * kDeg);
    const Coord3 p{5, 0, 0}, q{5, 8, 4};
    const uint32_t left = AddPlane({{0, 0, rise}, p, q, {0, 8, 4 + rise}});
    const uint32_t right = AddPlane({p, {10, 0, 0}, {10, 8, 4}, q});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(left, p, q), kStatusNearFlatSloped);
    EXPECT_EQ(KindOf(left, p, q), kKindSharedNearFlatSloped);
    EXPECT_EQ(StatusOf(right, p, q), kStatusNearFlatSloped);
}

TEST_F(RunTopologyTest, FlatPlaneEdgesAreFreeVerges) {
    const uint32_t flat = AddPlane({{0, 0, 3}, {6, 0, 3}, {6, 4, 3}, {0, 4, 3}});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(Plane(flat).edgeStatus[i], kStatusVerge) << i;
    EXPECT_EQ(Plane(flat).edgeKind[0], kKindFreeFallLine);
}

TEST_F(RunTopologyTest, CoplanarPlanesSharingSlopedAndHorizontalEdges) {
    // One 45 degree plane cut in four: a sloped cut x = 5 and a horizontal cut y = 4.
    auto z = [](double y) { return y; };
    const Coord3 m0{5, 0, z(0)}, m1{5, 4, z(4)}, m2{5, 8, z(8)};
    const uint32_t lowLeft = AddPlane({{0, 0, 0}, m0, m1, {0, 4, 4}});
    const uint32_t lowRight = AddPlane({m0, {10, 0, 0}, {10, 4, 4}, m1});
    const uint32_t highLeft = AddPlane({{0, 4, 4}, m1, m2, {0, 8, 8}});
    const uint32_t highRight = AddPlane({m1, {10, 4, 4}, {10, 8, 8}, m2});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(lowLeft, m0, m1), kStatusNearFlatSloped);
    EXPECT_EQ(KindOf(lowLeft, m0, m1), kKindSharedNearFlatSloped);
    EXPECT_EQ(StatusOf(highRight, m1, m2), kStatusNearFlatSloped);
    EXPECT_EQ(StatusOf(lowLeft, Coord3{0, 4, 4}, m1), kStatusSlopeBreak);
    EXPECT_EQ(KindOf(lowLeft, Coord3{0, 4, 4}, m1), kKindSharedBreakHorizontal);
    EXPECT_EQ(StatusOf(highLeft, Coord3{0, 4, 4}, m1), kStatusSlopeBreak);
    EXPECT_EQ(StatusOf(lowRight, m1, Coord3{10, 4, 4}), kStatusSlopeBreak);
}

TEST_F(RunTopologyTest, HorizontalValleyStaysUnclassified) {
    // Both planes fall towards y = 4: a horizontal gutter between them.
    const Coord3 a{0, 4, 3}, b{10, 4, 3};
    const uint32_t south = AddPlane({{0, 0, 5}, a, b, {10, 0, 5}});
    const uint32_t north = AddPlane({a, {0, 8, 5}, {10, 8, 5}, b});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(south, a, b), kStatusUnclassified);
    EXPECT_EQ(StatusOf(north, a, b), kStatusUnclassified);
    EXPECT_EQ(DummyStatusOf(kStatusUnclassified), dummystatus_free);
}

TEST_F(RunTopologyTest, SkylightHoleEdgesFreeAndShared) {
    // A 45 degree plane with a 2 x 2 hole; then the same with a glazing plane filling the hole.
    const Ring outer{{0, 0, 0}, {10, 0, 0}, {10, 8, 8}, {0, 8, 8}};
    const Ring hole{{4, 3, 3}, {6, 3, 3}, {6, 5, 5}, {4, 5, 5}};
    const uint32_t roof = AddPlane(outer, {hole});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(roof, hole[0], hole[1]), kStatusHoleLower);  // lower edge of the hole
    EXPECT_EQ(KindOf(roof, hole[0], hole[1]), kKindHoleLower);
    EXPECT_EQ(StatusOf(roof, hole[2], hole[3]), kStatusHoleUpper);
    EXPECT_EQ(KindOf(roof, hole[2], hole[3]), kKindHoleUpper);
    EXPECT_EQ(StatusOf(roof, hole[1], hole[2]), kStatusHoleSloped);
    EXPECT_EQ(KindOf(roof, hole[1], hole[2]), kKindHoleSloped);
    EXPECT_EQ(Plane(roof).contourCount, 2u);
    for (int s : {kStatusHoleLower, kStatusHoleUpper, kStatusHoleSloped, kStatusHoleSharedLower, kStatusHoleSharedUpper,
                  kStatusHoleSharedSloped})
        EXPECT_EQ(DummyStatusOf(int16_t(s)), dummystatus_skylight);

    topotest::ResetModel();
    const uint32_t holed = AddPlane(outer, {hole});
    AddPlane(hole);
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(StatusOf(holed, hole[0], hole[1]), kStatusHoleSharedLower);
    EXPECT_EQ(StatusOf(holed, hole[2], hole[3]), kStatusHoleSharedUpper);
    EXPECT_EQ(StatusOf(holed, hole[1], hole[2]), kStatusHoleSharedSloped);
}

TEST_F(RunTopologyTest, ClockwiseContoursComeBackCounterClockwise) {
    // The gable's south plane listed clockwise: the run still classifies it.
    const Gable g;
    const uint32_t south = AddPlane({g.a, g.d, g.c, g.b});
    AddPlane({g.f, g.d, g.c, g.e});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    const RoofPlane& p = Plane(south);
    double twiceArea = 0;
    for (uint32_t i = 0; i + 1 < p.vertexCount; ++i)
        twiceArea += p.vertices[i].x * p.vertices[i + 1].y - p.vertices[i + 1].x * p.vertices[i].y;
    EXPECT_NEAR(twiceArea / 2, 40.0, 1e-9);
    EXPECT_EQ(StatusOf(south, g.c, g.d), kStatusRidge);
    EXPECT_EQ(StatusOf(south, g.a, g.b), kStatusEave);
}

TEST_F(RunTopologyTest, TJunctionOfAHipOnAnEaveIsSplitBeforeMatching) {
    // A small lean-to whose top edge lies inside the main plane's eave line... the main plane's
    // eave (0..10) carries a neighbour that shares only its middle (3..7).
    const uint32_t main = AddPlane({{0, 0, 3}, {10, 0, 3}, {10, 4, 5}, {0, 4, 5}});
    const uint32_t lean = AddPlane({{3, 0, 3}, {3, -2, 2}, {7, -2, 2}, {7, 0, 3}});
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(Plane(main).vertexCount, 7u);
    EXPECT_EQ(StatusOf(main, Coord3{3, 0, 3}, Coord3{7, 0, 3}), StatusOf(lean, Coord3{3, 0, 3}, Coord3{7, 0, 3}));
    EXPECT_EQ(StatusOf(main, Coord3{0, 0, 3}, Coord3{3, 0, 3}), kStatusEave);
    EXPECT_EQ(StatusOf(main, Coord3{7, 0, 3}, Coord3{10, 0, 3}), kStatusEave);
    EXPECT_EQ(Plane(main).group, Plane(lean).group);
    // Every per-vertex array still covers the grown vertex count.
    EXPECT_GE(Plane(main).ridgeGuids.count, Plane(main).vertexCount);
    EXPECT_GE(Plane(main).edgeKind.count, Plane(main).vertexCount);
}

// ----- Failures -----

TEST_F(RunTopologyTest, EmptyRunFails) {
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(Log(), "Invalid or not enough input polygons!\n");
}

TEST_F(RunTopologyTest, DuplicatedPlanesAlertTheUser) {
    const Gable g;
    AddPlane({g.a, g.b, g.c, g.d});
    AddPlane({g.a, g.b, g.c, g.d});
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(Log(), "Duplicated polygons found!\n");
    EXPECT_EQ(topotest::LastReport().text, tevaro_test::MessageText(86));
}

TEST_F(RunTopologyTest, ThreePlanesOnOneEdgeFail) {
    const Gable g;
    AddPlane({g.a, g.b, g.c, g.d});
    AddPlane({g.f, g.d, g.c, g.e});
    AddPlane({g.d, g.c, {10, 6, 9}, {0, 6, 9}});  // a steep plane rising from the ridge
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    EXPECT_NE(Log().find("Multiple (morer than 2) connecting polygon edges found at polygon 0, edge 2\n"),
              std::string::npos)
        << Log();
}

TEST_F(RunTopologyTest, SelfCrossingPolygonFails) {
    AddPlane({{0, 0, 0}, {10, 0, 0}, {0, 6, 0}, {8, 10, 0}});
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    EXPECT_NE(Log().find("Intersecting polygon edges found at polygon 0, edge 3\n"), std::string::npos) << Log();
    EXPECT_GT(TopologyErrorCount(), 0u);
}

TEST_F(RunTopologyTest, UnclosedOutlineFailsWithoutWritingBack) {
    const Gable g;
    const uint32_t r = AddPlane({g.a, g.b, g.c, g.d});
    Plane(r).vertices[4] = Coord3{0.5, 0.5, 3};  // the closing repeat no longer closes
    Plane(r).edgeStatus[0] = 99;
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    EXPECT_NE(Log().find("Polygon no.0 subpolynum is incorrect!\n"), std::string::npos);
    EXPECT_EQ(Plane(r).edgeStatus[0], 99);
}

TEST_F(RunTopologyTest, ContourClosedWithinAMillimetreIsClosed) {
    const Gable g;
    const uint32_t r = AddPlane({g.a, g.b, g.c, g.d});
    Plane(r).vertices[4] = Coord3{0.0009, -0.0009, 3.0009};
    ASSERT_TRUE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(Plane(r).contourCount, 1u);
}

TEST_F(RunTopologyTest, OutOfMemoryDuringPointInsertionEndsTheRun) {
    const uint32_t main = AddPlane({{0, 0, 3}, {10, 0, 3}, {10, 4, 5}, {0, 4, 5}});
    AddPlane({{3, 0, 3}, {3, -2, 2}, {7, -2, 2}, {7, 0, 3}});
    while (Plane(main).vertices.count < Plane(main).vertices.capacity) ASSERT_TRUE(InsertVertexSlot(gState.roofPlanes, main, 4));
    const size_t alertsBefore = host::gSession.alerts.size(), linesBefore = host::gSession.reportLines.size();
    host::ArmAllocationFault(1);
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    host::DisarmAllocationFault();
    // Told once, as a want of memory, and not again as a failure of the engine.
    EXPECT_EQ(host::gSession.alerts.size(), alertsBefore);
    ASSERT_EQ(host::gSession.reportLines.size(), linesBefore + 1);
    EXPECT_NE(host::gSession.reportLines.back().text.find(tevaro_test::MessageText(17)), std::string::npos);
}

TEST_F(RunTopologyTest, LogIsKeptWithThePlanesAndReplacedByTheNextRun) {
    AddPlane({{0, 0, 0}, {10, 0, 0}, {0, 6, 0}, {8, 10, 0}});
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    EXPECT_NE(Log(), "");
    EXPECT_NE(Log(), "");  // reading it does not consume it
    topotest::ResetModel();  // the run's tables are released: the log goes with them
    EXPECT_EQ(Log(), "");
    AddPlane({{0, 0, 0}, {10, 0, 0}, {0, 6, 0}, {8, 10, 0}});
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    Plane(0).vertices[2] = Coord3{10, 6, 0};
    Plane(0).vertices[3] = Coord3{0, 6, 0};
    EXPECT_TRUE(RunTopology(gState.roofPlanes));  // a clean run leaves a clean log
    EXPECT_EQ(Log(), "");
}

}  // namespace
