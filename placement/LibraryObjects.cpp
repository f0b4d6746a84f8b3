// Purpose: new objects of the object library's parts, and their parameters written and read by name.
#include "placement/LibraryObjects.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "Common_src/Api_related/HostArray.h"
#include "Common_src/Api_related/HostCalls.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/Messages.h"

namespace {

// The null revision identifier that follows the main identifier in a part search.
constexpr const char* kNullRevisionSuffix = "-{00000000-0000-0000-0000-000000000000}";

// The row of the table that names this parameter, or null.
const ParamRow* RowFor(const API_AddParType& param, const ParamRow* rows, size_t rowCount) {
    for (size_t r = 0; r < rowCount; ++r) {
        if (ParamNameIs(param, rows[r].name)) return &rows[r];
    }
    return nullptr;
}

// Sets an array parameter's dimensions and storage, then fills it row by row; false without memory.
bool WriteArrayParam(API_AddParType& param, const ParamRow& row) {
    const int32_t valueCount = row.rows * row.cols;
    const int32_t bytes = valueCount * int32_t(sizeof(double));
    if (!HostHandleResizeTo(param.array, uint64_t(bytes))) return false;
    GSHandle storage = param.array;
    param.typeMod = API_ParArray;
    param.dim1 = row.rows;
    param.dim2 = row.cols;
    if (valueCount > 0) std::memcpy(*storage, row.values, size_t(bytes));
    return true;
}

// Decodes one UTF-8 character at text[i]; advances i. Malformed bytes decode as themselves.
char32_t DecodeUtf8(const unsigned char* text, size_t& i) {
    const unsigned char lead = text[i];
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 3 ? (lead & 0x07u) : extra == 2 ? (lead & 0x0Fu) : extra == 1 ? (lead & 0x1Fu) : lead;
    for (int k = 1; k <= extra; ++k) {
        if ((text[i + k] & 0xC0u) != 0x80u) {  // a cut sequence: take the lead byte alone
            ++i;
            return lead;
        }
        code = (code << 6) | (text[i + k] & 0x3Fu);
    }
    i += size_t(extra) + 1;
    return code;
}

// Encodes one character as UTF-8 into buf; returns the byte count.
size_t EncodeUtf8(char32_t code, char* buf) {
    if (code < 0x80) {
        buf[0] = char(code);
        return 1;
    }
    if (code < 0x800) {
        buf[0] = char(0xC0 | (code >> 6));
        buf[1] = char(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        buf[0] = char(0xE0 | (code >> 12));
        buf[1] = char(0x80 | ((code >> 6) & 0x3F));
        buf[2] = char(0x80 | (code & 0x3F));
        return 3;
    }
    buf[0] = char(0xF0 | (code >> 18));
    buf[1] = char(0x80 | ((code >> 12) & 0x3F));
    buf[2] = char(0x80 | ((code >> 6) & 0x3F));
    buf[3] = char(0x80 | (code & 0x3F));
    return 4;
}

}  // namespace

ParamRow RealParam(const char* name, double value) {
    ParamRow row;
    row.name = name;
    row.kind = ParamRow::Real;
    row.real = value;
    return row;
}

ParamRow TextParam(const char* name, const char* text) {
    ParamRow row;
    row.name = name;
    row.kind = ParamRow::Text;
    row.text = text;
    return row;
}

ParamRow ArrayParam(const char* name, int32_t rows, int32_t cols, const double* values) {
    ParamRow row;
    row.name = name;
    row.kind = ParamRow::RealArray;
    row.rows = rows;
    row.cols = cols;
    row.values = values;
    return row;
}

bool ApplyParamRows(API_AddParType** params, const ParamRow* rows, size_t rowCount) {
    const int32_t count = ParamListCount(params);
    for (int32_t i = 0; i < count; ++i) {
        API_AddParType& param = (*params)[i];
        const ParamRow* row = RowFor(param, rows, rowCount);
        if (row == nullptr) continue;
        switch (row->kind) {
            case ParamRow::Real: param.real = row->real; break;
            case ParamRow::Text: ToHostText(row->text, param.uStr, API_UAddParStrLen); break;
            case ParamRow::RealArray:
                if (!WriteArrayParam(param, *row)) return false;
                break;
        }
    }
    return true;
}

double LossMultiplierValue(const char* text) {
    const char* p = text;
    while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p))) ++p;
    // from_chars takes no leading '+', and is independent of the system's decimal separator.
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    const bool startsWithDigit = std::isdigit(static_cast<unsigned char>(p[0])) != 0;
    const bool startsWithPointDigit = p[0] == '.' && std::isdigit(static_cast<unsigned char>(p[1])) != 0;
    if (!startsWithDigit && !startsWithPointDigit) return 0;
    double value = 0;
    const std::from_chars_result result = std::from_chars(p, p + std::strlen(p), value, std::chars_format::general);
    if (result.ec != std::errc()) return 0;
    return negative ? -value : value;
}

void ToHostText(const char* text, char16_t* out, size_t outCount) {
    if (outCount == 0) return;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text == nullptr ? "" : text);
    size_t written = 0;
    size_t i = 0;
    while (bytes[i] != 0) {
        const char32_t code = DecodeUtf8(bytes, i);
        const size_t units = code >= 0x10000 ? 2 : 1;
        if (written + units + 1 > outCount) break;  // keep room for the terminator
        if (units == 2) {
            out[written++] = char16_t(0xD800 + ((code - 0x10000) >> 10));
            out[written++] = char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out[written++] = char16_t(code);
        }
    }
    out[written] = 0;
}

void FromHostText(const char16_t* text, char* out, size_t outSize) {
    if (outSize == 0) return;
    size_t written = 0;
    for (size_t i = 0; text != nullptr && text[i] != 0; ++i) {
        char32_t code = text[i];
        const bool highSurrogate = code >= 0xD800 && code < 0xDC00;
        if (highSurrogate && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        char buf[4];
        const size_t n = EncodeUtf8(code, buf);
        if (written + n + 1 > outSize) break;  // a character that does not fit whole is left out
        std::memcpy(out + written, buf, n);
        written += n;
    }
    out[written] = '\0';
}

bool PrepareLibraryObject(const char* mainId, const ObjectPrepareMessages& messages, API_Element& element,
                          API_ElementMemo& memo) {
    element = API_Element{};
    memo = API_ElementMemo{};
    API_LibPart libPart{};
    libPart.typeID = APILib_ObjectID;
    std::snprintf(libPart.ownUnID, sizeof libPart.ownUnID, "%s%s", mainId, kNullRevisionSuffix);

    if (LoadAddOnLibrary() != NoError) {
        ReportMessage(GetMessage(kMsgMissingLibrary));
        return false;
    }
    GSErrCode err = ACAPI_LibPart_Search(&libPart, false, false);
    if (err != NoError) {
        ErrorAlert(GetMessage(messages.searchFailed), err);
        return false;
    }
    element.header.typeID = API_ObjectID;
    err = ACAPI_Element_GetDefaults(&element, &memo);
    if (err != NoError) {
        ErrorAlert(GetMessage(messages.defaultsFailed), err);
        ACAPI_DisposeElemMemoHdls(&memo);
        return false;
    }
    // The part's own defaults replace whatever list the object defaults carried.
    if (memo.params != nullptr) ACAPI_DisposeAddParHdl(&memo.params);
    double aSize = 0, bSize = 0;
    int32_t paramCount = 0;
    ACAPI_LibPart_GetParams(libPart.index, &aSize, &bSize, &paramCount, &memo.params);
    element.object.libInd = libPart.index;
    return true;
}
