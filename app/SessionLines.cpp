// Purpose: the session lines: parsing, running, and the dialog and point-input drivers.
#include "app/SessionLines.h"

#include "app/EdgeList.h"
#include "app/GltfExport.h"
#include "app/PlaneDump.h"
#include "app/PlanSvg.h"

#include <cmath>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>

#include "app/QuantitiesCsv.h"
#include "host/AddOnLoader.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/LibPartScripts.h"
#include "host/ModelFile.h"
#include "host/ParamLists.h"
#include "host/PointInput.h"

namespace app {
namespace {

constexpr int16_t kMessageTableResId = 130;

const std::map<std::string, int16_t> kMenus = {
    {"place-tiles", 32500},           {"place-accessories", 32501}, {"place-solar-collector", 32502},
    {"place-solar-panel", 32503},     {"delete-accessories", 32504},
};

// The words of a line.
std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    std::string s;
    while (in >> s) w.push_back(s);
    return w;
}

// The text of the line after its first `n` words (a path or a value that may hold spaces).
std::string RestAfter(const std::string& line, size_t n) {
    size_t at = 0;
    for (size_t k = 0; k < n; ++k) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string::npos) return "";
        at = line.find_first_of(" \t", at);
        if (at == std::string::npos) return "";
    }
    const size_t start = line.find_first_not_of(" \t", at);
    if (start == std::string::npos) return "";
    size_t end = line.find_last_not_of(" \t\r");
    return line.substr(start, end - start + 1);
}

// Reads a whole number; false when the text is not one.
bool ToInt(const std::string& s, long& v) {
    if (s.empty()) return false;
    char* end = nullptr;
    v = std::strtol(s.c_str(), &end, 10);
    return *end == 0;
}

// Reads a number; false when the text is not one.
bool ToDouble(const std::string& s, double& v) {
    if (s.empty()) return false;
    char* end = nullptr;
    v = std::strtod(s.c_str(), &end);
    return *end == 0;
}

// A path relative to `folder` unless it is absolute.
std::string Resolve(const std::string& folder, const std::string& path) {
    if (path.empty() || path[0] == '/' || folder.empty()) return path;
    return folder + "/" + path;
}

// True for the lines that act in a dialog.
bool IsDialogWord(const std::string& w) {
    return w == "set" || w == "pick" || w == "click" || w == "ok" || w == "cancel";
}

// Parses a dialog line (set, pick, click, ok, cancel) into an action.
bool ParseDialogLine(const std::string& line, int lineNo, host::DialogAction& a, std::string& error) {
    const std::vector<std::string> w = Words(line);
    a = host::DialogAction{};
    a.line = lineNo;
    long item = 0, n = 0, x = 0, y = 0;
    if (w[0] == "ok" || w[0] == "cancel") {
        a.kind = w[0] == "ok" ? host::DialogAction::Ok : host::DialogAction::Cancel;
        return w.size() == 1 || (error = w[0] + " takes nothing more", false);
    }
    if (w.size() < 2 || !ToInt(w[1], item)) {
        error = w[0] + " needs an item number";
        return false;
    }
    a.item = int16_t(item);
    if (w[0] == "set") {
        if (w.size() < 3) { error = "set needs ITEM VALUE"; return false; }
        a.kind = host::DialogAction::SetValue;
        a.value = RestAfter(line, 2);
        return true;
    }
    if (w[0] == "pick") {
        if (w.size() != 3 || !ToInt(w[2], n)) { error = "pick needs ITEM N"; return false; }
        a.kind = host::DialogAction::Pick;
        a.row = int16_t(n);
        return true;
    }
    a.kind = host::DialogAction::Click;
    if (w.size() == 2) return true;
    if (w.size() != 5 || !ToInt(w[2], n) || !ToInt(w[3], x) || !ToInt(w[4], y)) {
        error = "click needs ITEM or ITEM ROW X Y";
        return false;
    }
    a.row = int16_t(n);
    a.x = int16_t(x);
    a.y = int16_t(y);
    return true;
}

// Reads "point X Y".
bool ParsePointLine(const std::string& line, API_Coord& p, std::string& error) {
    const std::vector<std::string> w = Words(line);
    if (w.size() != 3 || !ToDouble(w[1], p.x) || !ToDouble(w[2], p.y)) {
        error = "point needs X Y";
        return false;
    }
    return true;
}

// The answer of a "point" line: the cursor reaches the point, then the user clicks there.
host::PointAnswer PointAt(const API_Coord& p, int lineNo) {
    host::PointAnswer answer;
    answer.cursorMoves = {p};
    answer.point = p;
    answer.line = lineNo;
    return answer;
}

// Every error the dialog manager collected, joined; empty when none.
std::string DialogProblems() {
    std::string all;
    for (const std::string& e : host::TakeDialogErrors()) all += (all.empty() ? "" : "; ") + e;
    return all;
}

// Runs a "select" line.
bool SelectLine(const std::vector<std::string>& w, std::string& error) {
    auto& sel = host::gSession.model.selection;
    if (w.size() < 2) { error = "select needs all, roofs, walls, fills, objects, none or element IDs"; return false; }
    const std::map<std::string, API_ElemTypeID> kinds = {
        {"roofs", API_RoofID}, {"walls", API_WallID}, {"fills", API_HatchID}, {"objects", API_ObjectID}};
    if (w.size() == 2 && (w[1] == "all" || w[1] == "none" || kinds.count(w[1]) != 0)) {
        sel.clear();
        for (const host::Element& e : host::gSession.model.elements)
            if (w[1] == "all" || (w[1] != "none" && e.rec.header.typeID == kinds.at(w[1]))) sel.push_back(e.rec.header.guid);
        return true;
    }
    const bool add = w[1] == "+";
    std::vector<API_Guid> chosen;
    for (size_t k = add ? 2 : 1; k < w.size(); ++k) {
        const host::Element* e = host::FindElementByText(w[k]);
        if (e == nullptr) { error = "no element " + w[k]; return false; }
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

// Writes the report window's lines to a file.
bool WriteReportFile(const std::string& path, std::string& error) {
    std::ofstream out(path, std::ios::binary);
    if (!out) { error = "cannot write " + path; return false; }
    for (const host::ReportLine& r : host::gSession.reportLines) out << r.text << "\n";
    return bool(out) || (error = "cannot write " + path, false);
}

// A dialog or palette line given at the top level: the palette takes it, else the next dialog.
bool DialogLineAtTop(const std::string& line, int lineNo, std::string& error) {
    host::DialogAction a;
    if (!ParseDialogLine(line, lineNo, a, error)) return false;
    if (host::OpenPaletteId() != 0) return host::ApplyToPalette(a, error);
    host::QueueDialogAction(a);
    return true;
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
        const size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == '#') continue;
        return true;
    }
    return false;
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
            if (ParseDialogLine(line, lineNo, action, error)) return true;
            if (!runner.interactive) {
                // A script's malformed dialog line fails the run at that line; the dialog is cancelled.
                if (runner.driverError.empty()) runner.driverError = "line " + std::to_string(lineNo) + ": " + error;
                return false;
            }
            if (runner.out != nullptr) *runner.out << error << "\n";
        }
    });
    host::SetPointAnswerSource([&runner](const std::string& prompt, host::PointAnswer& answer) {
        if (runner.interactive && runner.out != nullptr) *runner.out << prompt << " (point X Y)\n" << std::flush;
        std::string line, error;
        int lineNo = 0;
        if (!ReadLine(runner, line, lineNo)) return false;
        API_Coord p;
        if (Words(line)[0] != "point" || !ParsePointLine(line, p, error)) {
            runner.pushedBack.emplace_front(line, lineNo);  // the user did something else: a cancel
            return false;
        }
        answer = PointAt(p, lineNo);
        return true;
    });
}

void RemoveDrivers() {
    host::SetDialogActionSource(nullptr);
    host::SetPointAnswerSource(nullptr);
}

void EchoNewMessages(SessionRunner& runner) {
    const auto& reports = host::gSession.reportLines;
    const auto& alerts = host::gSession.alerts;
    for (; runner.echoedReports < reports.size(); ++runner.echoedReports)
        if (runner.out != nullptr) *runner.out << "report: " << reports[runner.echoedReports].text << "\n";
    const auto& links = host::gSession.shellOpens;
    for (; runner.echoedLinks < links.size(); ++runner.echoedLinks)
        if (runner.out != nullptr) *runner.out << "open link: " << links[runner.echoedLinks] << "\n";
    for (; runner.echoedAlerts < alerts.size(); ++runner.echoedAlerts)
        if (runner.out != nullptr)
            *runner.out << "alert: " << alerts[runner.echoedAlerts].title << ": " << alerts[runner.echoedAlerts].largeText
                        << "\n";
    if (runner.out != nullptr) runner.out->flush();
}

bool RunLine(SessionRunner& runner, const std::string& line, int lineNo, std::string& error) {
    const std::vector<std::string> w = Words(line);
    if (w.empty() || w[0][0] == '#') return true;
    const std::string& cmd = w[0];
    bool ok = true;
    if (IsDialogWord(cmd)) {
        ok = DialogLineAtTop(line, lineNo, error);
    } else if (cmd == "open") {
        const std::string path = Resolve(runner.inputFolder, RestAfter(line, 1));
        host::Model model;
        ok = !path.empty() && host::LoadModelFile(path, model, error);
        if (path.empty()) error = "open needs a model file";
        if (ok) {
            host::gSession.model = std::move(model);
            host::gSession.undoSteps.clear();
            host::ResolveLibPartIndices();
        }
    } else if (cmd == "select") {
        ok = SelectLine(w, error);
    } else if (cmd == "menu") {
        long number = 0;
        int16_t menu = 0;
        if (w.size() == 2 && kMenus.count(w[1]) != 0) menu = kMenus.at(w[1]);
        else if (w.size() == 2 && ToInt(w[1], number)) menu = int16_t(number);
        if (menu == 0) {
            error = "menu needs place-tiles, place-accessories, place-solar-collector, place-solar-panel or delete-accessories";
            return false;
        }
        const GSErrCode err = host::ChooseMenuItem(menu);
        if (err == APIERR_BADID) { error = "the add-on has no handler for menu " + std::to_string(menu); return false; }
        if (err != NoError && runner.out != nullptr) *runner.out << "menu " << w[1] << " answered " << err << "\n";
    } else if (cmd == "point") {
        API_Coord p;
        ok = ParsePointLine(line, p, error);
        if (ok) host::QueuePointAnswer(PointAt(p, lineNo));
    } else if (cmd == "undo") {
        ok = host::UndoLastStep();
        if (!ok) error = "nothing to undo";
    } else if (cmd == "save" || cmd == "report") {
        const std::string file = RestAfter(line, 1);
        if (file.empty()) { error = cmd + " needs a file"; return false; }
        const std::string path = Resolve(runner.outputFolder, file);
        ok = cmd == "save" ? host::SaveModelFile(path, host::gSession.model, error) : WriteReportFile(path, error);
    } else if (cmd == "svg" || cmd == "dump-planes" || cmd == "dump-settings") {
        const std::string file = RestAfter(line, 1);
        if (file.empty()) { error = cmd + " needs a file"; return false; }
        const std::string path = Resolve(runner.outputFolder, file);
        ok = cmd == "svg"           ? WritePlanSvg(path, error)
             : cmd == "dump-planes" ? WritePlaneDump(path, error)
                                    : WriteSettingsDump(path, error);
    } else if (cmd == "quantities") {
        // quantities FILE: the tile surfaces' and ridges' quantities as CSV, project totals last.
        const std::string file = RestAfter(line, 1);
        if (file.empty()) { error = "quantities needs a file"; return false; }
        ok = WriteQuantitiesCsv(Resolve(runner.outputFolder, file), error);
    } else if (cmd == "expect-message") {
        long row = 0;
        std::string text;
        if (w.size() != 2 || !ToInt(w[1], row)) { error = "expect-message needs a message row"; return false; }
        if (!host::ResourceString(kMessageTableResId, int32_t(row), text)) {
            error = "the add-on's message table has no row " + w[1];
            return false;
        }
        ok = host::ShownTextIsMessage(host::gSession.lastMessage, text);
        if (!ok)
            error = "expected message " + w[1] + " (\"" + text + "\"), the last message shown was \"" +
                    host::gSession.lastMessage + "\"";
    } else if (cmd == "expect-count") {
        long wanted = 0;
        const std::map<std::string, API_ElemTypeID> kinds = {
            {"roofs", API_RoofID}, {"walls", API_WallID}, {"fills", API_HatchID}, {"objects", API_ObjectID}};
        const bool known = w.size() == 3 && (w[1] == "all" || w[1] == "selected" || kinds.count(w[1]) != 0);
        if (!known || !ToInt(w[2], wanted)) { error = "expect-count needs all|roofs|walls|fills|objects|selected N"; return false; }
        size_t n = 0;
        if (w[1] == "selected") n = host::gSession.model.selection.size();
        for (const host::Element& e : host::gSession.model.elements)
            n += w[1] == "all" || (kinds.count(w[1]) != 0 && e.rec.header.typeID == kinds.at(w[1])) ? 1 : 0;
        ok = n == size_t(wanted);
        if (!ok) error = "expected " + w[2] + " " + w[1] + ", there are " + std::to_string(n);
    } else if (cmd == "expect-param") {
        // expect-param ID NAME VALUE: the object's parameter (its first value) is VALUE, a number
        // compared within 1e-9 or a text compared exactly.
        if (w.size() < 4) { error = "expect-param needs ID NAME VALUE"; return false; }
        const host::Element* e = host::FindElementByText(w[1]);
        if (e == nullptr) { error = "no element " + w[1]; return false; }
        const host::ParamValue* p = host::FindParam(e->params, w[2]);
        if (p == nullptr) { error = w[1] + " has no parameter " + w[2]; return false; }
        const std::string wanted = RestAfter(line, 3);
        double number = 0;
        std::string shown;
        if (host::IsTextParam(*p)) {
            shown = p->texts.empty() ? "" : host::Utf16ToUtf8(p->texts[0]);
            ok = shown == wanted;
        } else {
            const double value = p->numbers.empty() ? 0.0 : p->numbers[0];
            shown = std::to_string(value);
            ok = ToDouble(wanted, number) && std::fabs(value - number) <= 1e-9;
        }
        if (!ok) error = w[1] + " " + w[2] + " is " + shown + ", not " + wanted;
    } else if (cmd == "finalize" || cmd == "close-palette") {
        host::DialogAction a;
        a.kind = host::DialogAction::Click;
        a.item = cmd == "finalize" ? 1 : DG_CLOSEBOX;
        a.line = lineNo;
        ok = host::ApplyToPalette(a, error);
    } else if (cmd == "edge" || cmd == "drag") {
        long group = 0, edge = 0, type = 0;
        double dx = 0, dy = 0;
        const bool edgeArgs = cmd == "edge" && w.size() == 4 && ToInt(w[1], group) && ToInt(w[2], edge) && ToInt(w[3], type);
        const bool dragArgs = cmd == "drag" && w.size() == 5 && ToInt(w[1], group) && ToInt(w[2], edge) &&
                              ToDouble(w[3], dx) && ToDouble(w[4], dy);
        if (!edgeArgs && !dragArgs) { error = cmd == "edge" ? "edge needs GROUP EDGE TYPE" : "drag needs GROUP EDGE DX DY"; return false; }
        host::Element* setter = host::FindEdgeSetter(int(group));
        if (setter == nullptr) { error = "no edge setter of group " + w[1]; return false; }
        ok = edgeArgs ? host::SetEdgeSetterEdgeType(*setter, int(edge), int(type), error)
                      : host::DragEdgeSetterHotspot(*setter, int(edge), dx, dy, error);
    } else if (cmd == "move" || cmd == "delete") {
        double dx = 0, dy = 0;
        if ((cmd == "move" && (w.size() != 4 || !ToDouble(w[2], dx) || !ToDouble(w[3], dy))) ||
            (cmd == "delete" && w.size() != 2)) {
            error = cmd == "move" ? "move needs ID DX DY" : "delete needs ID";
            return false;
        }
        host::Element* e = host::FindElementByText(w[1]);
        if (e == nullptr) { error = "no element " + w[1]; return false; }
        host::BeginUndoStep();
        if (cmd == "move") {
            MoveElement(*e, dx, dy);
        } else {
            const API_Guid g = e->rec.header.guid;
            auto& elems = host::gSession.model.elements;
            for (size_t k = 0; k < elems.size(); ++k)
                if (elems[k].rec.header.guid == g) { elems.erase(elems.begin() + long(k)); break; }
            auto& sel = host::gSession.model.selection;
            for (size_t k = 0; k < sel.size(); ++k)
                if (sel[k] == g) { sel.erase(sel.begin() + long(k)); break; }
        }
    } else if (cmd == "edges") {
        ok = RunEdgesLine(runner, line, error);
    } else if (cmd == "gltf") {
        ok = RunGltfLine(runner, line, error);
    } else if (cmd == "help") {
        if (runner.out != nullptr) *runner.out << SessionHelp();
    } else if (cmd == "show") {
        const host::OpenDialog* palette = host::FindOpenDialog(host::OpenPaletteId());
        if (runner.out != nullptr) *runner.out << (palette != nullptr ? host::DumpDialog(*palette) : "no palette is open\n");
    } else {
        error = "unknown line \"" + cmd + "\" (try help)";
        return false;
    }
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

std::string SessionHelp() {
    return "Session lines (# starts a comment; ID = element ID or GUID):\n"
           "  open MODEL.json                     load a model\n"
           "  select all|roofs|walls|fills|objects|none|ID...   replace the selection\n"
           "  select + ID...                      add to the selection\n"
           "  menu place-tiles|place-accessories|place-solar-collector|place-solar-panel|delete-accessories\n"
           "  set ITEM VALUE                      in the dialog: an item's value\n"
           "  pick ITEM N                         in the dialog: entry N of a pop-up or list\n"
           "  click ITEM [ROW X Y]                in the dialog: click an item (a list row at X,Y)\n"
           "  ok | cancel                         close the dialog with OK / Cancel\n"
           "  point X Y                           answer the point input\n"
           "  edge GROUP EDGE TYPE                set an edge type on an edge setter\n"
           "  drag GROUP EDGE DX DY               drag an edge setter's palette hotspot\n"
           "  move ID DX DY | delete ID           move / delete an element by hand\n"
           "  finalize | close-palette            the edge palette's button / close control\n"
           "  edges [GROUP]                       list the setters' edges: number, type, length, end points\n"
           "  undo\n"
           "  save FILE | report FILE             write the model / the report window\n"
           "  quantities FILE                     write the quantities as CSV (element, item, code, quantity, unit)\n"
           "  svg FILE | dump-planes FILE         write the plan drawing / the add-on's roof model (JSON)\n"
           "  dump-settings FILE                  write the add-on's current tile settings (JSON)\n"
           "  gltf FILE                           write the project as a glTF 2.0 scene for 3D viewers\n"
           "  expect-message N                    fail unless message N was the last one shown\n"
           "  expect-count all|roofs|walls|fills|objects|selected N   fail unless there are N of them\n"
           "  expect-param ID NAME VALUE          fail unless the object's parameter has that value\n"
           "  show                                (shell) draw the open dialog or palette again\n"
           "Dialog lines given while no dialog is open wait for the next dialog (or act on the open palette).\n";
}

}  // namespace app
