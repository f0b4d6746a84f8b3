// Purpose: the model check: what healing did not or could not repair, listed with element,
// plane and position (near misses, flat and steep planes, crossing roofs, curved roofs given as
// facets, planes too far from flat, rings that cross themselves, roofs already tiled), and the
// pipeline that judges units, heals and checks a model document before the host reads it.
#pragma once

#include <string>

#include "import/ImportModel.h"
#include "import/ModelDoc.h"

namespace import {

// Near misses: two points of different planes nearer than the larger and farther apart than the
// smaller of these (metres) look like a gap drawn by mistake.
constexpr double kNearMissMin = 0.002;
constexpr double kNearMissMax = 0.10;
// Planes flatter than this (degrees) are warned of when the tile type gives no minimum pitch.
constexpr double kDefaultMinPitchDegrees = 10.0;
// Planes steeper than this (degrees) are warned of.
constexpr double kMaxPitchDegrees = 75.0;
// A roof edge longer than this or a wall higher than this (in the file's units) means the model
// was drawn in centimetres or millimetres.
constexpr double kLargestPlausibleSize = 300.0;

// Lists what the scene still holds that the add-on would take wrongly.
void CheckScene(const Scene& scene, double minPitchDegrees, Report& report);

struct LoadOptions {
    bool heal = true;            // --no-heal switches it off
    double unitScale = 0;        // --units: metres per file unit (0.01 for cm, 0.001 for mm); 0 not given
    std::string unitName;        // "cm" or "mm"
    double minPitchDegrees = kDefaultMinPitchDegrees;
};

// Reads "cm", "mm" or "m" into the scale; false for anything else.
bool ParseUnits(const std::string& text, LoadOptions& options);

// Judges the units (scales with --units, refuses a model that looks like centimetres or
// millimetres without it), heals the document in place unless healing is off, and checks it.
// False when the model must be refused; the report says why.
bool PrepareModelDoc(Json& doc, const LoadOptions& options, Report& report);

}  // namespace import
