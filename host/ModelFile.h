// Purpose: model files: the host's project loaded from and saved to JSON.
#pragma once

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "host/Model.h"

namespace host {

// Loads a model file into `model`. On failure `model` is untouched and `error` says what was
// wrong and where (file, key or element). Generated roofs ("shape") become explicit planes.
bool LoadModelFile(const std::string& path, Model& model, std::string& error);
bool LoadModelText(const std::string& text, const std::string& sourceName, Model& model, std::string& error);

// A reader that stands in for the plain JSON parse of a model's text: it may read other formats
// (city models), heal and check, and fills `doc` with a model document; false with `error`.
// The program installs one; without it a model file is parsed as it is (strict).
using ModelDocReader = std::function<bool(const std::string& text, const std::string& sourceName,
                                          nlohmann::ordered_json& doc, std::string& error)>;
void SetModelDocReader(ModelDocReader reader);

// Saves `model` as JSON; writes a temporary file and renames it, so a failed save keeps the old file.
bool SaveModelFile(const std::string& path, const Model& model, std::string& error);
std::string ModelToText(const Model& model);

// A new GUID, unique within the process run (deterministic sequence so runs are repeatable).
API_Guid NewGuid();
std::string GuidToString(const API_Guid& guid);    // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
bool GuidFromString(const std::string& text, API_Guid& guid);

}  // namespace host
