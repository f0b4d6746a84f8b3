// Purpose: reading and writing an edge setter's parameters by name in a host parameter list.
#pragma once

#include <cstdint>

#include "Common_src/Api_related/HostCalls.h"
#include "Common_src/Api_related/ParamList.h"

// A simple parameter's value, or `fallback` when the list lacks it.
double SetterParamValue(API_AddParType** params, const char* name, double fallback = 0);

// Writes a simple numeric parameter; false when the list lacks it.
bool SetSetterParamValue(API_AddParType** params, const char* name, double value);

// Number of rows of an array parameter (0 when missing or not an array).
int32_t SetterParamRows(API_AddParType** params, const char* name);

// Element [row][col] (0-based) of a numeric array parameter; 0 outside the stored values.
double SetterParamCell(API_AddParType** params, const char* name, int32_t row, int32_t col = 0);

// Writes element [row][col] of a numeric array parameter, growing the array to hold that row
// (new cells 0); false when the list lacks the parameter or the host has no memory.
bool SetSetterParamCell(API_AddParType** params, const char* name, int32_t row, int32_t col, double value);

// Replaces an array parameter's dimensions and values (rows*cols values, row by row);
// false when the list lacks it or the host has no memory (then the parameter is unchanged).
bool SetSetterParamArray(API_AddParType** params, const char* name, int32_t rows, int32_t cols, const double* values);

// Shows or hides a parameter in the host's parameter list.
void SetSetterParamHidden(API_AddParType** params, const char* name, bool hidden);
