// Purpose: the plan drawing of the project as an SVG file: roof planes shaded by the direction
// they face, edges coloured by their type, walls, fills, the placed objects' own plan drawing
// (tile surfaces, ridges, edge setters with their palette, accessories), legend, scale bar, north.
#pragma once

#include <string>
#include <vector>

#include "app/EdgeFolds.h"
#include "host/Host.h"

namespace app {

// Writes the plan of the current project to `path`; false with `error` when it cannot be written.
bool WritePlanSvg(const std::string& path, std::string& error);

// The SVG text of the plan of the current project.
std::string PlanSvgText();

// The plan as the workbench page shows it: the same picture in far fewer elements (each run of alike
// lines, squares and dots one path, the edges grouped by type) and without the palette's edge
// numbers, which the page draws itself where they can be read.
std::string PagePlanSvgText();

// The drawing `svg` (one element a line) cut into pictures of about `partBytes` each, every one
// the whole sheet with a share of the marks: laid over one another in order they show the drawing,
// and a browser builds each in a task of its own. Groups are never cut.
std::vector<std::string> PlanParts(const std::string& svg, size_t partBytes);

// The drawing `svg` (one element a line) with its lines, squares, dots and outlines made into few
// paths: those of one colour between two other elements gathered by style, those of several
// colours joined where alike ones follow one another, so the picture stays the same.
std::string MergedMarks(const std::string& svg);

// The colour ("#rrggbb") the drawing gives edge type `type` (1..14); grey outside that range.
std::string EdgeTypeColour(int type);

// Text made safe inside an SVG element or attribute.
std::string Escape(const std::string& s);

// The plan points of a 3D ring.
std::vector<API_Coord> Flat(const host::Ring3& ring);

// The downhill plan direction of a roof plane (radians from +x), from its ring's normal.
double DownhillDirection(const host::Ring3& ring);

// The fill of a roof plane facing `dir`: terracotta, lighter the more it faces the light.
std::string PlaneShade(double dir);

// The centroid of a plan ring (its vertex mean when the area vanishes).
API_Coord Centroid(const std::vector<API_Coord>& pts);

// The plan drawing a placed object's library part makes of it as it stands (empty when none).
std::vector<host::DrawPrimitive> PartDrawing(const host::Element& e);

// The plan drawing an object's library part makes of it (empty when its part draws nothing); a
// tile surface draws with the folds of its edges measured on `planes`.
std::vector<host::DrawPrimitive> ObjectDrawing(const host::Element& e, const std::vector<PlaneRing>& planes);

// What a placed object is, by its library part.
enum class ObjectKind { TileSurface, Ridge, EdgeSetter, Other };
ObjectKind KindOf(const host::Element& e);

// One roof edge in plan with its roofer's type (1..14, 0 unknown).
struct PlanEdge {
    API_Coord a, b;
    int type = 0;
};

// The roof edges with their roofer's types: from the roof model the add-on holds (while the palette
// is open), else from the placed tile surfaces; each status named with its planes' fold.
std::vector<PlanEdge> TypedEdges(const std::vector<PlaneRing>& planes);

// The edges of every roof plane in plan, typed where a typed edge lies on them.
std::vector<PlanEdge> RoofEdges(const std::vector<PlanEdge>& typed);

// The compass word ("É", "ÉK", "K", ... in the program's Hungarian) for a plan direction in
// radians measured from the +x axis counterclockwise, with +y pointing north.
std::string CompassWord(double planDirection);

}  // namespace app
