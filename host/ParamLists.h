// Purpose: library-part parameter lists: the host's own form (ParamValue) and the API form (a
// handle of API_AddParType records, arrays in handles of their own), and their JSON form.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/Model.h"

namespace host {

// A handle of API_AddParType records made from `params` (host allocation); nullptr when empty.
API_AddParType** ParamsToHandle(const std::vector<ParamValue>& params);
// Reads an API parameter list handle; array values beyond the handle's bytes read as 0 / "".
std::vector<ParamValue> ParamsFromHandle(API_AddParType* const* handle);
// Kills a parameter list handle and every array handle its records hold.
void KillParamsHandle(API_AddParType*** handle);

ParamValue* FindParam(std::vector<ParamValue>& params, const std::string& name);
const ParamValue* FindParam(const std::vector<ParamValue>& params, const std::string& name);
// The first number of a parameter (0 when missing or a text).
double ParamNumber(const std::vector<ParamValue>& params, const std::string& name);

bool IsTextParam(const ParamValue& p);

// JSON form: {"name", "type", "value", optional "dims": [rows, cols], optional "hidden"}.
// Types: "integer", "length", "angle", "real", "boolean", "text", "pen", "material", "fill",
// "linetype", "title", "separator". Array values are given flat (row by row) or nested by rows.
bool ParamFromJson(const nlohmann::json& j, ParamValue& param, std::string& error);
nlohmann::json ParamToJson(const ParamValue& param);

// UTF-8 and the host's Unicode texts.
std::u16string Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const std::u16string& text);

}  // namespace host
