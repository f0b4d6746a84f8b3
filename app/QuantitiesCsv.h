// Purpose: the quantities of the project's tile surfaces and ridges written as a CSV file (one
// row per element and item, then the project totals), and the totals by item for summaries.
#pragma once

#include <string>
#include <vector>

#include "objectlib/Quantities.h"

namespace app {

// The quantities of every tile surface and ridge of the project, in model order; each tile
// surface counted with the folds of its edges measured on the project's roofs, so that a ridge
// laid without ridge tiles counts as a ridge, not as a slope break.
std::vector<objectlib::ProjectQuantityRow> ProjectQuantityRows();

// One item summed over the whole project (tiles, eave length, ridge tiles, an accessory code...).
struct QuantityTotal {
    std::string item;   // what is counted or measured ("tiles", "eaves", "ridge tiles", ...)
    std::string code;   // the product code it belongs to ("" when the item has none)
    std::string unit;   // "pcs", "m" or "m2"
    double quantity = 0;
};

// Writes the quantities of every tile surface and ridge of the project to `path`:
// header "element,item,code,quantity,unit", one row per element and item, then one row per
// project total whose element column is "TOTAL". False with `error` when the file cannot be written.
bool WriteQuantitiesCsv(const std::string& path, std::string& error);

// The project totals by item, in a stable order (the order of first appearance in the model).
std::vector<QuantityTotal> ProjectQuantityTotals();

}  // namespace app
