// Purpose: the accessory and solar run on the selected tile surface's accessory table.
#pragma once

#include "Common_src/Api_related/HostTypes.h"

// Adds, deletes or clears accessory rows of selectedTileSurface; mode is an AccessoryRunMode.
GSErrCode AccessoryRun(int32_t mode);
