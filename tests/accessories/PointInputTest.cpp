// Purpose: tests of the host's scripted point input: answers, cursor moves with the rubber-band
// callback, the recorded rubber lines and cancelling.
#include <gtest/gtest.h>

#include <cstring>

#include "common/AddOnFixture.h"
#include "Common_src/Api_related/HostCalls.h"
#include "host/PointInput.h"

namespace {

// A rubber band that draws one line from the origin to the cursor and one back.
void DrawTwoLinesToCursor(const API_RubberLineInfo* info) {
    API_RubberLineType line{};
    line.c2 = info->actCoord;
    ACAPI_Interface(APIIo_DrawRubberLineID, &line);
    std::swap(line.c1, line.c2);
    ACAPI_Interface(APIIo_DrawRubberLineID, &line);
}

class PointInput : public ::testing::Test {
protected:
    void SetUp() override {
        tevaro_test::InstallHostOnly();
        host::ResetPointInput();
    }
    void TearDown() override { host::ResetPointInput(); }

    static GSErrCode Ask(const char* prompt, API_GetPointType& point, RubberLineInfoProc band = nullptr) {
        point = API_GetPointType{};
        std::snprintf(point.prompt, sizeof point.prompt, "%s", prompt);
        return ACAPI_Interface(APIIo_GetPointID, &point, reinterpret_cast<void*>(band));
    }

    static host::PointAnswer Answer(double x, double y, std::vector<API_Coord> moves = {}) {
        host::PointAnswer a;
        a.point = API_Coord{x, y};
        a.cursorMoves = std::move(moves);
        return a;
    }
};

TEST_F(PointInput, QueuedAnswersArriveInOrderAndAnEmptyQueueCancels) {
    host::QueuePointAnswer(Answer(1.5, -2));
    host::QueuePointAnswer(Answer(3, 4));
    API_GetPointType point;
    ASSERT_EQ(Ask("first", point), NoError);
    EXPECT_DOUBLE_EQ(point.pos.x, 1.5);
    EXPECT_DOUBLE_EQ(point.pos.y, -2);
    ASSERT_EQ(Ask("second", point), NoError);
    EXPECT_DOUBLE_EQ(point.pos.x, 3);
    EXPECT_EQ(Ask("third", point), APIERR_CANCEL);  // nothing waits for a person

    const auto& history = host::PointInputHistory();
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[0].prompt, "first");
    EXPECT_FALSE(history[1].cancelled);
    EXPECT_TRUE(history[2].cancelled);
}

TEST_F(PointInput, EveryCursorMoveCallsTheCallbackAndItsLinesAreKeptPerCursor) {
    host::QueuePointAnswer(Answer(9, 9, {{1, 0}, {2, 5}}));
    API_GetPointType point;
    ASSERT_EQ(Ask("p", point, DrawTwoLinesToCursor), NoError);

    const host::PointInputRecord& rec = host::PointInputHistory().at(0);
    ASSERT_EQ(rec.frames.size(), 2u);
    ASSERT_EQ(rec.frames[1].lines.size(), 2u);
    EXPECT_DOUBLE_EQ(rec.frames[1].cursor.y, 5);
    EXPECT_DOUBLE_EQ(rec.frames[1].lines[0].c2.x, 2);  // drawn towards that frame's cursor
    EXPECT_DOUBLE_EQ(rec.frames[1].lines[0].c2.y, 5);
    EXPECT_EQ(host::gSession.rubberLines.size(), 4u);  // and all of them in drawing order
}

TEST_F(PointInput, TheSourceIsAskedWithThePromptOnceTheQueueIsEmpty) {
    std::vector<std::string> prompts;
    host::SetPointAnswerSource([&](const std::string& prompt, host::PointAnswer& a) {
        prompts.push_back(prompt);
        EXPECT_EQ(host::ActivePointPrompt(), prompt);  // the shell shows it while waiting
        a = Answer(7, 8);
        return true;
    });
    host::QueuePointAnswer(Answer(1, 2));
    API_GetPointType point;
    ASSERT_EQ(Ask("elso", point), NoError);
    ASSERT_EQ(Ask("masodik", point), NoError);
    EXPECT_DOUBLE_EQ(point.pos.x, 7);
    EXPECT_EQ(prompts, std::vector<std::string>{"masodik"});
    EXPECT_TRUE(host::ActivePointPrompt().empty());
}

TEST_F(PointInput, AnInstalledHookTakesPrecedenceOverTheDriver) {
    host::QueuePointAnswer(Answer(1, 1));
    host::gSession.pointInput = [](API_GetPointType* p, RubberLineInfoProc) {
        p->pos = API_Coord3D{42, 0, 0};
        return NoError;
    };
    API_GetPointType point;
    ASSERT_EQ(Ask("p", point), NoError);
    EXPECT_DOUBLE_EQ(point.pos.x, 42);
    EXPECT_EQ(host::QueuedPointAnswers(), 1u);
    host::gSession.pointInput = nullptr;
}

}  // namespace
