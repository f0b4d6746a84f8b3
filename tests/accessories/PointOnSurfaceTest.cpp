// Purpose: accessory points picked on and off the tile surfaces of a tiled hipped roof: a point
// adds a row only on the surface whose outline holds it in plan; elsewhere nothing is added and
// the report window says why.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common_src/CommandDispatch.h"
#include "Common_src/UserTexts.h"
#include "accessories/SurfaceOutline.h"
#include "common/AddOnFixture.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/ParamLists.h"
#include "host/PointInput.h"
#include "polytopo/EdgeCodes.h"

namespace {

constexpr int16_t kPlaceAccessoriesMenu = 32501;
constexpr int16_t kAccessoryList = 6;
constexpr int16_t kRowAntenna = 3;  // a single piece

class AccessoryPointOnRoof : public tevaro_test::AddOnFixture {
protected:
    // A 12 x 8 hipped roof, 45 degrees all round: south, north, east and west planes.
    std::string InitialModel() const override {
        return R"({"stories":[{"index":0,"level":0.0}],"elements":[
            {"type":"roof","id":"HIP","thickness":0.3,"shape":"hip",
             "footprint":[[0,0],[12,0],[12,8],[0,8]],"pitch":45,"eaveLevel":3.0}]})";
    }
    void SetUp() override {
        AddOnFixture::SetUp();
        host::ResetPointInput();
        Select({"HIP"});
        RunPlaceTiles();
        ClickFinalize();
        for (const host::Element* e : ObjectsOf(kTileSurfaceMainId)) surfaces_.push_back(e->elementId);
        ASSERT_EQ(surfaces_.size(), 4u);
    }
    void TearDown() override {
        host::ResetPointInput();
        AddOnFixture::TearDown();
    }
    // Places a single antenna tile at a plan point on a surface; true when a row was added.
    bool PlaceAt(const std::string& surface, double x, double y) {
        const double before = host::ParamNumber(Element(surface)->params, "num_acc");
        Select({surface});
        QueuePick(kAccessoryList, kRowAntenna);
        QueueOk();
        host::PointAnswer a;
        a.point = API_Coord{x, y};
        host::QueuePointAnswer(a);
        EXPECT_EQ(RunMenu(kPlaceAccessoriesMenu), NoError);
        return host::ParamNumber(Element(surface)->params, "num_acc") > before;
    }
    bool LastReportIsOffSurface() const {
        return !Reports().empty() && Reports().back().text == GetUserText(kTextPointOutsideSurface);
    }
    std::vector<std::string> surfaces_;
};

TEST_F(AccessoryPointOnRoof, EachPointInsideOnePlaneIsTakenByThatPlanesSurfaceOnly) {
    // One point well inside each of the four planes, in plan.
    const API_Coord inside[] = {{6, 1}, {6, 7}, {11, 4}, {1, 4}};
    std::vector<int> takenBy(4, 0);
    for (const API_Coord& p : inside) {
        int taken = 0;
        for (size_t s = 0; s < surfaces_.size(); ++s) {
            const bool added = PlaceAt(surfaces_[s], p.x, p.y);
            taken += added ? 1 : 0;
            takenBy[s] += added ? 1 : 0;
            if (!added) EXPECT_TRUE(LastReportIsOffSurface());
        }
        EXPECT_EQ(taken, 1) << "point " << p.x << ", " << p.y;
    }
    for (size_t s = 0; s < surfaces_.size(); ++s) EXPECT_EQ(takenBy[s], 1) << surfaces_[s];
}

TEST_F(AccessoryPointOnRoof, APointFortyMetresOffTheRoofAddsNothingAnywhere) {
    for (const std::string& s : surfaces_) {
        EXPECT_FALSE(PlaceAt(s, 6, -40)) << s;
        EXPECT_TRUE(LastReportIsOffSurface()) << s;
        EXPECT_EQ(host::ParamNumber(Element(s)->params, "num_acc"), 0);
    }
}

// The outline test alone: a square with a square hole.
TEST(SurfaceOutlineTest, InsideTheOuterContourAndOutsideItsHoles) {
    SurfaceOutline o;
    o.nodes = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}, {1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}};
    o.status = {kStatusEave,      kStatusVerge,      kStatusRidge,     kStatusVerge,      kStatusNoEdge,
                kStatusHoleLower, kStatusHoleSloped, kStatusHoleUpper, kStatusHoleSloped, kStatusNoEdge};
    EXPECT_TRUE(PointOnSurface(o, {3, 3}));
    EXPECT_TRUE(PointOnSurface(o, {4, 2}));       // on an edge
    EXPECT_FALSE(PointOnSurface(o, {1.5, 1.5}));  // in the hole
    EXPECT_FALSE(PointOnSurface(o, {5, 2}));
    EXPECT_FALSE(PointOnSurface(o, {-0.1, -0.1}));
    SurfaceOutline none;
    EXPECT_TRUE(PointOnSurface(none, {100, 100}));  // a surface without an outline holds every point
}

}  // namespace
