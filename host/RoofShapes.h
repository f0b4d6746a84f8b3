// Purpose: generated roofs for everyday use: gable, shed and hip roofs on a rectangle, and hip
// roofs on any simple footprint with holes, turned into explicit top planes.
#pragma once

#include <string>
#include <vector>

#include "host/Model.h"

namespace host {

struct RoofShapeInput {
    std::string shape;                        // "gable", "shed", "hip", "halfHip", "mansard" or "crossGable"
    std::vector<API_Coord> footprint;         // plan ring, open or closed, either orientation
    std::vector<std::vector<API_Coord>> holes;  // "hip" only: courtyards the planes fall towards
    // Openings (chimneys, skylights): plan rings cut through whichever plane they fall on.
    std::vector<std::vector<API_Coord>> openings;
    double pitchDegrees = 30;                 // one pitch for every plane, 0 < pitch < 90
    double eaveLevel = 0;                     // z of the eaves
    // Half-hip: the hipped top of each gable, by its height (metres) or by its fraction of the rise
    // from eaves to ridge (0: not given; neither given: a third), and its pitch (0: `pitchDegrees`).
    double hipHeight = 0, hipFraction = 0, hipPitchDegrees = 0;
    // Mansard: `pitchDegrees` is the steep lower planes' pitch; the flat upper planes' pitch (0: half
    // of it) and the height of the slope break above the eaves (0: where the lower planes reach a
    // sixth of the width in).
    double upperPitchDegrees = 0, breakHeight = 0;
};

// Builds the top planes of a generated roof. On failure `planes` is untouched and `error` says why.
// Gable (and half-hip, its gable tops hipped back): the ridge runs along the longer sides, at the
// middle. Mansard: a steep lower plane on every side up to a level slope break, a flat hip roof
// above it. Cross-gable: on an L or T footprint of right angles, the wider wing's gable roof runs
// through and the other wings' gables run into its sides along valleys. Shed: the eave is the footprint's
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
