// Purpose: the interactive picking of an accessory's point or a row's start and end on the roof,
// with the rubber-band rectangle that shows the accessory's size at the cursor.
#include "accessories/PickAccessoryPoints.h"

#include <cstdio>

#include "Common_src/Api_related/HostCalls.h"
#include "Common_src/Messages.h"
#include "accessories/AccessoryFrame.h"

AccessoryPick gAccessoryPick;

namespace {

constexpr int32_t kMsgPickStart = 49;  // "Adja meg a kiegészítö kezdöpontját!"
constexpr int32_t kMsgPickEnd = 50;    // "Adja meg a kiegészítö végpontját!"

// What the rubber-band callbacks draw with: the host gives them nothing but the cursor.
struct RubberBandSettings {
    double angle = 0;
    double width = 0;
    double height = 0;
};
RubberBandSettings gRubberBand;

// Draws a closed outline of five points as four host rubber lines at the cursor's height.
void DrawOutline(const Coord2 outline[5], double z) {
    for (int i = 0; i < 4; ++i) {
        API_RubberLineType line{};
        line.c1 = API_Coord3D{outline[i].x, outline[i].y, z};
        line.c2 = API_Coord3D{outline[i + 1].x, outline[i + 1].y, z};
        ACAPI_Interface(APIIo_DrawRubberLineID, &line);
    }
}

// Rubber band of a single point: the accessory's rectangle with a corner at the cursor.
void DrawRectangleAtCursor(const API_RubberLineInfo* info) {
    if (info == nullptr) return;
    Coord2 outline[5];
    AccessoryRubberRectangle({info->actCoord.x, info->actCoord.y}, gRubberBand.angle, gRubberBand.width,
                             gRubberBand.height, outline);
    DrawOutline(outline, info->actCoord.z);
}

// Rubber band of a row's end: the row from the start to the cursor's projection, one tile high.
void DrawRowToCursor(const API_RubberLineInfo* info) {
    if (info == nullptr) return;
    const AccessoryRowEnd rowEnd =
        ProjectAccessoryRowEnd(gAccessoryPick.start, gRubberBand.angle, {info->actCoord.x, info->actCoord.y});
    gAccessoryPick.end = rowEnd.end;
    gAccessoryPick.sigma = rowEnd.sigma;
    Coord2 outline[5];
    AccessoryRubberRectangle(gAccessoryPick.start, gRubberBand.angle, rowEnd.length, gRubberBand.height, outline);
    DrawOutline(outline, info->actCoord.z);
}

// One host point input with a prompt row and a rubber-band callback; the picked plan point.
GSErrCode AskPoint(int32_t promptRow, RubberLineInfoProc rubberBand, Coord2& picked) {
    API_GetPointType point{};
    std::snprintf(point.prompt, sizeof point.prompt, "%s", GetMessage(promptRow));
    const GSErrCode err = ACAPI_Interface(APIIo_GetPointID, &point, reinterpret_cast<void*>(rubberBand));
    if (err != NoError) return err;
    picked = {point.pos.x, point.pos.y};
    return NoError;
}

}  // namespace

GSErrCode PickAccessoryPoint(double angle, double width, double height) {
    gRubberBand = RubberBandSettings{angle, width, height};
    return AskPoint(kMsgPickStart, DrawRectangleAtCursor, gAccessoryPick.start);
}

GSErrCode PickAccessoryRow(double angle, double tileX, double tileY) {
    gRubberBand = RubberBandSettings{angle, tileX, tileY};
    GSErrCode err = AskPoint(kMsgPickStart, DrawRectangleAtCursor, gAccessoryPick.start);
    if (err != NoError) return err;
    gAccessoryPick.end = gAccessoryPick.start;
    gAccessoryPick.sigma = 1;
    Coord2 picked;
    err = AskPoint(kMsgPickEnd, DrawRowToCursor, picked);
    if (err != NoError) return err;
    // The row ends where the picked point projects, whether or not the cursor was last drawn there.
    const AccessoryRowEnd rowEnd = ProjectAccessoryRowEnd(gAccessoryPick.start, angle, picked);
    gAccessoryPick.end = rowEnd.end;
    gAccessoryPick.sigma = rowEnd.sigma;
    return NoError;
}

void ResetAccessoryPick() {
    gAccessoryPick = AccessoryPick{};
    gRubberBand = RubberBandSettings{};
}

bool AccessoryPickReset() {
    const AccessoryPick none;
    const bool pickNone = gAccessoryPick.start.x == none.start.x && gAccessoryPick.start.y == none.start.y &&
                          gAccessoryPick.end.x == none.end.x && gAccessoryPick.end.y == none.end.y &&
                          gAccessoryPick.sigma == none.sigma;
    const bool bandNone = gRubberBand.angle == 0 && gRubberBand.width == 0 && gRubberBand.height == 0;
    return pickNone && bandNone;
}
