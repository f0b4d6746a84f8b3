// Purpose: real LOD2 city models (CityJSON 1.0, 1.1, 2.0, CityJSONSeq; CityGML 1.0, 2.0, 3.0)
// imported, every building tiled, and every gabled building tiled on its own coming out as a
// gable: 2 eaves, 4 verges, 1 ridge.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "common/AddOnFixture.h"
#include "common/ProgramRun.h"
#include "polytopo/EdgeCodes.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using tevaro_test::ReadFile;

// A plane steeper than this (radians) is pitched.
constexpr double kPitchedSlope = 0.1;

// The tile command with the dialog's choices the sample sessions make.
const char* kTileLines = "menu place-tiles\npick 20 2\npick 23 2\npick 27 2\npick 29 2\nok\n";

struct CityCase {
    const char* file;
    size_t roofs;   // roof elements the import gives
    size_t gables;  // of them gabled (two pitched planes)
    size_t offFallLine;  // of those, gables whose verges lie a fraction of a degree off the fall line
};

// Names a case by its file in test output.
void PrintTo(const CityCase& c, std::ostream* os) { *os << c.file; }

// What the import of each sample gives: a roof per building or building part with roof surfaces.
const CityCase kCases[] = {
    {"rotterdam_subset_v1.0.city.json", 16, 0, 0},     {"denhaag_subset_v1.1.city.json", 9, 2, 2},
    {"rotterdam_subset_v2.0.city.json", 16, 0, 0},     {"delft_3dbag_b2_v2.0.city.jsonl", 2, 0, 0},
    {"karlsruhe_lindenallee_citygml1.gml", 30, 18, 6}, {"building_and_garage_citygml2.gml", 2, 1, 0},
    {"building_and_garage_citygml3.gml", 2, 1, 0},
};

// Counts the edge statuses of a plane dump.
std::map<int, int> Statuses(const json& dump) {
    std::map<int, int> n;
    for (const json& p : dump["planes"])
        for (int s : p["edgeStatus"]) ++n[s];
    return n;
}

}  // namespace

// One sample file a case: a file that fails does not hide the others.
class CityFile : public ::testing::TestWithParam<CityCase> {};

TEST_P(CityFile, EveryBuildingImportsAndTilesAndGablesComeOutAsGables) {
    const CityCase& c = GetParam();
    {
        const fs::path f = tevaro_test::FreshFolder("city-" + std::string(c.file).substr(0, 8));
        const std::string source = tevaro_test::SourcePath(std::string("tests/data/city/") + c.file);
        const tevaro_test::ProgramRun import =
            tevaro_test::RunProgram("import \"" + source + "\" --out \"" + (f / "model.json").string() + "\"", f);
        ASSERT_LE(import.exitCode, 1) << import.Both();  // warnings (flat planes) allowed, no errors
        const json model = json::parse(ReadFile(f / "model.json"));
        EXPECT_TRUE(model.contains("originShift"));
        std::vector<std::string> gables;
        size_t roofs = 0;
        for (const json& e : model["elements"]) {
            if (e["type"] != "roof") continue;
            ++roofs;
            // every coordinate near the local origin: the shift took the national grid off
            for (const json& p : e["planes"])
                for (const json& v : p["outer"]) EXPECT_LT(std::fabs(v[0].get<double>()) + std::fabs(v[1].get<double>()), 2000.0);
            bool pitched = e["planes"].size() == 2;
            for (const json& p : e["planes"]) {
                const json& o = p["outer"];
                // a plane rises when its points are not all at one level
                double lo = 1e9, hi = -1e9;
                for (const json& v : o) lo = std::min(lo, v[2].get<double>()), hi = std::max(hi, v[2].get<double>());
                pitched = pitched && hi - lo > 0.5;
            }
            if (pitched) gables.push_back(e["id"]);
        }
        EXPECT_EQ(roofs, c.roofs);
        EXPECT_EQ(gables.size(), c.gables);

        // Every building tiled at once: the run gets through and every roof has its planes.
        std::ofstream(f / "all.session") << "open model.json\nselect all\n" << kTileLines << "dump-planes all.json\n";
        const tevaro_test::ProgramRun all = tevaro_test::RunProgram("run \"" + (f / "all.session").string() + "\"", f);
        ASSERT_EQ(all.exitCode, 0) << all.Both();
        const json allPlanes = json::parse(ReadFile(f / "all.json"));
        std::map<std::string, int> planesOfRoof;
        for (const json& p : allPlanes["planes"]) ++planesOfRoof[p["roofGuid"].get<std::string>()];
        EXPECT_EQ(planesOfRoof.size(), c.roofs);

        // Every gable tiled on its own: 2 eaves, 1 ridge (seen from both planes), 4 verges.
        std::ostringstream script;
        script << "open model.json\n";
        for (size_t g = 0; g < gables.size(); ++g)
            script << "select " << gables[g] << "\n" << kTileLines << "dump-planes gable" << g << ".json\nclose-palette\n";
        std::ofstream(f / "gables.session") << script.str();
        const tevaro_test::ProgramRun each =
            tevaro_test::RunProgram("run \"" + (f / "gables.session").string() + "\"", f);
        ASSERT_EQ(each.exitCode, 0) << each.Both();
        size_t offFallLine = 0;
        for (size_t g = 0; g < gables.size(); ++g) {
            std::map<int, int> n = Statuses(json::parse(ReadFile(f / ("gable" + std::to_string(g) + ".json"))));
            EXPECT_EQ(n[kStatusEave], 2) << gables[g];
            EXPECT_EQ(n[kStatusRidge], 2) << gables[g];
            // A real verge a fraction of a degree off the fall line is a free sloped edge to the
            // add-on; a roofer finishes it as a verge all the same.
            EXPECT_EQ(n[kStatusVerge] + n[kStatusFreeSloped], 4) << gables[g];
            offFallLine += n[kStatusFreeSloped] > 0 ? 1 : 0;
        }
        // Most real gables are verges exactly; the few a fraction off stay as few as they were.
        EXPECT_LE(offFallLine, c.offFallLine);
        fs::remove_all(f);
    }
}

INSTANTIATE_TEST_SUITE_P(CityImport, CityFile, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CityCase>& info) {
                             std::string name;
                             for (const char* ch = info.param.file; *ch != '\0' && *ch != '.'; ++ch)
                                 name += std::isalnum(static_cast<unsigned char>(*ch)) ? *ch : '_';
                             return name;
                         });

TEST(CityImport, SelectionByIdentifierOrBoxKeepsOnlyThoseBuildings) {
    const fs::path f = tevaro_test::FreshFolder("city-select");
    const std::string source = tevaro_test::SourcePath("tests/data/city/karlsruhe_lindenallee_citygml1.gml");
    const tevaro_test::ProgramRun one =
        tevaro_test::RunProgram("import \"" + source + "\" --out \"" + (f / "one.json").string() +
                                    "\" --select A08212000048050102_______ A08212000048050086_______",
                                f);
    ASSERT_LE(one.exitCode, 1) << one.Both();
    const json selected = json::parse(ReadFile(f / "one.json"));
    size_t roofs = 0;
    for (const json& e : selected["elements"]) roofs += e["type"] == "roof" ? 1 : 0;
    EXPECT_EQ(roofs, 2u);
    // A box around nothing keeps nothing; the CRS-less file keeps no "crs" key.
    const tevaro_test::ProgramRun none = tevaro_test::RunProgram(
        "import \"" + source + "\" --out \"" + (f / "none.json").string() + "\" --bbox 0 0 1 1", f);
    ASSERT_LE(none.exitCode, 1) << none.Both();
    EXPECT_TRUE(json::parse(ReadFile(f / "none.json"))["elements"].empty());
    // The coordinate reference system a file names is kept in the model.
    const std::string garage = tevaro_test::SourcePath("tests/data/city/building_and_garage_citygml2.gml");
    const tevaro_test::ProgramRun crs =
        tevaro_test::RunProgram("import \"" + garage + "\" --out \"" + (f / "g.json").string() + "\"", f);
    ASSERT_LE(crs.exitCode, 1) << crs.Both();
    EXPECT_NE(json::parse(ReadFile(f / "g.json")).value("crs", ""), "");
    fs::remove_all(f);
}
