// Purpose: the polygons of a polygon set in a plan grid, so that an edge's neighbour searches of
// the engine look only at the polygons near it (the result stays that of comparing every pair).
#pragma once

#include <cstdint>
#include <vector>

#include "polytopo/PolygonSet.h"
#include "roofgeom/EdgeIndex.h"

// Puts every polygon of the set in the grid by the plan box of its vertices. The vertices must not
// move while the grid is in use. Polygons without vertices make the searches compare every pair.
void BuildPolygonGrid(PolygonSet& set);
void DropPolygonGrid();
// True when no polygon grid is held (its cells released).
bool PolygonGridDropped();

// The polygons whose box meets the box grown by `margin`, in set order. False when there is no
// grid (or gAllPairsEdgeSearch is set): then every polygon is to be compared.
bool PolygonsNear(const PlanBox& box, double margin, std::vector<uint32_t>& out);
