// Purpose: how the two roof planes of a shared edge meet, measured on the project's roofs, and the
// tile surfaces given that knowledge as their "fold" parameter.
//
// Two planes meet at a ridge (or hip) when both fall away from the edge: the water runs off both
// ways. Otherwise the edge is a break: convex when the lower plane bends down below the upper
// plane's continuation (a mansard), concave when it bends up above it (a kicked eave).
#include "app/EdgeFolds.h"

#include <cmath>

#include "app/ModelDistances.h"
#include "host/ParamLists.h"
#include "host/RoofShapesRings.h"
#include "objectlib/ObjectLibScripts.h"
#include "objectlib/PartParams.h"

namespace app {
namespace {

// Two plan directions closer than this (sine of the angle between them) are parallel.
constexpr double kParallelSine = 0.01;
// A plane falls away from an edge, or bends off another plane, by more than this (metres over
// the plane's centre distance): smaller is noise on a flat meeting.
constexpr double kSideTol = 1e-4;
// A ring's last point repeating its first within this closes it (metres).
constexpr double kClosingTol = 1e-6;

// a - b, in 3D.
API_Coord3D Minus(const API_Coord3D& a, const API_Coord3D& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// The upward unit normal of a ring (Newell's method); zero for a degenerate ring.
API_Coord3D UpNormal(const PlaneRing& ring) {
    const host::RingNormalVector newell = host::NewellNormal(ring);
    API_Coord3D n{newell.x, newell.y, newell.z};
    const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (!(len > 0)) return {0, 0, 0};
    const double up = n.z < 0 ? -1 : 1;
    return {up * n.x / len, up * n.y / len, up * n.z / len};
}

// The mean of a ring's points: a point inside a convex plane, and on the plane's side of its edges.
API_Coord3D Centre(const PlaneRing& ring) {
    API_Coord3D c{0, 0, 0};
    for (const API_Coord3D& p : ring) {
        c.x += p.x;
        c.y += p.y;
        c.z += p.z;
    }
    const double n = ring.empty() ? 1 : double(ring.size());
    return {c.x / n, c.y / n, c.z / n};
}

// The 3D point of the ring's edge along plan segment a-b at the plan point m; false when the
// ring has no edge along a-b through m.
bool PointOnRingEdge(const PlaneRing& ring, const API_Coord& a, const API_Coord& b, const API_Coord& m,
                     API_Coord3D& at) {
    const double abx = b.x - a.x, aby = b.y - a.y;
    const double abLen = std::hypot(abx, aby);
    for (size_t i = 0; i < ring.size(); ++i) {
        const API_Coord3D& p = ring[i];
        const API_Coord3D& q = ring[(i + 1) % ring.size()];
        const double pqx = q.x - p.x, pqy = q.y - p.y;
        const double len2 = pqx * pqx + pqy * pqy;
        if (!(len2 > 0) || !(abLen > 0)) continue;
        const double t = ((m.x - p.x) * pqx + (m.y - p.y) * pqy) / len2;
        const double off = std::fabs((m.x - p.x) * pqy - (m.y - p.y) * pqx) / std::sqrt(len2);
        const double sine = std::fabs(abx * pqy - aby * pqx) / (abLen * std::sqrt(len2));
        // the middle of a-b lies on this edge, between its ends, and a-b runs along it
        if (off < kOnEdgeDistance && t > 0 && t < 1 && sine < kParallelSine) {
            at = {p.x + t * (q.x - p.x), p.y + t * (q.y - p.y), p.z + t * (q.z - p.z)};
            return true;
        }
    }
    return false;
}

// True when the plane falls away from the edge through `at` running along plan direction (ux, uy):
// its downhill direction points from the edge into the plane.
bool FallsAwayFrom(const PlaneRing& ring, const API_Coord3D& at, double ux, double uy) {
    const API_Coord3D n = UpNormal(ring);
    const API_Coord3D c = Minus(Centre(ring), at);
    const double along = c.x * ux + c.y * uy;
    const double sx = c.x - along * ux, sy = c.y - along * uy;  // from the edge into the plane, in plan
    // the up normal leans downhill: its plan part is the way water runs
    return n.x * sx + n.y * sy > kSideTol;
}

// The outer contour of a ring held closed or open, without its closing repeat.
PlaneRing Opened(const host::Ring3& ring) {
    PlaneRing r(ring.begin(), ring.end());
    const bool closed = r.size() > 1 && std::fabs(r.front().x - r.back().x) < kClosingTol &&
                        std::fabs(r.front().y - r.back().y) < kClosingTol &&
                        std::fabs(r.front().z - r.back().z) < kClosingTol;
    if (closed) r.pop_back();
    return r;
}

}  // namespace

std::vector<PlaneRing> ProjectRoofPlaneRings() {
    std::vector<PlaneRing> rings;
    for (const host::Element& e : host::gSession.model.elements) {
        if (e.rec.header.typeID != API_RoofID) continue;
        for (const host::RoofPlaneShape& p : e.roofPlanes) rings.push_back(Opened(p.outer));
    }
    return rings;
}

EdgeFold FoldOfEdge(const API_Coord& a, const API_Coord& b, const std::vector<PlaneRing>& planes) {
    const API_Coord m{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const PlaneRing* found[2] = {nullptr, nullptr};
    API_Coord3D at{0, 0, 0};
    int count = 0;
    for (const PlaneRing& ring : planes) {
        API_Coord3D point;
        if (!PointOnRingEdge(ring, a, b, m, point)) continue;
        if (count < 2) found[count] = &ring;
        at = point;
        ++count;
    }
    if (count != 2) return kFoldUnknown;
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
    if (FallsAwayFrom(*found[0], at, ux, uy) && FallsAwayFrom(*found[1], at, ux, uy)) return kFoldRidge;
    // The second plane's centre below the first plane's continuation: the roof bends down there.
    const API_Coord3D n = UpNormal(*found[0]);
    const API_Coord3D c = Minus(Centre(*found[1]), at);
    const double above = n.x * c.x + n.y * c.y + n.z * c.z;
    if (above < -kSideTol) return kFoldConvex;
    if (above > kSideTol) return kFoldConcave;
    return kFoldUnknown;
}

host::Element WithMeasuredFolds(const host::Element& element, const std::vector<PlaneRing>& planes) {
    host::Element copy = element;
    const bool tileSurface = element.rec.header.typeID == API_ObjectID &&
                             element.libPartUnId.compare(0, 38, objectlib::kTileSurfaceMainId) == 0;
    if (!tileSurface) return copy;
    const host::ParamValue* told = host::FindParam(element.params, "fold");
    if (told != nullptr) {
        for (double f : told->numbers)
            if (f != 0) return copy;  // the surface was told its folds when it was placed
    }
    const host::ParamValue* nodes = host::FindParam(element.params, "nodes");
    if (nodes == nullptr || host::IsTextParam(*nodes) || nodes->dim2 < 2) return copy;
    const size_t stride = size_t(nodes->dim2);
    const size_t n = nodes->numbers.size() / stride;
    const double slope = objectlib::NumberOr(element, "alpha", 0);
    std::vector<API_Coord> plan(n);
    for (size_t i = 0; i < n; ++i)
        plan[i] = objectlib::ToPlan(element, nodes->numbers[i * stride], nodes->numbers[i * stride + 1], slope);
    host::ParamValue fold;
    fold.name = "fold";
    fold.type = APIParT_Integer;
    fold.isArray = true;
    fold.dim1 = int32_t(n);
    fold.dim2 = 1;
    fold.numbers.assign(n, 0.0);
    // Edge i runs from node i to node i + 1; a closing node starts none, and FoldOfEdge finds no
    // plane along a contour's jump to the next contour.
    for (size_t i = 0; i + 1 < n; ++i) fold.numbers[i] = FoldOfEdge(plan[i], plan[i + 1], planes);
    bool replaced = false;
    for (host::ParamValue& p : copy.params)
        if (p.name == "fold") {
            p = fold;
            replaced = true;
        }
    if (!replaced) copy.params.push_back(std::move(fold));
    return copy;
}

}  // namespace app
