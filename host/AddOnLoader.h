// Purpose: loading the add-on into the host: the deliverable file with dlopen, or the statically
// linked add-on in-process for tests; the export record, the function table, the entry points in
// their order, the menu command, and the unload.
#pragma once

#include <string>

#include "Common_src/Api_related/HostFunctionTable.h"

namespace host {

using GetExportedFuncAddrsFn = int (*)(void* record);
using SetImportedFuncAddrsFn = int (*)(const HostFunctionTable* table);
using GetAddOnResourceForkFn = const ResourceFork* (*)();

// What the 120-byte export record says.
struct ExportRecordInfo {
    uint32_t versionWord = 0;      // offset 0
    void* checkEnvironment = nullptr;   // offset 8
    void* registerInterface = nullptr;  // offset 16
    void* initialize = nullptr;         // offset 24
    void* freeData = nullptr;           // offset 32
    uint32_t interfaceNumber = 0;  // offset 40
};
constexpr size_t kExportRecordBytes = 120;

struct LoadedAddOn {
    void* library = nullptr;  // dlopen handle; null when the add-on is linked in-process
    std::string path;
    ExportRecordInfo record;
    API_EnvirParams envir;
    API_AddonType addonType = APIAddon_DontRegister;
    bool running = false;  // all four start-up steps done, FreeData not yet called
};

// Reads the export record through the add-on's GetExportedFuncAddrs.
bool ReadExportRecord(GetExportedFuncAddrsFn getExported, ExportRecordInfo& info, std::string& error);

// Opens a deliverable with dlopen and runs the start-up: export record, function table,
// CheckEnvironment, RegisterInterface, Initialize. The session's own location is the file's path.
bool LoadAddOnFile(const std::string& path, LoadedAddOn& addOn, std::string& error);

// The same start-up with the functions of an add-on linked into the process; `ownLocation` is the
// path the add-on is told it was loaded from (its folder holds Tevaro.ini and TevaroTmp.lib).
bool LoadAddOnInProcess(GetExportedFuncAddrsFn getExported, SetImportedFuncAddrsFn setImported,
                        GetAddOnResourceForkFn getFork, const std::string& ownLocation, LoadedAddOn& addOn,
                        std::string& error);

// Hands the host's function table to an add-on without starting it (for tests of single modules).
void InstallFunctionTable(SetImportedFuncAddrsFn setImported);

// The size and version the host writes into the table it offers (not given: its own, the whole
// table). Tests of the handshake offer an older or a cut-short table with them; ResetSession does
// not touch them, so a test sets them back to the default.
struct OfferedTableForm {
    bool given = false;
    uint32_t size = 0;
    uint32_t version = 0;
};
void SetOfferedTableForm(const OfferedTableForm& form);

// Calls FreeData and, for a file, dlclose.
void UnloadAddOn(LoadedAddOn& addOn);

// The user chooses a menu item: the installed handler gets that menu resource number.
// APIERR_BADID when no handler is installed for it.
GSErrCode ChooseMenuItem(int16_t menuResID, int16_t itemIndex = 1);

}  // namespace host
