// Purpose: reads the import's rows from the embedded user-text table and fills their placeholders.
#include "import/ifc/IfcTexts.h"

#include <cstring>

extern const unsigned char kIfcTextTable[];

namespace ifcimport {
namespace {

// Row `row` (1-based) of the table, with the escapes \n \r \t \\ undone; empty when missing.
std::string TableRow(int row) {
    const char* p = reinterpret_cast<const char*>(kIfcTextTable);
    for (int r = 1; r < row && *p; ++r) {
        const char* nl = std::strchr(p, '\n');
        if (!nl) return {};
        p = nl + 1;
    }
    std::string out;
    for (; *p && *p != '\n' && *p != '\r'; ++p) {
        if (*p != '\\' || !p[1]) {
            out += *p;
            continue;
        }
        ++p;
        out += *p == 'n' ? '\n' : *p == 'r' ? '\r' : *p == 't' ? '\t' : *p;
    }
    return out;
}

}  // namespace

std::string IfcMessage(IfcText row, const std::vector<std::string>& args) {
    const std::string text = TableRow(int(row));
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        // a placeholder %1 .. %9 that has an argument
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
            size_t(text[i + 1] - '1') < args.size()) {
            out += args[size_t(text[i + 1] - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace ifcimport
