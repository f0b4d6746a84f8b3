// Purpose: the edge palette: its layout, the finalize button that reads the setters back and
// tiles the roofs, the closing that aborts, and the refusals on the way.
#include "EdgesFixture.h"

#include <algorithm>

#include "Common_src/Messages.h"
#include "edges/EdgePalette.h"
#include "edges/EdgeSetters.h"
#include "host/DialogManager.h"

namespace edgestest {
namespace {

constexpr const char* kTileSurfaceMain = "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}";

class EdgePaletteTest : public EdgesTest {
protected:
    // The state a tiling run leaves: a gable roof's planes, its setter placed, the palette open.
    void OpenAfterRun(int roofs = 1) {
        for (int r = 0; r < roofs; ++r) AddGable(uint32_t(r + 1), 30.0 * r);
        AttachRoof("R1");
        ASSERT_TRUE(PlaceDummies());
        ASSERT_NE(OpenEdgePalette(), 0);
        gState.finalizationPending = true;
    }
    static bool Press(int16_t item) {
        host::DialogAction click;
        click.kind = host::DialogAction::Click;
        click.item = item;
        std::string error;
        const bool ok = host::ApplyToPalette(click, error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }
    static bool TablesReleased() {
        return gState.roofPlanes.planes.count == 0 && gState.edgeSetterRecords.count == 0 &&
               gState.wallSegments.count == 0 && gState.fillSegments.count == 0;
    }
    // The edge statuses a tile surface was handed.
    static std::vector<double> StatusesOf(const host::Element& tile) {
        const host::ParamValue* p = host::FindParam(tile.params, "stat");
        return p == nullptr ? std::vector<double>{} : p->numbers;
    }
};

TEST_F(EdgePaletteTest, PaletteIsModelessWithItsButtonTextAndPicture) {
    const int16_t id = OpenEdgePalette();
    ASSERT_NE(id, 0);
    EXPECT_EQ(host::OpenPaletteId(), id);
    const host::OpenDialog* d = host::FindOpenDialog(id);
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->modal);
    EXPECT_EQ(d->layout.title, "Élek beállítása");
    EXPECT_EQ(d->layout.width, 420);
    EXPECT_EQ(d->layout.height, 150);
    ASSERT_EQ(d->layout.items.size(), 3u);
    EXPECT_EQ(d->layout.items[0].kind, host::ItemKind::Button);
    EXPECT_EQ(d->layout.items[0].text, "Cserepezés véglegesítése");
    EXPECT_EQ(d->layout.items[1].kind, host::ItemKind::Text);
    EXPECT_NE(d->layout.items[1].text.find("Az élbeállító elemet ne törölje"), std::string::npos);
    EXPECT_EQ(d->layout.items[2].kind, host::ItemKind::Picture);
    EXPECT_EQ(d->layout.items[2].icon, 32508);
}

TEST_F(EdgePaletteTest, FinalizeWithNoChangeTilesWithTheEnginesStatuses) {
    OpenAfterRun();
    const size_t undoSteps = host::gSession.undoSteps.size();
    ASSERT_TRUE(Press(kEdgePaletteFinalizeItem));
    EXPECT_EQ(host::OpenPaletteId(), 0);
    EXPECT_FALSE(gState.finalizationPending);
    EXPECT_TRUE(Setters().empty());
    const auto tiles = ObjectsOf(kTileSurfaceMain);
    ASSERT_EQ(tiles.size(), 2u);
    for (const host::Element* t : tiles) {
        const auto stat = StatusesOf(*t);
        EXPECT_EQ(std::count(stat.begin(), stat.end(), 31.0), 1);
        EXPECT_EQ(std::count(stat.begin(), stat.end(), 11.0), 1);
    }
    EXPECT_TRUE(TablesReleased());
    EXPECT_EQ(host::gSession.undoSteps.size(), undoSteps + 1);
}

TEST_F(EdgePaletteTest, RidgeChangedOnTheSetterReachesBothTileSurfaces) {
    OpenAfterRun();
    std::string error;
    ASSERT_TRUE(host::SetEdgeSetterEdgeType(*Setters().at(0), 3, 1, error)) << error;
    ASSERT_TRUE(Press(kEdgePaletteFinalizeItem));
    const auto tiles = ObjectsOf(kTileSurfaceMain);
    ASSERT_EQ(tiles.size(), 2u);
    for (const host::Element* t : tiles) {
        const auto stat = StatusesOf(*t);
        EXPECT_EQ(std::count(stat.begin(), stat.end(), 31.0), 0);
        EXPECT_EQ(std::count(stat.begin(), stat.end(), 33.0), 1);
    }
}

TEST_F(EdgePaletteTest, DeletedSetterRefusesFinalizationAndDeletesTheRest) {
    OpenAfterRun(2);
    auto& elements = host::gSession.model.elements;
    const API_Guid doomed = Setters().at(0)->rec.header.guid;
    elements.erase(std::find_if(elements.begin(), elements.end(),
                                [&](const host::Element& e) { return e.rec.header.guid == doomed; }));
    ASSERT_TRUE(Press(kEdgePaletteFinalizeItem));
    EXPECT_TRUE(Reported(GetMessage(76)));
    EXPECT_TRUE(Setters().empty());
    EXPECT_TRUE(ObjectsOf(kTileSurfaceMain).empty());
    EXPECT_TRUE(TablesReleased());
    EXPECT_FALSE(gState.finalizationPending);
}


TEST_F(EdgePaletteTest, ClosingThePaletteDeletesSettersAndANewCommandMayStart) {
    OpenAfterRun();
    ASSERT_TRUE(Press(DG_CLOSEBOX));
    EXPECT_EQ(host::OpenPaletteId(), 0);
    EXPECT_FALSE(gState.finalizationPending);
    EXPECT_TRUE(Setters().empty());
    EXPECT_TRUE(ObjectsOf(kTileSurfaceMain).empty());
    EXPECT_TRUE(TablesReleased());
    host::ChooseMenuItem(32500);
    EXPECT_FALSE(Reported(GetMessage(kMsgFinalizationPending)));
}

TEST_F(EdgePaletteTest, TileCommandWhileThePaletteIsOpenIsRefused) {
    OpenAfterRun();
    host::ChooseMenuItem(32500);
    EXPECT_TRUE(Reported(GetMessage(kMsgFinalizationPending)));
    EXPECT_NE(host::OpenPaletteId(), 0);
    EXPECT_EQ(Setters().size(), 1u);
}


TEST_F(EdgePaletteTest, GroupSuspensionIsSwitchedOnForTheActionAndBackAfter) {
    OpenAfterRun();
    host::gSession.model.groupsSuspended = false;
    ASSERT_TRUE(Press(kEdgePaletteFinalizeItem));
    EXPECT_FALSE(host::gSession.model.groupsSuspended);
    size_t toggles = 0;
    for (const host::CallRecord& c : host::gSession.calls) toggles += c.op == "Element_Tool/SUSP";
    EXPECT_EQ(toggles, 2u);
}

TEST_F(EdgePaletteTest, SuspensionFailureEndsTheActionButThePaletteStillCloses) {
    OpenAfterRun();
    host::gSession.model.groupsSuspended = false;
    host::ArmHostFault("Element_Tool/SUSP", APIERR_GENERAL);
    ASSERT_TRUE(Press(DG_CLOSEBOX));
    EXPECT_TRUE(Reported(GetMessage(kMsgSuspendGroups)));
    EXPECT_FALSE(gState.finalizationPending);
    EXPECT_EQ(host::OpenPaletteId(), 0);
    EXPECT_EQ(Setters().size(), 1u);            // nothing else happened
    EXPECT_EQ(gState.edgeSetterRecords.count, 1u);  // nor were the tables released
}

TEST_F(EdgePaletteTest, MissingObjectLibraryAtFinalizationDeletesSettersWithMessage9) {
    OpenAfterRun();
    std::snprintf(gState.libraryLocation, sizeof gState.libraryLocation, "%s", "/nonexistent/TevaroTmp.lib");
    ASSERT_TRUE(Press(kEdgePaletteFinalizeItem));
    EXPECT_TRUE(Reported(GetMessage(kMsgMissingLibrary)));
    EXPECT_TRUE(Setters().empty());
    EXPECT_TRUE(ObjectsOf(kTileSurfaceMain).empty());
    EXPECT_TRUE(TablesReleased());
}

}  // namespace
}  // namespace edgestest
