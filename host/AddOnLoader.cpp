// Purpose: loading and unloading the add-on and running its entry points in the host's order.
#include "host/AddOnLoader.h"

#include <dlfcn.h>

#include <cstring>

#include "host/Host.h"
#include "host/HostApi.h"
#include "host/LibPartScripts.h"

namespace host {
namespace {

using CheckEnvironmentFn = API_AddonType (*)(API_EnvirParams*);
using EntryFn = GSErrCode (*)();

constexpr uint32_t kVersionLowWord = 0x0001;  // every known host version word ends in 0001
constexpr uint32_t kFirstHostVersion = 18;
constexpr uint32_t kLastHostVersion = 21;

// The table handed to the add-on; the add-on copies it, but it stays valid all the same.
HostFunctionTable gTable;
// The size and version written into it (tests of the handshake); not given: the host's own.
OfferedTableForm gOfferedForm;

// Fills the table the add-on is offered, in the form tests may have asked for.
void FillOfferedTable() {
    FillFunctionTable(gTable);
    if (!gOfferedForm.given) return;
    gTable.size = gOfferedForm.size;
    gTable.version = gOfferedForm.version;
}

// A 64-bit address stored in the record at `offset`.
void* AddressAt(const unsigned char* record, size_t offset) {
    void* p = nullptr;
    std::memcpy(&p, record + offset, sizeof p);
    return p;
}

// Checks the record names a host version this host can load and all four entry points.
bool RecordUsable(const ExportRecordInfo& r, std::string& error) {
    const uint32_t hostVersion = r.versionWord >> 16;
    // The version word is 0x00VV0001 for host VV, and the interface number VV * 1000.
    const bool knownVersion = (r.versionWord & 0xFFFF) == kVersionLowWord && hostVersion >= kFirstHostVersion &&
                              hostVersion <= kLastHostVersion;
    if (!knownVersion || r.interfaceNumber != hostVersion * 1000) {
        char text[96];
        std::snprintf(text, sizeof text, "unknown host interface (version word 0x%08X, interface %u)", r.versionWord,
                      r.interfaceNumber);
        error = text;
        return false;
    }
    if (!r.checkEnvironment || !r.registerInterface || !r.initialize || !r.freeData) {
        error = "the export record lacks an entry point";
        return false;
    }
    return true;
}

// Runs the start-up steps once the record has been read and the resources are known.
bool StartAddOn(SetImportedFuncAddrsFn setImported, LoadedAddOn& addOn, std::string& error) {
    if (!RecordUsable(addOn.record, error)) return false;
    FillOfferedTable();
    if (const int refusal = setImported(&gTable); refusal != 0) {
        error = "the add-on refused the host's function table (" + std::to_string(gTable.size) + " bytes, version " +
                std::to_string(gTable.version) + "): error " + std::to_string(refusal);
        return false;
    }
    addOn.envir = API_EnvirParams{};
    addOn.addonType = reinterpret_cast<CheckEnvironmentFn>(addOn.record.checkEnvironment)(&addOn.envir);
    if (addOn.addonType == APIAddon_DontRegister) {
        error = "CheckEnvironment: the add-on does not want to be registered";
        return false;
    }
    GSErrCode err = reinterpret_cast<EntryFn>(addOn.record.registerInterface)();
    if (err != NoError) {
        error = "RegisterInterface failed with " + std::to_string(err);
        return false;
    }
    err = reinterpret_cast<EntryFn>(addOn.record.initialize)();
    if (err != NoError) {
        error = "Initialize failed with " + std::to_string(err);
        return false;
    }
    addOn.running = true;
    return true;
}

}  // namespace

bool ReadExportRecord(GetExportedFuncAddrsFn getExported, ExportRecordInfo& info, std::string& error) {
    if (getExported == nullptr) {
        error = "no GetExportedFuncAddrs";
        return false;
    }
    // A little slack after the record: a faulty add-on writing past 120 bytes hits no stack.
    unsigned char record[kExportRecordBytes + 64] = {};
    if (getExported(record) != 0) {
        error = "GetExportedFuncAddrs failed";
        return false;
    }
    std::memcpy(&info.versionWord, record + 0, sizeof info.versionWord);
    info.checkEnvironment = AddressAt(record, 8);
    info.registerInterface = AddressAt(record, 16);
    info.initialize = AddressAt(record, 24);
    info.freeData = AddressAt(record, 32);
    std::memcpy(&info.interfaceNumber, record + 40, sizeof info.interfaceNumber);
    return true;
}

bool LoadAddOnFile(const std::string& path, LoadedAddOn& addOn, std::string& error) {
    addOn = LoadedAddOn{};
    void* lib = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) {
        const char* why = dlerror();
        error = "cannot load " + path + ": " + (why != nullptr ? why : "unknown reason");
        return false;
    }
    auto getExported = reinterpret_cast<GetExportedFuncAddrsFn>(dlsym(lib, "GetExportedFuncAddrs"));
    auto setImported = reinterpret_cast<SetImportedFuncAddrsFn>(dlsym(lib, "SetImportedFuncAddrs"));
    auto getFork = reinterpret_cast<GetAddOnResourceForkFn>(dlsym(lib, "GetAddOnResourceFork"));
    if (getExported == nullptr || setImported == nullptr) {
        error = path + " is not an add-on (GetExportedFuncAddrs / SetImportedFuncAddrs missing)";
        dlclose(lib);
        return false;
    }
    addOn.library = lib;
    addOn.path = path;
    gSession.ownLocation = path;
    gSession.resources = getFork != nullptr ? getFork() : nullptr;
    if (!ReadExportRecord(getExported, addOn.record, error) || !StartAddOn(setImported, addOn, error)) {
        error = path + ": " + error;
        gSession.resources = nullptr;
        dlclose(lib);
        addOn = LoadedAddOn{};
        return false;
    }
    return true;
}

bool LoadAddOnInProcess(GetExportedFuncAddrsFn getExported, SetImportedFuncAddrsFn setImported,
                        GetAddOnResourceForkFn getFork, const std::string& ownLocation, LoadedAddOn& addOn,
                        std::string& error) {
    addOn = LoadedAddOn{};
    addOn.path = ownLocation;
    gSession.ownLocation = ownLocation;
    gSession.resources = getFork != nullptr ? getFork() : nullptr;
    if (setImported == nullptr || !ReadExportRecord(getExported, addOn.record, error) ||
        !StartAddOn(setImported, addOn, error)) {
        if (error.empty()) error = "no SetImportedFuncAddrs";
        return false;
    }
    return true;
}

void SetOfferedTableForm(const OfferedTableForm& form) { gOfferedForm = form; }

void InstallFunctionTable(SetImportedFuncAddrsFn setImported) {
    FillOfferedTable();
    if (setImported != nullptr) setImported(&gTable);
}

void UnloadAddOn(LoadedAddOn& addOn) {
    if (addOn.running && addOn.record.freeData != nullptr) reinterpret_cast<EntryFn>(addOn.record.freeData)();
    addOn.running = false;
    if (addOn.library != nullptr) dlclose(addOn.library);
    addOn = LoadedAddOn{};
    gSession.resources = nullptr;
    gSession.menuHandlers.clear();
    ForgetLibPartScripts();  // the hooks were the add-on's code
}

GSErrCode ChooseMenuItem(int16_t menuResID, int16_t itemIndex) {
    auto it = gSession.menuHandlers.find(menuResID);
    if (it == gSession.menuHandlers.end()) return APIERR_BADID;
    API_MenuParams params;
    params.menuItemRef.menuResID = menuResID;
    params.menuItemRef.itemIndex = itemIndex;
    return it->second(&params);
}

}  // namespace host
