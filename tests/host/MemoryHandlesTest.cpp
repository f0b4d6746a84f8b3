// Purpose: tests of the host's memory handles: sizes, moving blocks, failed reallocation, the
// allocation fault hook and the live-handle count.
#include <gtest/gtest.h>

#include <cstring>

#include "host/MemoryHandles.h"

namespace {

class MemoryHandles : public ::testing::Test {
protected:
    void TearDown() override { host::DisarmAllocationFault(); }
};

TEST_F(MemoryHandles, NewBlocksAreZeroAndSized) {
    GSHandle h = host::AllocateHandle(64, 0, 0);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(host::GetHandleSize(h), 64);
    for (int i = 0; i < 64; ++i) EXPECT_EQ((*h)[i], 0) << i;
    host::KillHandle(&h);
    EXPECT_EQ(h, nullptr);
}

TEST_F(MemoryHandles, ZeroSizeAndNegativeSize) {
    GSHandle empty = host::AllocateHandle(0, ALLOCATE_CLEAR, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(host::GetHandleSize(empty), 0);
    EXPECT_EQ(host::AllocateHandle(-1, 0, 0), nullptr);
    host::KillHandle(&empty);
}

TEST_F(MemoryHandles, GrowingKeepsContentClearsTheNewPartAndMovesTheBlock) {
    GSHandle h = host::AllocateHandle(16, ALLOCATE_CLEAR, 0);
    std::memcpy(*h, "0123456789abcdef", 16);
    const char* before = *h;
    ASSERT_EQ(host::ReallocHandle(h, 1024, ALLOCATE_CLEAR, 0), h);  // the handle stays, the block moves
    EXPECT_NE(*h, before);
    EXPECT_EQ(std::memcmp(*h, "0123456789abcdef", 16), 0);
    for (int i = 16; i < 1024; ++i) ASSERT_EQ((*h)[i], 0) << i;
    EXPECT_EQ(host::GetHandleSize(h), 1024);
    ASSERT_EQ(host::ReallocHandle(h, 4, 0, 0), h);
    EXPECT_EQ(host::GetHandleSize(h), 4);
    EXPECT_EQ(std::memcmp(*h, "0123", 4), 0);
    host::KillHandle(&h);
}

TEST_F(MemoryHandles, FailedReallocationLeavesTheOldHandleValid) {
    GSHandle h = host::AllocateHandle(8, ALLOCATE_CLEAR, 0);
    std::memcpy(*h, "abcdefg", 8);
    host::ArmAllocationFault(1);
    EXPECT_EQ(host::ReallocHandle(h, 4096, ALLOCATE_CLEAR, 0), nullptr);
    EXPECT_TRUE(host::IsLiveHandle(h));
    EXPECT_EQ(host::GetHandleSize(h), 8);
    EXPECT_STREQ(*h, "abcdefg");
    EXPECT_NE(host::ReallocHandle(h, 4096, ALLOCATE_CLEAR, 0), nullptr);  // the fault hit once only
    host::KillHandle(&h);
}

TEST_F(MemoryHandles, TheNthAllocationOrReallocationFailsCountedFromArming) {
    GSHandle a = host::AllocateHandle(4, 0, 0);  // before arming: not counted
    host::ArmAllocationFault(3);
    GSHandle b = host::AllocateHandle(4, 0, 0);                // 1
    EXPECT_NE(host::ReallocHandle(b, 8, 0, 0), nullptr);       // 2
    EXPECT_EQ(host::AllocateHandle(4, 0, 0), nullptr);         // 3: fails
    GSHandle c = host::AllocateHandle(4, 0, 0);                // 4: fine again
    EXPECT_NE(c, nullptr);
    EXPECT_EQ(host::AllocationCalls(), 4u);
    host::ArmAllocationFault(1);  // re-arming restarts the count
    EXPECT_EQ(host::AllocationCalls(), 0u);
    EXPECT_EQ(host::AllocateHandle(4, 0, 0), nullptr);
    for (GSHandle* h : {&a, &b, &c}) host::KillHandle(h);
}

TEST_F(MemoryHandles, HostOwnHandlesAreNeverFailedButAreCountedLive) {
    const size_t live = host::LiveHandleCount();
    host::ArmAllocationFault(1);
    GSHandle own = host::NewHostHandle(32);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(host::LiveHandleCount(), live + 1);
    EXPECT_EQ(host::AllocateHandle(4, 0, 0), nullptr);  // the armed fault still waits for the add-on
    host::KillHandle(&own);
    EXPECT_EQ(host::LiveHandleCount(), live);
}

TEST_F(MemoryHandles, KillingNullOrUnknownHandlesIsHarmless) {
    GSHandle none = nullptr;
    host::KillHandle(&none);
    host::KillHandle(nullptr);
    char* master = nullptr;
    GSHandle stranger = &master;
    const size_t live = host::LiveHandleCount();
    host::KillHandle(&stranger);
    EXPECT_EQ(stranger, nullptr);
    EXPECT_EQ(host::LiveHandleCount(), live);
    EXPECT_EQ(host::GetHandleSize(nullptr), 0);
    char* p = nullptr;
    EXPECT_EQ(host::ReallocHandle(&p, 8, 0, 0), nullptr);  // not a handle of the host
}

}  // namespace
