// Purpose: the order list: the project's quantities with the catalogue's product and colour names,
// one line per product, and the plausibility warnings that go with it.
//
// The names come from the catalogue the add-on reads, loaded here with the add-on's own loader
// (the program links the add-on's static library); the object library's parts carry codes only.
#include "app/OrderList.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

#include "Common_src/AddOnEntry.h"
#include "app/EdgeFolds.h"
#include "app/ModelDistances.h"
#include "app/QuantitiesCsv.h"
#include "catalogue/Catalogue.h"
#include "host/AddOnLoader.h"
#include "host/Host.h"
#include "host/ParamLists.h"
#include "objectlib/ObjectLibScripts.h"
#include "objectlib/PartParams.h"

namespace app {
namespace {

constexpr double kPi = 3.14159265358979323846;
// The user-text table and its rows of the order list.
constexpr int16_t kTextTableResId = 140;
constexpr int32_t kTextStormClip = 201;
constexpr int32_t kTextCutTileClip = 202;
constexpr int32_t kTextLeftEdgeTile = 203;
constexpr int32_t kTextRightEdgeTile = 204;
constexpr int32_t kTextFlatPlane = 205;
constexpr int32_t kTextModelUnits = 206;
constexpr int32_t kTextTiledTwice = 229;
// Below this pitch (degrees) no tile type is laid when the catalogue gives no minimum of its own.
constexpr double kDefaultMinPitchDeg = 10;
// An element edge longer than this (metres) means the model was drawn in cm or mm.
constexpr double kLongestPlausibleEdge = 300;
// Two tile surfaces within kSamePlaceDistance and turned alike within this cover the same plane (radians).
constexpr double kSameAngleTol = 1e-4;
// The items measured on the roof that are no product to order.
const char* const kMeasuredOnly[] = {"eaves", "top edges", "verges", "ridges", "hips", "valleys", "slope breaks",
                                     "wall junctions", "hole edges", "other edges", "area", "ridge length",
                                     "hip length", "cut tiles", "waste tiles", "valley length"};

// Row `row` of the add-on's user-text table ("" when missing).
std::string UserText(int32_t row) {
    std::string text;
    if (!host::ResourceString(kTextTableResId, row, text)) text.clear();
    return text;
}

// A printf-style text with the given values.
template <typename... Values>
std::string Formatted(const std::string& format, Values... values) {
    char text[1024];
    std::snprintf(text, sizeof text, format.c_str(), values...);
    return text;
}

// A zero-terminated catalogue field as text.
template <size_t N>
std::string Field(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

// Loads the catalogue beside the loaded add-on into the program's copy of the add-on's tables.
void LoadAddOnCatalogue() {
    const std::string& addOn = host::gSession.ownLocation;
    const size_t slash = addOn.rfind('/');
    if (slash == std::string::npos) {
        ClearCatalogue();
        return;
    }
    host::InstallFunctionTable(SetImportedFuncAddrs);  // the loader reports through the host
    LoadCatalogueFile((addOn.substr(0, slash + 1) + "Tevaro.ini").c_str());
}

// The name of colour `code` in a colour list ("" when absent).
std::string ColourIn(const ColourEntry* colours, int count, const std::string& code) {
    for (int i = 0; i < count; ++i)
        if (Field(colours[i].code) == code) return Field(colours[i].name);
    return "";
}

// The name of colour `code` in any colour list of the catalogue: tile types first, then the
// valley, ridge and accessory types.
std::string AnyColour(const std::string& code) {
    if (code.empty()) return "";
    for (const TileFamily& fam : gCatalogue.families)
        for (int t = 0; t < fam.typeCount; ++t) {
            const std::string name = ColourIn(fam.types[t].colours, fam.types[t].colourCount, code);
            if (!name.empty()) return name;
        }
    const struct { const ColouredKind* kinds; int32_t count; } lists[] = {
        {gCatalogue.valleyTypes, gCatalogue.valleyTypeCount},
        {gCatalogue.ridgeTypes, gCatalogue.ridgeTypeCount},
        {gCatalogue.accessoryTypes, gCatalogue.accessoryTypeCount}};
    for (const auto& list : lists)
        for (int32_t k = 0; k < list.count; ++k) {
            const std::string name = ColourIn(list.kinds[k].colours, list.kinds[k].colourCount, code);
            if (!name.empty()) return name;
        }
    return "";
}

// The name of `code` in a list of name-code entries ("" when absent).
template <typename Entry>
std::string NameIn(const Entry* entries, int count, const std::string& code) {
    for (int i = 0; i < count; ++i)
        if (Field(entries[i].code) == code) return Field(entries[i].name);
    return "";
}

// The name of a product code that is no tile type: ridge tiles, snow guards and accessories of the
// tile types, then the valley and accessory types, foils, solar collectors and panels.
std::string OtherProductName(const std::string& code) {
    for (const TileFamily& fam : gCatalogue.families)
        for (int t = 0; t < fam.typeCount; ++t) {
            const TileType& type = fam.types[t];
            std::string name = NameIn(type.ridgeTiles, type.ridgeTileCount, code);
            if (name.empty()) name = NameIn(type.snowGuards, type.snowGuardCount, code);
            if (name.empty()) name = NameIn(type.accessories, type.accessoryCount, code);
            if (!name.empty()) return name;
        }
    const std::string lists[] = {NameIn(gCatalogue.valleyTypes, gCatalogue.valleyTypeCount, code),
                                 NameIn(gCatalogue.accessoryTypes, gCatalogue.accessoryTypeCount, code),
                                 NameIn(gCatalogue.foils, gCatalogue.foilCount, code),
                                 NameIn(gCatalogue.solarCollectors, gCatalogue.solarCollectorCount, code),
                                 NameIn(gCatalogue.solarPanels, gCatalogue.solarPanelCount, code)};
    for (const std::string& name : lists)
        if (!name.empty()) return name;
    return "";
}

// True when `text` ends with `tail`.
bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() > tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The element ID of the roof one of whose planes has a corner at plan point p ("" when none).
std::string RoofAt(const API_Coord& p) {
    for (const host::Element& e : host::gSession.model.elements) {
        if (e.rec.header.typeID != API_RoofID) continue;
        for (const host::RoofPlaneShape& plane : e.roofPlanes)
            for (const API_Coord3D& c : plane.outer)
                if (std::hypot(c.x - p.x, c.y - p.y) < kSamePlaceDistance) return e.elementId;
    }
    return "";
}

// The longest edge of an element's outlines in 3D (roof planes) or plan (walls, fills), and a
// wall's height.
double LongestEdge(const host::Element& e) {
    double longest = 0;
    for (const host::RoofPlaneShape& plane : e.roofPlanes)
        for (size_t i = 0; i < plane.outer.size(); ++i) {
            const API_Coord3D& a = plane.outer[i];
            const API_Coord3D& b = plane.outer[(i + 1) % plane.outer.size()];
            longest = std::max(longest, std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y) +
                                                  (b.z - a.z) * (b.z - a.z)));
        }
    for (size_t i = 0; i + 1 < e.polygon.size(); ++i)
        longest = std::max(longest, std::hypot(e.polygon[i + 1].x - e.polygon[i].x, e.polygon[i + 1].y - e.polygon[i].y));
    if (e.rec.header.typeID == API_WallID) longest = std::max(longest, e.rec.wall.height);
    return longest;
}

// True for an element placed from the tile-surface part.
bool IsTileSurface(const host::Element& e) {
    return e.rec.header.typeID == API_ObjectID && e.libPartUnId.compare(0, 38, objectlib::kTileSurfaceMainId) == 0;
}

}  // namespace

void NameProduct(const std::string& code, std::string& product, std::string& colour) {
    const size_t slash = code.find('/');
    const std::string base = code.substr(0, slash);
    const std::string colourCode = slash == std::string::npos ? "" : code.substr(slash + 1);
    product.clear();
    colour.clear();
    if (base.empty()) return;
    // Edge tiles: the tile type's name with the side.
    for (const auto& [suffix, row] : {std::make_pair(std::string(objectlib::kLeftEdgeTileSuffix), kTextLeftEdgeTile),
                                      std::make_pair(std::string(objectlib::kRightEdgeTileSuffix), kTextRightEdgeTile)}) {
        if (!EndsWith(base, suffix)) continue;
        const std::string typeCode = base.substr(0, base.size() - suffix.size());
        if (const TileType* type = FindTileType(typeCode.c_str())) {
            product = Field(type->name) + " – " + UserText(row);
            colour = ColourIn(type->colours, type->colourCount, colourCode);
            return;
        }
    }
    if (const TileType* type = FindTileType(base.c_str())) {
        product = Field(type->name);
        colour = ColourIn(type->colours, type->colourCount, colourCode);
        return;
    }
    if (base == objectlib::kStormClipCode) product = UserText(kTextStormClip);
    else if (base == objectlib::kCutTileClipCode) product = UserText(kTextCutTileClip);
    else product = OtherProductName(base);
    if (const ColouredKind* kind = FindColouredKind(gCatalogue.valleyTypes, gCatalogue.valleyTypeCount, base.c_str()))
        colour = ColourIn(kind->colours, kind->colourCount, colourCode);
    if (const ColouredKind* kind = FindColouredKind(gCatalogue.accessoryTypes, gCatalogue.accessoryTypeCount, base.c_str()))
        colour = ColourIn(kind->colours, kind->colourCount, colourCode);
    if (colour.empty()) colour = AnyColour(colourCode);
}

std::vector<OrderWarning> PlausibilityWarnings() {
    LoadAddOnCatalogue();
    std::vector<OrderWarning> warnings;
    const auto& elements = host::gSession.model.elements;
    for (const host::Element& e : elements) {
        const double longest = LongestEdge(e);
        if (longest > kLongestPlausibleEdge)
            warnings.push_back({e.elementId, Formatted(UserText(kTextModelUnits), e.elementId.c_str(), longest)});
    }
    std::map<std::string, int> surfacesOfRoof, doubledOfRoof;
    for (size_t i = 0; i < elements.size(); ++i) {
        const host::Element& e = elements[i];
        if (!IsTileSurface(e)) continue;
        // A plane flatter than its tile type allows lets water in under the tiles.
        const std::string fam = objectlib::TextOf(e, "fam");
        const double pitch = objectlib::NumberOr(e, "alpha", 0) * 180 / kPi;
        const double given = TileTypeMinPitch(fam.c_str());
        const double minimum = given > 0 ? given : kDefaultMinPitchDeg;
        if (pitch < minimum) {
            const TileType* type = FindTileType(fam.c_str());
            const std::string typeName = type != nullptr ? Field(type->name) : fam;
            warnings.push_back(
                {e.elementId, Formatted(UserText(kTextFlatPlane), e.elementId.c_str(), pitch, typeName.c_str(), minimum)});
        }
        // A second surface on the same plane: the roof was tiled again without replacing.
        const API_Coord pos{e.rec.object.pos.x, e.rec.object.pos.y};
        const std::string roof = RoofAt(pos);
        ++surfacesOfRoof[roof];
        for (size_t k = 0; k < i; ++k) {
            const host::Element& earlier = elements[k];
            const bool samePlace = IsTileSurface(earlier) &&  // an earlier tile surface
                                   std::hypot(earlier.rec.object.pos.x - pos.x, earlier.rec.object.pos.y - pos.y) <
                                       kSamePlaceDistance &&  // on the same corner
                                   std::fabs(std::remainder(earlier.rec.object.angle - e.rec.object.angle, 2 * kPi)) <
                                       kSameAngleTol;  // along the same frame
            if (samePlace) {
                ++doubledOfRoof[roof];
                break;
            }
        }
    }
    for (const auto& [roof, doubled] : doubledOfRoof)
        warnings.push_back({roof, Formatted(UserText(kTextTiledTwice), roof.c_str(), surfacesOfRoof[roof])});
    return warnings;
}

std::vector<objectlib::ProjectQuantityRow> OrderListRows(const std::vector<OrderWarning>& warnings) {
    std::vector<objectlib::ProjectQuantityRow> rows = ProjectQuantityRows();
    std::map<std::string, std::string> notes;
    for (const OrderWarning& w : warnings) notes[w.element] += (notes[w.element].empty() ? "" : " ") + w.text;
    for (objectlib::ProjectQuantityRow& r : rows) {
        NameProduct(r.code, r.product, r.colourName);
        // An element's warnings go on its first row.
        const auto note = notes.find(r.elementId);
        if (note == notes.end()) continue;
        r.note = note->second;
        notes.erase(note);
    }
    return rows;
}

std::vector<objectlib::ProjectQuantityRow> WarningRows(const std::vector<objectlib::ProjectQuantityRow>& rows,
                                                       const std::vector<OrderWarning>& warnings) {
    std::vector<objectlib::ProjectQuantityRow> out;
    for (const OrderWarning& w : warnings) {
        bool noted = false;
        for (const objectlib::ProjectQuantityRow& r : rows) noted = noted || r.elementId == w.element;
        if (noted) continue;  // on its element's first row already
        objectlib::ProjectQuantityRow row{kWarningElement, "warning", "", "", 0};
        row.note = w.text;
        out.push_back(std::move(row));
    }
    return out;
}

std::vector<OrderLine> OrderLines(const std::vector<objectlib::ProjectQuantityRow>& rows) {
    std::vector<OrderLine> lines;
    for (const objectlib::ProjectQuantityRow& t : objectlib::SumQuantitiesByItem(rows)) {
        bool measured = t.code.empty();
        for (const char* item : kMeasuredOnly) measured = measured || t.item == item;
        if (!measured) lines.push_back({t.code, t.product, t.colourName, t.unit, t.item, t.quantity});
    }
    return lines;
}

void ReportWarnings(const std::vector<OrderWarning>& warnings) {
    for (const OrderWarning& w : warnings) host::gSession.reportLines.push_back(host::ReportLine{w.text, false});
}

}  // namespace app
