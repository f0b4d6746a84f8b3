// Purpose: the handshake on the host's function table: size and version checked before the add-on
// takes the table, and the refusal reported with both numbers.
#include "Common_src/Api_related/HostTableCheck.h"

#include <cstdio>
#include <cstring>

#include "Common_src/ResourceIds.h"

namespace {

constexpr int32_t kRefusalTextSize = 512;  // one report line
constexpr int32_t kFormatSize = 256;       // one string-list row

}  // namespace

HostTableVerdict CheckHostTable(const HostFunctionTable& table) {
    if (table.size < kHostTableVersion1Size) return HostTable_TooShort;
    if (table.version < kHostTableVersion1) return HostTable_NoVersion;
    return HostTable_Usable;
}

void CopyHostTable(const HostFunctionTable& table, HostFunctionTable& copy) {
    std::memset(&copy, 0, sizeof copy);
    const size_t n = table.size < sizeof copy ? table.size : sizeof copy;
    std::memcpy(&copy, &table, n);
}

void ReportRefusedHostTable(const HostFunctionTable& copy) {
    char format[kFormatSize] = {};
    // The text is the add-on's own row when the short table still reaches the string lookup.
    const bool haveRow = copy.RSGetIndString != nullptr &&
                         copy.RSGetIndString(format, kFormatSize, kUserTextsResId, kTextHostTableRefused) &&
                         format[0] != 0;
    if (!haveRow)
        std::snprintf(format, sizeof format, "%s",
                      "Tevaro: HostFunctionTable %u/%u < %u/%u");
    char text[kRefusalTextSize];
    std::snprintf(text, sizeof text, format, unsigned(copy.size), unsigned(copy.version),
                  unsigned(kHostTableVersion1Size), unsigned(kHostTableVersion1));
    if (copy.WriteReport != nullptr) copy.WriteReport(text, true);
    if (copy.DBPrint != nullptr) copy.DBPrint(text);
}
