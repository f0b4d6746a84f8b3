// Purpose: finalization against a model changed while the edge palette was open: roofs deleted
// or moved by hand, a setter copied in place of a deleted one, the user on another story.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "Common_src/AddOnState.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/UserTexts.h"
#include "common/AddOnFixture.h"
#include "edges/EdgeSetterPart.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/LibPartScripts.h"
#include "host/ParamLists.h"

namespace {

constexpr int kSettersChangedRow = 76;

class FinalizeChecks : public tevaro_test::AddOnFixture {
protected:
    // Two gable roofs on the upper of two stories (the upper story 3 m up).
    std::string InitialModel() const override {
        return R"({"stories":[{"index":0,"level":0.0},{"index":1,"level":3.0}],"currentStory":1,"elements":[
            {"type":"roof","id":"R1","story":1,"shape":"gable","footprint":[[0,0],[10,0],[10,8],[0,8]],"pitch":30,"eaveLevel":3.0},
            {"type":"roof","id":"R2","story":1,"shape":"gable","footprint":[[20,0],[30,0],[30,8],[20,8]],"pitch":30,"eaveLevel":3.0}]})";
    }

    // The user tiles both roofs; the palette is open afterwards.
    void RunTiling() {
        Select({"R1", "R2"});
        RunPlaceTiles();
        ASSERT_NE(host::OpenPaletteId(), 0);
        ASSERT_EQ(Setters().size(), 2u);
    }
    static void Finalize() { ClickFinalize(); }
    static std::vector<host::Element*> Setters() { return ObjectsOf(kEdgeSetterMainId); }
    // Moves a generated or explicit roof in plan, as a user dragging it would.
    static void MoveRoof(host::Element& roof, double dx) {
        for (API_Coord& c : roof.polygon) c.x += dx;
        for (host::RoofPlaneShape& plane : roof.roofPlanes)
            for (API_Coord3D& c : plane.outer) c.x += dx;
    }
    static void DeleteElement(const API_Guid& g) {
        auto& elems = host::gSession.model.elements;
        elems.erase(std::remove_if(elems.begin(), elems.end(), [&](const host::Element& e) { return e.rec.header.guid == g; }),
                    elems.end());
    }
    // The last report line names this roof with the refusal text.
    bool RefusedNaming(const std::string& id) const {
        if (Reports().empty()) return false;
        const std::string& text = Reports().back().text;
        const std::string lead = GetUserText(kTextRoofChanged).substr(0, 20);
        return text.compare(0, lead.size(), lead) == 0 && text.find(id) != std::string::npos;
    }
    // Nothing was placed and the run left nothing behind.
    void ExpectNothingPlacedAndRunCleared() {
        EXPECT_TRUE(ObjectsOf(kTileSurfaceMainId).empty());
        EXPECT_TRUE(ObjectsOf(kRidgeMainId).empty());
        EXPECT_TRUE(Setters().empty());
        EXPECT_EQ(host::OpenPaletteId(), 0);
        EXPECT_FALSE(gState.finalizationPending);
        EXPECT_EQ(gState.roofPlanes.planes.count, 0u);
        EXPECT_EQ(gState.runRoofs.count, 0u);
    }
};

TEST_F(FinalizeChecks, UnchangedRoofsAreTiled) {
    RunTiling();
    Finalize();
    EXPECT_EQ(ObjectsOf(kTileSurfaceMainId).size(), 4u);
    EXPECT_TRUE(Setters().empty());
    EXPECT_EQ(gState.runRoofs.count, 0u);
}

TEST_F(FinalizeChecks, ARoofMovedByHandWhileThePaletteIsOpenIsRefusedByName) {
    RunTiling();
    MoveRoof(*Element("R2"), 0.5);
    Finalize();
    EXPECT_TRUE(RefusedNaming("R2")) << (Reports().empty() ? "" : Reports().back().text);
    EXPECT_FALSE(LastMessageIs(kSettersChangedRow));
    ExpectNothingPlacedAndRunCleared();
}

TEST_F(FinalizeChecks, ARoofDeletedWhileThePaletteIsOpenIsRefusedByName) {
    RunTiling();
    DeleteElement(Element("R1")->rec.header.guid);
    Finalize();
    EXPECT_TRUE(RefusedNaming("R1")) << (Reports().empty() ? "" : Reports().back().text);
    ExpectNothingPlacedAndRunCleared();
}

TEST_F(FinalizeChecks, ACopyOfASetterDoesNotStandInForTheDeletedOriginal) {
    RunTiling();
    host::Element copy = *Setters()[0];
    const API_Guid original = copy.rec.header.guid;
    copy.elementId.clear();
    copy.rec.header.guid = APINULLGuid;  // a copy is a new element
    host::AddElement(copy);  // the user copies the setter in place ...
    DeleteElement(original);  // ... and deletes the original
    ASSERT_EQ(Setters().size(), 2u);
    Finalize();
    EXPECT_TRUE(LastMessageIs(kSettersChangedRow));
    ExpectNothingPlacedAndRunCleared();
}

TEST_F(FinalizeChecks, ACopiedSetterBesideItsOriginalIsRefused) {
    RunTiling();
    host::Element copy = *Setters()[0];
    copy.elementId.clear();
    copy.rec.header.guid = APINULLGuid;  // a copy is a new element
    host::AddElement(copy);
    Finalize();
    EXPECT_TRUE(LastMessageIs(kSettersChangedRow));
    ExpectNothingPlacedAndRunCleared();
}

TEST_F(FinalizeChecks, EdgeChangesSurviveTheUserSwitchingStoryWhileThePaletteIsOpen) {
    RunTiling();
    // The ridge of R1 becomes a ridge without ridge tiles; then the user goes to the ground floor.
    host::Element* setter = host::FindEdgeSetter(1);
    ASSERT_NE(setter, nullptr);
    const host::ParamValue* coords = host::FindParam(setter->params, "edgeCoords");
    ASSERT_NE(coords, nullptr);
    int ridgeEdge = 0;
    const int edges = int(host::ParamNumber(setter->params, "nEdge"));
    for (int e = 0; e < edges && ridgeEdge == 0; ++e) {
        const double* row = &coords->numbers[size_t(e) * 6];
        if (row[2] > 0.1 && std::fabs(row[2] - row[5]) < 1e-9) ridgeEdge = e + 1;  // the level top edge
    }
    ASSERT_NE(ridgeEdge, 0);
    std::string error;
    ASSERT_TRUE(host::SetEdgeSetterEdgeType(*setter, ridgeEdge, 1, error)) << error;
    host::gSession.model.currentStory = 0;
    Finalize();
    EXPECT_EQ(ObjectsOf(kTileSurfaceMainId).size(), 4u);
    // R2 keeps its ridge object; R1's ridge has no ridge tiles now.
    EXPECT_EQ(ObjectsOf(kRidgeMainId).size(), 1u);
    EXPECT_FALSE(LastMessageIs(kSettersChangedRow));
}

}  // namespace
