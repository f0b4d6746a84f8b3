// Purpose: removal of accessory rows: the table compacted to the rows the user keeps.
#include "accessories/RebuildAccessories.h"

#include <cstring>

int32_t gAccessoryKeepFlags[kMaxAccessoryRows];

void RebuildAccessories(AccessoryTable& table, const int32_t keepFlags[kMaxAccessoryRows]) {
    char keptCodes[kAccessoryTextBufferSize] = {};
    char keptColours[kAccessoryTextBufferSize] = {};
    int32_t kept = 0;
    // Only the rows the table holds can be kept: a stray flag past them adds no empty row.
    for (int32_t k = 0; k < table.count && k < kMaxAccessoryRows; ++k) {
        if (keepFlags[k] != 1) continue;
        table.rows[kept] = table.rows[k];
        AppendAccessoryListText(keptCodes, sizeof keptCodes, kept,
                                AccessoryListText(table.codes, sizeof table.codes, k));
        AppendAccessoryListText(keptColours, sizeof keptColours, kept,
                                AccessoryListText(table.colours, sizeof table.colours, k));
        ++kept;
    }
    for (int32_t k = kept; k < kMaxAccessoryRows; ++k) table.rows[k] = AccessoryRow{};
    std::memcpy(table.codes, keptCodes, sizeof keptCodes);
    std::memcpy(table.colours, keptColours, sizeof keptColours);
    table.count = kept;
}
