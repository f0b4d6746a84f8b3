// Purpose: conversions of library-part parameter lists between the host's own form, the API's
// record handles and JSON.
#include "host/ParamLists.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "host/InputLimits.h"
#include "host/MemoryHandles.h"

namespace host {
namespace {

struct TypeName {
    API_AddParID type;
    const char* name;
};
const TypeName kTypeNames[] = {
    {APIParT_Integer, "integer"}, {APIParT_Length, "length"},   {APIParT_Angle, "angle"},
    {APIParT_RealNum, "real"},    {APIParT_Boolean, "boolean"}, {APIParT_CString, "text"},
    {APIParT_PenCol, "pen"},      {APIParT_Mater, "material"},  {APIParT_FillPat, "fill"},
    {APIParT_LineTyp, "linetype"}, {APIParT_Title, "title"},    {APIParT_Separator, "separator"},
    {APIParT_LightSw, "lightswitch"}, {APIParT_ColRGB, "rgb"},  {APIParT_Intens, "intensity"},
};

// Copies a UTF-16 text into a fixed record field, always zero-terminated.
void CopyU16(char16_t* dest, size_t capacity, const std::u16string& text) {
    const size_t n = text.size() < capacity - 1 ? text.size() : capacity - 1;
    std::memcpy(dest, text.data(), n * sizeof(char16_t));
    dest[n] = 0;
}

// The number of values of an array parameter (0 when a dimension is not positive).
size_t CellCount(int32_t dim1, int32_t dim2) { return size_t(dim1 > 0 ? dim1 : 0) * size_t(dim2 > 0 ? dim2 : 0); }

// The array handle of one parameter: doubles, or packed zero-terminated UTF-16 texts.
GSHandle MakeArrayHandle(const ParamValue& p) {
    const size_t cells = CellCount(p.dim1, p.dim2);
    // Sizes past the limit never come from a file; the handle's byte count must not wrap.
    if (cells > size_t(kMaxParamCells)) return nullptr;
    if (IsTextParam(p)) {
        std::u16string packed;
        for (size_t i = 0; i < cells; ++i) {
            if (i < p.texts.size()) packed += p.texts[i];
            packed += u'\0';
        }
        GSHandle h = NewHostHandle(int32_t(packed.size() * sizeof(char16_t)));
        if (h != nullptr && !packed.empty()) std::memcpy(*h, packed.data(), packed.size() * sizeof(char16_t));
        return h;
    }
    GSHandle h = NewHostHandle(int32_t(cells * sizeof(double)));
    if (h == nullptr) return nullptr;
    double* values = reinterpret_cast<double*>(*h);
    for (size_t i = 0; i < cells; ++i) values[i] = i < p.numbers.size() ? p.numbers[i] : 0.0;
    return h;
}

// The values of a JSON value in row order: a single value, a flat list, or a list of rows (lists
// nest no deeper). False when a value is of another kind or the lists nest deeper.
template <typename Out, typename Take>
bool CollectValues(const nlohmann::json& v, std::vector<Out>& out, Take take) {
    if (!v.is_array()) return take(v, out);
    for (const auto& row : v) {
        if (!row.is_array()) {
            if (!take(row, out)) return false;
            continue;
        }
        for (const auto& cell : row)
            if (!take(cell, out)) return false;  // a list inside a row, or a value of another kind
    }
    return true;
}

// One number (true and false count as 1 and 0); false for anything else or a number that is not finite.
bool TakeNumber(const nlohmann::json& v, std::vector<double>& out) {
    if (v.is_boolean()) return out.push_back(v.get<bool>() ? 1.0 : 0.0), true;
    if (!v.is_number() || !std::isfinite(v.get<double>())) return false;
    out.push_back(v.get<double>());
    return true;
}

// One text; false for anything else.
bool TakeText(const nlohmann::json& v, std::vector<std::u16string>& out) {
    if (!v.is_string()) return false;
    out.push_back(Utf8ToUtf16(v.get<std::string>()));
    return true;
}

// Reads "dims": [rows, columns], each within the limit and their product too; false with `error`.
bool ReadDims(const nlohmann::json& d, ParamValue& p, std::string& error) {
    const std::string name = "parameter \"" + p.name + "\": ";
    if (!d.is_array() || d.size() != 2 || !d[0].is_number_integer() || !d[1].is_number_integer())
        return (error = name + "\"dims\" must be [rows, columns]", false);
    const int64_t rows = d[0].is_number_unsigned() && d[0].get<uint64_t>() > uint64_t(INT64_MAX) ? -1 : d[0].get<int64_t>();
    const int64_t cols = d[1].is_number_unsigned() && d[1].get<uint64_t>() > uint64_t(INT64_MAX) ? -1 : d[1].get<int64_t>();
    // a negative count, or more rows or columns than the limit
    if (rows < 0 || cols < 0 || rows > kMaxParamDim || cols > kMaxParamDim)
        return (error = name + "\"dims\" must be whole numbers from 0 to " + std::to_string(kMaxParamDim), false);
    if (rows * cols > kMaxParamCells)
        return (error = name + "\"dims\" declare " + std::to_string(rows * cols) + " values, more than the " +
                        std::to_string(kMaxParamCells) + " this program takes",
                false);
    p.dim1 = int32_t(rows);
    p.dim2 = int32_t(cols);
    return true;
}

}  // namespace

bool IsTextParam(const ParamValue& p) { return p.type == APIParT_CString; }

std::u16string Utf8ToUtf16(const std::string& s) {
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        uint32_t cp = c;
        size_t len = 1;
        if (c >= 0xF0) { cp = c & 0x07; len = 4; }
        else if (c >= 0xE0) { cp = c & 0x0F; len = 3; }
        else if (c >= 0xC0) { cp = c & 0x1F; len = 2; }
        if (i + len > s.size()) { cp = 0xFFFD; len = 1; }
        else
            for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t cp = s[i];
        // A surrogate pair makes one code point above the basic plane.
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) out += char(cp);
        else if (cp < 0x800) { out += char(0xC0 | (cp >> 6)); out += char(0x80 | (cp & 0x3F)); }
        else if (cp < 0x10000) {
            out += char(0xE0 | (cp >> 12)); out += char(0x80 | ((cp >> 6) & 0x3F)); out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | (cp >> 18)); out += char(0x80 | ((cp >> 12) & 0x3F));
            out += char(0x80 | ((cp >> 6) & 0x3F)); out += char(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

API_AddParType** ParamsToHandle(const std::vector<ParamValue>& params) {
    if (params.empty()) return nullptr;
    GSHandle h = NewHostHandle(int32_t(params.size() * sizeof(API_AddParType)));
    if (h == nullptr) return nullptr;
    API_AddParType* recs = reinterpret_cast<API_AddParType*>(*h);
    for (size_t i = 0; i < params.size(); ++i) {
        const ParamValue& p = params[i];
        API_AddParType& r = recs[i];
        r = API_AddParType{};
        std::strncpy(r.name, p.name.c_str(), API_NameLen - 1);
        r.typeID = p.type;
        r.flags = p.flags;
        if (p.isArray) {
            r.typeMod = API_ParArray;
            r.dim1 = p.dim1;
            r.dim2 = p.dim2;
            r.array = MakeArrayHandle(p);
        } else if (IsTextParam(p)) {
            CopyU16(r.uStr, API_UAddParStrLen, p.texts.empty() ? std::u16string() : p.texts[0]);
        } else {
            r.real = p.numbers.empty() ? 0.0 : p.numbers[0];
        }
    }
    return reinterpret_cast<API_AddParType**>(h);
}

std::vector<ParamValue> ParamsFromHandle(API_AddParType* const* handle) {
    std::vector<ParamValue> out;
    if (handle == nullptr) return out;
    const size_t count = HandleCount<API_AddParType>(handle);
    for (size_t i = 0; i < count; ++i) {
        const API_AddParType& r = (*handle)[i];
        ParamValue p;
        p.name.assign(r.name, strnlen(r.name, API_NameLen));
        p.type = r.typeID;
        p.flags = r.flags;
        if (r.typeMod == API_ParArray) {
            p.isArray = true;
            p.dim1 = r.dim1;
            p.dim2 = r.dim2;
            const size_t bytes = r.array != nullptr ? size_t(GetHandleSize(r.array)) : 0;
            size_t cells = CellCount(r.dim1, r.dim2);
            // A record declaring more values than the limit keeps the ones its handle holds.
            if (cells > size_t(kMaxParamCells)) cells = std::min(cells, bytes / (IsTextParam(p) ? sizeof(char16_t) : sizeof(double)));
            if (IsTextParam(p)) {
                const char16_t* chars = bytes > 0 ? reinterpret_cast<const char16_t*>(*r.array) : nullptr;
                const size_t nChars = bytes / sizeof(char16_t);
                size_t at = 0;
                for (size_t c = 0; c < cells; ++c) {
                    std::u16string t;
                    while (at < nChars && chars[at] != 0) t += chars[at++];
                    if (at < nChars) ++at;  // the terminating zero
                    p.texts.push_back(t);
                }
            } else {
                const double* values = bytes > 0 ? reinterpret_cast<const double*>(*r.array) : nullptr;
                const size_t nValues = bytes / sizeof(double);
                for (size_t c = 0; c < cells; ++c) p.numbers.push_back(c < nValues ? values[c] : 0.0);
            }
        } else if (IsTextParam(p)) {
            p.texts.push_back(std::u16string(r.uStr, std::char_traits<char16_t>::length(r.uStr) < API_UAddParStrLen
                                                         ? std::char_traits<char16_t>::length(r.uStr)
                                                         : API_UAddParStrLen - 1));
        } else {
            p.numbers.push_back(r.real);
        }
        out.push_back(std::move(p));
    }
    return out;
}

void KillParamsHandle(API_AddParType*** handle) {
    if (handle == nullptr || *handle == nullptr) return;
    GSHandle h = reinterpret_cast<GSHandle>(*handle);
    const size_t count = HandleCount<API_AddParType>(h);
    for (size_t i = 0; i < count; ++i)
        if ((**handle)[i].typeMod == API_ParArray) KillHandle(&(**handle)[i].array);
    KillHandle(&h);
    *handle = nullptr;
}

ParamValue* FindParam(std::vector<ParamValue>& params, const std::string& name) {
    for (ParamValue& p : params)
        if (p.name == name) return &p;
    return nullptr;
}

const ParamValue* FindParam(const std::vector<ParamValue>& params, const std::string& name) {
    for (const ParamValue& p : params)
        if (p.name == name) return &p;
    return nullptr;
}

double ParamNumber(const std::vector<ParamValue>& params, const std::string& name) {
    const ParamValue* p = FindParam(params, name);
    return p != nullptr && !p->numbers.empty() ? p->numbers[0] : 0.0;
}

bool ParamFromJson(const nlohmann::json& j, ParamValue& param, std::string& error) {
    if (!j.is_object() || !j.contains("name") || !j["name"].is_string()) {
        error = "a parameter needs a \"name\"";
        return false;
    }
    ParamValue p;
    p.name = j["name"].get<std::string>();
    const std::string typeName = j.value("type", std::string("real"));
    bool known = false;
    for (const TypeName& t : kTypeNames)
        if (typeName == t.name) { p.type = t.type; known = true; }
    if (!known) {
        error = "parameter \"" + p.name + "\": unknown type \"" + typeName + "\"";
        return false;
    }
    // "hidden" and "bold" are true or false; another kind is an error, not a silent default.
    for (const auto& [key, flag] : {std::pair<const char*, int32_t>{"hidden", API_ParFlg_Hidden}, {"bold", API_ParFlg_BoldName}}) {
        if (!j.contains(key)) continue;
        if (!j[key].is_boolean()) return (error = "parameter \"" + p.name + "\": \"" + key + "\" must be true or false", false);
        if (j[key].get<bool>()) p.flags |= flag;
    }
    const nlohmann::json value = j.contains("value") ? j["value"] : nlohmann::json();
    const bool textual = IsTextParam(p);
    if (j.contains("dims") || value.is_array()) {
        p.isArray = true;
        if (j.contains("dims")) {
            if (!ReadDims(j["dims"], p, error)) return false;
        } else if (!value.empty() && value[0].is_array()) {
            p.dim1 = int32_t(value.size());
            p.dim2 = int32_t(value[0].size());
        } else {
            p.dim1 = int32_t(value.size());
            p.dim2 = 1;
        }
    }
    const bool ok = value.is_null() || (textual ? CollectValues(value, p.texts, TakeText) : CollectValues(value, p.numbers, TakeNumber));
    if (!ok) {
        error = "parameter \"" + p.name + "\": value of the wrong kind (" + (textual ? "texts" : "finite numbers") +
                ", in a list or a list of rows)";
        return false;
    }
    const size_t cells = p.isArray ? CellCount(p.dim1, p.dim2) : 1;
    const size_t given = textual ? p.texts.size() : p.numbers.size();
    // Declared sizes are checked against the values present: with "dims", exactly rows x columns
    // values (no value at all only for an empty array); without, the list's own shape.
    if (p.isArray && j.contains("dims") && given != cells)
        return (error = "parameter \"" + p.name + "\": expected rows x columns = " + std::to_string(cells) + " values, " +
                        std::to_string(given) + " given",
                false);
    if (p.isArray && !j.contains("dims") && given != cells)
        return (error = "parameter \"" + p.name + "\": every row must have as many values as the first", false);
    if (textual) p.texts.resize(cells);
    else p.numbers.resize(cells, 0.0);
    param = std::move(p);
    return true;
}

nlohmann::json ParamToJson(const ParamValue& p) {
    nlohmann::json j;
    j["name"] = p.name;
    for (const TypeName& t : kTypeNames)
        if (t.type == p.type) j["type"] = t.name;
    if (p.flags & API_ParFlg_Hidden) j["hidden"] = true;
    if (p.flags & API_ParFlg_BoldName) j["bold"] = true;
    if (p.isArray) {
        j["dims"] = {p.dim1, p.dim2};
        nlohmann::json values = nlohmann::json::array();
        if (IsTextParam(p))
            for (const auto& t : p.texts) values.push_back(Utf16ToUtf8(t));
        else
            for (double v : p.numbers) values.push_back(v);
        j["value"] = values;
    } else if (IsTextParam(p)) {
        j["value"] = p.texts.empty() ? std::string() : Utf16ToUtf8(p.texts[0]);
    } else {
        j["value"] = p.numbers.empty() ? 0.0 : p.numbers[0];
    }
    return j;
}

}  // namespace host
