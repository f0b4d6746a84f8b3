// Purpose: placing one edge-setter object per group of connected roof planes, reading the user's
// edge types back into the planes, and deleting the setters.
#pragma once

#include <cstdint>

#include "Common_src/Api_related/HostTypes.h"

// One edge of a setter: its end points (model coordinates) and its edge type; at read-back the
// new type, or 0 when the user left the edge as it was placed.
struct SetterEdge {
    API_Coord3D start;
    API_Coord3D end;
    int16_t status = 0;
};

// Places one setter per plane group of the roof model, records it in edgeSetterRecords and
// selects them all; false after reporting a failure.
bool PlaceDummies();

// Reads every setter back into the planes' edge statuses and deletes it; false when a setter was
// moved, turned, mirrored, changed in edge count, deleted, placed by hand (message 76), or a host
// call or a growth failed (reported there): one message either way.
bool FinalizeDummies();

// Deletes every edge setter in the model; false after reporting a failure.
bool DeleteDummies();

// Releases the planes-per-group lists the setters are placed and read back with; true when none
// are held.
void ReleaseGroupPlanes();
bool GroupPlanesReleased();
