// Purpose: the IFC import on three real exports (a 30 degree gable of two free roof slabs, a
// 45 degree gable in millimetres through mapped items, a flat roof with two skylights), and the
// program's import-ifc command end to end: the written model opens and tiles in a session.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "IfcTestSupport.h"
#include "common/AddOnFixture.h"
#include "import/ifc/IfcImport.h"
#include "polytopo/EdgeCodes.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;
using ifctest::RingArea;
using ifctest::RingPitchDegrees;
using ifctest::RoofPlanes;
using tevaro_test::ReadFile;

// Points of two planes closer than this (m) are one point of their shared edge.
constexpr double kSharedPoint = 0.01;

// Distance between two JSON points.
double Dist(const json& p, const json& q) {
    return std::hypot(std::hypot(p[0].get<double>() - q[0].get<double>(), p[1].get<double>() - q[1].get<double>()),
                      p[2].get<double>() - q[2].get<double>());
}

// Length of the edge two planes share: the farthest apart of their common points (0 if none).
double SharedEdge(const json& a, const json& b) {
    std::vector<json> common;
    for (const json& p : a.at("outer"))
        for (const json& q : b.at("outer"))
            if (Dist(p, q) < kSharedPoint) common.push_back(p);
    double len = 0;
    for (const json& p : common)
        for (const json& q : common) len = std::max(len, Dist(p, q));
    return len;
}

// Imports one of the sample files.
json ImportSample(const std::string& name, std::vector<std::string>& report) {
    json model;
    std::string error;
    EXPECT_TRUE(ifcimport::ImportIfc(tevaro_test::SourcePath("tests/data/ifc/" + name), model, report, error)) << error;
    return model;
}

TEST(IfcSamples, OpenHouseGivesTwo45DegreePlanesSharingA10Point2MetreRidge) {
    std::vector<std::string> report;
    const json model = ImportSample("IfcOpenHouse_IFC4.ifc", report);
    ASSERT_TRUE(model.contains("elements"));
    const auto planes = RoofPlanes(model);
    ASSERT_EQ(planes.size(), 2u) << model.dump(1);
    for (const json& p : planes) {
        EXPECT_NEAR(RingPitchDegrees(p.at("outer")), 45.0, 0.1);
    }
    EXPECT_NEAR(SharedEdge(planes[0], planes[1]), 10.2, 0.01);
    size_t walls = 0;
    for (const json& e : model.at("elements")) walls += e.at("type") == "wall";
    EXPECT_EQ(walls, 4u);
}

TEST(IfcSamples, DuplexGivesOneFlatPlaneWithTwoHolesReportedWithItsPitch) {
    std::vector<std::string> report;
    const json model = ImportSample("duplex.ifc", report);
    ASSERT_TRUE(model.contains("elements"));
    const auto planes = RoofPlanes(model);
    ASSERT_EQ(planes.size(), 1u) << model.dump(1);
    EXPECT_EQ(planes[0].at("holes").size(), 2u);
    EXPECT_LT(RingPitchDegrees(planes[0].at("outer")), 0.1);
    bool reported = false;
    for (const std::string& l : report) reported = reported || l.find("hajlásszög 0.0°") != std::string::npos;
    EXPECT_TRUE(reported);
    // four storeys, the foundation level below the ground floor
    ASSERT_EQ(model.at("stories").size(), 4u);
    EXPECT_EQ(model.at("stories")[0].at("index"), -1);
}

// Runs the program with these arguments from `folder`; its exit status.
int RunProgram(const std::string& args, const fs::path& folder) {
    return tevaro_test::RunProgram(args, folder).exitCode;
}

TEST(IfcProgram, FzkHausImportsAndTilesWithTwoEavesFourVergesAndTheRidge) {
    const fs::path folder = tevaro_test::FreshFolder("ifc-fzk");
    ASSERT_EQ(RunProgram("import-ifc \"" + tevaro_test::SourcePath("tests/data/ifc/AC20-FZK-Haus.ifc") + "\" --out model.json",
                         folder),
              0)
        << ReadFile(folder / "stderr.txt");
    EXPECT_NE(ReadFile(folder / "stdout.txt").find("hajlásszög 30.0°, terület 82.56 m²"), std::string::npos)
        << ReadFile(folder / "stdout.txt");
    json model = json::parse(ReadFile(folder / "model.json"));
    EXPECT_NEAR(model.at("northAngle").get<double>(), -50.0, 1e-6);
    const auto planes = RoofPlanes(model);
    ASSERT_EQ(planes.size(), 2u);
    for (const json& p : planes) {
        EXPECT_NEAR(RingPitchDegrees(p.at("outer")), 30.0, 0.1);
        EXPECT_NEAR(RingArea(p.at("outer")), 82.56, 0.01);
    }
    EXPECT_NEAR(SharedEdge(planes[0], planes[1]), 13.0, 0.01);

    // The model opens as written, geo-reference keys and all.
    std::ofstream(folder / "plain.json") << model.dump();
    std::ofstream(folder / "tile.session") << "open plain.json\nselect roofs\nmenu place-tiles\n"
                                              "pick 20 2\npick 23 2\npick 27 2\npick 29 2\nok\n"
                                              "dump-planes planes.json\nfinalize\nquantities quantities.csv\n";
    ASSERT_EQ(RunProgram("run tile.session --out out", folder), 0) << ReadFile(folder / "stderr.txt");
    const json dump = json::parse(ReadFile(folder / "out" / "planes.json"));
    int eaves = 0, verges = 0, ridges = 0;
    for (const json& p : dump.at("planes"))
        for (const json& s : p.at("edgeStatus")) {
            eaves += s == kStatusEave;
            verges += s == kStatusVerge;
            ridges += s == kStatusRidge;
        }
    EXPECT_EQ(eaves, 2);
    EXPECT_EQ(verges, 4);
    EXPECT_EQ(ridges, 2) << "the one ridge, seen from both planes";
    EXPECT_NE(ReadFile(folder / "out" / "quantities.csv").find("ridge length,KUPA/NV,13.000,m"), std::string::npos);
    fs::remove_all(folder);
}

TEST(IfcProgram, FileThatIsNotIfcWritesNothingAndSaysWhy) {
    const fs::path folder = tevaro_test::FreshFolder("ifc-bad");
    std::ofstream(folder / "house.ifc") << "this is a text file\n";
    EXPECT_NE(RunProgram("import-ifc house.ifc --out model.json", folder), 0);
    EXPECT_FALSE(fs::exists(folder / "model.json"));
    EXPECT_NE(ReadFile(folder / "stderr.txt").find("house.ifc: nem IFC fájl"), std::string::npos)
        << ReadFile(folder / "stderr.txt");
    // an output folder that does not exist: the message names the file, nothing is left behind
    EXPECT_NE(RunProgram("import-ifc \"" + tevaro_test::SourcePath("tests/data/ifc/IfcOpenHouse_IFC4.ifc") +
                             "\" --out missing/model.json",
                         folder),
              0);
    EXPECT_NE(ReadFile(folder / "stderr.txt").find("missing/model.json: a fájl nem írható"), std::string::npos)
        << ReadFile(folder / "stderr.txt");
    EXPECT_FALSE(fs::exists(folder / "missing"));
    EXPECT_NE(RunProgram("import-ifc", folder), 0);
    EXPECT_NE(ReadFile(folder / "stderr.txt").find("usage: tevaro import-ifc"), std::string::npos);
    fs::remove_all(folder);
}

}  // namespace
