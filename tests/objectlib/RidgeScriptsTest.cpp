// Purpose: hand-made ridges' quantities against hand arithmetic, and their plan symbols.
#include <gtest/gtest.h>

#include <cmath>

#include "PartObjects.h"
#include "objectlib/RidgeScripts.h"

namespace {

using namespace objlib_test;
constexpr double kPi = 3.14159265358979323846;

TEST(RidgeQuantities, LengthTilesAndEndPiecesByEndCode) {
    host::Element hip = RidgeObject(0, 0, kPi / 4, std::sqrt(32.0), 4, 2, 0);  // true length sqrt(48) = 6.93
    SetParam(hip, Num("vesztesegszorzo", {1.05}));
    const struct { host::Element object; const char* lengthItem; double length, tiles, caps, starters, junctions; } cases[] = {
        {RidgeObject(4, 4, 0, 4.0, 0, 3, 3), "ridge length", 4, 13, 0, 0, 2},     // 4 / 0.33 = 12.1
        {RidgeObject(0, 4, 0, 10.0, 0, 1, 1), "ridge length", 10, 31, 2, 0, 0},   // gable ridge
        {hip, "hip length", std::sqrt(48.0), 23, 0, 1, 0},                          // 6.93 / 0.33 x 1.05 = 22.05
    };
    for (const auto& c : cases) {
        std::vector<host::QuantityLine> q;
        objectlib::RidgeQuantities(c.object, q);
        EXPECT_NEAR(Amount(q, c.lengthItem, "KUPA/NV"), c.length, 1e-12);
        EXPECT_EQ(Amount(q, "ridge tiles", "KUPA/NV"), c.tiles);
        EXPECT_EQ(Amount(q, "ridge end caps"), c.caps);
        EXPECT_EQ(Amount(q, "hip starters"), c.starters);
        EXPECT_EQ(Amount(q, "ridge junctions"), c.junctions);
    }
}

TEST(RidgeDrawing, LineFromTheLowerEndAlongTheAngleWithItsEndPieces) {
    std::vector<host::DrawPrimitive> out;
    objectlib::DrawRidge(RidgeObject(2, 3, kPi / 2, 4.0, 0, 2, 1), out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_NEAR(out[0].points[0].y, 3, 1e-12);
    EXPECT_NEAR(out[0].points[1].x, 2, 1e-12);
    EXPECT_NEAR(out[0].points[1].y, 7, 1e-12);
    // The starter at the lower end points into the ridge; the end cap crosses the upper end.
    ASSERT_EQ(out[1].kind, host::DrawPrimitive::Polygon);
    for (const API_Coord& p : out[1].points) EXPECT_GE(p.y, 3 - 1e-12);
    ASSERT_EQ(out[2].kind, host::DrawPrimitive::Line);
    EXPECT_NEAR(out[2].points[0].y, 7, 1e-12);
    EXPECT_NEAR(std::fabs(out[2].points[1].x - out[2].points[0].x), 0.3, 1e-12);
    out.clear();
    objectlib::DrawRidge(RidgeObject(0, 0, 0, 4.0, 2, 0, 0), out);
    EXPECT_EQ(out.size(), 1u);  // end code 0 draws nothing of its own
}

}  // namespace
