// Purpose: the accessory and solar run on the selected tile surface's accessory table.
#include "accessories/AccessoryRun.h"

// Not built yet: every mode leaves the tile surface as it is.
GSErrCode AccessoryRun(int32_t) { return NoError; }
