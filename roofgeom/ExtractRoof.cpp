// Purpose: roof model extraction: finds a roof's top-surface polygons in the host's 3D model by
// their material (giving the roof three temporary materials when its own cannot tell the top
// apart), and turns each into a RoofPlane with its plane frame, area and levels.
#include "roofgeom/ExtractRoof.h"

#include <cmath>
#include <cstring>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/Messages.h"

namespace {

constexpr double kHorizontalNormalTol = 0.001;   // plan parts of a horizontal plane's normal stay within this
constexpr double kLevelOffset = 0.001;           // baseLevel above the first vertex, ridgeLevel below the story
constexpr int kTemporaryMaterialCount = 3;       // top, side and bottom
constexpr int16_t kFaultSelectButton = 1;        // "Hibás elem kiválasztása"

// The roof's surface settings as they were before the extraction changed them.
struct SavedRoofMaterials {
    bool wasChained = false;    // the chained-materials flag was on
    bool unchained = false;     // ... and the extraction switched it off
    bool materialsSet = false;  // the three temporary materials are on the roof
    bool overrideTop = false, overrideSide = false, overrideBot = false;
    int32_t topMat = 0, sideMat = 0, botMat = 0;
};

// The two temporary buffers of one polygon's contours: the points, and where each contour ends.
// They live for one roof's extraction and go back to the host when it ends, on every path.
struct ContourBuffers {
    ScopedHostArray<Coord3> points;
    ScopedHostArray<uint32_t> contourEnds;
};

// Marks the six override fields (flags and materials) in a change mask.
void MaskOverrides(API_Element& mask) {
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.overrideTopMaterial);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.overrideSideMaterial);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.overrideBotMaterial);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.topMat);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.sideMat);
    ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.botMat);
}

// Gives the roof back its own override flags, materials and chained flag (when they were
// changed) and, when asked, reports that the run failed.
void RestoreRoofMaterials(const API_Guid& roofGuid, SavedRoofMaterials& saved, bool reportFailure) {
    if (saved.materialsSet || saved.unchained) {
        API_Element roof{};
        roof.header.guid = roofGuid;
        GSErrCode err = ACAPI_Element_Get(&roof);
        if (err != NoError) {
            // The masked change below needs only the roof's identity: give the roof back anyway.
            DBPrintf("RestoreRoofMaterials: error %d in ACAPI_Element_Get", int(err));
            roof = API_Element{};
            roof.header.guid = roofGuid;
            roof.header.typeID = API_RoofID;
            err = NoError;
        }
        if (err == NoError) {
            API_Element mask;
            ACAPI_ELEMENT_MASK_CLEAR(mask);
            if (saved.materialsSet) {
                roof.roof.overrideTopMaterial = saved.overrideTop;
                roof.roof.overrideSideMaterial = saved.overrideSide;
                roof.roof.overrideBotMaterial = saved.overrideBot;
                roof.roof.topMat = saved.topMat;
                roof.roof.sideMat = saved.sideMat;
                roof.roof.botMat = saved.botMat;
                MaskOverrides(mask);
                err = ACAPI_Element_Change(&roof, &mask);
                if (err != NoError) err = ACAPI_Element_Change(&roof, &mask);  // once more: the roof must come back
                if (err != NoError) DBPrintf("RestoreRoofMaterials: error %d in ACAPI_Element_Change", int(err));
            }
            roof.roof.materialsChained = saved.wasChained;
            ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.materialsChained);
            err = ACAPI_Element_Change(&roof, &mask);
            if (err != NoError) err = ACAPI_Element_Change(&roof, &mask);  // once more: the roof must come back
            if (err != NoError) DBPrintf("RestoreRoofMaterials: error %d in ACAPI_Element_Change", int(err));
        } else {
            DBPrintf("RestoreRoofMaterials: error %d in ACAPI_Element_Get", int(err));
        }
        saved.materialsSet = false;
        saved.unchained = false;
    }
    if (reportFailure) ReportMessage(GetMessage(kMsgEngineFailed));
}

// The fault dialog: the roof's top surface cannot be told apart. The roof is given back its own
// materials first, so no path leaves it changed; button 1 selects the faulty roof alone.
GSErrCode FaultDialog(const API_Guid& roofGuid, SavedRoofMaterials& saved) {
    RestoreRoofMaterials(roofGuid, saved, false);
    char elementId[256] = {};
    API_Guid guid = roofGuid;
    if (ACAPI_Database(APIDb_GetElementInfoStringID, &guid, elementId) != NoError) elementId[0] = 0;
    if (FaultyElementDialog(elementId) != kFaultSelectButton) return APIERR_GENERAL;
    ACAPI_Element_Select(nullptr, 0, false);
    GSHandle selection = nullptr;
    if (!HostHandleGrow(selection, sizeof(API_Neig))) return APIERR_MEMFULL;
    const HandleGuard selectionGuard(selection);
    reinterpret_cast<API_Neig*>(*selection)->guid = roofGuid;
    ACAPI_Element_Select(reinterpret_cast<API_Neig**>(selection), 1, true);
    return APIERR_GENERAL;
}

// The surface material of a building material attribute.
GSErrCode BuildingMaterialSurface(int32_t buildingMaterial, int32_t& surface) {
    API_Attribute attr{};
    attr.typeID = API_BuildingMaterialID;
    attr.index = buildingMaterial;
    const GSErrCode err = ACAPI_Attribute_Get(&attr);
    if (err == NoError) surface = attr.surfaceMaterial;
    return err;
}

// The material that marks the roof's top surface by itself (0 when its own settings cannot).
GSErrCode FindTopMaterial(const API_RoofType& roof, int32_t& topMaterial) {
    topMaterial = 0;
    if (!roof.overrideTopMaterial) return NoError;
    const int32_t t = roof.topMat;
    if (roof.modelElemStructureType == API_BasicStructure) {
        int32_t surface = 0;
        const GSErrCode err = BuildingMaterialSurface(roof.buildingMaterial, surface);
        if (err != NoError) return err;
        // the top override is the body's own surface, or an enabled side or bottom override
        const bool shared = t == surface || (roof.overrideSideMaterial && t == roof.sideMat) ||
                            (roof.overrideBotMaterial && t == roof.botMat);
        topMaterial = shared ? 0 : t;
        return NoError;
    }
    if (roof.modelElemStructureType != API_CompositeStructure) return NoError;  // profiled roof
    if (t == roof.sideMat || t == roof.botMat) return NoError;
    API_Attribute composite{};
    composite.typeID = API_CompWallID;
    composite.index = roof.composite;
    GSErrCode err = ACAPI_Attribute_Get(&composite);
    if (err != NoError) return err;
    API_AttributeDef defs{};
    err = ACAPI_Attribute_GetDef(API_CompWallID, roof.composite, &defs);
    if (err != NoError) return err;
    topMaterial = t;
    for (int32_t k = 0; k < composite.nSkins && defs.cwall_compItems != nullptr; ++k) {
        int32_t surface = 0;
        err = BuildingMaterialSurface((*defs.cwall_compItems)[k].buildingMaterial, surface);
        if (err != NoError) break;
        if (surface == t) topMaterial = 0;
    }
    ACAPI_DisposeAttrDefsHdls(&defs);
    if (err != NoError) topMaterial = 0;
    return err;
}

// The first three material indices whose attribute can be read; false when fewer exist.
GSErrCode FindTemporaryMaterials(int32_t (&materials)[kTemporaryMaterialCount], bool& found) {
    found = false;
    int32_t count = 0;
    const GSErrCode err = ACAPI_Attribute_GetNum(API_MaterialID, &count);
    if (err != NoError) return err;
    int taken = 0;
    for (int32_t i = 1; i <= count && taken < kTemporaryMaterialCount; ++i) {
        API_Attribute attr{};
        attr.typeID = API_MaterialID;
        attr.index = i;
        if (ACAPI_Attribute_Get(&attr) == NoError) materials[taken++] = i;
    }
    found = taken == kTemporaryMaterialCount;
    return NoError;
}

// Ends the contour that began at point `first`: it must end on an exact copy of its first point.
// A last point within kPointEqualTol3D of the first (a closing edge shorter than that was taken as the end of
// the previous edge) becomes that copy; a contour that does not come back gets the copy appended.
bool CloseContour(ContourBuffers& buffers, uint32_t first) {
    const uint32_t count = buffers.points->count;
    if (count <= first) return true;  // an empty contour has nothing to close
    const Coord3 start = buffers.points[first];
    Coord3& last = buffers.points[count - 1];
    // The contour holds more than its first point and already comes back to it.
    if (count - 1 > first && PointsWithin3D(last, start)) {
        last = start;
        return true;
    }
    return HostArrayAppend(*buffers.points, start);
}

// Collects a polygon's contours from its signed edge list (0 separates contours). A point is
// taken unless it equals an end of the previous edge; the previous edge carries over contours.
// Each contour ends on a copy of its first point.
GSErrCode CollectContours(int32_t body, int32_t fpedg, int32_t lpedg, ContourBuffers& buffers) {
    buffers.points->count = 0;
    buffers.contourEnds->count = 0;
    if (!HostArrayReserve(*buffers.points, uint32_t(lpedg - fpedg + 1) + 2)) return APIERR_MEMFULL;
    uint32_t contourFirst = 0;
    bool havePrevious = false;
    Coord3 prevStart, prevEnd;
    for (int32_t e = fpedg; e <= lpedg; ++e) {
        API_Component3D pedg;
        GSErrCode err = ReadComponent(API_PedgID, e, body, pedg);
        if (err != NoError) return err;
        const int32_t signedEdge = pedg.pedg.pedg;
        if (signedEdge == 0) {
            if (!CloseContour(buffers, contourFirst)) return APIERR_MEMFULL;
            if (!HostArrayAppend(*buffers.contourEnds, buffers.points->count)) return APIERR_MEMFULL;
            contourFirst = buffers.points->count;
            continue;
        }
        API_Component3D edge, v1, v2;
        if ((err = ReadComponent(API_EdgeID, std::abs(signedEdge), body, edge)) != NoError) return err;
        if ((err = ReadComponent(API_VertID, edge.edge.vert1, body, v1)) != NoError) return err;
        if ((err = ReadComponent(API_VertID, edge.edge.vert2, body, v2)) != NoError) return err;
        const Coord3 first{v1.vert.x, v1.vert.y, v1.vert.z};
        const Coord3 second{v2.vert.x, v2.vert.y, v2.vert.z};
        const Coord3 start = signedEdge > 0 ? first : second;
        const Coord3 end = signedEdge > 0 ? second : first;
        // the start is new unless it is an end of the previous edge
        if (!(havePrevious && (PointsWithin3D(start, prevStart) || PointsWithin3D(start, prevEnd))) &&
            !HostArrayAppend(*buffers.points, start))
            return APIERR_MEMFULL;
        // the end likewise, tested against the previous edge and not against the start
        if (!(havePrevious && (PointsWithin3D(end, prevStart) || PointsWithin3D(end, prevEnd))) &&
            !HostArrayAppend(*buffers.points, end))
            return APIERR_MEMFULL;
        prevStart = start;
        prevEnd = end;
        havePrevious = true;
    }
    if (!CloseContour(buffers, contourFirst)) return APIERR_MEMFULL;
    if (!HostArrayAppend(*buffers.contourEnds, buffers.points->count)) return APIERR_MEMFULL;
    return NoError;
}

// The level of the current story, from the host's story information.
GSErrCode CurrentStoryLevel(double& level) {
    API_StoryInfo info{};
    const GSErrCode err = ACAPI_Environment(APIEnv_GetStorySettingsID, &info);
    if (err != NoError) return err;
    level = 0;
    if (info.data != nullptr) {
        const auto* stories = reinterpret_cast<const API_StoryType*>(*info.data);
        const int32_t held = HandleCount<API_StoryType>(info.data);
        for (int32_t i = 0; i < held && i <= info.lastStory - info.firstStory; ++i)
            if (stories[i].index == info.actStory) level = stories[i].level;
        BMKillHandle(&info.data);
    }
    return NoError;
}

// Releases the per-vertex arrays of a plane record that never reached the table.
void FreePlaneArrays(RoofPlane& plane) {
    HostArrayFree(plane.vertices);
    HostArrayFree(plane.edgeStatus);
    HostArrayFree(plane.planeCoords);
    HostArrayFree(plane.ridgeGuids);
    HostArrayFree(plane.edgeKind);
}

// Gives each per-vertex array room for n entries; false (nothing kept) when memory is out.
bool AllocatePlaneArrays(RoofPlane& plane, uint32_t n) {
    if (HostArrayReserve(plane.vertices, n) && HostArrayReserve(plane.edgeStatus, n) &&
        HostArrayReserve(plane.planeCoords, n) && HostArrayReserve(plane.ridgeGuids, n) &&
        HostArrayReserve(plane.edgeKind, n)) {
        plane.vertices.count = plane.edgeStatus.count = plane.planeCoords.count = n;
        plane.ridgeGuids.count = plane.edgeKind.count = n;
        return true;
    }
    FreePlaneArrays(plane);
    return false;
}

// The plane angle theta: the direction of the horizontal vector n x (0, 0, 1) = (n.y, -n.x).
double PlaneAngle(const Coord3& n) {
    // both plan parts of the normal vanish: a horizontal plane
    if (std::fabs(n.y) <= kHorizontalNormalTol && std::fabs(n.x) <= kHorizontalNormalTol) return 0;
    const double planLength = std::sqrt(n.x * n.x + n.y * n.y);
    const double s = std::fmax(-1.0, std::fmin(1.0, -n.x / planLength));
    const double k = n.y / planLength;
    return k >= 0 ? std::asin(s) : kPi - std::asin(s);
}

// The area enclosed by the closed contour of points [from, to), in plane coordinates (shoelace).
double ContourArea(const Coord2* uv, uint32_t from, uint32_t to) {
    double sum = 0;
    for (uint32_t j = from + 1; j < to; ++j) sum += uv[j].y * uv[j - 1].x - uv[j - 1].y * uv[j].x;
    return std::fabs(sum) / 2;
}

// Builds one RoofPlane from a polygon's collected contours and its normal, and appends it.
GSErrCode AppendRoofPlane(const ContourBuffers& buffers, const Coord3& n, const API_Guid& roofGuid,
                          const API_Guid& tileSurfaceGuid) {
    double storyLevel = 0;
    const GSErrCode err = CurrentStoryLevel(storyLevel);
    if (err != NoError) return err;

    const uint32_t count = buffers.points->count;
    RoofPlane plane{};
    plane.roofGuid = roofGuid;
    plane.tileSurfaceGuid = tileSurfaceGuid;
    plane.inRun = 1;
    plane.vertexCount = count;
    plane.contourCount = buffers.contourEnds->count;
    plane.group = 0;
    if (!AllocatePlaneArrays(plane, count)) return APIERR_MEMFULL;
    const Coord3* points = buffers.points->data();
    std::memcpy(plane.vertices.data(), points, sizeof(Coord3) * count);
    for (uint32_t i = 0; i < count; ++i) {
        plane.edgeStatus[i] = 0;
        plane.edgeKind[i] = 0;
        plane.ridgeGuids[i] = APINULLGuid;
    }

    plane.origin = Coord2{points[0].x, points[0].y};
    plane.levelLine[0] = plane.origin;
    plane.levelLine[1] = Coord2{plane.origin.x + n.y, plane.origin.y - n.x};

    const double theta = PlaneAngle(n);
    const double planLength = std::sqrt(n.x * n.x + n.y * n.y);
    const double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    const double pitch = length > 0 ? -std::asin(std::fmin(1.0, planLength / length)) : 0;
    if (pitch < 0) {
        plane.slope = -pitch;
        plane.azimuth = theta + kPi;
        plane.flipped = 1;
    } else {
        plane.slope = pitch;
        plane.azimuth = theta;
        plane.flipped = 0;
    }

    // u along the horizontal line, v up the fall line in true length (unflipped theta).
    const double c = std::cos(-theta), s = std::sin(-theta), fall = std::cos(pitch);
    for (uint32_t i = 0; i < count; ++i) {
        const double dx = points[i].x - plane.origin.x;
        const double dy = points[i].y - plane.origin.y;
        plane.planeCoords[i] = Coord2{dx * c - dy * s, (dx * s + dy * c) / fall};
    }

    // The outer contour's area minus the holes'.
    uint32_t from = 0;
    for (uint32_t k = 0; k < buffers.contourEnds->count; ++k) {
        const uint32_t to = buffers.contourEnds[k];
        const double a = to > from ? ContourArea(plane.planeCoords.data(), from, to) : 0;
        plane.area += k == 0 ? a : -a;
        from = to;
    }

    plane.baseLevel = points[0].z + kLevelOffset - storyLevel;
    plane.ridgeLevel = storyLevel - kLevelOffset;
    if (!HostArrayAppend(gState.roofPlanes.planes, plane)) {
        FreePlaneArrays(plane);
        return APIERR_MEMFULL;
    }
    return NoError;
}

// Appends a plane for each polygon of a body whose material is the top material.
GSErrCode TakeTopPolygons(int32_t body, int32_t polygonCount, const char* topName, const API_Guid& roofGuid,
                          const API_Guid& tileSurfaceGuid, ContourBuffers& buffers, int& taken) {
    GSErrCode err = NoError;
    for (int32_t p = 1; p <= polygonCount; ++p) {
        API_Component3D pgon;
        if ((err = ReadComponent(API_PgonID, p, body, pgon)) != NoError) return err;
        if (pgon.pgon.fpedg >= pgon.pgon.lpedg) continue;
        API_Component3D umat;
        if ((err = ReadComponent(API_UmatID, pgon.pgon.iumat, body, umat)) != NoError) return err;
        if (std::strcmp(umat.umat.name, topName) != 0) continue;
        API_Component3D vect;
        if ((err = ReadComponent(API_VectID, std::abs(pgon.pgon.ivect), body, vect)) != NoError) return err;
        const double sign = pgon.pgon.ivect < 0 ? -1.0 : 1.0;
        const Coord3 normal{sign * vect.vect.x, sign * vect.vect.y, sign * vect.vect.z};
        if ((err = CollectContours(body, pgon.pgon.fpedg, pgon.pgon.lpedg, buffers)) != NoError) return err;
        if (buffers.points->count == 0) continue;  // only contour separators: nothing to tile
        if ((err = AppendRoofPlane(buffers, normal, roofGuid, tileSurfaceGuid)) != NoError) return err;
        ++taken;
    }
    return NoError;
}

}  // namespace

GSErrCode ExtractRoof(API_Guid roofGuid, API_Guid tileSurfaceGuid) {
    API_Element roof{};
    roof.header.guid = roofGuid;
    GSErrCode err = ACAPI_Element_Get(&roof);
    if (err != NoError) return err;

    int32_t topMaterial = 0;
    err = FindTopMaterial(roof.roof, topMaterial);
    if (err != NoError) return err;

    SavedRoofMaterials saved;
    ContourBuffers buffers;
    if (topMaterial == 0) {
        // The roof's own materials cannot tell the top apart: give it three distinct ones.
        int32_t materials[kTemporaryMaterialCount] = {};
        bool found = false;
        err = FindTemporaryMaterials(materials, found);
        if (err != NoError) return err;
        if (!found) return FaultDialog(roofGuid, saved);

        bool unchainFailed = false;
        API_Element mask;
        if (roof.roof.materialsChained) {
            saved.wasChained = true;
            roof.roof.materialsChained = false;
            ACAPI_ELEMENT_MASK_CLEAR(mask);
            ACAPI_ELEMENT_MASK_SETFIELD(mask.roof.materialsChained);
            unchainFailed = ACAPI_Element_Change(&roof, &mask) != NoError;
            saved.unchained = !unchainFailed;
        }
        saved.overrideTop = roof.roof.overrideTopMaterial;
        saved.overrideSide = roof.roof.overrideSideMaterial;
        saved.overrideBot = roof.roof.overrideBotMaterial;
        saved.topMat = roof.roof.topMat;
        saved.sideMat = roof.roof.sideMat;
        saved.botMat = roof.roof.botMat;

        roof.roof.overrideTopMaterial = roof.roof.overrideSideMaterial = roof.roof.overrideBotMaterial = true;
        roof.roof.topMat = materials[0];
        roof.roof.sideMat = materials[1];
        roof.roof.botMat = materials[2];
        ACAPI_ELEMENT_MASK_CLEAR(mask);
        MaskOverrides(mask);
        if (ACAPI_Element_Change(&roof, &mask) != NoError) return FaultDialog(roofGuid, saved);
        saved.materialsSet = true;
        topMaterial = materials[0];
        if (unchainFailed) return FaultDialog(roofGuid, saved);
    }

    API_Attribute top{};
    top.typeID = API_MaterialID;
    top.index = topMaterial;
    if (ACAPI_Attribute_Get(&top) != NoError) return FaultDialog(roofGuid, saved);
    char topName[sizeof top.name];
    std::memcpy(topName, top.name, sizeof topName);
    topName[sizeof topName - 1] = 0;

    API_ElemInfo3D info{};
    err = ACAPI_Element_Get3DInfo(&roof.header, &info);
    if (err != NoError) {
        RestoreRoofMaterials(roofGuid, saved, true);
        return err;
    }
    int taken = 0;
    for (int32_t body = info.fbody; body <= info.lbody; ++body) {
        API_Component3D component;
        err = ReadComponent(API_BodyID, body, body, component);
        if (err == APIERR_DELETED) continue;  // a body the host has dropped
        if (err == NoError)
            err = TakeTopPolygons(body, component.body.nPgon, topName, roofGuid, tileSurfaceGuid, buffers, taken);
        if (err != NoError) {
            // A want of memory was told by the growth that met it; any other failure is told here.
            RestoreRoofMaterials(roofGuid, saved, err != APIERR_MEMFULL);
            return err;
        }
    }
    RestoreRoofMaterials(roofGuid, saved, false);
    if (taken == 0) {
        ReportMessage(GetMessage(kMsgFaultyElement));
        return APIERR_DELETED;
    }
    return NoError;
}

GSErrCode ReadComponent(API_3DTypeID type, int32_t index, int32_t body, API_Component3D& component) {
    component = API_Component3D{};
    component.header.typeID = type;
    component.header.index = index;
    component.bodyIndex = body;
    return ACAPI_3D_GetComponent(&component);
}
