// Purpose: the project as a glTF 2.0 scene (JSON with an embedded buffer), written with
// nlohmann-json: triangles for roof planes, walls and fills, line sets for what the objects draw.
//
// The model's z points up and y north; glTF's y points up, so (x, y, z) becomes (x, z, -y).
#include "app/GltfExport.h"

#include "app/PlanSvg.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>

#include <nlohmann/json.hpp>

#include "app/SessionLines.h"
#include "host/Host.h"
#include "host/LibPartScripts.h"

namespace app {
namespace {

using Json = nlohmann::json;

constexpr double kAreaTol = 1e-12;        // twice a triangle's plan area below this is no triangle
constexpr double kLift = 0.02;            // objects float this far above their roof plane (no flicker)
constexpr double kInsideTol = 1e-6;       // a point this close to a ring's edge counts as inside
constexpr int kGlFloat = 5126;            // glTF component types and targets
constexpr int kGlUnsignedInt = 5125;
constexpr int kGlArrayBuffer = 34962;
constexpr int kGlElementArrayBuffer = 34963;
constexpr int kModeLines = 1;
constexpr int kModeTriangles = 4;
constexpr const char* kTileSurfaceMainId = "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}";
constexpr const char* kRidgeMainId = "{9B413C5B-C63B-4027-BE0A-00222534F9FF}";
constexpr size_t kMainIdLength = 38;

// ---- Triangulation: ear clipping after the holes are bridged into the outer ring -----------------

// Twice the signed area of a ring (positive when counterclockwise).
double SignedArea2(const std::vector<API_Coord>& pts, const std::vector<int>& ring) {
    double a = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const API_Coord& p = pts[size_t(ring[i])];
        const API_Coord& q = pts[size_t(ring[(i + 1) % ring.size()])];
        a += p.x * q.y - q.x * p.y;
    }
    return a;
}

double Cross(const API_Coord& o, const API_Coord& a, const API_Coord& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// True when p lies inside or on the counterclockwise triangle abc.
bool InTriangle(const API_Coord& p, const API_Coord& a, const API_Coord& b, const API_Coord& c) {
    return Cross(a, b, p) >= -kAreaTol && Cross(b, c, p) >= -kAreaTol && Cross(c, a, p) >= -kAreaTol;
}

// True when segments pq and rs cross at a point inside both (touching ends do not count).
bool SegmentsCross(const API_Coord& p, const API_Coord& q, const API_Coord& r, const API_Coord& s) {
    const double d1 = Cross(p, q, r), d2 = Cross(p, q, s), d3 = Cross(r, s, p), d4 = Cross(r, s, q);
    // each segment's ends lie strictly on both sides of the other
    return ((d1 > kAreaTol && d2 < -kAreaTol) || (d1 < -kAreaTol && d2 > kAreaTol)) &&
           ((d3 > kAreaTol && d4 < -kAreaTol) || (d3 < -kAreaTol && d4 > kAreaTol));
}

// Splices a hole into the outer ring through the shortest bridge that crosses no ring's edge.
void BridgeHole(const std::vector<API_Coord>& pts, std::vector<int>& outer, const std::vector<int>& hole,
                const std::vector<std::vector<int>>& rings) {
    double best = std::numeric_limits<double>::max();
    size_t bestOuter = 0, bestHole = 0;
    for (size_t h = 0; h < hole.size(); ++h)
        for (size_t o = 0; o < outer.size(); ++o) {
            const API_Coord& a = pts[size_t(hole[h])];
            const API_Coord& b = pts[size_t(outer[o])];
            const double d = std::hypot(a.x - b.x, a.y - b.y);
            if (d >= best) continue;
            bool clear = true;
            auto check = [&](const std::vector<int>& ring) {
                for (size_t k = 0; k < ring.size() && clear; ++k)
                    clear = !SegmentsCross(a, b, pts[size_t(ring[k])], pts[size_t(ring[(k + 1) % ring.size()])]);
            };
            check(outer);
            for (const std::vector<int>& r : rings) check(r);
            if (clear) { best = d; bestOuter = o; bestHole = h; }
        }
    // outer ... O, H, hole onwards around to H again, O, rest of outer
    std::vector<int> spliced(outer.begin(), outer.begin() + long(bestOuter) + 1);
    for (size_t k = 0; k <= hole.size(); ++k) spliced.push_back(hole[(bestHole + k) % hole.size()]);
    spliced.push_back(outer[bestOuter]);
    spliced.insert(spliced.end(), outer.begin() + long(bestOuter) + 1, outer.end());
    outer = spliced;
}

// Clips ears off a counterclockwise ring until one triangle is left.
void ClipEars(const std::vector<API_Coord>& pts, std::vector<int> ring, std::vector<int>& out) {
    size_t guard = ring.size() * ring.size() + 8;
    size_t i = 0;
    while (ring.size() > 3 && guard-- > 0) {
        const size_t n = ring.size();
        const int ia = ring[(i + n - 1) % n], ib = ring[i % n], ic = ring[(i + 1) % n];
        const API_Coord &a = pts[size_t(ia)], &b = pts[size_t(ib)], &c = pts[size_t(ic)];
        bool ear = Cross(a, b, c) > kAreaTol;
        for (size_t k = 0; k < n && ear; ++k) {
            const int ip = ring[k];
            // a bridge's doubled points coincide with the ear's corners: they do not block it
            const API_Coord& p = pts[size_t(ip)];
            const bool corner = (p.x == a.x && p.y == a.y) || (p.x == b.x && p.y == b.y) || (p.x == c.x && p.y == c.y);
            if (!corner && InTriangle(p, a, b, c)) ear = false;
        }
        if (ear) {
            out.insert(out.end(), {ia, ib, ic});
            ring.erase(ring.begin() + long(i % n));
            i = i == 0 ? 0 : i - 1;
        } else if (Cross(a, b, c) <= kAreaTol && Cross(a, b, c) >= -kAreaTol) {
            ring.erase(ring.begin() + long(i % n));  // a straight or doubled corner adds nothing
        } else {
            i = (i + 1) % n;
        }
    }
    if (ring.size() == 3 && std::fabs(Cross(pts[size_t(ring[0])], pts[size_t(ring[1])], pts[size_t(ring[2])])) > kAreaTol)
        out.insert(out.end(), {ring[0], ring[1], ring[2]});
}

// ---- Scene building -----------------------------------------------------------------------------

// The buffer and the glTF parts being built.
struct Scene {
    std::vector<unsigned char> bytes;
    Json accessors = Json::array(), bufferViews = Json::array(), meshes = Json::array(), nodes = Json::array();
    std::map<std::string, int> materials;
    Json materialList = Json::array();
};

// Appends raw data to the buffer (4-byte aligned) as a buffer view; its index.
int AddView(Scene& s, const void* data, size_t size, int target) {
    while (s.bytes.size() % 4 != 0) s.bytes.push_back(0);
    const size_t at = s.bytes.size();
    s.bytes.insert(s.bytes.end(), static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + size);
    s.bufferViews.push_back({{"buffer", 0}, {"byteOffset", at}, {"byteLength", size}, {"target", target}});
    return int(s.bufferViews.size()) - 1;
}

// The material of a colour (created once).
int Material(Scene& s, const std::string& name, float r, float g, float b) {
    const auto it = s.materials.find(name);
    if (it != s.materials.end()) return it->second;
    s.materialList.push_back({{"name", name}, {"doubleSided", true},
                              {"pbrMetallicRoughness", {{"baseColorFactor", {r, g, b, 1.0f}}, {"metallicFactor", 0.0f}, {"roughnessFactor", 0.9f}}}});
    s.materials[name] = int(s.materialList.size()) - 1;
    return s.materials[name];
}

// One node with one primitive of model points (converted to glTF axes) and indices.
void AddNode(Scene& s, const std::string& id, const Json& extras, const std::vector<API_Coord3D>& points,
             const std::vector<uint32_t>& indices, int mode, int material) {
    if (points.empty() || indices.empty()) return;
    std::vector<float> xyz;
    float mn[3] = {std::numeric_limits<float>::max(), std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
    float mx[3] = {-mn[0], -mn[1], -mn[2]};
    for (const API_Coord3D& p : points) {
        const float v[3] = {float(p.x), float(p.z), float(-p.y)};
        for (int k = 0; k < 3; ++k) {
            xyz.push_back(v[k]);
            mn[k] = std::min(mn[k], v[k]);
            mx[k] = std::max(mx[k], v[k]);
        }
    }
    const int pv = AddView(s, xyz.data(), xyz.size() * sizeof(float), kGlArrayBuffer);
    s.accessors.push_back({{"bufferView", pv}, {"componentType", kGlFloat}, {"count", points.size()}, {"type", "VEC3"},
                           {"min", {mn[0], mn[1], mn[2]}}, {"max", {mx[0], mx[1], mx[2]}}});
    const int pa = int(s.accessors.size()) - 1;
    const int iv = AddView(s, indices.data(), indices.size() * sizeof(uint32_t), kGlElementArrayBuffer);
    s.accessors.push_back({{"bufferView", iv}, {"componentType", kGlUnsignedInt}, {"count", indices.size()}, {"type", "SCALAR"}});
    const int ia = int(s.accessors.size()) - 1;
    s.meshes.push_back({{"name", id}, {"primitives", Json::array({{{"attributes", {{"POSITION", pa}}}, {"indices", ia}, {"mode", mode}, {"material", material}}})}});
    s.nodes.push_back({{"name", id}, {"mesh", int(s.meshes.size()) - 1}, {"extras", extras}});
}

// The plan points of a 3D ring.
std::vector<API_Coord> Flat(const host::Ring3& ring) {
    std::vector<API_Coord> out;
    for (const API_Coord3D& p : ring) out.push_back(API_Coord{p.x, p.y});
    return out;
}

// True when the plan point lies inside the ring or on its edge.
bool InsideRing(const std::vector<API_Coord>& ring, double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const API_Coord &a = ring[i], &b = ring[j];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        if (len > 0 && std::fabs(Cross(a, b, API_Coord{x, y})) / len < kInsideTol &&
            (x - a.x) * (x - b.x) + (y - a.y) * (y - b.y) <= kInsideTol)
            return true;  // on this edge
        // the ray to the right crosses this edge
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

// A roof plane in plan with its plane equation, for lifting plan drawings onto it.
struct LiftPlane {
    std::vector<API_Coord> outer;
    double a = 0, b = 0, c = 0;  // z = a x + b y + c
};

// The plane equation of a ring from its Newell normal (vertical rings are left flat at their first point).
LiftPlane PlaneOf(const host::Ring3& ring) {
    LiftPlane p;
    p.outer = Flat(ring);
    double nx = 0, ny = 0, nz = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const API_Coord3D &u = ring[i], &v = ring[(i + 1) % ring.size()];
        nx += (u.y - v.y) * (u.z + v.z);
        ny += (u.z - v.z) * (u.x + v.x);
        nz += (u.x - v.x) * (u.y + v.y);
    }
    if (ring.empty()) return p;
    if (std::fabs(nz) < kAreaTol) { p.c = ring[0].z; return p; }
    p.a = -nx / nz;
    p.b = -ny / nz;
    p.c = ring[0].z - p.a * ring[0].x - p.b * ring[0].y;
    return p;
}

// Plan distance from a point to a ring's outline.
double DistanceToRing(const std::vector<API_Coord>& ring, double x, double y) {
    double best = std::numeric_limits<double>::max();
    for (size_t i = 0; i < ring.size(); ++i) {
        const API_Coord &a = ring[i], &b = ring[(i + 1) % ring.size()];
        const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(x - a.x - t * dx, y - a.y - t * dy));
    }
    return best;
}

// The height of the highest roof plane above a plan point, a little above it. A point just past a
// roof's outline (a ridge cap over the eaves) takes the nearest plane, extended; 0 with no roof.
double LiftedZ(const std::vector<LiftPlane>& planes, double x, double y) {
    double z = -std::numeric_limits<double>::max(), nearest = std::numeric_limits<double>::max();
    const LiftPlane* closest = nullptr;
    for (const LiftPlane& p : planes) {
        if (InsideRing(p.outer, x, y)) z = std::max(z, p.a * x + p.b * y + p.c);
        const double d = DistanceToRing(p.outer, x, y);
        if (d < nearest) { nearest = d; closest = &p; }
    }
    if (z == -std::numeric_limits<double>::max()) {
        if (closest == nullptr) return 0.0;
        z = closest->a * x + closest->b * y + closest->c;
    }
    return z + kLift;
}

// The triangles of one polygon with holes, as 3D points from `rings3` and glTF indices.
void AddPolygon(const std::vector<std::vector<API_Coord3D>>& rings3, std::vector<API_Coord3D>& points, std::vector<uint32_t>& indices) {
    std::vector<std::vector<API_Coord>> plan;
    for (const auto& r : rings3) {
        std::vector<API_Coord> flat;
        for (const API_Coord3D& p : r) flat.push_back(API_Coord{p.x, p.y});
        plan.push_back(flat);
    }
    const uint32_t base = uint32_t(points.size());
    for (const auto& r : rings3) points.insert(points.end(), r.begin(), r.end());
    for (int k : TriangulatePolygon(plan)) indices.push_back(base + uint32_t(k));
}

// A story's level by index (0 when the model has no such story).
double StoryLevel(int16_t index) {
    for (const host::Story& s : host::gSession.model.stories)
        if (s.index == index) return s.level;
    return 0;
}

void AddRoof(Scene& s, const host::Element& e) {
    const int material = Material(s, "roof", 0.62f, 0.32f, 0.22f);
    for (size_t k = 0; k < e.roofPlanes.size(); ++k) {
        const host::RoofPlaneShape& plane = e.roofPlanes[k];
        std::vector<std::vector<API_Coord3D>> rings = {plane.outer};
        rings.insert(rings.end(), plane.holes.begin(), plane.holes.end());
        std::vector<API_Coord3D> points;
        std::vector<uint32_t> indices;
        AddPolygon(rings, points, indices);
        AddNode(s, e.elementId, {{"id", e.elementId}, {"kind", "roof"}, {"plane", k + 1}}, points, indices, kModeTriangles, material);
    }
}

// A wall as a prism over its footprint: bottom, top and the sides.
void AddWall(Scene& s, const host::Element& e) {
    if (e.polygon.size() < 4) return;
    std::vector<API_Coord> ring(e.polygon.begin(), e.polygon.end() - 1);  // the host's polygons repeat their first point
    const double bottom = StoryLevel(e.rec.header.floorInd) + e.rec.wall.bottomOffset, top = bottom + e.rec.wall.height;
    std::vector<API_Coord3D> low, high;
    for (const API_Coord& c : ring) { low.push_back({c.x, c.y, bottom}); high.push_back({c.x, c.y, top}); }
    std::vector<API_Coord3D> points;
    std::vector<uint32_t> indices;
    AddPolygon({low}, points, indices);
    AddPolygon({high}, points, indices);
    for (size_t i = 0; i < ring.size(); ++i) {
        const uint32_t base = uint32_t(points.size());
        const size_t j = (i + 1) % ring.size();
        points.insert(points.end(), {low[i], low[j], high[j], high[i]});
        indices.insert(indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
    }
    AddNode(s, e.elementId, {{"id", e.elementId}, {"kind", "wall"}}, points, indices, kModeTriangles, Material(s, "wall", 0.72f, 0.72f, 0.70f));
}

void AddFill(Scene& s, const host::Element& e) {
    if (e.polygon.size() < 4) return;
    std::vector<API_Coord3D> ring;
    for (size_t i = 0; i + 1 < e.polygon.size(); ++i) ring.push_back({e.polygon[i].x, e.polygon[i].y, StoryLevel(e.rec.header.floorInd)});
    std::vector<API_Coord3D> points;
    std::vector<uint32_t> indices;
    AddPolygon({ring}, points, indices);
    AddNode(s, e.elementId, {{"id", e.elementId}, {"kind", "fill"}}, points, indices, kModeTriangles, Material(s, "fill", 0.85f, 0.83f, 0.76f));
}

// What an object draws in plan, as lines laid onto the roof planes below it.
void AddObject(Scene& s, const host::Element& e, const std::vector<LiftPlane>& planes) {
    const std::string main = e.libPartUnId.substr(0, kMainIdLength);
    const bool surface = main == kTileSurfaceMainId, ridge = main == kRidgeMainId;
    if (!surface && !ridge && host::IsEdgeSetter(e)) return;
    std::vector<API_Coord3D> points, accPoints;
    std::vector<uint32_t> indices, accIndices;
    auto lift = [&](const API_Coord& c) { return API_Coord3D{c.x, c.y, LiftedZ(planes, c.x, c.y)}; };
    for (const host::DrawPrimitive& p : PartDrawing(e)) {
        // accessories and solar rows get a colour of their own
        const bool accessory = p.text.rfind("accessory", 0) == 0;
        auto& pts = accessory ? accPoints : points;
        auto& idx = accessory ? accIndices : indices;
        const bool closed = p.kind == host::DrawPrimitive::Polygon;
        if (p.kind != host::DrawPrimitive::Line && !closed) continue;
        for (size_t i = 0; i + 1 < p.points.size(); ++i) {
            idx.push_back(uint32_t(pts.size()));
            pts.push_back(lift(p.points[i]));
            idx.push_back(uint32_t(pts.size()));
            pts.push_back(lift(p.points[i + 1]));
        }
    }
    const char* kind = surface ? "tile-surface" : ridge ? "ridge" : "object";
    const int material = surface ? Material(s, "tile courses", 0.25f, 0.12f, 0.08f)
                         : ridge ? Material(s, "ridge", 0.35f, 0.10f, 0.0f)
                                 : Material(s, "object", 0.05f, 0.45f, 0.30f);
    AddNode(s, e.elementId, {{"id", e.elementId}, {"kind", kind}}, points, indices, kModeLines, material);
    AddNode(s, e.elementId, {{"id", e.elementId}, {"kind", "accessory"}}, accPoints, accIndices, kModeLines,
            Material(s, "accessory", 0.05f, 0.45f, 0.30f));
    if (points.empty() && accPoints.empty()) {
        // a part that draws nothing: a short post at its position
        const API_Coord3D at = lift(e.rec.object.pos);
        AddNode(s, e.elementId, {{"id", e.elementId}, {"kind", kind}}, {at, {at.x, at.y, at.z + 0.5}}, {0, 1}, kModeLines, material);
    }
}

// Standard base64 of bytes.
std::string Base64(const std::vector<unsigned char>& bytes) {
    static const char* kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const uint32_t v = uint32_t(bytes[i]) << 16 | (i + 1 < bytes.size() ? uint32_t(bytes[i + 1]) << 8 : 0) |
                           (i + 2 < bytes.size() ? uint32_t(bytes[i + 2]) : 0);
        out += kDigits[(v >> 18) & 63];
        out += kDigits[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kDigits[(v >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kDigits[v & 63] : '=';
    }
    return out;
}

}  // namespace

std::vector<int> TriangulatePolygon(const std::vector<std::vector<API_Coord>>& rings) {
    std::vector<int> out;
    if (rings.empty() || rings[0].size() < 3) return out;
    std::vector<API_Coord> pts;
    std::vector<std::vector<int>> idx;
    for (const std::vector<API_Coord>& r : rings) {
        std::vector<int> ring;
        for (const API_Coord& p : r) { ring.push_back(int(pts.size())); pts.push_back(p); }
        idx.push_back(ring);
    }
    // the outer ring counterclockwise, the holes clockwise
    if (SignedArea2(pts, idx[0]) < 0) std::reverse(idx[0].begin(), idx[0].end());
    std::vector<std::vector<int>> holes;
    for (size_t h = 1; h < idx.size(); ++h) {
        if (idx[h].size() < 3) continue;
        if (SignedArea2(pts, idx[h]) > 0) std::reverse(idx[h].begin(), idx[h].end());
        holes.push_back(idx[h]);
    }
    // holes farthest right first, so later bridges do not cross earlier ones
    std::sort(holes.begin(), holes.end(), [&](const std::vector<int>& a, const std::vector<int>& b) {
        double ma = -1e300, mb = -1e300;
        for (int i : a) ma = std::max(ma, pts[size_t(i)].x);
        for (int i : b) mb = std::max(mb, pts[size_t(i)].x);
        return ma > mb;
    });
    std::vector<int> outer = idx[0];
    for (size_t h = 0; h < holes.size(); ++h) {
        std::vector<std::vector<int>> others(holes.begin() + long(h) + 1, holes.end());
        BridgeHole(pts, outer, holes[h], others);
    }
    ClipEars(pts, outer, out);
    return out;
}

std::string GltfText() {
    Scene s;
    std::vector<LiftPlane> planes;
    for (const host::Element& e : host::gSession.model.elements)
        if (e.rec.header.typeID == API_RoofID)
            for (const host::RoofPlaneShape& p : e.roofPlanes) planes.push_back(PlaneOf(p.outer));
    for (const host::Element& e : host::gSession.model.elements) {
        switch (e.rec.header.typeID) {
            case API_RoofID: AddRoof(s, e); break;
            case API_WallID: AddWall(s, e); break;
            case API_HatchID: AddFill(s, e); break;
            case API_ObjectID: AddObject(s, e, planes); break;
            default: break;
        }
    }
    Json nodes = Json::array();
    for (size_t i = 0; i < s.nodes.size(); ++i) nodes.push_back(i);
    Json j = {{"asset", {{"version", "2.0"}, {"generator", "Tevaro"}}},
              {"scene", 0},
              {"scenes", Json::array({{{"name", "Tevaro"}, {"nodes", nodes}}})},
              {"nodes", s.nodes},
              {"meshes", s.meshes},
              {"materials", s.materialList},
              {"accessors", s.accessors},
              {"bufferViews", s.bufferViews},
              {"buffers", Json::array({{{"byteLength", s.bytes.size()},
                                        {"uri", "data:application/octet-stream;base64," + Base64(s.bytes)}}})}};
    if (s.nodes.empty()) {
        j.erase("nodes"); j.erase("meshes"); j.erase("accessors"); j.erase("bufferViews"); j.erase("buffers");
        j["scenes"][0]["nodes"] = Json::array();
    }
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool WriteGltf(const std::string& path, std::string& error) {
    std::ofstream out(path, std::ios::binary);
    out << GltfText();
    if (!out) { error = "cannot write " + path; return false; }
    return true;
}

bool RunGltfLine(SessionRunner& runner, const std::string& line, std::string& error) {
    const size_t word = line.find_first_not_of(" \t");
    const size_t gap = line.find_first_of(" \t", word);
    const size_t start = gap == std::string::npos ? std::string::npos : line.find_first_not_of(" \t", gap);
    if (start == std::string::npos) { error = "gltf needs a file"; return false; }
    std::string file = line.substr(start, line.find_last_not_of(" \t\r") - start + 1);
    if (file[0] != '/' && !runner.outputFolder.empty()) file = runner.outputFolder + "/" + file;
    return WriteGltf(file, error);
}

}  // namespace app
