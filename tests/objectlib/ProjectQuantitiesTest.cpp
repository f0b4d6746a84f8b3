// Purpose: roofs tiled in-process through the menu, dialog and edge palette; the project's
// quantity totals against hand arithmetic from the plan, the drawings against the roof planes,
// and the CSV listing.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "common/AddOnFixture.h"
#include "host/DialogManager.h"
#include "objectlib/ObjectLibScripts.h"
#include "objectlib/Quantities.h"
#include "objectlib/TileSurfaceScripts.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int16_t kPlaceTilesMenu = 32500;
constexpr int16_t kFoilPopUp = 20;
constexpr int16_t kValleyPopUp = 23;
constexpr int16_t kSnowGuardModePopUp = 27;
constexpr int16_t kSnowGuardPopUp = 29;
constexpr int16_t kLossMultiplierPopUp = 36;
// The first tile type of the sample catalogue (HULA): 0.215 x 0.345 m.
constexpr double kTileX = 0.215, kTileY = 0.345;

class TiledRoofQuantities : public tevaro_test::AddOnFixture {
protected:
    void SetUp() override {
        objectlib::RegisterObjectLibScripts();
        AddOnFixture::SetUp();
    }

    // Tiles roof `id` with foil, valley, snow-guard tiles (CSER, HFC) and loss 1.05 chosen.
    void TileRoof(const std::string& id) {
        Select({id});
        QueuePick(kFoilPopUp, 2);
        QueuePick(kValleyPopUp, 2);
        QueuePick(kSnowGuardModePopUp, 2);
        QueuePick(kSnowGuardPopUp, 2);
        QueuePick(kLossMultiplierPopUp, 2);
        QueueOk();
        ASSERT_EQ(RunMenu(kPlaceTilesMenu), NoError);
        ASSERT_NE(host::OpenPaletteId(), 0);
        host::DialogAction finalize;
        finalize.kind = host::DialogAction::Click;
        finalize.item = 1;
        std::string error;
        ASSERT_TRUE(host::ApplyToPalette(finalize, error)) << error;
    }

    // The project total of an item (all codes).
    static double Total(const std::vector<objectlib::ProjectQuantityRow>& totals, const std::string& item) {
        double sum = 0;
        for (const objectlib::ProjectQuantityRow& t : totals) sum += t.item == item ? t.quantity : 0;
        return sum;
    }
};

class GableHouse : public TiledRoofQuantities {
protected:
    std::string InitialModel() const override {
        std::ifstream in(tevaro_test::SourcePath("tests/sessions/gable_house.json"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

class HippedHouse : public TiledRoofQuantities {
protected:
    // 12 x 8, 45 degrees all round, eaves at 3 m: ridge from x 4 to x 8, four hips.
    std::string InitialModel() const override {
        return R"({"stories":[{"index":0,"level":0.0}],"elements":[
            {"type":"roof","id":"HIP","thickness":0.3,"shape":"hip",
             "footprint":[[0,0],[12,0],[12,8],[0,8]],"pitch":45,"eaveLevel":3.0}]})";
    }
};

TEST_F(GableHouse, TotalsAgreeWithThePlan) {
    TileRoof("R1");
    const auto totals = objectlib::SumQuantitiesByItem(objectlib::CollectProjectQuantities());
    // Two planes, 10 m x 4 m in plan each, at 35 degrees: 4 / cos 35 up the slope.
    const double rafter = 4 / std::cos(35 * kPi / 180);
    EXPECT_NEAR(Total(totals, "area"), 2 * 10 * rafter, 1e-6);
    const double tilesPerPlane = std::ceil(10 * rafter / (kTileX * kTileY) * 1.05);
    EXPECT_EQ(Total(totals, "tiles"), 2 * tilesPerPlane);
    EXPECT_NEAR(Total(totals, "eaves"), 20, 1e-6);
    EXPECT_NEAR(Total(totals, "verges"), 4 * rafter, 1e-6);
    EXPECT_NEAR(Total(totals, "ridges"), 10, 1e-6);  // the two planes' halves add up
    // One ridge object along the whole ridge, free at both ends.
    EXPECT_NEAR(Total(totals, "ridge length"), 10, 1e-6);
    EXPECT_EQ(Total(totals, "ridge end caps"), 2);
    EXPECT_EQ(Total(totals, "ridge tiles"), std::ceil(10 / 0.33 * 1.05));
    EXPECT_EQ(Total(totals, "snow guards"), 2 * std::ceil(10 / kTileX));
}

TEST_F(GableHouse, EachTileSurfaceIsDrawnOnItsOwnRoofPlane) {
    TileRoof("R1");
    int drawn = 0;
    for (host::Element* e : ElementsOfType(API_ObjectID)) {
        if (e->libPartUnId.compare(0, 38, objectlib::kTileSurfaceMainId) != 0) continue;
        std::vector<host::DrawPrimitive> out;
        objectlib::DrawTileSurface(*e, out);
        ASSERT_FALSE(out.empty());
        const host::DrawPrimitive& outline = out[0];
        double yMin = 1e9, yMax = -1e9, xMin = 1e9, xMax = -1e9;
        for (const API_Coord& p : outline.points) {
            xMin = std::min(xMin, p.x);
            xMax = std::max(xMax, p.x);
            yMin = std::min(yMin, p.y);
            yMax = std::max(yMax, p.y);
        }
        // Each plane covers the footprint's half on its side of the ridge at y = 4.
        EXPECT_NEAR(xMin, 0, 1e-6);
        EXPECT_NEAR(xMax, 10, 1e-6);
        EXPECT_NEAR(yMax - yMin, 4, 1e-6);
        EXPECT_TRUE(std::fabs(yMin) < 1e-6 || std::fabs(yMin - 4) < 1e-6) << yMin;
        // The eave is the edge at the footprint's border, not at the ridge.
        for (const host::DrawPrimitive& p : out) {
            if (p.text != "eave") continue;
            EXPECT_NEAR(std::fabs(p.points[0].y - 4), 4, 1e-6);
            EXPECT_NEAR(std::fabs(p.points[1].y - 4), 4, 1e-6);
        }
        ++drawn;
    }
    EXPECT_EQ(drawn, 2);
}

TEST_F(HippedHouse, TotalsAgreeWithThePlan) {
    TileRoof("HIP");
    const auto totals = objectlib::SumQuantitiesByItem(objectlib::CollectProjectQuantities());
    // 96 m2 in plan on a 45 degree slope.
    EXPECT_NEAR(Total(totals, "area"), 96 * std::sqrt(2.0), 1e-6);
    // Two trapezoids (12 and 4 m sides) and two triangles (8 m base), each 4 m high in plan.
    const double h = 4 * std::sqrt(2.0);
    const double trapezoid = (12 + 4) / 2.0 * h, triangle = 8 / 2.0 * h;
    const double perTile = kTileX * kTileY;
    EXPECT_EQ(Total(totals, "tiles"),
              2 * std::ceil(trapezoid / perTile * 1.05) + 2 * std::ceil(triangle / perTile * 1.05));
    EXPECT_NEAR(Total(totals, "eaves"), 40, 1e-6);
    // Four hips of plan length sqrt(32) rising 4 m: sqrt(48) each, shared by two planes.
    EXPECT_NEAR(Total(totals, "hips"), 4 * std::sqrt(48.0), 1e-6);
    EXPECT_NEAR(Total(totals, "hip length"), 4 * std::sqrt(48.0), 1e-6);
    EXPECT_NEAR(Total(totals, "ridges"), 4, 1e-6);
    EXPECT_NEAR(Total(totals, "ridge length"), 4, 1e-6);
    EXPECT_EQ(Total(totals, "ridge junctions"), 2);
    EXPECT_EQ(Total(totals, "hip starters"), 4);
    EXPECT_EQ(Total(totals, "verges"), 0);
    EXPECT_EQ(Total(totals, "snow guards"), 2 * std::ceil(12 / kTileX) + 2 * std::ceil(8 / kTileX));
}

TEST_F(HippedHouse, CsvListsEveryElementsRowsThenTheTotals) {
    TileRoof("HIP");
    const auto rows = objectlib::CollectProjectQuantities();
    const std::string csv = objectlib::QuantitiesCsvText(rows);
    // The first five columns as the first version wrote them, the order-list columns appended.
    EXPECT_EQ(csv.rfind("element,item,code,quantity,unit,product,colour,guid,note\nTevaro_000,area,HULA,", 0), 0u);
    // Element rows first, then one total per item and code.
    const size_t firstTotal = csv.find("\nTOTAL,");
    ASSERT_NE(firstTotal, std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.begin() + long(firstTotal) + 1, '\n'), long(rows.size()) + 1);
    EXPECT_EQ(csv.find("\nTevaro_", firstTotal), std::string::npos);
    EXPECT_NE(csv.find("\nTOTAL,eaves,,40.000,m,"), std::string::npos);
}

}  // namespace
