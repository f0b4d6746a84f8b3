// Purpose: the order list: the project's quantities with the catalogue's product and colour names,
// one line per product for ordering, and the plausibility warnings that go with it (a plane
// flatter than its tile type allows, a model drawn in centimetres or millimetres, a roof tiled twice).
#pragma once

#include <string>
#include <vector>

#include "objectlib/Quantities.h"

namespace app {

// One warning: the element it is about ("" for the whole project) and its text (Hungarian).
struct OrderWarning {
    std::string element;
    std::string text;
};

// One line of the order list: a product with its total.
struct OrderLine {
    std::string code;     // product code with its colour after a slash ("HULA/NV")
    std::string product;  // the catalogue's name ("" when the catalogue does not list it)
    std::string colour;   // the colour's name ("" when none)
    std::string unit;     // "pcs", "m" or "m2"
    std::string item;     // what is counted ("tiles", "edge tiles", "foil", ...)
    double quantity = 0;
};

// The product's and colour's names of a code ("HULA/NV", "HULA-B/NV", "KUPA/NV", "TF115") from the
// catalogue `Tevaro.ini` beside the loaded add-on; empty names where it lists none.
void NameProduct(const std::string& code, std::string& product, std::string& colour);

// The warnings about the current project, in model order (loads the catalogue for the tile
// types' minimum pitch and NameProduct).
std::vector<OrderWarning> PlausibilityWarnings();

// The element column of a row that holds a warning about the project (or a roof) in its note.
constexpr const char* kWarningElement = "WARNING";

// The quantity rows of the project (as ProjectQuantityRows) with product and colour names, each
// element's first row noting that element's `warnings`.
std::vector<objectlib::ProjectQuantityRow> OrderListRows(const std::vector<OrderWarning>& warnings);

// One "WARNING" row (item "warning", the text in its note) per warning no row of `rows` notes.
std::vector<objectlib::ProjectQuantityRow> WarningRows(const std::vector<objectlib::ProjectQuantityRow>& rows,
                                                       const std::vector<OrderWarning>& warnings);

// The order list: the project totals of the products (one line per item, code and unit, in the
// order they first appear); what is only measured (eaves, area, cut and waste tiles, ...) left out.
std::vector<OrderLine> OrderLines(const std::vector<objectlib::ProjectQuantityRow>& rows);

// Writes every warning to the host's report window (no dialog), once per call.
void ReportWarnings(const std::vector<OrderWarning>& warnings);

}  // namespace app
