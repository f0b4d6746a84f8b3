// Purpose: healing step: a ring that touches itself (a point used twice, or a point lying on one
// of its own edges: how many city models draw a roof around a courtyard or a chimney) is split
// into rings that do not: a loop running the other way inside the rest becomes its hole,
// otherwise the two parts become two planes.
#include <cmath>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

// Puts a point of the ring that lies on one of its own edges (not next to it) into that edge;
// true when one was put in.
bool InsertTouchingPoint(Ring& ring) {
    const size_t n = ring.size();
    for (size_t k = 0; k < n; ++k)
        for (size_t e = 0; e < n; ++e) {
            const size_t e2 = (e + 1) % n;
            if (k == e || k == e2) continue;
            double t = 0;
            const Vec3 q = NearestOnSegment(ring[k], ring[e], ring[e2], t);
            // strictly inside the edge, and the point on it in plan
            const bool inside = PlanDistance(q, ring[e]) > kDuplicatePointDistance &&
                                PlanDistance(q, ring[e2]) > kDuplicatePointDistance;
            if (inside && PlanDistance(ring[k], q) <= kDuplicatePointDistance) {
                ring.insert(ring.begin() + long(e2 == 0 ? n : e2), ring[k]);
                return true;
            }
        }
    return false;
}

// Finds two places of the ring, not neighbours, holding the same plan point; false when none.
bool RepeatedPoint(const Ring& ring, size_t& i, size_t& j) {
    const size_t n = ring.size();
    for (i = 0; i < n; ++i)
        for (j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) continue;  // neighbours round the end of the ring
            if (PlanDistance(ring[i], ring[j]) <= kDuplicatePointDistance) return true;
        }
    return false;
}

// Splits a face's outer ring at its repeated points; the parts come back as faces (holes of the
// face go to the part that holds them; an inner loop running the other way becomes a hole).
std::vector<Face> SplitFace(const Face& face, int& pieces) {
    std::vector<Ring> parts{face.outer}, done;
    std::vector<Ring> holes = face.holes;
    while (!parts.empty()) {
        Ring ring = parts.back();
        parts.pop_back();
        while (InsertTouchingPoint(ring)) {}
        size_t i = 0, j = 0;
        if (!RepeatedPoint(ring, i, j)) {
            done.push_back(ring);
            continue;
        }
        Ring loop(ring.begin() + long(i), ring.begin() + long(j));
        Ring rest(ring.begin() + long(j), ring.end());
        rest.insert(rest.end(), ring.begin(), ring.begin() + long(i));
        for (Ring* r : {&loop, &rest})
            if (r->size() >= 3 && std::fabs(PlanSignedArea(*r)) > 0) parts.push_back(*r);
    }
    pieces = int(done.size());
    // A part running against the largest part and lying inside another part is a hole of it.
    const double mainSign = [&] {
        double best = 0;
        for (const Ring& r : done)
            if (std::fabs(PlanSignedArea(r)) > std::fabs(best)) best = PlanSignedArea(r);
        return best;
    }();
    std::vector<Ring> outers;
    for (const Ring& r : done) {
        if (PlanSignedArea(r) * mainSign < 0) holes.push_back(r);
        else outers.push_back(r);
    }
    std::vector<Face> out;
    for (const Ring& r : outers) out.push_back(Face{r, {}, face.source});
    for (const Ring& h : holes) {
        Vec3 mid = (h[0] + h[1]) * 0.5;  // a point on the hole's first edge, inside its owner
        for (Face& f : out)
            if (PlanInside(mid, f.outer) || out.size() == 1) {
                f.holes.push_back(h);
                break;
            }
    }
    return out;
}

}  // namespace

void SplitSelfTouchingRings(Scene& scene, Report& report) {
    for (Roof& roof : scene.roofs) {
        if (!roof.explicitPlanes) continue;
        std::vector<Face> faces;
        for (const Face& face : roof.faces) {
            Ring probe = face.outer;
            size_t i = 0, j = 0;
            const bool touches = InsertTouchingPoint(probe) || RepeatedPoint(probe, i, j);
            if (!touches) {
                faces.push_back(face);
                continue;
            }
            int pieces = 0;
            std::vector<Face> split = SplitFace(face, pieces);
            const Vec3 at = face.outer.front();
            AddNote(report, Severity::Change, kRowSplit, roof.id, face.source, &at, double(pieces));
            faces.insert(faces.end(), split.begin(), split.end());
            roof.changed = true;
        }
        roof.faces = faces;
    }
}

}  // namespace import
