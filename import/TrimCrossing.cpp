// Purpose: healing step: roofs that cross each other (a wing pushed into the main roof, a dormer
// standing on a main plane, as CAD models often leave them) are trimmed: the part of each plane
// that lies under another roof's plane is cut away along their intersection line, so the planes
// meet on a shared edge and the valleys are found, and no buried area is counted.
#include <algorithm>
#include <cmath>
#include <exception>
#include <list>

#include <CGAL/Exact_predicates_exact_constructions_kernel.h>
#include <CGAL/Polygon_2.h>
#include <CGAL/Polygon_set_2.h>
#include <CGAL/Polygon_with_holes_2.h>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

using Exact = CGAL::Exact_predicates_exact_constructions_kernel;
using Poly = CGAL::Polygon_2<Exact>;
using PolyWithHoles = CGAL::Polygon_with_holes_2<Exact>;
using PolySet = CGAL::Polygon_set_2<Exact>;

// Less area than this (m2) under another roof is a touch or the overlap of two neighbours along
// their party line (left as drawn; the check lists it), not a roof pushed into another.
constexpr double kSmallestTrim = 0.5;

// A plan ring as a counter-clockwise (outer) or clockwise (hole) exact polygon; false when the
// ring is not simple.
bool ToPoly(const Ring& ring, bool outer, Poly& out) {
    out.clear();
    for (const Vec3& p : ring) out.push_back(Exact::Point_2(p.x, p.y));
    if (out.size() < 3 || !out.is_simple()) return false;
    if (out.is_counterclockwise_oriented() != outer) out.reverse_orientation();
    return true;
}

// A face's plan area as a polygon set (outer minus holes); false when a ring is not simple.
bool ToSet(const Face& f, PolySet& set) {
    Poly outer;
    if (!ToPoly(f.outer, true, outer)) return false;
    set = PolySet(outer);
    for (const Ring& h : f.holes) {
        Poly hole;
        if (!ToPoly(h, true, hole)) return false;
        set.difference(hole);
    }
    return true;
}

// The plan box of two faces, grown by a margin, as a convex polygon clipped to the side of the
// line a x + b y + c < 0; empty when no area of the box lies on that side.
Poly HalfPlaneBox(const Face& f, const Face& g, double a, double b, double c) {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    for (const Face* face : {&f, &g})
        for (const Vec3& p : face->outer) x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    const double m = 1 + std::max(x1 - x0, y1 - y0);
    const std::vector<std::pair<double, double>> box = {{x0 - m, y0 - m}, {x1 + m, y0 - m}, {x1 + m, y1 + m}, {x0 - m, y1 + m}};
    // Sutherland-Hodgman: keep the box's part on the negative side of the line.
    std::vector<std::pair<double, double>> kept;
    for (size_t i = 0; i < box.size(); ++i) {
        const auto& p = box[i];
        const auto& q = box[(i + 1) % box.size()];
        const double sp = a * p.first + b * p.second + c, sq = a * q.first + b * q.second + c;
        if (sp < 0) kept.push_back(p);
        // the box edge crosses the line: keep the crossing point
        if ((sp < 0) != (sq < 0)) {
            const double t = sp / (sp - sq);
            kept.push_back({p.first + (q.first - p.first) * t, p.second + (q.second - p.second) * t});
        }
    }
    // A box corner on the line is met twice (as a crossing of both its edges); the polygon
    // library takes only simple polygons of three or more distinct corners.
    Poly out;
    for (const auto& p : kept) {
        const Exact::Point_2 point(p.first, p.second);
        if (out.is_empty() || (point != *(out.vertices_end() - 1) && point != *out.vertices_begin())) out.push_back(point);
    }
    if (out.size() < 3 || !out.is_simple() || out.orientation() != CGAL::COUNTERCLOCKWISE) out.clear();
    return out;
}

// The plan area of a polygon set.
double Area(const PolySet& set) {
    std::list<PolyWithHoles> parts;
    set.polygons_with_holes(std::back_inserter(parts));
    double area = 0;
    for (const PolyWithHoles& p : parts) {
        area += CGAL::to_double(p.outer_boundary().area());
        for (auto h = p.holes_begin(); h != p.holes_end(); ++h) area += CGAL::to_double(h->area());  // holes run clockwise
    }
    return area;
}

// A ring of the polygon lifted onto the plane z = a x + b y + c.
Ring Lift(const Poly& poly, double a, double b, double c) {
    Ring r;
    for (auto v = poly.vertices_begin(); v != poly.vertices_end(); ++v) {
        const double x = CGAL::to_double(v->x()), y = CGAL::to_double(v->y());
        r.push_back({x, y, a * x + b * y + c});
    }
    return r;
}

// Cuts from face f (plane za) what lies under face g (plane zb); the pieces left, or nothing
// when no more than a touch is cut. Throws on geometry CGAL cannot take.
bool TrimUnder(const Face& f, const Face& g, std::vector<Face>& pieces, double& cutArea) {
    // apart in plan: nothing of one can lie under the other
    if (!FaceBoxesMeet(f, g)) return false;
    double fa = 0, fb = 0, fc = 0, ga = 0, gb = 0, gc = 0;
    if (!FitPlane(f.outer, fa, fb, fc) || !FitPlane(g.outer, ga, gb, gc)) return false;
    // (nearly) one plane: neighbours of one slope, such as the two halves of a semi-detached
    // roof, that overlap a little along their shared verge are not crossing roofs
    if (std::hypot(fa - ga, fb - gb) < std::tan(kCoplanarAngleDegrees * kPi / 180.0)) return false;
    // Where f's plane is lower than g's, within reach of both; none there: nothing lies under g.
    const Poly lower = HalfPlaneBox(f, g, fa - ga, fb - gb, fc - gc);
    if (lower.size() < 3) return false;
    PolySet fs, gs;
    if (!ToSet(f, fs) || !ToSet(g, gs)) return false;
    // under g: inside g's plan area, where f's plane is lower than g's
    gs.intersection(lower);
    const double before = Area(fs);
    fs.difference(gs);
    const double after = Area(fs);
    cutArea = before - after;
    if (cutArea < kSmallestTrim) return false;
    std::list<PolyWithHoles> parts;
    fs.polygons_with_holes(std::back_inserter(parts));
    pieces.clear();
    for (const PolyWithHoles& p : parts) {
        Face piece;
        piece.source = f.source;
        piece.outer = Lift(p.outer_boundary(), fa, fb, fc);
        for (auto h = p.holes_begin(); h != p.holes_end(); ++h) piece.holes.push_back(Lift(*h, fa, fb, fc));
        pieces.push_back(piece);
    }
    return true;
}

}  // namespace

void TrimCrossingRoofs(Scene& scene, Report& report) {
    // Each roof's plan box, taken once: trimming only takes area away, so a box stays large enough.
    std::vector<PlanBox> boxes;
    boxes.reserve(scene.roofs.size());
    for (const Roof& roof : scene.roofs) boxes.push_back(RoofPlanBox(roof));
    for (size_t r1 = 0; r1 < scene.roofs.size(); ++r1)
        for (size_t r2 = 0; r2 < scene.roofs.size(); ++r2) {
            // the same roof, or two roofs apart in plan (as most are on an estate)
            if (r1 == r2 || !BoxesMeet(boxes[r1], boxes[r2])) continue;
            Roof& roof = scene.roofs[r1];
            const Roof& other = scene.roofs[r2];
            for (size_t i = 0; i < roof.faces.size();) {
                bool buried = false;  // face i lay wholly under the other roof and is gone
                for (const Face& g : other.faces) {
                    std::vector<Face> pieces;
                    double cut = 0;
                    bool trimmed = false;
                    try {
                        trimmed = TrimUnder(roof.faces[i], g, pieces, cut);
                    } catch (const std::exception&) {
                        trimmed = false;  // geometry the polygon library refuses: the check reports the crossing
                    }
                    if (!trimmed) continue;
                    const Vec3 at = roof.faces[i].outer.front();
                    AddNote(report, Severity::Change, kRowCrossingTrimmed, roof.id, roof.faces[i].source, &at, cut,
                            double(g.source), other.id);
                    roof.faces.erase(roof.faces.begin() + long(i));
                    roof.faces.insert(roof.faces.begin() + long(i), pieces.begin(), pieces.end());
                    roof.changed = true;
                    roof.explicitPlanes = true;
                    if (pieces.empty()) {
                        buried = true;
                        break;
                    }
                }
                if (!buried) ++i;
            }
        }
}

}  // namespace import
