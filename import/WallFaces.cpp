// Purpose: healing step: a roof edge that runs along a wall's face within the join distance (a
// lean-to drawn 2 cm short of the house wall) is moved onto that face in plan, so the wall
// junction is found and flashed instead of being taken for a free top edge.
#include <algorithm>
#include <cmath>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

// Two face lines whose directions' sine is below this run parallel: a corner between them is not
// moved to where they cross.
constexpr double kParallelSine = 1e-3;

// A wall face seen in plan: the footprint edge p-q and the levels the wall spans.
struct WallFace {
    Vec3 p, q;
    double bottom = 0, top = 0;
    const Wall* wall = nullptr;
};

// Every plan edge of every wall's footprint.
std::vector<WallFace> WallFaces(const Scene& scene) {
    std::vector<WallFace> out;
    for (const Wall& w : scene.walls)
        for (size_t i = 0; i < w.footprint.size(); ++i)
            out.push_back({w.footprint[i], w.footprint[(i + 1) % w.footprint.size()], w.bottom, w.top, &w});
    return out;
}

// The signed plan distance of a from the line through the face, and a's place along it (0..1).
void AlongAndAcross(const WallFace& f, const Vec3& a, double& along, double& across) {
    const double dx = f.q.x - f.p.x, dy = f.q.y - f.p.y;
    const double len = std::hypot(dx, dy);
    along = len > 0 ? ((a.x - f.p.x) * dx + (a.y - f.p.y) * dy) / (len * len) : -1;
    across = len > 0 ? ((a.x - f.p.x) * dy - (a.y - f.p.y) * dx) / len : 1e300;
}

// The point a moved across onto the face's line in plan, its level kept.
Vec3 OntoFaceLine(const WallFace& f, const Vec3& a) {
    const double dx = f.q.x - f.p.x, dy = f.q.y - f.p.y;
    const double len2 = dx * dx + dy * dy;
    const double t = ((a.x - f.p.x) * dx + (a.y - f.p.y) * dy) / len2;
    return {f.p.x + dx * t, f.p.y + dy * t, a.z};
}

// Where the lines of two faces cross in plan, at level z; false when they run parallel.
bool LinesCross(const WallFace& f, const WallFace& g, double z, Vec3& at) {
    const double ux = f.q.x - f.p.x, uy = f.q.y - f.p.y, vx = g.q.x - g.p.x, vy = g.q.y - g.p.y;
    const double den = ux * vy - uy * vx;
    if (std::fabs(den) <= kParallelSine * std::hypot(ux, uy) * std::hypot(vx, vy)) return false;
    const double s = ((g.p.x - f.p.x) * vy - (g.p.y - f.p.y) * vx) / den;
    at = {f.p.x + ux * s, f.p.y + uy * s, z};
    return true;
}

// True when the level z lies within the wall's height, give or take the join distance.
bool WithinWallHeight(const WallFace& f, double z) { return z >= f.bottom - kJoinDistance && z <= f.top + kJoinDistance; }

// The faces, in their order, whose plan extent comes within the join distance of the roof's.
std::vector<const WallFace*> FacesNearRoof(const std::vector<WallFace>& faces, const Roof& roof) {
    const PlanBox roofBox = RoofPlanBox(roof);
    std::vector<const WallFace*> near;
    for (const WallFace& f : faces) {
        PlanBox faceBox;
        AddToBox(faceBox, {f.p, f.q});
        if (BoxesMeet(faceBox, roofBox, kJoinDistance)) near.push_back(&f);
    }
    return near;
}

}  // namespace

void MoveEdgesOntoWallFaces(Scene& scene, Report& report) {
    const std::vector<WallFace> faces = WallFaces(scene);
    if (faces.empty()) return;
    for (Roof& roof : scene.roofs) {
        if (!roof.explicitPlanes) continue;
        // Only the faces within the join distance of the roof's plan box can take its edges.
        const std::vector<const WallFace*> near = FacesNearRoof(faces, roof);
        if (near.empty()) continue;
        for (size_t fi = 0; fi < roof.faces.size(); ++fi) {
            Ring& ring = roof.faces[fi].outer;
            // The face each corner was put onto by the edge before it: a corner between two edges
            // moved onto two faces goes where the faces' lines cross, so neither edge is pulled off.
            std::vector<const WallFace*> placedOn(ring.size(), nullptr);
            for (size_t i = 0; i < ring.size(); ++i) {
                const Vec3 a = ring[i], b = ring[(i + 1) % ring.size()];
                const WallFace* best = nullptr;
                double bestOff = kJoinDistance;
                for (const WallFace* face : near) {
                    const WallFace& f = *face;
                    double ta = 0, da = 0, tb = 0, db = 0;
                    AlongAndAcross(f, a, ta, da);
                    AlongAndAcross(f, b, tb, db);
                    const double off = std::max(std::fabs(da), std::fabs(db));
                    // both ends near the face's line, the edge overlapping the face along it, and
                    // the edge at a level the wall reaches
                    const bool nearLine = off <= bestOff;
                    const bool overlaps = std::max(ta, tb) > 0 && std::min(ta, tb) < 1;
                    const bool level = WithinWallHeight(f, a.z) && WithinWallHeight(f, b.z);
                    if (nearLine && overlaps && level && PlanDistance(a, b) > kJoinDistance) best = &f, bestOff = off;
                }
                if (best == nullptr) continue;
                const size_t j = (i + 1) % ring.size();
                const WallFace* before = placedOn[i];
                const WallFace* after = placedOn[j];
                placedOn[i] = placedOn[j] = best;
                if (bestOff <= kNegligibleMove) continue;
                Vec3 na = OntoFaceLine(*best, a), nb = OntoFaceLine(*best, b);
                if (before != nullptr && before != best) LinesCross(*before, *best, a.z, na);
                if (after != nullptr && after != best) LinesCross(*after, *best, b.z, nb);
                MoveSharedPoint(roof, a, na);
                MoveSharedPoint(roof, b, nb);
                AddNote(report, Severity::Change, kRowOntoWall, roof.id, roof.faces[fi].source, &na, bestOff * 100, 0,
                        best->wall->id);
                roof.changed = true;
            }
        }
    }
}

}  // namespace import
