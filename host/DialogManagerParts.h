// Purpose: what the four parts of the headless dialog manager share: the manager's state (open
// dialogs, queued actions, remembered positions), finding an open dialog and its items, radio
// groups, item kind words, and filling the function table's entries of each part.
//
// The parts: DialogLayout.cpp reads dialog resources, DialogLoop.cpp runs modal dialogs and the
// palette and applies the user's actions, DialogItems.cpp holds the item operations of the
// function table, DialogDump.cpp draws a dialog as text.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/DialogManager.h"

namespace host::dm {

constexpr int16_t kFirstDialogId = 1;

struct DialogManagerState {
    std::map<int16_t, OpenDialog> open;
    int16_t nextId = kFirstDialogId;
    std::deque<DialogAction> queue;
    DialogActionSource source;
    std::map<int16_t, std::pair<int16_t, int16_t>> rememberedPositions;  // resID -> left, top
    DGRect monitor{0, 0, 1920, 1080};
    std::vector<std::string> errors;
    std::vector<ClosedDialog> closed;
};
extern DialogManagerState gDM;

// The open dialog of that id, nullptr when none.
OpenDialog* Dialog(int16_t dialID);
// The item of that number in an open dialog, nullptr when none.
DialogItem* Item(int16_t dialID, int16_t item);
// Sets a radio button and clears the others of its group.
void SetRadio(OpenDialog& d, DialogItem& radio, int32_t value);
// True for the two radio kinds.
bool IsRadio(const DialogItem& item);

// The resource word of an item kind ("popup").
const char* KindText(ItemKind kind);
// Reads a whole number word; false when it is not one.
bool ToInt(const std::string& s, long& value);

// Fill the function table's entries of the modal loop and of the item operations.
void FillLoopEntries(HostFunctionTable& table);
void FillItemEntries(HostFunctionTable& table);

}  // namespace host::dm
