// Purpose: the IFC import on small files of our own, one for each trap of real exports: a roof
// that only contains its slabs, openings declared on the roof and on its slab, a gutter modelled
// as a roof, bodies through mapped items, millimetres, true north, a far-away origin, a storey
// without elevation, UTF-8 names, chimneys, gable walls under a verge, walls above the roof, and
// files that are not IFC, truncated, or hold no roof.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

#include "IfcTestSupport.h"
#include "StepWriter.h"
#include "import/ifc/IfcImport.h"
#include "import/ifc/IfcMeshStage.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;
using ifctest::Box;
using ifctest::FindElement;
using ifctest::Imported;
using ifctest::P3;
using ifctest::Prism;
using ifctest::RingArea;
using ifctest::RingPitchDegrees;
using ifctest::SlabUnder;
using ifctest::StepFile;
using ifctest::StepFrame;

constexpr double kPi = 3.14159265358979323846;
// Eave and ridge of the test gable: 30 degrees over 4 m.
const double kRidgeZ = 3 + 4 * std::tan(kPi / 6);

// True when some line of the report contains `text`.
bool Reported(const std::vector<std::string>& report, const std::string& text) {
    for (const std::string& l : report)
        if (l.find(text) != std::string::npos) return true;
    return false;
}

// All report lines, for failure messages.
std::string Joined(const std::vector<std::string>& report) {
    std::string s;
    for (const std::string& l : report) s += l + "\n";
    return s;
}

// A gable house in metres: a roof that only contains its two slabs, a skylight declared on the
// roof, another declared on the north slab, a gutter modelled as a roof of its own, an eave wall,
// a gable wall under the verge, a fire wall above the roof (its name raw UTF-8) and a chimney
// proxy (its name in STEP escapes).
std::string GableHouse() {
    StepFrame frame;
    StepFile f(frame);
    const int south = f.Element("IFCSLAB", "Déli tető",
                                f.BrepShape({SlabUnder({{0, 0, 3}, {10, 0, 3}, {10, 4, kRidgeZ}, {0, 4, kRidgeZ}}, 0.25)}),
                                "$,.ROOF.", false);
    const int north = f.Element("IFCSLAB", "Északi tető",
                                f.BrepShape({SlabUnder({{10, 8, 3}, {0, 8, 3}, {0, 4, kRidgeZ}, {10, 4, kRidgeZ}}, 0.25)}),
                                "$,.ROOF.", false);
    const int roof = f.Element("IFCROOF", "Nyeregtető", 0, "$,.GABLE_ROOF.");
    f.Aggregate(roof, {south, north});
    const int skylight = f.Element("IFCOPENINGELEMENT", "Tetőablak", f.BrepShape({Box({2, 1, 2}, {3, 2, 7})}), "$,.OPENING.", false);
    f.Void(roof, skylight);
    const int hatch = f.Element("IFCOPENINGELEMENT", "Kibúvó", f.BrepShape({Box({6, 5.5, 2}, {7, 6.5, 7})}), "$,.OPENING.", false);
    f.Void(north, hatch);
    f.Element("IFCROOF", "Ereszcsatorna", f.BrepShape({Box({0, -0.15, 2.9}, {10, 0, 3})}), "$,.NOTDEFINED.");
    f.Element("IFCWALL", "Eresz fal", f.BrepShape({Box({0.3, 0, 0}, {9.7, 0.3, 3})}), "$,.STANDARD.");
    // the gable wall: a pentagon in the y-z plane swept 0.3 m along x
    f.Element("IFCWALL", "Oromfal",
              f.BrepShape({Prism{{{0, 0, 0}, {0, 0, 3}, {0, 4, kRidgeZ}, {0, 8, 3}, {0, 8, 0}}, {0.3, 0, 0}}}), "$,.STANDARD.");
    f.ElementRawName("IFCWALL", "Tűzfal", f.BrepShape({Box({9.7, 0, 0}, {10, 8, 7})}), "$,.STANDARD.");
    f.Element("IFCBUILDINGELEMENTPROXY", "Kémény", f.BrepShape({Box({4, 5, 0}, {4.6, 5.6, 7})}), "$,$");
    return f.Text();
}

// A shed roof in millimetres far from the file's origin, its body through a mapped item, true
// north 30 degrees west of the y axis, its storey placed at 3 m without an elevation, and a
// barrel roof of six facets as a free roof slab.
std::string MappedShed() {
    StepFrame frame;
    frame.lengthPrefix = "MILLI";
    frame.siteOrigin = {650000000, 5200000000, 0};
    frame.trueNorth[0] = -0.5;
    frame.trueNorth[1] = std::sqrt(3.0) / 2;
    frame.storeyZ = 3000;
    frame.storeyElevation = false;
    frame.storeyName = "Tetőtér";
    StepFile f(frame);
    const int body = f.MappedShape({SlabUnder({{0, 0, 0}, {6000, 0, 0}, {6000, 4000, 2000}, {0, 4000, 2000}}, 200)},
                                   {1000, 2000, 500});
    f.Element("IFCROOF", "Féltető", body, "$,.SHED_ROOF.");
    std::vector<Prism> facets;
    const int n = 6;
    for (int i = 0; i < n; ++i) {
        // facet i of a half cylinder of radius 3 m along x, from x 20 m to 26 m
        const double a0 = kPi * i / n, a1 = kPi * (i + 1) / n;
        const double r = 3000;
        const P3 p0 = {20000, r * std::cos(a0), r * std::sin(a0)}, p1 = {20000, r * std::cos(a1), r * std::sin(a1)};
        facets.push_back(SlabUnder({p0, {26000, p0[1], p0[2]}, {26000, p1[1], p1[2]}, p1}, 150));
    }
    f.Element("IFCSLAB", "Dongatető", f.BrepShape(facets), "$,.ROOF.");
    f.Element("IFCWALL", "Térdfal", f.BrepShape({Box({1000, 2000, 0}, {7000, 2300, 500})}), "$,.STANDARD.");
    return f.Text();
}

// Walls only.
std::string NoRoof() {
    StepFile f(StepFrame{});
    f.Element("IFCWALL", "Fal", f.BrepShape({Box({0, 0, 0}, {5, 0.3, 3})}), "$,.STANDARD.");
    return f.Text();
}

TEST(IfcMeshStage, NodeIsThereForTheMeshStage) {
    EXPECT_FALSE(ifcimport::FindNode().empty()) << "node not found: run scripts/install-deps.sh";
}

// One trap of the gable house file.
void RoofThatOnlyContainsItsSlabsBecomesOneRoofWithTheirTwoPlanes(const Imported* result) {
    const json* roof = FindElement(result->model, "Nyeregtető");
    ASSERT_NE(roof, nullptr) << result->model.dump(1);
    EXPECT_EQ(roof->at("type"), "roof");
    ASSERT_EQ(roof->at("planes").size(), 2u);
    for (const json& plane : roof->at("planes")) {
        EXPECT_NEAR(RingPitchDegrees(plane.at("outer")), 30.0, 0.05);
        EXPECT_EQ(plane.at("outer").size(), 4u) << plane.dump();
    }
    EXPECT_NEAR(roof->at("thickness").get<double>(), 0.25, 0.002);
    // the two planes share the ridge: both hold its two ends
    int shared = 0;
    for (const json& p : roof->at("planes")[0].at("outer"))
        for (const json& q : roof->at("planes")[1].at("outer"))
            if (std::hypot(std::hypot(p[0].get<double>() - q[0].get<double>(), p[1].get<double>() - q[1].get<double>()),
                           p[2].get<double>() - q[2].get<double>()) < 0.001) {
                ++shared;
                EXPECT_NEAR(p[2].get<double>(), kRidgeZ, 0.001);
            }
    EXPECT_EQ(shared, 2);
    // the IFC GlobalId became the GUID
    EXPECT_EQ(roof->value("guid", "").size(), 38u);
}

// One trap of the gable house file.
void OpeningsDeclaredOnTheRoofAndOnTheSlabBothBecomeHoles(const Imported* result) {
    const json* roof = FindElement(result->model, "Nyeregtető");
    ASSERT_NE(roof, nullptr);
    size_t holes = 0;
    for (const json& plane : roof->at("planes")) {
        const double slopeLength = 4 / std::cos(kPi / 6);
        for (const json& h : plane.at("holes")) {
            ++holes;
            // a 1 m x 1 m opening in plan cuts 1 m by 1/cos(30) on the slope
            EXPECT_NEAR(RingArea(h), 1.0 / std::cos(kPi / 6), 0.01) << h.dump();
        }
        EXPECT_NEAR(RingArea(plane.at("outer")), 10 * slopeLength, 0.01);
    }
    EXPECT_EQ(holes, 2u) << roof->dump(1);
    EXPECT_FALSE(Reported(result->report, "Tetőablak")) << "a cut hole is not cut again\n" << Joined(result->report);
}

// One trap of the gable house file.
void GutterModelledAsARoofIsDroppedAndSaysWhy(const Imported* result) {
    EXPECT_EQ(FindElement(result->model, "Ereszcsatorna"), nullptr);
    EXPECT_TRUE(Reported(result->report, "Ereszcsatorna")) << Joined(result->report);
    size_t roofs = 0;
    for (const json& e : result->model.at("elements")) roofs += e.at("type") == "roof";
    EXPECT_EQ(roofs, 1u);
}

// One trap of the gable house file.
void WallsKeepFootprintAndTheGableWallStopsAtTheEaves(const Imported* result) {
    const json* eave = FindElement(result->model, "Eresz fal");
    const json* gable = FindElement(result->model, "Oromfal");
    const json* fire = FindElement(result->model, "Tűzfal");
    ASSERT_TRUE(eave && gable && fire) << result->model.dump(1);
    EXPECT_NEAR(eave->at("height").get<double>(), 3.0, 0.001);
    EXPECT_NEAR(eave->at("bottomOffset").get<double>(), 0.0, 0.001);
    // the gable wall's lowest top point is at the eaves, so the verge above it stays a verge
    EXPECT_NEAR(gable->at("height").get<double>(), 3.0, 0.001);
    // a wall rising above the roof keeps its height
    EXPECT_NEAR(fire->at("height").get<double>(), 7.0, 0.001);
    // the gable wall's footprint is its 0.3 m x 8 m plan rectangle
    double xMin = 1e9, xMax = -1e9, yMin = 1e9, yMax = -1e9;
    for (const json& p : gable->at("footprint")) {
        xMin = std::min(xMin, p[0].get<double>());
        xMax = std::max(xMax, p[0].get<double>());
        yMin = std::min(yMin, p[1].get<double>());
        yMax = std::max(yMax, p[1].get<double>());
    }
    EXPECT_EQ(gable->at("footprint").size(), 4u);
    EXPECT_NEAR(xMax - xMin, 0.3, 0.001);
    EXPECT_NEAR(yMax - yMin, 8.0, 0.001);
}

// One trap of the gable house file.
void ChimneyProxyWithUtf8NameBecomesAWallRisingThroughTheRoof(const Imported* result) {
    const json* chimney = FindElement(result->model, "Kémény");
    ASSERT_NE(chimney, nullptr) << result->model.dump(1);
    EXPECT_EQ(chimney->at("type"), "wall");
    EXPECT_NEAR(chimney->at("height").get<double>(), 7.0, 0.001);
    EXPECT_GT(chimney->at("height").get<double>(), kRidgeZ);
}

// One trap of the gable house file.
void ModelKeepsStoreysNorthAndAZeroShift(const Imported* result) {
    const json& m = result->model;
    ASSERT_EQ(m.at("stories").size(), 1u);
    EXPECT_EQ(m.at("stories")[0].at("name"), "Erdgeschoss");
    EXPECT_EQ(m.at("northAngle").get<double>(), 0.0);
    EXPECT_EQ(m.at("originShift"), json::array({0.0, 0.0, 0.0}));
}


// One trap of the shed file.
void MappedBodyInMillimetresGivesItsPlaneInMetres(const Imported* result) {
    const json* roof = FindElement(result->model, "Féltető");
    ASSERT_NE(roof, nullptr) << result->model.dump(1);
    ASSERT_EQ(roof->at("planes").size(), 1u);
    const json& outer = roof->at("planes")[0].at("outer");
    EXPECT_NEAR(RingPitchDegrees(outer), std::atan(0.5) * 180 / kPi, 0.05);
    EXPECT_NEAR(RingArea(outer), 6 * std::sqrt(20.0), 0.01);
    EXPECT_NEAR(roof->at("thickness").get<double>(), 0.2, 0.002);
    // the mapped item's offset (z 0.5 m) and the storey's 3 m are both applied
    double zMin = 1e9;
    for (const json& p : outer) zMin = std::min(zMin, p[2].get<double>());
    EXPECT_NEAR(zMin, 3.5, 0.001);
}

// One trap of the shed file.
void FarAwayOriginIsShiftedAndTheShiftKept(const Imported* result) {
    const json& shift = result->model.at("originShift");
    EXPECT_NEAR(shift[0].get<double>(), 650000.0, 50.0);
    EXPECT_NEAR(shift[1].get<double>(), 5200000.0, 50.0);
    EXPECT_EQ(shift[2].get<double>(), 0.0);
    // every coordinate is local, and shift + local gives the file's place back
    const json* roof = FindElement(result->model, "Féltető");
    ASSERT_NE(roof, nullptr);
    double xMin = 1e9, yMin = 1e9;
    for (const json& p : roof->at("planes")[0].at("outer")) {
        EXPECT_LT(std::fabs(p[0].get<double>()), 1000.0);
        xMin = std::min(xMin, p[0].get<double>());
        yMin = std::min(yMin, p[1].get<double>());
    }
    EXPECT_NEAR(xMin + shift[0].get<double>(), 650001.0, 1e-3);
    EXPECT_NEAR(yMin + shift[1].get<double>(), 5200002.0, 1e-3);
}

// One trap of the shed file.
void TrueNorthBecomesTheNorthAngle(const Imported* result) {
    EXPECT_NEAR(result->model.at("northAngle").get<double>(), 30.0, 1e-6);
    EXPECT_TRUE(Reported(result->report, "Valódi észak: 30.00°")) << Joined(result->report);
}

// One trap of the shed file.
void StoreyWithoutElevationTakesItsPlacementAndSaysSo(const Imported* result) {
    const json& stories = result->model.at("stories");
    ASSERT_EQ(stories.size(), 1u);
    EXPECT_NEAR(stories[0].at("level").get<double>(), 3.0, 1e-6);
    EXPECT_EQ(stories[0].at("name"), "Tetőtér");
    EXPECT_TRUE(Reported(result->report, "„Tetőtér” szint magassága hiányzik")) << Joined(result->report);
    const json* wall = FindElement(result->model, "Térdfal");
    ASSERT_NE(wall, nullptr);
    EXPECT_NEAR(wall->at("bottomOffset").get<double>(), 0.0, 1e-6);
    EXPECT_NEAR(wall->at("height").get<double>(), 0.5, 1e-6);
}

// One trap of the shed file.
void CurvedRoofArrivesAsOnePlanePerFacet(const Imported* result) {
    const json* barrel = FindElement(result->model, "Dongatető");
    ASSERT_NE(barrel, nullptr) << result->model.dump(1);
    // every facet of the half cylinder faces up, the two at its feet too
    ASSERT_EQ(barrel->at("planes").size(), 6u);
    double area = 0;
    for (const json& p : barrel->at("planes")) area += RingArea(p.at("outer"));
    // six chords of a 3 m half circle, 6 m long
    EXPECT_NEAR(area, 6 * 6 * 2 * 3 * std::sin(kPi / 12), 0.01);
}

// Each trap file imported once for all the traps it holds (the import runs the mesh stage).
const Imported& ImportedOnce(const std::string& name, std::string (*text)()) {
    static std::map<std::string, Imported> imported;
    auto it = imported.find(name);
    if (it == imported.end()) it = imported.emplace(name, ifctest::ImportText(name, text())).first;
    if (!it->second.ok) ADD_FAILURE() << name << ": " << it->second.error << "\n" << Joined(it->second.report);
    return it->second;
}

// The gable house file's traps.
const Imported* GableHouseImported() { return &ImportedOnce("gable.ifc", GableHouse); }

// The mapped shed file's traps.
const Imported* MappedShedImported() { return &ImportedOnce("shed.ifc", MappedShed); }

TEST(GableHouseTraps, RoofThatOnlyContainsItsSlabsBecomesOneRoofWithTheirTwoPlanes) {
    RoofThatOnlyContainsItsSlabsBecomesOneRoofWithTheirTwoPlanes(GableHouseImported());
}
TEST(GableHouseTraps, OpeningsDeclaredOnTheRoofAndOnTheSlabBothBecomeHoles) {
    OpeningsDeclaredOnTheRoofAndOnTheSlabBothBecomeHoles(GableHouseImported());
}
TEST(GableHouseTraps, GutterModelledAsARoofIsDroppedAndSaysWhy) {
    GutterModelledAsARoofIsDroppedAndSaysWhy(GableHouseImported());
}
TEST(GableHouseTraps, WallsKeepFootprintAndTheGableWallStopsAtTheEaves) {
    WallsKeepFootprintAndTheGableWallStopsAtTheEaves(GableHouseImported());
}
TEST(GableHouseTraps, ChimneyProxyWithUtf8NameBecomesAWallRisingThroughTheRoof) {
    ChimneyProxyWithUtf8NameBecomesAWallRisingThroughTheRoof(GableHouseImported());
}
TEST(GableHouseTraps, ModelKeepsStoreysNorthAndAZeroShift) {
    ModelKeepsStoreysNorthAndAZeroShift(GableHouseImported());
}
TEST(MappedShedTraps, MappedBodyInMillimetresGivesItsPlaneInMetres) {
    MappedBodyInMillimetresGivesItsPlaneInMetres(MappedShedImported());
}
TEST(MappedShedTraps, FarAwayOriginIsShiftedAndTheShiftKept) {
    FarAwayOriginIsShiftedAndTheShiftKept(MappedShedImported());
}
TEST(MappedShedTraps, TrueNorthBecomesTheNorthAngle) { TrueNorthBecomesTheNorthAngle(MappedShedImported()); }
TEST(MappedShedTraps, StoreyWithoutElevationTakesItsPlacementAndSaysSo) {
    StoreyWithoutElevationTakesItsPlacementAndSaysSo(MappedShedImported());
}
TEST(MappedShedTraps, CurvedRoofArrivesAsOnePlanePerFacet) {
    CurvedRoofArrivesAsOnePlanePerFacet(MappedShedImported());
}

// A file the import must refuse, and what its message says.
struct BrokenFile {
    const char* name;
    std::string (*text)();
    const char* message;
};

// A JSON file given an IFC name.
std::string NotIfc() { return "{\"elements\": []}\n"; }

// The gable house cut off in the middle of its data.
std::string CutGableHouse() {
    const std::string gable = GableHouse();
    return gable.substr(0, gable.size() / 2);
}

// Names a case by its file in test output.
void PrintTo(const BrokenFile& c, std::ostream* os) { *os << c.name; }

class IfcBrokenFile : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(IfcBrokenFile, IsRefusedWithAMessageNamingTheFileAndLeavesTheModelAlone) {
    const BrokenFile& c = GetParam();
    json model = {{"untouched", true}};
    std::vector<std::string> report;
    std::string error;
    const fs::path p = tevaro_test::WriteTempFile(std::string("ifc-") + c.name, c.text());
    EXPECT_FALSE(ifcimport::ImportIfc(p.string(), model, report, error));
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
    EXPECT_NE(error.find(p.string()), std::string::npos) << "the message names the file: " << error;
    EXPECT_EQ(model, json({{"untouched", true}}));
    fs::remove(p);
}

INSTANTIATE_TEST_SUITE_P(IfcBrokenFiles, IfcBrokenFile,
                         ::testing::Values(BrokenFile{"not.ifc", NotIfc, "nem IFC fájl"},
                                           BrokenFile{"cut.ifc", CutGableHouse, "a fájl csonka"},
                                           BrokenFile{"walls.ifc", NoRoof, "nincs benne tető"}),
                         [](const ::testing::TestParamInfo<BrokenFile>& info) {
                             const std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

TEST(IfcBrokenFiles, AMissingFileIsUnreadable) {
    json model;
    std::vector<std::string> report;
    std::string error;
    EXPECT_FALSE(ifcimport::ImportIfc("/nonexistent/house.ifc", model, report, error));
    EXPECT_NE(error.find("nem olvasható"), std::string::npos) << error;
}

}  // namespace
