// Purpose: the edge-setter library part the add-on carries: its identity, its 14 edge types, the
// geometry every script derives from the parameters, and the scripts the host runs for it.
#pragma once

#include <cstdint>

#include "Common_src/Api_related/HostCalls.h"

// The part as the add-on searches it: main identifier with an empty revision.
constexpr const char* kEdgeSetterUnId =
    "{D88B1698-0142-4569-A5BB-E1AD93EE8909}-{00000000-0000-0000-0000-000000000000}";

constexpr int32_t kEdgeTypeCount = 14;          // edge types 1..14 on the palette
constexpr double kDefaultSignSize = 1.5;        // sign diameter on an edge long enough for it
constexpr double kSignScale = 4;                // an edge shorter than 4 signs gets length / 4
constexpr double kTileLineOffset = 0.1;         // side offset of the double line of edges with ridge tiles
constexpr double kSetterLengthTol = 0.0001;     // lengths and hotspot positions closer than this are equal

// Settings dialog buttons (the parameter script receives their ids).
constexpr int32_t kUiButtonFirst = 1500;
constexpr int32_t kUiButtonUp = 1501;
constexpr int32_t kUiButtonDown = 1502;
constexpr int32_t kUiButtonLast = 1503;
constexpr int32_t kUiButtonRowBase = 2000;      // 2000 + row (1..5) selects that row's edge
constexpr int32_t kUiRowsShown = 5;

// The label of an edge type 1..14 as the setter shows it (UTF-8); "" outside that range.
const char* EdgeTypeLabel(int32_t type);

// One edge as the master script sees it, in the object's own coordinates.
struct SetterEdgeShape {
    API_Coord3D start, end;
    double directionDeg = 0;  // plan direction start -> end, 0..360 (0 for a point)
    double planLength = 0;
    double length3D = 0;
    double signSize = 0;
    API_Coord3D signCentre;   // where the circular sign stands
    API_Coord textPos;        // where the edge number stands (when shown)
};

// The sign size of an edge of this plan length: the default size, or a quarter of a short edge.
double SignSizeForLength(double planLength);

// "nEdge" limited to the rows "edgeCoords" really has.
int32_t SetterEdgeCount(API_AddParType** params);

// The master script's figures of edge `index` (0-based); drawingScale converts the edge-number
// font from paper millimetres to model metres.
SetterEdgeShape SetterEdgeGeometry(API_AddParType** params, int32_t index, double drawingScale);

// The palette square a hotspot offset selects: the nearest square to offsetX, counted from the
// square of `apiType` (placed type), limited to 1..14.
int32_t PaletteTypeForOffset(int32_t apiType, double offsetX, double signSize);

// The part's parameter script: a dragged palette hotspot becomes a new edge type, the settings
// dialog's paging, selection and edge-type editing, the pen pairs and the hidden text options.
GSErrCode EdgeSetterParameterScript(API_AddParType** params, const LibPartParamScriptEnv* env);

// The part's 2D script: edge lines, signs with pictograms, the open palette, edge numbers, hotspots.
GSErrCode EdgeSetterDraw2D(API_AddParType** params, const LibPartDrawEnv* env, const LibPartDrawSink* sink);

// The label of an edge type for the type parameters ("edgeStat", "iEdgeStatus", "iApiStatus").
bool EdgeSetterValueText(const char* paramName, double value, char* text, int32_t textSize);

// Registers the scripts with the host for the edge-setter part; called at RegisterInterface.
GSErrCode RegisterEdgeSetterScripts();
