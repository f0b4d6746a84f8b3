// Purpose: healing step: a plane whose points lie near, but not exactly on, one plane (real
// survey data, rounded coordinates) is projected vertically onto its best-fit plane, so its plan
// outline stays where it was.
#include <cmath>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {

// How far (perpendicular to the plane z = a x + b y + c) the point lies from it.
static double OffPlane(const Vec3& p, double a, double b, double c) {
    return std::fabs(p.z - (a * p.x + b * p.y + c)) / std::sqrt(1 + a * a + b * b);
}

// Moves every point of the ring vertically onto the plane.
static void ProjectRing(Ring& ring, double a, double b, double c) {
    for (Vec3& p : ring) p.z = a * p.x + b * p.y + c;
}

void PlanarizeFaces(Scene& scene, Report& report) {
    for (Roof& roof : scene.roofs) {
        if (!roof.explicitPlanes) continue;
        for (Face& face : roof.faces) {
            double a = 0, b = 0, c = 0;
            if (!FitPlane(FacePoints(face), a, b, c)) continue;  // an upright plane: the check says so
            double worst = 0;
            Vec3 at;
            for (const Vec3& p : FacePoints(face)) {
                const double off = OffPlane(p, a, b, c);
                if (off > worst) worst = off, at = p;
            }
            // flat enough for the loader, or too far off: beyond the tolerance the check refuses it
            if (worst <= kLoaderFlatness || worst > kPlanarityTolerance) continue;
            ProjectRing(face.outer, a, b, c);
            for (Ring& hole : face.holes) ProjectRing(hole, a, b, c);
            AddNote(report, Severity::Change, kRowPlanarized, roof.id, face.source, &at, worst * 100);
            roof.changed = true;
        }
    }
}

}  // namespace import
