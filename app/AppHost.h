// Purpose: what every sub-command of the program shares: the common options and the host with
// the chosen deliverable loaded from the add-on folder.
#pragma once

#include <string>
#include <vector>

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

// A fresh host with the object library's scripts and the chosen deliverable loaded (dlopen).
bool StartHost(const CommonOptions& options, host::LoadedAddOn& addOn, std::string& error);
void StopHost(host::LoadedAddOn& addOn);

}  // namespace app
