// Purpose: the accessory table a tile surface carries in its parameters ("num_acc", "acces",
// "cod_acc", "mat_acc"): the working copy, its reading from and writing onto the object's list.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Common_src/Api_related/HostTypes.h"

constexpr int32_t kMaxAccessoryRows = 100;
constexpr int32_t kAccessoryRowValues = 6;
constexpr size_t kAccessoryTextBufferSize = 3200;  // the code list and the colour list, each

// Row kinds (value 0 of a row).
constexpr double kAccessorySinglePiece = 1;
constexpr double kAccessoryRowOfPieces = 2;

// One accessory, collector or panel on a tile surface, in the surface's own frame (metres; y
// measured on the slope). A single piece has its row end and spacing 0.
struct AccessoryRow {
    double kind;          // 1 single piece, 2 a row of pieces
    double startX;        // along the object's angle direction, from its position
    double startY;        // along angle + 90 degrees, on the slope
    double endX;          // the row's end (rows); 0 for a single piece
    double endY;          // always startY for a row; 0 for a single piece
    double everyNthTile;  // rows: a piece every that many tiles; 0 for a single piece
};
static_assert(sizeof(AccessoryRow) == kAccessoryRowValues * sizeof(double));

// The working copy of the four accessory parameters: rows, count, and the code and colour of
// each row as zero-terminated 8-bit texts one after the other.
struct AccessoryTable {
    AccessoryRow rows[kMaxAccessoryRows];
    int32_t count;                           // m, 0..100
    char codes[kAccessoryTextBufferSize];    // m texts, in row order
    char colours[kAccessoryTextBufferSize];  // m texts, in row order
};

extern AccessoryTable gAccessoryTable;

// What the run reads besides the table from the tile surface's parameters.
struct TileSurfaceAccessoryInfo {
    char fam[32];  // code of its tile type
    double alpha;  // its slope, radians
};

// Empties the table: no rows, every row value 0, both text lists empty.
void ClearAccessoryTable(AccessoryTable& table);

// The k-th text of a list of zero-terminated texts (0-based); "" when the list holds fewer.
const char* AccessoryListText(const char* list, size_t listSize, int32_t k);

// Appends a text (cut to what is left of the buffer) behind the first `textsBefore` texts of a
// list; false when not even its terminator fits.
bool AppendAccessoryListText(char* list, size_t listSize, int32_t textsBefore, const char* text);

// Reads the first `walkCount` parameters of an object's list into the table and the info
// ("fam", "alpha", "num_acc", "acces", "cod_acc", "mat_acc"). A missing parameter leaves its part
// empty; the row count is kept within 0..100.
void ReadAccessoryParams(API_AddParType** params, int32_t walkCount, AccessoryTable& table,
                         TileSurfaceAccessoryInfo& info);

// Writes the table onto the first `walkCount` parameters: "num_acc" = m, "acces" m x 6, "cod_acc"
// and "mat_acc" m x 1; an empty table is stored as 0, one row of zeros and one empty text each.
// False when the host has no memory for an array.
bool WriteAccessoryParams(API_AddParType** params, int32_t walkCount, const AccessoryTable& table);
