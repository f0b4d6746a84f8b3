// Purpose: tests of the scope owners of host memory and of the record count of a handle: what a
// function holds goes back to the host on every way out, what it hands on stays alive.
#include <gtest/gtest.h>

#include <cstring>

#include "Common_src/Api_related/HostMemory.h"
#include "common/AddOnFixture.h"
#include "host/MemoryHandles.h"
#include "host/ParamLists.h"

namespace {

class HostMemoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        tevaro_test::InstallHostOnly();
        liveAtStart_ = host::LiveHandleCount();
    }
    void TearDown() override { host::DisarmAllocationFault(); }

    // Handles made since the test started and not given back.
    long Kept() const { return long(host::LiveHandleCount()) - long(liveAtStart_); }

    size_t liveAtStart_ = 0;
};

// A function that fills a scoped array with 1, 2, ... `records` and leaves early at `leaveAt` (0:
// runs to its end). When a growth fails, `intact` tells whether the array still holds what it held.
bool FillAndLeave(int leaveAt, uint32_t& countSeen, int records = 5, bool* intact = nullptr) {
    ScopedHostArray<double> values;
    for (int i = 1; i <= records; ++i) {
        if (!HostArrayAppend(*values, double(i))) {
            if (intact != nullptr) *intact = values->count == countSeen && (countSeen == 0 || (*values)[countSeen - 1] == double(countSeen));
            return false;
        }
        countSeen = values->count;
        if (i == leaveAt) return false;
    }
    return true;
}

TEST_F(HostMemoryTest, AScopedArrayGoesBackOnEveryWayOut) {
    for (int leaveAt = 0; leaveAt <= 5; ++leaveAt) {
        uint32_t seen = 0;
        FillAndLeave(leaveAt, seen);
        EXPECT_EQ(seen, leaveAt == 0 ? 5u : uint32_t(leaveAt)) << "left at " << leaveAt;
        EXPECT_EQ(Kept(), 0) << "left at " << leaveAt;
    }
}

TEST_F(HostMemoryTest, AScopedArrayGoesBackWhenItsGrowthFails) {
    // a thousand records need several growths: the first, second and third fail in turn
    for (int nth = 1; nth <= 3; ++nth) {
        host::ArmAllocationFault(nth);
        uint32_t seen = 0;
        bool intact = false;
        EXPECT_FALSE(FillAndLeave(0, seen, 1000, &intact)) << "allocation " << nth;
        EXPECT_TRUE(intact) << "the failed growth left the array as it was, allocation " << nth;
        EXPECT_LT(seen, 1000u);
        host::DisarmAllocationFault();
        EXPECT_EQ(Kept(), 0) << "allocation " << nth;
    }
}

TEST_F(HostMemoryTest, AReleasedArrayOutlivesItsOwnerAndAnAdoptedOneDiesWithIt) {
    HostArray<int32_t> handedOn;
    {
        ScopedHostArray<int32_t> owner;
        ASSERT_TRUE(HostArrayAppend(*owner, 7));
        ASSERT_TRUE(HostArrayAppend(*owner, 9));
        handedOn = owner.Release();
        EXPECT_EQ(owner->handle, nullptr);
        EXPECT_EQ(owner->count, 0u);
    }
    ASSERT_EQ(Kept(), 1);
    ASSERT_EQ(handedOn.count, 2u);
    EXPECT_EQ(handedOn[1], 9);
    {
        ScopedHostArray<int32_t> adopter(std::move(handedOn));
        EXPECT_EQ(handedOn.handle, nullptr) << "the adopted array is no longer the caller's";
        EXPECT_EQ(adopter[0], 7);
    }
    EXPECT_EQ(Kept(), 0);
}

TEST_F(HostMemoryTest, AMemoGuardDisposesTheMemoHandlesAndToleratesAnEarlyDisposal) {
    {
        API_ElementMemo memo{};
        const ElementMemoGuard guard(memo);
        host::ParamValue p;
        p.name = "A";
        p.numbers = {1};
        memo.params = host::ParamsToHandle({p, p});
        memo.coords = reinterpret_cast<API_Coord**>(host::NewHostHandle(int32_t(3 * sizeof(API_Coord))));
        ASSERT_EQ(Kept(), 2);
    }
    EXPECT_EQ(Kept(), 0);
    {
        API_ElementMemo memo{};
        const ElementMemoGuard guard(memo);
        memo.coords = reinterpret_cast<API_Coord**>(host::NewHostHandle(int32_t(sizeof(API_Coord))));
        ACAPI_DisposeElemMemoHdls(&memo);  // released by hand first: the guard has nothing left to do
        EXPECT_EQ(memo.coords, nullptr);
    }
    EXPECT_EQ(Kept(), 0);
}

TEST_F(HostMemoryTest, AParamListGuardKeepsAListMovedIntoAMemo) {
    API_ElementMemo memo{};
    {
        API_AddParType** params = host::ParamsToHandle({host::ParamValue{}});
        const ParamListGuard guard(params);
        memo.params = std::exchange(params, nullptr);  // the memo owns it now
    }
    EXPECT_EQ(Kept(), 1) << "the list moved into the memo survives its guard";
    {
        const ElementMemoGuard guard(memo);
    }
    EXPECT_EQ(Kept(), 0);
    {
        API_AddParType** params = host::ParamsToHandle({host::ParamValue{}, host::ParamValue{}});
        const ParamListGuard guard(params);
    }
    EXPECT_EQ(Kept(), 0) << "a list kept by its guard goes back with its scope";
}

TEST_F(HostMemoryTest, AHandleGuardKillsAnyHandleTypeAndToleratesNull) {
    {
        API_Neig** neigs = reinterpret_cast<API_Neig**>(BMAllocateHandle(int32_t(2 * sizeof(API_Neig)), ALLOCATE_CLEAR, 0));
        const HandleGuard neigsGuard(neigs);
        GSHandle raw = BMAllocateHandle(10, ALLOCATE_CLEAR, 0);
        const HandleGuard rawGuard(raw);
        API_Guid** none = nullptr;
        const HandleGuard noneGuard(none);
        ASSERT_EQ(Kept(), 2);
    }
    EXPECT_EQ(Kept(), 0);
}

TEST_F(HostMemoryTest, HandleCountCountsWholeRecordsOnBothSides) {
    GSHandle h = BMAllocateHandle(int32_t(3 * sizeof(API_Coord) + 5), ALLOCATE_CLEAR, 0);
    const HandleGuard guard(h);
    EXPECT_EQ(HandleCount<API_Coord>(h), 3) << "a partial record is not counted";
    EXPECT_EQ(HandleCount<char>(h), int32_t(3 * sizeof(API_Coord) + 5));
    EXPECT_EQ(HandleCount<API_Coord>(reinterpret_cast<API_Coord**>(h)), 3);
    EXPECT_EQ(host::HandleCount<API_Coord>(h), 3u) << "the host reads the same count from its own store";
    EXPECT_EQ(HandleCount<API_Guid>(static_cast<GSHandle>(nullptr)), 0);
    EXPECT_EQ(host::HandleCount<API_Guid>(static_cast<GSHandle>(nullptr)), 0u);
    GSHandle empty = BMAllocateHandle(0, ALLOCATE_CLEAR, 0);
    const HandleGuard emptyGuard(empty);
    EXPECT_EQ(HandleCount<double>(empty), 0);
}

}  // namespace
