// Purpose: the accessory, solar and accessory-deletion dialogs (32507, 32508, 32509, 32503) and the
// choice they hand to the accessory run.
#pragma once

#include <cstdint>

#include "catalogue/Catalogue.h"

constexpr int kMaxPlacedAccessories = 100;

// Written by dialogs 32507-32509 on OK, read by the accessory run after the dialog has closed.
struct AccessoryChoice {
    char accessoryCode[8];     // chosen accessory, collector or panel
    char colourCode[8];        // handed on as the accessory's colour
    int32_t singly;            // 1: piece by piece, 0: a row
    int32_t betweenTwoPoints;  // 1: a row between a start and an end point
    int32_t count;             // pieces in a row, 1-255
    int32_t everyNthTile;      // spacing of a row in tiles, 1-255
    int32_t accepted;          // 1 after OK in 32507-32509; 0 after OK in 32503
};

extern AccessoryChoice gAccessoryChoice;

// The choice and the open accessory dialog's scratch back to none; true when they are.
void ResetAccessoryDialogs();
bool AccessoryDialogsReset();

// Dialog 32507: the accessories of the tile surface's tile type. Returns 1 (OK) or 2 (Cancel).
int16_t AccessoryDialog(const TileType* tileType);

// Dialogs 32508 (mode 4, solar collectors) and 32509 (mode 5, solar panels). Returns 1 or 2.
int16_t SolarDialog(int32_t mode);

// Dialog 32503: lists the accessories on a tile surface (their codes zero-terminated one after
// another, in placement order) and lets the user mark those to delete. On OK keepFlags[r] is 1 for
// every row left unmarked and 0 otherwise (all 100 written). Returns 1 (OK) or 2 (Cancel).
// The handler of dialog 32503 (used by DeleteAccessoryDialog).
int16_t DialKieg_Handler(int16_t message, int16_t dialID, int16_t item, intptr_t userData, const struct DGMessageData* data);

int16_t DeleteAccessoryDialog(const TileType* tileType, int32_t placedAccessoryCount,
                              const char* placedAccessoryCodes, int32_t keepFlags[kMaxPlacedAccessories]);
