// Purpose: a tiling run that meets a host failure on the way to the edge palette: every failure
// is reported once with its text and the host's error, and nothing of the run is left behind.
#include <gtest/gtest.h>

#include <string>

#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostCalls.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/UserTexts.h"
#include "common/AddOnFixture.h"
#include "edges/EdgeSetterPart.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"

namespace {

constexpr int kSuspendGroupsRow = 18;

// A palette the host will not open.
int16_t NoPalette(int16_t, DGDialCallBack, intptr_t) { return 0; }

class TilingRunFailures : public tevaro_test::AddOnFixture {
protected:
    // A gable roof between a wall and a fill.
    std::string InitialModel() const override {
        return R"({"stories":[{"index":0,"level":0.0}],"elements":[
            {"type":"roof","id":"R1","shape":"gable","footprint":[[0,0],[10,0],[10,8],[0,8]],"pitch":30,"eaveLevel":3.0},
            {"type":"wall","id":"W1","footprint":[[10,0],[10.3,0],[10.3,8],[10,8]],"height":6.0},
            {"type":"fill","id":"F1","polygon":[[-3,-3],[-1,-3],[-1,-1],[-3,-1]]}]})";
    }
    void SetUp() override {
        AddOnFixture::SetUp();
        savedModelessInit_ = gHost.DGModelessInit;  // the table the fixture just installed
    }
    void TearDown() override {
        gHost.DGModelessInit = savedModelessInit_;
        AddOnFixture::TearDown();
    }

    // The user tiles the roof with the wall and the fill selected.
    void RunTiling() {
        host::gSession.model.groupsSuspended = false;
        Select({"R1", "W1", "F1"});
        RunPlaceTiles();
    }
    static size_t SetterCount() {
        size_t n = 0;
        for (const host::Element& e : host::gSession.model.elements)
            n += e.libPartUnId.compare(0, 38, kEdgeSetterMainId) == 0 ? 1 : 0;
        return n;
    }
    // The run left no setter, no palette, no pending finalization and no table.
    static void ExpectRunCleanedUp() {
        EXPECT_EQ(SetterCount(), 0u);
        EXPECT_EQ(host::OpenPaletteId(), 0);
        EXPECT_FALSE(gState.finalizationPending);
        EXPECT_EQ(gState.roofPlanes.planes.count, 0u);
        EXPECT_EQ(gState.edgeSetterRecords.count, 0u);
        EXPECT_EQ(gState.wallSegments.count, 0u);
        EXPECT_EQ(gState.runRoofs.count, 0u);
    }
    // Exactly one alert, naming the failed step with its text and the host's error.
    void ExpectOneAlert(int32_t textRow, const char* errorName) const {
        ASSERT_EQ(Alerts().size(), 1u);
        const std::string& text = Alerts()[0].largeText;
        EXPECT_NE(text.find(GetUserText(textRow)), std::string::npos) << text;
        EXPECT_NE(text.find(errorName), std::string::npos) << text;
    }

    decltype(gHost.DGModelessInit) savedModelessInit_ = nullptr;
};

TEST_F(TilingRunFailures, AWallPolygonThatCannotBeReadIsReported) {
    FailHostCall("Element_GetMemo", APIERR_BADID);
    RunTiling();
    ExpectOneAlert(kTextWallPolygonFailed, "APIERR_BADID");
    ExpectRunCleanedUp();
}

TEST_F(TilingRunFailures, AFillOutlineThatCannotBeReadIsReported) {
    FailHostCall("Element_GetMemo", APIERR_BADID, 2);  // the wall's polygon is read first
    RunTiling();
    ExpectOneAlert(kTextFillPolygonFailed, "APIERR_BADID");
    ExpectRunCleanedUp();
}

TEST_F(TilingRunFailures, AFailedUngroupIsReported) {
    FailHostCall("Element_Tool/UGRP", APIERR_NOTEDITABLE);
    RunTiling();
    ExpectOneAlert(kTextUngroupFailed, "APIERR_NOTEDITABLE");
    ExpectRunCleanedUp();
}

TEST_F(TilingRunFailures, AFailedRedrawIsReported) {
    FailHostCall("Automate/RDRW", APIERR_GENERAL);
    RunTiling();
    ExpectOneAlert(kTextRedrawFailed, "APIERR_GENERAL");
    ExpectRunCleanedUp();
}

TEST_F(TilingRunFailures, ASelectionThatCannotBeEmptiedIsReported) {
    FailHostCall("Element_Select", APIERR_GENERAL);
    RunTiling();
    ExpectOneAlert(kTextDeselectFailed, "APIERR_GENERAL");
    ExpectRunCleanedUp();
}

TEST_F(TilingRunFailures, APaletteThatDoesNotOpenLeavesNoSettersAndTheNextRunStarts) {
    gHost.DGModelessInit = NoPalette;
    RunTiling();
    ASSERT_FALSE(Reports().empty());
    EXPECT_EQ(Reports().back().text, GetUserText(kTextPaletteFailed));
    ExpectRunCleanedUp();
    // The next tile command is not refused for a run nobody can finish.
    gHost.DGModelessInit = savedModelessInit_;
    RunTiling();
    EXPECT_NE(host::OpenPaletteId(), 0);
    EXPECT_EQ(SetterCount(), 1u);
}

TEST_F(TilingRunFailures, SuspensionThatCannotBeTurnedBackOnAfterThePaletteOpenedClosesIt) {
    // Toggles: the command turns suspension on, the ungrouping off, the hand-over on again.
    FailHostCall("Element_Tool/SUSP", APIERR_GENERAL, 3);
    RunTiling();
    EXPECT_TRUE(LastMessageIs(kSuspendGroupsRow));
    ExpectRunCleanedUp();
    // Closing the unused palette did not run the user's abort action in a second undo step.
    RunTiling();
    EXPECT_NE(host::OpenPaletteId(), 0);
}

}  // namespace
