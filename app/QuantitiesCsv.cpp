// Purpose: the quantities of the project's tile surfaces and ridges written as a CSV file, and
// their project totals by item for summaries.
#include "app/QuantitiesCsv.h"

#include <fstream>

#include "app/EdgeFolds.h"
#include "app/OrderList.h"
#include "objectlib/Quantities.h"

namespace app {

std::vector<objectlib::ProjectQuantityRow> ProjectQuantityRows() {
    const std::vector<PlaneRing> planes = ProjectRoofPlaneRings();
    return objectlib::CollectProjectQuantities(
        [&planes](const host::Element& e) { return WithMeasuredFolds(e, planes); });
}

bool WriteQuantitiesCsv(const std::string& path, std::string& error) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    const std::vector<OrderWarning> warnings = PlausibilityWarnings();
    const std::vector<objectlib::ProjectQuantityRow> rows = OrderListRows(warnings);
    out << objectlib::QuantitiesCsvText(rows, WarningRows(rows, warnings));
    ReportWarnings(warnings);
    if (!out) error = "cannot write " + path;
    return bool(out);
}

std::vector<QuantityTotal> ProjectQuantityTotals() {
    std::vector<QuantityTotal> totals;
    for (const objectlib::ProjectQuantityRow& t : objectlib::SumQuantitiesByItem(ProjectQuantityRows()))
        totals.push_back({t.item, t.code, t.unit, t.quantity});
    return totals;
}

}  // namespace app
