// Purpose: the session lines of the program (what a user does in the host, one action a line),
// shared by `tevaro run` and `tevaro shell`, and the drivers that let open dialogs and point
// inputs read the lines that follow.
#pragma once

#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "Common_src/Api_related/HostTypes.h"

namespace app {

struct SessionRunner {
    std::string inputFolder;   // relative input paths (open) start here
    std::string outputFolder;  // relative output paths (save, report) start here
    // The next line and its number; false at the end. Set by the script runner or the shell.
    std::function<bool(std::string& line, int& lineNo)> nextLine;
    std::ostream* out = nullptr;  // where reports, alerts and dumps are echoed (may be null)
    bool interactive = false;     // the shell: dialogs are shown before each line is read
    std::deque<std::pair<std::string, int>> pushedBack;  // lines read ahead and given back
    size_t echoedReports = 0, echoedAlerts = 0, echoedLinks = 0;
    int16_t shownDialog = 0;  // the shell has drawn this dialog already
    std::string driverError;  // a malformed dialog line a dialog read, reported with its line
};

// Makes the runner read `lines` one after another, numbered from 1; the lines must outlive it.
void FeedLines(SessionRunner& runner, const std::vector<std::string>& lines);

// Makes modal dialogs and point inputs take their actions from the lines that follow.
void InstallDrivers(SessionRunner& runner);
void RemoveDrivers();

// The next line that is not blank or a comment (given-back lines first); false at the end.
bool ReadLine(SessionRunner& runner, std::string& line, int& lineNo);

// Runs one line; false with `error` when it cannot be done. Dialog problems met while the line
// ran (for instance in the dialog lines a modal dialog read) count as its failure.
bool RunLine(SessionRunner& runner, const std::string& line, int lineNo, std::string& error);

// Prints the report lines and alerts that appeared since the last echo.
void EchoNewMessages(SessionRunner& runner);

// The list of session lines, for `help`.
std::string SessionHelp();
// The session lines, one a row (name, usage, what it does), each row after `indent`: the list
// `help` prints and docs/sessions.md holds.
std::string SessionLineList(const std::string& indent);

}  // namespace app
