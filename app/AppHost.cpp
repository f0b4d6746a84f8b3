// Purpose: the program's common options and the start of the host with a loaded deliverable.
#include "app/AppHost.h"

#include "app/CheckCommand.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "host/Host.h"
#include "objectlib/ObjectLibScripts.h"

namespace app {
namespace {

constexpr int kUsageExit = 2;  // a command line or set-up the command cannot run with

#ifndef TEVARO_ADDON_FOLDER_FROM_PROGRAM
#define TEVARO_ADDON_FOLDER_FROM_PROGRAM "../lib/tevaro"
#endif

// The add-on folder when none is given: the program's own folder in a build folder (the add-on is
// built beside the program), the installed add-on folder beside an installed program.
std::string DefaultAddOnFolder() {
    const std::string programFolder = ProgramFolder();
    const std::string installed = programFolder + "/" + TEVARO_ADDON_FOLDER_FROM_PROGRAM;
    // A build folder holds the catalogue beside the program; an installed program's folder does not.
    const bool builtBeside = std::filesystem::exists(programFolder + "/Tevaro.ini");
    if (builtBeside || !std::filesystem::is_directory(installed)) return programFolder;
    return std::filesystem::weakly_canonical(installed).string();
}

}  // namespace

bool ParseCommonOptions(int argc, char** argv, CommonOptions& options, std::string& error) {
    options.addOnFolder = DefaultAddOnFolder();
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

int StartCommandHost(int argc, char** argv, const CommandShape& shape, CommonOptions& options,
                     host::LoadedAddOn& addOn) {
    std::string error;
    // --no-heal, --units and the city-model choices are the model loading's own options
    const bool parsed = ParseCommonOptions(argc, argv, options, error) && TakeLoadOptions(options.rest, error);
    // The options are known and the plain arguments are as many as the command takes.
    if (!parsed || options.rest.size() < shape.minArgs || options.rest.size() > shape.maxArgs) {
        std::cerr << "usage: " << shape.usage << "\n";
        if (!error.empty()) std::cerr << error << "\n";
        return kUsageExit;
    }
    if (options.outDir.empty()) options.outDir = shape.defaultOut;
    if (!options.outDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(options.outDir, ec);
        if (ec) {
            std::cerr << "cannot make the output folder " << options.outDir << ": " << ec.message() << "\n";
            return kUsageExit;
        }
    }
    if (!StartHost(options, addOn, error)) {
        std::cerr << error << "\n";
        return kUsageExit;
    }
    return 0;
}

void StopHost(host::LoadedAddOn& addOn) { host::UnloadAddOn(addOn); }

const AddOnDiagnostics* LoadedAddOnDiagnostics() {
    const std::string& path = host::gSession.ownLocation;
    if (path.empty()) return nullptr;
    void* lib = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (lib == nullptr) return nullptr;
    auto get = reinterpret_cast<GetAddOnDiagnosticsFn>(dlsym(lib, kAddOnDiagnosticsExport));
    dlclose(lib);  // only drops the reference NOLOAD took
    const AddOnDiagnostics* record = get != nullptr ? get() : nullptr;
    // An older record may end before the fields this program reads.
    const bool complete = record != nullptr && record->version >= kAddOnDiagnosticsVersion &&
                          record->size >= sizeof(AddOnDiagnostics);
    return complete ? record : nullptr;
}

}  // namespace app
