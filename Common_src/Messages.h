// Purpose: the message table (resource 130) and the ways a message reaches the user.
#pragma once

#include "Common_src/Api_related/HostCalls.h"
#include "Common_src/ResourceIds.h"

// Row numbers used by more than one module. Code refers to messages by row number only.
enum MessageRow : int32_t {
    kMsgErrorTitle = 2,
    kMsgOkButton = 4,
    kMsgModifySelected = 7,
    kMsgMissingLibrary = 9,
    kMsgWrongSelection = 10,
    kMsgNoSelection = 16,
    kMsgOutOfMemory = 17,
    kMsgSuspendGroups = 18,
    kMsgNoRoofSelected = 19,
    kMsgTooManyAccessories = 43,
    kMsgFirstCatalogueHeader = 51,  // rows 51-70 are the catalogue's section headers
    kMsgLastCatalogueHeader = 70,
    kMsgFaultyRoofText = 72,
    kMsgSettersChanged = 76,
    kMsgDuplicatePlanes = 86,
    kMsgEngineFailed = 87,
    kMsgFinalizationPending = 88,
    kMsgFaultyElement = 89,
    kMsgFamilyOverflow = 90,
    kMsgTileTypeMissing = 91,
};

// The text of a row, in one of ten rotating 255-byte buffers: valid until ten further lookups.
const char* GetMessage(int32_t row);

// Empties the rotating message buffers and the error-name buffer; true when they are empty.
void ResetMessageBuffers();
bool MessageBuffersReset();

// Shows a text in the report window with a dialog.
void ReportMessage(const char* text);

// Shows a modal error alert: host codes (< 1) with their API name, positive codes as system errors.
void ErrorAlert(const char* text, GSErrCode code);

// The API name of a host error code ("???" when it has none), in one shared buffer.
const char* ApiErrorName(GSErrCode code);

// Writes a trace line to the report window (no dialog) and to the debug output.
void ReportTrace(const char* text);

// The fault dialog of the roof extraction (dialog 32510); returns the button that closed it.
int16_t FaultyElementDialog(const char* elementId);
