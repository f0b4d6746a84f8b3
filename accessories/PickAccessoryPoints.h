// Purpose: the interactive picking of an accessory's point or a row's start and end on the roof,
// with the rubber-band rectangle that shows the accessory's size at the cursor.
#pragma once

#include "Common_src/Api_related/HostTypes.h"
#include "roofgeom/Geometry.h"

// What the last pick left: the start A, the projected row end E and the row's direction sign.
struct AccessoryPick {
    Coord2 start;
    Coord2 end;
    double sigma = 1;
};
extern AccessoryPick gAccessoryPick;

// Asks for one point (prompt: message 49) while drawing, at the cursor, the rectangle of `width`
// along `angle` and `height` across it. On success gAccessoryPick.start holds the point; a
// cancelled input returns the host's code.
GSErrCode PickAccessoryPoint(double angle, double width, double height);

// The picked points and the rubber band's settings back to none; true when they are.
void ResetAccessoryPick();
bool AccessoryPickReset();

// Asks for a row's start (message 49, a one-tile rectangle at the cursor) and end (message 50,
// the row's rectangle from the start to the cursor projected onto the roof's direction). On
// success gAccessoryPick holds the start, the projected end and the direction sign.
GSErrCode PickAccessoryRow(double angle, double tileX, double tileY);
