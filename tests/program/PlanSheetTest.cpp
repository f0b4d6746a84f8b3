// Purpose: the drawing to build from: the sample house at 1:100 on A3 printed to PDF, its page size
// checked and the PDF rendered (pdftoppm) with known elements found at their scaled positions;
// the SVG sheet's title block and order table; a plan too large for its sheet refused clearly.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "ProgramSupport.h"

namespace {

using namespace program_test;

// The sample house tiled with the usual choices, the garage ridge without ridge tiles, then `lines`.
std::string HouseSession(const std::string& lines) {
    return "open " + tevaro_test::SourcePath("examples/house.json") +
           "\nselect roofs\nselect + OROMFAL-D OROMFAL-E KEMENY FAL-4 TERASZ\nmenu place-tiles\n"
           "pick 20 2\npick 23 2\npick 27 2\npick 29 2\nok\nedge 2 3 1\nfinalize\n" +
           lines;
}

// A PPM picture (P6, 8 bits) as pdftoppm writes it.
struct Picture {
    int width = 0, height = 0;
    std::string pixels;
    // True when a pixel within `radius` of (x, y) is within `tol` of the colour #rrggbb.
    bool HasColourNear(int x, int y, int radius, unsigned colour, int tol) const {
        const int r = int(colour >> 16), g = int((colour >> 8) & 0xFF), b = int(colour & 0xFF);
        for (int py = std::max(0, y - radius); py <= std::min(height - 1, y + radius); ++py)
            for (int px = std::max(0, x - radius); px <= std::min(width - 1, x + radius); ++px) {
                const unsigned char* p = reinterpret_cast<const unsigned char*>(&pixels[(size_t(py) * width + px) * 3]);
                if (std::abs(p[0] - r) <= tol && std::abs(p[1] - g) <= tol && std::abs(p[2] - b) <= tol) return true;
            }
        return false;
    }
};

// Reads a binary PPM file (no comments, as pdftoppm writes it); empty when unreadable.
Picture ReadPpm(const fs::path& path) {
    Picture pic;
    const std::string data = ReadText(path);
    std::istringstream in(data);
    std::string magic;
    int maxValue = 0;
    in >> magic >> pic.width >> pic.height >> maxValue;
    if (magic != "P6" || maxValue != 255) return Picture{};
    in.get();
    const size_t size = size_t(pic.width) * size_t(pic.height) * 3;
    pic.pixels = data.substr(size_t(in.tellg()), size);
    if (pic.pixels.size() != size) return Picture{};
    return pic;
}

// Rendering resolution: 5 pixels per millimetre.
constexpr int kDpi = 127;
constexpr double kPxPerMm = kDpi / 25.4;

// The paper position (pixels) of a model point at 1:100: the plan's north-west corner (x 0, y 14 m
// on the sample house) at 20 mm from the sheet's top-left corner, 10 mm per metre.
int PxX(double x) { return int(std::lround((20 + x * 10) * kPxPerMm)); }
int PxY(double y) { return int(std::lround((20 + (14 - y) * 10) * kPxPerMm)); }

TEST(PlanSheet, SampleHouseAt1To100OnA3PrintsToScale) {
    const fs::path folder = FreshFolder("sheet");
    std::string out;
    ASSERT_EQ(RunSession(folder, HouseSession("plan sheet.pdf 1:100 A3\nplan sheet.svg\n"), out), 0) << out;
    ASSERT_TRUE(fs::exists(folder / "sheet.pdf")) << out;
    // A3 landscape: 420 x 297 mm is 1190.55 x 841.89 points.
    const std::string info = folder.string() + "/info.txt";
    ASSERT_EQ(std::system(("pdfinfo \"" + (folder / "sheet.pdf").string() + "\" > \"" + info + "\"").c_str()), 0);
    EXPECT_NE(ReadText(info).find("1190.55 x 841.89 pts"), std::string::npos) << ReadText(info);
    ASSERT_EQ(std::system(("pdftoppm -r " + std::to_string(kDpi) + " -singlefile \"" + (folder / "sheet.pdf").string() +
                           "\" \"" + (folder / "page").string() + "\"")
                              .c_str()),
              0);
    const Picture page = ReadPpm(folder / "page.ppm");
    ASSERT_NEAR(page.width, 420 * kPxPerMm, 1);  // pdftoppm rounds the page up to whole pixels
    ASSERT_NEAR(page.height, 297 * kPxPerMm, 1);
    // The garage ridge laid without ridge tiles, amber, along x = 21 m.
    EXPECT_TRUE(page.HasColourNear(PxX(21), PxY(7.5), 3, 0xe6a100, 40));
    // The house's south eave, green, along y = 0.
    EXPECT_TRUE(page.HasColourNear(PxX(7), PxY(0), 3, 0x2e9e44, 40));
    // The chimney rising through the garage roof: a solid grey wall at (22.5, 5.3).
    EXPECT_TRUE(page.HasColourNear(PxX(22.5), PxY(5.3), 2, 0x8c8c8c, 12));
    // Away from the roofs the paper is white: between the house and the garage.
    EXPECT_TRUE(page.HasColourNear(PxX(16), PxY(2), 0, 0xffffff, 3));
    EXPECT_FALSE(page.HasColourNear(PxX(16), PxY(2), 10, 0xe6a100, 40));
    // The north arrow below the plan: 70 mm right of the margin's corner, 26 mm above the sheet's foot.
    EXPECT_TRUE(page.HasColourNear(int(90 * kPxPerMm), int(271 * kPxPerMm), 2, 0x222222, 20));
    // The SVG sheet holds the title block, the order table and the main dimensions in mm.
    const std::string svg = ReadText(folder / "sheet.svg");
    EXPECT_NE(svg.find("width=\"420.00mm\" height=\"297.00mm\""), std::string::npos);
    for (const char* text : {"Tevaro – tetőfedési terv", "Anyagkimutatás", "1:100 / A3", "Tevaro Hullám agyag",
                             "Natúr vörös", ">14000<", ">9000<", ">35°<", "méretek mm-ben"})
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);  // the house walls under the roof
    fs::remove_all(folder);
}

TEST(PlanSheet, APlanLargerThanItsSheetIsRefusedWithAWayOut) {
    const fs::path folder = FreshFolder("toolarge");
    std::string out;
    EXPECT_NE(RunSession(folder, HouseSession("plan small.pdf 1:50 A4\n"), out), 0);
    EXPECT_NE(out.find("1:200"), std::string::npos) << out;
    EXPECT_FALSE(fs::exists(folder / "small.pdf"));
    EXPECT_NE(RunSession(folder, HouseSession("plan small.png\n"), out), 0);
    EXPECT_NE(out.find("FILE.pdf or FILE.svg"), std::string::npos) << out;
    EXPECT_NE(RunSession(folder, HouseSession("plan small.pdf 1:75\n"), out), 0);
    EXPECT_NE(out.find("1:75"), std::string::npos) << out;
    fs::remove_all(folder);
}

}  // namespace
