// Purpose: modification of a placed tile surface and its ridges with new settings.
#pragma once

#include <cstdint>

// 1 when a selected tile surface was found and its settings loaded into TileSettings, else 0.
// Remembers the found tile surface in gState.modifiedTileSurface (null when none). The layer is
// taken from every selected object on the way, so a selection without a tile surface still
// leaves TileSettings.layer at the last selected object's layer.
int32_t getCserep();

// Clears the accessories of the tile surface getCserep found, before it is modified; leaves
// gState.selectedTileSurface (the last accessory command's tile surface) as it was.
void ClearModifiedSurfaceAccessories();

// Rewrites every selected tile surface and ridge with the current TileSettings; geometry stays.
void DoModify();
