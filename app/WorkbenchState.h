// Purpose: the workbench's picture of the session as JSON for the page: elements in plan, the
// selection, the open dialog with every item, the edge palette's edges, the pending point input,
// the report window's messages and the quantities.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace app::web {

// One message of the report window or an alert, in the order shown.
struct ShownMessage {
    std::string text;
    std::string kind;  // "report" or "alert"
};

// Plan geometry of every element the page can select.
nlohmann::json ElementsJson();
// The open modal dialog (or, when `palette`, the open palette) with its items; null when none.
nlohmann::json DialogJson(bool palette);
// The open palette's edges; empty when the palette is closed.
nlohmann::json EdgesJson();
// The fourteen edge types: number, name, colour.
nlohmann::json EdgeTypesJson();
// The project's quantity totals.
nlohmann::json QuantitiesJson();
// The workbench's labels: rows 81-120 and 241-280 of the program's text resource, by row.
nlohmann::json LabelsJson();

// The label of row `row` (81-120 or 241-280) of the program's text resource ("" when missing).
std::string Label(int row);

// The name a dialog's icon goes by on the page ("" for none, "ikon N" for one without a name).
std::string IconNameOf(int32_t icon);

}  // namespace app::web
