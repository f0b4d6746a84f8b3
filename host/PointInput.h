// Purpose: the host's interactive point input ('IPOI') and rubber-line drawing ('DRLI'), driven
// by scripted answers instead of a person with a mouse.
//
// Each point input takes the next answer: first the queued answers, then those the answer source
// supplies; when none is left the input is cancelled (APIERR_CANCEL), so nothing ever waits. An
// answer may move the cursor first: for every cursor position the host calls the add-on's
// rubber-band callback and records the lines it draws, so they can be inspected afterwards.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Common_src/Api_related/HostTypes.h"

namespace host {

// What the user does in one point input: cursor moves, then a click on a point or a cancel.
struct PointAnswer {
    std::vector<API_Coord> cursorMoves;  // cursor positions before the answer, in order
    bool cancel = false;                 // true: the input is cancelled (Esc)
    API_Coord point;                     // the clicked point (plan; z is the current story's level)
    int line = 0;                        // script line that gave the answer (0: none)
};

// One cursor position of a point input and the rubber lines the callback drew for it.
struct CursorFrame {
    API_Coord cursor;
    std::vector<API_RubberLineType> lines;
};

// One point input as it happened.
struct PointInputRecord {
    std::string prompt;
    std::vector<CursorFrame> frames;  // one per cursor move the callback was called for
    bool cancelled = false;
    API_Coord point;  // the answer (when not cancelled)
};

void QueuePointAnswer(const PointAnswer& answer);
size_t QueuedPointAnswers();
// Supplies the next answer once the queue is empty, given the input's prompt; false: none (cancel).
using PointAnswerSource = std::function<bool(const std::string& prompt, PointAnswer& answer)>;
void SetPointAnswerSource(PointAnswerSource source);

// Every point input since the last reset, in order.
const std::vector<PointInputRecord>& PointInputHistory();
// The prompt of the point input being answered now ("" when none is running).
const std::string& ActivePointPrompt();

// Forgets queued answers, the answer source and the history.
void ResetPointInput();

// 'IPOI': asks for one point; `rubberBand` (may be null) is called for every cursor move.
GSErrCode GetPointInput(API_GetPointType* point, RubberLineInfoProc rubberBand);
// 'DRLI': draws one rubber line (recorded with the running point input's cursor frame).
GSErrCode DrawRubberLine(const API_RubberLineType* line);

}  // namespace host
