// Purpose: what the tevaro program writes for a person: the sample house's roof model with every
// kind of edge and junction, the plan drawing with its legend, and the demo whose summary agrees
// with its quantities file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>
#include <unistd.h>

#include "common/AddOnFixture.h"
#include "common/ProgramRun.h"
#include "edges/EdgeSetterPart.h"
#include "polytopo/EdgeCodes.h"

namespace {

namespace fs = std::filesystem;
using tevaro_test::ReadFile;
constexpr double kPi = 3.14159265358979323846;

// How often `needle` occurs in `text`.
size_t Count(const std::string& text, const std::string& needle) {
    size_t n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++n;
    return n;
}

// The sample house run through its session once for every test of this file.
class SampleHouse : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = tevaro_test::FreshFolder("program-house");
        status_ =
            tevaro_test::RunProgram("run \"" + tevaro_test::SourcePath("tests/sessions/sample_house_plan.session") +
                                        "\" --out \"" + folder_.string() + "\"",
                                    folder_)
                .exitCode;
    }
    static void TearDownTestSuite() { fs::remove_all(folder_); }
    static fs::path folder_;
    static int status_;
};
fs::path SampleHouse::folder_;
int SampleHouse::status_ = -1;

TEST_F(SampleHouse, RoofModelHoldsEveryKindOfEdgeTheHouseWasDrawnFor) {
    ASSERT_EQ(status_, 0) << ReadFile(folder_ / "stderr.txt");
    const nlohmann::json doc = nlohmann::json::parse(ReadFile(folder_ / "planes.json"));
    const auto& planes = doc.at("planes");
    ASSERT_EQ(planes.size(), 9u);
    std::map<std::string, std::multiset<int>> statuses;  // per roof
    std::map<std::string, double> area;
    std::set<uint32_t> groups;
    for (const auto& p : planes) {
        const std::string roof = p.at("roof");
        for (int s : p.at("edgeStatus")) statuses[roof].insert(s);
        area[roof] += p.at("area").get<double>();
        groups.insert(p.at("group").get<uint32_t>());
    }
    EXPECT_EQ(groups.size(), 3u);  // house, garage, porch: no shared edges between them
    // The L-shaped hip roof: six eaves, a valley seen from both its planes, ridges and hips.
    EXPECT_EQ(statuses["HAZ"].count(kStatusEave), 6u);
    EXPECT_EQ(statuses["HAZ"].count(kStatusValley), 2u);
    EXPECT_GE(statuses["HAZ"].count(kStatusRidge), 2u);
    EXPECT_GE(statuses["HAZ"].count(kStatusHip), 8u);
    // The garage: verges against its higher gable walls, the chimney's wall junctions all round,
    // the skylight's hole edges (lower, upper, sloped).
    for (int s :
         {kStatusWallVerge, kStatusWallVergeSide, kStatusWallHoleLower, kStatusWallHoleUpper, kStatusWallHoleSloped,
          kStatusWallHoleSlopedSide, kStatusHoleLower, kStatusHoleUpper, kStatusHoleSloped})
        EXPECT_GE(statuses["GARAZS"].count(s), 1u) << s;
    EXPECT_EQ(statuses["GARAZS"].count(kStatusVerge), 0u);  // no free verge left: both gables stand against walls
    // The porch: its top against the house wall, its low edge an eave.
    EXPECT_EQ(statuses["TORNAC"].count(kStatusWallTop), 1u);
    EXPECT_EQ(statuses["TORNAC"].count(kStatusEave), 1u);
    // Areas on the slope: plan area over cos(pitch); the garage without its skylight and chimney.
    EXPECT_NEAR(area["HAZ"], (14 * 8 + 6 * 6) / std::cos(35 * kPi / 180), 0.01);
    EXPECT_NEAR(area["GARAZS"], (6 * 9 - 1 * 1.5 - 0.6 * 0.6) / std::cos(30 * kPi / 180), 0.01);
    EXPECT_NEAR(area["TORNAC"], 2.5 * 4 / std::cos(20 * kPi / 180), 0.01);
}

TEST_F(SampleHouse, PlanDrawingShowsLegendEdgesSurfacesAndPalette) {
    ASSERT_EQ(status_, 0) << ReadFile(folder_ / "stderr.txt");
    const std::string plan = ReadFile(folder_ / "plan.svg");
    const std::string palette = ReadFile(folder_ / "palette.svg");
    ASSERT_FALSE(plan.empty());
    EXPECT_EQ(plan.rfind("<?xml", 0), 0u);
    EXPECT_EQ(Count(plan, "<svg"), 1u);
    EXPECT_EQ(Count(plan, "</svg>"), 1u);
    EXPECT_EQ(Count(plan, "<g"), Count(plan, "</g>"));
    EXPECT_EQ(Count(plan, "<text"), Count(plan, "</text>"));
    // The legend names all fourteen edge types.
    for (int t = 1; t <= kEdgeTypeCount; ++t) EXPECT_NE(plan.find(EdgeTypeLabel(t)), std::string::npos) << t;
    // Edges in the colours of the eaves, the valley and the wall junctions are on the roofs, not
    // only in the legend (each colour appears once there).
    for (const char* colour : {"#2e9e44", "#8e3fc4", "#7a1020"}) EXPECT_GT(Count(plan, colour), 1u) << colour;
    // Every tile surface is labelled with its ID; ridge objects are drawn.
    for (int k = 0; k <= 8; ++k) {
        char id[16];
        std::snprintf(id, sizeof id, "Tevaro_%03d", k);
        EXPECT_NE(plan.find(id), std::string::npos) << id;
    }
    EXPECT_GT(Count(plan, "#5a1e00"), 1u);
    // The edge setters' drawing shows while the palette is open, and is gone after finalizing.
    EXPECT_GT(Count(palette, "#1d3f8f"), 10u);
    EXPECT_LE(Count(plan, "#1d3f8f"), 1u);
    EXPECT_NE(plan.find(">É</text>"), std::string::npos);  // north arrow
    EXPECT_NE(plan.find(" m</text>"), std::string::npos);  // scale bar
}

// One "TOTAL" row of the quantities file: quantity by item and code.
std::map<std::string, double> QuantityTotals(const std::string& csv) {
    std::map<std::string, double> totals;
    std::istringstream in(csv);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("TOTAL,", 0) != 0) continue;
        std::vector<std::string> cells;
        std::stringstream cs(line);
        for (std::string c; std::getline(cs, c, ',');) cells.push_back(c);
        if (cells.size() >= 5) totals[cells[1] + (cells[2].empty() ? "" : " [" + cells[2] + "]")] = std::stod(cells[3]);
    }
    return totals;
}

TEST(Demo, WritesTheThreeFilesAndItsSummaryAgreesWithTheQuantities) {
    const fs::path folder = tevaro_test::FreshFolder("program-demo");
    const tevaro_test::ProgramRun demo =
        tevaro_test::RunProgram("demo --out \"" + (folder / "out").string() + "\"", folder);
    const std::string& out = demo.out;
    ASSERT_EQ(demo.exitCode, 0) << demo.err;
    for (const char* file : {"model.json", "plan.svg", "quantities.csv"})
        EXPECT_TRUE(fs::exists(folder / "out" / file)) << file;
    EXPECT_NE(out.find("Read: 3 roofs, 9 roof planes"), std::string::npos) << out;
    const std::map<std::string, double> totals = QuantityTotals(ReadFile(folder / "out" / "quantities.csv"));
    ASSERT_FALSE(totals.empty());
    // Every quantity line of the summary ("  item [code]: amount unit") is the file's total.
    size_t checked = 0;
    std::istringstream in(out.substr(out.find("Main quantities")));
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line) && line.rfind("  ", 0) == 0) {
        const size_t colon = line.rfind(": ");
        const std::string item = line.substr(2, colon - 2);
        ASSERT_EQ(totals.count(item), 1u) << item;
        const double amount = std::stod(line.substr(colon + 2));
        EXPECT_NEAR(amount, totals.at(item), 0.006) << item;
        ++checked;
    }
    EXPECT_EQ(checked, totals.size());
    // The eaves the summary lists by edge type are the eaves the quantities count.
    const size_t eaves = out.find(EdgeTypeLabel(8));
    ASSERT_NE(eaves, std::string::npos);
    const std::string eavesLine = out.substr(eaves, out.find('\n', eaves) - eaves);
    EXPECT_NEAR(std::stod(eavesLine.substr(eavesLine.find("edges") + 5)), totals.at("eaves"), 0.006) << eavesLine;
    // The garage ridge the demo lays without ridge tiles reads back as that, 9 m long, in the
    // summary, the quantities and the plan; nothing on the sample house is a slope break.
    const size_t garage = out.find(" 1 gerinc (gerincelem nélkül)");
    ASSERT_NE(garage, std::string::npos) << out;
    const std::string garageLine = out.substr(garage, out.find('\n', garage) - garage);
    EXPECT_NE(garageLine.find("1 edge   9.00 m"), std::string::npos) << garageLine;
    EXPECT_EQ(out.find("törés"), std::string::npos) << out;
    EXPECT_EQ(totals.count("slope breaks"), 0u);
    EXPECT_NEAR(totals.at("ridges"), totals.at("ridge length [KUPA/NV]") + 9, 0.006);
    const std::string plan = ReadFile(folder / "out" / "plan.svg");
    EXPECT_GE(Count(plan, "stroke=\"#e6a100\" stroke-width=\"4\""), 1u);  // the garage ridge, amber
    EXPECT_EQ(Count(plan, "stroke=\"#e052a8\" stroke-width=\"4\""), 0u);  // no positive break
    // The ventilation row and the solar panel are on the tile surfaces.
    EXPECT_GE(totals.at("accessories [SZELL/VOR]"), 5);
    EXPECT_EQ(totals.at("accessories [NE400/FEK]"), 1);
    fs::remove_all(folder);
}

}  // namespace
