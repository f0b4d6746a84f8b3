// Purpose: the add-on's host-memory growth: arrays grow geometrically (few reallocations for many
// records), a failed growth leaves the array as it was and is told once, and a tiling run over a
// very large selection of fills stays cheap in reallocations and time.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostArray.h"
#include "common/AddOnFixture.h"
#include "host/ElementDatabase.h"
#include "host/MemoryHandles.h"

namespace {

using tevaro_test::AddOnFixture;

constexpr int kOutOfMemoryRow = 17;
constexpr int16_t kPlaceTilesMenu = 32500;

// Report lines with a dialog and alerts shown so far: the messages the user saw.
size_t MessagesShown() {
    size_t shown = host::gSession.alerts.size();
    for (const host::ReportLine& line : host::gSession.reportLines) shown += line.withDialog ? 1 : 0;
    return shown;
}

class HostGrowthTest : public AddOnFixture {};

TEST_F(HostGrowthTest, GrownCapacityHoldsWhatIsWantedAndGrowsByHalfAtLeast) {
    for (uint32_t capacity : {0u, 1u, 4u, 10u, 1000u, 1000000u}) {
        const uint32_t grown = GrownCapacity(capacity, capacity + 1, 8);
        EXPECT_GE(grown, capacity + 1) << capacity;
        EXPECT_GE(uint64_t(grown) * 2, uint64_t(capacity) * 3) << capacity;
    }
    // Wanting more than half again gives at least what is wanted.
    EXPECT_GE(GrownCapacity(10, 100, 8), 100u);
    // Near the size a handle can hold, the growth stops at that size and never wraps.
    const uint32_t recordSize = 1024;
    const uint32_t limit = uint32_t(kMaxHandleBytes / recordSize);
    const uint32_t nearLimit = GrownCapacity(limit - 10, limit - 9, recordSize);
    EXPECT_GE(nearLimit, limit - 9);
    EXPECT_LE(uint64_t(nearLimit) * recordSize, kMaxHandleBytes);
}

TEST_F(HostGrowthTest, AppendingManyRecordsOneAtATimeReallocatesLogarithmicallyAndKeepsEveryRecord) {
    constexpr uint32_t kRecords = 100000;
    constexpr uint64_t kMostReallocations = 40;  // log base 1.5 of 100,000 is 28
    HostArray<uint32_t> a;
    host::ArmAllocationFault(0);  // restarts the count, fails nothing
    for (uint32_t i = 0; i < kRecords; ++i) ASSERT_TRUE(HostArrayAppend(a, i * 3));
    EXPECT_LE(host::AllocationCalls(), kMostReallocations);
    ASSERT_EQ(a.count, kRecords);
    EXPECT_GE(a.capacity, a.count);
    bool allThere = true;
    for (uint32_t i = 0; i < kRecords; ++i) allThere = allThere && a[i] == i * 3;
    EXPECT_TRUE(allThere);
    // Inserting at the front grows the same way and moves everything up by one.
    ASSERT_TRUE(HostArrayInsert(a, 0, 7u));
    EXPECT_EQ(a[0], 7u);
    EXPECT_EQ(a[1], 0u);
    EXPECT_EQ(a[kRecords], (kRecords - 1) * 3);
    HostArrayFree(a);
    EXPECT_EQ(a.handle, nullptr);
    EXPECT_EQ(a.count, 0u);
}

TEST_F(HostGrowthTest, AFailedGrowthLeavesTheArrayAsItWasAndIsToldExactlyOnce) {
    HostArray<double> a;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(HostArrayAppend(a, double(i)));
    ASSERT_EQ(a.count, a.capacity);  // full: the next record needs a growth
    const GSHandle before = a.handle;
    const uint32_t capacityBefore = a.capacity;
    const size_t shownBefore = MessagesShown();

    struct Attempt {
        const char* name;
        bool (*grow)(HostArray<double>&);
    };
    const Attempt attempts[] = {
        {"append", [](HostArray<double>& x) { return HostArrayAppend(x, 9.0); }},
        {"insert", [](HostArray<double>& x) { return HostArrayInsert(x, 1, 9.0); }},
        {"reserve", [](HostArray<double>& x) { return HostArrayReserve(x, 1000); }},
    };
    for (const Attempt& attempt : attempts) {
        const size_t shown = MessagesShown();
        FailAllocation(1);
        EXPECT_FALSE(attempt.grow(a)) << attempt.name;
        host::DisarmAllocationFault();
        EXPECT_EQ(a.handle, before) << attempt.name;
        EXPECT_EQ(a.count, 4u) << attempt.name;
        EXPECT_EQ(a.capacity, capacityBefore) << attempt.name;
        for (uint32_t i = 0; i < a.count; ++i) EXPECT_EQ(a[i], double(i)) << attempt.name;
        EXPECT_EQ(MessagesShown(), shown + 1) << attempt.name;
        EXPECT_TRUE(LastMessageIs(kOutOfMemoryRow)) << attempt.name;
    }
    // Memory whose loss is no failure is asked for quietly.
    const size_t shown = MessagesShown();
    FailAllocation(1);
    EXPECT_FALSE(HostArrayTryReserve(a, 1000));
    host::DisarmAllocationFault();
    EXPECT_EQ(MessagesShown(), shown);
    EXPECT_EQ(a.capacity, capacityBefore);
    EXPECT_EQ(MessagesShown(), shownBefore + 3);
    HostArrayFree(a);
}

// One hipped roof among a very large number of small fills, all selected.
class ManyFillsTest : public AddOnFixture {
protected:
    std::string InitialModel() const override {
        return R"({"elements": [
          {"type": "roof", "id": "R", "shape": "hip", "footprint": [[0,0],[10,0],[10,8],[0,8]], "pitch": 30, "eaveLevel": 3},
          {"type": "fill", "id": "F", "polygon": [[20,0],[20.5,0],[20.5,0.5],[20,0.5]]}
        ], "selection": ["R", "F"]})";
    }

    // Copies the model's one fill until there are `count`, each moved to a cell of its own.
    static void SpreadFills(int count) {
        const host::Element* fill = host::FindElementByText("F");
        ASSERT_NE(fill, nullptr);
        const host::Element pattern = *fill;
        for (int i = 1; i < count; ++i) {
            host::Element e = pattern;
            e.rec.header.guid = API_Guid{};
            e.elementId = "F" + std::to_string(i);
            for (API_Coord& c : e.polygon) {
                c.x += double(i % 250);
                c.y += double(i / 250);
            }
            host::gSession.model.selection.push_back(host::AddElement(e));
        }
    }
};

TEST_F(ManyFillsTest, FiftyThousandSelectedFillsAreReadWithFewReallocationsAndQuickly) {
    constexpr int kFills = 50000;
    // Each fill has four outline edges; growing one segment at a time took about 200,000
    // reallocations and ten seconds here. Geometric growth needs a few dozen for the segments.
    constexpr uint64_t kMostAllocations = 5000;
    constexpr double kMostSeconds = 30.0;  // generous: a loaded machine, sanitizers
    SpreadFills(kFills);
    QueuePick(20, 2);
    QueuePick(23, 2);
    QueuePick(27, 2);
    QueuePick(29, 2);
    QueueOk();
    host::ArmAllocationFault(0);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunMenu(kPlaceTilesMenu), NoError);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const uint64_t allocations = host::AllocationCalls();
    std::cout << kFills << " fills: " << allocations << " allocations, " << seconds << " s\n";
    EXPECT_EQ(gState.fillSegments.count, uint32_t(4 * kFills));
    EXPECT_TRUE(gState.finalizationPending);  // the run got through to the edge palette
    EXPECT_LE(allocations, kMostAllocations);
    EXPECT_LE(seconds, kMostSeconds);
}

}  // namespace
