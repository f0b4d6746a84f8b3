// Purpose: the wall-junction status an edge gets when it runs along a wall or fill, and the test
// of which side of a sloped edge the wall stands on.
#pragma once

#include <cstdint>

#include "Common_src/AddOnState.h"

// The junction status for edge i of plane a lying along segment s: 11 -> 131, 12 -> 132,
// 51 -> 231, 52 -> 232; 21 and 22 -> 141 or 142, 53 -> 241 or 242 (the second when
// WallOnMarkedSide holds); any other status is returned unchanged.
int16_t JunctionStatusOf(RoofPlaneTable& table, uint32_t a, uint32_t i, const WallSegment& s);

// The horizontal edges' junction status (11 -> 131, 12 -> 132, 51 -> 231, 52 -> 232), other
// statuses unchanged. Used where a fill is found under an edge before any side is known.
int16_t HorizontalJunctionStatusOf(int16_t status);

// Side of a sloped edge i of plane a on which the line of segment s lies, seen from the plane.
// True when the wall's line lies downhill of the plane; for an edge running along the fall line
// (where the wall is beside the plane, neither up- nor downhill) true when the wall stands on the
// right hand of someone on the plane looking down the slope. False on a level plane.
bool WallOnMarkedSide(RoofPlaneTable& table, uint32_t a, uint32_t i, const WallSegment& s);
