// Purpose: the tile surfaces a tiling run places, read back the way the library part draws them,
// lie exactly on the roof planes they were made for: every plane gets one surface whose outline in
// plan runs along the plane's outer ring (corners and all, with nodes the run inserted lying on its
// edges) and whose holes are the plane's holes. Roofs of several shapes and orientations.
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "Common_src/LibPartIds.h"
#include "common/AddOnFixture.h"
#include "host/ElementDatabase.h"
#include "import/Geometry.h"
#include "objectlib/TileSurfaceScripts.h"

namespace {

// Plan points closer than this (m) are one point: the placement writes doubles, the drawing
// turns them back with a sine and cosine.
constexpr double kPlanTol = 1e-6;

struct RoofCase {
    const char* name;
    const char* roof;  // the roof element of the model (its id is "R")
    size_t planes;     // planes the roof has
    size_t holes;      // holes over all its planes
};

// Names a case in test output.
void PrintTo(const RoofCase& c, std::ostream* os) { *os << c.name; }

const RoofCase kRoofs[] = {
    {"HipOnARectangle",
     R"({"type":"roof","id":"R","shape":"hip","footprint":[[0,0],[12,0],[12,8],[0,8]],"pitch":45,"eaveLevel":3.0})", 4,
     0},
    // An L turned by atan(3/4): no edge along an axis, a valley, planes facing eight ways.
    {"HipOnATurnedL",
     R"({"type":"roof","id":"R","shape":"hip","footprint":[[0,0],[9.6,7.2],[6,12],[1.2,8.4],[-1.2,11.6],[-6,8]],)"
     R"("pitch":35,"eaveLevel":3.0})",
     6, 0},
    {"GableWithASkylightAndAChimney",
     R"({"type":"roof","id":"R","shape":"gable","footprint":[[0,0],[10,0],[10,8],[0,8]],"pitch":40,"eaveLevel":3.0,)"
     R"("openings":[[[2,1],[3,1],[3,2],[2,2]],[[6,5.5],[6.8,5.5],[6.8,6.3],[6,6.3]]]})",
     2, 2},
    // A shed whose eave runs north-west: the plane rises towards the north-east.
    {"ShedFacingSouthWest",
     R"({"type":"roof","id":"R","shape":"shed","footprint":[[0,0],[-4,4],[-1,7],[3,3]],"pitch":25,"eaveLevel":3.0})", 1,
     0},
};

using PlanRing = std::vector<API_Coord>;

// A ring of the roof's planes in plan.
PlanRing InPlan(const host::Ring3& ring) {
    PlanRing out;
    for (const API_Coord3D& p : ring) out.push_back(API_Coord{p.x, p.y});
    return out;
}

// The polygon a drawing primitive holds, without the repeat that closes it.
PlanRing OpenRing(const host::DrawPrimitive& polygon) {
    PlanRing ring = polygon.points;
    const bool closed =
        ring.size() > 1 && std::hypot(ring.front().x - ring.back().x, ring.front().y - ring.back().y) < kPlanTol;
    if (closed) ring.pop_back();
    return ring;
}

// Distance in plan from p to the segment a-b.
double DistanceToSegment(const API_Coord& p, const API_Coord& a, const API_Coord& b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// True when p lies on the boundary of the closed ring.
bool OnBoundary(const API_Coord& p, const PlanRing& ring) {
    for (size_t i = 0; i < ring.size(); ++i)
        if (DistanceToSegment(p, ring[i], ring[(i + 1) % ring.size()]) < kPlanTol) return true;
    return false;
}

// True when p is one of the ring's points.
bool IsCorner(const API_Coord& p, const PlanRing& ring) {
    for (const API_Coord& q : ring)
        if (std::hypot(p.x - q.x, p.y - q.y) < kPlanTol) return true;
    return false;
}

// True when the drawn ring runs along the plane's ring: every corner of the plane is a point of
// the drawing, and every point of the drawing lies on the plane's ring.
bool SameOutline(const PlanRing& drawn, const PlanRing& plane) {
    for (const API_Coord& p : plane)
        if (!IsCorner(p, drawn)) return false;
    for (const API_Coord& p : drawn)
        if (!OnBoundary(p, plane)) return false;
    return true;
}

// Plan area of a ring (positive whichever way it runs).
double PlanArea(const PlanRing& ring) {
    import::Ring points;
    for (const API_Coord& p : ring) points.push_back(import::Vec3{p.x, p.y, 0});
    return std::fabs(import::PlanSignedArea(points));
}

// What a tile surface draws as its outline and holes.
struct DrawnSurface {
    PlanRing outline;
    std::vector<PlanRing> holes;
};

DrawnSurface Drawn(const host::Element& surface) {
    std::vector<host::DrawPrimitive> primitives;
    objectlib::DrawTileSurface(surface, primitives);
    DrawnSurface d;
    for (const host::DrawPrimitive& p : primitives) {
        if (p.kind != host::DrawPrimitive::Polygon) continue;
        if (p.text == "outline") d.outline = OpenRing(p);
        if (p.text == "hole") d.holes.push_back(OpenRing(p));
    }
    return d;
}

class TiledRoof : public tevaro_test::AddOnFixture, public ::testing::WithParamInterface<RoofCase> {
protected:
    std::string InitialModel() const override {
        return std::string(R"({"stories":[{"index":0,"level":0.0}],"elements":[)") + GetParam().roof + "]}";
    }
    void SetUp() override {
        AddOnFixture::SetUp();
        Select({"R"});
        RunPlaceTiles();
        ClickFinalize();
    }
};

TEST_P(TiledRoof, EveryPlaneGetsOneSurfaceWhoseDrawnOutlineIsThePlaneInPlan) {
    const host::Element* roof = Element("R");
    ASSERT_NE(roof, nullptr);
    ASSERT_EQ(roof->roofPlanes.size(), GetParam().planes);
    const std::vector<host::Element*> surfaces = ObjectsOf(kTileSurfaceMainId);
    ASSERT_EQ(surfaces.size(), GetParam().planes);

    std::vector<int> surfacesOnPlane(roof->roofPlanes.size(), 0);
    for (size_t s = 0; s < surfaces.size(); ++s) {
        const DrawnSurface drawn = Drawn(*surfaces[s]);
        ASSERT_GE(drawn.outline.size(), 3u) << "surface " << s;
        size_t match = roof->roofPlanes.size();
        for (size_t p = 0; p < roof->roofPlanes.size(); ++p)
            if (SameOutline(drawn.outline, InPlan(roof->roofPlanes[p].outer))) match = p;
        ASSERT_LT(match, roof->roofPlanes.size()) << "surface " << s << " lies on no plane of the roof";
        ++surfacesOnPlane[match];
        const host::RoofPlaneShape& plane = roof->roofPlanes[match];
        EXPECT_NEAR(PlanArea(drawn.outline), PlanArea(InPlan(plane.outer)), kPlanTol) << "surface " << s;
        // Each hole of the plane is drawn once, as that hole.
        ASSERT_EQ(drawn.holes.size(), plane.holes.size()) << "surface " << s;
        for (const host::Ring3& hole : plane.holes) {
            int drawnAs = 0;
            for (const PlanRing& h : drawn.holes) drawnAs += SameOutline(h, InPlan(hole)) ? 1 : 0;
            EXPECT_EQ(drawnAs, 1) << "surface " << s;
        }
    }
    for (size_t p = 0; p < surfacesOnPlane.size(); ++p) EXPECT_EQ(surfacesOnPlane[p], 1) << "plane " << p;
    size_t holes = 0;
    for (const host::RoofPlaneShape& plane : roof->roofPlanes) holes += plane.holes.size();
    EXPECT_EQ(holes, GetParam().holes);
}

INSTANTIATE_TEST_SUITE_P(Roofs, TiledRoof, ::testing::ValuesIn(kRoofs),
                         [](const ::testing::TestParamInfo<RoofCase>& info) { return std::string(info.param.name); });

}  // namespace
