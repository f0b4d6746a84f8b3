// Purpose: the topology engine's driver: roof model in, validated and classified edges out.
#include "polytopo/RunTopology.h"

#include <cmath>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/Messages.h"
#include "polytopo/EdgeCodes.h"
#include "polytopo/EdgeFlagging.h"
#include "polytopo/ValidatePolygons.h"
#include "roofgeom/EdgeIndex.h"
#include "roofgeom/InsertPlanePoints.h"

namespace {

constexpr double kContourCloseTol = 0.001;   // a vertex repeating its contour's first vertex, per coordinate
constexpr double kZeroLevelLineTol = 0.001;  // a levelLine this short in x and y has no direction
constexpr double kNearFlatFold = 10.0 * kPi / 180.0;  // a fold within 10 degrees of flat
constexpr double kUpNormalZGuard = 0.001;    // keeps the horizontal-edge fold test off a zero divisor

constexpr uint32_t kLogInitialBytes = 4096;

HostArray<char> gKeptLog;
uint32_t gKeptErrorCount = 0;

// Sign of a number: -1, 0 or +1.
int SignOf(double v) { return (v > 0) - (v < 0); }

// A fold lies within 10 degrees of flat: a convex fold (above pi) by its excess over pi, a concave
// one (below pi, where the fold angle is the angle between the normals) by the angle itself.
bool NearFlatFold(double foldAngle) {
    if (foldAngle >= kPi) return foldAngle - kPi < kNearFlatFold;
    return foldAngle < kNearFlatFold;
}

// The two planes of a shared horizontal edge slope the same way (a slope break), tested on the
// horizontal part of the difference of their upward normals.
bool SlopeTheSameWay(const Coord3& n, const Coord3& m) {
    const double t = -n.z / (m.z + kUpNormalZGuard);
    const double wx = n.x + t * m.x;
    const double wy = n.y + t * m.y;
    return SignOf(wx * m.x + wy * m.y) == SignOf(wx * n.x + wy * n.y);
}

// Edge status and kind of edge k of polygon p from the flags the engine computed; the kind keeps
// its earlier value where no rule names one.
void DeriveEdgeCodes(PolygonSet& set, uint32_t p, uint32_t k, int16_t& status, int16_t& kind) {
    const TopoVertex& e = PolygonVertices(set, p)[k];
    // Level or almost level edges are eaves, tops, ridges and breaks; every other class (fall line,
    // the unused class, sloped) makes verges, hips, valleys and sloped hole edges.
    const bool horizontal = e.slopeClass == kSlopeHorizontal || e.slopeClass == kSlopeAlmostHorizontal;
    const bool slopedOrFallLine = e.slopeClass == kSlopeFallLine || e.slopeClass == kSlopeUnused || e.slopeClass == kSlopeSloped;
    status = kStatusUnclassified;
    if (e.linkState == kLinkNotExamined) status = e.contourEnd == 1 ? kStatusNoEdge : kStatusUnclassified;
    if (e.linkState == kLinkFree) {
        if (horizontal && e.sideCode == kSideLower) status = kStatusEave, kind = kKindFreeLower;
        if (horizontal && e.sideCode == kSideUpper) status = kStatusShedTop, kind = kKindFreeUpper;
        if (e.slopeClass == kSlopeFallLine || e.slopeClass == kSlopeUnused) status = kStatusVerge, kind = kKindFreeFallLine;
        if (e.slopeClass == kSlopeSloped) status = kStatusFreeSloped, kind = kKindFreeSloped;
    }
    if (e.linkState == kLinkShared && horizontal) {
        if (e.foldFlag == kFoldConvex) status = kStatusRidge, kind = kKindSharedConvexHorizontal;
        if (e.neigPolyIndex < set.polygonCount) {
            const Coord3& n = set.polygons[p].upNormal;
            const Coord3& m = set.polygons[e.neigPolyIndex].upNormal;
            if (SlopeTheSameWay(n, m)) status = kStatusSlopeBreak, kind = kKindSharedBreakHorizontal;
            // Both planes face the same way and the fold is within 10 degrees of flat.
            const bool facingSameWay = n.x * m.x + n.y * m.y > 0;
            const bool foldedSlightly =
                (e.foldFlag == kFoldConcave || e.foldFlag == kFoldConvex) && NearFlatFold(e.foldAngle);
            if (facingSameWay && foldedSlightly) status = kStatusNearFlatHorizontal, kind = kKindSharedBreakHorizontal;
        }
    }
    if (e.linkState == kLinkShared && slopedOrFallLine) {
        if (e.foldFlag == kFoldConvex) status = kStatusHip, kind = kKindSharedConvexSloped;
        if (e.foldFlag == kFoldConcave) status = kStatusValley, kind = kKindSharedConcaveSloped;
        if (NearFlatFold(e.foldAngle)) status = kStatusNearFlatSloped, kind = kKindSharedNearFlatSloped;
    }
    if (e.inHole == 1 && (e.linkState == kLinkFree || e.linkState == kLinkShared)) {
        const bool shared = e.linkState == kLinkShared;
        if (horizontal && e.sideCode == kSideLower) {
            status = shared ? kStatusHoleSharedLower : kStatusHoleLower;
            kind = kKindHoleLower;
        }
        if (horizontal && e.sideCode == kSideUpper) {
            status = shared ? kStatusHoleSharedUpper : kStatusHoleUpper;
            kind = kKindHoleUpper;
        }
        if (slopedOrFallLine) {
            status = shared ? kStatusHoleSharedSloped : kStatusHoleSloped;
            kind = kKindHoleSloped;
        }
    }
}

// Plane coordinates of a point: x along the plane's levelLine, y up the slope in true length.
Coord2 PlaneCoordsOf(const RoofPlane& plane, const Coord3& point) {
    const Coord2 a = plane.levelLine[0];
    const Coord2 b = plane.levelLine[1];
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t = 0;
    if (!(std::fabs(dx) <= kZeroLevelLineTol && std::fabs(dy) <= kZeroLevelLineTol)) {
        const double length = std::sqrt(dx * dx + dy * dy);
        t = dx >= 0 ? std::asin(dy / length) : kPi - std::asin(dy / length);
    }
    const double ux = point.x - a.x;
    const double uy = point.y - a.y;
    return Coord2{std::cos(-t) * ux - std::sin(-t) * uy, (std::sin(-t) * ux + std::cos(-t) * uy) / std::cos(plane.slope)};
}

// Copies polygon i of the set from the plane: points, plane coordinates and contour-closing marks.
bool FillPolygon(PolygonSet& set, uint32_t i, const RoofPlane& plane) {
    TopoPolygon& polygon = set.polygons[i];
    polygon.groupId = 1;
    polygon.vertexCount = plane.vertexCount;
    const uint32_t records = plane.vertexCount == 0 ? 1 : plane.vertexCount;
    polygon.vertices = nullptr;
    if (!HostHandleGrow(polygon.vertices, uint64_t(records) * sizeof(TopoVertex))) {
        polygon.vertexCount = 0;
        return false;
    }
    TopoVertex* v = PolygonVertices(set, i);
    uint32_t first = 0;
    for (uint32_t j = 0; j < plane.vertexCount; ++j) {
        v[j] = TopoVertex{};
        v[j].point = plane.vertices[j];
        v[j].planeXY = Coord3{plane.planeCoords[j].x, plane.planeCoords[j].y, 0};
        const Coord3& f = plane.vertices[first];
        const Coord3& p = plane.vertices[j];
        // Back at the contour's first vertex (each coordinate within kContourCloseTol), and not that vertex itself.
        const bool closes = j != first && std::fabs(p.x - f.x) <= kContourCloseTol &&
                            std::fabs(p.y - f.y) <= kContourCloseTol && std::fabs(p.z - f.z) <= kContourCloseTol;
        if (closes) {
            v[j].contourEnd = 1;
            first = j + 1;
        }
    }
    return true;
}

// Makes sure a per-vertex array holds at least `wanted` entries.
template <typename T>
bool EnsureEntries(HostArray<T>& a, uint32_t wanted) {
    if (!HostArrayReserve(a, wanted)) return false;
    if (a.count < wanted) a.count = wanted;
    return true;
}

// Writes polygon i back into its plane: vertices, plane coordinates, contour count, codes.
bool WriteBack(PolygonSet& set, uint32_t i, RoofPlane& plane) {
    const TopoPolygon& polygon = set.polygons[i];
    const uint32_t n = polygon.vertexCount;
    // Room for one entry more than the vertices; ridgeGuids grows with the others so that every
    // per-vertex array keeps at least vertexCount entries after node insertion.
    if (!EnsureEntries(plane.vertices, n + 1) || !EnsureEntries(plane.planeCoords, n + 1) ||
        !EnsureEntries(plane.edgeStatus, n + 1) || !EnsureEntries(plane.edgeKind, n + 1) ||
        !EnsureEntries(plane.ridgeGuids, n + 1)) {
        return false;
    }
    plane.vertexCount = n;
    plane.contourCount = polygon.subpolynum;
    const TopoVertex* v = PolygonVertices(set, i);
    for (uint32_t k = 0; k < n; ++k) {
        plane.vertices[k] = v[k].point;
        plane.planeCoords[k] = PlaneCoordsOf(plane, v[k].point);
        int16_t status = 0;
        int16_t kind = plane.edgeKind[k];
        DeriveEdgeCodes(set, i, k, status, kind);
        plane.edgeStatus[k] = status;
        plane.edgeKind[k] = kind;
    }
    return true;
}

// Ends a run: the set's log is kept for diagnostics, everything else released. A failed run's
// log also goes to the debug output, as the run's tables (and the kept log with them) are
// released by the caller's clean-up.
bool FinishRun(PolygonSet& set, bool result) {
    if (!result && set.log.handle != nullptr && set.log.count > 0) DBPrintf("%s", set.log.data());
    HostArrayFree(gKeptLog);
    gKeptLog = set.log;
    set.log = HostArray<char>{};
    gKeptErrorCount = set.errorCount;
    FreePolygonSet(set);
    return result;
}

}  // namespace

bool RunTopology(RoofPlaneTable& table) {
    HostArrayFree(gKeptLog);
    gKeptErrorCount = 0;

    uint32_t runCount = 0;
    BuildRoofPlaneGrid(table);
    for (uint32_t r = 0; r < table.planes.count; ++r) {
        if (table.planes[r].inRun != 1) continue;
        ++runCount;
        if (!InsertPlanePoints(table, r)) {  // without memory: reported by the growth
            DropRoofPlaneGrid();
            return false;
        }
    }
    DropRoofPlaneGrid();

    // One polygon per plane of this run (planes left from an unfinished earlier run stay out).
    PolygonSet set;
    set.polygonCount = runCount;
    // The log gets its room first, so that a later "Memory full error!" still has a place.
    if (!HostArrayReserve(set.log, kLogInitialBytes)) return FinishRun(set, false);
    if (runCount > 0) {
        if (!HostArrayReserve(set.polygons, runCount)) return FinishRun(set, false);
        set.polygons.count = runCount;
    }
    ScopedHostArray<uint32_t> planeOf;  // plane index of every polygon
    if (runCount > 0 && !HostArrayReserve(*planeOf, runCount)) return FinishRun(set, false);
    for (uint32_t r = 0, i = 0; r < table.planes.count; ++r) {
        if (table.planes[r].inRun != 1) continue;
        planeOf[i] = r;
        if (!FillPolygon(set, i, table.planes[r])) return FinishRun(set, false);
        ++i;
    }

    if (!ValidatePolygons(set) || !FlagEdges(set)) {
        // The engine found the planes unusable or ran out of memory within: its own message,
        // unless it already said why.
        if (!set.failureReported) ReportMessage(GetMessage(kMsgEngineFailed));
        return FinishRun(set, false);
    }

    for (uint32_t i = 0; i < set.polygonCount; ++i) {
        if (!WriteBack(set, i, table.planes[planeOf[i]])) {  // without memory: reported by the growth
            return FinishRun(set, false);
        }
        BMKillHandle(&set.polygons[i].vertices);
        set.polygons[i].vertices = nullptr;
    }
    return FinishRun(set, true);
}

const char* TopologyLog() { return gKeptLog.handle == nullptr ? "" : gKeptLog.data(); }

uint32_t TopologyErrorCount() { return gKeptErrorCount; }

void FreeTopologyLog() {
    HostArrayFree(gKeptLog);
    gKeptErrorCount = 0;
}

void ForgetTopologyLog() {
    gKeptLog = HostArray<char>{};
    gKeptErrorCount = 0;
}

bool TopologyLogReleased() { return gKeptLog.handle == nullptr && gKeptLog.count == 0 && gKeptErrorCount == 0; }
