// Purpose: the parameter names of the library parts that more than one piece reads or writes: the
// add-on writes them, the parts' scripts (the edge setter in edges/, the tile surface and ridge in
// objectlib/) read them, the host stand-in and the program look at them. The names are the parts'
// own (objectlib/TevaroTmp.lib.json, resources/LIBP_128.json); a test holds them to those files.
#pragma once

// ---- Tile surface --------------------------------------------------------------------------------
constexpr const char* kParamEdgeStatuses = "stat";        // each contour edge's status
constexpr const char* kParamNodes = "nodes";              // the plane's outline in its own frame
constexpr const char* kParamSurfaceArea = "surf";         // the plane's area
constexpr const char* kParamAccessories = "acces";        // the accessory table: rows of pieces
constexpr const char* kParamAccessoryCount = "num_acc";   // rows of the accessory table in use
constexpr const char* kParamAccessoryCodes = "cod_acc";   // each row's product code
constexpr const char* kParamAccessoryColours = "mat_acc"; // each row's colour code
constexpr const char* kParamPitch = "alpha";              // the pitch: the plane's (tile surface), the ridge line's (ridge)
constexpr const char* kParamTileFamily = "fam";           // the tile type's code
constexpr const char* kParamTileColour = "color";         // the tile colour's code
constexpr const char* kParamEdgeTiles = "wingtile";       // edge tiles on verges
constexpr const char* kParamAutoAccessories = "auto_acc"; // accessories placed automatically
constexpr const char* kParamSnowGuarding = "hofogas";     // snow-guarding method
constexpr const char* kParamSnowGuard = "hofogo";         // snow-guard type
constexpr const char* kParamTileWidth = "tile_x";         // the tile's width
constexpr const char* kParamTileHeight = "tile_y";        // the tile's height
constexpr const char* kParamPen = "pen1";                 // pen of the drawing (tile surface and ridge)
constexpr const char* kParamLossMultiplier = "vesztesegszorzo";  // loss multiplier (tile surface and ridge)

// ---- Ridge ---------------------------------------------------------------------------------------
constexpr const char* kParamRidgeStartStatus = "stat1";   // the status of the ridge's start end
constexpr const char* kParamRidgeEndStatus = "stat2";     // the status of the ridge's far end
constexpr const char* kParamRidgeTile = "gcstyp";         // the ridge tile's code
constexpr const char* kParamRidgeColour = "gcolor";       // the ridge tile's colour code

// ---- Edge setter ---------------------------------------------------------------------------------
constexpr const char* kParamEdgeCoords = "edgeCoords";        // each edge's two end points
constexpr const char* kParamEdgeCount = "nEdge";              // the number of edges
constexpr const char* kParamEdgeStatus = "iEdgeStatus";       // each edge's type as the user set it
constexpr const char* kParamApiStatus = "iApiStatus";         // each edge's type as the add-on set it
constexpr const char* kParamSelectedEdgeType = "edgeStat";    // the selected edge's type (settings dialog)
constexpr const char* kParamSelectedEdge = "nSelected";       // the selected edge (settings dialog)
constexpr const char* kParamGroupIndex = "dummyIndex";        // the plane group the setter stands for
constexpr const char* kParamHotspotsX = "edgeHotspotsX";      // each edge's palette hotspot, x
constexpr const char* kParamHotspotsY = "edgeHotspotsY";      // each edge's palette hotspot, y
constexpr const char* kParamHotspotsY2 = "edgeHotspotsY2";    // each edge's second hotspot, y
