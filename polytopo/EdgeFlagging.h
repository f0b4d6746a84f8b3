// Purpose: edge flagging: neighbour search, slope and side classes, and the fold at shared edges.
#pragma once

#include "polytopo/NodeInsertion.h"

// Classifies every edge of the set (linkState, slopeClass, sideCode, foldAngle, foldFlag). False
// when three planes meet on one edge or a polygon's edges cross each other (logged).
bool FlagEdges(PolygonSet& set);

// Slope class of edge k of polygon p (a0 -> a1), then its search for a matching edge in the set.
bool FindNeighbourEdge(PolygonSet& set, const Coord3& a0, const Coord3& a1, uint32_t p, uint32_t k, InsPoint& r);

// sideCode of a (nearly) horizontal edge: lower or upper edge of its contour.
void ClassifySide(PolygonSet& set, uint32_t p, uint32_t k);

// Sets slopeClass 3 when edge k runs along the fall line of its plane.
void CheckFallLine(PolygonSet& set, uint32_t p, uint32_t k);

// foldFlag of a fold angle: flat, almost flat (2 degrees), convex or concave.
uint32_t FoldFlagOf(double foldAngle);
