// Purpose: element and library-part identifiers: new GUIDs and their text form.
#include <cctype>
#include <cstdio>

#include "host/ModelFile.h"

namespace host {
namespace {
uint64_t gGuidCounter = 0;

// Value of one hexadecimal digit, -1 when the character is not one.
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = char(std::toupper(static_cast<unsigned char>(c)));
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

API_Guid NewGuid() {
    // A fixed prefix and a running number: unique within the run and the same in every run.
    ++gGuidCounter;
    API_Guid g;
    g.hi = 0x7E7A90A0'0000'4000ull | ((gGuidCounter >> 48) & 0x0FFF);
    g.lo = 0x8000'0000'0000'0000ull | (gGuidCounter & 0x0000'FFFF'FFFF'FFFFull);
    return g;
}

std::string GuidToString(const API_Guid& guid) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%012llX}", unsigned(guid.hi >> 32),
                  unsigned((guid.hi >> 16) & 0xFFFF), unsigned(guid.hi & 0xFFFF), unsigned(guid.lo >> 48),
                  static_cast<unsigned long long>(guid.lo & 0x0000FFFFFFFFFFFFull));
    return text;
}

bool GuidFromString(const std::string& text, API_Guid& guid) {
    // Accepts the braced form of GuidToString; the braces may be left out.
    std::string s = text;
    if (s.size() == 38 && s.front() == '{' && s.back() == '}') s = s.substr(1, 36);
    if (s.size() != 36) return false;
    uint64_t hi = 0, lo = 0;
    int digits = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const bool dashPlace = i == 8 || i == 13 || i == 18 || i == 23;
        if (dashPlace) {
            if (s[i] != '-') return false;
            continue;
        }
        const int d = HexDigit(s[i]);
        if (d < 0) return false;
        if (digits < 16) hi = (hi << 4) | uint64_t(d);
        else lo = (lo << 4) | uint64_t(d);
        ++digits;
    }
    guid.hi = hi;
    guid.lo = lo;
    return true;
}

}  // namespace host
