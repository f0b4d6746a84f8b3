// Purpose: whole roofs of the host's model read by the extraction and classified by the topology
// driver: gable, hip, L, T, U and irregular hip roofs, skylight holes, duplicates and failures.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Common_src/AddOnState.h"
#include "TopoTestSupport.h"
#include "common/AddOnFixture.h"
#include "host/Host.h"
#include "polytopo/EdgeCodes.h"
#include "polytopo/RunTopology.h"
#include "roofgeom/ExtractRoof.h"

namespace {

using topotest::Plane;

constexpr double kEaveLevel = 3.0;
constexpr double kLevelTol = 1e-6;      // heights compared in the tests (the model is exact)
constexpr double kProbeDistance = 0.05; // how far beside an edge the fold is probed (m)

class ExtractedRoofsTest : public ::testing::Test {
protected:
    void SetUp() override {
        tevaro_test::InstallHostOnly();
        FreeRoofPlanes();
        FreeTopologyLog();
    }
    void TearDown() override {
        FreeRoofPlanes();
        FreeTopologyLog();
    }

    // Loads a model and reads every roof of it into the roof model, as the tiling run does.
    void ReadRoofs(const std::string& modelText) {
        tevaro_test::LoadModel(modelText);
        for (const host::Element& e : host::gSession.model.elements) {
            if (e.rec.header.typeID != API_RoofID) continue;
            ASSERT_EQ(ExtractRoof(e.rec.header.guid, APINULLGuid), NoError);
        }
        ASSERT_GT(gState.roofPlanes.planes.count, 0u);
    }
};

std::string HipModel(const std::string& footprint, const std::string& holes = "") {
    return R"({"elements": [{"type": "roof", "id": "R1", "shape": "hip", "pitch": 35, "eaveLevel": 3.0, "footprint": )" +
           footprint + (holes.empty() ? "" : R"(, "holes": )" + holes) + "}]}";
}

// Height of the plane of roof plane r above plan point (x, y).
double PlaneHeightAt(uint32_t r, double x, double y) {
    std::vector<Coord3> ring;
    const RoofPlane& p = Plane(r);
    for (uint32_t i = 0; i + 1 < p.vertexCount; ++i) {
        ring.push_back(p.vertices[i]);
        if (std::fabs(p.vertices[i + 1].x - p.vertices[0].x) < 1e-9 &&
            std::fabs(p.vertices[i + 1].y - p.vertices[0].y) < 1e-9 && std::fabs(p.vertices[i + 1].z - p.vertices[0].z) < 1e-9)
            break;
    }
    const Coord3 n = topotest::UpwardNormal(ring);
    const Coord3& o = ring[0];
    return o.z - (n.x * (x - o.x) + n.y * (y - o.y)) / n.z;
}

// The plane (other than r) that has the edge from a to b, or -1.
int NeighbourOf(uint32_t r, const Coord3& a, const Coord3& b) {
    for (uint32_t s = 0; s < gState.roofPlanes.planes.count; ++s)
        if (s != r && topotest::EdgeBetween(s, a, b) >= 0) return int(s);
    return -1;
}

// What an architect calls the edge from vertex i of plane r, told from the geometry alone:
// footprint edges are eaves; at a shared edge the fold is convex when the neighbour's plane,
// continued across the edge, passes above this plane.
struct Expected {
    int status;
    int kind;
};
Expected ExpectedForHipEdge(uint32_t r, uint32_t i) {
    const RoofPlane& p = Plane(r);
    const Coord3 a = p.vertices[i], b = p.vertices[i + 1];
    // Roofers count an edge rising less than 2.5 % of its length (plus a centimetre) as level.
    const double rise = std::fabs(a.z - b.z);
    const bool horizontal = rise - 0.025 * Distance3(a, b) < 0.01;
    if (rise < kLevelTol && std::fabs(a.z - kEaveLevel) < kLevelTol) return {kStatusEave, kKindFreeLower};
    const int s = NeighbourOf(r, a, b);
    if (s < 0) return {-1000, -1000};  // a hip roof has no other free edge
    // A probe point just beside the edge inside plane r (outer contours run counter-clockwise).
    const double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    const double px = (a.x + b.x) / 2 - dy / len * kProbeDistance;
    const double py = (a.y + b.y) / 2 + dx / len * kProbeDistance;
    const bool convex = PlaneHeightAt(uint32_t(s), px, py) > PlaneHeightAt(r, px, py);
    if (horizontal)
        return convex ? Expected{kStatusRidge, kKindSharedConvexHorizontal} : Expected{kStatusUnclassified, kKindNone};
    return convex ? Expected{kStatusHip, kKindSharedConvexSloped} : Expected{kStatusValley, kKindSharedConcaveSloped};
}

// Runs the engine and checks every edge of every plane against the geometric expectation.
void ExpectHipRoofClassified(int& hips, int& valleys, int& ridges, int& eaves) {
    ASSERT_TRUE(RunTopology(gState.roofPlanes)) << TopologyLog();
    for (uint32_t r = 0; r < gState.roofPlanes.planes.count; ++r) {
        const RoofPlane& p = Plane(r);
        EXPECT_EQ(p.contourCount, 1u);
        for (uint32_t i = 0; i + 1 < p.vertexCount; ++i) {
            const Expected e = ExpectedForHipEdge(r, i);
            EXPECT_EQ(p.edgeStatus[i], e.status) << "plane " << r << " edge " << i;
            EXPECT_EQ(p.edgeKind[i], e.kind) << "plane " << r << " edge " << i;
            hips += e.status == kStatusHip;
            valleys += e.status == kStatusValley;
            ridges += e.status == kStatusRidge;
            eaves += e.status == kStatusEave;
        }
        EXPECT_EQ(p.edgeStatus[p.vertexCount - 1], kStatusNoEdge);
    }
}

TEST_F(ExtractedRoofsTest, GableRoofRidgeEavesAndVerges) {
    ReadRoofs(R"({"elements": [{"type": "roof", "id": "R1", "shape": "gable", "pitch": 30, "eaveLevel": 3.0,
                  "footprint": [[0,0],[10,0],[10,8],[0,8]]}]})");
    ASSERT_EQ(gState.roofPlanes.planes.count, 2u);
    ASSERT_TRUE(RunTopology(gState.roofPlanes)) << TopologyLog();
    int ridge = 0, eave = 0, verge = 0;
    for (uint32_t r = 0; r < 2; ++r) {
        const RoofPlane& p = Plane(r);
        for (uint32_t i = 0; i + 1 < p.vertexCount; ++i) {
            const Coord3 a = p.vertices[i], b = p.vertices[i + 1];
            if (std::fabs(a.z - b.z) > kLevelTol) {
                EXPECT_EQ(p.edgeStatus[i], kStatusVerge);
                EXPECT_EQ(p.edgeKind[i], kKindFreeFallLine);
                ++verge;
            } else if (std::fabs(a.z - kEaveLevel) < kLevelTol) {
                EXPECT_EQ(p.edgeStatus[i], kStatusEave);
                EXPECT_EQ(p.edgeKind[i], kKindFreeLower);
                ++eave;
            } else {
                EXPECT_EQ(p.edgeStatus[i], kStatusRidge);
                EXPECT_EQ(p.edgeKind[i], kKindSharedConvexHorizontal);
                ++ridge;
            }
        }
    }
    EXPECT_EQ(ridge, 2);
    EXPECT_EQ(eave, 2);
    EXPECT_EQ(verge, 4);
    EXPECT_EQ(Plane(0).group, Plane(1).group);
}

TEST_F(ExtractedRoofsTest, ARingWhoseLastCornerIsWithinACentimetreOfItsFirstIsClassified) {
    // A single plane whose last corner lies 5 mm from its first, with a skylight hole whose last
    // corner lies 4 mm from its first: the run classifies every edge instead of failing.
    ReadRoofs(R"({"elements": [{"type": "roof", "id": "R1", "planes": [{"outer":
                  [[0,0,3],[10,0,3],[10,5,8],[0,5,8],[0,0.005,3.005]],
                  "holes": [[[4,1,4],[6,1,4],[6,2,5],[4,2,5],[4,1.004,4.004]]]}]}]})");
    ASSERT_TRUE(RunTopology(gState.roofPlanes)) << TopologyLog();
    const RoofPlane& p = Plane(0);
    ASSERT_EQ(p.contourCount, 2u);
    int closing = 0;
    for (uint32_t i = 0; i < p.vertexCount; ++i) {
        closing += p.edgeStatus[i] == kStatusNoEdge ? 1 : 0;
        EXPECT_NE(p.edgeStatus[i], kStatusUnclassified) << "edge " << i;
    }
    EXPECT_EQ(closing, 2);  // one closing vertex per contour, no edge between the contours
}

TEST_F(ExtractedRoofsTest, ShedRoofTopIsASingleSlopeTop) {
    ReadRoofs(R"({"elements": [{"type": "roof", "id": "R1", "shape": "shed", "pitch": 20, "eaveLevel": 3.0,
                  "footprint": [[0,0],[10,0],[10,6],[0,6]]}]})");
    ASSERT_TRUE(RunTopology(gState.roofPlanes)) << TopologyLog();
    const RoofPlane& p = Plane(0);
    int tops = 0, eaves = 0;
    for (uint32_t i = 0; i + 1 < p.vertexCount; ++i) {
        tops += p.edgeStatus[i] == kStatusShedTop;
        eaves += p.edgeStatus[i] == kStatusEave;
    }
    EXPECT_EQ(tops, 1);
    EXPECT_EQ(eaves, 1);
}

TEST_F(ExtractedRoofsTest, RectangularHipRoof) {
    ReadRoofs(HipModel("[[0,0],[12,0],[12,8],[0,8]]"));
    int hips = 0, valleys = 0, ridges = 0, eaves = 0;
    ExpectHipRoofClassified(hips, valleys, ridges, eaves);
    EXPECT_EQ(hips, 8);  // four hips, seen from both planes
    EXPECT_EQ(ridges, 2);
    EXPECT_EQ(valleys, 0);
    EXPECT_EQ(eaves, 4);
}

TEST_F(ExtractedRoofsTest, LShapedHipRoofHasAValley) {
    ReadRoofs(HipModel("[[0,0],[12,0],[12,6],[6,6],[6,12],[0,12]]"));
    int hips = 0, valleys = 0, ridges = 0, eaves = 0;
    ExpectHipRoofClassified(hips, valleys, ridges, eaves);
    EXPECT_EQ(valleys, 2);  // one valley from the inner corner, seen from both planes
    EXPECT_EQ(eaves, 6);
    EXPECT_GT(hips, 0);
}

TEST_F(ExtractedRoofsTest, TShapedHipRoof) {
    ReadRoofs(HipModel("[[0,0],[18,0],[18,6],[12,6],[12,14],[6,14],[6,6],[0,6]]"));
    int hips = 0, valleys = 0, ridges = 0, eaves = 0;
    ExpectHipRoofClassified(hips, valleys, ridges, eaves);
    EXPECT_EQ(valleys, 4);
    EXPECT_EQ(eaves, 8);
    EXPECT_GT(ridges, 0);
}

TEST_F(ExtractedRoofsTest, UShapedHipRoof) {
    ReadRoofs(HipModel("[[0,0],[18,0],[18,12],[12,12],[12,6],[6,6],[6,12],[0,12]]"));
    int hips = 0, valleys = 0, ridges = 0, eaves = 0;
    ExpectHipRoofClassified(hips, valleys, ridges, eaves);
    EXPECT_EQ(valleys, 4);
    EXPECT_EQ(eaves, 8);
}

TEST_F(ExtractedRoofsTest, IrregularHipRoof) {
    ReadRoofs(HipModel("[[0,0],[14,0],[16,7],[9,11],[7,6],[2,9]]"));
    int hips = 0, valleys = 0, ridges = 0, eaves = 0;
    ExpectHipRoofClassified(hips, valleys, ridges, eaves);
    EXPECT_EQ(eaves, 6);
    EXPECT_GE(valleys, 2);
}

TEST_F(ExtractedRoofsTest, HipRoofAroundACourtyard) {
    ReadRoofs(HipModel("[[0,0],[20,0],[20,16],[0,16]]", "[[[6,5],[14,5],[14,11],[6,11]]]"));
    int hips = 0, valleys = 0, ridges = 0, eaves = 0;
    ExpectHipRoofClassified(hips, valleys, ridges, eaves);
    EXPECT_EQ(eaves, 8);  // four outer and four courtyard eaves
    EXPECT_EQ(valleys, 8);
}

TEST_F(ExtractedRoofsTest, SkylightHoleEdgesShowAsSkylights) {
    ReadRoofs(R"({"elements": [{"type": "roof", "id": "R1", "planes": [
        {"outer": [[0,0,3],[10,0,3],[10,8,7],[0,8,7]], "holes": [[[4,3,4.5],[6,3,4.5],[6,5,5.5],[4,5,5.5]]]}]}]})");
    ASSERT_EQ(Plane(0).contourCount, 2u);
    ASSERT_TRUE(RunTopology(gState.roofPlanes)) << TopologyLog();
    const RoofPlane& p = Plane(0);
    std::vector<int> holeStatuses;
    for (uint32_t i = 5; i + 1 < p.vertexCount; ++i) holeStatuses.push_back(p.edgeStatus[i]);
    ASSERT_EQ(holeStatuses.size(), 4u);
    std::sort(holeStatuses.begin(), holeStatuses.end());
    EXPECT_EQ(holeStatuses,
              (std::vector<int>{kStatusHoleLower, kStatusHoleUpper, kStatusHoleSloped, kStatusHoleSloped}));
    for (int s : holeStatuses) EXPECT_EQ(DummyStatusOf(int16_t(s)), dummystatus_skylight);
}

TEST_F(ExtractedRoofsTest, SameRoofTwiceIsRefusedAsDuplicates) {
    ReadRoofs(R"({"elements": [
        {"type": "roof", "id": "R1", "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,5],[0,4,5]]}]},
        {"type": "roof", "id": "R2", "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,5],[0,4,5]]}]}]})");
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    EXPECT_EQ(std::string(TopologyLog()), "Duplicated polygons found!\n");
    ASSERT_FALSE(host::gSession.reportLines.empty());
    EXPECT_EQ(host::gSession.reportLines.back().text, tevaro_test::MessageText(86));
    EXPECT_TRUE(host::gSession.reportLines.back().withDialog);
}

TEST_F(ExtractedRoofsTest, ClockwisePlanesAreTurnedAndClassified) {
    ReadRoofs(R"({"elements": [{"type": "roof", "id": "R1", "planes": [
        {"outer": [[0,0,3],[0,4,5],[10,4,5],[10,0,3]]},
        {"outer": [[0,8,3],[10,8,3],[10,4,5],[0,4,5]]}]}]})");
    ASSERT_TRUE(RunTopology(gState.roofPlanes)) << TopologyLog();
    for (uint32_t r = 0; r < 2; ++r) {
        EXPECT_EQ(topotest::StatusOf(r, Coord3{0, 4, 5}, Coord3{10, 4, 5}), kStatusRidge) << r;
        double twiceArea = 0;
        const RoofPlane& p = Plane(r);
        for (uint32_t i = 0; i + 1 < p.vertexCount; ++i)
            twiceArea += p.vertices[i].x * p.vertices[i + 1].y - p.vertices[i + 1].x * p.vertices[i].y;
        EXPECT_GT(twiceArea, 0.0) << r;
    }
}

TEST_F(ExtractedRoofsTest, ThreePlanesOnOneEdgeFailWithTheirLogLine) {
    ReadRoofs(R"({"elements": [{"type": "roof", "id": "R1", "planes": [
        {"outer": [[0,0,3],[10,0,3],[10,4,5],[0,4,5]]},
        {"outer": [[0,8,3],[0,4,5],[10,4,5],[10,8,3]]},
        {"outer": [[0,4,5],[10,4,5],[10,6,9],[0,6,9]]}]}]})");
    EXPECT_FALSE(RunTopology(gState.roofPlanes));
    EXPECT_NE(std::string(TopologyLog()).find("Multiple (morer than 2) connecting polygon edges found at polygon"),
              std::string::npos)
        << TopologyLog();
}

}  // namespace
