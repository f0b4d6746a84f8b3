// Purpose: the polygons of a polygon set in a plan grid for the engine's neighbour searches.
#include "polytopo/PolygonGrid.h"

#include <algorithm>
#include <cmath>

namespace {

EdgeGrid gPolygonGrid;
bool gPolygonGridBuilt = false;

// The plan box of a polygon's vertices; false when it has none.
bool PolygonPlanBox(PolygonSet& set, uint32_t p, PlanBox& box) {
    const TopoVertex* v = PolygonVertices(set, p);
    const uint32_t count = set.polygons[p].vertexCount;
    if (v == nullptr || count == 0) return false;
    box = PlanBox{v[0].point.x, v[0].point.y, v[0].point.x, v[0].point.y};
    for (uint32_t k = 1; k < count; ++k) {
        box.minX = std::min(box.minX, v[k].point.x);
        box.minY = std::min(box.minY, v[k].point.y);
        box.maxX = std::max(box.maxX, v[k].point.x);
        box.maxY = std::max(box.maxY, v[k].point.y);
    }
    return true;
}

}  // namespace

void BuildPolygonGrid(PolygonSet& set) {
    DropPolygonGrid();
    std::vector<PlanBox> boxes(set.polygonCount);
    PlanBox bounds{0, 0, 0, 0};
    double extentSum = 0;
    for (uint32_t p = 0; p < set.polygonCount; ++p) {
        if (!PolygonPlanBox(set, p, boxes[p])) return;  // an empty polygon: compare every pair
        const PlanBox& box = boxes[p];
        if (p == 0) bounds = box;
        bounds = PlanBox{std::min(bounds.minX, box.minX), std::min(bounds.minY, box.minY),
                         std::max(bounds.maxX, box.maxX), std::max(bounds.maxY, box.maxY)};
        extentSum += std::max(box.maxX - box.minX, box.maxY - box.minY);
    }
    EdgeGridReset(gPolygonGrid, bounds, set.polygonCount, extentSum / std::max<uint32_t>(set.polygonCount, 1));
    for (uint32_t p = 0; p < set.polygonCount; ++p) {
        const PlanBox& box = boxes[p];
        EdgeGridAdd(gPolygonGrid, p, box, NeighbourSearchMargin(std::hypot(box.maxX - box.minX, box.maxY - box.minY)));
    }
    gPolygonGridBuilt = true;
}

void DropPolygonGrid() {
    gPolygonGridBuilt = false;
    gPolygonGrid = EdgeGrid{};
}

bool PolygonGridDropped() { return !gPolygonGridBuilt && gPolygonGrid.cells.empty() && gPolygonGrid.stamp.empty(); }

bool PolygonsNear(const PlanBox& box, double margin, std::vector<uint32_t>& out) {
    if (!gPolygonGridBuilt || gAllPairsEdgeSearch) return false;
    EdgeGridQuery(gPolygonGrid, box, margin, out);
    return true;
}
