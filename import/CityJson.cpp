// Purpose: the CityJSON reader (1.0, 1.1, 2.0, and CityJSONSeq, one feature a line): every
// Building and BuildingPart with an LOD2 geometry gives its RoofSurface polygons (holes kept)
// and WallSurface polygons; a sequence is read feature by feature.
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <sstream>

#include "import/CityModel.h"

namespace import {
namespace {

// The vertices of a CityJSON document or feature, with the transform applied.
struct VertexTable {
    const Json* vertices = nullptr;
    double scale[3] = {1, 1, 1}, translate[3] = {0, 0, 0};
};

// Reads the transform ("scale" and "translate") when there is one.
void ReadTransform(const Json& doc, VertexTable& t) {
    if (!doc.contains("transform") || !doc["transform"].is_object()) return;
    const Json& tr = doc["transform"];
    for (int k = 0; k < 3; ++k) {
        if (tr.contains("scale") && tr["scale"].is_array() && tr["scale"].size() == 3) t.scale[k] = tr["scale"][k].get<double>();
        if (tr.contains("translate") && tr["translate"].is_array() && tr["translate"].size() == 3)
            t.translate[k] = tr["translate"][k].get<double>();
    }
}

// One vertex by its index; false when the index is out of the table.
bool Vertex(const VertexTable& t, const Json& index, Vec3& p) {
    if (!index.is_number_integer() || t.vertices == nullptr) return false;
    const long i = index.get<long>();
    if (i < 0 || size_t(i) >= t.vertices->size()) return false;
    const Json& v = (*t.vertices)[size_t(i)];
    if (!v.is_array() || v.size() != 3) return false;
    p = {v[0].get<double>() * t.scale[0] + t.translate[0], v[1].get<double>() * t.scale[1] + t.translate[1],
         v[2].get<double>() * t.scale[2] + t.translate[2]};
    return true;
}

// A surface (a list of rings of vertex indices) as a face: its first ring outer, the rest holes.
bool Surface(const VertexTable& t, const Json& rings, Face& face) {
    if (!rings.is_array() || rings.empty()) return false;
    for (size_t r = 0; r < rings.size(); ++r) {
        Ring ring;
        if (!rings[r].is_array()) return false;
        for (const Json& idx : rings[r]) {
            Vec3 p;
            if (!Vertex(t, idx, p)) return false;
            ring.push_back(p);
        }
        if (r == 0) face.outer = ring;
        else face.holes.push_back(ring);
    }
    return face.outer.size() >= 3;
}

// The semantic type of a surface from its index in "values" ("" when none).
std::string SurfaceType(const Json& semantics, const Json* value) {
    if (value == nullptr || !value->is_number_integer() || !semantics.contains("surfaces")) return "";
    const long k = value->get<long>();
    const Json& surfaces = semantics["surfaces"];
    if (k < 0 || size_t(k) >= surfaces.size() || !surfaces[size_t(k)].contains("type")) return "";
    return surfaces[size_t(k)]["type"].get<std::string>();
}

// Sorts one surface into the building's roofs or walls by its semantic type.
void TakeSurface(const VertexTable& t, const Json& rings, const std::string& type, CityBuilding& b) {
    Face face;
    if ((type != "RoofSurface" && type != "WallSurface") || !Surface(t, rings, face)) return;
    if (type == "RoofSurface") {
        face.source = int(b.roofs.size() + 1);
        b.roofs.push_back(face);
    } else {
        b.walls.push_back(face.outer);
    }
}

// The surfaces of one geometry: MultiSurface / CompositeSurface, Solid, MultiSolid / CompositeSolid.
void TakeGeometry(const VertexTable& t, const Json& g, CityBuilding& b) {
    if (!g.contains("boundaries") || !g.contains("semantics")) return;
    const Json& bounds = g["boundaries"];
    const Json& sem = g["semantics"];
    const Json* values = sem.contains("values") ? &sem["values"] : nullptr;
    // The value of a surface, following the same nesting as the boundaries (null when none).
    auto valueAt = [&](std::initializer_list<size_t> path) -> const Json* {
        const Json* v = values;
        for (size_t k : path) {
            if (v == nullptr || !v->is_array() || k >= v->size()) return nullptr;
            v = &(*v)[k];
        }
        return v;
    };
    const std::string type = g.value("type", "");
    if (type == "MultiSurface" || type == "CompositeSurface") {
        for (size_t s = 0; s < bounds.size(); ++s) TakeSurface(t, bounds[s], SurfaceType(sem, valueAt({s})), b);
    } else if (type == "Solid") {
        for (size_t sh = 0; sh < bounds.size(); ++sh)
            for (size_t s = 0; s < bounds[sh].size(); ++s) TakeSurface(t, bounds[sh][s], SurfaceType(sem, valueAt({sh, s})), b);
    } else if (type == "MultiSolid" || type == "CompositeSolid") {
        for (size_t so = 0; so < bounds.size(); ++so)
            for (size_t sh = 0; sh < bounds[so].size(); ++sh)
                for (size_t s = 0; s < bounds[so][sh].size(); ++s)
                    TakeSurface(t, bounds[so][sh][s], SurfaceType(sem, valueAt({so, sh, s})), b);
    }
}

// The LOD of a geometry as a number (1.0 has numbers, 1.1 and 2.0 texts such as "2.2").
double Lod(const Json& g) {
    if (!g.contains("lod")) return -1;
    if (g["lod"].is_number()) return g["lod"].get<double>();
    if (g["lod"].is_string()) return std::atof(g["lod"].get<std::string>().c_str());
    return -1;
}

// The buildings of a CityObjects table: each Building and BuildingPart with an LOD2 geometry
// (the finest LOD2 one when there are several).
void TakeCityObjects(const Json& objects, const VertexTable& t, CityModelWriter& writer, Report& report) {
    for (auto it = objects.begin(); it != objects.end(); ++it) {
        const Json& o = it.value();
        const std::string type = o.value("type", "");
        if (type != "Building" && type != "BuildingPart") continue;
        if (!o.contains("geometry") || !o["geometry"].is_array()) continue;
        const Json* best = nullptr;
        for (const Json& g : o["geometry"]) {
            const double lod = Lod(g);
            // an LOD2 geometry, finer than the one found so far
            if (lod >= 2 && lod < 3 && (best == nullptr || lod > Lod(*best))) best = &g;
        }
        if (best == nullptr) {
            // a building that is only the parent of its parts has no geometry of its own: no note
            if (!o["geometry"].empty()) AddCityBuilding(writer, CityBuilding{it.key(), {}, {}}, report);
            continue;
        }
        CityBuilding b;
        b.id = it.key();
        TakeGeometry(t, *best, b);
        AddCityBuilding(writer, std::move(b), report);
    }
}

// The coordinate reference system named in the metadata (1.0: "crs" {"epsg"}, later: "referenceSystem").
std::string Crs(const Json& doc) {
    if (!doc.contains("metadata") || !doc["metadata"].is_object()) return "";
    const Json& m = doc["metadata"];
    if (m.contains("referenceSystem") && m["referenceSystem"].is_string()) return m["referenceSystem"].get<std::string>();
    if (m.contains("crs") && m["crs"].is_object() && m["crs"].contains("epsg")) return "EPSG:" + m["crs"]["epsg"].dump();
    return "";
}

}  // namespace

bool SniffCityJson(const std::string&, const std::string& text) {
    // a JSON text naming itself CityJSON near its start
    return StartsWithChar(text, '{') && text.substr(0, 4096).find("\"CityJSON") != std::string::npos;
}

bool ReadCityJson(const std::string& text, const std::string& sourceName, const ReadOptions& options, Json& doc,
                  Report& report, std::string& error) {
    CityModelWriter writer;
    writer.options = &options;
    std::istringstream lines(text);
    std::string line;
    // A sequence: the first line is the CityJSON header, every further line one CityJSONFeature.
    std::getline(lines, line);
    Json first;
    bool sequence = false;
    try {
        first = Json::parse(line);
        // a header line whose city objects come in the lines that follow
        const bool emptyObjects = !first.contains("CityObjects") || first["CityObjects"].empty();
        sequence = first.is_object() && first.value("type", "") == "CityJSON" && emptyObjects &&
                   text.find_first_not_of(" \t\r\n", line.size()) != std::string::npos;
    } catch (const nlohmann::json::exception&) {
        sequence = false;  // not one object on its first line: a whole document
    }
    try {
        if (!sequence) {
            const Json city = Json::parse(text);
            if (!city.is_object() || city.value("type", "") != "CityJSON" || !city.contains("CityObjects"))
                throw std::runtime_error("not a CityJSON document (no \"CityObjects\")");
            VertexTable t;
            t.vertices = city.contains("vertices") ? &city["vertices"] : nullptr;
            ReadTransform(city, t);
            writer.crs = Crs(city);
            TakeCityObjects(city["CityObjects"], t, writer, report);
        } else {
            writer.crs = Crs(first);
            VertexTable header;
            ReadTransform(first, header);
            int lineNo = 1;
            while (std::getline(lines, line)) {
                ++lineNo;
                if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
                Json feature;
                try {
                    feature = Json::parse(line);
                } catch (const nlohmann::json::exception& e) {
                    error = sourceName + ": line " + std::to_string(lineNo) + ": not valid JSON (" + e.what() + ")";
                    return false;
                }
                VertexTable t = header;
                t.vertices = feature.contains("vertices") ? &feature["vertices"] : nullptr;
                if (feature.contains("CityObjects")) TakeCityObjects(feature["CityObjects"], t, writer, report);
            }
        }
    } catch (const std::exception& e) {
        error = sourceName + ": " + e.what();
        return false;
    }
    doc = CityModelDoc(writer, report);
    return true;
}

}  // namespace import
