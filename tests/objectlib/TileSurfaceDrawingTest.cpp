// Purpose: the tile surface's plan symbol: outline and holes on the slope, tile courses, edges,
// accessories.
#include <gtest/gtest.h>

#include <cmath>

#include "PartObjects.h"
#include "objectlib/TileSurfaceScripts.h"

namespace {

using namespace objlib_test;
const double kCos30 = std::cos(3.14159265358979323846 / 6);

struct Drawing {
    std::vector<host::DrawPrimitive> out;
    explicit Drawing(const host::Element& object) { objectlib::DrawTileSurface(object, out); }
    std::vector<const host::DrawPrimitive*> Of(const char* style) const {
        std::vector<const host::DrawPrimitive*> found;
        for (const host::DrawPrimitive& p : out)
            if (p.text == style) found.push_back(&p);
        return found;
    }
};

// Plan area of a closed ring.
double RingArea(const std::vector<API_Coord>& ring) {
    double twice = 0;
    for (size_t j = 0; j + 1 < ring.size(); ++j) twice += ring[j].x * ring[j + 1].y - ring[j + 1].x * ring[j].y;
    return std::fabs(twice) / 2;
}

double Length(const host::DrawPrimitive& line) {
    return std::hypot(line.points[1].x - line.points[0].x, line.points[1].y - line.points[0].y);
}

TEST(TileSurfaceDrawing, OutlineCoursesAndEdgesOnTheSlope) {
    const Drawing d(RectangleTileSurface());
    ASSERT_EQ(d.Of("outline").size(), 1u);
    // 10 m x 5 m on a 30 degree slope covers 10 x 5 cos 30 in plan, from the object's position.
    EXPECT_NEAR(RingArea(d.Of("outline")[0]->points), 50 * kCos30, 1e-9);
    EXPECT_NEAR(d.Of("outline")[0]->points[2].y, 2 + 5 * kCos30, 1e-12);
    // 5 m / 0.4 m: courses at 0.4 ... 4.8 m up the slope, none on the top edge, 0.4 cos 30 apart in plan.
    const auto courses = d.Of("course");
    ASSERT_EQ(courses.size(), 12u);
    for (const host::DrawPrimitive* c : courses) EXPECT_NEAR(Length(*c), 10, 1e-9);
    EXPECT_NEAR(courses[1]->points[0].y - courses[0]->points[0].y, 0.4 * kCos30, 1e-9);
    ASSERT_EQ(d.Of("eave").size(), 1u);
    EXPECT_EQ(d.Of("verge").size(), 2u);
    EXPECT_EQ(d.Of("ridge").size(), 1u);
    EXPECT_NE(d.Of("eave")[0]->pen, d.Of("verge")[0]->pen);
}

TEST(TileSurfaceDrawing, HoleIsDrawnAndCoursesStopAtIt) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Num("nodes", {0, 0, 10, 0, 10, 5, 0, 5, 0, 0, 2, 1.9, 2, 3.1, 3, 3.1, 3, 1.9, 2, 1.9}, 10, 2));
    SetParam(e, Num("stat",
                    {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge, kStatusNoEdge, kStatusHoleSloped,
                     kStatusHoleUpper, kStatusHoleSloped, kStatusHoleLower, kStatusNoEdge},
                    10, 1));
    const Drawing d(e);
    EXPECT_EQ(d.Of("hole").size(), 1u);
    EXPECT_EQ(d.Of("hole-edge").size(), 4u);
    // Courses at 2.0, 2.4, 2.8 m cross the hole: each is cut in two, 9 m long together.
    const auto courses = d.Of("course");
    ASSERT_EQ(courses.size(), 15u);
    double total = 0;
    for (const host::DrawPrimitive* c : courses) total += Length(*c);
    EXPECT_NEAR(total, 12 * 10 - 3 * 1, 1e-9);
}

TEST(TileSurfaceDrawing, AccessoriesWithTheirCodes) {
    host::Element e = RectangleTileSurface();
    SetParam(e, Num("num_acc", {2}));
    SetParam(e, Num("acces", {1, 2, 1, 0, 0, 0, 2, 1, 3, 2.8, 3, 2}, 2, 6));
    SetParam(e, Txt("cod_acc", {"SZELL", "HAGO"}));
    SetParam(e, Txt("mat_acc", {"NV", "NV"}));
    const Drawing d(e);
    ASSERT_EQ(d.Of("accessory").size(), 2u);
    EXPECT_NEAR(RingArea(d.Of("accessory")[0]->points), 0.3 * 0.4 * kCos30, 1e-9);  // one tile
    EXPECT_EQ(d.Of("accessory-piece").size(), 3u);
    EXPECT_EQ(d.Of("SZELL").size() + d.Of("HAGO").size(), 2u);
}

}  // namespace
