// Purpose: roof edges along walls: cut at the wall ends and at the wall's top and bottom heights,
// then marked as wall junctions where they run along the wall within its height.
#include "roofgeom/WallJunctions.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "roofgeom/EdgeIndex.h"
#include "roofgeom/JunctionEdges.h"
#include "roofgeom/JunctionStatus.h"

namespace {

constexpr double kHeightLevelTol = 0.001;  // a height this close to a wall's top or bottom is at it

// Where a height lies against a wall's height range, tested in this order.
enum class HeightPlace { AtBottom, AtTop, BelowBottom, AboveTop, Inside };

// True when z is at the level (within kHeightLevelTol).
bool AtLevel(double z, double level) { return std::fabs(z - level) <= kHeightLevelTol; }
// True when z lies above the level and is not at it.
bool AboveLevel(double z, double level) { return z > level + kHeightLevelTol; }
// True when z lies below the level and is not at it.
bool BelowLevel(double z, double level) { return z < level - kHeightLevelTol; }

// Places a height against the range from bottom to top.
HeightPlace PlaceOfHeight(double z, double bottom, double top) {
    if (AtLevel(z, bottom)) return HeightPlace::AtBottom;
    if (AtLevel(z, top)) return HeightPlace::AtTop;
    if (BelowLevel(z, bottom)) return HeightPlace::BelowBottom;
    if (AboveLevel(z, top)) return HeightPlace::AboveTop;
    return HeightPlace::Inside;
}

// Where an edge from height zP to zQ must be cut against a wall's range (in order along the
// edge), and whether the first piece, the one starting at P, runs along the wall.
struct HeightCuts {
    int count = 0;
    double at[2] = {0, 0};
    bool markFirstPiece = false;
};

// Adds one cut height to the list.
void AddCut(HeightCuts& cuts, double z) { cuts.at[cuts.count++] = z; }

// The cuts and the marking of an edge against one wall's height range.
HeightCuts CutsForHeightRange(double zP, double zQ, double bottom, double top) {
    HeightCuts cuts;
    switch (PlaceOfHeight(zP, bottom, top)) {
        case HeightPlace::AtBottom:  // rising into the wall from its foot
            if (AboveLevel(zQ, top)) AddCut(cuts, top);
            cuts.markFirstPiece = true;
            break;
        case HeightPlace::AtTop:  // falling into the wall from its top
            if (BelowLevel(zQ, bottom)) AddCut(cuts, bottom);
            cuts.markFirstPiece = true;
            break;
        case HeightPlace::BelowBottom:  // starts under the wall: only later pieces run along it
            AddCut(cuts, bottom);
            if (AboveLevel(zQ, top)) AddCut(cuts, top);
            break;
        case HeightPlace::AboveTop:  // starts over the wall: only later pieces run along it
            AddCut(cuts, top);
            if (BelowLevel(zQ, bottom)) AddCut(cuts, bottom);
            break;
        case HeightPlace::Inside:
            if (AboveLevel(zQ, top)) AddCut(cuts, top);
            else if (BelowLevel(zQ, bottom)) AddCut(cuts, bottom);
            cuts.markFirstPiece = true;
            break;
    }
    return cuts;
}

}  // namespace

bool ApplyWallJunctions(RoofPlaneTable& table) {
    if (gState.wallSegments.count == 0) return true;
    BuildSegmentGrid(gState.wallSegments);
    const bool done = WalkJunctionEdges(table, SplitEdgeAtWalls) && WalkJunctionEdges(table, MarkWallJunction);
    DropSegmentGrid();
    return done;
}

bool SplitEdgeAtWalls(RoofPlaneTable& table, uint32_t a, uint32_t i) {
    return SplitEdgeAtSegments(table, a, i, gState.wallSegments, /*heightFilter=*/true, /*markEdgeOnSegment=*/false);
}

bool MarkWallJunction(RoofPlaneTable& table, uint32_t a, uint32_t i) {
    // Whether the edge lies along a wall is judged on the edge as it was before any cut here.
    const Coord2 p0 = EdgeStartInPlan(table, a, i);
    const Coord2 q0 = EdgeEndInPlan(table, a, i);
    // Only walls near the edge can run along it: with the segment grid, only those are tested.
    std::vector<uint32_t> near;
    const PlanBox edgeBox{std::min(p0.x, q0.x), std::min(p0.y, q0.y), std::max(p0.x, q0.x), std::max(p0.y, q0.y)};
    const bool indexed = SegmentsNear(gState.wallSegments, edgeBox, NeighbourSearchMargin(Distance2(p0, q0)), near);
    const uint32_t candidates = indexed ? uint32_t(near.size()) : gState.wallSegments.count;
    for (uint32_t c = 0; c < candidates; ++c) {
        const uint32_t k = indexed ? near[c] : c;
        const WallSegment& s = gState.wallSegments[k];
        const RoofPlane& plane = table.planes[a];
        const double zP = plane.vertices[i].z;
        const double zQ = plane.vertices[(i + 1) % plane.vertexCount].z;
        // The edge stays at or under the wall's foot: nothing of it runs along the wall.
        if (!AboveLevel(zP, s.bottom) && !AboveLevel(zQ, s.bottom)) continue;
        // The edge stays at or over the wall's top: the roof passes above the wall.
        if (!BelowLevel(zP, s.top) && !BelowLevel(zQ, s.top)) continue;
        // In plan the edge does not lie on the wall's footprint edge.
        if (!EdgeLiesOnSegment(s, p0, q0)) continue;

        const HeightCuts cuts = CutsForHeightRange(zP, zQ, s.bottom, s.top);
        // The farther cut goes in first, so the nearer one falls inside the shortened edge.
        for (int c = cuts.count - 1; c >= 0; --c)
            if (!CutEdgeAtHeight(table, a, i, cuts.at[c])) return false;
        if (cuts.markFirstPiece) table.planes[a].edgeStatus[i] = JunctionStatusOf(table, a, i, s);
    }
    return true;
}
