// Purpose: roof edges along fills drawn in the plan: cut at the fill outline's corners, then
// marked as wall junctions at any height.
#include "roofgeom/FillJunctions.h"

#include <algorithm>
#include <vector>

#include "roofgeom/EdgeIndex.h"
#include "roofgeom/JunctionEdges.h"
#include "roofgeom/JunctionStatus.h"

namespace {

// The marking pass step for one edge; marking never fails.
bool MarkStep(RoofPlaneTable& table, uint32_t a, uint32_t i) {
    MarkFillJunction(table, a, i);
    return true;
}

}  // namespace

bool ApplyFillJunctions(RoofPlaneTable& table) {
    if (gState.fillSegments.count == 0) return true;
    BuildSegmentGrid(gState.fillSegments);
    const bool done = WalkJunctionEdges(table, SplitEdgeAtFills) && WalkJunctionEdges(table, MarkStep);
    DropSegmentGrid();
    return done;
}

bool SplitEdgeAtFills(RoofPlaneTable& table, uint32_t a, uint32_t i) {
    return SplitEdgeAtSegments(table, a, i, gState.fillSegments, /*heightFilter=*/false, /*markEdgeOnSegment=*/true);
}

void MarkFillJunction(RoofPlaneTable& table, uint32_t a, uint32_t i) {
    const Coord2 p = EdgeStartInPlan(table, a, i);
    const Coord2 q = EdgeEndInPlan(table, a, i);
    // Only fill edges near the edge can hold it: with the segment grid, only those are tested.
    std::vector<uint32_t> near;
    const PlanBox edgeBox{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
    const bool indexed = SegmentsNear(gState.fillSegments, edgeBox, NeighbourSearchMargin(Distance2(p, q)), near);
    const uint32_t candidates = indexed ? uint32_t(near.size()) : gState.fillSegments.count;
    for (uint32_t c = 0; c < candidates; ++c) {
        const uint32_t k = indexed ? near[c] : c;
        const WallSegment& s = gState.fillSegments[k];
        if (EdgeLiesOnSegment(s, p, q)) table.planes[a].edgeStatus[i] = JunctionStatusOf(table, a, i, s);
    }
}
