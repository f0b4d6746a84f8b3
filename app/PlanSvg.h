// Purpose: the plan drawing of the project as an SVG file: roof planes shaded by the direction
// they face, edges coloured by their type, walls, fills, the placed objects' own plan drawing
// (tile surfaces, ridges, edge setters with their palette, accessories), legend, scale bar, north.
#pragma once

#include <string>

namespace app {

// Writes the plan of the current project to `path`; false with `error` when it cannot be written.
bool WritePlanSvg(const std::string& path, std::string& error);

// The SVG text of the plan of the current project.
std::string PlanSvgText();

// The colour ("#rrggbb") the drawing gives edge type `type` (1..14); grey outside that range.
std::string EdgeTypeColour(int type);

// The compass word ("É", "ÉK", "K", ... in the program's Hungarian) for a plan direction in
// radians measured from the +x axis counterclockwise, with +y pointing north.
std::string CompassWord(double planDirection);

}  // namespace app
