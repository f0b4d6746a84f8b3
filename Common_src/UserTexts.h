// Purpose: the add-on's later user texts (string resource 140) and the rows this add-on uses.
#pragma once

#include <cstdint>
#include <string>

constexpr int16_t kUserTextResId = 140;

// Rows of resource 140 that the add-on's own modules show (block 1-40 of the table).
enum UserTextRow : int32_t {
    kTextCatalogueMissing = 1,      // the catalogue file is missing or not a readable file (%s: path)
    kTextCatalogueEmpty = 2,        // the catalogue holds no tile type (%s: path)
    kTextCatalogueBadTileSize = 3,  // a tile type dropped for its size (%s: code, %s: width, %s: length)
    kTextCatalogueBadLoss = 4,      // a loss multiplier dropped (%s: text, %g: min, %g: max)
    kTextRoofChanged = 5,           // finalization refused: a roof changed meanwhile (%s: element ID)
    kTextWallPolygonFailed = 6,     // host failure reading a wall's polygon
    kTextUngroupFailed = 7,         // host failure taking the roofs out of their groups
    kTextRedrawFailed = 8,          // host failure redrawing the plan
    kTextPaletteFailed = 9,         // the edge palette did not open
    kTextPointOutsideSurface = 10,  // an accessory point outside the tile surface's outline
    kTextFillPolygonFailed = 11,    // host failure reading a fill's outline
    kTextDeselectFailed = 12,       // host failure emptying the selection before the setters
};

// The text of one row of resource 140 (a marked placeholder when the row cannot be read).
std::string GetUserText(int32_t row);
