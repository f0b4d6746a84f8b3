// Purpose: the tile-surface part's plan drawing and quantities, computed from its parameters.
//
// The part's own frame: x runs along the object's angle, y across it, up the slope, both true
// lengths on the slope ("nodes", accessory rows). In plan a y length shrinks by cos("alpha").
// "nodes" hold every contour of the plane (outer first, then holes), each closed by a repeat of
// its first node; "stat" holds the edge status of the edge that starts at each node.
#include "objectlib/TileSurfaceScripts.h"
#include "Common_src/ParamNames.h"

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <map>
#include <string>

#include "objectlib/ObjectLibScripts.h"
#include "objectlib/PartParams.h"
#include "polytopo/EdgeGroups.h"

namespace objectlib {
namespace {

// Two nodes closer than this (metres, in the part's frame) are the same point: a contour closes.
constexpr double kNodeEqualTol = 0.001;
// A tile course closer than this to the top of the surface is not drawn (it would lie on the edge).
constexpr double kCourseEdgeTol = 1e-6;
// No more tile courses than this are drawn on one surface (a guard against a tiny "tile_y").
constexpr int kMaxCourses = 20000;
// The most accessory rows a tile surface carries.
constexpr int kMaxAccessoryRows = 100;
// The kinds of an accessory row: a single piece (accessory, solar collector or panel), a row.
constexpr int kAccessorySingle = 1;
constexpr int kAccessoryRow = 2;
// Columns of one accessory row: kind, x, y, end x, end y, a piece every n tiles.
constexpr int kAccessoryColumns = 6;
// The underlay foil's laps: 10 cm over every metre of the roll's width, a tenth of the area.
constexpr double kFoilLapShare = 0.10;
// A valley piece's length and how much of it the next piece covers (metres).
constexpr double kValleyPieceLength = 2.0;
constexpr double kValleyPieceLap = 0.1;
// In plan, an edge whose ends differ less than this in x runs north-south (metres).
constexpr double kPlanDirectionTol = 1e-6;
// The 2D display options: the tile type, type and colour, the full label with quantities.
constexpr const char* kLabelType = "TIP";
constexpr const char* kLabelTypeColour = "TIPSZ";
constexpr const char* kLabelFull = "TELJES";
// The surface label's text height (mm on paper); accessory codes are written without one.
constexpr double kLabelTextMm = 2.5;
// The snow-guarding modes with rails: rails only, and tiles and rails.
constexpr const char* kSnowGuardRails = "RACS";
constexpr const char* kSnowGuardBoth = "VEGY";

struct FramePoint {
    double x = 0, y = 0;
};

struct SurfaceEdge {
    FramePoint a, b;
    int status = kStatusUnclassified;
    EdgeFold fold = kFoldUnknown;  // how the planes meet, where the part was told ("fold")
};

struct SurfaceOutline {
    std::vector<std::vector<FramePoint>> contours;  // outer first, then holes; not closed
    std::vector<SurfaceEdge> edges;
    double orientation = 1;  // +1 when the outer contour runs anticlockwise in the frame, else -1
};

// The quantity item, plan pen and drawing style of each edge group (in EdgeGroup order).
struct EdgeGroupStyle {
    const char* item;
    int16_t pen;
    const char* style;
};

const EdgeGroupStyle kEdgeGroupStyles[kEdgeGroupCount] = {
    {"eaves", 3, "eave"},           {"top edges", 4, "top-edge"},  {"verges", 5, "verge"},
    {"ridges", 6, "ridge"},         {"hips", 7, "hip"},            {"valleys", 8, "valley"},
    {"slope breaks", 9, "break"},   {"wall junctions", 10, "wall"}, {"hole edges", 11, "hole-edge"},
    {"other edges", 12, "other"},
};

// The roofer's group of an edge of the surface.
EdgeGroup GroupOfEdge(const SurfaceEdge& e) { return GroupOf(e.status, e.fold); }

// True when two nodes of the frame are the same point.
bool SameNode(const FramePoint& p, const FramePoint& q) {
    return std::fabs(p.x - q.x) < kNodeEqualTol && std::fabs(p.y - q.y) < kNodeEqualTol;
}

// Length of the segment p-q in the frame, a true length on the slope.
double Distance(const FramePoint& p, const FramePoint& q) { return std::hypot(q.x - p.x, q.y - p.y); }

// Splits "nodes" into contours and edges with their "stat" codes; an unclosed tail closes itself.
SurfaceOutline ReadOutline(const host::Element& object) {
    SurfaceOutline outline;
    const host::ParamValue* nodes = host::FindParam(object.params, kParamNodes);
    if (nodes == nullptr || host::IsTextParam(*nodes) || nodes->dim2 < 2) return outline;
    const size_t stride = size_t(nodes->dim2);
    const size_t n = std::min(size_t(std::max(nodes->dim1, 0)), nodes->numbers.size() / stride);
    std::vector<FramePoint> points(n);
    for (size_t i = 0; i < n; ++i) points[i] = {nodes->numbers[i * stride], nodes->numbers[i * stride + 1]};

    const host::ParamValue* stat = host::FindParam(object.params, kParamEdgeStatuses);
    const size_t statStride = stat != nullptr && stat->dim2 > 1 ? size_t(stat->dim2) : 1;
    // The status of the edge that starts at node i.
    auto statusAt = [&](size_t i) {
        const bool known = stat != nullptr &&                       // the part has "stat"
                           !host::IsTextParam(*stat) &&              // it holds numbers
                           i * statStride < stat->numbers.size();    // and a row for node i
        return known ? int(std::lround(stat->numbers[i * statStride])) : int(kStatusUnclassified);
    };
    const host::ParamValue* fold = host::FindParam(object.params, "fold");
    // The fold of the edge that starts at node i; unknown when the part was not told.
    auto foldAt = [&](size_t i) {
        const bool known = fold != nullptr && !host::IsTextParam(*fold) && i < fold->numbers.size();
        const long code = known ? std::lround(fold->numbers[i]) : 0;
        return code >= kFoldRidge && code <= kFoldConcave ? EdgeFold(code) : kFoldUnknown;
    };
    // One contour from `first` to `last` (inclusive), its last edge back to `first`.
    auto addContour = [&](size_t first, size_t last) {
        if (last <= first) return;
        outline.contours.emplace_back(points.begin() + long(first), points.begin() + long(last) + 1);
        for (size_t j = first; j <= last; ++j)
            outline.edges.push_back({points[j], points[j < last ? j + 1 : first], statusAt(j), foldAt(j)});
    };
    size_t start = 0;
    for (size_t i = 0; i < n; ++i) {
        if (i > start && SameNode(points[i], points[start])) {
            addContour(start, i - 1);
            start = i + 1;
        }
    }
    if (start + 1 < n) addContour(start, n - 1);
    if (!outline.contours.empty()) {
        double twice = 0;
        const std::vector<FramePoint>& ring = outline.contours[0];
        for (size_t j = 0; j < ring.size(); ++j)
            twice += ring[j].x * ring[(j + 1) % ring.size()].y - ring[(j + 1) % ring.size()].x * ring[j].y;
        outline.orientation = twice < 0 ? -1 : 1;
    }
    return outline;
}

// Area of the surface in its frame (on the slope): the outer contour less the holes.
double OutlineArea(const SurfaceOutline& outline) {
    double total = 0;
    for (size_t c = 0; c < outline.contours.size(); ++c) {
        const std::vector<FramePoint>& ring = outline.contours[c];
        double twice = 0;
        for (size_t j = 0; j < ring.size(); ++j) {
            const FramePoint& p = ring[j];
            const FramePoint& q = ring[(j + 1) % ring.size()];
            twice += p.x * q.y - q.x * p.y;
        }
        total += (c == 0 ? 0.5 : -0.5) * std::fabs(twice);
    }
    return total;
}

// The pieces of a row of accessories: one every n tiles along its length, a started step included.
double AccessoryRowPieces(double length, double tileX, double everyNth) {
    const double step = tileX * std::max(1.0, everyNth);
    if (!(step > 0)) return 1;
    return std::max(1.0, WholePieces(length / step));
}

// One accessory row as read from "acces", "cod_acc" and "mat_acc".
struct AccessoryEntry {
    int kind = 0;
    double x = 0, y = 0, endX = 0, everyNth = 0;
    std::string code, colour;
};

// The accessory rows the surface carries ("num_acc" of them, as far as "acces" holds them).
std::vector<AccessoryEntry> ReadAccessories(const host::Element& object) {
    std::vector<AccessoryEntry> rows;
    const host::ParamValue* acces = host::FindParam(object.params, kParamAccessories);
    if (acces == nullptr || host::IsTextParam(*acces) || acces->dim2 < kAccessoryColumns) return rows;
    const size_t stride = size_t(acces->dim2);
    const int wanted = std::clamp(int(std::lround(NumberOr(object, kParamAccessoryCount, 0))), 0, kMaxAccessoryRows);
    const size_t count = std::min(size_t(wanted), acces->numbers.size() / stride);
    for (size_t r = 0; r < count; ++r) {
        const double* v = &acces->numbers[r * stride];
        AccessoryEntry e;
        e.kind = int(std::lround(v[0]));
        e.x = v[1];
        e.y = v[2];
        e.endX = v[3];
        e.everyNth = v[5];
        e.code = TextAt(object, kParamAccessoryCodes, r);
        e.colour = TextAt(object, kParamAccessoryColours, r);
        rows.push_back(e);
    }
    return rows;
}

// True when a snow-guard choice is a real one (the catalogue's "nothing chosen" entry is NINCS).
bool IsChosen(const std::string& code) { return !code.empty() && code != "NINCS"; }

// The x values where the level line at `y` crosses the contours, in increasing order.
std::vector<double> CrossingsAt(const SurfaceOutline& outline, double y) {
    std::vector<double> xs;
    for (const std::vector<FramePoint>& ring : outline.contours) {
        for (size_t j = 0; j < ring.size(); ++j) {
            const FramePoint& p = ring[j];
            const FramePoint& q = ring[(j + 1) % ring.size()];
            // Half-open test: a line through a vertex counts it once for the two edges meeting there.
            const bool upward = p.y <= y && y < q.y;
            const bool downward = q.y <= y && y < p.y;
            if (upward || downward) xs.push_back(p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y));
        }
    }
    std::sort(xs.begin(), xs.end());
    return xs;
}

// A line of the frame as a plan primitive.
host::DrawPrimitive FrameLine(const host::Element& object, const FramePoint& a, const FramePoint& b, double slope,
                              int16_t pen, const char* style) {
    host::DrawPrimitive line;
    line.kind = host::DrawPrimitive::Line;
    line.pen = pen;
    line.text = style;
    line.points = {ToPlan(object, a.x, a.y, slope), ToPlan(object, b.x, b.y, slope)};
    return line;
}

// A closed ring of the frame as a plan polygon primitive.
host::DrawPrimitive FramePolygon(const host::Element& object, const std::vector<FramePoint>& ring, double slope,
                                 int16_t pen, const char* style) {
    host::DrawPrimitive poly;
    poly.kind = host::DrawPrimitive::Polygon;
    poly.pen = pen;
    poly.text = style;
    for (const FramePoint& p : ring) poly.points.push_back(ToPlan(object, p.x, p.y, slope));
    if (!ring.empty()) poly.points.push_back(poly.points.front());
    return poly;
}

// Tile courses: level lines every tile length up the slope from the lowest point, inside the surface.
void DrawCourses(const host::Element& object, const SurfaceOutline& outline, double slope, int16_t pen,
                 std::vector<host::DrawPrimitive>& out) {
    const double tileY = NumberOr(object, kParamTileHeight, 0);
    if (!(tileY > 0) || outline.contours.empty()) return;
    double yMin = outline.contours[0][0].y, yMax = yMin;
    for (const FramePoint& p : outline.contours[0]) {
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
    }
    for (int k = 1; k <= kMaxCourses; ++k) {
        const double y = yMin + k * tileY;
        if (y > yMax - kCourseEdgeTol) break;
        const std::vector<double> xs = CrossingsAt(outline, y);
        for (size_t j = 0; j + 1 < xs.size(); j += 2)
            out.push_back(FrameLine(object, {xs[j], y}, {xs[j + 1], y}, slope, pen, "course"));
    }
}

// Accessories: a tile-sized box per single piece, a box along a row with a tick per piece, and the code.
void DrawAccessories(const host::Element& object, double slope, int16_t pen, std::vector<host::DrawPrimitive>& out) {
    const double tileX = NumberOr(object, kParamTileWidth, 0);
    const double tileY = NumberOr(object, kParamTileHeight, 0);
    for (const AccessoryEntry& e : ReadAccessories(object)) {
        if (e.kind != kAccessorySingle && e.kind != kAccessoryRow) continue;
        const double x0 = e.kind == kAccessorySingle ? e.x : std::min(e.x, e.endX);
        const double x1 = e.kind == kAccessorySingle ? e.x + tileX : std::max(e.x, e.endX);
        const std::vector<FramePoint> box = {{x0, e.y}, {x1, e.y}, {x1, e.y + tileY}, {x0, e.y + tileY}};
        out.push_back(FramePolygon(object, box, slope, pen, "accessory"));
        if (e.kind == kAccessoryRow) {
            const double pieces = AccessoryRowPieces(x1 - x0, tileX, e.everyNth);
            const double step = pieces > 0 ? (x1 - x0) / pieces : 0;
            for (int k = 0; k < int(pieces); ++k) {
                const double x = x0 + (k + 0.5) * step;
                out.push_back(FrameLine(object, {x, e.y}, {x, e.y + tileY}, slope, pen, "accessory-piece"));
            }
        }
        host::DrawPrimitive label;
        label.kind = host::DrawPrimitive::Text;
        label.pen = pen;
        label.text = e.code;
        label.points = {ToPlan(object, e.x, e.y, slope)};
        out.push_back(std::move(label));
    }
}

// +1 when the frame's y runs up the slope, -1 when it runs down (a flipped plane's nodes are
// negated): the lower edges (eaves, lower hole edges) lie below the outline's middle, the upper ones
// (ridges, top edges, upper hole edges) above it. Without such edges up is +y.
double UphillSign(const SurfaceOutline& outline) {
    if (outline.contours.empty()) return 1;
    double yMin = outline.contours[0][0].y, yMax = yMin;
    for (const FramePoint& p : outline.contours[0]) {
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
    }
    const double middle = (yMin + yMax) / 2;
    double votes = 0;
    for (const SurfaceEdge& e : outline.edges) {
        const double level = (e.a.y + e.b.y) / 2 - middle;
        const bool lower = e.status == kStatusEave || e.status == kStatusWallEave || e.status == kStatusHoleLower ||
                           e.status == kStatusWallHoleLower;  // edges water runs off or that stand below
        const bool upper = e.status == kStatusShedTop || e.status == kStatusRidge || e.status == kStatusWallTop ||
                           e.status == kStatusHoleUpper || e.status == kStatusWallHoleUpper;  // edges at the top
        if (lower) votes -= level;
        if (upper) votes += level;
    }
    return votes < 0 ? -1 : 1;
}

// True for the one of the two planes of a shared edge that counts its pieces: the plane whose
// outline runs along the edge from west to east in plan (south to north on a north-south edge);
// the other plane runs it the other way.
bool CountsSharedPieces(const host::Element& object, const SurfaceEdge& e, double slope) {
    const API_Coord a = ToPlan(object, e.a.x, e.a.y, slope), b = ToPlan(object, e.b.x, e.b.y, slope);
    if (std::fabs(b.x - a.x) > kPlanDirectionTol) return b.x > a.x;
    return b.y > a.y;
}

// The label text the 2D display option "opt2d" asks for: none, the tile type, type and colour,
// or type and colour with the area and the tiles ("" for none or an unknown option).
std::string SurfaceLabelText(const host::Element& object) {
    const std::string option = TextOf(object, "opt2d");
    const std::string fam = TextOf(object, kParamTileFamily);
    if (option == kLabelType) return fam;
    const std::string typeAndColour = WithColour(fam, TextOf(object, kParamTileColour));
    if (option == kLabelTypeColour) return typeAndColour;
    if (option != kLabelFull) return "";
    std::vector<host::QuantityLine> lines;
    TileSurfaceQuantities(object, lines);
    double area = 0, tiles = 0;
    for (const host::QuantityLine& q : lines) {
        if (q.name == "area") area = q.amount;
        if (q.name == "tiles") tiles = q.amount;
    }
    char text[160];
    std::snprintf(text, sizeof text, "%s %.2f m2 %.0f db", typeAndColour.c_str(), area, tiles);
    return text;
}

// The surface's label at the middle of its outer contour, in the size the label option uses.
void DrawSurfaceLabel(const host::Element& object, const SurfaceOutline& outline, double slope, int16_t pen,
                      std::vector<host::DrawPrimitive>& out) {
    const std::string text = SurfaceLabelText(object);
    if (text.empty() || outline.contours.empty()) return;
    double x = 0, y = 0;
    for (const FramePoint& p : outline.contours[0]) {
        x += p.x;
        y += p.y;
    }
    const double n = double(outline.contours[0].size());
    host::DrawPrimitive label;
    label.kind = host::DrawPrimitive::Text;
    label.pen = pen;
    label.text = text;
    label.radius = kLabelTextMm;
    label.points = {ToPlan(object, x / n, y / n, slope)};
    out.push_back(std::move(label));
}

}  // namespace

void DrawTileSurface(const host::Element& object, std::vector<host::DrawPrimitive>& out) {
    const SurfaceOutline outline = ReadOutline(object);
    const double slope = NumberOr(object, kParamPitch, 0);
    const int16_t pen = int16_t(NumberOr(object, kParamPen, 1));
    for (size_t c = 0; c < outline.contours.size(); ++c)
        out.push_back(FramePolygon(object, outline.contours[c], slope, pen, c == 0 ? "outline" : "hole"));
    DrawCourses(object, outline, slope, pen, out);
    for (const SurfaceEdge& e : outline.edges) {
        const EdgeGroupStyle& style = kEdgeGroupStyles[GroupOfEdge(e)];
        out.push_back(FrameLine(object, e.a, e.b, slope, style.pen, style.style));
    }
    DrawAccessories(object, slope, pen, out);
    DrawSurfaceLabel(object, outline, slope, pen, out);
}

void TileSurfaceQuantities(const host::Element& object, std::vector<host::QuantityLine>& out) {
    const SurfaceOutline outline = ReadOutline(object);
    const std::string fam = TextOf(object, kParamTileFamily);
    const std::string colour = TextOf(object, kParamTileColour);
    const std::string tileCode = WithColour(fam, colour);
    const double tileX = NumberOr(object, kParamTileWidth, 0);
    const double tileY = NumberOr(object, kParamTileHeight, 0);
    const bool tileSized = tileX > 0 && tileY > 0;

    const double surf = NumberOr(object, kParamSurfaceArea, 0);
    const double area = surf > 0 ? surf : OutlineArea(outline);
    AddQuantity(out, "area", fam, "m2", area);
    // Tiles laid cover the area; the loss multiplier adds the breakage and the cut-away parts.
    const double laid = tileSized ? WholePieces(area / (tileX * tileY)) : 0;
    const double ordered = tileSized ? WholePieces(area / (tileX * tileY) * LossMultiplier(object)) : 0;
    AddQuantity(out, "tiles", tileCode, "pcs", ordered);

    double lengths[kEdgeGroupCount] = {};
    for (const SurfaceEdge& e : outline.edges)
        lengths[GroupOfEdge(e)] += Distance(e.a, e.b) * (IsSharedStatus(e.status) ? 0.5 : 1.0);
    for (int g = 0; g < kEdgeGroupCount; ++g) AddQuantity(out, kEdgeGroupStyles[g].item, "", "m", lengths[g]);

    const bool edgeTilesOn = NumberOr(object, kParamEdgeTiles, 0) != 0 && tileY > 0;
    const double uphill = UphillSign(outline);
    double leftEdgeTiles = 0, rightEdgeTiles = 0, cutTiles = 0, vergeCuts = 0;
    for (const SurfaceEdge& e : outline.edges) {
        const EdgeGroup group = GroupOfEdge(e);
        const double courses = tileY > 0 ? WholePieces(std::fabs(e.b.y - e.a.y) / tileY) : 0;
        if (group == kGroupHip || group == kGroupValley) cutTiles += courses;
        if (group != kGroupVerge) continue;
        if (!edgeTilesOn) vergeCuts += courses;
        // Along an anticlockwise outline an edge that climbs is the right-hand verge (seen from the eave).
        else if ((e.b.y - e.a.y) * uphill * outline.orientation > 0) rightEdgeTiles += courses;
        else leftEdgeTiles += courses;
    }
    // Edge tiles: one per course that a verge crosses, left- and right-hand pieces apart.
    AddQuantity(out, "edge tiles", WithColour(fam + kLeftEdgeTileSuffix, colour), "pcs", leftEdgeTiles);
    AddQuantity(out, "edge tiles", WithColour(fam + kRightEdgeTileSuffix, colour), "pcs", rightEdgeTiles);
    // Cut tiles along hips and valleys: one per course crossed, part of the tiles; the rest is waste.
    AddQuantity(out, "cut tiles", tileCode, "pcs", cutTiles);
    AddQuantity(out, "waste tiles", tileCode, "pcs", ordered - laid);
    // Fixings: a storm clip per tile laid, a clip per cut tile along hips, valleys and plain verges.
    if (NumberOr(object, "csrogz", 0) != 0) AddQuantity(out, "storm clips", kStormClipCode, "pcs", laid);
    if (NumberOr(object, "rogkar", 0) != 0) AddQuantity(out, "cut tile clips", kCutTileClipCode, "pcs", cutTiles + vergeCuts);

    // The underlay foil: the area on the slope with its laps.
    const std::string foil = TextOf(object, "folia");
    if (IsChosen(foil)) AddQuantity(out, "foil", foil, "m2", area * (1 + kFoilLapShare));

    // The valley: its length (half on each plane) and its pieces, counted on one of the two planes.
    const std::string valley = TextOf(object, "vapatipus");
    if (IsChosen(valley)) {
        const std::string valleyCode = WithColour(valley, TextOf(object, "mat_pan"));
        double valleyPieces = 0;
        for (const SurfaceEdge& e : outline.edges) {
            if (GroupOfEdge(e) != kGroupValley) continue;
            if (CountsSharedPieces(object, e, NumberOr(object, kParamPitch, 0)))
                valleyPieces += WholePieces(Distance(e.a, e.b) / (kValleyPieceLength - kValleyPieceLap));
        }
        AddQuantity(out, "valley length", valleyCode, "m", lengths[kGroupValley]);
        AddQuantity(out, "valley pieces", valleyCode, "pcs", valleyPieces);
    }

    // Snow guards along the eaves: pieces one per tile width, rails as long as the eaves.
    const std::string mode = TextOf(object, kParamSnowGuarding);
    const std::string guard = TextOf(object, kParamSnowGuard);
    if (NumberOr(object, kParamAutoAccessories, 0) != 0 && IsChosen(mode) && IsChosen(guard)) {
        double pieces = 0, rail = 0;
        for (const SurfaceEdge& e : outline.edges) {
            if (!IsEave(e.status)) continue;
            rail += Distance(e.a, e.b);
            if (tileX > 0) pieces += WholePieces(Distance(e.a, e.b) / tileX);
        }
        if (mode != kSnowGuardRails) AddQuantity(out, "snow guards", guard, "pcs", pieces);
        if (mode == kSnowGuardRails || mode == kSnowGuardBoth) AddQuantity(out, "snow guard rails", guard, "m", rail);
    }

    // Accessories, collectors and panels by code, in the order they were placed.
    std::vector<std::string> order;
    std::map<std::string, double> pieces;
    for (const AccessoryEntry& e : ReadAccessories(object)) {
        if (e.kind != kAccessorySingle && e.kind != kAccessoryRow) continue;
        const std::string code = WithColour(e.code, e.colour);
        if (pieces.count(code) == 0) order.push_back(code);
        pieces[code] += e.kind == kAccessorySingle ? 1.0 : AccessoryRowPieces(std::fabs(e.endX - e.x), tileX, e.everyNth);
    }
    for (const std::string& code : order) AddQuantity(out, "accessories", code, "pcs", pieces[code]);
}

double SurfaceUphillSign(const host::Element& object) { return UphillSign(ReadOutline(object)); }

}  // namespace objectlib
