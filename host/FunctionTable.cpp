// Purpose: the host's function table: registration, environment, undo steps, libraries, report
// window, memory, resources, shell, point input; element and dialog entries come from their own
// modules. FillFunctionTable hands every entry to the add-on.
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "Common_src/ResourceIds.h"
#include "host/Attributes.h"
#include "host/DialogManager.h"
#include "host/Host.h"
#include "host/InputLimits.h"
#include "host/HostApi.h"
#include "host/LibPartScripts.h"
#include "host/Libraries.h"
#include "host/PointInput.h"
#include "host/MemoryHandles.h"
#include "host/ParamLists.h"
#include "host/Roof3D.h"

extern char** environ;

namespace host {
namespace {

// Copies a text into a fixed buffer; false when it does not fit.
bool CopyText(char* dest, size_t capacity, const std::string& text) {
    if (dest == nullptr || capacity == 0 || text.size() >= capacity) return false;
    std::memcpy(dest, text.c_str(), text.size() + 1);
    return true;
}

// True when an executable of that name is on the PATH.
bool OnPath(const char* program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return false;
    std::string all = path;
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(':', start);
        if (end == std::string::npos) end = all.size();
        const std::string candidate = all.substr(start, end - start) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

// Keeps a registered menu item (its menu and prompt resources) in registration order.
GSErrCode RegisterMenu(int16_t menuStrResID, int16_t promptStrResID, int32_t /*pos*/, int32_t /*flags*/) {
    if (GSErrCode f = TakeHostFault("Register_Menu")) return f;
    gSession.menus.push_back(RegisteredMenu{menuStrResID, promptStrResID});
    return NoError;
}

// Installs the add-on's handler for one menu resource.
GSErrCode InstallMenuHandler(int16_t menuStrResID, APIMenuCommandProc handler) {
    if (GSErrCode f = TakeHostFault("Install_MenuHandler")) return f;
    if (handler == nullptr) return APIERR_BADPARS;
    gSession.menuHandlers[menuStrResID] = handler;
    return NoError;
}

// Adds the add-on's own library (resource LIBP 128) to the active libraries, when it has one.
GSErrCode RegisterBuiltInLibrary() {
    if (GSErrCode f = TakeHostFault("Register_BuiltInLibrary")) return f;
    const unsigned char* data = nullptr;
    uint32_t size = 0;
    if (!FindResource(ResType_LibPart, kBuiltInLibraryResId, &data, &size)) return NoError;  // nothing to add
    std::string error;
    const GSErrCode err = AddLibraryText(std::string(reinterpret_cast<const char*>(data), size),
                                         "(built-in) " + gSession.ownLocation, true, &error);
    if (err != NoError) gSession.debugLines.push_back("Register_BuiltInLibrary: " + error);
    return err;
}

// Notes that the add-on asked to stay loaded.
GSErrCode KeepInMemory(bool keep) {
    gSession.keepInMemory = keep;
    return NoError;
}

// Gives the path of the loaded add-on file; an error when it does not fit the buffer.
GSErrCode GetOwnLocation(char* path, int32_t pathSize) {
    if (GSErrCode f = TakeHostFault("GetOwnLocation")) return f;
    if (gSession.ownLocation.empty()) return APIERR_GENERAL;
    return CopyText(path, size_t(pathSize > 0 ? pathSize : 0), gSession.ownLocation) ? NoError : APIERR_BADPARS;
}

// Runs a command body at once as one undo step; a failing body is rolled back.
GSErrCode CallUndoableCommand(const char* /*undoString*/, APICommandProc body, void* context) {
    if (GSErrCode f = TakeHostFault("CallUndoableCommand")) return f;
    if (body == nullptr) return APIERR_BADPARS;
    if (gSession.undoDepth > 0 || gSession.undoSessionOpen) return body(context);  // part of the running step
    BeginUndoStep();
    ++gSession.undoDepth;
    const GSErrCode err = body(context);
    --gSession.undoDepth;
    if (err != NoError) UndoLastStep();  // a failed command leaves the project as it was
    return err;
}

// Opens one undo step (the 18 deliverable's form of an undoable command).
GSErrCode OpenUndoableSession(const char* /*undoString*/) {
    if (GSErrCode f = TakeHostFault("OpenUndoableSession")) return f;
    if (gSession.undoSessionOpen) return APIERR_NESTING;
    BeginUndoStep();
    gSession.undoSessionOpen = true;
    return NoError;
}

// Closes the undo step opened by OpenUndoableSession.
GSErrCode CloseUndoableSession() {
    if (GSErrCode f = TakeHostFault("CloseUndoableSession")) return f;
    if (!gSession.undoSessionOpen) return APIERR_GENERAL;
    gSession.undoSessionOpen = false;
    return NoError;
}

// 'GSTO': the story list, first and last index, the current story.
GSErrCode GetStoryInfo(API_StoryInfo* info) {
    if (info == nullptr) return APIERR_BADPARS;
    const auto& stories = gSession.model.stories;
    *info = API_StoryInfo{};
    if (stories.empty()) return APIERR_GENERAL;
    GSHandle h = NewHostHandle(int32_t(stories.size() * sizeof(API_StoryType)));
    if (h == nullptr) return APIERR_MEMFULL;
    auto* recs = reinterpret_cast<API_StoryType*>(*h);
    info->firstStory = stories.front().index;
    info->lastStory = stories.front().index;
    for (size_t i = 0; i < stories.size(); ++i) {
        recs[i].index = stories[i].index;
        recs[i].level = stories[i].level;
        if (stories[i].index < info->firstStory) info->firstStory = stories[i].index;
        if (stories[i].index > info->lastStory) info->lastStory = stories[i].index;
    }
    info->actStory = gSession.model.currentStory;
    info->data = h;
    return NoError;
}

// 'GLIB': a handle of the active libraries.
GSErrCode GetLibraries(GSHandle* out) {
    if (out == nullptr) return APIERR_BADPARS;
    const auto& libs = gSession.libraries;
    *out = NewHostHandle(int32_t(libs.size() * sizeof(API_LibraryInfo)));
    if (*out == nullptr) return APIERR_MEMFULL;
    auto* recs = reinterpret_cast<API_LibraryInfo*>(**out);
    for (size_t i = 0; i < libs.size(); ++i) {
        recs[i] = API_LibraryInfo{};
        std::strncpy(recs[i].location, libs[i].location.c_str(), API_PathLen - 1);
        recs[i].builtIn = libs[i].builtIn;
    }
    return NoError;
}

// Environment queries: group suspension, stories, the active libraries, adding a library.
GSErrCode Environment(uint32_t code, void* par1, void* /*par2*/) {
    if (GSErrCode f = TakeHostFault("Environment", code)) return f;
    if (code == APIEnv_IsSuspendGroupOnID) {
        if (par1 == nullptr) return APIERR_BADPARS;
        *static_cast<bool*>(par1) = gSession.model.groupsSuspended;
        return NoError;
    }
    if (code == APIEnv_GetStorySettingsID) return GetStoryInfo(static_cast<API_StoryInfo*>(par1));
    if (code == APIEnv_GetLibrariesID) return GetLibraries(static_cast<GSHandle*>(par1));
    if (code == APIEnv_AddLibrariesID) {
        const auto* lib = static_cast<const API_LibraryInfo*>(par1);
        if (lib == nullptr) return APIERR_BADPARS;
        std::string error;
        const GSErrCode err = AddLibrary(std::string(lib->location, strnlen(lib->location, API_PathLen)), lib->builtIn, &error);
        if (err != NoError) gSession.debugLines.push_back("ALIB: " + error);
        return err;
    }
    return APIERR_BADPARS;
}

// Automation: redrawing the views (recorded only).
GSErrCode Automate(uint32_t code, void* /*par1*/, void* /*par2*/) {
    if (GSErrCode f = TakeHostFault("Automate", code)) return f;
    if (code == APIDo_RedrawID) {
        RecordCall("Automate/RDRW");
        return NoError;
    }
    return APIERR_BADPARS;
}

// Interface calls: user controls of dialogs, point input, rubber lines.
GSErrCode Interface(uint32_t code, void* par1, void* par2) {
    if (GSErrCode f = TakeHostFault("Interface", code)) return f;
    if (code == APIIo_SetUserControlCallbackID) {
        const auto* uc = static_cast<const API_UCCallbackType*>(par1);
        if (uc == nullptr) return APIERR_BADPARS;
        AppendKept(gSession.userControls, *uc, kMaxKeptRecords);
        RecordCall("Interface/SUCC", APINULLGuid, int64_t(uc->itemID) * 1000 + uc->type);
        return NoError;
    }
    if (code == APIIo_GetPointID) {
        // Point input comes from a driver (a test or the session's "point" line) when one is set.
        auto* point = static_cast<API_GetPointType*>(par1);
        if (point == nullptr) return APIERR_BADPARS;
        if (!gSession.pointInput) return GetPointInput(point, reinterpret_cast<RubberLineInfoProc>(par2));
        return gSession.pointInput(point, reinterpret_cast<RubberLineInfoProc>(par2));
    }
    if (code == APIIo_DrawRubberLineID) {
        return DrawRubberLine(static_cast<const API_RubberLineType*>(par1));
    }
    return APIERR_BADPARS;
}

// The body range of an element's 3D model.
GSErrCode Element_Get3DInfo(const API_Elem_Head* head, API_ElemInfo3D* info) {
    if (GSErrCode f = TakeHostFault("Element_Get3DInfo")) return f;
    return Get3DInfo(gSession.model, head, info);
}

// One component of a 3D body.
GSErrCode Component3D_Get(API_Component3D* component) {
    if (GSErrCode f = TakeHostFault("Component3D_Get")) return f;
    return GetComponent3D(gSession.model, component);
}

// Finds a loaded part by its main identifier (the revision is not compared) or by its name.
GSErrCode LibPart_Search(API_LibPart* ancestor, bool /*createIfMissing*/, bool /*onlyPlaceable*/) {
    if (GSErrCode f = TakeHostFault("LibPart_Search")) return f;
    if (ancestor == nullptr) return APIERR_BADPARS;
    const std::string unId(ancestor->ownUnID, strnlen(ancestor->ownUnID, sizeof ancestor->ownUnID));
    int32_t index = 0;
    if (!unId.empty()) {
        index = SearchLibPart(unId);
    } else {
        const std::string name(ancestor->docuName, strnlen(ancestor->docuName, sizeof ancestor->docuName));
        for (const LibPart& p : gSession.libParts)
            if (p.loaded && !name.empty() && p.name == name) { index = p.index; break; }
    }
    const LibPart* part = LibPartByIndex(index);
    if (part == nullptr) return APIERR_BADNAME;
    ancestor->index = part->index;
    ancestor->typeID = part->type;
    std::strncpy(ancestor->ownUnID, part->unId.c_str(), sizeof ancestor->ownUnID - 1);
    std::strncpy(ancestor->docuName, part->name.c_str(), sizeof ancestor->docuName - 1);
    std::strncpy(ancestor->fileName, part->fileName.c_str(), sizeof ancestor->fileName - 1);
    return NoError;
}

// The record of a part by index; a part no active library holds answers APIERR_LIBPARTMISSING.
GSErrCode LibPart_Get(API_LibPart* libPart) {
    if (GSErrCode f = TakeHostFault("LibPart_Get")) return f;
    if (libPart == nullptr) return APIERR_BADPARS;
    const LibPart* part = LibPartByIndex(libPart->index);
    if (part == nullptr) return APIERR_BADINDEX;
    if (!part->loaded) return APIERR_LIBPARTMISSING;
    const int32_t index = libPart->index;
    *libPart = API_LibPart{};
    libPart->index = index;
    libPart->typeID = part->type;
    std::strncpy(libPart->ownUnID, part->unId.c_str(), sizeof libPart->ownUnID - 1);
    std::strncpy(libPart->docuName, part->name.c_str(), sizeof libPart->docuName - 1);
    std::strncpy(libPart->fileName, part->fileName.c_str(), sizeof libPart->fileName - 1);
    return NoError;
}

// A part's default A, B and parameter list (a new handle the caller releases).
GSErrCode LibPart_GetParams(int32_t libInd, double* a, double* b, int32_t* addParNum, API_AddParType*** addPars) {
    if (GSErrCode f = TakeHostFault("LibPart_GetParams")) return f;
    const LibPart* part = LibPartByIndex(libInd);
    if (part == nullptr) return APIERR_BADINDEX;
    if (!part->loaded) return APIERR_LIBPARTMISSING;
    if (a != nullptr) *a = part->a;
    if (b != nullptr) *b = part->b;
    if (addParNum != nullptr) *addParNum = int32_t(part->params.size());
    if (addPars != nullptr) *addPars = ParamsToHandle(part->params);
    return NoError;
}

// One attribute of the project.
GSErrCode Attribute_Get(API_Attribute* attribute) {
    if (GSErrCode f = TakeHostFault("Attribute_Get")) return f;
    return AttributeGet(gSession.model, attribute);
}
// The number of attributes of a kind.
GSErrCode Attribute_GetNum(API_AttrTypeID typeID, int32_t* count) {
    if (GSErrCode f = TakeHostFault("Attribute_GetNum")) return f;
    return AttributeGetNum(gSession.model, typeID, count);
}
// The definition data of an attribute (composite skins).
GSErrCode Attribute_GetDef(API_AttrTypeID typeID, int32_t index, API_AttributeDef* defs) {
    if (GSErrCode f = TakeHostFault("Attribute_GetDef")) return f;
    return AttributeGetDef(gSession.model, typeID, index, defs);
}
GSErrCode DisposeAttrDefsHdls(API_AttributeDef* defs) { return DisposeAttrDefs(defs); }

// A line in the report window, with or without a dialog; it becomes the last message shown.
GSErrCode WriteReport(const char* text, bool withDialog) {
    if (GSErrCode f = TakeHostFault("WriteReport")) return f;
    const std::string t = text != nullptr ? text : "";
    AppendKept(gSession.reportLines, ReportLine{t, withDialog}, kMaxReportLines, &gSession.reportLinesReleased);
    gSession.lastMessage = t;
    return NoError;
}

void DBPrint(const char* text) { AppendKept(gSession.debugLines, std::string(text != nullptr ? text : ""), kMaxKeptRecords); }

// String `index` of a string resource of the add-on, cut to the buffer.
bool RSGetIndString(char* buffer, int32_t bufferSize, int16_t resID, int32_t index) {
    if (TakeHostFault("RSGetIndString") != NoError) return false;
    std::string text;
    if (buffer == nullptr || bufferSize <= 0 || !ResourceString(resID, index, text)) return false;
    const size_t n = text.size() < size_t(bufferSize - 1) ? text.size() : size_t(bufferSize - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = 0;
    return true;
}

// The bytes of one resource of the add-on.
bool RSGetResource(uint32_t type, int32_t id, const unsigned char** data, uint32_t* size) {
    if (TakeHostFault("RSGetResource") != NoError) return false;
    return FindResource(type, id, data, size);
}

// Records a link to open and, when asked and xdg-open exists, opens it.
GSErrCode ShellOpen(const char* link) {
    if (GSErrCode f = TakeHostFault("ShellOpen")) return f;
    if (link == nullptr || *link == 0) return APIERR_BADPARS;
    gSession.shellOpens.push_back(link);
    if (gSession.shellLaunch && OnPath("xdg-open")) {
        pid_t pid = 0;
        char* argv[] = {const_cast<char*>("xdg-open"), const_cast<char*>(link), nullptr};
        posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ);
    }
    return NoError;
}

}  // namespace

void FillFunctionTable(HostFunctionTable& t) {
    std::memset(&t, 0, sizeof t);
    t.size = sizeof(HostFunctionTable);
    t.version = kHostTableVersion;
    t.Register_Menu = RegisterMenu;
    t.Install_MenuHandler = InstallMenuHandler;
    t.Register_BuiltInLibrary = RegisterBuiltInLibrary;
    t.KeepInMemory = KeepInMemory;
    t.GetOwnLocation = GetOwnLocation;
    t.CallUndoableCommand = CallUndoableCommand;
    t.OpenUndoableSession = OpenUndoableSession;
    t.CloseUndoableSession = CloseUndoableSession;
    t.Environment = Environment;
    t.Automate = Automate;
    t.Goodies = Api_Goodies;
    t.Database = Api_Database;
    t.Interface = Interface;
    t.Selection_Get = Api_Selection_Get;
    t.Element_Select = Api_Element_Select;
    t.Element_Get = Api_Element_Get;
    t.Element_GetMemo = Api_Element_GetMemo;
    t.Element_GetDefaults = Api_Element_GetDefaults;
    t.Element_Create = Api_Element_Create;
    t.Element_Change = Api_Element_Change;
    t.Element_ChangeParameters = Api_Element_ChangeParameters;
    t.Element_Delete = Api_Element_Delete;
    t.Element_GetElemList = Api_Element_GetElemList;
    t.Element_Tool = Api_Element_Tool;
    t.Element_Get3DInfo = Element_Get3DInfo;
    t.Component3D_Get = Component3D_Get;
    t.DisposeElemMemoHdls = Api_DisposeElemMemoHdls;
    t.DisposeAddParHdl = Api_DisposeAddParHdl;
    t.LibPart_Search = LibPart_Search;
    t.LibPart_Get = LibPart_Get;
    t.LibPart_GetParams = LibPart_GetParams;
    t.Attribute_Get = Attribute_Get;
    t.Attribute_GetNum = Attribute_GetNum;
    t.Attribute_GetDef = Attribute_GetDef;
    t.DisposeAttrDefsHdls = DisposeAttrDefsHdls;
    t.WriteReport = WriteReport;
    t.DBPrint = DBPrint;
    t.BMAllocateHandle = AllocateHandle;
    t.BMReallocHandle = ReallocHandle;
    t.BMKillHandle = KillHandle;
    t.BMGetHandleSize = GetHandleSize;
    t.RSGetIndString = RSGetIndString;
    t.RSGetResource = RSGetResource;
    t.ShellOpen = ShellOpen;
    FillDialogEntries(t);
    t.Register_LibPartScripts = RegisterLibPartScripts;
}

}  // namespace host
