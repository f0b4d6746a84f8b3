// Purpose: tests of reading a selected tile surface's settings and rewriting tile surfaces and ridges.
#include "PlacementFixture.h"
#include "placement/ModifyTileSurface.h"
#include "placement/PlaceTileSurfaces.h"

namespace placement_test {
namespace {

class ModifyTileSurface : public PlacementTest {
protected:
    // Two gable roofs side by side, tiled with the fixture's settings.
    void PlaceTwoGableRoofs() {
        LoadLibrary();
        const API_Guid a = AddRoof("RA");
        AddPlane(a, {{0, 0, 3}, {10, 0, 3}, {10, 4, 7}, {0, 4, 7}},
                 {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
        AddPlane(a, {{10, 8, 3}, {0, 8, 3}, {0, 4, 7}, {10, 4, 7}},
                 {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
        const API_Guid b = AddRoof("RB");
        AddPlane(b, {{20, 0, 3}, {30, 0, 3}, {30, 4, 7}, {20, 4, 7}},
                 {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
        AddPlane(b, {{30, 8, 3}, {20, 8, 3}, {20, 4, 7}, {30, 4, 7}},
                 {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
        RoofPlaceAll();
        tileA_ = Plane(0).tileSurfaceGuid;
        tileA2_ = Plane(1).tileSurfaceGuid;
        ridgeA_ = Plane(0).ridgeGuids[2];
        tileB_ = Plane(2).tileSurfaceGuid;
        ridgeB_ = Plane(2).ridgeGuids[2];
        FreeRoofPlanes();  // finalization releases the run tables
    }

    // New choices in the dialog.
    static void ChangeSettings() {
        TileSettings& t = gTileSettings;
        std::snprintf(t.fam, sizeof t.fam, "T20");
        std::snprintf(t.color, sizeof t.color, "BLU");
        std::snprintf(t.gcstyp, sizeof t.gcstyp, "G9");
        std::snprintf(t.typ, sizeof t.typ, "L2");
        std::snprintf(t.vesztesegszorzo, sizeof t.vesztesegszorzo, "1.10");
        t.tile_x = 0.25;
        t.wingtile = 0;
        t.pen1 = 3;
        t.layer = 6;
    }

    static void Select(std::initializer_list<API_Guid> guids) { host::gSession.model.selection.assign(guids); }

    static host::Element& E(const API_Guid& g) { return *host::FindElement(g); }

    static API_Guid AddChair(int16_t layer) {
        host::Element chair;
        chair.rec.header.typeID = API_ObjectID;
        chair.rec.header.layer = layer;
        chair.libPartUnId = "{0C0C0C0C-0000-4000-8000-00000000C4A1}-{00000000-0000-0000-0000-000000000000}";
        chair.params.push_back(host::ParamValue{});
        chair.params.back().name = "fam";
        chair.params.back().type = APIParT_CString;
        chair.params.back().texts = {u"CHAIR"};
        return host::AddElement(chair);
    }

    API_Guid tileA_, tileA2_, ridgeA_, tileB_, ridgeB_;
};

TEST_F(ModifyTileSurface, SelectedTileSurfaceLoadsItsSettingsAndIsRemembered) {
    PlaceTwoGableRoofs();
    E(tileA_).rec.header.layer = 9;
    gTileSettings = TileSettings{};
    gState.selectedTileSurface = tileB_;  // the last accessory command's tile surface
    Select({ridgeA_, tileA_, tileB_});

    EXPECT_EQ(getCserep(), 1);
    const TileSettings& t = gTileSettings;
    EXPECT_STREQ(t.fam, "T10");
    EXPECT_STREQ(t.color, "RED");
    EXPECT_STREQ(t.folia, "F2");
    EXPECT_STREQ(t.vapatipus, "V1");
    EXPECT_STREQ(t.mat_pan, "VR");
    EXPECT_STREQ(t.hofogas, "H1");
    EXPECT_STREQ(t.hofogo, "HF3");
    EXPECT_STREQ(t.opt2d, "O2");
    EXPECT_STREQ(t.vesztesegszorzo, "1.050000");
    EXPECT_EQ(t.wingtile, 1);
    EXPECT_EQ(t.auto_acc, 0);
    EXPECT_EQ(t.csrogz, 1);
    EXPECT_EQ(t.rogkar, 0);
    EXPECT_EQ(t.pen1, 17);
    EXPECT_EQ(t.layer, 9);
    // The tile size the surface was laid with (a modification compares the new one with it).
    EXPECT_EQ(t.tile_x, 0.3);
    EXPECT_EQ(t.tile_y, 0.45);
    // Not read back: they come from the tile type chosen in the dialog.
    EXPECT_STREQ(t.typ, "");
    EXPECT_STREQ(t.gcstyp, "");

    EXPECT_EQ(gState.modifiedTileSurface, tileA_);
    EXPECT_EQ(gState.selectedTileSurface, tileB_);  // the tile command does not change it
}

TEST_F(ModifyTileSurface, TileSurfaceWithItsRidgeIsRewrittenAndTheRestKeepsItsCodes) {
    PlaceTwoGableRoofs();
    const host::Element before = E(tileA_);
    const host::Element ridgeBefore = E(ridgeA_);
    Select({tileA_, ridgeA_});
    ASSERT_EQ(getCserep(), 1);
    ChangeSettings();
    DoModify();

    const host::Element& tile = E(tileA_);
    EXPECT_EQ(Text(tile, "fam"), "T20");
    EXPECT_EQ(Text(tile, "color"), "BLU");
    EXPECT_EQ(Text(tile, "typ"), "L2");
    EXPECT_DOUBLE_EQ(Number(tile, "vesztesegszorzo"), 1.10);
    EXPECT_DOUBLE_EQ(Number(tile, "tile_x"), 0.25);
    EXPECT_EQ(Number(tile, "wingtile"), 0);
    EXPECT_EQ(Number(tile, "pen1"), 3);
    EXPECT_EQ(tile.rec.header.layer, 6);
    // Geometry untouched.
    EXPECT_EQ(Param(tile, "nodes")->numbers, Param(before, "nodes")->numbers);
    EXPECT_EQ(Param(tile, "stat")->numbers, Param(before, "stat")->numbers);
    EXPECT_EQ(Number(tile, "alpha"), Number(before, "alpha"));
    EXPECT_EQ(Number(tile, "surf"), Number(before, "surf"));
    EXPECT_EQ(tile.rec.object.pos.x, before.rec.object.pos.x);
    EXPECT_EQ(tile.rec.object.angle, before.rec.object.angle);
    EXPECT_EQ(tile.rec.object.level, before.rec.object.level);

    const host::Element& ridge = E(ridgeA_);
    EXPECT_EQ(Text(ridge, "gcstyp"), "G9");
    EXPECT_EQ(Text(ridge, "gcolor"), "BLU");
    EXPECT_EQ(Text(ridge, "fam"), "T20");
    EXPECT_EQ(Text(ridge, "typ"), "L2");
    EXPECT_EQ(Number(ridge, "pen1"), 3);
    EXPECT_EQ(ridge.rec.header.layer, 6);
    EXPECT_EQ(Number(ridge, "stat1"), Number(ridgeBefore, "stat1"));
    EXPECT_EQ(Number(ridge, "ZZYZX"), Number(ridgeBefore, "ZZYZX"));
    EXPECT_EQ(Number(ridge, "alpha"), Number(ridgeBefore, "alpha"));
    EXPECT_EQ(ridge.rec.object.xRatio, ridgeBefore.rec.object.xRatio);

    // Not selected: the other plane of the same roof and the other roof keep their old codes.
    EXPECT_EQ(Text(E(tileA2_), "fam"), "T10");
    EXPECT_EQ(Text(E(tileB_), "fam"), "T10");
    EXPECT_EQ(Text(E(ridgeB_), "gcstyp"), "G7");
    EXPECT_TRUE(NothingReported());
}

TEST_F(ModifyTileSurface, TwoTileSurfacesReadTheFirstAndRewriteBoth) {
    PlaceTwoGableRoofs();
    host::FindParam(E(tileB_).params, "fam")->texts[0] = u"T99";
    E(tileB_).rec.header.layer = 8;
    Select({tileA_, tileB_});
    ASSERT_EQ(getCserep(), 1);
    EXPECT_STREQ(gTileSettings.fam, "T10");
    EXPECT_EQ(gTileSettings.layer, 4);
    EXPECT_EQ(gState.modifiedTileSurface, tileA_);

    ChangeSettings();
    DoModify();
    EXPECT_EQ(Text(E(tileA_), "fam"), "T20");
    EXPECT_EQ(Text(E(tileB_), "fam"), "T20");
    EXPECT_EQ(E(tileB_).rec.header.layer, 6);
}

TEST_F(ModifyTileSurface, ChairOnlySelectionFindsNothingButLendsItsLayer) {
    PlaceTwoGableRoofs();
    const API_Guid chair = AddChair(12);
    gTileSettings.layer = 1;
    Select({chair});
    EXPECT_EQ(getCserep(), 0);
    EXPECT_EQ(gTileSettings.layer, 12);
    EXPECT_STREQ(gTileSettings.fam, "T10");  // the chair's "fam" is not read
    EXPECT_TRUE(IsNullGuid(gState.modifiedTileSurface));

    // With a tile surface in the selection its layer wins, wherever the chair stands.
    Select({chair, tileA_});
    EXPECT_EQ(getCserep(), 1);
    EXPECT_EQ(gTileSettings.layer, 4);
    Select({tileA_, chair});
    E(tileA_).rec.header.layer = 5;
    EXPECT_EQ(getCserep(), 1);
    EXPECT_EQ(gTileSettings.layer, 5);
}

TEST_F(ModifyTileSurface, ChairIsLeftAloneByTheModification) {
    PlaceTwoGableRoofs();
    const API_Guid chair = AddChair(12);
    Select({chair, tileA_});
    ASSERT_EQ(getCserep(), 1);
    ChangeSettings();
    DoModify();
    EXPECT_EQ(Text(E(chair), "fam"), "CHAIR");
    EXPECT_EQ(E(chair).rec.header.layer, 12);
    EXPECT_EQ(Text(E(tileA_), "fam"), "T20");
}

TEST_F(ModifyTileSurface, NoSelectionFindsNothingSilentlyAndModificationSaysSo) {
    PlaceTwoGableRoofs();
    Select({});
    EXPECT_EQ(getCserep(), 0);
    EXPECT_TRUE(NothingReported());
    DoModify();
    EXPECT_TRUE(AnyReportMentions("No selection!"));
}

TEST_F(ModifyTileSurface, SelectionQueryFailureIsSilentForTheReadAndReportedForTheRewrite) {
    PlaceTwoGableRoofs();
    Select({tileA_});
    host::ArmHostFault("Selection_Get", APIERR_GENERAL);
    EXPECT_EQ(getCserep(), 0);
    EXPECT_TRUE(NothingReported());
    host::ArmHostFault("Selection_Get", APIERR_GENERAL);
    DoModify();
    EXPECT_TRUE(AnyReportMentions("DoModify: error in ACAPI_Selection_Init"));
}

TEST_F(ModifyTileSurface, UnreadableObjectStopsTheRewriteThere) {
    PlaceTwoGableRoofs();
    Select({tileA_, ridgeA_, tileB_});
    ChangeSettings();
    host::ArmHostFault("Element_Get", APIERR_BADID, 2);  // the ridge cannot be read
    DoModify();
    EXPECT_TRUE(AnyReportMentions("DoModify: error in ACAPI_Element_Get"));
    EXPECT_EQ(Text(E(tileA_), "fam"), "T20");
    EXPECT_EQ(Text(E(ridgeA_), "gcstyp"), "G7");
    EXPECT_EQ(Text(E(tileB_), "fam"), "T10");
}

TEST_F(ModifyTileSurface, UnreadableObjectEndsTheSearchWithMessage24) {
    PlaceTwoGableRoofs();
    Select({tileA_});
    host::ArmHostFault("Element_Get", APIERR_BADID);
    EXPECT_EQ(getCserep(), 0);
    EXPECT_TRUE(AnyReportMentions("getCserep: error in ACAPI_Element_Get"));
}

TEST_F(ModifyTileSurface, LeavesNoHostMemoryBehind) {
    PlaceTwoGableRoofs();
    Select({tileA_, ridgeA_, tileB_});
    const size_t before = host::LiveHandleCount();
    ASSERT_EQ(getCserep(), 1);
    ChangeSettings();
    DoModify();
    EXPECT_EQ(host::LiveHandleCount(), before);
}

}  // namespace
}  // namespace placement_test
