// Purpose: the rows of the program's user texts (string list 140, rows 121-160) that the healing
// report and the model check print.
#pragma once

namespace import {

constexpr int kTextResId = 140;

// Healing: what was changed.
constexpr int kRowSummary = 121;          // one-line summary of a load
constexpr int kRowPlanarized = 122;       // plane projected onto its best-fit plane
constexpr int kRowSnapped = 123;          // vertices of neighbouring planes pulled together
constexpr int kRowOntoEdge = 124;         // vertex put onto another plane's edge
constexpr int kRowOntoWall = 125;         // roof edge moved onto a wall face
constexpr int kRowDuplicate = 126;        // repeated point dropped
constexpr int kRowCollinear = 127;        // point on a straight run dropped
constexpr int kRowMerged = 128;           // coplanar neighbour merged in
constexpr int kRowSplit = 129;            // self-touching ring split
constexpr int kRowScaled = 130;           // model scaled to metres (--units)
// The model check.
constexpr int kRowUnits = 131;            // element sizes suggest cm or mm: refused
constexpr int kRowNearMiss = 132;         // near-miss vertices not joined
constexpr int kRowFlat = 133;             // plane flatter than the limit
constexpr int kRowSteep = 134;            // plane steeper than the limit
constexpr int kRowCrossing = 135;         // plane passes through another roof's plane
constexpr int kRowFacets = 136;           // curved roof given as many small facets
constexpr int kRowNotPlanar = 137;        // plane too far from flat to repair
constexpr int kRowSelfCrossing = 138;     // ring crosses itself
constexpr int kRowLoadFailed = 139;       // the model was refused by the loader
constexpr int kRowClean = 140;            // nothing to report
constexpr int kRowChangeWord = 141;       // "javítás"
constexpr int kRowWarningWord = 142;      // "figyelmeztetés"
constexpr int kRowErrorWord = 143;        // "hiba"
constexpr int kRowNoHeal = 144;           // healing switched off
constexpr int kRowNearEdge = 145;         // vertex near another plane's edge, not joined
constexpr int kRowCrossingTrimmed = 146;  // crossing planes trimmed
constexpr int kRowProgress = 147;         // import progress line
constexpr int kRowImported = 148;         // import summary
constexpr int kRowNoRoofs = 149;          // a building without roof surfaces
constexpr int kRowUnknownFormat = 150;    // file format not recognised
constexpr int kRowWallAdded = 151;        // wall surface above a roof edge kept as a wall
constexpr int kRowAlreadyTiled = 152;     // roof already carries tile surfaces

}  // namespace import
