// Purpose: T-junction points of neighbouring roof planes inserted into a plane, and plane grouping.
#pragma once

#include <cstdint>

// Gives plane a of the table a group, inserts into each of its edges the end points of other
// planes' edges that lie strictly inside it on the same line, and joins the groups of the planes
// that share an edge (or part of one) with it. False only when the host could not enlarge the
// plane's arrays (the plane then still matches its vertexCount; the run must end).
struct RoofPlaneTable;
bool InsertPlanePoints(RoofPlaneTable& table, uint32_t a);
