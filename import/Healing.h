// Purpose: healing of a model before the add-on sees it: the distances healing works within and
// the steps it runs (planarize, snap, join near misses, onto wall faces, drop collinear and
// duplicate points, merge coplanar pieces, split self-touching rings), each change reported.
#pragma once

#include "import/ImportModel.h"

namespace import {

// Points of neighbouring planes (or a point and an edge, or a roof edge and a wall face) nearer
// than this in 3D are joined: a 2 cm gap in plan between two 40-degree planes is 2.6 cm in 3D.
constexpr double kJoinDistance = 0.03;
// A plane whose points lie within this distance of their best-fit plane is projected onto it.
constexpr double kPlanarityTolerance = 0.02;
// The model loader's own limit on a plane's flatness: a plane within it loads as it is and is
// left alone (projecting it would tilt edges that are level or on the fall line); beyond it,
// up to the planarity tolerance, healing projects it.
constexpr double kLoaderFlatness = 0.001;
// Two points of one ring nearer than this are one point.
constexpr double kDuplicatePointDistance = 0.001;
// A point nearer than this to the line of its two neighbours lies on a straight run.
constexpr double kCollinearOffset = 0.001;
// Moves smaller than this are the rounding of a file written with a few decimals, not a change:
// exact models come out untouched.
constexpr double kNegligibleMove = 5e-5;
// Two neighbouring planes whose normals differ by less than this (degrees) are one plane.
constexpr double kCoplanarAngleDegrees = 0.5;

// The steps, each on its own; every change goes to `report`. Only roofs with explicit planes are
// touched; a roof that changed has `changed` set.
void DropDuplicateAndCollinearPoints(Scene& scene, Report& report);
void SplitSelfTouchingRings(Scene& scene, Report& report);
void PlanarizeFaces(Scene& scene, Report& report);
void SnapVertices(Scene& scene, Report& report);
void JoinNearMisses(Scene& scene, Report& report);
void MoveEdgesOntoWallFaces(Scene& scene, Report& report);
void MergeCoplanarFaces(Scene& scene, Report& report);
// Cuts away the part of every plane that lies under another roof's plane (generated roofs that
// are trimmed become roofs with explicit planes).
void TrimCrossingRoofs(Scene& scene, Report& report);
// Makes the planes of every roof healing changed flat again, moving points only up or down and
// keeping every point the planes share in one place (healing a healed model changes nothing).
void SettleChangedPlanes(Scene& scene, Report& report);

// Runs every step in order.
void HealScene(Scene& scene, Report& report);

}  // namespace import
