// Purpose: edge flagging: neighbour search, slope and side classes, and the fold at shared edges.
#include "polytopo/EdgeFlagging.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "polytopo/PolygonGrid.h"

namespace {

constexpr double kHorizontalEdgeDz = 0.01;        // rise (m) below which an edge is horizontal
constexpr double kAlmostHorizontalGrade = 0.025;  // rise per length still counted almost horizontal
constexpr double kAlmostHorizontalTol = 0.01;     // ... with this much to spare (m)
constexpr double kShortEdgeLength = 0.01;         // CheckFallLine: a shorter edge has no direction
constexpr double kUpwardSideTol = 0.01;           // ClassifySide: z share of n x d meaning "upward"
constexpr double kAlmostFlatDeg = 2;              // a fold this near flat (degrees) is almost flat
constexpr double kAlmostFlatTol = kAlmostFlatDeg * kPi / kHalfTurnDeg;

// Distance d of a fold from a reference is within the almost-flat window: below kAlmostFlatTol
// by more than kAngleEqualTolRad, or equal to it within kAngleEqualTolRad.
bool WithinAlmostFlat(double d) { return d - kAlmostFlatTol < -kAngleEqualTolRad || std::fabs(d - kAlmostFlatTol) < kAngleEqualTolRad; }

// Records the neighbour edge v of polygon q as the match of edge k of polygon p.
void LinkNeighbour(PolygonSet& set, TopoVertex& edge, uint32_t q, uint32_t v) {
    if (edge.linkState != kLinkShared) {
        edge.linkState = kLinkShared;
        edge.neigGroupId = set.polygons[q].groupId;
        edge.neigPolyIndex = q;
        edge.neigEdgeIndex = v;
        const TopoVertex* nv = PolygonVertices(set, q);
        edge.linkBits |= (nv != nullptr && (nv[v].linkBits & 1u) != 0) ? 2u : 1u;
    } else {
        edge.linkState = kLinkMultiple;
        edge.neigGroupId = 0;
        edge.neigPolyIndex = kNoIndex;
        edge.neigEdgeIndex = kNoIndex;
    }
}

}  // namespace

uint32_t FoldFlagOf(double d) {
    const double fromStraight = std::fabs(d - kPi);
    const double fromZero = std::fabs(d);
    if (fromStraight < kAngleEqualTolRad || fromZero < kAngleEqualTolRad) return kFoldFlat;
    if (WithinAlmostFlat(fromStraight) || WithinAlmostFlat(fromZero)) return kFoldAlmostFlat;
    if (d - kPi < -kAngleEqualTolRad) return kFoldConcave;
    if (d - kPi > kAngleEqualTolRad) return kFoldConvex;
    return kFoldUnset;
}

void ClassifySide(PolygonSet& set, uint32_t p, uint32_t k) {
    TopoVertex* v = PolygonVertices(set, p);
    TopoVertex& edge = v[k];
    edge.sideCode = 0;
    Coord3 d = Sub3(v[k].point, v[k + 1].point);
    NormalizeVec(d);
    Coord3 n = set.polygons[p].upNormal;
    NormalizeVec(n);
    const Coord3 x = Cross3(n, d);
    const double length = Length3(x);
    // n x d points upward: the plane lies below the edge (walking the contour), so it is the
    // contour's upper edge; holes run the other way round.
    const bool upward = length >= kShortVectorLength && x.z / length > kUpwardSideTol;
    if (upward) {
        edge.sideCode = edge.inHole ? kSideLower : kSideUpper;
    } else {
        edge.sideCode = edge.inHole ? kSideUpper : kSideLower;
    }
}

void CheckFallLine(PolygonSet& set, uint32_t p, uint32_t k) {
    TopoVertex* v = PolygonVertices(set, p);
    const Coord3 delta = Sub3(v[k + 1].point, v[k].point);
    const double length = Length3(delta);
    Coord3 d;
    if (length >= kShortEdgeLength) d = Coord3{delta.x / length, delta.y / length, 0};
    const Coord3& up = set.polygons[p].upNormal;
    const Coord3 m{up.x, up.y, 0};
    const double a = VectorAngle(d, m);
    // The edge runs down the slope or up it (or has no direction, or the plane has no slope).
    if (a < kAngleEqualTolRad || std::fabs(a - kPi) < kAngleEqualTolRad) v[k].slopeClass = kSlopeFallLine;
}

namespace {

// The last pair the search of edge k of polygon p tests when it compares every polygon: its
// polygon and edge; false when it tests none.
bool LastPairOfSearch(PolygonSet& set, uint32_t p, uint32_t k, uint32_t& q, uint32_t& v) {
    for (uint32_t t = set.polygonCount; t-- > 0;) {
        const uint32_t count = set.polygons[t].vertexCount;
        const TopoVertex* target = PolygonVertices(set, t);
        if (count <= 1 || target == nullptr) continue;
        // Its own polygon is searched only up to the edge before the one adjacent to edge k.
        uint32_t last = count - 2;
        if (t == p) {
            if (k < 2) continue;
            last = std::min(last, k - 2);
        }
        for (uint32_t e = last + 1; e-- > 0;) {
            if (target[e].contourEnd == 1) continue;
            q = t;
            v = e;
            return true;
        }
    }
    return false;
}

}  // namespace

bool FindNeighbourEdge(PolygonSet& set, const Coord3& a0, const Coord3& a1, uint32_t p, uint32_t k, InsPoint& r) {
    {
        TopoVertex& edge = PolygonVertices(set, p)[k];
        edge.slopeClass = kSlopeSloped;
        // Level within a centimetre; or rising less than 2.5 % of its length plus a centimetre.
        const double dz = std::fabs(a0.z - a1.z);
        if (dz < kHorizontalEdgeDz) {
            edge.slopeClass = kSlopeHorizontal;
        } else if (dz - kAlmostHorizontalGrade * Distance3(a0, a1) < kAlmostHorizontalTol) {
            edge.slopeClass = kSlopeAlmostHorizontal;
        }
        if (edge.slopeClass == kSlopeHorizontal || edge.slopeClass == kSlopeAlmostHorizontal) ClassifySide(set, p, k);
        CheckFallLine(set, p, k);
    }

    const Segment3 a{a0, a1};
    bool verdict = true;
    bool matched = false;
    // Tests edge v of polygon q against the edge; true when the search ends there (return false).
    auto testPair = [&](uint32_t q, uint32_t v) {
        const TopoVertex* target = PolygonVertices(set, q);
        r = InsPoint{};
        r.srcPolygon = p;
        r.targetPolygon = q;
        const Segment3 b{target[v].point, target[v + 1].point};
        Coord3 crossing;
        if (SegmentCrossing(a, b, crossing)) {
            r.code = kInsCrossing;
            PlaceMarker(crossing, kCrossingMarkerPen);
            verdict = false;
        } else {
            SegmentOverlap(a, b, r);
            verdict = true;
        }
        TopoVertex& edge = PolygonVertices(set, p)[k];
        if (edge.linkState == kLinkMultiple) {
            r.code = kInsMultiple;
            return true;
        }
        if (r.code == kInsInside || r.code == kInsOneEnd || r.code == kInsCrossing) return true;
        if (r.code == kInsSameReversed || r.code == kInsSameForward) {
            LinkNeighbour(set, edge, q, v);
            matched = true;
        }
        return false;
    };
    // The polygons to compare, in set order: every one, or those the grid finds near the edge.
    std::vector<uint32_t> near;
    const bool indexed = PolygonsNear(SegmentPlanBox(a0, a1), NeighbourSearchMargin(Distance3(a0, a1)), near);
    const uint32_t candidates = indexed ? uint32_t(near.size()) : set.polygonCount;
    bool testedAny = false;
    uint32_t lastQ = 0, lastV = 0;
    for (uint32_t c = 0; c < candidates; ++c) {
        const uint32_t q = indexed ? near[c] : c;
        const uint32_t count = set.polygons[q].vertexCount;
        if (count == 1) continue;
        for (uint32_t v = 0; v + 1 < count; ++v) {
            const TopoVertex* target = PolygonVertices(set, q);
            if (target == nullptr || target[v].contourEnd == 1) continue;
            // In its own polygon an edge is tested only against earlier, non-adjacent edges.
            if (q == p && v + 1 >= k) break;
            testedAny = true;
            lastQ = q;
            lastV = v;
            if (testPair(q, v)) return false;
        }
    }
    // Comparing every polygon would go on past the last near pair to far ones, which neither
    // link nor cross; the very last of them leaves the verdict and the record: test it too.
    uint32_t finalQ = 0, finalV = 0;
    const bool pairsLeft = indexed && LastPairOfSearch(set, p, k, finalQ, finalV) &&
                           !(testedAny && finalQ == lastQ && finalV == lastV);
    if (pairsLeft && testPair(finalQ, finalV)) return false;
    if (!matched) {
        TopoVertex& edge = PolygonVertices(set, p)[k];
        edge.linkState = kLinkFree;
        edge.neigGroupId = 0;
        edge.neigPolyIndex = kNoIndex;
        edge.neigEdgeIndex = kNoIndex;
    }
    return verdict;
}

bool FlagEdges(PolygonSet& set) {
    BuildPolygonGrid(set);  // no vertex moves while the edges are flagged
    for (uint32_t p = 0; p < set.polygonCount; ++p) {
        const uint32_t count = set.polygons[p].vertexCount;
        if (count == 1) continue;
        for (uint32_t k = 0; k + 1 < count; ++k) {
            const TopoVertex* v = PolygonVertices(set, p);
            if (v == nullptr || v[k].contourEnd == 1) continue;
            InsPoint r;
            FindNeighbourEdge(set, v[k].point, v[k + 1].point, p, k, r);
            if (r.code == kInsMultiple) {
                DropPolygonGrid();
                LogProblem(set, "Multiple (morer than 2) connecting polygon edges found at polygon %i, edge %i", int(p),
                           int(k));
                return false;
            }
            if (r.code == kInsCrossing && r.srcPolygon == r.targetPolygon) {
                DropPolygonGrid();
                LogProblem(set, "Intersecting polygon edges found at polygon %i, edge %i", int(p), int(k));
                return false;
            }
        }
    }
    DropPolygonGrid();
    for (uint32_t p = 0; p < set.polygonCount; ++p) {
        const uint32_t count = set.polygons[p].vertexCount;
        if (count == 1) continue;
        TopoVertex* v = PolygonVertices(set, p);
        for (uint32_t k = 0; v != nullptr && k + 1 < count; ++k) {
            if (v[k].linkState != kLinkShared) continue;
            if (v[k].neigPolyIndex >= set.polygonCount) {
                LogProblem(set, "FlagEdges: ivalid neigPolyIndex for poly:%i, edge:%i", int(p), int(k));
                continue;
            }
            v[k].foldAngle =
                FoldAngle(set.polygons[p].upNormal, set.polygons[v[k].neigPolyIndex].upNormal, v[k].point, v[k + 1].point);
            v[k].foldFlag = FoldFlagOf(v[k].foldAngle);
        }
    }
    return true;
}
