// Purpose: the session's state as JSON for the workbench page.
#include "app/WorkbenchState.h"

#include "app/PlanSvg.h"

#include "app/EdgeList.h"
#include "app/QuantitiesCsv.h"
#include "edges/EdgeSetterPart.h"
#include "host/DialogManager.h"
#include "host/Host.h"
#include "host/LibPartScripts.h"
#include "host/ModelFile.h"

namespace app::web {
namespace {

constexpr int16_t kLabelResId = 140;   // the program's text resource added after the first build
// The workbench's blocks of rows: first, last.
constexpr int kLabelBlocks[][2] = {{81, 120}, {241, 280}};
constexpr const char* kTileSurfaceMainId = "{E84F9BFB-7C26-403E-B010-A033FEEE27E0}";
constexpr const char* kRidgeMainId = "{9B413C5B-C63B-4027-BE0A-00222534F9FF}";
constexpr size_t kMainIdLength = 38;

using Json = nlohmann::json;

// A plan point as [x, y].
Json Point(double x, double y) { return Json::array({x, y}); }

// A plan ring of 3D points as [[x, y], ...].
Json FlatRing(const host::Ring3& ring) {
    Json out = Json::array();
    for (const API_Coord3D& p : ring) out.push_back(Point(p.x, p.y));
    return out;
}

// An object's selectable shape: a tile surface's outline, a ridge's lines, else its position.
void AddObjectShape(const host::Element& e, Json& j) {
    const std::string main = e.libPartUnId.substr(0, kMainIdLength);
    const bool surface = main == kTileSurfaceMainId, ridge = main == kRidgeMainId;
    j["part"] = surface ? "tile-surface" : ridge ? "ridge" : "object";
    Json polys = Json::array(), lines = Json::array();
    if (surface || ridge) {
        for (const host::DrawPrimitive& p : PartDrawing(e)) {
            // a surface is picked by its outline, a ridge by the lines along it
            if (surface && p.kind == host::DrawPrimitive::Polygon && p.text == "outline") {
                Json ring = Json::array();
                for (const API_Coord& c : p.points) ring.push_back(Point(c.x, c.y));
                polys.push_back(ring);
            } else if (ridge && p.kind == host::DrawPrimitive::Line && p.points.size() == 2) {
                lines.push_back(Json::array({Point(p.points[0].x, p.points[0].y), Point(p.points[1].x, p.points[1].y)}));
            }
        }
    }
    j["polys"] = polys;
    j["lines"] = lines;
    j["at"] = Point(e.rec.object.pos.x, e.rec.object.pos.y);
}

// The name of an item kind as the page draws it.
const char* KindName(host::ItemKind kind) {
    static const std::map<host::ItemKind, const char*> kNames = {
        {host::ItemKind::Button, "button"},     {host::ItemKind::IconButton, "iconbutton"},
        {host::ItemKind::Text, "text"},         {host::ItemKind::Picture, "picture"},
        {host::ItemKind::Icon, "icon"},         {host::ItemKind::Separator, "separator"},
        {host::ItemKind::RollDown, "rolldown"}, {host::ItemKind::Radio, "radio"},
        {host::ItemKind::IconRadio, "iconradio"}, {host::ItemKind::CheckBox, "checkbox"},
        {host::ItemKind::PopUp, "popup"},       {host::ItemKind::List, "list"},
        {host::ItemKind::IntEdit, "intedit"},   {host::ItemKind::RealEdit, "realedit"},
        {host::ItemKind::TextEdit, "textedit"}, {host::ItemKind::UserControl, "usercontrol"},
    };
    const auto it = kNames.find(kind);
    return it == kNames.end() ? "text" : it->second;
}

// One dialog item with its state.
Json ItemJson(const host::DialogItem& item) {
    Json j = {{"number", item.number}, {"kind", KindName(item.kind)}, {"x", item.x}, {"y", item.y},
              {"w", item.w}, {"h", item.h}, {"text", item.text}, {"icon", item.icon}, {"group", item.group},
              {"value", item.value}, {"enabled", item.enabled}, {"visible", item.visible}, {"selected", item.selected},
              {"iconName", IconNameOf(item.icon)}};
    Json entries = Json::array();
    for (const host::PopUpEntry& e : item.entries)
        entries.push_back({{"text", e.text}, {"icon", e.icon}, {"iconName", IconNameOf(e.icon)}});
    j["entries"] = entries;
    Json rows = Json::array();
    for (const host::ListRow& r : item.rows) {
        Json names = Json::array();
        for (int32_t image : r.images) names.push_back(IconNameOf(image));
        rows.push_back({{"texts", r.texts}, {"images", r.images}, {"imageNames", names}});
    }
    j["rows"] = rows;
    j["tabs"] = item.tabs;
    return j;
}

}  // namespace

std::string Label(int row) {
    std::string text;
    bool ours = false;
    for (const auto& block : kLabelBlocks) ours = ours || (row >= block[0] && row <= block[1]);
    // rows outside the workbench's blocks belong to other parts of the program
    if (!ours || !host::ResourceString(kLabelResId, row, text)) return "";
    return text;
}

namespace {

// The names of the icons the dialogs show: a range of icon numbers, the row of its name, and
// whether the name takes the icon's place in the range (the second family's icon is "cserépcsalád 2").
struct IconName {
    int32_t first, last;
    int row;
    bool numbered;
};
const IconName kIconNames[] = {
    {501, 501, 82, false},        // the dialogs' banner
    {508, 508, 83, false},        // the foil's document button
    {509, 509, 84, false},        // the tile type's document button
    {30001, 30004, 85, true},     // the four family buttons
    {30011, 30014, 86, true},     // the chosen family's button
    {30021, 30199, 87, false},    // a tile type's picture in the type pop-up (the catalogue's number)
    {30200, 30999, 88, false},    // a colour's swatch in the colour lists (the catalogue's number)
    {32500, 32500, 89, false},    // beside the layer field
    {32501, 32501, 90, false},    // beside the pen field
    {32502, 32502, 91, false},    // the deletion mark in the deletion dialog's hint
    {32504, 32504, 92, false},    // the "between points" check box
    {32508, 32508, 93, false},    // the edge setter's picture
    {-4, -4, 94, false},          // the host's mark column: unmarked
    {-3, -3, 95, false},          // the host's mark column: marked
};

}  // namespace

std::string IconNameOf(int32_t icon) {
    if (icon == 0) return "";
    for (const IconName& n : kIconNames)
        if (icon >= n.first && icon <= n.last) return Label(n.row) + (n.numbered ? " " + std::to_string(icon - n.first + 1) : "");
    return "ikon " + std::to_string(icon);
}

Json LabelsJson() {
    Json j = Json::object();
    for (const auto& block : kLabelBlocks)
        for (int row = block[0]; row <= block[1]; ++row) j[std::to_string(row)] = Label(row);
    return j;
}

Json ElementsJson() {
    Json out = Json::array();
    for (const host::Element& e : host::gSession.model.elements) {
        const API_ElemTypeID type = e.rec.header.typeID;
        if (type == API_ObjectID && host::IsEdgeSetter(e)) continue;  // the palette draws the setters
        Json j = {{"id", e.elementId}, {"guid", host::GuidToString(e.rec.header.guid)}};
        if (type == API_RoofID) {
            j["kind"] = "roof";
            Json planes = Json::array();
            for (const host::RoofPlaneShape& p : e.roofPlanes) {
                Json rings = Json::array({FlatRing(p.outer)});
                for (const host::Ring3& hole : p.holes) rings.push_back(FlatRing(hole));
                planes.push_back(rings);
            }
            j["planes"] = planes;
        } else if (type == API_WallID || type == API_HatchID) {
            j["kind"] = type == API_WallID ? "wall" : "fill";
            Json ring = Json::array();
            for (const API_Coord& c : e.polygon) ring.push_back(Point(c.x, c.y));
            j["polys"] = Json::array({ring});
        } else if (type == API_ObjectID) {
            j["kind"] = "object";
            AddObjectShape(e, j);
        } else {
            continue;
        }
        out.push_back(j);
    }
    return out;
}

Json DialogJson(bool palette) {
    const int16_t id = palette ? host::OpenPaletteId() : host::TopModalDialogId();
    const host::OpenDialog* d = id != 0 ? host::FindOpenDialog(id) : nullptr;
    if (d == nullptr) return nullptr;
    Json items = Json::array();
    for (const host::DialogItem& item : d->layout.items) items.push_back(ItemJson(item));
    return {{"id", d->dialID}, {"resId", d->layout.resID}, {"title", d->layout.title}, {"modal", d->modal},
            {"width", d->layout.width}, {"height", d->layout.height}, {"items", items}};
}

Json EdgesJson() {
    Json out = Json::array();
    if (host::OpenPaletteId() == 0) return out;
    for (const ListedEdge& e : ListEdges()) {
        out.push_back({{"group", e.group}, {"setter", e.setterId}, {"number", e.number}, {"type", e.type},
                       {"label", e.label}, {"length", e.length},
                       {"start", {e.start.x, e.start.y, e.start.z}}, {"end", {e.end.x, e.end.y, e.end.z}}});
    }
    return out;
}

Json EdgeTypesJson() {
    Json out = Json::array();
    for (int t = 1; t <= kEdgeTypeCount; ++t)
        out.push_back({{"type", t}, {"label", EdgeTypeLabel(t)}, {"colour", EdgeTypeColour(t)}});
    return out;
}

Json QuantitiesJson() {
    Json out = Json::array();
    for (const QuantityTotal& q : ProjectQuantityTotals())
        out.push_back({{"item", q.item}, {"code", q.code}, {"unit", q.unit}, {"quantity", q.quantity}});
    return out;
}

}  // namespace app::web
