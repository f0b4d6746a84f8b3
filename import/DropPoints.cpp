// Purpose: healing step: repeated points and points on a straight run of a ring are dropped
// (a point that another plane of the roof uses is kept: it is where that plane meets this one).
#include <cstdio>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

// True when a plane of the roof other than `self` has a vertex within the join distance of p.
bool UsedByOtherFace(const Roof& roof, size_t self, const Vec3& p) {
    for (size_t f = 0; f < roof.faces.size(); ++f) {
        if (f == self) continue;
        for (const Vec3& q : FacePoints(roof.faces[f]))
            if (Distance(p, q) <= kJoinDistance) return true;
    }
    return false;
}

// Drops repeated points of one ring, then points on straight runs, reporting each; keeps at
// least 3 points. Repeats go first so that a repeat is not taken for a straight run.
void CleanRing(Ring& ring, const Roof& roof, size_t face, Report& report) {
    for (size_t i = 0; i < ring.size() && ring.size() > 3;) {
        const Vec3& p = ring[i];
        const double repeat = Distance(p, ring[(i + ring.size() - 1) % ring.size()]);
        if (repeat > kDuplicatePointDistance) {
            ++i;
            continue;
        }
        // an exact repeat is no change to report: the loader drops it as well
        if (repeat > kNegligibleMove)
            AddNote(report, Severity::Change, kRowDuplicate, roof.id, roof.faces[face].source, &p, repeat * 100);
        ring.erase(ring.begin() + long(i));
    }
    for (size_t i = 0; i < ring.size() && ring.size() > 3;) {
        const Vec3& prev = ring[(i + ring.size() - 1) % ring.size()];
        const Vec3& p = ring[i];
        const Vec3& next = ring[(i + 1) % ring.size()];
        double t = 0;
        const double off = Distance(p, NearestOnSegment(p, prev, next, t));
        // the point lies between its neighbours, on their line, and no other plane needs it
        if (t > 0 && t < 1 && off <= kCollinearOffset && !UsedByOtherFace(roof, face, p)) {
            AddNote(report, Severity::Change, kRowCollinear, roof.id, roof.faces[face].source, &p, off * 100);
            ring.erase(ring.begin() + long(i));
            i = 0;  // its neighbours may now lie on a straight run
        } else {
            ++i;
        }
    }
}

}  // namespace

void DropDuplicateAndCollinearPoints(Scene& scene, Report& report) {
    for (Roof& roof : scene.roofs) {
        if (!roof.explicitPlanes) continue;
        const size_t before = report.notes.size();
        for (size_t f = 0; f < roof.faces.size(); ++f) {
            CleanRing(roof.faces[f].outer, roof, f, report);
            for (Ring& hole : roof.faces[f].holes) CleanRing(hole, roof, f, report);
        }
        for (size_t n = before; n < report.notes.size(); ++n) roof.changed = true;
    }
}

}  // namespace import
