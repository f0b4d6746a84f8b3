// Purpose: the add-on's state has one list and one owner: the one release empties every piece
// shorter-lived than the load after a run, a failed run, a palette abort and a finalize; a load
// resets every piece; a second load in one process starts clean and tiles alike.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "Common_src/AddOnState.h"
#include "Common_src/CommandDispatch.h"
#include "accessories/AccessoryTable.h"
#include "common/AddOnFixture.h"
#include "dialogs/TileSettings.h"
#include "host/DialogManager.h"
#include "host/Host.h"
#include "host/MemoryHandles.h"
#include "host/PointInput.h"
#include "polytopo/RunTopology.h"

namespace {

using tevaro_test::AddOnFixture;

constexpr int16_t kPlaceTilesMenu = 32500;
constexpr int16_t kPlaceAccessoriesMenu = 32501;
constexpr int16_t kFinalizeButton = 1;

// The names of the pieces of one lifetime (or of every lifetime) that are not empty.
std::string PiecesNotEmpty(bool runOnly) {
    size_t count = 0;
    const StatePiece* pieces = StatePieces(count);
    std::string held;
    for (size_t i = 0; i < count; ++i) {
        const bool looked = !runOnly || pieces[i].lifetime == StateLifetime::Run;
        if (looked && !pieces[i].isEmpty()) held += std::string(held.empty() ? "" : ", ") + pieces[i].name;
    }
    return held;
}

std::string FileText(const std::string& name) {
    std::ifstream in(tevaro_test::SourcePath(name));
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class AddOnStateTest : public AddOnFixture {
protected:
    std::string InitialModel() const override { return FileText("tests/sessions/gable_house.json"); }

    static void SelectEveryRoof() {
        host::gSession.model.selection.clear();
        for (const host::Element& e : host::gSession.model.elements)
            if (e.rec.header.typeID == API_RoofID) host::gSession.model.selection.push_back(e.rec.header.guid);
    }

    // The user tiles every roof and leaves the edge palette open.
    void TileUpToThePalette() {
        SelectEveryRoof();
        QueuePick(20, 2);
        QueuePick(23, 2);
        QueuePick(27, 2);
        QueuePick(29, 2);
        QueueOk();
        ASSERT_EQ(RunMenu(kPlaceTilesMenu), NoError);
        ASSERT_NE(host::OpenPaletteId(), 0);
    }

    static void ClickOnPalette(int16_t item) {
        host::DialogAction click;
        click.kind = host::DialogAction::Click;
        click.item = item;
        std::string error;
        ASSERT_TRUE(host::ApplyToPalette(click, error)) << error;
    }

    // Tile surfaces in the project, by their element IDs in creation order.
    static std::string TileSurfaceIds() {
        std::string ids;
        for (const host::Element& e : host::gSession.model.elements)
            if (e.libPartUnId.compare(0, 38, kTileSurfaceMainId) == 0) ids += e.elementId + " ";
        return ids;
    }
};

TEST_F(AddOnStateTest, EveryPieceIsListedOnceWithItsReleaseResetAndCheck) {
    size_t count = 0;
    const StatePiece* pieces = StatePieces(count);
    ASSERT_GT(count, 0u);
    std::set<std::string> names;
    for (size_t i = 0; i < count; ++i) {
        const StatePiece& p = pieces[i];
        ASSERT_NE(p.name, nullptr);
        EXPECT_TRUE(names.insert(p.name).second) << p.name << " listed twice";
        EXPECT_NE(std::string(p.where), "") << p.name;
        EXPECT_NE(p.reset, nullptr) << p.name;
        EXPECT_NE(p.isEmpty, nullptr) << p.name;
        // Only what is shorter-lived than the load is released by the run's end.
        EXPECT_EQ(p.release != nullptr, p.lifetime == StateLifetime::Run) << p.name;
    }
}

TEST_F(AddOnStateTest, AFreshLoadHasEveryRunPieceEmpty) { EXPECT_EQ(PiecesNotEmpty(true), ""); }

TEST_F(AddOnStateTest, TheOneReleaseEmptiesARunLeftWithThePaletteOpen) {
    TileUpToThePalette();
    // The run's tables are held for the palette, and the list sees them.
    EXPECT_GT(gState.roofPlanes.planes.count, 0u);
    EXPECT_NE(PiecesNotEmpty(true), "");
    ReleaseRunState();
    EXPECT_EQ(PiecesNotEmpty(true), "");
    EXPECT_EQ(gState.roofPlanes.planes.handle, nullptr);
    EXPECT_EQ(gState.edgeSetterRecords.handle, nullptr);
    EXPECT_STREQ(TopologyLog(), "");
}

TEST_F(AddOnStateTest, FinalizeAndAbortEndWithEveryRunPieceEmpty) {
    struct Ending {
        const char* name;
        int16_t item;
        bool tiles;  // the ending places tile surfaces
    };
    for (const Ending& ending : {Ending{"abort", DG_CLOSEBOX, false}, Ending{"finalize", kFinalizeButton, true}}) {
        const std::string before = TileSurfaceIds();
        TileUpToThePalette();
        ClickOnPalette(ending.item);
        EXPECT_EQ(host::OpenPaletteId(), 0) << ending.name;
        EXPECT_FALSE(gState.finalizationPending) << ending.name;
        EXPECT_EQ(PiecesNotEmpty(true), "") << ending.name;
        EXPECT_EQ(TileSurfaceIds() != before, ending.tiles) << ending.name;
    }
}

TEST_F(AddOnStateTest, AFailedRunEndsWithEveryRunPieceEmptyAndNothingHeld) {
    // The first allocation after the dialog fails: the run gives up early, after its message.
    const size_t live = LiveHandles();
    SelectEveryRoof();
    QueuePick(20, 2);
    QueuePick(23, 2);
    QueuePick(27, 2);
    QueuePick(29, 2);
    QueueOk();
    FailAllocation(1);
    ASSERT_EQ(RunMenu(kPlaceTilesMenu), NoError);
    host::DisarmAllocationFault();
    EXPECT_EQ(host::OpenPaletteId(), 0);
    EXPECT_TRUE(LastMessageIs(17));
    EXPECT_EQ(PiecesNotEmpty(true), "");
    EXPECT_EQ(LiveHandles(), live);
}

TEST_F(AddOnStateTest, AnAccessoryCommandsStateIsEmptiedByTheOneRelease) {
    TileUpToThePalette();
    ClickOnPalette(kFinalizeButton);
    host::Element* surface = Element("Tevaro_000");
    ASSERT_NE(surface, nullptr);
    host::gSession.model.selection = {surface->rec.header.guid};
    QueuePick(6, 3);
    QueueOk();
    host::PointAnswer point;
    point.point.x = 2;
    point.point.y = 1;
    host::QueuePointAnswer(point);
    ASSERT_EQ(RunMenu(kPlaceAccessoriesMenu), NoError);
    EXPECT_GT(gAccessoryTable.count, 0);  // the command read and wrote the surface's table
    EXPECT_NE(PiecesNotEmpty(true), "");
    ReleaseRunState();
    EXPECT_EQ(PiecesNotEmpty(true), "");
}

// Memory of an earlier load that the add-on still points at: a handle the test owns, put where
// the run tables keep theirs, as a crash or a host that never called FreeData leaves them.
GSHandle PlantEarlierLoadsMemory() {
    GSHandle earlier = host::NewHostHandle(int32_t(sizeof(WallSegment)));
    gState.fillSegments.handle = earlier;
    gState.fillSegments.count = gState.fillSegments.capacity = 1;
    gState.collectedRoofCount = 1;
    gState.finalizationPending = true;
    return earlier;
}

TEST_F(AddOnStateTest, ALoadResetsEveryPieceTheLoadsOwnToo) {
    TileUpToThePalette();
    ClickOnPalette(DG_CLOSEBOX);
    GSHandle earlier = PlantEarlierLoadsMemory();
    // The load's own pieces hold something too: the folders, the catalogue, the user's settings.
    EXPECT_NE(PiecesNotEmpty(false), "");
    EXPECT_NE(gTileSettings.tile_x, 0.0);
    ResetAddOnForLoad();
    EXPECT_EQ(PiecesNotEmpty(false), "");
    EXPECT_EQ(gState.fillSegments.handle, nullptr);
    EXPECT_FALSE(gState.finalizationPending);
    EXPECT_EQ(gTileSettings.tile_x, 0.0);
    // The memory belonged to the earlier load's host: the reset does not hand it back.
    EXPECT_TRUE(host::IsLiveHandle(earlier));
    host::KillHandle(&earlier);
}

TEST_F(AddOnStateTest, ASecondLoadInOneProcessStartsCleanAndTilesAlike) {
    TileUpToThePalette();
    ClickOnPalette(kFinalizeButton);
    const std::string firstTiling = TileSurfaceIds();
    ASSERT_NE(firstTiling, "");

    // A new project in the same process: the host starts afresh and loads the add-on again,
    // the first load's state left as a crash or a missing FreeData would leave it.
    GSHandle earlier = PlantEarlierLoadsMemory();
    host::ResetSession();
    host::gSession.shellLaunch = false;
    tevaro_test::LoadModel(InitialModel());
    StartAddOn();
    EXPECT_EQ(PiecesNotEmpty(true), "");
    EXPECT_FALSE(gState.finalizationPending);
    EXPECT_TRUE(host::IsLiveHandle(earlier));
    host::KillHandle(&earlier);
    TileUpToThePalette();
    ClickOnPalette(kFinalizeButton);
    EXPECT_EQ(TileSurfaceIds(), firstTiling);
    EXPECT_EQ(PiecesNotEmpty(true), "");
}

}  // namespace
