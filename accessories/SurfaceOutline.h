// Purpose: a tile surface's outline in its own frame (its "nodes" and "stat" parameters) and the
// test whether a picked accessory point lies on the surface.
#pragma once

#include <cstdint>
#include <vector>

#include "Common_src/Api_related/HostCalls.h"
#include "roofgeom/Geometry.h"

// The contours of a tile surface in its frame: the outer one first, then its holes, each closed
// by a repeat of its first point.
struct SurfaceOutline {
    std::vector<Coord2> nodes;
    std::vector<int16_t> status;  // per node: the edge status; -1 where a contour closes
};

// Reads "nodes" (n x 2) and "stat" (n) from the first `walkCount` parameters of a tile surface.
void ReadSurfaceOutline(API_AddParType** params, int32_t walkCount, SurfaceOutline& outline);

// True when a frame point lies on the surface: inside its outer contour and in none of its holes
// (points on an edge count as inside). An outline without three corners holds every point, so
// surfaces without one keep working as before.
bool PointOnSurface(const SurfaceOutline& outline, const Coord2& point);
