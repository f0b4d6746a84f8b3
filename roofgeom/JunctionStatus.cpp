// Purpose: the wall-junction status an edge gets when it runs along a wall or fill, and the test
// of which side of a sloped edge the wall stands on.
#include "roofgeom/JunctionStatus.h"

#include <cmath>

#include "polytopo/EdgeCodes.h"
#include "roofgeom/Tolerances.h"

namespace {

constexpr double kStraightAheadAngleTol = 0.01; // radians: a vertex this close to the edge's line is on it
constexpr double kAlongFallLineTol = 0.01;      // |cos| between the way to the wall and the fall line: below, the wall is beside the plane

// Difference of two directions folded into [0, pi].
double AngleBetweenDirections(double first, double second) {
    double d = std::fmod(std::fabs(first - second), kTwoPi);
    return d > kPi ? kTwoPi - d : d;
}

// z of the plan cross product of u and v: positive when v turns left from u.
double PlanCross(const Coord2& u, const Coord2& v) { return u.x * v.y - u.y * v.x; }

// A vertex of plane a, other than the edge's own ends, that does not lie on the line of edge i
// (searched once round the plane from the vertex after the edge's end). False when all lie on it.
bool FindVertexOffEdgeLine(const RoofPlane& plane, uint32_t i, Coord3& v) {
    const uint32_t n = plane.vertexCount;
    const Coord3& p = plane.vertices[i];
    const Coord3& q = plane.vertices[(i + 1) % n];
    const double edgeDir = DirAngle2D(p, q);
    for (uint32_t step = 0; step < n; ++step) {
        const Coord3& candidate = plane.vertices[(i + 2 + step) % n];
        // A contour's closing copy of its first vertex can be the edge's own end: pass over it.
        if (SamePlanPoint(PlanOf(candidate), PlanOf(p)) || SamePlanPoint(PlanOf(candidate), PlanOf(q))) continue;
        const double turn = AngleBetweenDirections(DirAngle2D(q, candidate), edgeDir);
        // Straight ahead of the edge, or straight back along it: on the edge's line.
        if (turn < kStraightAheadAngleTol || kPi - turn < kStraightAheadAngleTol) continue;
        v = candidate;
        return true;
    }
    return false;
}

}  // namespace

int16_t HorizontalJunctionStatusOf(int16_t status) {
    switch (status) {
        case kStatusEave: return kStatusWallEave;
        case kStatusShedTop: return kStatusWallTop;
        case kStatusHoleLower: return kStatusWallHoleLower;
        case kStatusHoleUpper: return kStatusWallHoleUpper;
        default: return status;
    }
}

int16_t JunctionStatusOf(RoofPlaneTable& table, uint32_t a, uint32_t i, const WallSegment& s) {
    const int16_t status = table.planes[a].edgeStatus[i];
    switch (status) {
        case kStatusVerge:
        case kStatusFreeSloped:
            return WallOnMarkedSide(table, a, i, s) ? kStatusWallVergeSide : kStatusWallVerge;
        case kStatusHoleSloped:
            return WallOnMarkedSide(table, a, i, s) ? kStatusWallHoleSlopedSide : kStatusWallHoleSloped;
        default:
            return HorizontalJunctionStatusOf(status);
    }
}

bool WallOnMarkedSide(RoofPlaneTable& table, uint32_t a, uint32_t i, const WallSegment& s) {
    const RoofPlane& plane = table.planes[a];
    const Coord3 p = plane.vertices[i];
    const Coord3 q = plane.vertices[(i + 1) % plane.vertexCount];
    Coord3 v;
    if (!FindVertexOffEdgeLine(plane, i, v)) return false;  // a plane without area has no sides

    // The plane's downhill direction in plan: the plan part of its upward normal.
    Coord3 normal = Cross3(Sub3(q, p), Sub3(v, p));
    const double normalLength = Length3(normal);
    if (normalLength < kZeroVectorLength) return false;
    if (normal.z < 0) normal = Scale3(normal, -1.0);
    Coord2 downhill{normal.x / normalLength, normal.y / normalLength};
    const double downhillLength = std::hypot(downhill.x, downhill.y);
    if (downhillLength < kZeroVectorLength) return false;  // a level plane falls nowhere
    downhill = Coord2{downhill.x / downhillLength, downhill.y / downhillLength};

    // A base point on the plane's side of the edge: V itself when it lies left of P->Q, where
    // the plane is for counter-clockwise outer contours and clockwise holes; otherwise V mirrored
    // through the edge's middle (P + Q - V), which lies on the other side of the edge's line.
    const Coord2 edge{q.x - p.x, q.y - p.y};
    const Coord2 toV{v.x - p.x, v.y - p.y};
    const Coord2 base = PlanCross(edge, toV) > 0 ? PlanOf(v) : Coord2{p.x + q.x - v.x, p.y + q.y - v.y};

    // The way from the base point to the wall's line, square to that line.
    Coord2 wallDir{s.x2 - s.x1, s.y2 - s.y1};
    double wallLength = std::hypot(wallDir.x, wallDir.y);
    if (wallLength < kZeroVectorLength) {
        wallDir = edge;
        wallLength = std::hypot(edge.x, edge.y);
        if (wallLength < kZeroVectorLength) return false;
    }
    const Coord2 across{-wallDir.y / wallLength, wallDir.x / wallLength};
    const double baseToLine = (s.x1 - base.x) * across.x + (s.y1 - base.y) * across.y;
    Coord2 towardWall = baseToLine >= 0 ? across : Coord2{-across.x, -across.y};

    const double cosToFall = towardWall.x * downhill.x + towardWall.y * downhill.y;
    if (std::fabs(cosToFall) >= kAlongFallLineTol) return cosToFall > 0;  // wall downhill of the plane

    // The edge runs along the fall line: the wall stands beside the plane. Looking downhill,
    // the right hand points along (downhill.y, -downhill.x).
    return towardWall.x * downhill.y - towardWall.y * downhill.x > 0;
}
