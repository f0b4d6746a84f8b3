// Purpose: one tile-surface object per roof plane of the run, and each roof grouped with its objects.
#include "placement/PlaceTileSurfaces.h"
#include "Common_src/ParamNames.h"

#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/Messages.h"
#include "dialogs/TileSettings.h"
#include "placement/LibraryObjects.h"
#include "placement/PlaceRidges.h"
#include "polytopo/EdgeCodes.h"
#include "roofgeom/EdgeIndex.h"

namespace {

constexpr int32_t kMsgTileCreateFailed = 30;
constexpr int32_t kMsgTileSearchFailed = 31;
constexpr int32_t kMsgTileDefaultsFailed = 32;


constexpr uint32_t kGroupListStep = 16;

// Fills the parameter rows of one plane's tile surface; the arrays live in nodes and stat.
std::vector<ParamRow> TileSurfaceRows(const RoofPlane& plane, std::vector<double>& nodes, std::vector<double>& stat,
                                      double lossMultiplier) {
    const uint32_t n = plane.vertexCount;
    const double sign = plane.flipped == 1 ? -1.0 : 1.0;
    nodes.assign(size_t(n) * 2, 0.0);
    stat.assign(n, 0.0);
    for (uint32_t i = 0; i < n; ++i) {
        nodes[2 * i] = sign * plane.planeCoords[i].x;
        nodes[2 * i + 1] = sign * plane.planeCoords[i].y;
        const int16_t status = plane.edgeStatus[i];
        // a top edge the user marked as having no ridge tiles: the object knows it as a plain top edge
        stat[i] = status == kStatusShedTopNoTiles ? int16_t(kStatusShedTop) : status;
    }
    const TileSettings& t = gTileSettings;
    return {
        RealParam(kParamPitch, plane.slope),
        TextParam(kParamTileFamily, t.fam),
        TextParam(kParamTileColour, t.color),
        TextParam("folia", t.folia),
        TextParam("vapatipus", t.vapatipus),
        TextParam("mat_pan", t.mat_pan),
        TextParam(kParamSnowGuarding, t.hofogas),
        TextParam(kParamSnowGuard, t.hofogo),
        RealParam(kParamLossMultiplier, lossMultiplier),
        RealParam("num", double(n)),
        RealParam(kParamTileWidth, t.tile_x),
        RealParam(kParamTileHeight, t.tile_y),
        RealParam(kParamSurfaceArea, plane.area),
        TextParam("opt2d", t.opt2d),
        RealParam(kParamAutoAccessories, double(t.auto_acc)),
        RealParam("csrogz", double(t.csrogz)),
        RealParam("rogkar", double(t.rogkar)),
        RealParam(kParamEdgeTiles, double(t.wingtile)),
        RealParam(kParamPen, double(t.pen1)),
        TextParam("typ", t.typ),
        ArrayParam(kParamNodes, int32_t(n), 2, nodes.data()),
        ArrayParam(kParamEdgeStatuses, int32_t(n), 1, stat.data()),
        RealParam("modByAPI", 1.0),
    };
}

// True when the group list already names this element (a ridge shared by two planes of the roof).
bool Listed(const HostArray<API_Elem_Head>& list, const API_Guid& guid) {
    for (uint32_t i = 0; i < list.count; ++i) {
        if (list[i].guid == guid) return true;
    }
    return false;
}

// Appends a plane's tile surface and the ridges of its edges to a group list, each element once;
// false without memory.
bool AppendPlaneObjects(HostArray<API_Elem_Head>& list, const RoofPlane& plane) {
    if (IsNullGuid(plane.tileSurfaceGuid)) return true;  // no tile surface: not even its ridges
    API_Elem_Head head{};
    head.guid = plane.tileSurfaceGuid;
    if (!HostArrayAppend(list, head)) return false;
    for (uint32_t e = 0; e + 1 < plane.vertexCount; ++e) {
        if (IsNullGuid(plane.ridgeGuids[e]) || Listed(list, plane.ridgeGuids[e])) continue;
        head.guid = plane.ridgeGuids[e];
        if (!HostArrayAppend(list, head)) return false;
    }
    return true;
}

// Groups every roof with the objects of its planes; stops with message 17 when memory runs out.
void GroupRoofsWithTheirObjects() {
    HostArray<RoofPlane>& planes = gState.roofPlanes.planes;
    // Each roof's planes in table order, so that a roof's group is made without a pass over all planes.
    std::map<std::pair<uint64_t, uint64_t>, std::vector<uint32_t>> planesOfRoof;
    for (uint32_t k = 0; k < planes.count; ++k) planesOfRoof[{planes[k].roofGuid.hi, planes[k].roofGuid.lo}].push_back(k);
    for (uint32_t i = 0; i < planes.count; ++i) {
        if (planes[i].inRun != 0) continue;
        ScopedHostArray<API_Elem_Head> list;
        API_Elem_Head roofHead{};
        roofHead.guid = planes[i].roofGuid;
        bool listed = HostArrayReserve(*list, kGroupListStep) && HostArrayAppend(*list, roofHead) &&
                      AppendPlaneObjects(*list, planes[i]);
        planes[i].inRun = 1;
        for (uint32_t k : planesOfRoof[{planes[i].roofGuid.hi, planes[i].roofGuid.lo}]) {
            if (!listed) break;
            if (k <= i || planes[k].inRun != 0) continue;
            listed = AppendPlaneObjects(*list, planes[k]);
            planes[k].inRun = 1;
        }
        if (!listed) {  // reported by the growth
            return;
        }
        ACAPI_Element_Tool(reinterpret_cast<API_Elem_Head**>(list->handle), int32_t(list->count), APITool_Group);
    }
}

}  // namespace

void RoofPlaceAll() {
    HostArray<RoofPlane>& planes = gState.roofPlanes.planes;
    BuildRoofPlaneGrid(gState.roofPlanes);  // the ridges' searches look only at the planes near an edge
    for (uint32_t i = 0; i < planes.count; ++i) {
        if (planes[i].inRun == 1 && IsNullGuid(planes[i].tileSurfaceGuid)) RoofPlaceOne(i);
        planes[i].inRun = 0;  // from here on: not yet grouped
    }
    DropRoofPlaneGrid();
    GroupRoofsWithTheirObjects();
}

void RoofPlaceOne(uint32_t planeIndex) {
    API_Element element{};
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    if (!PrepareLibraryObject(kTileSurfaceMainId, {kMsgTileSearchFailed, kMsgTileDefaultsFailed}, element, memo)) {
        return;
    }
    const RoofPlane& plane = gState.roofPlanes.planes[planeIndex];
    const uint32_t n = plane.vertexCount;

    element.object.pos.x = plane.origin.x;
    element.object.pos.y = plane.origin.y;
    element.object.angle = plane.azimuth;
    element.object.level = plane.baseLevel;
    element.object.reflected = false;
    element.object.useObjSectAttrs = true;
    std::snprintf(memo.elemInfoString, sizeof memo.elemInfoString, "Tevaro_%03u", gState.tileSurfaceIdCounter);
    ++gState.tileSurfaceIdCounter;

    std::vector<double> nodes, stat;
    const std::vector<ParamRow> rows =
        TileSurfaceRows(plane, nodes, stat, LossMultiplierValue(gTileSettings.vesztesegszorzo));
    if (!ApplyParamRows(memo.params, rows.data(), rows.size())) {  // without memory: reported by the growth
        return;
    }
    element.header.floorInd = gState.currentStory;
    element.header.layer = gTileSettings.layer;

    const GSErrCode err = ACAPI_Element_Create(&element, &memo);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgTileCreateFailed), err);
        element.header.guid = APINULLGuid;
    }
    gState.roofPlanes.planes[planeIndex].tileSurfaceGuid = element.header.guid;

    if (n == 1) return;
    const double ridgeLevel = gState.roofPlanes.planes[planeIndex].ridgeLevel;
    for (uint32_t e = 0; e + 1 < n; ++e) Ridge(planeIndex, e, ridgeLevel);
}
