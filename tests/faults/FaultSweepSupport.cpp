// Purpose: the shared fault-sweep run and its checks.
#include "faults/FaultSweepSupport.h"

#include <sstream>

#include "Common_src/AddOnState.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/MemoryHandles.h"
#include "host/ModelFile.h"
#include "host/PointInput.h"

namespace tevaro_test {

namespace {

constexpr int kLastMessageRowToTry = 200;

// True when every run table of a tiling run is empty. (An emptied table may keep its handle
// until the next run or the unload; the leak check after FreeData covers those.)
bool RunTablesReleased() {
    return gState.roofPlanes.planes.count == 0 && gState.wallSegments.count == 0 && gState.fillSegments.count == 0 &&
           gState.edgeSetterRecords.count == 0;
}

// Names the run tables that still hold a handle, for the report.
std::string TablesHoldingHandles() {
    std::string held;
    if (gState.roofPlanes.planes.handle != nullptr) held += " planes";
    if (gState.wallSegments.handle != nullptr) held += " walls";
    if (gState.fillSegments.handle != nullptr) held += " fills";
    if (gState.edgeSetterRecords.handle != nullptr) held += " setters";
    return held;
}

// The first line where two model texts differ, with the lines around it, for a readable failure.
std::string FirstDifference(const std::string& before, const std::string& after) {
    std::istringstream a(before), b(after);
    std::string la, lb, context;
    for (int line = 1;; ++line) {
        const bool moreA = bool(std::getline(a, la)), moreB = bool(std::getline(b, lb));
        if (!moreA && !moreB) return "no difference";
        if (la != lb || moreA != moreB)
            return "line " + std::to_string(line) + " after \"" + context + "\": before \"" + la + "\", after \"" + lb + "\"";
        context = la;
    }
}

// The project's content as text: what undo gives back. The selection and the group suspension
// switch are the user's working state, not content, and undo leaves them as they are.
std::string ProjectContent() {
    host::Model content = host::gSession.model;
    content.selection.clear();
    content.groupsSuspended = false;
    return host::ModelToText(content);
}

// Messages shown to the user so far in the session: report lines with a dialog (traces have
// none) and alerts, those the session let go of included.
int MessagesShown() {
    int shown = int(host::gSession.alerts.size() + host::gSession.alertsReleased);
    for (const host::ReportLine& line : host::gSession.reportLines) shown += line.withDialog ? 1 : 0;
    return shown;
}

}  // namespace

void SweepTally::Add(const SweepOutcome& o) {
    ++runs;
    ++byMessage[o.complete ? 0 : o.messageRow];
    if (o.messagesShown > 1) ++doubleMessages;
}

std::string SweepTally::Summary() const {
    std::ostringstream s;
    s << runs << " runs;";
    for (const auto& [row, n] : byMessage) s << " " << (row == 0 ? std::string("complete") : "message " + std::to_string(row)) << ": " << n << ";";
    s << " more than one message: " << doubleMessages << ";";
    return s.str();
}


int LastMessageRow() {
    const std::string& shown = host::gSession.lastMessage;
    if (shown.empty()) return 0;
    for (int row = 1; row <= kLastMessageRowToTry; ++row) {
        const std::string text = MessageText(row);
        if (!text.empty() && host::ShownTextIsMessage(shown, text)) return row;
    }
    return -1;
}

void FaultSweepFixture::FreshHost(const std::string& modelText, const std::function<void()>& prepare) {
    StopAddOn();
    host::ResetSession();
    host::gSession.shellLaunch = false;
    host::DisarmHostFaults();
    host::DisarmAllocationFault();
    LoadModel(modelText);
    handlesBeforeStart_ = host::LiveHandleCount();
    StartAddOn();
    if (prepare) prepare();
    host::gSession.lastMessage.clear();
    host::gSession.alerts.clear();
    host::gSession.reportLines.clear();
}

SweepOutcome FaultSweepFixture::RunWithFault(int nth, const std::function<GSErrCode()>& command,
                                             const std::function<bool()>& isComplete, uint64_t& allocations,
                                             const std::string& where) {
    const std::string modelBefore = ProjectContent();
    const size_t undoBefore = host::gSession.undoSteps.size();

    const int shownBefore = MessagesShown();
    host::ArmAllocationFault(nth);
    SweepOutcome o;
    o.err = command();
    allocations = host::AllocationCalls();
    host::DisarmAllocationFault();
    o.lastMessage = host::gSession.lastMessage;
    o.messageRow = LastMessageRow();
    o.messagesShown = MessagesShown() - shownBefore;
    o.complete = o.err == NoError && isComplete();

    // A palette left open by a failed run is closed by the user, as the session's close-palette.
    if (host::OpenPaletteId() != 0) {
        host::DialogAction close;
        close.kind = host::DialogAction::Click;
        close.item = DG_CLOSEBOX;
        std::string error;
        EXPECT_TRUE(host::ApplyToPalette(close, error)) << where << ": " << error;
    }
    EXPECT_EQ(host::OpenPaletteId(), 0) << where;
    EXPECT_FALSE(gState.finalizationPending) << where;
    if (!TablesHoldingHandles().empty()) std::cout << where << ": emptied tables still holding a handle:" << TablesHoldingHandles() << "\n";
    EXPECT_TRUE(RunTablesReleased()) << where << ": planes " << gState.roofPlanes.planes.count << ", walls "
                                     << gState.wallSegments.count << ", fills " << gState.fillSegments.count
                                     << ", setters " << gState.edgeSetterRecords.count << ", last shown \""
                                     << o.lastMessage << "\" (row " << o.messageRow << ")";
    EXPECT_EQ(host::TopModalDialogId(), 0) << where;
    for (const std::string& problem : host::TakeDialogErrors()) ADD_FAILURE() << where << ": dialog: " << problem;
    if (!o.complete) {
        // A run that gave up said why.
        EXPECT_GT(o.messageRow, 0) << where << ": err " << o.err << ", shown \"" << o.lastMessage << "\"";
    }

    // Undo takes the project back to what it was before the command.
    while (host::gSession.undoSteps.size() > undoBefore) {
        if (!host::UndoLastStep()) break;
    }
    const std::string modelAfter = ProjectContent();
    EXPECT_TRUE(modelAfter == modelBefore) << where << ": undo does not restore the model; " << FirstDifference(modelBefore, modelAfter);

    StopAddOn();
    EXPECT_EQ(host::LiveHandleCount(), handlesBeforeStart_) << where << ": handles left after FreeData";
    return o;
}

}  // namespace tevaro_test
