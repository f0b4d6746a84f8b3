// Purpose: the IFC import's user texts (rows 161-200 of the add-on's STRS 140 table) and their
// placeholders %1 ... %9.
#pragma once

#include <string>
#include <vector>

namespace ifcimport {

// Rows of the user-text table used by the import.
enum IfcText : int {
    kTxtImportHeader = 161,      // IFC-importálás: %1
    kTxtRoofHeader = 162,        // Tető „%1” (%2): %3 tetősík
    kTxtRoofPlane = 163,         // %1. sík: hajlásszög, terület, lyukak, lejtésirány
    kTxtRoofNoSurface = 164,     // an element of a roof without a top surface
    kTxtFaceTooNarrow = 165,     // a gutter or trim face dropped
    kTxtWallsRead = 166,         // %1 fal beolvasva
    kTxtWallNoFootprint = 167,   // a wall without a plan outline
    kTxtStoreyNoElevation = 168, // a storey without elevation, and where its level came from
    kTxtTrueNorth = 169,         // the north angle
    kTxtOriginShift = 170,       // the shift to a local origin
    kTxtIgnoredTypes = 171,      // elements of other types, counted
    kTxtNotIfc = 172,
    kTxtTruncated = 173,
    kTxtNoRoofs = 174,
    kTxtMesherNotStarted = 175,
    kTxtMesherFailed = 176,
    kTxtMesherOutputBad = 177,
    kTxtOpeningCut = 178,        // an opening cut as a hole into a plane
    kTxtOpeningMissed = 179,     // an opening that crosses no roof plane
    kTxtChimneyWall = 180,       // a chimney read as a wall
    kTxtCannotRead = 181,
    kTxtCrs = 182,
    kTxtNoRoofPlanes = 183,
    kTxtLevelFromPlacement = 184,
    kTxtLevelFromElements = 185,
    kTxtPartNotRoof = 186,       // parts of a roof of a type that carries no roof surface, counted
    kTxtReading = 187,           // progress: the mesh stage is running
    kTxtLayerUnder = 188,        // a plane of one part lying under a parallel plane of another
    kTxtCannotWrite = 189,       // the model or report file cannot be written
};

// The text of `row` with %1, %2, ... replaced by `args`.
std::string IfcMessage(IfcText row, const std::vector<std::string>& args = {});

}  // namespace ifcimport
