// Purpose: the roofs a tiling run read, remembered with their shape so that finalization can
// refuse when one of them was deleted or moved by hand while the edge palette was open.
#pragma once

#include "Common_src/Api_related/HostTypes.h"
#include "roofgeom/Geometry.h"

constexpr int kRunRoofIdLength = 256;  // the element ID text the host gives (with its terminator)

// A summary of a roof's 3D shape: every vertex of every body, counted, summed and boxed. Moving
// the roof or changing its outline, pitch or thickness changes it.
struct RoofShapeDigest {
    int32_t vertexCount = 0;
    Coord3 sum;
    Coord3 low;
    Coord3 high;
};

// One roof read by the tiling run.
struct RunRoof {
    API_Guid guid;
    char elementId[kRunRoofIdLength] = {};  // kept for the message: a deleted roof has none to ask for
    RoofShapeDigest shape;
};

// Reads the shape digest of a roof from the host's 3D model; the host's error when it fails.
GSErrCode ReadRoofShapeDigest(const API_Guid& roof, RoofShapeDigest& digest);

// Remembers a roof read by this run in gState.runRoofs; false after reporting a failure.
bool RememberRunRoof(const API_Guid& roof);

// True when every remembered roof is still in the model with the shape it had; otherwise
// reports the first roof that is not (by its element ID) and gives false.
bool RunRoofsUnchanged();
