// Purpose: a uniform grid over plan boxes, for the neighbour searches of the roof edges.
#include "roofgeom/EdgeIndex.h"

#include "Common_src/AddOnState.h"
#include "roofgeom/RoofModel.h"

#include <algorithm>
#include <cmath>

bool gAllPairsEdgeSearch = false;

namespace {

constexpr int32_t kMaxCellsPerSide = 2048;  // bounds the grid's memory on huge, sparse sites
constexpr double kSmallestGridExtent = 1e-6;  // metres: a site this narrow still gets a grid of its own
constexpr double kSmallestGridCell = 1e-3;    // metres: cells never get smaller than this

// The cell column or row of a coordinate, clamped into the grid.
int32_t CellOf(double value, double origin, double cell, int32_t count) {
    const double c = std::floor((value - origin) / cell);
    if (c < 0) return 0;
    if (c >= count) return count - 1;
    return int32_t(c);
}

}  // namespace

void EdgeGridReset(EdgeGrid& grid, const PlanBox& bounds, uint32_t itemCount, double typical) {
    const double width = std::max(bounds.maxX - bounds.minX, kSmallestGridExtent);
    const double height = std::max(bounds.maxY - bounds.minY, kSmallestGridExtent);
    // About one item per cell, but never cells much smaller than a typical item.
    double cell = std::sqrt(width * height / std::max<double>(itemCount, 1));
    cell = std::max(cell, std::max(typical, kSmallestGridCell));
    grid.minX = bounds.minX;
    grid.minY = bounds.minY;
    grid.nx = std::clamp(int32_t(std::ceil(width / cell)), 1, kMaxCellsPerSide);
    grid.ny = std::clamp(int32_t(std::ceil(height / cell)), 1, kMaxCellsPerSide);
    grid.cell = std::max(width / grid.nx, height / grid.ny);
    grid.cells.assign(size_t(grid.nx) * size_t(grid.ny), {});
    grid.stamp.assign(itemCount, 0);
    grid.query = 0;
}

void EdgeGridAdd(EdgeGrid& grid, uint32_t item, const PlanBox& box, double margin) {
    const int32_t x0 = CellOf(box.minX - margin, grid.minX, grid.cell, grid.nx);
    const int32_t x1 = CellOf(box.maxX + margin, grid.minX, grid.cell, grid.nx);
    const int32_t y0 = CellOf(box.minY - margin, grid.minY, grid.cell, grid.ny);
    const int32_t y1 = CellOf(box.maxY + margin, grid.minY, grid.cell, grid.ny);
    if (item >= grid.stamp.size()) grid.stamp.resize(item + 1, 0);
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x) {
            std::vector<uint32_t>& c = grid.cells[size_t(y) * size_t(grid.nx) + size_t(x)];
            // An item added twice in a row to one cell (two of its boxes there) is kept once.
            if (c.empty() || c.back() != item) c.push_back(item);
        }
}

void EdgeGridQuery(EdgeGrid& grid, const PlanBox& box, double margin, std::vector<uint32_t>& out) {
    out.clear();
    if (++grid.query == 0) {
        std::fill(grid.stamp.begin(), grid.stamp.end(), 0);
        grid.query = 1;
    }
    const int32_t x0 = CellOf(box.minX - margin, grid.minX, grid.cell, grid.nx);
    const int32_t x1 = CellOf(box.maxX + margin, grid.minX, grid.cell, grid.nx);
    const int32_t y0 = CellOf(box.minY - margin, grid.minY, grid.cell, grid.ny);
    const int32_t y1 = CellOf(box.maxY + margin, grid.minY, grid.cell, grid.ny);
    for (int32_t y = y0; y <= y1; ++y)
        for (int32_t x = x0; x <= x1; ++x)
            for (uint32_t item : grid.cells[size_t(y) * size_t(grid.nx) + size_t(x)]) {
                if (grid.stamp[item] == grid.query) continue;
                grid.stamp[item] = grid.query;
                out.push_back(item);
            }
    std::sort(out.begin(), out.end());
}

namespace {
constexpr double kSearchMarginFixed = 0.05;      // above every point tolerance of the searches
constexpr double kSearchMarginPerLength = 0.02;  // above the lens half-width of the angle tests, per metre
}  // namespace

PlanBox SegmentPlanBox(const Coord3& p, const Coord3& q) {
    return PlanBox{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
}

PlanBox RoofPlanePlanBox(const RoofPlane& plane) {
    PlanBox box{0, 0, 0, 0};
    for (uint32_t v = 0; v < plane.vertexCount; ++v) {
        const Coord3& p = plane.vertices[v];
        if (v == 0) box = PlanBox{p.x, p.y, p.x, p.y};
        box.minX = std::min(box.minX, p.x);
        box.minY = std::min(box.minY, p.y);
        box.maxX = std::max(box.maxX, p.x);
        box.maxY = std::max(box.maxY, p.y);
    }
    return box;
}

double NeighbourSearchMargin(double edgeLength) { return kSearchMarginFixed + kSearchMarginPerLength * edgeLength; }

namespace {
EdgeGrid gRoofPlaneGrid;
bool gRoofPlaneGridBuilt = false;
}  // namespace

void BuildRoofPlaneGrid(const RoofPlaneTable& table) {
    const uint32_t count = table.planes.count;
    PlanBox bounds{0, 0, 0, 0};
    double extentSum = 0;
    for (uint32_t r = 0; r < count; ++r) {
        const PlanBox box = RoofPlanePlanBox(table.planes[r]);
        if (r == 0) bounds = box;
        bounds = PlanBox{std::min(bounds.minX, box.minX), std::min(bounds.minY, box.minY),
                         std::max(bounds.maxX, box.maxX), std::max(bounds.maxY, box.maxY)};
        extentSum += std::max(box.maxX - box.minX, box.maxY - box.minY);
    }
    EdgeGridReset(gRoofPlaneGrid, bounds, count, extentSum / std::max<uint32_t>(count, 1));
    for (uint32_t r = 0; r < count; ++r) {
        // Points a plane gains later lie within the lens of one of its edges: grown by the margin.
        const PlanBox box = RoofPlanePlanBox(table.planes[r]);
        EdgeGridAdd(gRoofPlaneGrid, r, box, NeighbourSearchMargin(std::hypot(box.maxX - box.minX, box.maxY - box.minY)));
    }
    gRoofPlaneGridBuilt = true;
}

void DropRoofPlaneGrid() {
    gRoofPlaneGridBuilt = false;
    gRoofPlaneGrid = EdgeGrid{};
}

bool RoofPlaneGridDropped() { return !gRoofPlaneGridBuilt && gRoofPlaneGrid.cells.empty() && gRoofPlaneGrid.stamp.empty(); }

bool RoofPlanesNear(const PlanBox& box, double margin, std::vector<uint32_t>& out) {
    if (!gRoofPlaneGridBuilt || gAllPairsEdgeSearch) return false;
    EdgeGridQuery(gRoofPlaneGrid, box, margin, out);
    return true;
}

namespace {
EdgeGrid gSegmentGrid;
const HostArray<WallSegment>* gSegmentGridList = nullptr;
}  // namespace

void BuildSegmentGrid(const HostArray<WallSegment>& segments) {
    PlanBox bounds{0, 0, 0, 0};
    double lengthSum = 0;
    for (uint32_t k = 0; k < segments.count; ++k) {
        const WallSegment& s = segments[k];
        const PlanBox box{std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2), std::max(s.y1, s.y2)};
        if (k == 0) bounds = box;
        bounds = PlanBox{std::min(bounds.minX, box.minX), std::min(bounds.minY, box.minY),
                         std::max(bounds.maxX, box.maxX), std::max(bounds.maxY, box.maxY)};
        lengthSum += std::max(box.maxX - box.minX, box.maxY - box.minY);
    }
    EdgeGridReset(gSegmentGrid, bounds, segments.count, lengthSum / std::max<uint32_t>(segments.count, 1));
    for (uint32_t k = 0; k < segments.count; ++k) {
        const WallSegment& s = segments[k];
        const PlanBox box{std::min(s.x1, s.x2), std::min(s.y1, s.y2), std::max(s.x1, s.x2), std::max(s.y1, s.y2)};
        EdgeGridAdd(gSegmentGrid, k, box, NeighbourSearchMargin(std::hypot(s.x2 - s.x1, s.y2 - s.y1)));
    }
    gSegmentGridList = &segments;
}

void DropSegmentGrid() {
    gSegmentGridList = nullptr;
    gSegmentGrid = EdgeGrid{};
}

bool SegmentGridDropped() { return gSegmentGridList == nullptr && gSegmentGrid.cells.empty() && gSegmentGrid.stamp.empty(); }

bool SegmentsNear(const HostArray<WallSegment>& segments, const PlanBox& box, double margin, std::vector<uint32_t>& out) {
    if (gSegmentGridList != &segments || gAllPairsEdgeSearch) return false;
    EdgeGridQuery(gSegmentGrid, box, margin, out);
    return true;
}
