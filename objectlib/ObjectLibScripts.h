// Purpose: the native scripts of the replacement object library's parts (plan drawing and
// quantities of the tile-surface and ridge objects), registered with the host.
#pragma once

#include "Common_src/LibPartIds.h"

namespace objectlib {

using ::kRidgeMainId;        // the parts this library's scripts serve
using ::kTileSurfaceMainId;

// Registers the scripts of both parts with the host (once per process is enough).
void RegisterObjectLibScripts();

}  // namespace objectlib
