// Purpose: the dialog manager's item operations of the function table: texts and values,
// enabling and showing, moving and growing, pop-up entries, list rows and tab fields, the
// dialog's rectangle and the monitor.
#include <cstring>

#include "host/DialogManagerParts.h"

namespace host {
namespace {

using dm::Dialog;
using dm::Item;
using dm::gDM;

// Resolves a pop-up or list position (TOP, BOTTOM or 1-based) against `count` entries.
int ResolvePos(int16_t pos, size_t count) {
    if (pos == DG_POPUP_TOP) return 1;
    if (pos == DG_POPUP_BOTTOM) return int(count);
    return pos;
}

// ---- Table entries ---------------------------------------------------------------------------

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
    if (it->kind == ItemKind::Radio || it->kind == ItemKind::IconRadio) dm::SetRadio(*dlg, *it, value);
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

namespace dm {

void FillItemEntries(HostFunctionTable& t) {
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

}  // namespace dm

void FillDialogEntries(HostFunctionTable& table) {
    dm::FillLoopEntries(table);
    dm::FillItemEntries(table);
}

}  // namespace host
