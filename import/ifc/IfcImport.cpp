// Purpose: what becomes what in the IFC import: roofs (with their parts' top planes and the
// openings declared on them), walls and chimneys, storeys, GUIDs, true north and the local origin,
// from the mesh stage's per-element triangles.
#include "import/ifc/IfcImport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>

#include "import/ifc/BoostGeometry.h"

#include "import/ifc/IfcMeshStage.h"
#include "import/ifc/IfcPlanes.h"
#include "import/ifc/IfcTexts.h"

namespace ifcimport {
namespace {

namespace bg = boost::geometry;
using Pt2 = bg::model::d2::point_xy<double>;
using Poly2 = bg::model::polygon<Pt2>;  // clockwise, closed (Boost's default)
using MultiPoly2 = bg::model::multi_polygon<Poly2>;
using json = nlohmann::json;

constexpr double kPi = 3.14159265358979323846;
// Coordinates beyond this distance from the file's origin (m) are shifted to a local origin.
constexpr double kLocalOriginLimit = 1000.0;
// A roof face narrower than this (m; area over its longest extent) is a gutter or a trim.
constexpr double kMinRoofPlaneWidth = 0.3;
// Triangles of a wall steeper than this (z of the unit normal) have no plan area.
constexpr double kPlanFaceMinNormalZ = 0.1;
// Plan points of walls are rounded to this grid (m) before their triangles are joined.
constexpr double kPlanGrid = 0.0001;
// A mesh vertex within this plan distance (m) of a wall's footprint corner stands on that corner.
constexpr double kCornerDistance = 0.002;
// Model coordinates are written rounded to micrometres: this many steps a metre.
constexpr double kWriteSteps = 1e6;
constexpr double kWriteGrid = 1 / kWriteSteps;
// Angles (degrees) and normal components below this are zero: a flat plane has no downslope.
constexpr double kAngleZero = 1e-9;
// Cosine of the largest angle between two planes of different parts that lie as layers.
const double kCosLayerAngle = std::cos(kCoplanarAngleDeg * kPi / 180);
// Bearings are reported in whole degrees; one within this of 360 is north.
constexpr double kBearingRounding = 0.5;
// Storey levels closer than this (m) count as equal when an element is placed on a storey.
constexpr double kLevelTolerance = 0.01;
// Lengths a mesh stage document must have at least to be read (a triangle: nine numbers).
constexpr size_t kTriangleNumbers = 9;
// Bytes read from each end of a file to tell an IFC file and a truncated one.
constexpr size_t kProbeBytes = 256;

// One element of the mesh stage's document.
struct Elem {
    int64_t id = 0;
    std::string type, guid, name, predefined;
    int64_t storey = -1, parent = -1, voids = -1;
    std::vector<double> tri;
};

// A storey and the story index it becomes.
struct Storey {
    int64_t id = 0;
    std::string name;
    double level = 0;
    int index = 0;
};

// Words that name a chimney in building-element proxies (lower case, UTF-8).
const char* const kChimneyWords[] = {"chimney", "kémény", "kemeny", "schornstein", "kamin", "cheminée", "komin"};

// A string member of a JSON object, or empty.
std::string Str(const json& j, const char* key) {
    auto it = j.find(key);
    return it != j.end() && it->is_string() ? it->get<std::string>() : std::string();
}
// An integer member of a JSON object, or -1.
int64_t Id(const json& j, const char* key) {
    auto it = j.find(key);
    return it != j.end() && it->is_number_integer() ? it->get<int64_t>() : -1;
}
// A number as text with `digits` decimals ("-0.0" written as "0.0").
std::string Num(double v, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", digits, v);
    std::string s = buf;
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}
// v rounded to the write grid.
double Rounded(double v) { return std::round(v * kWriteSteps) / kWriteSteps + 0.0; }  // no "-0"
// ASCII lower case of s (other bytes kept).
std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

// A ring as JSON points, rounded.
json RingJson(const std::vector<Vec3>& ring) {
    json out = json::array();
    for (const Vec3& p : ring) out.push_back({Rounded(p.x), Rounded(p.y), Rounded(p.z)});
    return out;
}

// Element IDs unique among the model's roofs and walls: the IFC name, numbered when repeated.
struct IdMaker {
    std::set<std::string> taken;
    std::map<std::string, int> counters;
};
// The ID for an element called `name`, or PREFIX-NNN when it has none.
std::string MakeId(IdMaker& ids, std::string name, const std::string& prefix) {
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.erase(0, 1);
    std::string id = name;
    if (id.empty()) {
        char buf[32];
        do std::snprintf(buf, sizeof buf, "%s-%03d", prefix.c_str(), ++ids.counters[prefix]);
        while (ids.taken.count(buf));
        id = buf;
    }
    for (int n = 2; ids.taken.count(id); ++n) id = name + " (" + std::to_string(n) + ")";
    ids.taken.insert(id);
    return id;
}

// The plan outline of a solid: the union of its triangles seen from above (vertical triangles
// have no plan area); the largest part's outer ring, counter-clockwise, open.
std::vector<Pt2> PlanOutline(const std::vector<double>& tri) {
    MultiPoly2 shape;
    for (size_t t = 0; t + kTriangleNumbers <= tri.size(); t += kTriangleNumbers) {
        const double* c = &tri[t];
        const Vec3 a{c[0], c[1], c[2]}, b{c[3], c[4], c[5]}, d{c[6], c[7], c[8]};
        const double nz = (b.x - a.x) * (d.y - a.y) - (b.y - a.y) * (d.x - a.x);
        const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z, vx = d.x - a.x, vy = d.y - a.y, vz = d.z - a.z;
        const double len = std::sqrt(std::pow(uy * vz - uz * vy, 2) + std::pow(uz * vx - ux * vz, 2) + nz * nz);
        // a degenerate triangle, or one standing upright, covers no plan area
        if (len <= 0 || std::fabs(nz) / len < kPlanFaceMinNormalZ) continue;
        Poly2 p;
        for (const Vec3& q : {a, b, d})
            p.outer().push_back(Pt2(std::round(q.x / kPlanGrid) * kPlanGrid, std::round(q.y / kPlanGrid) * kPlanGrid));
        bg::correct(p);
        if (bg::area(p) <= kPlanGrid * kPlanGrid) continue;
        MultiPoly2 joined;
        bg::union_(shape, p, joined);
        shape = std::move(joined);
    }
    std::vector<Pt2> ring;
    const Poly2* best = nullptr;
    for (const Poly2& p : shape)
        if (!best || bg::area(p) > bg::area(*best)) best = &p;
    if (!best) return ring;
    Poly2 simple;
    bg::simplify(*best, simple, kCollinearDistance);
    for (const Pt2& q : simple.outer()) ring.push_back(q);
    if (!ring.empty() && bg::equals(ring.front(), ring.back())) ring.pop_back();
    std::reverse(ring.begin(), ring.end());  // Boost keeps outer rings clockwise
    return ring;
}

// The bottom of a wall and the height of its lowest top corner: at every footprint corner the
// highest mesh point standing on it, the lowest of those (a gable wall gets its eave height).
void WallHeights(const std::vector<double>& tri, const std::vector<Pt2>& footprint, double& bottom, double& height) {
    bottom = 1e300;
    double top = 1e300, highest = -1e300;
    for (size_t i = 2; i < tri.size(); i += 3) {
        bottom = std::min(bottom, tri[i]);
        highest = std::max(highest, tri[i]);
    }
    for (const Pt2& c : footprint) {
        double cornerTop = -1e300;
        for (size_t i = 0; i + 2 < tri.size(); i += 3)
            if (std::hypot(tri[i] - c.x(), tri[i + 1] - c.y()) < kCornerDistance) cornerTop = std::max(cornerTop, tri[i + 2]);
        if (cornerTop > -1e300) top = std::min(top, cornerTop);
    }
    if (top > 1e299) top = highest;
    height = top - bottom;
}

// Compass bearing (degrees clockwise from true north) of the way down a plane with normal n.
double DownslopeBearing(const Vec3& n, double northAngleDeg) {
    const double a = northAngleDeg * kPi / 180;
    const double north = -n.x * std::sin(a) + n.y * std::cos(a), east = n.x * std::cos(a) + n.y * std::sin(a);
    double b = std::atan2(east, north) * 180 / kPi;
    if (b < 0) b += 360;
    // a bearing that rounds to 360 is north
    return b >= 360 - kBearingRounding ? 0 : b;
}

// Greatest distance between two points of a ring (its longest extent).
double Extent(const std::vector<Vec3>& ring) {
    double d = 0;
    for (const Vec3& p : ring)
        for (const Vec3& q : ring) d = std::max(d, std::hypot(std::hypot(p.x - q.x, p.y - q.y), p.z - q.z));
    return d;
}

// Dot product of two directions.
double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The centre of a ring's points.
Vec3 Centre(const std::vector<Vec3>& ring) {
    Vec3 c;
    for (const Vec3& p : ring) c = {c.x + p.x, c.y + p.y, c.z + p.z};
    const double n = double(ring.empty() ? 1 : ring.size());
    return {c.x / n, c.y / n, c.z / n};
}

// True when an element of this type and name is a chimney.
bool IsChimney(const Elem& e) {
    if (e.type == "IFCCHIMNEY") return true;
    if (e.type != "IFCBUILDINGELEMENTPROXY") return false;
    const std::string n = Lower(e.name);
    for (const char* w : kChimneyWords)
        if (n.find(w) != std::string::npos) return true;
    return false;
}
// True when an element of this type may carry a roof's top surface inside a roof.
bool IsRoofSurfaceType(const Elem& e) { return e.type == "IFCROOF" || e.type == "IFCSLAB" || e.type == "IFCCOVERING"; }
// True when an element of this type is a wall.
bool IsWall(const Elem& e) {
    return e.type == "IFCWALL" || e.type == "IFCWALLSTANDARDCASE" || e.type == "IFCWALLELEMENTEDCASE";
}

// The element's name for the report, or its IFC type when it has none.
std::string Shown(const Elem& e) { return e.name.empty() ? e.type : e.name; }

// Reads the first and last bytes of a file to tell a non-IFC file and a truncated one.
bool ProbeFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = IfcMessage(kTxtCannotRead, {path});
        return false;
    }
    std::string head(kProbeBytes, '\0');
    in.read(head.data(), std::streamsize(head.size()));
    head.resize(size_t(in.gcount()));
    const size_t start = head.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    // an empty file, or one that does not open with the STEP header
    if (start == std::string::npos || head.compare(start, 12, "ISO-10303-21") != 0) {
        error = IfcMessage(kTxtNotIfc, {path});
        return false;
    }
    in.clear();
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(std::max<std::streamoff>(0, size - std::streamoff(kProbeBytes)));
    std::string tail(kProbeBytes, '\0');
    in.read(tail.data(), std::streamsize(tail.size()));
    tail.resize(size_t(in.gcount()));
    while (!tail.empty() && std::string(" \t\r\n").find(tail.back()) != std::string::npos) tail.pop_back();
    const std::string end = "END-ISO-10303-21;";
    // too short to hold the closing line, or not ending with it
    if (tail.size() < end.size() || tail.compare(tail.size() - end.size(), end.size(), end) != 0) {
        error = IfcMessage(kTxtTruncated, {path});
        return false;
    }
    return true;
}

// The story index for an element with IFC storey `storeyId` whose lowest point is at `z`.
int StoryFor(const std::vector<Storey>& storeys, int64_t storeyId, double z) {
    for (const Storey& s : storeys)
        if (s.id == storeyId) return s.index;
    int best = storeys.empty() ? 0 : storeys.front().index;
    for (const Storey& s : storeys)
        if (s.level <= z + kLevelTolerance) best = s.index;
    return best;
}
// The level of story `index`.
double LevelOf(const std::vector<Storey>& storeys, int index) {
    for (const Storey& s : storeys)
        if (s.index == index) return s.level;
    return 0;
}

}  // namespace

std::string GuidFromGlobalId(const std::string& g) {
    static const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    if (g.size() != 22) return {};
    unsigned char bytes[16] = {};
    // 2 bits from the first character, then 6 bits from each of the other 21: 128 bits, big-endian
    int bit = 0;
    for (size_t i = 0; i < g.size(); ++i) {
        const size_t v = alphabet.find(g[i]);
        const int bits = i == 0 ? 2 : 6;
        // not of the alphabet, or a first character beyond its two bits
        if (v == std::string::npos || (i == 0 && v > 3)) return {};
        for (int b = bits - 1; b >= 0; --b, ++bit)
            if ((v >> b) & 1) bytes[bit / 8] |= (unsigned char)(0x80 >> (bit % 8));
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", bytes[0],
                  bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], bytes[8], bytes[9], bytes[10],
                  bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
    return buf;
}

double NorthAngleDeg(double x, double y) { return std::atan2(-x, y) * 180 / kPi; }

bool BuildModelFromMeshes(const json& meshes, const std::string& source, json& model, std::vector<std::string>& report,
                          std::string& error) {
    if (!meshes.is_object() || !meshes.contains("elements") || !meshes["elements"].is_array()) {
        error = IfcMessage(kTxtMesherOutputBad, {source, "JSON"});
        return false;
    }
    std::vector<std::string> lines;
    lines.push_back(IfcMessage(kTxtImportHeader, {source}));
    // ---- Elements, and the shift to a local origin -------------------------------------------
    std::map<int64_t, Elem> elems;
    double lo[3] = {1e300, 1e300, 1e300}, hi[3] = {-1e300, -1e300, -1e300};
    for (const json& j : meshes["elements"]) {
        Elem e;
        e.id = Id(j, "id");
        e.type = Str(j, "type");
        e.guid = Str(j, "guid");
        e.name = Str(j, "name");
        e.predefined = Str(j, "predefinedType");
        e.storey = Id(j, "storey");
        e.parent = Id(j, "parent");
        e.voids = Id(j, "voids");
        if (j.contains("triangles") && j["triangles"].is_array())
            for (const json& v : j["triangles"])
                if (v.is_number()) e.tri.push_back(v.get<double>());
        e.tri.resize(e.tri.size() - e.tri.size() % kTriangleNumbers);
        for (size_t i = 0; i < e.tri.size(); ++i) {
            lo[i % 3] = std::min(lo[i % 3], e.tri[i]);
            hi[i % 3] = std::max(hi[i % 3], e.tri[i]);
        }
        elems[e.id] = std::move(e);
    }
    double shift[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k)
        // a model lying far from the file's origin (a national grid) moves to a local one
        if (lo[k] <= hi[k] && std::max(std::fabs(lo[k]), std::fabs(hi[k])) > kLocalOriginLimit) shift[k] = std::floor(lo[k]);
    if (shift[0] != 0 || shift[1] != 0 || shift[2] != 0) {
        for (auto& [id, e] : elems)
            for (size_t i = 0; i < e.tri.size(); ++i) e.tri[i] -= shift[i % 3];
        lines.push_back(IfcMessage(kTxtOriginShift, {Num(shift[0], 3), Num(shift[1], 3), Num(shift[2], 3)}));
    }
    const std::string crs = meshes.contains("crs") && meshes["crs"].is_string() ? meshes["crs"].get<std::string>() : "";
    if (!crs.empty()) lines.push_back(IfcMessage(kTxtCrs, {crs}));
    double northAngle = 0;
    // a direction of two numbers
    if (meshes.contains("trueNorth") && meshes["trueNorth"].is_array() && meshes["trueNorth"].size() >= 2 &&
        meshes["trueNorth"][0].is_number() && meshes["trueNorth"][1].is_number()) {
        northAngle = NorthAngleDeg(meshes["trueNorth"][0].get<double>(), meshes["trueNorth"][1].get<double>());
        if (std::fabs(northAngle) < kAngleZero) northAngle = 0;
    }
    if (northAngle != 0) lines.push_back(IfcMessage(kTxtTrueNorth, {Num(northAngle, 2)}));

    // ---- Storeys ---------------------------------------------------------------------------
    std::vector<Storey> storeys;
    const json noStoreys = json::array();
    const json& storeyList = meshes.contains("storeys") && meshes["storeys"].is_array() ? meshes["storeys"] : noStoreys;
    for (const json& s : storeyList) {
        Storey st;
        st.id = Id(s, "id");
        st.name = Str(s, "name");
        if (s.contains("elevation") && s["elevation"].is_number()) {
            st.level = s["elevation"].get<double>() - shift[2];
        } else {
            // no elevation in the file: the storey's placement, else its lowest element
            std::string from;
            if (s.contains("placementZ") && s["placementZ"].is_number()) {
                st.level = s["placementZ"].get<double>() - shift[2];
                from = IfcMessage(kTxtLevelFromPlacement);
            } else {
                double z = 1e300;
                for (const auto& [id, e] : elems)
                    if (e.storey == st.id)
                        for (size_t i = 2; i < e.tri.size(); i += 3) z = std::min(z, e.tri[i]);
                st.level = z < 1e299 ? z : 0;
                from = IfcMessage(kTxtLevelFromElements);
            }
            lines.push_back(IfcMessage(kTxtStoreyNoElevation, {st.name.empty() ? "#" + std::to_string(st.id) : st.name,
                                                                Num(st.level, 3), from}));
        }
        storeys.push_back(st);
    }
    std::stable_sort(storeys.begin(), storeys.end(), [](const Storey& a, const Storey& b) { return a.level < b.level; });
    // the storey nearest level 0 is story 0; those below get negative indices
    size_t ground = 0;
    for (size_t i = 0; i < storeys.size(); ++i)
        if (std::fabs(storeys[i].level) < std::fabs(storeys[ground].level)) ground = i;
    for (size_t i = 0; i < storeys.size(); ++i) storeys[i].index = int(i) - int(ground);

    // ---- What becomes what -----------------------------------------------------------------
    // the topmost IfcRoof an element belongs to (itself included), or -1
    auto roofOf = [&](int64_t id) {
        int64_t found = -1;
        for (int depth = 0; id >= 0 && depth < 32; ++depth) {
            auto it = elems.find(id);
            if (it == elems.end()) break;
            if (it->second.type == "IFCROOF") found = id;
            id = it->second.parent;
        }
        return found;
    };
    std::map<int64_t, std::vector<int64_t>> roofGroups;  // roof element -> its parts with a body
    std::vector<int64_t> walls, chimneys, openings;
    std::map<std::string, int> ignored;
    std::map<int64_t, std::map<std::string, int>> roofOthers;  // roof -> parts of other types, counted
    for (const auto& [id, e] : elems) {
        if (e.type == "IFCOPENINGELEMENT") {
            openings.push_back(id);
            continue;
        }
        const int64_t roof = roofOf(id);
        // a roof's own body, a slab or covering inside a roof, or a roof slab or covering on its own
        const bool roofPart = (roof >= 0 && IsRoofSurfaceType(e)) || (e.type == "IFCSLAB" && e.predefined == "ROOF") ||
                              (e.type == "IFCCOVERING" && e.predefined == "ROOFING");
        if (roofPart) {
            auto& parts = roofGroups[roof >= 0 ? roof : id];
            if (!e.tri.empty()) parts.push_back(id);
        } else if (IsChimney(e)) {
            chimneys.push_back(id);
        } else if (IsWall(e)) {
            walls.push_back(id);
        } else if (roof >= 0) {
            roofOthers[roof][e.type]++;
        } else if (!e.tri.empty()) {
            ignored[e.type]++;
        }
    }
    if (meshes.contains("ignored") && meshes["ignored"].is_object())
        for (const auto& [type, n] : meshes["ignored"].items())
            if (n.is_number_integer()) ignored[type] += n.get<int>();
    if (roofGroups.empty()) {
        error = IfcMessage(kTxtNoRoofs, {source});
        return false;
    }

    IdMaker ids;
    std::set<std::string> guids;
    // The element's GUID from its GlobalId, once per model.
    auto guidOf = [&](const Elem& e) {
        std::string g = GuidFromGlobalId(e.guid);
        if (g.empty() || guids.count(g)) return std::string();
        guids.insert(g);
        return g;
    };
    json elements = json::array();
    size_t roofCount = 0;
    for (const auto& [rootId, parts] : roofGroups) {
        const Elem& root = elems[rootId];
        std::vector<MeshFace> planes;
        std::vector<int64_t> planePart;
        double thickness = 0;
        for (int64_t pid : parts) {
            const Elem& part = elems[pid];
            const std::vector<MeshFace> faces = ExtractFaces(part.tri);
            std::vector<double> gaps;
            const std::vector<size_t> tops = RoofTopFaces(faces, &gaps);
            size_t keptHere = 0;
            for (size_t k = 0; k < tops.size(); ++k) {
                const MeshFace& f = faces[tops[k]];
                const double width = f.area / std::max(Extent(f.outer), kWriteGrid);
                if (width < kMinRoofPlaneWidth) {
                    lines.push_back(IfcMessage(kTxtFaceTooNarrow, {Shown(part), part.guid, Num(width, 3)}));
                    continue;
                }
                planes.push_back(f);
                planePart.push_back(pid);
                thickness = thickness > 0 ? std::min(thickness, gaps[k]) : gaps[k];
                ++keptHere;
            }
            if (keptHere == 0) lines.push_back(IfcMessage(kTxtRoofNoSurface, {Shown(part), part.guid}));
        }
        // A plane under a parallel plane of another part of the roof (a slab under its roofing
        // covering) is a layer of the roof, not its surface: only the top layer is tiled.
        std::vector<bool> under(planes.size(), false);
        for (size_t i = 0; i < planes.size(); ++i)
            for (size_t j = 0; j < planes.size(); ++j) {
                // planes of one part are its own faces; others must be parallel, i above j
                if (planePart[i] == planePart[j] || Dot(planes[i].normal, planes[j].normal) < kCosLayerAngle) continue;
                const double gap = planes[i].offset - planes[j].offset;
                if (gap < kSoffitMinGap || gap > kSoffitMaxGap) continue;
                const Vec3 c = Centre(planes[j].outer);
                const Vec3 onTop = {c.x + planes[i].normal.x * gap, c.y + planes[i].normal.y * gap, c.z + planes[i].normal.z * gap};
                if (RingContains(planes[i].outer, planes[i].normal, onTop) && !under[j]) {
                    under[j] = true;
                    lines.push_back(IfcMessage(kTxtLayerUnder, {Shown(elems[planePart[j]]), Shown(elems[planePart[i]])}));
                }
            }
        for (size_t j = planes.size(); j-- > 0;)
            if (under[j]) planes.erase(planes.begin() + std::ptrdiff_t(j));
        // Openings declared on the roof or on one of its parts that the mesh did not cut.
        std::set<int64_t> members(parts.begin(), parts.end());
        members.insert(rootId);
        for (int64_t oid : openings) {
            const Elem& o = elems[oid];
            // an opening of another element, one without a body, or a roof with nothing to cut
            if (!members.count(o.voids) || o.tri.empty() || planes.empty()) continue;
            bool hit = false;
            for (size_t p = 0; p < planes.size(); ++p) {
                MeshFace& plane = planes[p];
                std::vector<Vec3> cut = SectionHull(o.tri, plane.normal, plane.offset);
                if (cut.empty()) continue;
                const Vec3 c = Centre(cut);
                if (!RingContains(plane.outer, plane.normal, c)) continue;
                hit = true;
                bool already = false;
                for (const auto& h : plane.holes) already = already || RingContains(h, plane.normal, c);
                if (already) break;
                bool inside = true;
                for (const Vec3& q : cut) inside = inside && RingContains(plane.outer, plane.normal, q);
                if (!inside) break;  // an opening across the roof's edge is a notch: left to the healing
                std::reverse(cut.begin(), cut.end());
                plane.area -= RingArea(cut);
                plane.holes.push_back(cut);
                lines.push_back(IfcMessage(kTxtOpeningCut, {Shown(root), Shown(o), std::to_string(p + 1)}));
                break;
            }
            if (!hit) lines.push_back(IfcMessage(kTxtOpeningMissed, {Shown(o)}));
        }
        for (const auto& [type, n] : roofOthers[rootId])
            lines.push_back(IfcMessage(kTxtPartNotRoof, {Shown(root), std::to_string(n), type}));
        if (planes.empty()) {
            if (parts.empty()) lines.push_back(IfcMessage(kTxtRoofNoSurface, {Shown(root), root.guid}));
            continue;
        }
        lines.push_back(IfcMessage(kTxtRoofHeader, {Shown(root), root.guid, std::to_string(planes.size())}));
        json planesJson = json::array();
        double lowest = 1e300;
        for (size_t p = 0; p < planes.size(); ++p) {
            const MeshFace& f = planes[p];
            const double pitch = std::acos(std::clamp(f.normal.z, -1.0, 1.0)) * 180 / kPi;
            const bool flat = std::hypot(f.normal.x, f.normal.y) < kAngleZero;
            lines.push_back(IfcMessage(kTxtRoofPlane, {std::to_string(p + 1), Num(pitch, 1), Num(f.area, 2),
                                                       std::to_string(f.holes.size()),
                                                       flat ? "-" : Num(DownslopeBearing(f.normal, northAngle), 0)}));
            json holes = json::array();
            for (const auto& h : f.holes) holes.push_back(RingJson(h));
            planesJson.push_back({{"outer", RingJson(f.outer)}, {"holes", holes}});
            for (const Vec3& q : f.outer) lowest = std::min(lowest, q.z);
        }
        const int64_t storeyId = root.storey >= 0 ? root.storey : elems[parts.front()].storey;
        json roof = {{"type", "roof"},
                     {"id", MakeId(ids, root.name, "ROOF")},
                     {"story", StoryFor(storeys, storeyId, lowest)},
                     {"thickness", Rounded(thickness)},
                     {"planes", planesJson}};
        const std::string g = guidOf(root);
        if (!g.empty()) roof["guid"] = g;
        elements.push_back(roof);
        ++roofCount;
    }
    if (roofCount == 0) {
        error = IfcMessage(kTxtNoRoofPlanes, {source});
        return false;
    }

    // Walls and chimneys: footprint in plan, bottom from the story, height to the lowest top corner.
    size_t wallCount = 0;
    auto addWall = [&](const Elem& e, bool chimney) {
        const std::vector<Pt2> outline = PlanOutline(e.tri);
        if (outline.size() < 3) {
            lines.push_back(IfcMessage(kTxtWallNoFootprint, {Shown(e), e.guid}));
            return;
        }
        double bottom = 0, height = 0;
        WallHeights(e.tri, outline, bottom, height);
        if (height <= 0) {
            lines.push_back(IfcMessage(kTxtWallNoFootprint, {Shown(e), e.guid}));
            return;
        }
        const int story = StoryFor(storeys, e.storey, bottom);
        json fp = json::array();
        for (const Pt2& q : outline) fp.push_back({Rounded(q.x()), Rounded(q.y())});
        json wall = {{"type", "wall"},
                     {"id", MakeId(ids, e.name, "WALL")},
                     {"story", story},
                     {"footprint", fp},
                     {"bottomOffset", Rounded(bottom - LevelOf(storeys, story))},
                     {"height", Rounded(height)}};
        const std::string g = guidOf(e);
        if (!g.empty()) wall["guid"] = g;
        elements.push_back(wall);
        if (chimney) lines.push_back(IfcMessage(kTxtChimneyWall, {Shown(e), e.guid, Num(height, 2)}));
        else ++wallCount;
    };
    for (int64_t id : chimneys) addWall(elems[id], true);
    for (int64_t id : walls) addWall(elems[id], false);
    lines.push_back(IfcMessage(kTxtWallsRead, {std::to_string(wallCount)}));
    if (!ignored.empty()) {
        std::string list;
        for (const auto& [type, n] : ignored) list += (list.empty() ? "" : ", ") + type + " " + std::to_string(n);
        lines.push_back(IfcMessage(kTxtIgnoredTypes, {list}));
    }

    json stories = json::array();
    for (const Storey& s : storeys) {
        json st = {{"index", s.index}, {"level", Rounded(s.level)}};
        if (!s.name.empty()) st["name"] = s.name;
        stories.push_back(st);
    }
    json out = json::object();
    if (!stories.empty()) {
        out["stories"] = stories;
        out["currentStory"] = 0;
    }
    out["elements"] = elements;
    // the model file's geo-reference keys: the shift back to the file's coordinates, its CRS, north
    out["originShift"] = {shift[0], shift[1], shift[2]};
    if (!crs.empty()) out["crs"] = crs;
    out["northAngle"] = northAngle;
    model = std::move(out);
    report.insert(report.end(), lines.begin(), lines.end());
    return true;
}

bool ImportIfc(const std::string& path, json& model, std::vector<std::string>& report, std::string& error) {
    if (!ProbeFile(path, error)) return false;
    json meshes;
    if (!RunMeshStage(path, meshes, error)) return false;
    return BuildModelFromMeshes(meshes, path, model, report, error);
}

}  // namespace ifcimport
