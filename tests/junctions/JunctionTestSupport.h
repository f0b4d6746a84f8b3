// Purpose: hand-built roof planes, walls and fills for the junction tests, on the host's memory
// handles, with a leak check at the end of every test.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "Common_src/AddOnState.h"
#include "common/AddOnFixture.h"
#include "host/Host.h"
#include "host/MemoryHandles.h"
#include "roofgeom/RoofModel.h"
#include "polytopo/EdgeCodes.h"

// One contour of a test plane: its vertices (not closed) and the status of the edge leaving each.
struct TestContour {
    std::vector<Coord3> points;
    std::vector<int16_t> statuses;
};

// Plane coordinates of a point: any affine map of the position will do for the tests, since a
// point cut into an edge must get the plane coordinates of its own position.
inline Coord2 TestPlaneCoords(const Coord3& p) { return {p.x + 0.25 * p.y, 1.3 * p.y + 0.7 * p.z}; }

// Marks an edge's ridge entry so that a test can follow where the entry was copied.
inline API_Guid TestRidgeGuid(int16_t status, uint32_t edge) { return API_Guid{uint64_t(status), uint64_t(edge + 1)}; }

class JunctionTest : public ::testing::Test {
protected:
    void SetUp() override {
        tevaro_test::InstallHostOnly();
        liveHandlesBefore = host::LiveHandleCount();
    }

    void TearDown() override {
        host::DisarmAllocationFault();
        FreeRoofPlanes();
        HostArrayFree(gState.wallSegments);
        HostArrayFree(gState.fillSegments);
        EXPECT_EQ(host::LiveHandleCount(), liveHandlesBefore) << "memory handles left behind";
    }

    // Appends a plane made of the given contours (each closed here, its closing vertex getting
    // status -1) and returns its index. The edge kind of each edge is its status divided by ten.
    uint32_t AddPlane(const std::vector<TestContour>& contours) {
        RoofPlane plane{};
        // The arrays hold exactly the plane's vertices: the first point put in needs a growth.
        uint32_t total = 0;
        for (const TestContour& contour : contours) total += uint32_t(contour.points.size()) + 1;
        EXPECT_TRUE(HostArrayReserve(plane.vertices, total) && HostArrayReserve(plane.planeCoords, total) &&
                    HostArrayReserve(plane.edgeStatus, total) && HostArrayReserve(plane.edgeKind, total) &&
                    HostArrayReserve(plane.ridgeGuids, total));
        uint32_t edge = 0;
        for (const TestContour& contour : contours) {
            for (size_t k = 0; k <= contour.points.size(); ++k) {
                const bool closing = k == contour.points.size();
                const Coord3 p = contour.points[closing ? 0 : k];
                const int16_t status = closing ? int16_t(-1) : contour.statuses[k];
                EXPECT_TRUE(HostArrayAppend(plane.vertices, p));
                EXPECT_TRUE(HostArrayAppend(plane.planeCoords, TestPlaneCoords(p)));
                EXPECT_TRUE(HostArrayAppend(plane.edgeStatus, status));
                EXPECT_TRUE(HostArrayAppend(plane.edgeKind, int16_t(status / 10)));
                EXPECT_TRUE(HostArrayAppend(plane.ridgeGuids, TestRidgeGuid(status, edge)));
                ++edge;
            }
        }
        plane.vertexCount = edge;
        plane.contourCount = uint32_t(contours.size());
        plane.inRun = 1;
        EXPECT_TRUE(HostArrayAppend(gState.roofPlanes.planes, plane));
        return gState.roofPlanes.planes.count - 1;
    }

    // A wall footprint edge from (x1, y1) to (x2, y2) standing from `bottom` to `top`.
    static void AddWall(double x1, double y1, double x2, double y2, double bottom, double top) {
        ASSERT_TRUE(HostArrayAppend(gState.wallSegments, WallSegment{x1, y1, x2, y2, bottom, top}));
    }

    // A fill outline edge: it counts at every height.
    static void AddFill(double x1, double y1, double x2, double y2) {
        ASSERT_TRUE(HostArrayAppend(gState.fillSegments, WallSegment{x1, y1, x2, y2, -1e11, 1e11}));
    }

    static RoofPlane& Plane(uint32_t a) { return gState.roofPlanes.planes[a]; }
    static uint32_t Count(uint32_t a) { return Plane(a).vertexCount; }
    static int16_t Status(uint32_t a, uint32_t i) { return Plane(a).edgeStatus[i]; }
    static const Coord3& Vertex(uint32_t a, uint32_t i) { return Plane(a).vertices[i]; }

    // Every per-vertex array of plane a holds vertexCount entries.
    static void ExpectArraysAligned(uint32_t a) {
        const RoofPlane& p = Plane(a);
        EXPECT_EQ(p.vertices.count, p.vertexCount);
        EXPECT_EQ(p.planeCoords.count, p.vertexCount);
        EXPECT_EQ(p.edgeStatus.count, p.vertexCount);
        EXPECT_EQ(p.edgeKind.count, p.vertexCount);
        EXPECT_EQ(p.ridgeGuids.count, p.vertexCount);
    }

    // Every vertex of plane a carries the plane coordinates of its own position.
    static void ExpectPlaneCoordsFollowVertices(uint32_t a) {
        for (uint32_t i = 0; i < Count(a); ++i) {
            const Coord2 want = TestPlaneCoords(Vertex(a, i));
            EXPECT_NEAR(Plane(a).planeCoords[i].x, want.x, 1e-9) << "vertex " << i;
            EXPECT_NEAR(Plane(a).planeCoords[i].y, want.y, 1e-9) << "vertex " << i;
        }
    }

    size_t liveHandlesBefore = 0;
};

// A south-facing single plane 10 m wide falling towards -y: eave at y 0, z 3; top at y 4, z 5.
// Counter-clockwise from above: eave, right verge going up, top (a single-slope top), left
// verge going down.
inline TestContour SouthPlaneContour() {
    return {{{0, 0, 3}, {10, 0, 3}, {10, 4, 5}, {0, 4, 5}}, {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge}};
}
