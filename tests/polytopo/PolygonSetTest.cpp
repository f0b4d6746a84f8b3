// Purpose: tests of the polygon set records, validation steps, vertex removal and node insertion.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TopoTestSupport.h"
#include "polytopo/EdgeFlagging.h"
#include "polytopo/NodeInsertion.h"
#include "polytopo/ValidatePolygons.h"

namespace {

using topotest::Ring;

// A polygon set built directly from rings: each polygon one outer ring and optional holes, each
// contour closed by a repeat of its first point (marked contourEnd).
struct SetBuilder {
    std::vector<std::vector<Ring>> polygons;
};

PolygonSet MakeSet(const std::vector<std::vector<Ring>>& polygons) {
    PolygonSet set;
    set.polygonCount = uint32_t(polygons.size());
    if (polygons.empty()) return set;
    EXPECT_TRUE(HostArrayReserve(set.polygons, set.polygonCount));
    set.polygons.count = set.polygonCount;
    for (uint32_t p = 0; p < set.polygonCount; ++p) {
        std::vector<TopoVertex> records;
        for (const Ring& ring : polygons[p]) {
            for (const Coord3& point : ring) {
                TopoVertex v;
                v.point = point;
                records.push_back(v);
            }
            TopoVertex closing;
            closing.point = ring.front();
            closing.contourEnd = 1;
            records.push_back(closing);
        }
        TopoPolygon& polygon = set.polygons[p];
        polygon = TopoPolygon{};
        polygon.groupId = 1;
        polygon.vertexCount = uint32_t(records.size());
        polygon.vertices = BMAllocateHandle(int32_t(records.size() * sizeof(TopoVertex)), ALLOCATE_CLEAR, 0);
        std::memcpy(*polygon.vertices, records.data(), records.size() * sizeof(TopoVertex));
    }
    RecountVertices(set);
    return set;
}

std::vector<Coord3> PointsOf(PolygonSet& set, uint32_t p) {
    std::vector<Coord3> out;
    const TopoVertex* v = PolygonVertices(set, p);
    for (uint32_t k = 0; k < set.polygons[p].vertexCount; ++k) out.push_back(v[k].point);
    return out;
}

bool Near(const Coord3& a, const Coord3& b, double tol = 1e-9) {
    return std::fabs(a.x - b.x) < tol && std::fabs(a.y - b.y) < tol && std::fabs(a.z - b.z) < tol;
}

std::string LogOf(const PolygonSet& set) { return set.log.handle == nullptr ? "" : set.log.data(); }

class PolygonSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        topotest::InstallTestHost();
        baselineHandles = topotest::LiveHandles();
    }
    void TearDown() override {
        FreePolygonSet(set);
        EXPECT_EQ(topotest::LiveHandles(), baselineHandles);  // every handle of the set released
    }
    PolygonSet set;
    size_t baselineHandles = 0;
};

const Ring kSquare{{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}};

// ----- Records, log and resizing -----

TEST_F(PolygonSetTest, EmptyVertexHasNoNeighbourIndexes) {
    const TopoVertex v;
    EXPECT_EQ(v.neigPolyIndex, 0xFFFFFFFFu);
    EXPECT_EQ(v.neigEdgeIndex, 0xFFFFFFFFu);
    EXPECT_EQ(v.linkState, 0u);
    EXPECT_EQ(v.contourEnd, 0);
    set = MakeSet({{kSquare}});
    PolygonVertices(set, 0)[1].linkState = 2;
    PolygonVertices(set, 0)[1].neigPolyIndex = 3;
    ClearVertex(set, 0, 1);
    EXPECT_EQ(PolygonVertices(set, 0)[1].linkState, 0u);
    EXPECT_EQ(PolygonVertices(set, 0)[1].neigPolyIndex, 0xFFFFFFFFu);
}

TEST_F(PolygonSetTest, LogCollectsLinesAndIgnoresEmptyText) {
    AppendLog(set, "");
    EXPECT_EQ(set.log.handle, nullptr);
    AppendLog(set, "first");
    AppendLog(set, nullptr);
    LogProblem(set, "Polygon no.%i is not planar!", 3);
    EXPECT_EQ(LogOf(set), "first\nPolygon no.3 is not planar!\n");
    EXPECT_EQ(set.errorCount, 1u);
    for (int i = 0; i < 200; ++i) AppendLog(set, "a line long enough to make the log grow more than once");
    EXPECT_EQ(LogOf(set).size(), 6u + 28u + 200u * 55u);
}

TEST_F(PolygonSetTest, ResizeTracesEveryStepAndReportsMemoryFull) {
    set = MakeSet({{kSquare}});
    ASSERT_TRUE(InsertVertex(set, 0, 0, Coord3{2, 0, 0}));
    EXPECT_TRUE(topotest::Reported("Growing polygon:0 by one record"));
    EXPECT_EQ(set.polygons[0].vertexCount, 6u);
    EXPECT_TRUE(Near(PolygonVertices(set, 0)[1].point, Coord3{2, 0, 0}));
    EXPECT_TRUE(Near(PolygonVertices(set, 0)[2].point, Coord3{4, 0, 0}));
    EXPECT_EQ(PolygonVertices(set, 0)[5].contourEnd, 1);
    ASSERT_TRUE(RemoveVertex(set, 0, 1));
    EXPECT_TRUE(topotest::Reported("Shrinking polygon:0 by one record"));
    EXPECT_EQ(set.polygons[0].vertexCount, 5u);
    EXPECT_TRUE(Near(PolygonVertices(set, 0)[1].point, Coord3{4, 0, 0}));
    EXPECT_EQ(PolygonVertices(set, 0)[4].contourEnd, 1);

    AppendLog(set, "start");  // the log has its room already, as the driver gives it
    host::ArmAllocationFault(1);
    EXPECT_FALSE(InsertVertex(set, 0, 0, Coord3{1, 0, 0}));
    host::DisarmAllocationFault();
    EXPECT_EQ(LogOf(set), "start\nMemory full error!\n");
    EXPECT_EQ(set.errorCount, 1u);
    EXPECT_EQ(set.polygons[0].vertices, nullptr);
    EXPECT_FALSE(ResizePolygon(set, 0, false));  // no vertex list left
}

// ----- Validation steps -----

TEST_F(PolygonSetTest, EmptySetIsRejected) {
    EXPECT_FALSE(ValidatePolygons(set));
    EXPECT_EQ(LogOf(set), "Invalid or not enough input polygons!\n");
    EXPECT_EQ(set.errorCount, 1u);
}

TEST_F(PolygonSetTest, DuplicatesAreSameSequencesOnly) {
    const Ring shifted{{4, 0, 0}, {4, 4, 0}, {0, 4, 0}, {0, 0, 0}};
    const Ring reversed{{0, 0, 0}, {0, 4, 0}, {4, 4, 0}, {4, 0, 0}};
    set = MakeSet({{kSquare}, {shifted}, {reversed}});
    EXPECT_FALSE(CheckDuplicates(set));
    FreePolygonSet(set);
    Ring nearly = kSquare;
    nearly[2].x += 0.009;  // within a centimetre: still the same vertex
    set = MakeSet({{kSquare}, {nearly}});
    EXPECT_TRUE(CheckDuplicates(set));
    EXPECT_EQ(LogOf(set), "Duplicated polygons found!\n");
    EXPECT_EQ(topotest::LastReport().text, tevaro_test::MessageText(86));
    EXPECT_TRUE(topotest::LastReport().withDialog);
}

TEST_F(PolygonSetTest, ContoursAreNumberedAndHolesMarked) {
    const Ring hole{{1, 1, 0}, {1, 2, 0}, {2, 2, 0}};
    set = MakeSet({{kSquare, hole}});
    ASSERT_TRUE(NumberContours(set));
    EXPECT_EQ(set.polygons[0].subpolynum, 2u);
    const TopoVertex* v = PolygonVertices(set, 0);
    EXPECT_EQ(v[4].contour, 0u);  // the outer contour's closing vertex
    EXPECT_EQ(v[4].inHole, 0);
    EXPECT_EQ(v[5].contour, 1u);
    EXPECT_EQ(v[5].inHole, 1);
    EXPECT_EQ(v[8].contour, 1u);
}

TEST_F(PolygonSetTest, UnclosedOutlineHasNoContour) {
    set = MakeSet({{kSquare}});
    PolygonVertices(set, 0)[4].contourEnd = 0;
    EXPECT_FALSE(NumberContours(set));
    EXPECT_EQ(LogOf(set), "Polygon no.0 subpolynum is incorrect!\n");
}

TEST_F(PolygonSetTest, PlanarityTakesTheUpwardNormalAndPitch) {
    const Ring slope{{0, 0, 0}, {4, 0, 0}, {4, 4, 4}, {0, 4, 4}};  // 45 degrees, rising to +y
    const Ring wall{{0, 0, 0}, {4, 0, 0}, {4, 0, 3}, {0, 0, 3}};    // vertical
    set = MakeSet({{slope}, {wall}});
    ASSERT_TRUE(CheckPlanarity(set, 0));
    EXPECT_NEAR(set.polygons[0].upNormal.y, -std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(set.polygons[0].upNormal.z, std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(set.polygons[0].pitch, kPi / 4, 1e-12);
    ASSERT_TRUE(CheckPlanarity(set, 1));
    EXPECT_EQ(Length3(set.polygons[1].upNormal), 0.0);
    EXPECT_EQ(set.polygons[1].pitch, 0.0);
}

TEST_F(PolygonSetTest, PolygonOfTwoVerticesIsNotPlanarAndTheSequenceGoesOn) {
    set = MakeSet({{kSquare}, {{{10, 0, 0}}}});
    EXPECT_FALSE(CheckPlanarity(set, 1));
    ValidatePolygons(set);
    EXPECT_NE(LogOf(set).find("Polygon no.1 is not planar!\n"), std::string::npos);
    EXPECT_NE(LogOf(set).find("Polygon no.1 vertexorder is invalid!\n"), std::string::npos);
    EXPECT_EQ(set.polygons[0].orderChecked, 1u);  // the sequence reached the vertex order
}

TEST_F(PolygonSetTest, ClockwiseContoursAreReversedKeepingEveryVertex) {
    // A clockwise triangle and a clockwise pentagon (odd runs of records), and a square whose hole
    // runs counter-clockwise.
    const Ring triangle{{0, 0, 0}, {0, 3, 0}, {3, 0, 0}};
    const Ring pentagon{{10, 0, 0}, {9, 2, 0}, {11, 4, 0}, {13, 2, 0}, {12, 0, 0}};
    const Ring hole{{1, 1, 0}, {2, 1, 0}, {2, 2, 0}, {1, 2, 0}};
    set = MakeSet({{triangle}, {pentagon}, {kSquare, hole}});
    CheckPlanarity(set, 0);
    CheckPlanarity(set, 1);
    CheckPlanarity(set, 2);
    ASSERT_TRUE(NumberContours(set));
    const double triangleArea = ContourArea(set, 0, 0);
    EXPECT_NEAR(triangleArea, -4.5, 1e-9);
    for (uint32_t p = 0; p < 3; ++p) ASSERT_TRUE(CheckVertexOrder(set, p)) << p;
    EXPECT_NEAR(ContourArea(set, 0, 0), 4.5, 1e-9);
    EXPECT_NEAR(set.polygons[0].area, 4.5, 1e-9);
    const std::vector<Coord3> t = PointsOf(set, 0);
    EXPECT_TRUE(Near(t[0], triangle[0]));
    EXPECT_TRUE(Near(t[1], triangle[2]));
    EXPECT_TRUE(Near(t[2], triangle[1]));
    EXPECT_TRUE(Near(t[3], triangle[0]));
    EXPECT_EQ(PolygonVertices(set, 0)[3].contourEnd, 1);
    const std::vector<Coord3> q = PointsOf(set, 1);
    ASSERT_EQ(q.size(), 6u);
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Near(q[size_t(i)], pentagon[size_t((5 - i) % 5)])) << i;
    EXPECT_GT(ContourArea(set, 1, 0), 0.0);
    EXPECT_NEAR(set.polygons[2].area, 16.0 - 1.0, 1e-9);
    EXPECT_LT(ContourArea(set, 2, 1), 0.0);  // the hole now runs clockwise
    EXPECT_EQ(PolygonVertices(set, 2)[9].contourEnd, 1);
}

TEST_F(PolygonSetTest, ZeroAreaContourFailsTheVertexOrder) {
    set = MakeSet({{{{0, 0, 0}, {4, 0, 0}, {8, 0, 0}}}});
    EXPECT_FALSE(ValidatePolygons(set));
    EXPECT_NE(LogOf(set).find("Polygon no.0 vertexorder is invalid!\n"), std::string::npos);
}

TEST_F(PolygonSetTest, ReverseContourRefusesMissingContours) {
    set = MakeSet({{kSquare}});
    EXPECT_FALSE(ReverseContour(set, 0, 1));
    EXPECT_FALSE(ReverseContour(set, 5, 0));
    EXPECT_EQ(ContourArea(set, 0, 3), 0.0);
}

// ----- Vertex removal -----

TEST_F(PolygonSetTest, CoincidentVerticesCollapseWithinACentimetreOnly) {
    const Ring ring{{0, 0, 0}, {4, 0, 0}, {4.005, 0, 0}, {4, 4, 0}, {4.02, 4, 0}, {0, 4, 0}};
    set = MakeSet({{ring}});
    ASSERT_TRUE(RemoveCoincidentVertices(set));
    const std::vector<Coord3> p = PointsOf(set, 0);
    ASSERT_EQ(p.size(), 6u);
    EXPECT_TRUE(Near(p[1], Coord3{4, 0, 0}));
    EXPECT_TRUE(Near(p[2], Coord3{4, 4, 0}));
    EXPECT_TRUE(Near(p[3], Coord3{4.02, 4, 0}));
}

TEST_F(PolygonSetTest, RemovingTheClosingVertexKeepsTheContourClosed) {
    // The last real vertex lies 4 mm from the first: the closing repeat goes, the contour must stay closed.
    const Ring ring{{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}, {0.004, 0, 0}};
    const Ring hole{{1, 1, 0}, {1, 2, 0}, {2, 2, 0}};
    set = MakeSet({{ring, hole}});
    ASSERT_TRUE(RemoveCoincidentVertices(set));
    ASSERT_TRUE(NumberContours(set));
    EXPECT_EQ(set.polygons[0].subpolynum, 2u);
    const TopoVertex* v = PolygonVertices(set, 0);
    EXPECT_EQ(v[4].contourEnd, 1);
    EXPECT_EQ(v[5].inHole, 1);
    EXPECT_EQ(set.polygons[0].vertexCount, 9u);
    // The contour still ends on an exact copy of its first point, not on the vertex 4 mm away.
    EXPECT_EQ(v[4].point.x, v[0].point.x);
    EXPECT_EQ(v[4].point.y, v[0].point.y);
    EXPECT_EQ(v[4].point.z, v[0].point.z);
    EXPECT_TRUE(Near(v[3].point, Coord3{0, 4, 0}));
    for (uint32_t k = 0; k < 4; ++k) EXPECT_EQ(v[k].contourEnd, 0) << k;
}

TEST_F(PolygonSetTest, EveryContourEndsOnItsFirstPointAfterRemovingNearVerticesAroundItsEnd) {
    // Several vertices within a centimetre of the first point at a contour's end, in an outer
    // ring and in a hole: each contour must close on its own first point and keep its shape.
    const Ring ring{{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}, {0, 0.006, 0}, {0.003, 0.002, 0}};
    const Ring hole{{1, 1, 0}, {1, 2, 0}, {2, 2, 0}, {1.004, 1, 0}};
    set = MakeSet({{ring, hole}});
    ASSERT_TRUE(RemoveCoincidentVertices(set));
    const TopoVertex* v = PolygonVertices(set, 0);
    const uint32_t n = set.polygons[0].vertexCount;
    ASSERT_EQ(n, 9u);
    uint32_t start = 0, contours = 0;
    for (uint32_t k = 0; k < n; ++k) {
        if (v[k].contourEnd != 1) continue;
        EXPECT_EQ(v[k].point.x, v[start].point.x) << "contour " << contours;
        EXPECT_EQ(v[k].point.y, v[start].point.y) << "contour " << contours;
        EXPECT_EQ(k - start, contours == 0 ? 4u : 3u) << "contour " << contours;  // its corners
        for (uint32_t j = start; j + 1 < k; ++j)  // no edge left shorter than a centimetre
            EXPECT_GE(std::hypot(v[j + 1].point.x - v[j].point.x, v[j + 1].point.y - v[j].point.y), 0.01);
        start = k + 1;
        ++contours;
    }
    EXPECT_EQ(contours, 2u);
}

// ----- Segment tests -----

TEST_F(PolygonSetTest, CrossingsAwayFromTheEndZonesOnly) {
    Coord3 x;
    EXPECT_TRUE(SegmentCrossing(Segment3{{0, 0, 0}, {10, 0, 0}}, Segment3{{5, -5, 0}, {5, 5, 0}}, x));
    EXPECT_TRUE(Near(x, Coord3{5, 0, 0}));
    // 0.5 % from an end: inside the end zone, no crossing.
    EXPECT_FALSE(SegmentCrossing(Segment3{{0, 0, 0}, {10, 0, 0}}, Segment3{{0.05, -5, 0}, {0.05, 5, 0}}, x));
    EXPECT_FALSE(SegmentCrossing(Segment3{{0, 0, 0}, {10, 0, 0}}, Segment3{{5, 0, 0}, {5, 5, 0}}, x));
    // Skew lines 5 cm apart do not cross; parallel segments never do.
    EXPECT_FALSE(SegmentCrossing(Segment3{{0, 0, 0}, {10, 0, 0}}, Segment3{{5, -5, 0.05}, {5, 5, 0.05}}, x));
    EXPECT_FALSE(SegmentCrossing(Segment3{{0, 0, 0}, {10, 0, 0}}, Segment3{{0, 1, 0}, {10, 1, 0}}, x));
    EXPECT_FALSE(SegmentCrossing(Segment3{{0, 0, 0}, {0.005, 0, 0}}, Segment3{{5, -5, 0}, {5, 5, 0}}, x));
}

TEST_F(PolygonSetTest, PointOnSegmentEndsInsideAndBeyond) {
    const Segment3 b{{0, 0, 0}, {10, 0, 0}};
    EXPECT_TRUE(PointOnSegment(Coord3{0.005, 0, 0}, b));
    EXPECT_TRUE(PointOnSegment(Coord3{3, 0, 0}, b));
    EXPECT_FALSE(PointOnSegment(Coord3{12, 0, 0}, b));
    EXPECT_FALSE(PointOnSegment(Coord3{-2, 0, 0}, b));
    EXPECT_FALSE(PointOnSegment(Coord3{5, 0.01, 0}, b));  // 0.11 degree off the line
}

TEST_F(PolygonSetTest, OverlapCodes) {
    const Segment3 b{{0, 0, 0}, {10, 0, 0}};
    InsPoint r;
    ASSERT_TRUE(SegmentOverlap(Segment3{{10, 0, 0}, {0, 0, 0}}, b, r));
    EXPECT_EQ(r.code, 2u);
    EXPECT_EQ(r.count, 0);
    r = InsPoint{};
    ASSERT_TRUE(SegmentOverlap(Segment3{{0, 0, 0}, {10, 0, 0}}, b, r));
    EXPECT_EQ(r.code, 3u);
    r = InsPoint{};
    ASSERT_TRUE(SegmentOverlap(Segment3{{7, 0, 0}, {3, 0, 0}}, b, r));
    EXPECT_EQ(r.code, 4u);
    EXPECT_EQ(r.count, 2);
    EXPECT_TRUE(Near(r.point1, Coord3{3, 0, 0}));  // following the target's direction
    EXPECT_TRUE(Near(r.point2, Coord3{7, 0, 0}));
    r = InsPoint{};
    ASSERT_TRUE(SegmentOverlap(Segment3{{0, 0, 0}, {4, 0, 0}}, b, r));
    EXPECT_EQ(r.code, 5u);
    EXPECT_TRUE(Near(r.point1, Coord3{4, 0, 0}));
    r = InsPoint{};
    ASSERT_TRUE(SegmentOverlap(Segment3{{4, 0, 0}, {14, 0, 0}}, b, r));
    EXPECT_EQ(r.code, 5u);
    EXPECT_TRUE(Near(r.point1, Coord3{4, 0, 0}));
    r = InsPoint{};
    EXPECT_FALSE(SegmentOverlap(Segment3{{10, 0, 0}, {14, 0, 0}}, b, r));  // touching end to end
    EXPECT_FALSE(SegmentOverlap(Segment3{{-4, 0, 0}, {14, 0, 0}}, b, r));  // containing: nothing inside
    EXPECT_FALSE(SegmentOverlap(Segment3{{0, 0, 0}, {0, 4, 0}}, b, r));    // not parallel
}

TEST_F(PolygonSetTest, OverlapNeedsParallelWithinAHundredthOfADegree) {
    const Segment3 b{{0, 0, 0}, {10, 0, 0}};
    const double deg = std::acos(-1.0) / 180;
    // Source segments inside b's span that start on b and turn away by a given angle.
    for (const double angle : {0.2, 0.1, 0.02}) {
        InsPoint r;
        const Segment3 a{{2, 0, 0}, {2 + 6 * std::cos(angle * deg), 6 * std::sin(angle * deg), 0}};
        EXPECT_FALSE(SegmentOverlap(a, b, r)) << angle << " degrees";
        EXPECT_EQ(r.count, 0) << angle << " degrees";
    }
    InsPoint r;
    const Segment3 nearlyParallel{{2, 0, 0}, {8, 6 * std::sin(0.001 * deg), 0}};
    EXPECT_TRUE(SegmentOverlap(nearlyParallel, b, r));
    EXPECT_EQ(r.code, 4u);
}

// ----- Node insertion -----

TEST_F(PolygonSetTest, RidgeEndingInsideAnEaveInsertsThePointWithAMarker) {
    // Polygon 1's edge (4,0)->(6,0) ends inside polygon 0's edge (0,0)->(10,0) at (6,0)... and starts
    // at (4,0): both ends go in, in the eave's direction.
    const Ring big{{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}};
    const Ring small{{6, 0, 0}, {4, 0, 0}, {4, -2, 0}, {6, -2, 0}};
    set = MakeSet({{big}, {small}});
    ASSERT_TRUE(InsertNodes(set));
    const std::vector<Coord3> p = PointsOf(set, 0);
    ASSERT_EQ(p.size(), 7u);
    EXPECT_TRUE(Near(p[1], Coord3{4, 0, 0}));
    EXPECT_TRUE(Near(p[2], Coord3{6, 0, 0}));
    EXPECT_EQ(PointsOf(set, 1).size(), 5u);
    int insertedMarkers = 0;
    for (const topotest::Hotspot& h : topotest::Hotspots()) insertedMarkers += h.pen == 4;
    EXPECT_EQ(insertedMarkers, 2);
}

TEST_F(PolygonSetTest, TwoSourcesOnOneTargetShiftTheLaterInsertion) {
    // Two neighbours each put one point into the long edge (0,0)->(10,0) and one into (10,0)->(10,5).
    const Ring big{{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}};
    const Ring first{{0, 0, 0}, {0, -2, 0}, {3, -2, 0}, {3, 0, 0}};
    const Ring second{{10, 0, 0}, {10, 2, 0}, {12, 2, 0}, {12, 0, 0}};
    set = MakeSet({{big}, {first}, {second}});
    ASSERT_TRUE(InsertNodes(set));
    const std::vector<Coord3> p = PointsOf(set, 0);
    ASSERT_EQ(p.size(), 7u);
    EXPECT_TRUE(Near(p[1], Coord3{3, 0, 0}));
    EXPECT_TRUE(Near(p[2], Coord3{10, 0, 0}));
    EXPECT_TRUE(Near(p[3], Coord3{10, 2, 0}));
    EXPECT_TRUE(Near(p[4], Coord3{10, 5, 0}));
}

// Regression: two neighbours each putting one point into the same edge, the farther point found
// first; shifting the second record past the first point put it after that point, and the edge
// doubled back on itself (0, 7, 3, 10).
TEST_F(PolygonSetTest, PointsFromSeveralNeighboursKeepTheirOrderAlongTheEdge) {
    const Ring big{{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}};
    const Ring right{{7, 0, 0}, {12, 0, 0}, {12, -2, 0}, {7, -2, 0}};
    const Ring left{{-2, 0, 0}, {3, 0, 0}, {3, -2, 0}, {-2, -2, 0}};
    set = MakeSet({{big}, {right}, {left}});
    ASSERT_TRUE(InsertNodes(set));
    const std::vector<Coord3> p = PointsOf(set, 0);
    ASSERT_EQ(p.size(), 7u);
    for (size_t i = 0; i + 1 < 4; ++i) EXPECT_LT(p[i].x, p[i + 1].x) << i;  // 0, 3, 7, 10 along the eave
    EXPECT_TRUE(Near(p[1], Coord3{3, 0, 0}));
    EXPECT_TRUE(Near(p[2], Coord3{7, 0, 0}));
}

TEST_F(PolygonSetTest, IdenticalSharedEdgesNeedNoInsertion) {
    const Ring left{{0, 0, 0}, {5, 0, 0}, {5, 5, 0}, {0, 5, 0}};
    const Ring right{{5, 0, 0}, {10, 0, 0}, {10, 5, 0}, {5, 5, 0}};
    set = MakeSet({{left}, {right}});
    ASSERT_TRUE(InsertNodes(set));
    EXPECT_EQ(set.polygons[0].vertexCount, 5u);
    EXPECT_EQ(set.polygons[1].vertexCount, 5u);
    EXPECT_TRUE(topotest::Hotspots().empty());
}

TEST_F(PolygonSetTest, HolesNeitherGiveNorReceivePoints) {
    const Ring hole{{2, 2, 0}, {2, 3, 0}, {3, 3, 0}, {3, 2, 0}};
    // A neighbour whose edge lies inside the hole's edge, and a hole edge inside the neighbour's.
    const Ring besideHole{{2.2, 2, 0}, {2.8, 2, 0}, {2.8, 1.5, 0}};
    set = MakeSet({{{{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}, hole}, {besideHole}});
    const uint32_t before0 = set.polygons[0].vertexCount;
    ASSERT_TRUE(InsertNodes(set));
    EXPECT_EQ(set.polygons[0].vertexCount, before0);
    EXPECT_EQ(set.polygons[1].vertexCount, 4u);
}

TEST_F(PolygonSetTest, CrossingEdgesAreMarkedNotInserted) {
    const Ring a{{0, 0, 0}, {10, 0, 0}, {10, 4, 0}, {0, 4, 0}};
    const Ring b{{5, -2, 1}, {5, 2, -1}, {7, 2, -1}, {7, -2, 1}};  // pierces a's eave line at (5,0,0)
    set = MakeSet({{a}, {b}});
    EXPECT_TRUE(InsertNodes(set));
    EXPECT_EQ(set.polygons[0].vertexCount, 5u);
    bool crossingMarked = false;
    for (const topotest::Hotspot& h : topotest::Hotspots())
        crossingMarked |= h.pen == 10 && std::fabs(h.x - 5) < 1e-9 && std::fabs(h.y) < 1e-9;
    EXPECT_TRUE(crossingMarked);
}

TEST_F(PolygonSetTest, SourceEdgeStartingAtTheOriginIsReported) {
    const Ring big{{-5, 0, 0}, {10, 0, 0}, {10, 5, 0}, {-5, 5, 0}};
    const Ring small{{0, 0, 0}, {3, 0, 0}, {3, -2, 0}, {0, -2, 0}};  // its first edge lies inside big's
    set = MakeSet({{big}, {small}});
    ASSERT_TRUE(InsertNodes(set));
    const std::vector<std::string> withDialog = topotest::ReportsWithDialog();
    ASSERT_EQ(withDialog.size(), 2u);
    EXPECT_EQ(withDialog[0], "AOrigo in srcPoly:1, srcVert:0, actPoly:0, actVert:0, insPointn:2");
    EXPECT_EQ(withDialog[1], "BOrigo in srcPoly:1, srcVert:0, actPoly:0, actVert:0, insPointn:2");
}

}  // namespace

namespace {

// ----- Edge flagging facts -----

TEST_F(PolygonSetTest, GableEdgesGetTheirLinksSlopeClassesSidesAndFold) {
    // Two 30 degree planes; their shared ridge at y = 4, z = 3 + 4 tan 30.
    const double h = 3 + 4 * std::tan(kPi / 6);
    const Ring south{{0, 0, 3}, {10, 0, 3}, {10, 4, h}, {0, 4, h}};
    const Ring north{{0, 8, 3}, {0, 4, h}, {10, 4, h}, {10, 8, 3}};
    set = MakeSet({{south}, {north}});
    ASSERT_TRUE(ValidatePolygons(set));
    ASSERT_TRUE(FlagEdges(set));
    const TopoVertex* s = PolygonVertices(set, 0);
    const TopoVertex* n = PolygonVertices(set, 1);
    // South: 0 eave, 1 verge, 2 ridge, 3 verge, 4 closing vertex.
    EXPECT_EQ(s[0].linkState, 1u);
    EXPECT_EQ(s[0].slopeClass, 1u);
    EXPECT_EQ(s[0].sideCode, 2u);
    EXPECT_EQ(s[0].neigPolyIndex, 0xFFFFFFFFu);
    EXPECT_EQ(s[1].slopeClass, 3u);
    EXPECT_EQ(s[2].linkState, 2u);
    EXPECT_EQ(s[2].sideCode, 4u);
    EXPECT_EQ(s[2].neigPolyIndex, 1u);
    EXPECT_EQ(s[2].neigEdgeIndex, 1u);
    EXPECT_EQ(s[2].neigGroupId, 1u);
    EXPECT_EQ(s[2].foldFlag, 3u);
    // The fold is pi plus the angle between the normals (60 degrees), seen from either plane.
    EXPECT_NEAR(s[2].foldAngle, kPi + kPi / 3, 1e-9);
    EXPECT_NEAR(n[1].foldAngle, kPi + kPi / 3, 1e-9);
    // The first plane to find the link marks bit 0; its partner, seeing that, marks bit 1.
    EXPECT_EQ(s[2].linkBits, 1u);
    EXPECT_EQ(n[1].linkBits, 2u);
    EXPECT_EQ(s[4].linkState, 0u);  // the closing vertex is no edge
}

TEST_F(PolygonSetTest, AlmostLevelEdgeCountsAsHorizontal) {
    // Rising 0.2 m over 10 m (2 %): within 2.5 % plus a centimetre; 0.3 m (3 %) is not.
    set = MakeSet({{{{0, 0, 0}, {10, 0, 0.2}, {10, 5, 3}, {0, 5, 3}}}, {{{20, 0, 0}, {30, 0, 0.3}, {30, 5, 3}, {20, 5, 3}}}});
    ASSERT_TRUE(ValidatePolygons(set));
    ASSERT_TRUE(FlagEdges(set));
    EXPECT_EQ(PolygonVertices(set, 0)[0].slopeClass, 2u);
    EXPECT_EQ(PolygonVertices(set, 0)[0].sideCode, 2u);
    EXPECT_EQ(PolygonVertices(set, 1)[0].slopeClass, 5u);
}

}  // namespace
