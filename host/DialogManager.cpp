// Purpose: the headless dialog manager: dialog resources, the modal loop and the palette, every
// item operation of the function table, and a text dump of a dialog for the shell.
#include "host/DialogManager.h"

#include <cstdio>
#include <cstring>
#include <deque>
#include <sstream>

#include "host/Host.h"
#include "host/InputLimits.h"

namespace host {
namespace {

struct KindName {
    ItemKind kind;
    const char* name;
};
const KindName kKindNames[] = {
    {ItemKind::Button, "button"},     {ItemKind::IconButton, "iconbutton"}, {ItemKind::Text, "text"},
    {ItemKind::Picture, "picture"},   {ItemKind::Icon, "icon"},             {ItemKind::Separator, "separator"},
    {ItemKind::RollDown, "rolldown"}, {ItemKind::Radio, "radio"},           {ItemKind::IconRadio, "iconradio"},
    {ItemKind::CheckBox, "checkbox"}, {ItemKind::PopUp, "popup"},           {ItemKind::List, "list"},
    {ItemKind::IntEdit, "intedit"},   {ItemKind::RealEdit, "realedit"},     {ItemKind::TextEdit, "textedit"},
    {ItemKind::UserControl, "usercontrol"},
};

constexpr int kMaxActionsPerDialog = 100000;  // a runaway driver cannot keep a dialog open forever
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
DialogManagerState gDM;

// The resource word of an item kind.
const char* KindText(ItemKind kind) {
    for (const KindName& k : kKindNames)
        if (k.kind == kind) return k.name;
    return "?";
}

// Splits a resource line into words; a double-quoted text is one word (escapes \n \" \\ undone).
bool SplitWords(const std::string& line, std::vector<std::string>& words, std::vector<bool>& quoted) {
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') { ++i; continue; }
        if (line[i] == '"') {
            std::string w;
            ++i;
            bool closedQuote = false;
            while (i < line.size()) {
                if (line[i] == '\\' && i + 1 < line.size()) {
                    const char c = line[i + 1];
                    w += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
                    i += 2;
                    continue;
                }
                if (line[i] == '"') { closedQuote = true; ++i; break; }
                w += line[i++];
            }
            if (!closedQuote) return false;
            words.push_back(w);
            quoted.push_back(true);
            continue;
        }
        size_t end = i;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') ++end;
        words.push_back(line.substr(i, end - i));
        quoted.push_back(false);
        i = end;
    }
    return true;
}

// Reads a whole number word; false when it is not one.
bool ToInt(const std::string& s, long& value) {
    if (s.empty()) return false;
    char* end = nullptr;
    value = std::strtol(s.c_str(), &end, 10);
    return end != nullptr && *end == 0;
}

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

// Keeps a problem met while driving a dialog, with the script line that caused it.
void AddError(int line, const std::string& text) {
    gDM.errors.push_back(line > 0 ? "line " + std::to_string(line) + ": " + text : text);
}

// Resolves a pop-up or list position (TOP, BOTTOM or 1-based) against `count` entries.
int ResolvePos(int16_t pos, size_t count) {
    if (pos == DG_POPUP_TOP) return 1;
    if (pos == DG_POPUP_BOTTOM) return int(count);
    return pos;
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

// Sets a radio button and clears the others of its group.
void SetRadio(OpenDialog& d, DialogItem& radio, int32_t value) {
    radio.value = value;
    if (value == 0 || radio.group == 0) return;
    for (DialogItem& other : d.layout.items)
        if (&other != &radio && other.group == radio.group &&
            (other.kind == ItemKind::Radio || other.kind == ItemKind::IconRadio))
            other.value = 0;
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

// Applies one user action to an open dialog; false with `error` when it cannot be done.
bool Apply(int16_t dialID, const DialogAction& a, std::string& error) {
    OpenDialog* d = Dialog(dialID);
    if (d == nullptr) { error = "no dialog is open"; return false; }
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
    const std::string name = "item " + std::to_string(itemNo);
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
    if (gDM.nextId <= 0) gDM.nextId = kFirstDialogId;
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

// Forgets where dialogs were last closed: they open centred again.
void DgResetDialogRectangles() { gDM.rememberedPositions.clear(); }

// Sets an item's text.
void DgSetItemText(int16_t d, int16_t i, const char* text) {
    if (DialogItem* it = Item(d, i)) it->text = text != nullptr ? text : "";
}

// An item's text (a pop-up's selected entry), cut to the buffer; returns its length.
int32_t DgGetItemText(int16_t d, int16_t i, char* buffer, int32_t size) {
    DialogItem* it = Item(d, i);
    if (buffer == nullptr || size <= 0) return 0;
    std::string text;
    if (it != nullptr) {
        text = it->text;
        if (it->kind == ItemKind::PopUp && it->selected > 0 && size_t(it->selected) <= it->entries.size())
            text = it->entries[size_t(it->selected - 1)].text;
    }
    const size_t n = text.size() < size_t(size - 1) ? text.size() : size_t(size - 1);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = 0;
    return int32_t(n);
}

// Sets an item's value: radios clear their group, pop-ups and lists select an entry.
void DgSetItemValLong(int16_t d, int16_t i, int32_t value) {
    OpenDialog* dlg = Dialog(d);
    DialogItem* it = Item(d, i);
    if (dlg == nullptr || it == nullptr) return;
    if (it->kind == ItemKind::Radio || it->kind == ItemKind::IconRadio) SetRadio(*dlg, *it, value);
    else if (it->kind == ItemKind::PopUp || it->kind == ItemKind::List) it->selected = int16_t(value);
    else it->value = value;
}

// An item's value (a pop-up's or list's selected entry).
int32_t DgGetItemValLong(int16_t d, int16_t i) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return 0;
    if (it->kind == ItemKind::PopUp || it->kind == ItemKind::List) return it->selected;
    return it->value;
}

// Enabling, showing and asking about single items.
void DgEnableItem(int16_t d, int16_t i) { if (DialogItem* it = Item(d, i)) it->enabled = true; }
void DgDisableItem(int16_t d, int16_t i) { if (DialogItem* it = Item(d, i)) it->enabled = false; }
bool DgIsItemEnabled(int16_t d, int16_t i) { DialogItem* it = Item(d, i); return it != nullptr && it->enabled; }
void DgShowItem(int16_t d, int16_t i) { if (DialogItem* it = Item(d, i)) it->visible = true; }
void DgHideItem(int16_t d, int16_t i) { if (DialogItem* it = Item(d, i)) it->visible = false; }

// Moves an item by (dx, dy).
void DgMoveItem(int16_t d, int16_t i, int16_t dx, int16_t dy) {
    if (DialogItem* it = Item(d, i)) { it->x = int16_t(it->x + dx); it->y = int16_t(it->y + dy); }
}
// Grows an item by (dw, dh).
void DgGrowItem(int16_t d, int16_t i, int16_t dw, int16_t dh) {
    if (DialogItem* it = Item(d, i)) { it->w = int16_t(it->w + dw); it->h = int16_t(it->h + dh); }
}
// Grows the dialog by (dw, dh).
void DgGrowDialog(int16_t d, int16_t dw, int16_t dh) {
    if (OpenDialog* dlg = Dialog(d)) {
        dlg->layout.width = int16_t(dlg->layout.width + dw);
        dlg->layout.height = int16_t(dlg->layout.height + dh);
    }
}
// The dialog's rectangle on the screen.
void DgGetDialogRect(int16_t d, DGRect* rect) {
    if (rect == nullptr) return;
    *rect = DGRect{};
    if (OpenDialog* dlg = Dialog(d)) {
        rect->left = dlg->left;
        rect->top = dlg->top;
        rect->right = int16_t(dlg->left + dlg->layout.width);
        rect->bottom = int16_t(dlg->top + dlg->layout.height);
    }
}
// Moves the dialog on the screen.
void DgSetDialogPosition(int16_t d, int16_t left, int16_t top) {
    if (OpenDialog* dlg = Dialog(d)) { dlg->left = left; dlg->top = top; }
}
// The monitor every dialog is on (a host setting).
void DgGetMonitorRect(int16_t, DGRect* rect) { if (rect != nullptr) *rect = gDM.monitor; }
// The highest item number of the dialog.
int16_t DgGetLastItem(int16_t d) {
    OpenDialog* dlg = Dialog(d);
    int16_t last = 0;
    if (dlg != nullptr)
        for (const DialogItem& it : dlg->layout.items) last = it.number > last ? it.number : last;
    return last;
}
// Sets the icon an item shows.
void DgSetItemIcon(int16_t d, int16_t i, int32_t icon) { if (DialogItem* it = Item(d, i)) it->icon = icon; }

// The pop-up entry at a resolved position, nullptr when there is none.
PopUpEntry* Entry(int16_t d, int16_t i, int16_t pos) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return nullptr;
    const int p = ResolvePos(pos, it->entries.size());
    return p >= 1 && size_t(p) <= it->entries.size() ? &it->entries[size_t(p - 1)] : nullptr;
}

// Inserts an empty pop-up entry (TOP, BOTTOM or before entry `pos`); a pop-up always shows an entry.
void DgPopUpInsertItem(int16_t d, int16_t i, int16_t pos) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return;
    const size_t count = it->entries.size();
    int p = pos == DG_POPUP_BOTTOM ? int(count) + 1 : pos == DG_POPUP_TOP ? 1 : pos;
    if (p < 1 || size_t(p) > count + 1) p = int(count) + 1;
    it->entries.insert(it->entries.begin() + (p - 1), PopUpEntry{});
    if (it->selected >= p) ++it->selected;
    if (it->selected == 0) it->selected = 1;  // a pop-up with entries always shows one
}
// Sets a pop-up entry's text.
void DgPopUpSetItemText(int16_t d, int16_t i, int16_t pos, const char* text) {
    if (PopUpEntry* e = Entry(d, i, pos)) e->text = text != nullptr ? text : "";
}
// Sets a pop-up entry's icon.
void DgPopUpSetItemIcon(int16_t d, int16_t i, int16_t pos, int32_t icon) {
    if (PopUpEntry* e = Entry(d, i, pos)) e->icon = icon;
}
// Selects a pop-up entry.
void DgPopUpSelectItem(int16_t d, int16_t i, int16_t pos) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return;
    const int p = ResolvePos(pos, it->entries.size());
    if (p >= 1 && size_t(p) <= it->entries.size()) it->selected = int16_t(p);
}
// The selected pop-up entry (0 when the pop-up is empty).
int16_t DgPopUpGetSelected(int16_t d, int16_t i) { DialogItem* it = Item(d, i); return it != nullptr ? it->selected : 0; }
// The number of pop-up entries.
int16_t DgPopUpGetItemCount(int16_t d, int16_t i) {
    DialogItem* it = Item(d, i);
    return it != nullptr ? int16_t(it->entries.size()) : 0;
}
// Deletes one pop-up entry (or all); the selection stays on an existing entry.
void DgPopUpDeleteItem(int16_t d, int16_t i, int16_t pos) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return;
    if (pos == DG_ALL_ITEMS) { it->entries.clear(); it->selected = 0; return; }
    const int p = ResolvePos(pos, it->entries.size());
    if (p < 1 || size_t(p) > it->entries.size()) return;
    it->entries.erase(it->entries.begin() + (p - 1));
    if (it->selected > p || size_t(it->selected) > it->entries.size()) --it->selected;
    if (it->selected == 0 && !it->entries.empty()) it->selected = 1;
}

// The list row at a resolved position, nullptr when there is none.
ListRow* Row(int16_t d, int16_t i, int16_t pos) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return nullptr;
    const int p = ResolvePos(pos, it->rows.size());
    return p >= 1 && size_t(p) <= it->rows.size() ? &it->rows[size_t(p - 1)] : nullptr;
}
// The index of a tab field (tab 0 and 1 are the first field).
size_t TabIndex(int16_t tab) { return tab <= 1 ? 0 : size_t(tab - 1); }

// Inserts an empty list row (TOP, BOTTOM or before row `pos`).
void DgListInsertItem(int16_t d, int16_t i, int16_t pos) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return;
    const size_t count = it->rows.size();
    int p = pos == DG_LIST_BOTTOM ? int(count) + 1 : pos == DG_LIST_TOP ? 1 : pos;
    if (p < 1 || size_t(p) > count + 1) p = int(count) + 1;
    it->rows.insert(it->rows.begin() + (p - 1), ListRow{});
    if (it->selected >= p) ++it->selected;
}
// Sets the text of one tab field of a list row.
void DgListSetItemText(int16_t d, int16_t i, int16_t pos, int16_t tab, const char* text) {
    ListRow* r = Row(d, i, pos);
    if (r == nullptr) return;
    const size_t t = TabIndex(tab);
    if (r->texts.size() <= t) r->texts.resize(t + 1);
    r->texts[t] = text != nullptr ? text : "";
}
// Sets the image of one tab field of a list row.
void DgListSetItemImage(int16_t d, int16_t i, int16_t pos, int16_t tab, int32_t image) {
    ListRow* r = Row(d, i, pos);
    if (r == nullptr) return;
    const size_t t = TabIndex(tab);
    if (r->images.size() <= t) r->images.resize(t + 1, 0);
    r->images[t] = image;
}
// Sets a list's tab field positions.
void DgListSetTabFields(int16_t d, int16_t i, int16_t nTabs, const int16_t* positions) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return;
    it->tabs.clear();
    for (int16_t k = 0; positions != nullptr && k < nTabs; ++k) it->tabs.push_back(positions[k]);
}
// Selects a list row (0: none).
void DgListSelectItem(int16_t d, int16_t i, int16_t pos) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return;
    const int p = ResolvePos(pos, it->rows.size());
    if (p >= 0 && size_t(p) <= it->rows.size()) it->selected = int16_t(p);
}
// The selected list row (0 when none).
int16_t DgListGetSelected(int16_t d, int16_t i) { DialogItem* it = Item(d, i); return it != nullptr ? it->selected : 0; }
// The number of list rows.
int16_t DgListGetItemCount(int16_t d, int16_t i) {
    DialogItem* it = Item(d, i);
    return it != nullptr ? int16_t(it->rows.size()) : 0;
}
// Deletes one list row (or all); a deleted selected row leaves no selection.
void DgListDeleteItem(int16_t d, int16_t i, int16_t pos) {
    DialogItem* it = Item(d, i);
    if (it == nullptr) return;
    if (pos == DG_ALL_ITEMS) { it->rows.clear(); it->selected = 0; it->scrollTop = 1; return; }
    const int p = ResolvePos(pos, it->rows.size());
    if (p < 1 || size_t(p) > it->rows.size()) return;
    it->rows.erase(it->rows.begin() + (p - 1));
    if (it->selected == p) it->selected = 0;
    else if (it->selected > p) --it->selected;
}
// Scrolls a list to its first row.
void DgListScrollUp(int16_t d, int16_t i) { if (DialogItem* it = Item(d, i)) it->scrollTop = 1; }
// Sets a roll-down header's text.
void UcRollDownSetText(int16_t d, int16_t i, const char* text) {
    if (DialogItem* it = Item(d, i)) it->text = text != nullptr ? text : "";
}

}  // namespace

bool ParseDialogLayout(const std::string& text, int16_t resID, DialogLayout& layout, std::string& error) {
    DialogLayout out;
    out.resID = resID;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    const std::string where = "dialog resource " + std::to_string(resID) + " line ";
    while (std::getline(in, line)) {
        ++lineNo;
        std::vector<std::string> w;
        std::vector<bool> quoted;
        if (!SplitWords(line, w, quoted)) { error = where + std::to_string(lineNo) + ": unclosed quote"; return false; }
        if (w.empty() || (!quoted[0] && w[0][0] == '#')) continue;
        long a = 0, b = 0;
        if (w[0] == "title") {
            out.title = w.size() > 1 ? w[1] : "";
            for (size_t k = 2; k < w.size(); ++k) out.title += " " + w[k];
        } else if (w[0] == "size") {
            if (w.size() != 3 || !ToInt(w[1], a) || !ToInt(w[2], b)) {
                error = where + std::to_string(lineNo) + ": size needs WIDTH HEIGHT";
                return false;
            }
            out.width = int16_t(a);
            out.height = int16_t(b);
        } else if (w[0] == "item") {
            DialogItem it;
            long n = 0, x = 0, y = 0, wd = 0, ht = 0;
            if (w.size() < 7 || !ToInt(w[1], n) || !ToInt(w[3], x) || !ToInt(w[4], y) || !ToInt(w[5], wd) ||
                !ToInt(w[6], ht)) {
                error = where + std::to_string(lineNo) + ": item needs NUMBER KIND X Y W H";
                return false;
            }
            bool known = false;
            for (const KindName& k : kKindNames)
                if (w[2] == k.name) { it.kind = k.kind; known = true; }
            if (!known) { error = where + std::to_string(lineNo) + ": unknown item kind \"" + w[2] + "\""; return false; }
            it.number = int16_t(n);
            it.x = int16_t(x); it.y = int16_t(y); it.w = int16_t(wd); it.h = int16_t(ht);
            for (size_t k = 7; k < w.size(); ++k) {
                long v = 0;
                if (quoted[k]) it.text = w[k];
                else if (w[k].rfind("icon=", 0) == 0 && ToInt(w[k].substr(5), v)) it.icon = int32_t(v);
                else if (w[k].rfind("group=", 0) == 0 && ToInt(w[k].substr(6), v)) it.group = int16_t(v);
                else if (w[k].rfind("value=", 0) == 0 && ToInt(w[k].substr(6), v)) it.value = int32_t(v);
                else if (w[k] == "disabled") it.enabled = false;
                else if (w[k] == "hidden") it.visible = false;
                else { error = where + std::to_string(lineNo) + ": unknown item option \"" + w[k] + "\""; return false; }
            }
            for (const DialogItem& other : out.items)
                if (other.number == it.number) {
                    error = where + std::to_string(lineNo) + ": item " + std::to_string(n) + " given twice";
                    return false;
                }
            out.items.push_back(std::move(it));
        } else {
            error = where + std::to_string(lineNo) + ": unknown line \"" + w[0] + "\"";
            return false;
        }
    }
    layout = std::move(out);
    return true;
}

bool LoadDialogLayout(int16_t resID, DialogLayout& layout, std::string& error) {
    const unsigned char* data = nullptr;
    uint32_t size = 0;
    if (!FindResource(ResType_Dialog, resID, &data, &size)) {
        error = "the add-on has no dialog resource " + std::to_string(resID);
        return false;
    }
    return ParseDialogLayout(std::string(reinterpret_cast<const char*>(data), size), resID, layout, error);
}

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

std::string DumpDialog(const OpenDialog& d) {
    std::ostringstream out;
    out << "Dialog " << d.layout.resID << " \"" << d.layout.title << "\" " << d.layout.width << "x" << d.layout.height
        << (d.modal ? " (modal)" : " (palette)") << "\n";
    for (const DialogItem& it : d.layout.items) {
        char head[64];
        std::snprintf(head, sizeof head, "%4d %-11s", it.number, KindText(it.kind));
        out << head;
        if (!it.text.empty()) {
            std::string t = it.text;
            for (size_t p = 0; (p = t.find_first_of("\r\n", p)) != std::string::npos;) t.replace(p, 1, " | ");
            out << " \"" << t << "\"";
        }
        switch (it.kind) {
        case ItemKind::CheckBox: case ItemKind::Radio: case ItemKind::IconRadio: case ItemKind::RollDown:
        case ItemKind::IntEdit: case ItemKind::UserControl:
            out << " value=" << it.value;
            break;
        default:
            break;
        }
        if (it.icon != 0) out << " icon=" << it.icon;
        if (!it.enabled) out << " [disabled]";
        if (!it.visible) out << " [hidden]";
        if (it.kind == ItemKind::PopUp) {
            out << " selected=" << it.selected;
            for (size_t k = 0; k < it.entries.size(); ++k)
                out << "\n        " << (int(k + 1) == it.selected ? "*" : " ") << (k + 1) << " " << it.entries[k].text
                    << (it.entries[k].icon != 0 ? " (icon " + std::to_string(it.entries[k].icon) + ")" : "");
        }
        if (it.kind == ItemKind::List) {
            out << " selected=" << it.selected;
            for (size_t k = 0; k < it.rows.size(); ++k) {
                out << "\n        " << (int(k + 1) == it.selected ? "*" : " ") << (k + 1);
                const ListRow& r = it.rows[k];
                const size_t fields = r.texts.size() > r.images.size() ? r.texts.size() : r.images.size();
                for (size_t f = 0; f < fields; ++f) {
                    out << " |";
                    if (f < r.images.size() && r.images[f] != 0) out << " [" << r.images[f] << "]";
                    if (f < r.texts.size()) out << " " << r.texts[f];
                }
            }
        }
        out << "\n";
    }
    return out.str();
}

void SetMonitorRect(const DGRect& rect) { gDM.monitor = rect; }

void ResetDialogs() { gDM = DialogManagerState{}; }

void FillDialogEntries(HostFunctionTable& t) {
    t.DGModalDialog = DgModalDialog;
    t.DGModelessInit = DgModelessInit;
    t.DGModelessClose = DgModelessClose;
    t.DGAlert = DgAlert;
    t.DGResetDialogRectangles = DgResetDialogRectangles;
    t.DGSetItemText = DgSetItemText;
    t.DGGetItemText = DgGetItemText;
    t.DGSetItemValLong = DgSetItemValLong;
    t.DGGetItemValLong = DgGetItemValLong;
    t.DGEnableItem = DgEnableItem;
    t.DGDisableItem = DgDisableItem;
    t.DGIsItemEnabled = DgIsItemEnabled;
    t.DGShowItem = DgShowItem;
    t.DGHideItem = DgHideItem;
    t.DGMoveItem = DgMoveItem;
    t.DGGrowItem = DgGrowItem;
    t.DGGrowDialog = DgGrowDialog;
    t.DGGetDialogRect = DgGetDialogRect;
    t.DGSetDialogPosition = DgSetDialogPosition;
    t.DGGetMonitorRect = DgGetMonitorRect;
    t.DGGetLastItem = DgGetLastItem;
    t.DGSetItemIcon = DgSetItemIcon;
    t.DGPopUpInsertItem = DgPopUpInsertItem;
    t.DGPopUpSetItemText = DgPopUpSetItemText;
    t.DGPopUpSetItemIcon = DgPopUpSetItemIcon;
    t.DGPopUpSelectItem = DgPopUpSelectItem;
    t.DGPopUpGetSelected = DgPopUpGetSelected;
    t.DGPopUpGetItemCount = DgPopUpGetItemCount;
    t.DGPopUpDeleteItem = DgPopUpDeleteItem;
    t.DGListInsertItem = DgListInsertItem;
    t.DGListSetItemText = DgListSetItemText;
    t.DGListSetItemImage = DgListSetItemImage;
    t.DGListSetTabFields = DgListSetTabFields;
    t.DGListSelectItem = DgListSelectItem;
    t.DGListGetSelected = DgListGetSelected;
    t.DGListGetItemCount = DgListGetItemCount;
    t.DGListDeleteItem = DgListDeleteItem;
    t.DGListScrollUp = DgListScrollUp;
    t.UCRollDownSetText = UcRollDownSetText;
}

}  // namespace host
