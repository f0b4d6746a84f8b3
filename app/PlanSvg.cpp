// Purpose: the plan drawing of the project as an SVG file a person reads at a glance.
//
// Layers from bottom to top: fills, roof planes (shaded by the direction they face, holes cut
// out), walls, roof edges coloured by their type, the placed objects' own plan drawing, labels;
// then the legend, the scale bar and the north arrow in the margin. The plan's y axis points
// north; SVG's points down, so y is mirrored.
#include "app/PlanSvg.h"
#include "Common_src/ParamNames.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unordered_map>
#include <vector>

#include "app/EdgeFolds.h"
#include "app/ModelDistances.h"
#include "app/EdgeList.h"
#include "app/PlaneDump.h"
#include "edges/EdgeSetterPart.h"
#include "host/DialogManager.h"
#include "objectlib/ObjectLibScripts.h"
#include "objectlib/PartParams.h"
#include "host/Host.h"
#include "host/LibPartScripts.h"
#include "host/ParamLists.h"
#include "polytopo/EdgeCodes.h"
#include "polytopo/EdgeGroups.h"

namespace app {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDrawingWidthPx = 1100;   // the plan's share of the picture
constexpr double kLegendWidthPx = 330;     // the legend column on the right
constexpr double kMarginPx = 40;
constexpr double kMinPictureHeightPx = 620;  // room for the legend
constexpr double kTextMmToModel = 0.1;       // the plan is drawn at 1:100: 1 mm of text is 0.1 m
constexpr double kLightDirection = 115 * kPi / 180;  // light from north-north-west: the four sides differ

// Edge-type colours, 1..14: ridges warm, hips orange, verges blue, eaves green, valley violet,
// walls dark red, holes cyan, free grey.
const char* const kEdgeColours[kRooferTypeCount + 1] = {
    "#9e9e9e",                       // 0: unknown
    "#e6a100", "#b35900",            // ridge without / with tiles
    "#f0c75e", "#8a6d00",            // shed top without / with tiles
    "#ff9b73", "#d1421b",            // hip without / with tiles
    "#2f6fd6",                       // verge (gable)
    "#2e9e44",                       // eaves
    "#8e3fc4",                       // valley
    "#7a1020",                       // wall
    "#e052a8",                       // dome
    "#00a0a8",                       // hollow
    "#1ec8e6",                       // skylight
    "#6b6b6b",                       // free
};

// Plan bounds of everything drawn.
struct Bounds {
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    void Add(double x, double y) {
        minX = std::min(minX, x); minY = std::min(minY, y);
        maxX = std::max(maxX, x); maxY = std::max(maxY, y);
    }
    bool Empty() const { return minX > maxX; }
};


// The model-to-picture mapping.
struct View {
    double scale = 1;  // pixels per metre
    double offX = 0, offY = 0;
    double X(double x) const { return offX + x * scale; }
    double Y(double y) const { return offY - y * scale; }
};

// A number written briefly for SVG coordinates.
std::string Num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

}  // namespace

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

namespace {

// An SVG path ring "M x y L ... Z" of plan points.
std::string Ring(const View& v, const std::vector<API_Coord>& pts) {
    std::string d;
    for (size_t i = 0; i < pts.size(); ++i) d += (i == 0 ? "M" : " L") + Num(v.X(pts[i].x)) + " " + Num(v.Y(pts[i].y));
    return d + " Z";
}

}  // namespace

// The plan points of a 3D ring.
std::vector<API_Coord> Flat(const host::Ring3& ring) {
    std::vector<API_Coord> pts;
    for (const API_Coord3D& p : ring) pts.push_back(API_Coord{p.x, p.y});
    return pts;
}

// The downhill plan direction of a roof plane (radians from +x), from its ring's normal.
double DownhillDirection(const host::Ring3& ring) {
    double nx = 0, ny = 0, nz = 0;  // Newell's normal of the ring
    for (size_t i = 0; i < ring.size(); ++i) {
        const API_Coord3D& p = ring[i];
        const API_Coord3D& q = ring[(i + 1) % ring.size()];
        nx += (p.y - q.y) * (p.z + q.z);
        ny += (p.z - q.z) * (p.x + q.x);
        nz += (p.x - q.x) * (p.y + q.y);
    }
    if (nz < 0) { nx = -nx; ny = -ny; }  // the normal pointing up leans the way water runs
    return std::atan2(ny, nx);
}

// The fill of a roof plane facing `dir`: terracotta, lighter the more it faces the light.
std::string PlaneShade(double dir) {
    const double lit = 0.5 + 0.5 * std::cos(dir - kLightDirection);  // 1 facing the light, 0 away
    const int r = int(150 + 95 * lit), g = int(80 + 105 * lit), b = int(55 + 95 * lit);
    char text[16];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", r, g, b);
    return text;
}

// The centroid of a plan ring (its vertex mean when the area vanishes).
API_Coord Centroid(const std::vector<API_Coord>& pts) {
    double a = 0, cx = 0, cy = 0, mx = 0, my = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        const API_Coord& p = pts[i];
        const API_Coord& q = pts[(i + 1) % pts.size()];
        const double cross = p.x * q.y - q.x * p.y;
        a += cross;
        cx += (p.x + q.x) * cross;
        cy += (p.y + q.y) * cross;
        mx += p.x;
        my += p.y;
    }
    if (std::fabs(a) < 1e-9) return API_Coord{mx / double(pts.size()), my / double(pts.size())};
    return API_Coord{cx / (3 * a), cy / (3 * a)};
}

std::vector<host::DrawPrimitive> PartDrawing(const host::Element& e) {
    std::vector<host::DrawPrimitive> prims;
    host::NativeScripts scripts = host::RegisteredScriptsFor(e.libPartUnId);
    for (const host::LibPart& part : host::gSession.libParts)
        if (part.unId == e.libPartUnId && part.scripts.draw2D != nullptr) scripts = part.scripts;
    if (scripts.draw2D != nullptr) scripts.draw2D(e, prims);
    return prims;
}

// The plan drawing an object's library part makes of it (empty when its part draws nothing); a
// tile surface draws with the folds of its edges measured on the roofs.
std::vector<host::DrawPrimitive> ObjectDrawing(const host::Element& e, const std::vector<PlaneRing>& planes) {
    return PartDrawing(WithMeasuredFolds(e, planes));
}

ObjectKind KindOf(const host::Element& e) {
    const std::string main = e.libPartUnId.substr(0, kMainIdLength);
    if (main == kTileSurfaceMainId) return ObjectKind::TileSurface;
    if (main == kRidgeMainId) return ObjectKind::Ridge;
    if (host::IsEdgeSetter(e)) return ObjectKind::EdgeSetter;
    return ObjectKind::Other;
}

namespace {

// A plan box.
struct PlanBox {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    void Add(double x, double y) {
        x0 = std::min(x0, x); y0 = std::min(y0, y);
        x1 = std::max(x1, x); y1 = std::max(y1, y);
    }
    // The box grown by `d` on every side.
    PlanBox Grown(double d) const { return {x0 - d, y0 - d, x1 + d, y1 + d}; }
    // True when the two boxes overlap or touch.
    bool Meets(const PlanBox& o) const { return x0 <= o.x1 && o.x0 <= x1 && y0 <= o.y1 && o.y0 <= y1; }
};

// Plan points or boxes filed in square cells, so that a search looks only at the few cells around
// a place instead of at every edge of an estate. Cells are at least the matching tolerance wide:
// two points nearer than the tolerance lie in the same or in neighbouring cells.
struct PlanGrid {
    double cell = 1;
    std::unordered_map<uint64_t, std::vector<size_t>> cells;

    // The cell column or row of a coordinate.
    int64_t Index(double v) const { return int64_t(std::floor(v / cell)); }
    // The key of cell (ix, iy).
    static uint64_t Key(int64_t ix, int64_t iy) { return (uint64_t(ix) << 32) ^ (uint64_t(iy) & 0xffffffffu); }
    // Files item `id` at point p.
    void Add(const API_Coord& p, size_t id) { cells[Key(Index(p.x), Index(p.y))].push_back(id); }
    // Files item `id` in every cell the box touches.
    void AddBox(const PlanBox& b, size_t id) {
        for (int64_t ix = Index(b.x0); ix <= Index(b.x1); ++ix)
            for (int64_t iy = Index(b.y0); iy <= Index(b.y1); ++iy) cells[Key(ix, iy)].push_back(id);
    }
    // The items filed in the cells the box [x0, x1] x [y0, y1] touches; false when the box spans more
    // than `limit` cells (the caller then looks at everything).
    bool Within(double x0, double y0, double x1, double y1, size_t limit, std::vector<size_t>& ids) const {
        ids.clear();
        const int64_t ix0 = Index(x0), ix1 = Index(x1), iy0 = Index(y0), iy1 = Index(y1);
        // a box wider than the limit in either direction, or in both together
        if (double(ix1 - ix0 + 1) * double(iy1 - iy0 + 1) > double(limit)) return false;
        for (int64_t ix = ix0; ix <= ix1; ++ix)
            for (int64_t iy = iy0; iy <= iy1; ++iy)
                if (const auto it = cells.find(Key(ix, iy)); it != cells.end()) ids.insert(ids.end(), it->second.begin(), it->second.end());
        return true;
    }
    // The items filed within `reach` of p (and a few farther).
    void Near(const API_Coord& p, double reach, std::vector<size_t>& ids) const {
        Within(p.x - reach, p.y - reach, p.x + reach, p.y + reach, size_t(-1), ids);
    }
};

constexpr double kPlaneCell = 4.0;   // cell of the roof planes' boxes (m): a few per plane of a house
// A plane lies along an edge only where the edge's middle is this near the plane's box: wider than
// the fold measurement's own on-edge tolerance.
constexpr double kPlaneReach = 0.05;

// The project's roof planes with their plan boxes, filed in a grid: the planes around an edge or a
// tile surface are found without looking at every plane of an estate.
struct PlaneFinder {
    const std::vector<PlaneRing>* planes = nullptr;
    std::vector<PlanBox> boxes;
    PlanGrid grid;
};

PlaneFinder MakePlaneFinder(const std::vector<PlaneRing>& planes) {
    PlaneFinder f;
    f.planes = &planes;
    f.grid.cell = kPlaneCell;
    for (size_t i = 0; i < planes.size(); ++i) {
        PlanBox b;
        for (const API_Coord3D& c : planes[i]) b.Add(c.x, c.y);
        f.boxes.push_back(b.Grown(kPlaneReach));
        if (!planes[i].empty()) f.grid.AddBox(f.boxes.back(), i);
    }
    return f;
}

// The planes whose boxes meet `box`, in the project's order: the fold measured on them is the
// fold measured on all planes, as no other plane has an edge there.
std::vector<PlaneRing> PlanesAround(const PlaneFinder& f, const PlanBox& box) {
    std::vector<size_t> ids;
    if (!f.grid.Within(box.x0, box.y0, box.x1, box.y1, f.planes->size(), ids)) {
        ids.resize(f.planes->size());
        for (size_t i = 0; i < ids.size(); ++i) ids[i] = i;
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    std::vector<PlaneRing> near;
    for (size_t i : ids)
        if (f.boxes[i].Meets(box)) near.push_back((*f.planes)[i]);
    return near;
}

// The fold at plan edge a-b, measured on the planes around it.
EdgeFold FoldAround(const PlaneFinder& f, const API_Coord& a, const API_Coord& b) {
    PlanBox at;
    at.Add((a.x + b.x) / 2, (a.y + b.y) / 2);
    return FoldOfEdge(a, b, PlanesAround(f, at));
}

// ObjectDrawing with the folds measured on the planes around the object's plan outline.
std::vector<host::DrawPrimitive> ObjectDrawingAround(const host::Element& e, const PlaneFinder& f) {
    const host::ParamValue* nodes = host::FindParam(e.params, "nodes");
    // only a tile surface with its nodes is measured; any other is drawn as it stands
    if (KindOf(e) != ObjectKind::TileSurface || nodes == nullptr || host::IsTextParam(*nodes) || nodes->dim2 < 2)
        return ObjectDrawing(e, *f.planes);
    const size_t stride = size_t(nodes->dim2);
    const double slope = objectlib::NumberOr(e, "alpha", 0);
    PlanBox box;
    for (size_t i = 0; i + 1 < nodes->numbers.size(); i += stride) {
        const API_Coord p = objectlib::ToPlan(e, nodes->numbers[i], nodes->numbers[i + 1], slope);
        box.Add(p.x, p.y);
    }
    if (box.x0 > box.x1) return ObjectDrawing(e, {});  // no nodes: no edge to measure
    return PartDrawing(WithMeasuredFolds(e, PlanesAround(f, box)));
}

}  // namespace

// The roof edges with their roofer's types: from the roof model the add-on holds (while the palette
// is open), else from the placed tile surfaces' outlines and their per-node "stat" values; each
// status named together with how the edge's planes fold.
std::vector<PlanEdge> TypedEdges(const std::vector<PlaneRing>& planes) {
    std::vector<PlanEdge> edges;
    const PlaneFinder finder = MakePlaneFinder(planes);
    // The roofer's type of a status on the plan edge a-b.
    auto typeOf = [&finder](int status, const API_Coord& a, const API_Coord& b) {
        return RooferTypeOf(status, IsFoldDependent(status) ? FoldAround(finder, a, b) : kFoldUnknown);
    };
    for (const HeldPlane& p : HeldRoofPlanes())
        for (size_t i = 0; i + 1 < p.vertices.size(); ++i) {
            if (p.edgeStatus[i] == kStatusNoEdge) continue;  // the repeat that closes a contour
            const API_Coord a{p.vertices[i].x, p.vertices[i].y}, b{p.vertices[i + 1].x, p.vertices[i + 1].y};
            edges.push_back({a, b, typeOf(p.edgeStatus[i], a, b)});
        }
    if (!edges.empty()) return edges;
    for (const host::Element& e : host::gSession.model.elements) {
        if (e.rec.header.typeID != API_ObjectID || KindOf(e) != ObjectKind::TileSurface) continue;
        const host::ParamValue* stat = host::FindParam(e.params, kParamEdgeStatuses);
        // The surface draws its outline, then its holes, each closed: node by node as "nodes" holds them.
        size_t first = 0;
        for (const host::DrawPrimitive& prim : ObjectDrawingAround(e, finder)) {
            if (prim.kind != host::DrawPrimitive::Polygon || stat == nullptr) continue;
            if (prim.text != "outline" && prim.text != "hole") continue;
            for (size_t i = 0; i + 1 < prim.points.size() && first + i < stat->numbers.size(); ++i) {
                const int16_t status = int16_t(stat->numbers[first + i]);
                if (status == kStatusNoEdge || status == 0) continue;
                edges.push_back({prim.points[i], prim.points[i + 1], typeOf(status, prim.points[i], prim.points[i + 1])});
            }
            first += prim.points.size();
        }
    }
    return edges;
}

namespace {

constexpr double kMidpointCell = 1.0;   // cell of the typed pieces' middles (m): about a tile's width
constexpr size_t kNoIndex = size_t(-1);

// True when plan points p and q are the same point of the drawing.
bool NearPoint(const API_Coord& p, const API_Coord& q) { return std::hypot(p.x - q.x, p.y - q.y) < kOnEdgeDistance; }

// True when edges t and e join the same two end points, in either direction.
bool SameEnds(const PlanEdge& t, const PlanEdge& e) {
    return (NearPoint(t.a, e.a) && NearPoint(t.b, e.b)) || (NearPoint(t.a, e.b) && NearPoint(t.b, e.a));
}

// The last of `edges` (filed in `grid` by their first end) that joins the ends of e; kNoIndex when none.
size_t LastSameEnds(const std::vector<PlanEdge>& edges, const PlanGrid& grid, const PlanEdge& e, std::vector<size_t>& ids) {
    size_t found = kNoIndex;
    for (const API_Coord& end : {e.a, e.b}) {
        grid.Near(end, kOnEdgeDistance, ids);
        for (size_t i : ids)
            // a later match wins, as the drawing lays later edges over earlier ones
            if ((found == kNoIndex || i > found) && SameEnds(edges[i], e)) found = i;
    }
    return found;
}

}  // namespace

// The edges of every roof plane in plan, typed where a typed edge lies on them.
std::vector<PlanEdge> RoofEdges(const std::vector<PlanEdge>& typed) {
    std::vector<PlanEdge> out;
    std::vector<size_t> ids;
    PlanGrid typedByEnd;  // the typed edges by their first end
    typedByEnd.cell = kOnEdgeDistance;
    for (size_t i = 0; i < typed.size(); ++i) typedByEnd.Add(typed[i].a, i);
    auto addRing = [&](const host::Ring3& ring) {
        for (size_t i = 0; i < ring.size(); ++i) {
            PlanEdge e{API_Coord{ring[i].x, ring[i].y},
                       API_Coord{ring[(i + 1) % ring.size()].x, ring[(i + 1) % ring.size()].y}, 0};
            const size_t t = LastSameEnds(typed, typedByEnd, e, ids);
            if (t != kNoIndex) e.type = typed[t].type;
            out.push_back(e);
        }
    };
    for (const host::Element& el : host::gSession.model.elements) {
        if (el.rec.header.typeID != API_RoofID) continue;
        for (const host::RoofPlaneShape& plane : el.roofPlanes) {
            addRing(plane.outer);
            for (const host::Ring3& hole : plane.holes) addRing(hole);
        }
    }
    // Typed edges the roofs' own edges do not hold (nodes the add-on inserted) are drawn as they are.
    PlanGrid outByEnd;  // the drawn edges by their first end
    outByEnd.cell = kOnEdgeDistance;
    for (size_t i = 0; i < out.size(); ++i) outByEnd.Add(out[i].a, i);
    for (const PlanEdge& t : typed) {
        if (LastSameEnds(out, outByEnd, t, ids) != kNoIndex) continue;
        outByEnd.Add(t.a, out.size());
        out.push_back(t);
    }
    // Edges split by inserted nodes take the type of the typed piece lying on them.
    PlanGrid middles;  // the typed edges by their middle
    middles.cell = kMidpointCell;
    for (size_t i = 0; i < typed.size(); ++i)
        middles.Add(API_Coord{(typed[i].a.x + typed[i].b.x) / 2, (typed[i].a.y + typed[i].b.y) / 2}, i);
    std::vector<size_t> all(typed.size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = i;
    for (PlanEdge& e : out) {
        if (e.type != 0) continue;
        const double len = std::hypot(e.b.x - e.a.x, e.b.y - e.a.y);
        if (len < kOnEdgeDistance) continue;
        // a middle on the edge lies within the tolerance of the edge's box
        const bool few = middles.Within(std::min(e.a.x, e.b.x) - kOnEdgeDistance, std::min(e.a.y, e.b.y) - kOnEdgeDistance,
                                        std::max(e.a.x, e.b.x) + kOnEdgeDistance, std::max(e.a.y, e.b.y) + kOnEdgeDistance,
                                        typed.size(), ids);
        const std::vector<size_t>& candidates = few ? ids : all;
        size_t found = kNoIndex;
        for (size_t i : candidates) {
            const PlanEdge& t = typed[i];
            const API_Coord mid{(t.a.x + t.b.x) / 2, (t.a.y + t.b.y) / 2};
            const double cross = ((e.b.x - e.a.x) * (mid.y - e.a.y) - (e.b.y - e.a.y) * (mid.x - e.a.x)) / len;
            const double along = ((e.b.x - e.a.x) * (mid.x - e.a.x) + (e.b.y - e.a.y) * (mid.y - e.a.y)) / (len * len);
            // the typed piece's middle lies on the edge's line, between its ends; a later piece wins
            if (std::fabs(cross) < kOnEdgeDistance && along > 0 && along < 1 && (found == kNoIndex || i > found)) found = i;
        }
        if (found != kNoIndex) e.type = typed[found].type;
    }
    return out;
}

namespace {

// The colour of an object kind's own drawing.
const char* ObjectColour(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::TileSurface: return "#3b2a20";
        case ObjectKind::Ridge: return "#5a1e00";
        case ObjectKind::EdgeSetter: return "#1d3f8f";
        default: return "#0b6e4f";
    }
}

// One primitive of an object's plan drawing as SVG.
void DrawPrimitiveSvg(std::ostream& s, const View& v, const host::DrawPrimitive& p, const char* colour, double width) {
    switch (p.kind) {
        case host::DrawPrimitive::Line:
            if (p.points.size() == 2)
                s << "<line x1=\"" << Num(v.X(p.points[0].x)) << "\" y1=\"" << Num(v.Y(p.points[0].y)) << "\" x2=\""
                  << Num(v.X(p.points[1].x)) << "\" y2=\"" << Num(v.Y(p.points[1].y)) << "\" stroke=\"" << colour
                  << "\" stroke-width=\"" << Num(width) << "\"/>\n";
            break;
        case host::DrawPrimitive::Polygon:
            if (p.points.size() >= 2)
                s << "<path d=\"" << Ring(v, p.points) << "\" fill=\"none\" stroke=\"" << colour << "\" stroke-width=\""
                  << Num(width) << "\"/>\n";
            break;
        case host::DrawPrimitive::Arc: {
            if (p.points.empty()) break;
            const API_Coord c = p.points[0];
            const double sweep = p.endAngle - p.startAngle;
            if (std::fabs(sweep) >= 2 * kPi - 1e-6) {
                s << "<circle cx=\"" << Num(v.X(c.x)) << "\" cy=\"" << Num(v.Y(c.y)) << "\" r=\"" << Num(p.radius * v.scale)
                  << "\" fill=\"none\" stroke=\"" << colour << "\" stroke-width=\"" << Num(width) << "\"/>\n";
                break;
            }
            const double x1 = c.x + p.radius * std::cos(p.startAngle), y1 = c.y + p.radius * std::sin(p.startAngle);
            const double x2 = c.x + p.radius * std::cos(p.endAngle), y2 = c.y + p.radius * std::sin(p.endAngle);
            const int large = std::fabs(sweep) > kPi ? 1 : 0;
            const int sweepFlag = sweep > 0 ? 0 : 1;  // counterclockwise in plan is clockwise on screen
            s << "<path d=\"M" << Num(v.X(x1)) << " " << Num(v.Y(y1)) << " A" << Num(p.radius * v.scale) << " "
              << Num(p.radius * v.scale) << " 0 " << large << " " << sweepFlag << " " << Num(v.X(x2)) << " " << Num(v.Y(y2))
              << "\" fill=\"none\" stroke=\"" << colour << "\" stroke-width=\"" << Num(width) << "\"/>\n";
            break;
        }
        case host::DrawPrimitive::Text: {
            if (p.points.empty()) break;
            const double size = std::max(6.0, (p.radius > 0 ? p.radius : 2.0) * kTextMmToModel * v.scale);
            s << "<text x=\"" << Num(v.X(p.points[0].x)) << "\" y=\"" << Num(v.Y(p.points[0].y)) << "\" font-size=\""
              << Num(size) << "\" fill=\"" << colour << "\" transform=\"rotate(" << Num(-p.startAngle * 180 / kPi) << " "
              << Num(v.X(p.points[0].x)) << " " << Num(v.Y(p.points[0].y)) << ")\">" << Escape(p.text) << "</text>\n";
            break;
        }
        case host::DrawPrimitive::Hotspot:
            if (!p.points.empty())
                s << "<rect x=\"" << Num(v.X(p.points[0].x) - 1.5) << "\" y=\"" << Num(v.Y(p.points[0].y) - 1.5)
                  << "\" width=\"3\" height=\"3\" fill=\"" << colour << "\"/>\n";
            break;
    }
}

// A text label with a pale halo so it reads over any colour.
void Label(std::ostream& s, double x, double y, const std::string& text, double size, const char* colour,
           const char* anchor = "middle") {
    s << "<text x=\"" << Num(x) << "\" y=\"" << Num(y) << "\" font-size=\"" << Num(size) << "\" text-anchor=\"" << anchor
      << "\" fill=\"" << colour << "\" stroke=\"#ffffff\" stroke-width=\"3\" paint-order=\"stroke\">" << Escape(text)
      << "</text>\n";
}

// The legend: edge types, the plane shades by facing, and the other symbols.
void Legend(std::ostream& s, double x, double y) {
    s << "<g font-size=\"13\" fill=\"#222\">\n";
    s << "<text x=\"" << Num(x) << "\" y=\"" << Num(y) << "\" font-size=\"15\" font-weight=\"bold\">Éltípusok</text>\n";
    for (int t = 1; t <= kRooferTypeCount; ++t) {
        const double ty = y + 8 + 20 * t;
        s << "<line x1=\"" << Num(x) << "\" y1=\"" << Num(ty - 4) << "\" x2=\"" << Num(x + 34) << "\" y2=\"" << Num(ty - 4)
          << "\" stroke=\"" << EdgeTypeColour(t) << "\" stroke-width=\"5\" stroke-linecap=\"round\"/>\n";
        s << "<text x=\"" << Num(x + 44) << "\" y=\"" << Num(ty) << "\">" << t << " " << Escape(RooferName(t))
          << "</text>\n";
    }
    double ty = y + 8 + 20 * (kRooferTypeCount + 1) + 14;
    s << "<text x=\"" << Num(x) << "\" y=\"" << Num(ty) << "\" font-size=\"15\" font-weight=\"bold\">Tetősíkok lejtése</text>\n";
    const double dirs[4] = {kPi / 2, 0, -kPi / 2, kPi};
    for (int k = 0; k < 4; ++k) {
        const double bx = x + 78 * k;
        s << "<rect x=\"" << Num(bx) << "\" y=\"" << Num(ty + 8) << "\" width=\"22\" height=\"16\" fill=\""
          << PlaneShade(dirs[k]) << "\" stroke=\"#666\"/>\n";
        s << "<text x=\"" << Num(bx + 27) << "\" y=\"" << Num(ty + 21) << "\">" << CompassWord(dirs[k]) << "</text>\n";
    }
    ty += 44;
    const struct { const char* colour; const char* text; bool box; } others[] = {
        {"#8c8c8c", "Fal", true},
        {"#e9e4d4", "Kitöltés", true},
        {ObjectColour(ObjectKind::TileSurface), "Cserépfelület (azonosító)", false},
        {ObjectColour(ObjectKind::Ridge), "Gerinc- és élgerinc-elem", false},
        {ObjectColour(ObjectKind::EdgeSetter), "Élbeállító (paletta nyitva)", false},
        {ObjectColour(ObjectKind::Other), "Kiegészítő, napkollektor, napelem", false},
    };
    for (const auto& o : others) {
        if (o.box)
            s << "<rect x=\"" << Num(x) << "\" y=\"" << Num(ty - 11) << "\" width=\"34\" height=\"12\" fill=\"" << o.colour
              << "\" stroke=\"#555\"/>\n";
        else
            s << "<line x1=\"" << Num(x) << "\" y1=\"" << Num(ty - 4) << "\" x2=\"" << Num(x + 34) << "\" y2=\"" << Num(ty - 4)
              << "\" stroke=\"" << o.colour << "\" stroke-width=\"" << (std::string(o.text).rfind("Gerinc", 0) == 0 ? 4 : 1.5)
              << "\"/>\n";
        s << "<text x=\"" << Num(x + 44) << "\" y=\"" << Num(ty) << "\">" << o.text << "</text>\n";
        ty += 20;
    }
    s << "</g>\n";
}

// A scale bar of a round length and a north arrow, bottom left of the plan.
void ScaleAndNorth(std::ostream& s, const View& v, double left, double bottom) {
    const double steps[] = {1, 2, 5, 10, 20, 50, 100};
    double len = steps[0];
    for (double st : steps)
        if (st * v.scale <= 220) len = st;
    const double px = len * v.scale;
    s << "<g font-size=\"12\" fill=\"#222\">\n";
    for (int k = 0; k < 4; ++k)
        s << "<rect x=\"" << Num(left + px * k / 4) << "\" y=\"" << Num(bottom - 8) << "\" width=\"" << Num(px / 4)
          << "\" height=\"8\" fill=\"" << (k % 2 == 0 ? "#222" : "#fff") << "\" stroke=\"#222\"/>\n";
    s << "<text x=\"" << Num(left) << "\" y=\"" << Num(bottom - 13) << "\">0</text>\n";
    s << "<text x=\"" << Num(left + px) << "\" y=\"" << Num(bottom - 13) << "\" text-anchor=\"middle\">" << len
      << " m</text>\n";
    const double nx = left + px + 60, ny = bottom - 4;
    // The arrow points to true north: the model's north angle turns it anticlockwise from the y axis.
    const double turn = host::gSession.model.northAngle == 0 ? 0.0 : -host::gSession.model.northAngle;
    s << "<g transform=\"rotate(" << Num(turn) << " " << Num(nx) << " " << Num(ny - 23) << ")\">\n";
    s << "<path d=\"M" << Num(nx) << " " << Num(ny - 46) << " L" << Num(nx + 11) << " " << Num(ny) << " L" << Num(nx) << " "
      << Num(ny - 10) << " L" << Num(nx - 11) << " " << Num(ny) << " Z\" fill=\"#222\"/>\n";
    s << "<text x=\"" << Num(nx) << "\" y=\"" << Num(ny - 50) << "\" text-anchor=\"middle\" font-weight=\"bold\">É</text>\n";
    s << "</g>\n</g>\n";
}

}  // namespace

std::string EdgeTypeColour(int type) { return kEdgeColours[type >= 1 && type <= kRooferTypeCount ? type : 0]; }

std::string CompassWord(double planDirection) {
    static const char* const kWords[8] = {"K", "ÉK", "É", "ÉNy", "Ny", "DNy", "D", "DK"};
    double a = std::fmod(planDirection, 2 * kPi);
    if (a < 0) a += 2 * kPi;
    return kWords[int(std::lround(a / (kPi / 4))) % 8];
}

namespace {

// One element of a drawing's line: its tag and attributes in order; empty tag when the line is not
// one self-closed element.
struct SvgMark {
    std::string tag;
    std::vector<std::pair<std::string, std::string>> attrs;
};

// Reads a line such as `<line x1="1" y1="2" .../>` (attribute values hold no quotes).
SvgMark ReadMark(const std::string& line) {
    SvgMark m;
    if (line.size() < 4 || line[0] != '<' || line.compare(line.size() - 2, 2, "/>") != 0) return m;
    size_t at = line.find(' ');
    if (at == std::string::npos) return m;
    const std::string tag = line.substr(1, at - 1);
    while (true) {
        const size_t nameStart = line.find_first_not_of(' ', at);
        if (nameStart == std::string::npos || line.compare(nameStart, 2, "/>") == 0) break;
        const size_t eq = line.find("=\"", nameStart);
        const size_t close = eq == std::string::npos ? eq : line.find('"', eq + 2);
        if (close == std::string::npos) return m;
        m.attrs.emplace_back(line.substr(nameStart, eq - nameStart), line.substr(eq + 2, close - eq - 2));
        at = close + 1;
    }
    m.tag = tag;
    return m;
}

// How a mark of a kind becomes a piece of a path: the attributes its geometry takes, in order
// (the rest are its style), whether the path is unfilled, and the piece.
struct MarkShape {
    const char* tag;
    std::vector<std::string> geometry;
    bool unfilled;
    std::string (*piece)(const std::vector<double>& g);
};

const MarkShape kMarkShapes[] = {
    {"line", {"x1", "y1", "x2", "y2"}, true,
     [](const std::vector<double>& g) { return "M" + Num(g[0]) + " " + Num(g[1]) + " L" + Num(g[2]) + " " + Num(g[3]); }},
    {"rect", {"x", "y", "width", "height"}, false,
     [](const std::vector<double>& g) {
         return "M" + Num(g[0]) + " " + Num(g[1]) + " h" + Num(g[2]) + " v" + Num(g[3]) + " h" + Num(-g[2]) + " Z";
     }},
    {"circle", {"cx", "cy", "r"}, false,
     [](const std::vector<double>& g) {
         const std::string r = Num(g[2]);
         return "M" + Num(g[0] - g[2]) + " " + Num(g[1]) + " a" + r + " " + r + " 0 1 0 " + Num(2 * g[2]) + " 0 a" + r + " " +
                r + " 0 1 0 " + Num(-2 * g[2]) + " 0 Z";
     }},
};

// A mark of the drawing as a piece of a path: the piece, its style, and the one colour it paints
// ("" when it paints in two).
struct PathPiece {
    std::string piece, style, colour;
};

// The path piece of a line of the drawing that can join a path; false when it cannot.
bool AsPathPiece(const std::string& line, PathPiece& out) {
    const SvgMark m = ReadMark(line);
    if (m.tag.empty()) return false;
    std::vector<double> g;
    const MarkShape* shape = nullptr;
    for (const MarkShape& candidate : kMarkShapes)
        if (m.tag == candidate.tag) shape = &candidate;
    // an outline (a path left unfilled) joins as it is; its style follows its outline
    const bool outline = m.tag == "path" && m.attrs.size() > 1 && m.attrs[0].first == "d" && m.attrs[1].first == "fill" &&
                         m.attrs[1].second == "none";
    if (!outline && (shape == nullptr || m.attrs.size() <= shape->geometry.size())) return false;
    const size_t first = outline ? 1 : shape->geometry.size();
    for (size_t i = 0; !outline && i < first; ++i) {
        char* end = nullptr;
        g.push_back(std::strtod(m.attrs[i].second.c_str(), &end));
        // the geometry comes first, as plain numbers
        if (m.attrs[i].first != shape->geometry[i] || *end != 0) return false;
    }
    out.style = !outline && shape->unfilled ? " fill=\"none\"" : "";
    std::string fill = !outline && shape->unfilled ? "none" : "", stroke;
    for (size_t i = first; i < m.attrs.size(); ++i) {
        const auto& [name, value] = m.attrs[i];
        // a mark whose style names its geometry again (a rotation about its point) stays as it is
        if (name == "transform") return false;
        if (name == "fill") fill = value;
        if (name == "stroke") stroke = value;
        out.style += " " + name + "=\"" + value + "\"";
    }
    const bool filled = !fill.empty() && fill != "none", stroked = !stroke.empty() && stroke != "none";
    // the colour a mark paints: its fill, its stroke, or none when both differ
    out.colour = filled && stroked && fill != stroke ? "" : filled ? fill : stroke;
    out.piece = outline ? m.attrs[0].second : shape->piece(g);
    return true;
}

// A merged path grows to about this size: a browser reads a long path quickly, and the page's plan
// can still be cut into parts between paths.
constexpr size_t kMergedPathBytes = 32 * 1024;

// Writes the marks of one stretch of the drawing as paths. Marks of one colour that follow one
// another look the same in any order, so each such run is gathered by style; the runs keep their
// order, and a mark that paints in two colours stays a run of its own.
void WriteMarks(const std::vector<PathPiece>& marks, std::string& out) {
    std::vector<std::pair<std::string, std::string>> paths;  // style, path of the current colour run
    const auto writeRun = [&] {
        for (const auto& [style, path] : paths) out += "<path d=\"" + path + "\"" + style + "/>\n";
        paths.clear();
    };
    for (size_t i = 0; i < marks.size(); ++i) {
        const PathPiece& m = marks[i];
        // a new colour, or a mark of two colours, starts a new run
        if (i > 0 && (m.colour != marks[i - 1].colour || m.colour.empty())) writeRun();
        // the last path of this style takes the mark, while it is short enough to cut between parts
        auto it = std::find_if(paths.rbegin(), paths.rend(), [&](const auto& p) { return p.first == m.style; });
        if (it == paths.rend() || it->second.size() >= kMergedPathBytes) paths.emplace_back(m.style, m.piece);
        else it->second += " " + m.piece;
    }
    writeRun();
}

}  // namespace

// The same picture with far fewer elements for a browser to lay out.
std::string MergedMarks(const std::string& svg) {
    std::string out;
    out.reserve(svg.size() / 2);
    std::vector<PathPiece> marks;
    std::vector<bool> bareGroups;  // the open groups, inner last: true for a group without attributes
    PathPiece piece;
    size_t start = 0;
    while (start < svg.size()) {
        size_t end = svg.find('\n', start);
        if (end == std::string::npos) end = svg.size();
        const std::string line = svg.substr(start, end - start);
        start = end + 1;
        if (AsPathPiece(line, piece)) {
            marks.push_back(piece);
            continue;
        }
        // a bare group styles nothing: it is left out, and its marks join their neighbours
        if (line == "<g>" || line.compare(0, 3, "<g ") == 0) bareGroups.push_back(line == "<g>");
        const bool closesBare = line == "</g>" && !bareGroups.empty() && bareGroups.back();
        if (line == "</g>" && !bareGroups.empty()) bareGroups.pop_back();
        if (line == "<g>" || closesBare) continue;
        // any other element (a filled area, a text, a group's edge) closes the stretch
        WriteMarks(marks, out);
        marks.clear();
        out += line + "\n";
    }
    WriteMarks(marks, out);
    return out;
}

namespace {

// The plan drawing; `forPage` draws the workbench page's picture instead of the file: the edges
// grouped by type, no edge numbers (the page draws its own), runs of alike marks made one path.
std::string PlanSvgTextFor(bool forPage) {
    const auto& elements = host::gSession.model.elements;
    const std::vector<PlaneRing> planes = ProjectRoofPlaneRings();
    const PlaneFinder finder = MakePlaneFinder(planes);
    Bounds b;
    std::vector<std::pair<const host::Element*, std::vector<host::DrawPrimitive>>> drawings;
    for (const host::Element& e : elements) {
        for (const host::RoofPlaneShape& p : e.roofPlanes)
            for (const API_Coord3D& c : p.outer) b.Add(c.x, c.y);
        for (const API_Coord& c : e.polygon) b.Add(c.x, c.y);
        if (e.rec.header.typeID != API_ObjectID) continue;
        drawings.emplace_back(&e, ObjectDrawingAround(e, finder));
        b.Add(e.rec.object.pos.x, e.rec.object.pos.y);
        for (const host::DrawPrimitive& p : drawings.back().second)
            for (const API_Coord& c : p.points) b.Add(c.x, c.y);
    }
    if (b.Empty()) { b.Add(0, 0); b.Add(10, 10); }
    const double w = std::max(b.maxX - b.minX, 1.0), h = std::max(b.maxY - b.minY, 1.0);
    View v;
    v.scale = std::min((kDrawingWidthPx - 2 * kMarginPx) / w, 900.0 / h);
    const double planHeight = h * v.scale + 2 * kMarginPx + 70;  // 70: scale bar and north arrow below
    const double height = std::max(planHeight, kMinPictureHeightPx);
    v.offX = kMarginPx - b.minX * v.scale;
    v.offY = kMarginPx + b.maxY * v.scale;
    const double width = kDrawingWidthPx + kLegendWidthPx;

    std::ostringstream s;
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Num(width) << "\" height=\"" << Num(height)
      << "\" viewBox=\"0 0 " << Num(width) << " " << Num(height) << "\" font-family=\"DejaVu Sans, Arial, sans-serif\"";
    // The plan's own mapping (picture x = offx + scale * x, picture y = offy - scale * y), so a
    // viewer can lay clickable shapes over the drawing.
    s << " data-scale=\"" << v.scale << "\" data-offx=\"" << v.offX << "\" data-offy=\"" << v.offY << "\">\n";
    s << "<rect width=\"100%\" height=\"100%\" fill=\"#fbfaf7\"/>\n";
    s << "<text x=\"" << Num(kMarginPx) << "\" y=\"24\" font-size=\"16\" font-weight=\"bold\" fill=\"#222\">Tevaro – tetőalaprajz</text>\n";

    // Fills.
    for (const host::Element& e : elements)
        if (e.rec.header.typeID == API_HatchID && e.polygon.size() >= 3)
            s << "<path d=\"" << Ring(v, e.polygon) << "\" fill=\"#e9e4d4\" stroke=\"#b5ad95\" stroke-width=\"1\"/>\n";
    // Roof planes, shaded by the way they face, holes cut out.
    for (const host::Element& e : elements) {
        if (e.rec.header.typeID != API_RoofID) continue;
        for (const host::RoofPlaneShape& p : e.roofPlanes) {
            std::string d = Ring(v, Flat(p.outer));
            for (const host::Ring3& hole : p.holes) d += " " + Ring(v, Flat(hole));
            s << "<path d=\"" << d << "\" fill=\"" << PlaneShade(DownhillDirection(p.outer))
              << "\" fill-rule=\"evenodd\" stroke=\"none\"/>\n";
        }
    }
    // Walls above the roofs' shading: the chimney and the gable walls stand out of the roof.
    for (const host::Element& e : elements)
        if (e.rec.header.typeID == API_WallID && e.polygon.size() >= 3)
            s << "<path d=\"" << Ring(v, e.polygon) << "\" fill=\"#8c8c8c\" stroke=\"#404040\" stroke-width=\"1\"/>\n";
    // Roof edges by type.
    std::vector<PlanEdge> roofEdges = RoofEdges(TypedEdges(planes));
    // the page's picture draws each type's edges together: their joints overlap, nothing else does
    if (forPage) std::stable_sort(roofEdges.begin(), roofEdges.end(), [](const PlanEdge& a, const PlanEdge& b) { return a.type < b.type; });
    for (const PlanEdge& e : roofEdges)
        s << "<line x1=\"" << Num(v.X(e.a.x)) << "\" y1=\"" << Num(v.Y(e.a.y)) << "\" x2=\"" << Num(v.X(e.b.x)) << "\" y2=\""
          << Num(v.Y(e.b.y)) << "\" stroke=\"" << EdgeTypeColour(e.type) << "\" stroke-width=\"" << (e.type ? 4 : 2)
          << "\" stroke-linecap=\"round\"/>\n";
    // The objects' own plan drawing.
    for (const auto& [e, prims] : drawings) {
        const ObjectKind kind = KindOf(*e);
        const char* colour = ObjectColour(kind);
        const double width = kind == ObjectKind::Ridge ? 3 : kind == ObjectKind::TileSurface ? 1 : 1.3;
        s << "<g>\n";
        for (const host::DrawPrimitive& p : prims) {
            // a tile surface's accessory and solar rows take the accessories' colour
            // (a text with a height is the surface's own label, as the 2D display option asks)
            const bool codeText = p.kind == host::DrawPrimitive::Text && kind == ObjectKind::TileSurface && p.radius <= 0;
            const bool accessory = p.text.rfind("accessory", 0) == 0 || codeText;
            DrawPrimitiveSvg(s, v, p, accessory ? ObjectColour(ObjectKind::Other) : colour, accessory ? 2 : width);
        }
        if (prims.empty()) {
            // A part without a plan drawing shows as a marker at its position.
            s << "<circle cx=\"" << Num(v.X(e->rec.object.pos.x)) << "\" cy=\"" << Num(v.Y(e->rec.object.pos.y))
              << "\" r=\"5\" fill=\"" << colour << "\" stroke=\"#fff\" stroke-width=\"1.5\"/>\n";
            Label(s, v.X(e->rec.object.pos.x) + 8, v.Y(e->rec.object.pos.y) + 4, e->elementId, 10, colour, "start");
        }
        s << "</g>\n";
    }
    // While the edge palette is open, each setter's edge numbers at the edges' middles: the numbers
    // `edge GROUP EDGE TYPE` and the workbench use.
    if (host::OpenPaletteId() != 0 && !forPage)
        for (const ListedEdge& e : ListEdges())
            Label(s, v.X((e.start.x + e.end.x) / 2), v.Y((e.start.y + e.end.y) / 2) + 4, std::to_string(e.number), 11, "#111");
    // Roof labels: the roof's ID and each plane's fall direction and pitch.
    for (const host::Element& e : elements) {
        if (e.rec.header.typeID != API_RoofID) continue;
        for (const host::RoofPlaneShape& p : e.roofPlanes) {
            const API_Coord c = Centroid(Flat(p.outer));
            const double dir = DownhillDirection(p.outer);
            const double ax = v.X(c.x), ay = v.Y(c.y);
            const double ux = std::cos(dir), uy = -std::sin(dir);
            s << "<line x1=\"" << Num(ax - 12 * ux) << "\" y1=\"" << Num(ay - 12 * uy) << "\" x2=\"" << Num(ax + 12 * ux)
              << "\" y2=\"" << Num(ay + 12 * uy) << "\" stroke=\"#3a2418\" stroke-width=\"1.5\"/>\n";
            s << "<circle cx=\"" << Num(ax + 12 * ux) << "\" cy=\"" << Num(ay + 12 * uy) << "\" r=\"2.5\" fill=\"#3a2418\"/>\n";
        }
    }
    for (const auto& [e, prims] : drawings) {
        if (KindOf(*e) != ObjectKind::TileSurface) continue;
        for (const host::DrawPrimitive& p : prims)
            if (p.kind == host::DrawPrimitive::Polygon && p.points.size() >= 3) {
                const API_Coord c = Centroid(p.points);
                Label(s, v.X(c.x), v.Y(c.y) + 18, e->elementId, 11, ObjectColour(ObjectKind::TileSurface));
                break;
            }
    }
    std::vector<std::string> roofIds;
    for (const host::Element& e : elements) {
        if (e.rec.header.typeID != API_RoofID || e.roofPlanes.empty()) continue;
        Bounds rb;
        for (const host::RoofPlaneShape& p : e.roofPlanes)
            for (const API_Coord3D& c : p.outer) rb.Add(c.x, c.y);
        Label(s, v.X(rb.minX) + 4, v.Y(rb.maxY) + 14, e.elementId, 12, "#222", "start");
    }
    ScaleAndNorth(s, v, kMarginPx, height - 20);
    Legend(s, kDrawingWidthPx + 10, 50);
    s << "</svg>\n";
    return forPage ? MergedMarks(s.str()) : s.str();
}

}  // namespace

std::vector<std::string> PlanParts(const std::string& svg, size_t partBytes) {
    // the sheet's head: everything up to the end of the opening <svg ...> tag's line
    const size_t open = svg.find("<svg");
    const size_t bodyStart = open == std::string::npos ? std::string::npos : svg.find('\n', open);
    const size_t close = svg.rfind("</svg>");
    if (bodyStart == std::string::npos || close == std::string::npos || close < bodyStart) return {svg};
    const std::string head = svg.substr(0, bodyStart + 1), foot = svg.substr(close);
    std::vector<std::string> parts;
    std::string body;
    int depth = 0;
    size_t start = bodyStart + 1;
    while (start < close) {
        size_t end = svg.find('\n', start);
        if (end == std::string::npos || end > close) end = close;
        const std::string line = svg.substr(start, end - start + 1);
        start = end + 1;
        // a group opens on a line of its own and closes on one: the part may end only outside groups
        if (line.compare(0, 3, "<g>") == 0 || line.compare(0, 3, "<g ") == 0) ++depth;
        if (line.compare(0, 4, "</g>") == 0) --depth;
        body += line;
        if (depth == 0 && body.size() >= partBytes) {
            parts.push_back(head + body + foot);
            body.clear();
        }
    }
    if (!body.empty() || parts.empty()) parts.push_back(head + body + foot);
    return parts;
}

std::string PlanSvgText() { return PlanSvgTextFor(false); }

std::string PagePlanSvgText() { return PlanSvgTextFor(true); }

bool WritePlanSvg(const std::string& path, std::string& error) {
    std::ofstream out(path, std::ios::binary);
    out << PlanSvgText();
    if (!out) { error = "cannot write " + path; return false; }
    return true;
}

}  // namespace app
