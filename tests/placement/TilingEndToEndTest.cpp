// Purpose: a hipped roof tiled through the menu, the dialog and the edge palette, then modified.
#include <cmath>

#include "common/AddOnFixture.h"
#include "Common_src/AddOnState.h"
#include "Common_src/CommandDispatch.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/ParamLists.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int16_t kPlaceTilesMenu = 32500;
constexpr int16_t kSnowGuardPopUp = 29;
constexpr int16_t kLossMultiplierPopUp = 36;
constexpr int16_t kTileTypePopUp = 12;
constexpr int16_t kTitleText = 4;

class HippedRoofTiling : public tevaro_test::AddOnFixture {
protected:
    // A 12 x 8 hipped roof, 45 degrees all round, eaves at 3 m: its ridge runs from x 4 to x 8 at 7 m.
    std::string InitialModel() const override {
        return R"({"stories":[{"index":0,"level":0.0}],"elements":[
            {"type":"roof","id":"HIP","thickness":0.3,"shape":"hip",
             "footprint":[[0,0],[12,0],[12,8],[0,8]],"pitch":45,"eaveLevel":3.0}]})";
    }

    // The user tiles the selected roof with the dialog's lists chosen and presses finalize.
    void TileTheRoof() {
        Select({"HIP"});
        QueuePick(kLossMultiplierPopUp, 2);  // 1.05
        RunPlaceTiles();
        ASSERT_NE(host::OpenPaletteId(), 0);
        ClickFinalize();
    }

    static double Number(const host::Element& e, const char* name) { return host::ParamNumber(e.params, name); }
};

TEST_F(HippedRoofTiling, EveryPlaneGetsATileSurfaceAndRidgeAndHipsTheirObjectsInOneGroup) {
    TileTheRoof();
    auto tiles = ObjectsOf(kTileSurfaceMainId);
    auto ridges = ObjectsOf(kRidgeMainId);
    ASSERT_EQ(tiles.size(), 4u);
    ASSERT_EQ(ridges.size(), 5u);

    // The tile surfaces cover the roof: 96 square metres in plan on a 45 degree slope.
    double area = 0;
    for (const host::Element* t : tiles) area += Number(*t, "surf");
    EXPECT_NEAR(area, 96.0 * std::sqrt(2.0), 1e-6);
    EXPECT_NE(Element("Tevaro_000"), nullptr);
    EXPECT_NE(Element("Tevaro_003"), nullptr);

    // One level ridge with hipped ends, four hips from the eaves up.
    int levelRidges = 0;
    double hipLength = 0;
    for (const host::Element* r : ridges) {
        if (Number(*r, "ZZYZX") < 1e-9) {
            ++levelRidges;
            EXPECT_EQ(Number(*r, "stat1"), 3);
            EXPECT_EQ(Number(*r, "stat2"), 3);
            EXPECT_NEAR(r->rec.object.xRatio, 4.0, 1e-9);
            EXPECT_NEAR(r->rec.object.level, 7.001, 1e-9);
        } else {
            EXPECT_EQ(Number(*r, "stat1"), 2);
            EXPECT_EQ(Number(*r, "stat2"), 0);
            EXPECT_NEAR(Number(*r, "ZZYZX"), 4.0, 1e-9);
            EXPECT_NEAR(r->rec.object.level, 3.001, 1e-9);
            hipLength += r->rec.object.xRatio;
        }
    }
    EXPECT_EQ(levelRidges, 1);
    EXPECT_NEAR(hipLength, 4 * std::sqrt(32.0), 1e-9);  // plan length of the four hips

    const uint32_t group = Element("HIP")->rec.header.groupId;
    EXPECT_NE(group, 0u);
    for (const host::Element* o : tiles) EXPECT_EQ(o->rec.header.groupId, group);
    for (const host::Element* o : ridges) EXPECT_EQ(o->rec.header.groupId, group);
    EXPECT_EQ(CallCount("Goodies/RPAS"), 5u);
    EXPECT_FALSE(gState.finalizationPending);
}

TEST_F(HippedRoofTiling, SelectedTileSurfaceIsModifiedThroughTheTileCommand) {
    TileTheRoof();
    host::Element* modified = Element("Tevaro_001");
    ASSERT_NE(modified, nullptr);
    const size_t elementCount = host::gSession.model.elements.size();
    const API_Guid untouched = Element("Tevaro_002")->rec.header.guid;
    host::gSession.model.selection = {modified->rec.header.guid};

    bool titleShown = false;
    int16_t lossEntry = 0;
    QueueInspect([&](const host::OpenDialog& d) {
        for (const host::DialogItem& item : d.layout.items) {
            if (item.number == kTitleText) titleShown = item.text == tevaro_test::MessageText(7);
            if (item.number == kLossMultiplierPopUp) lossEntry = item.selected;
        }
    });
    QueuePick(kLossMultiplierPopUp, 3);  // 1.10
    QueueOk();
    ASSERT_EQ(RunMenu(kPlaceTilesMenu), NoError);

    EXPECT_TRUE(titleShown);
    EXPECT_EQ(lossEntry, 2);  // the placed 1.05, matched by value
    EXPECT_EQ(host::gSession.model.elements.size(), elementCount);  // no roof was read, nothing placed
    EXPECT_NEAR(Number(*Element("Tevaro_001"), "vesztesegszorzo"), 1.10, 1e-12);
    EXPECT_NEAR(Number(*host::FindElement(untouched), "vesztesegszorzo"), 1.05, 1e-12);
    EXPECT_EQ(host::OpenPaletteId(), 0);
    EXPECT_EQ(gState.modifiedTileSurface, modified->rec.header.guid);
}

// Gives a tile surface one accessory row with the code `code`.
void GiveOneAccessory(host::Element& tile, const char16_t* code) {
    host::FindParam(tile.params, "num_acc")->numbers = {1};
    host::ParamValue* rows = host::FindParam(tile.params, "acces");
    rows->dim1 = 1;
    rows->numbers = {1.0, 1.0, 0.0, 0.0, 1.0, 1.0};
    for (const char* name : {"cod_acc", "mat_acc"}) {
        host::ParamValue* texts = host::FindParam(tile.params, name);
        texts->dim1 = 1;
        texts->texts = {code};
    }
}

// True when the tile surface's accessory codes include `code`.
bool HasAccessory(const host::Element& tile, const char16_t* code) {
    const host::ParamValue* texts = host::FindParam(tile.params, "cod_acc");
    for (const std::u16string& t : texts->texts) {
        if (t == code) return true;
    }
    return false;
}

TEST_F(HippedRoofTiling, ModificationWithTheSameTileKeepsTheSurfacesAccessoriesAndItsTileType) {
    TileTheRoof();
    host::Element& modified = *Element("Tevaro_001");
    GiveOneAccessory(modified, u"KX1");
    const std::u16string family = host::FindParam(modified.params, "fam")->texts.at(0);
    const std::u16string colour = host::FindParam(modified.params, "color")->texts.at(0);
    host::gSession.model.selection = {modified.rec.header.guid};
    QueueSet(kLossMultiplierPopUp, "3");  // only the loss multiplier changes
    QueueOk();
    ASSERT_EQ(RunMenu(kPlaceTilesMenu), NoError);

    const host::Element& after = *Element("Tevaro_001");
    EXPECT_TRUE(HasAccessory(after, u"KX1"));
    EXPECT_EQ(host::ParamNumber(after.params, "num_acc"), 1);
    EXPECT_EQ(host::FindParam(after.params, "fam")->texts.at(0), family);
    EXPECT_EQ(host::FindParam(after.params, "color")->texts.at(0), colour);
    EXPECT_NEAR(host::ParamNumber(after.params, "vesztesegszorzo"), 1.10, 1e-9);
}

TEST_F(HippedRoofTiling, ModificationToAnotherTileSizeClearsTheModifiedSurfacesAccessoriesNotTheLastAccessoryCommands) {
    TileTheRoof();
    host::Element& modified = *Element("Tevaro_001");
    host::Element& other = *Element("Tevaro_002");
    GiveOneAccessory(modified, u"KX1");
    GiveOneAccessory(other, u"KX2");
    gState.selectedTileSurface = other.rec.header.guid;  // the last accessory command worked on it
    host::gSession.model.selection = {modified.rec.header.guid};
    QueuePick(kTileTypePopUp, 3);  // a larger tile of the same family
    QueuePick(kSnowGuardPopUp, 2);
    QueueOk();
    ASSERT_EQ(RunMenu(kPlaceTilesMenu), NoError);
    ASSERT_NE(host::ParamNumber(Element("Tevaro_001")->params, "tile_x"), host::ParamNumber(other.params, "tile_x"));

    EXPECT_FALSE(HasAccessory(*Element("Tevaro_001"), u"KX1"));
    EXPECT_TRUE(HasAccessory(*Element("Tevaro_002"), u"KX2"));
    EXPECT_EQ(host::ParamNumber(Element("Tevaro_002")->params, "num_acc"), 1);
    EXPECT_EQ(gState.selectedTileSurface, Element("Tevaro_002")->rec.header.guid);
}

}  // namespace
