// Purpose: model files written: the host's project streamed out as JSON, one element a line, with
// placed objects holding only the parameters that differ from their library part's defaults (the
// defaults written once per part); every value checked on the way, so that a save never writes a
// file that the loader refuses; the old file replaced only once the new one is complete.
#include "host/ModelFile.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <map>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include <sys/stat.h>
#include <unistd.h>

#include "host/ElementDatabase.h"
#include "host/Libraries.h"
#include "host/ParamLists.h"

namespace host {
namespace {

// The write buffer is handed to the file whenever it holds this much.
constexpr size_t kFlushBytes = size_t(1) << 20;
// A parameter name has at most this many bytes (the API's name field keeps one for the end).
constexpr size_t kMaxParamNameBytes = size_t(API_NameLen) - 1;
// Pens run from 1 to this.
constexpr int kMaxPen = 255;
// Layers are numbered from 1 to this.
constexpr int kMaxLayerIndex = 32767;
// Length of a library part's main identifier "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
constexpr size_t kMainIdLength = 38;
// Largest number of arc segments a wall may give.
constexpr int32_t kMaxWallArcs = 1000000;


// Where the text goes: a string, or a file through a buffer; and the first reason to refuse.
struct Writer {
    std::string text;
    FILE* file = nullptr;
    bool writeFailed = false;
    std::string refusal;  // empty while everything written can be loaded again

    // Hands the buffer to the file.
    void Flush() {
        if (file == nullptr || text.empty()) return;
        if (std::fwrite(text.data(), 1, text.size(), file) != text.size()) writeFailed = true;
        text.clear();
    }
    void Put(std::string_view s) {
        text.append(s);
        if (file != nullptr && text.size() >= kFlushBytes) Flush();
    }
    // Notes why the model cannot be saved (the first reason is kept).
    void Refuse(const std::string& where, const std::string& what) {
        if (refusal.empty()) refusal = where + ": " + what;
    }
};

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// True when the text is well-formed UTF-8 (the loader refuses anything else).
bool IsUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t extra = 0;
        uint32_t code = 0;
        if (c < 0x80) extra = 0, code = c;
        else if ((c & 0xE0) == 0xC0) extra = 1, code = c & 0x1F;
        else if ((c & 0xF0) == 0xE0) extra = 2, code = c & 0x0F;
        else if ((c & 0xF8) == 0xF0) extra = 3, code = c & 0x07;
        else return false;
        if (i + extra >= s.size() && extra > 0) return false;
        for (size_t k = 1; k <= extra; ++k) {
            const unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            code = (code << 6) | (cc & 0x3F);
        }
        static const uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        // overlong forms, surrogates and code points past Unicode's end are not UTF-8
        if (code < kLeast[extra] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
        i += extra + 1;
    }
    return true;
}

// A JSON text value; refused when it is not UTF-8.
void Text(Writer& w, const std::string& s, const std::string& where) {
    if (!IsUtf8(s)) w.Refuse(where, "the text is not valid UTF-8");
    w.Put("\"");
    size_t plain = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        w.Put(std::string_view(s).substr(plain, i - plain));
        if (c == '"') w.Put("\\\"");
        else if (c == '\\') w.Put("\\\\");
        else if (c == '\n') w.Put("\\n");
        else if (c == '\t') w.Put("\\t");
        else if (c == '\r') w.Put("\\r");
        else {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", unsigned(c));
            w.Put(esc);
        }
        plain = i + 1;
    }
    w.Put(std::string_view(s).substr(plain));
    w.Put("\"");
}

// The place of a refusal: `at`, and the key when there is one (built only when refusing).
std::string Place(const std::string& at, const char* key) { return key != nullptr ? at + " key " + Quoted(key) : at; }

// A number, in the shortest form that reads back to the same bits; refused when not finite.
void Number(Writer& w, double v, const std::string& at, const char* key = nullptr) {
    if (!std::isfinite(v)) {
        w.Refuse(Place(at, key), "the number is not finite");
        v = 0;
    }
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    std::string_view s(buffer, size_t(result.ptr - buffer));
    w.Put(s);
    // a whole number keeps its decimal point, so that it reads back as a real number
    if (s.find_first_of(".e") == std::string_view::npos) w.Put(".0");
}

// A point coordinate: finite and within the distance from the origin that the loader accepts.
void Coordinate(Writer& w, double v, const std::string& at, const char* key = nullptr) {
    if (std::isfinite(v) && std::fabs(v) > kModelCoordinateLimit)
        w.Refuse(Place(at, key), "a point lies too far from the origin (more than 1000 km)");
    Number(w, v, at, key);
}

void Integer(Writer& w, int64_t v) { w.Put(std::to_string(v)); }
void Bool(Writer& w, bool v) { w.Put(v ? "true" : "false"); }

// Starts a key of an object: `"key":` after a comma unless it is the first.
void Key(Writer& w, const char* key, bool first = false) {
    w.Put(first ? "\"" : ",\"");
    w.Put(key);
    w.Put("\":");
}

// True when two numbers have the same bits (0.0 and -0.0 differ), so that leaving out a value
// equal to the loader's default loses nothing.
bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A number key, left out when the loader's default gives the same value.
void NumberKey(Writer& w, const char* key, double v, double loaderDefault, const std::string& at) {
    if (SameBits(v, loaderDefault)) return;
    Key(w, key);
    Number(w, v, at, key);
}

// A true-or-false key, left out when it is false (the loader's default).
void BoolKey(Writer& w, const char* key, bool v) {
    if (!v) return;
    Key(w, key);
    Bool(w, v);
}

// A whole-number key, left out when it equals the loader's default.
void IntegerKey(Writer& w, const char* key, int64_t v, int64_t loaderDefault) {
    if (v == loaderDefault) return;
    Key(w, key);
    Integer(w, v);
}

// A JSON array of `count` items, item i written by `item(i)`, the items apart by `separator`.
template <typename WriteItem>
void Array(Writer& w, size_t count, const WriteItem& item, const char* separator = ",") {
    w.Put("[");
    for (size_t i = 0; i < count; ++i) {
        if (i) w.Put(separator);
        item(i);
    }
    w.Put("]");
}

// A point of 2 or 3 coordinates, each within the loader's coordinate limit.
void Point(Writer& w, std::initializer_list<double> coords, const std::string& at, const char* key = nullptr) {
    Array(w, coords.size(), [&](size_t i) { Coordinate(w, coords.begin()[i], at, key); });
}

// A ring of 3D points, at least 3 of them.
void Ring3(Writer& w, const host::Ring3& ring, const std::string& where) {
    if (ring.size() < 3) w.Refuse(where, "a ring needs at least 3 points");
    Array(w, ring.size(), [&](size_t i) { Point(w, {ring[i].x, ring[i].y, ring[i].z}, where); });
}

// A closed plan polygon of at least 3 different points.
void Polygon(Writer& w, const std::vector<API_Coord>& polygon, const std::string& where) {
    size_t distinct = 0;
    for (size_t i = 0; i < polygon.size(); ++i)
        distinct += i == 0 || polygon[i].x != polygon[i - 1].x || polygon[i].y != polygon[i - 1].y ? 1 : 0;
    if (distinct < 4) w.Refuse(where, "a polygon needs at least 3 different points");
    Array(w, polygon.size(), [&](size_t i) { Point(w, {polygon[i].x, polygon[i].y}, where); });
}

// True when two parameters are the same to the last bit (name, type, flags, dimensions, values).
bool SameParam(const ParamValue& a, const ParamValue& b) {
    if (a.name != b.name || a.type != b.type || a.isArray != b.isArray || a.flags != b.flags || a.dim1 != b.dim1 ||
        a.dim2 != b.dim2 || a.numbers.size() != b.numbers.size() || a.texts != b.texts)
        return false;
    return a.numbers.empty() || std::memcmp(a.numbers.data(), b.numbers.data(), a.numbers.size() * sizeof(double)) == 0;
}

// Checks that the loader takes a parameter back: its name, finite values, an array's cells.
// `where` names the parameter's place; the text is made only for a refusal.
template <typename Where>
void CheckParam(Writer& w, const ParamValue& p, const Where& where) {
    if (p.name.empty() || p.name.size() > kMaxParamNameBytes)
        w.Refuse(where(), "a parameter name has 1 to " + std::to_string(kMaxParamNameBytes) + " bytes");
    for (double v : p.numbers)
        if (!std::isfinite(v)) w.Refuse(where() + " (" + Quoted(p.name) + ")", "a value is not finite");
    const size_t cells = p.isArray ? size_t(std::max(p.dim1, 0)) * size_t(std::max(p.dim2, 0)) : 1;
    const size_t given = IsTextParam(p) ? p.texts.size() : p.numbers.size();
    // an array gives rows x columns values; a simple value one (or none, read as 0 or "")
    if (p.isArray ? (p.dim1 < 0 || p.dim2 < 0 || given != cells) : given > 1)
        w.Refuse(where() + " (" + Quoted(p.name) + ")",
                 "the values do not fill its " + std::to_string(p.dim1) + " x " + std::to_string(p.dim2) + " cells");
}

// One parameter in the library parts' form, after checking that the loader takes it back.
void Param(Writer& w, const ParamValue& p, const std::string& where) {
    const std::string at = where + " (" + Quoted(p.name) + ")";
    CheckParam(w, p, [&] { return where; });
    try {
        const nlohmann::json j = ParamToJson(p);
        if (!j.contains("type")) w.Refuse(at, "the parameter has no known type");
        w.Put(j.dump());
    } catch (const nlohmann::json::exception&) {  // a text that is not UTF-8
        w.Refuse(at, "a text is not valid UTF-8");
    }
}

// The value of one parameter alone (parameter `number` of the element at `at`), after checking
// that the loader takes it back.
void ParamValueOnly(Writer& w, const ParamValue& p, const std::string& at, size_t number) {
    CheckParam(w, p, [&] { return at + " parameter " + std::to_string(number); });
    if (IsTextParam(p)) {
        if (!p.isArray) return Text(w, p.texts.empty() ? std::string() : Utf16ToUtf8(p.texts[0]), at);
        return Array(w, p.texts.size(), [&](size_t k) { Text(w, Utf16ToUtf8(p.texts[k]), at); });
    }
    if (!p.isArray) return Number(w, p.numbers.empty() ? 0.0 : p.numbers[0], at);
    Array(w, p.numbers.size(), [&](size_t k) { Number(w, p.numbers[k], at); });
}

// A list of parameters, each name once.
void ParamList(Writer& w, const std::vector<ParamValue>& params, const std::string& where) {
    std::unordered_set<std::string> names;
    Array(w, params.size(), [&](size_t i) {
        const std::string at = where + " parameter " + std::to_string(i + 1);
        if (!names.insert(params[i].name).second) w.Refuse(at, "parameter " + Quoted(params[i].name) + " is given twice");
        Param(w, params[i], at);
    });
}

// The parameter defaults of the library part a placed object names, when the object's list has
// the part's layout (the part's parameters in its order, then perhaps parameters of its own);
// null otherwise (the object then keeps its whole list in the file).
const LibPart* DefaultsFor(const Element& object) {
    const LibPart* part = LibPartByIndex(SearchLibPart(object.libPartUnId));
    // the same revision of the part, with parameters to compare with
    if (part == nullptr || part->unId != object.libPartUnId || part->params.empty()) return nullptr;
    if (object.params.size() < part->params.size()) return nullptr;
    for (size_t i = 0; i < part->params.size(); ++i)
        if (object.params[i].name != part->params[i].name) return nullptr;
    return part;
}

const char* TypeName(API_ElemTypeID t) {
    switch (t) {
        case API_RoofID: return "roof";
        case API_WallID: return "wall";
        case API_HatchID: return "fill";
        case API_ObjectID: return "object";
        case API_HotspotID: return "hotspot";
        default: return "";
    }
}

const char* StructureName(API_RoofStructure s) {
    switch (s) {
        case API_CompositeStructure: return "composite";
        case API_ProfileStructure: return "profile";
        default: return "basic";
    }
}

// The attribute indices of one list, for checking references to them.
template <typename Attr>
std::unordered_set<int64_t> IndexSet(const std::vector<Attr>& list) {
    std::unordered_set<int64_t> out;
    for (const Attr& a : list) out.insert(int64_t(a.index));
    return out;
}

// What the element writer needs to know of the whole model.
struct ModelFacts {
    std::unordered_set<int64_t> stories, layers, materials, buildingMaterials, composites;
    std::map<std::string, const LibPart*> partsUsed;  // parts whose defaults the file holds
    // What the loader gives an element that leaves the key out.
    int64_t defaultLayer = 0, defaultStory = 0, defaultBuildingMaterial = 0, defaultComposite = 0;
};

// The loader's defaults of a roof, a wall and a placed object, for keys left out.
constexpr double kDefaultRoofThickness = 0.3;
constexpr double kDefaultWallHeight = 3.0;
constexpr double kDefaultObjectRatio = 1.0;
constexpr int kDefaultPen = 1;

// A point key of 2 or 3 coordinates, left out when every coordinate is the default +0.0.
void PointKey(Writer& w, const char* key, std::initializer_list<double> coords, const std::string& at) {
    bool zero = true;
    for (double c : coords) zero = zero && SameBits(c, 0.0);
    if (zero) return;
    Key(w, key);
    Point(w, coords, at, key);
}

// A pen key: 1 to 255, left out when it is the default 1.
void PenKey(Writer& w, int16_t pen, const std::string& at) {
    if (pen < 1 || pen > kMaxPen) w.Refuse(at + " key \"pen\"", "a pen is 1 to " + std::to_string(kMaxPen));
    IntegerKey(w, "pen", pen, kDefaultPen);
}

// A roof's keys after the common ones.
void RoofKeys(Writer& w, const Element& e, const ModelFacts& facts, const std::string& at) {
    const API_RoofType& r = e.rec.roof;
    if (!(r.thickness > 0)) w.Refuse(at + " key \"thickness\"", "must be a positive number");
    NumberKey(w, "thickness", r.thickness, kDefaultRoofThickness, at);
    if (r.modelElemStructureType != API_BasicStructure) {
        Key(w, "structure");
        w.Put(Quoted(StructureName(r.modelElemStructureType)));
    }
    const bool composite = r.modelElemStructureType == API_CompositeStructure;
    if (!composite && facts.buildingMaterials.count(r.buildingMaterial) == 0)
        w.Refuse(at + " key \"buildingMaterial\"", "no building material " + std::to_string(r.buildingMaterial));
    if (composite && facts.composites.count(r.composite) == 0)
        w.Refuse(at + " key \"composite\"", "no composite " + std::to_string(r.composite));
    if (r.buildingMaterial < 0 || r.composite < 0) w.Refuse(at, "an attribute index cannot be negative");
    IntegerKey(w, "buildingMaterial", r.buildingMaterial, facts.defaultBuildingMaterial);
    IntegerKey(w, "composite", r.composite, facts.defaultComposite);
    const struct {
        const char* onKey;
        bool on;
        const char* key;
        int32_t material;
    } overrides[] = {{"topOverride", r.overrideTopMaterial, "topMaterial", r.topMat},
                     {"sideOverride", r.overrideSideMaterial, "sideMaterial", r.sideMat},
                     {"bottomOverride", r.overrideBotMaterial, "bottomMaterial", r.botMat}};
    for (const auto& o : overrides) {
        // an override that is on must name a material of the project
        if (o.on && facts.materials.count(o.material) == 0)
            w.Refuse(at + " key " + Quoted(o.key), "no material " + std::to_string(o.material) + " for an override that is on");
        if (o.material < 0) w.Refuse(at + " key " + Quoted(o.key), "a material index cannot be negative");
        BoolKey(w, o.onKey, o.on);
        IntegerKey(w, o.key, o.material, 0);
    }
    BoolKey(w, "materialsChained", r.materialsChained);
    if (e.roofPlanes.empty()) w.Refuse(at + " key \"planes\"", "a roof needs at least one plane");
    Key(w, "planes");
    w.Put("[");
    for (size_t p = 0; p < e.roofPlanes.size(); ++p) {
        const std::string plane = at + " plane " + std::to_string(p + 1);
        w.Put(p ? ",{\"outer\":" : "{\"outer\":");
        Ring3(w, e.roofPlanes[p].outer, plane + " key \"outer\"");
        if (!e.roofPlanes[p].holes.empty()) {
            w.Put(",\"holes\":");
            Array(w, e.roofPlanes[p].holes.size(), [&](size_t h) {
                Ring3(w, e.roofPlanes[p].holes[h], plane + " hole " + std::to_string(h + 1));
            });
        }
        w.Put("}");
    }
    w.Put("]");
}

// A placed object's keys after the common ones; its parameters as changes from its part's
// defaults when the part is at hand, else all of them.
void ObjectKeys(Writer& w, const Element& e, ModelFacts& facts, const std::string& at) {
    const API_ObjectType& o = e.rec.object;
    if (e.libPartUnId.size() < kMainIdLength || e.libPartUnId.front() != '{')
        w.Refuse(at + " key \"libPart\"", "no library part unique identifier \"{main}-{revision}\"");
    Key(w, "libPart");
    Text(w, e.libPartUnId, at + " key \"libPart\"");
    PointKey(w, "position", {o.pos.x, o.pos.y}, at);
    NumberKey(w, "angle", o.angle, 0.0, at);
    NumberKey(w, "level", o.level, 0.0, at);
    NumberKey(w, "xRatio", o.xRatio, kDefaultObjectRatio, at);
    NumberKey(w, "yRatio", o.yRatio, kDefaultObjectRatio, at);
    BoolKey(w, "reflected", o.reflected);
    PenKey(w, o.pen, at);
    BoolKey(w, "useObjSectAttrs", o.useObjSectAttrs);
    const LibPart* part = DefaultsFor(e);
    if (part == nullptr) {
        if (e.params.empty()) return;
        Key(w, "params");
        ParamList(w, e.params, at);
        return;
    }
    facts.partsUsed.emplace(part->unId, part);
    // A parameter whose form is the default's gives its value alone; any other one is whole.
    std::vector<ParamValue> whole;
    bool firstValue = true;
    for (size_t i = 0; i < e.params.size(); ++i) {
        const ParamValue& p = e.params[i];
        if (i < part->params.size() && SameParam(p, part->params[i])) continue;
        const ParamValue* d = i < part->params.size() ? &part->params[i] : nullptr;
        // the same name, type, flags and dimensions as the default: only the value differs
        const bool sameForm = d != nullptr && d->name == p.name && d->type == p.type && d->flags == p.flags &&
                              d->isArray == p.isArray && d->dim1 == p.dim1 && d->dim2 == p.dim2;
        if (!sameForm) {
            whole.push_back(p);
            continue;
        }
        w.Put(firstValue ? ",\"paramValues\":{" : ",");
        firstValue = false;
        Text(w, p.name, at);
        w.Put(":");
        ParamValueOnly(w, p, at, i + 1);
    }
    // an object with every default still says so, or it would load with no parameters
    if (firstValue && whole.empty()) w.Put(",\"paramValues\":{");
    if (!firstValue || whole.empty()) w.Put("}");
    if (!whole.empty()) {
        Key(w, "changedParams");
        ParamList(w, whole, at);
    }
    // the whole list is checked, defaults included, as the loader will hold it
    std::unordered_set<std::string> names;
    for (const ParamValue& p : e.params)
        if (!names.insert(p.name).second) w.Refuse(at, "parameter " + Quoted(p.name) + " is given twice");
}

// One element on a line of its own; keys whose value the loader's default gives are left out.
void ElementLine(Writer& w, const Element& e, size_t number, ModelFacts& facts) {
    const API_Elem_Head& head = e.rec.header;
    std::string at = "element " + std::to_string(number);
    if (!e.elementId.empty()) at += " (" + Quoted(e.elementId) + ")";
    if (*TypeName(head.typeID) == 0) w.Refuse(at, "an element of a type model files do not hold");
    if (IsNullGuid(head.guid)) w.Refuse(at, "the element has no GUID");
    if (head.layer < 1 || head.layer > kMaxLayerIndex || facts.layers.count(head.layer) == 0)
        w.Refuse(at + " key \"layer\"", "no layer " + std::to_string(head.layer));
    if (facts.stories.count(head.floorInd) == 0) w.Refuse(at + " key \"story\"", "no story " + std::to_string(head.floorInd));
    w.Put("{");
    Key(w, "type", true);
    w.Put(Quoted(TypeName(head.typeID)));
    // An element without an element ID (edge setters an undo brought back after their palette
    // closed) is written without one; the loader names it as it names hand-written elements.
    if (!e.elementId.empty()) {
        Key(w, "id");
        Text(w, e.elementId, at + " key \"id\"");
    }
    Key(w, "guid");
    w.Put(Quoted(GuidToString(head.guid)));
    IntegerKey(w, "layer", head.layer, facts.defaultLayer);
    IntegerKey(w, "story", head.floorInd, facts.defaultStory);
    IntegerKey(w, "group", head.groupId, 0);
    if (head.typeID == API_RoofID) {
        RoofKeys(w, e, facts, at);
    } else if (head.typeID == API_WallID) {
        Key(w, "footprint");
        Polygon(w, e.polygon, at + " key \"footprint\"");
        NumberKey(w, "bottomOffset", e.rec.wall.bottomOffset, 0.0, at);
        if (!(e.rec.wall.height > 0)) w.Refuse(at + " key \"height\"", "must be a positive number");
        NumberKey(w, "height", e.rec.wall.height, kDefaultWallHeight, at);
        if (e.rec.wall.polyArcCount < 0 || e.rec.wall.polyArcCount > kMaxWallArcs)
            w.Refuse(at + " key \"arcs\"", "must be between 0 and " + std::to_string(kMaxWallArcs));
        IntegerKey(w, "arcs", e.rec.wall.polyArcCount, 0);
    } else if (head.typeID == API_HatchID) {
        Key(w, "polygon");
        Polygon(w, e.polygon, at + " key \"polygon\"");
    } else if (head.typeID == API_ObjectID) {
        ObjectKeys(w, e, facts, at);
    } else if (head.typeID == API_HotspotID) {
        const API_Coord3D& p = e.rec.hotspot.pos;
        PointKey(w, "position", {p.x, p.y, p.z}, at);
        PenKey(w, e.rec.hotspot.pen, at);
    }
    w.Put("}");
}

// An attribute list, one entry a line: unique indices from 1 up, unique names.
template <typename Attr, typename Rest>
void AttributeList(Writer& w, const char* key, const std::vector<Attr>& list, int64_t highest, Rest rest) {
    std::set<int64_t> indices;
    std::set<std::string> names;
    w.Put(",\n\"");
    w.Put(key);
    w.Put("\": [");
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string at = std::string("key ") + Quoted(key) + " entry " + std::to_string(i + 1);
        const Attr& a = list[i];
        if (a.index < 1 || a.index > highest) w.Refuse(at, "an index runs from 1 to " + std::to_string(highest));
        if (!indices.insert(a.index).second) w.Refuse(at, "index " + std::to_string(a.index) + " is used twice");
        if (!names.insert(a.name).second) w.Refuse(at, "name " + Quoted(a.name) + " is used twice");
        w.Put(i ? ",\n{" : "\n{");
        Key(w, "index", true);
        Integer(w, a.index);
        Key(w, "name");
        Text(w, a.name, at + " key \"name\"");
        rest(a, at);
        w.Put("}");
    }
    w.Put(list.empty() ? "]" : "\n]");
}

// The whole model; false with the first reason when something in it would not load again.
bool WriteModel(Writer& w, const Model& model) {
    ModelFacts facts;
    facts.stories = IndexSet(model.stories);
    facts.layers = IndexSet(model.layers);
    facts.materials = IndexSet(model.materials);
    facts.buildingMaterials = IndexSet(model.buildingMaterials);
    facts.composites = IndexSet(model.composites);
    facts.defaultLayer = model.layers.empty() ? 0 : model.layers.front().index;
    facts.defaultStory = model.currentStory;
    facts.defaultBuildingMaterial = model.buildingMaterials.empty() ? 0 : model.buildingMaterials.front().index;
    facts.defaultComposite = model.composites.empty() ? 0 : model.composites.front().index;
    w.Put("{\"format\": \"tevaro-model\",\n\"version\": ");
    Integer(w, kModelFormatVersion);
    if (model.stories.empty()) w.Refuse("key \"stories\"", "a model has at least one story");
    if (facts.stories.size() != model.stories.size()) w.Refuse("key \"stories\"", "a story index is used twice");
    w.Put(",\n\"stories\": [");
    for (size_t i = 0; i < model.stories.size(); ++i) {
        const Story& s = model.stories[i];
        const std::string at = "key \"stories\" entry " + std::to_string(i + 1);
        w.Put(i ? ",\n{" : "\n{");
        Key(w, "index", true);
        Integer(w, s.index);
        Key(w, "level");
        Number(w, s.level, at, "level");
        Key(w, "name");
        Text(w, s.name, at + " key \"name\"");
        w.Put("}");
    }
    w.Put("\n],\n\"currentStory\": ");
    if (facts.stories.count(model.currentStory) == 0)
        w.Refuse("key \"currentStory\"", "no story " + std::to_string(model.currentStory));
    Integer(w, model.currentStory);
    auto noRest = [](const auto&, const std::string&) {};
    if (model.materials.empty()) w.Refuse("key \"materials\"", "a model has at least one material");
    AttributeList(w, "materials", model.materials, INT32_MAX, noRest);
    if (model.buildingMaterials.empty()) w.Refuse("key \"buildingMaterials\"", "a model has at least one building material");
    AttributeList(w, "buildingMaterials", model.buildingMaterials, INT32_MAX, [&](const BuildingMaterial& b, const std::string& at) {
        if (facts.materials.count(b.surfaceMaterial) == 0)
            w.Refuse(at + " key \"surfaceMaterial\"", "no material " + std::to_string(b.surfaceMaterial));
        Key(w, "surfaceMaterial");
        Integer(w, b.surfaceMaterial);
    });
    AttributeList(w, "composites", model.composites, INT32_MAX, [&](const Composite& c, const std::string& at) {
        if (c.skins.empty()) w.Refuse(at + " key \"skins\"", "a composite has at least one skin");
        Key(w, "skins");
        Array(
            w, c.skins.size(),
            [&](size_t k) {
                if (facts.buildingMaterials.count(c.skins[k]) == 0)
                    w.Refuse(at + " skin " + std::to_string(k + 1), "no building material " + std::to_string(c.skins[k]));
                Integer(w, c.skins[k]);
            },
            ", ");
    });
    if (model.layers.empty()) w.Refuse("key \"layers\"", "a model has at least one layer");
    AttributeList(w, "layers", model.layers, kMaxLayerIndex, noRest);

    // Elements, one a line; GUIDs unique, element IDs unique among roofs, walls and fills.
    std::unordered_set<API_Guid, GuidHash> guids;
    std::unordered_set<std::string> drawnIds;
    uint32_t highestGroup = 0;
    w.Put(",\n\"elements\": [");
    for (size_t i = 0; i < model.elements.size(); ++i) {
        const Element& e = model.elements[i];
        const API_ElemTypeID t = e.rec.header.typeID;
        const std::string at = "element " + std::to_string(i + 1);
        if (!guids.insert(e.rec.header.guid).second) w.Refuse(at, "GUID " + GuidToString(e.rec.header.guid) + " is used twice");
        const bool drawn = t == API_RoofID || t == API_WallID || t == API_HatchID;
        if (drawn && !e.elementId.empty() && !drawnIds.insert(e.elementId).second)
            w.Refuse(at + " (" + Quoted(e.elementId) + ")", "element ID " + Quoted(e.elementId) + " is used twice");
        highestGroup = std::max(highestGroup, e.rec.header.groupId);
        w.Put(i ? ",\n" : "\n");
        ElementLine(w, e, i + 1, facts);
        if (!w.refusal.empty()) return false;  // no use writing on
    }
    w.Put(model.elements.empty() ? "]" : "\n]");

    // The defaults of the parts whose objects hold only their changes.
    if (!facts.partsUsed.empty()) {
        w.Put(",\n\"libParts\": [");
        bool first = true;
        for (const auto& [unId, part] : facts.partsUsed) {
            w.Put(first ? "\n{" : ",\n{");
            first = false;
            Key(w, "unId", true);
            Text(w, unId, "key \"libParts\"");
            Key(w, "params");
            ParamList(w, part->params, "key \"libParts\" part " + Quoted(unId));
            w.Put("}");
        }
        w.Put("\n]");
    }

    // Selection: by element ID when the ID names that element alone, by GUID otherwise; an entry
    // that names no element of the model any more is left out.
    std::unordered_map<std::string, int> idCount;
    std::unordered_map<API_Guid, const Element*, GuidHash> byGuid;
    for (const Element& e : model.elements) {
        ++idCount[e.elementId];
        byGuid.emplace(e.rec.header.guid, &e);
    }
    w.Put(",\n\"selection\": [");
    bool firstSelected = true;
    std::unordered_set<API_Guid, GuidHash> selected;
    for (const API_Guid& g : model.selection) {
        auto found = byGuid.find(g);
        if (found == byGuid.end() || !selected.insert(g).second) continue;
        if (!firstSelected) w.Put(", ");
        firstSelected = false;
        const std::string& id = found->second->elementId;
        if (!id.empty() && idCount[id] == 1) Text(w, id, "key \"selection\"");
        else w.Put(Quoted(GuidToString(g)));
    }
    w.Put("],\n\"groupsSuspended\": ");
    Bool(w, model.groupsSuspended);
    w.Put(",\n\"nextGroupId\": ");
    if (model.nextGroupId < highestGroup)
        w.Refuse("key \"nextGroupId\"", "must be at least the highest group number " + std::to_string(highestGroup));
    Integer(w, model.nextGroupId);
    // The geo-reference of an imported model, written only when it has one so other files stay as
    // they were. The shift is a national grid's size, not a point of the model: no coordinate limit.
    if (model.originShift.x != 0 || model.originShift.y != 0 || model.originShift.z != 0) {
        w.Put(",\n\"originShift\": [");
        Number(w, model.originShift.x, "key \"originShift\"");
        w.Put(", ");
        Number(w, model.originShift.y, "key \"originShift\"");
        w.Put(", ");
        Number(w, model.originShift.z, "key \"originShift\"");
        w.Put("]");
    }
    if (!model.crs.empty()) {
        w.Put(",\n\"crs\": ");
        Text(w, model.crs, "key \"crs\"");
    }
    if (model.northAngle != 0) {
        w.Put(",\n\"northAngle\": ");
        Number(w, model.northAngle, "key \"northAngle\"");
    }
    w.Put("\n}\n");
    return w.refusal.empty();
}

// A temporary file in the folder of `path` whose name no file had (a unique suffix); its name in
// `temp`, null when none can be made.
FILE* CreateTemporary(const std::string& path, std::string& temp) {
    std::string name = path + ".saving-XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) return nullptr;
    // mkstemp makes the file for its owner alone; a saved model gets the usual permissions
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        close(fd);
        std::remove(name.c_str());
        return nullptr;
    }
    temp = name;
    return file;
}

}  // namespace

std::vector<ParamValue> ChangedParams(const std::vector<ParamValue>& params, const std::vector<ParamValue>& defaults) {
    std::vector<ParamValue> changed;
    for (size_t i = 0; i < params.size(); ++i)
        if (i >= defaults.size() || !SameParam(params[i], defaults[i])) changed.push_back(params[i]);
    return changed;
}

std::vector<ParamValue> ParamsWithDefaults(const std::vector<ParamValue>& changed, const std::vector<ParamValue>& defaults) {
    std::vector<ParamValue> params = defaults;
    std::unordered_map<std::string, size_t> at;
    for (size_t i = 0; i < defaults.size(); ++i) at.emplace(defaults[i].name, i);
    for (const ParamValue& p : changed) {
        auto found = at.find(p.name);
        if (found != at.end()) params[found->second] = p;
        else params.push_back(p);
    }
    return params;
}

std::string ModelToText(const Model& model) {
    Writer w;
    WriteModel(w, model);
    return w.text;
}

bool CheckModelSaves(const Model& model, std::string& error) {
    Writer w;
    if (WriteModel(w, model)) return true;
    error = w.refusal;
    return false;
}

bool SaveModelFile(const std::string& path, const Model& model, std::string& error) {
    std::string temp;
    Writer w;
    w.file = CreateTemporary(path, temp);
    if (w.file == nullptr) {
        error = path + ": cannot write the file (no new file can be made in its folder: " + std::strerror(errno) + ")";
        return false;
    }
    const bool whole = WriteModel(w, model);
    w.Flush();
    const bool written = !w.writeFailed && std::fflush(w.file) == 0 && fsync(fileno(w.file)) == 0;
    const bool closed = std::fclose(w.file) == 0;
    if (!whole) {
        error = path + ": not saved, the file would not load again: " + w.refusal;
        std::remove(temp.c_str());
        return false;
    }
    if (!written || !closed) {
        error = path + ": writing failed (" + std::strerror(errno) + "); the old file is kept";
        std::remove(temp.c_str());
        return false;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        error = path + ": cannot replace the file (" + std::strerror(errno) + ")";
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace host
