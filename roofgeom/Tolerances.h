// Purpose: the tolerances several roof modules compare with, each defined once.
//
// The roof model, the point insertion, the topology engine and the placement all depend on
// exactly these values; whether a comparison includes its bound is the caller's rule, written at
// the comparison. A tolerance used by one module only stays in that module, named there.
#pragma once

#include "roofgeom/Geometry.h"

// Metres: two plan points are one when each coordinate differs by less than this.
constexpr double kPlanPointEqualTol = 0.001;

// Metres: two 3D points are one when each coordinate differs by no more than this.
constexpr double kPointEqualTol3D = 0.01;

// A unit normal whose z part is smaller than this in size belongs to a vertical plane (no
// upward gradient, no plan area).
constexpr double kVerticalNormalZ = 1e-5;

// A vector (or a unit vector's plan part) shorter than this has no direction: an angle against
// it counts as 0 and a normal this short makes no plane.
constexpr double kZeroVectorLength = 1e-5;

// A vector shorter than this is not normalised and tells no side of a face.
constexpr double kShortVectorLength = 0.01;

// Two directions are the same (or opposite) within this angle, in degrees and in radians.
constexpr double kAngleEqualTolDeg = 0.01;
constexpr double kAngleEqualTolRad = kAngleEqualTolDeg * kPi / kHalfTurnDeg;
