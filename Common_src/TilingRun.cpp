// Purpose: the tiling run: from the selected roofs, walls and fills to edge setters and the palette.
#include "Common_src/TilingRun.h"

#include <set>
#include <utility>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/Messages.h"
#include "Common_src/TiledRoofs.h"
#include "Common_src/UserTexts.h"
#include "edges/EdgePalette.h"
#include "edges/EdgeSetters.h"
#include "polytopo/RunTopology.h"
#include "roofgeom/ExtractRoof.h"
#include "roofgeom/FillJunctions.h"
#include "roofgeom/RunRoofs.h"
#include "roofgeom/WallJunctions.h"

namespace {

constexpr double kFillBottom = -1e11;  // a fill outline counts at every height
constexpr double kFillTop = 1e11;

// A roof's GUID as an ordered key.
using RoofKey = std::pair<uint64_t, uint64_t>;

// The roofs the roof model already holds planes of, so that a roof listed twice is read once.
std::set<RoofKey> RoofsAlreadyRead() {
    std::set<RoofKey> read;
    for (uint32_t i = 0; i < gState.roofPlanes.planes.count; ++i)
        read.insert({gState.roofPlanes.planes[i].roofGuid.hi, gState.roofPlanes.planes[i].roofGuid.lo});
    return read;
}

// The level of the story with the given index (0 when the story list does not hold it).
double StoryLevel(const API_StoryInfo& info, int16_t story) {
    const API_StoryType* stories = reinterpret_cast<const API_StoryType*>(*info.data);
    const int32_t count = HandleCount<API_StoryType>(info.data);
    for (int32_t i = 0; i < count; ++i)
        if (stories[i].index == story) return stories[i].level;
    return 0;
}

// Appends the edges of a closed plan polygon (points 1..n) as segments with one height range.
bool AppendOutlineSegments(HostArray<WallSegment>& segments, API_Coord** coords, double bottom, double top) {
    if (coords == nullptr) return true;
    const int32_t n = HandleCount<API_Coord>(coords) - 1;
    for (int32_t k = 1; k < n; ++k) {
        const API_Coord& a = (*coords)[k];
        const API_Coord& b = (*coords)[k + 1];
        if (!HostArrayAppend(segments, WallSegment{a.x, a.y, b.x, b.y, bottom, top})) return false;
    }
    return true;
}

// Reports a failed host call of the run with its text row of resource 140 and the host's error.
void ReportHostFailure(int32_t textRow, GSErrCode err) { ErrorAlert(GetUserText(textRow).c_str(), err); }

// Reads a straight wall's footprint edges into wallSegments; curved walls give none. False after
// a failure, reported here or by the growth.
bool CollectWall(const API_Element& wall) {
    if (wall.wall.polyArcCount != 0) return true;
    API_StoryInfo storyInfo{};
    GSErrCode err = ACAPI_Environment(APIEnv_GetStorySettingsID, &storyInfo);
    if (err != NoError) {
        ReportHostFailure(kTextWallPolygonFailed, err);
        return false;
    }
    const double bottom = wall.wall.bottomOffset + StoryLevel(storyInfo, wall.header.floorInd);
    BMKillHandle(&storyInfo.data);
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    err = ACAPI_Element_GetMemo(wall.header.guid, &memo, APIMemoMask_Polygon);
    if (err != NoError) {
        ReportHostFailure(kTextWallPolygonFailed, err);
        return false;
    }
    const bool appended = AppendOutlineSegments(gState.wallSegments, memo.coords, bottom, bottom + wall.wall.height);
    return appended;
}

// Reads a fill's outline into fillSegments; false after a failure, reported here or by the growth.
bool CollectFill(const API_Element& fill) {
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    const GSErrCode err = ACAPI_Element_GetMemo(fill.header.guid, &memo, APIMemoMask_Polygon);
    if (err != NoError) {
        ReportHostFailure(kTextFillPolygonFailed, err);
        return false;
    }
    const bool appended = AppendOutlineSegments(gState.fillSegments, memo.coords, kFillBottom, kFillTop);
    return appended;
}

// Reads every selected element: roofs into the roof model, walls and fills into segments.
bool CollectSelection(API_Neig** neigs, int32_t count, HostArray<API_Elem_Head>& groupList) {
    std::set<RoofKey> read = RoofsAlreadyRead();
    for (int32_t i = 0; i < count; ++i) {
        API_ElemTypeID type = API_ZombieElemID;
        if (ACAPI_Goodies(APIAny_NeigIDToElemTypeID, &(*neigs)[i], &type) != NoError) {
            ReportMessage(GetMessage(kMsgFaultyElement));
            return false;
        }
        if (type != API_RoofID && type != API_WallID && type != API_HatchID) continue;
        API_Element element{};
        element.header.guid = (*neigs)[i].guid;
        if (ACAPI_Element_Get(&element) != NoError) {
            ReportMessage(GetMessage(kMsgFaultyElement));
            return false;
        }
        if (type == API_RoofID) {
            if (!read.insert({element.header.guid.hi, element.header.guid.lo}).second) continue;
            if (ExtractRoof(element.header.guid, APINULLGuid) != NoError) return false;
            // A roof tiled before: the user replaces that tiling, or keeps it and the run stops.
            if (!ReplaceEarlierTiling(element.header.guid)) return false;
            if (!RememberRunRoof(element.header.guid)) return false;
            API_Elem_Head head{};
            head.guid = element.header.guid;
            if (!HostArrayAppend(groupList, head)) return false;
            ++gState.collectedRoofCount;
        } else if (type == API_WallID) {
            if (!CollectWall(element)) return false;
        } else if (!CollectFill(element)) {
            return false;
        }
    }
    return true;
}

// Ungroups the collected roofs with group suspension off, as the host groups roofs with tiles.
bool UngroupRoofs(HostArray<API_Elem_Head>& groupList, bool suspended) {
    if (suspended && ACAPI_Element_Tool(nullptr, 0, APITool_SuspendGroups) != NoError) {
        ReportMessage(GetMessage(kMsgSuspendGroups));
        return false;
    }
    API_Elem_Head* heads = groupList.data();
    const GSErrCode err = ACAPI_Element_Tool(&heads, int32_t(groupList.count), APITool_Ungroup);
    if (err != NoError) ReportHostFailure(kTextUngroupFailed, err);
    return err == NoError;
}

// Places the edge setters and opens the palette; false when a step failed. Either the palette is
// open with the run's setters and tables, or (false) the setters placed here are deleted again
// and the caller releases the tables: no half state is left that no palette can finish.
bool HandOverToEdgePalette(bool suspended) {
    if (!DeleteDummies()) return false;
    if (const GSErrCode err = ACAPI_Element_Select(nullptr, 0, false); err != NoError) {
        ReportHostFailure(kTextDeselectFailed, err);
        return false;
    }
    if (!PlaceDummies()) {
        DeleteDummies();  // the setters placed before the failure
        return false;
    }
    const int16_t palette = OpenEdgePalette();
    if (palette == 0) {
        DeleteDummies();
        ReportMessage(GetUserText(kTextPaletteFailed).c_str());
        return false;
    }
    gState.finalizationPending = true;
    if (suspended && ACAPI_Element_Tool(nullptr, 0, APITool_SuspendGroups) != NoError) {
        ReportMessage(GetMessage(kMsgSuspendGroups));
        CloseEdgePaletteUnused(palette);
        DeleteDummies();
        return false;
    }
    return true;
}

}  // namespace

void DoTiles() {
    // 1. Planes of earlier runs stay in the model but are not processed again.
    for (uint32_t i = 0; i < gState.roofPlanes.planes.count; ++i) gState.roofPlanes.planes[i].inRun = 0;
    gState.collectedRoofCount = 0;
    HostArrayFree(gState.wallSegments);
    HostArrayFree(gState.fillSegments);
    HostArrayFree(gState.runRoofs);

    // 2. The selection.
    API_SelectionInfo info{};
    API_Neig** neigs = nullptr;
    const HandleGuard neigsGuard(neigs);
    if (ACAPI_Selection_Get(&info, &neigs, true, false) != NoError || info.typeID != API_SelElems || neigs == nullptr) {
        ReportMessage(GetMessage(kMsgNoSelection));
        return;
    }
    const int32_t selectedCount = HandleCount<API_Neig>(neigs);

    // 3. The group list of the roofs read in this run.
    ScopedHostArray<API_Elem_Head> groupList;
    if (!HostArrayReserve(*groupList, uint32_t(selectedCount > 0 ? selectedCount : 1))) {  // reported by the growth
        return;
    }

    // 4. The command switched suspension on; remember it for the ungrouping.
    bool suspended = false;
    ACAPI_Environment(APIEnv_IsSuspendGroupOnID, &suspended);

    // 5.-6. Roofs, walls and fills.
    const bool collected = CollectSelection(neigs, selectedCount, *groupList);
    if (!collected) {
        ReleaseRunState();  // everything the failed run filled
        return;
    }
    // 7. Nothing to tile without a roof.
    if (gState.collectedRoofCount == 0) {
        ReportMessage(GetMessage(kMsgNoRoofSelected));
        ReleaseRunState();
        return;
    }
    // 8.-9. Tiles will be grouped with their roof: take the roofs out of their old groups.
    const bool ungrouped = UngroupRoofs(*groupList, suspended);
    if (!ungrouped) {
        ReleaseRunState();
        return;
    }
    // 10.
    if (const GSErrCode err = ACAPI_Automate(APIDo_RedrawID); err != NoError) {
        ReportHostFailure(kTextRedrawFailed, err);
        ReleaseRunState();
        return;
    }
    // 11. Classify every edge (a failure is reported there).
    if (!RunTopology(gState.roofPlanes)) {
        ReleaseRunState();
        return;
    }
    // 12. Edges along walls and fills; cutting an edge fails only for want of memory (reported there).
    if (!ApplyWallJunctions(gState.roofPlanes) || !ApplyFillJunctions(gState.roofPlanes)) {
        ReleaseRunState();
        return;
    }
    // 13. The user checks the edges on the setters; the tables stay for the finalization.
    if (!HandOverToEdgePalette(suspended)) ReleaseRunState();
}
