// Purpose: the modeless edge palette (dialog 32511) and its two actions: finalize the edges and
// tile the roofs, or abort and delete the edge setters.
#include "edges/EdgePalette.h"

#include <cstdio>
#include <exception>

#include "Common_src/AddOnEntry.h"
#include "Common_src/AddOnState.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/Messages.h"
#include "edges/EdgeSetters.h"
#include "placement/PlaceTileSurfaces.h"
#include "roofgeom/RunRoofs.h"

namespace {

bool gClosingUnused = false;  // the run is closing its own palette: the close is no user's abort

// Switches group suspension on for an action; false (after message 18) when it cannot be.
// `wasOff` tells whether it has to be switched off again at the end.
bool SuspendGroupsForAction(bool& wasOff) {
    bool suspended = false;
    wasOff = false;
    GSErrCode err = ACAPI_Environment(APIEnv_IsSuspendGroupOnID, &suspended);
    if (err == NoError && suspended) return true;  // asked, and already on: nothing to switch
    if (err == NoError) err = ACAPI_Element_Tool(nullptr, 0, APITool_SuspendGroups);
    if (err != NoError) {
        ErrorAlert(GetMessage(kMsgSuspendGroups), err);
        return false;
    }
    wasOff = true;
    return true;
}

// Gives group suspension back to what it was before the action.
void RestoreGroupSuspension(bool wasOff) {
    if (wasOff) ACAPI_Element_Tool(nullptr, 0, APITool_SuspendGroups);
}

// Ends an action the standard library stopped for want of memory: the setters go, the run
// tables are released, and the user is told.
void EndActionWithoutMemory() {
    DeleteDummies();
    ReleaseRunState();
    ReportMessage(GetMessage(kMsgOutOfMemory));
}

// Undoable body of the finalize button; no exception reaches the host.
GSErrCode FinalizeBody(void*) {
    try {
        FinalizeEdges();
    } catch (const std::exception&) {
        EndActionWithoutMemory();
    }
    return NoError;
}

// Undoable body of any other way of closing the palette; no exception reaches the host.
GSErrCode AbortBody(void*) {
    try {
        AbortEdges();
    } catch (const std::exception&) {
        EndActionWithoutMemory();
    }
    return NoError;
}

}  // namespace

int16_t OpenEdgePalette() { return DGModelessInit(kEdgePaletteResId, EdgePaletteHandler, 0); }

int16_t EdgePaletteHandler(int16_t message, int16_t, int16_t item, intptr_t, const DGMessageData*) {
    if (message == DG_MSG_CLICK) {
        if (item == kEdgePaletteFinalizeItem) {
            RunUndoable(FinalizeBody, nullptr);
            return kEdgePaletteFinalizeItem;
        }
        return item == DG_CLOSEBOX ? DG_CLOSEBOX : 0;
    }
    if (message == DG_MSG_CLOSE) {
        gState.finalizationPending = false;
        // Closed by the user, not by the finalize button, and not by the run that opened it.
        const bool userAbort = item != kEdgePaletteFinalizeItem && !gClosingUnused;
        if (userAbort) RunUndoable(AbortBody, nullptr);
    }
    return 0;
}

void CloseEdgePaletteUnused(int16_t dialID) {
    gClosingUnused = true;
    DGModelessClose(dialID);
    gClosingUnused = false;
    gState.finalizationPending = false;
}

void FinalizeEdges() {
    bool wasOff = false;
    if (!SuspendGroupsForAction(wasOff)) return;
    const GSErrCode err = LoadAddOnLibrary();
    if (err != NoError) {
        DeleteDummies();
        ErrorAlert(GetMessage(kMsgMissingLibrary), err);
    } else if (!RunRoofsUnchanged()) {
        DeleteDummies();  // a roof was deleted or moved meanwhile: nothing is placed (reported there)
    } else if (!FinalizeDummies()) {
        DeleteDummies();  // reported there
    } else {
        char trace[64];
        std::snprintf(trace, sizeof trace, "veglegesites %u tetosikon", unsigned(gState.roofPlanes.planes.count));
        ReportTrace(trace);
        RoofPlaceAll();
    }
    ReleaseRunState();
    RestoreGroupSuspension(wasOff);
}

void AbortEdges() {
    bool wasOff = false;
    if (!SuspendGroupsForAction(wasOff)) return;
    DeleteDummies();
    ReleaseRunState();
    RestoreGroupSuspension(wasOff);
}

void ResetPaletteClosing() { gClosingUnused = false; }

bool PaletteClosingReset() { return !gClosingUnused; }
