// Purpose: what the fault sweeps share: a command run on a fresh host with the N-th add-on
// allocation failing, and the state checks every such run must pass (message shown, palette and
// run tables, handles, undo back to the model before the command).
#pragma once

#include <functional>
#include <map>
#include <string>

#include "common/AddOnFixture.h"

namespace tevaro_test {

// How one run ended.
struct SweepOutcome {
    GSErrCode err = NoError;
    bool complete = false;   // the command did all it does, nothing shown
    int messageRow = 0;      // the row of the last message shown (0: none, -1: a text of no row)
    std::string lastMessage;
    int messagesShown = 0;   // report lines with a dialog and alerts the run showed
};

// Tallies of a sweep, for the report: runs, and outcomes by message row (0 = complete).
struct SweepTally {
    int runs = 0;
    std::map<int, int> byMessage;
    int doubleMessages = 0;  // runs that showed more than one message for their one failure
    void Add(const SweepOutcome& o);
    std::string Summary() const;
};

// The row of the message table whose text the last shown text shows (0: nothing shown; -1: none).
int LastMessageRow();

class FaultSweepFixture : public AddOnFixture {
protected:
    bool StartAddOnInSetUp() const override { return false; }

    // A fresh host with `modelText` loaded and the add-on started; `prepare` then sets the stage
    // (without faults); the handle count before the add-on started is kept for the leak check.
    void FreshHost(const std::string& modelText, const std::function<void()>& prepare = {});

    // Runs `command` with the nth allocation from its start failing (0: none, and only counts),
    // then checks the state every run must leave. `isComplete` says whether the command's work is
    // all there. Returns the outcome; `allocations` gets the count of allocations the run made.
    SweepOutcome RunWithFault(int nth, const std::function<GSErrCode()>& command,
                              const std::function<bool()>& isComplete, uint64_t& allocations,
                              const std::string& where);

    size_t handlesBeforeStart_ = 0;
};

}  // namespace tevaro_test
