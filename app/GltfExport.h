// Purpose: the project as a glTF 2.0 scene for a 3D viewer: roof planes (holes cut out), walls as
// prisms, fills on the ground, tile surfaces' outlines and tile courses, ridge objects and
// accessories laid onto their roof planes. One node per roof plane and per element, named by
// element ID, with the ID in its extras, so a viewer can select what is clicked.
#pragma once

#include <string>
#include <vector>

#include "Common_src/Api_related/HostTypes.h"

namespace app {

// Triangles of a plan polygon with holes (rings not closed, any orientation): index triples into
// the rings' points taken in order (the outer ring's first, then each hole's). Empty when the
// polygon has fewer than three points.
std::vector<int> TriangulatePolygon(const std::vector<std::vector<API_Coord>>& rings);

// The glTF text (JSON, buffer embedded as a data URI) of the current project.
std::string GltfText();

// Writes the glTF of the current project to `path`; false with `error`.
bool WriteGltf(const std::string& path, std::string& error);

// The session line `gltf FILE` (FILE relative to the runner's output folder).
struct SessionRunner;
bool RunGltfLine(SessionRunner& runner, const std::string& line, std::string& error);

}  // namespace app
