// Purpose: an SVG drawing printed to a PDF page of a given paper size, through librsvg and cairo.
#pragma once

#include <string>

namespace app {

// Renders `svg` onto one PDF page of widthMm x heightMm millimetres (the SVG's own size is that of
// the page) and writes it to `path`; false with `error` when the SVG cannot be read or the file
// cannot be written.
bool WriteSvgAsPdf(const std::string& svg, double widthMm, double heightMm, const std::string& path,
                   std::string& error);

}  // namespace app
