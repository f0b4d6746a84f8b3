// Purpose: the user's tile choices (TileSettings) and the main tiling dialog 32501 that sets them.
#pragma once

#include <cstdint>

#include "catalogue/Catalogue.h"

// Text fields hold catalogue codes, zero-terminated, compared as whole case-sensitive strings.
struct TileSettings {
    char fam[8];                // code of the chosen tile type
    char color[8];              // code of the chosen tile colour
    int32_t wingtile;           // use edge tiles
    int32_t auto_acc;           // place accessories automatically
    char folia[8];              // roofing foil
    char vapatipus[8];          // valley type
    char mat_pan[8];            // valley colour
    char hofogas[8];            // snow-guarding method
    char hofogo[8];             // snow-guard type
    int32_t csrogz;             // storm clips / tile fixings
    int32_t rogkar;             // fix cut tiles with fixing claws
    char vesztesegszorzo[64];   // loss multiplier as the catalogue writes it
    char opt2d[8];              // 2D label option
    int32_t pen1;               // pen of the placed objects, 1-255
    double tile_x;              // tile dimensions of the chosen type, metres
    double tile_y;
    char typ[8];                // first laying mode of the chosen type
    char gcstyp[8];             // first ridge tile of the chosen type
    int16_t layer;              // layer index of the placed objects
};

extern TileSettings gTileSettings;

// Resets gTileSettings to the catalogue's first entries, the four options on, pen 2, and the layer
// of the host's default roof element. tile_x, tile_y and typ are left as they are.
void InitTileSettings();

// The tile settings and the main dialog's open sections back to what a fresh load has; true when
// they are.
void ResetTileSettings();
bool TileSettingsReset();

// Opens the main tiling dialog 32501 modally; tileSurfaceLoaded is 1 when a selected tile surface's
// settings were loaded. Returns 1 when closed with OK (gTileSettings then holds the choices).
int16_t TileDialog(int32_t tileSurfaceLoaded);

// The catalogue record of the tile type chosen in an open main dialog (family radio, type pop-up);
// null when that family has no such type.
const TileType* SelectedTileType(int16_t dialID);
