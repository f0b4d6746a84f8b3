// Purpose: the tile surface's order-list items from its parameters: left and right edge tiles in
// either frame, cut tiles and clips, foil, valley pieces counted once for two planes, the edge's
// fold naming a ridge laid without ridge tiles, and the label the 2D display option asks for.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include <cmath>

#include "PartObjects.h"
#include "objectlib/TileSurfaceScripts.h"

namespace {

using namespace objlib_test;
constexpr double kPi = 3.14159265358979323846;

std::vector<host::QuantityLine> Count(const host::Element& object) {
    std::vector<host::QuantityLine> lines;
    objectlib::TileSurfaceQuantities(object, lines);
    return lines;
}

// The same surface as a flipped plane carries it: nodes negated, turned half round; the same plan.
host::Element Flipped(host::Element e) {
    for (host::ParamValue& p : e.params)
        if (p.name == "nodes")
            for (double& v : p.numbers) v = -v;
    e.rec.object.angle += kPi;
    return e;
}

// An eave of 10 m, a right verge rising 2 m, a sloped top edge and a left verge rising 5 m.
host::Element UnevenVerges() {
    host::Element e = RectangleTileSurface();
    SetParam(e, Num("nodes", {0, 0, 10, 0, 10, 2, 0, 5, 0, 0}, 5, 2));
    SetParam(e, Num("stat", {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge, kStatusNoEdge}, 5, 1));
    return e;
}

TEST(OrderItems, LeftAndRightEdgeTilesAsSeenFromTheEaveInEitherFrame) {
    for (const host::Element& e : {UnevenVerges(), Flipped(UnevenVerges())}) {
        const auto q = Count(e);
        EXPECT_EQ(Amount(q, "edge tiles", "HULA-J/NV"), 5);   // 2 m / 0.4 m courses, rounded up
        EXPECT_EQ(Amount(q, "edge tiles", "HULA-B/NV"), 13);  // 5 m / 0.4 m
        EXPECT_EQ(Amount(q, "edge tiles", "HULA/NV"), 0);
    }
}

// The rectangle with a valley instead of its right verge, the foil, valley type and both fixings.
host::Element WithValleyAndChoices() {
    host::Element e = RectangleTileSurface();
    SetParam(e, Num("stat", {kStatusEave, kStatusValley, kStatusRidge, kStatusVerge, kStatusNoEdge}, 5, 1));
    SetParam(e, Txt("folia", {"TF115"}));
    SetParam(e, Txt("vapatipus", {"FEMV"}));
    SetParam(e, Txt("mat_pan", {"VOR"}));
    SetParam(e, Num("csrogz", {1}));
    SetParam(e, Num("rogkar", {1}));
    return e;
}

TEST(OrderItems, CutTilesFixingsFoilAndWaste) {
    const auto q = Count(WithValleyAndChoices());
    EXPECT_DOUBLE_EQ(Amount(q, "foil", "TF115"), 55);  // 50 m2 and a tenth for the laps
    EXPECT_EQ(Amount(q, "tiles", "HULA/NV"), 438);       // 50 / 0.12 x 1.05 = 437.5
    EXPECT_EQ(Amount(q, "storm clips"), 417);            // one per tile laid: 50 / 0.12 = 416.7
    EXPECT_EQ(Amount(q, "waste tiles"), 438 - 417);      // what the loss multiplier adds
    EXPECT_EQ(Amount(q, "cut tiles", "HULA/NV"), 13);    // the 5 m valley crosses 12.5 courses
    EXPECT_EQ(Amount(q, "cut tile clips"), 13);          // the verge has edge tiles: no cuts there
    EXPECT_EQ(Amount(q, "edge tiles", "HULA-B/NV"), 13);
    // Without edge tiles the verge's end tiles are cut and clipped too.
    host::Element plain = WithValleyAndChoices();
    SetParam(plain, Num("wingtile", {0}));
    EXPECT_EQ(Amount(Count(plain), "cut tile clips"), 26);
    // Boxes off: no fixings; no foil or valley chosen ("NINCS"): none counted.
    SetParam(plain, Num("csrogz", {0}));
    SetParam(plain, Num("rogkar", {0}));
    SetParam(plain, Txt("folia", {"NINCS"}));
    SetParam(plain, Txt("vapatipus", {"NINCS"}));
    const auto none = Count(plain);
    for (const char* item : {"storm clips", "cut tile clips", "foil", "valley length", "valley pieces"})
        EXPECT_EQ(Amount(none, item), 0) << item;
}

TEST(OrderItems, ValleyPiecesAreCountedOnOneOfItsTwoPlanes) {
    // The valley's two planes run along it in opposite directions; the half-turned surface is the
    // other plane's view of the same edge.
    host::Element here = WithValleyAndChoices();
    host::Element there = WithValleyAndChoices();
    there.rec.object.angle = kPi;
    const auto a = Count(here), b = Count(there);
    EXPECT_EQ(Amount(a, "valley pieces", "FEMV/VOR") + Amount(b, "valley pieces", "FEMV/VOR"), 3);  // 5 / 1.9
    EXPECT_EQ(Amount(a, "valley pieces") * Amount(b, "valley pieces"), 0);
    EXPECT_DOUBLE_EQ(Amount(a, "valley length", "FEMV/VOR"), 2.5);  // half on each plane
}

TEST(OrderItems, TheFoldNamesARidgeLaidWithoutRidgeTiles) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Num("stat", {kStatusEave, kStatusVerge, kStatusNearFlatHorizontal, kStatusVerge, kStatusNoEdge}, 5,
                    1));  // the top stored as "ridge without ridge tiles"
    // Not told how the planes meet: a slope break, as the edge setter shows the status.
    EXPECT_DOUBLE_EQ(Amount(Count(e), "slope breaks"), 5);
    SetParam(e, Num("fold", {0, 0, 1, 0, 0}, 5, 1));  // both planes fall away from it
    const auto q = Count(e);
    EXPECT_DOUBLE_EQ(Amount(q, "ridges"), 5);
    EXPECT_EQ(Amount(q, "slope breaks"), 0);
    std::vector<host::DrawPrimitive> drawn;
    objectlib::DrawTileSurface(e, drawn);
    size_t ridges = 0;
    for (const host::DrawPrimitive& p : drawn) ridges += p.text == "ridge" ? 1 : 0;
    EXPECT_EQ(ridges, 1u);
    SetParam(e, Num("fold", {0, 0, 3, 0, 0}, 5, 1));  // a concave break
    EXPECT_DOUBLE_EQ(Amount(Count(e), "slope breaks"), 5);
}

// A display option of the plan label and the label it shows (none for null).
struct LabelCase {
    const char* name;
    const char* option;
    const char* label;
};

// Names a case in test output.
void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

class DisplayOption : public ::testing::TestWithParam<LabelCase> {};

TEST_P(DisplayOption, ChoosesTheLabel) {
    const LabelCase& c = GetParam();
    host::Element e = RectangleTileSurface();
    objlib_test::SetParam(e, Txt("opt2d", {c.option}));
    std::vector<host::DrawPrimitive> drawn;
    objectlib::DrawTileSurface(e, drawn);
    const host::DrawPrimitive* label = nullptr;
    for (const host::DrawPrimitive& p : drawn)
        if (p.kind == host::DrawPrimitive::Text && p.radius > 0) label = &p;
    if (c.label == nullptr) {
        EXPECT_EQ(label, nullptr);
        return;
    }
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text, c.label);
    // at the middle of the outline: 10 x 5 on the slope from (1, 2), 30 degrees
    EXPECT_NEAR(label->points[0].x, 1 + 5, 1e-9);
    EXPECT_NEAR(label->points[0].y, 2 + 2.5 * std::cos(kPi / 6), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(OrderItems, DisplayOption,
                         ::testing::Values(LabelCase{"Type", "TIP", "HULA"},
                                           LabelCase{"TypeAndSize", "TIPSZ", "HULA/NV"},
                                           LabelCase{"Full", "TELJES", "HULA/NV 50.00 m2 438 db"},
                                           LabelCase{"None", "NINCS", nullptr}, LabelCase{"Empty", "", nullptr}),
                         [](const ::testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

}  // namespace
