// Purpose: modification of a placed tile surface and its ridges with new settings.
#include "placement/ModifyTileSurface.h"
#include "Common_src/ParamNames.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/Messages.h"
#include "dialogs/TileSettings.h"
#include "placement/LibraryObjects.h"

namespace {

constexpr int32_t kMsgGetCserepElementGet = 24;
constexpr int32_t kMsgDoModifySelection = 33;
constexpr int32_t kMsgDoModifyElementGet = 35;

// A selected object's kind, as its library part tells.
enum ObjectKind { OtherObject, TileSurfaceObject, RidgeObject };

// The element type of a selected entry ('NTOE'); the zombie type when the host cannot tell.
API_ElemTypeID SelectedElementType(const API_Neig& neig) {
    API_ElemTypeID type = API_ZombieElemID;
    if (ACAPI_Goodies(APIAny_NeigIDToElemTypeID, const_cast<API_Neig*>(&neig), &type) != NoError) {
        return API_ZombieElemID;
    }
    return type;
}

// Reads an object's library part; false when the host cannot give it.
bool ObjectKindOf(const API_Element& element, ObjectKind& kind) {
    API_LibPart libPart{};
    libPart.index = element.object.libInd;
    if (ACAPI_LibPart_Get(&libPart) != NoError) return false;
    kind = LibPartIsKind(libPart.ownUnID, kTileSurfaceMainId) ? TileSurfaceObject
           : LibPartIsKind(libPart.ownUnID, kRidgeMainId)     ? RidgeObject
                                                              : OtherObject;
    return true;
}

// Copies a text parameter into a settings field, if the list holds it.
void ReadTextSetting(API_AddParType** params, const char* name, char* field, size_t fieldSize) {
    const API_AddParType* param = FindParam(params, name);
    if (param != nullptr) FromHostText(param->uStr, field, fieldSize);
}

// Reads an on/off or pen setting: truncated toward zero and narrowed to 16 bits, as the dialog keeps it.
void ReadIntegerSetting(API_AddParType** params, const char* name, int32_t& field) {
    const API_AddParType* param = FindParam(params, name);
    if (param == nullptr) return;
    const double truncated = std::trunc(param->real);
    // Values beyond 64 bits cannot be narrowed meaningfully; wrap what fits, keep 0 otherwise.
    const int64_t whole = std::fabs(truncated) < 9.0e18 ? int64_t(truncated) : 0;
    field = int32_t(int16_t(whole));
}

// Reads a finite length setting (a tile size), if the list holds one.
void ReadLengthSetting(API_AddParType** params, const char* name, double& field) {
    const API_AddParType* param = FindParam(params, name);
    if (param != nullptr && std::isfinite(param->real)) field = param->real;
}

// Loads a tile surface's settings from its parameter list into TileSettings.
void ReadTileSurfaceSettings(API_AddParType** params) {
    TileSettings& t = gTileSettings;
    ReadTextSetting(params, kParamTileFamily, t.fam, sizeof t.fam);
    ReadTextSetting(params, kParamTileColour, t.color, sizeof t.color);
    ReadTextSetting(params, "folia", t.folia, sizeof t.folia);
    ReadTextSetting(params, "vapatipus", t.vapatipus, sizeof t.vapatipus);
    ReadTextSetting(params, "mat_pan", t.mat_pan, sizeof t.mat_pan);
    ReadTextSetting(params, kParamSnowGuarding, t.hofogas, sizeof t.hofogas);
    ReadTextSetting(params, kParamSnowGuard, t.hofogo, sizeof t.hofogo);
    ReadTextSetting(params, "opt2d", t.opt2d, sizeof t.opt2d);
    if (const API_AddParType* loss = FindParam(params, kParamLossMultiplier)) {
        std::snprintf(t.vesztesegszorzo, sizeof t.vesztesegszorzo, "%lf", loss->real);
    }
    ReadIntegerSetting(params, kParamAutoAccessories, t.auto_acc);
    ReadIntegerSetting(params, kParamEdgeTiles, t.wingtile);
    ReadIntegerSetting(params, "csrogz", t.csrogz);
    ReadIntegerSetting(params, "rogkar", t.rogkar);
    ReadIntegerSetting(params, kParamPen, t.pen1);
    // The tile size the surface was laid with: its accessory rows are counted in these tiles.
    ReadLengthSetting(params, kParamTileWidth, t.tile_x);
    ReadLengthSetting(params, kParamTileHeight, t.tile_y);
}

// The settings a modification writes onto a tile surface.
size_t TileSurfaceSettingRows(ParamRow* rows, double lossMultiplier) {
    const TileSettings& t = gTileSettings;
    size_t n = 0;
    rows[n++] = TextParam(kParamTileFamily, t.fam);
    rows[n++] = TextParam(kParamTileColour, t.color);
    rows[n++] = TextParam("folia", t.folia);
    rows[n++] = TextParam("vapatipus", t.vapatipus);
    rows[n++] = TextParam("mat_pan", t.mat_pan);
    rows[n++] = TextParam(kParamSnowGuarding, t.hofogas);
    rows[n++] = TextParam(kParamSnowGuard, t.hofogo);
    rows[n++] = RealParam(kParamLossMultiplier, lossMultiplier);
    rows[n++] = RealParam(kParamTileWidth, t.tile_x);
    rows[n++] = RealParam(kParamTileHeight, t.tile_y);
    rows[n++] = TextParam("opt2d", t.opt2d);
    rows[n++] = RealParam(kParamAutoAccessories, double(t.auto_acc));
    rows[n++] = RealParam("csrogz", double(t.csrogz));
    rows[n++] = RealParam("rogkar", double(t.rogkar));
    rows[n++] = RealParam(kParamEdgeTiles, double(t.wingtile));
    rows[n++] = RealParam(kParamPen, double(t.pen1));
    rows[n++] = TextParam("typ", t.typ);
    rows[n++] = RealParam("modByAPI", 1.0);
    return n;
}

// The settings a modification writes onto a ridge.
size_t RidgeSettingRows(ParamRow* rows, double lossMultiplier) {
    const TileSettings& t = gTileSettings;
    size_t n = 0;
    rows[n++] = TextParam(kParamTileFamily, t.fam);
    rows[n++] = TextParam(kParamRidgeTile, t.gcstyp);
    rows[n++] = TextParam(kParamRidgeColour, t.color);
    rows[n++] = RealParam(kParamLossMultiplier, lossMultiplier);
    rows[n++] = TextParam("opt2d", t.opt2d);
    rows[n++] = RealParam(kParamPen, double(t.pen1));
    rows[n++] = TextParam("typ", t.typ);
    rows[n++] = RealParam("modByAPI", 1.0);
    return n;
}
constexpr size_t kMaxSettingRows = 18;

// Writes the current settings and layer onto one placed object; the host's answer is not examined.
void RewriteObjectSettings(API_Element& element, ObjectKind kind) {
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    if (ACAPI_Element_GetMemo(element.header.guid, &memo, APIMemoMask_AddPars) != NoError) return;
    ParamRow rows[kMaxSettingRows];
    const double loss = LossMultiplierValue(gTileSettings.vesztesegszorzo);
    const size_t rowCount = kind == RidgeObject ? RidgeSettingRows(rows, loss) : TileSurfaceSettingRows(rows, loss);
    ApplyParamRows(memo.params, rows, rowCount);  // no arrays among the settings: nothing to allocate
    element.header.layer = gTileSettings.layer;

    API_Element mask;
    ACAPI_ELEMENT_MASK_SETFULL(mask);
    API_Elem_Head head = element.header;
    API_Elem_Head* heads = &head;
    ACAPI_Element_ChangeParameters(&heads, 1, &element, &memo, &mask);
}

}  // namespace

int32_t getCserep() {
    gState.modifiedTileSurface = APINULLGuid;
    API_SelectionInfo info{};
    API_Neig** neigs = nullptr;
    const HandleGuard neigsGuard(neigs);
    if (ACAPI_Selection_Get(&info, &neigs, true, false) != NoError || info.typeID != API_SelElems) return 0;
    API_Element found{};
    bool foundOne = false;
    const int32_t count = HandleCount<API_Neig>(neigs);
    for (int32_t i = 0; i < count && !foundOne; ++i) {
        if (SelectedElementType((*neigs)[i]) != API_ObjectID) continue;
        API_Element element{};
        element.header.guid = (*neigs)[i].guid;
        const GSErrCode err = ACAPI_Element_Get(&element);
        if (err != NoError) {
            ErrorAlert(GetMessage(kMsgGetCserepElementGet), err);
            return 0;
        }
        // Every selected object sets the layer, so the dialog offers the last one's when no tile surface is found.
        gTileSettings.layer = element.header.layer;
        ObjectKind kind = OtherObject;
        if (ObjectKindOf(element, kind) && kind == TileSurfaceObject) {
            found = element;
            foundOne = true;
        }
    }
    if (!foundOne) return 0;

    gState.modifiedTileSurface = found.header.guid;
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    if (ACAPI_Element_GetMemo(found.header.guid, &memo, APIMemoMask_AddPars) == NoError && memo.params != nullptr) {
        ReadTileSurfaceSettings(memo.params);
    }
    gTileSettings.layer = found.header.layer;
    return 1;
}

void DoModify() {
    API_SelectionInfo info{};
    API_Neig** neigs = nullptr;
    const HandleGuard neigsGuard(neigs);
    const GSErrCode selectionErr = ACAPI_Selection_Get(&info, &neigs, true, false);
    if (selectionErr != NoError) {
        ErrorAlert(GetMessage(kMsgDoModifySelection), selectionErr);
        return;
    }
    if (info.typeID != API_SelElems) {
        ReportMessage(GetMessage(kMsgNoSelection));
        return;
    }
    const int32_t count = HandleCount<API_Neig>(neigs);
    for (int32_t i = 0; i < count; ++i) {
        if (SelectedElementType((*neigs)[i]) != API_ObjectID) continue;
        API_Element element{};
        element.header.guid = (*neigs)[i].guid;
        const GSErrCode err = ACAPI_Element_Get(&element);
        if (err != NoError) {
            ErrorAlert(GetMessage(kMsgDoModifyElementGet), err);
            break;  // the objects before it stay changed
        }
        ObjectKind kind = OtherObject;
        if (!ObjectKindOf(element, kind) || kind == OtherObject) continue;
        RewriteObjectSettings(element, kind);
    }
}
