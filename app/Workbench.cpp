// Purpose: the workbench's core: the engine thread that runs session lines exactly as `tevaro
// shell` does, and the page's requests (lines, uploads, downloads, state) answered one at a time.
//
// The session-line engine pulls its lines: a modal dialog or a point input the add-on opens reads
// the lines that follow while the command that opened it is still running. So the engine runs on
// a thread of its own and blocks when it wants the next line; a request hands it one line and
// waits until it wants the next again. Then the host is at rest and its state is read.
#include "app/Workbench.h"

#include "app/CheckCommand.h"

#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>

#include <nlohmann/json.hpp>

#include "app/GltfExport.h"
#include "app/PlanSvg.h"
#include "app/QuantitiesCsv.h"
#include "app/SessionLines.h"
#include "app/WorkbenchState.h"
#include "host/DialogManager.h"
#include "host/Host.h"
#include "host/ModelFile.h"
#include "host/PointInput.h"

namespace app::web {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// Rows of the workbench's labels used for refusals.
constexpr int kRowBadLine = 266;
constexpr int kRowBadJson = 267;
constexpr int kRowNotModel = 268;
constexpr int kRowTooLarge = 269;
constexpr int kRowOutside = 270;
constexpr int kRowDialogOpen = 271;
constexpr int kRowForeign = 272;
constexpr size_t kMaxUploadName = 80;  // longest file name an upload keeps
constexpr const char* kScriptType = "application/javascript; charset=utf-8";
constexpr const char* kSvgType = "image/svg+xml; charset=utf-8";
// The page's plan comes in pictures of about this size: the browser builds each picture in one
// task, and a picture of this size takes it a small part of a second.
constexpr size_t kPlanPartBytes = 256u * 1024u;

// ---- The engine thread ----------------------------------------------------------------------

struct Engine {
    std::thread thread;
    std::mutex m;
    std::condition_variable cv;
    std::optional<std::string> pending;  // the line handed to the engine, not yet taken
    bool waiting = false;                // the engine wants the next line: the host is at rest
    bool stopping = false;
    std::string loopError;               // the error of the last line the engine's loop ran
    SessionRunner runner;
    std::ostringstream output;           // what the lines printed (the `edges` listing, echoes)
    int linesTaken = 0;
};

struct Workbench {
    Setup setup;
    host::LoadedAddOn addOn;
    Engine engine;
    std::mutex requests;                 // one request at a time
    std::vector<std::string> recorded;   // the session so far
    std::vector<ShownMessage> messages;  // report lines and alerts, oldest first
    size_t seenReports = 0, seenAlerts = 0;
    uint64_t revision = 1;
    uint64_t planRevision = 1;           // changes only when the plan drawing may have changed
    Json quantities;                     // the project's totals as of plan revision quantitiesRevision
    uint64_t quantitiesRevision = 0;
    std::vector<std::string> planParts;  // the page's plan pictures as of plan revision partsRevision
    uint64_t partsRevision = 0;
    std::string tempFolder;              // downloads are written here, then read back
    bool running = false;
};

Workbench* gBench = nullptr;

// The engine's loop: lines are read and run as the shell runs them; a failing line leaves its error.
void EngineLoop(Engine& engine) {
    std::string line, error;
    int lineNo = 0;
    while (ReadLine(engine.runner, line, lineNo)) {
        if (RunLine(engine.runner, line, lineNo, error)) continue;
        std::lock_guard<std::mutex> lock(engine.m);
        engine.loopError = error;
    }
    std::lock_guard<std::mutex> lock(engine.m);
    engine.waiting = true;
    engine.cv.notify_all();
}

// Hands one line to the engine and waits until it wants the next: the error the line met ("" none).
std::string RunOnEngine(Engine& engine, const std::string& line) {
    std::unique_lock<std::mutex> lock(engine.m);
    engine.loopError.clear();
    engine.pending = line;
    engine.waiting = false;
    engine.cv.notify_all();
    engine.cv.wait(lock, [&] { return engine.waiting && !engine.pending; });
    std::string error = engine.loopError;
    engine.loopError.clear();
    // Problems a dialog met with a line it read (a disabled or missing item) belong to that line.
    for (const std::string& e : host::TakeDialogErrors()) error += (error.empty() ? "" : "; ") + e;
    return error;
}

// ---- Checking a line before the engine sees it ------------------------------------------------

// The words of a line.
std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

// True when the text is a whole number.
bool IsInt(const std::string& s) {
    if (s.empty()) return false;
    char* end = nullptr;
    (void)std::strtol(s.c_str(), &end, 10);
    return *end == 0;
}

// The checks of the dialog lines' words, as the dialog driver reads them.
bool DialogLineWellFormed(const std::vector<std::string>& w) {
    if (w[0] == "ok" || w[0] == "cancel") return w.size() == 1;
    if (w.size() < 2 || !IsInt(w[1])) return false;
    if (w[0] == "set") return w.size() >= 3;
    if (w[0] == "pick") return w.size() == 3 && IsInt(w[2]);
    // click ITEM, or click ITEM ROW X Y
    return w.size() == 2 || (w.size() == 5 && IsInt(w[2]) && IsInt(w[3]) && IsInt(w[4]));
}

// What the workbench knows of each session line: whether it acts in a dialog, whether it names a
// file, whether it only shows something (not recorded).
struct LineRule {
    const char* word;
    bool dialog;
    bool file;
    bool viewOnly;
};
const LineRule kLineRules[] = {
    {"open", false, true, false},        {"select", false, false, false},      {"menu", false, false, false},
    {"set", true, false, false},         {"pick", true, false, false},         {"click", true, false, false},
    {"ok", true, false, false},          {"cancel", true, false, false},       {"point", false, false, false},
    {"edge", false, false, false},       {"drag", false, false, false},        {"move", false, false, false},
    {"delete", false, false, false},     {"finalize", false, false, false},    {"close-palette", false, false, false},
    {"undo", false, false, false},       {"save", false, true, false},         {"svg", false, true, false},
    {"quantities", false, true, false},  {"report", false, true, false},       {"dump-planes", false, true, false},
    {"dump-settings", false, true, false}, {"gltf", false, true, false},       {"edges", false, false, true},
    {"expect-message", false, false, true}, {"expect-count", false, false, true}, {"expect-param", false, false, true},
};

const LineRule* RuleOf(const std::string& word) {
    for (const LineRule& r : kLineRules)
        if (word == r.word) return &r;
    return nullptr;
}

// The text of the line after its first word (a path that may hold spaces).
std::string RestAfterFirst(const std::string& line) {
    const size_t word = line.find_first_not_of(" \t");
    const size_t gap = line.find_first_of(" \t", word);
    if (gap == std::string::npos) return "";
    const size_t start = line.find_first_not_of(" \t", gap);
    if (start == std::string::npos) return "";
    return line.substr(start, line.find_last_not_of(" \t") - start + 1);
}

// True when `path` (relative to the working folder, or absolute) stays inside the working folder.
bool InsideWorkFolder(const std::string& path) {
    std::error_code ec;
    const fs::path root = fs::weakly_canonical(gBench->setup.workFolder, ec);
    const fs::path p = fs::weakly_canonical(fs::path(path).is_absolute() ? fs::path(path) : root / path, ec);
    if (ec) return false;
    const std::string r = root.string(), s = p.string();
    // the path is the folder itself or lies below it
    return s.size() > r.size() && s.compare(0, r.size(), r) == 0 && (r.back() == '/' || s[r.size()] == '/');
}

// Why a line may not run now ("" when it may), and its rule.
std::string RefusalOf(const std::string& line, const LineRule*& rule) {
    rule = nullptr;
    // one line only: a line break or a control character would smuggle in more lines
    for (unsigned char c : line)
        if (c < 0x20 && c != '\t') return Label(kRowBadLine) + ": a line holds no control characters";
    if (line.size() > kMaxLineLength) return Label(kRowBadLine) + ": the line is too long";
    const std::vector<std::string> w = Words(line);
    if (w.empty() || w[0][0] == '#') return Label(kRowBadLine) + ": empty line";
    rule = RuleOf(w[0]);
    if (rule == nullptr) return Label(kRowBadLine) + ": \"" + w[0] + "\"";
    if (rule->dialog && !DialogLineWellFormed(w)) return Label(kRowBadLine) + ": " + line;
    // an open modal dialog takes only its own lines; any other would cancel it unasked
    if (host::TopModalDialogId() != 0 && !rule->dialog) return Label(kRowDialogOpen);
    if (rule->file && !RestAfterFirst(line).empty() && !InsideWorkFolder(RestAfterFirst(line)))
        return Label(kRowOutside) + ": " + RestAfterFirst(line);
    return "";
}

// Moves what the report window and the alerts showed since the last request into the message list.
void CollectMessages() {
    Workbench& b = *gBench;
    const auto& reports = host::gSession.reportLines;
    for (; b.seenReports < reports.size(); ++b.seenReports) b.messages.push_back({reports[b.seenReports].text, "report"});
    const auto& alerts = host::gSession.alerts;
    for (; b.seenAlerts < alerts.size(); ++b.seenAlerts) {
        const host::Alert& a = alerts[b.seenAlerts];
        b.messages.push_back({a.title + (a.title.empty() ? "" : ": ") + a.largeText +
                                  (a.smallText.empty() ? "" : " " + a.smallText), "alert"});
    }
}

// Runs one line from the page: checked, handed to the engine, recorded when it succeeded.
Json RunPageLine(const std::string& line, int& status) {
    const LineRule* rule = nullptr;
    const std::string refusal = RefusalOf(line, rule);
    if (!refusal.empty()) {
        status = 400;
        return {{"ok", false}, {"error", refusal}};
    }
    gBench->engine.output.str("");
    const std::string error = RunOnEngine(gBench->engine, line);
    CollectMessages();
    ++gBench->revision;
    // the plan drawing shows neither the selection nor a dialog's choices: the page keeps the picture
    const bool samePlan = rule->viewOnly || Words(line)[0] == "select" || (rule->dialog && host::TopModalDialogId() != 0);
    if (!samePlan) ++gBench->planRevision;
    Json reply = {{"ok", error.empty()}, {"output", gBench->engine.output.str()}};
    if (!error.empty()) {
        status = 422;
        reply["error"] = error;
        return reply;
    }
    if (!rule->viewOnly) gBench->recorded.push_back(line);
    return reply;
}

// ---- Files ------------------------------------------------------------------------------------

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// A file name made safe: letters, digits, dot, dash and underscore; ".json" at the end.
std::string SafeUploadName(const std::string& given) {
    std::string name;
    for (char c : fs::path(given).filename().string())
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_') name += c;
    if (name.size() > kMaxUploadName) name = name.substr(name.size() - kMaxUploadName);
    while (!name.empty() && name[0] == '.') name.erase(0, 1);
    if (name.empty()) name = "model.json";
    if (name.size() < 5 || name.compare(name.size() - 5, 5, ".json") != 0) name += ".json";
    return name;
}

// ---- Timing ------------------------------------------------------------------------------------

// Milliseconds since the last lap, for the replies' Server-Timing header (the page's tools show it).
struct Stopwatch {
    std::chrono::steady_clock::time_point last = std::chrono::steady_clock::now();
    double Lap() {
        const auto now = std::chrono::steady_clock::now();
        const double ms = std::chrono::duration<double, std::milli>(now - last).count();
        last = now;
        return ms;
    }
};

// A duration in milliseconds as Server-Timing writes it.
std::string Millis(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", ms);
    return text;
}

// ---- Replies ----------------------------------------------------------------------------------

// JSON as text; text that is not UTF-8 is replaced rather than refused.
std::string Dump(const Json& j) { return j.dump(-1, ' ', false, Json::error_handler_t::replace); }

Reply JsonReply(const Json& j, int status = 200) {
    Reply r;
    r.status = status;
    r.body = Dump(j);
    return r;
}

Reply ErrorReply(int status, const std::string& error) { return JsonReply({{"ok", false}, {"error", error}}, status); }

// A file offered for download under `name`.
Reply DownloadReply(const std::string& body, const std::string& type, const std::string& name) {
    Reply r;
    r.body = body;
    r.contentType = type;
    r.headers.emplace_back("Content-Disposition", "attachment; filename=\"" + name + "\"");
    return r;
}

// The state of the session for the page. A page that holds the plan of revision `pagePlan` already
// gets no elements, palette edges or quantities (null): they change only with the plan, and on an
// estate they are most of the state's bytes.
Json StateJson(uint64_t pagePlan = 0) {
    Workbench& b = *gBench;
    const bool samePlan = pagePlan == b.planRevision;
    if (!samePlan && b.quantitiesRevision != b.planRevision) {
        b.quantities = QuantitiesJson();  // the totals measure every surface: counted once a plan
        b.quantitiesRevision = b.planRevision;
    }
    Json messages = Json::array();
    for (auto it = b.messages.rbegin(); it != b.messages.rend(); ++it) messages.push_back({{"text", it->text}, {"kind", it->kind}});
    Json selection = Json::array();
    std::map<std::pair<uint64_t, uint64_t>, const std::string*> ids;
    for (const host::Element& e : host::gSession.model.elements) ids[{e.rec.header.guid.hi, e.rec.header.guid.lo}] = &e.elementId;
    for (const API_Guid& g : host::gSession.model.selection)
        if (const auto it = ids.find({g.hi, g.lo}); it != ids.end()) selection.push_back(*it->second);
    const std::string& prompt = host::ActivePointPrompt();
    return {{"revision", b.revision},
            {"planRevision", b.planRevision},
            {"elements", samePlan ? Json(nullptr) : ElementsJson()},
            {"selection", selection},
            {"dialog", DialogJson(false)},
            {"palette", DialogJson(true)},
            {"edges", samePlan ? Json(nullptr) : EdgesJson()},
            {"point", prompt.empty() ? Json(nullptr) : Json({{"prompt", prompt}})},
            {"messages", messages},
            {"session", b.recorded},
            {"quantities", samePlan ? Json(nullptr) : b.quantities}};
}

// The page's plan pictures of the current plan, drawn once a plan revision.
const std::vector<std::string>& PagePlanParts() {
    Workbench& b = *gBench;
    if (b.partsRevision != b.planRevision) {
        b.planParts = PlanParts(PagePlanSvgText(), kPlanPartBytes);
        b.partsRevision = b.planRevision;
    }
    return b.planParts;
}

// The number attribute `name` of the opening <svg> tag of a picture (0 when missing).
double SheetNumber(const std::string& svg, const std::string& name) {
    const size_t tagEnd = svg.find('>', svg.find("<svg"));
    const size_t at = svg.find(" " + name + "=\"");
    if (at == std::string::npos || at > tagEnd) return 0;
    return std::strtod(svg.c_str() + at + name.size() + 3, nullptr);
}

// GET /api/page-plan: how the page's plan comes: its revision, its parts, and the mapping of
// model to picture the parts share.
Reply PagePlanRequest(const Request&) {
    const std::vector<std::string>& parts = PagePlanParts();
    Json j = {{"revision", gBench->planRevision}, {"parts", parts.size()}};
    for (const char* name : {"width", "height", "data-scale", "data-offx", "data-offy"}) j[name] = SheetNumber(parts[0], name);
    return JsonReply(j);
}

// GET /api/page-plan/K: part K of the page's plan.
Reply PagePlanPartRequest(const Request& rq) {
    const std::vector<std::string>& parts = PagePlanParts();
    const std::string k = rq.path.substr(std::string("/api/page-plan/").size());
    char* end = nullptr;
    const unsigned long part = std::strtoul(k.c_str(), &end, 10);
    if (k.empty() || *end != 0 || part >= parts.size()) return ErrorReply(404, "no part " + k + " of the plan");
    Reply r;
    r.contentType = kSvgType;
    r.body = parts[part];
    return r;
}

// ---- Requests ---------------------------------------------------------------------------------

// True when the request names this server: Host is 127.0.0.1 or localhost at our port, and an
// Origin, when the browser sends one, is this page's own.
bool FromOwnPage(const Request& rq) {
    const std::string port = std::to_string(gBench->setup.port);
    const auto host = rq.headers.find("host");
    if (host == rq.headers.end() || (host->second != "127.0.0.1:" + port && host->second != "localhost:" + port)) return false;
    const auto origin = rq.headers.find("origin");
    // no Origin: a top-level navigation or a same-origin GET; any other must be this page's
    if (origin != rq.headers.end() && origin->second != "http://127.0.0.1:" + port && origin->second != "http://localhost:" + port)
        return false;
    const auto site = rq.headers.find("sec-fetch-site");
    return site == rq.headers.end() || site->second != "cross-site";
}

// The MIME type of an asset by its extension. Large texts are named so that the HTTP layer sends
// them as they are: it would compress scripts ("text/...") and bare "image/svg+xml" at brotli's
// slowest setting, which takes minutes for three.js or an estate's plan on a loopback link.
std::string AssetType(const std::string& path) {
    static const std::map<std::string, std::string> kTypes = {
        {".html", "text/html; charset=utf-8"}, {".js", kScriptType}, {".mjs", kScriptType},
        {".css", "text/css; charset=utf-8"}, {".svg", kSvgType}, {".png", "image/png"}, {".json", "application/json"},
        {".woff2", "font/woff2"}, {".ico", "image/x-icon"}};
    const auto it = kTypes.find(fs::path(path).extension().string());
    return it == kTypes.end() ? "" : it->second;
}

// A file of the page's assets; 404 for anything else (no path leaves the asset folder).
Reply AssetReply(const std::string& urlPath) {
    // an asset's path is absolute (a request line may carry none at all)
    const bool absolute = !urlPath.empty() && urlPath[0] == '/';
    const std::string rel = !absolute ? "" : urlPath == "/" ? "index.html" : urlPath.substr(1);
    bool plain = !rel.empty() && rel.find("..") == std::string::npos && rel[0] != '/';
    for (char c : rel) plain = plain && (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_' || c == '/');
    Reply r;
    const std::string type = AssetType(rel);
    if (!plain || type.empty() || !ReadWholeFile(gBench->setup.webFolder + "/" + rel, r.body)) return ErrorReply(404, "no such page: " + urlPath);
    r.contentType = type;
    return r;
}

// POST /api/line {"line": "..."}: one session line.
Reply LineRequest(const Request& rq) {
    const Json body = Json::parse(rq.body, nullptr, false);
    if (body.is_discarded() || !body.is_object() || !body.contains("line") || !body["line"].is_string())
        return ErrorReply(400, Label(kRowBadJson));
    int status = 200;
    Stopwatch clock;
    Json reply = RunPageLine(body["line"].get<std::string>(), status);
    const double engineMs = clock.Lap();
    reply["state"] = StateJson(body.contains("plan") && body["plan"].is_number_unsigned() ? body["plan"].get<uint64_t>() : 0);
    const double stateMs = clock.Lap();
    Reply r = JsonReply(reply, status);
    r.headers.emplace_back("Server-Timing", "engine;dur=" + Millis(engineMs) + ", state;dur=" + Millis(stateMs) +
                                                ", json;dur=" + Millis(clock.Lap()));
    return r;
}

// POST /api/upload?name=FILE: a model file, kept in the working folder's uploads/ and opened.
Reply UploadRequest(const Request& rq) {
    if (rq.body.size() > kUploadLimitBytes) return ErrorReply(413, Label(kRowTooLarge));
    const Json model = Json::parse(rq.body, nullptr, false);
    // a model file is a JSON object with its elements
    if (model.is_discarded() || !model.is_object() || !model.contains("elements") || !model["elements"].is_array())
        return ErrorReply(400, Label(kRowNotModel));
    if (host::TopModalDialogId() != 0) return ErrorReply(409, Label(kRowDialogOpen));
    const auto given = rq.query.find("name");
    const std::string name = SafeUploadName(given == rq.query.end() ? "" : given->second);
    std::error_code ec;
    const fs::path folder = fs::path(gBench->setup.workFolder) / "uploads";
    fs::create_directories(folder, ec);
    // a new name when a different file of that name is there already: older sessions still replay
    std::string rel = "uploads/" + name, existing;
    for (int k = 2; ReadWholeFile(gBench->setup.workFolder + "/" + rel, existing) && existing != rq.body; ++k)
        rel = "uploads/" + name.substr(0, name.size() - 5) + "-" + std::to_string(k) + ".json";
    {
        std::ofstream out(gBench->setup.workFolder + "/" + rel, std::ios::binary);
        out << rq.body;
        if (!out) return ErrorReply(500, "cannot write " + rel + " in the working folder");
    }
    int status = 200;
    Json reply = RunPageLine("open " + rel, status);
    if (status != 200) {
        fs::remove(gBench->setup.workFolder + "/" + rel, ec);
        reply["error"] = Label(kRowNotModel) + ": " + reply.value("error", std::string());
        status = 400;
    }
    reply["state"] = StateJson();
    return JsonReply(reply, status);
}

// The recorded session as a script `tevaro run` replays: model paths made absolute so it runs
// from wherever it is saved.
std::string SessionScript() {
    std::string s = "# Tevaro session recorded by the workbench\n";
    for (const std::string& line : gBench->recorded) {
        const std::vector<std::string> w = Words(line);
        if (w[0] == "open" && !fs::path(RestAfterFirst(line)).is_absolute())
            s += "open " + (fs::path(gBench->setup.workFolder) / RestAfterFirst(line)).lexically_normal().string() + "\n";
        else
            s += line + "\n";
    }
    return s;
}

// GET /api/download/NAME: the saved model, the plan, the quantities or the session.
Reply DownloadRequest(const std::string& name) {
    const std::string temp = gBench->tempFolder + "/" + name;
    std::string error, body;
    if (name == "session.tvs") return DownloadReply(SessionScript(), "text/plain; charset=utf-8", name);
    if (name == "plan.svg") return DownloadReply(PlanSvgText(), kSvgType, name);
    if (name == "model.gltf") return DownloadReply(GltfText(), "model/gltf+json", name);
    bool ok = false;
    if (name == "model.json") ok = host::SaveModelFile(temp, host::gSession.model, error);
    else if (name == "quantities.csv") ok = WriteQuantitiesCsv(temp, error);
    else return ErrorReply(404, "no download " + name);
    if (!ok || !ReadWholeFile(temp, body)) return ErrorReply(500, error.empty() ? "cannot read " + name : error);
    std::error_code ec;
    fs::remove(temp, ec);
    return DownloadReply(body, name == "model.json" ? "application/json" : "text/csv; charset=utf-8", name);
}

// One route: method, path (a prefix when it ends with '/'), handler.
struct Route {
    const char* method;
    const char* path;
    std::function<Reply(const Request&)> handler;
};

const std::vector<Route>& Routes() {
    static const std::vector<Route> kRoutes = {
        {"GET", "/api/state", [](const Request& rq) {
             // a tab that has this revision already gets only the number
             const auto since = rq.query.find("since");
             if (since != rq.query.end() && since->second == std::to_string(gBench->revision)) return JsonReply({{"revision", gBench->revision}});
             const auto plan = rq.query.find("plan");
             return JsonReply(StateJson(plan != rq.query.end() ? std::strtoull(plan->second.c_str(), nullptr, 10) : 0));
         }},
        {"GET", "/api/labels", [](const Request&) { return JsonReply(LabelsJson()); }},
        {"GET", "/api/edge-types", [](const Request&) { return JsonReply(EdgeTypesJson()); }},
        {"GET", "/api/plan.svg", [](const Request&) {
             Reply r;
             r.contentType = kSvgType;
             r.body = PlanSvgText();
             return r;
         }},
        {"GET", "/api/page-plan", PagePlanRequest},
        {"GET", "/api/page-plan/", PagePlanPartRequest},
        {"GET", "/api/model.gltf", [](const Request&) {
             Reply r;
             r.contentType = "model/gltf+json";
             r.body = GltfText();
             return r;
         }},
        {"GET", "/api/download/", [](const Request& rq) { return DownloadRequest(rq.path.substr(std::string("/api/download/").size())); }},
        {"POST", "/api/line", LineRequest},
        {"POST", "/api/upload", UploadRequest},
    };
    return kRoutes;
}

// The route a request takes; null when none.
const Route* RouteOf(const Request& rq) {
    for (const Route& r : Routes()) {
        const std::string path = r.path;
        // a path ending in '/' takes everything below it
        const bool match = path.back() == '/' ? rq.path.compare(0, path.size(), path) == 0 && rq.path.size() > path.size()
                                              : rq.path == path;
        if (match && rq.method == r.method) return &r;
    }
    return nullptr;
}

}  // namespace

bool StartWorkbench(const Setup& setup, std::string& error) {
    if (gBench != nullptr) { error = "the workbench runs already"; return false; }
    std::error_code ec;
    const fs::path work = fs::weakly_canonical(setup.workFolder.empty() ? "." : setup.workFolder, ec);
    if (ec || !fs::is_directory(work)) { error = "the working folder " + setup.workFolder + " is not a folder"; return false; }
    gBench = new Workbench;
    Workbench& b = *gBench;
    b.setup = setup;
    b.setup.workFolder = work.string();
    char pattern[] = "/tmp/tevaro-serve-XXXXXX";
    if (mkdtemp(pattern) == nullptr) { error = "cannot make a temporary folder"; StopWorkbench(); return false; }
    b.tempFolder = pattern;
    if (!StartHost(setup.common, b.addOn, error)) { StopWorkbench(); return false; }
    b.running = true;
    Engine& engine = b.engine;
    engine.runner.inputFolder = b.setup.workFolder;
    engine.runner.outputFolder = b.setup.workFolder;
    engine.runner.out = &engine.output;
    engine.runner.nextLine = [&engine](std::string& line, int& lineNo) {
        std::unique_lock<std::mutex> lock(engine.m);
        engine.waiting = true;
        engine.cv.notify_all();
        engine.cv.wait(lock, [&] { return engine.pending.has_value() || engine.stopping; });
        if (engine.stopping && !engine.pending) return false;
        line = *engine.pending;
        engine.pending.reset();
        engine.waiting = false;
        lineNo = ++engine.linesTaken;
        return true;
    };
    InstallDrivers(engine.runner);
    InstallModelReader(engine.runner.out);
    engine.thread = std::thread(EngineLoop, std::ref(engine));
    {
        std::unique_lock<std::mutex> lock(engine.m);
        engine.cv.wait(lock, [&] { return engine.waiting; });
    }
    if (!setup.model.empty()) {
        const fs::path model = fs::weakly_canonical(setup.model, ec);
        const std::string rel = model.lexically_relative(work).string();
        // a model inside the working folder is named relative to it, so the session moves with the folder
        const std::string name = !rel.empty() && rel.compare(0, 2, "..") != 0 ? rel : model.string();
        std::lock_guard<std::mutex> lock(b.requests);
        const std::string err = RunOnEngine(engine, "open " + name);
        CollectMessages();
        if (!err.empty()) { error = err; StopWorkbench(); return false; }
        b.recorded.push_back("open " + name);
    }
    return true;
}

void SetWorkbenchPort(int port) {
    if (gBench != nullptr) gBench->setup.port = port;
}

Reply HandleRequest(const Request& rq) {
    if (gBench == nullptr) return ErrorReply(503, "the workbench is not running");
    std::lock_guard<std::mutex> lock(gBench->requests);
    if (!FromOwnPage(rq)) return ErrorReply(403, Label(kRowForeign));
    if (const Route* route = RouteOf(rq)) {
        Stopwatch clock;
        Reply reply = route->handler(rq);
        reply.headers.emplace_back("Server-Timing", "total;dur=" + Millis(clock.Lap()));
        return reply;
    }
    if (rq.method == "GET" && rq.path.compare(0, 5, "/api/") != 0) return AssetReply(rq.path);
    return ErrorReply(rq.path.compare(0, 5, "/api/") == 0 ? 404 : 405, "no such request: " + rq.method + " " + rq.path);
}

void StopWorkbench() {
    if (gBench == nullptr) return;
    Workbench& b = *gBench;
    if (b.engine.thread.joinable()) {
        {
            std::lock_guard<std::mutex> lock(b.engine.m);
            b.engine.stopping = true;
            b.engine.cv.notify_all();
        }
        b.engine.thread.join();
    }
    if (b.running) {
        RemoveDrivers();
        RemoveModelReader();
        StopHost(b.addOn);
    }
    std::error_code ec;
    if (!b.tempFolder.empty()) fs::remove_all(b.tempFolder, ec);
    delete gBench;
    gBench = nullptr;
}

std::vector<std::string> RecordedLines() { return gBench != nullptr ? gBench->recorded : std::vector<std::string>{}; }

}  // namespace app::web
