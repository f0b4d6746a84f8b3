// Purpose: the native scripts of the replacement object library's parts (plan drawing and
// quantities of the tile-surface and ridge objects), registered with the host.
#pragma once

namespace objectlib {

constexpr const char* kTileSurfaceMainId = "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}";
constexpr const char* kRidgeMainId = "{9B413C5B-C63B-4027-BE0A-00222534F9FF}";

// Registers the scripts of both parts with the host (once per process is enough).
void RegisterObjectLibScripts();

}  // namespace objectlib
