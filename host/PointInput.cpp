// Purpose: the host's interactive point input ('IPOI') and rubber-line drawing ('DRLI'), driven
// by scripted answers instead of a person with a mouse.
#include "host/PointInput.h"

#include <cstring>
#include <deque>

#include "host/Host.h"
#include "host/InputLimits.h"

namespace host {
namespace {

std::deque<PointAnswer> gQueuedAnswers;
PointAnswerSource gAnswerSource;
std::vector<PointInputRecord> gHistory;
std::string gActivePrompt;
bool gInputRunning = false;  // a point input is waiting for its answer
// The cursor frame the rubber-band callback is drawing into now (null outside a callback).
CursorFrame* gDrawingFrame = nullptr;

// The next answer: the queue first, then the source; false when there is none.
bool NextAnswer(const std::string& prompt, PointAnswer& answer) {
    if (!gQueuedAnswers.empty()) {
        answer = gQueuedAnswers.front();
        gQueuedAnswers.pop_front();
        return true;
    }
    return gAnswerSource && gAnswerSource(prompt, answer);
}

// The level of the current story: the height at which a picked plan point lies.
double CurrentStoryLevel() {
    for (const Story& s : gSession.model.stories)
        if (s.index == gSession.model.currentStory) return s.level;
    return 0;
}

}  // namespace

void QueuePointAnswer(const PointAnswer& answer) { gQueuedAnswers.push_back(answer); }

size_t QueuedPointAnswers() { return gQueuedAnswers.size(); }

void SetPointAnswerSource(PointAnswerSource source) { gAnswerSource = std::move(source); }

const std::vector<PointInputRecord>& PointInputHistory() { return gHistory; }

const std::string& ActivePointPrompt() { return gActivePrompt; }

void ResetPointInput() {
    gQueuedAnswers.clear();
    gAnswerSource = nullptr;
    gHistory.clear();
    gActivePrompt.clear();
    gInputRunning = false;
    gDrawingFrame = nullptr;
}

GSErrCode GetPointInput(API_GetPointType* point, RubberLineInfoProc rubberBand) {
    if (point == nullptr) return APIERR_BADPARS;
    if (gInputRunning) return APIERR_NESTING;  // one point input at a time
    PointInputRecord record;
    record.prompt = std::string(point->prompt, strnlen(point->prompt, sizeof point->prompt));
    gActivePrompt = record.prompt;
    gInputRunning = true;

    PointAnswer answer;
    const bool answered = NextAnswer(record.prompt, answer);
    AppendKept(gHistory, record, kMaxKeptRecords);
    PointInputRecord& running = gHistory.back();
    if (answered && rubberBand != nullptr) {
        for (const API_Coord& cursor : answer.cursorMoves) {
            running.frames.push_back(CursorFrame{cursor, {}});
            gDrawingFrame = &running.frames.back();
            API_RubberLineInfo info{};
            info.actCoord = API_Coord3D{cursor.x, cursor.y, CurrentStoryLevel()};
            rubberBand(&info);
            gDrawingFrame = nullptr;
        }
    }
    gActivePrompt.clear();
    gInputRunning = false;
    if (!answered ||     // no answer left: nothing waits
        answer.cancel) { // or the user pressed Esc
        running.cancelled = true;
        RecordCall("Interface/IPOI", APINULLGuid, 0);
        return APIERR_CANCEL;
    }
    running.point = answer.point;
    point->pos = API_Coord3D{answer.point.x, answer.point.y, CurrentStoryLevel()};
    RecordCall("Interface/IPOI", APINULLGuid, 1);
    return NoError;
}

GSErrCode DrawRubberLine(const API_RubberLineType* line) {
    if (line == nullptr) return APIERR_BADPARS;
    AppendKept(gSession.rubberLines, *line, kMaxKeptRecords);
    if (gDrawingFrame != nullptr) gDrawingFrame->lines.push_back(*line);
    return NoError;
}

}  // namespace host
