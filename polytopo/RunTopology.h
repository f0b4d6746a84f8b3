// Purpose: the topology engine's driver: roof model in, validated and classified edges out.
#pragma once

#include <cstdint>

// Runs the point insertion on every plane of the run, builds the polygon set from the table,
// validates it, flags every edge and writes vertices, plane coordinates, contour counts, edge
// statuses and edge kinds back into the planes. False when the engine could not finish (nothing
// is written back then), after reporting it: the engine's failure with its message, a want of
// memory by the growth.
struct RoofPlaneTable;
bool RunTopology(RoofPlaneTable& table);

// The engine's problem log of the last run, one line per problem ("" when there were none). It is
// kept for diagnostics with the run's tables: until the next run, FreeRoofPlanes or FreeTopologyLog.
const char* TopologyLog();

// Number of problems the last run counted.
uint32_t TopologyErrorCount();

// Releases the kept log.
void FreeTopologyLog();

// Forgets the kept log without a host call (a fresh load: the handle went with the old host).
void ForgetTopologyLog();

// True when no log is kept (no handle, no count).
bool TopologyLogReleased();
