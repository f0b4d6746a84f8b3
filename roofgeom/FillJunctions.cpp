// Purpose: roof edges along fills drawn in the plan: cut at the fill outline's corners, then
// marked as wall junctions at any height.
#include "roofgeom/FillJunctions.h"

#include "roofgeom/JunctionEdges.h"
#include "roofgeom/JunctionStatus.h"

namespace {

// The split pass step for one edge: SplitEdgeAtFills under the walk's signature.
bool SplitStep(uint32_t a, uint32_t i) { return SplitEdgeAtFills(a, i); }

// The marking pass step for one edge; marking never fails.
bool MarkStep(uint32_t a, uint32_t i) {
    MarkFillJunction(a, i);
    return true;
}

}  // namespace

bool ApplyFillJunctions() {
    if (gState.fillSegments.count == 0) return true;
    return WalkJunctionEdges(SplitStep) && WalkJunctionEdges(MarkStep);
}

bool SplitEdgeAtFills(uint32_t a, uint32_t i) {
    return SplitEdgeAtSegments(a, i, gState.fillSegments, /*heightFilter=*/false, /*markEdgeOnSegment=*/true);
}

void MarkFillJunction(uint32_t a, uint32_t i) {
    const Coord2 p = EdgeStartInPlan(a, i);
    const Coord2 q = EdgeEndInPlan(a, i);
    for (uint32_t k = 0; k < gState.fillSegments.count; ++k) {
        const WallSegment& s = gState.fillSegments[k];
        if (EdgeLiesOnSegment(s, p, q)) gState.roofPlanes.planes[a].edgeStatus[i] = JunctionStatusOf(a, i, s);
    }
}
