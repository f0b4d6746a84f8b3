// Purpose: what the city-model readers share: buildings shifted to a local origin, selected by
// identifier or box, and written as a model document with their roofs and the walls that rise
// above a roof edge.
#include "import/CityModel.h"

#include <algorithm>
#include <cmath>

#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace import {
namespace {

// A wall surface rising more than this (metres) above a roof edge that runs along it is a wall
// the roof meets (a neighbour's party wall, a higher part); less is the building's own gable.
constexpr double kWallAboveRoofEdge = 0.1;
// The thickness given to a wall made from a wall surface (metres), outwards from the roof.
constexpr double kImportedWallThickness = 0.2;
// Progress is reported every this many buildings.
constexpr size_t kProgressEvery = 50;
// A top point of a wall surface lies higher than its foot by more than this (metres).
constexpr double kWallFootTol = 0.01;

// Every point of a building, for its plan centre and its lowest corner.
void Extent(const CityBuilding& b, Vec3& lo, Vec3& hi) {
    lo = {1e300, 1e300, 1e300};
    hi = {-1e300, -1e300, -1e300};
    auto take = [&](const Ring& r) {
        for (const Vec3& p : r) {
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
        }
    };
    for (const Face& f : b.roofs) take(f.outer);
    for (const Ring& w : b.walls) take(w);
}

// Moves every point of the building by -shift.
void Shift(CityBuilding& b, const Vec3& shift) {
    auto move = [&](Ring& r) {
        for (Vec3& p : r) p = p - shift;
    };
    for (Face& f : b.roofs) {
        move(f.outer);
        for (Ring& h : f.holes) move(h);
    }
    for (Ring& w : b.walls) move(w);
}

// True when the building is one the user asked for (all when no --select and no --bbox).
bool Wanted(const ReadOptions& o, const CityBuilding& b, const Vec3& lo, const Vec3& hi) {
    if (!o.select.empty()) {
        // the building's own identifier, or the building it is a part of (its identifier's start)
        bool named = false;
        for (const std::string& s : o.select) named = named || b.id == s || b.id.rfind(s, 0) == 0;
        if (!named) return false;
    }
    if (o.hasBox) {
        const double cx = (lo.x + hi.x) / 2, cy = (lo.y + hi.y) / 2;
        return cx >= o.box[0] && cy >= o.box[1] && cx <= o.box[2] && cy <= o.box[3];
    }
    return true;
}

Json RingJson(const Ring& r) {
    Json out = Json::array();
    for (const Vec3& p : r) out.push_back({p.x, p.y, p.z});
    return out;
}

// A wall surface as a plan segment: its two plan ends, foot level and the level of its lowest
// top point (so a verge above a gable wall stays a verge).
struct WallSegment {
    Vec3 a, b;
    double foot = 0, top = 0, highest = 0;
};

// The plan segment of a vertical polygon; false when the polygon is not upright or too small.
bool AsSegment(const Ring& ring, WallSegment& s) {
    if (ring.size() < 3) return false;
    const Vec3 n = RingNormal(ring);
    const double len = Length(n);
    // an upright surface: its normal has (almost) no vertical part
    if (len <= 0 || std::fabs(n.z) / len > 0.05) return false;
    const Vec3 dir{-n.y / len, n.x / len, 0};
    double tmin = 1e300, tmax = -1e300;
    s.foot = 1e300;
    s.highest = -1e300;
    for (const Vec3& p : ring) {
        const double t = p.x * dir.x + p.y * dir.y;
        if (t < tmin) tmin = t, s.a = {p.x, p.y, 0};
        if (t > tmax) tmax = t, s.b = {p.x, p.y, 0};
        s.foot = std::min(s.foot, p.z);
        s.highest = std::max(s.highest, p.z);
    }
    s.top = 1e300;
    for (const Vec3& p : ring)
        if (p.z > s.foot + kWallFootTol) s.top = std::min(s.top, p.z);
    return tmax - tmin > kJoinDistance && s.top < 1e300;
}

// True when a roof edge of any building runs along the wall segment, below the wall's top.
bool RisesAboveARoofEdge(const WallSegment& w, const std::vector<CityBuilding>& buildings, Vec3& roofSide) {
    const double dx = w.b.x - w.a.x, dy = w.b.y - w.a.y, len = std::hypot(dx, dy);
    for (const CityBuilding& b : buildings)
        for (const Face& f : b.roofs)
            for (size_t i = 0; i < f.outer.size(); ++i) {
                const Vec3& p = f.outer[i];
                const Vec3& q = f.outer[(i + 1) % f.outer.size()];
                const double tp = ((p.x - w.a.x) * dx + (p.y - w.a.y) * dy) / (len * len);
                const double tq = ((q.x - w.a.x) * dx + (q.y - w.a.y) * dy) / (len * len);
                const double dp = ((p.x - w.a.x) * dy - (p.y - w.a.y) * dx) / len;
                const double dq = ((q.x - w.a.x) * dy - (q.y - w.a.y) * dx) / len;
                // the edge lies on the wall's line, overlaps it, is longer than a point, and the
                // wall reaches clearly above it
                const bool onLine = std::fabs(dp) <= kJoinDistance && std::fabs(dq) <= kJoinDistance;
                const bool overlaps = std::max(tp, tq) > 0 && std::min(tp, tq) < 1 && std::fabs(tp - tq) * len > kJoinDistance;
                const bool below = std::max(p.z, q.z) + kWallAboveRoofEdge < w.highest && std::min(p.z, q.z) >= w.foot - kJoinDistance;
                if (onLine && overlaps && below) {
                    Vec3 c;
                    for (const Vec3& v : f.outer) c = c + v;
                    roofSide = c * (1.0 / double(f.outer.size()));
                    return true;
                }
            }
    return false;
}

}  // namespace

void AddCityBuilding(CityModelWriter& writer, CityBuilding building, Report& report) {
    ++writer.seen;
    if (writer.options != nullptr && writer.options->progress && writer.seen % kProgressEvery == 0)
        writer.options->progress(writer.seen, writer.kept.size());
    if (building.roofs.empty()) {
        ++writer.skipped;
        AddNote(report, Severity::Info, kRowNoRoofs, building.id, 0, nullptr);
        return;
    }
    Vec3 lo, hi;
    Extent(building, lo, hi);
    if (writer.options != nullptr && !Wanted(*writer.options, building, lo, hi)) {
        ++writer.skipped;
        return;
    }
    if (!writer.haveShift) {
        // whole metres, so the local coordinates keep the file's decimals
        writer.shift = {std::floor(lo.x), std::floor(lo.y), std::floor(lo.z)};
        writer.haveShift = true;
    }
    Shift(building, writer.shift);
    writer.kept.push_back(std::move(building));
}

Json CityModelDoc(const CityModelWriter& writer, Report& report) {
    Json doc;
    doc["stories"] = Json::array({Json{{"index", 0}, {"level", 0.0}}});
    Json elements = Json::array();
    for (const CityBuilding& b : writer.kept) {
        Json planes = Json::array();
        for (const Face& f : b.roofs) {
            Json holes = Json::array();
            for (const Ring& h : f.holes) holes.push_back(RingJson(h));
            planes.push_back(Json{{"outer", RingJson(f.outer)}, {"holes", holes}});
        }
        elements.push_back(Json{{"type", "roof"}, {"id", b.id}, {"planes", planes}});
    }
    int wallNo = 0;
    for (const CityBuilding& b : writer.kept)
        for (const Ring& w : b.walls) {
            WallSegment s;
            Vec3 roofSide;
            if (!AsSegment(w, s) || !RisesAboveARoofEdge(s, writer.kept, roofSide)) continue;
            // the wall's footprint: the surface's plan line, thickened away from the roof it meets
            const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y, len = std::hypot(dx, dy);
            Vec3 n{dy / len, -dx / len, 0};
            if ((roofSide.x - s.a.x) * n.x + (roofSide.y - s.a.y) * n.y > 0) n = n * -1.0;
            const Vec3 off = n * kImportedWallThickness;
            const Vec3 c = s.b + off, d = s.a + off;
            Json footprint = Json::array({Json::array({s.a.x, s.a.y}), Json::array({s.b.x, s.b.y}),
                                          Json::array({c.x, c.y}), Json::array({d.x, d.y})});
            const std::string id = b.id + "-WALL-" + std::to_string(++wallNo);
            elements.push_back(Json{{"type", "wall"}, {"id", id}, {"footprint", footprint},
                                    {"bottomOffset", s.foot}, {"height", s.top - s.foot}});
            AddNote(report, Severity::Info, kRowWallAdded, id, 0, &s.a);
        }
    doc["elements"] = elements;
    doc["originShift"] = {writer.shift.x, writer.shift.y, writer.shift.z};
    if (!writer.crs.empty()) doc["crs"] = writer.crs;
    AddNote(report, Severity::Info, kRowImported, "", 0, nullptr, double(writer.kept.size()), double(writer.skipped));
    return doc;
}

}  // namespace import
