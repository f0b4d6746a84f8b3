// Purpose: placing edge setters per plane group, reading the user's edge types back into the
// roof planes, the match rules that refuse a changed setter, and deleting setters.
#include "EdgesFixture.h"

#include "Common_src/Messages.h"
#include "edges/EdgeSetters.h"
#include "polytopo/EdgeCodes.h"

namespace edgestest {
namespace {

class PlaceDummiesTest : public EdgesTest {};
class FinalizeDummiesTest : public EdgesTest {};
class DeleteDummiesTest : public EdgesTest {};

// Distance between two plan points.
double PlanDistance(double x1, double y1, double x2, double y2) { return std::hypot(x1 - x2, y1 - y2); }

TEST_F(PlaceDummiesTest, GableRoofGivesOneSetterWithSevenEdgesAndTheRidgeOnce) {
    AddGable(1);
    ASSERT_TRUE(PlaceDummies());
    const auto setters = Setters();
    ASSERT_EQ(setters.size(), 1u);
    const host::Element& s = *setters[0];
    EXPECT_EQ(Number(s, "nEdge"), 7);
    EXPECT_EQ(Rows(s, "edgeCoords"), 7);
    EXPECT_EQ(Number(s, "dummyIndex"), 1);
    // Two eaves (8), four verges (7), one ridge with ridge tiles (2).
    int eaves = 0, verges = 0, ridges = 0;
    for (int i = 0; i < 7; ++i) {
        const int type = int(Cell(s, "iEdgeStatus", i));
        EXPECT_EQ(type, int(Cell(s, "iApiStatus", i)));
        eaves += type == 8;
        verges += type == 7;
        ridges += type == 2;
        EXPECT_EQ(Cell(s, "edgeHotspotsX", i), 0);
        EXPECT_EQ(Cell(s, "edgeHotspotsY", i), 0);
        EXPECT_EQ(Cell(s, "edgeHotspotsY2", i), 0);
    }
    EXPECT_EQ(eaves, 2);
    EXPECT_EQ(verges, 4);
    EXPECT_EQ(ridges, 1);
    // The program's listing: the ridge, 10 long, with its label.
    EXPECT_NE(host::DescribeEdgeSetters().find(" 3. h=10.00 m   2 gerinc (gerincelemmel)"), std::string::npos)
        << host::DescribeEdgeSetters();
    ASSERT_EQ(gState.edgeSetterRecords.count, 1u);
    EXPECT_EQ(gState.edgeSetterRecords[0].edgeCount, 7u);
    EXPECT_EQ(gState.edgeSetterRecords[0].guid, s.rec.header.guid);
}

TEST_F(PlaceDummiesTest, SetterSitsAtTheMinimumCornerWithElevationFromTheCurrentStory) {
    host::gSession.model.stories = {host::Story{0, 0.0, "F"}, host::Story{1, 2.5, "E"}};
    host::gSession.model.currentStory = 1;
    AddGable(1, 4.0, 3.0);
    ASSERT_TRUE(PlaceDummies());
    const host::Element& s = *Setters().at(0);
    EXPECT_DOUBLE_EQ(s.rec.object.pos.x, 4.0);
    EXPECT_DOUBLE_EQ(s.rec.object.pos.y, 0.0);
    EXPECT_NEAR(s.rec.object.level, 3.0 - 2.5, 1e-12);
    EXPECT_EQ(s.rec.header.floorInd, 1);
    EXPECT_EQ(s.rec.object.angle, 0);
    EXPECT_FALSE(s.rec.object.reflected);
    // Every edge end, placed back, lies on a vertex of the roof; the ridge is 10 long at z 5.
    bool ridgeFound = false;
    for (int i = 0; i < 7; ++i) {
        const double x1 = s.rec.object.pos.x + Cell(s, "edgeCoords", i, 0);
        const double y1 = s.rec.object.pos.y + Cell(s, "edgeCoords", i, 1);
        const double z1 = 2.5 + s.rec.object.level + Cell(s, "edgeCoords", i, 2);
        const double z2 = 2.5 + s.rec.object.level + Cell(s, "edgeCoords", i, 5);
        const double len = PlanDistance(Cell(s, "edgeCoords", i, 0), Cell(s, "edgeCoords", i, 1),
                                        Cell(s, "edgeCoords", i, 3), Cell(s, "edgeCoords", i, 4));
        EXPECT_TRUE(std::fabs(x1 - 4) < 1e-9 || std::fabs(x1 - 14) < 1e-9) << "edge " << i;
        EXPECT_TRUE(std::fabs(y1) < 1e-9 || std::fabs(y1 - 4) < 1e-9 || std::fabs(y1 - 8) < 1e-9);
        if (Cell(s, "iEdgeStatus", i) == 2) {
            ridgeFound = true;
            EXPECT_NEAR(len, 10, 1e-9);
            EXPECT_NEAR(z1, 5, 1e-9);
            EXPECT_NEAR(z2, 5, 1e-9);
        }
    }
    EXPECT_TRUE(ridgeFound);
    EXPECT_NEAR(gState.edgeSetterRecords[0].elevation, 0.5, 1e-12);
}

TEST_F(PlaceDummiesTest, TwoRoofsWithoutSharedEdgeGiveTwoSettersBothSelected) {
    AddGable(1, 0);
    AddGable(2, 30);
    ASSERT_TRUE(PlaceDummies());
    const auto setters = Setters();
    ASSERT_EQ(setters.size(), 2u);
    EXPECT_EQ(Number(*setters[0], "dummyIndex"), 1);
    EXPECT_EQ(Number(*setters[1], "dummyIndex"), 2);
    ASSERT_EQ(host::gSession.model.selection.size(), 2u);
    EXPECT_EQ(host::gSession.model.selection[0], setters[0]->rec.header.guid);
    EXPECT_EQ(host::gSession.model.selection[1], setters[1]->rec.header.guid);
    // Every setter was brought to the front.
    size_t fronted = 0;
    for (const host::CallRecord& c : host::gSession.calls) fronted += c.op.find("OFR0") != std::string::npos;
    EXPECT_EQ(fronted, 2u);
}

TEST_F(PlaceDummiesTest, GroupIdThatNoPlaneCarriesPlacesNothing) {
    AddGable(1, 0);
    AddGable(3, 30);  // group 2 was joined into another and is empty now
    ASSERT_EQ(gState.roofPlanes.nextGroupId, 3u);
    ASSERT_TRUE(PlaceDummies());
    const auto setters = Setters();
    ASSERT_EQ(setters.size(), 2u);
    EXPECT_EQ(Number(*setters[0], "dummyIndex"), 1);
    EXPECT_EQ(Number(*setters[1], "dummyIndex"), 3);
    EXPECT_EQ(gState.edgeSetterRecords.count, 2u);
}

TEST_F(PlaceDummiesTest, HoleContourIsWalkedOnItsOwnWithoutJoiningEdge) {
    // A flat-ish shed plane 10 x 10 with a skylight hole 2 x 2: 4 + 4 edges, none joining the contours.
    const std::vector<Coord3> outer{{0, 0, 3}, {10, 0, 3}, {10, 10, 6}, {0, 10, 6}};
    const std::vector<Coord3> hole{{4, 4, 4.2}, {4, 6, 4.8}, {6, 6, 4.8}, {6, 4, 4.2}};
    AddPlane(1, {outer, hole},
             {{kStatusEave, kKindFreeLower},
              {kStatusVerge, kKindFreeFallLine},
              {kStatusShedTop, kKindFreeUpper},
              {kStatusVerge, kKindFreeFallLine},
              {kStatusHoleSloped, kKindHoleSloped},
              {kStatusHoleUpper, kKindHoleUpper},
              {kStatusHoleSloped, kKindHoleSloped},
              {kStatusHoleLower, kKindHoleLower}});
    ASSERT_TRUE(PlaceDummies());
    const host::Element& s = *Setters().at(0);
    ASSERT_EQ(Number(s, "nEdge"), 8);
    int skylight = 0;
    for (int i = 0; i < 8; ++i) {
        const double len = PlanDistance(Cell(s, "edgeCoords", i, 0), Cell(s, "edgeCoords", i, 1),
                                        Cell(s, "edgeCoords", i, 3), Cell(s, "edgeCoords", i, 4));
        EXPECT_TRUE(std::fabs(len - 10) < 1e-9 || std::fabs(len - 2) < 1e-9) << "edge " << i << " length " << len;
        skylight += Cell(s, "iEdgeStatus", i) == int(dummystatus_skylight);
    }
    EXPECT_EQ(skylight, 4);
}


TEST_F(PlaceDummiesTest, HostFailuresAreReportedWithTheirMessageRows) {
    AddGable(1);
    host::ArmHostFault("Environment/GSTO", APIERR_GENERAL);
    EXPECT_FALSE(PlaceDummies());
    EXPECT_TRUE(Reported(GetMessage(84)));

    host::ArmHostFault("Element_Create", APIERR_GENERAL);
    EXPECT_FALSE(PlaceDummies());
    EXPECT_TRUE(Reported(GetMessage(81)));
    EXPECT_TRUE(Setters().empty());

    host::ArmHostFault("Element_GetDefaults", APIERR_GENERAL);
    EXPECT_FALSE(PlaceDummies());
    EXPECT_TRUE(Reported(GetMessage(83)));

    host::ArmHostFault("LibPart_Search", APIERR_NOLIB);
    EXPECT_FALSE(PlaceDummies());
    EXPECT_TRUE(Reported("ACAPI_LibPart_Search"));
}

TEST_F(PlaceDummiesTest, OutOfMemoryForTheRecordsIsMessage17) {
    AddGable(1);
    host::ArmAllocationFault(1);
    EXPECT_FALSE(PlaceDummies());
    EXPECT_TRUE(Reported(GetMessage(17)));
    EXPECT_TRUE(Setters().empty());
}

// ---- Read-back -------------------------------------------------------------------------------

TEST_F(FinalizeDummiesTest, UnchangedSettersLeaveEveryStatusAndAreDeleted) {
    const std::vector<Coord3> ring{{0, 0, 3}, {10, 0, 3}, {10, 5, 5}, {0, 5, 5}};
    AddPlane(1, {ring},
             {{kStatusUnclassified, kKindNone},
              {kStatusWallVerge, kKindFreeFallLine},
              {kStatusWallTop, kKindFreeUpper},
              {kStatusFreeSloped, kKindFreeSloped}});
    const size_t handlesBefore = host::LiveHandleCount();
    ASSERT_TRUE(PlaceDummies());
    ASSERT_TRUE(FinalizeDummies());
    HostArrayFree(gState.edgeSetterRecords);
    EXPECT_EQ(host::LiveHandleCount(), handlesBefore);  // nothing of the round trip is left behind
    // The wall junctions along a verge and a top show as the wall type, which maps back to a wall
    // eave: an edge left
    // alone keeps its engine status whatever the mapping would give.
    EXPECT_EQ(Plane(0).edgeStatus[0], kStatusUnclassified);
    EXPECT_EQ(Plane(0).edgeStatus[1], kStatusWallVerge);
    EXPECT_EQ(Plane(0).edgeStatus[2], kStatusWallTop);
    EXPECT_EQ(Plane(0).edgeStatus[3], kStatusFreeSloped);
    EXPECT_TRUE(Setters().empty());
}

TEST_F(FinalizeDummiesTest, RidgeSetWithoutRidgeTilesIsStoredAsALevelFoldInBothPlanes) {
    AddGable(1);
    ASSERT_TRUE(PlaceDummies());
    host::Element& s = *Setters().at(0);
    int ridge = -1;
    for (int i = 0; i < 7; ++i)
        if (Cell(s, "iEdgeStatus", i) == int(dummystatus_ridge_with_tiles)) ridge = i + 1;
    ASSERT_GT(ridge, 0);
    std::string error;
    ASSERT_TRUE(host::SetEdgeSetterEdgeType(s, ridge, dummystatus_ridge_without_tiles, error)) << error;
    ASSERT_TRUE(FinalizeDummies());
    EXPECT_EQ(Plane(0).edgeStatus[2], kStatusNearFlatHorizontal);
    EXPECT_EQ(Plane(1).edgeStatus[0], kStatusNearFlatHorizontal);
    // The other edges are untouched.
    EXPECT_EQ(Plane(0).edgeStatus[0], kStatusEave);
    EXPECT_EQ(Plane(1).edgeStatus[1], kStatusVerge);
}

TEST_F(FinalizeDummiesTest, SharedEdgeIsMappedWithEachPlanesOwnKind) {
    // Two planes share edge p-q; the engine saw it as a slope break in one plane and as a hole
    // edge in the other: "pozitív törés" maps by each plane's own kind.
    const Coord3 p{0, 4, 5}, q{10, 4, 5};
    AddPlane(1, {{{0, 0, 3}, {10, 0, 3}, q, p}},
             {{kStatusEave, kKindFreeLower},
              {kStatusVerge, kKindFreeFallLine},
              {kStatusSlopeBreak, kKindSharedBreakHorizontal},
              {kStatusVerge, kKindFreeFallLine}});
    AddPlane(1, {{p, q, {10, 8, 6}, {0, 8, 6}}},
             {{kStatusHoleSharedLower, kKindHoleLower},
              {kStatusVerge, kKindFreeFallLine},
              {kStatusShedTop, kKindFreeUpper},
              {kStatusVerge, kKindFreeFallLine}});
    ASSERT_TRUE(PlaceDummies());
    host::Element& s = *Setters().at(0);
    ASSERT_EQ(Number(s, "nEdge"), 7);
    std::string error;
    ASSERT_TRUE(host::SetEdgeSetterEdgeType(s, 3, dummystatus_hollow, error)) << error;
    ASSERT_TRUE(FinalizeDummies());
    EXPECT_EQ(Plane(0).edgeStatus[2], kStatusNearFlatHorizontal);
    EXPECT_EQ(Plane(1).edgeStatus[0], kStatusHoleSharedLower);
}

TEST_F(FinalizeDummiesTest, SetterMovedByTwoCentimetresIsRefusedAndHalfACentimetrePasses) {
    AddGable(1);
    ASSERT_TRUE(PlaceDummies());
    Setters().at(0)->rec.object.pos.x += 0.02;
    EXPECT_FALSE(FinalizeDummies());
    EXPECT_EQ(Setters().size(), 1u);  // a refused setter is not deleted here

    Setters().at(0)->rec.object.pos.x -= 0.015;  // now 0.005 off
    EXPECT_TRUE(FinalizeDummies());
    EXPECT_TRUE(Setters().empty());
}

TEST_F(FinalizeDummiesTest, SetterRaisedRotatedOrMirroredIsRefused) {
    AddGable(1);
    ASSERT_TRUE(PlaceDummies());
    host::Element& s = *Setters().at(0);
    s.rec.object.level += 0.02;
    EXPECT_FALSE(FinalizeDummies());
    s.rec.object.level -= 0.02;
    s.rec.object.angle = 0.01;
    EXPECT_FALSE(FinalizeDummies());
    s.rec.object.angle = 0.0005;  // within the turning tolerance
    s.rec.object.reflected = true;
    EXPECT_FALSE(FinalizeDummies());
    s.rec.object.reflected = false;
    EXPECT_TRUE(FinalizeDummies());
}

TEST_F(FinalizeDummiesTest, DeletedSetterMakesTheCountFallShort) {
    AddGable(1, 0);
    AddGable(2, 30);
    ASSERT_TRUE(PlaceDummies());
    auto& elements = host::gSession.model.elements;
    const API_Guid doomed = Setters().at(1)->rec.header.guid;
    for (size_t i = 0; i < elements.size(); ++i)
        if (elements[i].rec.header.guid == doomed) elements.erase(elements.begin() + long(i));
    EXPECT_FALSE(FinalizeDummies());
}

TEST_F(FinalizeDummiesTest, ChangedEdgeCountOrHandPlacedSetterIsRefused) {
    AddGable(1);
    ASSERT_TRUE(PlaceDummies());
    host::Element& s = *Setters().at(0);
    host::FindParam(s.params, "nEdge")->numbers[0] = 6;
    EXPECT_FALSE(FinalizeDummies());
    host::FindParam(s.params, "nEdge")->numbers[0] = 7;
    host::FindParam(s.params, "dummyIndex")->numbers[0] = 0;
    EXPECT_FALSE(FinalizeDummies());
}


TEST_F(FinalizeDummiesTest, HostErrorsAreReportedWithTheirRows) {
    AddGable(1);
    EXPECT_FALSE(FinalizeDummies());  // no objects at all
    ASSERT_TRUE(PlaceDummies());
    host::ArmAllocationFault(1);  // the setter's edge list
    EXPECT_FALSE(FinalizeDummies());
    EXPECT_EQ(Setters().size(), 1u);
    host::ArmHostFault("Element_GetMemo", APIERR_GENERAL);
    EXPECT_FALSE(FinalizeDummies());
    EXPECT_TRUE(Reported(GetMessage(80)));
    host::ArmHostFault("Element_Delete", APIERR_GENERAL);
    EXPECT_FALSE(FinalizeDummies());
    EXPECT_TRUE(Reported(GetMessage(78)));
    host::ArmHostFault("Environment/GSTO", APIERR_GENERAL);
    EXPECT_FALSE(FinalizeDummies());
    EXPECT_TRUE(Reported(GetMessage(85)));
    host::ArmHostFault("Element_Get", APIERR_GENERAL);
    EXPECT_FALSE(FinalizeDummies());
    EXPECT_TRUE(Reported(GetMessage(77)));
}

// ---- Deletion --------------------------------------------------------------------------------

TEST_F(DeleteDummiesTest, DeletesEverySetterAndNothingElse) {
    AddGable(1, 0);
    AddGable(2, 30);
    ASSERT_TRUE(PlaceDummies());
    host::Element chair;  // its library is not loaded: the host answers "part missing", it is skipped
    chair.rec.header.typeID = API_ObjectID;
    chair.libPartUnId = "{0C0C0C0C-0000-4000-8000-00000000C4A1}-{00000000-0000-0000-0000-000000000000}";
    host::AddElement(chair);
    const size_t before = host::gSession.model.elements.size();
    EXPECT_TRUE(DeleteDummies());
    EXPECT_TRUE(Setters().empty());
    EXPECT_EQ(host::gSession.model.elements.size(), before - 2);
}

TEST_F(DeleteDummiesTest, NoObjectsIsFineAndDeleteFailureIsMessage74) {
    EXPECT_TRUE(DeleteDummies());
    AddGable(1);
    ASSERT_TRUE(PlaceDummies());
    host::ArmHostFault("Element_Delete", APIERR_GENERAL);
    EXPECT_FALSE(DeleteDummies());
    EXPECT_TRUE(Reported(GetMessage(74)));
    host::ArmHostFault("LibPart_Get", APIERR_GENERAL);
    EXPECT_FALSE(DeleteDummies());
    EXPECT_TRUE(Reported(GetMessage(75)));
    EXPECT_EQ(Setters().size(), 1u);
}

}  // namespace
}  // namespace edgestest
