// Purpose: the one way the add-on finds a parameter of a host parameter list by its name.
//
// Names match as the host matches them: whole and case-sensitive, a record's name read up to its
// terminating zero or its full field. Every walk stops at the list's end, however many records a
// caller asks for.
#pragma once

#include <cstdint>

#include "HostCalls.h"

// Walk length that means "the whole list".
constexpr int32_t kWholeParamList = INT32_MAX;

// True when a parameter record carries exactly this name.
bool ParamNameIs(const API_AddParType& param, const char* name);

// Number of records in a parameter list handle (0 for none).
int32_t ParamListCount(API_AddParType** params);

// The number of records to walk: `walkCount`, but never past the list's end (0 for none).
int32_t ParamWalkLength(API_AddParType** params, int32_t walkCount);

// The first parameter of this name among the first `walkCount` records, or null.
API_AddParType* FindParam(API_AddParType** params, const char* name, int32_t walkCount = kWholeParamList);
