// Purpose: runs the mesh stage (tools/ifc-mesh/ifc-mesh.js, web-ifc under node) as a child
// process and reads the JSON it writes.
#include "import/ifc/IfcMeshStage.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "import/ifc/IfcTexts.h"

extern char** environ;

namespace ifcimport {
namespace {

// Longest stderr text of the mesh stage quoted in an error.
constexpr size_t kMaxQuotedError = 400;
// The mesh stage is stopped after this many seconds (a large model takes well under a minute).
constexpr int kMeshStageTimeLimitSeconds = 600;
// How often (milliseconds) a running mesh stage is looked at.
constexpr int kPollMilliseconds = 20;

// True when `path` is an executable file.
bool IsExecutable(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// The whole content of a file, or empty.
std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A fresh temporary file's name (the file is created empty).
std::string TempFile(const char* stem) {
    const char* dir = std::getenv("TMPDIR");
    std::string pattern = std::string(dir && *dir ? dir : "/tmp") + "/" + stem + "XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    const int fd = mkstemp(buf.data());
    if (fd < 0) return {};
    close(fd);
    return std::string(buf.data());
}

// The mesh stage's script: TEVARO_IFC_MESH, else the one of this checkout.
std::string MeshScript() {
    const char* env = std::getenv("TEVARO_IFC_MESH");
    if (env && *env) return env;
    return TEVARO_IFC_MESH_SCRIPT;
}

// The last lines of a child's error output, trimmed to a readable length.
std::string Trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
    if (s.size() > kMaxQuotedError) s = "..." + s.substr(s.size() - kMaxQuotedError);
    return s;
}

// Waits for child `pid` to end, at most kMeshStageTimeLimitSeconds; false (the child killed)
// when it took longer.
bool WaitFor(pid_t pid, int& status) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kMeshStageTimeLimitSeconds);
    while (true) {
        const pid_t r = waitpid(pid, &status, WNOHANG);
        // ended, or no longer ours to wait for
        if (r == pid || (r < 0 && errno != EINTR)) return true;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMilliseconds));
    }
}

}  // namespace

std::string FindNode() {
    const char* env = std::getenv("TEVARO_NODE");
    if (env && *env) return IsExecutable(env) ? env : std::string();
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        for (const char* name : {"node", "nodejs"}) {
            const std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
            if (IsExecutable(candidate)) return candidate;
        }
    }
    return {};
}

bool RunMeshStage(const std::string& ifcPath, nlohmann::json& meshes, std::string& error) {
    const std::string node = FindNode();
    const std::string script = MeshScript();
    if (node.empty()) {
        error = IfcMessage(kTxtMesherNotStarted, {ifcPath, "node"});
        return false;
    }
    if (access(script.c_str(), R_OK) != 0) {
        error = IfcMessage(kTxtMesherNotStarted, {ifcPath, script});
        return false;
    }
    const std::string outPath = TempFile("tevaro-ifc-mesh-");
    const std::string errPath = TempFile("tevaro-ifc-err-");
    if (outPath.empty() || errPath.empty()) {
        error = IfcMessage(kTxtMesherNotStarted, {ifcPath, "mkstemp"});
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_TRUNC, 0600);
    std::vector<std::string> args = {node, script, ifcPath, outPath};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, node.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    bool timedOut = false;
    if (rc == 0) timedOut = !WaitFor(pid, status);
    const std::string out = ReadAll(outPath);
    const std::string err = Trimmed(ReadAll(errPath));
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    if (rc != 0) {
        error = IfcMessage(kTxtMesherNotStarted, {ifcPath, node});
        return false;
    }
    if (timedOut) {
        error = IfcMessage(kTxtMesherFailed, {ifcPath, "> " + std::to_string(kMeshStageTimeLimitSeconds) + " s"});
        return false;
    }
    // the child ended by itself with success
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        error = IfcMessage(kTxtMesherFailed, {ifcPath, err.empty() ? "exit " + std::to_string(status) : err});
        return false;
    }
    meshes = nlohmann::json::parse(out, nullptr, false);
    // not JSON, or not the mesh stage's document
    if (meshes.is_discarded() || !meshes.is_object() || !meshes.contains("elements")) {
        error = IfcMessage(kTxtMesherOutputBad, {ifcPath, out.empty() ? "empty" : "JSON"});
        return false;
    }
    return true;
}

}  // namespace ifcimport
