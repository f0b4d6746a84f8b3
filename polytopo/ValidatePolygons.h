// Purpose: the validation sequence of the polygon set: duplicates, planarity, contours, orientation.
#pragma once

#include "polytopo/PolygonSet.h"

// Runs the whole sequence (duplicates, coincident vertices, planarity, node insertion, contour
// numbering, vertex order). Problems are logged in the set; false when the set cannot be used.
bool ValidatePolygons(PolygonSet& set);

// True when two polygons list the same vertices in the same order; reports message 86 then.
bool CheckDuplicates(PolygonSet& set);

// Takes the plane of polygon p from its vertex triples (point, normal, upNormal, pitch).
bool CheckPlanarity(PolygonSet& set, uint32_t p);

// Numbers the contours of every polygon and marks hole vertices; false when a polygon has none.
bool NumberContours(PolygonSet& set);

// Signed area of a contour seen from above (positive counter-clockwise); 0 when not found.
double ContourArea(PolygonSet& set, uint32_t p, uint32_t contour);

// Turns outer contours counter-clockwise and holes clockwise, and stores the polygon's area.
bool CheckVertexOrder(PolygonSet& set, uint32_t p);

// Reverses the order of a contour's vertices; the contour stays closed.
bool ReverseContour(PolygonSet& set, uint32_t p, uint32_t contour);
