// Purpose: test support for the roof geometry and topology tests: a small in-process host that
// serves memory handles (with a failure hook), records report lines, alerts and hotspots, and
// a builder that turns 3D rings into RoofPlane records the way the extraction fills them.
#pragma once

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostCalls.h"
#include "roofgeom/RoofModel.h"

namespace topotest {

struct Hotspot {
    double x, y, z;
    int16_t pen;
};

struct FakeHost {
    int liveHandles = 0;
    int allocationsLeft = -1;  // >= 0: allocations and growths that still succeed, then failures
    std::vector<std::string> reports;        // WriteReport lines
    std::vector<bool> reportDialogs;         // whether each report line came with a dialog
    std::vector<std::string> alerts;         // DGAlert large texts
    std::vector<Hotspot> hotspots;
};

inline FakeHost& Host() {
    static FakeHost host;
    return host;
}

// The memory block of a handle keeps its size in front of the data.
struct Block {
    char* data;
    int32_t size;
};

// One more allocation is allowed, unless the failure hook says otherwise.
inline bool AllocationAllowed() {
    FakeHost& h = Host();
    if (h.allocationsLeft < 0) return true;
    if (h.allocationsLeft == 0) return false;
    --h.allocationsLeft;
    return true;
}

inline GSHandle FakeAllocate(int32_t size, int32_t, int32_t) {
    if (size < 0 || !AllocationAllowed()) return nullptr;
    Block* b = new Block{static_cast<char*>(std::calloc(size_t(size) + 1, 1)), size};
    ++Host().liveHandles;
    return &b->data;
}

inline GSHandle FakeRealloc(GSHandle handle, int32_t size, int32_t, int32_t) {
    if (handle == nullptr || size < 0 || !AllocationAllowed()) return nullptr;
    Block* b = reinterpret_cast<Block*>(handle);
    char* grown = static_cast<char*>(std::realloc(b->data, size_t(size) + 1));
    if (grown == nullptr) return nullptr;
    if (size > b->size) std::memset(grown + b->size, 0, size_t(size - b->size));
    b->data = grown;
    b->size = size;
    return handle;
}

inline void FakeKill(GSHandle* handle) {
    if (handle == nullptr || *handle == nullptr) return;
    Block* b = reinterpret_cast<Block*>(*handle);
    std::free(b->data);
    delete b;
    --Host().liveHandles;
    *handle = nullptr;
}

inline int32_t FakeHandleSize(GSConstHandle handle) {
    return handle == nullptr ? 0 : reinterpret_cast<const Block*>(handle)->size;
}

inline GSErrCode FakeWriteReport(const char* text, bool withDialog) {
    Host().reports.emplace_back(text);
    Host().reportDialogs.push_back(withDialog);
    return NoError;
}

inline void FakeDBPrint(const char*) {}

// Message rows come back as "msg N", so a test can tell which row was shown.
inline bool FakeGetIndString(char* buffer, int32_t size, int16_t, int32_t index) {
    std::snprintf(buffer, size_t(size), "msg %d", int(index));
    return true;
}

inline int16_t FakeAlert(int16_t, const char*, const char* large, const char*, const char*, const char*, const char*) {
    Host().alerts.emplace_back(large);
    return 1;
}

inline GSErrCode FakeGetDefaults(API_Element* element, API_ElementMemo*) {
    const API_ElemTypeID type = element->header.typeID;
    *element = API_Element{};
    element->header.typeID = type;
    return NoError;
}

inline GSErrCode FakeCreate(API_Element* element, API_ElementMemo*) {
    if (element->header.typeID == API_HotspotID) {
        const API_HotspotType& h = element->hotspot;
        Host().hotspots.push_back(Hotspot{h.pos.x, h.pos.y, h.pos.z, h.pen});
    }
    return NoError;
}

inline GSErrCode FakeDisposeMemo(API_ElementMemo*) { return NoError; }

// Installs the fake host's functions into the add-on's table and starts from an empty model.
inline void InstallFakeHost() {
    std::memset(&gHost, 0, sizeof gHost);
    gHost.size = sizeof gHost;
    gHost.version = 1;
    gHost.BMAllocateHandle = FakeAllocate;
    gHost.BMReallocHandle = FakeRealloc;
    gHost.BMKillHandle = FakeKill;
    gHost.BMGetHandleSize = FakeHandleSize;
    gHost.WriteReport = FakeWriteReport;
    gHost.DBPrint = FakeDBPrint;
    gHost.RSGetIndString = FakeGetIndString;
    gHost.DGAlert = FakeAlert;
    gHost.Element_GetDefaults = FakeGetDefaults;
    gHost.Element_Create = FakeCreate;
    gHost.DisposeElemMemoHdls = FakeDisposeMemo;
    gHostTableReceived = true;
    FakeHost& h = Host();
    h.allocationsLeft = -1;
    h.reports.clear();
    h.reportDialogs.clear();
    h.alerts.clear();
    h.hotspots.clear();
}

// True when some report line equals text.
inline bool Reported(const std::string& text) {
    for (const std::string& line : Host().reports)
        if (line == text) return true;
    return false;
}

using Ring = std::vector<Coord3>;

// Upward unit normal of a ring (Newell's sum), as the host's top polygon gives it.
inline Coord3 UpwardNormal(const Ring& ring) {
    Coord3 n;
    for (size_t i = 0; i < ring.size(); ++i) {
        const Coord3& a = ring[i];
        const Coord3& b = ring[(i + 1) % ring.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    const double l = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    n = Coord3{n.x / l, n.y / l, n.z / l};
    if (n.z < 0) n = Coord3{-n.x, -n.y, -n.z};
    return n;
}

// Appends one RoofPlane built from an outer ring and hole rings (not closed; each contour gets its
// closing repeat), with levelLine, slope, azimuth and plane coordinates as the extraction sets them.
inline uint32_t AddPlane(const Ring& outer, const std::vector<Ring>& holes = {}, API_Guid roof = API_Guid{1, 1}) {
    RoofPlane plane{};
    plane.roofGuid = roof;
    plane.inRun = 1;
    const Coord3 n = UpwardNormal(outer);
    std::vector<Coord3> points;
    auto addRing = [&points](const Ring& ring) {
        for (const Coord3& p : ring) points.push_back(p);
        points.push_back(ring.front());
    };
    addRing(outer);
    for (const Ring& hole : holes) addRing(hole);
    plane.vertexCount = uint32_t(points.size());
    plane.contourCount = uint32_t(1 + holes.size());
    plane.origin = Coord2{points[0].x, points[0].y};
    plane.levelLine[0] = plane.origin;
    plane.levelLine[1] = Coord2{plane.origin.x + n.y, plane.origin.y - n.x};
    double theta = 0;
    if (!(std::fabs(n.y) <= 0.001 && std::fabs(n.x) <= 0.001)) {
        const double l = std::sqrt(n.x * n.x + n.y * n.y);
        const double s = -n.x / l;
        theta = n.y / l >= 0 ? std::asin(s) : kPi - std::asin(s);
    }
    const double pitch = -std::asin(std::sqrt(n.x * n.x + n.y * n.y) / std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z));
    plane.slope = std::fabs(pitch);
    plane.azimuth = pitch < 0 ? theta + kPi : theta;
    plane.flipped = pitch < 0 ? 1 : 0;
    for (const Coord3& p : points) {
        const double dx = p.x - plane.origin.x, dy = p.y - plane.origin.y;
        const Coord2 uv{dx * std::cos(-theta) - dy * std::sin(-theta),
                        (dx * std::sin(-theta) + dy * std::cos(-theta)) / std::cos(pitch)};
        HostArrayAppend(plane.vertices, p);
        HostArrayAppend(plane.planeCoords, uv);
        HostArrayAppend(plane.edgeStatus, int16_t(0));
        HostArrayAppend(plane.edgeKind, int16_t(0));
        HostArrayAppend(plane.ridgeGuids, API_Guid{});
    }
    HostArrayAppend(gState.roofPlanes.planes, plane);
    return gState.roofPlanes.planes.count - 1;
}

inline RoofPlane& Plane(uint32_t r) { return gState.roofPlanes.planes[r]; }

// The vertices of a plane as a vector.
inline std::vector<Coord3> VerticesOf(uint32_t r) {
    std::vector<Coord3> out;
    for (uint32_t i = 0; i < Plane(r).vertexCount; ++i) out.push_back(Plane(r).vertices[i]);
    return out;
}

// Index of the edge of plane r that runs between points a and b (either way); -1 when none.
inline int EdgeBetween(uint32_t r, const Coord3& a, const Coord3& b) {
    auto same = [](const Coord3& p, const Coord3& q) {
        return std::fabs(p.x - q.x) < 1e-6 && std::fabs(p.y - q.y) < 1e-6 && std::fabs(p.z - q.z) < 1e-6;
    };
    const RoofPlane& plane = Plane(r);
    for (uint32_t i = 0; i + 1 < plane.vertexCount; ++i) {
        const Coord3& p = plane.vertices[i];
        const Coord3& q = plane.vertices[i + 1];
        if ((same(p, a) && same(q, b)) || (same(p, b) && same(q, a))) return int(i);
    }
    return -1;
}

// Status of the edge between a and b of plane r (-1000 when there is no such edge).
inline int StatusOf(uint32_t r, const Coord3& a, const Coord3& b) {
    const int e = EdgeBetween(r, a, b);
    return e < 0 ? -1000 : Plane(r).edgeStatus[uint32_t(e)];
}
inline int KindOf(uint32_t r, const Coord3& a, const Coord3& b) {
    const int e = EdgeBetween(r, a, b);
    return e < 0 ? -1000 : Plane(r).edgeKind[uint32_t(e)];
}

// Empties the roof model.
inline void ResetModel() {
    FreeRoofPlanes();
    gState.roofPlanes = RoofPlaneTable{};
}

}  // namespace topotest
