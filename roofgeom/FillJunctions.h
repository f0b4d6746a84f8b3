// Purpose: roof edges along fills drawn in the plan: cut at the fill outline's corners, then
// marked as wall junctions at any height.
#pragma once

#include <cstdint>

#include "roofgeom/RoofModel.h"

// Both passes over every roof plane of `table` with the selected fills: first SplitEdgeAtFills on
// every free edge, then MarkFillJunction on every free edge. False (after reporting "out of
// memory") when the host could not enlarge a plane's arrays; the run must then end.
bool ApplyFillJunctions(RoofPlaneTable& table);

// Inserts into edge i of plane a the fill outline corners lying inside it; a horizontal edge
// lying wholly on a fill outline gets its junction status (131, 132, 231, 232) at once.
bool SplitEdgeAtFills(RoofPlaneTable& table, uint32_t a, uint32_t i);

// Marks edge i of plane a with its junction status when it lies on a fill outline segment.
void MarkFillJunction(RoofPlaneTable& table, uint32_t a, uint32_t i);
