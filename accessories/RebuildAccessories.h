// Purpose: removal of accessory rows: the table compacted to the rows the user keeps.
#pragma once

#include <cstdint>

#include "accessories/AccessoryTable.h"

// One flag per row slot, 1 = the row stays; written by the deletion dialog, all 0 to clear.
extern int32_t gAccessoryKeepFlags[kMaxAccessoryRows];

// Keeps the table's rows whose flag is 1, in order, with their codes and colours; every slot
// after the kept rows becomes zeros and the text lists hold exactly the kept rows' texts.
void RebuildAccessories(AccessoryTable& table, const int32_t keepFlags[kMaxAccessoryRows]);
