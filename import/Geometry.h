// Purpose: the small vector and polygon helpers that healing and the model check share.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "import/ImportModel.h"

namespace import {

constexpr double kPi = 3.14159265358979323846;

inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(const Vec3& a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(const Vec3& a) { return std::sqrt(Dot(a, a)); }
inline double Distance(const Vec3& a, const Vec3& b) { return Length(a - b); }
inline double PlanDistance(const Vec3& a, const Vec3& b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The point of segment a-b nearest to p (3D); `t` gets its parameter in [0, 1].
Vec3 NearestOnSegment(const Vec3& p, const Vec3& a, const Vec3& b, double& t);

// A plan box: lowest and highest x and y (empty until a point is added).
struct PlanBox {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
};

// Grows a plan box to hold a ring's points.
inline void AddToBox(PlanBox& box, const Ring& ring) {
    for (const Vec3& p : ring)
        box.x0 = std::min(box.x0, p.x), box.y0 = std::min(box.y0, p.y), box.x1 = std::max(box.x1, p.x), box.y1 = std::max(box.y1, p.y);
}

// The plan box of a roof's outer rings.
PlanBox RoofPlanBox(const Roof& roof);

// True when two plan boxes come within `margin` of each other (touching counts).
inline bool BoxesMeet(const PlanBox& a, const PlanBox& b, double margin = 0) {
    return a.x0 <= b.x1 + margin && b.x0 <= a.x1 + margin && a.y0 <= b.y1 + margin && b.y0 <= a.y1 + margin;
}

// True when the plan boxes of two faces' outlines overlap (touching counts).
bool FaceBoxesMeet(const Face& f, const Face& g);

// The ring's area normal (Newell): its length is twice the area.
Vec3 RingNormal(const Ring& ring);

// Signed plan area of a ring: positive when it runs anticlockwise seen from above.
double PlanSignedArea(const Ring& ring);

// True when p lies inside the plan polygon `ring` (even-odd rule).
bool PlanInside(const Vec3& p, const Ring& ring);

// The best-fit plane z = a x + b y + c of the points (least squares); false when the points
// stand upright or are too few.
bool FitPlane(const Ring& points, double& a, double& b, double& c);

// Every point of a face: its outer ring then its holes.
Ring FacePoints(const Face& face);

// The slope of a face in degrees (0 flat, 90 upright), from its outer ring's normal.
double FaceSlopeDegrees(const Face& face);

// One vertex of a roof: its plane, its ring (-1 the outer ring, else the hole) and its place.
struct VertexRef {
    size_t face = 0;
    int ring = -1;
    size_t index = 0;
};
std::vector<VertexRef> RoofVertices(const Roof& roof);
Ring& RingOf(Roof& roof, const VertexRef& v);
const Ring& RingOf(const Roof& roof, const VertexRef& v);
inline Vec3& PointOf(Roof& roof, const VertexRef& v) { return RingOf(roof, v)[v.index]; }
inline const Vec3& PointOf(const Roof& roof, const VertexRef& v) { return RingOf(roof, v)[v.index]; }

// Moves every vertex of the roof that sits (within rounding) on `from` to `to`: a point that
// several planes share moves as one.
void MoveSharedPoint(Roof& roof, const Vec3& from, const Vec3& to);

}  // namespace import
