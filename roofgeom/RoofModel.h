// Purpose: the shared roof model: one RoofPlane per top-surface polygon of the selected roofs.
#pragma once

#include "Common_src/Api_related/HostArray.h"
#include "roofgeom/Geometry.h"

// One planar polygon of a roof's top surface. Every per-vertex array holds vertexCount entries
// and stays aligned with the others: insert vertices only through InsertVertexSlot.
struct RoofPlane {
    API_Guid roofGuid;         // the roof element the plane was read from
    API_Guid tileSurfaceGuid;  // the tile-surface object placed on the plane (null until placed)
    uint16_t inRun = 0;        // 1 for planes read in the current tiling run
    uint32_t vertexCount = 0;  // all contours, each closed by a repeat of its first vertex
    HostArray<Coord3> vertices;
    HostArray<int16_t> edgeStatus;  // EdgeStatus of the edge starting at each vertex
    double slope = 0;               // pitch, radians
    double azimuth = 0;             // rotation of the plane's own frame, radians
    uint8_t flipped = 0;            // 1 when azimuth was turned by pi (every sloped plane)
    HostArray<Coord2> planeCoords;  // (u, v) per vertex in the plane's own frame, true lengths
    Coord2 origin;                  // plan position of the first vertex
    double baseLevel = 0;           // z of the first vertex + kLevelOffset - current story level
    HostArray<API_Guid> ridgeGuids; // ridge object placed on each edge (null when none)
    double area = 0;                // outer contour minus holes, measured on the slope
    uint32_t contourCount = 0;      // 1 + number of holes
    double ridgeLevel = 0;          // current story level - kLevelOffset
    Coord2 levelLine[2];            // origin and origin + (n.y, -n.x)
    uint32_t group = 0;             // group of planes joined by shared edges (0 none yet)
    HostArray<int16_t> edgeKind;    // EdgeKind of each edge
};

struct RoofPlaneTable {
    HostArray<RoofPlane> planes;  // planes.count is the table's count
    uint32_t nextGroupId = 0;     // last group id handed out
};

// The helpers below work on the table they are given (the run's is gState.roofPlanes).

// Opens a slot at position p of plane r: vertexCount + 1, every per-vertex array enlarged and its
// entries from p on moved up by one (entry p keeps a copy of its old value for the caller to
// overwrite). False when the host cannot enlarge the arrays; the plane is then left unchanged.
bool InsertVertexSlot(RoofPlaneTable& table, uint32_t r, uint32_t p);

// True when edge i of plane a and edge j of plane b have the same two end points (either
// direction, every coordinate within kPointEqualTol3D). An edge's second point wraps to vertex 0 at the end.
bool EdgesCoincide(const RoofPlaneTable& table, uint32_t a, uint32_t i, uint32_t b, uint32_t j);

// Releases every plane's arrays and the table (and the topology engine's log of these planes);
// count and nextGroupId return to 0.
void FreeRoofPlanes();
