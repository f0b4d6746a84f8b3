// Purpose: the quantities of the project's tile surfaces and ridges written as a CSV file, and
// their project totals by item for summaries.
#include "app/QuantitiesCsv.h"

#include <fstream>

#include "objectlib/Quantities.h"

namespace app {

bool WriteQuantitiesCsv(const std::string& path, std::string& error) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    out << objectlib::QuantitiesCsvText(objectlib::CollectProjectQuantities());
    if (!out) error = "cannot write " + path;
    return bool(out);
}

std::vector<QuantityTotal> ProjectQuantityTotals() {
    std::vector<QuantityTotal> totals;
    for (const objectlib::ProjectQuantityRow& t : objectlib::SumQuantitiesByItem(objectlib::CollectProjectQuantities()))
        totals.push_back({t.item, t.code, t.unit, t.quantity});
    return totals;
}

}  // namespace app
