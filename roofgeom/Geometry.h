// Purpose: plan and 3D points and vectors, and the tolerance helpers every roof classification uses.
//
// These are pure functions. Their thresholds are fixed: the roof model, the point insertion and
// the topology engine all rely on exactly these comparisons (inclusive or strict as written).
#pragma once

struct Coord2 {
    double x = 0, y = 0;
};
struct Coord3 {
    double x = 0, y = 0, z = 0;
};

// A plane: one of its points, its normal, and its upward gradient (all zero for a vertical plane).
struct PlaneRec {
    Coord3 point;
    Coord3 normal;
    Coord3 gradient;
};

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kHalfTurnDeg = 180.0;                     // degrees in kPi radians
constexpr double kDegreesPerRadian = kHalfTurnDeg / kPi;

// Small vector arithmetic shared by the geometric modules.
inline Coord3 Sub3(const Coord3& a, const Coord3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Coord3 Add3(const Coord3& a, const Coord3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Coord3 Scale3(const Coord3& a, double f) { return {a.x * f, a.y * f, a.z * f}; }
inline double Dot3(const Coord3& a, const Coord3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Coord3 Cross3(const Coord3& a, const Coord3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Length3(const Coord3& v);
double Distance3(const Coord3& a, const Coord3& b);
double Distance2(const Coord2& a, const Coord2& b);
inline Coord2 PlanOf(const Coord3& p) { return {p.x, p.y}; }

// True when two 3D points are one: every coordinate differs by less than kPointEqualTol3D
// (roofgeom/Tolerances.h, where every shared tolerance is named).
bool PointsCoincide3D(const Coord3& a, const Coord3& b);

// The same test with the bound included: every coordinate differs by at most kPointEqualTol3D.
bool PointsWithin3D(const Coord3& a, const Coord3& b);

// True when two plan points are one: both coordinates differ by less than kPlanPointEqualTol.
bool SamePlanPoint(const Coord2& a, const Coord2& b);

// True when a and b differ by at most kNearlyEqualTol (inclusive).
bool NearlyEqual(double a, double b);

// Direction of b - a in [0, 2pi); 0 when the two points are one plan point (kPlanPointEqualTol).
double DirAngle2D(const Coord2& a, const Coord2& b);

inline double DirAngle2D(const Coord3& a, const Coord3& b) { return DirAngle2D(PlanOf(a), PlanOf(b)); }

// How plan segment E->F lies on plan segment A->B: 1..10 for the overlap layouts, 0 for none.
int SegmentRelation(const Coord2& a, const Coord2& b, const Coord2& e, const Coord2& f);
inline int SegmentRelation(const Coord3& a, const Coord3& b, const Coord3& e, const Coord3& f) {
    return SegmentRelation(PlanOf(a), PlanOf(b), PlanOf(e), PlanOf(f));
}

// True when plan point q lies on the segment p-r (the two part lengths add up to the whole).
bool OnSegment(const Coord2& p, const Coord2& q, const Coord2& r);

// Scales v to unit length; a vector shorter than kShortVectorLength becomes (0, 0, 0).
void NormalizeVec(Coord3& v);

// Plane through a point with the given normal (stored as given; gradient set when not vertical).
void PlaneFromPointNormal(PlaneRec& out, const Coord3& point, const Coord3& normal);

// Plane through three points; false when they do not span a plane (cross product shorter than kShortVectorLength).
bool PlaneFromThreePoints(PlaneRec& out, const Coord3& p0, const Coord3& p1, const Coord3& p2);

// Angle between two vectors in [0, pi]; 0 when either is shorter than kZeroVectorLength.
double VectorAngle(const Coord3& a, const Coord3& b);

// Angle in [0, 2pi) through which the plane of normal a turns about edge p-q to reach normal b:
// pi for parallel normals, more than pi for a convex (ridge-like) fold, less for a concave one.
double FoldAngle(const Coord3& a, const Coord3& b, const Coord3& p, const Coord3& q);
