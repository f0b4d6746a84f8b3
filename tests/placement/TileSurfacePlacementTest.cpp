// Purpose: tests of the tile surfaces placed on roof planes and the grouping of each roof.
#include <cmath>
#include <set>

#include "PlacementFixture.h"
#include "host/MemoryHandles.h"
#include "objectlib/TileSurfaceScripts.h"
#include "placement/PlaceTileSurfaces.h"
#include "roofgeom/ExtractRoof.h"

namespace placement_test {
namespace {

// Plan points this close (m) are the same point: the part turns its nodes back with a sine and cosine.
constexpr double kPlanPointTol = 1e-9;

class TileSurfacePlacement : public PlacementTest {
protected:
    // A single sloped plane 10 m by 4 m in plan with an eave, two verges and a top edge.
    uint32_t AddShedPlane(const API_Guid& roof, uint8_t flipped = 1, int16_t topStatus = kStatusShedTop) {
        return AddPlane(roof, {{0, 0, 3}, {10, 0, 3}, {10, 4, 5}, {0, 4, 5}},
                        {kStatusEave, kStatusVerge, topStatus, kStatusVerge}, flipped);
    }
};

TEST_F(TileSurfacePlacement, WritesPlacementFieldsSettingsAndPlaneValues) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    const uint32_t p = AddShedPlane(roof);
    Plane(p).origin = Coord2{1.5, -2.0};
    gState.currentStory = 0;
    RoofPlaceAll();

    auto tiles = ObjectsOf(kTileSurfaceMainId);
    ASSERT_EQ(tiles.size(), 1u);
    const host::Element& t = *tiles[0];
    EXPECT_EQ(Plane(p).tileSurfaceGuid, t.rec.header.guid);
    EXPECT_DOUBLE_EQ(t.rec.object.pos.x, 1.5);
    EXPECT_DOUBLE_EQ(t.rec.object.pos.y, -2.0);
    EXPECT_DOUBLE_EQ(t.rec.object.angle, 1.25);
    EXPECT_DOUBLE_EQ(t.rec.object.level, 3.001);
    EXPECT_FALSE(t.rec.object.reflected);
    EXPECT_TRUE(t.rec.object.useObjSectAttrs);
    EXPECT_EQ(t.rec.header.layer, 4);
    EXPECT_EQ(t.rec.header.floorInd, 0);
    EXPECT_EQ(t.elementId, "Tevaro_000");

    EXPECT_DOUBLE_EQ(Number(t, "alpha"), 0.7);
    EXPECT_EQ(Text(t, "fam"), "T10");
    EXPECT_EQ(Text(t, "color"), "RED");
    EXPECT_EQ(Text(t, "folia"), "F2");
    EXPECT_EQ(Text(t, "vapatipus"), "V1");
    EXPECT_EQ(Text(t, "mat_pan"), "VR");
    EXPECT_EQ(Text(t, "hofogas"), "H1");
    EXPECT_EQ(Text(t, "hofogo"), "HF3");
    EXPECT_EQ(Text(t, "opt2d"), "O2");
    EXPECT_EQ(Text(t, "typ"), "L1");
    EXPECT_DOUBLE_EQ(Number(t, "vesztesegszorzo"), 1.05);
    EXPECT_EQ(Number(t, "num"), 5);  // four corners and the closing repeat
    EXPECT_DOUBLE_EQ(Number(t, "tile_x"), 0.3);
    EXPECT_DOUBLE_EQ(Number(t, "tile_y"), 0.45);
    EXPECT_DOUBLE_EQ(Number(t, "surf"), 42.5);
    EXPECT_EQ(Number(t, "auto_acc"), 0);
    EXPECT_EQ(Number(t, "csrogz"), 1);
    EXPECT_EQ(Number(t, "rogkar"), 0);
    EXPECT_EQ(Number(t, "wingtile"), 1);
    EXPECT_EQ(Number(t, "pen1"), 17);
    EXPECT_EQ(Number(t, "modByAPI"), 1);
    EXPECT_DOUBLE_EQ(Number(t, "keep_me"), 7.5);  // not in the table: the part's default stays
    EXPECT_TRUE(NothingReported());
}

TEST_F(TileSurfacePlacement, PartWithoutWingtileGetsEverythingElseSilently) {
    LoadLibrary(/*withWingtile=*/false);
    AddShedPlane(AddRoof("R1"));
    RoofPlaceAll();
    auto tiles = ObjectsOf(kTileSurfaceMainId);
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_EQ(Param(*tiles[0], "wingtile"), nullptr);
    EXPECT_EQ(Text(*tiles[0], "fam"), "T10");
    EXPECT_EQ(Number(*tiles[0], "pen1"), 17);
    EXPECT_EQ(Number(*tiles[0], "modByAPI"), 1);
    EXPECT_TRUE(NothingReported());
}

TEST_F(TileSurfacePlacement, FlippedAndLevelPlanesAreDrawnByThePartWhereTheyLieInPlan) {
    // A shed falling south (its plane frame flipped) and a flat roof, as the extraction reads them.
    tevaro_test::LoadModel(R"({"stories":[{"index":0,"level":0.0}],"elements":[
        {"type":"roof","id":"SHED","planes":[{"outer":[[0,0,3],[10,0,3],[10,4,5],[0,4,5]]}]},
        {"type":"roof","id":"FLAT","planes":[{"outer":[[20,0,3],[24,0,3],[24,3,3]]}]}]})");
    LoadLibrary();
    for (const char* id : {"SHED", "FLAT"}) {
        const host::Element* roof = host::FindElementByText(id);
        ASSERT_NE(roof, nullptr) << id;
        ASSERT_EQ(ExtractRoof(roof->rec.header.guid, APINULLGuid), NoError) << id;
    }
    ASSERT_EQ(gState.roofPlanes.planes.count, 2u);
    ASSERT_EQ(Plane(0).flipped, 1);
    ASSERT_EQ(Plane(1).flipped, 0);
    RoofPlaceAll();
    auto tiles = ObjectsOf(kTileSurfaceMainId);
    ASSERT_EQ(tiles.size(), 2u);

    // The outline the part draws from the surface's nodes, pitch, position and angle runs through
    // the plane's own vertices in plan, node by node.
    for (uint32_t k = 0; k < 2; ++k) {
        std::vector<host::DrawPrimitive> drawing;
        objectlib::DrawTileSurface(*tiles[k], drawing);
        const host::DrawPrimitive* outline = nullptr;
        for (const host::DrawPrimitive& d : drawing)
            if (d.kind == host::DrawPrimitive::Polygon && d.text == "outline") outline = &d;
        ASSERT_NE(outline, nullptr) << "plane " << k;
        const RoofPlane& plane = Plane(k);
        ASSERT_GE(outline->points.size(), size_t(plane.vertexCount)) << "plane " << k;
        for (uint32_t i = 0; i < plane.vertexCount; ++i) {
            EXPECT_NEAR(outline->points[i].x, plane.vertices[i].x, kPlanPointTol) << "plane " << k << " node " << i;
            EXPECT_NEAR(outline->points[i].y, plane.vertices[i].y, kPlanPointTol) << "plane " << k << " node " << i;
        }
    }
}

TEST_F(TileSurfacePlacement, TopEdgeWithoutRidgeTilesReachesTheObjectAsTopEdge) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    AddShedPlane(roof, 1, kStatusShedTopNoTiles);
    AddShedPlane(roof, 1, kStatusShedTop);
    RoofPlaceAll();
    auto tiles = ObjectsOf(kTileSurfaceMainId);
    ASSERT_EQ(tiles.size(), 2u);
    const std::vector<double> expected = {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge, kStatusNoEdge};
    for (host::Element* t : tiles) {
        const host::ParamValue* stat = Param(*t, "stat");
        ASSERT_NE(stat, nullptr);
        EXPECT_EQ(stat->dim1, 5);
        EXPECT_EQ(stat->dim2, 1);
        EXPECT_EQ(stat->numbers, expected);
    }
    // A top edge without ridge tiles gets no ridge object; the one with them does.
    EXPECT_EQ(ObjectsOf(kRidgeMainId).size(), 1u);
}

TEST_F(TileSurfacePlacement, LossMultiplierThatIsNoNumberGivesZero) {
    LoadLibrary();
    std::snprintf(gTileSettings.vesztesegszorzo, sizeof gTileSettings.vesztesegszorzo, "nincs");
    AddShedPlane(AddRoof("R1"));
    RoofPlaceAll();
    auto tiles = ObjectsOf(kTileSurfaceMainId);
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_EQ(Number(*tiles[0], "vesztesegszorzo"), 0.0);
}

TEST_F(TileSurfacePlacement, TwoRoofsGiveTwoGroupsOfRoofTilesAndRidges) {
    LoadLibrary();
    const API_Guid roofA = AddRoof("RA");
    const API_Guid roofB = AddRoof("RB");
    // Roof A: a gable roof (one shared ridge) and a separate shed plane; roof B: a gable roof.
    AddPlane(roofA, {{0, 0, 3}, {10, 0, 3}, {10, 4, 7}, {0, 4, 7}},
             {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
    AddPlane(roofB, {{50, 0, 3}, {60, 0, 3}, {60, 4, 7}, {50, 4, 7}},
             {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
    AddPlane(roofA, {{10, 8, 3}, {0, 8, 3}, {0, 4, 7}, {10, 4, 7}},
             {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
    AddPlane(roofB, {{60, 8, 3}, {50, 8, 3}, {50, 4, 7}, {60, 4, 7}},
             {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
    AddPlane(roofA, {{0, 20, 3}, {10, 20, 3}, {10, 24, 5}, {0, 24, 5}},
             {kStatusEave, kStatusVerge, kStatusShedTopNoTiles, kStatusVerge});
    RoofPlaceAll();

    EXPECT_EQ(ObjectsOf(kTileSurfaceMainId).size(), 5u);
    EXPECT_EQ(ObjectsOf(kRidgeMainId).size(), 2u);
    EXPECT_EQ(CallCount("Element_Tool/GRUP"), 2u);

    const uint32_t groupA = host::FindElement(roofA)->rec.header.groupId;
    const uint32_t groupB = host::FindElement(roofB)->rec.header.groupId;
    ASSERT_NE(groupA, 0u);
    ASSERT_NE(groupB, 0u);
    EXPECT_NE(groupA, groupB);
    for (uint32_t i = 0; i < gState.roofPlanes.planes.count; ++i) {
        const RoofPlane& plane = Plane(i);
        const uint32_t expected = plane.roofGuid == roofA ? groupA : groupB;
        EXPECT_EQ(host::FindElement(plane.tileSurfaceGuid)->rec.header.groupId, expected) << "plane " << i;
        for (uint32_t e = 0; e + 1 < plane.vertexCount; ++e) {
            if (IsNullGuid(plane.ridgeGuids[e])) continue;
            EXPECT_EQ(host::FindElement(plane.ridgeGuids[e])->rec.header.groupId, expected) << "plane " << i;
        }
        EXPECT_EQ(plane.inRun, 1);  // consumed as the grouping mark, 1 again at the end
    }
    // Group sizes: roof A 1 + 3 tile surfaces + 1 ridge; roof B 1 + 2 + 1.
    size_t inA = 0, inB = 0;
    for (const host::Element& e : host::gSession.model.elements) {
        inA += e.rec.header.groupId == groupA ? 1 : 0;
        inB += e.rec.header.groupId == groupB ? 1 : 0;
    }
    EXPECT_EQ(inA, 5u);
    EXPECT_EQ(inB, 4u);
    // The ridge shared by two planes is listed once in its roof's group.
    std::vector<int64_t> listSizes;
    for (const host::CallRecord& c : host::gSession.calls) {
        if (c.op == "Element_Tool/GRUP") listSizes.push_back(c.value);
    }
    EXPECT_EQ(listSizes, (std::vector<int64_t>{5, 4}));
}

TEST_F(TileSurfacePlacement, PlaneWithTileSurfaceGetsNoSecondButIsGroupedAgain) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    const uint32_t first = AddShedPlane(roof);
    RoofPlaceAll();
    const API_Guid placed = Plane(first).tileSurfaceGuid;
    ASSERT_FALSE(IsNullGuid(placed));

    // A later run of the same roof: the old plane is still in the run but has its object.
    Plane(first).inRun = 1;
    const uint32_t second = AddPlane(roof, {{0, 10, 3}, {10, 10, 3}, {10, 14, 5}, {0, 14, 5}},
                                     {kStatusEave, kStatusVerge, kStatusShedTopNoTiles, kStatusVerge});
    RoofPlaceAll();
    EXPECT_EQ(ObjectsOf(kTileSurfaceMainId).size(), 2u);
    EXPECT_EQ(Plane(first).tileSurfaceGuid, placed);
    const uint32_t group = host::FindElement(roof)->rec.header.groupId;
    EXPECT_EQ(host::FindElement(placed)->rec.header.groupId, group);
    EXPECT_EQ(host::FindElement(Plane(second).tileSurfaceGuid)->rec.header.groupId, group);
}

TEST_F(TileSurfacePlacement, PlanesOfAnEarlierRunAreNotPlacedButGrouped) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    const uint32_t stale = AddShedPlane(roof);
    Plane(stale).inRun = 0;  // read by a run that was never finished
    AddPlane(roof, {{0, 10, 3}, {10, 10, 3}, {10, 14, 5}, {0, 14, 5}},
             {kStatusEave, kStatusVerge, kStatusShedTopNoTiles, kStatusVerge});
    RoofPlaceAll();
    EXPECT_EQ(ObjectsOf(kTileSurfaceMainId).size(), 1u);
    EXPECT_TRUE(IsNullGuid(Plane(stale).tileSurfaceGuid));
    EXPECT_EQ(CallCount("Element_Tool/GRUP"), 1u);
}

TEST_F(TileSurfacePlacement, ElementIdsCountOnAcrossRunsAndGrowToFourDigits) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    for (int k = 0; k < 10; ++k)
        AddPlane(roof, {{0, 10.0 * k, 3}, {5, 10.0 * k, 3}, {5, 10.0 * k + 3, 5}},
                 {kStatusEave, kStatusFreeSloped, kStatusFreeSloped});
    RoofPlaceAll();
    auto tiles = ObjectsOf(kTileSurfaceMainId);
    ASSERT_EQ(tiles.size(), 10u);
    EXPECT_EQ(tiles[0]->elementId, "Tevaro_000");
    EXPECT_EQ(tiles[9]->elementId, "Tevaro_009");

    FreeRoofPlanes();
    gState.tileSurfaceIdCounter = 1000;  // a thousand tile surfaces placed since Initialize
    AddPlane(roof, {{0, 0, 3}, {5, 0, 3}, {5, 3, 5}}, {kStatusEave, kStatusFreeSloped, kStatusFreeSloped});
    RoofPlaceAll();
    tiles = ObjectsOf(kTileSurfaceMainId);
    ASSERT_EQ(tiles.size(), 11u);
    EXPECT_EQ(tiles[10]->elementId, "Tevaro_1000");
    EXPECT_EQ(gState.tileSurfaceIdCounter, 1001u);
}

TEST_F(TileSurfacePlacement, RefusedCreationSpendsItsIdStillTriesRidgesAndStaysOutOfTheGroup) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    const uint32_t p = AddPlane(roof, {{0, 0, 3}, {10, 0, 3}, {10, 4, 5}, {0, 4, 5}},
                                {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge});
    host::ArmHostFault("Element_Create", APIERR_REFUSEDCMD);  // the tile surface's creation
    RoofPlaceAll();

    EXPECT_TRUE(AnyReportMentions("RoofPlaceOne: error in ACAPI_Element_Create"));
    EXPECT_TRUE(IsNullGuid(Plane(p).tileSurfaceGuid));
    EXPECT_TRUE(ObjectsOf(kTileSurfaceMainId).empty());
    ASSERT_EQ(ObjectsOf(kRidgeMainId).size(), 1u);  // the top edge's ridge was still placed
    EXPECT_EQ(gState.tileSurfaceIdCounter, 1u);
    // The roof forms a group of one: the plane without a tile surface contributes nothing.
    EXPECT_NE(host::FindElement(roof)->rec.header.groupId, 0u);
    EXPECT_EQ(ObjectsOf(kRidgeMainId)[0]->rec.header.groupId, 0u);
}

TEST_F(TileSurfacePlacement, MissingPartSkipsThePlaneWithMessage31AndGoesOn) {
    // A library without the two parts: the search fails for every plane and every edge.
    std::string error;
    ASSERT_EQ(host::AddLibraryText(R"({"name":"TevaroTmp","parts":[)" + ChairPartJson() + "]}", kLibraryLocation,
                                   false, &error),
              NoError)
        << error;
    const API_Guid roof = AddRoof("R1");
    AddShedPlane(roof);
    AddShedPlane(roof);
    RoofPlaceAll();
    EXPECT_TRUE(ObjectsOf(kTileSurfaceMainId).empty());
    EXPECT_TRUE(AnyReportMentions("RoofPlaceOne: error in ACAPI_LibPart_Search"));
    EXPECT_EQ(host::gSession.alerts.size(), 2u);  // one per plane; no ridge is attempted without a tile surface
    EXPECT_EQ(gState.tileSurfaceIdCounter, 0u);   // no ID was handed out
}

TEST_F(TileSurfacePlacement, LibraryCheckFailureSkipsThePlaneWithMessage9AndGoesOn) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    const uint32_t skipped = AddShedPlane(roof);
    const uint32_t placed = AddShedPlane(roof);
    host::ArmHostFault("Environment/GLIB", APIERR_GENERAL, 1);  // the first plane's library check
    RoofPlaceAll();
    EXPECT_TRUE(IsNullGuid(Plane(skipped).tileSurfaceGuid));
    EXPECT_FALSE(IsNullGuid(Plane(placed).tileSurfaceGuid));
    ASSERT_EQ(host::gSession.reportLines.size(), 1u);
    EXPECT_TRUE(host::gSession.reportLines[0].withDialog);
    EXPECT_EQ(host::gSession.reportLines[0].text, "Hiányzik a szükséges könyvtár: TevaroTmp.lib");
    EXPECT_EQ(ObjectsOf(kRidgeMainId).size(), 1u);  // only the placed plane's top edge
}

TEST_F(TileSurfacePlacement, MissingObjectDefaultsGiveMessage32) {
    LoadLibrary();
    AddShedPlane(AddRoof("R1"));
    host::ArmHostFault("Element_GetDefaults", APIERR_GENERAL);
    RoofPlaceAll();
    EXPECT_TRUE(AnyReportMentions("RoofPlaceOne: error in ACAPI_Element_GetDefaults"));
    EXPECT_TRUE(ObjectsOf(kTileSurfaceMainId).empty());
}

TEST_F(TileSurfacePlacement, GroupListWithoutMemoryReportsMessage17AndKeepsTheObjects) {
    LoadLibrary();
    AddShedPlane(AddRoof("R1"));
    AddShedPlane(AddRoof("R2"));
    RoofPlaceAll();
    ASSERT_EQ(CallCount("Element_Tool/GRUP"), 2u);
    // Grouped again with nothing left to place: the first list allocation fails.
    Plane(0).inRun = 1;
    Plane(1).inRun = 1;
    host::ArmAllocationFault(1);
    RoofPlaceAll();
    host::DisarmAllocationFault();
    EXPECT_TRUE(AnyReportMentions("Nincs elég memória!"));
    EXPECT_EQ(CallCount("Element_Tool/GRUP"), 2u);
    EXPECT_EQ(ObjectsOf(kTileSurfaceMainId).size(), 2u);
}

TEST_F(TileSurfacePlacement, GroupListThatCannotGrowReportsMessage17) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    // Twenty shed planes with a ridge on each top edge: a group list of 41 entries.
    for (int k = 0; k < 20; ++k) {
        AddPlane(roof, {{0, 10.0 * k, 3}, {10, 10.0 * k, 3}, {10, 10.0 * k + 4, 5}, {0, 10.0 * k + 4, 5}},
                 {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge});
    }
    RoofPlaceAll();
    ASSERT_EQ(CallCount("Element_Tool/GRUP"), 1u);
    size_t grouped = 0;
    for (const host::Element& e : host::gSession.model.elements) grouped += e.rec.header.groupId != 0 ? 1 : 0;
    EXPECT_EQ(grouped, 41u);

    for (uint32_t i = 0; i < gState.roofPlanes.planes.count; ++i) Plane(i).inRun = 1;
    host::ArmAllocationFault(2);  // the list's first block is given, its growth is not
    RoofPlaceAll();
    host::DisarmAllocationFault();
    EXPECT_TRUE(AnyReportMentions("Nincs elég memória!"));
    EXPECT_EQ(CallCount("Element_Tool/GRUP"), 1u);
}

TEST_F(TileSurfacePlacement, LeavesNoHostMemoryBehind) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    AddPlane(roof, {{0, 0, 3}, {10, 0, 3}, {10, 4, 7}, {0, 4, 7}},
             {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
    AddPlane(roof, {{10, 8, 3}, {0, 8, 3}, {0, 4, 7}, {10, 4, 7}},
             {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
    const size_t before = host::LiveHandleCount();
    RoofPlaceAll();
    EXPECT_EQ(host::LiveHandleCount(), before);
}

}  // namespace
}  // namespace placement_test
