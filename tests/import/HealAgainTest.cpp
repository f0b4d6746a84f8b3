// Purpose: healing is done once: a healed model, saved and opened again, has nothing left to heal
// (every sample city model and IFC file through import, save and import again), and the pieces
// that make it so: planes made flat again keep their shared points, and a roof corner between two
// wall faces goes where the faces meet.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "common/AddOnFixture.h"
#include "common/ProgramRun.h"
#include "host/ModelFile.h"
#include "import/Check.h"
#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace {

namespace fs = std::filesystem;
using import::Json;

using tevaro_test::ReadFile;

// Imports `input` into `output` with the program; the exit code.
int Import(const fs::path& input, const fs::path& output) {
    return tevaro_test::RunProgramInto("import \"" + input.string() + "\" --out \"" + output.string() + "\"", output.string() + ".out");
}

// The lines of an import's report that say what healing changed (they start with the change word).
int ChangeLines(const fs::path& report) {
    std::istringstream lines(ReadFile(report));
    int n = 0;
    for (std::string line; std::getline(lines, line);) n += line.rfind("javítás:", 0) == 0 ? 1 : 0;
    return n;
}

// Heals and checks a model text.
import::Report Heal(Json& doc) {
    import::Report report;
    import::LoadOptions options;
    EXPECT_TRUE(import::PrepareModelDoc(doc, options, report));
    return report;
}

// The largest distance of a plane's outer points from their best-fit plane.
double Flatness(const Json& plane) {
    import::Ring ring;
    for (const Json& p : plane["outer"]) ring.push_back({p[0].get<double>(), p[1].get<double>(), p[2].get<double>()});
    double a = 0, b = 0, c = 0;
    if (!import::FitPlane(ring, a, b, c)) return 1e9;
    double worst = 0;
    for (const import::Vec3& p : ring) worst = std::max(worst, std::fabs(p.z - (a * p.x + b * p.y + c)) / std::sqrt(1 + a * a + b * b));
    return worst;
}

}  // namespace

TEST(HealAgain, EverySampleFileSavedAndOpenedAgainNeedsNoHealing) {
    std::vector<fs::path> files;
    for (const char* folder : {"tests/data/city", "tests/data/ifc"})
        for (const auto& f : fs::directory_iterator(tevaro_test::SourcePath(folder)))
            if (f.path().extension() != ".md") files.push_back(f.path());
    ASSERT_GE(files.size(), 10u);
    const fs::path dir = fs::temp_directory_path() / ("tevaro-heal-again-" + std::to_string(getpid()));
    fs::create_directories(dir);
    int healedFirst = 0;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const fs::path once = dir / (file.filename().string() + ".once.json");
        const fs::path twice = dir / (file.filename().string() + ".twice.json");
        ASSERT_LE(Import(file, once), 1) << ReadFile(once.string() + ".out");
        ASSERT_LE(Import(once, twice), 1) << ReadFile(twice.string() + ".out");
        healedFirst += ChangeLines(dir / (file.filename().string() + ".once.report.txt"));
        EXPECT_EQ(ChangeLines(dir / (file.filename().string() + ".twice.report.txt")), 0)
            << ReadFile(dir / (file.filename().string() + ".twice.report.txt"));
        // Nothing to heal, nothing moved: the roofs come out as they went in.
        const Json a = Json::parse(ReadFile(once)), b = Json::parse(ReadFile(twice));
        ASSERT_EQ(a["elements"].size(), b["elements"].size());
        for (size_t e = 0; e < a["elements"].size(); ++e)
            if (a["elements"][e]["type"] == "roof") EXPECT_EQ(a["elements"][e]["planes"], b["elements"][e]["planes"]);
    }
    // The real files do need healing the first time (else this proves nothing).
    EXPECT_GT(healedFirst, 50);
    fs::remove_all(dir);
}

TEST(HealAgain, SnappedPlanesMadeFlatAgainKeepTheirSharedPoints) {
    // A gable whose ridge ends were drawn 1 cm apart and whose planes are 3 mm off flat: the ridge
    // is snapped, the planes flattened, and the ridge stays one line of shared points.
    const Json text = Json::parse(R"({"elements": [{"type": "roof", "id": "R1", "planes": [
        {"outer": [[0,0,3],[10,0,3],[10,3.995,6.003],[5,4.0,6.0],[0,3.995,5.997]]},
        {"outer": [[0,8,3],[0,4.005,5.996],[10,4.005,6.004],[10,8,3]]}]}]})");
    Json doc = text;
    const import::Report first = Heal(doc);
    EXPECT_GT(first.Count(import::Severity::Change), 0);
    EXPECT_EQ(first.Count(import::Severity::Error), 0);
    const Json& planes = doc["elements"][0]["planes"];
    for (const Json& plane : planes) EXPECT_LE(Flatness(plane), import::kLoaderFlatness / 2);
    // Every ridge corner of the second plane is a corner of the first, to the bit.
    for (size_t k : {1u, 2u}) {
        bool found = false;
        for (const Json& p : planes[0]["outer"]) found = found || p == planes[1]["outer"][k];
        EXPECT_TRUE(found) << planes.dump();
    }
    // The model loads strictly, and healing it again changes nothing at all.
    host::Model model;
    std::string error;
    EXPECT_TRUE(host::LoadModelText(doc.dump(), "ridge", model, error)) << error;
    Json again = doc;
    const import::Report second = Heal(again);
    EXPECT_EQ(second.Count(import::Severity::Change), 0);
    EXPECT_EQ(again, doc);
}

TEST(HealAgain, RoofCornerNearTwoWallFacesGoesWhereTheyMeet) {
    // A lean-to in the corner of two walls (faces y = 0 and a slanting one from the origin to
    // (-0.5, -6)), its back corner 1.5 cm off both: moving one edge onto its face must not pull
    // the other edge's end off the other face.
    Json doc = Json::parse(R"({"elements": [
        {"type": "roof", "id": "R1", "planes": [{"outer": [[-0.3183,-4,2.5],[6,-4,2.5],[6,-0.015,4.5],[0.015,-0.015,4.5]]}]},
        {"type": "wall", "id": "W1", "footprint": [[0,0],[8,0],[8,0.3],[0,0.3]], "height": 6},
        {"type": "wall", "id": "W2", "footprint": [[0,0],[-0.5,-6],[-0.8,-6],[-0.3,0]], "height": 6}]})");
    const import::Report first = Heal(doc);
    EXPECT_GE(first.Count(import::Severity::Change), 2);
    const Json& corner = doc["elements"][0]["planes"][0]["outer"][3];
    EXPECT_NEAR(corner[0].get<double>(), 0.0, 1e-9);
    EXPECT_NEAR(corner[1].get<double>(), 0.0, 1e-9);
    Json again = doc;
    EXPECT_EQ(Heal(again).Count(import::Severity::Change), 0);
    EXPECT_EQ(again, doc);
}
