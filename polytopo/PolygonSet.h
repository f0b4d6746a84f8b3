// Purpose: the topology engine's records (polygon set, polygons, vertices) and their memory upkeep.
#pragma once

#include <cstdint>

#include "Common_src/Api_related/HostArray.h"
#include "roofgeom/Geometry.h"
#include "roofgeom/Tolerances.h"

constexpr uint32_t kNoIndex = 0xFFFFFFFFu;

// linkState: the neighbour search's verdict on an edge.
enum LinkState : uint32_t { kLinkNotExamined = 0, kLinkFree = 1, kLinkShared = 2, kLinkMultiple = 3 };
// slopeClass of an edge.
// kSlopeUnused is never assigned; the edge codes still read it as a fall line.
enum SlopeClass : uint32_t {
    kSlopeHorizontal = 1,
    kSlopeAlmostHorizontal = 2,
    kSlopeFallLine = 3,
    kSlopeUnused = 4,
    kSlopeSloped = 5
};
// sideCode of a (nearly) horizontal edge.
enum SideCode : uint32_t { kSideLower = 2, kSideUpper = 4 };
// foldFlag of a shared edge.
enum FoldFlag : uint32_t { kFoldUnset = 0, kFoldFlat = 1, kFoldAlmostFlat = 2, kFoldConvex = 3, kFoldConcave = 4 };

// One vertex of a polygon; it also describes the edge from this vertex to the next.
struct TopoVertex {
    uint8_t contourEnd = 0;      // 1: repeats its contour's first vertex and closes the contour
    uint32_t contour = 0;        // 0 outer contour, 1.. holes
    uint32_t linkState = 0;      // LinkState
    uint32_t slopeClass = 0;     // SlopeClass
    uint32_t sideCode = 0;       // SideCode
    double foldAngle = 0;        // between the two planes at a shared edge, 0..2pi
    uint32_t neigGroupId = 0;
    uint32_t neigPolyIndex = kNoIndex;
    uint32_t neigEdgeIndex = kNoIndex;
    uint32_t foldFlag = 0;       // FoldFlag
    uint32_t linkBits = 0;
    uint8_t inHole = 0;          // 1 on contours after the first
    Coord3 point;
    Coord3 planeXY;              // carried along; recomputed by the driver afterwards
};

// One roof plane as the engine sees it. Its vertex list is a host handle of vertexCount records.
struct TopoPolygon {
    uint32_t subpolynum = 0;     // number of contours
    uint32_t vertexCount = 0;    // including each contour's closing repeat
    GSHandle vertices = nullptr;
    uint32_t groupId = 0;
    Coord3 planePoint;
    Coord3 planeNormal;
    Coord3 upNormal;             // the normal turned upward; zero for a vertical plane
    double pitch = 0;
    uint32_t orderChecked = 0;
    double area = 0;
};

struct PolygonSet {
    uint32_t polygonCount = 0;
    HostArray<TopoPolygon> polygons;
    uint32_t totalVertexCount = 0;
    uint32_t errorCount = 0;
    HostArray<char> log;         // lines ending in "\n", zero-terminated
    bool failureReported = false;  // the engine told the user itself why it stops (no second message)
};

// The vertex records of polygon p (null when it has none).
TopoVertex* PolygonVertices(PolygonSet& set, uint32_t p);
inline TopoPolygon& PolygonAt(PolygonSet& set, uint32_t p) { return set.polygons[p]; }

// True when the set has a polygon list and at least one polygon.
bool HasPolygons(const PolygonSet& set);

// Appends text and "\n" to the set's log (creating it on first use); an empty text adds nothing.
void AppendLog(PolygonSet& set, const char* text);

// Counts one problem and logs a printf-formatted line about it.
#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void LogProblem(PolygonSet& set, const char* format, ...);

// Sum of all polygons' vertexCount.
void RecountVertices(PolygonSet& set);

// Resets vertex k of polygon p to the empty vertex.
void ClearVertex(PolygonSet& set, uint32_t p, uint32_t k);

// Grows or shrinks polygon p's vertex list by one record (growth cleared). On failure the
// problem is logged ("Memory full error!") and the polygon is left without a vertex list.
bool ResizePolygon(PolygonSet& set, uint32_t p, bool shrink);

// Inserts a new vertex at point after vertex k of polygon p.
bool InsertVertex(PolygonSet& set, uint32_t p, uint32_t k, const Coord3& point);

// Removes vertex k of polygon p, moving the later records down by one.
bool RemoveVertex(PolygonSet& set, uint32_t p, uint32_t k);

// Releases every polygon's vertex list, the polygon list and the log.
void FreePolygonSet(PolygonSet& set);
