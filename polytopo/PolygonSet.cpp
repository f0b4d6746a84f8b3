// Purpose: the topology engine's records (polygon set, polygons, vertices) and their memory upkeep.
#include "polytopo/PolygonSet.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "Common_src/Messages.h"

namespace {

constexpr uint32_t kLogGrowStep = 1024;  // the log grows by this many bytes at a time

}  // namespace

TopoVertex* PolygonVertices(PolygonSet& set, uint32_t p) {
    if (p >= set.polygonCount || set.polygons.handle == nullptr) return nullptr;
    GSHandle h = set.polygons[p].vertices;
    return h == nullptr ? nullptr : reinterpret_cast<TopoVertex*>(*h);
}

bool HasPolygons(const PolygonSet& set) { return set.polygons.handle != nullptr && set.polygonCount != 0; }

void AppendLog(PolygonSet& set, const char* text) {
    if (text == nullptr || text[0] == '\0') return;
    const uint32_t length = uint32_t(std::strlen(text));
    const uint32_t used = set.log.count;  // bytes of text, without the terminating zero
    const uint32_t wanted = used + length + 2;
    if (wanted > set.log.capacity) {
        const uint32_t grown = wanted + kLogGrowStep;
        if (!HostArrayTryReserve(set.log, grown)) return;  // a log line lost is no reason to stop the engine
    }
    char* d = set.log.data();
    std::memcpy(d + used, text, length);
    d[used + length] = '\n';
    d[used + length + 1] = '\0';
    set.log.count = used + length + 1;
}

void LogProblem(PolygonSet& set, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    ++set.errorCount;
    AppendLog(set, line);
}

void RecountVertices(PolygonSet& set) {
    set.totalVertexCount = 0;
    if (!HasPolygons(set)) return;
    for (uint32_t p = 0; p < set.polygonCount; ++p) set.totalVertexCount += set.polygons[p].vertexCount;
}

void ClearVertex(PolygonSet& set, uint32_t p, uint32_t k) {
    TopoVertex* v = PolygonVertices(set, p);
    if (v == nullptr || k >= set.polygons[p].vertexCount) return;
    v[k] = TopoVertex{};
}

bool ResizePolygon(PolygonSet& set, uint32_t p, bool shrink) {
    if (!HasPolygons(set) || p >= set.polygonCount) return false;
    char line[64];
    std::snprintf(line, sizeof line, "%s polygon:%i by one record", shrink ? "Shrinking" : "Growing", int(p));
    ReportTrace(line);
    TopoPolygon& polygon = set.polygons[p];
    if (polygon.vertices == nullptr) return false;
    if (shrink && polygon.vertexCount == 0) return false;
    const uint32_t newCount = shrink ? polygon.vertexCount - 1 : polygon.vertexCount + 1;
    // A list shrunk to nothing keeps one record's room, so the polygon keeps its handle.
    const uint32_t records = newCount == 0 ? 1 : newCount;
    GSHandle resized = BMReallocHandle(polygon.vertices, int32_t(records * sizeof(TopoVertex)), ALLOCATE_CLEAR, 0);
    if (resized == nullptr) {
        AppendLog(set, "Memory full error!");
        ++set.errorCount;
        BMKillHandle(&polygon.vertices);
        polygon.vertices = nullptr;
        polygon.vertexCount = 0;
        return false;
    }
    polygon.vertices = resized;
    polygon.vertexCount = newCount;
    if (!shrink) reinterpret_cast<TopoVertex*>(*resized)[newCount - 1] = TopoVertex{};
    return true;
}

bool InsertVertex(PolygonSet& set, uint32_t p, uint32_t k, const Coord3& point) {
    if (!HasPolygons(set) || p >= set.polygonCount || k >= set.polygons[p].vertexCount) return false;
    if (!ResizePolygon(set, p, false)) return false;
    TopoVertex* v = PolygonVertices(set, p);
    const uint32_t count = set.polygons[p].vertexCount;
    std::memmove(&v[k + 2], &v[k + 1], sizeof(TopoVertex) * (count - 1 - (k + 1)));
    ClearVertex(set, p, k + 1);
    v[k + 1].point = point;
    return true;
}

bool RemoveVertex(PolygonSet& set, uint32_t p, uint32_t k) {
    if (!HasPolygons(set) || p >= set.polygonCount) return false;
    TopoVertex* v = PolygonVertices(set, p);
    const uint32_t count = set.polygons[p].vertexCount;
    if (v == nullptr || k >= count) return false;
    if (k + 1 < count) std::memmove(&v[k], &v[k + 1], sizeof(TopoVertex) * (count - 1 - k));
    ClearVertex(set, p, count - 1);
    ResizePolygon(set, p, true);
    return true;
}

void FreePolygonSet(PolygonSet& set) {
    if (set.polygons.handle != nullptr) {
        for (uint32_t p = 0; p < set.polygons.count; ++p) {
            if (set.polygons[p].vertices != nullptr) BMKillHandle(&set.polygons[p].vertices);
            set.polygons[p].vertices = nullptr;
        }
    }
    HostArrayFree(set.polygons);
    HostArrayFree(set.log);
    set.polygonCount = 0;
    set.totalVertexCount = 0;
}
