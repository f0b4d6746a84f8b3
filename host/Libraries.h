// Purpose: the active library list and the library parts it holds: adding a library file,
// searching a part by its main identifier, placeholders for parts that placed objects name.
//
// Library file (JSON): {"name": ..., "parts": [{"unId": "{main}-{revision}", "type": "object",
// "name": ..., "fileName": ..., "a": 1, "b": 1, "params": [parameter, ...]}]}; parameters as
// in ParamLists.h.
#pragma once

#include <string>

#include "host/Host.h"

namespace host {

// Reads the library file at `location` and adds it and its parts. Missing or unreadable file:
// APIERR_NOLIB, nothing added, `error` says why. A location already active is not added twice.
GSErrCode AddLibrary(const std::string& location, bool builtIn, std::string* error = nullptr);
// The same from the file's text (the add-on's built-in library comes from its resources).
GSErrCode AddLibraryText(const std::string& text, const std::string& location, bool builtIn,
                         std::string* error = nullptr);
bool IsLibraryActive(const std::string& location);

// A loaded part whose first 38 characters equal those of `unId`; 0 when none.
int32_t SearchLibPart(const std::string& unId);
// The part of that main identifier, loaded or not; creates an unloaded placeholder when unknown.
int32_t LibPartIndexForUnId(const std::string& unId);
LibPart* LibPartByIndex(int32_t index);

}  // namespace host
