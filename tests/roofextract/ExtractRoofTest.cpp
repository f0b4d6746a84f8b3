// Purpose: tests of the roof model extraction against the host stand-in: plane frames and areas,
// which roofs are read untouched and which get temporary materials (always given back), the
// fault dialog, dropped bodies, host errors and memory running out.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <cstring>

#include "common/AddOnFixture.h"
#include "Common_src/AddOnState.h"
#include "Common_src/Messages.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/MemoryHandles.h"
#include "roofgeom/ExtractRoof.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Materials 1..5 and building materials/composite as the roofs below refer to them.
const std::string kAttributes = R"(
  "stories": [{"index": 0, "level": 0.0}, {"index": 1, "level": 2.5}],
  "currentStory": 1,
  "materials": [{"index": 1, "name": "m1"}, {"index": 2, "name": "m2"}, {"index": 3, "name": "m3"},
                {"index": 4, "name": "m4"}, {"index": 5, "name": "m5"}],
  "buildingMaterials": [{"index": 1, "name": "b1", "surfaceMaterial": 1}, {"index": 2, "name": "b2", "surfaceMaterial": 2},
                        {"index": 3, "name": "b3", "surfaceMaterial": 3}],
  "composites": [{"index": 1, "name": "c1", "skins": [2, 3]}],)";

// A model of these attributes and one roof given by its JSON members (after "type" and "id").
std::string RoofModel(const std::string& roofMembers) {
    return "{" + kAttributes + R"( "elements": [{"type": "roof", "id": "R", )" + roofMembers + "}]}";
}

// A south-facing plane, 10 m along x, 5 m deep in plan, rising 5 m to the north (45 degrees).
const std::string kSouthPlane = R"("planes": [{"outer": [[0,0,3],[10,0,3],[10,5,8],[0,5,8]]}])";
// The same plane with a 2 x 1 m (plan) hole.
const std::string kSouthPlaneWithHole =
    R"("planes": [{"outer": [[0,0,3],[10,0,3],[10,5,8],[0,5,8]], "holes": [[[4,1,4],[6,1,4],[6,2,5],[4,2,5]]]}])";

class ExtractRoofTest : public ::testing::Test {
protected:
    void SetUp() override {
        tevaro_test::InstallHostOnly();
        FreeRoofPlanes();
    }
    void TearDown() override {
        FreeRoofPlanes();
        host::DisarmHostFaults();
        host::DisarmAllocationFault();
        host::SetDialogActionSource(nullptr);
    }

    static host::Element& Roof() { return *host::FindElementByText("R"); }
    static API_Guid RoofGuid() { return Roof().rec.header.guid; }
    static uint32_t PlaneCount() { return gState.roofPlanes.planes.count; }
    static RoofPlane& Plane(uint32_t i) { return gState.roofPlanes.planes[i]; }

    // True when the last thing shown is message `row`.
    static bool Shown(int row) {
        return !host::gSession.reportLines.empty() &&
               host::gSession.reportLines.back().text == tevaro_test::MessageText(row);
    }
    static bool AnythingShown() { return !host::gSession.reportLines.empty() || !host::gSession.alerts.empty(); }

    // Clicks a button of the next modal dialog.
    static void QueueButton(int16_t item) {
        host::DialogAction a;
        a.kind = host::DialogAction::Click;
        a.item = item;
        host::QueueDialogAction(a);
    }
};

// The roof's surface settings, compared field by field.
void ExpectSameSurfaces(const API_RoofType& a, const API_RoofType& b) {
    EXPECT_EQ(a.overrideTopMaterial, b.overrideTopMaterial);
    EXPECT_EQ(a.overrideSideMaterial, b.overrideSideMaterial);
    EXPECT_EQ(a.overrideBotMaterial, b.overrideBotMaterial);
    EXPECT_EQ(a.topMat, b.topMat);
    EXPECT_EQ(a.sideMat, b.sideMat);
    EXPECT_EQ(a.botMat, b.botMat);
    EXPECT_EQ(a.materialsChained, b.materialsChained);
}

// Every per-vertex array of every plane holds vertexCount entries.
void ExpectArraysInStep() {
    for (uint32_t i = 0; i < gState.roofPlanes.planes.count; ++i) {
        const RoofPlane& p = gState.roofPlanes.planes[i];
        EXPECT_GE(p.vertices.count, p.vertexCount);
        EXPECT_GE(p.edgeStatus.count, p.vertexCount);
        EXPECT_GE(p.planeCoords.count, p.vertexCount);
        EXPECT_GE(p.ridgeGuids.count, p.vertexCount);
        EXPECT_GE(p.edgeKind.count, p.vertexCount);
    }
}

double Dist3(const Coord3& a, const Coord3& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}
double Dist2(const Coord2& a, const Coord2& b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)); }

// ---- Plane frame, contours and area ------------------------------------------------------------

TEST_F(ExtractRoofTest, PlaneWithAHoleHasTwoClosedContoursAndItsSlopedAreaLessTheHole) {
    tevaro_test::LoadModel(RoofModel(kSouthPlaneWithHole));
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    ASSERT_EQ(PlaneCount(), 1u);
    const RoofPlane& p = Plane(0);
    EXPECT_EQ(p.roofGuid, RoofGuid());
    EXPECT_EQ(p.inRun, 1);
    EXPECT_EQ(p.contourCount, 2u);
    ASSERT_EQ(p.vertexCount, 10u);
    // Each contour closed: its first point repeated as its last.
    EXPECT_LT(Dist3(p.vertices[0], p.vertices[4]), 1e-12);
    EXPECT_LT(Dist3(p.vertices[5], p.vertices[9]), 1e-12);
    // 10 x 5 / cos 45 = 70.71 for the outer contour, 2 x 1 / cos 45 for the hole.
    EXPECT_NEAR(p.area, 10 * 5 / std::cos(kPi / 4) - 2 * 1 / std::cos(kPi / 4), 1e-9);
    EXPECT_NEAR(10 * 5 / std::cos(kPi / 4), 70.71, 0.005);
    ExpectArraysInStep();
}

TEST_F(ExtractRoofTest, ContourWithAClosingEdgeShorterThanACentimetreStaysClosed) {
    // The last corner lies 5 mm from the first, in the outer ring and in the hole.
    tevaro_test::LoadModel(RoofModel(
        R"("planes": [{"outer": [[0,0,3],[10,0,3],[10,5,8],[0,5,8],[0,0.005,3.005]],)"
        R"( "holes": [[[4,1,4],[6,1,4],[6,2,5],[4,2,5],[4,1.004,4.004]]]}])"));
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    ASSERT_EQ(PlaneCount(), 1u);
    const RoofPlane& p = Plane(0);
    ASSERT_EQ(p.contourCount, 2u);
    ASSERT_EQ(p.vertexCount, 10u);
    // Both contours end on an exact copy of their first point: four corners and the repeat.
    EXPECT_EQ(Dist3(p.vertices[0], p.vertices[4]), 0.0);
    EXPECT_EQ(Dist3(p.vertices[5], p.vertices[9]), 0.0);
    EXPECT_NEAR(p.area, 10 * 5 / std::cos(kPi / 4) - 2 * 1 / std::cos(kPi / 4), 0.01);
    ExpectArraysInStep();
}

TEST_F(ExtractRoofTest, SouthFacingPlaneHasThetaPiAzimuthTwoPiAndIsFlipped) {
    tevaro_test::LoadModel(RoofModel(kSouthPlane));
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    ASSERT_EQ(PlaneCount(), 1u);
    const RoofPlane& p = Plane(0);
    EXPECT_NEAR(p.slope, kPi / 4, 1e-12);
    EXPECT_NEAR(p.azimuth, 2 * kPi, 1e-12);
    EXPECT_EQ(p.flipped, 1);
    // The level line runs along the eave (horizontal, along x).
    EXPECT_NEAR(p.levelLine[1].y - p.levelLine[0].y, 0.0, 1e-12);
    EXPECT_GT(std::fabs(p.levelLine[1].x - p.levelLine[0].x), 0.1);
    EXPECT_EQ(p.levelLine[0].x, p.origin.x);
    EXPECT_EQ(p.levelLine[0].y, p.origin.y);
}

TEST_F(ExtractRoofTest, PlaneCoordinatesKeepTrueLengthsOnTheSlope) {
    tevaro_test::LoadModel(RoofModel(kSouthPlaneWithHole));
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    const RoofPlane& p = Plane(0);
    EXPECT_EQ(p.origin.x, p.vertices[0].x);
    EXPECT_EQ(p.origin.y, p.vertices[0].y);
    EXPECT_NEAR(p.planeCoords[0].x, 0.0, 1e-12);
    EXPECT_NEAR(p.planeCoords[0].y, 0.0, 1e-12);
    // Every pair of vertices lies as far apart in plane coordinates as in space.
    for (uint32_t i = 0; i < p.vertexCount; ++i)
        for (uint32_t k = 0; k < i; ++k)
            EXPECT_NEAR(Dist2(p.planeCoords[i], p.planeCoords[k]), Dist3(p.vertices[i], p.vertices[k]), 1e-9);
}

TEST_F(ExtractRoofTest, LevelsAreMeasuredFromTheCurrentStory) {
    tevaro_test::LoadModel(RoofModel(kSouthPlane));
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    const RoofPlane& p = Plane(0);
    EXPECT_NEAR(p.baseLevel, p.vertices[0].z + 0.001 - 2.5, 1e-12);
    EXPECT_NEAR(p.ridgeLevel, 2.5 - 0.001, 1e-12);
}

TEST_F(ExtractRoofTest, HorizontalPlaneHasNoSlopeAndNoTurn) {
    tevaro_test::LoadModel(RoofModel(R"("planes": [{"outer": [[1,1,4],[7,1,4],[7,5,4],[1,5,4]]}])"));
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    ASSERT_EQ(PlaneCount(), 1u);
    const RoofPlane& p = Plane(0);
    EXPECT_EQ(p.slope, 0.0);
    EXPECT_EQ(p.azimuth, 0.0);
    EXPECT_EQ(p.flipped, 0);
    EXPECT_NEAR(p.area, 24.0, 1e-9);
    for (uint32_t i = 0; i < p.vertexCount; ++i) {
        EXPECT_NEAR(p.planeCoords[i].x, p.vertices[i].x - p.origin.x, 1e-12);
        EXPECT_NEAR(p.planeCoords[i].y, p.vertices[i].y - p.origin.y, 1e-12);
    }
}

// A plane facing one way, and the azimuth its frame turns to.
struct FacingCase {
    const char* name;
    const char* planes;
    double azimuth;
};

// Names a case in test output.
void PrintTo(const FacingCase& c, std::ostream* os) { *os << c.name; }

class PlaneFacing : public ExtractRoofTest, public ::testing::WithParamInterface<FacingCase> {};

// The plane frame turns with the downhill direction: azimuth = direction of (n.y, -n.x) + pi.
TEST_P(PlaneFacing, TurnsItsFrameByQuarterTurns) {
    tevaro_test::LoadModel(RoofModel(GetParam().planes));
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    ASSERT_EQ(PlaneCount(), 1u);
    EXPECT_NEAR(Plane(0).azimuth, GetParam().azimuth, 1e-12);
    EXPECT_NEAR(Plane(0).slope, std::atan(0.5), 1e-12);
    EXPECT_EQ(Plane(0).flipped, 1);
}

INSTANTIATE_TEST_SUITE_P(
    FourWays, PlaneFacing,
    ::testing::Values(FacingCase{"South", R"("planes": [{"outer": [[0,0,0],[4,0,0],[4,4,2],[0,4,2]]}])", 2 * kPi},
                      FacingCase{"East", R"("planes": [{"outer": [[0,0,2],[4,0,0],[4,4,0],[0,4,2]]}])", 0.5 * kPi},
                      FacingCase{"North", R"("planes": [{"outer": [[0,0,2],[4,0,2],[4,4,0],[0,4,0]]}])", kPi},
                      FacingCase{"West", R"("planes": [{"outer": [[0,0,0],[4,0,2],[4,4,2],[0,4,0]]}])", 1.5 * kPi}),
    [](const ::testing::TestParamInfo<FacingCase>& info) { return std::string(info.param.name); });

TEST_F(ExtractRoofTest, HipRoofGivesOnePlanePerFaceCoveringTheFootprintOnTheSlope) {
    tevaro_test::LoadModel(RoofModel(R"("shape": "hip", "footprint": [[0,0],[12,0],[12,8],[0,8]], "pitch": 35, "eaveLevel": 3)"));
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    ASSERT_EQ(PlaneCount(), 4u);
    double area = 0;
    for (uint32_t i = 0; i < 4; ++i) {
        area += Plane(i).area;
        EXPECT_NEAR(Plane(i).slope, 35 * kPi / 180, 1e-9);
        EXPECT_EQ(Plane(i).contourCount, 1u);
    }
    EXPECT_NEAR(area, 96 / std::cos(35 * kPi / 180), 1e-6);
}

TEST_F(ExtractRoofTest, VertexAtTheModelOriginStaysInThePolygon) {
    // A first vertex within 0.01 of (0, 0, 0) is not mistaken for a previous edge's end.
    tevaro_test::LoadModel(RoofModel(R"("planes": [{"outer": [[0.004,0.003,0.002],[4,0,0.002],[4,4,2.002],[0,4,2.002]]}])"));
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    ASSERT_EQ(PlaneCount(), 1u);
    EXPECT_EQ(Plane(0).vertexCount, 5u);
    bool hasOrigin = false;
    for (uint32_t i = 0; i < 5; ++i) hasOrigin = hasOrigin || Dist3(Plane(0).vertices[i], Coord3{0.004, 0.003, 0.002}) < 1e-12;
    EXPECT_TRUE(hasOrigin);
}

TEST_F(ExtractRoofTest, TileSurfaceGuidIsStoredAndEdgeListsStartEmpty) {
    tevaro_test::LoadModel(RoofModel(kSouthPlane));
    const API_Guid tile{0x1234, 0x5678};
    ASSERT_EQ(ExtractRoof(RoofGuid(), tile), NoError);
    const RoofPlane& p = Plane(0);
    EXPECT_EQ(p.tileSurfaceGuid, tile);
    EXPECT_EQ(p.group, 0u);
    for (uint32_t i = 0; i < p.vertexCount; ++i) {
        EXPECT_EQ(p.edgeKind[i], 0);
        EXPECT_EQ(p.edgeStatus[i], 0);
        EXPECT_TRUE(IsNullGuid(p.ridgeGuids[i]));
    }
}

// ---- Which roofs are read as they are ----------------------------------------------------------

TEST_F(ExtractRoofTest, RoofWhoseTopOverrideStandsOutIsReadWithoutBeingTouched) {
    // Any attempt to change the roof would fail, and with it the extraction.
    const char* untouched[] = {
        // basic: top 4 differs from the surface (1) and from the enabled side override (5)
        R"("topOverride": true, "topMaterial": 4, "sideOverride": true, "sideMaterial": 5, )",
        // basic: top equals a disabled side override's material, which does not count
        R"("topOverride": true, "topMaterial": 4, "sideOverride": false, "sideMaterial": 4, )",
        // composite: top 4 is no skin's surface (2, 3) and differs from side and bottom materials
        R"("structure": "composite", "composite": 1, "topOverride": true, "topMaterial": 4, "sideMaterial": 5, "bottomMaterial": 1, )",
    };
    for (const char* members : untouched) {
        FreeRoofPlanes();
        tevaro_test::LoadModel(RoofModel(std::string(members) + R"("materialsChained": true, )" + kSouthPlane));
        const API_RoofType before = Roof().rec.roof;
        const size_t live = host::LiveHandleCount();
        host::ArmHostFault("Element_Change", APIERR_GENERAL);
        EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError) << members;
        EXPECT_EQ(PlaneCount(), 1u) << members;
        ExpectSameSurfaces(Roof().rec.roof, before);
        EXPECT_FALSE(AnythingShown());
        host::DisarmHostFaults();
        FreeRoofPlanes();
        EXPECT_EQ(host::LiveHandleCount(), live) << members;  // the skin list and story list released
    }
}

TEST_F(ExtractRoofTest, RoofWhoseTopCannotBeToldApartGetsTemporaryMaterials) {
    const char* ambiguous[] = {
        R"()",                                                                 // no override
        R"("topOverride": true, "topMaterial": 1, )",                          // the building material's surface
        R"("topOverride": true, "topMaterial": 4, "sideOverride": true, "sideMaterial": 4, )",
        R"("topOverride": true, "topMaterial": 4, "bottomOverride": true, "bottomMaterial": 4, )",
        R"("structure": "composite", "composite": 1, "topOverride": true, "topMaterial": 3, )",  // a skin's surface
        R"("structure": "composite", "composite": 1, "topOverride": true, "topMaterial": 4, "sideMaterial": 4, )",
        R"("structure": "profile", "topOverride": true, "topMaterial": 4, )",
    };
    for (const char* members : ambiguous) {
        FreeRoofPlanes();
        tevaro_test::LoadModel(RoofModel(std::string(members) + kSouthPlane));
        host::ArmHostFault("Element_Change", APIERR_GENERAL);  // the temporary materials cannot be set
        EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), APIERR_GENERAL) << members;
        EXPECT_EQ(PlaneCount(), 0u) << members;
        host::DisarmHostFaults();
        FreeRoofPlanes();
        EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError) << members;  // and with them it reads
        EXPECT_EQ(PlaneCount(), 1u) << members;
    }
}

TEST_F(ExtractRoofTest, ThreeTemporaryMaterialsAreGivenBackExactly) {
    // Mixed overrides on an unchained roof; and a chained roof (its three overrides alike), which
    // shows only its top planes as the top material when it was unchained for the reading.
    const char* roofs[] = {
        R"("topOverride": false, "topMaterial": 5, "sideOverride": true, "sideMaterial": 2,
           "bottomOverride": false, "bottomMaterial": 4, )",
        R"("topOverride": true, "topMaterial": 3, "sideOverride": true, "sideMaterial": 3,
           "bottomOverride": true, "bottomMaterial": 3, "materialsChained": true, )",
    };
    for (const char* members : roofs) {
        FreeRoofPlanes();
        tevaro_test::LoadModel(RoofModel(std::string(members) +
            R"("shape": "gable", "footprint": [[0,0],[12,0],[12,8],[0,8]], "pitch": 30, "eaveLevel": 3)"));
        const API_RoofType before = Roof().rec.roof;
        ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError) << members;
        EXPECT_EQ(PlaneCount(), 2u) << members;
        ExpectSameSurfaces(Roof().rec.roof, before);
        EXPECT_FALSE(AnythingShown());
        // The gable's two planes face opposite ways.
        EXPECT_NEAR(std::fabs(Plane(0).azimuth - Plane(1).azimuth), kPi, 1e-9);
    }
}

// ---- The fault dialog --------------------------------------------------------------------------

TEST_F(ExtractRoofTest, TwoMaterialAttributesOnlyEndInTheFaultDialogAndButtonOneSelectsTheRoof) {
    tevaro_test::LoadModel(R"({"materials": [{"index": 1, "name": "a"}, {"index": 2, "name": "b"}],
        "buildingMaterials": [{"index": 1, "name": "bm", "surfaceMaterial": 1}],
        "elements": [{"type": "fill", "id": "F", "polygon": [[0,0],[1,0],[1,1]]},
                     {"type": "roof", "id": "R", )" + kSouthPlane + R"(}], "selection": ["F"]})");
    const API_RoofType before = Roof().rec.roof;
    QueueButton(1);
    EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), APIERR_GENERAL);
    EXPECT_EQ(PlaneCount(), 0u);
    ExpectSameSurfaces(Roof().rec.roof, before);
    ASSERT_FALSE(host::ClosedDialogs().empty());
    EXPECT_EQ(host::ClosedDialogs().back().dialog.layout.resID, 32510);
    EXPECT_EQ(host::ClosedDialogs().back().result, 1);
    ASSERT_EQ(host::gSession.model.selection.size(), 1u);
    EXPECT_EQ(host::gSession.model.selection[0], RoofGuid());
}

TEST_F(ExtractRoofTest, FaultDialogButtonTwoLeavesTheSelectionAlone) {
    tevaro_test::LoadModel(R"({"materials": [{"index": 1, "name": "a"}, {"index": 2, "name": "b"}],
        "buildingMaterials": [{"index": 1, "name": "bm", "surfaceMaterial": 1}],
        "elements": [{"type": "fill", "id": "F", "polygon": [[0,0],[1,0],[1,1]]},
                     {"type": "roof", "id": "R", )" + kSouthPlane + R"(}], "selection": ["F"]})");
    QueueButton(2);
    EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), APIERR_GENERAL);
    ASSERT_EQ(host::gSession.model.selection.size(), 1u);
    EXPECT_EQ(host::gSession.model.selection[0], host::FindElementByText("F")->rec.header.guid);
}

// A host call failing after the extraction changed the roof, and what had been done by then.
struct LateFault {
    const char* name;
    const char* op;
    int nth;
};

// Names a case in test output.
void PrintTo(const LateFault& c, std::ostream* os) { *os << c.name; }

class FaultAfterTheRoofChanged : public ExtractRoofTest, public ::testing::WithParamInterface<LateFault> {};

// The regression: a fault after the roof was unchained or given materials left it changed.
TEST_P(FaultAfterTheRoofChanged, TheFaultDialogGivesTheRoofBack) {
    tevaro_test::LoadModel(RoofModel(R"("topOverride": true, "topMaterial": 2, "sideOverride": true, "sideMaterial": 2,
            "bottomOverride": true, "bottomMaterial": 2, "materialsChained": true, )" +
                                     kSouthPlane));
    const API_RoofType before = Roof().rec.roof;
    host::ArmHostFault(GetParam().op, APIERR_GENERAL, GetParam().nth);
    QueueButton(2);
    EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), APIERR_GENERAL);
    host::DisarmHostFaults();
    ExpectSameSurfaces(Roof().rec.roof, before);
    EXPECT_EQ(PlaneCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    ExtractRoof, FaultAfterTheRoofChanged,
    ::testing::Values(
        // unchained, then the three materials cannot be set
        LateFault{"MaterialsNotSetAfterUnchaining", "Element_Change", 2},
        // unchaining fails, the three materials are set
        LateFault{"UnchainingFails", "Element_Change", 1},
        // materials set, the top material cannot be read (after the building material and three materials)
        LateFault{"TopMaterialUnreadable", "Attribute_Get", 5}),
    [](const ::testing::TestParamInfo<LateFault>& info) { return std::string(info.param.name); });

// ---- Bodies, host errors and memory ------------------------------------------------------------

TEST_F(ExtractRoofTest, DroppedBodiesAreSkippedAndTheOthersRead) {
    tevaro_test::LoadModel(RoofModel(kSouthPlane));
    Roof().roof3DStaleBodies = 2;
    ASSERT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), NoError);
    EXPECT_EQ(PlaneCount(), 1u);
    EXPECT_FALSE(AnythingShown());
}

TEST_F(ExtractRoofTest, RoofWhoseOnlyBodyIsDroppedReportsAFaultyElement) {
    tevaro_test::LoadModel(RoofModel(R"("materialsChained": true, )" + kSouthPlane));
    const API_RoofType before = Roof().rec.roof;
    Roof().roof3DDeleted = true;
    EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), APIERR_DELETED);
    EXPECT_EQ(PlaneCount(), 0u);
    EXPECT_TRUE(Shown(kMsgFaultyElement));
    ExpectSameSurfaces(Roof().rec.roof, before);
}

class EarlyHostError : public ExtractRoofTest, public ::testing::WithParamInterface<const char*> {};

// A host call failing before the extraction changed anything: its error comes back, nothing shown.
TEST_P(EarlyHostError, IsReturnedQuietly) {
    tevaro_test::LoadModel(RoofModel(kSouthPlane));
    host::ArmHostFault(GetParam(), APIERR_BADID);
    EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), APIERR_BADID);
    EXPECT_FALSE(AnythingShown());
}

INSTANTIATE_TEST_SUITE_P(ExtractRoof, EarlyHostError, ::testing::Values("Element_Get", "Attribute_GetNum"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& ch : name)
                                 if (ch == '/') ch = '_';
                             return name;
                         });

TEST_F(ExtractRoofTest, AnUnreadableBuildingMaterialUnderATopOverrideIsReturnedQuietly) {
    tevaro_test::LoadModel(RoofModel(R"("topOverride": true, "topMaterial": 4, )" + kSouthPlane));
    host::ArmHostFault("Attribute_Get", APIERR_BADINDEX);
    EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), APIERR_BADINDEX);
    EXPECT_FALSE(AnythingShown());
}

// A host call of the 3D model reading that fails, and which of its calls.
struct ModelReadFault {
    const char* name;
    const char* op;
    int nth;
};

// Names a case in test output.
void PrintTo(const ModelReadFault& c, std::ostream* os) { *os << c.name; }

class FaultReadingThe3DModel : public ExtractRoofTest, public ::testing::WithParamInterface<ModelReadFault> {};

TEST_P(FaultReadingThe3DModel, ReportsTheFailureAndGivesTheRoofBack) {
    host::gSession.reportLines.clear();
    tevaro_test::LoadModel(RoofModel(R"("materialsChained": true, )" + kSouthPlane));
    const API_RoofType before = Roof().rec.roof;
    host::ArmHostFault(GetParam().op, APIERR_NO3D, GetParam().nth);
    EXPECT_EQ(ExtractRoof(RoofGuid(), APINULLGuid), APIERR_NO3D);
    host::DisarmHostFaults();
    EXPECT_TRUE(Shown(kMsgEngineFailed));
    ExpectSameSurfaces(Roof().rec.roof, before);
    ExpectArraysInStep();
}

INSTANTIATE_TEST_SUITE_P(ExtractRoof, FaultReadingThe3DModel,
                         ::testing::Values(ModelReadFault{"Info", "Element_Get3DInfo", 1},
                                           ModelReadFault{"FirstComponent", "Component3D_Get", 1},
                                           ModelReadFault{"SeventhComponent", "Component3D_Get", 7},
                                           ModelReadFault{"StoryLevel", "Environment/GSTO", 1}),
                         [](const ::testing::TestParamInfo<ModelReadFault>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ExtractRoofTest, MemoryRunningOutEndsWithMemFullAndArraysInStep) {
    // Fail each allocation in turn until the extraction gets through without a failure.
    bool completed = false;
    for (int nth = 1; nth < 200 && !completed; ++nth) {
        FreeRoofPlanes();
        host::gSession.reportLines.clear();
        tevaro_test::LoadModel(RoofModel(R"("materialsChained": true, )" + kSouthPlaneWithHole));
        const API_RoofType before = Roof().rec.roof;
        const size_t live = host::LiveHandleCount();
        host::ArmAllocationFault(nth);
        const GSErrCode err = ExtractRoof(RoofGuid(), APINULLGuid);
        const bool faultHit = host::AllocationCalls() >= uint64_t(nth);
        host::DisarmAllocationFault();
        ExpectSameSurfaces(Roof().rec.roof, before);
        ExpectArraysInStep();
        if (faultHit) {
            EXPECT_EQ(err, APIERR_MEMFULL) << "allocation " << nth;
            // Told once, as a want of memory, by the growth that met it; not again as a failure.
            EXPECT_TRUE(Shown(kMsgOutOfMemory)) << "allocation " << nth;
            EXPECT_FALSE(Shown(kMsgEngineFailed)) << "allocation " << nth;
            EXPECT_EQ(host::gSession.reportLines.size(), 1u) << "allocation " << nth;
        } else {
            EXPECT_EQ(err, NoError);
            EXPECT_EQ(PlaneCount(), 1u);
            completed = true;
        }
        FreeRoofPlanes();
        EXPECT_EQ(host::LiveHandleCount(), live) << "handles left after allocation " << nth << " failed";
    }
    EXPECT_TRUE(completed);
}

}  // namespace
