// Purpose: the modeless edge palette (dialog 32511) and its two actions: finalize the edges and
// tile the roofs, or abort and delete the edge setters.
#pragma once

#include <cstdint>

#include "Common_src/Api_related/HostFunctionTable.h"
#include "Common_src/ResourceIds.h"

constexpr int16_t kEdgePaletteFinalizeItem = 1;  // "Cserepezés véglegesítése"

// Opens the palette; returns the host's dialog id (0 when the host gave no palette).
int16_t OpenEdgePalette();

// The palette's dialog handler.
int16_t EdgePaletteHandler(int16_t message, int16_t dialID, int16_t item, intptr_t userData,
                           const DGMessageData* msgData);

// Closes a palette the tiling run opened but cannot hand over (the caller cleans the run up):
// the close does not run the abort action.
void CloseEdgePaletteUnused(int16_t dialID);

// The flag that tells a close by the run from a user's abort: reset, and whether it is down.
void ResetPaletteClosing();
bool PaletteClosingReset();

// Reads the setters back, tiles the roofs (or reports why not) and releases the run tables.
void FinalizeEdges();

// Deletes the setters and releases the run tables; nothing is tiled.
void AbortEdges();
