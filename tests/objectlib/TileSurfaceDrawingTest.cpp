// Purpose: the tile surface's plan symbol: outline and holes on the slope, tile courses, edges,
// accessories.
#include <gtest/gtest.h>

#include <cmath>

#include "PartObjects.h"
#include "objectlib/TileSurfaceScripts.h"

namespace {

using namespace objlib_test;
constexpr double kPi = 3.14159265358979323846;

std::vector<host::DrawPrimitive> Draw(const host::Element& object) {
    std::vector<host::DrawPrimitive> out;
    objectlib::DrawTileSurface(object, out);
    return out;
}

std::vector<const host::DrawPrimitive*> OfStyle(const std::vector<host::DrawPrimitive>& out, const char* style) {
    std::vector<const host::DrawPrimitive*> found;
    for (const host::DrawPrimitive& p : out)
        if (p.text == style) found.push_back(&p);
    return found;
}

// Plan area of a closed ring.
double RingArea(const std::vector<API_Coord>& ring) {
    double twice = 0;
    for (size_t j = 0; j + 1 < ring.size(); ++j) twice += ring[j].x * ring[j + 1].y - ring[j + 1].x * ring[j].y;
    return std::fabs(twice) / 2;
}

double Length(const host::DrawPrimitive& line) {
    return std::hypot(line.points[1].x - line.points[0].x, line.points[1].y - line.points[0].y);
}

TEST(TileSurfaceDrawing, OutlineShrinksAcrossTheSlopeInPlan) {
    const auto out = Draw(RectangleTileSurface());
    const auto outline = OfStyle(out, "outline");
    ASSERT_EQ(outline.size(), 1u);
    ASSERT_EQ(outline[0]->points.size(), 5u);  // four corners, closed by the first again
    // 10 m x 5 m on a 30 degree slope covers 10 x 5 cos 30 in plan, from the object's position.
    EXPECT_NEAR(RingArea(outline[0]->points), 50 * std::cos(kPi / 6), 1e-9);
    EXPECT_NEAR(outline[0]->points[0].x, 1, 1e-12);
    EXPECT_NEAR(outline[0]->points[0].y, 2, 1e-12);
    EXPECT_NEAR(outline[0]->points[2].y, 2 + 5 * std::cos(kPi / 6), 1e-12);
}

TEST(TileSurfaceDrawing, RotatedObjectTurnsItsOutline) {
    host::Element e = RectangleTileSurface();
    e.rec.object.angle = kPi;  // a flipped plane's frame: x runs to -x in plan, y to -y
    const auto out = Draw(e);
    const auto outline = OfStyle(out, "outline");
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_NEAR(outline[0]->points[1].x, 1 - 10, 1e-9);
    EXPECT_NEAR(outline[0]->points[2].y, 2 - 5 * std::cos(kPi / 6), 1e-9);
}

TEST(TileSurfaceDrawing, TileCoursesEveryTileLengthOnTheSlope) {
    const auto out = Draw(RectangleTileSurface());
    const auto courses = OfStyle(out, "course");
    // 5 m / 0.4 m: courses at 0.4 ... 4.8 m up the slope, none on the top edge.
    ASSERT_EQ(courses.size(), 12u);
    for (const host::DrawPrimitive* c : courses) EXPECT_NEAR(Length(*c), 10, 1e-9);
    // In plan they lie 0.4 cos 30 apart.
    EXPECT_NEAR(courses[1]->points[0].y - courses[0]->points[0].y, 0.4 * std::cos(kPi / 6), 1e-9);
}

TEST(TileSurfaceDrawing, HoleIsDrawnAndCoursesStopAtIt) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Numbers("nodes", 10, 2, {0, 0, 10, 0, 10, 5, 0, 5, 0, 0, 2, 1.9, 2, 3.1, 3, 3.1, 3, 1.9, 2, 1.9}));
    SetParam(e, Numbers("stat", 10, 1, {11, 21, 31, 21, -1, 53, 52, 53, 51, -1}));
    const auto out = Draw(e);
    EXPECT_EQ(OfStyle(out, "hole").size(), 1u);
    // Courses at 2.0, 2.4, 2.8 m cross the hole: each is cut in two, 9 m long together.
    const auto courses = OfStyle(out, "course");
    ASSERT_EQ(courses.size(), 15u);
    double total = 0;
    for (const host::DrawPrimitive* c : courses) total += Length(*c);
    EXPECT_NEAR(total, 12 * 10 - 3 * 1, 1e-9);
    EXPECT_EQ(OfStyle(out, "hole").size() + OfStyle(out, "outline").size(), 2u);
}

TEST(TileSurfaceDrawing, EdgesStyledByStatus) {
    const auto out = Draw(RectangleTileSurface());
    ASSERT_EQ(OfStyle(out, "eave").size(), 1u);
    EXPECT_EQ(OfStyle(out, "verge").size(), 2u);
    EXPECT_EQ(OfStyle(out, "ridge").size(), 1u);
    EXPECT_NE(OfStyle(out, "eave")[0]->pen, OfStyle(out, "verge")[0]->pen);
    EXPECT_NEAR(Length(*OfStyle(out, "eave")[0]), 10, 1e-12);
}

TEST(TileSurfaceDrawing, AccessoriesWithTheirCodes) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Number("num_acc", 2));
    SetParam(e, Numbers("acces", 2, 6, {1, 2, 1, 0, 0, 0, 2, 1, 3, 2.8, 3, 2}));
    SetParam(e, Texts("cod_acc", {"SZELL", "HAGO"}));
    SetParam(e, Texts("mat_acc", {"NV", "NV"}));
    const auto out = Draw(e);
    const auto boxes = OfStyle(out, "accessory");
    ASSERT_EQ(boxes.size(), 2u);
    // The single piece is one tile: 0.3 x 0.4 on the slope.
    EXPECT_NEAR(RingArea(boxes[0]->points), 0.3 * 0.4 * std::cos(kPi / 6), 1e-9);
    EXPECT_EQ(OfStyle(out, "accessory-piece").size(), 3u);
    EXPECT_EQ(OfStyle(out, "SZELL").size(), 1u);
    EXPECT_EQ(OfStyle(out, "HAGO").size(), 1u);
}

}  // namespace
