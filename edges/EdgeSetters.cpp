// Purpose: placing one edge-setter object per group of connected roof planes, reading the user's
// edge types back into the planes, and deleting the setters.
#include "edges/EdgeSetters.h"
#include "Common_src/ParamNames.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/Messages.h"
#include "edges/EdgeSetterPart.h"
#include "edges/SetterParams.h"
#include "polytopo/EdgeCodes.h"
#include "roofgeom/EdgeIndex.h"

namespace {

constexpr double kSetterPointEqualTol = 0.001;    // end points of one edge in two planes or setters
constexpr double kSetterPositionTol = 0.01;       // a setter that moved less than this still matches
constexpr double kSetterAngleTol = 0.001;         // a setter turned less than this still matches (radians)
constexpr uint32_t kEdgeListStep = 20;            // setter edge lists start with room for this many entries
constexpr int32_t kEdgeCoordColumns = 6;

// Message rows of this module.
constexpr int32_t kMsgDeleteGetElement = 73;
constexpr int32_t kMsgDeleteDelete = 74;
constexpr int32_t kMsgDeleteGetLibPart = 75;
constexpr int32_t kMsgFinalizeGetElement = 77;
constexpr int32_t kMsgFinalizeDelete = 78;
constexpr int32_t kMsgFinalizeGetLibPart = 79;
constexpr int32_t kMsgFinalizeGetMemo = 80;
constexpr int32_t kMsgPlaceCreate = 81;
constexpr int32_t kMsgPlaceSearch = 82;
constexpr int32_t kMsgPlaceDefaults = 83;
constexpr int32_t kMsgPlaceStory = 84;
constexpr int32_t kMsgFinalizeStory = 85;

// True when two 3D points are the same point of the roof model.
bool SamePoint(const API_Coord3D& a, const API_Coord3D& b) {
    const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz) <= kSetterPointEqualTol;
}

// True when two edges join the same two points, in either direction.
bool SameEdge(const API_Coord3D& a0, const API_Coord3D& a1, const API_Coord3D& b0, const API_Coord3D& b1) {
    return (SamePoint(a0, b0) && SamePoint(a1, b1)) ||  // same direction
           (SamePoint(a0, b1) && SamePoint(a1, b0));    // reversed
}

// A roof-model vertex as a host 3D point.
API_Coord3D ToApi(const Coord3& c) { return API_Coord3D{c.x, c.y, c.z}; }

// The level of a story (the current one when `current` is set, which then also gives its index)
// from the host's story list; 0 when the list does not hold it.
GSErrCode StoryLevel(bool current, double& level, int16_t& story) {
    API_StoryInfo info{};
    const GSErrCode err = ACAPI_Environment(APIEnv_GetStorySettingsID, &info);
    if (err != NoError) return err;
    level = 0;
    if (current) story = info.actStory;
    if (info.data != nullptr) {
        const int32_t count = HandleCount<API_StoryType>(info.data);
        const API_StoryType* stories = reinterpret_cast<const API_StoryType*>(*info.data);
        for (int32_t i = 0; i < count; ++i)
            if (stories[i].index == story) level = stories[i].level;
        BMKillHandle(&info.data);
    }
    return NoError;
}

// The level of the current story, and the story's index.
GSErrCode CurrentStoryLevel(double& level, int16_t& story) { return StoryLevel(true, level, story); }

// Orders GUIDs for the record index.
bool GuidBefore(const API_Guid& a, const API_Guid& b) { return a.hi != b.hi ? a.hi < b.hi : a.lo < b.lo; }

// The placed setters' records by GUID, and whether each record has been matched yet: each record
// matches one setter at most, so a copy of a setter never stands in for a deleted one.
struct RecordIndex {
    std::vector<std::pair<API_Guid, uint32_t>> byGuid;  // sorted by GUID
    std::vector<bool> matched;                          // per record
};

// Builds the index over gState.edgeSetterRecords.
void BuildRecordIndex(RecordIndex& index) {
    const uint32_t n = gState.edgeSetterRecords.count;
    index.byGuid.clear();
    index.byGuid.reserve(n);
    for (uint32_t i = 0; i < n; ++i) index.byGuid.emplace_back(gState.edgeSetterRecords[i].guid, i);
    std::sort(index.byGuid.begin(), index.byGuid.end(),
              [](const auto& a, const auto& b) { return GuidBefore(a.first, b.first); });
    index.matched.assign(n, false);
}

// The index of the record placed as this GUID, or -1.
int64_t RecordOfGuid(const RecordIndex& index, const API_Guid& guid) {
    const auto it = std::lower_bound(index.byGuid.begin(), index.byGuid.end(), guid,
                                     [](const auto& entry, const API_Guid& g) { return GuidBefore(entry.first, g); });
    const bool found = it != index.byGuid.end() && it->first == guid;
    return found ? int64_t(it->second) : -1;
}

// The host's list of every object in the model (empty on failure).
HostArray<API_Guid> AllObjects() {
    HostArray<API_Guid> list;
    GSHandle guids = nullptr;
    if (ACAPI_Element_GetElemList(API_ObjectID, &guids) != NoError || guids == nullptr) return list;
    list.handle = guids;
    list.count = uint32_t(HandleCount<API_Guid>(guids));
    list.capacity = list.count;
    return list;
}

// Outcome of reading one setter back: read, changed by hand since it was placed, or a failure
// already reported.
enum class SetterRead { Read, Changed, Failed };

// Outcome of asking whether an element is an edge setter.
enum class SetterCheck { Setter, Other, Failed };

// Reads an object and decides whether it is an edge setter; reports the host's error with the
// caller's rows (getRow for the element, libRow for its library part).
SetterCheck CheckSetter(const API_Guid& guid, API_Element& element, int32_t getRow, int32_t libRow) {
    element = API_Element{};
    element.header.guid = guid;
    GSErrCode err = ACAPI_Element_Get(&element);
    if (err != NoError) {
        ErrorAlert(GetMessage(getRow), err);
        return SetterCheck::Failed;
    }
    if (element.header.typeID != API_ObjectID) return SetterCheck::Other;
    API_LibPart part{};
    part.index = element.object.libInd;
    err = ACAPI_LibPart_Get(&part);
    if (err == APIERR_LIBPARTMISSING) return SetterCheck::Other;  // its library is gone: not ours to judge
    if (err != NoError) {
        ErrorAlert(GetMessage(libRow), err);
        return SetterCheck::Failed;
    }
    return LibPartIsKind(part.ownUnID, kEdgeSetterMainId) ? SetterCheck::Setter : SetterCheck::Other;
}

// The planes of every group, in table order, while setters are placed or read back (the groups
// do not change meanwhile); empty when not listed: then every plane is looked at.
std::vector<std::vector<uint32_t>> gGroupPlanes;

// Lists the planes of every group, unless the all-pairs search is asked for.
void ListGroupPlanes() {
    gGroupPlanes.clear();
    if (gAllPairsEdgeSearch) return;
    const RoofPlaneTable& table = gState.roofPlanes;
    gGroupPlanes.resize(size_t(table.nextGroupId) + 1);
    for (uint32_t r = 0; r < table.planes.count; ++r) {
        const uint32_t group = table.planes[r].group;
        if (group < gGroupPlanes.size()) gGroupPlanes[group].push_back(r);
    }
}

// Number of planes to look at for a group; GroupPlane(group, c) gives them in table order.
uint32_t GroupPlaneCandidates(uint32_t group) {
    if (group < gGroupPlanes.size()) return uint32_t(gGroupPlanes[group].size());
    return gState.roofPlanes.planes.count;
}

// The c-th plane to look at for a group.
uint32_t GroupPlane(uint32_t group, uint32_t c) { return group < gGroupPlanes.size() ? gGroupPlanes[group][c] : c; }

// The c-th plane to look at for a group when it belongs to the group and still has an outline;
// null for a plane of another group or one the engine dropped.
RoofPlane* GroupPlaneWithOutline(RoofPlaneTable& table, uint32_t group, uint32_t c) {
    RoofPlane& plane = table.planes[GroupPlane(group, c)];
    const bool otherGroup = plane.group != group;
    const bool noOutline = plane.vertexCount == 1;  // a plane the engine dropped
    return otherGroup || noOutline ? nullptr : &plane;
}

// Collects the distinct edges of one plane group, each with its edge type; false when the host
// has no memory for the list.
bool CollectGroupEdges(uint32_t group, HostArray<SetterEdge>& edges) {
    RoofPlaneTable& table = gState.roofPlanes;
    const uint32_t candidates = GroupPlaneCandidates(group);
    for (uint32_t c = 0; c < candidates; ++c) {
        RoofPlane* held = GroupPlaneWithOutline(table, group, c);
        if (held == nullptr) continue;
        RoofPlane& plane = *held;
        uint32_t contourStart = 0;
        for (uint32_t v = 0; v + 1 < plane.vertexCount; ++v) {
            const API_Coord3D a = ToApi(plane.vertices[v]);
            const API_Coord3D b = ToApi(plane.vertices[v + 1]);
            bool known = false;
            for (uint32_t e = 0; e < edges.count && !known; ++e) known = SameEdge(a, b, edges[e].start, edges[e].end);
            if (!known) {
                SetterEdge edge;
                edge.start = a;
                edge.end = b;
                edge.status = DummyStatusOf(v < plane.edgeStatus.count ? plane.edgeStatus[v] : int16_t(kStatusUnclassified));
                if (!HostArrayAppend(edges, edge)) return false;
            }
            if (SamePoint(b, ToApi(plane.vertices[contourStart]))) {
                // The edge closed its contour: skip the closing repeat, the next vertex starts anew.
                ++v;
                contourStart = v + 1;
            }
        }
    }
    return true;
}

// Writes the setter's edges and group into its parameter list; false when the host has no memory.
bool WriteSetterParams(API_AddParType** params, const HostArray<SetterEdge>& edges, const API_Coord3D& origin,
                       uint32_t group) {
    const int32_t n = int32_t(edges.count);
    ScopedHostArray<double> coords, types, zeros;
    bool ok = HostArrayReserve(*coords, uint32_t(n * kEdgeCoordColumns)) && HostArrayReserve(*types, uint32_t(n)) &&
              HostArrayReserve(*zeros, uint32_t(n));
    for (int32_t i = 0; ok && i < n; ++i) {
        const SetterEdge& e = edges[uint32_t(i)];
        double* row = &coords[uint32_t(i * kEdgeCoordColumns)];
        row[0] = e.start.x - origin.x;
        row[1] = e.start.y - origin.y;
        row[2] = e.start.z - origin.z;
        row[3] = e.end.x - origin.x;
        row[4] = e.end.y - origin.y;
        row[5] = e.end.z - origin.z;
        types[uint32_t(i)] = e.status;
        zeros[uint32_t(i)] = 0;
    }
    ok = ok && SetSetterParamArray(params, kParamEdgeCoords, n, kEdgeCoordColumns, coords->data()) &&
         SetSetterParamArray(params, kParamEdgeStatus, n, 1, types->data()) &&
         SetSetterParamArray(params, kParamApiStatus, n, 1, types->data()) &&
         SetSetterParamArray(params, kParamHotspotsX, n, 1, zeros->data()) &&
         SetSetterParamArray(params, kParamHotspotsY, n, 1, zeros->data()) &&
         SetSetterParamArray(params, kParamHotspotsY2, n, 1, zeros->data());
    SetSetterParamValue(params, kParamEdgeCount, n);
    SetSetterParamValue(params, kParamGroupIndex, group);
    return ok;
}

// Places the setter of one group with these edges; false after reporting a failure.
bool PlaceGroupSetter(uint32_t group, const HostArray<SetterEdge>& edges, double storyLevel, int16_t story) {
    API_Coord3D origin = edges[0].start;
    for (uint32_t e = 1; e < edges.count; ++e) {
        origin.x = std::fmin(origin.x, edges[e].start.x);
        origin.y = std::fmin(origin.y, edges[e].start.y);
        origin.z = std::fmin(origin.z, edges[e].start.z);
    }

    API_LibPart part{};
    part.typeID = APILib_ObjectID;
    std::snprintf(part.ownUnID, sizeof part.ownUnID, "%s", kEdgeSetterUnId);
    GSErrCode err = ACAPI_LibPart_Search(&part, false);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgPlaceSearch), err);
        return false;
    }
    API_Element element{};
    element.header.typeID = API_ObjectID;
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    err = ACAPI_Element_GetDefaults(&element, &memo);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgPlaceDefaults), err);
        return false;
    }
    double a = 0, b = 0;
    int32_t parCount = 0;
    API_AddParType** params = nullptr;
    const ParamListGuard paramsGuard(params);
    err = ACAPI_LibPart_GetParams(part.index, &a, &b, &parCount, &params);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgPlaceDefaults), err);
        return false;
    }
    if (!WriteSetterParams(params, edges, origin, group)) {  // without memory: reported by the growth
        return false;
    }
    // The part's own list, now filled in, replaces the one the object defaults carried.
    if (memo.params != nullptr) ACAPI_DisposeAddParHdl(&memo.params);
    memo.params = std::exchange(params, nullptr);

    element.header.floorInd = story;
    element.object.libInd = part.index;
    element.object.pos = API_Coord{origin.x, origin.y};
    element.object.level = origin.z - storyLevel;
    element.object.angle = 0;
    element.object.reflected = false;
    err = ACAPI_Element_Create(&element, &memo);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgPlaceCreate), err);
        return false;
    }
    API_Elem_Head* head = &element.header;
    ACAPI_Element_Tool(&head, 1, APITool_BringToFront);

    EdgeSetterRecord record;
    record.groupId = group;
    record.x = origin.x;
    record.y = origin.y;
    record.elevation = origin.z - storyLevel;
    record.edgeCount = edges.count;
    record.guid = element.header.guid;
    return HostArrayAppend(gState.edgeSetterRecords, record);
}

// Selects every placed setter, adding to the selection; false when the list cannot be made.
bool SelectPlacedSetters() {
    const uint32_t n = gState.edgeSetterRecords.count;
    if (n == 0) return true;
    ScopedHostArray<API_Neig> neigs;
    if (!HostArrayReserve(*neigs, n)) return false;  // reported by the growth
    for (uint32_t i = 0; i < n; ++i) {
        API_Neig neig;
        neig.guid = gState.edgeSetterRecords[i].guid;
        HostArrayAppend(*neigs, neig);
    }
    API_Neig* first = neigs->data();
    ACAPI_Element_Select(&first, int32_t(n), true);
    return true;
}

// The record this setter was placed as (found by its GUID, not matched before): same group, edge
// count, position, and neither turned nor mirrored; null when there is none. Marks it matched.
const EdgeSetterRecord* MatchingRecord(const API_Element& element, uint32_t group, uint32_t edgeCount,
                                       RecordIndex& index) {
    const int64_t i = RecordOfGuid(index, element.header.guid);
    if (i < 0 || index.matched[size_t(i)]) return nullptr;
    const EdgeSetterRecord& rec = gState.edgeSetterRecords[uint32_t(i)];
    const API_ObjectType& o = element.object;
    const double dx = o.pos.x - rec.x, dy = o.pos.y - rec.y, dz = o.level - rec.elevation;
    const bool sameGroup = rec.groupId == group;
    const bool sameCount = rec.edgeCount == edgeCount;
    const bool notTurned = std::fabs(o.angle) <= kSetterAngleTol;
    const bool notMirrored = !o.reflected;
    const bool notMoved = std::sqrt(dx * dx + dy * dy + dz * dz) < kSetterPositionTol;
    if (!(sameGroup && sameCount && notTurned && notMirrored && notMoved)) return nullptr;
    index.matched[size_t(i)] = true;
    return &rec;
}

// Builds the setter's edges in model coordinates with the types the user changed (0 where not).
bool ReadSetterEdges(const API_Element& element, API_AddParType** params, uint32_t edgeCount, double storyLevel,
                     HostArray<SetterEdge>& edges) {
    if (!HostArrayReserve(edges, edgeCount)) return false;
    const API_ObjectType& o = element.object;
    for (uint32_t i = 0; i < edgeCount; ++i) {
        const int32_t row = int32_t(i);
        SetterEdge e;
        const int16_t type = int16_t(SetterParamCell(params, kParamEdgeStatus, row));
        const int16_t placed = int16_t(SetterParamCell(params, kParamApiStatus, row));
        e.status = type == placed ? int16_t(0) : type;
        e.start = API_Coord3D{o.pos.x + SetterParamCell(params, kParamEdgeCoords, row, 0),
                              o.pos.y + SetterParamCell(params, kParamEdgeCoords, row, 1),
                              o.level + SetterParamCell(params, kParamEdgeCoords, row, 2) + storyLevel};
        e.end = API_Coord3D{o.pos.x + SetterParamCell(params, kParamEdgeCoords, row, 3),
                            o.pos.y + SetterParamCell(params, kParamEdgeCoords, row, 4),
                            o.level + SetterParamCell(params, kParamEdgeCoords, row, 5) + storyLevel};
        HostArrayAppend(edges, e);
    }
    return true;
}

// Writes the changed types of one setter into every plane of its group that has the edge, each
// plane with its own edge kind.
void ApplySetterEdges(uint32_t group, const HostArray<SetterEdge>& edges) {
    RoofPlaneTable& table = gState.roofPlanes;
    for (uint32_t i = 0; i < edges.count; ++i) {
        const SetterEdge& e = edges[i];
        if (e.status <= 0) continue;
        const uint32_t candidates = GroupPlaneCandidates(group);
        for (uint32_t c = 0; c < candidates; ++c) {
            RoofPlane* held = GroupPlaneWithOutline(table, group, c);
            if (held == nullptr) continue;
            RoofPlane& plane = *held;
            for (uint32_t v = 0; v + 1 < plane.vertexCount && v < plane.edgeStatus.count; ++v) {
                if (!SameEdge(e.start, e.end, ToApi(plane.vertices[v]), ToApi(plane.vertices[v + 1]))) continue;
                const int16_t kind = v < plane.edgeKind.count ? plane.edgeKind[v] : int16_t(kKindNone);
                const int16_t before = plane.edgeStatus[v];
                plane.edgeStatus[v] = EdgeStatusOf(e.status, kind);
                char trace[128];
                std::snprintf(trace, sizeof trace, "statusmodositas: %d-rol %d-re (geom %d)", int(before),
                              int(plane.edgeStatus[v]), int(kind));
                ReportTrace(trace);
            }
        }
    }
}

// Reads one setter back into the planes and lists it in `finalized` for deletion; false when it
// does not match its record or a host call failed (reported here). Its edges are measured from its
// own story's level, which need not be the story the user is on now.
SetterRead FinalizeOneSetter(const API_Element& element, RecordIndex& index, HostArray<API_Elem_Head>& finalized) {
    double storyLevel = 0;
    int16_t story = element.header.floorInd;
    GSErrCode err = StoryLevel(false, storyLevel, story);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgFinalizeStory), err);
        return SetterRead::Failed;
    }
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    err = ACAPI_Element_GetMemo(element.header.guid, &memo, APIMemoMask_AddPars);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgFinalizeGetMemo), err);
        return SetterRead::Failed;
    }
    const double edgeValue = SetterParamValue(memo.params, kParamEdgeCount, 0);
    const uint32_t edgeCount = edgeValue > 0 ? uint32_t(edgeValue) : 0;
    const double groupValue = SetterParamValue(memo.params, kParamGroupIndex, 0);
    const uint32_t group = groupValue > 0 ? uint32_t(groupValue) : 0;
    if (group == 0 || MatchingRecord(element, group, edgeCount, index) == nullptr) return SetterRead::Changed;
    ScopedHostArray<SetterEdge> edges;
    // without memory: reported by the growth
    if (!ReadSetterEdges(element, memo.params, edgeCount, storyLevel, *edges)) return SetterRead::Failed;
    ApplySetterEdges(group, *edges);

    return HostArrayAppend(finalized, element.header) ? SetterRead::Read : SetterRead::Failed;
}

}  // namespace

bool PlaceDummies() {
    double storyLevel = 0;
    int16_t story = 0;
    const GSErrCode err = CurrentStoryLevel(storyLevel, story);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgPlaceStory), err);
        return false;
    }
    HostArrayFree(gState.edgeSetterRecords);
    if (!HostArrayReserve(gState.edgeSetterRecords, gState.roofPlanes.nextGroupId)) return false;
    ListGroupPlanes();
    for (uint32_t group = 1; group <= gState.roofPlanes.nextGroupId; ++group) {
        ScopedHostArray<SetterEdge> edges;
        if (!HostArrayReserve(*edges, kEdgeListStep) || !CollectGroupEdges(group, *edges)) {
            gGroupPlanes.clear();
            return false;
        }
        const bool placed = edges->count == 0 || PlaceGroupSetter(group, *edges, storyLevel, story);
        if (!placed) {
            gGroupPlanes.clear();
            return false;
        }
    }
    gGroupPlanes.clear();
    return SelectPlacedSetters();
}

bool FinalizeDummies() {
    ScopedHostArray<API_Guid> objects(AllObjects());
    if (objects->count == 0) {
        ReportMessage(GetMessage(kMsgSettersChanged));
        return false;
    }
    uint32_t matched = 0;
    bool ok = true;
    bool reported = false;  // a failure already told (a host call's or the growth's)
    RecordIndex index;
    BuildRecordIndex(index);
    ScopedHostArray<API_Elem_Head> finalized;
    ListGroupPlanes();
    for (uint32_t i = 0; i < objects->count && ok; ++i) {
        API_Element element;
        const SetterCheck check = CheckSetter(objects[i], element, kMsgFinalizeGetElement, kMsgFinalizeGetLibPart);
        if (check == SetterCheck::Failed) ok = false, reported = true;
        if (check != SetterCheck::Setter) continue;
        const SetterRead read = FinalizeOneSetter(element, index, *finalized);
        ok = read == SetterRead::Read;
        reported = read == SetterRead::Failed;
        if (ok) ++matched;
    }
    gGroupPlanes.clear();
    // The setters read back go in one deletion: one at a time, every deletion would move the
    // project's later elements again.
    if (ok && finalized->count > 0) {
        API_Elem_Head* first = finalized->data();
        const GSErrCode deleted = ACAPI_Element_Delete(&first, int32_t(finalized->count));
        if (deleted != NoError) {
            ErrorAlert(GetMessage(kMsgFinalizeDelete), deleted);
            ok = false;
            reported = true;
        }
    }
    ok = ok && matched == gState.edgeSetterRecords.count;
    // The setters on the plan no longer match the run's: say so, unless a failure was told.
    if (!ok && !reported) ReportMessage(GetMessage(kMsgSettersChanged));
    return ok;
}

bool DeleteDummies() {
    ScopedHostArray<API_Guid> objects(AllObjects());
    if (objects->count == 0) return true;
    ScopedHostArray<API_Elem_Head> doomed;
    if (!HostArrayReserve(*doomed, objects->count)) {  // reported by the growth
        return false;
    }
    bool ok = true;
    for (uint32_t i = 0; i < objects->count && ok; ++i) {
        API_Element element;
        const SetterCheck check = CheckSetter(objects[i], element, kMsgDeleteGetElement, kMsgDeleteGetLibPart);
        if (check == SetterCheck::Failed) ok = false;
        if (check == SetterCheck::Setter) HostArrayAppend(*doomed, element.header);
    }
    if (ok && doomed->count > 0) {
        API_Elem_Head* first = doomed->data();
        const GSErrCode err = ACAPI_Element_Delete(&first, int32_t(doomed->count));
        if (err != NoError) {
            ErrorAlert(GetMessage(kMsgDeleteDelete), err);
            ok = false;
        }
    }
    return ok;
}

void ReleaseGroupPlanes() { std::vector<std::vector<uint32_t>>().swap(gGroupPlanes); }

bool GroupPlanesReleased() { return gGroupPlanes.empty() && gGroupPlanes.capacity() == 0; }
