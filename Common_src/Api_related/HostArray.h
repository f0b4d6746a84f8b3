// Purpose: a small typed growable array kept in a host memory handle.
//
// Records are plain (trivially copyable) types. Growing commits the new capacity only after the
// host has given the memory, so a failed growth leaves the array exactly as it was.
#pragma once

#include <cstring>
#include <type_traits>

#include "HostCalls.h"

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

// Make room for at least `wanted` records; false when the host has no memory (array unchanged).
template <typename T>
bool HostArrayReserve(HostArray<T>& a, uint32_t wanted) {
    if (wanted <= a.capacity) return true;
    const uint64_t bytes = uint64_t(wanted) * sizeof(T);
    if (bytes > 0x7FFFFFFFu) return false;  // a handle holds at most 2 GB
    GSHandle grown = a.handle == nullptr ? BMAllocateHandle(int32_t(bytes), ALLOCATE_CLEAR, 0)
                                         : BMReallocHandle(a.handle, int32_t(bytes), ALLOCATE_CLEAR, 0);
    if (grown == nullptr) return false;
    a.handle = grown;
    a.capacity = wanted;
    return true;
}

// Append one record, growing by `step` records when full; false when the host has no memory.
template <typename T>
bool HostArrayAppend(HostArray<T>& a, const T& value, uint32_t step = 1) {
    if (a.count == a.capacity && !HostArrayReserve(a, a.capacity + (step == 0 ? 1 : step))) return false;
    std::memcpy(&a.data()[a.count], &value, sizeof(T));
    ++a.count;
    return true;
}

// Insert one record at position `pos` (0..count), moving the later records up by one.
template <typename T>
bool HostArrayInsert(HostArray<T>& a, uint32_t pos, const T& value) {
    if (pos > a.count) return false;
    if (a.count == a.capacity && !HostArrayReserve(a, a.capacity + 1)) return false;
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
