// Purpose: a hand-made tile surface's quantities against hand arithmetic.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "PartObjects.h"
#include "objectlib/TileSurfaceScripts.h"

namespace {

using namespace objlib_test;

std::vector<host::QuantityLine> Count(const host::Element& object) {
    std::vector<host::QuantityLine> lines;
    objectlib::TileSurfaceQuantities(object, lines);
    return lines;
}

TEST(TileSurfaceQuantities, RectangleWithEaveVergesAndSharedRidge) {
    const auto q = Count(RectangleTileSurface());
    EXPECT_DOUBLE_EQ(Amount(q, "area", "HULA"), 50);
    EXPECT_EQ(Amount(q, "tiles", "HULA/NV"), 438);  // 50 / (0.3 x 0.4) x 1.05 = 437.5
    EXPECT_DOUBLE_EQ(Amount(q, "eaves"), 10);
    EXPECT_DOUBLE_EQ(Amount(q, "verges"), 10);
    EXPECT_DOUBLE_EQ(Amount(q, "ridges"), 5);  // half of the 10 m ridge: the other plane has the rest
    // Each 5 m verge crosses 12.5 courses of 0.4 m; the right verge (x = 10, seen from the eave)
    // takes right-hand edge tiles, the left one left-hand tiles; the field tile is no edge tile.
    EXPECT_EQ(Amount(q, "edge tiles", "HULA-B/NV"), 13);
    EXPECT_EQ(Amount(q, "edge tiles", "HULA-J/NV"), 13);
    EXPECT_EQ(Amount(q, "edge tiles", "HULA/NV"), 0);
    EXPECT_EQ(Amount(q, "snow guards", "HFC"), 34);     // 10 m of eave / 0.3 m tiles = 33.3
}

TEST(TileSurfaceQuantities, TileCountRounding) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Num("surf", {48}));  // 48 / 0.12 = 400 tiles exactly: not raised to 401
    SetParam(e, Num("vesztesegszorzo", {1.0}));
    EXPECT_EQ(Amount(Count(e), "tiles"), 400);
    // A loss text that was no number reaches the object as 0; it counts as no loss, not as no tiles.
    SetParam(e, Num("surf", {50}));
    SetParam(e, Num("vesztesegszorzo", {0}));
    EXPECT_EQ(Amount(Count(e), "tiles"), 417);
}

TEST(TileSurfaceQuantities, PartLackingWingtileStillCountsTheRest) {
    host::Element e = RectangleTileSurface();
    e.params.erase(e.params.begin() + 10);  // "wingtile"
    ASSERT_EQ(host::FindParam(e.params, "wingtile"), nullptr);
    const auto q = Count(e);
    EXPECT_EQ(Amount(q, "edge tiles"), 0);
    EXPECT_EQ(Amount(q, "tiles"), 438);
    EXPECT_EQ(Amount(q, "snow guards"), 34);
}

// A snow-guarding mode and what it counts on the 10 x 5 m surface.
struct SnowGuardCase {
    const char* mode;
    double pieces, rail;
};

// Names a case in test output.
void PrintTo(const SnowGuardCase& c, std::ostream* os) { *os << c.mode; }

class SnowGuardMode : public ::testing::TestWithParam<SnowGuardCase> {};

TEST_P(SnowGuardMode, CountsPiecesAndRails) {
    host::Element e = RectangleTileSurface();
    objlib_test::SetParam(e, Txt("hofogas", {GetParam().mode}));
    EXPECT_EQ(Amount(Count(e), "snow guards"), GetParam().pieces);
    EXPECT_EQ(Amount(Count(e), "snow guard rails"), GetParam().rail);
}

INSTANTIATE_TEST_SUITE_P(TileSurfaceQuantities, SnowGuardMode,
                         ::testing::Values(SnowGuardCase{"CSER", 34, 0}, SnowGuardCase{"RACS", 0, 10},
                                           SnowGuardCase{"VEGY", 34, 10}, SnowGuardCase{"NINCS", 0, 0}),
                         [](const ::testing::TestParamInfo<SnowGuardCase>& info) {
                             return std::string(info.param.mode);
                         });

TEST(TileSurfaceQuantities, AutomaticAccessoriesOffLaysNoSnowGuards) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Txt("hofogas", {"CSER"}));
    SetParam(e, Num("auto_acc", {0}));
    EXPECT_EQ(Amount(Count(e), "snow guards"), 0);
}

TEST(TileSurfaceQuantities, EdgeGroupsHolesAndAreaFromTheNodes) {
    host::Element e = RectangleTileSurface();
    // Eave along a wall, valley, hip, slope break, unclassified; then a 1 x 1 skylight hole.
    SetParam(e, Num("nodes", {0, 0, 6, 0, 6, 4, 3, 8, 0, 4, 0, 0, 2, 1, 2, 2, 3, 2, 3, 1, 2, 1}, 11, 2));
    SetParam(
        e, Num("stat",
               {kStatusWallEave, kStatusValley, kStatusHip, kStatusNearFlatHorizontal, kStatusUnclassified,
                kStatusNoEdge, kStatusHoleSloped, kStatusHoleUpper, kStatusHoleSloped, kStatusHoleLower, kStatusNoEdge},
               11, 1));
    SetParam(e, Num("surf", {0}));
    const auto q = Count(e);
    EXPECT_DOUBLE_EQ(Amount(q, "area"), 6 * 4 + 6 * 4 / 2.0 - 1);
    EXPECT_DOUBLE_EQ(Amount(q, "wall junctions"), 6);
    EXPECT_DOUBLE_EQ(Amount(q, "valleys"), 2);  // shared edges: half of 4, of 5, of 5
    EXPECT_DOUBLE_EQ(Amount(q, "hips"), 2.5);
    EXPECT_DOUBLE_EQ(Amount(q, "slope breaks"), 2.5);
    EXPECT_DOUBLE_EQ(Amount(q, "other edges"), 4);
    EXPECT_DOUBLE_EQ(Amount(q, "hole edges"), 4);
    EXPECT_EQ(Amount(q, "eaves") + Amount(q, "snow guards"), 0);  // an eave along a wall gets none
}

TEST(TileSurfaceQuantities, AccessoriesByCode) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Num("num_acc", {4}));
    SetParam(e, Num("acces", {1, 2, 1, 0, 0, 0,          // one vent tile
                              2, 1, 3, 2.8, 3, 2,        // 1.8 m, a piece every 2nd 0.3 m tile: 3
                              2, 4, 3, 3.05, 3, 1,       // picked backwards, 0.95 m: 3.2, a started tile counts
                              1, 5, 1, 0, 0, 0,          // another vent tile
                              1, 6, 1, 0, 0, 0},         // stale: beyond "num_acc"
                     5, 6));
    SetParam(e, Txt("cod_acc", {"SZELL", "HAGO", "HAGO", "SZELL", "ANTK"}));
    SetParam(e, Txt("mat_acc", {"NV", "NV", "NV", "NV", "NV"}));
    const auto q = Count(e);
    EXPECT_EQ(Amount(q, "accessories", "SZELL/NV"), 2);
    EXPECT_EQ(Amount(q, "accessories", "HAGO/NV"), 7);
    EXPECT_EQ(Amount(q, "accessories", "ANTK/NV"), 0);
}

}  // namespace
