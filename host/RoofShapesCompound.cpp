// Purpose: generated roofs of more than one pitch or more than one wing: the half-hip (a gable
// whose gable tops are hipped back), the mansard (a steep lower and a flat upper plane on every
// side) and the cross-gable on L and T footprints (gable roofs meeting in valleys).
#include "host/RoofShapesCompound.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <set>
#include <sstream>

namespace host {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Relative tolerance for right angles and for coordinates of an L or T footprint that must agree.
constexpr double kRightAngleRelTol = 1e-6;
// Two points of a generated plane closer than this (metres) are one point (a mansard whose upper
// hip ridge shrinks to a point over a square).
constexpr double kSamePointTol = 1e-9;
// The default mansard's lower planes reach this fraction of the footprint's width in from each side.
constexpr double kMansardDefaultInset = 1.0 / 6.0;
// The default half-hip takes this fraction of the rise from eaves to ridge.
constexpr double kHalfHipDefaultFraction = 1.0 / 3.0;

// A plan frame: a point at (a, c) lies at origin + a * along + c * across.
struct Frame {
    API_Coord origin, along, across;
    API_Coord At(double a, double c) const {
        return {origin.x + along.x * a + across.x * c, origin.y + along.y * a + across.y * c};
    }
};

// A point of the frame at level z.
API_Coord3D At3(const Frame& f, double a, double c, double z) {
    const API_Coord p = f.At(a, c);
    return {p.x, p.y, z};
}

// A plane from its corners: repeated corners dropped, turned to run anticlockwise from above.
RoofPlaneShape PlaneOf(const Ring3& corners) {
    Ring3 ring;
    for (const API_Coord3D& p : corners) {
        // the corner repeats the one before it
        const bool repeat = !ring.empty() && std::fabs(p.x - ring.back().x) < kSamePointTol &&
                            std::fabs(p.y - ring.back().y) < kSamePointTol && std::fabs(p.z - ring.back().z) < kSamePointTol;
        if (!repeat) ring.push_back(p);
    }
    // the last corner repeats the first
    while (ring.size() > 1 && std::fabs(ring.front().x - ring.back().x) < kSamePointTol &&
           std::fabs(ring.front().y - ring.back().y) < kSamePointTol && std::fabs(ring.front().z - ring.back().z) < kSamePointTol)
        ring.pop_back();
    RoofPlaneShape plane;
    plane.outer = OrientedUpRing(ring);
    return plane;
}

// The frame of a rectangle footprint with `along` on its longer sides; `length` and `width` get
// its sides.
Frame RectangleFrame(const std::vector<API_Coord>& fp, double& length, double& width) {
    const double s0 = std::hypot(fp[1].x - fp[0].x, fp[1].y - fp[0].y);
    const double s1 = std::hypot(fp[2].x - fp[1].x, fp[2].y - fp[1].y);
    // the corner the longer side starts from, and its two neighbours
    const size_t k = s0 >= s1 ? 0 : 1;
    const API_Coord& a = fp[k];
    const API_Coord& b = fp[k + 1];
    const API_Coord& d = fp[(k + 3) % 4];
    length = std::max(s0, s1);
    width = std::min(s0, s1);
    return {a, {(b.x - a.x) / length, (b.y - a.y) / length}, {(d.x - a.x) / width, (d.y - a.y) / width}};
}

double Tan(double degrees) { return std::tan(degrees * kPi / 180); }

// A number for a message: up to three decimals, without trailing zeros.
std::string Decimal(double v) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(3) << v;
    std::string s = text.str();
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

// An axis-parallel rectangle of the footprint's own frame.
struct Box {
    double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    double Dx() const { return x1 - x0; }
    double Dy() const { return y1 - y0; }
};

// A wing whose roof runs into the side of the through roof: its span along the through roof's
// ridge (from its start), how far it reaches out, and which side it stands on (0: the side at
// c = 0, 1: the side at c = width).
struct Wing {
    double a0 = 0, a1 = 0, reach = 0;
    int side = 0;
};

// The roof that runs through: a gable over its box, ridge along `along`, its wings beside it.
struct ThroughRoof {
    Frame frame;  // in the footprint's frame
    double length = 0, width = 0;
    std::vector<Wing> wings;
};

// The through roof's frame for a box and the direction of its ridge (0 along x, 1 along y).
ThroughRoof ThroughOver(const Box& b, int ridgeAxis) {
    ThroughRoof t;
    t.frame.origin = {b.x0, b.y0};
    t.frame.along = ridgeAxis == 0 ? API_Coord{1, 0} : API_Coord{0, 1};
    t.frame.across = ridgeAxis == 0 ? API_Coord{0, 1} : API_Coord{1, 0};
    t.length = ridgeAxis == 0 ? b.Dx() : b.Dy();
    t.width = ridgeAxis == 0 ? b.Dy() : b.Dx();
    return t;
}

// Adds a wing box beside the through roof.
void AddWing(ThroughRoof& t, const Box& w, double tol) {
    const bool alongX = t.frame.along.x != 0;
    const double a0 = alongX ? w.x0 - t.frame.origin.x : w.y0 - t.frame.origin.y;
    const double a1 = alongX ? w.x1 - t.frame.origin.x : w.y1 - t.frame.origin.y;
    const double c0 = alongX ? w.y0 - t.frame.origin.y : w.x0 - t.frame.origin.x;
    const double c1 = alongX ? w.y1 - t.frame.origin.y : w.x1 - t.frame.origin.x;
    Wing wing;
    wing.a0 = std::max(0.0, a0);
    wing.a1 = std::min(t.length, a1);
    // the wing ends on the through roof's eave at c = 0 (side 0) or at c = width (side 1)
    wing.side = std::fabs(c1) <= tol ? 0 : 1;
    wing.reach = c1 - c0;
    t.wings.push_back(wing);
}

// The planes of a through roof and its wings, in the footprint's frame (levels above the eaves).
// Each side plane of the through roof runs along its eave with a notch where a wing's two planes
// come in along valleys; a wing as wide as the through roof reaches its ridge, and the side plane
// is cut there into pieces that meet in one point.
std::vector<Ring3> CrossGablePlanes(const ThroughRoof& t, double rise, double tol) {
    std::vector<Ring3> out;
    const double half = t.width / 2;
    // Where wings reach the ridge, on either side: the ridge of every piece has a point there.
    std::set<double> ridgeCuts;
    for (const Wing& w : t.wings)
        if (std::fabs((w.a1 - w.a0) / 2 - half) <= tol) ridgeCuts.insert(w.a0 + half);
    for (int side = 0; side < 2; ++side) {
        // The distance d in from this side's eave, as the frame's across coordinate.
        auto across = [&](double d) { return side == 0 ? d : t.width - d; };
        auto point = [&](double a, double d) { return At3(t.frame, a, across(d), d * rise); };
        std::vector<const Wing*> wings;
        for (const Wing& w : t.wings)
            if (w.side == side) wings.push_back(&w);
        std::sort(wings.begin(), wings.end(), [](const Wing* x, const Wing* y) { return x->a0 < y->a0; });
        // The eave path with its notches: (a, d) pairs.
        std::vector<std::pair<double, double>> path{{0, 0}};
        for (const Wing* w : wings) {
            const double apexD = std::min(half, (w->a1 - w->a0) / 2);
            path.push_back({w->a0, 0});
            path.push_back({w->a0 + (w->a1 - w->a0) / 2, apexD});
            path.push_back({w->a1, 0});
        }
        path.push_back({t.length, 0});
        // Cut into pieces at the notches that reach the ridge.
        size_t from = 0;
        for (size_t i = 1; i < path.size(); ++i) {
            const bool onRidge = path[i].second >= half - tol;
            if (!onRidge && i + 1 < path.size()) continue;
            Ring3 ring;
            for (size_t k = from; k <= i; ++k) ring.push_back(point(path[k].first, path[k].second));
            // back along the ridge, through every cut of the other side on the way
            const double aEnd = path[i].first, aStart = path[from].first;
            ring.push_back(point(aEnd, half));
            for (auto c = ridgeCuts.rbegin(); c != ridgeCuts.rend(); ++c)
                if (*c < aEnd - tol && *c > aStart + tol) ring.push_back(point(*c, half));
            ring.push_back(point(aStart, half));
            out.push_back(ring);
            from = i;
        }
        // Each wing's two planes, from its far gable end in to the valleys.
        for (const Wing* w : wings) {
            const double wb = w->a1 - w->a0, wh = wb / 2, top = wh * rise;
            // a point of the wing at `out` beyond the through roof's eave (negative: over it), `v` along it
            auto wingPoint = [&](double outward, double v, double z) {
                return At3(t.frame, w->a0 + v, side == 0 ? -outward : t.width + outward, z);
            };
            out.push_back({wingPoint(0, 0, 0), wingPoint(w->reach, 0, 0), wingPoint(w->reach, wh, top), wingPoint(-wh, wh, top)});
            out.push_back({wingPoint(w->reach, wb, 0), wingPoint(0, wb, 0), wingPoint(-wh, wh, top), wingPoint(w->reach, wh, top)});
        }
    }
    return out;
}

// True when the footprint point lies on the corner (x, y) (within tol).
bool OnCorner(const API_Coord& p, double x, double y, double tol) { return std::fabs(p.x - x) <= tol && std::fabs(p.y - y) <= tol; }

// The through roof of an L or T footprint given in its own axis-parallel frame; false with `error`.
bool DecomposeLT(const std::vector<API_Coord>& fp, double tol, ThroughRoof& t, std::string& error) {
    Box bb{fp[0].x, fp[0].x, fp[0].y, fp[0].y};
    for (const API_Coord& p : fp)
        bb.x0 = std::min(bb.x0, p.x), bb.x1 = std::max(bb.x1, p.x), bb.y0 = std::min(bb.y0, p.y), bb.y1 = std::max(bb.y1, p.y);
    // The bounding box's corners the footprint leaves out, and its inner (reflex) corners.
    std::vector<API_Coord> missing, inner;
    for (const API_Coord& c : {API_Coord{bb.x0, bb.y0}, API_Coord{bb.x1, bb.y0}, API_Coord{bb.x1, bb.y1}, API_Coord{bb.x0, bb.y1}})
        if (std::none_of(fp.begin(), fp.end(), [&](const API_Coord& p) { return OnCorner(p, c.x, c.y, tol); })) missing.push_back(c);
    for (const API_Coord& p : fp)
        // strictly inside the bounding box in both directions
        if (p.x > bb.x0 + tol && p.x < bb.x1 - tol && p.y > bb.y0 + tol && p.y < bb.y1 - tol) inner.push_back(p);
    double area2 = 0;
    for (size_t i = 0; i < fp.size(); ++i) area2 += fp[i].x * fp[(i + 1) % fp.size()].y - fp[(i + 1) % fp.size()].x * fp[i].y;
    const double area = std::fabs(area2) / 2;
    if (fp.size() == 6 && missing.size() == 1 && inner.size() == 1) {
        const API_Coord m = missing[0], r = inner[0];
        // the arm along x keeps the y band away from the missing corner, the arm along y the x band
        const Box h{bb.x0, bb.x1, m.y == bb.y1 ? bb.y0 : r.y, m.y == bb.y1 ? r.y : bb.y1};
        const Box v{m.x == bb.x1 ? bb.x0 : r.x, m.x == bb.x1 ? r.x : bb.x1, bb.y0, bb.y1};
        if (std::fabs(area - (h.Dx() * h.Dy() + v.Dx() * v.Dy() - h.Dy() * v.Dx())) > tol * (bb.Dx() + bb.Dy())) {
            error = "a \"crossGable\" roof needs an L or T footprint";
            return false;
        }
        // The wider arm runs through (the longer one when both are as wide); the other runs into it.
        const bool throughH = h.Dy() > v.Dx() + tol || (std::fabs(h.Dy() - v.Dx()) <= tol && h.Dx() >= v.Dy());
        if (throughH) {
            t = ThroughOver(h, 0);
            AddWing(t, {v.x0, v.x1, m.y == bb.y1 ? h.y1 : bb.y0, m.y == bb.y1 ? bb.y1 : h.y0}, tol);
        } else {
            t = ThroughOver(v, 1);
            AddWing(t, {m.x == bb.x1 ? v.x1 : bb.x0, m.x == bb.x1 ? bb.x1 : v.x0, h.y0, h.y1}, tol);
        }
        return true;
    }
    // A T: both left-out corners on one side of the box, both inner corners on one line.
    const bool tShape = fp.size() == 8 && missing.size() == 2 && inner.size() == 2;
    const bool barAlongX = tShape && std::fabs(missing[0].y - missing[1].y) <= tol && std::fabs(inner[0].y - inner[1].y) <= tol;
    const bool barAlongY = tShape && std::fabs(missing[0].x - missing[1].x) <= tol && std::fabs(inner[0].x - inner[1].x) <= tol;
    if (!barAlongX && !barAlongY) {
        error = "a \"crossGable\" roof needs an L footprint (6 corners) or a T footprint (8 corners), all right angles";
        return false;
    }
    Box bar = bb, stem = bb;
    if (barAlongX) {
        (missing[0].y == bb.y1 ? bar.y1 : bar.y0) = inner[0].y;
        stem.x0 = std::min(inner[0].x, inner[1].x), stem.x1 = std::max(inner[0].x, inner[1].x);
    } else {
        (missing[0].x == bb.x1 ? bar.x1 : bar.x0) = inner[0].x;
        stem.y0 = std::min(inner[0].y, inner[1].y), stem.y1 = std::max(inner[0].y, inner[1].y);
    }
    const double barWidth = barAlongX ? bar.Dy() : bar.Dx(), stemWidth = barAlongX ? stem.Dx() : stem.Dy();
    const double expected = bar.Dx() * bar.Dy() + stem.Dx() * stem.Dy() - (barAlongX ? stem.Dx() * bar.Dy() : stem.Dy() * bar.Dx());
    if (std::fabs(area - expected) > tol * (bb.Dx() + bb.Dy())) {
        error = "a \"crossGable\" roof needs an L or T footprint";
        return false;
    }
    if (stemWidth >= barWidth - tol) {
        // The stem runs through to the bar's far side; the bar's two halves run into its sides.
        t = ThroughOver(stem, barAlongX ? 1 : 0);
        if (barAlongX) {
            AddWing(t, {bar.x0, stem.x0, bar.y0, bar.y1}, tol);
            AddWing(t, {stem.x1, bar.x1, bar.y0, bar.y1}, tol);
        } else {
            AddWing(t, {bar.x0, bar.x1, bar.y0, stem.y0}, tol);
            AddWing(t, {bar.x0, bar.x1, stem.y1, bar.y1}, tol);
        }
    } else {
        // A narrower stem runs into the side of the bar.
        t = ThroughOver(bar, barAlongX ? 0 : 1);
        if (barAlongX)
            AddWing(t, {stem.x0, stem.x1, bar.y1 < stem.y1 ? bar.y1 : stem.y0, bar.y1 < stem.y1 ? stem.y1 : bar.y0}, tol);
        else
            AddWing(t, {bar.x1 < stem.x1 ? bar.x1 : stem.x0, bar.x1 < stem.x1 ? stem.x1 : bar.x0, stem.y0, stem.y1}, tol);
    }
    return true;
}

}  // namespace

bool HalfHipRoof(const RoofShapeInput& in, const std::vector<API_Coord>& fp, std::vector<RoofPlaneShape>& planes,
                 std::string& error) {
    double length = 0, width = 0;
    const Frame f = RectangleFrame(fp, length, width);
    const double rise = Tan(in.pitchDegrees), e = in.eaveLevel;
    const double top = width / 2 * rise;  // ridge over the eaves
    if (in.hipHeight != 0 && in.hipFraction != 0) {
        error = "give either \"hipHeight\" or \"hipFraction\", not both";
        return false;
    }
    const double fraction = in.hipHeight != 0 ? in.hipHeight / top : in.hipFraction != 0 ? in.hipFraction : kHalfHipDefaultFraction;
    if (!(fraction > 0 && fraction < 1)) {
        error = in.hipHeight != 0 ? "\"hipHeight\" must be above 0 and below the rise from eaves to ridge (" +
                                        Decimal(top) + " m)"
                                  : "\"hipFraction\" must be between 0 and 1 (both excluded)";
        return false;
    }
    const double hipPitch = in.hipPitchDegrees != 0 ? in.hipPitchDegrees : in.pitchDegrees;
    if (!(hipPitch > 0 && hipPitch < 90)) {
        error = "\"hipPitch\" must be between 0 and 90 degrees (both excluded)";
        return false;
    }
    const double hip = fraction * top;             // height of the hipped top of each gable
    const double clip = e + top - hip;             // level where the gable wall stops
    const double foot = width / 2 * (1 - fraction);  // the hip's foot in from each long side
    const double back = hip / Tan(hipPitch);       // how far the ridge end is set back
    if (2 * back >= length) {
        error = "the two hips meet: the ridge would vanish (lower \"hipHeight\"/\"hipFraction\" or steepen \"hipPitch\")";
        return false;
    }
    const double ridge = e + top, l = length, w = width;
    planes = {
        PlaneOf({At3(f, 0, 0, e), At3(f, l, 0, e), At3(f, l, foot, clip), At3(f, l - back, w / 2, ridge), At3(f, back, w / 2, ridge),
                 At3(f, 0, foot, clip)}),
        PlaneOf({At3(f, 0, w, e), At3(f, 0, w - foot, clip), At3(f, back, w / 2, ridge), At3(f, l - back, w / 2, ridge),
                 At3(f, l, w - foot, clip), At3(f, l, w, e)}),
        PlaneOf({At3(f, 0, foot, clip), At3(f, back, w / 2, ridge), At3(f, 0, w - foot, clip)}),
        PlaneOf({At3(f, l, foot, clip), At3(f, l, w - foot, clip), At3(f, l - back, w / 2, ridge)}),
    };
    return true;
}

bool MansardRoof(const RoofShapeInput& in, const std::vector<API_Coord>& fp, std::vector<RoofPlaneShape>& planes,
                 std::string& error) {
    double length = 0, width = 0;
    const Frame f = RectangleFrame(fp, length, width);
    const double upperPitch = in.upperPitchDegrees != 0 ? in.upperPitchDegrees : in.pitchDegrees / 2;
    if (!(upperPitch > 0 && upperPitch < in.pitchDegrees)) {
        error = "\"upperPitch\" must be above 0 and flatter than \"pitch\" (the lower planes' pitch, " +
                Decimal(in.pitchDegrees) + " degrees)";
        return false;
    }
    const double lower = Tan(in.pitchDegrees), e = in.eaveLevel;
    const double breakHeight = in.breakHeight != 0 ? in.breakHeight : width * kMansardDefaultInset * lower;
    const double inset = breakHeight / lower;
    if (!(breakHeight > 0) || 2 * inset >= width) {
        error = "\"breakHeight\" must be above 0 and low enough that the lower planes stay apart (below " +
                Decimal(width / 2 * lower) + " m at this pitch)";
        return false;
    }
    const double l = length, w = width, d = inset, zb = e + breakHeight;
    const double half = (w - 2 * d) / 2, zt = zb + half * Tan(upperPitch);
    // The upper planes are a hip roof over the rectangle inside the slope breaks.
    const API_Coord3D r0 = At3(f, d + half, w / 2, zt), r1 = At3(f, l - d - half, w / 2, zt);
    const API_Coord3D b00 = At3(f, d, d, zb), b10 = At3(f, l - d, d, zb), b11 = At3(f, l - d, w - d, zb), b01 = At3(f, d, w - d, zb);
    const API_Coord3D e00 = At3(f, 0, 0, e), e10 = At3(f, l, 0, e), e11 = At3(f, l, w, e), e01 = At3(f, 0, w, e);
    planes = {
        PlaneOf({e00, e10, b10, b00}), PlaneOf({e10, e11, b11, b10}), PlaneOf({e11, e01, b01, b11}), PlaneOf({e01, e00, b00, b01}),
        PlaneOf({b00, b10, r1, r0}),   PlaneOf({b10, b11, r1}),       PlaneOf({b11, b01, r0, r1}),   PlaneOf({b01, b00, r0}),
    };
    return true;
}

bool CrossGableRoof(const RoofShapeInput& in, const std::vector<API_Coord>& fp, std::vector<RoofPlaneShape>& planes,
                    std::string& error) {
    // The footprint's own frame: x along its first edge.
    const double len = std::hypot(fp[1].x - fp[0].x, fp[1].y - fp[0].y);
    const Frame world{fp[0], {(fp[1].x - fp[0].x) / len, (fp[1].y - fp[0].y) / len},
                      {-(fp[1].y - fp[0].y) / len, (fp[1].x - fp[0].x) / len}};
    std::vector<API_Coord> local;
    double extent = 0;
    for (const API_Coord& p : fp) {
        const double dx = p.x - fp[0].x, dy = p.y - fp[0].y;
        local.push_back({dx * world.along.x + dy * world.along.y, dx * world.across.x + dy * world.across.y});
        extent = std::max(extent, std::hypot(dx, dy));
    }
    const double tol = kRightAngleRelTol * extent;
    for (size_t i = 0; i < local.size(); ++i) {
        const API_Coord& a = local[i];
        const API_Coord& b = local[(i + 1) % local.size()];
        // every edge runs along one of the frame's axes
        if (std::fabs(a.x - b.x) > tol && std::fabs(a.y - b.y) > tol) {
            error = "a \"crossGable\" roof needs a footprint of right angles (edge " + std::to_string(i + 1) + " is slanted)";
            return false;
        }
    }
    ThroughRoof t;
    if (!DecomposeLT(local, tol, t, error)) return false;
    std::vector<RoofPlaneShape> out;
    for (Ring3& ring : CrossGablePlanes(t, Tan(in.pitchDegrees), tol)) {
        for (API_Coord3D& p : ring) {
            const API_Coord w = world.At(p.x, p.y);
            p = {w.x, w.y, in.eaveLevel + p.z};
        }
        out.push_back(PlaneOf(ring));
    }
    planes = std::move(out);
    return true;
}

}  // namespace host
