// Purpose: shared nodes of neighbouring polygons (T-junctions), coincident vertices, segment tests.
#include "polytopo/NodeInsertion.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/Messages.h"
#include "polytopo/PolygonGrid.h"

namespace {

constexpr double kShortComponentTol = 0.01;     // a segment whose components are all below: no segment
constexpr double kParallelDeterminantTol = 0.01;// SegmentCrossing: smaller determinant means parallel
constexpr double kCrossingGapTol = 0.01;        // the two lines' closest points must be nearer (m)
constexpr double kEndZoneFraction = 0.01;       // crossing parameters must be inside (0.01, 0.99)
constexpr double kCoincidentDistance = 0.01;    // consecutive vertices nearer than this are one
constexpr double kOriginTol = 1e-5;             // a vertex at the model origin, per coordinate

// All three components of d are below kShortComponentTol in magnitude.
bool TooShort(const Coord3& d) {
    return std::fabs(d.x) < kShortComponentTol && std::fabs(d.y) < kShortComponentTol &&
           std::fabs(d.z) < kShortComponentTol;
}

// Angle of two vectors from their clamped normalised dot product; 0 for a vector shorter than kZeroVectorLength.
double ClampedAngle(const Coord3& a, const Coord3& b) {
    const double la = Length3(a);
    const double lb = Length3(b);
    if (la < kZeroVectorLength || lb < kZeroVectorLength) return 0.0;
    double c = Dot3(a, b) / (la * lb);
    if (c > 1) c = 1;
    if (c < -1) c = -1;
    return std::acos(c);
}

// The point lies at the model origin.
bool AtOrigin(const Coord3& p) {
    return std::fabs(p.x) < kOriginTol && std::fabs(p.y) < kOriginTol && std::fabs(p.z) < kOriginTol;
}

// Writes an origin diagnostic line to the report (with a dialog) and the debug output.
void ReportOriginLine(const char* tag, uint32_t s, uint32_t k, const InsPoint& r) {
    char line[160];
    std::snprintf(line, sizeof line, "%sOrigo in srcPoly:%i, srcVert:%i, actPoly:%i, actVert:%i, insPointn:%i", tag,
                  int(s), int(k), int(r.targetPolygon), int(r.targetVertex), int(r.count));
    ACAPI_WriteReport(line, true);
    DBPrintf("%s\n", line);
}

// Shifts the target vertex of the not yet applied records on polygon p that lie after vertex k.
void ShiftTargets(InsPoint* records, uint32_t from, uint32_t count, uint32_t p, uint32_t k) {
    for (uint32_t j = from; j < count; ++j) {
        if (records[j].targetPolygon == p && records[j].targetVertex > k) ++records[j].targetVertex;
    }
}

// Inserts point x into the edge that starts at vertex `start` of polygon p, after the points
// already inserted into that edge that lie between its start and x, so that several points put
// into one edge keep their order along it.
bool InsertInEdgeOrder(PolygonSet& set, uint32_t p, uint32_t start, const Coord3& x, uint32_t& at) {
    at = start;
    const TopoVertex* v = PolygonVertices(set, p);
    if (v == nullptr) return false;
    const Coord3 from = v[start].point;
    const Segment3 toX{from, x};
    // Step over the next vertex while it is a real vertex of the contour (not its closing one),
    // lies on the way from the edge's start to x, and is nearer to the start than x.
    while (at + 1 < set.polygons[p].vertexCount && v[at + 1].contourEnd != 1 &&
           PointOnSegment(v[at + 1].point, toX) && Distance3(from, v[at + 1].point) < Distance3(from, x)) {
        ++at;
    }
    return InsertVertex(set, p, at, x);
}

}  // namespace

bool SegmentCrossing(const Segment3& a, const Segment3& b, Coord3& out) {
    const Coord3 dB = Sub3(b.p1, b.p0);
    if (TooShort(dB)) return false;
    const Coord3 dA = Sub3(a.p1, a.p0);
    if (TooShort(dA)) return false;
    const Coord3 w = Sub3(a.p0, b.p0);
    const double aa = Dot3(dA, dA), bb = Dot3(dB, dB), ab = Dot3(dA, dB);
    const double d = aa * bb - ab * ab;
    if (std::fabs(d) < kParallelDeterminantTol) return false;
    const double s = (ab * Dot3(dB, w) - Dot3(dA, w) * bb) / d;
    const double t = (s * ab + Dot3(dB, w)) / bb;
    const Coord3 pa = Add3(a.p0, Scale3(dA, s));
    const Coord3 pb = Add3(b.p0, Scale3(dB, t));
    // The lines meet (closest points nearer than kCrossingGapTol), and the meeting point lies inside
    // both segments, outside the end zones (kEndZoneFraction of each length).
    const bool linesMeet = Distance3(pa, pb) < kCrossingGapTol;
    const bool insideA = s > kEndZoneFraction && s < 1 - kEndZoneFraction;
    const bool insideB = t > kEndZoneFraction && t < 1 - kEndZoneFraction;
    if (!(linesMeet && insideA && insideB)) return false;
    out = pa;
    return true;
}

bool PointOnSegment(const Coord3& p, const Segment3& b) {
    if (PointsCoincide3D(p, b.p0) || PointsCoincide3D(p, b.p1)) return true;
    const Coord3 axis = Sub3(b.p0, b.p1);
    const double alpha = ClampedAngle(Sub3(p, b.p0), axis);
    const double beta = ClampedAngle(Sub3(p, b.p1), axis);
    // Seen from b0 the point lies along b0 -> b1 and seen from b1 along b1 -> b0 (or the mirror).
    const bool forward = alpha < kAngleEqualTolRad && std::fabs(beta - kPi) < kAngleEqualTolRad;
    const bool backward = std::fabs(alpha - kPi) < kAngleEqualTolRad && beta < kAngleEqualTolRad;
    return forward || backward;
}

bool SegmentOverlap(const Segment3& a, const Segment3& b, InsPoint& r) {
    Coord3 uA = Sub3(a.p0, a.p1);
    Coord3 uB = Sub3(b.p0, b.p1);
    NormalizeVec(uA);
    NormalizeVec(uB);
    // The plain clamped angle: parallel within kAngleEqualTolRad, with no cosine snap.
    const double theta = ClampedAngle(uA, uB);
    const bool sameDirection = theta < kAngleEqualTolRad;
    const bool oppositeDirection = std::fabs(theta - kPi) < kAngleEqualTolRad;
    if (!sameDirection && !oppositeDirection) return false;
    if (PointsCoincide3D(a.p0, b.p1) && PointsCoincide3D(a.p1, b.p0)) {
        r.code = kInsSameReversed;
        r.count = 0;
        return true;
    }
    if (PointsCoincide3D(a.p0, b.p0) && PointsCoincide3D(a.p1, b.p1)) {
        r.code = kInsSameForward;
        r.count = 0;
        return true;
    }
    const bool c0 = PointOnSegment(a.p0, b);
    const bool c1 = PointOnSegment(a.p1, b);
    const bool a0AtEnd = PointsCoincide3D(a.p0, b.p0) || PointsCoincide3D(a.p0, b.p1);
    const bool a1AtEnd = PointsCoincide3D(a.p1, b.p0) || PointsCoincide3D(a.p1, b.p1);
    if (c0 && c1) {
        if (a0AtEnd) {
            r.code = kInsOneEnd;
            r.count = 1;
            r.point1 = a.p1;
        } else if (a1AtEnd) {
            r.code = kInsOneEnd;
            r.count = 1;
            r.point1 = a.p0;
        } else {
            // Both ends inside: the points go in following the target's direction.
            r.code = kInsInside;
            r.count = 2;
            r.point1 = sameDirection ? a.p0 : a.p1;
            r.point2 = sameDirection ? a.p1 : a.p0;
        }
        return true;
    }
    if (c0) {
        if (a0AtEnd) return false;
        r.code = kInsOneEnd;
        r.count = 1;
        r.point1 = a.p0;
        return true;
    }
    if (c1) {
        if (a1AtEnd) return false;
        r.code = kInsOneEnd;
        r.count = 1;
        r.point1 = a.p1;
        return true;
    }
    return false;
}

void PlaceMarker(const Coord3& point, int16_t pen) {
    API_Element element{};
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    element.header.typeID = API_HotspotID;
    if (ACAPI_Element_GetDefaults(&element, &memo) == NoError) {
        element.hotspot.pen = pen;
        element.hotspot.pos = API_Coord3D{point.x, point.y, point.z};
        ACAPI_Element_Create(&element, &memo);
    }
}

bool FindInsertionPoint(PolygonSet& set, uint32_t s, uint32_t k, InsPoint& r) {
    r = InsPoint{};
    const TopoVertex* src = PolygonVertices(set, s);
    if (src == nullptr || k + 1 >= set.polygons[s].vertexCount) return false;
    const Segment3 a{src[k].point, src[k + 1].point};
    // The polygons to compare, in set order: every one, or those the grid finds near the edge
    // (a polygon far from it can neither cross nor overlap it).
    std::vector<uint32_t> near;
    const bool indexed = PolygonsNear(SegmentPlanBox(a.p0, a.p1), NeighbourSearchMargin(Distance3(a.p0, a.p1)), near);
    const uint32_t candidates = indexed ? uint32_t(near.size()) : set.polygonCount;
    for (uint32_t c = 0; c < candidates; ++c) {
        const uint32_t p = indexed ? near[c] : c;
        const uint32_t count = set.polygons[p].vertexCount;
        const TopoVertex* v = PolygonVertices(set, p);
        if (count == 0 || v == nullptr) continue;
        // Only the outer contour's edges are targets: stop at its closing vertex.
        for (uint32_t t = 0; t + 1 < count && v[t].contourEnd != 1; ++t) {
            if (p == s && t == k) continue;
            r = InsPoint{};
            const Segment3 b{v[t].point, v[t + 1].point};
            Coord3 crossing;
            if (SegmentCrossing(a, b, crossing)) {
                // Crossings are only marked: node insertion has nothing to insert for them, and a
                // crossing inside one polygon fails the edge flagging with its own log line.
                r.code = kInsCrossing;
                r.count = 0;
                PlaceMarker(crossing, kCrossingMarkerPen);
            } else {
                SegmentOverlap(a, b, r);
            }
            if (r.count == 0) continue;
            r.srcPolygon = s;
            r.targetPolygon = p;
            r.targetVertex = t;
            if (AtOrigin(a.p0)) ReportOriginLine("A", s, k, r);
            PlaceMarker(r.point1, kInsertedMarkerPen);
            if (r.count == 2) {
                PlaceMarker(r.point2, kInsertedMarkerPen);
                if (AtOrigin(a.p0)) ReportOriginLine("B", s, k, r);
            }
            return true;
        }
    }
    r = InsPoint{};
    return true;
}

bool InsertNodes(PolygonSet& set) {
    if (!HasPolygons(set)) return false;
    ScopedHostArray<InsPoint> insPoints;
    BuildPolygonGrid(set);  // the vertices stay put until the points are applied below
    for (uint32_t s = 0; s < set.polygonCount; ++s) {
        const TopoVertex* v = PolygonVertices(set, s);
        const uint32_t count = set.polygons[s].vertexCount;
        if (v == nullptr) continue;
        // Only the outer contour's edges are sources.
        for (uint32_t k = 0; k + 1 < count && v[k].contourEnd != 1; ++k) {
            InsPoint r;
            if (!FindInsertionPoint(set, s, k, r)) {
                DropPolygonGrid();
                return false;
            }
            if (r.count == 0) continue;
            // The engine tells of its own want of memory (its log, then its failure message).
            if (insPoints->handle == nullptr && !HostArrayTryReserve(*insPoints, set.totalVertexCount)) {
                DropPolygonGrid();
                LogProblem(set, "Memory full error: can't allocate insPoints!");
                return false;
            }
            if (insPoints->count < insPoints->capacity) insPoints[insPoints->count++] = r;
            v = PolygonVertices(set, s);
        }
    }
    DropPolygonGrid();
    // Apply in the order collected. A record's target vertex stays the start of its target edge
    // while earlier points go into that edge; each point finds its place along the edge.
    bool result = true;
    for (uint32_t i = 0; i < insPoints->count && result; ++i) {
        const InsPoint rec = insPoints[i];
        const Coord3 points[2] = {rec.point1, rec.point2};
        for (uint16_t n = 0; n < rec.count && n < 2 && result; ++n) {
            uint32_t at = 0;
            result = InsertInEdgeOrder(set, rec.targetPolygon, rec.targetVertex, points[n], at);
            if (result) ShiftTargets(insPoints->data(), i + 1, insPoints->count, rec.targetPolygon, at);
        }
    }
    return result;
}

bool RemoveCoincidentVertices(PolygonSet& set) {
    if (!HasPolygons(set)) return false;
    for (uint32_t p = 0; p < set.polygonCount; ++p) {
        uint32_t k = 0;
        uint32_t contourStart = 0;  // first vertex of the contour vertex k belongs to
        while (k + 1 < set.polygons[p].vertexCount) {
            TopoVertex* v = PolygonVertices(set, p);
            if (v == nullptr) break;
            if (v[k].contourEnd == 1) {  // the closing repeat starts no edge: the next contour begins
                ++k;
                contourStart = k;
                continue;
            }
            // The edge from vertex k is shorter than a centimetre.
            if (Distance3(v[k].point, v[k + 1].point) >= kCoincidentDistance) {
                ++k;
                continue;
            }
            // Vertex k + 1 closes the contour and vertex k is not its first point: vertex k goes,
            // so that the contour still ends on its own copy of the first point; the edge that
            // now reaches the closing vertex is tested again.
            const bool closingNext = v[k + 1].contourEnd == 1 && k > contourStart;
            if (closingNext) {
                if (!RemoveVertex(set, p, k)) break;
                --k;
                continue;
            }
            // A contour of one point keeps its closing mark on the vertex that stays.
            if (v[k + 1].contourEnd == 1) v[k].contourEnd = 1;
            if (!RemoveVertex(set, p, k + 1)) break;
        }
    }
    return true;
}
