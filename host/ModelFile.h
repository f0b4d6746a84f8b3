// Purpose: model files: the host's project loaded from and saved to JSON.
#pragma once

#include <string>

#include "host/Model.h"

namespace host {

// Loads a model file into `model`. On failure `model` is untouched and `error` says what was
// wrong and where (file, key or element). Generated roofs ("shape") become explicit planes.
bool LoadModelFile(const std::string& path, Model& model, std::string& error);
bool LoadModelText(const std::string& text, const std::string& sourceName, Model& model, std::string& error);

// Saves `model` as JSON; writes a temporary file and renames it, so a failed save keeps the old file.
bool SaveModelFile(const std::string& path, const Model& model, std::string& error);
std::string ModelToText(const Model& model);

// A new GUID, unique within the process run (deterministic sequence so runs are repeatable).
API_Guid NewGuid();
std::string GuidToString(const API_Guid& guid);    // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
bool GuidFromString(const std::string& text, API_Guid& guid);

}  // namespace host
