// Purpose: healing's last step: planes that healing moved are made flat again while the points
// they share stay shared, so that a healed model, saved and opened again, has nothing left to heal.
//
// Flattening each plane on its own would pull a ridge point that two planes share apart again
// (each plane's copy goes to its own best fit), and the next load would snap it together. Here the
// points only move up or down (their plan places, set by snapping, by joining a point onto an edge
// and by the wall faces, stay), and two rules are applied in turn: every plane's points go onto
// its best-fit plane, then every copy of a shared point gets one level and a point on another
// plane's edge the level of that edge. Both rules keep a linear set of levels, so applying them in
// turn closes in on levels that meet both; it stops once every plane is flat well within what the
// loader takes, the second rule applied last, so that shared points stay exactly shared.
#include <algorithm>
#include <cmath>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

// Copies of one point on different planes lie this close (3D) after snapping; farther apart they
// are different points (a step between two planes at one plan place). A point this close to
// another plane's edge lies on it.
constexpr double kSharedPointDistance = kNegligibleMove;
// Rounds of the two rules at most; a plane this flat counts as settled (half of what the loader
// takes: the last levelling of shared points moves a point by at most half the gap it closes).
constexpr int kSettleRounds = 5000;
constexpr double kSettledFlatness = kLoaderFlatness / 2;

// A point of another plane's edge: the vertex `at` (and every copy of it, `copies`) lies on the
// edge from `from` to `to` of a ring, `t` of the way.
struct OnEdge {
    VertexRef at, from, to;
    double t = 0;
    std::vector<VertexRef> copies;
};

// The copies of each point the roof's planes share: groups of vertices of different planes.
std::vector<std::vector<VertexRef>> SharedPoints(const Roof& roof) {
    std::vector<VertexRef> verts = RoofVertices(roof);
    // Sorted along x, so near points are near in the list.
    std::sort(verts.begin(), verts.end(),
              [&](const VertexRef& a, const VertexRef& b) { return PointOf(roof, a).x < PointOf(roof, b).x; });
    std::vector<int> group(verts.size(), -1);
    std::vector<std::vector<VertexRef>> groups;
    for (size_t i = 0; i < verts.size(); ++i) {
        if (group[i] >= 0) continue;
        group[i] = int(groups.size());
        groups.push_back({verts[i]});
        const Vec3& p = PointOf(roof, verts[i]);
        for (size_t j = i + 1; j < verts.size() && PointOf(roof, verts[j]).x - p.x <= kSharedPointDistance; ++j)
            // an ungrouped copy of this point on another plane
            if (group[j] < 0 && verts[j].face != verts[i].face && Distance(p, PointOf(roof, verts[j])) <= kSharedPointDistance) {
                group[j] = group[i];
                groups.back().push_back(verts[j]);
            }
    }
    groups.erase(std::remove_if(groups.begin(), groups.end(), [](const auto& g) { return g.size() < 2; }), groups.end());
    return groups;
}

// Every vertex lying on an edge of another plane, away from that edge's ends.
std::vector<OnEdge> PointsOnEdges(const Roof& roof) {
    std::vector<OnEdge> out;
    const std::vector<VertexRef> verts = RoofVertices(roof);
    for (const VertexRef& v : verts) {
        const Vec3& p = PointOf(roof, v);
        for (size_t f = 0; f < roof.faces.size(); ++f) {
            if (f == v.face) continue;
            for (int r = -1; r < int(roof.faces[f].holes.size()); ++r) {
                const Ring& ring = r < 0 ? roof.faces[f].outer : roof.faces[f].holes[size_t(r)];
                for (size_t i = 0; i < ring.size(); ++i) {
                    const size_t j = (i + 1) % ring.size();
                    double t = 0;
                    const Vec3 q = NearestOnSegment(p, ring[i], ring[j], t);
                    // on the edge, and not at one of its ends (shared points are kept together apart)
                    if (Distance(p, q) <= kSharedPointDistance && Distance(p, ring[i]) > kSharedPointDistance &&
                        Distance(p, ring[j]) > kSharedPointDistance)
                        out.push_back({v, {f, r, i}, {f, r, j}, t, {}});
                }
            }
        }
    }
    for (OnEdge& e : out)
        for (const VertexRef& v : verts)
            if (Distance(PointOf(roof, v), PointOf(roof, e.at)) <= kSharedPointDistance) e.copies.push_back(v);
    return out;
}

// Puts every plane's points onto its best fit; returns how far the worst point was off.
double FlattenFaces(Roof& roof) {
    double worst = 0;
    for (Face& face : roof.faces) {
        double a = 0, b = 0, c = 0;
        if (!FitPlane(FacePoints(face), a, b, c)) continue;  // an upright plane: the check says so
        std::vector<Ring*> rings{&face.outer};
        for (Ring& h : face.holes) rings.push_back(&h);
        for (Ring* ring : rings)
            for (Vec3& p : *ring) {
                const double z = a * p.x + b * p.y + c;
                worst = std::max(worst, std::fabs(z - p.z) / std::sqrt(1 + a * a + b * b));
                p.z = z;
            }
    }
    return worst;
}

// Gives every shared point one level (the mean of its copies) and every point on another plane's
// edge the level of that edge there.
void JoinLevels(Roof& roof, const std::vector<std::vector<VertexRef>>& shared, const std::vector<OnEdge>& onEdges) {
    for (const std::vector<VertexRef>& copies : shared) {
        double z = 0;
        for (const VertexRef& v : copies) z += PointOf(roof, v).z;
        z /= double(copies.size());
        for (const VertexRef& v : copies) PointOf(roof, v).z = z;
    }
    for (const OnEdge& e : onEdges) {
        const double z = PointOf(roof, e.from).z * (1 - e.t) + PointOf(roof, e.to).z * e.t;
        // the point may be shared itself: all its copies follow
        for (const VertexRef& v : e.copies) PointOf(roof, v).z = z;
    }
}

}  // namespace

void SettleChangedPlanes(Scene& scene, Report& report) {
    for (Roof& roof : scene.roofs) {
        // a roof healing left alone stays exactly as the file has it
        if (!roof.explicitPlanes || !roof.changed) continue;
        const std::vector<Face> before = roof.faces;
        const std::vector<std::vector<VertexRef>> shared = SharedPoints(roof);
        const std::vector<OnEdge> onEdges = PointsOnEdges(roof);
        bool settled = false;
        for (int round = 0; round < kSettleRounds && !settled; ++round) {
            const double off = FlattenFaces(roof);
            JoinLevels(roof, shared, onEdges);
            settled = off <= kSettledFlatness && round > 0;
        }
        // Planes that would not settle (shared points the planes cannot all hold) are flattened on
        // their own: the model loads, and the next load joins what is left apart.
        if (!settled) FlattenFaces(roof);
        // One note per plane that moved more than rounding.
        for (size_t f = 0; f < roof.faces.size(); ++f) {
            const Ring was = FacePoints(before[f]), now = FacePoints(roof.faces[f]);
            double worst = 0;
            Vec3 at;
            for (size_t i = 0; i < now.size(); ++i)
                if (std::fabs(now[i].z - was[i].z) > worst) worst = std::fabs(now[i].z - was[i].z), at = now[i];
            if (worst > kNegligibleMove) AddNote(report, Severity::Change, kRowPlanarized, roof.id, roof.faces[f].source, &at, worst * 100);
        }
    }
}

}  // namespace import
