// Purpose: named wrappers through which the add-on calls every host operation.
//
// The add-on never links against the host: SetImportedFuncAddrs copies the host's function
// table into gHost, and these inline wrappers forward to it under the operation names the
// rest of the add-on uses. Only the host functions listed in HostFunctionTable exist.
#pragma once

#include <cstdarg>
#include <cstdio>

#include "HostFunctionTable.h"

extern HostFunctionTable gHost;      // the host's table, copied whole
extern bool gHostTableReceived;      // set once SetImportedFuncAddrs accepted a table

// The one availability check of an appended entry: the host's table is of the entry's version or
// later and reaches the entry (entries past the host's size are null in the copy).
template <typename Entry>
inline bool HostEntryAvailable(Entry entry, uint32_t sinceVersion) {
    return gHost.version >= sinceVersion && entry != nullptr;
}

// Registration and environment.
inline GSErrCode ACAPI_Register_Menu(int16_t menuRes, int16_t promptRes, int32_t pos, int32_t flags) { return gHost.Register_Menu(menuRes, promptRes, pos, flags); }
inline GSErrCode ACAPI_Install_MenuHandler(int16_t menuRes, APIMenuCommandProc handler) { return gHost.Install_MenuHandler(menuRes, handler); }
inline GSErrCode ACAPI_Register_BuiltInLibrary() { return gHost.Register_BuiltInLibrary(); }
inline GSErrCode ACAPI_KeepInMemory(bool keep) { return gHost.KeepInMemory(keep); }
inline GSErrCode ACAPI_GetOwnLocation(char* path, int32_t size) { return gHost.GetOwnLocation(path, size); }
inline GSErrCode ACAPI_CallUndoableCommand(const char* undo, APICommandProc body, void* ctx) { return gHost.CallUndoableCommand(undo, body, ctx); }
inline GSErrCode ACAPI_OpenUndoableSession(const char* undo) { return gHost.OpenUndoableSession(undo); }
inline GSErrCode ACAPI_CloseUndoableSession() { return gHost.CloseUndoableSession(); }
inline GSErrCode ACAPI_Environment(uint32_t code, void* p1 = nullptr, void* p2 = nullptr) { return gHost.Environment(code, p1, p2); }
inline GSErrCode ACAPI_Automate(uint32_t code, void* p1 = nullptr, void* p2 = nullptr) { return gHost.Automate(code, p1, p2); }
inline GSErrCode ACAPI_Goodies(uint32_t code, void* p1 = nullptr, void* p2 = nullptr) { return gHost.Goodies(code, p1, p2); }
inline GSErrCode ACAPI_Database(uint32_t code, void* p1 = nullptr, void* p2 = nullptr) { return gHost.Database(code, p1, p2); }
inline GSErrCode ACAPI_Interface(uint32_t code, void* p1 = nullptr, void* p2 = nullptr) { return gHost.Interface(code, p1, p2); }

// Selection.
inline GSErrCode ACAPI_Selection_Get(API_SelectionInfo* info, API_Neig*** neigs, bool onlyEditable, bool inclPartial = false) { return gHost.Selection_Get(info, neigs, onlyEditable, inclPartial); }
inline GSErrCode ACAPI_Element_Select(API_Neig** neigs, int32_t n, bool add) { return gHost.Element_Select(neigs, n, add); }

// Elements.
inline GSErrCode ACAPI_Element_Get(API_Element* e) { return gHost.Element_Get(e); }
inline GSErrCode ACAPI_Element_GetMemo(API_Guid g, API_ElementMemo* m, uint64_t mask = APIMemoMask_All) { return gHost.Element_GetMemo(g, m, mask); }
inline GSErrCode ACAPI_Element_GetDefaults(API_Element* e, API_ElementMemo* m) { return gHost.Element_GetDefaults(e, m); }
inline GSErrCode ACAPI_Element_Create(API_Element* e, API_ElementMemo* m) { return gHost.Element_Create(e, m); }
inline GSErrCode ACAPI_Element_Change(API_Element* e, const API_Element* mask, const API_ElementMemo* m = nullptr, uint64_t memoMask = 0) { return gHost.Element_Change(e, mask, m, memoMask); }
inline GSErrCode ACAPI_Element_ChangeParameters(API_Elem_Head** heads, int32_t n, const API_Element* defPars, const API_ElementMemo* m, const API_Element* mask) { return gHost.Element_ChangeParameters(heads, n, defPars, m, mask); }
inline GSErrCode ACAPI_Element_Delete(API_Elem_Head** heads, int32_t n) { return gHost.Element_Delete(heads, n); }
inline GSErrCode ACAPI_Element_GetElemList(API_ElemTypeID t, GSHandle* guids) { return gHost.Element_GetElemList(t, guids); }
inline GSErrCode ACAPI_Element_Tool(API_Elem_Head** heads, int32_t n, uint32_t code, void* par = nullptr) { return gHost.Element_Tool(heads, n, code, par); }
inline GSErrCode ACAPI_Element_Get3DInfo(const API_Elem_Head* head, API_ElemInfo3D* info) { return gHost.Element_Get3DInfo(head, info); }
inline GSErrCode ACAPI_3D_GetComponent(API_Component3D* c) { return gHost.Component3D_Get(c); }
inline GSErrCode ACAPI_DisposeElemMemoHdls(API_ElementMemo* m) { return gHost.DisposeElemMemoHdls(m); }
inline GSErrCode ACAPI_DisposeAddParHdl(API_AddParType*** p) { return gHost.DisposeAddParHdl(p); }

// Library parts.
inline GSErrCode ACAPI_LibPart_Search(API_LibPart* lp, bool createIfMissing, bool onlyPlaceable = false) { return gHost.LibPart_Search(lp, createIfMissing, onlyPlaceable); }
inline GSErrCode ACAPI_LibPart_Get(API_LibPart* lp) { return gHost.LibPart_Get(lp); }
inline GSErrCode ACAPI_LibPart_GetParams(int32_t libInd, double* a, double* b, int32_t* n, API_AddParType*** p) { return gHost.LibPart_GetParams(libInd, a, b, n, p); }

// Attributes.
inline GSErrCode ACAPI_Attribute_Get(API_Attribute* a) { return gHost.Attribute_Get(a); }
inline GSErrCode ACAPI_Attribute_GetNum(API_AttrTypeID t, int32_t* n) { return gHost.Attribute_GetNum(t, n); }
inline GSErrCode ACAPI_Attribute_GetDef(API_AttrTypeID t, int32_t i, API_AttributeDef* d) { return gHost.Attribute_GetDef(t, i, d); }
inline GSErrCode ACAPI_DisposeAttrDefsHdls(API_AttributeDef* d) { return gHost.DisposeAttrDefsHdls(d); }

// Report window and debug output.
inline GSErrCode ACAPI_WriteReport(const char* text, bool withDialog) { return gHost.WriteReport(text, withDialog); }
#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
inline void DBPrintf(const char* format, ...) {
    char line[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    gHost.DBPrint(line);
}

// Memory handles.
inline GSHandle BMAllocateHandle(int32_t size, int32_t flags, int32_t reserved) { return gHost.BMAllocateHandle(size, flags, reserved); }
inline GSHandle BMReallocHandle(GSHandle h, int32_t size, int32_t flags, int32_t reserved) { return gHost.BMReallocHandle(h, size, flags, reserved); }
inline void BMKillHandle(GSHandle* h) { gHost.BMKillHandle(h); }
inline int32_t BMGetHandleSize(GSConstHandle h) { return gHost.BMGetHandleSize(h); }

// Resources.
inline bool RSGetIndString(char* buffer, int32_t size, int16_t resID, int32_t index) { return gHost.RSGetIndString(buffer, size, resID, index); }
inline bool RSGetResource(uint32_t type, int32_t id, const unsigned char** data, uint32_t* size) { return gHost.RSGetResource(type, id, data, size); }

// Shell.
inline GSErrCode ShellExecuteOpen(const char* link) { return gHost.ShellOpen(link); }

// Dialog manager.
inline int16_t DGModalDialog(int16_t resID, DGDialCallBack h, intptr_t userData) { return gHost.DGModalDialog(resID, h, userData); }
inline int16_t DGModelessInit(int16_t resID, DGDialCallBack h, intptr_t userData) { return gHost.DGModelessInit(resID, h, userData); }
inline void DGModelessClose(int16_t d) { gHost.DGModelessClose(d); }
inline int16_t DGAlert(int16_t type, const char* title, const char* large, const char* small, const char* b1, const char* b2, const char* b3) { return gHost.DGAlert(type, title, large, small, b1, b2, b3); }
inline void DGResetDialogRectangles() { gHost.DGResetDialogRectangles(); }
inline void DGSetItemText(int16_t d, int16_t i, const char* t) { gHost.DGSetItemText(d, i, t); }
inline int32_t DGGetItemText(int16_t d, int16_t i, char* b, int32_t n) { return gHost.DGGetItemText(d, i, b, n); }
inline void DGSetItemValLong(int16_t d, int16_t i, int32_t v) { gHost.DGSetItemValLong(d, i, v); }
inline int32_t DGGetItemValLong(int16_t d, int16_t i) { return gHost.DGGetItemValLong(d, i); }
inline void DGEnableItem(int16_t d, int16_t i) { gHost.DGEnableItem(d, i); }
inline void DGDisableItem(int16_t d, int16_t i) { gHost.DGDisableItem(d, i); }
inline bool DGIsItemEnabled(int16_t d, int16_t i) { return gHost.DGIsItemEnabled(d, i); }
inline void DGShowItem(int16_t d, int16_t i) { gHost.DGShowItem(d, i); }
inline void DGHideItem(int16_t d, int16_t i) { gHost.DGHideItem(d, i); }
inline void DGMoveItem(int16_t d, int16_t i, int16_t dx, int16_t dy) { gHost.DGMoveItem(d, i, dx, dy); }
inline void DGGrowItem(int16_t d, int16_t i, int16_t dw, int16_t dh) { gHost.DGGrowItem(d, i, dw, dh); }
inline void DGGrowDialog(int16_t d, int16_t dw, int16_t dh) { gHost.DGGrowDialog(d, dw, dh); }
inline void DGGetDialogRect(int16_t d, DGRect* r) { gHost.DGGetDialogRect(d, r); }
inline void DGSetDialogPosition(int16_t d, int16_t l, int16_t t) { gHost.DGSetDialogPosition(d, l, t); }
inline void DGGetMonitorRect(int16_t d, DGRect* r) { gHost.DGGetMonitorRect(d, r); }
inline int16_t DGGetLastItem(int16_t d) { return gHost.DGGetLastItem(d); }
inline void DGSetItemIcon(int16_t d, int16_t i, int32_t icon) { gHost.DGSetItemIcon(d, i, icon); }
inline void DGPopUpInsertItem(int16_t d, int16_t i, int16_t p) { gHost.DGPopUpInsertItem(d, i, p); }
inline void DGPopUpSetItemText(int16_t d, int16_t i, int16_t p, const char* t) { gHost.DGPopUpSetItemText(d, i, p, t); }
inline void DGPopUpSetItemIcon(int16_t d, int16_t i, int16_t p, int32_t icon) { gHost.DGPopUpSetItemIcon(d, i, p, icon); }
inline void DGPopUpSelectItem(int16_t d, int16_t i, int16_t p) { gHost.DGPopUpSelectItem(d, i, p); }
inline int16_t DGPopUpGetSelected(int16_t d, int16_t i) { return gHost.DGPopUpGetSelected(d, i); }
inline int16_t DGPopUpGetItemCount(int16_t d, int16_t i) { return gHost.DGPopUpGetItemCount(d, i); }
inline void DGPopUpDeleteItem(int16_t d, int16_t i, int16_t p) { gHost.DGPopUpDeleteItem(d, i, p); }
inline void DGListInsertItem(int16_t d, int16_t i, int16_t p) { gHost.DGListInsertItem(d, i, p); }
inline void DGListSetItemText(int16_t d, int16_t i, int16_t p, int16_t tab, const char* t) { gHost.DGListSetItemText(d, i, p, tab, t); }
inline void DGListSetItemImage(int16_t d, int16_t i, int16_t p, int16_t tab, int32_t img) { gHost.DGListSetItemImage(d, i, p, tab, img); }
inline void DGListSetTabFields(int16_t d, int16_t i, int16_t n, const int16_t* tabs) { gHost.DGListSetTabFields(d, i, n, tabs); }
inline void DGListSelectItem(int16_t d, int16_t i, int16_t p) { gHost.DGListSelectItem(d, i, p); }
inline int16_t DGListGetSelected(int16_t d, int16_t i) { return gHost.DGListGetSelected(d, i); }
inline int16_t DGListGetItemCount(int16_t d, int16_t i) { return gHost.DGListGetItemCount(d, i); }
inline void DGListDeleteItem(int16_t d, int16_t i, int16_t p) { gHost.DGListDeleteItem(d, i, p); }
inline void DGListScrollUp(int16_t d, int16_t i) { gHost.DGListScrollUp(d, i); }
inline void UCRollDownSetText(int16_t d, int16_t i, const char* t) { gHost.UCRollDownSetText(d, i, t); }

// ---- Appended entries: each call goes through HostEntryAvailable with the entry's version ----

// Scripts of the add-on's own library parts (version 2).
inline GSErrCode ACAPI_Register_LibPartScripts(const char* mainId, const LibPartScriptHooks* hooks) {
    if (!HostEntryAvailable(gHost.Register_LibPartScripts, kHostTableVersion2)) return APIERR_NOTSUPPORTED;
    return gHost.Register_LibPartScripts(mainId, hooks);
}
