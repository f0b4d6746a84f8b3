// Purpose: the roof extraction with each of its host calls failing in turn and each of its
// allocations failing in turn: whatever fails, the roof keeps its overrides, materials and
// chained flag, the plane arrays stay in step and every handle taken is given back.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "common/AddOnFixture.h"
#include "Common_src/AddOnState.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/MemoryHandles.h"
#include "roofgeom/ExtractRoof.h"
#include "roofgeom/RoofModel.h"

namespace {

// Attributes the roofs below refer to: five materials, three building materials, one composite.
const std::string kAttributes = R"(
  "stories": [{"index": 0, "level": 0.0}, {"index": 1, "level": 2.5}],
  "currentStory": 1,
  "materials": [{"index": 1, "name": "m1"}, {"index": 2, "name": "m2"}, {"index": 3, "name": "m3"},
                {"index": 4, "name": "m4"}, {"index": 5, "name": "m5"}],
  "buildingMaterials": [{"index": 1, "name": "b1", "surfaceMaterial": 1}, {"index": 2, "name": "b2", "surfaceMaterial": 2},
                        {"index": 3, "name": "b3", "surfaceMaterial": 3}],
  "composites": [{"index": 1, "name": "c1", "skins": [2, 3]}],)";

const std::string kGableWithHole =
    R"("planes": [{"outer": [[0,0,3],[10,0,3],[10,5,8],[0,5,8]], "holes": [[[4,1,4],[6,1,4],[6,2,5],[4,2,5]]]},
                  {"outer": [[0,10,3],[0,5,8],[10,5,8],[10,10,3]]}])";

// Roofs that take each way through the extraction: read untouched, given temporary materials,
// unchained first, and a composite whose skin hides the top.
struct RoofCase {
    const char* what;
    const char* members;
};
const RoofCase kRoofs[] = {
    {"top override stands out", R"("topOverride": true, "topMaterial": 4, "sideOverride": true, "sideMaterial": 5, )"},
    {"no overrides", ""},
    {"chained, three overrides alike", R"("topOverride": true, "topMaterial": 2, "sideOverride": true, "sideMaterial": 2,
        "bottomOverride": true, "bottomMaterial": 2, "materialsChained": true, )"},
    {"composite whose skin is the top", R"("structure": "composite", "composite": 1, "topOverride": true, "topMaterial": 3, )"},
};

std::string ModelOf(const RoofCase& c) {
    return "{" + kAttributes + R"( "elements": [{"type": "roof", "id": "R", )" + c.members + kGableWithHole + "}]}";
}

class RoofExtractFaultSweep : public ::testing::Test {
protected:
    void SetUp() override {
        tevaro_test::InstallHostOnly();
        FreeRoofPlanes();
        // Any fault dialog is answered with its second button (leave the selection alone).
        host::SetDialogActionSource([](host::DialogAction& a) {
            a = host::DialogAction();
            a.kind = host::DialogAction::Click;
            a.item = 2;
            return true;
        });
    }
    void TearDown() override {
        FreeRoofPlanes();
        host::DisarmHostFaults();
        host::DisarmAllocationFault();
        host::SetDialogActionSource(nullptr);
    }

    static host::Element& Roof() { return *host::FindElementByText("R"); }

    // Loads the case's model afresh and extracts its roof with whatever fault is armed next.
    struct Outcome {
        GSErrCode err = NoError;
        API_RoofType before, after;
        size_t handlesBefore = 0, handlesAfter = 0;
        bool arraysInStep = true;
        uint32_t planes = 0;
    };
    template <typename ArmFault>
    static Outcome Extract(const RoofCase& c, ArmFault arm) {
        FreeRoofPlanes();
        tevaro_test::LoadModel(ModelOf(c));
        Outcome o;
        o.before = Roof().rec.roof;
        o.handlesBefore = host::LiveHandleCount();
        arm();
        o.err = ExtractRoof(Roof().rec.header.guid, APINULLGuid);
        host::DisarmHostFaults();
        host::DisarmAllocationFault();
        o.after = Roof().rec.roof;
        o.planes = gState.roofPlanes.planes.count;
        for (uint32_t i = 0; i < o.planes; ++i) {
            const RoofPlane& p = gState.roofPlanes.planes[i];
            o.arraysInStep = o.arraysInStep && p.vertices.count >= p.vertexCount && p.edgeStatus.count >= p.vertexCount &&
                             p.planeCoords.count >= p.vertexCount && p.edgeKind.count >= p.vertexCount &&
                             p.ridgeGuids.count >= p.vertexCount;
        }
        FreeRoofPlanes();
        o.handlesAfter = host::LiveHandleCount();
        return o;
    }

    // The roof's surface settings are as they were, and nothing was kept or lost.
    static void ExpectRoofAsBefore(const Outcome& o, const std::string& where) {
        EXPECT_EQ(o.after.overrideTopMaterial, o.before.overrideTopMaterial) << where;
        EXPECT_EQ(o.after.overrideSideMaterial, o.before.overrideSideMaterial) << where;
        EXPECT_EQ(o.after.overrideBotMaterial, o.before.overrideBotMaterial) << where;
        EXPECT_EQ(o.after.topMat, o.before.topMat) << where;
        EXPECT_EQ(o.after.sideMat, o.before.sideMat) << where;
        EXPECT_EQ(o.after.botMat, o.before.botMat) << where;
        EXPECT_EQ(o.after.materialsChained, o.before.materialsChained) << where;
        EXPECT_TRUE(o.arraysInStep) << where;
        EXPECT_EQ(o.handlesAfter, o.handlesBefore) << where;
    }
};

TEST_F(RoofExtractFaultSweep, EveryHostCallFailingInTurnLeavesTheRoofAsItWas) {
    int runs = 0, failed = 0;
    for (const RoofCase& c : kRoofs) {
        host::ResetHostOperationCounts();
        const Outcome clean = Extract(c, [] {});
        ASSERT_EQ(clean.err, NoError) << c.what;
        ASSERT_EQ(clean.planes, 2u) << c.what;
        ExpectRoofAsBefore(clean, c.what);
        const std::map<std::string, uint64_t> counts = host::HostOperationCounts();
        for (const auto& [op, count] : counts) {
            for (uint64_t nth = 1; nth <= count; ++nth) {
                const std::string where = std::string(c.what) + ": " + op + " call " + std::to_string(nth) + " fails";
                const Outcome o = Extract(c, [&] { host::ArmHostFault(op, APIERR_GENERAL, int(nth)); });
                ExpectRoofAsBefore(o, where);
                ++runs;
                failed += o.err != NoError ? 1 : 0;
            }
        }
    }
    // Each roof reads its materials, its 3D model and at least one body's polygons.
    EXPECT_GT(runs, 40);
    EXPECT_GT(failed, 0);
    std::cout << "host-call fault runs: " << runs << ", ended in failure: " << failed << "\n";
}

TEST_F(RoofExtractFaultSweep, EveryAllocationFailingInTurnLeavesTheRoofAsItWas) {
    for (const RoofCase& c : kRoofs) {
        const Outcome clean = Extract(c, [] { host::ArmAllocationFault(0); });
        ASSERT_EQ(clean.err, NoError) << c.what;
        const uint64_t total = host::AllocationCalls();
        ASSERT_GT(total, 0u) << c.what;
        for (uint64_t nth = 1; nth <= total; ++nth) {
            const std::string where = std::string(c.what) + ": allocation " + std::to_string(nth) + " fails";
            const Outcome o = Extract(c, [&] { host::ArmAllocationFault(int(nth)); });
            ExpectRoofAsBefore(o, where);
            EXPECT_EQ(o.err, APIERR_MEMFULL) << where;
        }
    }
}

}  // namespace

namespace {

// Regression: the roof was re-read before being given back; when that read failed, the roof kept
// its temporary materials.
TEST_F(RoofExtractFaultSweep, RoofReReadFailingBeforeTheGiveBackStillGetsItsMaterialsBack) {
    const Outcome o = Extract(kRoofs[1], [] { host::ArmHostFault("Element_Get", APIERR_GENERAL, 2); });
    ExpectRoofAsBefore(o, "no overrides, the second Element_Get fails");
    EXPECT_FALSE(o.after.overrideTopMaterial);
}

}  // namespace
