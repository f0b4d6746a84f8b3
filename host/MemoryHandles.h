// Purpose: the host's memory handles (a pointer to a master pointer; the block may move) with a
// fault-injection hook and a count of live handles for leak checks.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Common_src/Api_related/HostTypes.h"

namespace host {

// The table entries the add-on calls. Every allocation and reallocation counts for the fault hook.
GSHandle AllocateHandle(int32_t size, int32_t flags, int32_t reserved);
GSHandle ReallocHandle(GSHandle handle, int32_t newSize, int32_t flags, int32_t reserved);
void KillHandle(GSHandle* handle);
int32_t GetHandleSize(GSConstHandle handle);

// The number of whole records of type T a handle of any record type holds (0 for none): the
// host's side of the add-on's HandleCount, read from the host's own store.
template <typename T, typename Handle>
size_t HandleCount(Handle handle) {
    if (handle == nullptr) return 0;
    return size_t(GetHandleSize(reinterpret_cast<GSConstHandle>(handle))) / sizeof(T);
}

// A handle the host itself hands out (memos, lists): never failed by the fault hook.
GSHandle NewHostHandle(int32_t size);

// Makes the `nth` allocation-or-reallocation from now fail (1 = the next one); the call count
// restarts when armed. 0 disarms.
void ArmAllocationFault(int nth);
void DisarmAllocationFault();
// Allocations and reallocations the add-on asked for since the last ArmAllocationFault/reset.
uint64_t AllocationCalls();
// Handles allocated and not yet killed, whoever allocated them.
size_t LiveHandleCount();
bool IsLiveHandle(GSConstHandle handle);

}  // namespace host
