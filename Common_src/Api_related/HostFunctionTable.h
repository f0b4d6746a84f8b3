// Purpose: the one flat table of host functions handed to the add-on (the plug-in contract).
//
// The host fills a HostFunctionTable and passes it to the add-on's SetImportedFuncAddrs; the
// add-on copies it whole and calls the host only through it (see HostCalls.h for the named
// wrappers). The table is APPEND-ONLY: never reorder, remove or retype an entry; add new
// entries at the end, in a block marked with the table version that added it, and raise
// kHostTableVersion. `size` and `version` tell an add-on how much of the table the host filled:
// the add-on refuses a table that ends before the last entry of the first block (everything it
// calls unconditionally), and calls an appended entry only through HostEntryAvailable.
#pragma once

#include <cstddef>

#include "HostTypes.h"

// Versions of the table: each appended block below names the version that added it.
constexpr uint32_t kHostTableVersion1 = 1;  // the first table, up to UCRollDownSetText
constexpr uint32_t kHostTableVersion2 = 2;  // scripts of the add-on's own library parts
constexpr uint32_t kHostTableVersion = kHostTableVersion2;  // the newest version this source knows

// ---------------------------------------------------------------------------------------------
// Dialog manager vocabulary.
// ---------------------------------------------------------------------------------------------
enum DGMessage : int16_t {
    DG_MSG_INIT = 1,
    DG_MSG_CLOSE = 2,
    DG_MSG_CLICK = 3,
    DG_MSG_CHANGE = 4,
    DG_MSG_DOUBLECLICK = 5,
    DG_MSG_TRACK = 6,
};
constexpr int16_t DG_OK = 1;
constexpr int16_t DG_CANCEL = 2;
constexpr int16_t DG_CLOSEBOX = -1;  // the window's own close control
constexpr int16_t DG_ALL_ITEMS = -1;
constexpr int16_t DG_LIST_TOP = -2;
constexpr int16_t DG_LIST_BOTTOM = -3;
constexpr int16_t DG_POPUP_TOP = -2;
constexpr int16_t DG_POPUP_BOTTOM = -3;

// Extra data of a message: the click position inside an item (list rows), the closing item.
struct DGMessageData {
    int16_t item = 0;
    int16_t x = 0, y = 0;   // click position inside the item, dialog units
    int16_t listRow = 0;    // list views: 1-based row under the click, 0 none
};
// The add-on's dialog handler; for DG_MSG_CLICK a non-zero answer closes the dialog with that item.
using DGDialCallBack = int16_t (*)(int16_t message, int16_t dialID, int16_t item, intptr_t userData,
                                    const DGMessageData* msgData);

struct DGRect {
    int16_t left = 0, top = 0, right = 0, bottom = 0;
};

// ---------------------------------------------------------------------------------------------
// The table.
// ---------------------------------------------------------------------------------------------
struct HostFunctionTable {
    uint32_t size;     // sizeof(HostFunctionTable) as the host built it
    uint32_t version;  // kHostTableVersion of the host's source

    // ---- Version 1: the first table; the add-on needs every entry of this block ----

    // Registration and environment.
    GSErrCode (*Register_Menu)(int16_t menuStrResID, int16_t promptStrResID, int32_t menuPosCode, int32_t flags);
    GSErrCode (*Install_MenuHandler)(int16_t menuStrResID, APIMenuCommandProc handler);
    GSErrCode (*Register_BuiltInLibrary)();
    GSErrCode (*KeepInMemory)(bool keep);
    GSErrCode (*GetOwnLocation)(char* path, int32_t pathSize);
    GSErrCode (*CallUndoableCommand)(const char* undoString, APICommandProc body, void* context);
    GSErrCode (*OpenUndoableSession)(const char* undoString);
    GSErrCode (*CloseUndoableSession)();
    GSErrCode (*Environment)(uint32_t code, void* par1, void* par2);
    GSErrCode (*Automate)(uint32_t code, void* par1, void* par2);
    GSErrCode (*Goodies)(uint32_t code, void* par1, void* par2);
    GSErrCode (*Database)(uint32_t code, void* par1, void* par2);
    GSErrCode (*Interface)(uint32_t code, void* par1, void* par2);

    // Selection.
    GSErrCode (*Selection_Get)(API_SelectionInfo* info, API_Neig*** selNeigs, bool onlyEditable, bool inclPartial);
    GSErrCode (*Element_Select)(API_Neig** selNeigs, int32_t nItem, bool add);

    // Elements.
    GSErrCode (*Element_Get)(API_Element* element);
    GSErrCode (*Element_GetMemo)(API_Guid guid, API_ElementMemo* memo, uint64_t mask);
    GSErrCode (*Element_GetDefaults)(API_Element* element, API_ElementMemo* memo);
    GSErrCode (*Element_Create)(API_Element* element, API_ElementMemo* memo);
    GSErrCode (*Element_Change)(API_Element* element, const API_Element* mask, const API_ElementMemo* memo,
                                uint64_t memoMask);
    GSErrCode (*Element_ChangeParameters)(API_Elem_Head** elemHeads, int32_t nItem, const API_Element* defPars,
                                          const API_ElementMemo* memo, const API_Element* mask);
    GSErrCode (*Element_Delete)(API_Elem_Head** elemHeads, int32_t nItem);
    GSErrCode (*Element_GetElemList)(API_ElemTypeID typeID, GSHandle* guids);  // out: API_Guid records
    GSErrCode (*Element_Tool)(API_Elem_Head** elemHeads, int32_t nItem, uint32_t code, void* par);
    GSErrCode (*Element_Get3DInfo)(const API_Elem_Head* head, API_ElemInfo3D* info3D);
    GSErrCode (*Component3D_Get)(API_Component3D* component);
    GSErrCode (*DisposeElemMemoHdls)(API_ElementMemo* memo);
    GSErrCode (*DisposeAddParHdl)(API_AddParType*** addPars);

    // Library parts.
    GSErrCode (*LibPart_Search)(API_LibPart* ancestor, bool createIfMissing, bool onlyPlaceable);
    GSErrCode (*LibPart_Get)(API_LibPart* libPart);
    GSErrCode (*LibPart_GetParams)(int32_t libInd, double* a, double* b, int32_t* addParNum,
                                   API_AddParType*** addPars);

    // Attributes.
    GSErrCode (*Attribute_Get)(API_Attribute* attribute);
    GSErrCode (*Attribute_GetNum)(API_AttrTypeID typeID, int32_t* count);
    GSErrCode (*Attribute_GetDef)(API_AttrTypeID typeID, int32_t index, API_AttributeDef* defs);
    GSErrCode (*DisposeAttrDefsHdls)(API_AttributeDef* defs);

    // Report window and debug output.
    GSErrCode (*WriteReport)(const char* text, bool withDialog);
    void (*DBPrint)(const char* text);

    // Memory handles.
    GSHandle (*BMAllocateHandle)(int32_t size, int32_t flags, int32_t reserved);
    GSHandle (*BMReallocHandle)(GSHandle handle, int32_t newSize, int32_t flags, int32_t reserved);
    void (*BMKillHandle)(GSHandle* handle);
    int32_t (*BMGetHandleSize)(GSConstHandle handle);

    // Resources of the calling add-on.
    bool (*RSGetIndString)(char* buffer, int32_t bufferSize, int16_t resID, int32_t index);
    bool (*RSGetResource)(uint32_t type, int32_t id, const unsigned char** data, uint32_t* size);

    // Shell.
    GSErrCode (*ShellOpen)(const char* link);

    // Dialog manager.
    int16_t (*DGModalDialog)(int16_t resID, DGDialCallBack handler, intptr_t userData);
    int16_t (*DGModelessInit)(int16_t resID, DGDialCallBack handler, intptr_t userData);
    void (*DGModelessClose)(int16_t dialID);
    int16_t (*DGAlert)(int16_t alertType, const char* title, const char* largeText, const char* smallText,
                       const char* button1, const char* button2, const char* button3);
    void (*DGResetDialogRectangles)();
    void (*DGSetItemText)(int16_t dialID, int16_t item, const char* text);
    int32_t (*DGGetItemText)(int16_t dialID, int16_t item, char* buffer, int32_t bufferSize);
    void (*DGSetItemValLong)(int16_t dialID, int16_t item, int32_t value);
    int32_t (*DGGetItemValLong)(int16_t dialID, int16_t item);
    void (*DGEnableItem)(int16_t dialID, int16_t item);
    void (*DGDisableItem)(int16_t dialID, int16_t item);
    bool (*DGIsItemEnabled)(int16_t dialID, int16_t item);
    void (*DGShowItem)(int16_t dialID, int16_t item);
    void (*DGHideItem)(int16_t dialID, int16_t item);
    void (*DGMoveItem)(int16_t dialID, int16_t item, int16_t dx, int16_t dy);
    void (*DGGrowItem)(int16_t dialID, int16_t item, int16_t dw, int16_t dh);
    void (*DGGrowDialog)(int16_t dialID, int16_t dw, int16_t dh);
    void (*DGGetDialogRect)(int16_t dialID, DGRect* rect);        // position and size on screen
    void (*DGSetDialogPosition)(int16_t dialID, int16_t left, int16_t top);
    void (*DGGetMonitorRect)(int16_t dialID, DGRect* rect);       // the monitor the dialog is on
    int16_t (*DGGetLastItem)(int16_t dialID);
    void (*DGSetItemIcon)(int16_t dialID, int16_t item, int32_t iconID);
    void (*DGPopUpInsertItem)(int16_t dialID, int16_t item, int16_t pos);
    void (*DGPopUpSetItemText)(int16_t dialID, int16_t item, int16_t pos, const char* text);
    void (*DGPopUpSetItemIcon)(int16_t dialID, int16_t item, int16_t pos, int32_t iconID);
    void (*DGPopUpSelectItem)(int16_t dialID, int16_t item, int16_t pos);
    int16_t (*DGPopUpGetSelected)(int16_t dialID, int16_t item);
    int16_t (*DGPopUpGetItemCount)(int16_t dialID, int16_t item);
    void (*DGPopUpDeleteItem)(int16_t dialID, int16_t item, int16_t pos);
    void (*DGListInsertItem)(int16_t dialID, int16_t item, int16_t pos);
    void (*DGListSetItemText)(int16_t dialID, int16_t item, int16_t pos, int16_t tab, const char* text);
    void (*DGListSetItemImage)(int16_t dialID, int16_t item, int16_t pos, int16_t tab, int32_t imageID);
    void (*DGListSetTabFields)(int16_t dialID, int16_t item, int16_t nTabs, const int16_t* tabPositions);
    void (*DGListSelectItem)(int16_t dialID, int16_t item, int16_t pos);
    int16_t (*DGListGetSelected)(int16_t dialID, int16_t item);
    int16_t (*DGListGetItemCount)(int16_t dialID, int16_t item);
    void (*DGListDeleteItem)(int16_t dialID, int16_t item, int16_t pos);
    void (*DGListScrollUp)(int16_t dialID, int16_t item);
    void (*UCRollDownSetText)(int16_t dialID, int16_t item, const char* text);

    // ---- Version 2 and later: scripts of the add-on's own library parts ----
    GSErrCode (*Register_LibPartScripts)(const char* mainId, const LibPartScriptHooks* hooks);

    // --- append new blocks below this line, each marked with its version ---
};

// The bytes of a version 1 table: the add-on refuses a shorter one.
constexpr uint32_t kHostTableVersion1Size = uint32_t(offsetof(HostFunctionTable, Register_LibPartScripts));
