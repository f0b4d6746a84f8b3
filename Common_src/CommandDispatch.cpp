// Purpose: the entry points the host calls and the menu handler that runs the five commands.
#include "Common_src/CommandDispatch.h"

#include <cmath>
#include <cstring>
#include <exception>

#include "Common_src/AddOnEntry.h"
#include "Common_src/AddOnState.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/Messages.h"
#include "Common_src/TilingRun.h"
#include "accessories/AccessoryRun.h"
#include "catalogue/Catalogue.h"
#include "dialogs/TileSettings.h"
#include "edges/EdgeSetterPart.h"
#include "placement/ModifyTileSurface.h"
#include "roofgeom/RoofModel.h"

AddOnState gState;

namespace {

constexpr int16_t kMenuResIds[] = {PlaceTiles, PlaceAccessories, PlaceSolarCollector, PlaceSolarPanel,
                                   DeleteAccessories};
constexpr const char* kLibraryFileName = "TevaroTmp.lib";

constexpr double kTileSizeEqualTol = 1e-9;  // metres: the same tile size read back from a surface

// The command body handed to the undoable-command call: the command and what it decided.
struct CommandBody {
    int16_t command = 0;
    int32_t tileSurfaceLoaded = 0;
    bool tileSizeChanged = false;  // a modification lays other tiles: the accessory rows no longer fit
};

// Runs the body of a command inside the host's undo step; always succeeds towards the host.
GSErrCode RunCommandBody(void* context) {
    const CommandBody& body = *static_cast<const CommandBody*>(context);
    switch (body.command) {
        case PlaceTiles:
            if (body.tileSurfaceLoaded == 0) {
                DoTiles();
            } else {
                // Accessory positions are counted in tiles: only another tile size voids them.
                if (body.tileSizeChanged) AccessoryRun(AccessoryMode_ClearAll);
                DoModify();
            }
            break;
        case PlaceAccessories: AccessoryRun(AccessoryMode_Place); break;
        case PlaceSolarCollector: AccessoryRun(AccessoryMode_SolarCollector); break;
        case PlaceSolarPanel: AccessoryRun(AccessoryMode_SolarPanel); break;
        case DeleteAccessories: AccessoryRun(AccessoryMode_Delete); break;
        default: break;
    }
    return NoError;
}

// Copies the folder part of a file path (up to and including the last separator).
void FolderOf(const char* path, char* folder, size_t size) {
    std::snprintf(folder, size, "%s", path);
    char* lastSeparator = std::strrchr(folder, '/');
    if (lastSeparator != nullptr) {
        lastSeparator[1] = '\0';
    } else {
        folder[0] = '\0';
    }
}

// The opening of a tile command: story, tile-surface check, the main dialog, then the body.
void RunPlaceTiles(bool& storyFailed) {
    API_StoryInfo storyInfo{};
    if (ACAPI_Environment(APIEnv_GetStorySettingsID, &storyInfo) != NoError) {
        ReportMessage(GetMessage(kMsgEngineFailed));
        storyFailed = true;
        return;
    }
    gState.currentStory = storyInfo.actStory;
    BMKillHandle(&storyInfo.data);

    CommandBody body;
    body.command = PlaceTiles;
    body.tileSurfaceLoaded = getCserep();
    const double tileX = gTileSettings.tile_x, tileY = gTileSettings.tile_y;  // the surface's, when one was read
    if (TileDialog(body.tileSurfaceLoaded) != DG_OK) return;
    // Either side of the tile differs from the one the surface was laid with.
    body.tileSizeChanged = std::fabs(gTileSettings.tile_x - tileX) > kTileSizeEqualTol ||
                           std::fabs(gTileSettings.tile_y - tileY) > kTileSizeEqualTol;
    RunUndoable(RunCommandBody, &body);
}

}  // namespace

void ResetAddOnForLoad() { ResetEveryStatePiece(); }

API_AddonType CheckEnvironment(API_EnvirParams* envir) {
    RSGetIndString(envir->addOnName, sizeof envir->addOnName, kAddOnNameResId, 1);
    RSGetIndString(envir->addOnDescription, sizeof envir->addOnDescription, kAddOnNameResId, 2);
    return APIAddon_Normal;
}

GSErrCode RegisterInterface() {
    for (int16_t menuRes : kMenuResIds) ACAPI_Register_Menu(menuRes, int16_t(menuRes + kPromptResIdOffset), 0, 0);
    RegisterEdgeSetterScripts();
    return ACAPI_Register_BuiltInLibrary();
}

namespace {

// The body of Initialize; Initialize keeps any exception from reaching the host.
GSErrCode InitializeBody() {
    ReleaseRunState();
    gState.finalizationPending = false;
    gState.firstCommandPending = true;
    gState.tileSurfaceIdCounter = 0;

    char ownPath[API_PathLen] = {};
    ACAPI_GetOwnLocation(ownPath, sizeof ownPath);
    FolderOf(ownPath, gState.addOnFolder, sizeof gState.addOnFolder);
    const int length = std::snprintf(gState.libraryLocation, sizeof gState.libraryLocation, "%s%s",
                                     gState.addOnFolder, kLibraryFileName);
    if (length < 0 || size_t(length) >= sizeof gState.libraryLocation) gState.libraryLocation[0] = '\0';
    LoadCatalogue();

    GSErrCode err = NoError;
    for (int16_t menuRes : kMenuResIds) err = ACAPI_Install_MenuHandler(menuRes, MenuCommand);
    return err;
}

}  // namespace

GSErrCode Initialize() {
    try {
        return InitializeBody();
    } catch (const std::exception&) {
        return APIERR_MEMFULL;  // the standard library ran out of memory: the add-on cannot start
    }
}

GSErrCode FreeData() {
    ReleaseRunState();
    return NoError;
}

bool LibPartIsKind(const char* unId, const char* mainId) {
    return std::strlen(unId) >= kMainIdLength && std::strncmp(unId, mainId, kMainIdLength) == 0;
}

GSErrCode LoadAddOnLibrary() {
    GSHandle libraries = nullptr;
    const HandleGuard librariesGuard(libraries);
    GSErrCode err = ACAPI_Environment(APIEnv_GetLibrariesID, &libraries);
    if (err != NoError) return err;
    const int32_t count = HandleCount<API_LibraryInfo>(libraries);
    bool present = false;
    for (int32_t i = 0; i < count && !present; ++i) {
        const API_LibraryInfo& info = reinterpret_cast<const API_LibraryInfo*>(*libraries)[i];
        present = std::strcmp(info.location, gState.libraryLocation) == 0;
    }
    if (present) return NoError;

    API_LibraryInfo added{};
    std::snprintf(added.location, sizeof added.location, "%s", gState.libraryLocation);
    return ACAPI_Environment(APIEnv_AddLibrariesID, &added);
}

bool ProperSelection() {
    API_SelectionInfo info{};
    API_Neig** neigs = nullptr;
    const HandleGuard neigsGuard(neigs);
    GSErrCode err = ACAPI_Selection_Get(&info, &neigs, true, false);
    if (err != NoError) {
        ErrorAlert(GetMessage(41), err);
        return false;
    }
    int32_t tileSurfaces = 0;
    if (info.typeID == API_SelElems && neigs != nullptr) {
        const int32_t count = HandleCount<API_Neig>(neigs);
        for (int32_t i = 0; i < count; ++i) {
            API_Element element{};
            element.header.guid = (*neigs)[i].guid;
            if (ACAPI_Element_Get(&element) != NoError || element.header.typeID != API_ObjectID) continue;
            API_LibPart libPart{};
            libPart.index = element.object.libInd;
            if (ACAPI_LibPart_Get(&libPart) != NoError) continue;
            if (!LibPartIsKind(libPart.ownUnID, kTileSurfaceMainId)) continue;
            gState.selectedTileSurface = element.header.guid;
            ++tileSurfaces;
        }
    }
    return tileSurfaces == 1;
}

namespace {

// The body of MenuCommand; MenuCommand keeps any exception from reaching the host.
GSErrCode MenuCommandBody(const API_MenuParams* menuParams) {
    const int16_t command = menuParams->menuItemRef.menuResID;

    // 1. While the user is still correcting edges, no command may start.
    if (gState.finalizationPending) {
        ReportMessage(GetMessage(kMsgFinalizationPending));
        return NoError;
    }
    // 2. The object library must be active.
    GSErrCode err = LoadAddOnLibrary();
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgMissingLibrary), err);
        return err;
    }
    // 3. The first command after loading starts from the catalogue's defaults.
    if (gState.firstCommandPending) {
        gState.finalizationPending = false;
        InitTileSettings();
        gState.firstCommandPending = false;
    }
    // 4. Dialogs open where their layout puts them.
    DGResetDialogRectangles();
    // 5. Group suspension on for the command.
    bool suspended = false;
    err = ACAPI_Environment(APIEnv_IsSuspendGroupOnID, &suspended);
    const bool wasOff = err == NoError && !suspended;
    if (err != NoError || (wasOff && ACAPI_Element_Tool(nullptr, 0, APITool_SuspendGroups) != NoError)) {
        ReportMessage(GetMessage(kMsgSuspendGroups));
        ACAPI_KeepInMemory(true);
        return NoError;
    }
    // 6. The command.
    bool restoreSuspension = false;
    switch (command) {
        case PlaceTiles: {
            bool storyFailed = false;
            RunPlaceTiles(storyFailed);
            restoreSuspension = !storyFailed;
            break;
        }
        case PlaceAccessories:
        case PlaceSolarCollector:
        case PlaceSolarPanel:
        case DeleteAccessories: {
            if (ProperSelection()) {
                CommandBody body;
                body.command = command;
                RunUndoable(RunCommandBody, &body);
            } else {
                ReportMessage(GetMessage(kMsgWrongSelection));
            }
            restoreSuspension = command == PlaceAccessories;
            break;
        }
        default: break;
    }
    // 7. Tile and accessory placement give the user's suspension state back; the others leave it on.
    if (restoreSuspension && wasOff) ACAPI_Element_Tool(nullptr, 0, APITool_SuspendGroups);
    // 8.
    ACAPI_KeepInMemory(true);
    return NoError;
}

}  // namespace

GSErrCode MenuCommand(const API_MenuParams* menuParams) {
    try {
        return MenuCommandBody(menuParams);
    } catch (const std::exception&) {
        // Only the standard library throws here, for want of memory: say so like any shortage.
        ReportMessage(GetMessage(kMsgOutOfMemory));
        return NoError;
    }
}
