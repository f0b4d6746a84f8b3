// Purpose: the exported functions (the export record, the host's function table, the resource
// fork and the diagnostic record), the per-deliverable export record and undo-step form.
//
// This file is compiled once per deliverable with TEVARO_AC_VERSION set to 18, 19, 20 or 21;
// everything else of the add-on is shared by the four builds.
#include <cstring>

#include "Common_src/AddOnDiagnostics.h"
#include "Common_src/AddOnEntry.h"
#include "Common_src/Api_related/HostTableCheck.h"
#include "Common_src/AddOnState.h"
#include "Common_src/CommandDispatch.h"
#include "polytopo/RunTopology.h"

#ifndef TEVARO_AC_VERSION
#error "TEVARO_AC_VERSION must name the host version (18..21)"
#endif

#define TEVARO_EXPORT __attribute__((visibility("default")))

extern const ResourceFork kAddOnResourceFork;

namespace {

constexpr uint32_t kVersionWord = (uint32_t(TEVARO_AC_VERSION) << 16) | 0x0001u;  // 0x00150001 for 21
constexpr uint32_t kInterfaceNumber = uint32_t(TEVARO_AC_VERSION) * 1000u;        // 21000 for 21

// Until the host has handed over its table, no entry point may call it.
API_AddonType GuardedCheckEnvironment(API_EnvirParams* envir) {
    return gHostTableReceived ? CheckEnvironment(envir) : APIAddon_DontRegister;
}
GSErrCode GuardedRegisterInterface() { return gHostTableReceived ? RegisterInterface() : APIERR_GENERAL; }
GSErrCode GuardedInitialize() { return gHostTableReceived ? Initialize() : APIERR_GENERAL; }
GSErrCode GuardedFreeData() { return gHostTableReceived ? FreeData() : APIERR_GENERAL; }

}  // namespace

int AddOnHostVersion() { return TEVARO_AC_VERSION; }

GSErrCode RunUndoable(APICommandProc body, void* context) {
#if TEVARO_AC_VERSION == 18
    GSErrCode err = ACAPI_OpenUndoableSession("");
    if (err != NoError) return err;
    body(context);
    return ACAPI_CloseUndoableSession();
#else
    return ACAPI_CallUndoableCommand("", body, context);
#endif
}

extern "C" TEVARO_EXPORT int GetExportedFuncAddrs(void* record) {
    ExportRecordLayout layout{};
    std::memset(&layout, 0, sizeof layout);
    layout.versionWord = kVersionWord;
    layout.checkEnvironment = reinterpret_cast<void*>(&GuardedCheckEnvironment);
    layout.registerInterface = reinterpret_cast<void*>(&GuardedRegisterInterface);
    layout.initialize = reinterpret_cast<void*>(&GuardedInitialize);
    layout.freeData = reinterpret_cast<void*>(&GuardedFreeData);
    layout.interfaceNumber = kInterfaceNumber;
    unsigned char bytes[kExportRecordSize] = {};
    std::memcpy(bytes, &layout, sizeof layout);
    std::memcpy(record, bytes, kExportRecordSize);
    return 0;
}

extern "C" TEVARO_EXPORT int SetImportedFuncAddrs(const HostFunctionTable* table) {
    if (table == nullptr) return APIERR_BADPARS;
    HostFunctionTable copy;
    CopyHostTable(*table, copy);
    if (CheckHostTable(copy) != HostTable_Usable) {
        // The add-on does not load: nothing of it may call a table it cannot trust.
        ReportRefusedHostTable(copy);
        gHostTableReceived = false;
        return APIERR_MODULCMDVERSNOTSUPPORTED;
    }
    gHost = copy;
    gHostTableReceived = true;
    ResetAddOnForLoad();  // a freshly loaded add-on starts from all-zero state
    return 0;
}

extern "C" TEVARO_EXPORT const ResourceFork* GetAddOnResourceFork() { return &kAddOnResourceFork; }

extern "C" TEVARO_EXPORT const AddOnDiagnostics* GetAddOnDiagnostics() {
    static const AddOnDiagnostics diagnostics = {sizeof(AddOnDiagnostics), kAddOnDiagnosticsVersion,
                                                 &gState.roofPlanes, &gTileSettings, &TopologyLog};
    return &diagnostics;
}
