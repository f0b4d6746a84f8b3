// Purpose: the tile surface's own frame for accessories: picked plan points turned into frame
// coordinates on the slope, row ends projected onto the roof's direction, and the rubber-band
// rectangles shown while the user picks.
#pragma once

#include "roofgeom/Geometry.h"

// The frame coordinates of a picked plan point: x along the object's angle from its position,
// y along angle + 90 degrees measured on the slope (the plan distance divided by cos alpha).
Coord2 AccessoryFramePoint(const Coord2& position, double angle, double alpha, const Coord2& picked);

// A row's end as the cursor gives it: the cursor projected onto the line through the start in the
// roof's direction, the signed length along that direction, and the direction sign (+1 forwards,
// -1 backwards).
struct AccessoryRowEnd {
    Coord2 end;
    double length = 0;
    double sigma = 1;
};
AccessoryRowEnd ProjectAccessoryRowEnd(const Coord2& start, double angle, const Coord2& cursor);

// The closed outline (5 points, the last equal to the first) of the rectangle with one corner at
// `corner`, one side of signed length `width` along `angle` and the other of `height` along
// angle + 90 degrees.
void AccessoryRubberRectangle(const Coord2& corner, double angle, double width, double height, Coord2 outline[5]);
