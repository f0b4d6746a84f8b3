// Purpose: a hand-made tile surface's quantities against hand arithmetic.
#include <gtest/gtest.h>

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
    // 50 m2 / (0.3 m x 0.4 m) = 416.67 tiles, x 1.05 = 437.5, rounded up.
    EXPECT_EQ(Amount(q, "tiles", "HULA/NV"), 438);
    EXPECT_DOUBLE_EQ(Amount(q, "eaves"), 10);
    EXPECT_DOUBLE_EQ(Amount(q, "verges"), 10);
    EXPECT_DOUBLE_EQ(Amount(q, "ridges"), 5);  // half of the 10 m ridge: the other plane has the rest
    EXPECT_EQ(Amount(q, "hips") + Amount(q, "valleys") + Amount(q, "other edges"), 0);
    // Each 5 m verge crosses 12.5 courses of 0.4 m: 13 edge tiles each.
    EXPECT_EQ(Amount(q, "edge tiles", "HULA/NV"), 26);
    // One snow-guard tile per 0.3 m tile along the 10 m eave: 33.3, rounded up.
    EXPECT_EQ(Amount(q, "snow guards", "HFC"), 34);
    EXPECT_EQ(Amount(q, "snow guard rails"), 0);
}

TEST(TileSurfaceQuantities, TileCountThatComesOutWholeIsNotRaisedByOne) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Number("surf", 48));  // 48 / 0.12 = 400 tiles exactly
    SetParam(e, Number("vesztesegszorzo", 1.0));
    EXPECT_EQ(Amount(Count(e), "tiles"), 400);
}

TEST(TileSurfaceQuantities, LossMultiplierThatIsNoNumberCountsAsNoLoss) {
    // A loss text that was no number reaches the object as 0; zero tiles would be no answer.
    host::Element e = RectangleTileSurface();
    SetParam(e, Number("vesztesegszorzo", 0));
    EXPECT_EQ(Amount(Count(e), "tiles"), 417);  // 416.67 rounded up
}

TEST(TileSurfaceQuantities, PartLackingWingtileStillCountsTheRest) {
    host::Element e = RectangleTileSurface();
    RemoveParam(e, "wingtile");
    const auto q = Count(e);
    EXPECT_EQ(Amount(q, "edge tiles"), 0);
    EXPECT_EQ(Amount(q, "tiles"), 438);
    EXPECT_DOUBLE_EQ(Amount(q, "eaves"), 10);
    EXPECT_EQ(Amount(q, "snow guards"), 34);
}

TEST(TileSurfaceQuantities, SnowGuardModes) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Text("hofogas", "RACS"));
    EXPECT_EQ(Amount(Count(e), "snow guards"), 0);
    EXPECT_DOUBLE_EQ(Amount(Count(e), "snow guard rails", "HFC"), 10);
    SetParam(e, Text("hofogas", "VEGY"));
    EXPECT_EQ(Amount(Count(e), "snow guards"), 34);
    EXPECT_DOUBLE_EQ(Amount(Count(e), "snow guard rails"), 10);
    SetParam(e, Text("hofogas", "NINCS"));
    EXPECT_EQ(Amount(Count(e), "snow guards") + Amount(Count(e), "snow guard rails"), 0);
    SetParam(e, Text("hofogas", "CSER"));
    SetParam(e, Number("auto_acc", 0));  // automatic accessories off: no snow guards
    EXPECT_EQ(Amount(Count(e), "snow guards"), 0);
}

TEST(TileSurfaceQuantities, HoleAndAreaFromTheNodesWhenSurfIsMissing) {
    host::Element e = RectangleTileSurface();
    // Outer 10 x 5, then a 1 x 1 skylight hole, each contour closed by its first node.
    SetParam(e, Numbers("nodes", 10, 2, {0, 0, 10, 0, 10, 5, 0, 5, 0, 0, 2, 2, 2, 3, 3, 3, 3, 2, 2, 2}));
    SetParam(e, Numbers("stat", 10, 1, {11, 22, 12, 22, -1, 53, 52, 53, 51, -1}));
    SetParam(e, Number("surf", 0));
    const auto q = Count(e);
    EXPECT_DOUBLE_EQ(Amount(q, "area"), 49);
    EXPECT_DOUBLE_EQ(Amount(q, "hole edges"), 4);
    EXPECT_DOUBLE_EQ(Amount(q, "top edges"), 10);
    EXPECT_DOUBLE_EQ(Amount(q, "verges"), 10);
}

TEST(TileSurfaceQuantities, EdgeKindsAndWallJunctions) {
    host::Element e = RectangleTileSurface();
    // A triangle-topped surface: eave along a wall (131), a hip, a valley, a slope break, an unknown code.
    SetParam(e, Numbers("nodes", 6, 2, {0, 0, 6, 0, 6, 4, 3, 8, 0, 4, 0, 0}));
    SetParam(e, Numbers("stat", 6, 1, {131, 42, 41, 33, 111, -1}));
    const auto q = Count(e);
    EXPECT_DOUBLE_EQ(Amount(q, "wall junctions"), 6);
    EXPECT_DOUBLE_EQ(Amount(q, "valleys"), 2);     // half of 4
    EXPECT_DOUBLE_EQ(Amount(q, "hips"), 2.5);      // half of 5
    EXPECT_DOUBLE_EQ(Amount(q, "slope breaks"), 2.5);
    EXPECT_DOUBLE_EQ(Amount(q, "other edges"), 4);
    EXPECT_EQ(Amount(q, "eaves"), 0);
    EXPECT_EQ(Amount(q, "snow guards"), 0);  // an eave along a wall gets none
}

TEST(TileSurfaceQuantities, AccessoriesByCodeSinglePiecesAndRows) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Number("num_acc", 3));
    SetParam(e, Numbers("acces", 3, 6,
                        {1, 2, 1, 0, 0, 0,           // one vent tile
                         2, 1, 3, 2.8, 3, 2,         // a row of 1.8 m, a piece every 2nd 0.3 m tile: 3
                         1, 5, 1, 0, 0, 0}));        // another vent tile
    SetParam(e, Texts("cod_acc", {"SZELL", "HAGO", "SZELL"}));
    SetParam(e, Texts("mat_acc", {"NV", "NV", "NV"}));
    const auto q = Count(e);
    EXPECT_EQ(Amount(q, "accessories", "SZELL/NV"), 2);
    EXPECT_EQ(Amount(q, "accessories", "HAGO/NV"), 3);
}

TEST(TileSurfaceQuantities, RowPickedBackwardsAndRowsBeyondNumAccAreIgnored) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Number("num_acc", 1));
    // The row's end lies before its start; its second row is stale (beyond "num_acc").
    SetParam(e, Numbers("acces", 2, 6, {2, 4, 3, 3.05, 3, 1, 1, 0, 0, 0, 0, 0}));
    SetParam(e, Texts("cod_acc", {"HAGO", "SZELL"}));
    SetParam(e, Texts("mat_acc", {"", ""}));
    const auto q = Count(e);
    EXPECT_EQ(Amount(q, "accessories", "HAGO"), 4);  // 0.95 m / 0.3 m = 3.17: a started tile counts
    EXPECT_EQ(Amount(q, "accessories", "SZELL"), 0);
}

}  // namespace
