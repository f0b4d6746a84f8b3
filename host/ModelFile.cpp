// Purpose: model files: the host's project (stories, attributes, layers, roofs, walls, fills,
// placed objects, hotspots, selection) read from and written to JSON, with defaults for
// everything a hand-written file leaves out and a clear message for every bad file.
#include "host/ModelFile.h"

#include <cmath>
#include <cstdio>
#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

#include "host/InputLimits.h"
#include "host/RoofShapesRings.h"
#include "host/JsonInput.h"
#include "host/ParamLists.h"
#include "host/RoofShapes.h"

namespace host {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kFormatVersion = kModelFormatVersion;
// Largest distance (metres) of a top plane's points from its plane for a hand-written file.
constexpr double kPlaneFlatnessTol = 0.001;
// A plane whose unit normal has a smaller vertical part than this stands upright: no top plane.
constexpr double kUprightPlaneNormalZ = 1e-6;
// Largest distance (metres) of a point from the origin along any axis: farther is a typo or junk.
constexpr double kMaxCoordinateMagnitude = kModelCoordinateLimit;

// A bad file: where (file, key or element) and what is wrong. Thrown and caught inside this file.
struct LoadError {
    std::string text;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) { throw LoadError{where + ": " + what}; }

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// ---- Reading values ---------------------------------------------------------------------

// Rejects keys the object may not hold, so a misspelt key is not silently ignored.
void CheckKeys(const Json& obj, const std::set<std::string>& allowed, const std::string& where) {
    if (!obj.is_object()) Fail(where, "expected an object");
    for (auto it = obj.begin(); it != obj.end(); ++it)
        if (allowed.count(it.key()) == 0) Fail(where, "unknown key " + Quoted(it.key()));
}

// A finite number from a JSON value.
double AsNumber(const Json& v, const std::string& where) {
    if (!v.is_number()) Fail(where, "expected a number");
    const double d = v.get<double>();
    if (!std::isfinite(d)) Fail(where, "the number is not finite");
    return d;
}

// An optional number member.
double Number(const Json& obj, const char* key, double fallback, const std::string& where) {
    if (!obj.contains(key)) return fallback;
    return AsNumber(obj[key], where + " key " + Quoted(key));
}

// An optional whole-number member within [lo, hi].
int64_t Integer(const Json& obj, const char* key, int64_t fallback, int64_t lo, int64_t hi, const std::string& where) {
    if (!obj.contains(key)) return fallback;
    const Json& v = obj[key];
    const std::string at = where + " key " + Quoted(key);
    if (!v.is_number_integer()) Fail(at, "expected a whole number");
    const int64_t n = v.get<int64_t>();
    if (n < lo || n > hi) Fail(at, "must be between " + std::to_string(lo) + " and " + std::to_string(hi));
    return n;
}

bool Bool(const Json& obj, const char* key, bool fallback, const std::string& where) {
    if (!obj.contains(key)) return fallback;
    if (!obj[key].is_boolean()) Fail(where + " key " + Quoted(key), "expected true or false");
    return obj[key].get<bool>();
}

std::string Text(const Json& obj, const char* key, const std::string& fallback, const std::string& where) {
    if (!obj.contains(key)) return fallback;
    if (!obj[key].is_string()) Fail(where + " key " + Quoted(key), "expected a text");
    return obj[key].get<std::string>();
}

// A point coordinate or a level: a finite number no farther from the origin than a model reaches.
double Coordinate(const Json& v, const std::string& where) {
    const double d = AsNumber(v, where);
    if (!CoordinateOk(d)) Fail(where, "the point lies too far from the origin (more than 1000 km)");
    return d;
}

// The message for a list longer than its limit.
std::string CountLimitText(size_t count, const char* what, size_t limit) {
    return std::to_string(count) + " " + what + " are more than the " + std::to_string(limit) + " this program takes";
}

// Refuses a ring of more points than the limit before any point is read; a ring given closed
// repeats its first point at the end (as saved polygons do), which does not count.
void CheckRingSize(const Json& v, const std::string& where) {
    if (v.is_array() && v.size() > kMaxRingPoints + 1) Fail(where, CountLimitText(v.size(), "points", kMaxRingPoints));
}

API_Coord Point2(const Json& v, const std::string& where) {
    if (!v.is_array() || v.size() != 2) Fail(where, "expected a plan point [x, y]");
    return {Coordinate(v[0], where), Coordinate(v[1], where)};
}

API_Coord3D Point3(const Json& v, const std::string& where) {
    if (!v.is_array() || v.size() != 3) Fail(where, "expected a 3D point [x, y, z]");
    return {Coordinate(v[0], where), Coordinate(v[1], where), Coordinate(v[2], where)};
}

// Which side of the plan line a-b the point c lies on: +1 left, -1 right, 0 on it.
int PlanSide(const API_Coord3D& a, const API_Coord3D& b, const API_Coord3D& c) {
    const double cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    return cross > 0 ? 1 : cross < 0 ? -1 : 0;
}

// True when c, known to be on the line a-b, lies within the segment's bounding box.
bool WithinSegmentBox(const API_Coord3D& a, const API_Coord3D& b, const API_Coord3D& c) {
    return std::min(a.x, b.x) <= c.x && c.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= c.y && c.y <= std::max(a.y, b.y);
}

// True when the plan segments p1-p2 and q1-q2 meet (cross or touch).
bool PlanSegmentsMeet(const API_Coord3D& p1, const API_Coord3D& p2, const API_Coord3D& q1, const API_Coord3D& q2) {
    const int d1 = PlanSide(q1, q2, p1), d2 = PlanSide(q1, q2, p2), d3 = PlanSide(p1, p2, q1), d4 = PlanSide(p1, p2, q2);
    // p's ends on opposite sides of q's line and q's ends on opposite sides of p's line
    if (d1 * d2 < 0 && d3 * d4 < 0) return true;
    // an end of one segment lies on the other segment
    return (d1 == 0 && WithinSegmentBox(q1, q2, p1)) || (d2 == 0 && WithinSegmentBox(q1, q2, p2)) ||
           (d3 == 0 && WithinSegmentBox(p1, p2, q1)) || (d4 == 0 && WithinSegmentBox(p1, p2, q2));
}

// True when two edges of the ring that do not follow each other meet in plan.
bool RingCrossesItself(const std::vector<API_Coord3D>& ring) {
    const size_t n = ring.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) continue;  // the last edge follows the first round the ring
            if (PlanSegmentsMeet(ring[i], ring[(i + 1) % n], ring[j], ring[(j + 1) % n])) return true;
        }
    }
    return false;
}

// A plan ring as a 3D ring at height 0 (the plan checks look at x and y only).
Ring3 Flat(const std::vector<API_Coord>& ring) {
    Ring3 out;
    for (const API_Coord& p : ring) out.push_back({p.x, p.y, 0});
    // the plan ring was given closed: its last point repeats the first
    if (out.size() > 1 && out.front().x == out.back().x && out.front().y == out.back().y) out.pop_back();
    return out;
}

// The plan box of a ring: lowest and highest x and y.
struct PlanBox {
    double x0, y0, x1, y1;
};
PlanBox BoxOf(const Ring3& ring) {
    PlanBox b{ring[0].x, ring[0].y, ring[0].x, ring[0].y};
    for (const API_Coord3D& p : ring) {
        b.x0 = std::min(b.x0, p.x), b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x), b.y1 = std::max(b.y1, p.y);
    }
    return b;
}

// True when an edge of one ring meets an edge of the other in plan (cross, touch or overlap).
bool RingsMeet(const Ring3& a, const Ring3& b) {
    const PlanBox ba = BoxOf(a), bb = BoxOf(b);
    // boxes apart along x or along y: no edges can meet
    if (ba.x1 < bb.x0 || bb.x1 < ba.x0 || ba.y1 < bb.y0 || bb.y1 < ba.y0) return false;
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j)
            if (PlanSegmentsMeet(a[i], a[(i + 1) % a.size()], b[j], b[(j + 1) % b.size()])) return true;
    return false;
}

// What is wrong with a plane's holes in plan (empty when nothing): each must lie inside the
// outline without touching it, and no two may touch, overlap or lie one inside the other.
std::string HolesProblem(const Ring3& outer, const std::vector<Ring3>& holes, const std::string& where) {
    if (outer.size() < 3) return "";  // the shape's own check names an outline of too few points
    for (size_t h = 0; h < holes.size(); ++h) {
        const std::string name = "hole " + std::to_string(h + 1);
        if (holes[h].size() < 3) continue;  // the shape's own check names a ring of too few points
        if (RingsMeet(outer, holes[h])) return name + " crosses or touches the outline of " + where;
        if (!PlanInside(API_Coord{holes[h][0].x, holes[h][0].y}, outer)) return name + " lies outside the outline of " + where;
        for (size_t k = 0; k < h; ++k) {
            if (holes[k].size() < 3) continue;
            const std::string other = "hole " + std::to_string(k + 1);
            if (RingsMeet(holes[k], holes[h])) return name + " crosses or touches " + other;
            if (PlanInside(API_Coord{holes[h][0].x, holes[h][0].y}, holes[k]) ||
                PlanInside(API_Coord{holes[k][0].x, holes[k][0].y}, holes[h]))
                return name + " and " + other + " lie one inside the other";
        }
    }
    return "";
}

// A plan polygon, held closed (first point repeated at the end) as the host holds polygons.
std::vector<API_Coord> ClosedPolygon(const Json& v, const std::string& where) {
    if (!v.is_array()) Fail(where, "expected a list of plan points");
    CheckRingSize(v, where);
    std::vector<API_Coord> ring;
    for (size_t i = 0; i < v.size(); ++i) ring.push_back(Point2(v[i], where + " point " + std::to_string(i + 1)));
    std::vector<API_Coord> distinct;
    for (const API_Coord& p : ring)
        if (distinct.empty() || std::fabs(p.x - distinct.back().x) > kRingPointTol ||
            std::fabs(p.y - distinct.back().y) > kRingPointTol)
            distinct.push_back(p);
    // the last point repeats the first: the file gave the polygon closed
    const bool closed = distinct.size() > 1 && std::fabs(distinct.front().x - distinct.back().x) <= kRingPointTol &&
                        std::fabs(distinct.front().y - distinct.back().y) <= kRingPointTol;
    if (distinct.size() - (closed ? 1 : 0) < 3) Fail(where, "a polygon needs at least 3 different points");
    if (!closed) distinct.push_back(distinct.front());
    return distinct;
}

// A plan ring as written (open or closed), for generated roofs.
std::vector<API_Coord> PlanRing(const Json& v, const std::string& where) {
    if (!v.is_array()) Fail(where, "expected a list of plan points");
    CheckRingSize(v, where);
    std::vector<API_Coord> ring;
    for (size_t i = 0; i < v.size(); ++i) ring.push_back(Point2(v[i], where + " point " + std::to_string(i + 1)));
    return ring;
}

// A 3D ring, held open (a closing repeat of the first point is dropped).
Ring3 OpenRing3(const Json& v, const std::string& where) {
    if (!v.is_array()) Fail(where, "expected a list of 3D points");
    CheckRingSize(v, where);
    Ring3 ring;
    for (size_t i = 0; i < v.size(); ++i) {
        const API_Coord3D p = Point3(v[i], where + " point " + std::to_string(i + 1));
        // the point repeats the previous one in every coordinate
        if (!ring.empty() && std::fabs(p.x - ring.back().x) <= kRingPointTol &&
            std::fabs(p.y - ring.back().y) <= kRingPointTol && std::fabs(p.z - ring.back().z) <= kRingPointTol)
            continue;
        ring.push_back(p);
    }
    // the last point repeats the first in every coordinate
    while (ring.size() > 1 && std::fabs(ring.front().x - ring.back().x) <= kRingPointTol &&
           std::fabs(ring.front().y - ring.back().y) <= kRingPointTol &&
           std::fabs(ring.front().z - ring.back().z) <= kRingPointTol)
        ring.pop_back();
    if (ring.size() < 3) Fail(where, "a ring needs at least 3 different points");
    return ring;
}

// The vertical part of a ring's unit normal (Newell), and its area (0 for a degenerate ring).
void RingNormalZ(const Ring3& ring, double& normalZ, double& area) {
    const RingNormalVector n = NewellNormal(ring);
    const double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    area = len / 2;
    normalZ = len > 0 ? n.z / len : 0;
}

// One explicit top plane: a planar outer ring and optional hole rings.
RoofPlaneShape ReadPlane(const Json& v, const std::string& where) {
    CheckKeys(v, {"outer", "holes"}, where);
    if (!v.contains("outer")) Fail(where, "missing key \"outer\"");
    RoofPlaneShape plane;
    plane.outer = OpenRing3(v["outer"], where + " key \"outer\"");
    size_t points = plane.outer.size();
    if (v.contains("holes")) {
        const Json& holes = v["holes"];
        if (!holes.is_array()) Fail(where + " key \"holes\"", "expected a list of rings");
        if (holes.size() > kMaxHolesPerPlane)
            Fail(where + " key \"holes\"", CountLimitText(holes.size(), "holes", kMaxHolesPerPlane));
        for (size_t h = 0; h < holes.size(); ++h) {
            plane.holes.push_back(OpenRing3(holes[h], where + " hole " + std::to_string(h + 1)));
            points += plane.holes.back().size();
            // The plan checks below compare every edge with every other: the plane's points together are bounded.
            if (points > kMaxRingPoints)
                Fail(where, "its outline and holes hold more than the " + std::to_string(kMaxRingPoints) +
                                " points this program takes for one plane");
        }
    }
    double normalZ = 0, area = 0;
    RingNormalZ(plane.outer, normalZ, area);
    if (area <= 0) Fail(where, "the outer ring encloses no area");
    if (std::fabs(normalZ) < kUprightPlaneNormalZ) Fail(where, "the plane stands upright (a top plane cannot)");
    const double off = PlaneFlatness(plane);
    if (off > kPlaneFlatnessTol) {
        std::ostringstream text;
        text << "the plane is not planar: a point lies " << off << " m off its plane (at most "
             << kPlaneFlatnessTol << " m)";
        Fail(where, text.str());
    }
    // A top plane is seen from above: its rings must not cross themselves in plan.
    if (RingCrossesItself(plane.outer)) Fail(where + " key \"outer\"", "the ring crosses itself");
    for (size_t h = 0; h < plane.holes.size(); ++h)
        if (RingCrossesItself(plane.holes[h])) Fail(where + " hole " + std::to_string(h + 1), "the ring crosses itself");
    const std::string holeProblem = HolesProblem(plane.outer, plane.holes, "the plane");
    if (!holeProblem.empty()) Fail(where, holeProblem);
    return plane;
}

// ---- Parameters of placed objects ------------------------------------------------------

// One parameter of a placed object, in the same form as a library part's parameter list.
ParamValue ReadParam(const Json& v, const std::string& where) {
    CheckKeys(v, {"name", "type", "value", "dims", "hidden", "bold"}, where);
    std::string at = where;
    if (v.contains("name") && v["name"].is_string()) at += " (" + Quoted(v["name"].get<std::string>()) + ")";
    Bool(v, "hidden", false, at);
    Bool(v, "bold", false, at);
    ParamValue p;
    std::string error;
    if (!ParamFromJson(nlohmann::json::parse(v.dump()), p, error)) Fail(where, error);
    if (p.name.empty() || p.name.size() >= size_t(API_NameLen))
        Fail(where + " key \"name\"", "a parameter name has 1 to " + std::to_string(API_NameLen - 1) + " bytes");
    return p;
}

// ---- Defaults ---------------------------------------------------------------------------

void DefaultAttributes(Model& m, bool materials, bool buildingMaterials, bool composites, bool layers) {
    if (materials)
        m.materials = {{1, "Általános felület"}, {2, "Beton"}, {3, "Tégla"}, {4, "Fa"},
                       {5, "Cserép - vörös"}, {6, "Vakolat - fehér"}};
    if (buildingMaterials)
        m.buildingMaterials = {{1, "Beton", 2}, {2, "Fa szerkezet", 4}, {3, "Hőszigetelés", 1}};
    if (composites) m.composites = {{1, "Tetőszerkezet", {2, 3, 1}}};
    if (layers) m.layers = {{1, "Általános"}};
}

const char* IdPrefix(API_ElemTypeID t) {
    switch (t) {
        case API_RoofID: return "ROOF";
        case API_WallID: return "WALL";
        case API_HatchID: return "FILL";
        case API_ObjectID: return "OBJECT";
        case API_HotspotID: return "HOTSPOT";
        default: return "ELEM";
    }
}

template <typename Attr>
bool HasIndex(const std::vector<Attr>& list, int64_t index) {
    for (const Attr& a : list)
        if (int64_t(a.index) == index) return true;
    return false;
}

// ---- Reading the parts of a model ---------------------------------------------------------

// An attribute list: every entry an object with a unique index >= 1 and a unique name.
template <typename Attr, typename ReadRest>
std::vector<Attr> ReadAttributes(const Json& list, const char* key, const std::set<std::string>& keys,
                                 int64_t maxIndex, const std::string& source, ReadRest readRest) {
    const std::string where = source + ": key " + Quoted(key);
    if (!list.is_array()) Fail(where, "expected a list");
    std::vector<Attr> out;
    std::set<int64_t> indices;
    std::set<std::string> names;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string at = where + " entry " + std::to_string(i + 1);
        CheckKeys(list[i], keys, at);
        if (!list[i].contains("index")) Fail(at, "missing key \"index\"");
        Attr a;
        const int64_t index = Integer(list[i], "index", 0, 1, maxIndex, at);
        a.index = decltype(a.index)(index);
        a.name = Text(list[i], "name", std::string(key) + " " + std::to_string(index), at);
        if (!indices.insert(index).second) Fail(at, "index " + std::to_string(index) + " is used twice");
        if (!names.insert(a.name).second) Fail(at, "name " + Quoted(a.name) + " is used twice");
        readRest(list[i], a, at);
        out.push_back(a);
    }
    if (out.empty()) Fail(where, "needs at least one entry");
    return out;
}

// ---- One reader per element kind ----------------------------------------------------------

// The parts of a roof that every roof has: thickness, structure and materials.
void ReadRoofBody(const Json& v, const Model& m, const std::string& at, API_RoofType& r) {
    r.thickness = v.contains("thickness") ? Coordinate(v["thickness"], at + " key \"thickness\"") : 0.3;
    if (!(r.thickness > 0)) Fail(at + " key \"thickness\"", "must be a positive number");
    const std::string structure = Text(v, "structure", "basic", at);
    if (structure == "basic") r.modelElemStructureType = API_BasicStructure;
    else if (structure == "composite") r.modelElemStructureType = API_CompositeStructure;
    else if (structure == "profile") r.modelElemStructureType = API_ProfileStructure;
    else Fail(at + " key \"structure\"", "expected \"basic\", \"composite\" or \"profile\", not " + Quoted(structure));
    r.buildingMaterial = int32_t(Integer(v, "buildingMaterial", m.buildingMaterials.front().index, 0, INT32_MAX, at));
    r.composite = int32_t(Integer(v, "composite", m.composites.empty() ? 0 : m.composites.front().index, 0, INT32_MAX, at));
    if (r.modelElemStructureType != API_CompositeStructure && !HasIndex(m.buildingMaterials, r.buildingMaterial))
        Fail(at + " key \"buildingMaterial\"", "no building material " + std::to_string(r.buildingMaterial));
    if (r.modelElemStructureType == API_CompositeStructure && !HasIndex(m.composites, r.composite))
        Fail(at + " key \"composite\"", "no composite " + std::to_string(r.composite));
    r.overrideTopMaterial = Bool(v, "topOverride", false, at);
    r.overrideSideMaterial = Bool(v, "sideOverride", false, at);
    r.overrideBotMaterial = Bool(v, "bottomOverride", false, at);
    r.topMat = int32_t(Integer(v, "topMaterial", 0, 0, INT32_MAX, at));
    r.sideMat = int32_t(Integer(v, "sideMaterial", 0, 0, INT32_MAX, at));
    r.botMat = int32_t(Integer(v, "bottomMaterial", 0, 0, INT32_MAX, at));
    r.materialsChained = Bool(v, "materialsChained", false, at);
    const struct {
        bool on;
        int32_t mat;
        const char* key;
    } overrides[] = {{r.overrideTopMaterial, r.topMat, "topMaterial"},
                     {r.overrideSideMaterial, r.sideMat, "sideMaterial"},
                     {r.overrideBotMaterial, r.botMat, "bottomMaterial"}};
    for (const auto& o : overrides)
        if (o.on && !HasIndex(m.materials, o.mat))
            Fail(at + " key " + Quoted(o.key), "no material " + std::to_string(o.mat) + " for an override that is on");
}

// The parameter defaults of one library part that a file holds, and each parameter in the file's
// form without its value, for the values an object gives alone.
struct PartDefault {
    std::vector<ParamValue> params;
    std::map<std::string, Json> forms;
};
// The defaults of the library parts a file holds ("libParts"), by unique identifier.
using PartDefaults = std::map<std::string, PartDefault>;

// The keys that shape one kind of generated roof: the key, its shape, whether it is a length
// (checked against the coordinate limit) and the record's field it fills.
struct ShapeKeyDef {
    const char* key;
    const char* shape;
    bool length;
    double RoofShapeInput::*field;
};
const ShapeKeyDef kShapeKeyDefs[] = {
    {"hipHeight", "halfHip", true, &RoofShapeInput::hipHeight},
    {"hipFraction", "halfHip", false, &RoofShapeInput::hipFraction},
    {"hipPitch", "halfHip", false, &RoofShapeInput::hipPitchDegrees},
    {"upperPitch", "mansard", false, &RoofShapeInput::upperPitchDegrees},
    {"breakHeight", "mansard", true, &RoofShapeInput::breakHeight},
};

// A generated roof: its shape, footprint, holes, pitch and eave level turned into top planes.
void ReadGeneratedRoof(const Json& v, const std::string& at, Element& e) {
    RoofShapeInput shape;
    shape.shape = Text(v, "shape", "", at);
    if (!v.contains("footprint")) Fail(at, "a generated roof needs a \"footprint\"");
    shape.footprint = PlanRing(v["footprint"], at + " key \"footprint\"");
    if (v.contains("holes")) {
        const Json& holes = v["holes"];
        if (!holes.is_array()) Fail(at + " key \"holes\"", "expected a list of plan rings");
        if (holes.size() > kMaxHolesPerPlane)
            Fail(at + " key \"holes\"", CountLimitText(holes.size(), "holes", kMaxHolesPerPlane));
        for (size_t h = 0; h < holes.size(); ++h)
            shape.holes.push_back(PlanRing(holes[h], at + " hole " + std::to_string(h + 1)));
    }
    if (v.contains("openings")) {
        const Json& openings = v["openings"];
        if (!openings.is_array()) Fail(at + " key \"openings\"", "expected a list of plan rings");
        if (openings.size() > kMaxHolesPerPlane)
            Fail(at + " key \"openings\"", CountLimitText(openings.size(), "openings", kMaxHolesPerPlane));
        for (size_t h = 0; h < openings.size(); ++h)
            shape.openings.push_back(PlanRing(openings[h], at + " opening " + std::to_string(h + 1)));
    }
    shape.pitchDegrees = Number(v, "pitch", 30, at);
    shape.eaveLevel = v.contains("eaveLevel") ? Coordinate(v["eaveLevel"], at + " key \"eaveLevel\"") : 0.0;
    // The keys of one shape only, each above 0 when given (0 in the record: not given).
    for (const ShapeKeyDef& k : kShapeKeyDefs) {
        if (!v.contains(k.key)) continue;
        if (shape.shape != k.shape) Fail(at + " key " + Quoted(k.key), "belongs to a \"" + std::string(k.shape) + "\" roof");
        const double value = k.length ? Coordinate(v[k.key], at + " key " + Quoted(k.key)) : Number(v, k.key, 0, at);
        if (!(value > 0)) Fail(at + " key " + Quoted(k.key), "must be above 0");
        shape.*(k.field) = value;
    }
    std::vector<Ring3> planHoles;
    for (const std::vector<API_Coord>& hole : shape.holes) planHoles.push_back(Flat(hole));
    const std::string holeProblem = HolesProblem(Flat(shape.footprint), planHoles, "the footprint");
    if (!holeProblem.empty()) Fail(at, holeProblem);
    std::string error;
    if (!GenerateRoofPlanes(shape, e.roofPlanes, error)) Fail(at, error);
    // A steep pitch over a wide footprint can lift the ridge past the coordinate limit.
    for (const RoofPlaneShape& plane : e.roofPlanes)
        for (const API_Coord3D& c : plane.outer)
            if (!CoordinateOk(c.x) || !CoordinateOk(c.y) || !CoordinateOk(c.z))
                Fail(at, "the generated roof reaches more than 1000 km from the origin (check \"pitch\" and \"eaveLevel\")");
}

void ReadRoof(const Json& v, const Model& m, const PartDefaults&, const std::string& at, Element& e) {
    ReadRoofBody(v, m, at, e.rec.roof);
    const bool hasPlanes = v.contains("planes"), hasShape = v.contains("shape");
    if (hasPlanes && hasShape) Fail(at, "give either \"planes\" or \"shape\", not both");
    if (!hasPlanes && !hasShape) Fail(at, "a roof needs \"planes\" or a generated \"shape\"");
    if (hasShape) return ReadGeneratedRoof(v, at, e);
    for (const char* key : {"footprint", "holes", "openings", "pitch", "eaveLevel"})
        if (v.contains(key)) Fail(at + " key " + Quoted(key), "belongs to a generated \"shape\"");
    for (const ShapeKeyDef& k : kShapeKeyDefs)
        if (v.contains(k.key)) Fail(at + " key " + Quoted(k.key), "belongs to a generated \"shape\"");
    const Json& planes = v["planes"];
    if (!planes.is_array() || planes.empty()) Fail(at + " key \"planes\"", "expected a list of at least one plane");
    if (planes.size() > kMaxPlanesPerRoof)
        Fail(at + " key \"planes\"", CountLimitText(planes.size(), "planes", kMaxPlanesPerRoof));
    for (size_t p = 0; p < planes.size(); ++p)
        e.roofPlanes.push_back(ReadPlane(planes[p], at + " plane " + std::to_string(p + 1)));
}

void ReadWall(const Json& v, const Model&, const PartDefaults&, const std::string& at, Element& e) {
    if (!v.contains("footprint")) Fail(at, "a wall needs a \"footprint\"");
    e.polygon = ClosedPolygon(v["footprint"], at + " key \"footprint\"");
    e.rec.wall.bottomOffset = v.contains("bottomOffset") ? Coordinate(v["bottomOffset"], at + " key \"bottomOffset\"") : 0.0;
    e.rec.wall.height = v.contains("height") ? Coordinate(v["height"], at + " key \"height\"") : 3.0;
    if (!(e.rec.wall.height > 0)) Fail(at + " key \"height\"", "must be a positive number");
    e.rec.wall.polyArcCount = int32_t(Integer(v, "arcs", 0, 0, 1000000, at));
}

void ReadFill(const Json& v, const Model&, const PartDefaults&, const std::string& at, Element& e) {
    if (!v.contains("polygon")) Fail(at, "a fill needs a \"polygon\"");
    e.polygon = ClosedPolygon(v["polygon"], at + " key \"polygon\"");
}



// A list of parameters, each name once.
std::vector<ParamValue> ReadParamList(const Json& params, const std::string& key, const std::string& at) {
    if (!params.is_array()) Fail(at + " key " + Quoted(key), "expected a list of parameters");
    std::vector<ParamValue> out;
    std::set<std::string> names;
    for (size_t i = 0; i < params.size(); ++i) {
        out.push_back(ReadParam(params[i], at + " parameter " + std::to_string(i + 1)));
        if (!names.insert(out.back().name).second)
            Fail(at + " parameter " + std::to_string(i + 1), "parameter " + Quoted(out.back().name) + " is given twice");
    }
    return out;
}

// The library parts' defaults a saved file holds for objects that keep only their changes.
PartDefaults ReadPartDefaults(const Json& doc, const std::string& source) {
    PartDefaults out;
    if (!doc.contains("libParts")) return out;
    const Json& parts = doc["libParts"];
    const std::string where = source + ": key \"libParts\"";
    if (!parts.is_array()) Fail(where, "expected a list of library parts");
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string at = where + " entry " + std::to_string(i + 1);
        CheckKeys(parts[i], {"unId", "params"}, at);
        const std::string unId = Text(parts[i], "unId", "", at);
        if (unId.size() < 38 || unId.front() != '{')
            Fail(at + " key \"unId\"", "expected a library part unique identifier \"{main}-{revision}\"");
        if (!parts[i].contains("params")) Fail(at, "missing key \"params\"");
        PartDefault part;
        part.params = ReadParamList(parts[i]["params"], "params", at);
        for (size_t k = 0; k < part.params.size(); ++k) {
            Json form = parts[i]["params"][k];
            form.erase("value");
            part.forms.emplace(part.params[k].name, std::move(form));
        }
        if (!out.emplace(unId, std::move(part)).second) Fail(at, "library part " + Quoted(unId) + " is given twice");
    }
    return out;
}

void ReadObject(const Json& v, const Model&, const PartDefaults& defaults, const std::string& at, Element& e) {
    API_ObjectType& o = e.rec.object;
    e.libPartUnId = Text(v, "libPart", "", at);
    if (e.libPartUnId.size() < 38 || e.libPartUnId.front() != '{')
        Fail(at + " key \"libPart\"", "expected a library part unique identifier \"{main}-{revision}\"");
    if (v.contains("position")) o.pos = Point2(v["position"], at + " key \"position\"");
    o.angle = Number(v, "angle", 0, at);
    o.level = v.contains("level") ? Coordinate(v["level"], at + " key \"level\"") : 0.0;
    o.xRatio = Number(v, "xRatio", 1, at);
    o.yRatio = Number(v, "yRatio", 1, at);
    o.reflected = Bool(v, "reflected", false, at);
    o.pen = int16_t(Integer(v, "pen", 1, 1, 255, at));
    o.useObjSectAttrs = Bool(v, "useObjSectAttrs", false, at);
    // A saved object keeps only the parameters that differ from its part's defaults, which the
    // file holds once per part: whole ("changedParams") or, when only the value differs, by name
    // and value ("paramValues").
    if (v.contains("changedParams") || v.contains("paramValues")) {
        if (v.contains("params")) Fail(at, "give either \"params\" or the changes from the defaults, not both");
        auto part = defaults.find(e.libPartUnId);
        if (part == defaults.end())
            Fail(at, "key \"libParts\" holds no defaults of library part " + Quoted(e.libPartUnId));
        std::vector<ParamValue> changed;
        if (v.contains("changedParams")) changed = ReadParamList(v["changedParams"], "changedParams", at);
        std::set<std::string> names;
        for (const ParamValue& p : changed) names.insert(p.name);
        if (v.contains("paramValues")) {
            const Json& values = v["paramValues"];
            const std::string where = at + " key \"paramValues\"";
            if (!values.is_object()) Fail(where, "expected an object of parameter names and values");
            for (auto it = values.begin(); it != values.end(); ++it) {
                auto form = part->second.forms.find(it.key());
                if (form == part->second.forms.end()) Fail(where, "the library part has no parameter " + Quoted(it.key()));
                if (!names.insert(it.key()).second) Fail(where, "parameter " + Quoted(it.key()) + " is given twice");
                Json param = form->second;
                param["value"] = it.value();
                changed.push_back(ReadParam(param, where + " (" + Quoted(it.key()) + ")"));
            }
        }
        e.params = ParamsWithDefaults(changed, part->second.params);
    }
    if (!v.contains("params")) return;
    const Json& params = v["params"];
    if (!params.is_array()) Fail(at + " key \"params\"", "expected a list of parameters");
    std::set<std::string> names;
    for (size_t i = 0; i < params.size(); ++i) {
        e.params.push_back(ReadParam(params[i], at + " parameter " + std::to_string(i + 1)));
        if (!names.insert(e.params.back().name).second)
            Fail(at + " parameter " + std::to_string(i + 1), "parameter " + Quoted(e.params.back().name) + " is given twice");
    }
}

void ReadHotspot(const Json& v, const Model&, const PartDefaults&, const std::string& at, Element& e) {
    if (v.contains("position")) e.rec.hotspot.pos = Point3(v["position"], at + " key \"position\"");
    e.rec.hotspot.pen = int16_t(Integer(v, "pen", 1, 1, 255, at));
}

using ElementReader = void (*)(const Json& v, const Model& m, const PartDefaults& defaults, const std::string& at,
                               Element& e);

// An element kind of the file: its "type", the host's type, the keys it may hold beside the
// common ones, and its reader.
struct ElementKindDef {
    const char* name;
    API_ElemTypeID type;
    std::set<std::string> keys;
    ElementReader read;
};

const ElementKindDef kElementKindDefs[] = {
    {"roof", API_RoofID,
     {"thickness", "structure", "buildingMaterial", "composite", "topOverride", "sideOverride", "bottomOverride",
      "topMaterial", "sideMaterial", "bottomMaterial", "materialsChained", "planes", "shape", "footprint", "holes",
      "openings", "pitch", "eaveLevel", "hipHeight", "hipFraction", "hipPitch", "upperPitch", "breakHeight"},
     ReadRoof},
    {"wall", API_WallID, {"footprint", "bottomOffset", "height", "arcs"}, ReadWall},
    {"fill", API_HatchID, {"polygon"}, ReadFill},
    {"object", API_ObjectID,
     {"libPart", "position", "angle", "level", "xRatio", "yRatio", "reflected", "pen", "useObjSectAttrs", "params",
      "changedParams", "paramValues"},
     ReadObject},
    {"hotspot", API_HotspotID, {"position", "pen"}, ReadHotspot},
};

// Reads one element; GUID and element ID may stay empty here and are given out afterwards.
Element ReadElement(const Json& v, const Model& m, const PartDefaults& defaults, const std::string& where, bool& hasGuid) {
    if (!v.is_object()) Fail(where, "expected an object");
    const std::string type = Text(v, "type", "", where);
    std::string at = where;
    if (v.contains("id") && v["id"].is_string()) at += " (" + Quoted(v["id"].get<std::string>()) + ")";
    const ElementKindDef* kind = nullptr;
    for (const ElementKindDef& def : kElementKindDefs)
        if (type == def.name) kind = &def;
    if (!v.contains("type")) Fail(at, "missing key \"type\"");
    if (kind == nullptr)
        Fail(at + " key \"type\"", "unknown element type " + Quoted(type) +
                                       " (known: \"roof\", \"wall\", \"fill\", \"object\", \"hotspot\")");
    std::set<std::string> allowed = {"type", "id", "guid", "layer", "story", "group"};
    allowed.insert(kind->keys.begin(), kind->keys.end());
    CheckKeys(v, allowed, at);

    Element e;
    API_Elem_Head& head = e.rec.header;
    head.typeID = kind->type;
    e.elementId = Text(v, "id", "", at);
    if (v.contains("id") && e.elementId.empty()) Fail(at + " key \"id\"", "an element ID cannot be empty");
    hasGuid = v.contains("guid");
    if (hasGuid) {
        const std::string text = Text(v, "guid", "", at);
        if (!GuidFromString(text, head.guid) || IsNullGuid(head.guid))
            Fail(at + " key \"guid\"", Quoted(text) + " is not a GUID");
    }
    head.layer = int16_t(Integer(v, "layer", m.layers.front().index, 1, 32767, at));
    if (!HasIndex(m.layers, head.layer)) Fail(at + " key \"layer\"", "no layer " + std::to_string(head.layer));
    head.floorInd = int16_t(Integer(v, "story", m.currentStory, -32768, 32767, at));
    if (!HasIndex(m.stories, head.floorInd)) Fail(at + " key \"story\"", "no story " + std::to_string(head.floorInd));
    head.groupId = uint32_t(Integer(v, "group", 0, 0, 0xFFFFFFFFll, at));
    try {
        kind->read(v, m, defaults, at, e);
    } catch (const nlohmann::json::exception& x) {  // a value of the wrong kind deep inside
        Fail(at, x.what());
    }
    return e;
}

// Reads a whole model into `m`.
void ReadModel(const Json& doc, const std::string& source, Model& m) {
    CheckKeys(doc, {"format", "version", "stories", "currentStory", "materials", "buildingMaterials", "composites",
                    "layers", "elements", "libParts", "selection", "groupsSuspended", "nextGroupId", "originShift",
                    "crs", "northAngle"},
              source);
    if (doc.contains("format") && Text(doc, "format", "", source) != "tevaro-model")
        Fail(source + ": key \"format\"", "expected \"tevaro-model\"");
    const int64_t version = Integer(doc, "version", kFormatVersion, 1, 1000000, source);
    if (version > kFormatVersion)
        Fail(source + ": key \"version\"", "version " + std::to_string(version) + " is newer than this program reads (" +
                                              std::to_string(kFormatVersion) + ")");

    // Stories.
    m.stories.clear();
    if (doc.contains("stories")) {
        const Json& stories = doc["stories"];
        const std::string where = source + ": key \"stories\"";
        if (!stories.is_array() || stories.empty()) Fail(where, "expected a list of at least one story");
        std::set<int64_t> seen;
        for (size_t i = 0; i < stories.size(); ++i) {
            const std::string at = where + " entry " + std::to_string(i + 1);
            CheckKeys(stories[i], {"index", "level", "name"}, at);
            Story s;
            s.index = int16_t(Integer(stories[i], "index", int64_t(i), -32768, 32767, at));
            s.level = stories[i].contains("level") ? Coordinate(stories[i]["level"], at + " key \"level\"") : 0.0;
            s.name = Text(stories[i], "name", std::to_string(s.index) + ". szint", at);
            if (!seen.insert(s.index).second) Fail(at, "story index " + std::to_string(s.index) + " is used twice");
            m.stories.push_back(s);
        }
        std::sort(m.stories.begin(), m.stories.end(), [](const Story& a, const Story& b) { return a.index < b.index; });
    } else {
        m.stories = {Story{0, 0.0, "Földszint"}};
    }
    const int16_t firstStory = HasIndex(m.stories, 0) ? 0 : m.stories.front().index;
    m.currentStory = int16_t(Integer(doc, "currentStory", firstStory, -32768, 32767, source));
    if (!HasIndex(m.stories, m.currentStory))
        Fail(source + ": key \"currentStory\"", "no story " + std::to_string(m.currentStory));

    // Attributes.
    DefaultAttributes(m, !doc.contains("materials"), !doc.contains("buildingMaterials"), !doc.contains("composites"),
                      !doc.contains("layers"));
    auto noRest = [](const Json&, auto&, const std::string&) {};
    if (doc.contains("materials"))
        m.materials = ReadAttributes<Material>(doc["materials"], "materials", {"index", "name"}, INT32_MAX, source, noRest);
    if (doc.contains("layers"))
        m.layers = ReadAttributes<Layer>(doc["layers"], "layers", {"index", "name"}, 32767, source, noRest);
    if (doc.contains("buildingMaterials"))
        m.buildingMaterials = ReadAttributes<BuildingMaterial>(
            doc["buildingMaterials"], "buildingMaterials", {"index", "name", "surfaceMaterial"}, INT32_MAX, source,
            [&m](const Json& v, BuildingMaterial& b, const std::string& at) {
                if (!v.contains("surfaceMaterial")) Fail(at, "missing key \"surfaceMaterial\"");
                b.surfaceMaterial = int32_t(Integer(v, "surfaceMaterial", 0, 1, INT32_MAX, at));
                if (!HasIndex(m.materials, b.surfaceMaterial))
                    Fail(at + " key \"surfaceMaterial\"", "no material " + std::to_string(b.surfaceMaterial));
            });
    else
        for (BuildingMaterial& b : m.buildingMaterials)  // defaults point at the first material when theirs is missing
            if (!HasIndex(m.materials, b.surfaceMaterial)) b.surfaceMaterial = m.materials.front().index;
    if (doc.contains("composites")) {
        const Json& list = doc["composites"];
        if (list.is_array() && list.empty()) {
            m.composites.clear();
        } else {
            m.composites = ReadAttributes<Composite>(
                list, "composites", {"index", "name", "skins"}, INT32_MAX, source,
                [&m](const Json& v, Composite& c, const std::string& at) {
                    if (!v.contains("skins") || !v["skins"].is_array() || v["skins"].empty())
                        Fail(at + " key \"skins\"", "expected a list of at least one building material index");
                    for (size_t k = 0; k < v["skins"].size(); ++k) {
                        const Json& s = v["skins"][k];
                        const std::string sat = at + " skin " + std::to_string(k + 1);
                        if (!s.is_number_integer()) Fail(sat, "expected a building material index");
                        const int64_t b = s.get<int64_t>();
                        if (!HasIndex(m.buildingMaterials, b)) Fail(sat, "no building material " + std::to_string(b));
                        c.skins.push_back(int32_t(b));
                    }
                });
        }
    } else {
        for (Composite& c : m.composites)  // defaults keep only skins whose building material exists
            std::erase_if(c.skins, [&m](int32_t b) { return !HasIndex(m.buildingMaterials, b); });
        std::erase_if(m.composites, [](const Composite& c) { return c.skins.empty(); });
    }

    // Elements.
    const PartDefaults partDefaults = ReadPartDefaults(doc, source);
    m.elements.clear();
    std::vector<bool> hasGuid;
    if (doc.contains("elements")) {
        const Json& elements = doc["elements"];
        if (!elements.is_array()) Fail(source + ": key \"elements\"", "expected a list of elements");
        if (elements.size() > kMaxElementsPerModel)
            Fail(source + ": key \"elements\"", CountLimitText(elements.size(), "elements", kMaxElementsPerModel));
        for (size_t i = 0; i < elements.size(); ++i) {
            bool given = false;
            m.elements.push_back(ReadElement(elements[i], m, partDefaults, source + ": element " + std::to_string(i + 1), given));
            hasGuid.push_back(given);
        }
    }
    // Unique GUIDs; element IDs unique among roofs, walls and fills (people name them in sessions),
    // while placed objects may share one, as the add-on's ridge objects do. Missing ones are given
    // out without clashing with those of the file.
    std::set<std::string> ids, drawnIds;
    std::set<std::pair<uint64_t, uint64_t>> guids;
    for (size_t i = 0; i < m.elements.size(); ++i) {
        const Element& e = m.elements[i];
        const std::string at = source + ": element " + std::to_string(i + 1);
        const API_ElemTypeID t = e.rec.header.typeID;
        const bool drawn = t == API_RoofID || t == API_WallID || t == API_HatchID;
        if (!e.elementId.empty()) ids.insert(e.elementId);
        if (drawn && !e.elementId.empty() && !drawnIds.insert(e.elementId).second)
            Fail(at + " (" + Quoted(e.elementId) + ")", "element ID " + Quoted(e.elementId) + " is used twice");
        if (hasGuid[i] && !guids.insert({e.rec.header.guid.hi, e.rec.header.guid.lo}).second)
            Fail(at, "GUID " + GuidToString(e.rec.header.guid) + " is used twice");
    }
    std::map<API_ElemTypeID, int> nextNumber;
    for (size_t i = 0; i < m.elements.size(); ++i) {
        Element& e = m.elements[i];
        if (e.elementId.empty()) {
            const API_ElemTypeID t = e.rec.header.typeID;
            char text[64];
            do std::snprintf(text, sizeof text, "%s-%03d", IdPrefix(t), ++nextNumber[t]);
            while (ids.count(text) != 0);
            e.elementId = text;
            ids.insert(text);
        }
        if (!hasGuid[i]) {
            do e.rec.header.guid = NewGuid();
            while (!guids.insert({e.rec.header.guid.hi, e.rec.header.guid.lo}).second);
        }
    }

    // Selection: element IDs or GUIDs.
    m.selection.clear();
    if (doc.contains("selection")) {
        const Json& selection = doc["selection"];
        const std::string where = source + ": key \"selection\"";
        if (!selection.is_array()) Fail(where, "expected a list of element IDs");
        // Elements by ID and by GUID, and the selected ones, so that no entry looks through all.
        std::map<std::string, std::vector<size_t>> byId;
        std::map<std::pair<uint64_t, uint64_t>, size_t> byGuid;
        for (size_t k = 0; k < m.elements.size(); ++k) {
            byId[m.elements[k].elementId].push_back(k);
            byGuid.emplace(std::make_pair(m.elements[k].rec.header.guid.hi, m.elements[k].rec.header.guid.lo), k);
        }
        std::set<std::pair<uint64_t, uint64_t>> selected;
        for (size_t i = 0; i < selection.size(); ++i) {
            const std::string at = where + " entry " + std::to_string(i + 1);
            if (!selection[i].is_string()) Fail(at, "expected an element ID");
            const std::string name = selection[i].get<std::string>();
            API_Guid asGuid;
            const bool isGuid = GuidFromString(name, asGuid);
            // every element the entry names, by ID or by GUID, the last in the list counting
            std::set<size_t> named;
            if (auto ids = byId.find(name); ids != byId.end()) named.insert(ids->second.begin(), ids->second.end());
            if (auto g = byGuid.find({asGuid.hi, asGuid.lo}); isGuid && g != byGuid.end()) named.insert(g->second);
            const Element* found = named.empty() ? nullptr : &m.elements[*named.rbegin()];
            const size_t matches = named.size();
            if (found == nullptr) Fail(at, "no element " + Quoted(name));
            if (matches > 1) Fail(at, "element ID " + Quoted(name) + " names " + std::to_string(matches) + " elements; give the GUID");
            if (!selected.insert({found->rec.header.guid.hi, found->rec.header.guid.lo}).second)
                Fail(at, "element " + Quoted(name) + " is selected twice");
            m.selection.push_back(found->rec.header.guid);
        }
    }
    m.groupsSuspended = Bool(doc, "groupsSuspended", false, source);
    uint32_t highestGroup = 0;
    for (const Element& e : m.elements) highestGroup = std::max(highestGroup, e.rec.header.groupId);
    m.nextGroupId = uint32_t(Integer(doc, "nextGroupId", highestGroup, 0, 0xFFFFFFFFll, source));
    if (m.nextGroupId < highestGroup)
        Fail(source + ": key \"nextGroupId\"", "must be at least the highest group number " + std::to_string(highestGroup));
    // Where an imported model lies in the world.
    if (doc.contains("originShift")) {
        const Json& shift = doc["originShift"];
        const std::string at = source + ": key \"originShift\"";
        if (!shift.is_array() || shift.size() != 3) Fail(at, "expected [x, y, z]");
        m.originShift = {AsNumber(shift[0], at), AsNumber(shift[1], at), AsNumber(shift[2], at)};
    }
    m.crs = Text(doc, "crs", "", source);
    m.northAngle = Number(doc, "northAngle", 0, source);
}

}  // namespace

namespace {
ModelDocReader gDocReader;  // the program's reader (heals and checks), empty: plain parse
}  // namespace

void SetModelDocReader(ModelDocReader reader) { gDocReader = std::move(reader); }

bool LoadModelText(const std::string& text, const std::string& sourceName, Model& model, std::string& error) {
    Json doc;
    // an installed reader (other formats, healing) or the plain parse within the nesting limit
    if (gDocReader ? !gDocReader(text, sourceName, doc, error) : !ParseJsonWithinLimits(text, doc, error)) {
        if (!gDocReader) error = sourceName + ": " + error;
        return false;
    }
    Model fresh;
    try {
        ReadModel(doc, sourceName, fresh);
    } catch (const LoadError& e) {
        error = e.text;
        return false;
    } catch (const nlohmann::json::exception& e) {
        error = sourceName + ": " + e.what();
        return false;
    }
    model = std::move(fresh);
    return true;
}

bool LoadModelFile(const std::string& path, Model& model, std::string& error) {
    if (path.empty()) return (error = "no model file named", false);
    std::string text;
    if (!ReadRegularFile(path, kMaxModelFileBytes, text, error)) return false;
    return LoadModelText(text, path, model, error);
}

}  // namespace host
