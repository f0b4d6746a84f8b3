// Purpose: owners that give back host memory a function holds on every way out of it, and the
// record count of a host handle.
//
// Local code only: a host array, an element memo, a parameter list or a raw handle that lives
// within one function. The run tables in the add-on's state keep their plain layout and their own
// release. Every owner tolerates an empty (null) holding and a holding released early by hand,
// because the host's release functions leave null behind.
#pragma once

#include <cstdint>
#include <utility>

#include "HostArray.h"
#include "HostCalls.h"

// The number of whole records of type T a host handle holds (0 for none). `handle` may be any
// handle type (GSHandle, API_Neig**, API_AddParType**, ...).
template <typename T, typename Handle>
int32_t HandleCount(Handle handle) {
    if (handle == nullptr) return 0;
    return BMGetHandleSize(reinterpret_cast<GSConstHandle>(handle)) / int32_t(sizeof(T));
}

// A host array owned by one scope: released when the scope ends, unless handed on with Release.
template <typename T>
struct ScopedHostArray {
    HostArray<T> array;

    ScopedHostArray() = default;
    // Takes over an array made elsewhere (the maker's caller owns it from here).
    explicit ScopedHostArray(HostArray<T>&& adopted) : array(std::exchange(adopted, HostArray<T>{})) {}
    ~ScopedHostArray() { HostArrayFree(array); }
    ScopedHostArray(const ScopedHostArray&) = delete;
    ScopedHostArray& operator=(const ScopedHostArray&) = delete;

    HostArray<T>& operator*() { return array; }
    const HostArray<T>& operator*() const { return array; }
    HostArray<T>* operator->() { return &array; }
    const HostArray<T>* operator->() const { return &array; }
    T& operator[](uint32_t i) { return array[i]; }
    const T& operator[](uint32_t i) const { return array[i]; }

    // Hands the array on: the caller owns it from here, this owner holds nothing.
    HostArray<T> Release() { return std::exchange(array, HostArray<T>{}); }
};

// Disposes an element memo's handles when the scope ends. The memo itself lives beside the guard
// (often inside a record passed on to helpers); a memo whose handles moved elsewhere is left
// null by whoever moved them, and the guard then has nothing to do.
struct ElementMemoGuard {
    API_ElementMemo& memo;
    explicit ElementMemoGuard(API_ElementMemo& guarded) : memo(guarded) {}
    ~ElementMemoGuard() { ACAPI_DisposeElemMemoHdls(&memo); }
    ElementMemoGuard(const ElementMemoGuard&) = delete;
    ElementMemoGuard& operator=(const ElementMemoGuard&) = delete;
};

// Disposes a parameter list (with its array handles) when the scope ends; a list moved into a
// memo is set to null by the mover and stays with the memo.
struct ParamListGuard {
    API_AddParType**& params;
    explicit ParamListGuard(API_AddParType**& guarded) : params(guarded) {}
    ~ParamListGuard() {
        if (params != nullptr) ACAPI_DisposeAddParHdl(&params);
    }
    ParamListGuard(const ParamListGuard&) = delete;
    ParamListGuard& operator=(const ParamListGuard&) = delete;
};

// Kills a raw host handle of any record type (neighbour lists, GUID lists, story data) when the
// scope ends.
template <typename T>
struct HandleGuard {
    T**& handle;
    explicit HandleGuard(T**& guarded) : handle(guarded) {}
    ~HandleGuard() {
        if (handle != nullptr) BMKillHandle(reinterpret_cast<GSHandle*>(&handle));
    }
    HandleGuard(const HandleGuard&) = delete;
    HandleGuard& operator=(const HandleGuard&) = delete;
};
