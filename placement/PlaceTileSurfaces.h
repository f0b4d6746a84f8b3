// Purpose: one tile-surface object per roof plane of the run, and each roof grouped with its objects.
#pragma once

#include <cstdint>

// Places a tile surface on every plane of the current run that has none, then groups every roof
// with the tile surfaces and ridges of its planes. Called once the edge statuses are final.
void RoofPlaceAll();

// Places the tile surface of plane `planeIndex`, then asks for a ridge on each of its edges.
void RoofPlaceOne(uint32_t planeIndex);
