// Purpose: ridge objects on the ridge, hip and single-slope top edges of the roof planes.
#include "placement/PlaceRidges.h"
#include "Common_src/ParamNames.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/Messages.h"
#include "dialogs/TileSettings.h"
#include "placement/LibraryObjects.h"
#include "polytopo/EdgeGroups.h"
#include "roofgeom/EdgeIndex.h"
#include "roofgeom/Geometry.h"
#include "roofgeom/RoofModel.h"
#include "roofgeom/Tolerances.h"

namespace {

constexpr int32_t kMsgRidgeSearchFailed = 27;
constexpr int32_t kMsgRidgeDefaultsFailed = 28;
constexpr int32_t kMsgRidgeCreateFailed = 29;
constexpr int32_t kMsgRidgeElementId = 48;

constexpr int32_t kEndJoined = 0;
constexpr int32_t kEndFreeRidge = 1;
constexpr int32_t kEndFreeLower = 2;
constexpr int32_t kEndHippedRidge = 3;

// An edge whose plan (or x-z) extent stays within this has no direction of its own.
constexpr double kDirectionDegenerateTol = 0.001;
// The regular hipped end: hips 90 degrees apart, each 135 degrees from the ridge, within this.
constexpr double kHippedEndAngleTolDeg = 10.0;
constexpr double kHipsBetweenDeg = 90.0;
constexpr double kHipFromRidgeDeg = 135.0;

// The option value of the parameter-script request for a newly placed object.
constexpr intptr_t kRunParamScriptOptions = 0x10000000;

// A segment of the hipped-end memory: its two end points in edge order.
struct Segment3 {
    Coord3 a, b;
};


// True when two segments have the same end points, in the same or the opposite order.
bool SameSegment(const Segment3& s, const Segment3& t) {
    return (PointsWithin3D(s.a, t.a) && PointsWithin3D(s.b, t.b)) || (PointsWithin3D(s.a, t.b) && PointsWithin3D(s.b, t.a));
}

// Edge j of a plane as its two end points; the second wraps to vertex 0 after the last vertex.
Segment3 EdgeOf(const RoofPlane& plane, uint32_t j) {
    return {plane.vertices[j], plane.vertices[(j + 1) % plane.vertexCount]};
}

// The two ends of an edge ordered lower end first (a level edge keeps its own order).
Segment3 LowerEndFirst(const RoofPlane& plane, uint32_t e) {
    Segment3 s = EdgeOf(plane, e);
    if (s.a.z > s.b.z) {
        const Coord3 lower = s.b;
        s.b = s.a;
        s.a = lower;
    }
    return s;
}

// True when one end of the segment is the point.
bool Touches(const Segment3& s, const Coord3& p) { return PointsWithin3D(s.a, p) || PointsWithin3D(s.b, p); }

// The planes a search around a point or an edge looks at: every plane of the table, or, with the
// plane grid built, only those near it (a plane far away has no edge touching the point).
struct NearPlanes {
    std::vector<uint32_t> list;
    bool indexed = false;
    uint32_t count = 0;  // planes to look at; At(c) gives them in table order
    uint32_t At(uint32_t c) const { return indexed ? list[c] : c; }
};

// The planes to look at around a point.
NearPlanes PlanesAroundPoint(const Coord3& point) {
    NearPlanes near;
    near.indexed = RoofPlanesNear(SegmentPlanBox(point, point), NeighbourSearchMargin(0), near.list);
    near.count = near.indexed ? uint32_t(near.list.size()) : gState.roofPlanes.planes.count;
    return near;
}

// The planes to look at around an edge.
NearPlanes PlanesAroundSegment(const Coord3& a, const Coord3& b) {
    NearPlanes near;
    near.indexed = RoofPlanesNear(SegmentPlanBox(a, b), NeighbourSearchMargin(0), near.list);
    near.count = near.indexed ? uint32_t(near.list.size()) : gState.roofPlanes.planes.count;
    return near;
}

// How many ridge-type edges touch a point, and how many of them are hips and ridges.
struct TouchCounts {
    int32_t ridgeType = 0;
    int32_t hips = 0;
    int32_t ridges = 0;
};

// Counts the ridge-type edges touching P over every plane, leaving out edge e of plane p and its twins.
TouchCounts CountRidgeTypeTouching(uint32_t p, uint32_t e, const Coord3& point) {
    TouchCounts counts;
    const HostArray<RoofPlane>& planes = gState.roofPlanes.planes;
    const NearPlanes near = PlanesAroundPoint(point);
    for (uint32_t c = 0; c < near.count; ++c) {
        const uint32_t q = near.At(c);
        if (planes[q].vertexCount == 1) continue;
        for (uint32_t j = 0; j + 1 < planes[q].vertexCount; ++j) {
            if (EdgesCoincide(gState.roofPlanes, p, e, q, j)) continue;
            const int16_t status = planes[q].edgeStatus[j];
            if (!CarriesRidgeTiles(status) || !Touches(EdgeOf(planes[q], j), point)) continue;
            ++counts.ridgeType;
            if (status == kStatusHip) ++counts.hips;
            if (status == kStatusRidge) ++counts.ridges;
        }
    }
    return counts;
}

// Plan vector from P to the end of the segment that is not P.
Coord3 PlanVectorAway(const Segment3& s, const Coord3& p) {
    const Coord3& other = PointsWithin3D(s.a, p) ? s.b : s.a;
    return {other.x - p.x, other.y - p.y, 0.0};
}

// The end code of a ridge end where hips or ridges meet: 3 for the regular hipped end, else 0.
int32_t HippedEndCode(uint32_t p, uint32_t e, const Coord3& point, const Coord3& ridgeVector) {
    const HostArray<RoofPlane>& planes = gState.roofPlanes.planes;
    int32_t touching = 0;  // t: touching eaves, top edges, ridges and hips
    int32_t hipCount = 0;  // h
    Segment3 memory[2] = {};
    const NearPlanes near = PlanesAroundPoint(point);
    for (uint32_t c = 0; c < near.count; ++c) {
        const uint32_t q = near.At(c);
        if (planes[q].vertexCount == 1) continue;
        int32_t repeat = 0;  // d: set when a plane repeats the segment just stored
        for (uint32_t j = 0; j + 1 < planes[q].vertexCount; ++j) {
            if (EdgesCoincide(gState.roofPlanes, p, e, q, j)) continue;
            const int16_t status = planes[q].edgeStatus[j];
            const Segment3 segment = EdgeOf(planes[q], j);
            if (!Touches(segment, point)) continue;
            if (status == kStatusEave || CarriesRidgeTiles(status)) ++touching;
            if (status != kStatusRidge && status != kStatusHip) continue;
            ++hipCount;
            if (SameSegment(segment, memory[(hipCount + repeat - 1) % 2])) {
                repeat = 1;
            } else {
                memory[(hipCount + repeat) % 2] = segment;
            }
        }
    }
    if (touching == 0 || hipCount != 4) return kEndJoined;

    Coord3 hips[2];
    for (int s = 0; s < 2; ++s) {
        // Each segment must run down from P (or stay level): an end above P is no hipped end.
        const bool firstAbove = !PointsWithin3D(memory[s].a, point) && memory[s].a.z > point.z;
        const bool secondAbove = !PointsWithin3D(memory[s].b, point) && memory[s].b.z > point.z;
        if (firstAbove || secondAbove) return kEndJoined;
        hips[s] = PlanVectorAway(memory[s], point);
    }
    const double hipsApart = VectorAngle(hips[0], hips[1]) * kDegreesPerRadian;
    const double ridgeToHip1 = VectorAngle(ridgeVector, hips[1]) * kDegreesPerRadian;
    const double hip0ToRidge = VectorAngle(hips[0], ridgeVector) * kDegreesPerRadian;
    // The two hips stand at right angles to each other,
    const bool hipsSquare = std::fabs(hipsApart - kHipsBetweenDeg) < kHippedEndAngleTolDeg;
    // the second hip leaves the ridge at 135 degrees,
    const bool hip1Diagonal = std::fabs(ridgeToHip1 - kHipFromRidgeDeg) < kHippedEndAngleTolDeg;
    // and so does the first.
    const bool hip0Diagonal = std::fabs(hip0ToRidge - kHipFromRidgeDeg) < kHippedEndAngleTolDeg;
    return hipsSquare && hip1Diagonal && hip0Diagonal ? kEndHippedRidge : kEndJoined;
}

// Fills the ridge parameter rows from the settings, the end codes and the edge's rise.
void RidgeRows(ParamRow* rows, double beta, double lossMultiplier, int32_t lowerEnd, int32_t upperEnd, double rise) {
    const TileSettings& t = gTileSettings;
    rows[0] = RealParam(kParamPitch, beta);
    rows[1] = TextParam(kParamRidgeTile, t.gcstyp);
    rows[2] = TextParam(kParamTileFamily, t.fam);
    rows[3] = TextParam(kParamRidgeColour, t.color);
    rows[4] = RealParam(kParamLossMultiplier, lossMultiplier);
    rows[5] = TextParam("opt2d", t.opt2d);
    rows[6] = RealParam(kParamRidgeStartStatus, double(lowerEnd));
    rows[7] = RealParam(kParamRidgeEndStatus, double(upperEnd));
    rows[8] = RealParam(kParamPen, double(t.pen1));
    rows[9] = RealParam("ZZYZX", rise);
    rows[10] = TextParam("typ", t.typ);
    rows[11] = RealParam("modByAPI", 1.0);
}
constexpr size_t kRidgeRowCount = 12;

// Writes the new ridge's identifier on every other plane's edge with the same two end points.
void ShareWithTwinEdges(uint32_t p, const Segment3& edge, const API_Guid& ridge) {
    HostArray<RoofPlane>& planes = gState.roofPlanes.planes;
    const NearPlanes near = PlanesAroundSegment(edge.a, edge.b);
    for (uint32_t c = 0; c < near.count; ++c) {
        const uint32_t q = near.At(c);
        if (q == p || planes[q].vertexCount == 1) continue;
        for (uint32_t j = 0; j + 1 < planes[q].vertexCount; ++j) {
            if (SameSegment(EdgeOf(planes[q], j), edge)) planes[q].ridgeGuids[j] = ridge;
        }
    }
}

}  // namespace

double RidgePlanDirection(double dx, double dy) {
    if (std::fabs(dx) <= kDirectionDegenerateTol && std::fabs(dy) <= kDirectionDegenerateTol) return 0.0;
    const double planLength = std::sqrt(dx * dx + dy * dy);
    const double a = std::asin(dy / planLength);
    return dx >= 0 ? a : kPi - a;
}

double RidgeRiseAngle(double dx, double dz) {
    if (std::fabs(dz) <= kDirectionDegenerateTol && std::fabs(dx) <= kDirectionDegenerateTol) return 0.0;
    const double m = std::sqrt(dx * dx + dz * dz);
    const double a = std::asin(dz / m);
    return dx >= 0 ? a : kPi - a;
}

int32_t RidgeEndCode(uint32_t planeIndex, uint32_t edgeIndex, int32_t end) {
    const RoofPlane& plane = gState.roofPlanes.planes[planeIndex];
    const int16_t status = plane.edgeStatus[edgeIndex];
    const Segment3 edge = LowerEndFirst(plane, edgeIndex);
    const Coord3& point = end == 0 ? edge.a : edge.b;
    const TouchCounts counts = CountRidgeTypeTouching(planeIndex, edgeIndex, point);

    if (status == kStatusShedTop || status == kStatusHip) {
        if (counts.ridgeType != 0) return kEndJoined;
        // A level top edge (a lean-to's top) has no lower end: both its free ends are capped
        // like the free end of a ridge, not started like the foot of a hip.
        const bool level = std::fabs(edge.b.z - edge.a.z) < kPointEqualTol3D;
        if (status == kStatusShedTop && level) return kEndFreeRidge;
        return end == 0 ? kEndFreeLower : kEndJoined;
    }
    if (counts.ridgeType == 0 || (counts.hips == 0 && counts.ridges == 0)) return kEndFreeRidge;
    const Coord3 ridgeVector = end == 0 ? Coord3{edge.b.x - edge.a.x, edge.b.y - edge.a.y, 0.0}
                                        : Coord3{edge.a.x - edge.b.x, edge.a.y - edge.b.y, 0.0};
    return HippedEndCode(planeIndex, edgeIndex, point, ridgeVector);
}

void Ridge(uint32_t planeIndex, uint32_t edgeIndex, double ridgeLevel) {
    {
        const RoofPlane& plane = gState.roofPlanes.planes[planeIndex];
        if (!IsNullGuid(plane.ridgeGuids[edgeIndex])) return;  // placed already from the twin edge
        if (!CarriesRidgeTiles(plane.edgeStatus[edgeIndex])) return;
    }
    const int16_t status = gState.roofPlanes.planes[planeIndex].edgeStatus[edgeIndex];
    const Segment3 edge = LowerEndFirst(gState.roofPlanes.planes[planeIndex], edgeIndex);
    const double dx = edge.b.x - edge.a.x;
    const double dy = edge.b.y - edge.a.y;
    const double dz = edge.b.z - edge.a.z;
    const double alpha = RidgePlanDirection(dx, dy);
    const double beta = RidgeRiseAngle(dx, dz);
    const int32_t lowerEnd = RidgeEndCode(planeIndex, edgeIndex, 0);
    const int32_t upperEnd = RidgeEndCode(planeIndex, edgeIndex, 1);

    API_Element element{};
    API_ElementMemo memo{};
    const ElementMemoGuard memoGuard(memo);
    if (!PrepareLibraryObject(kRidgeMainId, {kMsgRidgeSearchFailed, kMsgRidgeDefaultsFailed}, element, memo)) return;

    element.object.pos.x = edge.a.x;
    element.object.pos.y = edge.a.y;
    element.object.angle = alpha;
    element.object.level = edge.a.z - ridgeLevel;
    element.object.xRatio = std::sqrt(dx * dx + dy * dy);
    element.object.useObjSectAttrs = true;
    element.object.reflected = false;
    std::snprintf(memo.elemInfoString, sizeof memo.elemInfoString, "%s", GetMessage(kMsgRidgeElementId));

    ParamRow rows[kRidgeRowCount];
    RidgeRows(rows, beta, LossMultiplierValue(gTileSettings.vesztesegszorzo), lowerEnd, upperEnd, dz);
    if (!ApplyParamRows(memo.params, rows, kRidgeRowCount)) {  // without memory: reported by the growth
        return;
    }
    element.header.floorInd = gState.currentStory;
    element.header.layer = gTileSettings.layer;

    const GSErrCode err = ACAPI_Element_Create(&element, &memo);
    if (err != NoError) {
        // A refused ridge leaves the edge (and its twins) without one; there is no script to run.
        ErrorAlert(GetMessage(kMsgRidgeCreateFailed), err);
        return;
    }
    gState.roofPlanes.planes[planeIndex].ridgeGuids[edgeIndex] = element.header.guid;
    if (IsSharedStatus(status)) ShareWithTwinEdges(planeIndex, edge, element.header.guid);

    API_Elem_Head head{};
    head.guid = element.header.guid;
    ACAPI_Goodies(APIAny_RunGDLParScriptID, &head, reinterpret_cast<void*>(kRunParamScriptOptions));
}
