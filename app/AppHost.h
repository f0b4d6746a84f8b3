// Purpose: what every sub-command of the program shares: the common options and the host with
// the chosen deliverable loaded from the add-on folder.
#pragma once

#include <string>
#include <vector>

#include "Common_src/AddOnDiagnostics.h"
#include "host/AddOnLoader.h"

namespace app {

struct CommonOptions {
    std::string addOnFolder;   // where the deliverables, Tevaro.ini and TevaroTmp.lib are
    int deliverable = 21;      // 18, 19, 20 or 21
    std::string outDir;        // --out: where output files go (empty: not given)
    std::vector<std::string> rest;  // the arguments that are not common options
};

// Takes --addon-folder, --deliverable and --out out of the arguments; false with `error`.
bool ParseCommonOptions(int argc, char** argv, CommonOptions& options, std::string& error);

// The folder that holds the running program.
std::string ProgramFolder();

// The deliverable's file name: "Tevaro_21_x64_hun.so".
std::string DeliverableFileName(int deliverable);

// The shape of a command that drives the add-on: its usage line, how many plain arguments it
// takes, and its output folder when --out is not given ("" none).
struct CommandShape {
    const char* usage;
    size_t minArgs = 0, maxArgs = 0;
    const char* defaultOut = "";
};

// The start every command that drives the add-on shares: its options read (the usage and the
// reason on stderr when they do not fit), its output folder made, a fresh host with the chosen
// deliverable loaded. 0 when the host runs, else the exit code with the reason already on stderr.
int StartCommandHost(int argc, char** argv, const CommandShape& shape, CommonOptions& options,
                     host::LoadedAddOn& addOn);

// A fresh host with the object library's scripts and the chosen deliverable loaded (dlopen).
bool StartHost(const CommonOptions& options, host::LoadedAddOn& addOn, std::string& error);
void StopHost(host::LoadedAddOn& addOn);

// The loaded deliverable's diagnostic record (its run table, tile settings, topology log); null
// when no add-on is loaded or it has no diagnostic export, or an older record than the program reads.
const AddOnDiagnostics* LoadedAddOnDiagnostics();

}  // namespace app
