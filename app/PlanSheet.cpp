// Purpose: the roof plan as a drawing to build from, on a sheet to scale, as SVG or PDF.
//
// The page is drawn in millimetres (the SVG's user unit is 1 mm). Left: the plan, its north-west
// corner at kPlanOriginMm, layered fills, roof planes, walls (dashed where a roof covers them,
// solid grey where they rise through it), edges in their roofer's colours, the placed objects,
// solar panels at their real size, main dimensions, plane labels placed where they collide with
// nothing; below it the scale bar and the north arrow. Right: the order list and the title block.
#include "app/PlanSheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "app/EdgeFolds.h"
#include "app/ModelDistances.h"
#include "app/OrderList.h"
#include "app/PdfOutput.h"
#include "app/PlanSvg.h"
#include "app/QuantitiesCsv.h"
#include "catalogue/Catalogue.h"
#include "host/Host.h"
#include "host/ParamLists.h"
#include "objectlib/ObjectLibScripts.h"
#include "objectlib/PartParams.h"
#include "objectlib/TileSurfaceScripts.h"
#include "polytopo/EdgeGroups.h"

namespace app {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMarginMm = 10;         // paper edge to the frame
constexpr double kColumnMm = 120;        // the right column: order list and title block
constexpr double kBottomStripMm = 26;    // below the plan: scale bar and north arrow
constexpr double kTitleBlockMm = 44;     // the title block's height
constexpr double kTextMm = 2.2;          // table and label text height
constexpr double kRowMm = 3.6;           // a table row
constexpr double kCharWidthShare = 0.55;  // a character's mean width per text height
constexpr double kDimensionOffsetMm = 6;  // a dimension line's distance from its edge
constexpr double kScaleBarMaxMm = 60;     // the longest scale bar
constexpr double kLabelGapMm = 0.8;       // room kept between two labels
constexpr double kInsideTol = 1e-9;       // a point on a plane's outline counts as inside
// A solar panel's real size: 1.0 m across the slope, 1.7 m up it (the common module; the
// catalogue gives no sizes). Collectors of 2.0 and 2.5 m2 are 1.0 x 2.0 and 1.25 x 2.0 m.
constexpr double kPanelWidth = 1.0, kPanelLength = 1.7;
constexpr double kCollectorLength = 2.0;
// User texts of the drawing (STRS 140).
constexpr int16_t kTextTableResId = 140;
constexpr int32_t kTextTitle = 213, kTextProject = 214, kTextDate = 215, kTextTileType = 216, kTextColour = 217,
                  kTextScale = 218, kTextSheet = 219, kTextOrderList = 220, kTextCode = 221, kTextName = 222,
                  kTextQuantity = 223, kTextUnit = 224, kTextNorth = 225, kTextPieces = 226, kTextWarnings = 227,
                  kTextMillimetres = 228, kTextEndCap = 231, kTextStarter = 232, kTextJunction = 233;
// The scales a drawing is made at.
const int kScales[] = {50, 100, 200};

struct Sheet {
    const char* name;
    double width, height;
};
const Sheet kSheets[] = {{"A4", 297, 210}, {"A3", 420, 297}};

// Row `row` of the add-on's user-text table.
std::string UserText(int32_t row) {
    std::string text;
    return host::ResourceString(kTextTableResId, row, text) ? text : "";
}

// A length in mm for SVG.
std::string Mm(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

// Model to paper: millimetres from the sheet's top-left corner.
struct Paper {
    double k = 10;  // mm per model metre
    double minX = 0, maxY = 0;
    double X(double x) const { return kPlanOriginMm + (x - minX) * k; }
    double Y(double y) const { return kPlanOriginMm + (maxY - y) * k; }
};

// An axis-aligned box on the paper.
struct Box {
    double x0, y0, x1, y1;
    bool Overlaps(const Box& o) const {
        return x0 < o.x1 + kLabelGapMm && o.x0 < x1 + kLabelGapMm && y0 < o.y1 + kLabelGapMm && o.y0 < y1 + kLabelGapMm;
    }
};

// A text's width on the paper.
double TextWidth(const std::string& text, double size) {
    size_t chars = 0;
    for (unsigned char c : text) chars += (c & 0xC0) != 0x80 ? 1 : 0;
    return double(chars) * size * kCharWidthShare;
}

// A text cut to fit `width` mm, with an ellipsis when cut.
std::string Fit(const std::string& text, double width, double size) {
    if (TextWidth(text, size) <= width) return text;
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80 && TextWidth(out + "…", size) + size * kCharWidthShare > width) break;
        out += text[i];
    }
    while (!out.empty() && (static_cast<unsigned char>(out.back()) & 0xC0) == 0x80) out.pop_back();
    if (!out.empty() && (static_cast<unsigned char>(out.back()) & 0x80) != 0) out.pop_back();  // a cut lead byte
    return out + "…";
}

// A text element.
void Text(std::ostream& s, double x, double y, const std::string& text, double size, const char* anchor = "start",
          const char* extra = "") {
    s << "<text x=\"" << Mm(x) << "\" y=\"" << Mm(y) << "\" font-size=\"" << Mm(size) << "\" text-anchor=\"" << anchor
      << "\"" << extra << ">" << Escape(text) << "</text>\n";
}

// A line element.
void Line(std::ostream& s, double x1, double y1, double x2, double y2, const std::string& colour, double width,
          const char* extra = "") {
    s << "<line x1=\"" << Mm(x1) << "\" y1=\"" << Mm(y1) << "\" x2=\"" << Mm(x2) << "\" y2=\"" << Mm(y2)
      << "\" stroke=\"" << colour << "\" stroke-width=\"" << Mm(width) << "\"" << extra << "/>\n";
}

// An SVG path of a closed plan ring on the paper.
std::string PaperRing(const Paper& p, const std::vector<API_Coord>& pts) {
    std::string d;
    for (size_t i = 0; i < pts.size(); ++i) d += (i == 0 ? "M" : " L") + Mm(p.X(pts[i].x)) + " " + Mm(p.Y(pts[i].y));
    return d + " Z";
}

// True when plan point q lies inside (or on) the plan polygon.
bool Inside(const std::vector<API_Coord>& poly, const API_Coord& q) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const API_Coord& a = poly[i];
        const API_Coord& b = poly[j];
        // the ray to +x crosses edge a-b between its ends
        const bool straddles = (a.y > q.y) != (b.y > q.y);
        if (straddles && q.x < (b.x - a.x) * (q.y - a.y) / (b.y - a.y) + a.x - kInsideTol) in = !in;
    }
    return in;
}

// The plan extent of the roofs, walls and fills.
bool PlanExtent(double& minX, double& minY, double& maxX, double& maxY) {
    minX = minY = 1e300;
    maxX = maxY = -1e300;
    for (const host::Element& e : host::gSession.model.elements) {
        for (const host::RoofPlaneShape& p : e.roofPlanes)
            for (const API_Coord3D& c : p.outer) {
                minX = std::min(minX, c.x), maxX = std::max(maxX, c.x);
                minY = std::min(minY, c.y), maxY = std::max(maxY, c.y);
            }
        const bool outlined = e.rec.header.typeID == API_WallID || e.rec.header.typeID == API_HatchID;
        if (!outlined) continue;
        for (const API_Coord& c : e.polygon) {
            minX = std::min(minX, c.x), maxX = std::max(maxX, c.x);
            minY = std::min(minY, c.y), maxY = std::max(maxY, c.y);
        }
    }
    return minX <= maxX;
}

// The height of the roof surface above plan point q (the highest plane over it); false when no
// roof covers it.
bool RoofHeightAt(const API_Coord& q, double& z) {
    bool found = false;
    for (const host::Element& e : host::gSession.model.elements) {
        if (e.rec.header.typeID != API_RoofID) continue;
        for (const host::RoofPlaneShape& p : e.roofPlanes) {
            if (p.outer.size() < 3 || !Inside(Flat(p.outer), q)) continue;
            // the plane through the ring: Newell's normal and a point
            double nx = 0, ny = 0, nz = 0;
            for (size_t i = 0; i < p.outer.size(); ++i) {
                const API_Coord3D& a = p.outer[i];
                const API_Coord3D& b = p.outer[(i + 1) % p.outer.size()];
                nx += (a.y - b.y) * (a.z + b.z);
                ny += (a.z - b.z) * (a.x + b.x);
                nz += (a.x - b.x) * (a.y + b.y);
            }
            if (std::fabs(nz) < 1e-12) continue;
            const API_Coord3D& o = p.outer[0];
            const double h = o.z - (nx * (q.x - o.x) + ny * (q.y - o.y)) / nz;
            z = found ? std::max(z, h) : h;
            found = true;
        }
    }
    return found;
}

// True when a roof covers the wall: its top lies below the roof surface over its middle.
bool WallUnderRoof(const host::Element& wall) {
    if (wall.polygon.empty()) return false;
    const API_Coord middle = Centroid(wall.polygon);
    double roof = 0;
    if (!RoofHeightAt(middle, roof)) return false;
    double level = 0;
    for (const host::Story& st : host::gSession.model.stories)
        if (st.index == wall.rec.header.floorInd) level = st.level;
    return level + wall.rec.wall.bottomOffset + wall.rec.wall.height < roof;
}

// The solar collectors' and panels' codes of the catalogue, with their length up the slope.
std::map<std::string, double> SolarLengths() {
    std::map<std::string, double> lengths;
    for (int32_t i = 0; i < gCatalogue.solarPanelCount; ++i)
        lengths[std::string(gCatalogue.solarPanels[i].code, strnlen(gCatalogue.solarPanels[i].code, kCatCodeLen))] =
            kPanelLength;
    for (int32_t i = 0; i < gCatalogue.solarCollectorCount; ++i)
        lengths[std::string(gCatalogue.solarCollectors[i].code, strnlen(gCatalogue.solarCollectors[i].code, kCatCodeLen))] =
            kCollectorLength;
    return lengths;
}

// Solar collectors and panels at their real size: from the row's point, across and up the slope.
void SolarPanels(std::ostream& s, const Paper& p) {
    const std::map<std::string, double> lengths = SolarLengths();
    for (const host::Element& e : host::gSession.model.elements) {
        if (KindOf(e) != ObjectKind::TileSurface) continue;
        const host::ParamValue* acces = host::FindParam(e.params, "acces");
        if (acces == nullptr || host::IsTextParam(*acces) || acces->dim2 < 6) continue;
        const double slope = objectlib::NumberOr(e, "alpha", 0);
        const int rows = int(std::lround(objectlib::NumberOr(e, "num_acc", 0)));
        for (int r = 0; r < rows && size_t(r + 1) * size_t(acces->dim2) <= acces->numbers.size(); ++r) {
            const auto found = lengths.find(objectlib::TextAt(e, "cod_acc", size_t(r)));
            if (found == lengths.end()) continue;
            const double* v = &acces->numbers[size_t(r) * size_t(acces->dim2)];
            const double x = v[1], y = v[2];
            // up the slope is +y in the part's frame unless the nodes were negated with the angle
            const double up = objectlib::SurfaceUphillSign(e);
            const std::vector<API_Coord> box = {objectlib::ToPlan(e, x, y, slope),
                                                objectlib::ToPlan(e, x + kPanelWidth * up, y, slope),
                                                objectlib::ToPlan(e, x + kPanelWidth * up, y + found->second * up, slope),
                                                objectlib::ToPlan(e, x, y + found->second * up, slope)};
            s << "<path d=\"" << PaperRing(p, box) << "\" fill=\"#2d5f8a\" fill-opacity=\"0.75\" stroke=\"#0b2e4f\" "
              << "stroke-width=\"0.25\"/>\n";
        }
    }
}

// Main dimensions: each eave and each ridge with its plan length in mm, on a dimension line
// outside the eave or along the ridge.
// The plan centre of the plane one of whose edges runs along a-b (the plan's own centre when none).
API_Coord PlaneCentreOf(const API_Coord& a, const API_Coord& b, const std::vector<PlaneRing>& planes,
                        const API_Coord& fallback) {
    for (const PlaneRing& ring : planes) {
        bool hasA = false, hasB = false;
        for (const API_Coord3D& c : ring) {
            hasA = hasA || std::hypot(c.x - a.x, c.y - a.y) < kSamePlaceDistance;
            hasB = hasB || std::hypot(c.x - b.x, c.y - b.y) < kSamePlaceDistance;
        }
        if (!hasA || !hasB) continue;
        std::vector<API_Coord> flat;
        for (const API_Coord3D& c : ring) flat.push_back({c.x, c.y});
        return Centroid(flat);
    }
    return fallback;
}

void Dimensions(std::ostream& s, const Paper& p, const std::vector<PlanEdge>& edges, std::vector<Box>& taken,
                const std::vector<PlaneRing>& planes) {
    std::vector<std::pair<API_Coord, API_Coord>> done;
    API_Coord centre{0, 0};
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (const PlanEdge& e : edges)
        minX = std::min(minX, e.a.x), maxX = std::max(maxX, e.a.x), minY = std::min(minY, e.a.y), maxY = std::max(maxY, e.a.y);
    centre = {(minX + maxX) / 2, (minY + maxY) / 2};
    for (const PlanEdge& e : edges) {
        const bool eave = e.type == dummystatus_eaves;
        const bool ridge = e.type == dummystatus_ridge_with_tiles || e.type == dummystatus_ridge_without_tiles;
        if (!eave && !ridge) continue;
        bool seen = false;
        for (const auto& d : done)
            // the same edge seen from its other plane
            seen = seen || (std::hypot(d.first.x - e.b.x, d.first.y - e.b.y) < 0.01 &&
                            std::hypot(d.second.x - e.a.x, d.second.y - e.a.y) < 0.01) ||
                   (std::hypot(d.first.x - e.a.x, d.first.y - e.a.y) < 0.01 &&
                    std::hypot(d.second.x - e.b.x, d.second.y - e.b.y) < 0.01);
        if (seen) continue;
        done.push_back({e.a, e.b});
        const double length = std::hypot(e.b.x - e.a.x, e.b.y - e.a.y);
        if (length * p.k < 8) continue;  // too short to dimension readably
        double ux = (p.X(e.b.x) - p.X(e.a.x)) / (length * p.k), uy = (p.Y(e.b.y) - p.Y(e.a.y)) / (length * p.k);
        // the normal pointing away from the edge's own plane: eave dimensions stand outside the roof
        double nx = -uy, ny = ux;
        const double mx = (p.X(e.a.x) + p.X(e.b.x)) / 2, my = (p.Y(e.a.y) + p.Y(e.b.y)) / 2;
        const API_Coord own = PlaneCentreOf(e.a, e.b, planes, centre);
        if ((mx - p.X(own.x)) * nx + (my - p.Y(own.y)) * ny < 0) nx = -nx, ny = -ny;
        const double off = eave ? kDimensionOffsetMm : 1.5;
        const double ax = p.X(e.a.x) + nx * off, ay = p.Y(e.a.y) + ny * off;
        const double bx = p.X(e.b.x) + nx * off, by = p.Y(e.b.y) + ny * off;
        const char* colour = eave ? "#1f4d2b" : "#6b3500";
        if (eave) {
            Line(s, ax, ay, bx, by, colour, 0.18);
            Line(s, p.X(e.a.x) + nx, p.Y(e.a.y) + ny, ax + nx, ay + ny, colour, 0.13);
            Line(s, p.X(e.b.x) + nx, p.Y(e.b.y) + ny, bx + nx, by + ny, colour, 0.13);
            for (const auto& [tx, ty] : {std::make_pair(ax, ay), std::make_pair(bx, by)})  // architectural ticks
                Line(s, tx - (ux - nx) * 0.9, ty - (uy - ny) * 0.9, tx + (ux - nx) * 0.9, ty + (uy - ny) * 0.9, colour, 0.25);
        }
        char value[32];
        std::snprintf(value, sizeof value, "%.0f", length * 1000);
        double angle = std::atan2(uy, ux) * 180 / kPi;
        if (angle > 90) angle -= 180;
        if (angle < -90) angle += 180;
        const double tx = (ax + bx) / 2 + nx * 1.2, ty = (ay + by) / 2 + ny * 1.2;
        std::string rotate = " fill=\"" + std::string(colour) + "\" transform=\"rotate(" + Mm(angle) + " " + Mm(tx) + " " +
                             Mm(ty) + ")\" dominant-baseline=\"middle\"";
        Text(s, tx, ty, value, kTextMm, "middle", rotate.c_str());
        const double half = TextWidth(value, kTextMm) / 2 + 0.5;
        taken.push_back({tx - half, ty - half, tx + half, ty + half});
    }
}

// The plane labels: pitch and fall arrow, at the first point inside the plane where the label
// collides with no label placed before: its centre, then halfway to each corner, then a quarter.
void PlaneLabels(std::ostream& s, const Paper& p, std::vector<Box>& taken) {
    for (const host::Element& e : host::gSession.model.elements) {
        if (e.rec.header.typeID != API_RoofID) continue;
        for (const host::RoofPlaneShape& plane : e.roofPlanes) {
            if (plane.outer.size() < 3) continue;
            const std::vector<API_Coord> ring = Flat(plane.outer);
            const double dir = DownhillDirection(plane.outer);
            double rise = 0, run = 0;  // the pitch from the ring's highest and lowest points
            const API_Coord3D* hi = &plane.outer[0];
            const API_Coord3D* lo = &plane.outer[0];
            for (const API_Coord3D& c : plane.outer) {
                if (c.z > hi->z) hi = &c;
                if (c.z < lo->z) lo = &c;
            }
            rise = hi->z - lo->z;
            run = std::fabs((hi->x - lo->x) * std::cos(dir) + (hi->y - lo->y) * std::sin(dir));
            char pitch[32];
            std::snprintf(pitch, sizeof pitch, "%.0f°", run > 0 ? std::atan2(rise, run) * 180 / kPi : 0.0);
            const double w = TextWidth(pitch, kTextMm) + 9, h = kTextMm + 1.6;
            const API_Coord c = Centroid(ring);
            std::vector<API_Coord> candidates = {c};
            for (double t : {0.5, 0.25, 0.7})
                for (const API_Coord& v : ring) candidates.push_back({c.x + t * (v.x - c.x), c.y + t * (v.y - c.y)});
            Box chosen{p.X(c.x) - w / 2, p.Y(c.y) - h / 2, p.X(c.x) + w / 2, p.Y(c.y) + h / 2};
            for (const API_Coord& q : candidates) {
                const Box b{p.X(q.x) - w / 2, p.Y(q.y) - h / 2, p.X(q.x) + w / 2, p.Y(q.y) + h / 2};
                // the label box stands inside the plane and clear of the labels placed so far
                bool inside = true;
                for (double bx : {b.x0, b.x1})
                    for (double by : {b.y0, b.y1})
                        inside = inside && Inside(ring, {p.minX + (bx - kPlanOriginMm) / p.k, p.maxY - (by - kPlanOriginMm) / p.k});
                bool clear = true;
                for (const Box& o : taken) clear = clear && !b.Overlaps(o);
                if (inside && clear) {
                    chosen = b;
                    break;
                }
            }
            taken.push_back(chosen);
            // the fall arrow: 6 mm downhill, its head at the low end
            const double ax = chosen.x0 + 4, ay = (chosen.y0 + chosen.y1) / 2;
            const double ux = std::cos(dir), uy = -std::sin(dir);
            Line(s, ax - 3 * ux, ay - 3 * uy, ax + 3 * ux, ay + 3 * uy, "#3a2418", 0.3);
            s << "<path d=\"M" << Mm(ax + 3.6 * ux) << " " << Mm(ay + 3.6 * uy) << " L" << Mm(ax + 2 * ux - 0.9 * uy) << " "
              << Mm(ay + 2 * uy + 0.9 * ux) << " L" << Mm(ax + 2 * ux + 0.9 * uy) << " " << Mm(ay + 2 * uy - 0.9 * ux)
              << " Z\" fill=\"#3a2418\"/>\n";
            Text(s, chosen.x0 + 8, ay + kTextMm * 0.35, pitch, kTextMm, "start",
                 " fill=\"#3a2418\" stroke=\"#ffffff\" stroke-width=\"0.5\" paint-order=\"stroke\"");
        }
    }
}

// The scale bar (a round length up to kScaleBarMaxMm) and the north arrow, below the plan.
void ScaleBarAndNorth(std::ostream& s, const Paper& p, double left, double base, int scale) {
    double metres = 1;
    for (double m : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0})
        if (m * p.k <= kScaleBarMaxMm) metres = m;
    const double len = metres * p.k;
    for (int k = 0; k < 5; ++k)
        s << "<rect x=\"" << Mm(left + len * k / 5) << "\" y=\"" << Mm(base - 2) << "\" width=\"" << Mm(len / 5)
          << "\" height=\"2\" fill=\"" << (k % 2 == 0 ? "#222" : "#fff") << "\" stroke=\"#222\" stroke-width=\"0.2\"/>\n";
    Text(s, left, base - 3, "0", kTextMm, "middle");
    char text[64];
    std::snprintf(text, sizeof text, "%.0f mm", metres * 1000);
    Text(s, left + len, base - 3, text, kTextMm, "middle");
    std::snprintf(text, sizeof text, "M 1:%d", scale);
    Text(s, left, base + 4, text, kTextMm);
    // North: the model's +y, up on the sheet, turned anticlockwise by the model's north angle.
    const double nx = left + len + 20, ny = base;
    const double turn = host::gSession.model.northAngle == 0 ? 0.0 : -host::gSession.model.northAngle;
    s << "<g transform=\"rotate(" << Mm(turn) << " " << Mm(nx) << " " << Mm(ny - 7) << ")\">\n";
    s << "<path d=\"M" << Mm(nx) << " " << Mm(ny - 14) << " L" << Mm(nx + 4) << " " << Mm(ny) << " L" << Mm(nx) << " "
      << Mm(ny - 3.5) << " L" << Mm(nx - 4) << " " << Mm(ny) << " Z\" fill=\"#222\"/>\n";
    Text(s, nx, ny - 15.5, UserText(kTextNorth), 3.5, "middle", " font-weight=\"bold\"");
    s << "</g>\n";
}

// The order list as a table from the top of the right column; then the warnings. Returns the
// height used.
double OrderTable(std::ostream& s, double x, double y, double bottom, const std::vector<OrderWarning>& warnings) {
    const std::vector<OrderLine> lines = OrderLines(OrderListRows(warnings));
    Text(s, x, y + 4, UserText(kTextOrderList), 3.5, "start", " font-weight=\"bold\"");
    double row = y + 9;
    const double cols[] = {0, 18, 74, 101, 103};  // code, name, colour, quantity (right), unit
    Text(s, x + cols[0], row, UserText(kTextCode), kTextMm, "start", " font-weight=\"bold\"");
    Text(s, x + cols[1], row, UserText(kTextName), kTextMm, "start", " font-weight=\"bold\"");
    Text(s, x + cols[2], row, UserText(kTextColour), kTextMm, "start", " font-weight=\"bold\"");
    Text(s, x + cols[3], row, UserText(kTextQuantity), kTextMm, "end", " font-weight=\"bold\"");
    Text(s, x + cols[4], row, UserText(kTextUnit), kTextMm, "start", " font-weight=\"bold\"");
    Line(s, x, row + 1, x + kColumnMm - 4, row + 1, "#222", 0.2);
    for (const OrderLine& l : lines) {
        row += kRowMm;
        if (row > bottom - kRowMm) break;
        const std::string code = l.code.substr(0, l.code.find('/'));
        std::string name = l.product.empty() ? l.item : l.product;
        // the ridge's end pieces come under the ridge tile's code
        const std::pair<const char*, int32_t> pieces[] = {
            {"ridge end caps", kTextEndCap}, {"hip starters", kTextStarter}, {"ridge junctions", kTextJunction}};
        for (const auto& [item, row] : pieces)
            if (l.item == item) name += " – " + UserText(row);
        char quantity[32];
        std::snprintf(quantity, sizeof quantity, l.unit == "pcs" ? "%.0f" : "%.2f", l.quantity);
        const std::string unit = l.unit == "pcs" ? UserText(kTextPieces) : l.unit == "m2" ? "m²" : l.unit;
        Text(s, x + cols[0], row, Fit(code, cols[1] - cols[0] - 1, kTextMm), kTextMm);
        Text(s, x + cols[1], row, Fit(name, cols[2] - cols[1] - 1, kTextMm), kTextMm);
        Text(s, x + cols[2], row, Fit(l.colour, cols[3] - cols[2] - 12, kTextMm), kTextMm);
        Text(s, x + cols[3], row, quantity, kTextMm, "end");
        Text(s, x + cols[4], row, unit, kTextMm);
    }
    if (!warnings.empty() && row + 2 * kRowMm < bottom) {
        row += kRowMm * 1.6;
        Text(s, x, row, UserText(kTextWarnings), kTextMm, "start", " font-weight=\"bold\" fill=\"#a01010\"");
        for (const OrderWarning& w : warnings) {
            // wrapped at words to the column's width
            std::istringstream words(w.text);
            std::string line, word;
            auto flush = [&]() {
                row += kRowMm * 0.9;
                if (row < bottom) Text(s, x, row, line, kTextMm * 0.85, "start", " fill=\"#a01010\"");
                line.clear();
            };
            while (words >> word) {
                if (!line.empty() && TextWidth(line + " " + word, kTextMm * 0.85) > kColumnMm - 6) flush();
                line += (line.empty() ? "" : " ") + word;
            }
            if (!line.empty()) flush();
        }
    }
    return row - y;
}

// The tile family, type and colour most of the tile surfaces carry (names from the catalogue).
void MainTile(std::string& family, std::string& type, std::string& colour) {
    std::map<std::string, int> counts;
    std::string best;
    for (const host::Element& e : host::gSession.model.elements)
        if (KindOf(e) == ObjectKind::TileSurface) {
            const std::string code = objectlib::WithColour(objectlib::TextOf(e, "fam"), objectlib::TextOf(e, "color"));
            if (++counts[code] > counts[best]) best = code;
        }
    family = type = colour = "";
    if (best.empty()) return;
    NameProduct(best, type, colour);
    int f = -1;
    if (FindTileType(best.substr(0, best.find('/')).c_str(), &f) != nullptr && f >= 0)
        family = std::string(gCatalogue.families[f].name, strnlen(gCatalogue.families[f].name, kCatNameLen));
    if (type.empty()) type = best.substr(0, best.find('/'));
}

// Today's date, YYYY-MM-DD.
std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm day{};
    gmtime_r(&now, &day);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &day);
    return text;
}

// The title block at the bottom of the right column.
void TitleBlock(std::ostream& s, double x, double y, const SheetOptions& o) {
    const double w = kColumnMm - 4;
    s << "<rect x=\"" << Mm(x) << "\" y=\"" << Mm(y) << "\" width=\"" << Mm(w) << "\" height=\"" << Mm(kTitleBlockMm)
      << "\" fill=\"none\" stroke=\"#222\" stroke-width=\"0.35\"/>\n";
    Text(s, x + 2, y + 6, UserText(kTextTitle), 4, "start", " font-weight=\"bold\"");
    std::string family, type, colour;
    MainTile(family, type, colour);
    char scale[32];
    std::snprintf(scale, sizeof scale, "1:%d", o.scale);
    const std::pair<std::string, std::string> rows[] = {
        {UserText(kTextProject), o.project},
        {UserText(kTextDate), o.date.empty() ? Today() : o.date},
        {UserText(kTextTileType), family.empty() ? type : family + " – " + type},
        {UserText(kTextColour), colour},
        {UserText(kTextScale) + " / " + UserText(kTextSheet), std::string(scale) + " / " + o.sheet},
    };
    double ty = y + 12;
    for (const auto& [label, value] : rows) {
        Line(s, x, ty - 3.4, x + w, ty - 3.4, "#999", 0.15);
        Text(s, x + 2, ty, label, kTextMm, "start", " fill=\"#555\"");
        Text(s, x + 30, ty, Fit(value, w - 32, 2.8), 2.8);
        ty += 5.6;
    }
    Text(s, x + w - 2, y + kTitleBlockMm - 2, UserText(kTextMillimetres), kTextMm * 0.9, "end", " fill=\"#555\"");
}

// One placed object as its part draws it: courses fine, ridges bold; a tile surface's outline and
// edge lines are left out (the roof's edges show them in their colours).
void ObjectOnSheet(std::ostream& s, const Paper& p, const host::Element& e, ObjectKind kind,
                   const std::vector<PlaneRing>& planes) {
    for (const host::DrawPrimitive& prim : ObjectDrawing(e, planes)) {
        const bool course = prim.text == "course";
        const bool accessory = prim.text.rfind("accessory", 0) == 0;
        if (kind == ObjectKind::TileSurface && prim.kind == host::DrawPrimitive::Line && !course && !accessory) continue;
        const double w = kind == ObjectKind::Ridge ? 0.45 : course ? 0.06 : 0.12;
        const char* colour = kind == ObjectKind::Ridge ? "#5a1e00" : course ? "#7a5a48" : "#3b2a20";
        if (prim.kind == host::DrawPrimitive::Line && prim.points.size() == 2)
            Line(s, p.X(prim.points[0].x), p.Y(prim.points[0].y), p.X(prim.points[1].x), p.Y(prim.points[1].y), colour, w);
        else if (prim.kind == host::DrawPrimitive::Polygon && prim.points.size() >= 3 && prim.text != "outline" &&
                 prim.text != "hole")
            s << "<path d=\"" << PaperRing(p, prim.points) << "\" fill=\"none\" stroke=\"" << colour
              << "\" stroke-width=\"" << Mm(w) << "\"/>\n";
        else if (prim.kind == host::DrawPrimitive::Text && !prim.points.empty() && prim.radius > 0)
            Text(s, p.X(prim.points[0].x), p.Y(prim.points[0].y), prim.text, prim.radius, "middle", " fill=\"#3b2a20\"");
    }
}

}  // namespace

bool SheetSize(const std::string& sheet, double& widthMm, double& heightMm) {
    for (const Sheet& s : kSheets)
        if (sheet == s.name) {
            widthMm = s.width;
            heightMm = s.height;
            return true;
        }
    return false;
}

bool ParseSheetWord(const std::string& word, SheetOptions& options, std::string& error) {
    std::string upper = word;
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    double w = 0, h = 0;
    if (SheetSize(upper, w, h)) {
        options.sheet = upper;
        return true;
    }
    const std::string number = word.rfind("1:", 0) == 0 ? word.substr(2) : word;
    for (int scale : kScales)
        if (number == std::to_string(scale)) {
            options.scale = scale;
            return true;
        }
    error = "\"" + word + "\" is no scale (1:50, 1:100, 1:200) nor sheet (A4, A3)";
    return false;
}

bool PlanSheetSvg(const SheetOptions& options, std::string& svg, std::string& error) {
    double width = 0, height = 0;
    if (!SheetSize(options.sheet, width, height)) {
        error = "unknown sheet " + options.sheet + " (A4 or A3)";
        return false;
    }
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    if (!PlanExtent(minX, minY, maxX, maxY)) minX = minY = maxX = maxY = 0;
    Paper p;
    p.k = 1000.0 / options.scale;
    p.minX = minX;
    p.maxY = maxY;
    const double planW = (maxX - minX) * p.k, planH = (maxY - minY) * p.k;
    const double roomW = width - kMarginMm - kColumnMm - kPlanOriginMm, roomH = height - kPlanOriginMm - kBottomStripMm;
    if (planW > roomW || planH > roomH) {
        char text[256];
        std::snprintf(text, sizeof text,
                      "the plan needs %.0f x %.0f mm at 1:%d; %s leaves %.0f x %.0f mm for it: choose a smaller scale "
                      "(1:200) or a larger sheet (A3)",
                      planW, planH, options.scale, options.sheet.c_str(), roomW, roomH);
        error = text;
        return false;
    }
    const std::vector<PlaneRing> planes = ProjectRoofPlaneRings();
    const std::vector<OrderWarning> warnings = PlausibilityWarnings();  // loads the catalogue
    std::ostringstream s;
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    s << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Mm(width) << "mm\" height=\"" << Mm(height)
      << "mm\" viewBox=\"0 0 " << Mm(width) << " " << Mm(height) << "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n";
    s << "<rect width=\"" << Mm(width) << "\" height=\"" << Mm(height) << "\" fill=\"#ffffff\"/>\n";
    s << "<rect x=\"" << Mm(kMarginMm) << "\" y=\"" << Mm(kMarginMm) << "\" width=\"" << Mm(width - 2 * kMarginMm)
      << "\" height=\"" << Mm(height - 2 * kMarginMm) << "\" fill=\"none\" stroke=\"#222\" stroke-width=\"0.5\"/>\n";
    const auto& elements = host::gSession.model.elements;
    // Fills, roof planes, walls a roof covers (dashed: hidden lines), walls rising through the roofs.
    for (const host::Element& e : elements)
        if (e.rec.header.typeID == API_HatchID && e.polygon.size() >= 3)
            s << "<path d=\"" << PaperRing(p, e.polygon) << "\" fill=\"#eeeadf\" stroke=\"#b5ad95\" stroke-width=\"0.18\"/>\n";
    for (const host::Element& e : elements) {
        if (e.rec.header.typeID != API_RoofID) continue;
        for (const host::RoofPlaneShape& plane : e.roofPlanes) {
            std::string d = PaperRing(p, Flat(plane.outer));
            for (const host::Ring3& hole : plane.holes) d += " " + PaperRing(p, Flat(hole));
            s << "<path d=\"" << d << "\" fill=\"" << PlaneShade(DownhillDirection(plane.outer))
              << "\" fill-rule=\"evenodd\" stroke=\"none\"/>\n";
        }
    }
    for (const host::Element& e : elements)
        if (e.rec.header.typeID == API_WallID && e.polygon.size() >= 3 && WallUnderRoof(e))
            s << "<path d=\"" << PaperRing(p, e.polygon) << "\" fill=\"none\" stroke=\"#303030\" stroke-width=\"0.25\" "
              << "stroke-dasharray=\"1.2 0.8\"/>\n";
    for (const host::Element& e : elements)
        if (e.rec.header.typeID == API_WallID && e.polygon.size() >= 3 && !WallUnderRoof(e))
            s << "<path d=\"" << PaperRing(p, e.polygon) << "\" fill=\"#8c8c8c\" stroke=\"#404040\" stroke-width=\"0.25\"/>\n";
    // The placed objects as their parts draw them: the tile surfaces' courses and accessories fine,
    // below the roof's edges (their outline and edges are the roof's, drawn in their colours); then
    // the edges in their roofer's colours; then the ridge objects on them.
    for (const host::Element& e : elements)
        if (e.rec.header.typeID == API_ObjectID && KindOf(e) == ObjectKind::TileSurface)
            ObjectOnSheet(s, p, e, ObjectKind::TileSurface, planes);
    const std::vector<PlanEdge> edges = RoofEdges(TypedEdges(planes));
    for (const PlanEdge& e : edges)
        Line(s, p.X(e.a.x), p.Y(e.a.y), p.X(e.b.x), p.Y(e.b.y), EdgeTypeColour(e.type), e.type != 0 ? 0.5 : 0.25,
             " stroke-linecap=\"round\"");
    for (const host::Element& e : elements)
        if (e.rec.header.typeID == API_ObjectID && KindOf(e) == ObjectKind::Ridge)
            ObjectOnSheet(s, p, e, ObjectKind::Ridge, planes);
    SolarPanels(s, p);
    // Dimensions, then the labels where they meet nothing.
    std::vector<Box> taken;
    Dimensions(s, p, edges, taken, planes);
    PlaneLabels(s, p, taken);
    ScaleBarAndNorth(s, p, kPlanOriginMm, height - kMarginMm - 8, options.scale);
    // The right column.
    const double cx = width - kMarginMm - kColumnMm + 2;
    Line(s, cx - 2, kMarginMm, cx - 2, height - kMarginMm, "#222", 0.35);
    const double titleTop = height - kMarginMm - kTitleBlockMm - 2;
    OrderTable(s, cx, kMarginMm + 2, titleTop - 2, warnings);
    TitleBlock(s, cx, titleTop, options);
    s << "</svg>\n";
    svg = s.str();
    return true;
}

bool WritePlanSheet(const std::string& path, const SheetOptions& options, std::string& error) {
    const bool pdf = path.size() > 4 && path.compare(path.size() - 4, 4, ".pdf") == 0;
    const bool svgFile = path.size() > 4 && path.compare(path.size() - 4, 4, ".svg") == 0;
    if (!pdf && !svgFile) {
        error = "plan writes FILE.pdf or FILE.svg, not " + path;
        return false;
    }
    std::string svg;
    if (!PlanSheetSvg(options, svg, error)) return false;
    if (pdf) {
        double w = 0, h = 0;
        SheetSize(options.sheet, w, h);
        return WriteSvgAsPdf(svg, w, h, path, error);
    }
    std::ofstream out(path, std::ios::binary);
    out << svg;
    if (!out) error = "cannot write " + path;
    return bool(out);
}

}  // namespace app
