// Purpose: walls and a chimney against a roof read from the host and classified by the topology
// engine, so that the junction steps see the contours in the engine's own order and direction.
#include <cmath>

#include "JunctionTestSupport.h"
#include "polytopo/RunTopology.h"
#include "roofgeom/ExtractRoof.h"
#include "roofgeom/FillJunctions.h"
#include "roofgeom/WallJunctions.h"

namespace {

constexpr double kPlanMatchTol = 1e-6;  // an edge end found at the expected plan point

// A gable roof over 10 x 8 m, ridge along y 4 at z 5, eaves at z 3; the south plane has a
// 1 x 1 m hole for a chimney at x 4..5, y 1..2.
const char* const kGableWithChimney = R"({
  "stories": [{"index": 0, "level": 0.0}],
  "elements": [
    {"type": "roof", "id": "R1", "thickness": 0.3,
     "planes": [ {"outer": [[0,0,3],[10,0,3],[10,4,5],[0,4,5]],
                  "holes": [[[4,1,3.5],[5,1,3.5],[5,2,4],[4,2,4]]]},
                 {"outer": [[0,8,3],[0,4,5],[10,4,5],[10,8,3]]} ]}
  ],
  "selection": ["R1"]
})";

class JunctionPipeline : public tevaro_test::AddOnFixture {
protected:
    std::string InitialModel() const override { return kGableWithChimney; }

    void TearDown() override {
        FreeRoofPlanes();
        HostArrayFree(gState.wallSegments);
        HostArrayFree(gState.fillSegments);
        AddOnFixture::TearDown();
    }

    // Reads the roof and classifies its edges as the tiling run does.
    void ReadAndClassifyRoof() {
        host::Element* roof = Element("R1");
        ASSERT_NE(roof, nullptr);
        ASSERT_EQ(ExtractRoof(roof->rec.header.guid, APINULLGuid), NoError);
        ASSERT_TRUE(RunTopology(gState.roofPlanes)) << TopologyLog();
    }

    // The plane whose vertices all lie on the given side of y 4 (south: below).
    static uint32_t PlaneOnSide(bool south) {
        for (uint32_t a = 0; a < gState.roofPlanes.planes.count; ++a) {
            const RoofPlane& p = gState.roofPlanes.planes[a];
            bool all = true;
            for (uint32_t i = 0; i < p.vertexCount; ++i) all = all && (south ? p.vertices[i].y <= 4.001 : p.vertices[i].y >= 3.999);
            if (all) return a;
        }
        ADD_FAILURE() << "no such plane";
        return 0;
    }

    // Status of the edge of plane a between two plan points (either direction); 0 when none.
    static int16_t StatusBetween(uint32_t a, Coord2 from, Coord2 to) {
        const RoofPlane& p = gState.roofPlanes.planes[a];
        auto at = [](const Coord3& v, Coord2 c) { return std::hypot(v.x - c.x, v.y - c.y) < kPlanMatchTol; };
        for (uint32_t i = 0; i + 1 < p.vertexCount; ++i) {
            const Coord3& s = p.vertices[i];
            const Coord3& e = p.vertices[i + 1];
            if ((at(s, from) && at(e, to)) || (at(s, to) && at(e, from))) return p.edgeStatus[i];
        }
        ADD_FAILURE() << "no edge (" << from.x << "," << from.y << ")-(" << to.x << "," << to.y << ")";
        return 0;
    }

    static void AddWall(double x1, double y1, double x2, double y2, double bottom, double top) {
        ASSERT_TRUE(HostArrayAppend(gState.wallSegments, WallSegment{x1, y1, x2, y2, bottom, top}));
    }
};

TEST_F(JunctionPipeline, GableWallAndChimneyGetTheirJunctionStatuses) {
    ReadAndClassifyRoof();
    const uint32_t south = PlaneOnSide(true);
    const uint32_t north = PlaneOnSide(false);
    ASSERT_EQ(StatusBetween(south, {0, 4}, {0, 0}), kStatusVerge);
    ASSERT_EQ(StatusBetween(south, {4, 1}, {5, 1}), kStatusHoleLower);

    // A gable wall at x 0 up to z 6, and the chimney's four walls up to z 9.
    AddWall(0, -0.5, 0, 8.5, 0, 6);
    AddWall(4, 1, 5, 1, 0, 9);
    AddWall(5, 1, 5, 2, 0, 9);
    AddWall(5, 2, 4, 2, 0, 9);
    AddWall(4, 2, 4, 1, 0, 9);
    ASSERT_TRUE(ApplyWallJunctions(gState.roofPlanes));
    ASSERT_TRUE(ApplyFillJunctions(gState.roofPlanes));

    // Looking downhill, the gable wall is on the right of the south plane, left of the north one.
    EXPECT_EQ(StatusBetween(south, {0, 4}, {0, 0}), kStatusWallVergeSide);
    EXPECT_EQ(StatusBetween(north, {0, 8}, {0, 4}), kStatusWallVerge);
    EXPECT_EQ(StatusBetween(south, {10, 0}, {10, 4}), kStatusVerge);
    EXPECT_EQ(StatusBetween(south, {0, 0}, {10, 0}), kStatusEave);
    // The chimney: lower and upper hole edges, and its two sides seen from the plane beside each.
    EXPECT_EQ(StatusBetween(south, {4, 1}, {5, 1}), kStatusWallHoleLower);
    EXPECT_EQ(StatusBetween(south, {4, 2}, {5, 2}), kStatusWallHoleUpper);
    EXPECT_EQ(StatusBetween(south, {5, 1}, {5, 2}), kStatusWallHoleSlopedSide);
    EXPECT_EQ(StatusBetween(south, {4, 1}, {4, 2}), kStatusWallHoleSloped);
}

}  // namespace
