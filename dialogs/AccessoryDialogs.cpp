// Purpose: the accessory dialog 32507, the solar dialogs 32508 / 32509 and the deletion dialog 32503.
//
// Each dialog lists catalogue entries; on OK the choice goes into gAccessoryChoice (or, for the
// deletion dialog, into the caller's keep flags), which the accessory run reads after closing.
#include <algorithm>
#include <cstring>
#include <vector>

#include "Common_src/Api_related/HostCalls.h"
#include "Common_src/ResourceIds.h"
#include "dialogs/AccessoryChoice.h"

AccessoryChoice gAccessoryChoice;

namespace {

constexpr int16_t kAccessoryDialogId = kAccessoryDialogResId;
constexpr int16_t kSolarCollectorDialogId = kSolarCollectorDialogResId;
constexpr int16_t kSolarPanelDialogId = kSolarPanelDialogResId;
constexpr int16_t kDeleteDialogId = kDeleteAccessoriesDialogResId;
constexpr intptr_t kAccessoryUserData = -100;  // the user data of dialogs 32507 and 32503
constexpr intptr_t kSolarCollectorMode = 4;
constexpr intptr_t kSolarPanelMode = 5;
constexpr int32_t kRowFieldMin = 1;  // count and spacing fields
constexpr int32_t kRowFieldMax = 255;

// Items of dialog 32507 (6 is also the list of 32508 / 32509).
enum AccessoryItem : int16_t {
    kItemOk = 1,
    kItemCancel = 2,
    kItemList = 6,
    kItemSingly = 7,           // radio "Elhelyezés egyenként"
    kItemRow = 8,              // radio "Sorolás"
    kItemBetweenPoints = 9,    // check box: a row between two points
    kItemCount = 10,
    kItemCountLabel = 11,
    kItemSpacing = 12,
    kItemSpacingLabel = 13,
};

// Items of dialog 32503.
constexpr int16_t kItemDeleteList = 5;
constexpr int32_t kMarkUnmarked = -4;  // the host's built-in icons of the mark column
constexpr int32_t kMarkMarked = -3;
constexpr int16_t kMarkColumnWidth = 23;
constexpr int16_t kMarkCellLeft = 5;  // the mark cell inside a row, row-relative
constexpr int16_t kMarkCellRight = 17;
constexpr int16_t kMarkCellTop = 1;
constexpr int16_t kMarkCellBottom = 13;

// What the open accessory or deletion dialog works on.
struct AccessoryDialogState {
    const TileType* tileType = nullptr;
    const char* placedCodes = nullptr;
    int32_t placedCount = 0;
    int32_t* keepFlags = nullptr;
    std::vector<int32_t> marks;  // the mark icon of each row of dialog 32503
};
AccessoryDialogState gOpen;

// Copies a code into a choice field, cut and zero-terminated.
void CopyCode(char* out, size_t size, const char* code) {
    const size_t n = std::min(std::strlen(code), size - 1);
    std::memcpy(out, code, n);
    out[n] = '\0';
}

// Enables or disables a range of items.
void EnableItems(int16_t dialID, int16_t first, int16_t last, bool enable) {
    for (int16_t item = first; item <= last; ++item) {
        if (enable)
            DGEnableItem(dialID, item);
        else
            DGDisableItem(dialID, item);
    }
}

// Selects one of the two placement radios.
void SelectPlacementRadio(int16_t dialID, int16_t radio) {
    DGSetItemValLong(dialID, kItemSingly, radio == kItemSingly ? 1 : 0);
    DGSetItemValLong(dialID, kItemRow, radio == kItemRow ? 1 : 0);
}

// Appends one list row with its text and its picture.
void AppendListRow(int16_t dialID, int16_t item, const char* text, int32_t image) {
    DGListInsertItem(dialID, item, DG_LIST_BOTTOM);
    DGListSetItemText(dialID, item, DG_LIST_BOTTOM, 0, text);
    DGListSetItemImage(dialID, item, DG_LIST_BOTTOM, 0, image);
}

// The accessory of the selected row of dialog 32507; null when no row is selected.
const TypeAccessory* SelectedAccessory(int16_t dialID) {
    const int16_t row = DGListGetSelected(dialID, kItemList);
    if (gOpen.tileType == nullptr || row < 1 || row > gOpen.tileType->accessoryCount) return nullptr;
    return &gOpen.tileType->accessories[row - 1];
}

// A new accessory row: default count, and what its row flags allow.
void AccessorySelectionChanged(int16_t dialID) {
    const TypeAccessory* acc = SelectedAccessory(dialID);
    if (acc == nullptr) return;
    DGSetItemValLong(dialID, kItemCount, acc->rowCount);
    DGSetItemValLong(dialID, kItemBetweenPoints, acc->rowByCount != 0 ? 0 : 1);
    if (acc->rowAllowed != 0) {
        SelectPlacementRadio(dialID, kItemRow);
        DGEnableItem(dialID, kItemBetweenPoints);
        const bool byCount = acc->rowByCount != 0;
        EnableItems(dialID, kItemCount, kItemCountLabel, byCount);  // a count only when the row may be given by one
        EnableItems(dialID, kItemSpacing, kItemSpacingLabel, true);
        EnableItems(dialID, kItemSingly, kItemRow, true);
    } else {
        // Piece by piece only: nothing of a row may be set.
        SelectPlacementRadio(dialID, kItemSingly);
        EnableItems(dialID, kItemBetweenPoints, kItemSpacingLabel, false);
        EnableItems(dialID, kItemSingly, kItemRow, false);
    }
}

// The placement radios switched: a row enables its fields, piece by piece disables them.
void PlacementRadioChanged(int16_t dialID) {
    if (DGGetItemValLong(dialID, kItemSingly) != 0) {
        EnableItems(dialID, kItemBetweenPoints, kItemSpacingLabel, false);
        return;
    }
    DGEnableItem(dialID, kItemBetweenPoints);
    EnableItems(dialID, kItemCount, kItemCountLabel, DGGetItemValLong(dialID, kItemBetweenPoints) == 0);
    EnableItems(dialID, kItemSpacing, kItemSpacingLabel, true);
}

// The first colour of the accessory type with this code; "" when there is no such type or colour.
const char* AccessoryColourCode(const char* accessoryCode) {
    const ColouredKind* kind =
        FindColouredKind(gCatalogue.accessoryTypes, gCatalogue.accessoryTypeCount, accessoryCode);
    return kind != nullptr && kind->colourCount > 0 ? kind->colours[0].code : "";
}

// Keeps a row field inside its range.
int32_t ClampRowField(int32_t v) { return std::clamp(v, kRowFieldMin, kRowFieldMax); }

// OK in dialog 32507: the chosen accessory and how it is laid.
void StoreAccessoryChoice(int16_t dialID) {
    const TypeAccessory* acc = SelectedAccessory(dialID);
    if (acc == nullptr) return;  // nothing selected: nothing written
    AccessoryChoice& ch = gAccessoryChoice;
    CopyCode(ch.accessoryCode, sizeof ch.accessoryCode, acc->code);
    CopyCode(ch.colourCode, sizeof ch.colourCode, AccessoryColourCode(acc->code));
    ch.singly = DGGetItemValLong(dialID, kItemSingly) != 0 ? 1 : 0;
    ch.betweenTwoPoints = ch.singly != 0 ? 0 : (DGGetItemValLong(dialID, kItemBetweenPoints) != 0 ? 1 : 0);
    ch.count = ClampRowField(DGGetItemValLong(dialID, kItemCount));
    ch.everyNthTile = ClampRowField(DGGetItemValLong(dialID, kItemSpacing));
    ch.accepted = 1;
}

// The handler of dialog 32507.
int16_t AccessoryDialogHandler(int16_t message, int16_t dialID, int16_t item, intptr_t, const DGMessageData*) {
    switch (message) {
        case DG_MSG_INIT: {
            const TileType* type = gOpen.tileType;
            for (int16_t a = 0; type != nullptr && a < type->accessoryCount; ++a)
                AppendListRow(dialID, kItemList, type->accessories[a].name, type->accessories[a].image);
            SelectPlacementRadio(dialID, kItemSingly);
            EnableItems(dialID, kItemBetweenPoints, kItemSpacingLabel, false);
            if (DGListGetItemCount(dialID, kItemList) > 0) DGListSelectItem(dialID, kItemList, 1);
            AccessorySelectionChanged(dialID);
            break;
        }
        case DG_MSG_CHANGE:
            if (item == kItemList) AccessorySelectionChanged(dialID);
            else if (item == kItemSingly || item == kItemRow) PlacementRadioChanged(dialID);
            else if (item == kItemBetweenPoints)
                EnableItems(dialID, kItemCount, kItemCountLabel, DGGetItemValLong(dialID, kItemBetweenPoints) == 0);
            break;
        case DG_MSG_CLICK:
            if (item == kItemList) AccessorySelectionChanged(dialID);  // a click on a row selects it
            if (item == kItemOk) {
                StoreAccessoryChoice(dialID);
                return kItemOk;
            }
            if (item == kItemCancel || item == DG_CLOSEBOX) return kItemCancel;  // the close control cancels
            break;
        default:
            break;
    }
    return 0;
}

// The solar list that a solar dialog's user data names.
void SolarList(intptr_t mode, const SolarEntry** entries, int32_t* count) {
    const bool collectors = mode == kSolarCollectorMode;
    *entries = collectors ? gCatalogue.solarCollectors : gCatalogue.solarPanels;
    *count = collectors ? gCatalogue.solarCollectorCount : gCatalogue.solarPanelCount;
}

// The handler of dialogs 32508 and 32509; the user data (4 or 5) tells the two lists apart.
int16_t SolarDialogHandler(int16_t message, int16_t dialID, int16_t item, intptr_t userData, const DGMessageData*) {
    const SolarEntry* entries = nullptr;
    int32_t count = 0;
    SolarList(userData, &entries, &count);
    switch (message) {
        case DG_MSG_INIT:
            for (int32_t i = 0; i < count; ++i) AppendListRow(dialID, kItemList, entries[i].name, entries[i].image);
            if (count > 0) DGListSelectItem(dialID, kItemList, 1);
            break;
        case DG_MSG_CLICK:
            if (item == kItemOk) {
                const int16_t row = DGListGetSelected(dialID, kItemList);
                if (row >= 1 && row <= count) {
                    AccessoryChoice& ch = gAccessoryChoice;
                    CopyCode(ch.accessoryCode, sizeof ch.accessoryCode, entries[row - 1].code);
                    CopyCode(ch.colourCode, sizeof ch.colourCode, entries[row - 1].colourCode);
                    ch.singly = 1;
                    ch.betweenTwoPoints = 0;
                    ch.count = 1;
                    ch.everyNthTile = 1;
                    ch.accepted = 1;
                }
                return kItemOk;
            }
            if (item == kItemCancel || item == DG_CLOSEBOX) return kItemCancel;  // the close control cancels
            break;
        default:
            break;
    }
    return 0;
}

// The name shown for a placed accessory's code: the tile type's accessories first, then the solar
// collectors, then the solar panels; "" when the code is found nowhere.
const char* PlacedAccessoryName(const char* code) {
    const TileType* type = gOpen.tileType;
    for (int16_t a = 0; type != nullptr && a < type->accessoryCount; ++a)
        if (std::strcmp(type->accessories[a].code, code) == 0) return type->accessories[a].name;
    for (int32_t i = 0; i < gCatalogue.solarCollectorCount; ++i)
        if (std::strcmp(gCatalogue.solarCollectors[i].code, code) == 0) return gCatalogue.solarCollectors[i].name;
    for (int32_t i = 0; i < gCatalogue.solarPanelCount; ++i)
        if (std::strcmp(gCatalogue.solarPanels[i].code, code) == 0) return gCatalogue.solarPanels[i].name;
    return "";
}

// Fills the deletion list: a mark column and the accessory's name, every row unmarked.
void InitDeleteDialog(int16_t dialID) {
    const int16_t tabStarts[] = {0, kMarkColumnWidth};  // the mark column, then the name to the list's width
    DGListSetTabFields(dialID, kItemDeleteList, 2, tabStarts);
    gOpen.marks.assign(size_t(std::max(gOpen.placedCount, int32_t(0))), kMarkUnmarked);
    const char* code = gOpen.placedCodes;
    for (int32_t r = 0; r < gOpen.placedCount; ++r) {
        DGListInsertItem(dialID, kItemDeleteList, DG_LIST_BOTTOM);
        DGListSetItemImage(dialID, kItemDeleteList, DG_LIST_BOTTOM, 1, kMarkUnmarked);
        DGListSetItemText(dialID, kItemDeleteList, DG_LIST_BOTTOM, 2, code != nullptr ? PlacedAccessoryName(code) : "");
        if (code != nullptr) code += std::strlen(code) + 1;
    }
}

// A click in the deletion list: inside a row's mark cell it toggles that row's mark.
void DeleteListClicked(int16_t dialID, const DGMessageData* data) {
    if (data == nullptr) return;
    DBPrintf("DialKieg_Handler: x=%i, y=%i \n", int(data->x), int(data->y));
    const int32_t row = data->listRow;
    if (row < 1 || row > int32_t(gOpen.marks.size())) return;
    const bool inMarkCell = data->x >= kMarkCellLeft && data->x <= kMarkCellRight &&  // inside the mark column
                            data->y >= kMarkCellTop && data->y <= kMarkCellBottom;     // and the icon's height
    if (!inMarkCell) return;
    int32_t& mark = gOpen.marks[size_t(row - 1)];
    mark = mark == kMarkUnmarked ? kMarkMarked : kMarkUnmarked;
    DGListSetItemImage(dialID, kItemDeleteList, int16_t(row), 1, mark);
    DBPrintf("DialKieg_Handler: listitem=%i, iconid=%i \n", int(row), int(mark));
}

// OK in dialog 32503: every unmarked row is kept.
void StoreKeepFlags() {
    gAccessoryChoice.accepted = 0;
    if (gOpen.keepFlags == nullptr) return;
    for (int r = 0; r < kMaxPlacedAccessories; ++r) gOpen.keepFlags[r] = 0;
    const size_t rows = std::min(gOpen.marks.size(), size_t(kMaxPlacedAccessories));
    for (size_t r = 0; r < rows; ++r)
        if (gOpen.marks[r] == kMarkUnmarked) gOpen.keepFlags[r] = 1;
}

}  // namespace

// The handler of dialog 32503 (the accessories to delete).
int16_t DialKieg_Handler(int16_t message, int16_t dialID, int16_t item, intptr_t, const DGMessageData* data) {
    switch (message) {
        case DG_MSG_INIT:
            InitDeleteDialog(dialID);
            break;
        case DG_MSG_CLICK:
            if (item == kItemDeleteList) {
                DeleteListClicked(dialID, data);
                break;
            }
            if (item == kItemOk) {
                StoreKeepFlags();
                return kItemOk;
            }
            if (item == kItemCancel || item == DG_CLOSEBOX) return kItemCancel;  // the close control cancels
            break;
        default:
            break;
    }
    return 0;
}

int16_t AccessoryDialog(const TileType* tileType) {
    gOpen = AccessoryDialogState{};
    gOpen.tileType = tileType;
    const int16_t result = DGModalDialog(kAccessoryDialogId, AccessoryDialogHandler, kAccessoryUserData);
    gOpen = AccessoryDialogState{};
    return result;
}

int16_t SolarDialog(int32_t mode) {
    const int16_t dialog = mode == kSolarCollectorMode ? kSolarCollectorDialogId : kSolarPanelDialogId;
    return DGModalDialog(dialog, SolarDialogHandler, intptr_t(mode));
}

int16_t DeleteAccessoryDialog(const TileType* tileType, int32_t placedAccessoryCount, const char* placedAccessoryCodes,
                              int32_t keepFlags[kMaxPlacedAccessories]) {
    gOpen = AccessoryDialogState{};
    gOpen.tileType = tileType;
    gOpen.placedCount = placedAccessoryCount;
    gOpen.placedCodes = placedAccessoryCodes;
    gOpen.keepFlags = keepFlags;
    const int16_t result = DGModalDialog(kDeleteDialogId, DialKieg_Handler, kAccessoryUserData);
    gOpen = AccessoryDialogState{};
    return result;
}

void ResetAccessoryDialogs() {
    gAccessoryChoice = AccessoryChoice{};
    std::vector<int32_t>().swap(gOpen.marks);
    gOpen = AccessoryDialogState{};
}

bool AccessoryDialogsReset() {
    const AccessoryChoice& c = gAccessoryChoice;
    const bool noChoice = c.accessoryCode[0] == 0 && c.colourCode[0] == 0 && c.singly == 0 && c.betweenTwoPoints == 0 &&
                          c.count == 0 && c.everyNthTile == 0 && c.accepted == 0;
    const bool noDialog = gOpen.tileType == nullptr && gOpen.placedCodes == nullptr && gOpen.placedCount == 0 &&
                          gOpen.keepFlags == nullptr && gOpen.marks.capacity() == 0;
    return noChoice && noDialog;
}
