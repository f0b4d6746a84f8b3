// Purpose: the host's memory handles with fault injection and live-handle counting.
//
// A handle is a heap cell holding the master pointer to the block. Reallocation always moves the
// block, so an add-on that keeps a raw pointer across a growth is caught early; a failed
// reallocation leaves the old handle and block untouched.
#include "host/MemoryHandles.h"

#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace host {
namespace {

std::unordered_map<GSConstHandle, int32_t> gLiveHandles;  // handle -> block size
int gFaultCountdown = 0;                                  // 0: no fault armed
uint64_t gAllocationCalls = 0;

// Counts one add-on allocation and tells whether the armed fault hits it.
bool AllocationFails() {
    ++gAllocationCalls;
    if (gFaultCountdown <= 0) return false;
    if (--gFaultCountdown == 0) return true;
    return false;
}

// Allocates a new block of `size` bytes (never a null block, so zero-size handles stay distinct).
char* NewBlock(int32_t size, bool clear) {
    char* block = static_cast<char*>(std::malloc(size_t(size) + 1));
    if (block != nullptr && clear) std::memset(block, 0, size_t(size) + 1);
    return block;
}

// Makes a handle around a fresh block; nullptr when the size is negative or memory is out.
GSHandle MakeHandle(int32_t size, bool clear) {
    if (size < 0) return nullptr;
    char* block = NewBlock(size, clear);
    if (block == nullptr) return nullptr;
    GSHandle handle = new char*(block);
    gLiveHandles[handle] = size;
    return handle;
}

}  // namespace

GSHandle AllocateHandle(int32_t size, int32_t flags, int32_t /*reserved*/) {
    if (AllocationFails()) return nullptr;
    // The host zeroes every new block: stale bytes in fresh records help nobody.
    (void)flags;
    return MakeHandle(size, true);
}

GSHandle ReallocHandle(GSHandle handle, int32_t newSize, int32_t flags, int32_t /*reserved*/) {
    auto it = gLiveHandles.find(handle);
    if (it == gLiveHandles.end() || newSize < 0) return nullptr;
    if (AllocationFails()) return nullptr;
    const int32_t oldSize = it->second;
    char* block = NewBlock(newSize, (flags & ALLOCATE_CLEAR) != 0);
    if (block == nullptr) return nullptr;
    std::memcpy(block, *handle, size_t(oldSize < newSize ? oldSize : newSize));
    if (newSize > oldSize && (flags & ALLOCATE_CLEAR) == 0) std::memset(block + oldSize, 0xCD, size_t(newSize - oldSize));
    std::free(*handle);
    *handle = block;
    it->second = newSize;
    return handle;
}

void KillHandle(GSHandle* handle) {
    if (handle == nullptr || *handle == nullptr) return;
    auto it = gLiveHandles.find(*handle);
    if (it != gLiveHandles.end()) {
        std::free(**handle);
        delete *handle;
        gLiveHandles.erase(it);
    }
    *handle = nullptr;
}

int32_t GetHandleSize(GSConstHandle handle) {
    auto it = gLiveHandles.find(handle);
    return it == gLiveHandles.end() ? 0 : it->second;
}

GSHandle NewHostHandle(int32_t size) { return MakeHandle(size, true); }

void ArmAllocationFault(int nth) {
    gFaultCountdown = nth < 0 ? 0 : nth;
    gAllocationCalls = 0;
}

void DisarmAllocationFault() { gFaultCountdown = 0; }

uint64_t AllocationCalls() { return gAllocationCalls; }

size_t LiveHandleCount() { return gLiveHandles.size(); }

bool IsLiveHandle(GSConstHandle handle) { return gLiveHandles.count(handle) != 0; }

}  // namespace host
