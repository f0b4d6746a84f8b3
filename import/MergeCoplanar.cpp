// Purpose: healing step: neighbouring pieces of one roof that lie in one plane (a plane drawn in
// two parts, a city model's triangulated roof) are merged into one plane, so no false edge runs
// between them.
#include <algorithm>
#include <cmath>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

// True when the two points are one point of the model.
bool Same(const Vec3& a, const Vec3& b) { return Distance(a, b) <= kDuplicatePointDistance; }

// The angle between two planes' normals, degrees.
double NormalAngleDegrees(const Vec3& n1, const Vec3& n2) {
    const double l1 = Length(n1), l2 = Length(n2);
    if (l1 <= 0 || l2 <= 0) return 180;
    return std::acos(std::clamp(Dot(n1, n2) / (l1 * l2), -1.0, 1.0)) * 180.0 / kPi;
}

// True when every point of `b` lies within the planarity tolerance of a's best-fit plane.
bool FitsPlaneOf(const Face& a, const Face& b) {
    double pa = 0, pb = 0, pc = 0;
    if (!FitPlane(FacePoints(a), pa, pb, pc)) return false;
    for (const Vec3& p : FacePoints(b))
        if (std::fabs(p.z - (pa * p.x + pb * p.y + pc)) / std::sqrt(1 + pa * pa + pb * pb) > kPlanarityTolerance) return false;
    return true;
}

// Finds an edge the outer rings share (f[i] -> f[i+1] runs g[j+1] -> g[j]); false when none.
bool SharedEdge(const Ring& f, const Ring& g, size_t& i, size_t& j) {
    for (i = 0; i < f.size(); ++i)
        for (j = 0; j < g.size(); ++j)
            if (Same(f[i], g[(j + 1) % g.size()]) && Same(f[(i + 1) % f.size()], g[j])) return true;
    return false;
}

// Removes back-and-forth spikes (x, y, x) and repeated points left where the rings were joined.
void RemoveSpikes(Ring& ring) {
    bool again = true;
    while (again && ring.size() > 3) {
        again = false;
        for (size_t k = 0; k < ring.size() && ring.size() > 3; ++k) {
            const size_t n = ring.size();
            if (Same(ring[k], ring[(k + 1) % n])) {
                ring.erase(ring.begin() + long((k + 1) % n));
                again = true;
                break;
            }
            if (Same(ring[k], ring[(k + 2) % n])) {
                // drop the spike's tip and one of its two equal feet
                const size_t tip = (k + 1) % n, foot = (k + 2) % n;
                ring.erase(ring.begin() + long(std::max(tip, foot)));
                ring.erase(ring.begin() + long(std::min(tip, foot)));
                again = true;
                break;
            }
        }
    }
}

// The outline of f and g joined along their shared edge (f[i] -> f[i+1] is g[j+1] -> g[j]).
Ring JoinAlongEdge(const Ring& f, const Ring& g, size_t i, size_t j) {
    Ring out;
    for (size_t k = 0; k < f.size(); ++k) out.push_back(f[(i + 1 + k) % f.size()]);  // f[i+1] ... f[i]
    for (size_t k = 2; k < g.size(); ++k) out.push_back(g[(j + k) % g.size()]);       // g[j+2] ... g[j-1]
    RemoveSpikes(out);
    return out;
}

// Merges one pair of coplanar neighbours of the roof; false when there is none.
bool MergeOnePair(Roof& roof, Report& report) {
    for (size_t a = 0; a < roof.faces.size(); ++a)
        for (size_t b = a + 1; b < roof.faces.size(); ++b) {
            Face& fa = roof.faces[a];
            Face fb = roof.faces[b];
            const Vec3 na = RingNormal(fa.outer);
            Vec3 nb = RingNormal(fb.outer);
            if (Dot(na, nb) < 0) {  // drawn the other way round: turn it to run like fa
                std::reverse(fb.outer.begin(), fb.outer.end());
                nb = nb * -1.0;
            }
            size_t i = 0, j = 0;
            // neighbours sharing an edge, with normals within the angle and points within the tolerance
            if (NormalAngleDegrees(na, nb) > kCoplanarAngleDegrees || !SharedEdge(fa.outer, fb.outer, i, j) ||
                !FitsPlaneOf(fa, fb))
                continue;
            Ring joined = JoinAlongEdge(fa.outer, fb.outer, i, j);
            if (joined.size() < 3 || std::fabs(PlanSignedArea(joined)) <= 0) continue;
            const Vec3 at = fa.outer[(i + 1) % fa.outer.size()];
            AddNote(report, Severity::Change, kRowMerged, roof.id, fa.source, &at, 0, double(fb.source));
            fa.outer = joined;
            fa.holes.insert(fa.holes.end(), fb.holes.begin(), fb.holes.end());
            roof.faces.erase(roof.faces.begin() + long(b));
            return true;
        }
    return false;
}

}  // namespace

void MergeCoplanarFaces(Scene& scene, Report& report) {
    for (Roof& roof : scene.roofs) {
        if (!roof.explicitPlanes) continue;
        while (MergeOnePair(roof, report)) roof.changed = true;
    }
}

}  // namespace import
