// Purpose: model files: the host's project loaded from and saved to JSON.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/Model.h"

namespace host {

// The format version written; files of this version and older ones are read.
constexpr int kModelFormatVersion = 2;
// Largest distance (metres) of a point from the origin along any axis: farther is a typo or junk.
constexpr double kModelCoordinateLimit = 1e6;

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

// Saves `model` as JSON, streamed into a new file of a name no file had in the same folder, then
// renamed over `path`, so a failed save keeps the old file. Refused, with the first reason in
// `error` (what, where), when the model holds anything the loader would refuse: a number that is
// not finite, a point past the coordinate limit, an element without ID, ...
bool SaveModelFile(const std::string& path, const Model& model, std::string& error);
// The saved text of `model` (what a save writes; not checked).
std::string ModelToText(const Model& model);
// True when `model` can be saved and loaded again; otherwise the first reason in `error`.
bool CheckModelSaves(const Model& model, std::string& error);

// A placed object's parameters as a file holds them: those that differ from its library part's
// defaults (the defaults in the part's order, then any parameters of the object's own), and the
// list restored from them and the defaults. ParamsWithDefaults(ChangedParams(p, d), d) == p when p
// begins with d's names in d's order.
std::vector<ParamValue> ChangedParams(const std::vector<ParamValue>& params, const std::vector<ParamValue>& defaults);
std::vector<ParamValue> ParamsWithDefaults(const std::vector<ParamValue>& changed, const std::vector<ParamValue>& defaults);

// A new GUID, unique within the process run (deterministic sequence so runs are repeatable).
API_Guid NewGuid();
std::string GuidToString(const API_Guid& guid);    // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
bool GuidFromString(const std::string& text, API_Guid& guid);

}  // namespace host
