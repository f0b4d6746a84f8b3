// Purpose: the demo's summary of a tiling run: edges by type with their lengths, and the counts
// of what was placed.
#pragma once

#include <string>
#include <vector>

#include "app/EdgeFolds.h"
#include "app/PlaneDump.h"

namespace app {

// Edges of one roofer's type (1..14, the edge setter's types) over the run's planes: an edge two
// planes share counts once.
struct EdgeTypeTotal {
    int type = 0;
    int count = 0;
    double length = 0;  // true (3D) length, metres
};

// The outer contours of the planes (without their closing repeat).
std::vector<PlaneRing> OuterRings(const std::vector<HeldPlane>& planes);

// The totals by type of the planes' edges, in type order; types with no edge are left out. Each
// edge is named from its status and how its planes fold (a ridge laid without ridge tiles is a
// ridge, not a break).
std::vector<EdgeTypeTotal> EdgeTotalsByType(const std::vector<HeldPlane>& planes);

// Replaces each plane's edge statuses with the final ones its placed tile surface carries ("stat"),
// for the planes whose tile surface is found; returns how many planes were matched.
int TakeFinalStatusesFromTileSurfaces(std::vector<HeldPlane>& planes);

// The summary text the demo prints after its run.
std::string DemoSummaryText(const std::vector<HeldPlane>& planes, const std::string& outDir);

}  // namespace app
