// Purpose: the menu handler, the library check and the selection check every command relies on.
#pragma once

#include "Common_src/Api_related/HostCalls.h"

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

constexpr const char* kTileSurfaceMainId = "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}";
constexpr const char* kRidgeMainId = "{9B413C5B-C63B-4027-BE0A-00222534F9FF}";
constexpr const char* kEdgeSetterMainId = "{D88B1698-0142-4569-A5BB-E1AD93EE8909}";
constexpr size_t kMainIdLength = 38;
