// Purpose: how the two roof planes of a shared edge meet (a ridge or hip both planes fall away
// from, a convex or a concave break), measured on the project's roofs, so that the outputs name
// an edge as a roofer would; and the tile surfaces given that knowledge as their "fold" parameter.
#pragma once

#include <vector>

#include "Common_src/Api_related/HostTypes.h"
#include "host/Host.h"
#include "polytopo/EdgeGroups.h"

namespace app {

// One roof plane's outer contour in 3D (not closed by a repeat).
using PlaneRing = std::vector<API_Coord3D>;

// The outer contours of every roof plane of the project's roofs.
std::vector<PlaneRing> ProjectRoofPlaneRings();

// The fold at the plan edge a-b among `planes`: found from the two planes that have an edge
// along it; unknown unless exactly two do.
EdgeFold FoldOfEdge(const API_Coord& a, const API_Coord& b, const std::vector<PlaneRing>& planes);

// A copy of a tile surface whose "fold" parameter holds the fold of each of its edges, measured on
// `planes`; any other element, or a surface that already carries folds, is copied as it is.
host::Element WithMeasuredFolds(const host::Element& element, const std::vector<PlaneRing>& planes);

}  // namespace app
