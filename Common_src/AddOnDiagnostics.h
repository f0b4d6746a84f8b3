// Purpose: the add-on's diagnostic export: a small record through which a program that loads a
// deliverable reads the add-on's run table of roof planes, its tile settings and its topology
// log, without the deliverable's symbol table.
//
// The plug-in contract is the two exported functions and the resource fork; this fourth export is
// an addition a host may ignore: nothing of the add-on depends on anyone calling it. The record is
// append-only like the host's function table; `size` tells how much of it the add-on filled.
#pragma once

#include <cstdint>

#include "dialogs/TileSettings.h"
#include "roofgeom/RoofModel.h"

constexpr uint32_t kAddOnDiagnosticsVersion = 1;
constexpr const char* kAddOnDiagnosticsExport = "GetAddOnDiagnostics";

struct AddOnDiagnostics {
    uint32_t size;     // sizeof(AddOnDiagnostics) as the add-on built it
    uint32_t version;  // kAddOnDiagnosticsVersion

    // ---- Version 1 ----
    const RoofPlaneTable* roofPlanes;  // the run table of roof planes (empty outside a tiling run)
    const TileSettings* tileSettings;  // the user's current tile choices
    const char* (*topologyLog)();      // the last topology run's problem log ("" when none)
};

extern "C" {
// The add-on's diagnostic record; valid while the add-on is loaded.
const AddOnDiagnostics* GetAddOnDiagnostics();
using GetAddOnDiagnosticsFn = const AddOnDiagnostics* (*)();
}
