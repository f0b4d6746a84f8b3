// Purpose: the headless dialog manager: dialogs built from the add-on's 'DLGR' resources, driven
// by scripted actions (tests, session scripts, the shell) instead of a person at a screen.
// Actions name an item by its number or by the name its layout gives it (`name=foil`).
//
// A modal dialog sends its handler DG_MSG_INIT, then takes actions until it closes: first the
// queued actions, then those the action source supplies; when none is left it is cancelled, so
// nothing ever waits. A modeless palette stays open and takes actions through ApplyToPalette.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Common_src/Api_related/HostFunctionTable.h"

namespace host {

enum class ItemKind {
    Button, IconButton, Text, Picture, Icon, Separator, RollDown, Radio, IconRadio, CheckBox,
    PopUp, List, IntEdit, RealEdit, TextEdit, UserControl,
};

struct PopUpEntry {
    std::string text;
    int32_t icon = 0;
};
struct ListRow {
    std::vector<std::string> texts;  // per tab field (index 0 = tab 1)
    std::vector<int32_t> images;     // per tab field
};

struct DialogItem {
    int16_t number = 0;
    std::string name;      // the layout's name for it ("" none); the radios of one group share theirs
    ItemKind kind = ItemKind::Text;
    int16_t x = 0, y = 0, w = 0, h = 0;
    std::string text;
    int32_t icon = 0;
    int16_t group = 0;     // radio group (0 none)
    int32_t value = 0;     // check box, radio, roll-down (1 open), edit, user control
    bool enabled = true;
    bool visible = true;
    std::vector<PopUpEntry> entries;  // pop-up entries
    int16_t selected = 0;             // pop-up / list selection, 1-based, 0 none
    std::vector<ListRow> rows;        // list rows
    std::vector<int16_t> tabs;        // list tab field positions
    int16_t scrollTop = 1;            // list: first row shown
};

struct DialogLayout {
    int16_t resID = 0;
    std::string title;
    int16_t width = 0, height = 0;
    std::vector<DialogItem> items;  // in item-number order
};

struct OpenDialog {
    int16_t dialID = 0;
    bool modal = true;
    DGDialCallBack handler = nullptr;
    intptr_t userData = 0;
    DialogLayout layout;
    int16_t left = 0, top = 0;  // position on the screen
    bool closing = false;
    int16_t closeItem = 0;
};

// One thing the user does in a dialog.
struct DialogAction {
    enum Kind { SetValue, Pick, Click, Ok, Cancel, Inspect } kind = Click;
    int16_t item = 0;
    std::string itemName;           // the item by its layout name instead of `item` ("" none)
    std::string value;              // SetValue: number or text
    int16_t row = 0, x = 0, y = 0;  // Pick: entry; Click: list row and position
    int line = 0;                   // script line that gave the action (0: none)
    std::function<void(const OpenDialog&)> inspect;  // Inspect: look at the open dialog
};

// A dialog as it was when it closed.
struct ClosedDialog {
    OpenDialog dialog;
    int16_t result = 0;
};

// Reads a dialog resource text (format in resources/README.md).
bool ParseDialogLayout(const std::string& text, int16_t resID, DialogLayout& layout, std::string& error);
// The add-on's dialog resource `resID`.
bool LoadDialogLayout(int16_t resID, DialogLayout& layout, std::string& error);
// The numbers of the items a layout names `name`, in item order (several: one radio group).
std::vector<int16_t> ItemsNamed(const DialogLayout& layout, const std::string& name);

void QueueDialogAction(const DialogAction& action);
size_t QueuedDialogActions();
// Supplies the next action for a modal dialog once the queue is empty; false: none (cancel).
using DialogActionSource = std::function<bool(DialogAction& action)>;
void SetDialogActionSource(DialogActionSource source);

// Acts on the open modeless palette at once; false with `error` when it cannot.
bool ApplyToPalette(const DialogAction& action, std::string& error);
// The open palette's dialog id, 0 when none is open.
int16_t OpenPaletteId();
const OpenDialog* FindOpenDialog(int16_t dialID);
// The innermost open modal dialog's id, 0 when none is open.
int16_t TopModalDialogId();
std::vector<ClosedDialog>& ClosedDialogs();
// Problems met while driving dialogs (an action on a missing or disabled item, a missing resource).
std::vector<std::string> TakeDialogErrors();

// Text picture of a dialog: number, kind, name, text, value, enabled, visible, entries.
std::string DumpDialog(const OpenDialog& dialog);

void SetMonitorRect(const DGRect& rect);
// Forgets open dialogs, queued actions, the action source, remembered positions, errors.
void ResetDialogs();

// Fills the dialog manager's entries of the function table.
void FillDialogEntries(HostFunctionTable& table);

}  // namespace host
