// Purpose: the edge setter's parameter script: how a dragged palette hotspot or the settings
// dialog becomes a new edge type, and the upkeep of the dialog's other parameters.
#include <cmath>
#include <cstring>
#include <vector>

#include "edges/EdgeSetterPart.h"
#include "Common_src/ParamNames.h"
#include "edges/SetterParams.h"

namespace {

constexpr double kPenMin = 1;
constexpr double kPenMax = 255;
constexpr double kBackPenMin = -1;
constexpr double kSmallestFontSize = 1.0;
constexpr double kAnyDrawingScale = 100;  // sign sizes do not depend on the drawing scale

// A pen parameter and its integer twin.
struct PenPair {
    const char* pen;
    const char* twin;
    double minimum;
};
constexpr PenPair kPenPairs[] = {
    {"penText", "iPenText", kPenMin},       {"penEdge", "iPenEdge", kPenMin},
    {"penSign", "iPenSign", kPenMin},       {"fillPen", "iFillPen", kPenMin},
    {"fillBackPen", "iFillBackPen", kBackPenMin},
};

// The parameters of the edge numbers, hidden while the numbers are off.
constexpr const char* kTextParams[] = {"font",      "fontSize",    "penText",    "iPenText",
                                       "bTextBold", "bTextItalic", "bTextUnder", "bTextStrike"};

// Per-edge values the script works on, read once and written back at the end.
struct EdgeRow {
    double signSize = 0;
    int32_t edgeType = 0;  // iEdgeStatus
    int32_t apiType = 0;   // iApiStatus
    double hotX = 0, hotY = 0, hotY2 = 0;
};

// Limits a value to [lo, hi].
double Clamp(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Where an edge's X hotspot rests: over the square of its current type.
double RestingX(const EdgeRow& row) { return (row.edgeType - row.apiType) * row.signSize; }

// Writes the name of the changed parameter into "modParName".
void NoteChangedName(API_AddParType** params, const char* changed) {
    API_AddParType* par = FindParam(params, "modParName");
    if (par == nullptr || par->typeMod == API_ParArray) return;
    size_t i = 0;
    for (; changed[i] != '\0' && i + 1 < size_t(API_UAddParStrLen); ++i) par->uStr[i] = char16_t(uint8_t(changed[i]));
    par->uStr[i] = 0;
}

// Settings dialog paging and row buttons: move the first shown row or select an edge.
void ApplyUiButton(API_AddParType** params, int32_t button, int32_t edgeCount) {
    double start = SetterParamValue(params, "nUiStart", 1);
    const double lastStart = edgeCount - (kUiRowsShown - 1);
    if (button == kUiButtonFirst) start = 1;
    if (button == kUiButtonUp) start = start - 1;
    if (button == kUiButtonDown && start + 1 <= lastStart) start = start + 1;
    if (button == kUiButtonLast) start = lastStart;
    if (start < 1) start = 1;
    SetSetterParamValue(params, "nUiStart", start);
    if (button > kUiButtonRowBase && button <= kUiButtonRowBase + kUiRowsShown) {
        const double edge = start + (button - kUiButtonRowBase) - 1;
        if (edge <= edgeCount) SetSetterParamValue(params, kParamSelectedEdge, edge);
    }
}

// The palette rule: finds the edge whose hotspot the user moved and turns it into a type.
void ApplyHotspotMove(API_AddParType** params, EdgeRow* rows, int32_t n) {
    int32_t moved = -1;
    for (int32_t i = 0; i < n; ++i) {
        if (std::fabs(rows[i].hotX - RestingX(rows[i])) <= kSetterLengthTol) continue;
        if (moved < 0) moved = i;
        else rows[i].hotX = RestingX(rows[i]);  // only one palette hotspot moves at a time
    }
    for (int32_t i = 0; i < n && moved < 0; ++i) {
        // An opened palette: the Y hotspot left zero and is not where the last run left it.
        const bool open = rows[i].hotY != 0;
        const bool changed = std::fabs(rows[i].hotY - rows[i].hotY2) > kSetterLengthTol;
        if (open && changed) moved = i;
    }
    SetSetterParamValue(params, "nMovedPoint", moved + 1);
    if (moved < 0) return;

    EdgeRow& row = rows[moved];
    row.edgeType = PaletteTypeForOffset(row.apiType, row.hotX, row.signSize);
    row.hotX = RestingX(row);
    if (row.hotY > kSetterLengthTol) row.hotY = row.signSize;
    else if (row.hotY < 0) row.hotY = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (i == moved) continue;
        rows[i].hotX = RestingX(rows[i]);
        rows[i].hotY = 0;
    }
}

// Pen pairs hold one value: the one the user changed wins, limited to the pen range.
void SyncPenPairs(API_AddParType** params, const char* changed) {
    for (const PenPair& pair : kPenPairs) {
        const bool twinChanged = std::strcmp(changed, pair.twin) == 0;
        double v = SetterParamValue(params, twinChanged ? pair.twin : pair.pen, kPenMin);
        v = Clamp(std::trunc(v), pair.minimum, kPenMax);
        SetSetterParamValue(params, pair.pen, v);
        SetSetterParamValue(params, pair.twin, v);
    }
}

// Hides the edge-number options while numbers are off, and the 2D options of a hand-placed setter.
void UpdateHiddenOptions(API_AddParType** params) {
    const bool showText = SetterParamValue(params, "bShowEdgeText", 0) != 0;
    for (const char* name : kTextParams) SetSetterParamHidden(params, name, !showText);
    const bool byHand = SetterParamValue(params, kParamGroupIndex, 0) == 0;
    SetSetterParamHidden(params, "bShowEdgeText", byHand);
    SetSetterParamHidden(params, "gs_2D_representation", byHand);
}

}  // namespace

GSErrCode EdgeSetterParameterScript(API_AddParType** params, const LibPartParamScriptEnv* env) {
    if (params == nullptr) return APIERR_BADPARS;
    const LibPartParamScriptEnv noEnv;
    if (env == nullptr) env = &noEnv;
    const char* changed = env->changedName != nullptr ? env->changedName : "";
    NoteChangedName(params, changed);

    const int32_t n = SetterEdgeCount(params);

    // Settings dialog: paging, row selection, and the selected edge's type.
    if (env->uiButtonId != 0) ApplyUiButton(params, env->uiButtonId, n);
    double selected = Clamp(std::trunc(SetterParamValue(params, kParamSelectedEdge, 1)), 1, n > 0 ? n : 1);
    SetSetterParamValue(params, kParamSelectedEdge, selected);
    if (std::strcmp(changed, kParamSelectedEdgeType) == 0 && n > 0) {
        const double type = Clamp(std::trunc(SetterParamValue(params, kParamSelectedEdgeType, 1)), 1, kEdgeTypeCount);
        if (!SetSetterParamCell(params, kParamEdgeStatus, int32_t(selected) - 1, 0, type)) return APIERR_MEMFULL;
    }

    // The per-edge values.
    std::vector<EdgeRow> rows(size_t(n > 0 ? n : 0));
    for (int32_t i = 0; i < n; ++i) {
        const SetterEdgeShape shape = SetterEdgeGeometry(params, i, kAnyDrawingScale);
        rows[i].signSize = shape.signSize;
        rows[i].edgeType = int32_t(SetterParamCell(params, kParamEdgeStatus, i));
        rows[i].apiType = int32_t(SetterParamCell(params, kParamApiStatus, i));
        rows[i].hotX = SetterParamCell(params, kParamHotspotsX, i);
        rows[i].hotY = SetterParamCell(params, kParamHotspotsY, i);
        rows[i].hotY2 = SetterParamCell(params, kParamHotspotsY2, i);
    }

    const bool hotspotChanged = std::strcmp(changed, kParamHotspotsX) == 0 || std::strcmp(changed, kParamHotspotsY) == 0;
    if (hotspotChanged) {
        ApplyHotspotMove(params, rows.data(), n);
    } else {
        for (int32_t i = 0; i < n; ++i) rows[i].hotX = RestingX(rows[i]);
    }
    for (int32_t i = 0; i < n; ++i) {
        // Y stays between closed (0) and open (one sign size).
        if (rows[i].hotY < kSetterLengthTol) rows[i].hotY = 0;
        if (rows[i].hotY > rows[i].signSize) rows[i].hotY = rows[i].signSize;
        // Any other change, or the settings dialog, closes every palette.
        if (!hotspotChanged || env->settingsDialog) rows[i].hotY = 0;
        rows[i].hotY2 = rows[i].hotY;
    }
    for (int32_t i = 0; i < n; ++i) {
        const bool written = SetSetterParamCell(params, kParamEdgeStatus, i, 0, rows[i].edgeType) &&
                             SetSetterParamCell(params, kParamHotspotsX, i, 0, rows[i].hotX) &&
                             SetSetterParamCell(params, kParamHotspotsY, i, 0, rows[i].hotY) &&
                             SetSetterParamCell(params, kParamHotspotsY2, i, 0, rows[i].hotY2);
        if (!written) return APIERR_MEMFULL;
    }

    // The selected edge's type as the dialog shows it.
    if (n > 0) SetSetterParamValue(params, kParamSelectedEdgeType, SetterParamCell(params, kParamEdgeStatus, int32_t(selected) - 1));

    SyncPenPairs(params, changed);
    if (SetterParamValue(params, "fontSize", kSmallestFontSize) < kSetterLengthTol)
        SetSetterParamValue(params, "fontSize", kSmallestFontSize);
    const double page = Clamp(std::trunc(SetterParamValue(params, "gs_ui_current_page", 1)), 1, 2);
    SetSetterParamValue(params, "gs_ui_current_page", page);
    UpdateHiddenOptions(params);
    return NoError;
}
