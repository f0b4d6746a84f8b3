// Purpose: the half-hip, mansard and cross-gable generated roofs as geometry: every plane flat and
// closed, neighbouring planes sharing their edges exactly, the planes covering the footprint once
// in plan, the heights a hand calculation gives, and bad parameters refused naming the element.
#include <gtest/gtest.h>

#include <cmath>

#include "host/ModelFile.h"
#include "host/RoofShapes.h"
#include "host/RoofShapesRings.h"

namespace {

using host::Ring3;
using host::RoofPlaneShape;

constexpr double kTol = 1e-9;
const double kTan40 = std::tan(40.0 * 3.14159265358979323846 / 180);

host::RoofShapeInput Shape(const std::string& shape, std::vector<API_Coord> footprint, double pitch = 40) {
    host::RoofShapeInput in;
    in.shape = shape;
    in.footprint = std::move(footprint);
    in.pitchDegrees = pitch;
    in.eaveLevel = 3;
    return in;
}

std::vector<RoofPlaneShape> Generate(const host::RoofShapeInput& in) {
    std::vector<RoofPlaneShape> planes;
    std::string error;
    EXPECT_TRUE(host::GenerateRoofPlanes(in, planes, error)) << error;
    return planes;
}

std::string Refusal(const host::RoofShapeInput& in) {
    std::vector<RoofPlaneShape> planes;
    std::string error;
    EXPECT_FALSE(host::GenerateRoofPlanes(in, planes, error));
    return error;
}

bool Same(const API_Coord3D& a, const API_Coord3D& b) {
    return std::fabs(a.x - b.x) < kTol && std::fabs(a.y - b.y) < kTol && std::fabs(a.z - b.z) < kTol;
}

// True when the plan segment a-b lies on an edge of the footprint.
bool OnOutline(const std::vector<API_Coord>& fp, const API_Coord3D& a, const API_Coord3D& b) {
    for (size_t i = 0; i < fp.size(); ++i) {
        const API_Coord& p = fp[i];
        const API_Coord& q = fp[(i + 1) % fp.size()];
        const double len = std::hypot(q.x - p.x, q.y - p.y);
        // Distance of a plan point from the footprint edge's line, and its place along it.
        auto off = [&](const API_Coord3D& c) { return std::fabs((c.x - p.x) * (q.y - p.y) - (c.y - p.y) * (q.x - p.x)) / len; };
        auto along = [&](const API_Coord3D& c) { return ((c.x - p.x) * (q.x - p.x) + (c.y - p.y) * (q.y - p.y)) / (len * len); };
        // both ends on the edge's line, within its two ends
        if (off(a) < kTol && off(b) < kTol && along(a) > -kTol && along(a) < 1 + kTol && along(b) > -kTol && along(b) < 1 + kTol)
            return true;
    }
    return false;
}

// The geometric facts every generated roof keeps: flat closed planes; every edge on the outline
// belongs to its plane alone, every other edge to exactly one other plane, the same two corners;
// the planes cover the footprint once in plan (plan areas add up, and every sample point inside
// the footprint lies in exactly one plane).
void ExpectSoundRoof(const std::vector<RoofPlaneShape>& planes, const std::vector<API_Coord>& fp) {
    double planArea = 0;
    for (size_t p = 0; p < planes.size(); ++p) {
        const Ring3& r = planes[p].outer;
        ASSERT_GE(r.size(), 3u);
        EXPECT_LE(host::PlaneFlatness(planes[p]), kTol) << "plane " << p;
        EXPECT_GT(host::PlanSignedArea2(r), 0) << "plane " << p << " is not anticlockwise or has no area";
        planArea += host::PlanSignedArea2(r) / 2;
        for (size_t i = 0; i < r.size(); ++i) {
            const API_Coord3D& a = r[i];
            const API_Coord3D& b = r[(i + 1) % r.size()];
            int shared = 0;
            for (size_t q = 0; q < planes.size(); ++q)
                for (size_t k = 0; q != p && k < planes[q].outer.size(); ++k) {
                    const API_Coord3D& s = planes[q].outer[k];
                    const API_Coord3D& t = planes[q].outer[(k + 1) % planes[q].outer.size()];
                    shared += Same(s, b) && Same(t, a) ? 1 : 0;  // neighbours run the other way round
                }
            EXPECT_EQ(shared, OnOutline(fp, a, b) ? 0 : 1) << "plane " << p << " edge " << i << " (" << a.x << "," << a.y
                                                            << "," << a.z << ")-(" << b.x << "," << b.y << "," << b.z << ")";
        }
    }
    EXPECT_NEAR(planArea, std::fabs(host::PlanSignedArea2(fp)) / 2, 1e-6);
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (const API_Coord& c : fp) x0 = std::min(x0, c.x), y0 = std::min(y0, c.y), x1 = std::max(x1, c.x), y1 = std::max(y1, c.y);
    // Sample points off every round coordinate, so none falls on an edge.
    for (double x = x0 + 0.0731; x < x1; x += 0.2917)
        for (double y = y0 + 0.0413; y < y1; y += 0.3119) {
            int in = 0;
            for (const RoofPlaneShape& p : planes) in += host::PlanInside(API_Coord{x, y}, p.outer) ? 1 : 0;
            EXPECT_EQ(in, host::PlanInsideRing(API_Coord{x, y}, fp) ? 1 : 0) << "at " << x << ", " << y;
        }
}

// The highest and lowest level of any plane.
double Highest(const std::vector<RoofPlaneShape>& planes) {
    double z = -1e9;
    for (const RoofPlaneShape& p : planes)
        for (const API_Coord3D& c : p.outer) z = std::max(z, c.z);
    return z;
}

// The level of the ridge of the planes over a plan point's line: the highest corner with that x.
double HighestAtX(const std::vector<RoofPlaneShape>& planes, double lo, double hi) {
    double z = -1e9;
    for (const RoofPlaneShape& p : planes)
        for (const API_Coord3D& c : p.outer)
            if (c.x > lo && c.x < hi) z = std::max(z, c.z);
    return z;
}

const std::vector<API_Coord> kRect = {{0, 0}, {12, 0}, {12, 8}, {0, 8}};

}  // namespace

TEST(CompoundRoofs, HalfHipIsAGableWithEachGableTopHippedBack) {
    host::RoofShapeInput in = Shape("halfHip", kRect);
    in.hipHeight = 1.0;
    const auto planes = Generate(in);
    ASSERT_EQ(planes.size(), 4u);
    ExpectSoundRoof(planes, kRect);
    const double ridge = 3 + 4 * kTan40;
    EXPECT_NEAR(Highest(planes), ridge, 1e-9);
    // Two triangles, their feet level at the gable wall's top, one hip height below the ridge, and
    // the ridge set back from each end by what the hip's pitch runs over that height.
    int triangles = 0;
    for (const RoofPlaneShape& p : planes) {
        if (p.outer.size() != 3) continue;
        ++triangles;
        int feet = 0;
        for (const API_Coord3D& c : p.outer) feet += std::fabs(c.z - (ridge - 1.0)) < 1e-9 ? 1 : 0;
        EXPECT_EQ(feet, 2);
        for (const API_Coord3D& c : p.outer)
            if (std::fabs(c.z - ridge) < 1e-9) EXPECT_NEAR(std::min(c.x, 12 - c.x), 1.0 / kTan40, 1e-9);
    }
    EXPECT_EQ(triangles, 2);

    // The same by fraction, on a footprint given the other way round and turned: still sound.
    const std::vector<API_Coord> turned = {{0, 0}, {-4, 6.9282}, {-10.9282, 2.9282}, {-6.9282, -4}};
    host::RoofShapeInput byFraction = Shape("halfHip", turned);
    byFraction.hipFraction = 0.5;
    byFraction.hipPitchDegrees = 60;
    ExpectSoundRoof(Generate(byFraction), turned);
}

TEST(CompoundRoofs, MansardHasASteepLowerAndAFlatUpperPlaneOnEverySide) {
    host::RoofShapeInput in = Shape("mansard", kRect, 70);
    in.upperPitchDegrees = 20;
    in.breakHeight = 2.5;
    const auto planes = Generate(in);
    ASSERT_EQ(planes.size(), 8u);
    ExpectSoundRoof(planes, kRect);
    // Four planes at 70 degrees up to the break at 5.5 m, four at 20 degrees above it.
    int steep = 0, flat = 0;
    for (const RoofPlaneShape& p : planes) {
        const host::RingNormalVector n = host::NewellNormal(p.outer);
        const double pitch = std::atan2(std::hypot(n.x, n.y), n.z) * 180 / 3.14159265358979323846;
        steep += std::fabs(pitch - 70) < 1e-6 ? 1 : 0;
        flat += std::fabs(pitch - 20) < 1e-6 ? 1 : 0;
        double lo = 1e9;
        for (const API_Coord3D& c : p.outer) lo = std::min(lo, c.z);
        EXPECT_TRUE(std::fabs(lo - 3) < 1e-9 || std::fabs(lo - 5.5) < 1e-9);
    }
    EXPECT_EQ(steep, 4);
    EXPECT_EQ(flat, 4);
    const double inset = 2.5 / std::tan(70 * 3.14159265358979323846 / 180);
    EXPECT_NEAR(Highest(planes), 5.5 + (4 - inset) * std::tan(20 * 3.14159265358979323846 / 180), 1e-9);

    // A square: the upper hip roof closes in a point; defaults for the upper pitch and the break.
    const std::vector<API_Coord> square = {{0, 0}, {8, 0}, {8, 8}, {0, 8}};
    const auto pyramid = Generate(Shape("mansard", square, 60));
    ASSERT_EQ(pyramid.size(), 8u);
    ExpectSoundRoof(pyramid, square);
}

TEST(CompoundRoofs, CrossGableOnAnLRunsTheNarrowerWingIntoTheWiderRoof) {
    // Wings of one width: one ridge height, the wing's ridge meets the through ridge.
    const std::vector<API_Coord> even = {{0, 0}, {12, 0}, {12, 8}, {8, 8}, {8, 16}, {0, 16}};
    const auto planes = Generate(Shape("crossGable", even));
    ExpectSoundRoof(planes, even);
    EXPECT_NEAR(Highest(planes), 3 + 4 * kTan40, 1e-9);
    EXPECT_NEAR(HighestAtX(planes, 10, 12.5), 3 + 4 * kTan40, 1e-9);  // the wing's far gable

    // A narrower wing (6 m): its ridge is lower and runs into the side of the 8 m roof.
    const std::vector<API_Coord> narrow = {{0, 0}, {12, 0}, {12, 6}, {8, 6}, {8, 16}, {0, 16}};
    const auto lower = Generate(Shape("crossGable", narrow));
    ExpectSoundRoof(lower, narrow);
    EXPECT_NEAR(Highest(lower), 3 + 4 * kTan40, 1e-9);
    EXPECT_NEAR(HighestAtX(lower, 10, 12.5), 3 + 3 * kTan40, 1e-9);

    // Any orientation and either direction round.
    std::vector<API_Coord> turned;
    for (auto it = narrow.rbegin(); it != narrow.rend(); ++it) turned.push_back({0.6 * it->x - 0.8 * it->y + 5, 0.8 * it->x + 0.6 * it->y - 2});
    ExpectSoundRoof(Generate(Shape("crossGable", turned)), turned);
}

TEST(CompoundRoofs, CrossGableOnATCrossesTheBarOrRunsIntoIt) {
    // A stem as wide as the bar or wider runs through to the bar's front; the bar's halves run into it.
    for (double stem : {8.0, 10.0}) {
        SCOPED_TRACE(stem);
        const double x0 = 10 - stem / 2, x1 = 10 + stem / 2;
        const std::vector<API_Coord> t = {{0, 0}, {20, 0}, {20, 8}, {x1, 8}, {x1, 16}, {x0, 16}, {x0, 8}, {0, 8}};
        const auto planes = Generate(Shape("crossGable", t));
        ExpectSoundRoof(planes, t);
        EXPECT_NEAR(Highest(planes), 3 + stem / 2 * kTan40, 1e-9);
    }
    // A narrower stem runs into the bar's side: its ridge is lower.
    const std::vector<API_Coord> t = {{0, 0}, {20, 0}, {20, 8}, {13, 8}, {13, 16}, {7, 16}, {7, 8}, {0, 8}};
    const auto planes = Generate(Shape("crossGable", t));
    ExpectSoundRoof(planes, t);
    EXPECT_NEAR(Highest(planes), 3 + 4 * kTan40, 1e-9);
    EXPECT_NEAR(HighestAtX(planes, 9, 11), 3 + 3 * kTan40, 1e-9);
}

TEST(CompoundRoofs, OpeningsAreCutThroughTheNewShapes) {
    host::RoofShapeInput mansard = Shape("mansard", kRect, 70);
    mansard.openings = {{{5, 0.2}, {5.6, 0.2}, {5.6, 0.6}, {5, 0.6}}, {{5, 2.5}, {5.6, 2.5}, {5.6, 3.1}, {5, 3.1}}};
    host::RoofShapeInput cross = Shape("crossGable", {{0, 0}, {12, 0}, {12, 6}, {8, 6}, {8, 16}, {0, 16}});
    cross.openings = {{{10, 1}, {10.5, 1}, {10.5, 1.5}, {10, 1.5}}};
    for (const host::RoofShapeInput& in : {mansard, cross}) {
        SCOPED_TRACE(in.shape);
        size_t holes = 0;
        for (const RoofPlaneShape& p : Generate(in)) {
            holes += p.holes.size();
            EXPECT_LE(host::PlaneFlatness(p), kTol);
        }
        EXPECT_EQ(holes, in.openings.size());
    }
}

TEST(CompoundRoofs, BadShapesAndParametersAreRefusedNamingWhatIsWrong) {
    host::RoofShapeInput tooHigh = Shape("halfHip", kRect);
    tooHigh.hipHeight = 4 * kTan40 + 0.1;
    EXPECT_NE(Refusal(tooHigh).find("\"hipHeight\""), std::string::npos);
    host::RoofShapeInput both = Shape("halfHip", kRect);
    both.hipHeight = 1, both.hipFraction = 0.3;
    EXPECT_NE(Refusal(both).find("either"), std::string::npos);
    host::RoofShapeInput meet = Shape("halfHip", kRect);
    meet.hipFraction = 0.9, meet.hipPitchDegrees = 10;
    EXPECT_NE(Refusal(meet).find("hips meet"), std::string::npos);
    host::RoofShapeInput upper = Shape("mansard", kRect, 60);
    upper.upperPitchDegrees = 65;
    EXPECT_NE(Refusal(upper).find("\"upperPitch\""), std::string::npos);
    host::RoofShapeInput breakTooHigh = Shape("mansard", kRect, 60);
    breakTooHigh.breakHeight = 20;
    EXPECT_NE(Refusal(breakTooHigh).find("\"breakHeight\""), std::string::npos);
    EXPECT_NE(Refusal(Shape("mansard", {{0, 0}, {12, 0}, {12, 8}, {6, 10}, {0, 8}})).find("rectangle"), std::string::npos);
    EXPECT_NE(Refusal(Shape("crossGable", kRect)).find("L footprint"), std::string::npos);
    EXPECT_NE(Refusal(Shape("crossGable", {{0, 0}, {12, 0}, {12, 8}, {8, 8}, {7, 16}, {0, 16}})).find("right angles"),
              std::string::npos);
    // A T whose shoulders differ is no T.
    EXPECT_NE(Refusal(Shape("crossGable", {{0, 0}, {20, 0}, {20, 8}, {13, 8}, {13, 16}, {7, 16}, {7, 9}, {0, 9}})).find("L"),
              std::string::npos);

    // In a model file: the element is named, a shape's keys belong to that shape, values above 0.
    host::Model model;
    std::string error;
    const std::string head = R"({"elements": [{"type": "roof", "id": "R7", "footprint": [[0,0],[12,0],[12,8],[0,8]], )";
    EXPECT_FALSE(host::LoadModelText(head + R"("shape": "gable", "hipHeight": 1}]})", "m.json", model, error));
    EXPECT_NE(error.find("\"R7\""), std::string::npos) << error;
    EXPECT_NE(error.find("belongs to a \"halfHip\" roof"), std::string::npos) << error;
    EXPECT_FALSE(host::LoadModelText(head + R"("shape": "mansard", "breakHeight": -1}]})", "m.json", model, error));
    EXPECT_NE(error.find("must be above 0"), std::string::npos) << error;
    EXPECT_FALSE(host::LoadModelText(head + R"("shape": "mansard", "upperPitch": 50}]})", "m.json", model, error));
    EXPECT_NE(error.find("\"R7\""), std::string::npos) << error;
    EXPECT_TRUE(host::LoadModelText(head + R"("shape": "halfHip", "hipFraction": 0.25, "pitch": 45}]})", "m.json", model, error))
        << error;
}
