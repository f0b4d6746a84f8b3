// Purpose: generated roofs: gable, shed and hip roofs on a rectangle, and hip roofs on any simple
// footprint with holes through the straight skeleton (the only place the skeleton is used).
#include "host/RoofShapes.h"
#include "host/RoofShapesCompound.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Polygon_2.h>
#include <CGAL/Polygon_with_holes_2.h>
#include <CGAL/create_straight_skeleton_from_polygon_with_holes_2.h>

#include <cmath>
#include <sstream>

#include "host/InputLimits.h"
#include "host/RoofShapesRings.h"

namespace host {
namespace {

using Kernel = CGAL::Exact_predicates_inexact_constructions_kernel;
using SkPoint = Kernel::Point_2;
using SkPolygon = CGAL::Polygon_2<Kernel>;
using SkPolygonWithHoles = CGAL::Polygon_with_holes_2<Kernel>;

constexpr double kPi = 3.14159265358979323846;
// Relative tolerance for right angles and equal opposite sides of a rectangle footprint.
constexpr double kRectangleRelTol = 1e-6;
// Shortest footprint edge that still makes a roof plane.
constexpr double kShortestFootprintEdge = 1e-6;
// A footprint point nearer than this (metres) to the line of its two neighbours lies on a
// straight run of the outline: it is dropped.
constexpr double kCollinearFootprintOffset = 0.001;

using Ring2 = std::vector<API_Coord>;

// A ring without consecutive repeats and without a closing repeat of its first point.
Ring2 OpenRing(const Ring2& ring) {
    Ring2 out;
    for (const API_Coord& p : ring) {
        // the point repeats the previous one in both coordinates
        if (!out.empty() && std::fabs(p.x - out.back().x) < kRingPointTol &&
            std::fabs(p.y - out.back().y) < kRingPointTol)
            continue;
        out.push_back(p);
    }
    // the last point repeats the first in both coordinates
    while (out.size() > 1 && std::fabs(out.front().x - out.back().x) < kRingPointTol &&
           std::fabs(out.front().y - out.back().y) < kRingPointTol)
        out.pop_back();
    return out;
}

// Twice the signed plan area of a ring (positive when counter-clockwise).
double SignedArea2(const Ring2& ring) { return PlanSignedArea2(ring); }

// The ring turned to run counter-clockwise (ccw = true) or clockwise seen from above.
Ring2 Oriented(const Ring2& ring, bool ccw) {
    if ((SignedArea2(ring) > 0) == ccw) return ring;
    return Ring2(ring.rbegin(), ring.rend());
}

// A 3D ring turned to run counter-clockwise seen from above.
Ring3 OrientedUp(const Ring3& ring) { return OrientedUpRing(ring); }

double Length(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

// True when four points are the corners of a rectangle, in order around it.
bool IsRectangle(const Ring2& r) {
    if (r.size() != 4) return false;
    for (size_t i = 0; i < 4; ++i) {
        const API_Coord& a = r[i];
        const API_Coord& b = r[(i + 1) % 4];
        const API_Coord& c = r[(i + 2) % 4];
        const double ux = b.x - a.x, uy = b.y - a.y;
        const double vx = c.x - b.x, vy = c.y - b.y;
        const double lu = Length(ux, uy), lv = Length(vx, vy);
        if (lu < kShortestFootprintEdge || lv < kShortestFootprintEdge) return false;
        // the corner at b is a right angle
        if (std::fabs(ux * vx + uy * vy) > kRectangleRelTol * lu * lv) return false;
    }
    const double side0 = Length(r[1].x - r[0].x, r[1].y - r[0].y);
    const double side2 = Length(r[3].x - r[2].x, r[3].y - r[2].y);
    return std::fabs(side0 - side2) <= kRectangleRelTol * side0;
}

// The ring without the points that lie on a straight run between their neighbours.
Ring2 WithoutCollinearPoints(Ring2 ring) {
    for (size_t i = 0; ring.size() > 3 && i < ring.size();) {
        const API_Coord& a = ring[(i + ring.size() - 1) % ring.size()];
        const API_Coord& p = ring[i];
        const API_Coord& b = ring[(i + 1) % ring.size()];
        const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : -1;
        const double off = len2 > 0 ? std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::sqrt(len2) : 1;
        // between its neighbours and on their line
        if (t > 0 && t < 1 && off < kCollinearFootprintOffset) {
            ring.erase(ring.begin() + long(i));
            i = 0;
        } else {
            ++i;
        }
    }
    return ring;
}

API_Coord3D At(const API_Coord& p, double z) { return {p.x, p.y, z}; }
API_Coord Mid(const API_Coord& a, const API_Coord& b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// A gable roof: two planes meeting at a ridge along the middle of the longer sides.
std::vector<RoofPlaneShape> GableRoof(const Ring2& fp, double slope, double eave) {
    // a..b and c..d are the long sides (eaves)
    const bool firstIsLong = Length(fp[1].x - fp[0].x, fp[1].y - fp[0].y) >=
                             Length(fp[2].x - fp[1].x, fp[2].y - fp[1].y);
    const API_Coord& a = firstIsLong ? fp[0] : fp[1];
    const API_Coord& b = firstIsLong ? fp[1] : fp[2];
    const API_Coord& c = firstIsLong ? fp[2] : fp[3];
    const API_Coord& d = firstIsLong ? fp[3] : fp[0];
    const double halfWidth = Length(d.x - a.x, d.y - a.y) / 2;
    const double ridge = eave + halfWidth * std::tan(slope);
    const API_Coord m1 = Mid(a, d), m2 = Mid(b, c);
    RoofPlaneShape one, two;
    one.outer = OrientedUp({At(a, eave), At(b, eave), At(m2, ridge), At(m1, ridge)});
    two.outer = OrientedUp({At(m1, ridge), At(m2, ridge), At(c, eave), At(d, eave)});
    return {one, two};
}

// A shed roof: one plane rising from the first footprint edge across the rectangle.
std::vector<RoofPlaneShape> ShedRoof(const Ring2& fp, double slope, double eave) {
    const double depth = Length(fp[2].x - fp[1].x, fp[2].y - fp[1].y);
    const double top = eave + depth * std::tan(slope);
    RoofPlaneShape plane;
    plane.outer = OrientedUp({At(fp[0], eave), At(fp[1], eave), At(fp[2], top), At(fp[3], top)});
    return {plane};
}

// Distance of point p from the line through s and t.
double DistanceToLine(double px, double py, double sx, double sy, double tx, double ty) {
    const double dx = tx - sx, dy = ty - sy;
    return std::fabs((px - sx) * dy - (py - sy) * dx) / Length(dx, dy);
}

SkPolygon ToSkeletonPolygon(const Ring2& ring) {
    SkPolygon poly;
    for (const API_Coord& p : ring) poly.push_back(SkPoint(p.x, p.y));
    return poly;
}

// A hip roof from the straight skeleton: every skeleton face over a footprint or hole edge is
// one plane, its height the distance to that edge's line times the slope.
bool HipRoof(const Ring2& outer, const std::vector<Ring2>& holes, double slope, double eave,
             std::vector<RoofPlaneShape>& planes, std::string& error) {
    SkPolygon boundary = ToSkeletonPolygon(Oriented(outer, true));
    if (!boundary.is_simple()) {
        error = "the footprint is not a simple polygon";
        return false;
    }
    SkPolygonWithHoles shape(boundary);
    for (size_t h = 0; h < holes.size(); ++h) {
        SkPolygon hole = ToSkeletonPolygon(Oriented(holes[h], false));
        if (!hole.is_simple()) {
            error = "hole " + std::to_string(h + 1) + " is not a simple polygon";
            return false;
        }
        for (auto v = hole.vertices_begin(); v != hole.vertices_end(); ++v)
            if (boundary.bounded_side(*v) != CGAL::ON_BOUNDED_SIDE) {
                error = "hole " + std::to_string(h + 1) + " is not inside the footprint";
                return false;
            }
        shape.add_hole(hole);
    }
    auto skeleton = CGAL::create_interior_straight_skeleton_2(shape);
    if (!skeleton) {
        error = "the straight skeleton of the footprint could not be built";
        return false;
    }
    const double rise = std::tan(slope);
    std::vector<RoofPlaneShape> out;
    for (auto face = skeleton->faces_begin(); face != skeleton->faces_end(); ++face) {
        auto contour = face->halfedge();  // the footprint or hole edge the face stands on
        const SkPoint s = contour->opposite()->vertex()->point();
        const SkPoint t = contour->vertex()->point();
        Ring3 ring;
        auto h = contour;
        do {
            const SkPoint p = h->vertex()->point();
            const double dist = DistanceToLine(p.x(), p.y(), s.x(), s.y(), t.x(), t.y());
            ring.push_back({p.x(), p.y(), eave + dist * rise});
            h = h->next();
        } while (h != contour);
        if (ring.size() < 3) continue;  // a degenerate face makes no plane
        RoofPlaneShape plane;
        plane.outer = OrientedUp(ring);
        out.push_back(plane);
    }
    if (out.empty()) {
        error = "the straight skeleton gave no roof planes";
        return false;
    }
    planes = std::move(out);
    return true;
}

// Cuts each opening through the plane it lies in, at that plane's height; false with `error`
// when an opening lies within no single plane.
bool CutOpenings(const std::vector<Ring2>& openings, std::vector<RoofPlaneShape>& planes, std::string& error) {
    for (size_t k = 0; k < openings.size(); ++k) {
        RoofPlaneShape* host = nullptr;
        for (RoofPlaneShape& plane : planes) {
            bool all = true;
            for (const API_Coord& p : openings[k]) all = all && PlanInside(p, plane.outer);
            if (all) host = &plane;
        }
        if (host == nullptr) {
            error = "opening " + std::to_string(k + 1) + " does not lie within one roof plane (it crosses a ridge, hip, valley or the outline)";
            return false;
        }
        // The plane's height over a plan point, from its normal (Newell) and its first point.
        const Ring3& o = host->outer;
        const RingNormalVector n = NewellNormal(o);
        Ring3 hole;
        for (const API_Coord& p : Oriented(openings[k], false))
            hole.push_back({p.x, p.y, o[0].z - (n.x * (p.x - o[0].x) + n.y * (p.y - o[0].y)) / n.z});
        host->holes.push_back(hole);
    }
    return true;
}

// The shape handlers: each builds its planes from the cleaned footprint.
bool BuildGable(const RoofShapeInput& in, const Ring2& fp, std::vector<RoofPlaneShape>& planes, std::string&) {
    planes = GableRoof(fp, in.pitchDegrees * kPi / 180, in.eaveLevel);
    return true;
}

bool BuildShed(const RoofShapeInput& in, const Ring2& fp, std::vector<RoofPlaneShape>& planes, std::string&) {
    planes = ShedRoof(fp, in.pitchDegrees * kPi / 180, in.eaveLevel);
    return true;
}

bool BuildHip(const RoofShapeInput& in, const Ring2& fp, std::vector<RoofPlaneShape>& planes, std::string& error) {
    // The skeleton's work grows much faster than its points: a large footprint is refused at once.
    size_t points = fp.size();
    for (const Ring2& hole : in.holes) points += hole.size();
    if (points > kMaxSkeletonPoints) {
        error = "a \"hip\" roof's footprint and holes have " + std::to_string(points) + " points, more than the " +
                std::to_string(kMaxSkeletonPoints) + " a generated roof takes (give its \"planes\" instead)";
        return false;
    }
    std::vector<Ring2> holes;
    for (size_t h = 0; h < in.holes.size(); ++h) {
        Ring2 hole = OpenRing(in.holes[h]);
        if (hole.size() < 3 || std::fabs(SignedArea2(hole)) < kShortestFootprintEdge) {
            error = "hole " + std::to_string(h + 1) + " needs at least 3 points enclosing an area";
            return false;
        }
        holes.push_back(hole);
    }
    return HipRoof(fp, holes, in.pitchDegrees * kPi / 180, in.eaveLevel, planes, error);
}

// What footprint a shape takes.
enum class FootprintKind { Rectangle, Any, LOrT };

struct RoofShapeDef {
    const char* name;
    FootprintKind footprint;
    bool (*build)(const RoofShapeInput&, const Ring2&, std::vector<RoofPlaneShape>&, std::string&);
};

const RoofShapeDef kRoofShapeDefs[] = {
    {"gable", FootprintKind::Rectangle, BuildGable},     {"shed", FootprintKind::Rectangle, BuildShed},
    {"hip", FootprintKind::Any, BuildHip},               {"halfHip", FootprintKind::Rectangle, HalfHipRoof},
    {"mansard", FootprintKind::Rectangle, MansardRoof},  {"crossGable", FootprintKind::LOrT, CrossGableRoof},
};

}  // namespace

// True when the plan point lies strictly inside the plan outline of a 3D ring (even-odd rule).
bool PlanInside(const API_Coord& p, const Ring3& ring) { return PlanInsideRing(p, ring); }

Ring3 OrientedUpRing(const Ring3& ring) {
    if (PlanSignedArea2(ring) >= 0) return ring;
    return Ring3(ring.rbegin(), ring.rend());
}

double PlaneFlatness(const RoofPlaneShape& plane) {
    const Ring3& outer = plane.outer;
    if (outer.size() < 3) return 0;
    const RingNormalVector n = NewellNormal(outer);
    API_Coord3D c;
    for (const API_Coord3D& p : outer) {
        c.x += p.x / double(outer.size());
        c.y += p.y / double(outer.size());
        c.z += p.z / double(outer.size());
    }
    const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (len == 0) return 0;
    double worst = 0;
    // Distance of one point from the plane through the centroid.
    auto measure = [&](const API_Coord3D& p) {
        const double d = std::fabs((p.x - c.x) * n.x + (p.y - c.y) * n.y + (p.z - c.z) * n.z) / len;
        if (d > worst) worst = d;
    };
    for (const API_Coord3D& p : outer) measure(p);
    for (const Ring3& hole : plane.holes)
        for (const API_Coord3D& p : hole) measure(p);
    return worst;
}

bool GenerateRoofPlanes(const RoofShapeInput& input, std::vector<RoofPlaneShape>& planes, std::string& error) {
    if (!(input.pitchDegrees > 0 && input.pitchDegrees < 90)) {
        error = "\"pitch\" must be between 0 and 90 degrees (both excluded)";
        return false;
    }
    if (!std::isfinite(input.eaveLevel)) {
        error = "\"eaveLevel\" must be a finite number";
        return false;
    }
    const Ring2 footprint = WithoutCollinearPoints(OpenRing(input.footprint));
    if (footprint.size() < 3 || std::fabs(SignedArea2(footprint)) < kShortestFootprintEdge) {
        error = "\"footprint\" needs at least 3 points enclosing an area";
        return false;
    }
    const RoofShapeDef* def = nullptr;
    for (const RoofShapeDef& d : kRoofShapeDefs)
        if (input.shape == d.name) def = &d;
    if (def == nullptr) {
        error = "unknown roof shape \"" + input.shape + "\" (known:";
        for (const RoofShapeDef& d : kRoofShapeDefs) error += std::string(&d == kRoofShapeDefs ? " \"" : ", \"") + d.name + "\"";
        error += ")";
        return false;
    }
    if (def->footprint != FootprintKind::Any && !input.holes.empty()) {
        error = "a \"" + input.shape + "\" roof cannot have holes (only \"hip\" can)";
        return false;
    }
    if (def->footprint == FootprintKind::Rectangle && !IsRectangle(footprint)) {
        error = "a \"" + input.shape + "\" roof needs a rectangle footprint of 4 points";
        return false;
    }
    std::vector<RoofPlaneShape> result;
    if (!def->build(input, footprint, result, error)) return false;
    std::vector<Ring2> openings;
    for (size_t k = 0; k < input.openings.size(); ++k) {
        openings.push_back(OpenRing(input.openings[k]));
        if (openings.back().size() < 3 || std::fabs(SignedArea2(openings.back())) < kShortestFootprintEdge) {
            error = "opening " + std::to_string(k + 1) + " needs at least 3 points enclosing an area";
            return false;
        }
    }
    if (!CutOpenings(openings, result, error)) return false;
    for (size_t p = 0; p < result.size(); ++p)
        if (PlaneFlatness(result[p]) > kGeneratedPlaneFlatnessTol) {
            std::ostringstream text;
            text << "generated plane " << p + 1 << " is not planar (" << PlaneFlatness(result[p]) << " m off)";
            error = text.str();
            return false;
        }
    planes = std::move(result);
    return true;
}

}  // namespace host
