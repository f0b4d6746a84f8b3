// Purpose: healing and the check as a user meets them through the program: a model opened in a
// session is healed before it is tiled (one ridge, a wall junction), `tevaro check` answers with
// its exit code, a centimetre model is refused with a message naming --units.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "common/AddOnFixture.h"
#include "common/ProgramRun.h"
#include "polytopo/EdgeCodes.h"

namespace {

namespace fs = std::filesystem;
using tevaro_test::FreshFolder;
using tevaro_test::ReadFile;
using tevaro_test::RunProgram;
using tevaro_test::WriteFile;

const double kRise40 = std::tan(40.0 * 3.14159265358979323846 / 180.0);

// Tiles every roof of `model` in a session and gives back the edge statuses of every plane.
std::vector<std::vector<int>> TiledEdges(const std::string& model, const std::string& options, const std::string& name,
                                         std::string& out) {
    const fs::path f = FreshFolder("import-" + name);
    WriteFile(f / "model.json", model);
    WriteFile(f / "tile.session",
              "open model.json\nselect all\nmenu place-tiles\npick 20 2\npick 23 2\npick 27 2\npick 29 2\nok\n"
              "dump-planes planes.json\ncheck\n");
    std::vector<std::vector<int>> edges;
    if (RunProgram("run \"" + (f / "tile.session").string() + "\" " + options, f, out) != 0) return edges;
    const nlohmann::json dump = nlohmann::json::parse(ReadFile(f / "planes.json"));
    for (const auto& p : dump["planes"]) edges.push_back(p["edgeStatus"].get<std::vector<int>>());
    fs::remove_all(f);
    return edges;
}

// How many edges of all planes have this status.
int CountStatus(const std::vector<std::vector<int>>& planes, int status) {
    int n = 0;
    for (const auto& p : planes)
        for (int s : p) n += s == status ? 1 : 0;
    return n;
}

// A gable whose planes stop 2 cm apart in plan at the ridge (the second one's ridge lower).
std::string RidgeGap() {
    const double yA = 3.99, yB = 4.01, zA = 3 + yA * kRise40, zB = 3 + (8 - yB) * kRise40;
    std::ostringstream s;
    s.precision(17);
    s << R"({"elements": [{"type": "roof", "id": "R1", "planes": [)"
      << R"({"outer": [[0,0,3],[10,0,3],[10,)" << yA << "," << zA << "],[0," << yA << "," << zA << "]]},"
      << R"({"outer": [[0,8,3],[0,)" << yB << "," << zB << "],[10," << yB << "," << zB << R"(],[10,8,3]]}]}]})";
    return s.str();
}

}  // namespace

TEST(ImportProgram, RidgeGapIsTiledAsOneRidgeOnlyWhenHealed) {
    std::string out;
    const auto healed = TiledEdges(RidgeGap(), "", "ridge", out);
    ASSERT_EQ(healed.size(), 2u) << out;
    EXPECT_EQ(CountStatus(healed, kStatusRidge), 2) << out;  // one ridge, seen from both planes
    EXPECT_EQ(CountStatus(healed, kStatusEave), 2);
    EXPECT_EQ(CountStatus(healed, kStatusVerge), 4);
    EXPECT_NE(out.find("javítás: 2"), std::string::npos) << out;  // the summary line of the open
    const auto strict = TiledEdges(RidgeGap(), "--no-heal", "ridge-strict", out);
    ASSERT_EQ(strict.size(), 2u) << out;
    EXPECT_EQ(CountStatus(strict, kStatusRidge), 0);  // two free top edges instead
    EXPECT_NE(out.find("figyelmeztetés: "), std::string::npos);
}

TEST(ImportProgram, LeanToShortOfTheWallGetsAWallJunction) {
    const std::string model =
        R"({"elements": [{"type": "roof", "id": "R1", "planes": [{"outer": [[0,-3,2.5],[6,-3,2.5],[6,-0.02,4],[0,-0.02,4]]}]},)"
        R"({"type": "wall", "id": "W1", "footprint": [[-2,0],[8,0],[8,0.3],[-2,0.3]], "height": 6}]})";
    std::string out;
    const auto healed = TiledEdges(model, "", "leanto", out);
    ASSERT_EQ(healed.size(), 1u) << out;
    EXPECT_EQ(CountStatus(healed, kStatusWallTop), 1) << out;
    const auto strict = TiledEdges(model, "--no-heal", "leanto-strict", out);
    ASSERT_EQ(strict.size(), 1u) << out;
    EXPECT_EQ(CountStatus(strict, kStatusWallTop), 0);
}

TEST(ImportProgram, CheckAnswersWithItsExitCodeAndCentimetresAreRefused) {
    const fs::path f = FreshFolder("import-check");
    WriteFile(f / "clean.json", ReadFile(tevaro_test::SourcePath("tests/sessions/gable_house.json")));
    WriteFile(f / "flat.json", R"({"elements": [{"type": "roof", "id": "FLAT", "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,3.2],[0,4,3.2]]}]}]})");
    WriteFile(f / "cm.json", R"({"elements": [{"type": "roof", "id": "R", "planes": [{"outer": [[0,0,300],[1000,0,300],[1000,400,500],[0,400,500]]}]}]})");
    std::string out;
    EXPECT_EQ(RunProgram("check \"" + (f / "clean.json").string() + "\"", f, out), 0) << out;
    EXPECT_EQ(RunProgram("check \"" + (f / "flat.json").string() + "\"", f, out), 1) << out;
    EXPECT_NE(out.find("FLAT, 1. sík"), std::string::npos) << out;
    EXPECT_EQ(RunProgram("check \"" + (f / "cm.json").string() + "\"", f, out), 2) << out;
    EXPECT_NE(out.find("--units"), std::string::npos) << out;
    EXPECT_EQ(RunProgram("check \"" + (f / "cm.json").string() + "\" --units cm", f, out), 0) << out;
    // Opened in a session the centimetre model is refused at the open line, naming --units.
    WriteFile(f / "open.session", "open cm.json\n");
    EXPECT_EQ(RunProgram("run \"" + (f / "open.session").string() + "\"", f, out), 1);
    EXPECT_NE(out.find("open.session:1:"), std::string::npos) << out;
    EXPECT_NE(out.find("--units"), std::string::npos) << out;
    fs::remove_all(f);
}

TEST(ImportProgram, ImportWritesAHealedModelThatLoadsStrictly) {
    const fs::path f = FreshFolder("import-import");
    WriteFile(f / "gap.json", RidgeGap());
    std::string out;
    ASSERT_EQ(RunProgram("import \"" + (f / "gap.json").string() + "\" --out \"" + (f / "healed.json").string() + "\"",
                         f, out),
              0)
        << out;
    EXPECT_TRUE(fs::exists(f / "healed.report.txt"));
    EXPECT_NE(ReadFile(f / "healed.report.txt").find("R1, 1. sík"), std::string::npos);
    // The written model needs no healing any more.
    EXPECT_EQ(RunProgram("check \"" + (f / "healed.json").string() + "\"", f, out), 0) << out;
    EXPECT_NE(out.find("javítás: 0"), std::string::npos) << out;
    fs::remove_all(f);
}

TEST(ImportProgram, PushedInWingIsTiledWithValleysOnlyWhenHealed) {
    const double top = 3 + 4 * kRise40, wingTop = 3 + 2 * kRise40;
    std::ostringstream s;
    s.precision(17);
    s << R"({"elements": [{"type": "roof", "id": "MAIN", "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,)" << top << "],[0,4,"
      << top << R"(]]}, {"outer": [[0,8,3],[0,4,)" << top << "],[10,4," << top << R"(],[10,8,3]]}]},)"
      << R"({"type": "roof", "id": "WING", "planes": [{"outer": [[3,3,3],[3,-6,3],[5,-6,)" << wingTop << "],[5,3," << wingTop
      << R"(]]}, {"outer": [[7,-6,3],[7,3,3],[5,3,)" << wingTop << "],[5,-6," << wingTop << "]]}]}]}";
    std::string out;
    const auto healed = TiledEdges(s.str(), "", "wing", out);
    EXPECT_EQ(CountStatus(healed, kStatusValley), 4) << out;  // two valleys, seen from both sides
    EXPECT_EQ(CountStatus(healed, kStatusEave), 5);           // the main eave in two pieces, the far one, the wing's two
    EXPECT_EQ(CountStatus(healed, kStatusUnclassified), 0);
    const auto strict = TiledEdges(s.str(), "--no-heal", "wing-strict", out);
    EXPECT_EQ(CountStatus(strict, kStatusValley), 0);
}
