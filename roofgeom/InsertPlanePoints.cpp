// Purpose: T-junction points of neighbouring roof planes inserted into a plane, and plane grouping.
#include "roofgeom/InsertPlanePoints.h"

#include <cmath>

#include <vector>

#include "Common_src/AddOnState.h"
#include "roofgeom/EdgeIndex.h"
#include "roofgeom/RoofModel.h"

namespace {

constexpr double kZeroDirectionLength = 0.001;  // a difference this short has no direction
constexpr double kDirectionEqualTol = 0.01;     // two unit directions agree, per component, strict

// Unit direction from a to b; (0, 0, 0) when the two are at most kZeroDirectionLength apart.
Coord3 Direction(const Coord3& a, const Coord3& b) {
    const Coord3 d = Sub3(b, a);
    const double length = Length3(d);
    if (length <= kZeroDirectionLength) return Coord3{};
    return Scale3(d, 1.0 / length);
}

// Two directions are the same: every component of their difference is below kDirectionEqualTol.
bool SameDirection(const Coord3& a, const Coord3& b) {
    return std::fabs(a.x - b.x) < kDirectionEqualTol && std::fabs(a.y - b.y) < kDirectionEqualTol &&
           std::fabs(a.z - b.z) < kDirectionEqualTol;
}

// Two directions are opposite: every component of their sum is below kDirectionEqualTol.
bool OppositeDirection(const Coord3& a, const Coord3& b) {
    return std::fabs(a.x + b.x) < kDirectionEqualTol && std::fabs(a.y + b.y) < kDirectionEqualTol &&
           std::fabs(a.z + b.z) < kDirectionEqualTol;
}

// The two directions lie on one line (same or opposite).
bool AlongLine(const Coord3& a, const Coord3& b) { return SameDirection(a, b) || OppositeDirection(a, b); }

// Point x lies strictly between the ends of the edge: seen from the two ends it lies opposite ways.
bool StrictlyInside(const Coord3& p, const Coord3& q, const Coord3& x) {
    const Coord3 fromP = Direction(p, x);
    const Coord3 fromQ = Direction(q, x);
    return OppositeDirection(fromQ, fromP) && !SameDirection(fromQ, fromP);
}

// Plane j joins plane a's group: an ungrouped plane takes it, another group merges into plane j's.
void JoinGroups(RoofPlaneTable& table, uint32_t a, uint32_t j) {
    const uint32_t g = table.planes[a].group;
    const uint32_t h = table.planes[j].group;
    if (h == 0) {
        table.planes[j].group = g;
    } else if (h != g) {
        for (uint32_t r = 0; r < table.planes.count; ++r) {
            if (table.planes[r].group == g) table.planes[r].group = h;
        }
    }
}

// Writes point x into the new slot after vertex i of plane a, between P (vertex i) and Q.
bool InsertPointAfter(RoofPlaneTable& table, uint32_t a, uint32_t i, const Coord3& x) {
    if (!InsertVertexSlot(table, a, i + 1)) return false;
    RoofPlane& plane = table.planes[a];
    const Coord3 p = plane.vertices[i];
    const Coord3 q = plane.vertices[i + 2];
    const Coord2 cp = plane.planeCoords[i];
    const Coord2 cq = plane.planeCoords[i + 2];
    const double edgeLength = Distance3(p, q);
    const double f = edgeLength > 0 ? Distance3(p, x) / edgeLength : 0.0;
    plane.vertices[i + 1] = x;
    plane.planeCoords[i + 1] = Coord2{cp.x + (cq.x - cp.x) * f, cp.y + (cq.y - cp.y) * f};
    plane.edgeStatus[i + 1] = plane.edgeStatus[i];
    plane.edgeKind[i + 1] = plane.edgeKind[i];
    return true;
}

enum class ScanResult { NoInsertion, Inserted, OutOfMemory };

// Compares edge i (P->Q) of plane a with every edge of every other plane; inserts the first point
// found strictly inside it and stops there, joining groups of planes found sharing on the way.
ScanResult ScanEdge(RoofPlaneTable& table, uint32_t a, uint32_t i) {
    const Coord3 p = table.planes[a].vertices[i];
    const Coord3 q = table.planes[a].vertices[i + 1];
    const Coord3 dA = Direction(p, q);
    // The planes to compare, in table order: all of them, or those the grid finds near the edge
    // (planes far from it can neither share it nor give it a point).
    std::vector<uint32_t> near;
    const bool indexed = RoofPlanesNear(SegmentPlanBox(p, q), NeighbourSearchMargin(Distance3(p, q)), near);
    const uint32_t candidates = indexed ? uint32_t(near.size()) : table.planes.count;
    for (uint32_t c = 0; c < candidates; ++c) {
        const uint32_t j = indexed ? near[c] : c;
        if (j == a) continue;
        bool sharing = false;
        const RoofPlane& other = table.planes[j];
        for (uint32_t k = 0; k + 1 < other.vertexCount; ++k) {
            const Coord3 r0 = other.vertices[k];
            const Coord3 r1 = other.vertices[k + 1];
            // The same edge, in either direction.
            if ((PointsCoincide3D(p, r0) && PointsCoincide3D(q, r1)) || (PointsCoincide3D(p, r1) && PointsCoincide3D(q, r0))) {
                sharing = true;
                continue;
            }
            const Coord3 dB = Direction(r0, r1);
            if (!AlongLine(dB, dA)) continue;
            // Orient the other edge like edge i: S first, E farther along P->Q.
            const bool reversed = OppositeDirection(dB, dA) && !SameDirection(dB, dA);
            const Coord3 s = reversed ? r1 : r0;
            const Coord3 e = reversed ? r0 : r1;
            // The other edge lies on edge i's line: seen from P its far end, or seen from Q its
            // near end, lies along the line.
            const bool onLine = AlongLine(Direction(p, e), dA) || AlongLine(Direction(q, s), dA);
            if (!onLine) continue;
            const bool insertE = StrictlyInside(p, q, e);
            const bool insertS = !insertE && StrictlyInside(p, q, s);
            if (insertE || insertS) {
                if (!InsertPointAfter(table, a, i, insertE ? e : s)) return ScanResult::OutOfMemory;
                if (sharing) JoinGroups(table, a, j);
                return ScanResult::Inserted;
            }
            if (SegmentRelation(p, q, s, e) != 0) sharing = true;
        }
        if (sharing) JoinGroups(table, a, j);
    }
    return ScanResult::NoInsertion;
}

}  // namespace

bool InsertPlanePoints(RoofPlaneTable& table, uint32_t a) {
    if (a >= table.planes.count) return true;
    if (table.planes[a].group == 0) table.planes[a].group = ++table.nextGroupId;
    if (table.planes[a].vertexCount <= 1) return true;

    bool contourStarts = true;  // the next edge examined is the first of a contour
    bool reexamine = false;     // the edge is looked at again after an insertion on it
    Coord3 contourStart;
    uint32_t i = 0;
    while (i + 1 < table.planes[a].vertexCount) {
        const Coord3 p = table.planes[a].vertices[i];
        if (!reexamine) {
            if (contourStarts) {
                contourStart = p;
                contourStarts = false;
            } else if (PointsCoincide3D(p, contourStart)) {
                // The closing vertex: the edge from it jumps to the next contour and is no edge.
                contourStarts = true;
                ++i;
                continue;
            }
        }
        const ScanResult result = ScanEdge(table, a, i);
        if (result == ScanResult::OutOfMemory) return false;
        reexamine = result == ScanResult::Inserted;
        if (!reexamine) ++i;
    }
    return true;
}
