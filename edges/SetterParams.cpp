// Purpose: reading and writing an edge setter's parameters by name in a host parameter list.
#include "edges/SetterParams.h"

#include <cstring>

#include "Common_src/Api_related/HostArray.h"
#include "Common_src/Api_related/HostMemory.h"

namespace {

// Number of doubles the array handle of a numeric parameter really holds.
int32_t StoredCells(const API_AddParType& par) {
    return HandleCount<double>(par.array);
}

// Makes a numeric array parameter hold at least `rows` rows of its column count, keeping the
// values it has and zeroing the new ones.
bool GrowArrayRows(API_AddParType& par, int32_t rows) {
    const int32_t cols = par.dim2 > 0 ? par.dim2 : 1;
    if (rows <= par.dim1 && StoredCells(par) >= rows * cols) return true;
    const int32_t newRows = rows > par.dim1 ? rows : par.dim1;
    const int32_t bytes = newRows * cols * int32_t(sizeof(double));
    const int32_t oldBytes = StoredCells(par) * int32_t(sizeof(double));
    if (!HostHandleGrow(par.array, uint64_t(bytes))) return false;
    if (bytes > oldBytes) std::memset(*par.array + oldBytes, 0, size_t(bytes - oldBytes));
    par.dim1 = newRows;
    par.dim2 = cols;
    par.typeMod = API_ParArray;
    return true;
}

}  // namespace

double SetterParamValue(API_AddParType** params, const char* name, double fallback) {
    const API_AddParType* par = FindParam(params, name);
    if (par == nullptr) return fallback;
    if (par->typeMod == API_ParArray) return SetterParamCell(params, name, 0, 0);
    return par->real;
}

bool SetSetterParamValue(API_AddParType** params, const char* name, double value) {
    API_AddParType* par = FindParam(params, name);
    if (par == nullptr || par->typeMod == API_ParArray) return false;
    par->real = value;
    return true;
}

int32_t SetterParamRows(API_AddParType** params, const char* name) {
    const API_AddParType* par = FindParam(params, name);
    if (par == nullptr || par->typeMod != API_ParArray) return 0;
    return par->dim1 > 0 ? par->dim1 : 0;
}

double SetterParamCell(API_AddParType** params, const char* name, int32_t row, int32_t col) {
    const API_AddParType* par = FindParam(params, name);
    if (par == nullptr || par->typeMod != API_ParArray || row < 0 || col < 0) return 0;
    const int32_t cols = par->dim2 > 0 ? par->dim2 : 1;
    if (row >= par->dim1 || col >= cols) return 0;
    const int32_t cell = row * cols + col;
    if (cell >= StoredCells(*par)) return 0;
    return reinterpret_cast<const double*>(*par->array)[cell];
}

bool SetSetterParamCell(API_AddParType** params, const char* name, int32_t row, int32_t col, double value) {
    API_AddParType* par = FindParam(params, name);
    if (par == nullptr || row < 0 || col < 0) return false;
    if (par->typeMod != API_ParArray) {
        if (row != 0 || col != 0) return false;
        par->real = value;
        return true;
    }
    const int32_t cols = par->dim2 > 0 ? par->dim2 : 1;
    if (col >= cols || !GrowArrayRows(*par, row + 1)) return false;
    reinterpret_cast<double*>(*par->array)[row * cols + col] = value;
    return true;
}

bool SetSetterParamArray(API_AddParType** params, const char* name, int32_t rows, int32_t cols, const double* values) {
    API_AddParType* par = FindParam(params, name);
    if (par == nullptr || rows < 0 || cols < 1) return false;
    const int32_t cells = rows * cols;
    GSHandle fresh = nullptr;
    if (!HostHandleGrow(fresh, uint64_t(cells) * sizeof(double))) return false;
    if (cells > 0) std::memcpy(*fresh, values, size_t(cells) * sizeof(double));
    if (par->typeMod == API_ParArray && par->array != nullptr) BMKillHandle(&par->array);
    par->array = fresh;
    par->typeMod = API_ParArray;
    par->dim1 = rows;
    par->dim2 = cols;
    return true;
}

void SetSetterParamHidden(API_AddParType** params, const char* name, bool hidden) {
    API_AddParType* par = FindParam(params, name);
    if (par == nullptr) return;
    par->flags = hidden ? (par->flags | API_ParFlg_Hidden) : (par->flags & ~API_ParFlg_Hidden);
}
