// Purpose: the generated roofs of more than one pitch or more than one wing (half-hip, mansard,
// cross-gable), built beside the simple ones; GenerateRoofPlanes calls them.
#pragma once

#include <string>
#include <vector>

#include "host/RoofShapes.h"

namespace host {

// Each builds the top planes of its shape from a footprint already cleaned of repeated and
// straight-run points (a rectangle for the half-hip and the mansard); false with `error` naming
// the key that is wrong.
bool HalfHipRoof(const RoofShapeInput& in, const std::vector<API_Coord>& fp, std::vector<RoofPlaneShape>& planes,
                 std::string& error);
bool MansardRoof(const RoofShapeInput& in, const std::vector<API_Coord>& fp, std::vector<RoofPlaneShape>& planes,
                 std::string& error);
bool CrossGableRoof(const RoofShapeInput& in, const std::vector<API_Coord>& fp, std::vector<RoofPlaneShape>& planes,
                    std::string& error);

// A 3D ring turned to run anticlockwise seen from above.
Ring3 OrientedUpRing(const Ring3& ring);

}  // namespace host
