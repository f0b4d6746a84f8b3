// Purpose: the accessory and solar run on the selected tile surface's accessory table.
#include "accessories/AccessoryRun.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/Messages.h"
#include "accessories/AccessoryFrame.h"
#include "accessories/AccessoryTable.h"
#include "accessories/PickAccessoryPoints.h"
#include "accessories/RebuildAccessories.h"
#include "accessories/SurfaceOutline.h"
#include "Common_src/UserTexts.h"
#include "catalogue/Catalogue.h"
#include "dialogs/AccessoryChoice.h"

namespace {

constexpr const char* kNullRevisionSuffix = "-{00000000-0000-0000-0000-000000000000}";
constexpr intptr_t kRunParamScriptOption = 0x10000000;  // 'RPAS' option value

// The tile surface as the run works on it: its record, its memo and the part's parameter count.
struct TileSurfaceRead {
    API_Element element{};
    API_ElementMemo memo{};
    int32_t paramCount = 0;  // parameters of the library part: the walk length over the object's list
};

// The tile surface the mode works on.
API_Guid TargetTileSurface(int32_t mode) {
    const bool clearingModified = mode == AccessoryMode_ClearAll &&             // clearing before a modification
                                  !IsNullGuid(gState.modifiedTileSurface);  // of the surface the tile command found
    return clearingModified ? gState.modifiedTileSurface : gState.selectedTileSurface;
}

// Reads the object, its parameters and the tile-surface part's parameter count; false on any
// failure. The caller's guard releases the memo on every path.
bool ReadTileSurface(const API_Guid& guid, TileSurfaceRead& surface) {
    surface.element.header.guid = guid;
    if (ACAPI_Element_Get(&surface.element) != NoError) return false;
    if (ACAPI_Element_GetMemo(guid, &surface.memo, APIMemoMask_AddPars) != NoError) return false;
    API_LibPart libPart{};
    libPart.typeID = APILib_ObjectID;
    std::snprintf(libPart.ownUnID, sizeof libPart.ownUnID, "%s%s", kTileSurfaceMainId, kNullRevisionSuffix);
    if (ACAPI_LibPart_Search(&libPart, false, false) != NoError) return false;
    API_AddParType** defaults = nullptr;
    const ParamListGuard defaultsGuard(defaults);  // only the count is used
    double aSize = 0, bSize = 0;
    return ACAPI_LibPart_GetParams(libPart.index, &aSize, &bSize, &surface.paramCount, &defaults) == NoError;
}

// Writes the table onto the object, lets the host change its parameters and run its parameter
// script. The host's code when it refuses the change.
GSErrCode WriteBackAccessories(TileSurfaceRead& surface) {
    // Without memory (reported by the growth) the failure is passed up; the caller's guard frees the memo.
    GSHandle headHandle = nullptr;
    if (!WriteAccessoryParams(surface.memo.params, surface.paramCount, gAccessoryTable) ||
        !HostHandleGrow(headHandle, sizeof(API_Elem_Head)))
        return APIERR_MEMFULL;
    auto heads = reinterpret_cast<API_Elem_Head**>(headHandle);
    const HandleGuard headsGuard(heads);
    (*heads)[0] = surface.element.header;
    API_Element mask;
    ACAPI_ELEMENT_MASK_SETFULL(mask);
    const GSErrCode err = ACAPI_Element_ChangeParameters(heads, 1, &surface.element, &surface.memo, &mask);
    if (err != NoError) return err;

    API_Elem_Head head{};
    head.guid = surface.element.header.guid;
    ACAPI_Goodies(APIAny_RunGDLParScriptID, &head, reinterpret_cast<void*>(kRunParamScriptOption));
    return NoError;
}

// Opens the placement dialog of a mode; its result (1 OK).
int16_t OpenPlacementDialog(int32_t mode, const TileType* tileType) {
    if (mode == AccessoryMode_Place) return AccessoryDialog(tileType);
    return SolarDialog(mode);
}

// Asks for the new row's position and fills it in the surface's frame; the pick's host code.
// `onSurface` tells whether every picked point lies on the tile surface.
GSErrCode PickNewRow(const TileSurfaceRead& surface, double alpha, const TileType& tileType, AccessoryRow& row,
                     bool& onSurface) {
    const AccessoryChoice& choice = gAccessoryChoice;
    const double angle = surface.element.object.angle;
    const bool singly = choice.singly == 1;
    const bool betweenTwoPoints = !singly &&                       // a row
                                  choice.betweenTwoPoints == 1;  // given by its two end points
    const double rowLength = choice.count * tileType.tileX * choice.everyNthTile;  // a row given by its count

    GSErrCode err = NoError;
    if (betweenTwoPoints) {
        err = PickAccessoryRow(angle, tileType.tileX, tileType.tileY);
    } else {
        err = PickAccessoryPoint(angle, singly ? tileType.tileX : rowLength, tileType.tileY);
    }
    if (err != NoError) return err;

    const Coord2 position{surface.element.object.pos.x, surface.element.object.pos.y};
    const Coord2 start = AccessoryFramePoint(position, angle, alpha, gAccessoryPick.start);
    SurfaceOutline outline;
    ReadSurfaceOutline(surface.memo.params, surface.paramCount, outline);
    onSurface = PointOnSurface(outline, start);
    if (betweenTwoPoints) onSurface = onSurface && PointOnSurface(outline, AccessoryFramePoint(position, angle, alpha, gAccessoryPick.end));
    row = AccessoryRow{};
    row.kind = singly ? kAccessorySinglePiece : kAccessoryRowOfPieces;
    row.startX = start.x;
    row.startY = start.y;
    if (!singly) {
        const double pickedLength = Distance2(gAccessoryPick.start, gAccessoryPick.end);
        row.endX = row.startX + (betweenTwoPoints ? gAccessoryPick.sigma * pickedLength : rowLength);
        row.endY = row.startY;
        row.everyNthTile = choice.everyNthTile;
    }
    return NoError;
}

// Appends the chosen accessory as row m of the table.
void AppendChosenRow(const AccessoryRow& row) {
    AccessoryTable& table = gAccessoryTable;
    const int32_t r = table.count;
    table.rows[r] = row;
    AppendAccessoryListText(table.codes, sizeof table.codes, r, gAccessoryChoice.accessoryCode);
    AppendAccessoryListText(table.colours, sizeof table.colours, r, gAccessoryChoice.colourCode);
    table.count = r + 1;
}

// Modes 1, 4, 5: the 100-row limit, the dialog, the pick, the new row and the write-back.
GSErrCode PlaceOneAccessory(int32_t mode, TileSurfaceRead& surface, double alpha, const TileType& tileType) {
    if (gAccessoryTable.count >= kMaxAccessoryRows) {
        ReportMessage(GetMessage(kMsgTooManyAccessories));
        return APIERR_GENERAL;
    }
    // A dialog closed with OK but nothing chosen leaves this 0: nothing is placed then.
    gAccessoryChoice.accepted = 0;
    if (OpenPlacementDialog(mode, &tileType) != DG_OK ||  // cancelled
        gAccessoryChoice.accepted != 1) {                 // or OK without a chosen row
        return NoError;
    }
    AccessoryRow row;
    bool onSurface = true;
    const GSErrCode err = PickNewRow(surface, alpha, tileType, row, onSurface);
    if (err != NoError) return err;
    if (!onSurface) {  // a point off the roof adds nothing, and the user is told why
        ReportMessage(GetUserText(kTextPointOutsideSurface).c_str());
        return NoError;
    }
    AppendChosenRow(row);
    return WriteBackAccessories(surface);
}

// Mode 2: the user marks rows in the deletion dialog; the unmarked ones stay.
GSErrCode DeleteMarkedAccessories(TileSurfaceRead& surface, const TileType& tileType) {
    for (int32_t& flag : gAccessoryKeepFlags) flag = 0;
    const int16_t result =
        DeleteAccessoryDialog(&tileType, gAccessoryTable.count, gAccessoryTable.codes, gAccessoryKeepFlags);
    if (result != DG_OK) return NoError;
    RebuildAccessories(gAccessoryTable, gAccessoryKeepFlags);
    return WriteBackAccessories(surface);
}

// Mode 3: every row goes, without asking.
GSErrCode ClearAllAccessories(TileSurfaceRead& surface) {
    for (int32_t& flag : gAccessoryKeepFlags) flag = 0;
    gAccessoryChoice.accepted = 0;
    RebuildAccessories(gAccessoryTable, gAccessoryKeepFlags);
    return WriteBackAccessories(surface);
}

}  // namespace

GSErrCode AccessoryRun(int32_t mode) {
    TileSurfaceRead surface;
    const ElementMemoGuard memoGuard(surface.memo);
    if (!ReadTileSurface(TargetTileSurface(mode), surface)) return APIERR_GENERAL;

    TileSurfaceAccessoryInfo info{};
    ReadAccessoryParams(surface.memo.params, surface.paramCount, gAccessoryTable, info);
    const TileType* tileType = FindTileType(info.fam);
    if (tileType == nullptr) {
        ReportMessage(GetMessage(kMsgTileTypeMissing));
        return NoError;
    }

    switch (mode) {
        case AccessoryMode_Place:
        case AccessoryMode_SolarCollector:
        case AccessoryMode_SolarPanel: return PlaceOneAccessory(mode, surface, info.alpha, *tileType);
        case AccessoryMode_Delete: return DeleteMarkedAccessories(surface, *tileType);
        case AccessoryMode_ClearAll: return ClearAllAccessories(surface);
        default: return NoError;
    }
}
