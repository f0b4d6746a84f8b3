// Purpose: modification of a placed tile surface and its ridges with new settings.
#pragma once

#include <cstdint>

// 1 when a selected tile surface was found and its settings loaded into TileSettings, else 0.
int32_t getCserep();

// Rewrites every selected tile surface and ridge with the current TileSettings.
void DoModify();
