// Purpose: the model check: what healing did not or could not repair, and roofs that already
// carry tile surfaces, listed with element, plane and position, and the pipeline that judges units, heals and checks a model document.
#include "import/Check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

// Pieces of a crossing must reach farther than this (metres) through the other plane: less is a
// touch along a shared edge.
constexpr double kCrossingDepth = 0.01;
// A roof whose planes are mostly smaller than this (m2), and at least kFacetCount of them, is a
// curved roof given as facets.
constexpr double kSmallFacetArea = 2.0;
constexpr size_t kFacetCount = 8;
// A tile surface stands on a plane's corner when it is nearer than this to it in plan (metres),
// turned along the plane's level line within this angle (radians); a plane whose normal leans
// less than this share of its length from upright is level (any turn stands on it).
constexpr double kTileSurfaceStand = 0.01;
constexpr double kTileSurfaceTurn = 1e-4;
constexpr double kLevelPlaneNormal = 1e-9;

// True when the two points follow each other on some ring of the roof (they are an edge).
bool AreEdge(const Roof& roof, const Vec3& p, const Vec3& q) {
    for (const Face& f : roof.faces) {
        std::vector<const Ring*> rings{&f.outer};
        for (const Ring& h : f.holes) rings.push_back(&h);
        for (const Ring* r : rings)
            for (size_t i = 0; i < r->size(); ++i) {
                const Vec3& a = (*r)[i];
                const Vec3& b = (*r)[(i + 1) % r->size()];
                // the two points are the edge's two ends, in either order
                if ((Distance(a, p) < kNearMissMin && Distance(b, q) < kNearMissMin) ||
                    (Distance(a, q) < kNearMissMin && Distance(b, p) < kNearMissMin))
                    return true;
            }
    }
    return false;
}

// Vertices of different planes of one roof, near but apart.
void CheckNearMisses(const Roof& roof, Report& report) {
    const std::vector<VertexRef> verts = RoofVertices(roof);
    for (size_t i = 0; i < verts.size(); ++i)
        for (size_t j = i + 1; j < verts.size(); ++j) {
            if (verts[i].face == verts[j].face) continue;
            const Vec3& p = PointOf(roof, verts[i]);
            const Vec3& q = PointOf(roof, verts[j]);
            const double d = Distance(p, q);
            // apart more than rounding, near enough to be meant as one point, and not an edge of the roof
            if (d > kNearMissMin && d <= kNearMissMax && !AreEdge(roof, p, q)) {
                // one note for a pair of planes at one place
                bool known = false;
                for (const Note& n : report.notes)
                    known = known || (n.row == kRowNearMiss && n.element == roof.id && n.hasAt && Distance(n.at, p) < kNearMissMax);
                if (!known)
                    AddNote(report, Severity::Warning, kRowNearMiss, roof.id, roof.faces[verts[i].face].source, &p, d * 100,
                            double(roof.faces[verts[j].face].source));
            }
        }
}

// Flat and steep planes.
void CheckPitches(const Roof& roof, double minPitch, Report& report) {
    for (const Face& f : roof.faces) {
        const double slope = FaceSlopeDegrees(f);
        const Vec3 at = f.outer.front();
        if (slope < minPitch) AddNote(report, Severity::Warning, kRowFlat, roof.id, f.source, &at, slope, minPitch);
        if (slope > kMaxPitchDegrees) AddNote(report, Severity::Warning, kRowSteep, roof.id, f.source, &at, slope, kMaxPitchDegrees);
    }
}

// The plane of a face as z = a x + b y + c (false when it stands upright).
bool FacePlane(const Face& f, double& a, double& b, double& c) { return FitPlane(f.outer, a, b, c); }

// True when plan point p lies inside the face (outer ring, not in a hole), farther than the
// crossing depth from its outline.
bool DeepInside(const Face& f, const Vec3& p) {
    if (!PlanInside(p, f.outer)) return false;
    for (const Ring& h : f.holes)
        if (PlanInside(p, h)) return false;
    std::vector<const Ring*> rings{&f.outer};
    for (const Ring& h : f.holes) rings.push_back(&h);
    for (const Ring* r : rings)
        for (size_t i = 0; i < r->size(); ++i) {
            double t = 0;
            Vec3 a = (*r)[i], b = (*r)[(i + 1) % r->size()], q = p;
            a.z = b.z = q.z = 0;
            if (Distance(q, NearestOnSegment(q, a, b, t)) <= kCrossingDepth) return false;
        }
    return true;
}

// True when an edge of `f` passes through the inside of `g` (from above it to below it).
bool EdgePierces(const Face& f, const Face& g) {
    double a = 0, b = 0, c = 0;
    if (!FacePlane(g, a, b, c)) return false;
    for (size_t i = 0; i < f.outer.size(); ++i) {
        const Vec3& p = f.outer[i];
        const Vec3& q = f.outer[(i + 1) % f.outer.size()];
        const double sp = p.z - (a * p.x + b * p.y + c), sq = q.z - (a * q.x + b * q.y + c);
        // the edge's ends lie clearly on opposite sides of g's plane
        if (sp * sq >= 0 || std::fabs(sp) <= kCrossingDepth || std::fabs(sq) <= kCrossingDepth) continue;
        const Vec3 x = p + (q - p) * (sp / (sp - sq));
        if (DeepInside(g, x)) return true;
    }
    return false;
}

// Planes of one roof or of two roofs passing through each other.
void CheckCrossings(const Scene& scene, Report& report) {
    std::vector<PlanBox> boxes;
    boxes.reserve(scene.roofs.size());
    for (const Roof& roof : scene.roofs) boxes.push_back(RoofPlanBox(roof));
    for (size_t r1 = 0; r1 < scene.roofs.size(); ++r1)
        for (size_t r2 = r1; r2 < scene.roofs.size(); ++r2) {
            if (!BoxesMeet(boxes[r1], boxes[r2])) continue;  // roofs apart in plan cannot cross
            const Roof& A = scene.roofs[r1];
            const Roof& B = scene.roofs[r2];
            for (size_t i = 0; i < A.faces.size(); ++i)
                for (size_t j = (r1 == r2 ? i + 1 : 0); j < B.faces.size(); ++j) {
                    const Face& f = A.faces[i];
                    const Face& g = B.faces[j];
                    if (!FaceBoxesMeet(f, g) || !(EdgePierces(f, g) || EdgePierces(g, f))) continue;
                    const Vec3 at = f.outer.front();
                    AddNote(report, Severity::Warning, kRowCrossing, A.id, f.source, &at, 0, double(g.source), B.id);
                }
        }
}

// A curved roof given as many small facets.
void CheckFacets(const Roof& roof, Report& report) {
    size_t small = 0;
    for (const Face& f : roof.faces) small += Length(RingNormal(f.outer)) / 2 < kSmallFacetArea ? 1 : 0;
    // many small planes, and most of the roof's planes small
    if (small >= kFacetCount && small * 2 >= roof.faces.size())
        AddNote(report, Severity::Warning, kRowFacets, roof.id, 0, &roof.faces.front().outer.front(), double(small));
}

// Planes still too far from flat, and rings that still cross themselves: the loader refuses them.
void CheckShapes(const Roof& roof, Report& report) {
    for (const Face& f : roof.faces) {
        double a = 0, b = 0, c = 0;
        if (FitPlane(FacePoints(f), a, b, c)) {
            double worst = 0;
            Vec3 at;
            for (const Vec3& p : FacePoints(f)) {
                const double off = std::fabs(p.z - (a * p.x + b * p.y + c)) / std::sqrt(1 + a * a + b * b);
                if (off > worst) worst = off, at = p;
            }
            if (worst > kLoaderFlatness) AddNote(report, Severity::Error, kRowNotPlanar, roof.id, f.source, &at, worst * 100);
        }
        std::vector<const Ring*> rings{&f.outer};
        for (const Ring& h : f.holes) rings.push_back(&h);
        for (const Ring* r : rings) {
            const size_t n = r->size();
            bool crosses = false;
            for (size_t i = 0; i < n && !crosses; ++i)
                for (size_t j = i + 2; j < n && !crosses; ++j) {
                    if (i == 0 && j == n - 1) continue;
                    // plan segments i and j meet: strict crossing or a touching end
                    Vec3 p1 = (*r)[i], p2 = (*r)[(i + 1) % n], q1 = (*r)[j], q2 = (*r)[(j + 1) % n];
                    auto side = [](const Vec3& a, const Vec3& b, const Vec3& c) {
                        const double x = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
                        return x > 0 ? 1 : x < 0 ? -1 : 0;
                    };
                    const int d1 = side(q1, q2, p1), d2 = side(q1, q2, p2), d3 = side(p1, p2, q1), d4 = side(p1, p2, q2);
                    double t = 0;
                    Vec3 fp1 = p1, fq1 = q1, fq2 = q2, fp2 = p2;
                    fp1.z = fp2.z = fq1.z = fq2.z = 0;
                    const bool touch = Distance(fp1, NearestOnSegment(fp1, fq1, fq2, t)) <= kDuplicatePointDistance ||
                                       Distance(fq1, NearestOnSegment(fq1, fp1, fp2, t)) <= kDuplicatePointDistance;
                    crosses = (d1 * d2 < 0 && d3 * d4 < 0) || touch;
                }
            if (crosses) AddNote(report, Severity::Error, kRowSelfCrossing, roof.id, f.source, &r->front());
        }
    }
}

// True when a tile surface stands on the plane: on a corner of its outline, turned along its
// level line (either way along it); on a level plane the corner alone decides.
bool StandsOn(const PlacedTileSurface& t, const Face& f) {
    const bool onCorner = std::any_of(f.outer.begin(), f.outer.end(), [&](const Vec3& p) { return PlanDistance(p, t.at) <= kTileSurfaceStand; });
    if (!onCorner) return false;
    const Vec3 n = RingNormal(f.outer);
    if (std::hypot(n.x, n.y) <= kLevelPlaneNormal * Length(n)) return true;
    // the level line runs along (n.y, -n.x); an angle along it differs by a whole number of half turns
    const double turn = std::remainder(t.angle - std::atan2(-n.x, n.y), kPi);
    return std::fabs(turn) <= kTileSurfaceTurn;
}

// Metres: the side of a cell of the plan grid that finds the roofs under a tile surface's corner.
constexpr double kTiledGridCell = 20.0;
// A roof whose box covers more cells than this is tried for every surface instead.
constexpr int64_t kTiledGridMaxCells = 4096;

// The grid cell of a plan coordinate.
int64_t TiledCell(double v) { return int64_t(std::floor(v / kTiledGridCell)); }

// Roofs that already carry tile surfaces from an earlier tiling. Each surface is tried only on the
// roofs whose plan box holds its corner (a grid of the boxes), so an estate is checked in linear time.
void CheckTiled(const Scene& scene, Report& report) {
    if (scene.tileSurfaces.empty()) return;
    std::map<std::pair<int64_t, int64_t>, std::vector<size_t>> grid;
    std::vector<size_t> wide;  // roofs too large for the grid
    for (size_t r = 0; r < scene.roofs.size(); ++r) {
        if (scene.roofs[r].faces.empty()) continue;
        const PlanBox box = RoofPlanBox(scene.roofs[r]);
        const int64_t cx0 = TiledCell(box.x0 - kTileSurfaceStand), cx1 = TiledCell(box.x1 + kTileSurfaceStand);
        const int64_t cy0 = TiledCell(box.y0 - kTileSurfaceStand), cy1 = TiledCell(box.y1 + kTileSurfaceStand);
        if ((cx1 - cx0 + 1) * (cy1 - cy0 + 1) > kTiledGridMaxCells) {
            wide.push_back(r);
            continue;
        }
        for (int64_t cx = cx0; cx <= cx1; ++cx)
            for (int64_t cy = cy0; cy <= cy1; ++cy) grid[{cx, cy}].push_back(r);
    }
    std::vector<int> surfaces(scene.roofs.size(), 0);
    for (const PlacedTileSurface& t : scene.tileSurfaces) {
        auto standsOnRoof = [&](size_t r) {
            const Roof& roof = scene.roofs[r];
            if (std::any_of(roof.faces.begin(), roof.faces.end(), [&](const Face& f) { return StandsOn(t, f); })) ++surfaces[r];
        };
        const auto cell = grid.find({TiledCell(t.at.x), TiledCell(t.at.y)});
        if (cell != grid.end())
            for (size_t r : cell->second) standsOnRoof(r);
        for (size_t r : wide) standsOnRoof(r);
    }
    for (size_t r = 0; r < scene.roofs.size(); ++r) {
        const Roof& roof = scene.roofs[r];
        if (surfaces[r] > 0)
            AddNote(report, Severity::Warning, kRowAlreadyTiled, roof.id, 0, &roof.faces.front().outer.front(), double(surfaces[r]));
    }
}

}  // namespace

void CheckScene(const Scene& scene, double minPitchDegrees, Report& report) {
    for (const Roof& roof : scene.roofs) {
        if (roof.faces.empty()) continue;
        CheckShapes(roof, report);
        CheckNearMisses(roof, report);
        CheckPitches(roof, minPitchDegrees, report);
        CheckFacets(roof, report);
    }
    CheckCrossings(scene, report);
    CheckTiled(scene, report);
}

bool ParseUnits(const std::string& text, LoadOptions& options) {
    const struct {
        const char* name;
        double scale;
    } kUnits[] = {{"m", 1.0}, {"cm", 0.01}, {"mm", 0.001}};
    for (const auto& u : kUnits)
        if (text == u.name) {
            options.unitScale = u.scale;
            options.unitName = u.name;
            return true;
        }
    return false;
}

bool PrepareModelDoc(Json& doc, const LoadOptions& options, Report& report) {
    if (options.unitScale > 0 && options.unitScale != 1.0) {
        ScaleDoc(doc, options.unitScale);
        AddNote(report, Severity::Change, kRowScaled, "", 0, nullptr, options.unitScale, 0, options.unitName);
    } else if (options.unitScale == 0) {
        double edge = 0, wall = 0;
        LargestSizes(doc, edge, wall);
        // a single roof edge or wall that no building has: the file is not in metres
        if (edge > kLargestPlausibleSize || wall > kLargestPlausibleSize) {
            AddNote(report, Severity::Error, kRowUnits, "", 0, nullptr, std::max(edge, wall), kLargestPlausibleSize);
            return false;
        }
    }
    Scene scene = SceneFromDoc(doc);
    if (options.heal) {
        HealScene(scene, report);
        WriteHealedRoofs(scene, doc);
    }
    CheckScene(scene, options.minPitchDegrees, report);
    return true;
}

}  // namespace import
