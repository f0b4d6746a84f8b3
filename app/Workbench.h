// Purpose: the web workbench's core, apart from any HTTP library: one session of the host and the
// add-on run by the session-line engine on a thread of its own, the requests of the page (session
// lines, uploads, downloads, the state) answered one at a time, and the checks every request
// passes (Host and Origin, line syntax, paths inside the working folder, upload limits).
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/AppHost.h"
#include "host/InputLimits.h"

namespace app::web {

// Largest model file a user may upload through the page (50 MB). It is not the host's model-file
// limit (host::kMaxModelFileBytes, 256 MB, which `open` keeps for files on disk): an upload travels
// whole in one request and is held in memory twice while it is written and read, so the page takes
// less; every upload it takes is one the host opens.
constexpr size_t kUploadLimitBytes = 50u * 1024u * 1024u;
static_assert(kUploadLimitBytes <= host::kMaxModelFileBytes, "an upload the page takes must be a model file the host opens");
// Longest session line the page may send.
constexpr size_t kMaxLineLength = 4096;

// One request as the HTTP layer received it; header names in lower case.
struct Request {
    std::string method;  // "GET", "POST"
    std::string path;    // without the query
    std::map<std::string, std::string> headers;
    std::map<std::string, std::string> query;
    std::string body;
};

// The answer to one request.
struct Reply {
    int status = 200;
    std::string contentType = "application/json; charset=utf-8";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

struct Setup {
    CommonOptions common;      // add-on folder and deliverable
    std::string model;         // model to open first ("" none)
    std::string workFolder;    // relative paths of session lines and uploads; nothing outside it is read or written
    std::string webFolder;     // the page's assets
    int port = 0;              // the port the page is served on (for the Host and Origin checks)
};

// Starts the host, the add-on and the engine thread, and opens the model; false with `error`.
bool StartWorkbench(const Setup& setup, std::string& error);
// The port the requests' Host and Origin must name (known once the server listens).
void SetWorkbenchPort(int port);
// Answers one request; requests are handled one at a time.
Reply HandleRequest(const Request& request);
// Ends the engine thread (an open dialog or point input is cancelled) and unloads the add-on.
void StopWorkbench();

// The session lines recorded so far, in order.
std::vector<std::string> RecordedLines();

}  // namespace app::web
