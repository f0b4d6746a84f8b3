// Purpose: the project's quantity listing: every placed object whose part counts quantities,
// one row per element and item, the totals by item, and their CSV text.
#include "objectlib/Quantities.h"

#include <cstdio>
#include <map>

#include "host/Host.h"
#include "host/ModelFile.h"

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
           QuantityText(row.quantity, row.unit) + "," + CsvField(row.unit) + "," + CsvField(row.product) + "," +
           CsvField(row.colourName) + "," + CsvField(row.guid) + "," + CsvField(row.note) + "\n";
}

}  // namespace

std::vector<ProjectQuantityRow> CollectProjectQuantities(const QuantityPreparer& prepare) {
    const auto& elements = host::gSession.model.elements;
    // How many counted elements carry each ID: every ridge object is "Tevaro_kup".
    std::map<std::string, int> carriers, seen;
    for (const host::Element& e : elements)
        if (e.rec.header.typeID == API_ObjectID && host::RegisteredScriptsFor(e.libPartUnId).quantities != nullptr)
            ++carriers[e.elementId];
    std::vector<ProjectQuantityRow> rows;
    for (const host::Element& e : elements) {
        if (e.rec.header.typeID != API_ObjectID) continue;
        const host::NativeScripts scripts = host::RegisteredScriptsFor(e.libPartUnId);
        if (scripts.quantities == nullptr) continue;
        std::vector<host::QuantityLine> lines;
        scripts.quantities(prepare ? prepare(e) : e, lines);
        const int place = ++seen[e.elementId];
        const std::string key = carriers[e.elementId] > 1 ? e.elementId + "-" + std::to_string(place) : e.elementId;
        for (const host::QuantityLine& q : lines) {
            ProjectQuantityRow row{key, q.name, q.code, q.unit, q.amount};
            row.guid = host::GuidToString(e.rec.header.guid);
            rows.push_back(std::move(row));
        }
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
        if (!added) {
            ProjectQuantityRow total{"TOTAL", r.item, r.code, r.unit, r.quantity};
            total.product = r.product;
            total.colourName = r.colourName;
            totals.push_back(std::move(total));
        }
    }
    return totals;
}

std::string QuantitiesCsvText(const std::vector<ProjectQuantityRow>& rows, const std::vector<ProjectQuantityRow>& trailing) {
    std::string text = "element,item,code,quantity,unit,product,colour,guid,note\n";
    for (const ProjectQuantityRow& r : rows) text += CsvLine(r);
    for (const ProjectQuantityRow& t : SumQuantitiesByItem(rows)) text += CsvLine(t);
    for (const ProjectQuantityRow& w : trailing) text += CsvLine(w);
    return text;
}

}  // namespace objectlib
