// Purpose: reading a tile surface's outline from its parameters and the point-on-surface test.
#include "accessories/SurfaceOutline.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/Api_related/ParamList.h"

namespace {

constexpr const char* kParamNodes = "nodes";
constexpr const char* kParamStatus = "stat";
constexpr int16_t kStatusClosesContour = -1;
constexpr double kOnEdgeTol = 0.001;      // metres: a pick this near an edge is on the surface
constexpr size_t kMinOutlineNodes = 4;    // three corners and the closing repeat

// The values an array parameter really holds (declared cells, never past the handle's end).
std::vector<double> ArrayValues(const API_AddParType& param) {
    if (param.typeMod != API_ParArray || param.array == nullptr) return {};
    const int64_t declared = int64_t(std::max(param.dim1, 0)) * int64_t(std::max(param.dim2, 0));
    const int64_t held = HandleCount<double>(param.array);
    const size_t n = size_t(std::min(declared, held));
    const double* values = reinterpret_cast<const double*>(*param.array);
    return std::vector<double>(values, values + n);
}

// Distance from p to the segment a-b.
double DistanceToSegment(const Coord2& p, const Coord2& a, const Coord2& b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    const double t = lengthSquared > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

void ReadSurfaceOutline(API_AddParType** params, int32_t walkCount, SurfaceOutline& outline) {
    outline = SurfaceOutline{};
    const int32_t n = ParamWalkLength(params, walkCount);
    std::vector<double> nodes, status;
    for (int32_t i = 0; i < n; ++i) {
        const API_AddParType& param = (*params)[i];
        if (ParamNameIs(param, kParamNodes)) nodes = ArrayValues(param);
        if (ParamNameIs(param, kParamStatus)) status = ArrayValues(param);
    }
    for (size_t k = 0; k + 1 < nodes.size(); k += 2) {
        // A node whose coordinates are not finite cannot bound anything: the outline is unusable.
        if (!std::isfinite(nodes[k]) || !std::isfinite(nodes[k + 1])) {
            outline = SurfaceOutline{};
            return;
        }
        outline.nodes.push_back(Coord2{nodes[k], nodes[k + 1]});
        const size_t s = k / 2;
        outline.status.push_back(s < status.size() ? int16_t(status[s]) : int16_t(0));
    }
}

bool PointOnSurface(const SurfaceOutline& outline, const Coord2& point) {
    const std::vector<Coord2>& v = outline.nodes;
    if (v.size() < kMinOutlineNodes) return true;
    bool inside = false;
    for (size_t i = 0; i + 1 < v.size(); ++i) {
        if (outline.status[i] == kStatusClosesContour) continue;  // the step to the next contour is no edge
        const Coord2& a = v[i];
        const Coord2& b = v[i + 1];
        if (DistanceToSegment(point, a, b) <= kOnEdgeTol) return true;
        // The edge straddles the point's horizontal line, and the crossing lies right of the point.
        const bool straddles = (a.y > point.y) != (b.y > point.y);
        if (straddles && point.x < a.x + (point.y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
    }
    return inside;
}
