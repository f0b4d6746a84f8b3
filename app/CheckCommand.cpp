// Purpose: the model check in the program: the load options (--no-heal, --units), the reader
// that heals and checks every model the host loads and prints a one-line summary, the `check`
// session line and `tevaro check MODEL` (exit 0 clean, 1 warnings, 2 errors).
#include "app/CheckCommand.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/AppHost.h"
#include "app/Commands.h"
#include "catalogue/Catalogue.h"
#include "Common_src/AddOnEntry.h"
#include "host/AddOnLoader.h"
#include "host/Host.h"
#include "host/ModelFile.h"
#include "import/Texts.h"

namespace app {
namespace {

import::LoadOptions gLoadOptions;
import::ReadOptions gReadOptions;
import::Report gLastReport;

// Exit codes of `tevaro check`.
constexpr int kExitClean = 0, kExitWarnings = 1, kExitErrors = 2;

// The user text of a row of the program's string list 140 (the row number when it is missing).
std::string Row(int row) {
    std::string text;
    if (!host::ResourceString(import::kTextResId, row, text)) text = "#" + std::to_string(row);
    return text;
}

// A number for a user: whole numbers without decimals, others with one or two.
std::string Number(double v) {
    char text[64];
    if (std::fabs(v - std::round(v)) < 1e-9) std::snprintf(text, sizeof text, "%.0f", v);
    else if (std::fabs(v) >= 10) std::snprintf(text, sizeof text, "%.1f", v);
    else std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

// The row's text with %1..%6 replaced by the given values.
std::string Fill(std::string text, const std::vector<std::string>& values) {
    for (size_t k = values.size(); k-- > 0;) {
        const std::string mark = "%" + std::to_string(k + 1);
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + values[k].size()))
            text.replace(at, mark.size(), values[k]);
    }
    return text;
}

// Reads the whole file; false with `error`.
bool ReadWholeFile(const std::string& path, std::string& text, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot open the file";
        return false;
    }
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

// Counts the roofs and walls of a model document.
void CountElements(const import::Json& doc, size_t& roofs, size_t& walls) {
    roofs = walls = 0;
    if (!doc.is_object() || !doc.contains("elements") || !doc["elements"].is_array()) return;
    for (const import::Json& e : doc["elements"]) {
        if (!e.is_object() || !e.contains("type") || !e["type"].is_string()) continue;
        roofs += e["type"] == "roof" ? 1 : 0;
        walls += e["type"] == "wall" ? 1 : 0;
    }
}

// The file name without its folders, for the summary.
std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The check's limit for flat planes: the lowest minimum pitch the tile types of the catalogue
// beside the loaded add-on give, else the fixed limit. Read once, through the program's own copy
// of the add-on's catalogue loader; what that loader reports the add-on has said already at its
// start, so its report lines are taken back.
double FlatPlaneLimit() {
    static bool read = false;
    static double limit = import::kDefaultMinPitchDegrees;
    const std::string& addOn = host::gSession.ownLocation;
    const size_t slash = addOn.rfind('/');
    if (read || slash == std::string::npos) return limit;
    read = true;
    const size_t lines = host::gSession.reportLines.size();
    host::InstallFunctionTable(SetImportedFuncAddrs);
    LoadCatalogueFile((addOn.substr(0, slash + 1) + "Tevaro.ini").c_str());
    const double lowest = LowestTileTypeMinPitch();
    if (lowest > 0) limit = lowest;
    if (host::gSession.reportLines.size() > lines) host::gSession.reportLines.resize(lines);
    return limit;
}

// Reads any format, then judges units, heals and checks; the report is kept as the last one.
bool ReadHealCheck(const std::string& text, const std::string& sourceName, import::Json& doc, std::string& error,
                   size_t& roofs, size_t& walls) {
    gLastReport = import::Report{};
    if (!import::ReadModelDoc(text, sourceName, gReadOptions, doc, gLastReport, error)) return false;
    gLoadOptions.minPitchDegrees = FlatPlaneLimit();
    const bool ok = import::PrepareModelDoc(doc, gLoadOptions, gLastReport);
    CountElements(doc, roofs, walls);
    if (!ok) {
        for (const import::Note& n : gLastReport.notes)
            if (n.severity == import::Severity::Error) {
                error = sourceName + ": " + NoteText(n);
                break;
            }
    }
    return ok;
}

}  // namespace

bool TakeLoadOptions(std::vector<std::string>& args, std::string& error) {
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-heal") {
            gLoadOptions.heal = false;
        } else if (a == "--units") {
            if (i + 1 >= args.size() || !import::ParseUnits(args[i + 1], gLoadOptions)) {
                error = "--units needs cm, mm or m";
                return false;
            }
            ++i;
        } else if (a == "--select") {
            // every following word that is not an option names a building
            while (i + 1 < args.size() && args[i + 1].rfind("--", 0) != 0) gReadOptions.select.push_back(args[++i]);
            if (gReadOptions.select.empty()) {
                error = "--select needs building IDs";
                return false;
            }
        } else if (a == "--bbox") {
            for (int k = 0; k < 4; ++k) {
                char* end = nullptr;
                const char* v = i + 1 < args.size() ? args[i + 1].c_str() : "";
                gReadOptions.box[k] = std::strtod(v, &end);
                if (*v == 0 || *end != 0) {
                    error = "--bbox needs XMIN YMIN XMAX YMAX";
                    return false;
                }
                ++i;
            }
            gReadOptions.hasBox = true;
        } else {
            rest.push_back(a);
        }
    }
    args = rest;
    return true;
}

import::LoadOptions& CurrentLoadOptions() { return gLoadOptions; }
import::ReadOptions& CurrentReadOptions() { return gReadOptions; }
const import::Report& LastLoadReport() { return gLastReport; }

std::string NoteText(const import::Note& note) {
    const int kindRow = note.severity == import::Severity::Info      ? 0
                        : note.severity == import::Severity::Change    ? import::kRowChangeWord
                        : note.severity == import::Severity::Warning ? import::kRowWarningWord
                                                                     : import::kRowErrorWord;
    std::string place;
    if (!note.element.empty()) place += note.element;
    if (note.plane > 0) place += (place.empty() ? "" : ", ") + std::to_string(note.plane) + ". sík";
    if (note.hasAt)
        place += (place.empty() ? "(" : " (") + Number(note.at.x) + "; " + Number(note.at.y) + "; " + Number(note.at.z) + ")";
    const std::string body = Fill(Row(note.row), {Number(note.value), Number(note.value2), note.other});
    return (kindRow == 0 ? "" : Row(kindRow) + ": ") + (place.empty() ? "" : place + ": ") + body;
}

std::string SummaryText(const import::Report& report, const std::string& sourceName, size_t roofs, size_t walls) {
    std::string line = Fill(Row(import::kRowSummary),
                            {std::to_string(roofs), std::to_string(walls), BaseName(sourceName),
                             std::to_string(report.Count(import::Severity::Change)),
                             std::to_string(report.Count(import::Severity::Warning)),
                             std::to_string(report.Count(import::Severity::Error))});
    if (!gLoadOptions.heal) line += " (" + Row(import::kRowNoHeal) + ")";
    return line;
}

void InstallModelReader(std::ostream* out) {
    host::SetModelDocReader([out](const std::string& text, const std::string& sourceName, import::Json& doc,
                                  std::string& error) {
        size_t roofs = 0, walls = 0;
        const bool ok = ReadHealCheck(text, sourceName, doc, error, roofs, walls);
        if (out != nullptr && (ok || !gLastReport.notes.empty()))
            *out << SummaryText(gLastReport, sourceName, roofs, walls) << "\n" << std::flush;
        return ok;
    });
}

void RemoveModelReader() { host::SetModelDocReader(nullptr); }

bool RunCheckLine(std::ostream* out, std::string&) {
    import::Report report;
    for (const import::Note& n : gLastReport.notes)
        if (n.severity == import::Severity::Change) report.notes.push_back(n);
    import::CheckScene(import::SceneFromModel(host::gSession.model), FlatPlaneLimit(), report);
    if (out == nullptr) return true;
    for (const std::string& line : gLastReport.readerLines) *out << line << "\n";
    for (const import::Note& n : report.notes) *out << NoteText(n) << "\n";
    if (report.notes.empty()) *out << Row(import::kRowClean) << "\n";
    return true;
}

}  // namespace app

int RunCheckCommand(int argc, char** argv) {
    app::CommonOptions options;
    std::string error;
    if (!app::ParseCommonOptions(argc, argv, options, error) || !app::TakeLoadOptions(options.rest, error) ||
        options.rest.size() != 1) {
        std::cerr << "usage: tevaro check MODEL [--no-heal] [--units cm|mm] [--addon-folder DIR]\n";
        if (!error.empty()) std::cerr << error << "\n";
        return app::kExitErrors;
    }
    // The host is started for the add-on's user texts, in which the check speaks.
    host::LoadedAddOn addOn;
    if (!app::StartHost(options, addOn, error)) {
        std::cerr << error << "\n";
        return app::kExitErrors;
    }
    const std::string path = options.rest[0];
    std::string text;
    import::Json doc;
    size_t roofs = 0, walls = 0;
    bool loaded = app::ReadWholeFile(path, text, error) && app::ReadHealCheck(text, path, doc, error, roofs, walls);
    import::Report report = app::gLastReport;
    if (loaded) {
        // The loader's own checks (what healing left) decide whether the model opens at all.
        host::Model model;
        app::RemoveModelReader();
        const std::string healed = doc.dump();
        loaded = host::LoadModelText(healed, path, model, error);
    }
    if (!loaded && report.Count(import::Severity::Error) == 0)
        import::AddNote(report, import::Severity::Error, import::kRowLoadFailed, "", 0, nullptr, 0, 0, error);
    for (const import::Note& n : report.notes) std::cout << app::NoteText(n) << "\n";
    std::cout << app::SummaryText(report, path, roofs, walls) << "\n";
    app::StopHost(addOn);
    if (report.Count(import::Severity::Error) > 0) return app::kExitErrors;
    return report.Count(import::Severity::Warning) > 0 ? app::kExitWarnings : app::kExitClean;
}
