// Purpose: the main tiling dialog 32501 and TileSettings (being written; for now the defaults).
#include <cstring>

#include "dialogs/TileSettings.h"

TileSettings gTileSettings;

void InitTileSettings() {
    gTileSettings.wingtile = 1;
    gTileSettings.auto_acc = 1;
    gTileSettings.csrogz = 1;
    gTileSettings.rogkar = 1;
    gTileSettings.pen1 = 2;
    gTileSettings.layer = 1;
}

int16_t TileDialog(int32_t) { return 2; }

const TileType* SelectedTileType(int16_t) { return nullptr; }
