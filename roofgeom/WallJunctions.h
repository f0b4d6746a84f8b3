// Purpose: roof edges along walls: cut at the wall ends and at the wall's top and bottom heights,
// then marked as wall junctions where they run along the wall within its height.
#pragma once

#include <cstdint>

#include "roofgeom/RoofModel.h"

// Both passes over every roof plane of `table` with the selected walls: first SplitEdgeAtWalls on
// every free edge, then MarkWallJunction on every free edge. False (after reporting "out of
// memory") when the host could not enlarge a plane's arrays; the run must then end.
bool ApplyWallJunctions(RoofPlaneTable& table);

// Inserts into edge i of plane a the plan ends of the wall segments lying inside it, leaving out
// walls that stay wholly above or below the edge.
bool SplitEdgeAtWalls(RoofPlaneTable& table, uint32_t a, uint32_t i);

// For every wall the edge lies along: cuts edge i of plane a where it enters or leaves the wall's
// height range, and marks the edge when its start lies within that range.
bool MarkWallJunction(RoofPlaneTable& table, uint32_t a, uint32_t i);
