// Purpose: remembering the roofs of a tiling run with a digest of their 3D shape, and checking
// at finalization that each is still there as it was.
#include "roofgeom/RunRoofs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "Common_src/AddOnState.h"
#include "Common_src/Messages.h"
#include "Common_src/UserTexts.h"
#include "roofgeom/ExtractRoof.h"

namespace {

constexpr double kShapeTol = 1e-6;        // metres: coordinates read twice from an unchanged roof agree far better
constexpr size_t kRefusalLineSize = 600;  // the refusal text with the roof's element ID

// Adds one vertex to a digest.
void AddVertex(RoofShapeDigest& d, const Coord3& p) {
    if (d.vertexCount == 0) d.low = d.high = p;
    d.low = Coord3{std::min(d.low.x, p.x), std::min(d.low.y, p.y), std::min(d.low.z, p.z)};
    d.high = Coord3{std::max(d.high.x, p.x), std::max(d.high.y, p.y), std::max(d.high.z, p.z)};
    d.sum = Coord3{d.sum.x + p.x, d.sum.y + p.y, d.sum.z + p.z};
    ++d.vertexCount;
}

// True when two points agree within a tolerance in each coordinate.
bool Near(const Coord3& a, const Coord3& b, double tol) {
    return std::fabs(a.x - b.x) <= tol && std::fabs(a.y - b.y) <= tol && std::fabs(a.z - b.z) <= tol;
}

// True when two digests describe the same shape in the same place.
bool SameShape(const RoofShapeDigest& a, const RoofShapeDigest& b) {
    const bool sameCount = a.vertexCount == b.vertexCount;
    const bool sameBox = Near(a.low, b.low, kShapeTol) && Near(a.high, b.high, kShapeTol);
    const bool sameSum = Near(a.sum, b.sum, kShapeTol * std::max(1, a.vertexCount));  // each vertex may add its share
    return sameCount && sameBox && sameSum;
}

// Shows the refusal that names a roof.
void ReportChangedRoof(const RunRoof& roof) {
    const std::string format = GetUserText(kTextRoofChanged);
    char line[kRefusalLineSize];
    std::snprintf(line, sizeof line, format.c_str(), roof.elementId);
    ReportMessage(line);
}

}  // namespace

GSErrCode ReadRoofShapeDigest(const API_Guid& roof, RoofShapeDigest& digest) {
    digest = RoofShapeDigest{};
    API_Elem_Head head{};
    head.guid = roof;
    API_ElemInfo3D info{};
    GSErrCode err = ACAPI_Element_Get3DInfo(&head, &info);
    if (err != NoError) return err;
    for (int32_t body = info.fbody; body <= info.lbody; ++body) {
        API_Component3D component;
        err = ReadComponent(API_BodyID, body, body, component);
        if (err == APIERR_DELETED) continue;  // a body the host has dropped
        if (err != NoError) return err;
        const int32_t vertices = component.body.nVert;
        for (int32_t v = 1; v <= vertices; ++v) {
            API_Component3D vert;
            if ((err = ReadComponent(API_VertID, v, body, vert)) != NoError) return err;
            AddVertex(digest, Coord3{vert.vert.x, vert.vert.y, vert.vert.z});
        }
    }
    return NoError;
}

bool RememberRunRoof(const API_Guid& roof) {
    RunRoof record;
    record.guid = roof;
    API_Guid guid = roof;
    if (ACAPI_Database(APIDb_GetElementInfoStringID, &guid, record.elementId) != NoError) record.elementId[0] = '\0';
    record.elementId[kRunRoofIdLength - 1] = '\0';
    const GSErrCode err = ReadRoofShapeDigest(roof, record.shape);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgEngineFailed), err);
        return false;
    }
    return HostArrayAppend(gState.runRoofs, record);  // without memory: reported by the growth
}

bool RunRoofsUnchanged() {
    for (uint32_t i = 0; i < gState.runRoofs.count; ++i) {
        const RunRoof& roof = gState.runRoofs[i];
        API_Element element{};
        element.header.guid = roof.guid;
        const bool present = ACAPI_Element_Get(&element) == NoError && element.header.typeID == API_RoofID;
        RoofShapeDigest now;
        // The roof is gone, its shape cannot be read, or it is no longer where and what it was.
        if (!present || ReadRoofShapeDigest(roof.guid, now) != NoError || !SameShape(now, roof.shape)) {
            ReportChangedRoof(roof);
            return false;
        }
    }
    return true;
}
