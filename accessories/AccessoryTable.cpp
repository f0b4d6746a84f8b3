// Purpose: the accessory table a tile surface carries in its parameters ("num_acc", "acces",
// "cod_acc", "mat_acc"): the working copy, its reading from and writing onto the object's list.
#include "accessories/AccessoryTable.h"
#include "Common_src/ParamNames.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "Common_src/Api_related/HostArray.h"
#include "Common_src/Api_related/HostCalls.h"
#include "Common_src/Api_related/HostMemory.h"
#include "Common_src/Api_related/ParamList.h"
#include "placement/LibraryObjects.h"

AccessoryTable gAccessoryTable;

namespace {

constexpr const char* kParamFamily = kParamTileFamily;
constexpr const char* kParamSlope = kParamPitch;
constexpr const char* kParamCount = kParamAccessoryCount;
constexpr const char* kParamRows = kParamAccessories;
constexpr const char* kParamCodes = kParamAccessoryCodes;
constexpr const char* kParamColours = kParamAccessoryColours;

// Number of array cells a parameter's handle really holds for values of this size.
int32_t ArrayCellsHeld(const API_AddParType& param, size_t cellSize) {
    if (param.typeMod != API_ParArray || param.array == nullptr) return 0;
    const int32_t declared = std::max(param.dim1, 0) * std::max(param.dim2, 0);
    const int32_t held = BMGetHandleSize(param.array) / int32_t(cellSize);
    return std::min(declared, held);
}

// Reads "acces": at most 600 values, in storage order, into the row slots.
void ReadRowValues(const API_AddParType& param, AccessoryTable& table) {
    const int32_t cells = std::min(ArrayCellsHeld(param, sizeof(double)), kMaxAccessoryRows * kAccessoryRowValues);
    const double* values = reinterpret_cast<const double*>(*param.array);
    double* slots = &table.rows[0].kind;
    for (int32_t i = 0; i < cells; ++i) slots[i] = values[i];
}

// Reads a text parameter (an array of texts, or one simple text) into a list of 8-bit texts.
void ReadTextList(const API_AddParType& param, char* list, size_t listSize) {
    std::memset(list, 0, listSize);
    if (param.typeMod != API_ParArray) {
        char text[API_UAddParStrLen * 3];
        FromHostText(param.uStr, text, sizeof text);
        AppendAccessoryListText(list, listSize, 0, text);
        return;
    }
    if (param.array == nullptr) return;
    const int32_t units = HandleCount<char16_t>(param.array);
    const char16_t* packed = reinterpret_cast<const char16_t*>(*param.array);
    const int32_t cells = std::min(std::max(param.dim1, 0) * std::max(param.dim2, 0), kMaxAccessoryRows);
    int32_t at = 0;
    for (int32_t k = 0; k < cells && at < units; ++k) {
        std::u16string one;
        while (at < units && packed[at] != 0) one += packed[at++];
        ++at;  // past the terminator
        char text[API_UAddParStrLen * 3];
        FromHostText(one.c_str(), text, sizeof text);
        AppendAccessoryListText(list, listSize, k, text);
    }
}

// Gives an array parameter new dimensions and exactly `bytes` of storage; false without memory.
bool ResizeArrayParam(API_AddParType& param, int32_t rows, int32_t cols, int32_t bytes) {
    if (!HostHandleResizeTo(param.array, uint64_t(bytes))) return false;
    param.typeMod = API_ParArray;
    param.dim1 = rows;
    param.dim2 = cols;
    return true;
}

// Writes "acces": `rows` rows of six values (one row of zeros for an empty table).
bool WriteRowValues(API_AddParType& param, const AccessoryTable& table, int32_t rows) {
    const int32_t valueCount = rows * kAccessoryRowValues;
    if (!ResizeArrayParam(param, rows, kAccessoryRowValues, valueCount * int32_t(sizeof(double)))) return false;
    double* values = reinterpret_cast<double*>(*param.array);
    if (table.count == 0) {
        std::fill(values, values + valueCount, 0.0);
    } else {
        std::memcpy(values, &table.rows[0].kind, size_t(valueCount) * sizeof(double));
    }
    return true;
}

// Writes the first `used` texts of a list as a `rows` x 1 array of host texts; rows past `used`
// (the one row of an empty table) hold empty texts.
bool WriteTextList(API_AddParType& param, const char* list, size_t listSize, int32_t used, int32_t rows) {
    std::u16string packed;
    for (int32_t k = 0; k < rows; ++k) {
        char16_t text[API_UAddParStrLen];
        ToHostText(k < used ? AccessoryListText(list, listSize, k) : "", text, API_UAddParStrLen);
        packed += text;
        packed += u'\0';
    }
    const int32_t bytes = int32_t(packed.size() * sizeof(char16_t));
    if (!ResizeArrayParam(param, rows, 1, bytes)) return false;
    std::memcpy(*param.array, packed.data(), size_t(bytes));
    return true;
}

// Offset of the k-th text of a list (the list's size when it holds fewer texts than that).
size_t ListTextOffset(const char* list, size_t listSize, int32_t k) {
    size_t at = 0;
    for (int32_t i = 0; i < k && at < listSize; ++i) at += strnlen(list + at, listSize - at) + 1;
    return std::min(at, listSize);
}

}  // namespace

void ClearAccessoryTable(AccessoryTable& table) { std::memset(&table, 0, sizeof table); }

const char* AccessoryListText(const char* list, size_t listSize, int32_t k) {
    const size_t at = ListTextOffset(list, listSize, k);
    return at < listSize ? list + at : "";
}

bool AppendAccessoryListText(char* list, size_t listSize, int32_t textsBefore, const char* text) {
    const size_t at = ListTextOffset(list, listSize, textsBefore);
    if (at >= listSize) return false;
    const size_t room = listSize - at - 1;  // bytes left before the terminator
    const size_t n = std::min(std::strlen(text), room);
    std::memcpy(list + at, text, n);
    std::memset(list + at + n, 0, listSize - at - n);  // the texts behind it are gone
    return true;
}

void ReadAccessoryParams(API_AddParType** params, int32_t walkCount, AccessoryTable& table,
                         TileSurfaceAccessoryInfo& info) {
    ClearAccessoryTable(table);
    std::memset(&info, 0, sizeof info);
    const int32_t n = ParamWalkLength(params, walkCount);
    for (int32_t i = 0; i < n; ++i) {
        const API_AddParType& param = (*params)[i];
        if (ParamNameIs(param, kParamFamily)) {
            FromHostText(param.uStr, info.fam, sizeof info.fam);
        } else if (ParamNameIs(param, kParamSlope)) {
            info.alpha = param.real;
        } else if (ParamNameIs(param, kParamCount)) {
            // A stored count is a real; keep it a whole number of rows the table can hold.
            const double rounded = std::isfinite(param.real) ? std::round(param.real) : 0.0;
            table.count = int32_t(std::clamp(rounded, 0.0, double(kMaxAccessoryRows)));
        } else if (ParamNameIs(param, kParamRows)) {
            ReadRowValues(param, table);
        } else if (ParamNameIs(param, kParamCodes)) {
            ReadTextList(param, table.codes, sizeof table.codes);
        } else if (ParamNameIs(param, kParamColours)) {
            ReadTextList(param, table.colours, sizeof table.colours);
        }
    }
}

bool WriteAccessoryParams(API_AddParType** params, int32_t walkCount, const AccessoryTable& table) {
    const int32_t rows = std::max(table.count, int32_t(1));  // an empty table keeps one empty row
    const int32_t n = ParamWalkLength(params, walkCount);
    for (int32_t i = 0; i < n; ++i) {
        API_AddParType& param = (*params)[i];
        bool written = true;
        if (ParamNameIs(param, kParamCount)) {
            param.real = table.count;
        } else if (ParamNameIs(param, kParamRows)) {
            written = WriteRowValues(param, table, rows);
        } else if (ParamNameIs(param, kParamCodes)) {
            written = WriteTextList(param, table.codes, sizeof table.codes, table.count, rows);
        } else if (ParamNameIs(param, kParamColours)) {
            written = WriteTextList(param, table.colours, sizeof table.colours, table.count, rows);
        }
        if (!written) return false;
    }
    return true;
}
