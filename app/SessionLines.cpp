// Purpose: the session lines: one table of {line, usage, handler} from which the interpreter, the
// usage errors, `help` and the documented list are all made, and the dialog and point-input
// drivers that let an open dialog or point input read the lines that follow.
#include "app/SessionLines.h"

#include "app/CheckCommand.h"
#include "app/EdgeList.h"
#include "app/GltfExport.h"
#include "app/GltfExport.h"
#include "app/PlaneDump.h"
#include "app/PlanSheet.h"
#include "app/PlanSvg.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>

#include "Common_src/ResourceIds.h"
#include "app/QuantitiesCsv.h"
#include "host/AddOnLoader.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/InputLimits.h"
#include "host/LibPartScripts.h"
#include "host/ModelFile.h"
#include "host/ParamLists.h"
#include "host/PointInput.h"

namespace app {
namespace {

// Column at which the help text of a line starts in `help` and in the documented list.
constexpr size_t kHelpColumn = 33;
// Largest difference between an object's number parameter and the value an expect-param names.
constexpr double kExpectParamTol = 1e-9;

// The file name (without folder and extension) of the model last opened: the drawing's project.
std::string gOpenedModelName;

const std::map<std::string, int16_t> kMenus = {
    {"place-tiles", PlaceTiles},           {"place-accessories", PlaceAccessories}, {"place-solar-collector", PlaceSolarCollector},
    {"place-solar-panel", PlaceSolarPanel},     {"delete-accessories", DeleteAccessories},
};

const std::map<std::string, API_ElemTypeID> kElementKinds = {
    {"roofs", API_RoofID}, {"walls", API_WallID}, {"fills", API_HatchID}, {"objects", API_ObjectID}};

// True for a character that separates words.
bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The words of a line: runs of characters that are not white space (space, tab, form feed,
// vertical tab, carriage return).
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> w;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && IsSpace(line[at])) ++at;
        const size_t start = at;
        while (at < line.size() && !IsSpace(line[at])) ++at;
        if (at > start) w.push_back(line.substr(start, at - start));
    }
    return w;
}

// The text of the line after its first `n` words (a path or a value that may hold spaces).
std::string RestAfter(const std::string& line, size_t n) {
    size_t at = 0;
    for (size_t k = 0; k <= n; ++k) {
        while (at < line.size() && IsSpace(line[at])) ++at;
        if (k == n) break;
        while (at < line.size() && !IsSpace(line[at])) ++at;
    }
    size_t end = line.size();
    while (end > at && IsSpace(line[end - 1])) --end;
    return line.substr(at, end - at);
}

// A path relative to `folder` unless it is absolute.
std::string Resolve(const std::string& folder, const std::string& path) {
    if (path.empty() || path[0] == '/' || folder.empty()) return path;
    return folder + "/" + path;
}

// ---- The table of lines ---------------------------------------------------------------------

struct SessionLineDef;

// One line as the handlers see it.
struct LineCall {
    SessionRunner& runner;
    const std::string& line;
    const std::vector<std::string>& w;  // its words; w[0] is the line's name
    int lineNo;
    const SessionLineDef& def;           // its row of the table
};

using LineHandler = bool (*)(const LineCall& call, std::string& error);

// A session line: its name, the words that follow it (empty: none), what it does, how it runs,
// and how many words it takes after its name (maxWords < 0: any number).
struct SessionLineDef {
    const char* word;
    const char* usage;
    const char* help;
    LineHandler handler;
    int minWords;
    int maxWords;
};

// The usage error of a line: what it needs, or that it takes nothing more.
std::string UsageError(const SessionLineDef& def) {
    if (def.usage[0] == 0) return std::string(def.word) + " takes nothing more";
    return std::string(def.word) + " needs " + def.usage;
}

// Reads word `k` of a line as a whole number within [lo, hi]; the error gives the line's usage,
// the argument's name and what is wrong with it.
bool WholeArg(const LineCall& call, size_t k, const char* what, int64_t lo, int64_t hi, int64_t& v, std::string& error) {
    std::string why;
    if (host::ParseWholeNumber(call.w[k], lo, hi, v, why)) return true;
    error = UsageError(call.def) + " (" + what + ": " + why + ")";
    return false;
}

// Reads word `k` of a line as a finite number of at most `maxMagnitude` in size.
bool NumberArg(const LineCall& call, size_t k, const char* what, double maxMagnitude, double& v, std::string& error) {
    std::string why;
    if (host::ParseFiniteNumber(call.w[k], maxMagnitude, v, why)) return true;
    error = UsageError(call.def) + " (" + what + ": " + why + ")";
    return false;
}

// The parsed form of a dialog line (set, pick, click, ok, cancel); false with the usage error.
bool ParseDialogLine(const LineCall& call, host::DialogAction& a, std::string& error);

// ---- Dialog and point lines -----------------------------------------------------------------

// Every error the dialog manager collected, joined; empty when none.
std::string DialogProblems() {
    std::string all;
    for (const std::string& e : host::TakeDialogErrors()) all += (all.empty() ? "" : "; ") + e;
    return all;
}

// A dialog or palette line given at the top level: the palette takes it, else the next dialog.
bool DialogLineAtTop(const LineCall& call, std::string& error) {
    host::DialogAction a;
    if (!ParseDialogLine(call, a, error)) return false;
    if (host::OpenPaletteId() != 0) return host::ApplyToPalette(a, error);
    host::QueueDialogAction(a);
    return true;
}

// Reads "point X Y": both finite and within the coordinate limit.
bool ParsePoint(const LineCall& call, API_Coord& p, std::string& error) {
    if (call.w.size() != 3) return (error = UsageError(call.def), false);
    return NumberArg(call, 1, "X", host::kMaxCoordinate, p.x, error) &&
           NumberArg(call, 2, "Y", host::kMaxCoordinate, p.y, error);
}

// The answer of a "point" line: the cursor reaches the point, then the user clicks there.
host::PointAnswer PointAt(const API_Coord& p, int lineNo) {
    host::PointAnswer answer;
    answer.cursorMoves = {p};
    answer.point = p;
    answer.line = lineNo;
    return answer;
}

bool PointLine(const LineCall& call, std::string& error) {
    API_Coord p;
    if (!ParsePoint(call, p, error)) return false;
    host::QueuePointAnswer(PointAt(p, call.lineNo));
    return true;
}

// ---- Model lines ----------------------------------------------------------------------------

bool OpenLine(const LineCall& call, std::string& error) {
    const std::string path = Resolve(call.runner.inputFolder, RestAfter(call.line, 1));
    host::Model model;
    if (!host::LoadModelFile(path, model, error)) return false;
    gOpenedModelName = path.substr(path.find_last_of('/') + 1);
    gOpenedModelName = gOpenedModelName.substr(0, gOpenedModelName.rfind('.'));
    host::gSession.model = std::move(model);
    host::gSession.undoSteps.clear();
    host::ResolveLibPartIndices();
    return true;
}

bool SelectLine(const LineCall& call, std::string& error) {
    const std::vector<std::string>& w = call.w;
    auto& sel = host::gSession.model.selection;
    if (w.size() == 2 && (w[1] == "all" || w[1] == "none" || kElementKinds.count(w[1]) != 0)) {
        sel.clear();
        for (const host::Element& e : host::gSession.model.elements)
            // everything, or (not nothing and) the elements of the kind named
            if (w[1] == "all" || (w[1] != "none" && e.rec.header.typeID == kElementKinds.at(w[1])))
                sel.push_back(e.rec.header.guid);
        return true;
    }
    const bool add = w[1] == "+";
    std::vector<API_Guid> chosen;
    for (size_t k = add ? 2 : 1; k < w.size(); ++k) {
        const host::Element* e = host::FindElementByText(w[k]);
        if (e == nullptr) return (error = "no element " + w[k], false);
        chosen.push_back(e->rec.header.guid);
    }
    if (!add) sel.clear();
    for (const API_Guid& g : chosen) {
        bool there = false;
        for (const API_Guid& s : sel) there = there || s == g;
        if (!there) sel.push_back(g);
    }
    return true;
}

bool MenuLine(const LineCall& call, std::string& error) {
    int64_t number = 0;
    if (kMenus.count(call.w[1]) != 0) number = kMenus.at(call.w[1]);
    else if (!WholeArg(call, 1, "the menu number", 1, INT16_MAX, number, error)) return false;
    const GSErrCode err = host::ChooseMenuItem(int16_t(number));
    if (err == APIERR_BADID) return (error = "the add-on has no handler for menu " + std::to_string(number), false);
    if (err != NoError && call.runner.out != nullptr) *call.runner.out << "menu " << call.w[1] << " answered " << err << "\n";
    return true;
}

// True when every plan point of the element, moved by dx, dy, stays within the coordinate limit.
bool MoveKeepsWithinLimits(const host::Element& e, double dx, double dy) {
    bool ok = true;
    auto check = [&ok, dx, dy](double x, double y) { ok = ok && host::CoordinateOk(x + dx) && host::CoordinateOk(y + dy); };
    check(e.rec.object.pos.x, e.rec.object.pos.y);
    check(e.rec.hotspot.pos.x, e.rec.hotspot.pos.y);
    for (const API_Coord& c : e.polygon) check(c.x, c.y);
    for (const host::RoofPlaneShape& plane : e.roofPlanes) {
        for (const API_Coord3D& c : plane.outer) check(c.x, c.y);
        for (const host::Ring3& hole : plane.holes)
            for (const API_Coord3D& c : hole) check(c.x, c.y);
    }
    return ok;
}

// Moves an element by hand in plan.
void MoveElement(host::Element& e, double dx, double dy) {
    e.rec.object.pos.x += dx;
    e.rec.object.pos.y += dy;
    e.rec.hotspot.pos.x += dx;
    e.rec.hotspot.pos.y += dy;
    for (API_Coord& c : e.polygon) { c.x += dx; c.y += dy; }
    for (host::RoofPlaneShape& plane : e.roofPlanes) {
        for (API_Coord3D& c : plane.outer) { c.x += dx; c.y += dy; }
        for (host::Ring3& hole : plane.holes)
            for (API_Coord3D& c : hole) { c.x += dx; c.y += dy; }
    }
}

bool MoveLine(const LineCall& call, std::string& error) {
    double dx = 0, dy = 0;
    if (!NumberArg(call, 2, "DX", host::kMaxMoveDistance, dx, error) ||
        !NumberArg(call, 3, "DY", host::kMaxMoveDistance, dy, error))
        return false;
    host::Element* e = host::FindElementByText(call.w[1]);
    if (e == nullptr) return (error = "no element " + call.w[1], false);
    if (!MoveKeepsWithinLimits(*e, dx, dy))
        return (error = "move " + call.w[1] + ": the element would lie more than 1000 km from the origin", false);
    host::BeginUndoStep();
    MoveElement(*e, dx, dy);
    return true;
}

bool DeleteLine(const LineCall& call, std::string& error) {
    const host::Element* e = host::FindElementByText(call.w[1]);
    if (e == nullptr) return (error = "no element " + call.w[1], false);
    host::BeginUndoStep();
    const API_Guid g = e->rec.header.guid;
    auto& elems = host::gSession.model.elements;
    for (size_t k = 0; k < elems.size(); ++k)
        if (elems[k].rec.header.guid == g) { elems.erase(elems.begin() + long(k)); break; }
    auto& sel = host::gSession.model.selection;
    for (size_t k = 0; k < sel.size(); ++k)
        if (sel[k] == g) { sel.erase(sel.begin() + long(k)); break; }
    return true;
}

bool UndoLine(const LineCall&, std::string& error) {
    return host::UndoLastStep() || (error = "nothing to undo", false);
}

// ---- Edge palette lines ---------------------------------------------------------------------

// A click on the edge palette: its button (finalize) or its close control.
bool PaletteClick(const LineCall& call, int16_t item, std::string& error) {
    host::DialogAction a;
    a.kind = host::DialogAction::Click;
    a.item = item;
    a.line = call.lineNo;
    return host::ApplyToPalette(a, error);
}

bool FinalizeLine(const LineCall& call, std::string& error) { return PaletteClick(call, 1, error); }
bool ClosePaletteLine(const LineCall& call, std::string& error) { return PaletteClick(call, DG_CLOSEBOX, error); }

// The edge setter of the group a line names.
host::Element* SetterOfGroup(const LineCall& call, std::string& error) {
    int64_t group = 0;
    if (!WholeArg(call, 1, "GROUP", 1, INT32_MAX, group, error)) return nullptr;
    host::Element* setter = host::FindEdgeSetter(int(group));
    if (setter == nullptr) error = "no edge setter of group " + call.w[1];
    return setter;
}

bool EdgeLine(const LineCall& call, std::string& error) {
    int64_t edge = 0, type = 0;
    if (!WholeArg(call, 2, "EDGE", 1, INT32_MAX, edge, error) ||
        !WholeArg(call, 3, "TYPE", 1, INT32_MAX, type, error))
        return false;
    host::Element* setter = SetterOfGroup(call, error);
    return setter != nullptr && host::SetEdgeSetterEdgeType(*setter, int(edge), int(type), error);
}

bool DragLine(const LineCall& call, std::string& error) {
    int64_t edge = 0;
    double dx = 0, dy = 0;
    if (!WholeArg(call, 2, "EDGE", 1, INT32_MAX, edge, error) ||
        !NumberArg(call, 3, "DX", host::kMaxMoveDistance, dx, error) ||
        !NumberArg(call, 4, "DY", host::kMaxMoveDistance, dy, error))
        return false;
    host::Element* setter = SetterOfGroup(call, error);
    return setter != nullptr && host::DragEdgeSetterHotspot(*setter, int(edge), dx, dy, error);
}

// ---- Output lines ---------------------------------------------------------------------------

// Writes the report window's lines to a file.
bool WriteReportFile(const std::string& path, std::string& error) {
    std::ofstream out(path, std::ios::binary);
    if (!out) { error = "cannot write " + path; return false; }
    for (const host::ReportLine& r : host::gSession.reportLines) out << r.text << "\n";
    return bool(out) || (error = "cannot write " + path, false);
}

// The output file a line names, relative to the output folder.
std::string OutputPath(const LineCall& call) { return Resolve(call.runner.outputFolder, RestAfter(call.line, 1)); }

bool SaveLine(const LineCall& call, std::string& error) {
    // The edge setters on the open palette belong to a tiling run that is not finished.
    if (host::OpenPaletteId() != 0) {
        error = "save: the edge palette is open; finalize the tiling or close the palette first";
        return false;
    }
    return host::SaveModelFile(OutputPath(call), host::gSession.model, error);
}
bool ReportLine(const LineCall& call, std::string& error) { return WriteReportFile(OutputPath(call), error); }
bool QuantitiesLine(const LineCall& call, std::string& error) { return WriteQuantitiesCsv(OutputPath(call), error); }
bool SvgLine(const LineCall& call, std::string& error) { return WritePlanSvg(OutputPath(call), error); }
// plan FILE.pdf|FILE.svg [1:50|1:100|1:200] [A4|A3]: the drawing to scale on a sheet.
bool PlanLine(const LineCall& call, std::string& error) {
    SheetOptions sheet;
    sheet.project = gOpenedModelName;
    for (size_t k = 2; k < call.w.size(); ++k)
        if (!ParseSheetWord(call.w[k], sheet, error)) return false;
    return WritePlanSheet(Resolve(call.runner.outputFolder, call.w[1]), sheet, error);
}
bool DumpPlanesLine(const LineCall& call, std::string& error) { return WritePlaneDump(OutputPath(call), error); }
bool DumpSettingsLine(const LineCall& call, std::string& error) { return WriteSettingsDump(OutputPath(call), error); }

// ---- Expectations ---------------------------------------------------------------------------

bool ExpectMessageLine(const LineCall& call, std::string& error) {
    int64_t row = 0;
    std::string text;
    if (!WholeArg(call, 1, "N", 1, INT32_MAX, row, error)) return false;
    if (!host::ResourceString(kMessageTableResId, int32_t(row), text))
        return (error = "the add-on's message table has no row " + call.w[1], false);
    if (host::ShownTextIsMessage(host::gSession.lastMessage, text)) return true;
    error = "expected message " + call.w[1] + " (\"" + text + "\"), the last message shown was \"" +
            host::gSession.lastMessage + "\"";
    return false;
}

bool ExpectCountLine(const LineCall& call, std::string& error) {
    const std::string& kind = call.w[1];
    int64_t wanted = 0;
    // a kind the line knows: everything, the selection, or one element kind
    if (kind != "all" && kind != "selected" && kElementKinds.count(kind) == 0)
        return (error = UsageError(call.def), false);
    if (!WholeArg(call, 2, "N", 0, INT64_MAX, wanted, error)) return false;
    size_t n = 0;
    if (kind == "selected") n = host::gSession.model.selection.size();
    for (const host::Element& e : host::gSession.model.elements)
        // every element, or one of the kind named
        n += kind == "all" || (kElementKinds.count(kind) != 0 && e.rec.header.typeID == kElementKinds.at(kind)) ? 1 : 0;
    if (n == size_t(wanted)) return true;
    error = "expected " + call.w[2] + " " + kind + ", there are " + std::to_string(n);
    return false;
}

// The object's parameter (its first value) is VALUE: a number compared within a tolerance, or a
// text compared exactly.
bool ExpectParamLine(const LineCall& call, std::string& error) {
    const host::Element* e = host::FindElementByText(call.w[1]);
    if (e == nullptr) return (error = "no element " + call.w[1], false);
    const host::ParamValue* p = host::FindParam(e->params, call.w[2]);
    if (p == nullptr) return (error = call.w[1] + " has no parameter " + call.w[2], false);
    const std::string wanted = RestAfter(call.line, 3);
    std::string shown, why;
    bool ok = false;
    if (host::IsTextParam(*p)) {
        shown = p->texts.empty() ? "" : host::Utf16ToUtf8(p->texts[0]);
        ok = shown == wanted;
    } else {
        const double value = p->numbers.empty() ? 0.0 : p->numbers[0];
        double number = 0;
        shown = std::to_string(value);
        ok = host::ParseFiniteNumber(wanted, HUGE_VAL, number, why) && std::fabs(value - number) <= kExpectParamTol;
    }
    if (!ok) error = call.w[1] + " " + call.w[2] + " is " + shown + ", not " + wanted;
    return ok;
}

// ---- Shell lines ----------------------------------------------------------------------------

bool HelpLine(const LineCall& call, std::string&) {
    if (call.runner.out != nullptr) *call.runner.out << SessionHelp();
    return true;
}

bool ShowLine(const LineCall& call, std::string&) {
    const host::OpenDialog* palette = host::FindOpenDialog(host::OpenPaletteId());
    if (call.runner.out != nullptr) *call.runner.out << (palette != nullptr ? host::DumpDialog(*palette) : "no palette is open\n");
    return true;
}

// check: what healing changed at the last open, then the model check of the model as it is now.
bool CheckLine(const LineCall& call, std::string& error) { return RunCheckLine(call.runner.out, error); }

// gltf FILE: the project as a glTF 2.0 scene for 3D viewers (the workbench's 3D view).
bool GltfLine(const LineCall& call, std::string& error) { return RunGltfLine(call.runner, call.line, error); }

// edges [GROUP]: the setters' edges as the workbench and palette.svg number them.
bool EdgesLine(const LineCall& call, std::string& error) { return RunEdgesLine(call.runner, call.line, error); }

constexpr int kAny = -1;

// Every session line, in the order `help` lists them.
const SessionLineDef kSessionLines[] = {
    {"open", "MODEL.json", "load a model (the undo history starts afresh)", OpenLine, 1, kAny},
    {"select", "all|roofs|walls|fills|objects|none|ID...", "replace the selection", SelectLine, 1, kAny},
    {"select", "+ ID...", "add to the selection", SelectLine, 1, kAny},
    {"menu", "place-tiles|place-accessories|place-solar-collector|place-solar-panel|delete-accessories",
     "\n(or the menu resource number 32500..32504)", MenuLine, 1, 1},
    {"set", "ITEM VALUE", "dialog: an item's value; ITEM is its number or its name (check box, radio, roll-down, edit, pop-up/list entry)", DialogLineAtTop, 2, kAny},
    {"pick", "ITEM N", "dialog: entry N (1-based) of a pop-up or list", DialogLineAtTop, 2, 2},
    {"click", "ITEM [ROW X Y]", "dialog: click an item (a list row, at X,Y inside it); -1 is the close control",
     DialogLineAtTop, 1, 4},
    {"ok", "", "dialog: click item 1", DialogLineAtTop, 0, 0},
    {"cancel", "", "dialog: click item 2", DialogLineAtTop, 0, 0},
    {"point", "X Y", "answer a point input (metres, within 1000 km of the origin)", PointLine, 2, 2},
    {"edge", "GROUP EDGE TYPE", "on the edge setter of group GROUP, set edge EDGE to TYPE 1..14", EdgeLine, 3, 3},
    {"drag", "GROUP EDGE DX DY", "drag that edge's palette hotspot by DX, DY", DragLine, 4, 4},
    {"move", "ID DX DY", "move an element by hand (one undo step)", MoveLine, 3, 3},
    {"delete", "ID", "delete an element by hand (one undo step)", DeleteLine, 1, 1},
    {"edges", "[GROUP]", "list the setters' edges: number, type, length, end points", EdgesLine, 0, 1},
    {"finalize", "", "the edge palette's button", FinalizeLine, 0, 0},
    {"close-palette", "", "the edge palette's close control", ClosePaletteLine, 0, 0},
    {"undo", "", "undo the last step (a command, a move, a deletion)", UndoLine, 0, 0},
    {"check", "", "the model check: healing changes, warnings and errors", CheckLine, 0, 0},
    {"save", "FILE", "write the model (JSON; refused while the edge palette is open)", SaveLine, 1, kAny},
    {"report", "FILE", "write the report window's lines", ReportLine, 1, kAny},
    {"quantities", "FILE", "write the quantities of the tile surfaces and ridges as CSV\n(see docs/quantities.md)",
     QuantitiesLine, 1, kAny},
    {"svg", "FILE", "write the plan drawing (outputs.md)", SvgLine, 1, kAny},
    {"plan", "FILE.pdf|FILE.svg [1:50|1:100|1:200] [A4|A3]", "write the drawing to scale on an A4 or A3 sheet (outputs.md)",
     PlanLine, 1, 3},
    {"gltf", "FILE", "write the project as a glTF 2.0 scene for 3D viewers", GltfLine, 1, kAny},
    {"dump-planes", "FILE", "write the roof model the add-on holds (while the palette is open) as JSON",
     DumpPlanesLine, 1, kAny},
    {"dump-settings", "FILE",
     "write the tile settings the add-on holds (every field of the main dialog's choices) as JSON",
     DumpSettingsLine, 1, kAny},
    {"expect-message", "N", "fail unless the last message shown (report line or alert) is row N", ExpectMessageLine, 1, 1},
    {"expect-count", "all|roofs|walls|fills|objects|selected N", "fail unless the model holds N of them",
     ExpectCountLine, 2, 2},
    {"expect-param", "ID NAME VALUE", "fail unless the object's parameter NAME (its first value) is VALUE",
     ExpectParamLine, 3, kAny},
    {"help", "", "list the session lines", HelpLine, 0, 0},
    {"show", "", "(shell) draw the open dialog or palette again", ShowLine, 0, 0},
};

// The first row of the table for a line's name; nullptr for a name no line has.
const SessionLineDef* FindLine(const std::string& word) {
    for (const SessionLineDef& def : kSessionLines)
        if (word == def.word) return &def;
    return nullptr;
}

// True for the lines that act in a dialog.
bool IsDialogWord(const std::string& w) {
    const SessionLineDef* def = FindLine(w);
    return def != nullptr && def->handler == DialogLineAtTop;
}

bool ParseDialogLine(const LineCall& call, host::DialogAction& a, std::string& error) {
    const std::vector<std::string>& w = call.w;
    const SessionLineDef* def = &call.def;
    a = host::DialogAction{};
    a.line = call.lineNo;
    if (w[0] == "ok" || w[0] == "cancel") {
        a.kind = w[0] == "ok" ? host::DialogAction::Ok : host::DialogAction::Cancel;
        return w.size() == 1 || (error = UsageError(*def), false);
    }
    int64_t item = 0, n = 0, x = 0, y = 0;
    if (w.size() < 2) return (error = w[0] + " needs an item number or name", false);
    // a word that starts with a letter names an item; the dialog manager finds it in the open dialog
    if (std::isalpha(static_cast<unsigned char>(w[1][0])) != 0) a.itemName = w[1];
    else if (!WholeArg(call, 1, "ITEM", INT16_MIN, INT16_MAX, item, error)) return false;
    a.item = int16_t(item);
    if (w[0] == "set") {
        if (w.size() < 3) return (error = UsageError(*def), false);
        a.kind = host::DialogAction::SetValue;
        a.value = RestAfter(call.line, 2);
        return true;
    }
    if (w[0] == "pick") {
        if (w.size() != 3) return (error = UsageError(*def), false);
        if (!WholeArg(call, 2, "N", INT16_MIN, INT16_MAX, n, error)) return false;
        a.kind = host::DialogAction::Pick;
        a.row = int16_t(n);
        return true;
    }
    a.kind = host::DialogAction::Click;
    if (w.size() == 2) return true;
    if (w.size() != 5) return (error = UsageError(*def), false);
    if (!WholeArg(call, 2, "ROW", INT16_MIN, INT16_MAX, n, error) || !WholeArg(call, 3, "X", INT16_MIN, INT16_MAX, x, error) ||
        !WholeArg(call, 4, "Y", INT16_MIN, INT16_MAX, y, error))
        return false;
    a.row = int16_t(n);
    a.x = int16_t(x);
    a.y = int16_t(y);
    return true;
}

// One row of the list: its name and usage, then what it does from the help column on (after a
// short gap when the usage reaches past the column); each further line of the text indented.
std::string HelpRow(const SessionLineDef& def, const std::string& indent) {
    const std::string head = indent + def.word + (def.usage[0] != 0 ? " " : "") + def.usage;
    const size_t column = indent.size() + kHelpColumn;
    std::vector<std::string> pieces;
    std::istringstream text(def.help);
    for (std::string piece; std::getline(text, piece);) pieces.push_back(piece);
    std::string out = head;
    for (size_t k = 0; k < pieces.size(); ++k) {
        if (pieces[k].empty()) continue;
        if (k > 0) out += "\n" + std::string(column, ' ');
        else out += head.size() < column ? std::string(column - head.size(), ' ') : std::string(3, ' ');
        out += pieces[k];
    }
    return out + "\n";
}

}  // namespace

bool ReadLine(SessionRunner& runner, std::string& line, int& lineNo) {
    if (!runner.pushedBack.empty()) {
        line = runner.pushedBack.front().first;
        lineNo = runner.pushedBack.front().second;
        runner.pushedBack.pop_front();
        return true;
    }
    while (runner.nextLine && runner.nextLine(line, lineNo)) {
        // Lines of white space only (any kind: form feeds and vertical tabs too) and comments are skipped.
        const std::vector<std::string> w = Words(line);
        if (w.empty() || w[0][0] == '#') continue;
        return true;
    }
    return false;
}

void FeedLines(SessionRunner& runner, const std::vector<std::string>& lines) {
    auto next = std::make_shared<size_t>(0);
    runner.nextLine = [&lines, next](std::string& line, int& lineNo) {
        if (*next >= lines.size()) return false;
        line = lines[*next];
        lineNo = int(++*next);
        return true;
    };
}

void InstallDrivers(SessionRunner& runner) {
    host::SetDialogActionSource([&runner](host::DialogAction& action) {
        for (;;) {
            const int16_t dialID = host::TopModalDialogId();
            if (runner.interactive && runner.out != nullptr && runner.pushedBack.empty()) {
                // A person sees a dialog when it opens; "show" draws it again.
                EchoNewMessages(runner);
                const host::OpenDialog* d = host::FindOpenDialog(dialID);
                if (d != nullptr && dialID != runner.shownDialog) *runner.out << host::DumpDialog(*d) << std::flush;
                runner.shownDialog = dialID;
            }
            std::string line;
            int lineNo = 0;
            if (!ReadLine(runner, line, lineNo)) return false;
            const std::vector<std::string> w = Words(line);
            if (w.empty()) continue;  // ReadLine gives none, but a line given back might be one
            if (runner.interactive && (w[0] == "help" || w[0] == "show")) {
                const host::OpenDialog* d = host::FindOpenDialog(dialID);
                if (runner.out != nullptr) *runner.out << (w[0] == "help" ? SessionHelp() : d ? host::DumpDialog(*d) : "");
                continue;
            }
            if (!IsDialogWord(w[0])) {
                runner.pushedBack.emplace_front(line, lineNo);  // not for the dialog: it is cancelled
                return false;
            }
            std::string error;
            if (ParseDialogLine(LineCall{runner, line, w, lineNo, *FindLine(w[0])}, action, error)) return true;
            if (!runner.interactive) {
                // A script's malformed dialog line fails the run at that line; the dialog is cancelled.
                if (runner.driverError.empty()) runner.driverError = "line " + std::to_string(lineNo) + ": " + error;
                return false;
            }
            if (runner.out != nullptr) *runner.out << error << "\n";
        }
    });
    host::SetPointAnswerSource([&runner](const std::string& prompt, host::PointAnswer& answer) {
        for (;;) {
            if (runner.interactive && runner.out != nullptr) *runner.out << prompt << " (point X Y)\n" << std::flush;
            std::string line, error;
            int lineNo = 0;
            if (!ReadLine(runner, line, lineNo)) return false;
            const std::vector<std::string> w = Words(line);
            if (w.empty() || w[0] != "point") {
                runner.pushedBack.emplace_front(line, lineNo);  // the user did something else: a cancel
                return false;
            }
            API_Coord p;
            if (ParsePoint(LineCall{runner, line, w, lineNo, *FindLine("point")}, p, error)) {
                answer = PointAt(p, lineNo);
                return true;
            }
            // A bad point is refused: a person types it again, a script fails at that line (the
            // input is cancelled, so nothing is placed).
            if (!runner.interactive) {
                if (runner.driverError.empty()) runner.driverError = "line " + std::to_string(lineNo) + ": " + error;
                return false;
            }
            if (runner.out != nullptr) *runner.out << error << "\n";
        }
    });
}

void RemoveDrivers() {
    host::SetDialogActionSource(nullptr);
    host::SetPointAnswerSource(nullptr);
}

void EchoNewMessages(SessionRunner& runner) {
    const auto& reports = host::gSession.reportLines;
    const auto& alerts = host::gSession.alerts;
    // Lines and alerts are numbered from the session's start; the host may have let the oldest go.
    const size_t reportBase = host::gSession.reportLinesReleased, alertBase = host::gSession.alertsReleased;
    runner.echoedReports = std::max(runner.echoedReports, reportBase);
    runner.echoedAlerts = std::max(runner.echoedAlerts, alertBase);
    for (; runner.echoedReports < reportBase + reports.size(); ++runner.echoedReports)
        if (runner.out != nullptr) *runner.out << "report: " << reports[runner.echoedReports - reportBase].text << "\n";
    const auto& links = host::gSession.shellOpens;
    for (; runner.echoedLinks < links.size(); ++runner.echoedLinks)
        if (runner.out != nullptr) *runner.out << "open link: " << links[runner.echoedLinks] << "\n";
    for (; runner.echoedAlerts < alertBase + alerts.size(); ++runner.echoedAlerts)
        if (runner.out != nullptr)
            *runner.out << "alert: " << alerts[runner.echoedAlerts - alertBase].title << ": "
                        << alerts[runner.echoedAlerts - alertBase].largeText << "\n";
    if (runner.out != nullptr) runner.out->flush();
}

bool RunLine(SessionRunner& runner, const std::string& line, int lineNo, std::string& error) {
    const std::vector<std::string> w = Words(line);
    if (w.empty() || w[0][0] == '#') return true;
    const SessionLineDef* def = FindLine(w[0]);
    if (def == nullptr) {
        error = "unknown line \"" + w[0] + "\" (try help)";
        return false;
    }
    // "select + ID..." shares its name with "select ...": the first row's counts hold for both.
    const int given = int(w.size()) - 1;
    // too few words, or more than the line takes
    if (given < def->minWords || (def->maxWords != kAny && given > def->maxWords)) {
        error = UsageError(*def);
        return false;
    }
    bool ok = def->handler(LineCall{runner, line, w, lineNo, *def}, error);
    EchoNewMessages(runner);
    std::string problems = DialogProblems();
    if (!runner.driverError.empty()) {
        problems = runner.driverError + (problems.empty() ? "" : "; " + problems);
        runner.driverError.clear();
    }
    if (ok && !problems.empty()) {
        error = problems;
        ok = false;
    }
    return ok;
}

std::string SessionLineList(const std::string& indent) {
    std::string out;
    for (const SessionLineDef& def : kSessionLines) out += HelpRow(def, indent);
    return out;
}

std::string SessionHelp() {
    return "Session lines (# starts a comment; ID = element ID or GUID):\n" + SessionLineList("  ") +
           "Dialog lines given while no dialog is open wait for the next dialog (or act on the open palette).\n";
}

}  // namespace app
