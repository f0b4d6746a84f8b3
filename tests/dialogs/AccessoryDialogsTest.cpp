// Purpose: tests of the accessory dialog 32507, the solar dialogs 32508 / 32509 and the
// accessory deletion dialog 32503, driven as a user would.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogs/AccessoryChoice.h"
#include "dialogs/DialogDriver.h"

namespace {

using dialogtest::ItemOf;
using dialogtest::LastClosed;

class AccessoryDialogTest : public ::testing::Test {
protected:
    dialogtest::User user;
    const TileType* hula = nullptr;  // accessories: SZELL (row, count 10), HAGO (row between points),
                                     // ANTK and KIBU (single only), NTART (row, count 4)

    void SetUp() override {
        dialogtest::ConnectWithSampleCatalogue();
        gAccessoryChoice = AccessoryChoice{};
        hula = FindTileType("HULA");
        ASSERT_NE(hula, nullptr);
    }
    void TearDown() override { EXPECT_TRUE(host::TakeDialogErrors().empty()); }
    static bool Enabled(const host::OpenDialog& d, int16_t item) { return ItemOf(d, item).enabled; }
};

TEST_F(AccessoryDialogTest, OpensWithTheTypesAccessoriesAndTheFirstSelected) {
    user.Snap();
    AccessoryDialog(hula);
    const host::OpenDialog& d = user.snaps.at(0);
    const host::DialogItem& list = ItemOf(d, 6);
    ASSERT_EQ(list.rows.size(), 5u);
    EXPECT_EQ(list.rows[0].texts.at(0), "Szellőzőcserép");
    EXPECT_EQ(list.rows[2].images.at(0), 30803);
    EXPECT_EQ(list.selected, 1);
    // The first accessory may be laid in a row given by a count.
    EXPECT_EQ(ItemOf(d, 8).value, 1);
    EXPECT_EQ(ItemOf(d, 7).value, 0);
    EXPECT_EQ(ItemOf(d, 9).value, 0);
    EXPECT_EQ(ItemOf(d, 10).value, 10);
    for (int16_t item = 7; item <= 13; ++item) EXPECT_TRUE(Enabled(d, item)) << item;
    EXPECT_EQ(LastClosed().layout.title, "Kiegészítök");
}

TEST_F(AccessoryDialogTest, SingleOnlyAccessoryDisablesEveryRowControl) {
    user.Pick(6, 3);  // ANTK
    user.Snap();
    user.Cancel();
    AccessoryDialog(hula);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_EQ(ItemOf(d, 7).value, 1);
    for (int16_t item = 7; item <= 13; ++item) EXPECT_FALSE(Enabled(d, item)) << item;
}

TEST_F(AccessoryDialogTest, RowWithoutCountOpensBetweenTwoPoints) {
    user.Pick(6, 2);  // HAGO: a row, not by count
    user.Snap();
    user.Click(9);    // off: the count becomes available
    user.Snap();
    user.Cancel();
    AccessoryDialog(hula);
    const host::OpenDialog& d = user.snaps.at(0);
    EXPECT_EQ(ItemOf(d, 8).value, 1);
    EXPECT_EQ(ItemOf(d, 9).value, 1);
    EXPECT_TRUE(Enabled(d, 9));
    EXPECT_FALSE(Enabled(d, 10));
    EXPECT_FALSE(Enabled(d, 11));
    EXPECT_TRUE(Enabled(d, 12));
    EXPECT_TRUE(Enabled(d, 13));
    EXPECT_TRUE(Enabled(user.snaps.at(1), 10));
    EXPECT_TRUE(Enabled(user.snaps.at(1), 11));
}

TEST_F(AccessoryDialogTest, PlacementRadiosSwitchTheRowControls) {
    user.Click(7);  // piece by piece
    user.Snap();
    user.Click(8);  // a row again: check box 9 is off, so the count is enabled
    user.Snap();
    user.Cancel();
    AccessoryDialog(hula);
    for (int16_t item = 9; item <= 13; ++item) EXPECT_FALSE(Enabled(user.snaps.at(0), item)) << item;
    for (int16_t item = 9; item <= 13; ++item) EXPECT_TRUE(Enabled(user.snaps.at(1), item)) << item;
}

TEST_F(AccessoryDialogTest, OkStoresARowByCountWithItsColour) {
    user.Set(10, "6");
    user.Set(12, "3");
    user.Ok();
    ASSERT_EQ(AccessoryDialog(hula), 1);
    const AccessoryChoice& ch = gAccessoryChoice;
    EXPECT_STREQ(ch.accessoryCode, "SZELL");
    EXPECT_STREQ(ch.colourCode, "VOR");
    EXPECT_EQ(ch.singly, 0);
    EXPECT_EQ(ch.betweenTwoPoints, 0);
    EXPECT_EQ(ch.count, 6);
    EXPECT_EQ(ch.everyNthTile, 3);
    EXPECT_EQ(ch.accepted, 1);
}

TEST_F(AccessoryDialogTest, OkStoresARowBetweenTwoPoints) {
    user.Pick(6, 2);
    user.Ok();
    ASSERT_EQ(AccessoryDialog(hula), 1);
    EXPECT_STREQ(gAccessoryChoice.accessoryCode, "HAGO");
    EXPECT_STREQ(gAccessoryChoice.colourCode, "FEK");
    EXPECT_EQ(gAccessoryChoice.singly, 0);
    EXPECT_EQ(gAccessoryChoice.betweenTwoPoints, 1);
}

TEST_F(AccessoryDialogTest, PieceByPieceNeverStoresBetweenTwoPoints) {
    user.Pick(6, 2);  // check box 9 is on
    user.Click(7);
    user.Ok();
    ASSERT_EQ(AccessoryDialog(hula), 1);
    EXPECT_EQ(gAccessoryChoice.singly, 1);
    EXPECT_EQ(gAccessoryChoice.betweenTwoPoints, 0);
    EXPECT_EQ(ItemOf(LastClosed(), 9).value, 1);
}

// The colour comes from the accessory type with the accessory's own code, not from another type.
TEST_F(AccessoryDialogTest, ColourIsTheFirstColourOfTheTypeWithTheSameCode) {
    const char* text =
        "[Cserepcsaladok]\nA,A,1,1\n\n[Csereptipusok]\nT,T,1,0.2,0.3,A,\n\n"
        "[Kiegeszitok]\nT\nElso,K1,1,0,0,1,0\nMasodik,K2,2,0,0,1,0\nHarmadik,K3,3,0,0,1,0\nNincs tipusa,K4,4,0,0,1,0\n\n"
        "[Kiegeszitotipusok]\nElso,K1\nMasodik,K2\nHarmadik,K3\n\n"
        "[Kiegeszito szin]\nK1\nEgy,C1,1\n\n[Kiegeszito szin]\nK2\nKetto,C2,1\nMasik,C2B,1\n\n"
        "[Kiegeszito szin]\nK3\nHarom,C3,1\n\n";
    LoadCatalogueText(text, std::strlen(text));
    const TileType* t = FindTileType("T");
    ASSERT_NE(t, nullptr);
    user.Pick(6, 2);
    user.Ok();
    AccessoryDialog(t);
    EXPECT_STREQ(gAccessoryChoice.colourCode, "C2");
    user.Pick(6, 4);
    user.Ok();
    AccessoryDialog(t);
    EXPECT_STREQ(gAccessoryChoice.accessoryCode, "K4");
    EXPECT_STREQ(gAccessoryChoice.colourCode, "");
}

TEST_F(AccessoryDialogTest, OkWithoutARowWritesNothing) {
    std::strcpy(gAccessoryChoice.accessoryCode, "ELOZO");
    gAccessoryChoice.count = 9;
    const char* text = "[Cserepcsaladok]\nA,A,1,1\n\n[Csereptipusok]\nUres,U,1,0.2,0.3,A,\n\n";
    LoadCatalogueText(text, std::strlen(text));
    user.Ok();
    EXPECT_EQ(AccessoryDialog(FindTileType("U")), 1);
    EXPECT_STREQ(gAccessoryChoice.accessoryCode, "ELOZO");
    EXPECT_EQ(gAccessoryChoice.count, 9);
    EXPECT_EQ(gAccessoryChoice.accepted, 0);
    user.Ok();  // no solar panels at all
    EXPECT_EQ(SolarDialog(5), 1);
    EXPECT_EQ(gAccessoryChoice.accepted, 0);
}

TEST_F(AccessoryDialogTest, SolarCollectorDialogListsTheCollectors) {
    user.Snap();
    user.Pick(6, 2);
    user.Ok();
    ASSERT_EQ(SolarDialog(4), 1);
    const host::DialogItem& list = ItemOf(user.snaps.at(0), 6);
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.selected, 1);
    EXPECT_EQ(list.rows[0].images.at(0), 30701);
    EXPECT_EQ(LastClosed().layout.title, "Napkollektor");
    const AccessoryChoice& ch = gAccessoryChoice;
    EXPECT_STREQ(ch.accessoryCode, "NK25");
    EXPECT_STREQ(ch.colourCode, "ANT");
    EXPECT_EQ(ch.singly, 1);
    EXPECT_EQ(ch.betweenTwoPoints, 0);
    EXPECT_EQ(ch.count, 1);
    EXPECT_EQ(ch.everyNthTile, 1);
    EXPECT_EQ(ch.accepted, 1);
}

TEST_F(AccessoryDialogTest, SolarPanelDialogListsThePanels) {
    user.Pick(6, 3);
    user.Ok();
    ASSERT_EQ(SolarDialog(5), 1);
    EXPECT_EQ(LastClosed().layout.title, "Napelem");
    EXPECT_STREQ(gAccessoryChoice.accessoryCode, "NECS");
    EXPECT_STREQ(gAccessoryChoice.colourCode, "ANT");
}

// ---- Dialog 32503 -------------------------------------------------------------------------

class DeleteDialogTest : public AccessoryDialogTest {
protected:
    // Four placed accessories: a tile accessory, a collector, a panel and an unknown code.
    const std::string codes = std::string("SZELL") + '\0' + "NK20" + '\0' + "NE400" + '\0' + "XX" + '\0';
    struct {
        int32_t flags[kMaxPlacedAccessories];
        int32_t guard;
    } keep;

    void SetUp() override {
        AccessoryDialogTest::SetUp();
        for (int32_t& f : keep.flags) f = 7;
        keep.guard = 7;
    }
    int16_t Run(int32_t count = 4) { return DeleteAccessoryDialog(hula, count, codes.data(), keep.flags); }
};

TEST_F(DeleteDialogTest, ListsEveryPlacedAccessoryUnmarkedByName) {
    user.Snap();
    Run();
    const host::DialogItem& list = ItemOf(user.snaps.at(0), 5);
    ASSERT_EQ(list.rows.size(), 4u);
    EXPECT_EQ(list.rows[0].texts.at(1), "Szellőzőcserép");
    EXPECT_EQ(list.rows[1].texts.at(1), "Tevaro Napkollektor 2.0 m2");
    EXPECT_EQ(list.rows[2].texts.at(1), "Tevaro Napelem 400 W");
    EXPECT_EQ(list.rows[3].texts.at(1), "");
    for (const host::ListRow& r : list.rows) EXPECT_EQ(r.images.at(0), -4);
    ASSERT_EQ(list.tabs.size(), 2u);
    EXPECT_EQ(list.tabs[1], 23);
    EXPECT_EQ(LastClosed().layout.title, "Kiegészítök törlése");
}

TEST_F(DeleteDialogTest, OkWithoutClicksKeepsEveryAccessory) {
    gAccessoryChoice.accepted = 1;
    user.Ok();
    ASSERT_EQ(Run(), 1);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(keep.flags[r], 1) << r;
    for (int r = 4; r < kMaxPlacedAccessories; ++r) EXPECT_EQ(keep.flags[r], 0) << r;
    EXPECT_EQ(keep.guard, 7);
    EXPECT_EQ(gAccessoryChoice.accepted, 0);
}

TEST_F(DeleteDialogTest, ClicksInTheMarkCellToggleTheMark) {
    user.Click(5, 2, 10, 5);   // marks row 2
    user.Click(5, 3, 10, 5);   // row 3 clicked twice stays
    user.Click(5, 3, 10, 5);
    user.Click(5, 1, 40, 5);   // on the name, not the mark
    user.Snap();
    user.Ok();
    ASSERT_EQ(Run(), 1);
    EXPECT_EQ(ItemOf(user.snaps.at(0), 5).rows[1].images.at(0), -3);
    EXPECT_EQ(ItemOf(user.snaps.at(0), 5).rows[2].images.at(0), -4);
    EXPECT_EQ(keep.flags[0], 1);
    EXPECT_EQ(keep.flags[1], 0);
    EXPECT_EQ(keep.flags[2], 1);
    EXPECT_EQ(keep.flags[3], 1);
    const std::vector<std::string>& debug = host::gSession.debugLines;
    ASSERT_GE(debug.size(), 2u);
    EXPECT_EQ(debug[0], "DialKieg_Handler: x=10, y=5 \n");
    EXPECT_EQ(debug[1], "DialKieg_Handler: listitem=2, iconid=-3 \n");
}

TEST_F(DeleteDialogTest, MarkCellEdgesAreInsideAndOneBeyondIsOutside) {
    user.Click(5, 1, 5, 1);    // top-left corner: toggles
    user.Click(5, 2, 17, 13);  // bottom-right corner: toggles
    user.Click(5, 3, 4, 5);    // left of the cell
    user.Click(5, 4, 10, 14);  // below the cell
    user.Ok();
    ASSERT_EQ(Run(), 1);
    EXPECT_EQ(keep.flags[0], 0);
    EXPECT_EQ(keep.flags[1], 0);
    EXPECT_EQ(keep.flags[2], 1);
    EXPECT_EQ(keep.flags[3], 1);
}

TEST_F(DeleteDialogTest, CancelLeavesTheKeepFlagsAlone) {
    user.Click(5, 1, 10, 5);
    user.Cancel();
    EXPECT_EQ(Run(), 2);
    for (int32_t f : keep.flags) EXPECT_EQ(f, 7);
}

TEST_F(DeleteDialogTest, MoreRowsThanFlagsNeverWritePastTheFlags) {
    std::string many;
    for (int i = 0; i < 120; ++i) many += std::string("HAGO") + '\0';
    user.Click(5, 110, 10, 5);
    user.Ok();
    ASSERT_EQ(DeleteAccessoryDialog(hula, 120, many.data(), keep.flags), 1);
    EXPECT_EQ(ItemOf(LastClosed(), 5).rows.size(), 120u);
    for (int32_t f : keep.flags) EXPECT_EQ(f, 1);
    EXPECT_EQ(keep.guard, 7);
}

}  // namespace
