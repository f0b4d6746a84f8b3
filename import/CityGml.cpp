// Purpose: the CityGML reader (1.0, 2.0, 3.0): the file is taken one cityObjectMember at a time
// (each parsed on its own with pugixml, so memory holds one building at a time); every Building
// and BuildingPart gives its RoofSurface polygons (holes kept) and WallSurface polygons.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include <pugixml.hpp>

#include "import/CityModel.h"

namespace import {
namespace {

// An element's name without its namespace prefix.
const char* LocalName(const pugi::xml_node& n) {
    const char* name = n.name();
    const char* colon = std::strrchr(name, ':');
    return colon != nullptr ? colon + 1 : name;
}

bool Is(const pugi::xml_node& n, const char* local) { return std::strcmp(LocalName(n), local) == 0; }

// The numbers of a text.
std::vector<double> Numbers(const char* text) {
    std::vector<double> out;
    char* end = nullptr;
    for (const char* p = text;; p = end) {
        const double v = std::strtod(p, &end);
        if (end == p) break;
        out.push_back(v);
    }
    return out;
}

// A LinearRing's points (posList, or one pos per point), the closing repeat dropped.
Ring RingPoints(const pugi::xml_node& ring) {
    std::vector<double> xyz;
    for (pugi::xml_node c : ring.children()) {
        if (Is(c, "posList") || Is(c, "pos") || Is(c, "coordinates")) {
            std::string text = c.child_value();
            if (Is(c, "coordinates"))  // GML 2 style "x,y,z x,y,z"
                for (char& ch : text)
                    if (ch == ',') ch = ' ';
            const std::vector<double> v = Numbers(text.c_str());
            xyz.insert(xyz.end(), v.begin(), v.end());
        }
    }
    Ring r;
    for (size_t k = 0; k + 2 < xyz.size(); k += 3) r.push_back({xyz[k], xyz[k + 1], xyz[k + 2]});
    // the closing repeat of the first point
    if (r.size() > 1 && r.front().x == r.back().x && r.front().y == r.back().y && r.front().z == r.back().z) r.pop_back();
    return r;
}

// Every Polygon under a node as a face: its exterior ring outer, its interior rings holes.
void Polygons(const pugi::xml_node& node, std::vector<Face>& faces) {
    for (pugi::xml_node c : node.children()) {
        if (c.type() != pugi::node_element) continue;
        if (Is(c, "Polygon")) {
            Face f;
            for (pugi::xml_node part : c.children()) {
                pugi::xml_node ring = part.first_child();
                while (ring && !Is(ring, "LinearRing")) ring = ring.next_sibling();
                if (!ring) continue;
                if (Is(part, "exterior") || Is(part, "outerBoundaryIs")) f.outer = RingPoints(ring);
                else if (Is(part, "interior") || Is(part, "innerBoundaryIs")) f.holes.push_back(RingPoints(ring));
            }
            if (f.outer.size() >= 3) faces.push_back(f);
        } else {
            Polygons(c, faces);
        }
    }
}

// Collects the roof and wall surfaces under `node`, leaving out nested building parts (they are
// buildings of their own), and gives those parts to `parts`.
void Surfaces(const pugi::xml_node& node, CityBuilding& b, std::vector<pugi::xml_node>& parts) {
    for (pugi::xml_node c : node.children()) {
        if (c.type() != pugi::node_element) continue;
        if (Is(c, "BuildingPart")) {
            parts.push_back(c);
        } else if (Is(c, "RoofSurface")) {
            std::vector<Face> faces;
            Polygons(c, faces);
            for (Face& f : faces) {
                f.source = int(b.roofs.size() + 1);
                b.roofs.push_back(f);
            }
        } else if (Is(c, "WallSurface")) {
            std::vector<Face> faces;
            Polygons(c, faces);
            for (const Face& f : faces) b.walls.push_back(f.outer);
        } else {
            Surfaces(c, b, parts);
        }
    }
}

// A building element and its parts, each as a building of the model.
void TakeBuilding(const pugi::xml_node& building, CityModelWriter& writer, Report& report) {
    CityBuilding b;
    b.id = building.attribute("gml:id").as_string();
    if (b.id.empty()) b.id = "BUILDING-" + std::to_string(writer.seen + 1);
    std::vector<pugi::xml_node> parts;
    Surfaces(building, b, parts);
    // a building made only of parts has no surfaces of its own: no note for it
    if (!b.roofs.empty() || parts.empty()) AddCityBuilding(writer, std::move(b), report);
    for (const pugi::xml_node& p : parts) TakeBuilding(p, writer, report);
}

// The members of the file, one at a time: the text from "<...cityObjectMember" to its end tag.
// False at the end of the file.
bool NextMember(const std::string& text, size_t& at, size_t& begin, size_t& end) {
    for (;;) {
        begin = text.find("cityObjectMember", at);
        if (begin == std::string::npos) return false;
        // the tag's start: "<" then an optional prefix
        size_t lt = text.rfind('<', begin);
        if (lt == std::string::npos || text[lt + 1] == '/' || text.find_first_of(" \t\r\n>", lt) < begin) {
            at = begin + 1;
            continue;
        }
        const std::string name = text.substr(lt + 1, begin + std::strlen("cityObjectMember") - lt - 1);
        const size_t close = text.find("</" + name + ">", begin);
        if (close == std::string::npos) return false;
        begin = lt;
        end = close + name.size() + 3;
        at = end;
        return true;
    }
}

// The namespace declarations of the root element, so a member parses with its prefixes.
std::string RootNamespaces(const std::string& text) {
    const size_t root = text.find("CityModel");
    if (root == std::string::npos) return "";
    const size_t close = text.find('>', root);
    std::string decls;
    std::istringstream in(text.substr(root, close - root));
    std::string word;
    while (in >> word)
        if (word.rfind("xmlns", 0) == 0) decls += " " + word;
    return decls;
}

// The srsName of the file's envelope, when it names one.
std::string SrsName(const std::string& text) {
    const size_t at = text.find("srsName=\"");
    if (at == std::string::npos || at > text.find("cityObjectMember")) return "";
    const size_t start = at + 9, stop = text.find('"', start);
    return text.substr(start, stop - start);
}

}  // namespace

bool SniffCityGml(const std::string& sourceName, const std::string& text) {
    // an XML text whose root is a CityModel, or a file named .gml
    const bool xml = StartsWithChar(text, '<');
    const bool gmlName = sourceName.size() > 4 && sourceName.compare(sourceName.size() - 4, 4, ".gml") == 0;
    return xml && (gmlName || text.substr(0, 8192).find("CityModel") != std::string::npos);
}

bool ReadCityGml(const std::string& text, const std::string& sourceName, const ReadOptions& options, Json& doc,
                 Report& report, std::string& error) {
    if (text.find("CityModel") == std::string::npos) {
        error = sourceName + ": not a CityGML file (no CityModel)";
        return false;
    }
    CityModelWriter writer;
    writer.options = &options;
    writer.crs = SrsName(text);
    const std::string namespaces = RootNamespaces(text);
    size_t at = 0, begin = 0, end = 0;
    while (NextMember(text, at, begin, end)) {
        // The member parsed on its own, wrapped in an element that declares the file's prefixes.
        const std::string chunk = "<m" + namespaces + ">" + text.substr(begin, end - begin) + "</m>";
        pugi::xml_document member;
        const pugi::xml_parse_result ok = member.load_buffer(chunk.data(), chunk.size());
        if (!ok) {
            const size_t line = size_t(std::count(text.begin(), text.begin() + long(begin), '\n')) + 1;
            error = sourceName + ": the city object starting on line " + std::to_string(line) + " is not valid XML (" +
                    ok.description() + ")";
            return false;
        }
        for (pugi::xml_node m : member.first_child().children())
            for (pugi::xml_node o : m.children())
                if (o.type() == pugi::node_element && Is(o, "Building")) TakeBuilding(o, writer, report);
    }
    doc = CityModelDoc(writer, report);
    return true;
}

}  // namespace import
