// Purpose: a whole tile placement on the sample house (select, dialog, DoTiles, finalize,
// placement, grouping) and each accessory command, once per allocation of a clean run with that
// allocation failing: every run ends complete or with its message, with nothing leaked or left.
#include <fstream>
#include <iostream>
#include <sstream>

#include "Common_src/AddOnState.h"
#include "Common_src/CommandDispatch.h"
#include "faults/FaultSweepSupport.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/PointInput.h"

namespace {

using tevaro_test::SweepOutcome;
using tevaro_test::SweepTally;

constexpr int16_t kPlaceTilesMenu = 32500;
constexpr int16_t kPlaceAccessoriesMenu = 32501;
constexpr int16_t kSolarCollectorMenu = 32502;
constexpr int16_t kSolarPanelMenu = 32503;
constexpr int16_t kDeleteAccessoriesMenu = 32504;
constexpr int16_t kFinalizeButton = 1;
constexpr int kMemoryFullRow = 17;
constexpr int kOutOfMemoryDuringTilingRow = 87;

// The text of a file of the sources ("" when missing).
std::string SourceText(const std::string& name) {
    std::ifstream in(tevaro_test::SourcePath(name));
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The sample houses: the shared example when it is there, and the session scripts' gable house.
std::vector<std::string> HouseFiles() {
    std::vector<std::string> files;
    for (const char* name : {"examples/house.json", "tests/sessions/gable_house.json"})
        if (!SourceText(name).empty()) files.push_back(name);
    return files;
}

// Tile surfaces in the project.
size_t TileSurfaceCount() {
    size_t n = 0;
    for (const host::Element& e : host::gSession.model.elements)
        n += e.rec.header.typeID == API_ObjectID && e.libPartUnId.compare(0, 38, kTileSurfaceMainId) == 0 ? 1 : 0;
    return n;
}

size_t ObjectCount() {
    size_t n = 0;
    for (const host::Element& e : host::gSession.model.elements) n += e.rec.header.typeID == API_ObjectID ? 1 : 0;
    return n;
}

void QueuePoint(double x, double y) {
    host::PointAnswer a;
    a.point.x = x;
    a.point.y = y;
    host::QueuePointAnswer(a);
}

class TilingFaultSweep : public tevaro_test::FaultSweepFixture {
protected:
    // The user selects every roof, chooses the dialog's lists, presses OK and then finalize.
    static void SelectEveryRoof() {
        host::gSession.model.selection.clear();
        for (const host::Element& e : host::gSession.model.elements)
            if (e.rec.header.typeID == API_RoofID) host::gSession.model.selection.push_back(e.rec.header.guid);
    }

    GSErrCode TileEveryRoof() {
        QueuePick(20, 2);
        QueuePick(23, 2);
        QueuePick(27, 2);
        QueuePick(29, 2);
        QueueOk();
        const GSErrCode err = RunMenu(kPlaceTilesMenu);
        if (err != NoError || host::OpenPaletteId() == 0) return err;
        host::DialogAction finalize;
        finalize.kind = host::DialogAction::Click;
        finalize.item = kFinalizeButton;
        std::string error;
        EXPECT_TRUE(host::ApplyToPalette(finalize, error)) << error;
        return NoError;
    }

    // Sweeps one command: a clean run counts the allocations, then each one fails in turn.
    SweepTally Sweep(const std::string& house, const std::function<void()>& prepare,
                     const std::function<GSErrCode()>& command, const std::function<bool()>& isComplete,
                     const std::string& name) {
        const std::string model = SourceText(house);
        SweepTally tally;
        uint64_t total = 0;
        FreshHost(model, prepare);
        const SweepOutcome clean = RunWithFault(0, command, isComplete, total, name + " clean");
        EXPECT_TRUE(clean.complete) << name << ": the clean run ended with \"" << clean.lastMessage << "\"";
        EXPECT_GT(total, 0u) << name;
        for (uint64_t nth = 1; nth <= total; ++nth) {
            const std::string where = house + ", " + name + ", allocation " + std::to_string(nth) + " of " + std::to_string(total);
            FreshHost(model, prepare);
            uint64_t made = 0;
            const SweepOutcome o = RunWithFault(int(nth), command, isComplete, made, where);
            tally.Add(o);
            if (::testing::Test::HasFailure()) return tally;  // the first broken run tells enough
        }
        std::cout << house << ", " << name << ": " << total << " allocations; " << tally.Summary() << "\n";
        return tally;
    }
};

TEST_F(TilingFaultSweep, TilePlacementEndsCompleteOrWithItsMessageWhicheverAllocationFails) {
    for (const std::string& house : HouseFiles()) {
        size_t surfaces = 0;
        FreshHost(SourceText(house), SelectEveryRoof);
        uint64_t total = 0;
        tevaro_test::FaultSweepFixture::RunWithFault(0, [&] { return TileEveryRoof(); },
            [&] { surfaces = TileSurfaceCount(); return surfaces > 0; }, total, house + " count");
        ASSERT_GT(surfaces, 0u) << house;
        const size_t expected = surfaces;
        const SweepTally tally = Sweep(house, SelectEveryRoof, [&] { return TileEveryRoof(); },
                                       [&] { return TileSurfaceCount() == expected && !gState.finalizationPending; },
                                       "tile placement");
        // Running out of memory is told as such at least once; nothing else is shown for it.
        EXPECT_GT(tally.byMessage.count(kMemoryFullRow) + tally.byMessage.count(kOutOfMemoryDuringTilingRow), 0u);
    }
}

TEST_F(TilingFaultSweep, AccessoryCommandsEndCompleteOrWithTheirMessageWhicheverAllocationFails) {
    const std::string house = "tests/sessions/gable_house.json";
    // The stage: the house tiled, its first tile surface selected.
    auto tiled = [&] {
        SelectEveryRoof();
        ASSERT_EQ(TileEveryRoof(), NoError);
        host::Element* surface = Element("Tevaro_000");
        ASSERT_NE(surface, nullptr);
        host::gSession.model.selection = {surface->rec.header.guid};
    };
    // ... and one ventilation row on it, for the deletion.
    auto tiledWithRow = [&] {
        tiled();
        QueuePick(6, 1);
        QueueSet(10, "3");
        QueueSet(12, "2");
        QueueOk();
        QueuePoint(1, 1);
        ASSERT_EQ(RunMenu(kPlaceAccessoriesMenu), NoError);
    };
    struct Command {
        const char* name;
        std::function<void()> prepare;
        std::function<void()> queue;
        int16_t menu;
        int objectChange;  // objects the clean run adds (negative: removes)
    };
    const Command commands[] = {
        {"a single accessory", tiled, [&] { QueuePick(6, 3); QueueOk(); QueuePoint(2, 1); }, kPlaceAccessoriesMenu, 0},
        {"a row between two points", tiled, [&] { QueuePick(6, 2); QueueOk(); QueuePoint(1, 2); QueuePoint(4, 2); },
         kPlaceAccessoriesMenu, 0},
        {"a solar collector", tiled, [&] { QueuePick(6, 1); QueueOk(); QueuePoint(5, 1.5); }, kSolarCollectorMenu, 0},
        {"a solar panel", tiled, [&] { QueuePick(6, 2); QueueOk(); QueuePoint(7, 1.5); }, kSolarPanelMenu, 0},
        {"deleting a row", tiledWithRow, [&] { QueueClick(5, 1, 10, 5); QueueOk(); }, kDeleteAccessoriesMenu, 0},
    };
    for (const Command& c : commands) {
        size_t objectsBefore = 0;
        std::string paramsBefore;
        auto run = [&] {
            objectsBefore = ObjectCount();
            c.queue();
            return RunMenu(c.menu);
        };
        // Complete: nothing shown, and the objects the command adds are there.
        auto complete = [&] {
            return host::gSession.lastMessage.empty() && long(ObjectCount()) >= long(objectsBefore) + c.objectChange;
        };
        Sweep(house, c.prepare, run, complete, c.name);
        if (HasFailure()) return;
    }
}

}  // namespace
