// Purpose: the list of every piece of the add-on's state, the one release and the reset on load.
#include "Common_src/AddOnState.h"

#include <cstring>

#include "Common_src/Messages.h"
#include "accessories/AccessoryTable.h"
#include "accessories/PickAccessoryPoints.h"
#include "accessories/RebuildAccessories.h"
#include "catalogue/Catalogue.h"
#include "dialogs/AccessoryChoice.h"
#include "dialogs/TileSettings.h"
#include "edges/EdgePalette.h"
#include "edges/EdgeSetters.h"
#include "polytopo/PolygonGrid.h"
#include "polytopo/RunTopology.h"
#include "roofgeom/EdgeIndex.h"

namespace {

// Gives the run tables' host memory back and empties them.
void ReleaseRunTables() {
    FreeRoofPlanes();
    gState.collectedRoofCount = 0;
    HostArrayFree(gState.wallSegments);
    HostArrayFree(gState.fillSegments);
    HostArrayFree(gState.edgeSetterRecords);
    HostArrayFree(gState.runRoofs);
}

// Empties the run tables without calling the host (a fresh load).
void ResetRunTables() {
    gState.roofPlanes = RoofPlaneTable{};
    gState.collectedRoofCount = 0;
    gState.wallSegments = HostArray<WallSegment>{};
    gState.fillSegments = HostArray<WallSegment>{};
    gState.edgeSetterRecords = HostArray<EdgeSetterRecord>{};
    gState.runRoofs = HostArray<RunRoof>{};
}

// True when an array holds nothing and no handle.
template <typename T>
bool Released(const HostArray<T>& a) {
    return a.handle == nullptr && a.count == 0 && a.capacity == 0;
}

bool RunTablesReleased() {
    const bool noPlanes = Released(gState.roofPlanes.planes) && gState.roofPlanes.nextGroupId == 0;
    return noPlanes && gState.collectedRoofCount == 0 && Released(gState.wallSegments) &&
           Released(gState.fillSegments) && Released(gState.edgeSetterRecords) && Released(gState.runRoofs);
}

// The load's part of gState back to a fresh load's; the run tables have their own row.
void ResetLoadState() {
    const AddOnState fresh;
    gState.finalizationPending = fresh.finalizationPending;
    gState.firstCommandPending = fresh.firstCommandPending;
    gState.currentStory = fresh.currentStory;
    gState.selectedTileSurface = fresh.selectedTileSurface;
    gState.modifiedTileSurface = fresh.modifiedTileSurface;
    std::memcpy(gState.addOnFolder, fresh.addOnFolder, sizeof fresh.addOnFolder);
    std::memcpy(gState.libraryLocation, fresh.libraryLocation, sizeof fresh.libraryLocation);
    gState.tileSurfaceIdCounter = fresh.tileSurfaceIdCounter;
}

bool LoadStateReset() {
    const AddOnState fresh;
    const AddOnState& s = gState;
    const bool flags = s.finalizationPending == fresh.finalizationPending &&
                       s.firstCommandPending == fresh.firstCommandPending && s.currentStory == fresh.currentStory;
    const bool guids = IsNullGuid(s.selectedTileSurface) && IsNullGuid(s.modifiedTileSurface);
    const bool folders = s.addOnFolder[0] == '\0' && s.libraryLocation[0] == '\0';
    return flags && guids && folders && s.tileSurfaceIdCounter == 0;
}

void ResetAccessoryTable() {
    gAccessoryTable = AccessoryTable{};
    for (int32_t& flag : gAccessoryKeepFlags) flag = 0;
}

bool AccessoryTableReset() {
    bool empty = gAccessoryTable.count == 0 && gAccessoryTable.codes[0] == '\0' && gAccessoryTable.colours[0] == '\0';
    for (int32_t flag : gAccessoryKeepFlags) empty = empty && flag == 0;
    return empty;
}

// Resets the plan grids (they hold no host memory).
void DropAllGrids() {
    DropRoofPlaneGrid();
    DropSegmentGrid();
    DropPolygonGrid();
}

bool AllGridsDropped() { return RoofPlaneGridDropped() && SegmentGridDropped() && PolygonGridDropped(); }

const StatePiece kStatePieces[] = {
    {"run tables", "Common_src/AddOnState.h", StateLifetime::Run, ReleaseRunTables, ResetRunTables, RunTablesReleased},
    {"kept topology log", "polytopo/RunTopology.cpp", StateLifetime::Run, FreeTopologyLog, ForgetTopologyLog,
     TopologyLogReleased},
    {"planes per group", "edges/EdgeSetters.cpp", StateLifetime::Run, ReleaseGroupPlanes, ReleaseGroupPlanes,
     GroupPlanesReleased},
    {"plan grids", "roofgeom/EdgeIndex.cpp, polytopo/PolygonGrid.cpp", StateLifetime::Run, DropAllGrids, DropAllGrids,
     AllGridsDropped},
    {"palette closing flag", "edges/EdgePalette.cpp", StateLifetime::Run, ResetPaletteClosing, ResetPaletteClosing,
     PaletteClosingReset},
    {"accessory table and keep flags", "accessories/AccessoryTable.cpp", StateLifetime::Run, ResetAccessoryTable,
     ResetAccessoryTable, AccessoryTableReset},
    {"accessory pick and rubber band", "accessories/PickAccessoryPoints.cpp", StateLifetime::Run, ResetAccessoryPick,
     ResetAccessoryPick, AccessoryPickReset},
    {"accessory choice and dialog", "dialogs/AccessoryDialogs.cpp", StateLifetime::Run, ResetAccessoryDialogs,
     ResetAccessoryDialogs, AccessoryDialogsReset},
    {"add-on flags, folders and counters", "Common_src/CommandDispatch.cpp", StateLifetime::Load, nullptr,
     ResetLoadState, LoadStateReset},
    {"tile settings", "dialogs/TileDialog.cpp", StateLifetime::Load, nullptr, ResetTileSettings, TileSettingsReset},
    {"catalogue", "catalogue/Catalogue.cpp", StateLifetime::Load, nullptr, ClearCatalogue, CatalogueCleared},
    {"message buffers", "Common_src/Messages.cpp", StateLifetime::Load, nullptr, ResetMessageBuffers,
     MessageBuffersReset},
};

}  // namespace

const StatePiece* StatePieces(size_t& count) {
    count = sizeof kStatePieces / sizeof kStatePieces[0];
    return kStatePieces;
}

void ReleaseRunState() {
    for (const StatePiece& piece : kStatePieces)
        if (piece.lifetime == StateLifetime::Run) piece.release();
}

void ResetEveryStatePiece() {
    for (const StatePiece& piece : kStatePieces) piece.reset();
}
