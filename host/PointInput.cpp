// Purpose: the host's interactive point input ('IPOI') and rubber-line drawing ('DRLI'), driven
// by scripted answers instead of a person with a mouse.
#include "host/PointInput.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <sstream>

#include "host/Host.h"

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

// Reads one number of a point line; false when the word is not a whole number.
bool ReadCoordinate(const std::string& word, double& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return end != nullptr && *end == '\0';
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

bool ParsePointAnswer(const std::string& arguments, PointAnswer& answer, std::string& error) {
    std::istringstream in(arguments);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    answer = PointAnswer{};
    if (words.size() == 1 && words[0] == "cancel") {
        answer.cancel = true;
        return true;
    }
    if (words.size() != 2 || !ReadCoordinate(words[0], answer.point.x) || !ReadCoordinate(words[1], answer.point.y)) {
        error = "expected \"point X Y\" (metres) or \"point cancel\"";
        return false;
    }
    return true;
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
    gHistory.push_back(record);
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
    if (!answered || answer.cancel) {
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
    gSession.rubberLines.push_back(*line);
    if (gDrawingFrame != nullptr) gDrawingFrame->lines.push_back(*line);
    return NoError;
}

}  // namespace host
