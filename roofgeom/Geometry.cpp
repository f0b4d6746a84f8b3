// Purpose: the tolerant number, direction, segment, plane and angle helpers of the roof geometry.
#include "roofgeom/Geometry.h"
#include "roofgeom/Tolerances.h"

#include <cmath>

namespace {

constexpr double kNearlyEqualTol = 0.001;        // NearlyEqual, inclusive
constexpr double kSameDirectionTol = 0.001;      // unwrapped direction difference, radians
constexpr double kOnSegmentTol = 1e-5;           // |PQ| + |QR| - |PR|
constexpr double kCosineSnapTol = 1e-5;          // VectorAngle: cosines this close to +-1 snap
constexpr double kParallelCrossLength = 0.01;    // FoldAngle: normalised cross product shorter: parallel

// Upward gradient of a non-vertical normal: (nx/nz, ny/nz, 1).
Coord3 GradientOf(const Coord3& n) { return {n.x / n.z, n.y / n.z, 1.0}; }

}  // namespace

double Length3(const Coord3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
double Distance3(const Coord3& a, const Coord3& b) { return Length3(Sub3(a, b)); }
double Distance2(const Coord2& a, const Coord2& b) { return std::hypot(a.x - b.x, a.y - b.y); }

bool PointsCoincide3D(const Coord3& a, const Coord3& b) {
    return std::fabs(a.x - b.x) < kPointEqualTol3D && std::fabs(a.y - b.y) < kPointEqualTol3D &&
           std::fabs(a.z - b.z) < kPointEqualTol3D;
}

bool PointsWithin3D(const Coord3& a, const Coord3& b) {
    return std::fabs(a.x - b.x) <= kPointEqualTol3D && std::fabs(a.y - b.y) <= kPointEqualTol3D &&
           std::fabs(a.z - b.z) <= kPointEqualTol3D;
}

bool SamePlanPoint(const Coord2& a, const Coord2& b) {
    return std::fabs(a.x - b.x) < kPlanPointEqualTol && std::fabs(a.y - b.y) < kPlanPointEqualTol;
}

bool NearlyEqual(double a, double b) { return std::fabs(a - b) <= kNearlyEqualTol; }

double DirAngle2D(const Coord2& a, const Coord2& b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    if (std::fabs(dx) < kPlanPointEqualTol && std::fabs(dy) < kPlanPointEqualTol) return 0.0;
    double angle = std::atan2(dy, dx);
    if (angle < 0) angle += kTwoPi;
    return angle;
}

bool OnSegment(const Coord2& p, const Coord2& q, const Coord2& r) {
    return std::fabs(Distance2(p, q) + Distance2(q, r) - Distance2(p, r)) < kOnSegmentTol;
}

int SegmentRelation(const Coord2& a, const Coord2& b, const Coord2& e, const Coord2& f) {
    if (SamePlanPoint(a, e) && SamePlanPoint(b, f)) return 1;
    if (SamePlanPoint(a, f) && SamePlanPoint(b, e)) return 2;
    // The difference is deliberately not wrapped around 2pi: 0.0004 and 2pi - 0.0004 differ.
    const bool sameDir = std::fabs(DirAngle2D(a, b) - DirAngle2D(e, f)) < kSameDirectionTol;
    const bool eOnAB = OnSegment(a, e, b);
    const bool fOnAB = OnSegment(a, f, b);
    const bool aOnEF = OnSegment(e, a, f);
    const bool bOnEF = OnSegment(e, b, f);
    if (eOnAB && fOnAB) return sameDir ? 3 : 4;
    if (aOnEF && bOnEF) return sameDir ? 5 : 6;
    if (sameDir) {
        // A, E, B, F along the line: E inside A-B, B inside E-F, and the overlap E..B not a point.
        if (eOnAB && bOnEF && !SamePlanPoint(b, e)) return 7;
        // E, A, F, B: A inside E-F, F inside A-B, and the overlap A..F not a point.
        if (aOnEF && fOnAB && !SamePlanPoint(a, f)) return 8;
    } else {
        // A, F, B, E: F inside A-B, B inside F-E, and the overlap F..B not a point.
        if (fOnAB && bOnEF && !SamePlanPoint(b, f)) return 9;
        // F, A, E, B: A inside F-E, E inside A-B, and the overlap A..E not a point.
        if (aOnEF && eOnAB && !SamePlanPoint(a, e)) return 10;
    }
    return 0;
}

void NormalizeVec(Coord3& v) {
    const double length = Length3(v);
    if (std::fabs(length) < kShortVectorLength) {
        v = Coord3{};
        return;
    }
    v = Scale3(v, 1.0 / length);
}

void PlaneFromPointNormal(PlaneRec& out, const Coord3& point, const Coord3& normal) {
    out = PlaneRec{};
    out.point = point;
    out.normal = normal;
    if (std::fabs(normal.z) >= kVerticalNormalZ) out.gradient = GradientOf(normal);
}

bool PlaneFromThreePoints(PlaneRec& out, const Coord3& p0, const Coord3& p1, const Coord3& p2) {
    out.normal = Cross3(Sub3(p0, p1), Sub3(p0, p2));
    NormalizeVec(out.normal);
    out.point = p0;
    if (std::fabs(out.normal.z) >= kVerticalNormalZ) out.gradient = GradientOf(out.normal);
    NormalizeVec(out.gradient);
    return Length3(out.normal) >= kZeroVectorLength;
}

double VectorAngle(const Coord3& a, const Coord3& b) {
    const double la = Length3(a);
    const double lb = Length3(b);
    if (la < kZeroVectorLength || lb < kZeroVectorLength) return 0.0;
    double r = Dot3(a, b) / (la * lb);
    if (std::fabs(r + 1) < kCosineSnapTol) r = -1;
    if (std::fabs(r - 1) < kCosineSnapTol) r = 1;
    if (r > 1) r = 1;  // rounding beyond the snap window cannot happen for real vectors, but acos must not see it
    if (r < -1) r = -1;
    return std::acos(r);
}

double FoldAngle(const Coord3& a, const Coord3& b, const Coord3& p, const Coord3& q) {
    Coord3 d = Sub3(p, q);
    NormalizeVec(d);
    Coord3 m = Cross3(a, b);
    NormalizeVec(m);
    if (Length3(m) < kParallelCrossLength) return kPi;
    const double s = Dot3(m, d);
    const double t = VectorAngle(a, b);
    if (std::fabs(s + 1) < kAngleEqualTolRad) return t + kPi;  // cross product against the edge: convex
    if (std::fabs(s - 1) < kAngleEqualTolRad) return t;        // along the edge: concave
    return kTwoPi - t;                                     // the edge is not the planes' intersection
}
