// Purpose: the menu handler's preconditions, group suspension rules and the entry points.
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "Common_src/AddOnEntry.h"
#include "Common_src/ResourceIds.h"
#include "Common_src/AddOnState.h"
#include "Common_src/CommandDispatch.h"
#include "common/AddOnFixture.h"
#include "dialogs/TileSettings.h"

namespace {

using tevaro_test::AddOnFixture;
using tevaro_test::BuildPath;

constexpr const char* kTileSurfaceUnId = "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{00000000-0000-0000-0000-000000000000}";

// Two tile surfaces, a chair-like object of another part, and a wall.
const char* kModelWithTileSurfaces = R"({
  "elements": [
    {"type": "object", "id": "TS1", "libPart": "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{00000000-0000-0000-0000-000000000000}"},
    {"type": "object", "id": "TS2", "libPart": "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{00000000-0000-0000-0000-000000000000}"},
    {"type": "object", "id": "RIDGE", "libPart": "{9B413C5B-C63B-4027-BE0A-00222534F9FF}-{00000000-0000-0000-0000-000000000000}"},
    {"type": "wall", "id": "W1", "footprint": [[0,0],[1,0],[1,0.3],[0,0.3]], "height": 3}
  ]
})";

class CommandDispatchTest : public AddOnFixture {
protected:
    std::string InitialModel() const override { return kModelWithTileSurfaces; }

    // How many times the object library stands in the active library list.
    int ObjectLibraryEntries() const {
        int n = 0;
        for (const host::Library& library : host::gSession.libraries) n += library.location == BuildPath("TevaroTmp.lib");
        return n;
    }
    bool Suspended() const { return host::gSession.model.groupsSuspended; }
    void SetSuspended(bool on) { host::gSession.model.groupsSuspended = on; }
};

TEST_F(CommandDispatchTest, EntryPointsRegisterNameMenusAndLibrary) {
    API_EnvirParams envir{};
    EXPECT_EQ(CheckEnvironment(&envir), APIAddon_Normal);
    EXPECT_STREQ(envir.addOnName, "Tevaro");
    EXPECT_STREQ(envir.addOnDescription, "Tevaro Tetötervezö kiegészítö program.");

    ASSERT_EQ(host::gSession.menus.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(host::gSession.menus[i].menuResID, kFirstMenuResId + i);
        EXPECT_EQ(host::gSession.menus[i].promptResID, kFirstMenuResId + kPromptResIdOffset + i);
        EXPECT_EQ(host::gSession.menuHandlers.count(int16_t(kFirstMenuResId + i)), 1u);
    }
    EXPECT_STREQ(gState.libraryLocation, BuildPath("TevaroTmp.lib").c_str());
    EXPECT_TRUE(gState.firstCommandPending);
}

TEST_F(CommandDispatchTest, EntryPointsRefuseUntilTheHostTableArrives) {
    unsigned char record[kExportRecordSize];
    ASSERT_EQ(GetExportedFuncAddrs(record), 0);
    ExportRecordLayout layout;
    std::memcpy(&layout, record, sizeof layout);
    EXPECT_EQ(layout.versionWord, 0x00150001u);
    EXPECT_EQ(layout.interfaceNumber, 21000u);
    for (size_t i = 44; i < kExportRecordSize; ++i) EXPECT_EQ(record[i], 0) << "byte " << i;

    gHostTableReceived = false;
    API_EnvirParams envir{};
    EXPECT_EQ(reinterpret_cast<API_AddonType (*)(API_EnvirParams*)>(layout.checkEnvironment)(&envir), 0);
    EXPECT_EQ(reinterpret_cast<GSErrCode (*)()>(layout.registerInterface)(), APIERR_GENERAL);
    EXPECT_EQ(reinterpret_cast<GSErrCode (*)()>(layout.initialize)(), APIERR_GENERAL);
    EXPECT_EQ(reinterpret_cast<GSErrCode (*)()>(layout.freeData)(), APIERR_GENERAL);
    EXPECT_STREQ(envir.addOnName, "");
    gHostTableReceived = true;
}

TEST_F(CommandDispatchTest, CommandWhileEdgesArePendingIsRefusedAndChangesNothing) {
    gState.finalizationPending = true;
    SetSuspended(false);
    EXPECT_EQ(RunMenu(PlaceTiles), NoError);
    EXPECT_TRUE(LastMessageIs(88));
    EXPECT_TRUE(host::gSession.reportLines.back().withDialog);
    EXPECT_FALSE(Suspended());
    EXPECT_EQ(CallCount("Element_Tool/SUSP"), 0u);
    EXPECT_EQ(ObjectLibraryEntries(), 0);
    EXPECT_FALSE(host::gSession.keepInMemory);
    EXPECT_TRUE(gState.finalizationPending);
}

TEST_F(CommandDispatchTest, MissingObjectLibraryIsAddedOrReportedWithItsCode) {
    QueueCancel();
    EXPECT_EQ(RunMenu(PlaceTiles), NoError);
    EXPECT_EQ(ObjectLibraryEntries(), 1);

    // The second command finds it active and adds nothing.
    QueueCancel();
    RunMenu(PlaceTiles);
    EXPECT_EQ(ObjectLibraryEntries(), 1);

    std::erase_if(host::gSession.libraries, [](const host::Library& l) { return l.location == BuildPath("TevaroTmp.lib"); });
    FailHostCall("Environment/ALIB", APIERR_NOLIB);
    EXPECT_EQ(RunMenu(PlaceAccessories), APIERR_NOLIB);
    ASSERT_FALSE(Alerts().empty());
    EXPECT_EQ(Alerts().back().largeText, "\nHiányzik a szükséges könyvtár: TevaroTmp.lib: -2130313012 APIERR_NOLIB");
}

// A menu command and whether group suspension stays on after it, when it was off before.
struct SuspensionCase {
    const char* name;
    int16_t command;
    bool staysOn;
};

// Names a case in test output.
void PrintTo(const SuspensionCase& c, std::ostream* os) { *os << c.name; }

class CommandSuspension : public CommandDispatchTest, public ::testing::WithParamInterface<SuspensionCase> {};

TEST_P(CommandSuspension, IsRestoredOnlyAfterTileAndAccessoryPlacement) {
    SetSuspended(false);
    QueueCancel();
    RunMenu(GetParam().command);
    EXPECT_EQ(Suspended(), GetParam().staysOn);
}

TEST_P(CommandSuspension, AlreadyOnIsNeverToggled) {
    const size_t togglesBefore = CallCount("Element_Tool/SUSP");
    SetSuspended(true);
    QueueCancel();
    RunMenu(GetParam().command);
    EXPECT_TRUE(Suspended());
    EXPECT_EQ(CallCount("Element_Tool/SUSP"), togglesBefore);
}

INSTANTIATE_TEST_SUITE_P(CommandDispatch, CommandSuspension,
                         ::testing::Values(SuspensionCase{"PlaceTiles", PlaceTiles, false},
                                           SuspensionCase{"PlaceAccessories", PlaceAccessories, false},
                                           SuspensionCase{"PlaceSolarCollector", PlaceSolarCollector, true},
                                           SuspensionCase{"PlaceSolarPanel", PlaceSolarPanel, true},
                                           SuspensionCase{"DeleteAccessories", DeleteAccessories, true}),
                         [](const ::testing::TestParamInfo<SuspensionCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(CommandDispatchTest, SuspensionThatCannotBeSwitchedOnEndsTheCommand) {
    SetSuspended(false);
    FailHostCall("Element_Tool/SUSP", APIERR_GENERAL);
    EXPECT_EQ(RunMenu(PlaceTiles), NoError);
    EXPECT_TRUE(LastMessageIs(18));
    EXPECT_TRUE(host::gSession.keepInMemory);
}

TEST_F(CommandDispatchTest, AccessoryCommandsNeedExactlyOneTileSurface) {
    Select({});
    RunMenu(PlaceAccessories);
    EXPECT_TRUE(LastMessageIs(10));

    Select({"TS1", "TS2"});
    RunMenu(PlaceSolarPanel);
    EXPECT_TRUE(LastMessageIs(10));

    // One tile surface with other elements is accepted and remembered.
    host::gSession.lastMessage.clear();
    Select({"W1", "TS2", "RIDGE"});
    RunMenu(DeleteAccessories);
    EXPECT_FALSE(LastMessageIs(10));
    EXPECT_EQ(gState.selectedTileSurface, Element("TS2")->rec.header.guid);

    // The tile command does not change which tile surface the accessory commands work on.
    Select({"TS1"});
    QueueCancel();
    RunMenu(PlaceTiles);
    EXPECT_EQ(gState.selectedTileSurface, Element("TS2")->rec.header.guid);
}

TEST_F(CommandDispatchTest, LongerIdentifierWithTheTileSurfacePrefixCounts) {
    RunMenu(PlaceSolarCollector);  // activates the object library
    EXPECT_TRUE(LibPartIsKind("{E84F9BFB-7C26-403E-B010-A033FEEE27E0}-{12345678-0000-0000-0000-000000000000}x",
                              kTileSurfaceMainId));
    EXPECT_FALSE(LibPartIsKind("{E84F9BFB-7C26-403E-B010-A033FEEE27E}", kTileSurfaceMainId));
    EXPECT_FALSE(LibPartIsKind(kTileSurfaceUnId + 1, kTileSurfaceMainId));
}

TEST_F(CommandDispatchTest, FirstCommandStartsFromCatalogueDefaultsLaterOnesKeepTheUsersChoice) {
    gTileSettings.pen1 = 77;
    QueueCancel();
    RunMenu(PlaceTiles);
    EXPECT_EQ(gTileSettings.pen1, 2);
    EXPECT_FALSE(gState.firstCommandPending);

    gTileSettings.pen1 = 77;
    QueueCancel();
    RunMenu(PlaceTiles);
    EXPECT_EQ(gTileSettings.pen1, 77);
}

TEST_F(CommandDispatchTest, StoryThatCannotBeReadEndsTheTileCommand) {
    SetSuspended(false);
    FailHostCall("Environment/GSTO", APIERR_GENERAL);
    RunMenu(PlaceTiles);
    EXPECT_TRUE(LastMessageIs(87));
    // The main dialog never opened, and the suspension is not given back on this path.
    EXPECT_TRUE(Suspended());
    EXPECT_TRUE(host::gSession.keepInMemory);
}

}  // namespace
