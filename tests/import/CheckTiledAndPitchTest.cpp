// Purpose: two things the model check tells a user before tiling: roofs that already carry tile
// surfaces (from the model's placed tile surfaces, in a saved model and in a session), and planes
// flatter than the lowest minimum pitch the catalogue's tile types give (the fixed limit when
// the catalogue gives none).
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "Common_src/LibPartIds.h"
#include "common/AddOnFixture.h"
#include "common/ProgramRun.h"
#include "import/Check.h"
#include "import/Texts.h"

namespace {

namespace fs = std::filesystem;
using import::Json;

// Notes of one row in a report, with the element each names.
std::vector<std::string> NotesOf(const import::Report& r, int row) {
    std::vector<std::string> out;
    for (const import::Note& n : r.notes)
        if (n.row == row) out.push_back(n.element);
    return out;
}

// Two gables side by side; the first gets a tile surface `object` (its keys) when one is given.
Json TwoGables(const std::string& object) {
    std::string text = R"({"elements": [
        {"type": "roof", "id": "R1", "shape": "gable", "footprint": [[0,0],[12,0],[12,8],[0,8]]},
        {"type": "roof", "id": "R2", "shape": "gable", "footprint": [[20,0],[32,0],[32,8],[20,8]]})";
    if (!object.empty()) text += R"(, {"type": "object", "libPart": ")" + std::string(kTileSurfaceMainId) + R"(-{00000000-0000-0000-0000-000000000000}", )" + object + "}";
    return Json::parse(text + "]}");
}

import::Report Check(Json doc) {
    import::Report report;
    EXPECT_TRUE(import::PrepareModelDoc(doc, import::LoadOptions{}, report));
    return report;
}

fs::path Folder(const std::string& name) {
    const fs::path f = fs::temp_directory_path() / ("tevaro-check-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(f);
    fs::create_directories(f);
    return f;
}

}  // namespace

TEST(CheckTiled, ARoofIsTiledWhenATileSurfaceStandsOnAPlaneCornerAlongItsLevelLine) {
    // The gable's first plane rises from the eave y = 0: its level line runs along x (angle 0 or pi).
    EXPECT_EQ(NotesOf(Check(TwoGables(R"("position": [12, 0], "angle": 3.141592653589793)")), import::kRowAlreadyTiled),
              std::vector<std::string>{"R1"});
    EXPECT_EQ(NotesOf(Check(TwoGables(R"("position": [0, 8])")), import::kRowAlreadyTiled), std::vector<std::string>{"R1"});
    // Off every corner, or turned across the level line: some other object, not a tiling.
    EXPECT_TRUE(NotesOf(Check(TwoGables(R"("position": [6, 0])")), import::kRowAlreadyTiled).empty());
    EXPECT_TRUE(NotesOf(Check(TwoGables(R"("position": [12, 0], "angle": 1.5707963267948966)")), import::kRowAlreadyTiled).empty());
    EXPECT_TRUE(NotesOf(Check(TwoGables("")), import::kRowAlreadyTiled).empty());
    // A warning, not an error: the model still loads.
    const import::Report r = Check(TwoGables(R"("position": [0, 0])"));
    EXPECT_EQ(r.Count(import::Severity::Error), 0);
    EXPECT_GE(r.Count(import::Severity::Warning), 1);
}

TEST(CheckTiled, ARoofTiledInASessionIsListedOnceItsSurfacesAreCounted) {
    const fs::path f = Folder("tiled");
    std::ofstream(f / "model.json") << TwoGables("").dump();
    std::ofstream(f / "tile.session") << "open model.json\nselect R2\nmenu place-tiles\npick 20 2\npick 23 2\npick 27 2\n"
                                         "pick 29 2\nok\nfinalize\nsave tiled.json\ncheck\n";
    ASSERT_EQ(tevaro_test::RunProgramInto("run \"" + (f / "tile.session").string() + "\"", f / "run.txt"), 0)
        << tevaro_test::ReadFile(f / "run.txt");
    // The session's `check` line and `tevaro check` of the saved model both name R2 alone, with its
    // two tile surfaces.
    const std::regex line("R2 \\([^)]*\\): a tető már cserepezett: 2 cserépfelület");
    const std::string run = tevaro_test::ReadFile(f / "run.txt");
    EXPECT_TRUE(std::regex_search(run, line)) << run;
    EXPECT_EQ(tevaro_test::RunProgramInto("check \"" + (f / "tiled.json").string() + "\"", f / "check.txt"), 1);
    const std::string check = tevaro_test::ReadFile(f / "check.txt");
    EXPECT_TRUE(std::regex_search(check, line)) << check;
    EXPECT_EQ(check.find("R1 ("), std::string::npos) << check;
    fs::remove_all(f);
}

TEST(CheckPitch, FlatPlanesAreJudgedByTheCataloguesLowestMinimumPitch) {
    // An add-on folder whose catalogue gives two tile types a minimum pitch (22 and 16 degrees).
    const fs::path f = Folder("pitch");
    const fs::path addOn = f / "addon";
    fs::create_directories(addOn);
    for (const auto& e : fs::directory_iterator(tevaro_test::BuildPath("")))
        if (e.path().filename().string().rfind("Tevaro_", 0) == 0 || e.path().filename() == "TevaroTmp.lib")
            fs::create_symlink(e.path(), addOn / e.path().filename());
    std::istringstream ini(tevaro_test::ReadFile(tevaro_test::BuildPath("Tevaro.ini")));
    std::ofstream out(addOn / "Tevaro.ini", std::ios::binary);
    int given = 0;
    for (std::string l; std::getline(ini, l);) {
        // the tile-type lines of two types get an eighth field
        if (l.rfind("Tevaro Hullám agyag,", 0) == 0) l += ",22", ++given;
        if (l.rfind("Tevaro Sík beton,", 0) == 0) l += ",16", ++given;
        out << l << "\n";
    }
    out.close();
    ASSERT_EQ(given, 2);
    std::ofstream(f / "model.json") << R"({"elements": [
        {"type": "roof", "id": "R14", "shape": "gable", "footprint": [[0,0],[12,0],[12,8],[0,8]], "pitch": 14},
        {"type": "roof", "id": "R18", "shape": "gable", "footprint": [[20,0],[32,0],[32,8],[20,8]], "pitch": 18}]})";
    // With that catalogue: the 14 degree planes are too flat for every type, the 18 degree ones not.
    EXPECT_EQ(tevaro_test::RunProgramInto("check \"" + (f / "model.json").string() + "\" --addon-folder \"" + addOn.string() + "\"",
                                      f / "with.txt"),
              1);
    const std::string with = tevaro_test::ReadFile(f / "with.txt");
    EXPECT_NE(with.find("R14, 1. sík"), std::string::npos) << with;
    EXPECT_NE(with.find("16°"), std::string::npos) << with;
    EXPECT_EQ(with.find("R18"), std::string::npos) << with;
    // The sample catalogue gives none: the fixed 10 degree limit, both roofs pass.
    EXPECT_EQ(tevaro_test::RunProgramInto("check \"" + (f / "model.json").string() + "\"", f / "without.txt"), 0)
        << tevaro_test::ReadFile(f / "without.txt");
    fs::remove_all(f);
}
