// Purpose: the demo's summary of a tiling run: edges by type with their lengths, and the counts
// of what was placed.
#include "app/DemoSummary.h"
#include "Common_src/ParamNames.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "app/EdgeFolds.h"
#include "app/ModelDistances.h"
#include "app/QuantitiesCsv.h"
#include "host/Host.h"
#include "host/LibPartScripts.h"
#include "host/ParamLists.h"
#include "polytopo/EdgeCodes.h"
#include "polytopo/EdgeGroups.h"

namespace app {
namespace {

constexpr const char* kTileSurfaceMain = kTileSurfaceMainId;
constexpr const char* kRidgeMain = kRidgeMainId;

// The distance between two 3D points.
double Dist(const API_Coord3D& a, const API_Coord3D& b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z)); }

// True when the object was placed from the part of this main identifier.
bool IsPart(const host::Element& e, const char* mainId) {
    return e.rec.header.typeID == API_ObjectID && e.libPartUnId.compare(0, 38, mainId) == 0;
}

// A text number with the given decimals.
std::string Fixed(double v, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

}  // namespace

std::vector<PlaneRing> OuterRings(const std::vector<HeldPlane>& planes) {
    std::vector<PlaneRing> rings;
    for (const HeldPlane& p : planes) {
        PlaneRing ring;
        for (size_t i = 0; i < p.vertices.size(); ++i) {
            if (i < p.edgeStatus.size() && p.edgeStatus[i] == kStatusNoEdge) break;  // the outer contour's repeat
            ring.push_back(p.vertices[i]);
        }
        rings.push_back(std::move(ring));
    }
    return rings;
}

std::vector<EdgeTypeTotal> EdgeTotalsByType(const std::vector<HeldPlane>& planes) {
    const std::vector<PlaneRing> rings = OuterRings(planes);
    struct Seen { API_Coord3D a, b; };
    std::vector<Seen> seen;
    std::map<int, EdgeTypeTotal> totals;
    for (const HeldPlane& p : planes)
        for (size_t i = 0; i + 1 < p.vertices.size() && i < p.edgeStatus.size(); ++i) {
            if (p.edgeStatus[i] == kStatusNoEdge) continue;  // the repeat that closes a contour
            const API_Coord3D& a = p.vertices[i];
            const API_Coord3D& b = p.vertices[i + 1];
            if (Dist(a, b) < kSamePlaceDistance) continue;
            bool shared = false;
            for (const Seen& s : seen)
                // the same two end points, in either direction
                shared = shared || (Dist(s.a, a) < kSamePlaceDistance && Dist(s.b, b) < kSamePlaceDistance) ||
                         (Dist(s.a, b) < kSamePlaceDistance && Dist(s.b, a) < kSamePlaceDistance);
            if (shared) continue;
            seen.push_back({a, b});
            const EdgeFold fold = FoldOfEdge(API_Coord{a.x, a.y}, API_Coord{b.x, b.y}, rings);
            const int type = RooferTypeOf(p.edgeStatus[i], fold);
            EdgeTypeTotal& t = totals[type];
            t.type = type;
            t.count += 1;
            t.length += Dist(a, b);
        }
    std::vector<EdgeTypeTotal> out;
    for (const auto& [type, t] : totals) out.push_back(t);
    return out;
}

int TakeFinalStatusesFromTileSurfaces(std::vector<HeldPlane>& planes) {
    int matched = 0;
    for (HeldPlane& p : planes) {
        for (const host::Element& e : host::gSession.model.elements) {
            if (!IsPart(e, kTileSurfaceMain)) continue;
            const host::ParamValue* stat = host::FindParam(e.params, kParamEdgeStatuses);
            if (stat == nullptr || stat->numbers.size() != p.vertices.size()) continue;
            // The surface stands on the plane's first vertex, the origin of the plane's own frame.
            const API_Coord& at = e.rec.object.pos;
            if (p.vertices.empty() || std::hypot(at.x - p.vertices[0].x, at.y - p.vertices[0].y) >= kSamePlaceDistance) continue;
            for (size_t i = 0; i < p.edgeStatus.size(); ++i) p.edgeStatus[i] = int16_t(stat->numbers[i]);
            ++matched;
            break;
        }
    }
    return matched;
}

std::string DemoSummaryText(const std::vector<HeldPlane>& planes, const std::string& outDir) {
    std::set<std::string> roofs;
    for (const HeldPlane& p : planes) roofs.insert(p.roofId);
    size_t surfaces = 0, ridges = 0, others = 0;
    double accessoryRows = 0;
    for (const host::Element& e : host::gSession.model.elements) {
        if (e.rec.header.typeID != API_ObjectID) continue;
        if (IsPart(e, kTileSurfaceMain)) {
            ++surfaces;
            accessoryRows += host::ParamNumber(e.params, kParamAccessoryCount);
        }
        else if (IsPart(e, kRidgeMain)) ++ridges;
        else if (!host::IsEdgeSetter(e)) ++others;
    }
    std::ostringstream s;
    s << "Read: " << roofs.size() << " roofs, " << planes.size() << " roof planes\n";
    s << "Edges by type, as a roofer names them (an edge of two planes counted once):\n";
    for (const EdgeTypeTotal& t : EdgeTotalsByType(planes)) {
        std::string label = RooferName(t.type);
        s << "  " << (t.type < 10 ? " " : "") << t.type << " " << label;
        // pad by characters, not bytes: the labels are Hungarian
        size_t chars = 0;
        for (unsigned char c : label) chars += (c & 0xC0) != 0x80 ? 1 : 0;
        for (; chars < 40; ++chars) s << ' ';
        s << (t.count < 10 ? " " : "") << t.count << (t.count == 1 ? " edge   " : " edges  ") << Fixed(t.length, 2) << " m\n";
    }
    s << "Placed: " << surfaces << " tile surfaces, " << ridges << " ridge objects, " << Fixed(accessoryRows, 0)
      << " accessory entries on the tile surfaces";
    if (others > 0) s << ", " << others << " other objects";
    s << "\n";
    s << "Main quantities (as in quantities.csv, rows TOTAL):\n";
    for (const QuantityTotal& q : ProjectQuantityTotals()) {
        const bool pieces = q.unit == "pcs" || q.unit == "db";
        s << "  " << q.item << (q.code.empty() ? "" : " [" + q.code + "]") << ": " << Fixed(q.quantity, pieces ? 0 : 2) << " "
          << q.unit << "\n";
    }
    s << "Written: " << outDir << "/model.json, " << outDir << "/plan.svg, " << outDir << "/palette.svg, " << outDir
      << "/quantities.csv, " << outDir << "/report.txt\n";
    return s.str();
}

}  // namespace app
