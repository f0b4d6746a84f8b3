// Purpose: the accessory, solar and deletion dialogs (being written; for now they cancel).
#include "dialogs/AccessoryChoice.h"

AccessoryChoice gAccessoryChoice;

int16_t AccessoryDialog(const TileType*) { return 2; }
int16_t SolarDialog(int32_t) { return 2; }
int16_t DeleteAccessoryDialog(const TileType*, int32_t, const char*, int32_t*) { return 2; }
