// Purpose: healing step: a vertex lying within the join distance of another plane's edge (not
// near its ends: those are snapped) is put onto that edge, so the planes share the line there.
#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

// The nearest point of any edge of the roof's planes other than `self` to p, away from the
// edges' ends; false when none lies within the join distance.
bool NearestForeignEdgePoint(const Roof& roof, size_t self, const Vec3& p, Vec3& best, double& bestDistance) {
    bool found = false;
    bestDistance = kJoinDistance;
    for (size_t f = 0; f < roof.faces.size(); ++f) {
        if (f == self) continue;
        const Face& face = roof.faces[f];
        std::vector<const Ring*> rings{&face.outer};
        for (const Ring& h : face.holes) rings.push_back(&h);
        for (const Ring* ring : rings)
            for (size_t i = 0; i < ring->size(); ++i) {
                const Vec3& a = (*ring)[i];
                const Vec3& b = (*ring)[(i + 1) % ring->size()];
                // an end of the edge near the point: snapping handles vertex to vertex
                if (Distance(p, a) <= kJoinDistance || Distance(p, b) <= kJoinDistance) continue;
                double t = 0;
                const Vec3 q = NearestOnSegment(p, a, b, t);
                const double d = Distance(p, q);
                if (d <= bestDistance) best = q, bestDistance = d, found = true;
            }
    }
    return found;
}

}  // namespace

void JoinNearMisses(Scene& scene, Report& report) {
    for (Roof& roof : scene.roofs) {
        if (!roof.explicitPlanes) continue;
        for (const VertexRef& v : RoofVertices(roof)) {
            const Vec3 p = PointOf(roof, v);
            Vec3 onto;
            double d = 0;
            if (!NearestForeignEdgePoint(roof, v.face, p, onto, d) || d <= kNegligibleMove) continue;
            MoveSharedPoint(roof, p, onto);
            AddNote(report, Severity::Change, kRowOntoEdge, roof.id, roof.faces[v.face].source, &onto, d * 100);
            roof.changed = true;
        }
    }
}

}  // namespace import
