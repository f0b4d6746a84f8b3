// Purpose: generated roofs for everyday use: gable, shed and hip roofs on a rectangle, and hip
// roofs on any simple footprint with holes, turned into explicit top planes.
#pragma once

#include <string>
#include <vector>

#include "host/Model.h"

namespace host {

struct RoofShapeInput {
    std::string shape;                        // "gable", "shed" or "hip"
    std::vector<API_Coord> footprint;         // plan ring, open or closed, either orientation
    std::vector<std::vector<API_Coord>> holes;  // "hip" only: courtyards the planes fall towards
    // Openings (chimneys, skylights): plan rings cut through whichever plane they fall on.
    std::vector<std::vector<API_Coord>> openings;
    double pitchDegrees = 30;                 // one pitch for every plane, 0 < pitch < 90
    double eaveLevel = 0;                     // z of the eaves
};

// Builds the top planes of a generated roof. On failure `planes` is untouched and `error` says why.
// Gable: the ridge runs along the longer sides, at the middle. Shed: the eave is the footprint's
// first edge, the plane rises across the rectangle. Hip: one plane per footprint and hole edge
// from the straight skeleton; planes over hole edges fall towards the hole. Footprint points on a
// straight run of the outline are dropped first (they would split a plane in two). Each opening
// becomes a hole of the plane it lies in, at that plane's height; an opening that does not lie
// within one plane is refused.
bool GenerateRoofPlanes(const RoofShapeInput& input, std::vector<RoofPlaneShape>& planes, std::string& error);

// The largest distance of a plane's points (outer ring and holes) from the plane of its outer ring.
double PlaneFlatness(const RoofPlaneShape& plane);

// True when the plan point lies strictly inside the plan outline of a 3D ring (even-odd rule).
bool PlanInside(const API_Coord& p, const Ring3& ring);

// The largest plane flatness a roof's planes may have (generated planes are built to it).
constexpr double kGeneratedPlaneFlatnessTol = 1e-9;

}  // namespace host
