// Purpose: the roof plan as a drawing to build from: to scale (1:50, 1:100, 1:200) on a sheet (A4,
// A3, landscape), with a title block, north arrow, scale bar, main dimensions in millimetres, each
// plane's pitch and fall arrow, and the order list as a table; written as SVG or PDF.
#pragma once

#include <string>

namespace app {

struct SheetOptions {
    int scale = 100;           // 1:scale; 50, 100 or 200
    std::string sheet = "A3";  // "A4" or "A3", landscape
    std::string project;       // the title block's project name
    std::string date;          // the title block's date ("" for today, YYYY-MM-DD)
};

// The paper size (mm, landscape) of a sheet name; false for an unknown sheet.
bool SheetSize(const std::string& sheet, double& widthMm, double& heightMm);

// Where the plan's model point (x, y) lands on the paper (mm from the sheet's top-left corner):
// the north-west corner of the roofs', walls' and fills' extent stands at kPlanOriginMm, and
// 1 m of the model is 1000 / scale mm.
constexpr double kPlanOriginMm = 20;

// The drawing of the current project as SVG text in millimetres; false with `error` (which names
// the room needed and a scale or sheet that gives it) when the plan does not fit.
bool PlanSheetSvg(const SheetOptions& options, std::string& svg, std::string& error);

// Writes the drawing to `path`: PDF when the name ends in ".pdf", SVG when in ".svg"; false with
// `error` otherwise, or when it does not fit or cannot be written.
bool WritePlanSheet(const std::string& path, const SheetOptions& options, std::string& error);

// Reads "1:100" or "100" and "A3"/"a3" words into `options`; false with `error` for another word.
bool ParseSheetWord(const std::string& word, SheetOptions& options, std::string& error);

}  // namespace app
