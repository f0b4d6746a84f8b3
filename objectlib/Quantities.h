// Purpose: the project's quantity listing: every placed object whose part counts quantities,
// one row per element and item, the totals by item, and their CSV text.
#pragma once

#include <string>
#include <vector>

namespace objectlib {

struct ProjectQuantityRow {
    std::string elementId;  // the element's ID ("Tevaro_000", "Tevaro_kup"); "TOTAL" for a total
    std::string item;       // "tiles", "eaves", "ridge tiles", "accessories", ...
    std::string code;       // product code (with its colour after a slash), "" when none
    std::string unit;       // "pcs", "m" or "m2"
    double quantity = 0;
};

// The quantities of every object of the host's project whose part has a quantities script,
// in model order.
std::vector<ProjectQuantityRow> CollectProjectQuantities();

// Rows summed by item, code and unit, in the order each first appears; element ID "TOTAL".
std::vector<ProjectQuantityRow> SumQuantitiesByItem(const std::vector<ProjectQuantityRow>& rows);

// CSV text: the header "element,item,code,quantity,unit", the rows, then their totals.
std::string QuantitiesCsvText(const std::vector<ProjectQuantityRow>& rows);

}  // namespace objectlib
