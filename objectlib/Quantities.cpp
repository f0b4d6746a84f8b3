// Purpose: the project's quantity listing: every placed object whose part counts quantities,
// one row per element and item, the totals by item, and their CSV text.
#include "objectlib/Quantities.h"

#include <cstdio>

#include "host/Host.h"

namespace objectlib {
namespace {

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// A quantity as written: pieces whole, lengths and areas to the millimetre / square millimetre.
std::string QuantityText(double quantity, const std::string& unit) {
    char text[64];
    std::snprintf(text, sizeof text, unit == "pcs" ? "%.0f" : "%.3f", quantity);
    return text;
}

// One CSV line of a row.
std::string CsvLine(const ProjectQuantityRow& row) {
    return CsvField(row.elementId) + "," + CsvField(row.item) + "," + CsvField(row.code) + "," +
           QuantityText(row.quantity, row.unit) + "," + CsvField(row.unit) + "\n";
}

}  // namespace

std::vector<ProjectQuantityRow> CollectProjectQuantities() {
    std::vector<ProjectQuantityRow> rows;
    for (const host::Element& e : host::gSession.model.elements) {
        if (e.rec.header.typeID != API_ObjectID) continue;
        const host::NativeScripts scripts = host::RegisteredScriptsFor(e.libPartUnId);
        if (scripts.quantities == nullptr) continue;
        std::vector<host::QuantityLine> lines;
        scripts.quantities(e, lines);
        for (const host::QuantityLine& q : lines) rows.push_back({e.elementId, q.name, q.code, q.unit, q.amount});
    }
    return rows;
}

std::vector<ProjectQuantityRow> SumQuantitiesByItem(const std::vector<ProjectQuantityRow>& rows) {
    std::vector<ProjectQuantityRow> totals;
    for (const ProjectQuantityRow& r : rows) {
        bool added = false;
        for (ProjectQuantityRow& t : totals) {
            if (t.item == r.item && t.code == r.code && t.unit == r.unit) {
                t.quantity += r.quantity;
                added = true;
                break;
            }
        }
        if (!added) totals.push_back({"TOTAL", r.item, r.code, r.unit, r.quantity});
    }
    return totals;
}

std::string QuantitiesCsvText(const std::vector<ProjectQuantityRow>& rows) {
    std::string text = "element,item,code,quantity,unit\n";
    for (const ProjectQuantityRow& r : rows) text += CsvLine(r);
    for (const ProjectQuantityRow& t : SumQuantitiesByItem(rows)) text += CsvLine(t);
    return text;
}

}  // namespace objectlib
