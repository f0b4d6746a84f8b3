// Purpose: the project's quantity listing: every placed object whose part counts quantities,
// one row per element and item, the totals by item, and their CSV text.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/Host.h"

namespace objectlib {

struct ProjectQuantityRow {
    std::string elementId;  // the element's ID ("Tevaro_000"; "Tevaro_kup-3" when several share
                            // one ID: the ID and the element's place among them); "TOTAL" for a total
    std::string item;       // "tiles", "eaves", "ridge tiles", "accessories", ...
    std::string code;       // product code (with its colour after a slash), "" when none
    std::string unit;       // "pcs", "m" or "m2"
    double quantity = 0;
    // The columns appended for an order list (empty where unknown): the product's and the
    // colour's names, the element's GUID, and a warning about the element.
    std::string product, colourName, guid, note;
};

// Gives the quantities script a copy of an element with what the program computed from the
// model (parameters the element lacks); null: the element as it is.
using QuantityPreparer = std::function<host::Element(const host::Element&)>;

// The quantities of every object of the host's project whose part has a quantities script,
// in model order.
std::vector<ProjectQuantityRow> CollectProjectQuantities(const QuantityPreparer& prepare = nullptr);

// Rows summed by item, code and unit, in the order each first appears; element ID "TOTAL".
std::vector<ProjectQuantityRow> SumQuantitiesByItem(const std::vector<ProjectQuantityRow>& rows);

// CSV text: the header "element,item,code,quantity,unit,product,colour,guid,note", the rows, then
// their totals; the first five columns are those of the first version, the others appended.
// `trailing` rows (warnings) follow the totals.
std::string QuantitiesCsvText(const std::vector<ProjectQuantityRow>& rows,
                              const std::vector<ProjectQuantityRow>& trailing = {});

}  // namespace objectlib
