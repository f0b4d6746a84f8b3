// Purpose: the validation sequence of the polygon set: duplicates, planarity, contours, orientation.
#include "polytopo/ValidatePolygons.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "Common_src/Messages.h"
#include "polytopo/NodeInsertion.h"
#include "polytopo/PolygonGrid.h"

namespace {

constexpr double kUpNormalEqualTol = 1e-5;    // two upward normals of one plane, per component
constexpr double kDegenerateAreaTol = 0.0001; // a contour with less area (m2) has no orientation

// Polygons a and b list the same number of vertices, equal one by one.
bool SameVertexSequence(PolygonSet& set, uint32_t a, uint32_t b) {
    const TopoPolygon& pa = set.polygons[a];
    const TopoPolygon& pb = set.polygons[b];
    if (pa.subpolynum != pb.subpolynum || pa.vertexCount != pb.vertexCount) return false;
    if (pa.vertexCount == 0) return true;
    const TopoVertex* va = PolygonVertices(set, a);
    const TopoVertex* vb = PolygonVertices(set, b);
    if (va == nullptr || vb == nullptr) return false;
    for (uint32_t k = 0; k < pa.vertexCount; ++k) {
        if (!PointsCoincide3D(va[k].point, vb[k].point)) return false;
    }
    return true;
}

// The plan box of a polygon's vertices.
PlanBox PolygonPointBox(const TopoVertex* v, uint32_t count) {
    PlanBox box{v[0].point.x, v[0].point.y, v[0].point.x, v[0].point.y};
    for (uint32_t k = 1; k < count; ++k) {
        box.minX = std::min(box.minX, v[k].point.x);
        box.minY = std::min(box.minY, v[k].point.y);
        box.maxX = std::max(box.maxX, v[k].point.x);
        box.maxY = std::max(box.maxY, v[k].point.y);
    }
    return box;
}

// The first vertex f and the closing vertex e of a contour; false when the contour is not there.
bool FindContour(PolygonSet& set, uint32_t p, uint32_t contour, uint32_t& f, uint32_t& e) {
    const TopoVertex* v = PolygonVertices(set, p);
    if (v == nullptr) return false;
    const uint32_t count = set.polygons[p].vertexCount;
    uint32_t current = 0;
    uint32_t first = 0;
    for (uint32_t k = 0; k < count; ++k) {
        if (v[k].contourEnd != 1) continue;
        if (current == contour) {
            f = first;
            e = k;
            return true;
        }
        ++current;
        first = k + 1;
    }
    return false;
}

}  // namespace

bool CheckDuplicates(PolygonSet& set) {
    // A duplicate lies where the polygon lies: with the grid, only the polygons near it are compared.
    BuildPolygonGrid(set);
    std::vector<uint32_t> near;
    for (uint32_t a = 0; a < set.polygonCount; ++a) {
        const TopoVertex* va = PolygonVertices(set, a);
        const bool indexed = va != nullptr && set.polygons[a].vertexCount > 0 &&
                             PolygonsNear(PolygonPointBox(va, set.polygons[a].vertexCount), 0.0, near);
        const uint32_t candidates = indexed ? uint32_t(near.size()) : set.polygonCount;
        for (uint32_t c = 0; c < candidates; ++c) {
            const uint32_t b = indexed ? near[c] : c;
            if (a == b || !SameVertexSequence(set, a, b)) continue;
            DropPolygonGrid();
            LogProblem(set, "Duplicated polygons found!");
            ReportMessage(GetMessage(kMsgDuplicatePlanes));
            set.failureReported = true;
            return true;
        }
    }
    DropPolygonGrid();
    return false;
}

bool CheckPlanarity(PolygonSet& set, uint32_t p) {
    TopoPolygon& polygon = set.polygons[p];
    const TopoVertex* v = PolygonVertices(set, p);
    if (v == nullptr || polygon.vertexCount < 3) return false;
    PlaneRec plane;
    Coord3 firstUp;
    bool haveFirstUp = false;
    for (uint32_t k = 0; k == 0 || k + 1 < polygon.vertexCount - 2; ++k) {
        const bool usable = PlaneFromThreePoints(plane, v[k].point, v[k + 1].point, v[k + 2].point);
        // The gradient keeps the last non-vertical triple's value; recompute it only when this
        // triple's normal is not horizontal.
        if (std::fabs(plane.normal.z) >= kVerticalNormalZ) {
            polygon.upNormal = plane.gradient;
        }
        polygon.planePoint = plane.point;
        polygon.planeNormal = plane.normal;
        if (!usable) continue;
        if (!haveFirstUp) {
            firstUp = polygon.upNormal;
            haveFirstUp = true;
        } else if (std::fabs(polygon.upNormal.x - firstUp.x) >= kUpNormalEqualTol ||
                   std::fabs(polygon.upNormal.y - firstUp.y) >= kUpNormalEqualTol ||
                   std::fabs(polygon.upNormal.z - firstUp.z) >= kUpNormalEqualTol) {
            break;
        }
    }
    polygon.pitch = VectorAngle(polygon.upNormal, Coord3{0, 0, 1});
    return true;
}

bool NumberContours(PolygonSet& set) {
    bool ok = true;
    for (uint32_t p = 0; p < set.polygonCount; ++p) {
        TopoPolygon& polygon = set.polygons[p];
        TopoVertex* v = PolygonVertices(set, p);
        uint32_t m = 0;
        for (uint32_t k = 0; v != nullptr && k < polygon.vertexCount; ++k) {
            v[k].contour = m;
            if (m > 0) v[k].inHole = 1;
            if (v[k].contourEnd == 1) ++m;
        }
        polygon.subpolynum = m;
        if (m == 0) {
            LogProblem(set, "Polygon no.%i subpolynum is incorrect!", int(p));
            ok = false;
        }
    }
    return ok;
}

double ContourArea(PolygonSet& set, uint32_t p, uint32_t contour) {
    uint32_t f = 0, e = 0;
    if (!FindContour(set, p, contour, f, e) || e <= f) return 0.0;
    const TopoVertex* v = PolygonVertices(set, p);
    Coord3 sum;
    for (uint32_t i = f; i < e; ++i) sum = Add3(sum, Cross3(v[i].point, v[i + 1].point));
    return 0.5 * Dot3(set.polygons[p].upNormal, sum);
}

bool ReverseContour(PolygonSet& set, uint32_t p, uint32_t contour) {
    if (p >= set.polygonCount) return false;
    uint32_t f = 0, e = 0;
    if (!FindContour(set, p, contour, f, e) || e <= f) return false;
    TopoVertex* v = PolygonVertices(set, p);
    // Reverse the whole run f..e (for an odd count too); the contourEnd marks stay where they are,
    // so the closing mark remains on position e, which again repeats position f.
    for (uint32_t lo = f, hi = e; lo < hi; ++lo, --hi) {
        std::swap(v[lo], v[hi]);
        std::swap(v[lo].contourEnd, v[hi].contourEnd);
    }
    return true;
}

bool CheckVertexOrder(PolygonSet& set, uint32_t p) {
    TopoPolygon& polygon = set.polygons[p];
    double area = 0;
    for (uint32_t c = 0; c < polygon.subpolynum; ++c) {
        const double a = ContourArea(set, p, c);
        if (std::fabs(a) < kDegenerateAreaTol) {
            ++set.errorCount;
            return false;
        }
        if (c == 0) {
            if (a < 0 && !ReverseContour(set, p, c)) return false;
            area = std::fabs(a);
        } else {
            if (a > 0 && !ReverseContour(set, p, c)) return false;
            area -= std::fabs(a);
        }
        polygon.orderChecked = 1;
    }
    polygon.area = area;
    return true;
}

bool ValidatePolygons(PolygonSet& set) {
    if (!HasPolygons(set)) {
        LogProblem(set, "Invalid or not enough input polygons!");
        return false;
    }
    RecountVertices(set);
    if (CheckDuplicates(set)) return false;
    RemoveCoincidentVertices(set);
    RecountVertices(set);
    for (uint32_t p = 0; p < set.polygonCount; ++p) {
        if (!CheckPlanarity(set, p)) LogProblem(set, "Polygon no.%i is not planar!", int(p));
    }
    if (!InsertNodes(set)) LogProblem(set, "Error inserting nodes to input polygons!");
    RecountVertices(set);
    if (!NumberContours(set)) return false;
    bool orderOk = true;
    for (uint32_t p = 0; p < set.polygonCount; ++p) {
        if (!CheckVertexOrder(set, p)) {
            LogProblem(set, "Polygon no.%i vertexorder is invalid!", int(p));
            orderOk = false;
        }
    }
    if (!orderOk) return false;
    return NumberContours(set);
}
