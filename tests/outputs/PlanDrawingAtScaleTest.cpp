// Purpose: the plan drawing at estate scale: the roof edges typed through the grid of their ends
// are the edges the plain definition gives (same ends either way round within the tolerance, the
// last typed edge winning, pieces of split edges typing the edge they lie on), and the workbench
// page's picture (alike marks merged, cut into parts) paints what the drawing paints.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "app/PlanSvg.h"
#include "common/AddOnFixture.h"
#include "common/EstateGenerator.h"
#include "common/EstateRun.h"
#include "host/Host.h"

namespace {

using app::PlanEdge;
constexpr double kTol = 0.02;  // the drawing's matching tolerance (m)

// True when p and q are one point of the drawing.
bool Near(const API_Coord& p, const API_Coord& q) { return std::hypot(p.x - q.x, p.y - q.y) < kTol; }

// The edges of the plan by the plain definition, comparing every edge with every typed one.
std::vector<PlanEdge> PlainRoofEdges(const std::vector<host::Ring3>& rings, const std::vector<PlanEdge>& typed) {
    const auto same = [](const PlanEdge& t, const PlanEdge& e) {
        return (Near(t.a, e.a) && Near(t.b, e.b)) || (Near(t.a, e.b) && Near(t.b, e.a));
    };
    std::vector<PlanEdge> out;
    for (const host::Ring3& ring : rings)
        for (size_t i = 0; i < ring.size(); ++i) {
            PlanEdge e{{ring[i].x, ring[i].y}, {ring[(i + 1) % ring.size()].x, ring[(i + 1) % ring.size()].y}, 0};
            for (const PlanEdge& t : typed)
                if (same(t, e)) e.type = t.type;
            out.push_back(e);
        }
    for (const PlanEdge& t : typed) {
        bool held = false;
        for (const PlanEdge& e : out) held = held || same(t, e);
        if (!held) out.push_back(t);
    }
    for (PlanEdge& e : out) {
        const double len = std::hypot(e.b.x - e.a.x, e.b.y - e.a.y);
        if (e.type != 0 || len < kTol) continue;
        for (const PlanEdge& t : typed) {
            const double mx = (t.a.x + t.b.x) / 2, my = (t.a.y + t.b.y) / 2;
            const double cross = ((e.b.x - e.a.x) * (my - e.a.y) - (e.b.y - e.a.y) * (mx - e.a.x)) / len;
            const double along = ((e.b.x - e.a.x) * (mx - e.a.x) + (e.b.y - e.a.y) * (my - e.a.y)) / (len * len);
            if (std::fabs(cross) < kTol && along > 0 && along < 1) e.type = t.type;
        }
    }
    return out;
}

// A project of `count` square roofs of four planes each in a row, as rings; the rings are returned.
std::vector<host::Ring3> SquareRoofs(int count) {
    host::ResetSession();
    std::vector<host::Ring3> rings;
    for (int k = 0; k < count; ++k) {
        host::Element roof;
        roof.rec.header.typeID = API_RoofID;
        roof.elementId = "R" + std::to_string(k);
        const double x = 15.0 * k, c = x + 5;
        const API_Coord3D corners[4] = {{x, 0, 3}, {x + 10, 0, 3}, {x + 10, 10, 3}, {x, 10, 3}};
        for (int side = 0; side < 4; ++side) {
            host::RoofPlaneShape plane;
            plane.outer = {corners[side], corners[(side + 1) % 4], {c, 5, 7}};
            rings.push_back(plane.outer);
            roof.roofPlanes.push_back(plane);
        }
        host::gSession.model.elements.push_back(roof);
    }
    return rings;
}

// Compares two edge lists edge by edge.
void ExpectSameEdges(const std::vector<PlanEdge>& got, const std::vector<PlanEdge>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].type, want[i].type) << "edge " << i;
        EXPECT_EQ(got[i].a.x, want[i].a.x);
        EXPECT_EQ(got[i].b.y, want[i].b.y);
    }
}

TEST(PlanDrawingAtScale, TheGridTypesEdgesAsComparingEveryPairDoes) {
    const std::vector<host::Ring3> rings = SquareRoofs(30);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> jitter(-0.006, 0.006), unit(0, 1);
    std::vector<PlanEdge> typed;
    for (const host::Ring3& ring : rings)
        for (size_t i = 0; i < ring.size(); ++i) {
            const API_Coord a{ring[i].x + jitter(random), ring[i].y + jitter(random)};
            const API_Coord b{ring[(i + 1) % ring.size()].x + jitter(random), ring[(i + 1) % ring.size()].y + jitter(random)};
            const int type = 1 + int(unit(random) * 14);
            const double pick = unit(random);
            if (pick < 0.3) typed.push_back({a, b, type});                                   // the same edge
            else if (pick < 0.5) typed.push_back({b, a, type});                              // the other way round
            else if (pick < 0.65) typed.push_back({a, {(a.x + b.x) / 2, (a.y + b.y) / 2}, type});  // half of it
            else if (pick < 0.75) {                                                           // twice: the later wins
                typed.push_back({a, b, type});
                typed.push_back({b, a, 1 + type % 14});
            }
        }
    // edges no roof holds, one of them twice, and one just outside the tolerance
    typed.push_back({{-5, -5}, {-1, -5}, 3});
    typed.push_back({{-1, -5}, {-5, -5}, 4});
    typed.push_back({{0.05, 0}, {10, 0.05}, 6});
    ExpectSameEdges(app::RoofEdges(typed), PlainRoofEdges(rings, typed));
}

TEST(PlanDrawingAtScale, EndsOnTheCellBordersStillMeet) {
    // ends a hair apart across a border of the grid's cells (multiples of the tolerance)
    const std::vector<host::Ring3> rings = SquareRoofs(1);
    std::vector<PlanEdge> typed;
    for (const host::Ring3& ring : rings)
        for (size_t i = 0; i < ring.size(); ++i)
            typed.push_back({{ring[i].x - 0.0099, ring[i].y + 0.0099},
                             {ring[(i + 1) % ring.size()].x + 0.0099, ring[(i + 1) % ring.size()].y - 0.0099}, 8});
    const std::vector<PlanEdge> edges = app::RoofEdges(typed);
    ExpectSameEdges(edges, PlainRoofEdges(rings, typed));
    for (size_t i = 0; i < rings.size() * 3; ++i) EXPECT_EQ(edges[i].type, 8) << "edge " << i;
}

// The marks of a drawing: its lines that are not merged paths, in order.
std::vector<std::string> OtherLines(const std::string& svg) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < svg.size()) {
        const size_t end = svg.find('\n', start);
        const std::string line = svg.substr(start, end - start);
        start = end == std::string::npos ? svg.size() : end + 1;
        const bool mark = line.rfind("<line ", 0) == 0 || line.rfind("<circle ", 0) == 0 ||
                          (line.rfind("<rect x=", 0) == 0 && line.find("stroke") == std::string::npos) ||
                          (line.rfind("<path ", 0) == 0 && line.find("fill-rule") == std::string::npos) || line == "<g>" ||
                          line == "</g>";
        if (!mark) lines.push_back(line);
    }
    return lines;
}

// How many times `what` occurs in `text`.
size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(PlanDrawingAtScale, MergingKeepsTheOrderOfColoursAndEveryMark) {
    const std::string svg =
        "<svg width=\"10\">\n"
        "<line x1=\"0.00\" y1=\"0.00\" x2=\"1.00\" y2=\"1.00\" stroke=\"#0000ff\" stroke-width=\"2\"/>\n"
        "<line x1=\"2.00\" y1=\"0.00\" x2=\"3.00\" y2=\"1.00\" stroke=\"#0000ff\" stroke-width=\"2\"/>\n"
        "<line x1=\"4.00\" y1=\"0.00\" x2=\"5.00\" y2=\"1.00\" stroke=\"#ff0000\" stroke-width=\"2\"/>\n"
        "<circle cx=\"1.00\" cy=\"1.00\" r=\"2.00\" fill=\"#0000ff\"/>\n"
        "<rect x=\"1.00\" y=\"2.00\" width=\"3.00\" height=\"3.00\" fill=\"#0000ff\"/>\n"
        "<circle cx=\"5.00\" cy=\"5.00\" r=\"1.00\" fill=\"#0000ff\"/>\n"
        "<text x=\"1\" y=\"1\" transform=\"rotate(5 1 1)\">A</text>\n"
        "<line x1=\"9.00\" y1=\"9.00\" x2=\"8.00\" y2=\"8.00\" stroke=\"#0000ff\" stroke-width=\"2\" transform=\"rotate(3)\"/>\n"
        "<g font-size=\"3\">\n<g>\n<line x1=\"0.00\" y1=\"0.00\" x2=\"1.00\" y2=\"1.00\" stroke=\"#000\" stroke-width=\"1\"/>\n</g>\n</g>\n"
        "</svg>\n";
    const std::string merged = app::MergedMarks(svg);
    // blue, red, blue in that order: the red line stays between the blue marks
    const size_t blue = merged.find("stroke=\"#0000ff\""), red = merged.find("#ff0000"), dots = merged.find("fill=\"#0000ff\"");
    ASSERT_NE(red, std::string::npos);
    EXPECT_LT(blue, red);
    EXPECT_LT(red, dots);
    EXPECT_NE(merged.find("M0.00 0.00 L1.00 1.00 M2.00 0.00 L3.00 1.00"), std::string::npos) << merged;
    // the two dots and the square after the red line are one path; each dot a closed piece
    EXPECT_EQ(Count(merged, "<path d=\"M-1.00 1.00 a2.00 2.00"), 1u) << merged;
    EXPECT_NE(merged.find("h3.00 v3.00 h-3.00 Z"), std::string::npos);
    // a turned mark stays as it is, and so does everything that is not a mark
    EXPECT_NE(merged.find("transform=\"rotate(3)\"/>"), std::string::npos);
    EXPECT_EQ(OtherLines(merged), OtherLines(svg));
    // the bare group is gone, the styled one kept whole
    EXPECT_EQ(Count(merged, "<g"), 1u);
    EXPECT_EQ(Count(merged, "</g>"), 1u);
}

TEST(PlanDrawingAtScale, ThePagesPictureOfAnEstatePaintsTheDrawingInFewElements) {
    tevaro_test::EstateOptions options;
    options.houses = 24;
    std::string error;
    ASSERT_TRUE(tevaro_test::StartEstateSession(tevaro_test::EstateModel(options), error)) << error;
    std::string file, page;
    const tevaro_test::EstateRunResult run = tevaro_test::TileEstate(false, [&] {
        file = app::PlanSvgText();
        page = app::PagePlanSvgText();
    });
    ASSERT_TRUE(run.error.empty()) << run.error;
    // with the palette open, and with the roofs tiled
    for (const auto& [drawn, file] : {std::pair(page, file), std::pair(app::PagePlanSvgText(), app::PlanSvgText())}) {
        // far fewer elements, the same marks: every line, square and dot is one piece of a path
        EXPECT_LT(Count(drawn, "\n<") * 2, Count(file, "\n<"));
        EXPECT_EQ(Count(drawn, " L"), Count(file, " L") + Count(file, "<line "));  // a line is a piece "M x y L x y"
        EXPECT_EQ(Count(drawn, " a"), 2 * Count(file, "<circle "));                // a dot is two half circles
        // the labels stay, but for the palette's edge numbers, which the page draws itself
        EXPECT_EQ(Count(drawn, "<text"), Count(file, "<text") - Count(file, "font-size=\"11.00\" text-anchor=\"middle\" fill=\"#111\""));
    }
    const std::string after = app::PagePlanSvgText();
    // the parts hold the picture's body in order, each the whole sheet, no group cut
    const std::vector<std::string> parts = app::PlanParts(after, 16 * 1024);
    ASSERT_GT(parts.size(), 2u);
    const size_t head = after.find('\n', after.find("<svg")) + 1, foot = after.rfind("</svg>");
    std::string body;
    for (const std::string& part : parts) {
        EXPECT_EQ(part.substr(0, head), after.substr(0, head));
        EXPECT_EQ(part.substr(part.size() - (after.size() - foot)), after.substr(foot));
        EXPECT_EQ(Count(part, "<g"), Count(part, "</g>"));
        body += part.substr(head, part.size() - head - (after.size() - foot));
    }
    EXPECT_EQ(body, after.substr(head, foot - head));
    tevaro_test::EndEstateSession();
}

}  // namespace
