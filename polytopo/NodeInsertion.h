// Purpose: shared nodes of neighbouring polygons (T-junctions), coincident vertices, segment tests.
#pragma once

#include "polytopo/PolygonSet.h"

// What a source edge is to a target edge, and the points it gives the target.
enum InsPointCode : uint32_t {
    kInsNothing = 0,
    kInsSameReversed = 2,
    kInsSameForward = 3,
    kInsInside = 4,      // the source edge lies inside the target edge
    kInsOneEnd = 5,      // one end of the source edge lies inside the target edge
    kInsCrossing = 6,    // the edges cross
    kInsMultiple = 7,    // more than two polygons on one edge (edge flagging)
};

struct InsPoint {
    uint32_t code = 0;
    uint16_t count = 0;          // points to insert: 0, 1 or 2
    uint32_t srcPolygon = 0;
    uint32_t targetPolygon = 0;
    uint32_t targetVertex = 0;   // the points go in after this vertex
    Coord3 point1;
    Coord3 point2;               // after point1 (count 2)
};

// A 3D segment.
struct Segment3 {
    Coord3 p0, p1;
};

// Marker pens of node insertion.
constexpr int16_t kCrossingMarkerPen = 10;
constexpr int16_t kInsertedMarkerPen = 4;

// Proper crossing of two segments away from their end zones (kEndZoneFraction of each length); out = the point.
bool SegmentCrossing(const Segment3& a, const Segment3& b, Coord3& out);

// True when p is an end of b or lies strictly inside it on its line (within kAngleEqualTolRad).
bool PointOnSegment(const Coord3& p, const Segment3& b);

// Collinear overlap of source segment a with target segment b; false when they do not overlap.
bool SegmentOverlap(const Segment3& a, const Segment3& b, InsPoint& r);

// Finds the first outer-contour edge (polygon and vertex order) that contains an end of the source
// edge k of polygon s; marks crossings on the way. False only for a source edge that is not there.
bool FindInsertionPoint(PolygonSet& set, uint32_t s, uint32_t k, InsPoint& r);

// Collects every T-junction point of the outer contours, then inserts them all.
bool InsertNodes(PolygonSet& set);

// Removes consecutive vertices closer than the engine's coincidence distance; contours stay closed.
bool RemoveCoincidentVertices(PolygonSet& set);

// Leaves a hotspot of the given pen at a 3D point in the host's model (errors ignored).
void PlaceMarker(const Coord3& point, int16_t pen);
