// Purpose: the accessory and solar run on the selected tile surface's accessory table.
#pragma once

#include "Common_src/Api_related/HostTypes.h"

// Adds, deletes or clears accessory rows of a tile surface; mode is an AccessoryRunMode. Modes 1,
// 2, 4, 5 work on gState.selectedTileSurface; mode 3 (clearing before a modification) works on
// gState.modifiedTileSurface when getCserep found one, else on selectedTileSurface. Returns 0 also
// when the user cancels a dialog or the tile type is unknown; APIERR_GENERAL when the object
// cannot be read or 100 rows are full; the host's code of a cancelled point input or a refused
// parameter change; APIERR_MEMFULL when the table cannot be written.
GSErrCode AccessoryRun(int32_t mode);
