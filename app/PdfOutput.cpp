// Purpose: an SVG drawing printed to a PDF page of a given paper size, through librsvg and cairo.
#include "app/PdfOutput.h"

#include <cairo-pdf.h>
#include <librsvg/rsvg.h>

namespace app {
namespace {

// PostScript points per millimetre: PDF pages are measured in points.
constexpr double kPointsPerMm = 72.0 / 25.4;

}  // namespace

bool WriteSvgAsPdf(const std::string& svg, double widthMm, double heightMm, const std::string& path,
                   std::string& error) {
    GError* svgError = nullptr;
    RsvgHandle* handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), gsize(svg.size()), &svgError);
    if (handle == nullptr) {
        error = std::string("the drawing cannot be read: ") + (svgError != nullptr ? svgError->message : "?");
        if (svgError != nullptr) g_error_free(svgError);
        return false;
    }
    const double width = widthMm * kPointsPerMm, height = heightMm * kPointsPerMm;
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), width, height);
    cairo_t* cr = cairo_create(surface);
    const RsvgRectangle page = {0, 0, width, height};
    const bool drawn = rsvg_handle_render_document(handle, cr, &page, &svgError) != FALSE;
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    g_object_unref(handle);
    if (!drawn) {
        error = std::string("the drawing cannot be rendered: ") + (svgError != nullptr ? svgError->message : "?");
        if (svgError != nullptr) g_error_free(svgError);
        return false;
    }
    if (status != CAIRO_STATUS_SUCCESS) {
        error = "cannot write " + path + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

}  // namespace app
