// Purpose: libFuzzer target for the workbench's request handling: any bytes as one HTTP request
// ("METHOD PATH", header lines, a blank line, the body) answered by the workbench with the sample
// house open and the add-on loaded. Files go to a scratch working folder of the run.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/Workbench.h"

namespace {

constexpr int kFuzzPort = 8321;            // the port the requests' Host names
constexpr int kReopenEvery = 200;          // a fresh model now and then keeps the project small
std::string gWork;

// Reads the input as a request; a request without Host gets the right one, so the fuzzer reaches
// past the Host check most of the time (a wrong one it may still write itself).
app::web::Request ToRequest(const std::string& text) {
    app::web::Request rq;
    std::istringstream in(text);
    std::string first;
    std::getline(in, first);
    std::istringstream words(first);
    words >> rq.method >> rq.path;
    const size_t q = rq.path.find('?');
    if (q != std::string::npos) {
        const std::string query = rq.path.substr(q + 1);
        rq.path.resize(q);
        const size_t eq = query.find('=');
        rq.query[query.substr(0, eq)] = eq == std::string::npos ? "" : query.substr(eq + 1);
    }
    for (std::string line; std::getline(in, line) && !line.empty();) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos) break;
        std::string name = line.substr(0, colon);
        for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
        rq.headers[name] = line.substr(colon + 1 + (colon + 1 < line.size() && line[colon + 1] == ' ' ? 1 : 0));
    }
    if (rq.headers.count("host") == 0) rq.headers["host"] = "127.0.0.1:" + std::to_string(kFuzzPort);
    std::ostringstream body;
    body << in.rdbuf();
    rq.body = body.str();
    return rq;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/tevaro-fuzz-serve-XXXXXX";
    if (mkdtemp(pattern) == nullptr) std::abort();
    gWork = pattern;
    std::filesystem::copy_file(std::string(TEVARO_SOURCE_DIR) + "/examples/house.json", gWork + "/house.json");
    app::web::Setup setup;
    setup.common.addOnFolder = TEVARO_BUILD_DIR;
    setup.model = gWork + "/house.json";
    setup.workFolder = gWork;
    setup.webFolder = std::string(TEVARO_SOURCE_DIR) + "/web";
    setup.port = kFuzzPort;
    std::string error;
    if (!app::web::StartWorkbench(setup, error)) {
        std::fprintf(stderr, "cannot start the workbench: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int runs = 0;
    const app::web::Reply reply = app::web::HandleRequest(ToRequest(std::string(reinterpret_cast<const char*>(data), size)));
    // every answer is a real status with a type
    if (reply.status < 200 || reply.status > 599 || reply.contentType.empty()) __builtin_trap();
    std::error_code ec;
    std::filesystem::remove_all(gWork + "/uploads", ec);
    if (++runs % kReopenEvery == 0) {
        app::web::Request reopen;
        reopen.method = "POST";
        reopen.path = "/api/line";
        reopen.headers["host"] = "127.0.0.1:" + std::to_string(kFuzzPort);
        for (const char* line : {"cancel", "cancel", "close-palette", "open house.json"}) {
            reopen.body = std::string("{\"line\":\"") + line + "\"}";
            app::web::HandleRequest(reopen);
        }
    }
    return 0;
}
