// Purpose: the main tiling dialog 32501 and the TileSettings it fills.
//
// The dialog shows the catalogue's names and keeps its codes: tile family (four icon buttons),
// tile type, colour, foil, valley type and colour, snow guarding, options, loss multiplier, 2D
// labels, layer and pen. Its four roll-down sections fold and open, and it folds sections by
// itself, from the last one up, when it would not fit on the screen.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "Common_src/Api_related/HostCalls.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/Messages.h"
#include "Common_src/ResourceIds.h"
#include "dialogs/TileSettings.h"

TileSettings gTileSettings;

namespace {

constexpr int16_t kTileDialogId = kTileDialogResId;
constexpr int16_t kScreenBottomMargin = 40;       // the dialog must end this far above the monitor's bottom
constexpr double kLossMultiplierEqualTol = 0.000001;  // two loss multipliers that are the same number
constexpr int16_t kPenMin = 1;
constexpr int16_t kPenMax = 255;

// Dialog items.
enum TileDialogItem : int16_t {
    kItemOk = 1,
    kItemCancel = 2,
    kItemTitleText = 4,
    kItemFamilyFirst = 7,  // 7-10: the four family buttons
    kItemFamilyLast = 10,
    kItemTileType = 12,
    kItemTypeDocument = 13,
    kItemColourList = 15,
    kItemAutoAccessories = 18,
    kItemFoil = 20,
    kItemFoilDocument = 21,
    kItemValleyType = 23,
    kItemValleyColour = 25,
    kItemSnowMethodLabel = 26,
    kItemSnowMethod = 27,
    kItemSnowGuardLabel = 28,
    kItemSnowGuard = 29,
    kItemEdgeTiles = 32,
    kItemStormClips = 33,
    kItemFixingClaws = 34,
    kItemLossMultiplier = 36,
    kItem2DLabels = 40,
    kItemLayer = 42,
    kItemPenEdit = 44,
    kItemPenControl = 45,
};

constexpr int32_t kFamilyIcon = 30001;        // 30001-30004: family buttons not chosen
constexpr int32_t kFamilyChosenIcon = 30011;  // 30011-30014: the chosen family's button

// A roll-down section: its header, the first item below it, and its open height.
struct RollDownSection {
    int16_t header;
    int16_t firstBelow;
    int16_t height;
};
constexpr RollDownSection kSections[] = {
    {6, 16, 302},
    {17, 30, 187},
    {31, 37, 107},
    {38, 46, 96},
};
constexpr int kSectionCount = 4;

// What the open dialog remembers between messages.
struct TileDialogState {
    bool sectionOpen[kSectionCount] = {true, true, true, true};
};
TileDialogState gDialog;

// Copies a code into a TileSettings text field, cut to the field and zero-terminated.
void CopyCode(char* out, size_t size, const char* code) {
    const size_t n = std::min(std::strlen(code), size - 1);
    std::memcpy(out, code, n);
    out[n] = '\0';
}

// Whether a popup shows its first entry (an empty popup does not).
bool PopUpShowsFirst(int16_t dialID, int16_t item) { return DGPopUpGetSelected(dialID, item) == 1; }

// Empties a popup.
void ClearPopUp(int16_t dialID, int16_t item) {
    for (int16_t n = DGPopUpGetItemCount(dialID, item); n > 0; --n) DGPopUpDeleteItem(dialID, item, DG_POPUP_TOP);
}

// Empties a list view.
void ClearList(int16_t dialID, int16_t item) {
    for (int16_t n = DGListGetItemCount(dialID, item); n > 0; --n) DGListDeleteItem(dialID, item, DG_LIST_TOP);
}

// Appends one popup entry with its text (and an icon when iconID is not 0).
void AppendPopUpEntry(int16_t dialID, int16_t item, const char* text, int32_t iconID) {
    DGPopUpInsertItem(dialID, item, DG_POPUP_BOTTOM);
    DGPopUpSetItemText(dialID, item, DG_POPUP_BOTTOM, text);
    if (iconID != 0) DGPopUpSetItemIcon(dialID, item, DG_POPUP_BOTTOM, iconID);
}

// The 1-based position of the last entry whose code equals `code`, or 1 when none does.
template <typename Entry>
int16_t PositionOfCode(const Entry* entries, int32_t count, const char* code) {
    int16_t found = 1;
    for (int32_t i = 0; i < count; ++i)
        if (std::strcmp(entries[i].code, code) == 0) found = int16_t(i + 1);
    return found;
}

// Selects a popup entry when the popup has one.
void SelectPopUp(int16_t dialID, int16_t item, int16_t pos) {
    if (DGPopUpGetItemCount(dialID, item) >= pos && pos > 0) DGPopUpSelectItem(dialID, item, pos);
}

// The family whose button is chosen (0-3).
int ChosenFamily(int16_t dialID) {
    for (int16_t item = kItemFamilyFirst; item <= kItemFamilyLast; ++item)
        if (DGGetItemValLong(dialID, item) != 0) return item - kItemFamilyFirst;
    return 0;
}

// Shows the chosen icon on one family button and the plain icon on the other three.
void ShowFamilyIcons(int16_t dialID, int family) {
    for (int f = 0; f < kMaxFamilies; ++f)
        DGSetItemIcon(dialID, int16_t(kItemFamilyFirst + f), (f == family ? kFamilyChosenIcon : kFamilyIcon) + f);
}

// Fills the tile-type popup with a family's types and selects the last one with `code` (else the first).
void FillTileTypes(int16_t dialID, int family, const char* code) {
    ClearPopUp(dialID, kItemTileType);
    const TileFamily& fam = gCatalogue.families[family];
    for (int32_t t = 0; t < fam.typeCount; ++t) AppendPopUpEntry(dialID, kItemTileType, fam.types[t].name, fam.types[t].icon);
    SelectPopUp(dialID, kItemTileType, PositionOfCode(fam.types, fam.typeCount, code));
}

// Fills the colour list with a type's colours (text and image), selects by code and scrolls to the top.
void FillColours(int16_t dialID, const TileType* type, const char* code) {
    ClearList(dialID, kItemColourList);
    if (type == nullptr) return;
    for (int16_t c = 0; c < type->colourCount; ++c) {
        DGListInsertItem(dialID, kItemColourList, DG_LIST_BOTTOM);
        DGListSetItemText(dialID, kItemColourList, DG_LIST_BOTTOM, 0, type->colours[c].name);
        DGListSetItemImage(dialID, kItemColourList, DG_LIST_BOTTOM, 0, type->colours[c].number);
    }
    if (type->colourCount > 0)
        DGListSelectItem(dialID, kItemColourList, PositionOfCode(type->colours, type->colourCount, code));
    DGListScrollUp(dialID, kItemColourList);
}

// Selects the first colour of the list when it has one.
void SelectFirstColour(int16_t dialID) {
    if (DGListGetItemCount(dialID, kItemColourList) > 0) DGListSelectItem(dialID, kItemColourList, 1);
}

// Fills the snow-guard popup with a type's snow guards and selects by code.
void FillSnowGuards(int16_t dialID, const TileType* type, const char* code) {
    ClearPopUp(dialID, kItemSnowGuard);
    if (type == nullptr) return;
    for (int16_t s = 0; s < type->snowGuardCount; ++s) AppendPopUpEntry(dialID, kItemSnowGuard, type->snowGuards[s].name, 0);
    SelectPopUp(dialID, kItemSnowGuard, PositionOfCode(type->snowGuards, type->snowGuardCount, code));
}

// The valley type chosen in its popup; null when there is none.
const ColouredKind* ChosenValleyType(int16_t dialID) {
    const int16_t pos = DGPopUpGetSelected(dialID, kItemValleyType);
    if (pos < 1 || pos > gCatalogue.valleyTypeCount) return nullptr;
    return &gCatalogue.valleyTypes[pos - 1];
}

// Fills the valley-colour popup with the chosen valley type's colours (icon = the colour's image).
void FillValleyColours(int16_t dialID, const char* code) {
    ClearPopUp(dialID, kItemValleyColour);
    const ColouredKind* kind = ChosenValleyType(dialID);
    if (kind == nullptr) return;
    for (int16_t c = 0; c < kind->colourCount; ++c)
        AppendPopUpEntry(dialID, kItemValleyColour, kind->colours[c].name, kind->colours[c].number);
    SelectPopUp(dialID, kItemValleyColour, PositionOfCode(kind->colours, kind->colourCount, code));
}

// Fills a popup with the names of a list of named entries and selects by code.
template <typename Entry>
void FillNamedPopUp(int16_t dialID, int16_t item, const Entry* entries, int32_t count, const char* code) {
    ClearPopUp(dialID, item);
    for (int32_t i = 0; i < count; ++i) AppendPopUpEntry(dialID, item, entries[i].name, 0);
    SelectPopUp(dialID, item, PositionOfCode(entries, count, code));
}

// Fills the loss-multiplier popup; selects the last entry equal in value to `text`, else the first.
void FillLossMultipliers(int16_t dialID, const char* text) {
    ClearPopUp(dialID, kItemLossMultiplier);
    const double wanted = std::strtod(text, nullptr);
    int16_t found = 1;
    for (int32_t i = 0; i < gCatalogue.lossMultiplierCount; ++i) {
        AppendPopUpEntry(dialID, kItemLossMultiplier, gCatalogue.lossMultipliers[i], 0);
        const double value = std::strtod(gCatalogue.lossMultipliers[i], nullptr);
        if (std::abs(value - wanted) < kLossMultiplierEqualTol) found = int16_t(i + 1);
    }
    SelectPopUp(dialID, kItemLossMultiplier, found);
}

// Whether OK may be pressed: a tile type, a foil and a valley type chosen, and with automatic
// accessories also a snow-guarding method and a snow-guard type (first entries mean "nothing").
bool OkRuleAllows(int16_t dialID) {
    if (SelectedTileType(dialID) == nullptr) return false;            // a family without types
    if (PopUpShowsFirst(dialID, kItemFoil)) return false;              // no foil chosen
    if (PopUpShowsFirst(dialID, kItemValleyType)) return false;        // no valley type chosen
    if (DGGetItemValLong(dialID, kItemAutoAccessories) != 0 &&        // automatic accessories need
        (PopUpShowsFirst(dialID, kItemSnowMethod) ||                   //   a snow-guarding method
         PopUpShowsFirst(dialID, kItemSnowGuard)))                     //   and a snow-guard type
        return false;
    return true;
}

// Enables or disables OK by the rule.
void ApplyOkRule(int16_t dialID) {
    if (OkRuleAllows(dialID))
        DGEnableItem(dialID, kItemOk);
    else
        DGDisableItem(dialID, kItemOk);
}

// Enables or disables the snow-guarding items 26-29.
void EnableSnowGuarding(int16_t dialID, bool enable) {
    for (int16_t item = kItemSnowMethodLabel; item <= kItemSnowGuard; ++item) {
        if (enable)
            DGEnableItem(dialID, item);
        else
            DGDisableItem(dialID, item);
    }
}

// Folds an open section or opens a folded one, moving everything below it and OK / Cancel.
void ToggleSection(int16_t dialID, int s) {
    const RollDownSection& sec = kSections[s];
    const bool wasOpen = gDialog.sectionOpen[s];
    const int16_t d = wasOpen ? int16_t(-sec.height) : sec.height;
    gDialog.sectionOpen[s] = !wasOpen;
    DGSetItemValLong(dialID, sec.header, wasOpen ? 0 : 1);
    DGGrowDialog(dialID, 0, d);
    const int16_t last = DGGetLastItem(dialID);
    for (int16_t item = sec.firstBelow; item <= last; ++item) DGMoveItem(dialID, item, 0, d);
    DGMoveItem(dialID, kItemOk, 0, d);
    DGMoveItem(dialID, kItemCancel, 0, d);
    for (int16_t item = int16_t(sec.header + 1); item < sec.firstBelow; ++item) {
        if (wasOpen)
            DGHideItem(dialID, item);
        else
            DGShowItem(dialID, item);
    }
}

// Whether the dialog's bottom edge is above the monitor's bottom edge less the margin.
bool DialogFitsScreen(int16_t dialID) {
    DGRect dialog, monitor;
    DGGetDialogRect(dialID, &dialog);
    DGGetMonitorRect(dialID, &monitor);
    return dialog.bottom < monitor.bottom - kScreenBottomMargin;
}

// Folds open sections from the last one up, one at a time, until the dialog fits; `keep` is left alone.
void FoldToFitScreen(int16_t dialID, int keep) {
    for (int s = kSectionCount - 1; s >= 0; --s) {
        if (DialogFitsScreen(dialID)) return;
        if (s == keep || !gDialog.sectionOpen[s]) continue;
        ToggleSection(dialID, s);
    }
}

// The section whose header is this item; -1 when none.
int SectionOfHeader(int16_t item) {
    for (int s = 0; s < kSectionCount; ++s)
        if (kSections[s].header == item) return s;
    return -1;
}

// Hands a document link to the shell with the verb "open"; an empty link does nothing.
void OpenDocument(const char* link) {
    if (link != nullptr && link[0] != '\0') ShellExecuteOpen(link);  // failures are not reported
}

// Turns an item into one of the host's own controls (pen or layer).
void MakeHostControl(int16_t dialID, int16_t item, API_UserControlKind kind) {
    API_UCCallbackType uc;
    uc.dialogID = dialID;
    uc.itemID = item;
    uc.type = kind;
    ACAPI_Interface(APIIo_SetUserControlCallbackID, &uc);
}

// Clamps a pen number to the pens that exist.
int32_t ClampPen(int32_t pen) { return pen < kPenMin ? kPenMin : pen > kPenMax ? kPenMax : pen; }

// Sets up the dialog from gTileSettings and the catalogue (initialization steps 1-11).
void InitTileDialog(int16_t dialID, int32_t tileSurfaceLoaded) {
    TileSettings& ts = gTileSettings;
    for (int s = 0; s < kSectionCount; ++s) gDialog.sectionOpen[s] = true;
    if (tileSurfaceLoaded == 1) DGSetItemText(dialID, kItemTitleText, GetMessage(kMsgModifySelected));

    // A new tiling opens on the first family; a modification opens on the family of the surface's
    // own tile type, so that OK with nothing changed keeps its type, colour and snow guard.
    int family = 0;
    if (tileSurfaceLoaded == 1 && FindTileType(ts.fam, &family, nullptr) == nullptr) family = 0;
    for (int16_t item = kItemFamilyFirst; item <= kItemFamilyLast; ++item)
        DGSetItemValLong(dialID, item, item - kItemFamilyFirst == family ? 1 : 0);
    ShowFamilyIcons(dialID, family);
    FillTileTypes(dialID, family, ts.fam);
    const TileType* type = SelectedTileType(dialID);
    FillColours(dialID, type, ts.color);

    FillNamedPopUp(dialID, kItemFoil, gCatalogue.foils, gCatalogue.foilCount, ts.folia);
    FillNamedPopUp(dialID, kItemValleyType, gCatalogue.valleyTypes, gCatalogue.valleyTypeCount, ts.vapatipus);
    FillValleyColours(dialID, ts.mat_pan);
    FillNamedPopUp(dialID, kItemSnowMethod, gCatalogue.snowGuardingModes, gCatalogue.snowGuardingModeCount, ts.hofogas);
    FillSnowGuards(dialID, type, ts.hofogo);
    FillLossMultipliers(dialID, ts.vesztesegszorzo);
    FillNamedPopUp(dialID, kItem2DLabels, gCatalogue.display2D, gCatalogue.display2DCount, ts.opt2d);

    MakeHostControl(dialID, kItemPenControl, APIUserControlType_Pen);
    DGSetItemValLong(dialID, kItemPenEdit, ts.pen1);
    DGSetItemValLong(dialID, kItemPenControl, ts.pen1);
    DGSetItemValLong(dialID, kItemEdgeTiles, ts.wingtile);
    DGSetItemValLong(dialID, kItemAutoAccessories, ts.auto_acc);
    DGSetItemValLong(dialID, kItemStormClips, ts.csrogz);
    DGSetItemValLong(dialID, kItemFixingClaws, ts.rogkar);

    MakeHostControl(dialID, kItemLayer, APIUserControlType_Layer);
    DGSetItemValLong(dialID, kItemLayer, ts.layer);
    API_Attribute layer;
    layer.typeID = API_LayerID;
    layer.index = ts.layer;
    if (ACAPI_Attribute_Get(&layer) != NoError) {  // a layer the host does not know
        ts.layer = 1;
        DGSetItemValLong(dialID, kItemLayer, 1);
    }

    ApplyOkRule(dialID);
    if (ts.auto_acc == 0) EnableSnowGuarding(dialID, false);

    // The roll-down headers carry the texts of the dialog resource.
    for (const RollDownSection& sec : kSections) {
        char text[256] = {};
        DGGetItemText(dialID, sec.header, text, sizeof text);
        DGSetItemValLong(dialID, sec.header, 1);
        UCRollDownSetText(dialID, sec.header, text);
    }
    FoldToFitScreen(dialID, -1);
}

// A new tile type: its colours and snow guards, first entries selected.
void TileTypeChanged(int16_t dialID) {
    const TileType* type = SelectedTileType(dialID);
    FillColours(dialID, type, "");
    SelectFirstColour(dialID);
    FillSnowGuards(dialID, type, "");
    SelectPopUp(dialID, kItemSnowGuard, 1);
    ApplyOkRule(dialID);
}

// A new family button: its types, the first type's colours and snow guards, first entries selected.
void FamilyChanged(int16_t dialID, int family) {
    for (int16_t item = kItemFamilyFirst; item <= kItemFamilyLast; ++item)
        DGSetItemValLong(dialID, item, item - kItemFamilyFirst == family ? 1 : 0);
    ShowFamilyIcons(dialID, family);
    FillTileTypes(dialID, family, "");
    SelectPopUp(dialID, kItemTileType, 1);
    TileTypeChanged(dialID);
}

// Automatic accessories switched: the snow-guarding items follow it, and so does OK.
void AutoAccessoriesChanged(int16_t dialID) {
    gTileSettings.auto_acc = DGGetItemValLong(dialID, kItemAutoAccessories) != 0 ? 1 : 0;
    EnableSnowGuarding(dialID, gTileSettings.auto_acc != 0);
    ApplyOkRule(dialID);
}

// A roll-down header was clicked or set: fold or open its section, then fit to the screen.
void RollDownChanged(int16_t dialID, int s, int16_t message) {
    const RollDownSection& sec = kSections[s];
    // A click asks for the other state; a value change already carries the wanted state.
    const bool wantOpen = message == DG_MSG_CHANGE ? DGGetItemValLong(dialID, sec.header) != 0 : !gDialog.sectionOpen[s];
    if (wantOpen != gDialog.sectionOpen[s]) ToggleSection(dialID, s);
    DGSetItemValLong(dialID, sec.header, gDialog.sectionOpen[s] ? 1 : 0);
    FoldToFitScreen(dialID, s);
}

// The code of the entry a popup shows, or "" when it shows none.
template <typename Entry>
const char* PopUpCode(int16_t dialID, int16_t item, const Entry* entries, int32_t count) {
    const int16_t pos = DGPopUpGetSelected(dialID, item);
    return pos >= 1 && pos <= count ? entries[pos - 1].code : "";
}

// Writes every choice of the dialog into gTileSettings (OK).
void StoreTileSettings(int16_t dialID, const TileType* type) {
    TileSettings& ts = gTileSettings;
    CopyCode(ts.fam, sizeof ts.fam, type->code);
    const int16_t colour = DGListGetSelected(dialID, kItemColourList);
    CopyCode(ts.color, sizeof ts.color, colour >= 1 && colour <= type->colourCount ? type->colours[colour - 1].code : "");
    CopyCode(ts.gcstyp, sizeof ts.gcstyp, type->ridgeTileCount > 0 ? type->ridgeTiles[0].code : "");
    ts.tile_x = type->tileX;
    ts.tile_y = type->tileY;
    CopyCode(ts.typ, sizeof ts.typ, type->layingModeCount > 0 ? type->layingModes[0].code : "");

    CopyCode(ts.folia, sizeof ts.folia, PopUpCode(dialID, kItemFoil, gCatalogue.foils, gCatalogue.foilCount));
    CopyCode(ts.vapatipus, sizeof ts.vapatipus,
             PopUpCode(dialID, kItemValleyType, gCatalogue.valleyTypes, gCatalogue.valleyTypeCount));
    const ColouredKind* valley = ChosenValleyType(dialID);
    CopyCode(ts.mat_pan, sizeof ts.mat_pan,
             valley != nullptr ? PopUpCode(dialID, kItemValleyColour, valley->colours, valley->colourCount) : "");
    CopyCode(ts.hofogas, sizeof ts.hofogas,
             PopUpCode(dialID, kItemSnowMethod, gCatalogue.snowGuardingModes, gCatalogue.snowGuardingModeCount));
    CopyCode(ts.hofogo, sizeof ts.hofogo, PopUpCode(dialID, kItemSnowGuard, type->snowGuards, type->snowGuardCount));
    CopyCode(ts.opt2d, sizeof ts.opt2d, PopUpCode(dialID, kItem2DLabels, gCatalogue.display2D, gCatalogue.display2DCount));
    const int16_t loss = DGPopUpGetSelected(dialID, kItemLossMultiplier);
    if (loss >= 1 && loss <= gCatalogue.lossMultiplierCount)
        CopyCode(ts.vesztesegszorzo, sizeof ts.vesztesegszorzo, gCatalogue.lossMultipliers[loss - 1]);

    ts.pen1 = ClampPen(DGGetItemValLong(dialID, kItemPenControl));
    ts.wingtile = DGGetItemValLong(dialID, kItemEdgeTiles) != 0 ? 1 : 0;
    ts.auto_acc = DGGetItemValLong(dialID, kItemAutoAccessories) != 0 ? 1 : 0;
    ts.csrogz = DGGetItemValLong(dialID, kItemStormClips) != 0 ? 1 : 0;
    ts.rogkar = DGGetItemValLong(dialID, kItemFixingClaws) != 0 ? 1 : 0;
}

// Reacts to a changed item.
void ItemChanged(int16_t dialID, int16_t item, int16_t message) {
    if (int s = SectionOfHeader(item); s >= 0) {
        RollDownChanged(dialID, s, message);
        return;
    }
    if (item >= kItemFamilyFirst && item <= kItemFamilyLast) {
        if (message == DG_MSG_CLICK || DGGetItemValLong(dialID, item) != 0) FamilyChanged(dialID, item - kItemFamilyFirst);
        return;
    }
    TileSettings& ts = gTileSettings;
    switch (item) {
        case kItemTileType: TileTypeChanged(dialID); break;
        case kItemAutoAccessories: AutoAccessoriesChanged(dialID); break;
        case kItemValleyType:
            FillValleyColours(dialID, ts.mat_pan);
            ApplyOkRule(dialID);
            break;
        case kItemFoil:
        case kItemSnowMethod:
        case kItemSnowGuard: ApplyOkRule(dialID); break;
        case kItemEdgeTiles: ts.wingtile = DGGetItemValLong(dialID, item) != 0 ? 1 : 0; break;
        case kItemStormClips: ts.csrogz = DGGetItemValLong(dialID, item) != 0 ? 1 : 0; break;
        case kItemFixingClaws: ts.rogkar = DGGetItemValLong(dialID, item) != 0 ? 1 : 0; break;
        case kItemLayer: ts.layer = int16_t(DGGetItemValLong(dialID, item)); break;
        case kItemPenEdit:
        case kItemPenControl: {
            ts.pen1 = ClampPen(DGGetItemValLong(dialID, item));
            DGSetItemValLong(dialID, kItemPenEdit, ts.pen1);
            DGSetItemValLong(dialID, kItemPenControl, ts.pen1);
            break;
        }
        default: break;
    }
}

// The handler of dialog 32501; userData is the argument of TileDialog.
int16_t TileDialogHandler(int16_t message, int16_t dialID, int16_t item, intptr_t userData, const DGMessageData*) {
    switch (message) {
        case DG_MSG_INIT:
            InitTileDialog(dialID, int32_t(userData));
            break;
        case DG_MSG_CHANGE:
            ItemChanged(dialID, item, message);
            break;
        case DG_MSG_TRACK:
            if (item == kItemPenControl) DGSetItemValLong(dialID, kItemPenEdit, DGGetItemValLong(dialID, item));
            break;
        case DG_MSG_CLICK:
            switch (item) {
                case kItemOk: {
                    const TileType* type = SelectedTileType(dialID);
                    if (type == nullptr || !DGIsItemEnabled(dialID, kItemOk)) return 0;
                    StoreTileSettings(dialID, type);
                    return kItemOk;
                }
                case kItemCancel:
                case DG_CLOSEBOX: return kItemCancel;  // the window's close control cancels
                case kItemTypeDocument: {
                    const TileType* type = SelectedTileType(dialID);
                    if (type != nullptr) OpenDocument(type->link);
                    break;
                }
                case kItemFoilDocument: {
                    const int16_t pos = DGPopUpGetSelected(dialID, kItemFoil);
                    if (pos >= 1 && pos <= gCatalogue.foilCount) OpenDocument(gCatalogue.foils[pos - 1].link);
                    break;
                }
                default:
                    // Roll-down headers and family buttons may report a click instead of a change.
                    if (SectionOfHeader(item) >= 0 || (item >= kItemFamilyFirst && item <= kItemFamilyLast))
                        ItemChanged(dialID, item, message);
                    break;
            }
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace

void InitTileSettings() {
    TileSettings& ts = gTileSettings;
    const Catalogue& c = gCatalogue;
    const TileType* first = TileTypeAt(0, 0);
    CopyCode(ts.fam, sizeof ts.fam, first != nullptr ? first->code : "");
    CopyCode(ts.color, sizeof ts.color, first != nullptr && first->colourCount > 0 ? first->colours[0].code : "");
    CopyCode(ts.gcstyp, sizeof ts.gcstyp, first != nullptr && first->ridgeTileCount > 0 ? first->ridgeTiles[0].code : "");
    CopyCode(ts.hofogo, sizeof ts.hofogo, first != nullptr && first->snowGuardCount > 0 ? first->snowGuards[0].code : "");
    CopyCode(ts.folia, sizeof ts.folia, c.foilCount > 0 ? c.foils[0].code : "");
    CopyCode(ts.vapatipus, sizeof ts.vapatipus, c.valleyTypeCount > 0 ? c.valleyTypes[0].code : "");
    ts.mat_pan[0] = '\0';
    CopyCode(ts.hofogas, sizeof ts.hofogas, c.snowGuardingModeCount > 0 ? c.snowGuardingModes[0].code : "");
    CopyCode(ts.vesztesegszorzo, sizeof ts.vesztesegszorzo, c.lossMultiplierCount > 0 ? c.lossMultipliers[0] : "");
    CopyCode(ts.opt2d, sizeof ts.opt2d, c.display2DCount > 0 ? c.display2D[0].code : "");
    ts.wingtile = 1;
    ts.auto_acc = 1;
    ts.csrogz = 1;
    ts.rogkar = 1;
    ts.pen1 = 2;

    API_Element roof;
    roof.header.typeID = API_RoofID;
    API_ElementMemo memo;
    const ElementMemoGuard memoGuard(memo);
    ts.layer = ACAPI_Element_GetDefaults(&roof, &memo) == NoError ? roof.header.layer : 1;
}

int16_t TileDialog(int32_t tileSurfaceLoaded) {
    return DGModalDialog(kTileDialogId, TileDialogHandler, intptr_t(tileSurfaceLoaded));
}

const TileType* SelectedTileType(int16_t dialID) {
    return TileTypeAt(ChosenFamily(dialID), DGPopUpGetSelected(dialID, kItemTileType) - 1);
}

void ResetTileSettings() {
    std::memset(&gTileSettings, 0, sizeof gTileSettings);  // all zero, as a fresh load has it
    gDialog = TileDialogState{};
}

bool TileSettingsReset() {
    TileSettings zero;
    std::memset(&zero, 0, sizeof zero);
    const TileDialogState freshDialog{};
    return std::memcmp(&gTileSettings, &zero, sizeof zero) == 0 &&
           std::memcmp(&gDialog, &freshDialog, sizeof freshDialog) == 0;
}
