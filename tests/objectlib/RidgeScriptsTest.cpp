// Purpose: hand-made ridges' quantities against hand arithmetic, and their plan symbols.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "PartObjects.h"
#include "objectlib/RidgeScripts.h"

namespace {

using namespace objlib_test;
constexpr double kPi = 3.14159265358979323846;

// A ridge object and what it counts.
struct RidgeCase {
    const char* name;
    host::Element (*object)();
    const char* lengthItem;
    double length, tiles, caps, starters, junctions;
};

// Names a case in test output.
void PrintTo(const RidgeCase& c, std::ostream* os) { *os << c.name; }

// A level ridge 4 m long, junctions at both ends (4 / 0.33 = 12.1 tiles).
host::Element ShortRidgeBetweenJunctions() { return RidgeObject(4, 4, 0, 4.0, 0, 3, 3); }
// A gable ridge 10 m long with an end cap at each end.
host::Element GableRidge() { return RidgeObject(0, 4, 0, 10.0, 0, 1, 1); }
// A hip of plan length sqrt(32) rising 4 m (true length sqrt(48) = 6.93), with a starter at its foot.
host::Element HipWithAStarter() {
    host::Element hip = RidgeObject(0, 0, kPi / 4, std::sqrt(32.0), 4, 2, 0);
    SetParam(hip, Num("vesztesegszorzo", {1.05}));  // 6.93 / 0.33 x 1.05 = 22.05
    return hip;
}

class RidgeQuantitiesOf : public ::testing::TestWithParam<RidgeCase> {};

TEST_P(RidgeQuantitiesOf, LengthTilesAndEndPiecesByEndCode) {
    const RidgeCase& c = GetParam();
    std::vector<host::QuantityLine> q;
    objectlib::RidgeQuantities(c.object(), q);
    EXPECT_NEAR(Amount(q, c.lengthItem, "KUPA/NV"), c.length, 1e-12);
    EXPECT_EQ(Amount(q, "ridge tiles", "KUPA/NV"), c.tiles);
    EXPECT_EQ(Amount(q, "ridge end caps"), c.caps);
    EXPECT_EQ(Amount(q, "hip starters"), c.starters);
    EXPECT_EQ(Amount(q, "ridge junctions"), c.junctions);
}

INSTANTIATE_TEST_SUITE_P(RidgeQuantities, RidgeQuantitiesOf,
                         ::testing::Values(RidgeCase{"ShortRidgeBetweenJunctions", ShortRidgeBetweenJunctions,
                                                     "ridge length", 4, 13, 0, 0, 2},
                                           RidgeCase{"GableRidge", GableRidge, "ridge length", 10, 31, 2, 0, 0},
                                           RidgeCase{"HipWithAStarter", HipWithAStarter, "hip length", std::sqrt(48.0),
                                                     23, 0, 1, 0}),
                         [](const ::testing::TestParamInfo<RidgeCase>& info) { return std::string(info.param.name); });

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
