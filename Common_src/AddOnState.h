// Purpose: the add-on's one global state between commands, and the run tables of a tiling run.
#pragma once

#include "Common_src/Api_related/HostArray.h"
#include "Common_src/ResourceIds.h"
#include "roofgeom/RoofModel.h"
#include "roofgeom/RunRoofs.h"

// One plan segment of a wall footprint or fill outline, with the height range it covers.
struct WallSegment {
    double x1 = 0, y1 = 0;
    double x2 = 0, y2 = 0;
    double bottom = 0;
    double top = 0;
};

// One placed edge-setter object (one per group of connected roof planes).
struct EdgeSetterRecord {
    uint32_t groupId = 0;
    double x = 0, y = 0;
    double elevation = 0;
    uint32_t edgeCount = 0;
    API_Guid guid;
};

enum AccessoryRunMode : int32_t {
    AccessoryMode_Place = 1,
    AccessoryMode_Delete = 2,
    AccessoryMode_ClearAll = 3,
    AccessoryMode_SolarCollector = 4,
    AccessoryMode_SolarPanel = 5,
};

struct AddOnState {
    bool finalizationPending = false;
    bool firstCommandPending = false;
    int16_t currentStory = 0;
    API_Guid selectedTileSurface;
    char addOnFolder[API_PathLen] = {};      // ends with a path separator
    char libraryLocation[API_PathLen] = {};  // addOnFolder + "TevaroTmp.lib"
    uint32_t tileSurfaceIdCounter = 0;       // numbers the element IDs "Tevaro_%03d"
    API_Guid modifiedTileSurface;            // the tile surface getCserep found (null: none)

    // Run tables of a tiling run; they survive while the edge palette is open.
    RoofPlaneTable roofPlanes;
    uint32_t collectedRoofCount = 0;
    HostArray<WallSegment> wallSegments;
    HostArray<WallSegment> fillSegments;
    HostArray<EdgeSetterRecord> edgeSetterRecords;
    HostArray<RunRoof> runRoofs;  // the roofs read, checked again at finalization
};

extern AddOnState gState;
