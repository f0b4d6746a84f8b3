// Purpose: a uniform grid over the plan bounding boxes of roof-plane edges, so the searches for an
// edge's neighbours look only at the edges near it instead of at every edge of the run.
#pragma once

#include <cstdint>
#include <vector>

#include "Common_src/AddOnState.h"
#include "roofgeom/Geometry.h"

// True: every neighbour search compares all pairs, as the reference the indexed search must match.
extern bool gAllPairsEdgeSearch;

// One cell grid over plan boxes; an item is any number the caller gives (a plane index, a segment
// index). Items are kept in each cell in the order they were added.
struct EdgeGrid {
    double minX = 0, minY = 0;
    double cell = 1;
    int32_t nx = 0, ny = 0;
    std::vector<std::vector<uint32_t>> cells;
    std::vector<uint32_t> stamp;  // per item: the query number that last reported it
    uint32_t query = 0;
};

// A plan box.
struct PlanBox {
    double minX, minY, maxX, maxY;
};

// Sets up an empty grid over `bounds` for about `itemCount` items of about `typical` size.
void EdgeGridReset(EdgeGrid& grid, const PlanBox& bounds, uint32_t itemCount, double typical);

// Adds item `item` in every cell its box (grown by `margin`) touches.
void EdgeGridAdd(EdgeGrid& grid, uint32_t item, const PlanBox& box, double margin);

// The items whose cells the box (grown by `margin`) touches, each once, in increasing order.
void EdgeGridQuery(EdgeGrid& grid, const PlanBox& box, double margin, std::vector<uint32_t>& out);

// The plan box of a segment, and of every vertex of a roof plane.
PlanBox SegmentPlanBox(const Coord3& p, const Coord3& q);
PlanBox RoofPlanePlanBox(const RoofPlane& plane);

// How far around an edge of this 3D length a neighbour search must look so that no pair the
// search's tolerances could match is left out: the point tolerances, and the thin lens around a
// long edge within which an angle-tolerant "strictly inside" or "on the segment" test holds.
double NeighbourSearchMargin(double edgeLength);

// The planes of a table in a plan grid, for the searches of one step of the run (the point
// insertion, the ridge placement). The planes may gain points on their edges meanwhile, but no
// plane may be added or removed before the grid is dropped.
void BuildRoofPlaneGrid(const RoofPlaneTable& table);
void DropRoofPlaneGrid();
// True when no plane grid is held (its cells released).
bool RoofPlaneGridDropped();

// The planes whose box (grown by their own margin) meets the box grown by `margin`, in table
// order. False when there is no grid or gAllPairsEdgeSearch is set: then compare every plane.
bool RoofPlanesNear(const PlanBox& box, double margin, std::vector<uint32_t>& out);

// The wall or fill segments of the run in a plan grid, for the junction steps' searches.
void BuildSegmentGrid(const HostArray<WallSegment>& segments);
void DropSegmentGrid();
// True when no segment grid is held (its cells released).
bool SegmentGridDropped();

// The indices of the segments of `segments` near the box grown by `margin`, in list order. False
// when the grid was not built for this list or gAllPairsEdgeSearch is set: then test every segment.
bool SegmentsNear(const HostArray<WallSegment>& segments, const PlanBox& box, double margin, std::vector<uint32_t>& out);
