// Purpose: roofs that already carry tiles. One detection that the tiling run uses (it warns and
// lets the user replace the old tiling or keep it) and that a model check can call to list them.
#pragma once

#include <cstdint>

#include "Common_src/Api_related/HostArray.h"
#include "roofgeom/RoofModel.h"

// True when an object standing at plan point `pos`, turned by `angle`, is where the placement puts
// the tile surface of `plane`: on the plane's first vertex, along the plane's own frame.
bool StandsOnPlane(const API_Coord& pos, double angle, const RoofPlane& plane);

// True when both ends of a line from `from` along `angle`, `length` long in plan, lie on the outline
// of a plane of the roof `roofGuid` in the roof model: a ridge object placed on that roof.
bool LiesOnRoofOutline(const API_Coord& from, double angle, double length, const API_Guid& roofGuid);

// The tile surfaces and ridge objects in the project that a tiling of the roof `roofGuid` placed;
// the roof's planes must be in the roof model (ExtractRoof). `surfaces` receives how many of them
// are tile surfaces. False when the host fails (reported once, here).
bool FindRoofTiling(const API_Guid& roofGuid, HostArray<API_Elem_Head>& objects, uint32_t& surfaces);

// The tiling run's question for a roof just read: when it already carries tile surfaces, the report
// window says so and the user chooses to replace them (they are deleted with the roof's ridge
// objects; true) or to keep them (false: the run stops, the modification command changes them).
// False also when the host fails (reported).
bool ReplaceEarlierTiling(const API_Guid& roofGuid);
