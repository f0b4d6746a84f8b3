// Purpose: the dialog manager's modal loop and palette: opening a dialog from its resource, the
// user's actions (by item number or name) applied one by one until the dialog closes, the
// modeless palette, alerts, and the record of closed dialogs and of problems met.
#include <sstream>

#include "host/DialogManagerParts.h"
#include "host/Host.h"
#include "host/InputLimits.h"

namespace host {

namespace dm {

DialogManagerState gDM;

// The open dialog of that id, nullptr when none.
OpenDialog* Dialog(int16_t dialID) {
    auto it = gDM.open.find(dialID);
    return it == gDM.open.end() ? nullptr : &it->second;
}

// The item of that number in an open dialog, nullptr when none.
DialogItem* Item(int16_t dialID, int16_t item) {
    OpenDialog* d = Dialog(dialID);
    if (d == nullptr) return nullptr;
    for (DialogItem& it : d->layout.items)
        if (it.number == item) return &it;
    return nullptr;
}

bool IsRadio(const DialogItem& item) { return item.kind == ItemKind::Radio || item.kind == ItemKind::IconRadio; }

// Sets a radio button and clears the others of its group.
void SetRadio(OpenDialog& d, DialogItem& radio, int32_t value) {
    radio.value = value;
    if (value == 0 || radio.group == 0) return;
    for (DialogItem& other : d.layout.items)
        if (&other != &radio && other.group == radio.group && IsRadio(other)) other.value = 0;
}

}  // namespace dm

namespace {

using dm::Dialog;
using dm::gDM;
using dm::Item;
using dm::KindText;
using dm::SetRadio;
using dm::ToInt;

constexpr int kMaxActionsPerDialog = 100000;  // a runaway driver cannot keep a dialog open forever

// Keeps a problem met while driving a dialog, with the script line that caused it.
void AddError(int line, const std::string& text) {
    gDM.errors.push_back(line > 0 ? "line " + std::to_string(line) + ": " + text : text);
}

// Sends one message to a dialog's handler; 0 when the dialog has no handler or is gone.
int16_t Send(int16_t dialID, int16_t message, int16_t item, int16_t listRow = 0, int16_t x = 0, int16_t y = 0) {
    OpenDialog* d = Dialog(dialID);
    if (d == nullptr || d->handler == nullptr) return 0;
    DGMessageData data;
    data.item = item;
    data.x = x;
    data.y = y;
    data.listRow = listRow;
    const DGDialCallBack handler = d->handler;
    const intptr_t userData = d->userData;
    return handler(message, dialID, item, userData, &data);
}

// Marks a dialog as closing with `item` unless it already is.
void MarkClosing(int16_t dialID, int16_t item) {
    OpenDialog* d = Dialog(dialID);
    if (d != nullptr && !d->closing) {
        d->closing = true;
        d->closeItem = item;
    }
}

// Sends the close message, remembers the position and the final state, and forgets the dialog.
void FinishClose(int16_t dialID) {
    OpenDialog* d = Dialog(dialID);
    if (d == nullptr) return;
    Send(dialID, DG_MSG_CLOSE, d->closeItem);
    d = Dialog(dialID);
    if (d == nullptr) return;
    gDM.rememberedPositions[d->layout.resID] = {d->left, d->top};
    AppendKept(gDM.closed, ClosedDialog{*d, d->closeItem}, kMaxClosedDialogs);
    gDM.open.erase(dialID);
}

// An action that names its item turned into one that numbers it, against the open dialog's
// layout: a name of one item becomes its number; a radio group's name with `pick NAME N` becomes a
// click on the group's N-th button. False with `error` when the name does not fit.
bool ResolveItemName(const OpenDialog& d, DialogAction& a, std::string& error) {
    const std::vector<int16_t> named = ItemsNamed(d.layout, a.itemName);
    const std::string where = "dialog " + std::to_string(d.layout.resID);
    if (named.empty()) {
        error = where + " has no item named \"" + a.itemName + "\"";
        return false;
    }
    if (named.size() == 1) {
        a.item = named[0];
        return true;
    }
    // Several items share a name only as one radio group: `pick NAME N` chooses its N-th button.
    const std::string count = std::to_string(named.size());
    if (a.kind != DialogAction::Pick) {
        error = "\"" + a.itemName + "\" in " + where + " is a group of " + count + " buttons: pick " + a.itemName + " N";
        return false;
    }
    if (a.row < 1 || size_t(a.row) > named.size()) {
        error = "\"" + a.itemName + "\": no button " + std::to_string(a.row) + " (it has " + count + ")";
        return false;
    }
    a.item = named[size_t(a.row - 1)];
    a.kind = DialogAction::Click;
    a.row = 0;
    return true;
}

// Applies one user action to an open dialog; false with `error` when it cannot be done.
bool Apply(int16_t dialID, const DialogAction& action, std::string& error) {
    OpenDialog* d = Dialog(dialID);
    if (d == nullptr) { error = "no dialog is open"; return false; }
    DialogAction a = action;
    if (!a.itemName.empty() && !ResolveItemName(*d, a, error)) return false;
    if (a.kind == DialogAction::Inspect) {
        if (a.inspect) a.inspect(*d);
        return true;
    }
    const int16_t itemNo = a.kind == DialogAction::Ok ? DG_OK : a.kind == DialogAction::Cancel ? DG_CANCEL : a.item;
    if (a.kind == DialogAction::Click && itemNo == DG_CLOSEBOX) {
        const int16_t answer = Send(dialID, DG_MSG_CLICK, DG_CLOSEBOX);
        if (answer != 0) MarkClosing(dialID, answer);
        return true;
    }
    DialogItem* it = Item(dialID, itemNo);
    const std::string name = "item " + std::to_string(itemNo) + (it != nullptr && !it->name.empty() ? " (" + it->name + ")" : "");
    if (it == nullptr) { error = name + " does not exist in dialog " + std::to_string(d->layout.resID); return false; }
    if (!it->visible) { error = name + " is hidden"; return false; }
    if (!it->enabled) { error = name + " is disabled"; return false; }

    switch (a.kind) {
    case DialogAction::SetValue: {
        // A number field takes whole numbers of its own width only: a longer one is refused, not wrapped.
        int64_t v = 0;
        std::string why;
        const bool numeric = ParseWholeNumber(a.value, INT32_MIN, INT32_MAX, v, why);
        double real = 0;
        switch (it->kind) {
        case ItemKind::Text: case ItemKind::TextEdit:
            it->text = a.value;
            break;
        case ItemKind::RealEdit:
            // A real-number field takes finite numbers only, as the host's own control does.
            if (!ParseFiniteNumber(a.value, kMaxDialogNumber, real, why)) { error = name + ": " + why; return false; }
            it->text = a.value;
            break;
        case ItemKind::IntEdit: case ItemKind::CheckBox: case ItemKind::RollDown: case ItemKind::UserControl:
            if (!numeric) { error = name + ": \"" + a.value + "\" is not a whole number"; return false; }
            it->value = int32_t(v);
            break;
        case ItemKind::Radio: case ItemKind::IconRadio:
            if (!numeric) { error = name + ": \"" + a.value + "\" is not a whole number"; return false; }
            SetRadio(*d, *it, int32_t(v));
            break;
        case ItemKind::PopUp: case ItemKind::List: {
            const size_t count = it->kind == ItemKind::PopUp ? it->entries.size() : it->rows.size();
            if (!numeric || v < 1 || size_t(v) > count) { error = name + ": no entry " + a.value; return false; }
            it->selected = int16_t(v);
            break;
        }
        default:
            error = name + " (" + KindText(it->kind) + ") has no value to set";
            return false;
        }
        Send(dialID, DG_MSG_CHANGE, itemNo);
        return true;
    }
    case DialogAction::Pick: {
        const size_t count = it->kind == ItemKind::PopUp ? it->entries.size()
                             : it->kind == ItemKind::List ? it->rows.size() : 0;
        if (it->kind != ItemKind::PopUp && it->kind != ItemKind::List) { error = name + " is not a pop-up or a list"; return false; }
        if (a.row < 1 || size_t(a.row) > count) {
            error = name + ": no entry " + std::to_string(a.row) + " (it has " + std::to_string(count) + ")";
            return false;
        }
        it->selected = a.row;
        Send(dialID, DG_MSG_CHANGE, itemNo);
        return true;
    }
    case DialogAction::Click: case DialogAction::Ok: case DialogAction::Cancel: {
        switch (it->kind) {
        case ItemKind::CheckBox: case ItemKind::RollDown:
            it->value = it->value != 0 ? 0 : 1;
            Send(dialID, DG_MSG_CHANGE, itemNo);
            return true;
        case ItemKind::Radio: case ItemKind::IconRadio:
            SetRadio(*d, *it, 1);
            Send(dialID, DG_MSG_CHANGE, itemNo);
            return true;
        case ItemKind::List:
            if (a.row > 0) {
                if (size_t(a.row) > it->rows.size()) { error = name + ": no row " + std::to_string(a.row); return false; }
                it->selected = a.row;
            }
            break;
        default:
            break;
        }
        const int16_t answer = Send(dialID, DG_MSG_CLICK, itemNo, a.row, a.x, a.y);
        if (answer != 0) MarkClosing(dialID, answer);
        return true;
    }
    default:
        return true;
    }
}

// The next action for a modal dialog: the queue first, then the action source.
bool NextAction(DialogAction& action) {
    if (!gDM.queue.empty()) {
        action = gDM.queue.front();
        gDM.queue.pop_front();
        return true;
    }
    return gDM.source && gDM.source(action);
}

// Opens a dialog from its resource: position, handler, the init message. 0 when it cannot.
int16_t OpenFromResource(int16_t resID, DGDialCallBack handler, intptr_t userData, bool modal) {
    DialogLayout layout;
    std::string error;
    if (!LoadDialogLayout(resID, layout, error)) {
        AddError(0, error);
        return 0;
    }
    OpenDialog d;
    d.dialID = gDM.nextId++;
    if (gDM.nextId <= 0) gDM.nextId = dm::kFirstDialogId;
    d.modal = modal;
    d.handler = handler;
    d.userData = userData;
    d.layout = std::move(layout);
    auto pos = gDM.rememberedPositions.find(resID);
    if (pos != gDM.rememberedPositions.end()) {
        d.left = pos->second.first;
        d.top = pos->second.second;
    } else {
        // A new dialog opens in the middle of the monitor, its top edge never above the monitor's.
        const int monW = gDM.monitor.right - gDM.monitor.left, monH = gDM.monitor.bottom - gDM.monitor.top;
        d.left = int16_t(gDM.monitor.left + (monW > d.layout.width ? (monW - d.layout.width) / 2 : 0));
        d.top = int16_t(gDM.monitor.top + (monH > d.layout.height ? (monH - d.layout.height) / 2 : 0));
    }
    const int16_t id = d.dialID;
    gDM.open[id] = std::move(d);
    Send(id, DG_MSG_INIT, 0);
    return id;
}

// ---- Table entries ---------------------------------------------------------------------------

// A modal dialog: opened, driven by actions until it closes, then closed; returns the closing item.
int16_t DgModalDialog(int16_t resID, DGDialCallBack handler, intptr_t userData) {
    const int16_t id = OpenFromResource(resID, handler, userData, true);
    if (id == 0) return 0;
    int actions = 0;
    while (Dialog(id) != nullptr && !Dialog(id)->closing) {
        DialogAction a;
        if (actions++ > kMaxActionsPerDialog || !NextAction(a)) {
            // The driver has nothing more to say: the user cancels.
            DialogItem* cancel = Item(id, DG_CANCEL);
            int16_t answer = 0;
            if (cancel != nullptr && cancel->enabled && cancel->visible) answer = Send(id, DG_MSG_CLICK, DG_CANCEL);
            MarkClosing(id, answer != 0 ? answer : DG_CANCEL);
            break;
        }
        std::string error;
        if (!Apply(id, a, error)) AddError(a.line, error);
    }
    OpenDialog* d = Dialog(id);
    if (d == nullptr) return DG_CANCEL;
    const int16_t result = d->closeItem;
    FinishClose(id);
    return result;
}

// A modeless palette: opened and left open; returns its id (0 when it cannot open).
int16_t DgModelessInit(int16_t resID, DGDialCallBack handler, intptr_t userData) {
    return OpenFromResource(resID, handler, userData, false);
}

// The add-on closes its palette: the handler gets the close message with item 0.
void DgModelessClose(int16_t dialID) {
    OpenDialog* d = Dialog(dialID);
    if (d == nullptr || d->modal) return;
    MarkClosing(dialID, 0);
    FinishClose(dialID);
}

// An alert: recorded with its title, texts and buttons; the user presses the first button.
int16_t DgAlert(int16_t alertType, const char* title, const char* largeText, const char* smallText,
                const char* b1, const char* b2, const char* b3) {
    Alert a;
    a.type = alertType;
    a.title = title != nullptr ? title : "";
    a.largeText = largeText != nullptr ? largeText : "";
    a.smallText = smallText != nullptr ? smallText : "";
    a.buttons[0] = b1 != nullptr ? b1 : "";
    a.buttons[1] = b2 != nullptr ? b2 : "";
    a.buttons[2] = b3 != nullptr ? b3 : "";
    gSession.lastMessage = !a.largeText.empty() ? a.largeText : a.smallText;
    AppendKept(gSession.alerts, std::move(a), kMaxReportLines, &gSession.alertsReleased);
    return 1;
}

}  // namespace

namespace dm {

void FillLoopEntries(HostFunctionTable& t) {
    t.DGModalDialog = DgModalDialog;
    t.DGModelessInit = DgModelessInit;
    t.DGModelessClose = DgModelessClose;
    t.DGAlert = DgAlert;
}

}  // namespace dm

void QueueDialogAction(const DialogAction& action) { gDM.queue.push_back(action); }
size_t QueuedDialogActions() { return gDM.queue.size(); }
void SetDialogActionSource(DialogActionSource source) { gDM.source = std::move(source); }

bool ApplyToPalette(const DialogAction& action, std::string& error) {
    const int16_t id = OpenPaletteId();
    if (id == 0) { error = "no palette is open"; return false; }
    const bool ok = Apply(id, action, error);
    OpenDialog* d = Dialog(id);
    if (d != nullptr && d->closing) FinishClose(id);
    return ok;
}

int16_t OpenPaletteId() {
    for (const auto& [id, d] : gDM.open)
        if (!d.modal && !d.closing) return id;
    return 0;
}

const OpenDialog* FindOpenDialog(int16_t dialID) { return Dialog(dialID); }

int16_t TopModalDialogId() {
    int16_t top = 0;
    // Dialog ids grow with every opening, so the innermost modal has the highest id.
    for (const auto& [id, d] : gDM.open)
        if (d.modal && !d.closing && id > top) top = id;
    return top;
}

std::vector<ClosedDialog>& ClosedDialogs() { return gDM.closed; }

std::vector<std::string> TakeDialogErrors() {
    std::vector<std::string> out;
    out.swap(gDM.errors);
    return out;
}

void SetMonitorRect(const DGRect& rect) { gDM.monitor = rect; }

void ResetDialogs() { gDM = dm::DialogManagerState{}; }

}  // namespace host
