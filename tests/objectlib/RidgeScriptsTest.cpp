// Purpose: a hand-made ridge's quantities against hand arithmetic, and its plan symbol.
#include <gtest/gtest.h>

#include <cmath>

#include "PartObjects.h"
#include "objectlib/RidgeScripts.h"

namespace {

using namespace objlib_test;
constexpr double kPi = 3.14159265358979323846;

std::vector<host::QuantityLine> Count(const host::Element& object) {
    std::vector<host::QuantityLine> lines;
    objectlib::RidgeQuantities(object, lines);
    return lines;
}

TEST(RidgeQuantities, RidgeOfAHippedRoofWithJunctionsAtBothEnds) {
    const auto q = Count(RidgeObject(4, 4, 0, 4.0, 0, 3, 3));
    EXPECT_DOUBLE_EQ(Amount(q, "ridge length", "KUPA/NV"), 4);
    EXPECT_EQ(Amount(q, "hip length"), 0);
    EXPECT_EQ(Amount(q, "ridge tiles", "KUPA/NV"), 13);  // 4 / 0.33 = 12.1
    EXPECT_EQ(Amount(q, "ridge junctions"), 2);
    EXPECT_EQ(Amount(q, "ridge end caps") + Amount(q, "hip starters"), 0);
}

TEST(RidgeQuantities, GableRidgeGetsTwoEndCaps) {
    const auto q = Count(RidgeObject(0, 4, 0, 10.0, 0, 1, 1));
    EXPECT_EQ(Amount(q, "ridge end caps"), 2);
    EXPECT_EQ(Amount(q, "ridge tiles"), 31);  // 10 / 0.33 = 30.3
}

TEST(RidgeQuantities, HipIsMeasuredOnTheSlopeWithLossAndAStarterAtItsEave) {
    // Plan length sqrt(32), rise 4: true length sqrt(48) = 6.93 m.
    host::Element hip = RidgeObject(0, 0, kPi / 4, std::sqrt(32.0), 4, 2, 0);
    SetParam(hip, Number("vesztesegszorzo", 1.05));
    const auto q = Count(hip);
    EXPECT_NEAR(Amount(q, "hip length"), std::sqrt(48.0), 1e-12);
    EXPECT_EQ(Amount(q, "ridge tiles"), 23);  // 6.93 / 0.33 x 1.05 = 22.05
    EXPECT_EQ(Amount(q, "hip starters"), 1);
    EXPECT_EQ(Amount(q, "ridge junctions") + Amount(q, "ridge end caps"), 0);
}

TEST(RidgeDrawing, LineFromTheLowerEndAlongTheAngleWithItsEndPieces) {
    std::vector<host::DrawPrimitive> out;
    objectlib::DrawRidge(RidgeObject(2, 3, kPi / 2, 4.0, 0, 2, 1), out);
    ASSERT_EQ(out.size(), 3u);
    ASSERT_EQ(out[0].kind, host::DrawPrimitive::Line);
    EXPECT_NEAR(out[0].points[0].x, 2, 1e-12);
    EXPECT_NEAR(out[0].points[0].y, 3, 1e-12);
    EXPECT_NEAR(out[0].points[1].x, 2, 1e-12);
    EXPECT_NEAR(out[0].points[1].y, 7, 1e-12);
    // The starter at the lower end points into the ridge; the end cap crosses the upper end.
    ASSERT_EQ(out[1].kind, host::DrawPrimitive::Polygon);
    for (const API_Coord& p : out[1].points) EXPECT_GE(p.y, 3 - 1e-12);
    ASSERT_EQ(out[2].kind, host::DrawPrimitive::Line);
    EXPECT_NEAR(out[2].points[0].y, 7, 1e-12);
    EXPECT_NEAR(out[2].points[1].y, 7, 1e-12);
    EXPECT_NEAR(std::fabs(out[2].points[1].x - out[2].points[0].x), 0.3, 1e-12);
}

TEST(RidgeDrawing, JunctionsAreCirclesAtBothEndsAndCodeZeroDrawsNothing) {
    std::vector<host::DrawPrimitive> out;
    objectlib::DrawRidge(RidgeObject(0, 0, 0, 4.0, 0, 3, 3), out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[1].kind, host::DrawPrimitive::Arc);
    EXPECT_NEAR(out[2].points[0].x, 4, 1e-12);
    out.clear();
    objectlib::DrawRidge(RidgeObject(0, 0, 0, 4.0, 2, 0, 0), out);
    EXPECT_EQ(out.size(), 1u);
}

}  // namespace
