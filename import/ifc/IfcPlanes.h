// Purpose: the plane stage of the IFC import: turns an element's triangle soup into planar faces
// with an outer ring and holes, and picks the faces that are a roof's top surface.
#pragma once

#include <cstddef>
#include <vector>

namespace ifcimport {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

// One planar face of a mesh: every coplanar triangle joined through shared edges.
struct MeshFace {
    Vec3 normal;                             // unit, pointing out of the solid
    double offset = 0;                       // normal . p for points p of the face
    std::vector<Vec3> outer;                 // counter-clockwise seen from the normal side
    std::vector<std::vector<Vec3>> holes;    // clockwise seen from the normal side
    double area = 0;                         // of the triangles, m2
};

// Welding distance: vertices closer than this are one vertex.
constexpr double kWeldDistance = 0.0005;
// Two triangles lie in one plane when their normals differ by less than this angle (degrees) ...
constexpr double kCoplanarAngleDeg = 1.0;
// ... and each lies within this distance of the other's plane.
constexpr double kCoplanarDistance = 0.002;
// A boundary point closer than this to the line of its neighbours is dropped.
constexpr double kCollinearDistance = 0.001;
// Roof top faces face up at least this much (z of the unit normal).
constexpr double kRoofNormalMinZ = 0.1;
// A roof top face needs an anti-parallel face of the same solid between these distances below it.
constexpr double kSoffitMinGap = 0.001;
constexpr double kSoffitMaxGap = 1.5;
// Triangles with a coordinate beyond this (m, after the shift to a local origin) are not read.
constexpr double kMaxCoordinate = 1e8;
// Normals within this angle (degrees) of opposite count as anti-parallel.
constexpr double kAntiParallelAngleDeg = 2.0;

// Planar faces of a triangle soup given as x y z of each corner, nine numbers a triangle.
// Vertices are welded, T-junctions split, coplanar triangles that share an edge joined and
// their boundaries traced into rings. A solid wound inside out is turned first. Triangles with a
// coordinate that is not finite or beyond kMaxCoordinate are left out.
std::vector<MeshFace> ExtractFaces(const std::vector<double>& triangles);

// Indices of the faces that are a roof's top surface: facing up (normal z above
// kRoofNormalMinZ) with an anti-parallel face of the same solid between kSoffitMinGap and
// kSoffitMaxGap below; `gap` receives that distance for each kept face (the roof's thickness).
std::vector<size_t> RoofTopFaces(const std::vector<MeshFace>& faces, std::vector<double>* gap = nullptr);

// Area of a planar ring (m2), by its vector area.
double RingArea(const std::vector<Vec3>& ring);

// The points where a closed mesh's edges cross the plane n.p = offset, as a convex ring in that
// plane (counter-clockwise seen from the normal side); empty when the mesh misses the plane.
std::vector<Vec3> SectionHull(const std::vector<double>& triangles, const Vec3& n, double offset);

// True when point p (in the plane of the ring) lies inside the ring.
bool RingContains(const std::vector<Vec3>& ring, const Vec3& n, const Vec3& p);

}  // namespace ifcimport
