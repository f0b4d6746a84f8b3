// Purpose: the native scripts of the tile-surface and ridge parts of TevaroTmp.lib.
//
// The parts draw their plan symbol and count their quantities from the parameters the add-on
// writes; the tile surface's scripts are in TileSurfaceScripts, the ridge's in RidgeScripts.
#include "objectlib/ObjectLibScripts.h"

#include "host/Host.h"
#include "objectlib/RidgeScripts.h"
#include "objectlib/TileSurfaceScripts.h"

namespace objectlib {

void RegisterObjectLibScripts() {
    host::NativeScripts tile;
    tile.draw2D = DrawTileSurface;
    tile.quantities = TileSurfaceQuantities;
    host::RegisterNativeScripts(kTileSurfaceMainId, tile);
    host::NativeScripts ridge;
    ridge.draw2D = DrawRidge;
    ridge.quantities = RidgeQuantities;
    host::RegisterNativeScripts(kRidgeMainId, ridge);
}

}  // namespace objectlib
