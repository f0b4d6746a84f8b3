// Purpose: `tevaro serve` answering requests over HTTP as a browser (or a hostile page) sends them:
// only its own page may drive it, bad lines, malformed JSON, bad or oversized uploads and paths
// outside the working folder are refused with a clear error and change nothing, a taken port is
// named, and the `edges` listing agrees with the palette's edges.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "common/AddOnFixture.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
constexpr size_t kUploadLimit = 50u * 1024u * 1024u;  // the model import limit the server keeps
constexpr int kStartWaitMs = 15000;

// A running `tevaro serve` on a free port with a working folder of its own.
struct Server {
    pid_t pid = -1;
    int port = 0;
    fs::path work;
    std::string firstOutput;
};

// Starts the server on `port` (0: a free one) and reads the address it prints.
Server Start(const fs::path& work, int port = 0, int* exitStatus = nullptr) {
    Server s;
    s.work = work;
    int out[2];
    if (pipe(out) != 0) return s;
    s.pid = fork();
    if (s.pid == 0) {
        dup2(out[1], 1);
        dup2(out[1], 2);
        close(out[0]);
        const std::string tevaro = tevaro_test::BuildPath("tevaro"), portText = std::to_string(port);
        if (chdir(work.c_str()) != 0) _exit(9);
        execl(tevaro.c_str(), tevaro.c_str(), "serve", "house.json", "--port", portText.c_str(), "--work", work.c_str(),
              static_cast<char*>(nullptr));
        _exit(9);
    }
    close(out[1]);
    char buffer[512];
    const std::regex address("http://127\\.0\\.0\\.1:([0-9]+)/");
    for (int waited = 0; waited < kStartWaitMs; waited += 10) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        s.firstOutput.append(buffer, size_t(n));
        std::smatch m;
        if (std::regex_search(s.firstOutput, m, address)) {
            s.port = std::stoi(m[1]);
            break;
        }
    }
    close(out[0]);
    if (s.port == 0 && exitStatus != nullptr) {
        int status = 0;
        waitpid(s.pid, &status, 0);
        *exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        s.pid = -1;
    }
    return s;
}

void Stop(Server& s) {
    if (s.pid <= 0) return;
    kill(s.pid, SIGTERM);
    int status = 0;
    waitpid(s.pid, &status, 0);
    s.pid = -1;
}

// One server for all tests of this file, with the sample house opened.
class Serve : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        work_ = fs::temp_directory_path() / ("tevaro-serve-" + std::to_string(getpid()));
        fs::remove_all(work_);
        fs::create_directories(work_);
        fs::copy_file(tevaro_test::SourcePath("examples/house.json"), work_ / "house.json");
        server_ = Start(work_);
    }
    static void TearDownTestSuite() {
        Stop(server_);
        fs::remove_all(work_);
    }
    void SetUp() override { ASSERT_GT(server_.port, 0) << server_.firstOutput; }

    // A client that names the server as its own page does.
    static httplib::Headers Own() {
        return {{"Host", "127.0.0.1:" + std::to_string(server_.port)},
                {"Origin", "http://127.0.0.1:" + std::to_string(server_.port)}};
    }
    static httplib::Client Client() { return httplib::Client("127.0.0.1", server_.port); }

    static Json State() {
        auto r = Client().Get("/api/state", Own());
        return r && r->status == 200 ? Json::parse(r->body) : Json();
    }
    // Sends a session line; the status and the reply.
    static int Line(const std::string& line, Json& reply) {
        auto r = Client().Post("/api/line", Own(), Json({{"line", line}}).dump(), "application/json");
        if (!r) return -1;
        reply = Json::parse(r->body, nullptr, false);
        return r->status;
    }
    static int Line(const std::string& line) {
        Json reply;
        return Line(line, reply);
    }

    static inline fs::path work_;
    static inline Server server_;
};

TEST_F(Serve, OnlyItsOwnPageMayDriveIt) {
    const std::string port = std::to_string(server_.port);
    struct Case {
        httplib::Headers headers;
        int status;
    } cases[] = {
        {{{"Host", "127.0.0.1:" + port}}, 200},
        {{{"Host", "localhost:" + port}, {"Origin", "http://localhost:" + port}}, 200},
        {{{"Host", "evil.example:" + port}}, 403},                                           // DNS rebinding
        {{{"Host", "127.0.0.1:" + port}, {"Origin", "http://evil.example"}}, 403},           // another site's page
        {{{"Host", "127.0.0.1:" + port}, {"Origin", "http://127.0.0.1:1"}}, 403},            // another local port
        {{{"Host", "127.0.0.1:" + port}, {"Sec-Fetch-Site", "cross-site"}}, 403},
    };
    const size_t before = State()["session"].size();
    for (const Case& c : cases) {
        auto get = Client().Get("/api/state", c.headers);
        ASSERT_TRUE(get);
        EXPECT_EQ(get->status, c.status);
        auto post = Client().Post("/api/line", c.headers, R"({"line":"select all"})", "application/json");
        ASSERT_TRUE(post);
        EXPECT_EQ(post->status, c.status);
        if (c.status == 403) EXPECT_NE(post->body.find("Origin"), std::string::npos) << post->body;
    }
    // the two allowed posts ran, the four refused did not
    EXPECT_EQ(State()["session"].size(), before + 2);
}

TEST_F(Serve, BadLinesAndBodiesChangeNothing) {
    const Json before = State();
    const char* bodies[] = {"{\"line\":", "not json", "[]", "{\"lines\":\"select all\"}", "{\"line\":7}"};
    for (const char* body : bodies) {
        auto r = Client().Post("/api/line", Own(), body, "application/json");
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, 400) << body;
        EXPECT_NE(r->body.find("JSON"), std::string::npos) << r->body;
    }
    const std::vector<std::string> lines = {"frobnicate", "", "   ", "# a comment", "select all\nundo", "pick 20",
                                            "pick x 2", "click 3 4", "ok now", "set 5", std::string(5000, 'a')};
    for (const std::string& line : lines) {
        Json reply;
        EXPECT_EQ(Line(line, reply), 400) << line;
        EXPECT_FALSE(reply.value("ok", true));
        EXPECT_FALSE(reply.value("error", std::string()).empty());
    }
    // lines the engine itself refuses come back with its reason
    Json reply;
    EXPECT_EQ(Line("select NO-SUCH-ELEMENT", reply), 422);
    EXPECT_NE(reply["error"].get<std::string>().find("NO-SUCH-ELEMENT"), std::string::npos);
    EXPECT_EQ(State()["session"], before["session"]);
    EXPECT_EQ(State()["selection"], before["selection"]);
}

TEST_F(Serve, NoPathLeavesTheWorkingFolder) {
    const fs::path outside = work_.parent_path() / ("tevaro-outside-" + std::to_string(getpid()) + ".json");
    for (const std::string& line : std::vector<std::string>{"save ../" + outside.filename().string(), "save " + outside.string(),
                                    "svg sub/../../" + outside.filename().string(), "open /etc/passwd",
                                    "quantities ../../x.csv"}) {
        Json reply;
        EXPECT_EQ(Line(line, reply), 400) << line;
        EXPECT_FALSE(fs::exists(outside)) << line;
    }
    EXPECT_EQ(Line("save inside.json"), 200);
    EXPECT_TRUE(fs::exists(work_ / "inside.json"));
    // assets: nothing but the page's own files
    for (const char* path : {"/../house.json", "/..%2fhouse.json", "/house.json", "/app.js/../../house.json", "/api/nothing"}) {
        auto r = Client().Get(path, Own());
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, 404) << path;
    }
    // big texts go out as they are: compressing them at brotli's slowest setting took minutes
    httplib::Headers compressing = Own();
    compressing.emplace("Accept-Encoding", "br, gzip");
    for (const char* path : {"/api/plan.svg", "/app.js"}) {
        auto r = Client().Get(path, compressing);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, 200) << path;
        EXPECT_FALSE(r->has_header("Content-Encoding")) << path;
    }
    auto page = Client().Get("/", Own());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("lang=\"hu\""), std::string::npos);
}

TEST_F(Serve, UploadsAreModelsWithinTheImportLimit) {
    const Json before = State();
    struct Bad {
        std::string body;
        int status;
    } bad[] = {{"hello", 400}, {"{\"elements\": 3}", 400}, {"[1,2]", 400}, {std::string(kUploadLimit + 1, ' '), 413}};
    for (const Bad& b : bad) {
        auto r = Client().Post("/api/upload?name=bad.json", Own(), b.body, "application/json");
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, b.status);
        EXPECT_FALSE(Json::parse(r->body, nullptr, false).value("error", std::string()).empty()) << r->body;
    }
    // a JSON object that fails the model check is refused and not kept
    auto broken = Client().Post("/api/upload?name=broken.json", Own(),
                                R"({"elements":[{"type":"roof","planes":[{"outer":[[0,0,0],[1,0,0]]}]}]})", "application/json");
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->status, 400);
    EXPECT_FALSE(fs::exists(work_ / "uploads" / "broken.json"));
    EXPECT_EQ(State()["session"], before["session"]);
    // a real model opens, named safely inside the working folder
    std::ifstream in(tevaro_test::SourcePath("tests/sessions/gable_house.json"));
    std::stringstream text;
    text << in.rdbuf();
    auto good = Client().Post("/api/upload?name=../../evil name.json", Own(), text.str(), "application/json");
    ASSERT_TRUE(good);
    ASSERT_EQ(good->status, 200) << good->body;
    const Json session = State()["session"];
    EXPECT_EQ(session.back(), "open uploads/evilname.json");
    EXPECT_TRUE(fs::exists(work_ / "uploads" / "evilname.json"));
    EXPECT_EQ(Line("open house.json"), 200);
}

// The icon name of item `number` of a dialog's state.
std::string IconNameOfItem(const Json& dialog, int number) {
    for (const Json& item : dialog["items"])
        if (item["number"] == number) return item["iconName"];
    return "";
}

TEST_F(Serve, AnOpenDialogTakesOnlyItsOwnLinesAndEdgesAreListed) {
    ASSERT_EQ(Line("open house.json"), 200);
    ASSERT_EQ(Line("select GARAZS OROMFAL-D OROMFAL-E KEMENY"), 200);
    Json reply;
    ASSERT_EQ(Line("menu place-tiles", reply), 200);
    ASSERT_TRUE(reply["state"]["dialog"].is_object());
    // a line that is not for the dialog would cancel it unasked: refused, the dialog stays
    EXPECT_EQ(Line("select all", reply), 400);
    EXPECT_TRUE(State()["dialog"].is_object());
    EXPECT_EQ(Line("ok", reply), 422) << "OK is disabled until the choices are made";
    const Json dialog = State()["dialog"];
    ASSERT_TRUE(dialog.is_object());
    // every icon the form shows goes by a name, none by its bare number
    std::vector<std::string> iconNames;
    for (const Json& item : dialog["items"]) {
        if (item["icon"] != 0) iconNames.push_back(item["iconName"]);
        for (const Json& e : item["entries"])
            if (e["icon"] != 0) iconNames.push_back(e["iconName"]);
    }
    ASSERT_GE(iconNames.size(), 8u);  // the banner, four families, two documents, layer and pen
    for (const std::string& name : iconNames) EXPECT_TRUE(!name.empty() && name.rfind("ikon ", 0) != 0) << name;
    // the four family buttons are told apart
    std::set<std::string> families;
    for (int item = 7; item <= 10; ++item) families.insert(IconNameOfItem(dialog, item));
    EXPECT_EQ(families.size(), 4u);
    for (const char* line : {"pick 20 2", "pick 23 2", "pick 27 2", "pick 29 2", "ok"}) ASSERT_EQ(Line(line), 200) << line;
    const Json state = State();
    ASSERT_TRUE(state["palette"].is_object());
    ASSERT_FALSE(state["edges"].empty());
    // every edge's length is the distance of its end points; the listing names each edge once
    ASSERT_EQ(Line("edges", reply), 200);
    const std::string listing = reply["output"];
    for (const Json& e : state["edges"]) {
        const double dx = e["end"][0].get<double>() - e["start"][0].get<double>();
        const double dy = e["end"][1].get<double>() - e["start"][1].get<double>();
        const double dz = e["end"][2].get<double>() - e["start"][2].get<double>();
        EXPECT_NEAR(std::sqrt(dx * dx + dy * dy + dz * dz), e["length"].get<double>(), 1e-9);
        EXPECT_NE(listing.find(e["label"].get<std::string>()), std::string::npos);
    }
    // the plan drawn while the palette is open carries the same numbers, one per edge
    ASSERT_EQ(Line("svg palette.svg"), 200);
    std::ifstream svg(work_ / "palette.svg");
    std::stringstream drawing;
    drawing << svg.rdbuf();
    const std::string text = drawing.str();
    size_t numbers = 0;
    for (size_t at = text.find("font-size=\"11.00\""); at != std::string::npos; at = text.find("font-size=\"11.00\"", at + 1)) ++numbers;
    EXPECT_EQ(numbers, state["edges"].size());
    EXPECT_EQ(Line("edges 99", reply), 422);
    EXPECT_EQ(Line("edges x", reply), 422);
    // the listing is a view: not recorded
    EXPECT_NE(State()["session"].back(), "edges");
    EXPECT_EQ(Line("close-palette"), 200);
}

TEST_F(Serve, ATakenPortIsNamed) {
    int status = 0;
    Server second = Start(work_, server_.port, &status);
    EXPECT_EQ(second.port, 0);
    EXPECT_EQ(status, 3);
    EXPECT_NE(second.firstOutput.find("port " + std::to_string(server_.port)), std::string::npos) << second.firstOutput;
    EXPECT_NE(second.firstOutput.find("taken"), std::string::npos) << second.firstOutput;
    Stop(second);
}

}  // namespace

namespace {

// The plan picture's sheet: everything between the opening <svg ...> line and </svg>.
std::string SheetBody(const std::string& svg) {
    const size_t start = svg.find('\n', svg.find("<svg")) + 1;
    return svg.substr(start, svg.rfind("</svg>") - start);
}

// How many times `what` occurs in `text`.
size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

}  // namespace

TEST_F(Serve, ThePagesPlanComesInPartsThatShareTheSheetAndTheMapping) {
    auto meta = Client().Get("/api/page-plan", Own());
    ASSERT_TRUE(meta);
    ASSERT_EQ(meta->status, 200);
    const Json m = Json::parse(meta->body);
    ASSERT_GE(m["parts"].get<int>(), 1);
    auto file = Client().Get("/api/plan.svg", Own());
    ASSERT_TRUE(file);
    std::string texts;
    for (int k = 0; k < m["parts"].get<int>(); ++k) {
        auto part = Client().Get("/api/page-plan/" + std::to_string(k), Own());
        ASSERT_TRUE(part);
        ASSERT_EQ(part->status, 200);
        // every part is the whole sheet: the drawing's own opening tag, with the mapping the page reads
        EXPECT_EQ(part->body.substr(0, part->body.find('\n', part->body.find("<svg"))),
                  file->body.substr(0, file->body.find('\n', file->body.find("<svg"))));
        EXPECT_EQ(Count(part->body, "<g"), Count(part->body, "</g>")) << "a group cut between parts";
        texts += SheetBody(part->body);
    }
    EXPECT_NEAR(m["data-scale"].get<double>(), std::stod(file->body.substr(file->body.find("data-scale=\"") + 12)), 1e-9);
    // the page's picture keeps every label of the drawing (the palette is closed: it numbers no edges)
    EXPECT_EQ(Count(texts, "<text"), Count(file->body, "<text"));
    EXPECT_LT(Count(texts, "<"), Count(file->body, "<"));  // in fewer elements
    for (const char* missing : {"/api/page-plan/x", "/api/page-plan/99999", "/api/page-plan/-1"}) {
        auto r = Client().Get(missing, Own());
        ASSERT_TRUE(r);
        EXPECT_EQ(r->status, 404) << missing;
    }
}

TEST_F(Serve, APageThatHoldsThePlanGetsOnlyWhatChanged) {
    const Json full = State();
    ASSERT_TRUE(full["elements"].is_array());
    const uint64_t plan = full["planRevision"].get<uint64_t>();
    // selecting changes the selection, not the plan: the page's elements stay valid
    auto r = Client().Post("/api/line", Own(), Json({{"line", "select all"}, {"plan", plan}}).dump(), "application/json");
    ASSERT_TRUE(r);
    ASSERT_EQ(r->status, 200);
    const Json light = Json::parse(r->body)["state"];
    EXPECT_EQ(light["planRevision"], plan);
    EXPECT_TRUE(light["elements"].is_null());
    EXPECT_TRUE(light["quantities"].is_null());
    EXPECT_FALSE(light["selection"].empty());
    EXPECT_LT(r->body.size(), full.dump().size() / 2);
    // a page with an older plan, or none, gets everything
    auto old = Client().Get("/api/state?plan=" + std::to_string(plan - 1), Own());
    ASSERT_TRUE(old);
    EXPECT_EQ(Json::parse(old->body)["elements"], full["elements"]);
    EXPECT_EQ(Json::parse(old->body)["quantities"], full["quantities"]);
    Line("select none");
}
