// Purpose: new objects of the object library's parts, and their parameters written and read by name.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Common_src/Api_related/HostTypes.h"
#include "Common_src/Api_related/ParamList.h"

// One value to write onto the library part's parameter of exactly this name (case-sensitive).
struct ParamRow {
    enum Kind : int32_t { Real, Text, RealArray };
    const char* name = nullptr;
    Kind kind = Real;
    double real = 0;               // Real
    const char* text = nullptr;    // Text: the add-on's 8-bit text (UTF-8)
    int32_t rows = 0, cols = 0;    // RealArray: dimensions
    const double* values = nullptr;  // RealArray: rows*cols values, row by row
};

ParamRow RealParam(const char* name, double value);
ParamRow TextParam(const char* name, const char* text);
ParamRow ArrayParam(const char* name, int32_t rows, int32_t cols, const double* values);

// Walks the parameter list once in its own order and writes every parameter that has a row;
// rows the part lacks are not written. False when an array's storage could not be allocated.
bool ApplyParamRows(API_AddParType** params, const ParamRow* rows, size_t rowCount);

// A loss-multiplier text read as a decimal number: leading white space skipped, the longest
// leading decimal number taken, 0 when the text does not begin with one.
double LossMultiplierValue(const char* text);

// The add-on's 8-bit text (UTF-8) as a host Unicode string, cut at a whole character to fit.
void ToHostText(const char* text, char16_t* out, size_t outCount);

// A host Unicode string as 8-bit text (UTF-8), cut at a whole character to fit in outSize bytes.
void FromHostText(const char16_t* text, char* out, size_t outSize);

// Message rows a caller reports when preparing its object fails.
struct ObjectPrepareMessages {
    int32_t searchFailed;
    int32_t defaultsFailed;
};

// Prepares a new object of the part with this main identifier: library check, part search,
// object defaults and the part's default parameters in memo. Reports its own failures (message
// 9 with a dialog, or the caller's rows with the host code) and then returns false; on true the
// caller owns memo's handles.
bool PrepareLibraryObject(const char* mainId, const ObjectPrepareMessages& messages, API_Element& element,
                          API_ElementMemo& memo);
