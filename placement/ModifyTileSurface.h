// Purpose: modification of a placed tile surface and its ridges with new settings.
#pragma once

#include <cstdint>

// 1 when a selected tile surface was found and its settings loaded into TileSettings, else 0.
// Remembers the found tile surface in gState.modifiedTileSurface (null when none): the clearing of
// accessories before a modification works on it, and selectedTileSurface stays as the last
// accessory command left it. The layer is taken from every selected object on the way, so a
// selection without a tile surface still leaves TileSettings.layer at the last object's layer.
int32_t getCserep();

// Rewrites every selected tile surface and ridge with the current TileSettings; geometry stays.
void DoModify();
