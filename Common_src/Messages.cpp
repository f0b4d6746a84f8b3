// Purpose: message lookup in resource 130 and the report, alert and trace forms of a message.
#include "Common_src/Messages.h"

#include <cstring>

namespace {

constexpr int kMessageSlotCount = 10;
constexpr int kMessageSlotSize = 255;
constexpr int kReportBufferSize = 536;
constexpr int kAlertLineSize = 1024;

char gMessageSlots[kMessageSlotCount][kMessageSlotSize];
int gMessageSlot = 0;
char gApiErrorNameBuffer[64];

struct ApiErrorNameEntry {
    GSErrCode code;
    const char* name;
};

const ApiErrorNameEntry kApiErrorNames[] = {
    {APIERR_GENERAL, "APIERR_GENERAL"},
    {APIERR_MEMFULL, "APIERR_MEMFULL"},
    {APIERR_CANCEL, "APIERR_CANCEL"},
    {APIERR_BADID, "APIERR_BADID"},
    {APIERR_BADINDEX, "APIERR_BADINDEX"},
    {APIERR_BADNAME, "APIERR_BADNAME"},
    {APIERR_BADPARS, "APIERR_BADPARS"},
    {APIERR_BADPOLY, "APIERR_BADPOLY"},
    {APIERR_BADDATABASE, "APIERR_BADDATABASE"},
    {APIERR_BADWINDOW, "APIERR_BADWINDOW"},
    {APIERR_BADKEYCODE, "APIERR_BADKEYCODE"},
    {APIERR_BADPLANE, "APIERR_BADPLANE"},
    {APIERR_BADUSERID, "APIERR_BADUSERID"},
    {APIERR_NO3D, "APIERR_NO3D"},
    {APIERR_NOMORE, "APIERR_NOMORE"},
    {APIERR_NOPLAN, "APIERR_NOPLAN"},
    {APIERR_NOLIB, "APIERR_NOLIB"},
    {APIERR_NOLIBSECT, "APIERR_NOLIBSECT"},
    {APIERR_NOSEL, "APIERR_NOSEL"},
    {APIERR_NOTEDITABLE, "APIERR_NOTEDITABLE"},
    {APIERR_NOUSERDATA, "APIERR_NOUSERDATA"},
    {APIERR_MOREUSER, "APIERR_MOREUSER"},
    {APIERR_WINDEXIST, "APIERR_WINDEXIST"},
    {APIERR_WINDNOTEXIST, "APIERR_WINDNOTEXIST"},
    {APIERR_ATTREXIST, "APIERR_ATTREXIST"},
    {APIERR_DELETED, "APIERR_DELETED"},
    {APIERR_LOCKEDLAY, "APIERR_LOCKEDLAY"},
    {APIERR_HIDDENLAY, "APIERR_HIDDENLAY"},
    {APIERR_NOTMINE, "APIERR_NOTMINE"},
    {APIERR_MODULNOTINSTALLED, "APIERR_MODULNOTINSTALLED"},
    {APIERR_MODULCMDNOTSUPPORTED, "APIERR_MODULCMDNOTSUPPORTED"},
    {APIERR_MODULCMDVERSNOTSUPPORTED, "APIERR_MODULCMDVERSNOTSUPPORTED"},
    {APIERR_NOTINIT, "APIERR_NOTINIT"},
    {APIERR_NESTING, "APIERR_NESTING"},
    {APIERR_NOTSUPPORTED, "APIERR_NOTSUPPORTED"},
    {APIERR_REFUSEDCMD, "APIERR_REFUSEDCMD"},
    {APIERR_REFUSEDPAR, "APIERR_REFUSEDPAR"},
};

constexpr int16_t kFaultyElementDialogId = kFaultyElementDialogResId;
constexpr int16_t kFaultySelectButton = 1;
constexpr int16_t kFaultyAbortButton = 2;
constexpr int16_t kFaultyTextItem = 3;

// Dialog handler of the fault dialog: fills in the roof's ID, closes on either button.
int16_t FaultyElementHandler(int16_t message, int16_t dialID, int16_t item, intptr_t userData,
                             const DGMessageData*) {
    if (message == DG_MSG_INIT) {
        char text[kMessageSlotSize + 256];
        std::snprintf(text, sizeof text, GetMessage(kMsgFaultyRoofText), reinterpret_cast<const char*>(userData));
        DGSetItemText(dialID, kFaultyTextItem, text);
    } else if (message == DG_MSG_CLICK && (item == kFaultySelectButton || item == kFaultyAbortButton)) {
        return item;
    }
    return 0;
}

}  // namespace

const char* GetMessage(int32_t row) {
    gMessageSlot = gMessageSlot + 1 == kMessageSlotCount ? 0 : gMessageSlot + 1;
    char* slot = gMessageSlots[gMessageSlot];
    if (!RSGetIndString(slot, kMessageSlotSize, kMessageTableResId, row)) {
        std::snprintf(slot, kMessageSlotSize, "Error getting resource string: resInd:%i, strInd:%i (retI:%i)!",
                      int(kMessageTableResId), int(row), gMessageSlot);
    }
    return slot;
}

void ReportMessage(const char* text) {
    char local[kReportBufferSize];
    std::snprintf(local, sizeof local, "%s", text);
    ACAPI_WriteReport(local, true);
}

const char* ApiErrorName(GSErrCode code) {
    const char* name = "???";
    for (const ApiErrorNameEntry& entry : kApiErrorNames) {
        if (entry.code == code) {
            name = entry.name;
            break;
        }
    }
    std::snprintf(gApiErrorNameBuffer, sizeof gApiErrorNameBuffer, "%s", name);
    return gApiErrorNameBuffer;
}

void ErrorAlert(const char* text, GSErrCode code) {
    char line[kAlertLineSize];
    if (code < 1) {
        std::snprintf(line, sizeof line, "\n%s: %i %s", text, int(code), ApiErrorName(code));
    } else {
        // A positive code is an operating-system error number: describe that number.
        std::snprintf(line, sizeof line, "%s: %i Operating system error: %s\n", text, int(code), std::strerror(code));
    }
    const char* title = GetMessage(kMsgErrorTitle);
    const char* ok = GetMessage(kMsgOkButton);
    DGAlert(-1, title, line, "", ok, "", "");
}

void ReportTrace(const char* text) {
    if (text == nullptr) {
        ACAPI_WriteReport("(MESSAGE IS NULL)", false);
        DBPrintf("(MESSAGE IS NULL%s)", "\n");
        return;
    }
    ACAPI_WriteReport(text, false);
    DBPrintf("%s\n", text);
}

int16_t FaultyElementDialog(const char* elementId) {
    return DGModalDialog(kFaultyElementDialogId, FaultyElementHandler, reinterpret_cast<intptr_t>(elementId));
}

void ResetMessageBuffers() {
    std::memset(gMessageSlots, 0, sizeof gMessageSlots);
    gMessageSlot = 0;
    std::memset(gApiErrorNameBuffer, 0, sizeof gApiErrorNameBuffer);
}

bool MessageBuffersReset() {
    bool empty = gMessageSlot == 0 && gApiErrorNameBuffer[0] == '\0';
    for (const char* slot : gMessageSlots) empty = empty && slot[0] == '\0';
    return empty;
}
