// Purpose: test support for the roof geometry and topology tests: the stand-in host read as a test
// needs it (live handles, report lines, marker hotspots), and a builder that turns 3D rings into
// RoofPlane records the way the extraction fills them.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostCalls.h"
#include "common/AddOnFixture.h"
#include "host/Host.h"
#include "host/MemoryHandles.h"
#include "import/Geometry.h"
#include "roofgeom/RoofModel.h"

namespace topotest {

struct Hotspot {
    double x, y, z;
    int16_t pen;
};

// Starts a test on the stand-in host (its memory handles with their fault hook, its report
// window and its element database) with nothing in its project.
inline void InstallTestHost() { tevaro_test::InstallHostOnly(); }

// Memory handles the host has given out and not yet had back.
inline size_t LiveHandles() { return host::LiveHandleCount(); }

// True when some line of the report window equals text.
inline bool Reported(const std::string& text) {
    for (const host::ReportLine& line : host::gSession.reportLines)
        if (line.text == text) return true;
    return false;
}

// The last line of the report window, and whether it came with a dialog.
inline const host::ReportLine& LastReport() {
    static const host::ReportLine kNone{};
    return host::gSession.reportLines.empty() ? kNone : host::gSession.reportLines.back();
}

// The report lines that came with a dialog, in order.
inline std::vector<std::string> ReportsWithDialog() {
    std::vector<std::string> out;
    for (const host::ReportLine& line : host::gSession.reportLines)
        if (line.withDialog) out.push_back(line.text);
    return out;
}

// The hotspots the add-on placed as markers, with their pens.
inline std::vector<Hotspot> Hotspots() {
    std::vector<Hotspot> out;
    for (const host::Element& e : host::gSession.model.elements) {
        if (e.rec.header.typeID != API_HotspotID) continue;
        const API_Coord3D& p = e.rec.hotspot.pos;
        out.push_back(Hotspot{p.x, p.y, p.z, e.rec.hotspot.pen});
    }
    return out;
}

using Ring = std::vector<Coord3>;

// Upward unit normal of a ring, as the host's top polygon gives it (the import's area normal).
inline Coord3 UpwardNormal(const Ring& ring) {
    import::Ring points;
    for (const Coord3& p : ring) points.push_back(import::Vec3{p.x, p.y, p.z});
    const import::Vec3 n = import::RingNormal(points);
    const double up = n.z < 0 ? -1.0 : 1.0;
    const double l = import::Length(n) * up;
    return Coord3{n.x / l, n.y / l, n.z / l};
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
