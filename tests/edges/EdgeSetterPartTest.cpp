// Purpose: the edge-setter library part as the host sees it: its identity and parameters from
// the add-on's built-in library, its parameter script (palette drags, settings dialog) and its
// plan drawing.
#include "EdgesFixture.h"

#include <algorithm>

#include "edges/EdgeSetterPart.h"

namespace edgestest {
namespace {

class EdgeSetterPartTest : public EdgesTest {
protected:
    // A setter object as the add-on places it: one edge per entry of `lengths`, laid along x one
    // after the other at y = 0, each of type `types[i]`; placed by the add-on (group 1).
    host::Element MakeSetter(const std::vector<double>& lengths, const std::vector<int>& types) {
        const host::LibPart* part = host::LibPartByIndex(host::SearchLibPart(kSetterMain));
        EXPECT_NE(part, nullptr);
        host::Element e;
        e.rec.header.typeID = API_ObjectID;
        e.rec.object.libInd = part->index;
        e.libPartUnId = part->unId;
        e.params = part->params;
        const int n = int(lengths.size());
        std::vector<double> coords, zeros(size_t(n), 0.0), t;
        double x = 0;
        for (int i = 0; i < n; ++i) {
            coords.insert(coords.end(), {x, 0, 0, x + lengths[size_t(i)], 0, 0});
            x += lengths[size_t(i)];
            t.push_back(types[size_t(i)]);
        }
        SetArray(e, "edgeCoords", n, 6, coords);
        SetArray(e, "iEdgeStatus", n, 1, t);
        SetArray(e, "iApiStatus", n, 1, t);
        SetArray(e, "edgeHotspotsX", n, 1, zeros);
        SetArray(e, "edgeHotspotsY", n, 1, zeros);
        SetArray(e, "edgeHotspotsY2", n, 1, zeros);
        host::FindParam(e.params, "nEdge")->numbers = {double(n)};
        host::FindParam(e.params, "dummyIndex")->numbers = {1};
        return e;
    }
    static void SetArray(host::Element& e, const char* name, int rows, int cols, const std::vector<double>& v) {
        host::ParamValue* p = host::FindParam(e.params, name);
        ASSERT_NE(p, nullptr) << name;
        p->dim1 = rows;
        p->dim2 = cols;
        p->numbers = v;
    }
    static void Set(host::Element& e, const char* name, double v) { host::FindParam(e.params, name)->numbers = {v}; }
    static void SetCell(host::Element& e, const char* name, int row, double v) {
        host::FindParam(e.params, name)->numbers[size_t(row)] = v;
    }
    static bool Hidden(const host::Element& e, const char* name) {
        return (host::FindParam(e.params, name)->flags & API_ParFlg_Hidden) != 0;
    }
    // Runs the script as a change made in the model (a dragged hotspot, the parameter list).
    static void Changed(host::Element& e, const char* name) { host::RunParameterScript(e, name); }

    static std::vector<host::DrawPrimitive> Draw(const host::Element& e) {
        std::vector<host::DrawPrimitive> out;
        const host::LibPart* part = host::LibPartByIndex(e.rec.object.libInd);
        if (part != nullptr && part->scripts.draw2D != nullptr) part->scripts.draw2D(e, out);
        return out;
    }
};

// ---- Identity and parameters -------------------------------------------------------------------

TEST_F(EdgeSetterPartTest, BuiltInLibraryHoldsThePartWithItsIdentityAndDefaults) {
    const int32_t index = host::SearchLibPart(kSetterMain);
    ASSERT_GT(index, 0);
    const host::LibPart& part = *host::LibPartByIndex(index);
    EXPECT_EQ(part.fileName, "teto_elbeallito [tevaro].gsm");
    EXPECT_EQ(part.unId.substr(0, 38), kSetterMain);
    ASSERT_GE(part.params.size(), 40u);
    const char* const order[] = {"A", "B", "ZZYZX", "AC_show2DHotspotsIn3D", "ac_bottomlevel", "ac_toplevel",
                                 "apiData", "nEdge", "edgeCoords", "iEdgeStatus", "iApiStatus", "dummyIndex",
                                 "edgeHotspotsX", "edgeHotspotsY", "edgeHotspotsY2", "bShowEdgeText", "font"};
    for (size_t i = 0; i < sizeof order / sizeof order[0]; ++i) EXPECT_EQ(part.params[i].name, order[i]);
    EXPECT_EQ(part.params.back().name, "versionInteger");
    const host::ParamValue* coords = host::FindParam(part.params, "edgeCoords");
    ASSERT_NE(coords, nullptr);
    EXPECT_TRUE(coords->flags & API_ParFlg_Hidden);
    EXPECT_EQ(coords->dim1, 9);
    EXPECT_EQ(coords->dim2, 6);
    // The default is a 20 x 10 hipped roof whose last edge is the ridge (5,5,3.5)-(15,5,3.5).
    const std::vector<double> ridge(coords->numbers.begin() + 48, coords->numbers.begin() + 54);
    EXPECT_EQ(ridge, (std::vector<double>{5, 5, 3.5, 15, 5, 3.5}));
    EXPECT_EQ(host::ParamNumber(part.params, "migVersion"), 20130923);
    EXPECT_EQ(host::ParamNumber(part.params, "fillType"), 65);
    EXPECT_FALSE(host::FindParam(part.params, "bShowEdgeText")->flags & API_ParFlg_Hidden);
    EXPECT_TRUE(host::FindParam(part.params, "bShowEdgeText")->flags & API_ParFlg_BoldName);
}




// ---- Parameter script -----------------------------------------------------------------------------

TEST_F(EdgeSetterPartTest, DraggedHotspotBecomesTheNextTypeAndSnaps) {
    host::Element e = MakeSetter({10, 10, 10}, {8, 7, 2});
    std::string error;
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 2, 1.2 * 1.5, 1.5, error)) << error;
    EXPECT_EQ(Cell(e, "iEdgeStatus", 1), 8);
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsX", 1), 1.5);  // right over the square of type 8
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsY", 1), 1.5);  // palette open, one sign size up
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsY2", 1), 1.5);
    EXPECT_EQ(Number(e, "nMovedPoint"), 2);
    EXPECT_EQ(Cell(e, "iEdgeStatus", 0), 8);
    EXPECT_EQ(Cell(e, "iEdgeStatus", 2), 2);

    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 2, 0.4 * 1.5, 0, error)) << error;  // 1.4 squares from 7
    EXPECT_EQ(Cell(e, "iEdgeStatus", 1), 8);
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsX", 1), 1.5);
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 2, 0.6 * 1.5, 0, error)) << error;  // 1.6 squares from 7
    EXPECT_EQ(Cell(e, "iEdgeStatus", 1), 9);
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsX", 1), 3.0);
}

TEST_F(EdgeSetterPartTest, DragBeyondThePaletteEndsAtItsLastOrFirstType) {
    host::Element e = MakeSetter({10, 10}, {8, 8});
    std::string error;
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 1, 30, 0, error)) << error;
    EXPECT_EQ(Cell(e, "iEdgeStatus", 0), 14);
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsX", 0), 6 * 1.5);
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 2, -30, 0, error)) << error;
    EXPECT_EQ(Cell(e, "iEdgeStatus", 1), 1);
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsX", 1), -7 * 1.5);
    // The first edge's hotspot stays over its own type while the second one moves.
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsX", 0), 6 * 1.5);
    EXPECT_EQ(Cell(e, "iEdgeStatus", 0), 14);
}

TEST_F(EdgeSetterPartTest, OpeningOnePaletteClosesTheOthers) {
    host::Element e = MakeSetter({10, 10}, {8, 7});
    std::string error;
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 1, 0, 1.0, error)) << error;
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsY", 0), 1.5);
    EXPECT_EQ(Cell(e, "iEdgeStatus", 0), 8);
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 2, 0, 3.0, error)) << error;
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsY", 1), 1.5);  // limited to one sign size
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsY", 0), 0);
    // Any other change closes every palette.
    Set(e, "penEdge", 5);
    Changed(e, "penEdge");
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsY", 1), 0);
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsY2", 1), 0);
}

TEST_F(EdgeSetterPartTest, ShortEdgeSnapsByItsOwnSignSize) {
    host::Element e = MakeSetter({10, 2}, {8, 8});  // second sign: 0.5
    std::string error;
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 2, 0.6, 0, error)) << error;  // 1.2 of its squares
    EXPECT_EQ(Cell(e, "iEdgeStatus", 1), 9);
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsX", 1), 0.5);
}

TEST_F(EdgeSetterPartTest, SettingsDialogSetsTheSelectedEdgeAndClosesPalettes) {
    host::Element e = MakeSetter({10, 10, 10}, {8, 7, 2});
    std::string error;
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 3, 0, 1.5, error)) << error;
    ASSERT_TRUE(host::SetEdgeSetterEdgeType(e, 3, 1, error)) << error;
    EXPECT_EQ(Cell(e, "iEdgeStatus", 2), 1);
    EXPECT_EQ(Number(e, "nSelected"), 3);
    EXPECT_EQ(Number(e, "edgeStat"), 1);
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsX", 2), -1.5);  // over the new type's square
    EXPECT_DOUBLE_EQ(Cell(e, "edgeHotspotsY", 2), 0);
    // Selecting another edge shows its type.
    Set(e, "nSelected", 1);
    host::RunSettingsParameterScript(e, "nSelected");
    EXPECT_EQ(Number(e, "edgeStat"), 8);
    EXPECT_FALSE(host::SetEdgeSetterEdgeType(e, 4, 1, error));
    EXPECT_FALSE(host::SetEdgeSetterEdgeType(e, 1, 15, error));
}

TEST_F(EdgeSetterPartTest, PagingButtonsKeepTheFirstRowWithinTheEdges) {
    host::Element e = MakeSetter(std::vector<double>(8, 10), std::vector<int>(8, 8));
    host::RunSettingsParameterScript(e, "", kUiButtonLast);
    EXPECT_EQ(Number(e, "nUiStart"), 4);
    host::RunSettingsParameterScript(e, "", kUiButtonDown);
    EXPECT_EQ(Number(e, "nUiStart"), 4);
    host::RunSettingsParameterScript(e, "", kUiButtonUp);
    EXPECT_EQ(Number(e, "nUiStart"), 3);
    host::RunSettingsParameterScript(e, "", kUiButtonRowBase + 2);
    EXPECT_EQ(Number(e, "nSelected"), 4);
    host::RunSettingsParameterScript(e, "", kUiButtonFirst);
    host::RunSettingsParameterScript(e, "", kUiButtonUp);
    EXPECT_EQ(Number(e, "nUiStart"), 1);
    host::Element few = MakeSetter({10, 10}, {8, 8});
    host::RunSettingsParameterScript(few, "", kUiButtonLast);
    EXPECT_EQ(Number(few, "nUiStart"), 1);
}

TEST_F(EdgeSetterPartTest, PenTwinsFollowTheChangedOneWithinRange) {
    host::Element e = MakeSetter({10}, {8});
    Set(e, "iPenEdge", 40);
    Changed(e, "iPenEdge");
    EXPECT_EQ(Number(e, "penEdge"), 40);
    Set(e, "penSign", 300);
    Changed(e, "penSign");
    EXPECT_EQ(Number(e, "penSign"), 255);
    EXPECT_EQ(Number(e, "iPenSign"), 255);
    Set(e, "iFillBackPen", -1);
    Changed(e, "iFillBackPen");
    EXPECT_EQ(Number(e, "fillBackPen"), -1);
    Set(e, "fontSize", 0);
    Changed(e, "fontSize");
    EXPECT_EQ(Number(e, "fontSize"), 1.0);
}

TEST_F(EdgeSetterPartTest, TextOptionsHideWithoutNumbersAndHandPlacedSetterHidesItsOptions) {
    host::Element e = MakeSetter({10}, {8});
    Changed(e, "");
    EXPECT_TRUE(Hidden(e, "font"));
    EXPECT_TRUE(Hidden(e, "bTextBold"));
    EXPECT_FALSE(Hidden(e, "bShowEdgeText"));
    Set(e, "bShowEdgeText", 1);
    Changed(e, "bShowEdgeText");
    EXPECT_FALSE(Hidden(e, "font"));
    EXPECT_FALSE(Hidden(e, "penText"));
    Set(e, "dummyIndex", 0);
    Changed(e, "");
    EXPECT_TRUE(Hidden(e, "bShowEdgeText"));
    EXPECT_TRUE(Hidden(e, "gs_2D_representation"));
}

// ---- Plan drawing ----------------------------------------------------------------------------------

// Lines of a drawing parallel to x whose ends lie at x0 and x1.
std::vector<double> LinesAlong(const std::vector<host::DrawPrimitive>& d, double x0, double x1) {
    std::vector<double> ys;
    for (const auto& p : d)
        if (p.kind == host::DrawPrimitive::Line && std::fabs(p.points[0].x - x0) < 1e-9 &&
            std::fabs(p.points[1].x - x1) < 1e-9 && std::fabs(p.points[0].y - p.points[1].y) < 1e-9)
            ys.push_back(p.points[0].y);
    return ys;
}

TEST_F(EdgeSetterPartTest, EdgesWithRidgeTilesAreDrawnAsTripleLines) {
    host::Element e = MakeSetter({10, 10}, {2, 8});
    e.rec.object.pos = API_Coord{100, 50};
    const auto d = Draw(e);
    auto ridge = LinesAlong(d, 100, 110);
    std::sort(ridge.begin(), ridge.end());
    ASSERT_EQ(ridge.size(), 3u);
    EXPECT_NEAR(ridge[0], 49.9, 1e-9);
    EXPECT_NEAR(ridge[1], 50.0, 1e-9);
    EXPECT_NEAR(ridge[2], 50.1, 1e-9);
    EXPECT_EQ(LinesAlong(d, 110, 120).size(), 1u);
}

TEST_F(EdgeSetterPartTest, SignIsACircleAtTheMidpointWithItsPictogramInside) {
    for (int type = 1; type <= 14; ++type) {
        host::Element e = MakeSetter({4}, {type});  // a short edge: sign of size 1
        const auto d = Draw(e);
        int circles = 0;
        for (const auto& p : d) {
            if (p.kind == host::DrawPrimitive::Arc && std::fabs(p.radius - 0.5) < 1e-9) {
                ++circles;
                EXPECT_NEAR(p.points[0].x, 2, 1e-9);
                EXPECT_NEAR(p.points[0].y, 0, 1e-9);
            }
        }
        EXPECT_EQ(circles, 1) << "type " << type;
        // The pictogram: drawn lines apart from the edge itself, all inside the sign.
        int strokes = 0;
        for (const auto& p : d) {
            if (p.kind != host::DrawPrimitive::Line) continue;
            // The edge line and the side lines of ridge-tile types run the whole edge.
            const bool alongEdge = std::fabs(p.points[0].y - p.points[1].y) < 1e-12 &&
                                   std::fabs(std::fabs(p.points[1].x - p.points[0].x) - 4) < 1e-9;
            if (alongEdge) continue;
            ++strokes;
            for (const API_Coord& c : p.points) EXPECT_LE(std::hypot(c.x - 2, c.y), 0.5 + 1e-9) << "type " << type;
        }
        EXPECT_GE(strokes, 1) << "type " << type;
    }
}

TEST_F(EdgeSetterPartTest, OpenPaletteShowsFourteenSquaresWithThePlacedTypeAboveTheSign) {
    host::Element e = MakeSetter({10}, {8});
    std::string error;
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 1, 1.5, 1.5, error)) << error;  // palette open, type 9
    const auto d = Draw(e);
    std::vector<API_Coord> squareCentres;
    std::vector<std::string> texts;
    for (const auto& p : d) {
        if (p.kind == host::DrawPrimitive::Polygon && p.points.size() == 5) {
            const double side = std::hypot(p.points[1].x - p.points[0].x, p.points[1].y - p.points[0].y);
            EXPECT_NEAR(side, 1.5, 1e-9);
            squareCentres.push_back(API_Coord{(p.points[0].x + p.points[2].x) / 2, (p.points[0].y + p.points[2].y) / 2});
        }
        if (p.kind == host::DrawPrimitive::Text) texts.push_back(p.text);
    }
    ASSERT_EQ(squareCentres.size(), 14u);
    // Square k stands (k - 8) sign sizes beside the sign centre (5, 0), one sign size up.
    for (int k = 1; k <= 14; ++k) {
        EXPECT_NEAR(squareCentres[size_t(k - 1)].x, 5 + (k - 8) * 1.5, 1e-9);
        EXPECT_NEAR(squareCentres[size_t(k - 1)].y, 1.5, 1e-9);
    }
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], "vápa");
    EXPECT_EQ(host::LibPartValueText(e, "edgeStat", 9), "vápa");
    // Closing the palette removes it.
    ASSERT_TRUE(host::DragEdgeSetterHotspot(e, 1, 0, -1.5, error)) << error;
    int polygons = 0;
    for (const auto& p : Draw(e)) polygons += p.kind == host::DrawPrimitive::Polygon && p.points.size() == 5;
    EXPECT_EQ(polygons, 0);
}

TEST_F(EdgeSetterPartTest, EdgeNumbersAppearOnlyWhenShownAndSignsStepAside) {
    host::Element e = MakeSetter({10, 10}, {8, 8});
    int texts = 0;
    for (const auto& p : Draw(e)) texts += p.kind == host::DrawPrimitive::Text;
    EXPECT_EQ(texts, 0);
    Set(e, "bShowEdgeText", 1);
    std::vector<std::string> numbers;
    for (const auto& p : Draw(e)) {
        if (p.kind == host::DrawPrimitive::Text) numbers.push_back(p.text);
        // The sign moved half a sign to the left of the edge (the edge runs along +x: left is +y).
        if (p.kind == host::DrawPrimitive::Arc && std::fabs(p.radius - 0.75) < 1e-9) {
            EXPECT_NEAR(p.points[0].y, 0.75, 1e-9);
        }
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2"}));
}

TEST_F(EdgeSetterPartTest, EndPointsAreHotspotsAndRotationTurnsTheDrawing) {
    host::Element e = MakeSetter({10}, {8});
    e.rec.object.angle = 3.14159265358979323846 / 2;
    e.rec.object.pos = API_Coord{1, 1};
    bool start = false, end = false;
    for (const auto& p : Draw(e)) {
        if (p.kind != host::DrawPrimitive::Hotspot || !p.text.empty()) continue;
        start = start || (std::fabs(p.points[0].x - 1) < 1e-9 && std::fabs(p.points[0].y - 1) < 1e-9);
        end = end || (std::fabs(p.points[0].x - 1) < 1e-9 && std::fabs(p.points[0].y - 11) < 1e-9);
    }
    EXPECT_TRUE(start);
    EXPECT_TRUE(end);
}

}  // namespace
}  // namespace edgestest
