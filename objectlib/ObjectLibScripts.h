// Purpose: the native scripts of the replacement object library's parts (plan drawing and
// quantities of the tile-surface and ridge objects), registered with the host.
#pragma once

#include "Common_src/LibPartIds.h"

namespace objectlib {

using ::kRidgeMainId;        // the parts this library's scripts serve
using ::kTileSurfaceMainId;

// Product codes the tile surface counts that the catalogue does not list: the storm clip (one per
// tile laid) and the clip of a cut tile; the endings that turn a tile code into its left- and
// right-hand edge tile ("HULA" -> "HULA-B", "HULA-J").
constexpr const char* kStormClipCode = "VIHK";
constexpr const char* kCutTileClipCode = "VAGK";
constexpr const char* kLeftEdgeTileSuffix = "-B";
constexpr const char* kRightEdgeTileSuffix = "-J";

// Registers the scripts of both parts with the host (once per process is enough).
void RegisterObjectLibScripts();

}  // namespace objectlib
