// Purpose: modification of a placed tile surface and its ridges with new settings.
#include "placement/ModifyTileSurface.h"

// Not built yet: no tile surface is ever recognised, so the tile command always tiles roofs.
int32_t getCserep() { return 0; }

void DoModify() {}
