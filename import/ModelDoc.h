// Purpose: a model file's JSON seen as a scene for healing and the check: roofs' planes and
// walls read out of the document, healed planes written back into it, and the document scaled
// when it was drawn in centimetres or millimetres.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "host/Model.h"
#include "import/ImportModel.h"

namespace import {

using Json = nlohmann::ordered_json;

// Reads the roofs (explicit planes as they are, generated shapes built into planes) and walls of
// a model document. Malformed parts are skipped: the model loader names them.
Scene SceneFromDoc(const Json& doc);

// The roofs and walls of a loaded model (the project as it is now).
Scene SceneFromModel(const host::Model& model);

// Writes the planes of every roof that healing changed back into the document.
void WriteHealedRoofs(const Scene& scene, Json& doc);

// The longest roof edge and the highest wall of the document (metres if the file is in metres).
void LargestSizes(const Json& doc, double& longestRoofEdge, double& highestWall);

// Multiplies every length of the document (levels, points, heights, thicknesses) by `factor`.
void ScaleDoc(Json& doc, double factor);

}  // namespace import
