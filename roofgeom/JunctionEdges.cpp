// Purpose: what the wall and fill junction steps share: which edges take part, the walk over all
// roof-plane edges, and the cutting of an edge at a new point.
#include "roofgeom/JunctionEdges.h"

#include <cmath>
#include <vector>

#include "Common_src/Messages.h"
#include "roofgeom/EdgeIndex.h"
#include "roofgeom/JunctionStatus.h"

namespace {

constexpr double kShortestPlanEdge = 1e-9;    // a plan length below this has no interpolation

// Index of the vertex where edge i of a plane ends.
uint32_t EdgeEndIndex(const RoofPlane& plane, uint32_t i) { return (i + 1) % plane.vertexCount; }

// Opens vertex slot i + 1 of plane a and fills it with a point of edge i: position `x3`, plane
// coordinates at fraction t of the edge, and the status, kind and ridge of edge i.
bool InsertEdgeVertex(RoofPlaneTable& table, uint32_t a, uint32_t i, const Coord3& x3, double t) {
    RoofPlane& before = table.planes[a];
    const Coord2 cP = before.planeCoords[i];
    const Coord2 cQ = before.planeCoords[EdgeEndIndex(before, i)];
    if (!InsertVertexSlot(table, a, i + 1)) return false;  // without memory: reported by the growth
    RoofPlane& plane = table.planes[a];
    plane.vertices[i + 1] = x3;
    plane.planeCoords[i + 1] = Coord2{cP.x + (cQ.x - cP.x) * t, cP.y + (cQ.y - cP.y) * t};
    plane.edgeStatus[i + 1] = plane.edgeStatus[i];
    plane.edgeKind[i + 1] = plane.edgeKind[i];
    plane.ridgeGuids[i + 1] = plane.ridgeGuids[i];
    return true;
}

// Cuts edge i at plan point x unless x already is one of the edge's two ends.
bool CutUnlessAtEdgeEnd(RoofPlaneTable& table, uint32_t a, uint32_t i, const Coord2& x) {
    if (SamePlanPoint(x, EdgeStartInPlan(table, a, i)) || SamePlanPoint(x, EdgeEndInPlan(table, a, i))) return true;
    return CutEdgeAtPlanPoint(table, a, i, x);
}

}  // namespace

bool TakesPartInJunctions(int16_t status) {
    switch (status) {
        case 11: case 12:            // eave, top edge of a single-slope roof
        case 21: case 22:            // verge, other free sloped edge
        case 51: case 52: case 53:  // free hole edges: lower, upper, sloped
            return true;
        default:
            return false;
    }
}

bool WalkJunctionEdges(RoofPlaneTable& table, bool (*step)(RoofPlaneTable& table, uint32_t plane, uint32_t edge)) {
    for (uint32_t a = 0; a < table.planes.count; ++a) {
        // The count is read again at every step: a step may cut the edge and add vertices.
        for (uint32_t i = 0; i < table.planes[a].vertexCount; ++i) {
            if (!TakesPartInJunctions(table.planes[a].edgeStatus[i])) continue;
            if (!step(table, a, i)) return false;
        }
    }
    return true;
}

Coord2 EdgeStartInPlan(RoofPlaneTable& table, uint32_t a, uint32_t i) { return PlanOf(table.planes[a].vertices[i]); }

Coord2 EdgeEndInPlan(RoofPlaneTable& table, uint32_t a, uint32_t i) {
    const RoofPlane& plane = table.planes[a];
    return PlanOf(plane.vertices[EdgeEndIndex(plane, i)]);
}

bool CutEdgeAtPlanPoint(RoofPlaneTable& table, uint32_t a, uint32_t i, const Coord2& x) {
    const RoofPlane& plane = table.planes[a];
    const Coord3 p = plane.vertices[i];
    const Coord3 q = plane.vertices[EdgeEndIndex(plane, i)];
    // The height and plane coordinates follow the edge in proportion to the plan distance.
    const double planLength = Distance2(PlanOf(p), PlanOf(q));
    const double t = planLength < kShortestPlanEdge ? 0.0 : Distance2(PlanOf(p), x) / planLength;
    return InsertEdgeVertex(table, a, i, Coord3{x.x, x.y, p.z + (q.z - p.z) * t}, t);
}

bool CutEdgeAtHeight(RoofPlaneTable& table, uint32_t a, uint32_t i, double z) {
    const RoofPlane& plane = table.planes[a];
    const Coord3 p = plane.vertices[i];
    const Coord3 q = plane.vertices[EdgeEndIndex(plane, i)];
    const double t = (z - p.z) / (q.z - p.z);
    return InsertEdgeVertex(table, a, i, Coord3{p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t, z}, t);
}

bool EdgeLiesOnSegment(const WallSegment& s, const Coord2& p, const Coord2& q) {
    const int relation = SegmentRelation(SegmentStart(s), SegmentEnd(s), p, q);
    return relation >= 1 && relation <= 4;
}

bool SplitEdgeAtSegments(RoofPlaneTable& table, uint32_t a, uint32_t i, const HostArray<WallSegment>& segments, bool heightFilter,
                         bool markEdgeOnSegment) {
    // Segments far from the edge bear no relation to it (nor to a piece cut from it): with the
    // segment grid, only those near the edge are tested, in list order.
    std::vector<uint32_t> near;
    const RoofPlane& edgePlane = table.planes[a];
    const Coord3 edgeP = edgePlane.vertices[i];
    const Coord3 edgeQ = edgePlane.vertices[EdgeEndIndex(edgePlane, i)];
    const bool indexed =
        SegmentsNear(segments, SegmentPlanBox(edgeP, edgeQ), NeighbourSearchMargin(Distance3(edgeP, edgeQ)), near);
    const uint32_t candidates = indexed ? uint32_t(near.size()) : segments.count;
    for (uint32_t c = 0; c < candidates; ++c) {
        const uint32_t k = indexed ? near[c] : c;
        const WallSegment& s = segments[k];
        const RoofPlane& plane = table.planes[a];
        const Coord3 p = plane.vertices[i];
        const Coord3 q = plane.vertices[EdgeEndIndex(plane, i)];
        if (heightFilter) {
            const bool wallAboveEdge = s.bottom > p.z && s.bottom > q.z;  // its foot above both ends
            const bool wallBelowEdge = s.top < p.z && s.top < q.z;        // its top below both ends
            if (wallAboveEdge || wallBelowEdge) continue;
        }
        const Coord2 segA = SegmentStart(s);
        const Coord2 segB = SegmentEnd(s);
        bool ok = true;
        switch (SegmentRelation(segA, segB, PlanOf(p), PlanOf(q))) {
            case 5:  // P .. A .. B .. Q: B is farther along the edge, so it goes in first
                ok = CutUnlessAtEdgeEnd(table, a, i, segB) && CutUnlessAtEdgeEnd(table, a, i, segA);
                break;
            case 6:  // P .. B .. A .. Q
                ok = CutUnlessAtEdgeEnd(table, a, i, segA) && CutUnlessAtEdgeEnd(table, a, i, segB);
                break;
            case 7:
            case 9:  // only the segment's end B lies inside the edge
                ok = CutUnlessAtEdgeEnd(table, a, i, segB);
                break;
            case 8:
            case 10:  // only the segment's start A lies inside the edge
                ok = CutUnlessAtEdgeEnd(table, a, i, segA);
                break;
            case 1: case 2: case 3: case 4: {  // the whole edge lies on the segment
                if (markEdgeOnSegment) {
                    int16_t& status = table.planes[a].edgeStatus[i];
                    status = HorizontalJunctionStatusOf(status);
                }
                break;
            }
            default:
                break;
        }
        if (!ok) return false;
    }
    return true;
}
