// Purpose: the small vector and polygon helpers that healing and the model check share.
#include "import/Geometry.h"

#include <algorithm>

#include "host/RoofShapesRings.h"

namespace import {
namespace {


// The normal equations' determinant below this (relative to the spread of the points) means the
// points stand on one plan line: an upright plane has no z = f(x, y).
constexpr double kSingularFitTol = 1e-12;

// Two vertices nearer than this are the same point written twice (rounding of the file).
constexpr double kSamePointRounding = 1e-7;

}  // namespace

Vec3 NearestOnSegment(const Vec3& p, const Vec3& a, const Vec3& b, double& t) {
    const Vec3 d = b - a;
    const double len2 = Dot(d, d);
    t = len2 > 0 ? std::clamp(Dot(p - a, d) / len2, 0.0, 1.0) : 0.0;
    return a + d * t;
}

Vec3 RingNormal(const Ring& ring) {
    const host::RingNormalVector n = host::NewellNormal(ring);
    return {n.x, n.y, n.z};
}

double PlanSignedArea(const Ring& ring) { return host::PlanSignedArea2(ring) / 2; }

bool PlanInside(const Vec3& p, const Ring& ring) { return host::PlanInsideRing(p, ring); }

bool FitPlane(const Ring& points, double& a, double& b, double& c) {
    if (points.size() < 3) return false;
    // Centred sums keep large coordinates from eating the precision.
    Vec3 mean;
    for (const Vec3& p : points) mean = mean + p;
    mean = mean * (1.0 / double(points.size()));
    double sxx = 0, sxy = 0, syy = 0, sxz = 0, syz = 0, spread = 0;
    for (const Vec3& p : points) {
        const double x = p.x - mean.x, y = p.y - mean.y, z = p.z - mean.z;
        sxx += x * x, sxy += x * y, syy += y * y, sxz += x * z, syz += y * z;
        spread = std::max(spread, x * x + y * y);
    }
    const double det = sxx * syy - sxy * sxy;
    if (spread <= 0 || std::fabs(det) <= kSingularFitTol * spread * spread * double(points.size() * points.size()))
        return false;
    a = (sxz * syy - syz * sxy) / det;
    b = (syz * sxx - sxz * sxy) / det;
    c = mean.z - a * mean.x - b * mean.y;
    return true;
}

Ring FacePoints(const Face& face) {
    Ring all = face.outer;
    for (const Ring& h : face.holes) all.insert(all.end(), h.begin(), h.end());
    return all;
}

double FaceSlopeDegrees(const Face& face) {
    const Vec3 n = RingNormal(face.outer);
    const double len = Length(n);
    if (len <= 0) return 0;
    return std::acos(std::min(1.0, std::fabs(n.z) / len)) * 180.0 / kPi;
}

std::vector<VertexRef> RoofVertices(const Roof& roof) {
    std::vector<VertexRef> out;
    for (size_t f = 0; f < roof.faces.size(); ++f) {
        for (size_t i = 0; i < roof.faces[f].outer.size(); ++i) out.push_back({f, -1, i});
        for (size_t h = 0; h < roof.faces[f].holes.size(); ++h)
            for (size_t i = 0; i < roof.faces[f].holes[h].size(); ++i) out.push_back({f, int(h), i});
    }
    return out;
}

Ring& RingOf(Roof& roof, const VertexRef& v) {
    Face& f = roof.faces[v.face];
    return v.ring < 0 ? f.outer : f.holes[size_t(v.ring)];
}

const Ring& RingOf(const Roof& roof, const VertexRef& v) {
    const Face& f = roof.faces[v.face];
    return v.ring < 0 ? f.outer : f.holes[size_t(v.ring)];
}

void MoveSharedPoint(Roof& roof, const Vec3& from, const Vec3& to) {
    for (Face& f : roof.faces) {
        for (Vec3& p : f.outer)
            if (Distance(p, from) <= kSamePointRounding) p = to;
        for (Ring& h : f.holes)
            for (Vec3& p : h)
                if (Distance(p, from) <= kSamePointRounding) p = to;
    }
}

PlanBox RoofPlanBox(const Roof& roof) {
    PlanBox box;
    for (const Face& f : roof.faces) AddToBox(box, f.outer);
    return box;
}

bool FaceBoxesMeet(const Face& f, const Face& g) {
    PlanBox fb, gb;
    AddToBox(fb, f.outer);
    AddToBox(gb, g.outer);
    return BoxesMeet(fb, gb);
}

}  // namespace import
