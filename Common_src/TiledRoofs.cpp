// Purpose: roofs that already carry tiles: finding the tile surfaces and ridge objects an earlier
// tiling placed on a roof, and the tiling run's question whether to replace them.
#include "Common_src/TiledRoofs.h"

#include <cmath>
#include <cstdio>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/Messages.h"

namespace {

// An object closer than this to a plane's first vertex stands on it (metres, in plan).
constexpr double kStandTol = 0.01;
// Angles closer than this are one direction (radians).
constexpr double kAngleTol = 1e-4;
// A point closer than this to a plane's outline lies on it (metres, in plan).
constexpr double kOutlineTol = 0.01;
// The user-text table and its rows for an earlier tiling.
constexpr int16_t kTextTableResId = 140;
constexpr int32_t kTextAlreadyTiled = 207;
constexpr int32_t kTextReplaceButton = 208;
constexpr int32_t kTextKeepButton = 209;
constexpr int32_t kTextAlertTitle = 210;
constexpr int32_t kTextReplaced = 211;
constexpr int32_t kTextKept = 212;
// The host's alert kind of a warning.
constexpr int16_t kWarningAlert = 2;
// The first button of the question replaces the earlier tiling.
constexpr int16_t kReplaceAnswer = 1;
// A text of the user-text table.
constexpr int32_t kTextSize = 512;

// Row `row` of the user-text table ("" when missing).
const char* UserText(int32_t row, char (&text)[kTextSize]) {
    if (!RSGetIndString(text, kTextSize, kTextTableResId, row)) text[0] = '\0';
    return text;
}

// The distance in plan from p to the segment a-b.
double DistanceToSegment(const API_Coord& p, const Coord3& a, const Coord3& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// True when p lies on an edge of a plane of the roof.
bool OnRoofOutline(const API_Coord& p, const API_Guid& roofGuid) {
    for (uint32_t r = 0; r < gState.roofPlanes.planes.count; ++r) {
        const RoofPlane& plane = gState.roofPlanes.planes[r];
        if (plane.roofGuid != roofGuid) continue;
        for (uint32_t i = 0; i + 1 < plane.vertexCount; ++i)
            if (DistanceToSegment(p, plane.vertices[i], plane.vertices[i + 1]) < kOutlineTol) return true;
    }
    return false;
}

// True when an object at pos and angle is the tile surface of a plane of the roof.
bool StandsOnRoof(const API_Coord& pos, double angle, const API_Guid& roofGuid) {
    for (uint32_t r = 0; r < gState.roofPlanes.planes.count; ++r) {
        const RoofPlane& plane = gState.roofPlanes.planes[r];
        if (plane.roofGuid == roofGuid && StandsOnPlane(pos, angle, plane)) return true;
    }
    return false;
}

// The element ID of an element ("" when the host does not give it).
void ElementIdText(const API_Guid& guid, char* text, size_t size) {
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    text[0] = '\0';
    if (ACAPI_Element_GetMemo(guid, &memo, APIMemoMask_ElemInfoString) == NoError)
        std::snprintf(text, size, "%s", memo.elemInfoString);
}

}  // namespace

bool StandsOnPlane(const API_Coord& pos, double angle, const RoofPlane& plane) {
    if (std::hypot(pos.x - plane.origin.x, pos.y - plane.origin.y) >= kStandTol) return false;
    const double turn = std::remainder(angle - plane.azimuth, kTwoPi);
    return std::fabs(turn) < kAngleTol;
}

bool LiesOnRoofOutline(const API_Coord& from, double angle, double length, const API_Guid& roofGuid) {
    const API_Coord to{from.x + length * std::cos(angle), from.y + length * std::sin(angle)};
    return OnRoofOutline(from, roofGuid) && OnRoofOutline(to, roofGuid);
}

bool FindRoofTiling(const API_Guid& roofGuid, HostArray<API_Elem_Head>& objects, uint32_t& surfaces) {
    surfaces = 0;
    GSHandle guids = nullptr;
    const HandleGuard guidsGuard(guids);
    GSErrCode err = ACAPI_Element_GetElemList(API_ObjectID, &guids);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgFaultyElement), err);
        return false;
    }
    const int32_t count = HandleCount<API_Guid>(guids);
    bool ok = true;
    for (int32_t i = 0; i < count && ok; ++i) {
        API_Element element{};
        element.header.guid = reinterpret_cast<const API_Guid*>(*guids)[i];
        if (ACAPI_Element_Get(&element) != NoError) continue;  // gone meanwhile: nothing to replace
        API_LibPart libPart{};
        libPart.index = element.object.libInd;
        if (ACAPI_LibPart_Get(&libPart) != NoError) continue;
        const API_Coord pos{element.object.pos.x, element.object.pos.y};
        const bool surface = LibPartIsKind(libPart.ownUnID, kTileSurfaceMainId) &&
                             StandsOnRoof(pos, element.object.angle, roofGuid);
        // a ridge object runs from its position along its angle, its A size long, on the roof's edges
        const bool ridge = LibPartIsKind(libPart.ownUnID, kRidgeMainId) &&
                           LiesOnRoofOutline(pos, element.object.angle, element.object.xRatio, roofGuid);
        if (!surface && !ridge) continue;
        surfaces += surface ? 1 : 0;
        if (!HostArrayAppend(objects, element.header)) {
            ok = false;  // reported by the growth
            break;
        }
    }
    return ok;
}

bool ReplaceEarlierTiling(const API_Guid& roofGuid) {
    ScopedHostArray<API_Elem_Head> objects;
    uint32_t surfaces = 0;
    if (!FindRoofTiling(roofGuid, *objects, surfaces)) return false;
    if (surfaces == 0) return true;
    char roofId[256], format[kTextSize], text[2 * kTextSize];
    ElementIdText(roofGuid, roofId, sizeof roofId);
    std::snprintf(text, sizeof text, UserText(kTextAlreadyTiled, format), roofId, int(surfaces));
    ACAPI_WriteReport(text, false);
    char title[kTextSize], replace[kTextSize], keep[kTextSize];
    const int16_t answer = DGAlert(kWarningAlert, UserText(kTextAlertTitle, title), text, "",
                                   UserText(kTextReplaceButton, replace), UserText(kTextKeepButton, keep), "");
    if (answer != kReplaceAnswer) {
        ACAPI_WriteReport(UserText(kTextKept, format), false);
        return false;
    }
    API_Elem_Head* first = objects->data();
    const GSErrCode err = ACAPI_Element_Delete(&first, int32_t(objects->count));
    const uint32_t removed = objects->count;
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgFaultyElement), err);
        return false;
    }
    std::snprintf(text, sizeof text, UserText(kTextReplaced, format), roofId, int(removed));
    ACAPI_WriteReport(text, false);
    return true;
}
