// Purpose: the host's global session: project model, libraries and library parts, menus,
// report window, alerts, undo steps, the loaded add-on's resources and the test hooks.
//
// One session exists per process (gSession). ResetSession() gives a fresh host, as if the
// application had just started with an empty project.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Common_src/Api_related/HostFunctionTable.h"
#include "host/Model.h"

namespace host {

// ---- Library parts and their native scripts -----------------------------------------------

// One plan drawing primitive of a placed library part (its 2D script's output).
struct DrawPrimitive {
    enum Kind { Line, Polygon, Arc, Text, Hotspot } kind = Line;
    std::vector<API_Coord> points;  // Line: 2 points; Polygon: closed ring; Arc: centre; Text, Hotspot: 1 point
    double radius = 0, startAngle = 0, endAngle = 0;
    std::string text;
    int16_t pen = 1;
};

// One line of a placed library part's quantities (its properties script's output).
struct QuantityLine {
    std::string code;
    std::string name;
    std::string unit;
    double amount = 0;
};

// Scripts of a library part written in C++ (the stand-in for the part's own script language).
struct NativeScripts {
    // Runs after the object's parameters changed; may rewrite them. `changed` names the parameter
    // the user changed last (empty when the whole list was replaced).
    void (*parameterScript)(Element& object, const std::string& changed) = nullptr;
    void (*draw2D)(const Element& object, std::vector<DrawPrimitive>& out) = nullptr;
    void (*quantities)(const Element& object, std::vector<QuantityLine>& out) = nullptr;
};

struct LibPart {
    int32_t index = 0;          // 1-based, never reused within a session
    std::string unId;           // "{main}-{revision}"
    API_LibTypeID type = APILib_ObjectID;
    std::string name;           // the part's name
    std::string fileName;
    std::string library;        // location of the library that holds it
    double a = 1, b = 1;        // default A and B sizes
    std::vector<ParamValue> params;  // default parameter list, in the part's order
    NativeScripts scripts;
    bool loaded = false;        // false: a placed object refers to it but no active library holds it
};

struct Library {
    std::string location;
    bool builtIn = false;
};

// Attaches native scripts to every part whose unique identifier begins with `mainId` (the first
// 38 characters), now and whenever such a part is loaded later. Survives ResetSession.
void RegisterNativeScripts(const std::string& mainId, const NativeScripts& scripts);
// The scripts registered for the part of unique identifier `unId` (empty scripts when none).
NativeScripts RegisteredScriptsFor(const std::string& unId);

// ---- What the add-on showed -----------------------------------------------------------------

struct ReportLine {
    std::string text;
    bool withDialog = false;
};

struct Alert {
    int16_t type = 0;
    std::string title, largeText, smallText;
    std::string buttons[3];
};

// A host operation the add-on called that leaves no other trace (OFR0, RDRW, RPAS, SUCC, ...).
struct CallRecord {
    std::string op;          // "Element_Tool/OFR0", "Goodies/RPAS", "Interface/SUCC", ...
    API_Guid guid;           // the element concerned, when there is one
    int64_t value = 0;       // an option or item value, when there is one
};

struct RegisteredMenu {
    int16_t menuResID = 0;
    int16_t promptResID = 0;
};

struct UndoStep {
    Model before;  // the project as it was before the step
};

// Answers an 'IPOI' point input: fill `point->pos` and return 0, or return an error (a cancel).
// `rubberBand` (may be null) is the add-on's drawing callback to call for cursor positions.
using PointInputHook = std::function<GSErrCode(API_GetPointType* point, RubberLineInfoProc rubberBand)>;

// ---- The session ------------------------------------------------------------------------------

struct Session {
    Model model;

    std::vector<Library> libraries;  // the active library list, in order
    std::vector<LibPart> libParts;   // every part ever seen, index = position + 1

    std::vector<RegisteredMenu> menus;
    std::map<int16_t, APIMenuCommandProc> menuHandlers;

    // The report window keeps its last lines (kMaxReportLines); `reportLinesReleased` counts the
    // older ones let go, so that a reader that numbers lines from the start still finds its place.
    std::vector<ReportLine> reportLines;
    size_t reportLinesReleased = 0;
    std::vector<std::string> debugLines;  // DBPrint lines (the last kMaxKeptRecords)
    std::vector<Alert> alerts;            // the last kMaxReportLines, `alertsReleased` let go before them
    size_t alertsReleased = 0;
    std::string lastMessage;              // the last report line or alert text shown
    std::vector<CallRecord> calls;
    std::vector<API_RubberLineType> rubberLines;  // 'DRLI' lines, in drawing order
    std::vector<API_UCCallbackType> userControls; // 'SUCC' requests

    std::vector<UndoStep> undoSteps;
    bool undoSessionOpen = false;
    int undoDepth = 0;  // nesting of running undoable commands

    const ResourceFork* resources = nullptr;  // the loaded add-on's resource fork
    std::string ownLocation;                  // path of the loaded add-on file
    bool keepInMemory = false;

    std::vector<std::string> shellOpens;  // links the add-on asked to open
    bool shellLaunch = false;             // run xdg-open for them when it exists

    PointInputHook pointInput;  // empty: 'IPOI' is not supported
    std::map<int32_t, API_Element> elementDefaults;  // per element type, set by tests when needed
};

// Appends to a record list that keeps only its last entries: past `limit` the oldest quarter is
// released at once (so each append costs little), counted in `released` when given.
template <typename T>
void AppendKept(std::vector<T>& list, T item, size_t limit, size_t* released = nullptr) {
    if (list.size() >= limit) {
        const size_t drop = list.size() - limit * 3 / 4;
        list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(drop));
        if (released != nullptr) *released += drop;
    }
    list.push_back(std::move(item));
}

extern Session gSession;

// A fresh host: empty project with one story, no libraries, no add-on, nothing recorded.
// Memory-handle and host-call faults are disarmed; live handles of the old session stay counted.
void ResetSession();

// ---- Undo ---------------------------------------------------------------------------------------

// Snapshots the project as the start of one undo step.
void BeginUndoStep();
// Restores the project as it was before the last undo step; false when there is none.
bool UndoLastStep();

// ---- Host-call faults ---------------------------------------------------------------------------

// Makes the `nth` call from now of host operation `op` fail with `code`. `op` is the function
// table entry's name ("Element_Create"), optionally with an operation code ("Environment/GSTO").
void ArmHostFault(const std::string& op, GSErrCode code, int nth = 1);
void DisarmHostFaults();
// Called at the start of each host operation: the code to fail with, or NoError.
GSErrCode TakeHostFault(const char* op, uint32_t opCode = 0);
// How many times each host operation was called since the last reset, under its bare name and,
// for operations with a code, under "name/CODE" too (so a fault sweep can fail each call in turn).
const std::map<std::string, uint64_t>& HostOperationCounts();
void ResetHostOperationCounts();

// ---- Resources of the loaded add-on ---------------------------------------------------------

bool FindResource(uint32_t type, int32_t id, const unsigned char** data, uint32_t* size);
// String `index` (1-based) of the 'STRS' resource `resID`, escapes undone; false when missing.
bool ResourceString(int16_t resID, int32_t index, std::string& text);

// ---- Recording --------------------------------------------------------------------------------

// True when a shown text (a report line, or an alert's text in the error form "\n<text>: <code>
// <name>" or "<text>: <code> <error>") shows the message `messageText`.
bool ShownTextIsMessage(const std::string& shown, const std::string& messageText);

void RecordCall(const std::string& op, const API_Guid& guid = APINULLGuid, int64_t value = 0);
// The text of four characters of an operation code ('GSTO' -> "GSTO").
std::string FourCCText(uint32_t code);

}  // namespace host
