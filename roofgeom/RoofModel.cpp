// Purpose: the small operations on the shared roof model: vertex slots, edge comparison, release.
#include "roofgeom/RoofModel.h"

#include <cmath>
#include <cstring>

#include "Common_src/AddOnState.h"
#include "polytopo/RunTopology.h"

namespace {

// Moves entries p .. oldCount-1 of an array up by one place and makes sure it counts newCount.
template <typename T>
void OpenSlot(HostArray<T>& a, uint32_t p, uint32_t oldCount) {
    T* d = a.data();
    if (oldCount > p) std::memmove(&d[p + 1], &d[p], sizeof(T) * (oldCount - p));
    if (a.count < oldCount + 1) a.count = oldCount + 1;
}

}  // namespace

bool InsertVertexSlot(RoofPlaneTable& table, uint32_t r, uint32_t p) {
    if (r >= table.planes.count) return false;
    RoofPlane& plane = table.planes[r];
    const uint32_t oldCount = plane.vertexCount;
    if (p > oldCount) return false;
    const uint32_t wanted = oldCount + 1;
    // Grow all five arrays first: nothing moves until every one of them has room, so a failure
    // leaves the plane exactly as it was, its arrays in step with its vertexCount.
    if (!HostArrayReserve(plane.vertices, wanted) || !HostArrayReserve(plane.edgeStatus, wanted) ||
        !HostArrayReserve(plane.planeCoords, wanted) || !HostArrayReserve(plane.ridgeGuids, wanted) ||
        !HostArrayReserve(plane.edgeKind, wanted)) {
        return false;
    }
    OpenSlot(plane.vertices, p, oldCount);
    OpenSlot(plane.edgeStatus, p, oldCount);
    OpenSlot(plane.planeCoords, p, oldCount);
    OpenSlot(plane.ridgeGuids, p, oldCount);
    OpenSlot(plane.edgeKind, p, oldCount);
    plane.vertexCount = wanted;
    return true;
}

bool EdgesCoincide(const RoofPlaneTable& table, uint32_t a, uint32_t i, uint32_t b, uint32_t j) {
    if (a >= table.planes.count || b >= table.planes.count) return false;
    const RoofPlane& pa = table.planes[a];
    const RoofPlane& pb = table.planes[b];
    if (i >= pa.vertexCount || j >= pb.vertexCount) return false;
    const Coord3& p1 = pa.vertices[i];
    const Coord3& p2 = pa.vertices[(i + 1) % pa.vertexCount];
    const Coord3& q1 = pb.vertices[j];
    const Coord3& q2 = pb.vertices[(j + 1) % pb.vertexCount];
    return (PointsCoincide3D(p1, q1) && PointsCoincide3D(p2, q2)) || (PointsCoincide3D(p1, q2) && PointsCoincide3D(p2, q1));
}

void FreeRoofPlanes() {
    RoofPlaneTable& table = gState.roofPlanes;
    for (uint32_t r = 0; r < table.planes.count; ++r) {
        RoofPlane& plane = table.planes[r];
        HostArrayFree(plane.vertices);
        HostArrayFree(plane.edgeStatus);
        HostArrayFree(plane.planeCoords);
        HostArrayFree(plane.ridgeGuids);
        HostArrayFree(plane.edgeKind);
    }
    HostArrayFree(table.planes);
    table.nextGroupId = 0;
    FreeTopologyLog();  // the topology engine's log describes these planes and goes with them
}
