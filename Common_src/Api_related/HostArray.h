// Purpose: a small typed growable array kept in a host memory handle, and the one growth helper
// through which the add-on asks the host for more memory.
//
// Records are plain (trivially copyable) types. Growing commits the new capacity only after the
// host has given the memory, so a failed growth leaves the array exactly as it was. A failed
// growth is reported to the user once, by the growth helper (message 17); its callers pass the
// failure up silently.
#pragma once

#include <cstring>
#include <type_traits>

#include "HostCalls.h"

constexpr uint64_t kMaxHandleBytes = 0x7FFFFFFFu;  // a host handle holds at most 2 GB

// Resizes `handle` to `bytes` (allocating it when null, new bytes zeroed). The handle changes only
// when the host gave the memory; false, with nothing shown, when it did not or `bytes` is too large.
bool HostHandleTryResize(GSHandle& handle, uint64_t bytes);

// The growth helper: HostHandleTryResize, and a failure is reported to the user once (message 17).
bool HostHandleGrow(GSHandle& handle, uint64_t bytes);

// Resizes `handle` to exactly `bytes` when it holds another size (allocating it when null); an
// empty size the host gives no handle for leaves it null. False, reported once, without memory.
bool HostHandleResizeTo(GSHandle& handle, uint64_t bytes);

// How many records an array that must hold `wanted` grows to from `capacity`: by half its size
// at least, so that appending n records one at a time costs O(log n) reallocations, never
// beyond what a handle holds.
uint32_t GrownCapacity(uint32_t capacity, uint32_t wanted, uint32_t recordSize);

template <typename T>
struct HostArray {
    static_assert(std::is_trivially_copyable_v<T>, "host arrays hold plain records");
    GSHandle handle = nullptr;
    uint32_t count = 0;
    uint32_t capacity = 0;

    T* data() { return handle ? reinterpret_cast<T*>(*handle) : nullptr; }
    const T* data() const { return handle ? reinterpret_cast<const T*>(*handle) : nullptr; }
    T& operator[](uint32_t i) { return data()[i]; }
    const T& operator[](uint32_t i) const { return data()[i]; }
};

// Make room for exactly `wanted` records when there is less; false, with nothing shown, when the
// host has no memory (array unchanged). For memory whose loss is no failure (a log line).
template <typename T>
bool HostArrayTryReserve(HostArray<T>& a, uint32_t wanted) {
    if (wanted <= a.capacity) return true;
    if (!HostHandleTryResize(a.handle, uint64_t(wanted) * sizeof(T))) return false;
    a.capacity = wanted;
    return true;
}

// Make room for exactly `wanted` records when there is less; false when the host has no memory
// (array unchanged, message 17 shown once).
template <typename T>
bool HostArrayReserve(HostArray<T>& a, uint32_t wanted) {
    if (wanted <= a.capacity) return true;
    if (!HostHandleGrow(a.handle, uint64_t(wanted) * sizeof(T))) return false;
    a.capacity = wanted;
    return true;
}

// Make room for one record more, growing geometrically when full; false (reported) without memory.
template <typename T>
bool HostArrayMakeRoomForOne(HostArray<T>& a) {
    if (a.count < a.capacity) return true;
    return HostArrayReserve(a, GrownCapacity(a.capacity, a.count + 1, uint32_t(sizeof(T))));
}

// Append one record; false when the host has no memory (array unchanged, reported).
template <typename T>
bool HostArrayAppend(HostArray<T>& a, const T& value) {
    if (!HostArrayMakeRoomForOne(a)) return false;
    std::memcpy(&a.data()[a.count], &value, sizeof(T));
    ++a.count;
    return true;
}

// Insert one record at position `pos` (0..count), moving the later records up by one.
template <typename T>
bool HostArrayInsert(HostArray<T>& a, uint32_t pos, const T& value) {
    if (pos > a.count) return false;
    if (!HostArrayMakeRoomForOne(a)) return false;
    T* d = a.data();
    std::memmove(&d[pos + 1], &d[pos], sizeof(T) * (a.count - pos));
    std::memcpy(&d[pos], &value, sizeof(T));
    ++a.count;
    return true;
}

// Release the handle and empty the array.
template <typename T>
void HostArrayFree(HostArray<T>& a) {
    if (a.handle != nullptr) BMKillHandle(&a.handle);
    a.handle = nullptr;
    a.count = 0;
    a.capacity = 0;
}
