// Purpose: the add-on's state between host calls: the records of the one global state and the
// run tables, and the list of every piece of state, wherever it lives, with how it is emptied.
//
// Every piece of state the add-on keeps between host calls is a row of the list in AddOnState.cpp
// (`StatePieces`), each with one release and one reset:
//
//   piece                         lives in                          lifetime
//   gState: flags, story, folders, tile-surface GUIDs, ID counter
//                                 Common_src/CommandDispatch.cpp    the load
//   run tables (gState.roofPlanes, collectedRoofCount, wallSegments, fillSegments,
//     edgeSetterRecords, runRoofs) Common_src/AddOnState.h          one tiling run (palette open)
//   kept topology log             polytopo/RunTopology.cpp          one tiling run
//   planes per group              edges/EdgeSetters.cpp             placing or reading back setters
//   plane, segment, polygon grids roofgeom/EdgeIndex.cpp, polytopo/PolygonGrid.cpp
//                                                                   one search step
//   palette closing flag          edges/EdgePalette.cpp             one palette close
//   accessory table, keep flags   accessories/AccessoryTable.cpp, RebuildAccessories.cpp
//                                                                   one accessory command
//   accessory pick, rubber band   accessories/PickAccessoryPoints.cpp  one point input
//   accessory choice, open accessory dialog
//                                 dialogs/AccessoryDialogs.cpp      one accessory command
//   tile settings, main dialog sections
//                                 dialogs/TileDialog.cpp            the load (the user's last choices)
//   catalogue                     catalogue/Catalogue.cpp           the load (Initialize reads it)
//   message buffers               Common_src/Messages.cpp           ten lookups
//
// Pieces shorter-lived than the load are emptied by ReleaseRunState (the end of a tiling run,
// finalized, aborted or failed, and FreeData); a fresh load resets every piece (ResetAddOnForLoad).
// Not listed: the host's table (gHost, replaced by SetImportedFuncAddrs) and gAllPairsEdgeSearch,
// a switch the tests and benchmarks set around their runs.
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

// How long a piece of state lives.
enum class StateLifetime { Load, Run };

// One piece of the add-on's state: its name, where it lives, its lifetime, how it is released
// (host memory given back; only for Run pieces), how a fresh load resets it without calling the
// host (whose memory went with the previous load), and whether it is empty.
struct StatePiece {
    const char* name;
    const char* where;
    StateLifetime lifetime;
    void (*release)();
    void (*reset)();
    bool (*isEmpty)();
};

// Every piece of state, in the order they are released; `count` gets their number.
const StatePiece* StatePieces(size_t& count);

// The one release: empties every piece shorter-lived than the load and gives its host memory back.
void ReleaseRunState();

// Resets every piece, the load's too, to what a fresh load has, without calling the host.
void ResetEveryStatePiece();
