// Purpose: the four entry points the host calls, the export record, and the undoable-command form.
#pragma once

#include "Common_src/Api_related/HostCalls.h"

// Entry points, in the order the host calls them.
API_AddonType CheckEnvironment(API_EnvirParams* envir);
GSErrCode RegisterInterface();
GSErrCode Initialize();
GSErrCode FreeData();

// The export record the host reads first: 120 bytes, zeroed, version word at 0, the four entry
// points at 8, 16, 24, 32, interface number at 40.
constexpr size_t kExportRecordSize = 120;
struct ExportRecordLayout {
    uint32_t versionWord;
    uint32_t padding0;
    void* checkEnvironment;
    void* registerInterface;
    void* initialize;
    void* freeData;
    uint32_t interfaceNumber;
};
static_assert(offsetof(ExportRecordLayout, checkEnvironment) == 8);
static_assert(offsetof(ExportRecordLayout, freeData) == 32);
static_assert(offsetof(ExportRecordLayout, interfaceNumber) == 40);

// Runs a command body as one undo step of the host: the undoable-command call, or for the
// ArchiCAD 18 deliverable an undo step opened before and closed after the body.
GSErrCode RunUndoable(APICommandProc body, void* context);

// The deliverable's host version (18..21), fixed when the deliverable is built.
int AddOnHostVersion();

extern "C" {
int GetExportedFuncAddrs(void* record);
int SetImportedFuncAddrs(const HostFunctionTable* table);
const ResourceFork* GetAddOnResourceFork();
}
