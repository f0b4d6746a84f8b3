// Purpose: a model file's JSON seen as a scene for healing and the check: roofs' planes and
// walls read out of the document, healed planes written back into it, and the document scaled
// when it was drawn in centimetres or millimetres.
#include "import/ModelDoc.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "Common_src/LibPartIds.h"
#include "host/RoofShapes.h"

namespace import {
namespace {

// A finite number, or `fallback` when the value is none.
double NumberOr(const Json& obj, const char* key, double fallback) {
    if (!obj.is_object() || !obj.contains(key) || !obj[key].is_number()) return fallback;
    const double d = obj[key].get<double>();
    return std::isfinite(d) ? d : fallback;
}

// A point [x, y] or [x, y, z]; false when the value is not one.
bool ReadPoint(const Json& v, Vec3& p) {
    if (!v.is_array() || v.size() < 2 || v.size() > 3) return false;
    for (const Json& c : v)
        if (!c.is_number() || !std::isfinite(c.get<double>())) return false;
    p = {v[0].get<double>(), v[1].get<double>(), v.size() == 3 ? v[2].get<double>() : 0.0};
    return true;
}

// A ring of points, held open (a closing repeat of the first point is dropped).
bool ReadRing(const Json& v, Ring& ring) {
    if (!v.is_array()) return false;
    ring.clear();
    for (const Json& pv : v) {
        Vec3 p;
        if (!ReadPoint(pv, p)) return false;
        ring.push_back(p);
    }
    while (ring.size() > 1 && ring.front().x == ring.back().x && ring.front().y == ring.back().y &&
           ring.front().z == ring.back().z)
        ring.pop_back();
    return ring.size() >= 3;
}

Json RingToJson(const Ring& ring) {
    Json out = Json::array();
    for (const Vec3& p : ring) out.push_back({p.x, p.y, p.z});
    return out;
}

// The level of each story of the document, by index.
std::map<long, double> StoryLevels(const Json& doc) {
    std::map<long, double> levels;
    if (doc.contains("stories") && doc["stories"].is_array()) {
        long i = 0;
        for (const Json& s : doc["stories"]) {
            const long index = s.is_object() && s.contains("index") && s["index"].is_number_integer() ? s["index"].get<long>() : i;
            levels[index] = NumberOr(s, "level", 0);
            ++i;
        }
    }
    return levels;
}

// The planes of a generated roof, as the model loader builds them.
bool GeneratedFaces(const Json& e, std::vector<Face>& faces) {
    host::RoofShapeInput shape;
    if (!e["shape"].is_string() || !e.contains("footprint")) return false;
    shape.shape = e["shape"].get<std::string>();
    Ring ring;
    if (!ReadRing(e["footprint"], ring)) return false;
    for (const Vec3& p : ring) shape.footprint.push_back({p.x, p.y});
    if (e.contains("holes") && e["holes"].is_array())
        for (const Json& h : e["holes"]) {
            if (!ReadRing(h, ring)) return false;
            shape.holes.emplace_back();
            for (const Vec3& p : ring) shape.holes.back().push_back({p.x, p.y});
        }
    if (e.contains("openings") && e["openings"].is_array())
        for (const Json& h : e["openings"]) {
            if (!ReadRing(h, ring)) return false;
            shape.openings.emplace_back();
            for (const Vec3& p : ring) shape.openings.back().push_back({p.x, p.y});
        }
    shape.pitchDegrees = NumberOr(e, "pitch", 30);
    shape.eaveLevel = NumberOr(e, "eaveLevel", 0);
    shape.hipHeight = NumberOr(e, "hipHeight", 0);
    shape.hipFraction = NumberOr(e, "hipFraction", 0);
    shape.hipPitchDegrees = NumberOr(e, "hipPitch", 0);
    shape.upperPitchDegrees = NumberOr(e, "upperPitch", 0);
    shape.breakHeight = NumberOr(e, "breakHeight", 0);
    std::vector<host::RoofPlaneShape> planes;
    std::string error;
    if (!host::GenerateRoofPlanes(shape, planes, error)) return false;
    for (size_t k = 0; k < planes.size(); ++k) {
        Face f;
        f.source = int(k + 1);
        for (const API_Coord3D& p : planes[k].outer) f.outer.push_back({p.x, p.y, p.z});
        for (const host::Ring3& h : planes[k].holes) {
            f.holes.emplace_back();
            for (const API_Coord3D& p : h) f.holes.back().push_back({p.x, p.y, p.z});
        }
        faces.push_back(f);
    }
    return true;
}

// Scales a point or a list of points (any depth) in place.
void ScalePoints(Json& v, double factor) {
    if (v.is_number()) v = v.get<double>() * factor;
    else if (v.is_array())
        for (Json& c : v) ScalePoints(c, factor);
}

// Scales the named number or point members of an object.
void ScaleKeys(Json& obj, std::initializer_list<const char*> keys, double factor) {
    for (const char* k : keys)
        if (obj.contains(k)) ScalePoints(obj[k], factor);
}

}  // namespace

Scene SceneFromDoc(const Json& doc) {
    Scene scene;
    if (!doc.is_object() || !doc.contains("elements") || !doc["elements"].is_array()) return scene;
    const std::map<long, double> levels = StoryLevels(doc);
    const Json& elements = doc["elements"];
    for (size_t i = 0; i < elements.size(); ++i) {
        const Json& e = elements[i];
        if (!e.is_object() || !e.contains("type") || !e["type"].is_string()) continue;
        const std::string type = e["type"].get<std::string>();
        const std::string id = e.contains("id") && e["id"].is_string() ? e["id"].get<std::string>()
                                                                        : "#" + std::to_string(i + 1);
        if (type == "roof") {
            Roof roof;
            roof.id = id;
            roof.element = int(i + 1);
            if (e.contains("planes") && e["planes"].is_array()) {
                const Json& planes = e["planes"];
                bool good = true;
                for (size_t p = 0; p < planes.size() && good; ++p) {
                    Face f;
                    f.source = int(p + 1);
                    good = planes[p].is_object() && planes[p].contains("outer") && ReadRing(planes[p]["outer"], f.outer);
                    if (good && planes[p].contains("holes") && planes[p]["holes"].is_array())
                        for (const Json& h : planes[p]["holes"]) {
                            Ring ring;
                            good = good && ReadRing(h, ring);
                            f.holes.push_back(ring);
                        }
                    roof.faces.push_back(f);
                }
                if (!good) continue;  // the loader names what is wrong
            } else if (e.contains("shape")) {
                roof.explicitPlanes = false;
                if (!GeneratedFaces(e, roof.faces)) continue;
            }
            scene.roofs.push_back(roof);
        } else if (type == "object") {
            Vec3 at;
            // a tile surface (by its library part's main identifier) with a readable position
            const bool surface = e.contains("libPart") && e["libPart"].is_string() &&
                                 e["libPart"].get<std::string>().compare(0, kMainIdLength, kTileSurfaceMainId) == 0;
            if (surface && e.contains("position") && ReadPoint(e["position"], at))
                scene.tileSurfaces.push_back({at, NumberOr(e, "angle", 0)});
        } else if (type == "wall") {
            Wall w;
            w.id = id;
            w.element = int(i + 1);
            if (!e.contains("footprint") || !ReadRing(e["footprint"], w.footprint)) continue;
            const long story = e.contains("story") && e["story"].is_number_integer() ? e["story"].get<long>() : 0;
            const auto level = levels.find(story);
            w.bottom = NumberOr(e, "bottomOffset", 0) + (level != levels.end() ? level->second : 0.0);
            w.top = w.bottom + NumberOr(e, "height", 3);
            scene.walls.push_back(w);
        }
    }
    return scene;
}

Scene SceneFromModel(const host::Model& model) {
    Scene scene;
    for (size_t i = 0; i < model.elements.size(); ++i) {
        const host::Element& e = model.elements[i];
        if (e.rec.header.typeID == API_RoofID) {
            Roof roof;
            roof.id = e.elementId;
            roof.element = int(i + 1);
            for (size_t k = 0; k < e.roofPlanes.size(); ++k) {
                Face f;
                f.source = int(k + 1);
                for (const API_Coord3D& p : e.roofPlanes[k].outer) f.outer.push_back({p.x, p.y, p.z});
                for (const host::Ring3& h : e.roofPlanes[k].holes) {
                    f.holes.emplace_back();
                    for (const API_Coord3D& p : h) f.holes.back().push_back({p.x, p.y, p.z});
                }
                roof.faces.push_back(f);
            }
            scene.roofs.push_back(roof);
        } else if (e.rec.header.typeID == API_ObjectID && e.libPartUnId.compare(0, kMainIdLength, kTileSurfaceMainId) == 0) {
            scene.tileSurfaces.push_back({{e.rec.object.pos.x, e.rec.object.pos.y, 0}, e.rec.object.angle});
        } else if (e.rec.header.typeID == API_WallID && e.polygon.size() >= 4) {
            Wall w;
            w.id = e.elementId;
            w.element = int(i + 1);
            for (size_t k = 0; k + 1 < e.polygon.size(); ++k) w.footprint.push_back({e.polygon[k].x, e.polygon[k].y, 0});
            double level = 0;
            for (const host::Story& s : model.stories)
                if (s.index == e.rec.header.floorInd) level = s.level;
            w.bottom = level + e.rec.wall.bottomOffset;
            w.top = w.bottom + e.rec.wall.height;
            scene.walls.push_back(w);
        }
    }
    return scene;
}

void WriteHealedRoofs(const Scene& scene, Json& doc) {
    for (const Roof& roof : scene.roofs) {
        if (!roof.changed || !roof.explicitPlanes) continue;
        Json planes = Json::array();
        for (const Face& f : roof.faces) {
            Json plane;
            plane["outer"] = RingToJson(f.outer);
            Json holes = Json::array();
            for (const Ring& h : f.holes) holes.push_back(RingToJson(h));
            plane["holes"] = holes;
            planes.push_back(plane);
        }
        Json& e = doc["elements"][size_t(roof.element - 1)];
        // a generated roof that healing cut is written as explicit planes
        for (const char* key : {"shape", "footprint", "holes", "openings", "pitch", "eaveLevel", "hipHeight", "hipFraction", "hipPitch",
                                "upperPitch", "breakHeight"})
            e.erase(key);
        e["planes"] = planes;
    }
}

void LargestSizes(const Json& doc, double& longestRoofEdge, double& highestWall) {
    longestRoofEdge = 0;
    highestWall = 0;
    if (!doc.is_object() || !doc.contains("elements") || !doc["elements"].is_array()) return;
    // The longest edge of a ring, 3D (plan rings have z = 0).
    auto longestEdge = [](const Json& v) {
        Ring ring;
        double longest = 0;
        if (!ReadRing(v, ring)) return longest;
        for (size_t k = 0; k < ring.size(); ++k) {
            const Vec3& a = ring[k];
            const Vec3& b = ring[(k + 1) % ring.size()];
            longest = std::max(longest, std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z)));
        }
        return longest;
    };
    for (const Json& e : doc["elements"]) {
        if (!e.is_object() || !e.contains("type") || !e["type"].is_string()) continue;
        const std::string type = e["type"].get<std::string>();
        if (type == "roof" && e.contains("planes") && e["planes"].is_array()) {
            for (const Json& p : e["planes"])
                if (p.is_object() && p.contains("outer")) longestRoofEdge = std::max(longestRoofEdge, longestEdge(p["outer"]));
        } else if (type == "roof" && e.contains("footprint")) {
            longestRoofEdge = std::max(longestRoofEdge, longestEdge(e["footprint"]));
        } else if (type == "wall") {
            highestWall = std::max(highestWall, NumberOr(e, "height", 0));
        }
    }
}

void ScaleDoc(Json& doc, double factor) {
    if (!doc.is_object()) return;
    if (doc.contains("stories") && doc["stories"].is_array())
        for (Json& s : doc["stories"])
            if (s.is_object()) ScaleKeys(s, {"level"}, factor);
    if (!doc.contains("elements") || !doc["elements"].is_array()) return;
    for (Json& e : doc["elements"]) {
        if (!e.is_object()) continue;
        ScaleKeys(e, {"thickness", "footprint", "holes", "openings", "eaveLevel", "hipHeight", "breakHeight", "bottomOffset", "height",
                      "polygon", "position", "level"},
                  factor);
        if (e.contains("planes") && e["planes"].is_array())
            for (Json& p : e["planes"])
                if (p.is_object()) ScaleKeys(p, {"outer", "holes"}, factor);
    }
}

}  // namespace import
