// Purpose: the one growth helper of the add-on's host memory, and the geometric growth rule.
#include "Common_src/Api_related/HostArray.h"

#include <algorithm>

#include "Common_src/Messages.h"

namespace {

constexpr uint32_t kFirstCapacity = 4;  // records of an array's first handle

// Tells the user that the host has no memory (message 17); the one place a growth reports from.
bool ReportNoMemory() {
    ReportMessage(GetMessage(kMsgOutOfMemory));
    return false;
}

}  // namespace

bool HostHandleTryResize(GSHandle& handle, uint64_t bytes) {
    if (bytes > kMaxHandleBytes) return false;
    GSHandle grown = handle == nullptr ? BMAllocateHandle(int32_t(bytes), ALLOCATE_CLEAR, 0)
                                       : BMReallocHandle(handle, int32_t(bytes), ALLOCATE_CLEAR, 0);
    if (grown == nullptr) return false;
    handle = grown;
    return true;
}

bool HostHandleGrow(GSHandle& handle, uint64_t bytes) { return HostHandleTryResize(handle, bytes) || ReportNoMemory(); }

bool HostHandleResizeTo(GSHandle& handle, uint64_t bytes) {
    if (handle != nullptr && uint64_t(BMGetHandleSize(handle)) == bytes) return true;
    if (HostHandleTryResize(handle, bytes)) return true;
    // An empty array the host gives no handle for stays without one: nothing is missing.
    const bool emptyWithoutHandle = bytes == 0 && handle == nullptr;
    return emptyWithoutHandle || ReportNoMemory();
}

uint32_t GrownCapacity(uint32_t capacity, uint32_t wanted, uint32_t recordSize) {
    const uint64_t limit = kMaxHandleBytes / std::max<uint32_t>(recordSize, 1);
    const uint64_t geometric = std::max<uint64_t>(uint64_t(capacity) + capacity / 2, kFirstCapacity);
    // The geometric size when a handle can hold it, else just what is wanted (it may still fit).
    return uint32_t(std::max<uint64_t>(wanted, std::min(geometric, limit)));
}
