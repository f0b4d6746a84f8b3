// Purpose: healing step: vertices of different planes of one roof that lie within the join
// distance of each other are pulled onto their common centre, so the planes meet in one point
// (a ridge drawn twice 2 cm apart becomes one ridge).
#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <tuple>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

// Union-find over vertex numbers.
size_t Root(std::vector<size_t>& parent, size_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
}

// The grid cell of a point, cells one join distance wide, so near points share or touch a cell.
std::tuple<long, long, long> Cell(const Vec3& p) {
    return {long(std::floor(p.x / kJoinDistance)), long(std::floor(p.y / kJoinDistance)),
            long(std::floor(p.z / kJoinDistance))};
}

// Snaps the near vertices of one roof; returns true when anything moved.
bool SnapRoof(Roof& roof, Report& report) {
    const std::vector<VertexRef> verts = RoofVertices(roof);
    std::vector<size_t> parent(verts.size());
    std::iota(parent.begin(), parent.end(), 0);
    std::map<std::tuple<long, long, long>, std::vector<size_t>> grid;
    for (size_t i = 0; i < verts.size(); ++i) grid[Cell(PointOf(roof, verts[i]))].push_back(i);
    for (size_t i = 0; i < verts.size(); ++i) {
        const Vec3& p = PointOf(roof, verts[i]);
        const auto [cx, cy, cz] = Cell(p);
        for (long dx = -1; dx <= 1; ++dx)
            for (long dy = -1; dy <= 1; ++dy)
                for (long dz = -1; dz <= 1; ++dz) {
                    auto it = grid.find({cx + dx, cy + dy, cz + dz});
                    if (it == grid.end()) continue;
                    for (size_t j : it->second)
                        // only vertices of different planes are joined
                        if (j > i && verts[j].face != verts[i].face && Distance(p, PointOf(roof, verts[j])) <= kJoinDistance)
                            parent[Root(parent, j)] = Root(parent, i);
                }
    }
    std::map<size_t, std::vector<size_t>> clusters;
    for (size_t i = 0; i < verts.size(); ++i) clusters[Root(parent, i)].push_back(i);
    bool moved = false;
    for (const auto& [root, members] : clusters) {
        if (members.size() < 2) continue;
        Vec3 centre;
        for (size_t m : members) centre = centre + PointOf(roof, verts[m]);
        centre = centre * (1.0 / double(members.size()));
        double spread = 0;
        bool collapsesEdge = false;
        for (size_t a = 0; a < members.size(); ++a)
            for (size_t b = a + 1; b < members.size(); ++b) {
                const VertexRef& va = verts[members[a]];
                const VertexRef& vb = verts[members[b]];
                const double d = Distance(PointOf(roof, va), PointOf(roof, vb));
                spread = std::max(spread, d);
                // two different points of one ring would fall together: that is a short edge, not a gap
                if (va.face == vb.face && va.ring == vb.ring && va.index != vb.index && d > kDuplicatePointDistance)
                    collapsesEdge = true;
            }
        if (spread <= kNegligibleMove || collapsesEdge) continue;
        for (size_t m : members) PointOf(roof, verts[m]) = centre;
        AddNote(report, Severity::Change, kRowSnapped, roof.id, roof.faces[verts[members.front()].face].source, &centre,
                spread * 100, double(members.size()));
        moved = true;
    }
    return moved;
}

}  // namespace

void SnapVertices(Scene& scene, Report& report) {
    for (Roof& roof : scene.roofs)
        if (roof.explicitPlanes && SnapRoof(roof, report)) roof.changed = true;
}

}  // namespace import
