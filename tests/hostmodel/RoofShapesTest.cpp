// Purpose: tests of generated roofs: plane counts and true areas a hand calculation gives,
// planarity, hip planes meeting edge to edge, and hip roofs around holes falling towards them.
#include <gtest/gtest.h>

#include <cmath>

#include "host/RoofShapes.h"
#include "host/RoofShapesRings.h"

namespace {

using host::RoofPlaneShape;
using host::Ring3;

constexpr double kPi = 3.14159265358979323846;
constexpr double kAreaTol = 1e-6;
constexpr double kCornerTol = 1e-9;

// The true (sloped) area of a 3D ring, from its Newell normal.
double RingArea3D(const Ring3& r) {
    const host::RingNormalVector n = host::NewellNormal(r);
    return std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z) / 2;
}

// The plan area of a 3D ring (shoelace on x, y).
double RingPlanArea(const Ring3& r) {
    double s = 0;
    for (size_t i = 0; i < r.size(); ++i) s += r[i].x * r[(i + 1) % r.size()].y - r[(i + 1) % r.size()].x * r[i].y;
    return std::fabs(s) / 2;
}

std::vector<RoofPlaneShape> Generate(const std::string& shape, std::vector<API_Coord> footprint, double pitch,
                                     double eave, std::vector<std::vector<API_Coord>> holes = {}) {
    host::RoofShapeInput in;
    in.shape = shape;
    in.footprint = std::move(footprint);
    in.holes = std::move(holes);
    in.pitchDegrees = pitch;
    in.eaveLevel = eave;
    std::vector<RoofPlaneShape> planes;
    std::string error;
    EXPECT_TRUE(host::GenerateRoofPlanes(in, planes, error)) << error;
    return planes;
}

bool SameCorner(const API_Coord3D& a, const API_Coord3D& b) {
    return std::fabs(a.x - b.x) < kCornerTol && std::fabs(a.y - b.y) < kCornerTol && std::fabs(a.z - b.z) < kCornerTol;
}

// How many planes (other than `self`) have the edge a-b, in either direction, as one of their edges.
int PlanesWithEdge(const std::vector<RoofPlaneShape>& planes, size_t self, const API_Coord3D& a, const API_Coord3D& b) {
    int count = 0;
    for (size_t p = 0; p < planes.size(); ++p) {
        if (p == self) continue;
        const Ring3& r = planes[p].outer;
        for (size_t i = 0; i < r.size(); ++i) {
            const API_Coord3D& s = r[i];
            const API_Coord3D& t = r[(i + 1) % r.size()];
            // the same two corners, in either direction
            if ((SameCorner(s, a) && SameCorner(t, b)) || (SameCorner(s, b) && SameCorner(t, a))) ++count;
        }
    }
    return count;
}

// Every plane edge above the eaves is shared by exactly one other plane; eave edges by none.
void ExpectEdgeToEdge(const std::vector<RoofPlaneShape>& planes, double eave) {
    for (size_t p = 0; p < planes.size(); ++p) {
        const Ring3& r = planes[p].outer;
        for (size_t i = 0; i < r.size(); ++i) {
            const API_Coord3D& a = r[i];
            const API_Coord3D& b = r[(i + 1) % r.size()];
            // both ends on the eave line: a footprint edge
            const bool eaveEdge = std::fabs(a.z - eave) < kCornerTol && std::fabs(b.z - eave) < kCornerTol;
            EXPECT_EQ(PlanesWithEdge(planes, p, a, b), eaveEdge ? 0 : 1)
                << "plane " << p << " edge " << i << " (" << a.x << "," << a.y << "," << a.z << ")-(" << b.x << ","
                << b.y << "," << b.z << ")";
        }
    }
}

void ExpectPlanar(const std::vector<RoofPlaneShape>& planes) {
    for (const RoofPlaneShape& p : planes) EXPECT_LE(host::PlaneFlatness(p), 1e-9);
}

TEST(GeneratedRoofs, GableOnARectangleHasTwoPlanesOfHalfTheSlopedArea) {
    // 12 x 8 rectangle, 30 degrees: ridge along the 12 m sides at 4 * tan(30) above the eaves.
    const auto planes = Generate("gable", {{0, 0}, {12, 0}, {12, 8}, {0, 8}}, 30, 3);
    ASSERT_EQ(planes.size(), 2u);
    const double c = std::cos(30 * kPi / 180);
    for (const RoofPlaneShape& p : planes) {
        EXPECT_NEAR(RingArea3D(p.outer), 12 * 4 / c, kAreaTol);
        double top = -1e9;
        for (const API_Coord3D& q : p.outer) top = std::max(top, q.z);
        EXPECT_NEAR(top, 3 + 4 * std::tan(30 * kPi / 180), 1e-12);
    }
    ExpectPlanar(planes);
    // The two planes share the ridge and nothing else; the gable ends are free edges.
    for (size_t p = 0; p < 2; ++p) {
        int shared = 0;
        for (size_t i = 0; i < 4; ++i) shared += PlanesWithEdge(planes, p, planes[p].outer[i], planes[p].outer[(i + 1) % 4]);
        EXPECT_EQ(shared, 1);
    }
}

TEST(GeneratedRoofs, GableRidgeFollowsTheLongerSidesWhateverTheOrder) {
    // The long sides are the second and fourth edges here; and the ring runs clockwise.
    const auto planes = Generate("gable", {{0, 0}, {0, 10}, {6, 10}, {6, 0}}, 45, 0);
    ASSERT_EQ(planes.size(), 2u);
    for (const RoofPlaneShape& p : planes) {
        EXPECT_NEAR(RingArea3D(p.outer), 10 * 3 / std::cos(kPi / 4), kAreaTol);
        for (const API_Coord3D& q : p.outer) {
            if (q.z > 1) {
                EXPECT_NEAR(q.x, 3.0, 1e-12);  // the ridge is the line x = 3
            }
        }
    }
}

TEST(GeneratedRoofs, ShedRisesFromTheFirstEdgeAcrossTheRectangle) {
    const auto planes = Generate("shed", {{0, 0}, {10, 0}, {10, 6}, {0, 6}}, 20, 2.5);
    ASSERT_EQ(planes.size(), 1u);
    EXPECT_NEAR(RingArea3D(planes[0].outer), 10 * 6 / std::cos(20 * kPi / 180), kAreaTol);
    for (const API_Coord3D& q : planes[0].outer)
        EXPECT_NEAR(q.z, 2.5 + q.y * std::tan(20 * kPi / 180), 1e-12);
}

TEST(GeneratedRoofs, HipOnARectangleHasTwoTrapezoidsAndTwoTriangles) {
    // 12 x 8, 35 degrees. Plan areas: triangles 8 * 4 / 2 = 16, trapezoids (12 + 4) / 2 * 4 = 32.
    const double c = std::cos(35 * kPi / 180);
    const auto planes = Generate("hip", {{0, 0}, {12, 0}, {12, 8}, {0, 8}}, 35, 3);
    ASSERT_EQ(planes.size(), 4u);
    int triangles = 0, trapezoids = 0;
    for (const RoofPlaneShape& p : planes) {
        const double plan = RingPlanArea(p.outer);
        EXPECT_NEAR(RingArea3D(p.outer), plan / c, kAreaTol);
        if (std::fabs(plan - 16) < kAreaTol) ++triangles;
        if (std::fabs(plan - 32) < kAreaTol) ++trapezoids;
    }
    EXPECT_EQ(triangles, 2);
    EXPECT_EQ(trapezoids, 2);
    ExpectPlanar(planes);
    ExpectEdgeToEdge(planes, 3);
}

TEST(GeneratedRoofs, HipOnARotatedRectangleGivenByFourPoints) {
    // A 10 x 6 rectangle turned by 30 degrees about (5, 5).
    const double a = 30 * kPi / 180;
    auto turned = [&](double x, double y) { return API_Coord{5 + x * std::cos(a) - y * std::sin(a), 5 + x * std::sin(a) + y * std::cos(a)}; };
    const auto planes = Generate("hip", {turned(0, 0), turned(10, 0), turned(10, 6), turned(0, 6)}, 40, 1);
    ASSERT_EQ(planes.size(), 4u);
    double total = 0;
    for (const RoofPlaneShape& p : planes) total += RingArea3D(p.outer);
    EXPECT_NEAR(total, 60 / std::cos(40 * kPi / 180), kAreaTol);
    ExpectPlanar(planes);
    ExpectEdgeToEdge(planes, 1);
}

TEST(GeneratedRoofs, HipOnAnLShapedFootprintCoversItWithPlanesMeetingEdgeToEdge) {
    const std::vector<API_Coord> l = {{0, 0}, {10, 0}, {10, 4}, {4, 4}, {4, 9}, {0, 9}};
    const auto planes = Generate("hip", l, 30, 3);
    EXPECT_EQ(planes.size(), 6u);  // one plane per footprint edge
    double plan = 0;
    for (const RoofPlaneShape& p : planes) plan += RingPlanArea(p.outer);
    EXPECT_NEAR(plan, 10 * 4 + 4 * 5, kAreaTol);
    ExpectPlanar(planes);
    ExpectEdgeToEdge(planes, 3);
}

TEST(GeneratedRoofs, HipAroundAHoleFallsTowardsTheHole) {
    // A 20 x 20 roof around a 6 x 6 courtyard in the middle.
    const auto planes = Generate("hip", {{0, 0}, {20, 0}, {20, 20}, {0, 20}}, 30, 4, {{{7, 7}, {13, 7}, {13, 13}, {7, 13}}});
    EXPECT_EQ(planes.size(), 8u);  // four over the outline, four over the courtyard's edges
    double plan = 0;
    for (const RoofPlaneShape& p : planes) plan += RingPlanArea(p.outer);
    EXPECT_NEAR(plan, 400 - 36, kAreaTol);
    ExpectPlanar(planes);
    ExpectEdgeToEdge(planes, 4);
    // A plane over a courtyard edge is lowest on that edge and rises away from the courtyard.
    int courtyardPlanes = 0;
    for (const RoofPlaneShape& p : planes) {
        bool touchesCourtyard = false;
        for (const API_Coord3D& q : p.outer) {
            // the point lies on the courtyard's outline at eave height
            const bool onCourtyard = q.x >= 7 - kCornerTol && q.x <= 13 + kCornerTol && q.y >= 7 - kCornerTol &&
                                     q.y <= 13 + kCornerTol && std::fabs(q.z - 4) < kCornerTol;
            touchesCourtyard = touchesCourtyard || onCourtyard;
        }
        if (!touchesCourtyard) continue;
        ++courtyardPlanes;
        for (const API_Coord3D& q : p.outer) {
            const double fromCourtyard = std::max({7 - q.x, q.x - 13, 7 - q.y, q.y - 13, 0.0});
            EXPECT_NEAR(q.z, 4 + fromCourtyard * std::tan(kPi / 6), 1e-9);
        }
    }
    EXPECT_EQ(courtyardPlanes, 4);
}

TEST(GeneratedRoofs, BadInputsAreRefusedWithAReason) {
    host::RoofShapeInput in;
    std::vector<RoofPlaneShape> planes;
    std::string error;
    in.shape = "shed";
    in.footprint = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
    in.holes = {{{1, 1}, {2, 1}, {2, 2}}};
    EXPECT_FALSE(host::GenerateRoofPlanes(in, planes, error));
    EXPECT_NE(error.find("holes"), std::string::npos);
    in.shape = "hip";
    in.holes = {{{10, 10}, {12, 10}, {12, 12}}};
    EXPECT_FALSE(host::GenerateRoofPlanes(in, planes, error));
    EXPECT_NE(error.find("not inside"), std::string::npos);
    in.holes.clear();
    in.footprint = {{0, 0}, {6, 0}, {6, 4}, {3, -2}, {0, 4}};  // crosses itself
    EXPECT_FALSE(host::GenerateRoofPlanes(in, planes, error));
    EXPECT_NE(error.find("simple"), std::string::npos);
    in.footprint = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
    in.pitchDegrees = 0;
    EXPECT_FALSE(host::GenerateRoofPlanes(in, planes, error));
    EXPECT_TRUE(planes.empty());
}

}  // namespace
