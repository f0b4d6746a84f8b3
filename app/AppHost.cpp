// Purpose: the program's common options and the start of the host with a loaded deliverable.
#include "app/AppHost.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>

#include "host/Host.h"
#include "objectlib/ObjectLibScripts.h"

namespace app {

bool ParseCommonOptions(int argc, char** argv, CommonOptions& options, std::string& error) {
    options.addOnFolder = ProgramFolder();
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--addon-folder" || a == "--deliverable" || a == "--out") {
            if (!hasValue) {
                error = a + " needs a value";
                return false;
            }
            const std::string v = argv[++i];
            if (a == "--addon-folder") options.addOnFolder = v;
            else if (a == "--out") options.outDir = v;
            else {
                options.deliverable = std::atoi(v.c_str());
                if (options.deliverable < 18 || options.deliverable > 21 || v.size() != 2) {
                    error = "--deliverable must be 18, 19, 20 or 21";
                    return false;
                }
            }
        } else {
            options.rest.push_back(a);
        }
    }
    if (!options.addOnFolder.empty() && options.addOnFolder.back() == '/') options.addOnFolder.pop_back();
    return true;
}

std::string ProgramFolder() {
    char path[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    std::string p(path, size_t(n));
    const size_t slash = p.rfind('/');
    return slash == std::string::npos ? "." : p.substr(0, slash);
}

std::string DeliverableFileName(int deliverable) {
    return "Tevaro_" + std::to_string(deliverable) + "_x64_hun.so";
}

bool StartHost(const CommonOptions& options, host::LoadedAddOn& addOn, std::string& error) {
    host::ResetSession();
    objectlib::RegisterObjectLibScripts();
    const std::string path = options.addOnFolder + "/" + DeliverableFileName(options.deliverable);
    return host::LoadAddOnFile(path, addOn, error);
}

void StopHost(host::LoadedAddOn& addOn) { host::UnloadAddOn(addOn); }

}  // namespace app
