// Purpose: the menu handler, the library check and the selection check every command relies on.
#pragma once

#include "Common_src/Api_related/HostCalls.h"
#include "Common_src/LibPartIds.h"

// Handles one of the five menu commands; returns 0 except for a failed library check.
GSErrCode MenuCommand(const API_MenuParams* menuParams);

// Makes sure TevaroTmp.lib is among the host's active libraries, adding it when missing.
GSErrCode LoadAddOnLibrary();

// True when exactly one tile-surface object is selected; remembers it in selectedTileSurface.
bool ProperSelection();

// True when a library part's unique identifier names the given main identifier (first 38 chars).
bool LibPartIsKind(const char* unId, const char* mainId);

// Brings the add-on's state back to what a freshly loaded add-on has (all zero).
void ResetAddOnForLoad();

