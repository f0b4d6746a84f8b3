// Purpose: `tevaro serve [MODEL] [--port N]`: the web workbench on 127.0.0.1. The HTTP layer
// (cpp-httplib) only turns requests into the workbench's own records and back; the workbench
// answers them one at a time.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>

#include <httplib.h>

#include "app/AppHost.h"
#include "app/CheckCommand.h"
#include "app/Commands.h"
#include "app/Workbench.h"
#include "app/WorkbenchState.h"

namespace {

constexpr int kDefaultPort = 8321;
constexpr const char* kLoopback = "127.0.0.1";
constexpr int kRowTooLarge = 269;  // "the file is larger than 50 MB"
constexpr size_t kPayloadSlack = 1024 * 1024;  // bodies a little over the upload limit still get a clear answer

httplib::Server* gServer = nullptr;

// Ends the server on Ctrl+C or a termination signal.
void StopOnSignal(int) {
    if (gServer != nullptr) gServer->stop();
}

// True when something else listens on the loopback port already (the bind fails with EADDRINUSE).
bool PortTaken(int port) {
    if (port == 0) return false;
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return false;
    int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(uint16_t(port));
    inet_pton(AF_INET, kLoopback, &addr.sin_addr);
    const bool taken = bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 && errno == EADDRINUSE;
    close(fd);
    return taken;
}

// The workbench's record of an HTTP request.
app::web::Request ToRequest(const httplib::Request& hr) {
    app::web::Request rq;
    rq.method = hr.method;
    rq.path = hr.path;
    for (const auto& [name, value] : hr.headers) {
        std::string lower = name;
        for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
        rq.headers[lower] = value;
    }
    for (const auto& [name, value] : hr.params) rq.query[name] = value;
    rq.body = hr.body;
    return rq;
}

// Sends the workbench's answer.
void FromReply(const app::web::Reply& reply, httplib::Response& res) {
    res.status = reply.status;
    for (const auto& [name, value] : reply.headers) res.set_header(name, value);
    // the page is its own: no other site may frame it or guess its types
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_header("X-Frame-Options", "DENY");
    res.set_header("Cache-Control", "no-store");
    res.set_content(reply.body, reply.contentType);
}

void ServeUsage() {
    std::cerr << "usage: tevaro serve [MODEL] [--port N] [--work DIR] [--web DIR] [--addon-folder DIR] [--deliverable 18|19|20|21]\n"
                 "  Serves the workbench page on http://127.0.0.1:N/ (default port " << kDefaultPort << "; 0 picks a free one).\n"
                 "  --work DIR   the working folder: uploads and the files session lines write (default: the current folder)\n"
                 "  --web DIR    the page's assets (default: web/ beside the program)\n";
}

}  // namespace

int RunServeCommand(int argc, char** argv) {
    app::CommonOptions common;
    std::string error;
    if (!app::ParseCommonOptions(argc, argv, common, error) || !app::TakeLoadOptions(common.rest, error)) {
        ServeUsage();
        std::cerr << error << "\n";
        return 2;
    }
    app::web::Setup setup;
    setup.webFolder = app::ProgramFolder() + "/web";
    setup.workFolder = ".";
    int port = kDefaultPort;
    std::vector<std::string> rest;
    for (size_t i = 0; i < common.rest.size(); ++i) {
        const std::string& a = common.rest[i];
        const bool hasValue = i + 1 < common.rest.size();
        if ((a == "--port" || a == "--work" || a == "--web") && !hasValue) {
            ServeUsage();
            std::cerr << a << " needs a value\n";
            return 2;
        }
        if (a == "--port") {
            char* end = nullptr;
            const long p = std::strtol(common.rest[++i].c_str(), &end, 10);
            if (*end != 0 || p < 0 || p > 65535) { std::cerr << "--port needs a number 0..65535\n"; return 2; }
            port = int(p);
        } else if (a == "--work") {
            setup.workFolder = common.rest[++i];
        } else if (a == "--web") {
            setup.webFolder = common.rest[++i];
        } else if (a == "--help" || a == "-h") {
            ServeUsage();
            return 0;
        } else {
            rest.push_back(a);
        }
    }
    if (rest.size() > 1 || (!rest.empty() && rest[0].rfind("--", 0) == 0)) {
        ServeUsage();
        return 2;
    }
    if (PortTaken(port)) {
        std::cerr << "tevaro serve: port " << port << " on " << kLoopback
                  << " is taken (another program or another workbench listens there); choose another with --port N\n";
        return 3;
    }
    setup.common = common;
    setup.model = rest.empty() ? "" : rest[0];
    setup.port = port;
    if (!app::web::StartWorkbench(setup, error)) {
        std::cerr << "tevaro serve: " << error << "\n";
        return 2;
    }
    httplib::Server server;
    gServer = &server;
    server.set_payload_max_length(app::web::kUploadLimitBytes + kPayloadSlack);
    const auto handle = [](const httplib::Request& hr, httplib::Response& res) {
        FromReply(app::web::HandleRequest(ToRequest(hr)), res);
    };
    server.Get(".*", handle);
    server.Post(".*", handle);
    server.Put(".*", handle);
    server.Delete(".*", handle);
    server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        // a body over the limit is refused by the HTTP layer before the workbench sees it
        if (res.status == 413) res.set_content("{\"ok\":false,\"error\":\"" + app::web::Label(kRowTooLarge) + "\"}", "application/json");
    });
    int bound = port;
    if (port == 0) {
        bound = server.bind_to_any_port(kLoopback);
    } else if (!server.bind_to_port(kLoopback, port)) {
        bound = -1;
    }
    if (bound <= 0) {
        std::cerr << "tevaro serve: cannot listen on " << kLoopback << ":" << port
                  << " (the port is taken or not allowed); choose another with --port N\n";
        app::web::StopWorkbench();
        return 3;
    }
    app::web::SetWorkbenchPort(bound);
    std::signal(SIGINT, StopOnSignal);
    std::signal(SIGTERM, StopOnSignal);
    std::cout << "Tevaro workbench: http://" << kLoopback << ":" << bound << "/" << std::endl;
    std::cout << "Open the address in a browser on this computer; Ctrl+C ends the workbench." << std::endl;
    server.listen_after_bind();
    gServer = nullptr;
    app::web::StopWorkbench();
    return 0;
}
