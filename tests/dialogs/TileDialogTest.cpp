// Purpose: tests of the main tiling dialog 32501 driven as a user would, on the sample catalogue.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Common_src/Messages.h"
#include "dialogs/DialogDriver.h"
#include "dialogs/TileSettings.h"

namespace {

using dialogtest::ItemOf;
using dialogtest::LastClosed;

constexpr int16_t kOk = 1;

class TileDialogTest : public ::testing::Test {
protected:
    dialogtest::User user;

    void SetUp() override {
        dialogtest::ConnectWithSampleCatalogue();
        host::gSession.model.layers = {{1, "Alap"}, {4, "Tetö"}};
        gTileSettings = TileSettings{};
        InitTileSettings();
    }
    void TearDown() override { EXPECT_TRUE(host::TakeDialogErrors().empty()); }

    // Chooses entries so that the OK rule allows OK (foil, valley type, snow guarding).
    void ChooseEverythingNeeded() {
        user.Pick(20, 2);
        user.Pick(23, 2);
        user.Pick(27, 2);
        user.Pick(29, 2);
    }
    static bool Enabled(const host::OpenDialog& d, int16_t item) { return ItemOf(d, item).enabled; }
    static std::string EntryText(const host::DialogItem& it, int16_t pos) { return it.entries[size_t(pos - 1)].text; }
};

TEST_F(TileDialogTest, AModificationOpensOnTheFamilyAndTypeOfTheSurface) {
    std::strcpy(gTileSettings.fam, "HODS");  // a type of the third family
    user.Snap();
    TileDialog(1);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_EQ(ItemOf(d, 7).value, 0);
    EXPECT_EQ(ItemOf(d, 9).value, 1);
    EXPECT_EQ(ItemOf(d, 7).icon, 30001);
    EXPECT_EQ(ItemOf(d, 9).icon, 30013);
    const host::DialogItem& types = ItemOf(d, 12);
    ASSERT_EQ(types.entries.size(), 3u);
    EXPECT_EQ(EntryText(types, 2), "Tevaro Hódfarkú szegmens");
    EXPECT_EQ(types.selected, 2);
    EXPECT_EQ(ItemOf(d, 4).text, GetMessage(kMsgModifySelected));
}

TEST_F(TileDialogTest, ANewTilingStillOpensOnTheFirstFamily) {
    std::strcpy(gTileSettings.fam, "HODS");
    user.Snap();
    TileDialog(0);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_EQ(ItemOf(d, 7).value, 1);
    EXPECT_EQ(ItemOf(d, 9).value, 0);
    EXPECT_EQ(ItemOf(d, 12).selected, 1);  // the type is not in this family: the first entry
}

TEST_F(TileDialogTest, OpensWithTheStoredTypeAndColourSelected) {
    std::strcpy(gTileSettings.fam, "SIKA");
    std::strcpy(gTileSettings.color, "GB");
    user.Snap();
    TileDialog(0);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_EQ(ItemOf(d, 12).selected, 2);
    const host::DialogItem& colours = ItemOf(d, 15);
    ASSERT_EQ(colours.rows.size(), 5u);
    EXPECT_EQ(colours.selected, 3);
    EXPECT_EQ(colours.rows[2].texts.at(0), "Gesztenyebarna");
    EXPECT_EQ(colours.rows[0].images.at(0), 30201);
    EXPECT_EQ(colours.scrollTop, 1);
    EXPECT_EQ(ItemOf(d, 4).text, "Új elem elhelyezése");
}

TEST_F(TileDialogTest, OkRuleFollowsFoilValleyAndSnowGuarding) {
    user.Snap();                 // 0: every "nothing chosen" entry
    user.Pick(20, 2);
    user.Pick(23, 2);
    user.Snap();                 // 1: foil and valley chosen, snow guarding not
    user.Pick(27, 2);
    user.Snap();                 // 2: snow-guard type still the first entry
    user.Pick(29, 2);
    user.Snap();                 // 3: everything chosen
    user.Pick(20, 1);
    user.Snap();                 // 4: foil back to nothing
    user.Cancel();
    EXPECT_EQ(TileDialog(0), 2);
    ASSERT_EQ(user.snaps.size(), 5u);
    EXPECT_FALSE(Enabled(user.snaps[0], kOk));
    EXPECT_FALSE(Enabled(user.snaps[1], kOk));
    EXPECT_FALSE(Enabled(user.snaps[2], kOk));
    EXPECT_TRUE(Enabled(user.snaps[3], kOk));
    EXPECT_FALSE(Enabled(user.snaps[4], kOk));
}

TEST_F(TileDialogTest, SwitchingAutomaticAccessoriesOffEnablesOkWithoutSnowGuards) {
    user.Pick(20, 2);
    user.Pick(23, 2);
    user.Click(18);  // off
    user.Snap();
    user.Click(18);  // on again: snow guarding is needed again
    user.Snap();
    user.Cancel();
    TileDialog(0);
    ASSERT_EQ(user.snaps.size(), 2u);
    EXPECT_TRUE(Enabled(user.snaps[0], kOk));
    for (int16_t item = 26; item <= 29; ++item) EXPECT_FALSE(Enabled(user.snaps[0], item)) << item;
    EXPECT_FALSE(Enabled(user.snaps[1], kOk));
    for (int16_t item = 26; item <= 29; ++item) EXPECT_TRUE(Enabled(user.snaps[1], item)) << item;
    EXPECT_EQ(gTileSettings.auto_acc, 1);
}

TEST_F(TileDialogTest, SnowGuardingIsDisabledWhenAutomaticAccessoriesAreOff) {
    gTileSettings.auto_acc = 0;
    user.Snap();
    TileDialog(0);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_EQ(ItemOf(d, 18).value, 0);
    for (int16_t item = 26; item <= 29; ++item) EXPECT_FALSE(Enabled(d, item)) << item;
    EXPECT_FALSE(Enabled(d, kOk));  // foil and valley are still the "nothing" entries
}

TEST_F(TileDialogTest, ChangingTheTileTypeResetsTheSnowGuard) {
    ChooseEverythingNeeded();
    user.Pick(15, 3);
    user.Snap();
    user.Pick(12, 2);
    user.Snap();
    user.Cancel();
    TileDialog(0);
    ASSERT_EQ(user.snaps.size(), 2u);
    EXPECT_TRUE(Enabled(user.snaps[0], kOk));
    const host::OpenDialog& after = user.snaps[1];
    EXPECT_EQ(ItemOf(after, 29).selected, 1);
    EXPECT_EQ(ItemOf(after, 15).selected, 1);
    EXPECT_FALSE(Enabled(after, kOk));
}

TEST_F(TileDialogTest, FamilyButtonShowsItsTypesColoursAndSnowGuards) {
    ChooseEverythingNeeded();
    user.Click(9);  // the beaver-tail family
    user.Snap();
    user.Cancel();
    TileDialog(0);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_EQ(ItemOf(d, 9).icon, 30013);
    EXPECT_EQ(ItemOf(d, 7).icon, 30001);
    EXPECT_EQ(ItemOf(d, 7).value, 0);
    const host::DialogItem& types = ItemOf(d, 12);
    ASSERT_EQ(types.entries.size(), 3u);
    EXPECT_EQ(EntryText(types, 1), "Tevaro Hódfarkú egyenes");
    EXPECT_EQ(types.selected, 1);
    EXPECT_EQ(ItemOf(d, 15).rows.size(), 3u);  // HODE has three colours
    EXPECT_EQ(ItemOf(d, 15).selected, 1);
    EXPECT_EQ(ItemOf(d, 29).entries.size(), 3u);
    EXPECT_EQ(ItemOf(d, 29).selected, 1);
    EXPECT_FALSE(Enabled(d, kOk));
}

TEST_F(TileDialogTest, FamilyWithoutTypesCannotBeConfirmed) {
    ChooseEverythingNeeded();
    user.Click(18);  // automatic accessories off: the rule alone would allow OK
    user.Click(10);
    user.Snap();
    user.Cancel();
    TileDialog(0);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_TRUE(ItemOf(d, 12).entries.empty());
    EXPECT_TRUE(ItemOf(d, 15).rows.empty());
    EXPECT_FALSE(Enabled(d, kOk));
}

TEST_F(TileDialogTest, OkFollowsTheRuleAfterEveryReaction) {
    ChooseEverythingNeeded();
    user.Click(18);  // automatic accessories off
    user.Snap();     // 0: allowed
    user.Click(10);  // the empty fourth family
    user.Snap();     // 1: no tile type
    user.Click(8);   // a filled family again
    user.Snap();     // 2: allowed again
    user.Pick(12, 2);
    user.Snap();     // 3: another type of it: still allowed
    user.Click(18);  // automatic accessories on: the first snow guard of the new type means none
    user.Snap();     // 4: not allowed
    user.Pick(29, 2);
    user.Snap();     // 5: allowed
    user.Ok();
    ASSERT_EQ(TileDialog(0), kOk);
    const bool expected[] = {true, false, true, true, false, true};
    ASSERT_EQ(user.snaps.size(), 6u);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(Enabled(user.snaps[i], kOk), expected[i]) << "step " << i;
}

TEST_F(TileDialogTest, OkStoresTheCodesOfEveryChoice) {
    user.Click(8);       // concrete family
    user.Pick(12, 3);    // RUSB
    user.Pick(15, 2);    // BA
    user.Pick(20, 3);    // TF150
    user.Pick(23, 2);    // FEMV
    user.Pick(25, 3);    // GRA
    user.Pick(27, 2);    // CSER
    user.Pick(29, 3);    // HFR
    user.Pick(36, 2);    // 1.05
    user.Pick(40, 3);    // TIPSZ
    user.Set(44, "7");
    user.Ok();
    ASSERT_EQ(TileDialog(0), 1);
    const TileSettings& ts = gTileSettings;
    EXPECT_STREQ(ts.fam, "RUSB");
    EXPECT_STREQ(ts.color, "BA");
    EXPECT_STREQ(ts.folia, "TF150");
    EXPECT_STREQ(ts.vapatipus, "FEMV");
    EXPECT_STREQ(ts.mat_pan, "GRA");
    EXPECT_STREQ(ts.hofogas, "CSER");
    EXPECT_STREQ(ts.hofogo, "HFR");
    EXPECT_STREQ(ts.vesztesegszorzo, "1.05");
    EXPECT_STREQ(ts.opt2d, "TIPSZ");
    EXPECT_STREQ(ts.typ, "KOT");
    EXPECT_STREQ(ts.gcstyp, "KUPB");
    EXPECT_EQ(ts.tile_x, double(0.3f));
    EXPECT_EQ(ts.tile_y, double(0.32f));
    EXPECT_EQ(ts.pen1, 7);
    EXPECT_EQ(ts.wingtile, 1);
    EXPECT_EQ(ts.auto_acc, 1);
}

TEST_F(TileDialogTest, NextDialogOpensWithTheLastSettings) {
    user.Click(8);
    user.Pick(12, 2);
    user.Pick(15, 4);
    ChooseEverythingNeeded();
    user.Ok();
    ASSERT_EQ(TileDialog(0), 1);
    user.Snap();
    user.Click(8);  // back to the concrete family: the first type again
    user.Cancel();
    TileDialog(0);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_EQ(ItemOf(d, 7).value, 1);          // still the first family
    EXPECT_EQ(ItemOf(d, 20).selected, 2);      // foil kept
    EXPECT_EQ(ItemOf(d, 29).selected, 2);      // snow guard kept by code
    EXPECT_STREQ(gTileSettings.fam, "SIKB");   // Cancel stored no choice
}

TEST_F(TileDialogTest, CancelKeepsOnlyTheValuesStoredAtOnce) {
    user.Click(32);      // edge tiles off
    user.Click(33);      // storm clips off
    user.Set(42, "4");   // layer
    user.Set(45, "12");  // pen control
    user.Pick(20, 3);
    user.Cancel();
    EXPECT_EQ(TileDialog(0), 2);
    const TileSettings& ts = gTileSettings;
    EXPECT_EQ(ts.wingtile, 0);
    EXPECT_EQ(ts.csrogz, 0);
    EXPECT_EQ(ts.rogkar, 1);
    EXPECT_EQ(ts.layer, 4);
    EXPECT_EQ(ts.pen1, 12);
    EXPECT_STREQ(ts.folia, "NINCS");
    EXPECT_EQ(ItemOf(LastClosed(), 44).value, 12);  // the pen edit followed the control
}

TEST_F(TileDialogTest, PenNumbersOutsideThePensAreKeptInRange) {
    user.Set(44, "300");
    user.Snap();
    user.Set(44, "0");
    user.Snap();
    user.Cancel();
    TileDialog(0);
    EXPECT_EQ(ItemOf(user.snaps.at(0), 44).value, 255);
    EXPECT_EQ(ItemOf(user.snaps.at(0), 45).value, 255);
    EXPECT_EQ(ItemOf(user.snaps.at(1), 45).value, 1);
    EXPECT_EQ(gTileSettings.pen1, 1);
}

TEST_F(TileDialogTest, LossMultiplierIsSelectedByValue) {
    std::strcpy(gTileSettings.vesztesegszorzo, "1.1");
    user.Snap();
    TileDialog(0);
    EXPECT_EQ(ItemOf(user.snaps.at(0), 36).selected, 3);  // "1.10"

    // The other way round: the catalogue writes 1.1, the settings 1.10.
    const char* text = "[Vesztesegszorzo]\n1.0\n1.05\n1.1\n\n";
    LoadCatalogueText(text, std::strlen(text));
    std::strcpy(gTileSettings.vesztesegszorzo, "1.10");
    user.snaps.clear();
    user.Snap();
    TileDialog(0);
    EXPECT_EQ(ItemOf(user.snaps.at(0), 36).selected, 3);

    std::strcpy(gTileSettings.vesztesegszorzo, "2.5");
    user.snaps.clear();
    user.Snap();
    TileDialog(0);
    EXPECT_EQ(ItemOf(user.snaps.at(0), 36).selected, 1);
}

TEST_F(TileDialogTest, ValleyTypeChangeRefillsItsColours) {
    std::strcpy(gTileSettings.mat_pan, "TV");
    user.Pick(23, 3);  // MUV
    user.Snap();
    user.Pick(23, 1);  // nothing chosen: no colours
    user.Snap();
    user.Cancel();
    TileDialog(0);
    const host::DialogItem& colours = ItemOf(user.snaps.at(0), 25);
    ASSERT_EQ(colours.entries.size(), 2u);
    EXPECT_EQ(colours.selected, 2);
    EXPECT_EQ(colours.entries[1].icon, 30932);
    EXPECT_TRUE(ItemOf(user.snaps.at(1), 25).entries.empty());
}

TEST_F(TileDialogTest, UnknownLayerIsReplacedByLayerOne) {
    gTileSettings.layer = 9;
    user.Snap();
    TileDialog(0);
    EXPECT_EQ(ItemOf(user.snaps.at(0), 42).value, 1);
    EXPECT_EQ(gTileSettings.layer, 1);

    gTileSettings.layer = 4;
    user.snaps.clear();
    user.Snap();
    TileDialog(0);
    EXPECT_EQ(ItemOf(user.snaps.at(0), 42).value, 4);
}

TEST_F(TileDialogTest, DocumentIconsOpenTheLinksOfTypeAndFoil) {
    user.Click(21);    // the first foil has no link: nothing opens
    user.Pick(20, 2);
    user.Click(21);
    user.Click(13);
    user.Cancel();
    TileDialog(0);
    ASSERT_EQ(host::gSession.shellOpens.size(), 2u);
    EXPECT_EQ(host::gSession.shellOpens[0], "https://tevaro.example/dokumentumok/tf115.pdf");
    EXPECT_EQ(host::gSession.shellOpens[1], "https://tevaro.example/dokumentumok/hula.pdf");
}

// Folding: the four sections are 302, 187, 107 and 96 units high.
TEST_F(TileDialogTest, SmallScreenFoldsSectionsFromTheLastOneUp) {
    host::SetMonitorRect(DGRect{0, 0, 1024, 768});
    user.Snap();
    TileDialog(0);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_EQ(ItemOf(d, 6).value, 1);
    EXPECT_EQ(ItemOf(d, 17).value, 0);
    EXPECT_EQ(ItemOf(d, 31).value, 0);
    EXPECT_EQ(ItemOf(d, 38).value, 0);
    EXPECT_LT(d.top + d.layout.height, 768 - 40);
    EXPECT_EQ(d.layout.height, 945 - 96 - 107 - 187);
    for (int16_t item = 7; item <= 15; ++item) EXPECT_TRUE(ItemOf(d, item).visible) << item;
    for (int16_t item : {18, 29, 32, 36, 39, 45}) EXPECT_FALSE(ItemOf(d, item).visible) << item;
    EXPECT_EQ(ItemOf(d, kOk).y, 910 - 390);
    EXPECT_EQ(ItemOf(d, 2).y, 910 - 390);
    EXPECT_EQ(ItemOf(d, 37).y, 772 - 187 - 107);  // below the third section: moved by the two above
    EXPECT_EQ(ItemOf(d, 30).y, 633 - 187);
    EXPECT_EQ(ItemOf(d, 15).y, 261);                // above every folded section: unmoved
    // The OK button stays inside the dialog.
    EXPECT_LT(ItemOf(d, kOk).y + ItemOf(d, kOk).h, d.layout.height);
}

TEST_F(TileDialogTest, ScreenJustTooShortFoldsOnlyTheLastSectionAndALargeOneNone) {
    user.Snap();  // the default monitor holds the whole dialog
    TileDialog(0);
    DGResetDialogRectangles();  // as every command does: the next dialog is placed anew
    host::SetMonitorRect(DGRect{0, 0, 1024, 900});
    user.Snap();
    TileDialog(0);
    const host::OpenDialog& large = user.snaps.at(0);
    for (int16_t h : {6, 17, 31, 38}) EXPECT_EQ(ItemOf(large, h).value, 1) << h;
    EXPECT_EQ(large.layout.height, 945);
    EXPECT_EQ(ItemOf(large, 38).text, " Megjelenítés");
    const host::OpenDialog& d = user.snaps.at(1);
    EXPECT_EQ(ItemOf(d, 31).value, 1);
    EXPECT_EQ(ItemOf(d, 38).value, 0);
    EXPECT_EQ(d.layout.height, 945 - 96);
}

TEST_F(TileDialogTest, RollDownFoldsAndOpensItsSection) {
    user.Click(17);
    user.Snap();
    user.Click(17);
    user.Snap();
    user.Cancel();
    TileDialog(0);
    const host::OpenDialog& folded = user.snaps.at(0);
    EXPECT_EQ(ItemOf(folded, 17).value, 0);
    EXPECT_FALSE(ItemOf(folded, 23).visible);
    EXPECT_EQ(ItemOf(folded, kOk).y, 910 - 187);
    EXPECT_EQ(ItemOf(folded, 38).y, 782 - 187);
    EXPECT_EQ(folded.layout.height, 945 - 187);
    const host::OpenDialog& open = user.snaps.at(1);
    EXPECT_TRUE(ItemOf(open, 23).visible);
    EXPECT_EQ(ItemOf(open, kOk).y, 910);
    EXPECT_EQ(open.layout.height, 945);
}

TEST_F(TileDialogTest, OpeningASectionOnASmallScreenFoldsTheOthersFromTheLastUp) {
    host::SetMonitorRect(DGRect{0, 0, 1024, 768});
    user.Click(38);  // opens: still fits
    user.Snap();
    user.Click(31);  // opens: too tall, so the open section below it folds again
    user.Snap();
    user.Cancel();
    TileDialog(0);
    const host::OpenDialog& first = user.snaps.at(0);
    EXPECT_EQ(ItemOf(first, 38).value, 1);
    EXPECT_EQ(first.layout.height, 555 + 96);
    const host::OpenDialog& second = user.snaps.at(1);
    EXPECT_EQ(ItemOf(second, 31).value, 1);
    EXPECT_EQ(ItemOf(second, 38).value, 0);
    EXPECT_EQ(ItemOf(second, 6).value, 1);
    EXPECT_LT(second.top + second.layout.height, 768 - 40);
    EXPECT_TRUE(ItemOf(second, 34).visible);
    EXPECT_FALSE(ItemOf(second, 40).visible);
}

TEST(TileSettingsDefaults, InitTakesTheFirstEntriesAndTheDefaultRoofsLayer) {
    dialogtest::ConnectWithSampleCatalogue();
    API_Element roof;
    roof.header.layer = 6;
    host::gSession.elementDefaults[API_RoofID] = roof;
    gTileSettings = TileSettings{};
    gTileSettings.tile_x = 0.25;
    std::strcpy(gTileSettings.typ, "SOR");
    InitTileSettings();
    const TileSettings& ts = gTileSettings;
    EXPECT_STREQ(ts.fam, "HULA");
    EXPECT_STREQ(ts.color, "NV");
    EXPECT_STREQ(ts.gcstyp, "KUPA");
    EXPECT_STREQ(ts.hofogo, "NINCS");
    EXPECT_STREQ(ts.folia, "NINCS");
    EXPECT_STREQ(ts.vapatipus, "NINCS");
    EXPECT_STREQ(ts.mat_pan, "");
    EXPECT_STREQ(ts.hofogas, "NINCS");
    EXPECT_STREQ(ts.vesztesegszorzo, "1.00");
    EXPECT_STREQ(ts.opt2d, "NINCS");
    EXPECT_EQ(ts.wingtile, 1);
    EXPECT_EQ(ts.auto_acc, 1);
    EXPECT_EQ(ts.csrogz, 1);
    EXPECT_EQ(ts.rogkar, 1);
    EXPECT_EQ(ts.pen1, 2);
    EXPECT_EQ(ts.layer, 6);
    EXPECT_EQ(ts.tile_x, 0.25);  // left alone
    EXPECT_STREQ(ts.typ, "SOR");
}

}  // namespace

namespace {

TEST(TileDialogClose, WindowCloseControlCancels) {
    dialogtest::ConnectWithSampleCatalogue();
    gTileSettings = TileSettings{};
    InitTileSettings();
    dialogtest::User user;
    user.Click(32);
    user.Click(DG_CLOSEBOX);
    user.Pick(20, 2);  // never reached: the dialog has closed
    EXPECT_EQ(TileDialog(0), DG_CANCEL);
    EXPECT_EQ(gTileSettings.wingtile, 0);
    EXPECT_STREQ(gTileSettings.folia, "NINCS");
    EXPECT_EQ(host::QueuedDialogActions(), 1u);
}

}  // namespace
