// Purpose: tests of the ridge objects: direction, rise, end codes, twin edges and failures.
#include <cmath>

#include "PlacementFixture.h"
#include "placement/PlaceRidges.h"
#include "placement/PlaceTileSurfaces.h"

namespace placement_test {
namespace {

constexpr double kPi = 3.14159265358979323846;

class RidgePlacement : public PlacementTest {
protected:
    // A hipped roof on the rectangle 12 x 8 (eaves at z 3, ridge at z 7 along y = 4 from x = r0 to
    // x = 12 - r0). With r0 = 4 every plane has a 45 degree pitch: the regular hipped end.
    void AddHippedRoof(double r0) {
        const API_Guid roof = AddRoof("HIP");
        const double r1 = 12 - r0;
        south_ = AddPlane(roof, {{0, 0, 3}, {12, 0, 3}, {r1, 4, 7}, {r0, 4, 7}},
                          {kStatusEave, kStatusHip, kStatusRidge, kStatusHip});
        north_ = AddPlane(roof, {{12, 8, 3}, {0, 8, 3}, {r0, 4, 7}, {r1, 4, 7}},
                          {kStatusEave, kStatusHip, kStatusRidge, kStatusHip});
        west_ = AddPlane(roof, {{0, 8, 3}, {0, 0, 3}, {r0, 4, 7}}, {kStatusEave, kStatusHip, kStatusHip});
        east_ = AddPlane(roof, {{12, 0, 3}, {12, 8, 3}, {r1, 4, 7}}, {kStatusEave, kStatusHip, kStatusHip});
    }

    // A gable roof 10 x 8 with its ridge at y = 4, z = 7.
    void AddGableRoof() {
        const API_Guid roof = AddRoof("GABLE");
        south_ = AddPlane(roof, {{0, 0, 3}, {10, 0, 3}, {10, 4, 7}, {0, 4, 7}},
                          {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
        north_ = AddPlane(roof, {{10, 8, 3}, {0, 8, 3}, {0, 4, 7}, {10, 4, 7}},
                          {kStatusEave, kStatusVerge, kStatusRidge, kStatusVerge});
    }

    static host::Element* ObjectOf(const API_Guid& guid) { return host::FindElement(guid); }

    uint32_t south_ = 0, north_ = 0, west_ = 0, east_ = 0;
};

TEST(RidgeAngles, PlanDirectionFollowsTheEdgeFromItsLowerEnd) {
    EXPECT_DOUBLE_EQ(RidgePlanDirection(5, 0), 0.0);
    EXPECT_DOUBLE_EQ(RidgePlanDirection(-5, 0), kPi);
    EXPECT_DOUBLE_EQ(RidgePlanDirection(0, 3), kPi / 2);
    EXPECT_NEAR(RidgePlanDirection(-4, -4), kPi + kPi / 4, 1e-12);  // down-left: beyond pi
    EXPECT_DOUBLE_EQ(RidgePlanDirection(0.0005, -0.0009), 0.0);     // no plan extent
}

TEST(RidgeAngles, RiseIsMeasuredAgainstDxNotThePlanLength) {
    EXPECT_DOUBLE_EQ(RidgeRiseAngle(5, 0), 0.0);       // level ridge along +x
    EXPECT_DOUBLE_EQ(RidgeRiseAngle(-5, 0), kPi);      // level ridge along -x
    EXPECT_DOUBLE_EQ(RidgeRiseAngle(0, 4), kPi / 2);   // hip exactly along y
    EXPECT_NEAR(RidgeRiseAngle(4, 4), kPi / 4, 1e-12);
    EXPECT_DOUBLE_EQ(RidgeRiseAngle(0.0002, 0.0004), 0.0);
}

TEST_F(RidgePlacement, GableRidgeIsPlacedOnceWithFreeEndsAndSharedWithItsTwin) {
    LoadLibrary();
    AddGableRoof();
    RoofPlaceAll();

    auto ridges = ObjectsOf(kRidgeMainId);
    ASSERT_EQ(ridges.size(), 1u);
    const host::Element& r = *ridges[0];
    EXPECT_EQ(Plane(south_).ridgeGuids[2], r.rec.header.guid);
    EXPECT_EQ(Plane(north_).ridgeGuids[2], r.rec.header.guid);
    EXPECT_EQ(Number(r, "stat1"), 1);
    EXPECT_EQ(Number(r, "stat2"), 1);
    // The south plane's ridge edge runs from x 10 to x 0: level, so placed from vertex 2 along -x.
    EXPECT_DOUBLE_EQ(r.rec.object.pos.x, 10);
    EXPECT_DOUBLE_EQ(r.rec.object.pos.y, 4);
    EXPECT_DOUBLE_EQ(r.rec.object.angle, kPi);
    EXPECT_DOUBLE_EQ(Number(r, "alpha"), kPi);
    EXPECT_DOUBLE_EQ(r.rec.object.xRatio, 10);
    EXPECT_DOUBLE_EQ(r.rec.object.level, 7.001);
    EXPECT_DOUBLE_EQ(Number(r, "ZZYZX"), 0);
    EXPECT_EQ(r.elementId, "Tevaro_kup");
    EXPECT_EQ(Text(r, "gcstyp"), "G7");
    EXPECT_EQ(Text(r, "fam"), "T10");
    EXPECT_EQ(Text(r, "gcolor"), "RED");
    EXPECT_EQ(Text(r, "opt2d"), "O2");
    EXPECT_EQ(Text(r, "typ"), "L1");
    EXPECT_DOUBLE_EQ(Number(r, "vesztesegszorzo"), 1.05);
    EXPECT_EQ(Number(r, "pen1"), 17);
    EXPECT_EQ(Number(r, "modByAPI"), 1);
    EXPECT_TRUE(r.rec.object.useObjSectAttrs);
    EXPECT_FALSE(r.rec.object.reflected);
    EXPECT_EQ(r.rec.header.layer, 4);

    EXPECT_EQ(CallCount("Goodies/RPAS"), 1u);
    EXPECT_EQ(host::gSession.calls.back().op, "Element_Tool/GRUP");
    for (const host::CallRecord& c : host::gSession.calls) {
        if (c.op == "Goodies/RPAS") {
            EXPECT_EQ(c.guid, r.rec.header.guid);
            EXPECT_EQ(c.value, 0x10000000);
        }
    }
    EXPECT_TRUE(NothingReported());
}

TEST_F(RidgePlacement, RegularHippedRoofRidgeGetsHippedEndsAndHipsRunFromTheirEaves) {
    LoadLibrary();
    AddHippedRoof(4.0);
    RoofPlaceAll();

    auto ridges = ObjectsOf(kRidgeMainId);
    ASSERT_EQ(ridges.size(), 5u);  // one ridge and four hips, each once

    const host::Element& ridge = *ObjectOf(Plane(south_).ridgeGuids[2]);
    EXPECT_EQ(Number(ridge, "stat1"), 3);
    EXPECT_EQ(Number(ridge, "stat2"), 3);
    EXPECT_DOUBLE_EQ(ridge.rec.object.xRatio, 4);

    // Every hip: lower end at the eave (2), upper end meeting the ridge (0), placed from below.
    const API_Guid hips[4] = {Plane(south_).ridgeGuids[1], Plane(south_).ridgeGuids[3], Plane(north_).ridgeGuids[1],
                              Plane(north_).ridgeGuids[3]};
    for (const API_Guid& g : hips) {
        const host::Element* hip = ObjectOf(g);
        ASSERT_NE(hip, nullptr);
        EXPECT_EQ(Number(*hip, "stat1"), 2);
        EXPECT_EQ(Number(*hip, "stat2"), 0);
        EXPECT_DOUBLE_EQ(Number(*hip, "ZZYZX"), 4);
        EXPECT_NEAR(hip->rec.object.level, 3.001, 1e-12);
        EXPECT_NEAR(hip->rec.object.xRatio, std::sqrt(32.0), 1e-12);
        const bool atWestEave = std::fabs(hip->rec.object.pos.x) < 1e-9;
        const bool atEastEave = std::fabs(hip->rec.object.pos.x - 12) < 1e-9;
        EXPECT_TRUE(atWestEave || atEastEave);
    }
    // The end planes found their hips already placed from the long planes.
    EXPECT_EQ(Plane(west_).ridgeGuids[1], Plane(south_).ridgeGuids[3]);
    EXPECT_EQ(Plane(west_).ridgeGuids[2], Plane(north_).ridgeGuids[1]);
    EXPECT_EQ(Plane(east_).ridgeGuids[1], Plane(north_).ridgeGuids[3]);
    EXPECT_EQ(Plane(east_).ridgeGuids[2], Plane(south_).ridgeGuids[1]);
    EXPECT_EQ(CallCount("Goodies/RPAS"), 5u);
}

TEST_F(RidgePlacement, HippedEndsDoNotDependOnThePlanesOrder) {
    LoadLibrary();
    // The same regular hipped roof with the end planes read first and the contours started elsewhere.
    const API_Guid roof = AddRoof("HIP2");
    west_ = AddPlane(roof, {{4, 4, 7}, {0, 8, 3}, {0, 0, 3}}, {kStatusHip, kStatusEave, kStatusHip});
    east_ = AddPlane(roof, {{12, 0, 3}, {12, 8, 3}, {8, 4, 7}}, {kStatusEave, kStatusHip, kStatusHip});
    north_ = AddPlane(roof, {{4, 4, 7}, {8, 4, 7}, {12, 8, 3}, {0, 8, 3}},
                      {kStatusRidge, kStatusHip, kStatusEave, kStatusHip});
    south_ = AddPlane(roof, {{8, 4, 7}, {4, 4, 7}, {0, 0, 3}, {12, 0, 3}},
                      {kStatusRidge, kStatusHip, kStatusEave, kStatusHip});
    for (uint32_t p : {west_, east_, north_, south_}) {
        for (int end = 0; end < 2; ++end) {
            const int16_t status = Plane(p).edgeStatus[0];
            if (status == kStatusRidge) EXPECT_EQ(RidgeEndCode(p, 0, end), 3) << "plane " << p << " end " << end;
        }
    }
    RoofPlaceAll();
    EXPECT_EQ(ObjectsOf(kRidgeMainId).size(), 5u);
    const host::Element& ridge = *ObjectOf(Plane(north_).ridgeGuids[0]);
    EXPECT_EQ(Number(ridge, "stat1"), 3);
    EXPECT_EQ(Number(ridge, "stat2"), 3);
}

TEST_F(RidgePlacement, HipEnteredTopFirstIsPlacedFromItsLowerEnd) {
    LoadLibrary();
    AddHippedRoof(4.0);
    RoofPlaceAll();
    // South edge 3 runs (4, 4, 7) -> (0, 0, 3): top first.
    const host::Element& hip = *ObjectOf(Plane(south_).ridgeGuids[3]);
    EXPECT_NEAR(hip.rec.object.pos.x, 0, 1e-12);
    EXPECT_NEAR(hip.rec.object.pos.y, 0, 1e-12);
    EXPECT_GE(Number(hip, "ZZYZX"), 0);
    EXPECT_NEAR(hip.rec.object.angle, kPi / 4, 1e-12);
    EXPECT_NEAR(Number(hip, "alpha"), kPi / 4, 1e-12);  // dx 4, dz 4
}

TEST_F(RidgePlacement, HipsMeetingTheRidgeAt120DegreesGiveAJoinedEnd) {
    LoadLibrary();
    // Steeper end planes: the hips leave the ridge ends at 120 degrees in plan (4 / tan 60).
    AddHippedRoof(4.0 / std::sqrt(3.0));
    RoofPlaceAll();
    const host::Element& ridge = *ObjectOf(Plane(south_).ridgeGuids[2]);
    EXPECT_EQ(Number(ridge, "stat1"), 0);
    EXPECT_EQ(Number(ridge, "stat2"), 0);
    EXPECT_EQ(RidgeEndCode(south_, 2, 0), 0);
}

TEST_F(RidgePlacement, HipAlongTheYAxisRisesAtARightAngle) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    const uint32_t p = AddPlane(roof, {{0, 0, 3}, {0, 4, 7}, {-4, 0, 3}}, {kStatusHip, kStatusFreeSloped, kStatusEave});
    RoofPlaceAll();
    const host::Element& hip = *ObjectOf(Plane(p).ridgeGuids[0]);
    EXPECT_DOUBLE_EQ(Number(hip, "alpha"), kPi / 2);
    EXPECT_DOUBLE_EQ(hip.rec.object.angle, kPi / 2);
    EXPECT_EQ(Number(hip, "stat1"), 2);
    EXPECT_EQ(Number(hip, "stat2"), 0);
}

TEST_F(RidgePlacement, TopEdgeOfAShedRoofRunsAlongPlusXWithFreeEnds) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    const uint32_t p = AddPlane(roof, {{10, 4, 3}, {0, 4, 3}, {0, 0, 5}, {10, 0, 5}},
                                {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge});
    RoofPlaceAll();
    const host::Element& top = *ObjectOf(Plane(p).ridgeGuids[2]);
    EXPECT_DOUBLE_EQ(top.rec.object.angle, 0);
    EXPECT_DOUBLE_EQ(Number(top, "alpha"), 0);
    // A level top edge has no lower end: both free ends are capped like a free ridge end.
    EXPECT_EQ(Number(top, "stat1"), 1);
    EXPECT_EQ(Number(top, "stat2"), 1);
}

TEST_F(RidgePlacement, TopEdgeMeetingAHipAtOneEndIsJoinedThereAndCappedAtTheOther) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    // A lean-to whose top runs from (0,0,5) to (10,0,5); at its east end a hip of a neighbour
    // plane comes up to the top's end point.
    const uint32_t p = AddPlane(roof, {{10, 4, 3}, {0, 4, 3}, {0, 0, 5}, {10, 0, 5}},
                                {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge});
    AddPlane(roof, {{14, 4, 3}, {10, 0, 5}, {10, 4, 3}}, {kStatusHip, kStatusVerge, kStatusEave});
    RoofPlaceAll();
    const host::Element& top = *ObjectOf(Plane(p).ridgeGuids[2]);
    const bool eastFirst = std::fabs(top.rec.object.pos.x - 10) < 1e-9;
    EXPECT_EQ(Number(top, eastFirst ? "stat1" : "stat2"), 0);  // joined to the hip
    EXPECT_EQ(Number(top, eastFirst ? "stat2" : "stat1"), 1);  // free: a ridge's end cap
}

TEST_F(RidgePlacement, EdgesThatCarryNoRidgeTilesGetNoObject) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    AddPlane(roof, {{0, 0, 3}, {10, 0, 3}, {10, 4, 7}, {0, 4, 7}},
             {kStatusEave, kStatusVerge, kStatusNearFlatHorizontal, kStatusVerge});
    AddPlane(roof, {{0, 10, 3}, {10, 10, 3}, {10, 14, 7}, {0, 14, 7}},
             {kStatusEave, kStatusValley, kStatusNearFlatSloped, kStatusShedTopNoTiles});
    RoofPlaceAll();
    EXPECT_TRUE(ObjectsOf(kRidgeMainId).empty());
}

TEST_F(RidgePlacement, RefusedRidgeStoresNothingAndRunsNoScript) {
    LoadLibrary();
    AddGableRoof();
    // The first creation is the south tile surface, the second its ridge.
    host::ArmHostFault("Element_Create", APIERR_REFUSEDCMD, 2);
    RoofPlaceOne(south_);
    EXPECT_TRUE(AnyReportMentions("Ridge: error in ACAPI_Element_Create"));
    EXPECT_TRUE(IsNullGuid(Plane(south_).ridgeGuids[2]));
    EXPECT_TRUE(IsNullGuid(Plane(north_).ridgeGuids[2]));
    EXPECT_TRUE(ObjectsOf(kRidgeMainId).empty());
    EXPECT_EQ(CallCount("Goodies/RPAS"), 0u);

    // The north plane finds its twin empty and tries again; its ridge is stored on both planes.
    RoofPlaceOne(north_);
    auto ridges = ObjectsOf(kRidgeMainId);
    ASSERT_EQ(ridges.size(), 1u);
    EXPECT_EQ(Plane(north_).ridgeGuids[2], ridges[0]->rec.header.guid);
    EXPECT_EQ(Plane(south_).ridgeGuids[2], ridges[0]->rec.header.guid);
    EXPECT_EQ(CallCount("Goodies/RPAS"), 1u);
}

TEST_F(RidgePlacement, MissingRidgePartGivesMessage27AndLeavesTheEdgeEmpty) {
    std::string error;
    ASSERT_EQ(host::AddLibraryText(R"({"name":"TevaroTmp","parts":[)" + TileSurfacePartJson(true) + "]}",
                                   kLibraryLocation, false, &error),
              NoError)
        << error;
    AddGableRoof();
    RoofPlaceAll();
    EXPECT_EQ(ObjectsOf(kTileSurfaceMainId).size(), 2u);
    EXPECT_TRUE(ObjectsOf(kRidgeMainId).empty());
    EXPECT_TRUE(AnyReportMentions("Ridge: error in ACAPI_LibPart_Search"));
    EXPECT_TRUE(IsNullGuid(Plane(south_).ridgeGuids[2]));
    EXPECT_TRUE(IsNullGuid(Plane(north_).ridgeGuids[2]));
}

TEST_F(RidgePlacement, RidgeDefaultsRefusedGiveMessage28) {
    LoadLibrary();
    const API_Guid roof = AddRoof("R1");
    AddPlane(roof, {{0, 0, 3}, {10, 0, 3}, {10, 4, 5}, {0, 4, 5}},
             {kStatusEave, kStatusVerge, kStatusShedTop, kStatusVerge});
    host::ArmHostFault("Element_GetDefaults", APIERR_GENERAL, 2);  // the tile surface's call succeeds
    RoofPlaceAll();
    EXPECT_TRUE(AnyReportMentions("Ridge: error in ACAPI_Element_GetDefaults"));
    EXPECT_TRUE(ObjectsOf(kRidgeMainId).empty());
    EXPECT_EQ(ObjectsOf(kTileSurfaceMainId).size(), 1u);
}

}  // namespace
}  // namespace placement_test
