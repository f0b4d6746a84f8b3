// Purpose: what the wall and fill junction steps share: which edges take part, the walk over all
// roof-plane edges, and the cutting of an edge at a new point.
#pragma once

#include <cstdint>

#include "Common_src/AddOnState.h"

// True for the free edges a wall or fill can run along: eaves and top edges (11, 12), verges and
// other free sloped edges (21, 22), and free hole edges (51, 52, 53).
bool TakesPartInJunctions(int16_t status);

// Calls `step` for every edge of every roof plane of `table` whose status takes part at the moment
// the walk reaches it. New pieces cut off an edge are visited in their turn. False as soon as a
// step fails.
bool WalkJunctionEdges(RoofPlaneTable& table,
                       bool (*step)(RoofPlaneTable& table, uint32_t plane, uint32_t edge));

// Plan end points of edge i of plane a (its end wraps to vertex 0 after the last vertex).
Coord2 EdgeStartInPlan(RoofPlaneTable& table, uint32_t a, uint32_t i);
Coord2 EdgeEndInPlan(RoofPlaneTable& table, uint32_t a, uint32_t i);

// Cuts edge i of plane a at the plan point x: the new vertex i + 1 lies at x with the height and
// plane coordinates of the edge at that plan distance, and inherits the edge's status, kind and
// ridge. Edge i then ends at x. Reports and returns false when the host has no memory.
bool CutEdgeAtPlanPoint(RoofPlaneTable& table, uint32_t a, uint32_t i, const Coord2& x);

// Cuts edge i of plane a where it passes the height z (the edge must rise or fall through z).
// Reports and returns false when the host has no memory.
bool CutEdgeAtHeight(RoofPlaneTable& table, uint32_t a, uint32_t i, double z);

// The split pass over one edge, common to walls and fills: for every segment in list order, the
// segment ends that lie strictly inside the edge become vertices (farther one first). With
// `heightFilter` a segment entirely above or below the edge is passed over; with
// `markEdgeOnSegment` an edge lying on a segment gets its horizontal junction status at once.
bool SplitEdgeAtSegments(RoofPlaneTable& table, uint32_t a, uint32_t i, const HostArray<WallSegment>& segments,
                         bool heightFilter, bool markEdgeOnSegment);

// Plan start and end of a segment.
inline Coord2 SegmentStart(const WallSegment& s) { return {s.x1, s.y1}; }
inline Coord2 SegmentEnd(const WallSegment& s) { return {s.x2, s.y2}; }

// True when SegmentRelation says the edge from p to q lies on the segment (codes 1 to 4).
bool EdgeLiesOnSegment(const WallSegment& s, const Coord2& p, const Coord2& q);
