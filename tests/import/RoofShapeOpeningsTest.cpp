// Purpose: generated roofs with openings cut through the plane they fall on, and footprints with
// points on a straight run that no longer split a plane.
#include <gtest/gtest.h>

#include <cmath>

#include "host/ModelFile.h"
#include "host/RoofShapes.h"

namespace {

// The roof planes of a generated shape; fails the test when it is refused.
std::vector<host::RoofPlaneShape> Generate(const host::RoofShapeInput& in, std::string* error = nullptr) {
    std::vector<host::RoofPlaneShape> planes;
    std::string e;
    const bool ok = host::GenerateRoofPlanes(in, planes, e);
    if (error != nullptr) *error = e;
    else EXPECT_TRUE(ok) << e;
    return planes;
}

host::RoofShapeInput Shape(const std::string& shape, std::vector<API_Coord> footprint) {
    host::RoofShapeInput in;
    in.shape = shape;
    in.footprint = std::move(footprint);
    in.pitchDegrees = 40;
    in.eaveLevel = 3;
    return in;
}

}  // namespace

TEST(GeneratedRoofs, OpeningsAreCutThroughThePlaneTheyFallOn) {
    for (const char* kind : {"gable", "shed", "hip"}) {
        SCOPED_TRACE(kind);
        host::RoofShapeInput in = Shape(kind, {{0, 0}, {12, 0}, {12, 8}, {0, 8}});
        in.openings = {{{5, 1}, {5.6, 1}, {5.6, 1.6}, {5, 1.6}}};  // a chimney near the first eave
        const auto planes = Generate(in);
        size_t holed = 0;
        for (const host::RoofPlaneShape& p : planes) {
            holed += p.holes.size();
            if (p.holes.empty()) continue;
            ASSERT_EQ(p.holes[0].size(), 4u);
            // the opening's corners lie on the plane, where the opening was drawn in plan
            EXPECT_LT(host::PlaneFlatness(p), 1e-9);
            EXPECT_DOUBLE_EQ(p.holes[0][0].x + p.holes[0][1].x + p.holes[0][2].x + p.holes[0][3].x, 2 * (5 + 5.6));
            // 1 m to 1.6 m up a 40-degree plane from the eave at 3 m
            for (const API_Coord3D& c : p.holes[0]) EXPECT_NEAR(c.z, 3 + c.y * std::tan(40 * 3.14159265358979323846 / 180), 1e-9);
        }
        EXPECT_EQ(holed, 1u);
    }
    // Across the ridge: no single plane holds it.
    host::RoofShapeInput across = Shape("gable", {{0, 0}, {12, 0}, {12, 8}, {0, 8}});
    across.openings = {{{5, 3.5}, {6, 3.5}, {6, 4.5}, {5, 4.5}}};
    std::string error;
    Generate(across, &error);
    EXPECT_NE(error.find("opening 1"), std::string::npos) << error;
    // Read from a model file and written back as a hole of its plane.
    host::Model model;
    ASSERT_TRUE(host::LoadModelText(R"({"elements": [{"type": "roof", "shape": "gable", "footprint": [[0,0],[12,0],[12,8],[0,8]],
        "pitch": 40, "eaveLevel": 3, "openings": [[[5,1],[5.6,1],[5.6,1.6],[5,1.6]]]}]})", "m", model, error)) << error;
    EXPECT_EQ(model.elements[0].roofPlanes[0].holes.size() + model.elements[0].roofPlanes[1].holes.size(), 1u);
}

TEST(GeneratedRoofs, FootprintPointsOnAStraightRunSplitNoPlane) {
    // The same rectangle with an extra point halfway along one side, and one 0.5 mm off it.
    for (double off : {0.0, 0.0005}) {
        SCOPED_TRACE(off);
        const auto plain = Generate(Shape("hip", {{0, 0}, {12, 0}, {12, 8}, {0, 8}}));
        const auto extra = Generate(Shape("hip", {{0, 0}, {6, off}, {12, 0}, {12, 8}, {0, 8}}));
        EXPECT_EQ(extra.size(), plain.size());  // 4 planes, no false break up the middle of one
        const auto gable = Generate(Shape("gable", {{0, 0}, {6, off}, {12, 0}, {12, 8}, {0, 8}}));
        EXPECT_EQ(gable.size(), 2u);
    }
    // A real corner (5 cm out) is kept: the L-shape stays an L-shape.
    const auto bent = Generate(Shape("hip", {{0, 0}, {6, -0.05}, {12, 0}, {12, 8}, {0, 8}}));
    EXPECT_GT(bent.size(), 4u);
}
