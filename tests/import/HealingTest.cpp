// Purpose: each healing step on a small hand-made model that shows its problem, the promise that
// exact models come out untouched, and the units judgement.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/AddOnFixture.h"
#include "host/ModelFile.h"
#include "import/Check.h"
#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace {

using import::Json;

// tan(40 degrees): the rise per metre of the test roofs.
const double kRise40 = std::tan(40.0 * import::kPi / 180.0);

// How many notes of this row the report holds.
int NotesOf(const import::Report& r, int row) {
    int n = 0;
    for (const import::Note& note : r.notes) n += note.row == row ? 1 : 0;
    return n;
}

// Heals and checks a model text; the document after, the report, and whether it was accepted.
struct Prepared {
    Json doc;
    import::Report report;
    bool ok = false;
};
Prepared Prepare(const std::string& text, import::LoadOptions options = {}) {
    Prepared p;
    p.doc = Json::parse(text);
    p.ok = import::PrepareModelDoc(p.doc, options, p.report);
    return p;
}

// A point of plane `plane` (0-based) of the first roof of a healed document.
import::Vec3 PointOf(const Json& doc, size_t plane, size_t point) {
    const Json& p = doc["elements"][0]["planes"][plane]["outer"][point];
    return {p[0].get<double>(), p[1].get<double>(), p[2].get<double>()};
}

// A gable whose two planes stop short of each other at the ridge: `gap` metres apart in plan,
// the second plane's ridge lower by what its slope drops over the gap (40 degrees).
std::string RidgeGapModel(double gap) {
    const double yA = 4 - gap / 2, yB = 4 + gap / 2, zA = 3 + yA * kRise40, zB = 3 + (8 - yB) * kRise40;
    std::ostringstream s;
    s << R"({"elements": [{"type": "roof", "id": "R1", "planes": [)"
      << R"({"outer": [[0,0,3],[10,0,3],[10,)" << yA << "," << zA << "],[0," << yA << "," << zA << "]]},"
      << R"({"outer": [[0,8,3],[0,)" << yB << "," << zB << "],[10," << yB << "," << zB << R"(],[10,8,3]]}]}]})";
    return s.str();
}

// A lean-to whose top edge stops `gap` metres short of a house wall's face (y = 0).
std::string LeanToModel(double gap) {
    std::ostringstream s;
    s << R"({"elements": [{"type": "roof", "id": "R1", "planes": [{"outer": [[0,-3,2.5],[6,-3,2.5],[6,)" << -gap
      << ",4],[0," << -gap << R"(,4]]}]},)"
      << R"({"type": "wall", "id": "W1", "footprint": [[-2,0],[8,0],[8,0.3],[-2,0.3]], "height": 6}]})";
    return s.str();
}

}  // namespace

TEST(Healing, ExactModelsComeOutUntouched) {
    // The sample house and every model of the session tests: nothing to heal, nothing to check.
    std::vector<std::filesystem::path> files = {tevaro_test::SourcePath("examples/house.json")};
    for (const auto& f : std::filesystem::directory_iterator(tevaro_test::SourcePath("tests/sessions")))
        if (f.path().extension() == ".json") files.push_back(f.path());
    ASSERT_GE(files.size(), 5u);
    for (const auto& file : files) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        const Prepared p = Prepare(text.str());
        EXPECT_TRUE(p.ok) << file;
        EXPECT_EQ(p.doc, Json::parse(text.str())) << file;
        EXPECT_EQ(p.report.Count(import::Severity::Change), 0) << file;
        EXPECT_EQ(p.report.Count(import::Severity::Error), 0) << file;
    }
}

TEST(Healing, RidgeGapOfTwoCentimetresInPlanBecomesOneRidge) {
    const Prepared p = Prepare(RidgeGapModel(0.02));
    ASSERT_TRUE(p.ok);
    EXPECT_GE(NotesOf(p.report, import::kRowSnapped), 2);
    // Both ends of the ridge: the two planes' points are one point now, halfway between.
    for (size_t k : {0u, 1u}) {
        const import::Vec3 a = PointOf(p.doc, 0, 2 + k), b = PointOf(p.doc, 1, 2 - k);
        EXPECT_LT(import::Distance(a, b), 1e-9);
        EXPECT_NEAR(a.y, 4.0, 1e-9);
    }
    EXPECT_EQ(NotesOf(p.report, import::kRowNearMiss), 0);
    // The healed model loads strictly.
    host::Model model;
    std::string error;
    EXPECT_TRUE(host::LoadModelText(p.doc.dump(), "ridge", model, error)) << error;
}

TEST(Healing, GapsBeyondTheJoinDistanceStayAndAreWarnedOf) {
    // 6 cm apart: not joined, and the check names it.
    const Prepared p = Prepare(RidgeGapModel(0.06));
    EXPECT_EQ(NotesOf(p.report, import::kRowSnapped), 0);
    EXPECT_GE(NotesOf(p.report, import::kRowNearMiss), 1);
    EXPECT_EQ(p.doc, Json::parse(RidgeGapModel(0.06)));
    // Switched off, healing leaves a 2 cm gap too; the check still names it.
    import::LoadOptions off;
    off.heal = false;
    const Prepared q = Prepare(RidgeGapModel(0.02), off);
    EXPECT_EQ(q.report.Count(import::Severity::Change), 0);
    EXPECT_GE(NotesOf(q.report, import::kRowNearMiss), 1);
}

TEST(Healing, LeanToShortOfTheWallIsMovedOntoTheWallFace) {
    const Prepared p = Prepare(LeanToModel(0.02));
    ASSERT_EQ(NotesOf(p.report, import::kRowOntoWall), 1);
    for (size_t k : {2u, 3u}) {
        EXPECT_NEAR(PointOf(p.doc, 0, k).y, 0.0, 1e-12);
        EXPECT_NEAR(PointOf(p.doc, 0, k).z, 4.0, 1e-12);  // its level is kept
    }
    EXPECT_EQ(p.report.notes[0].other, "W1");
    // 5 cm short: left alone.
    EXPECT_EQ(NotesOf(Prepare(LeanToModel(0.05)).report, import::kRowOntoWall), 0);
}

TEST(Healing, PlanesNearlyFlatAreProjectedAndFarOnesRefused) {
    // One point 1 cm above the plane of the other three (a 4 m by 4 m plane).
    const std::string near = R"({"elements": [{"type": "roof", "planes": [{"outer": [[0,0,3],[4,0,3],[4,4,5.01],[0,4,5]]}]}]})";
    const Prepared p = Prepare(near);
    ASSERT_EQ(NotesOf(p.report, import::kRowPlanarized), 1);
    EXPECT_GT(p.report.notes[0].value, 0.1);  // cm
    EXPECT_LT(p.report.notes[0].value, 1.0);
    host::Model model;
    std::string error;
    EXPECT_FALSE(host::LoadModelText(near, "near", model, error));  // strict: refused as it was
    EXPECT_TRUE(host::LoadModelText(p.doc.dump(), "near", model, error)) << error;
    // 10 cm off: beyond repair, the check says so as an error.
    const std::string far = R"({"elements": [{"type": "roof", "planes": [{"outer": [[0,0,3],[4,0,3],[4,4,5.2],[0,4,5]]}]}]})";
    const Prepared q = Prepare(far);
    EXPECT_EQ(NotesOf(q.report, import::kRowPlanarized), 0);
    EXPECT_EQ(NotesOf(q.report, import::kRowNotPlanar), 1);
}

TEST(Healing, VertexNearAnotherPlanesEdgeIsPutOntoIt) {
    // A hip-like piece whose apex stops 1.5 cm short of the long plane's top edge (between its ends).
    const std::string text =
        R"({"elements": [{"type": "roof", "planes": [)"
        R"({"outer": [[0,0,3],[10,0,3],[10,4,5],[0,4,5]]},)"
        R"({"outer": [[4,0,3],[5,0,3],[4.5,-0.5,2.75]]},)"
        R"({"outer": [[2,4.015,5],[8,4.015,5],[5,6,4]]}]}]})";
    const Prepared p = Prepare(text);
    EXPECT_GE(NotesOf(p.report, import::kRowOntoEdge), 2);
    for (size_t k : {0u, 1u}) EXPECT_NEAR(p.doc["elements"][0]["planes"][2]["outer"][k][1].get<double>(), 4.0, 1e-9);
}

TEST(Healing, RepeatedAndStraightRunPointsAreDropped) {
    // A repeat 0.5 mm off, and a point on the eave that no other plane uses.
    const std::string text =
        R"({"elements": [{"type": "roof", "planes": [{"outer": [[0,0,3],[5,0,3],[10,0,3],[10,4,5],[10,4.0005,5.0002],[0,4,5]]}]}]})";
    const Prepared p = Prepare(text);
    EXPECT_EQ(NotesOf(p.report, import::kRowDuplicate), 1);
    EXPECT_EQ(NotesOf(p.report, import::kRowCollinear), 1);
    EXPECT_EQ(p.doc["elements"][0]["planes"][0]["outer"].size(), 4u);
    // A point on a straight run that a neighbouring plane needs stays.
    const std::string shared =
        R"({"elements": [{"type": "roof", "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,5],[5,4,5],[0,4,5]]},)"
        R"({"outer": [[5,4,5],[10,4,5],[7.5,6,4]]}]}]})";
    EXPECT_EQ(NotesOf(Prepare(shared).report, import::kRowCollinear), 0);
}

TEST(Healing, CoplanarPiecesOfOnePlaneAreMerged) {
    // One plane drawn as two pieces side by side.
    const std::string text =
        R"({"elements": [{"type": "roof", "planes": [{"outer": [[0,0,3],[5,0,3],[5,4,5],[0,4,5]]},)"
        R"({"outer": [[5,0,3],[10,0,3],[10,4,5],[5,4,5]]}]}]})";
    const Prepared p = Prepare(text);
    EXPECT_EQ(NotesOf(p.report, import::kRowMerged), 1);
    const Json& planes = p.doc["elements"][0]["planes"];
    ASSERT_EQ(planes.size(), 1u);
    import::Ring ring;
    for (const Json& v : planes[0]["outer"]) ring.push_back({v[0].get<double>(), v[1].get<double>(), v[2].get<double>()});
    EXPECT_EQ(ring.size(), 4u);                              // the seam's points are gone
    EXPECT_NEAR(std::fabs(import::PlanSignedArea(ring)), 40.0, 1e-9);  // nothing lost
    // Two planes of different pitch along the same line stay two (a slope break).
    const std::string bent =
        R"({"elements": [{"type": "roof", "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,5],[0,4,5]]},)"
        R"({"outer": [[0,4,5],[10,4,5],[10,6,5.5],[0,6,5.5]]}]}]})";
    EXPECT_EQ(NotesOf(Prepare(bent).report, import::kRowMerged), 0);
}

TEST(Healing, RingTouchingItselfIsSplitIntoAnOutlineAndAHole) {
    // A flat-ish plane around a courtyard drawn as one ring that runs in to the courtyard and back
    // at one point (4,4): the courtyard loop runs the other way round.
    const std::string text =
        R"({"elements": [{"type": "roof", "planes": [{"outer": [[0,0,3],[10,0,3],[10,10,6],[0,10,6],[0,4,4.2],[4,4,4.2],)"
        R"([4,6,4.8],[6,6,4.8],[6,4,4.2],[4,4,4.2],[0,4,4.2]]}]}]})";
    host::Model model;
    std::string error;
    EXPECT_FALSE(host::LoadModelText(text, "ring", model, error));
    const Prepared p = Prepare(text);
    EXPECT_EQ(NotesOf(p.report, import::kRowSplit), 1);
    EXPECT_TRUE(host::LoadModelText(p.doc.dump(), "ring", model, error)) << error;
}

TEST(Healing, CentimetreModelIsRefusedUnlessUnitsAreGiven) {
    const std::string cm = R"({"stories": [{"index": 0, "level": 0}], "elements": [{"type": "roof", "planes": [)"
                           R"({"outer": [[0,0,300],[1000,0,300],[1000,400,500],[0,400,500]]}]},)"
                           R"({"type": "wall", "footprint": [[0,0],[1000,0],[1000,30],[0,30]], "height": 350}]})";
    const Prepared refused = Prepare(cm);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(NotesOf(refused.report, import::kRowUnits), 1);
    import::LoadOptions units;
    ASSERT_TRUE(import::ParseUnits("cm", units));
    const Prepared scaled = Prepare(cm, units);
    ASSERT_TRUE(scaled.ok);
    EXPECT_DOUBLE_EQ(PointOf(scaled.doc, 0, 1).x, 10.0);
    EXPECT_DOUBLE_EQ(scaled.doc["elements"][1]["height"].get<double>(), 3.5);
    EXPECT_EQ(NotesOf(scaled.report, import::kRowScaled), 1);
    EXPECT_FALSE(import::ParseUnits("inch", units));
    // A large estate in metres is no reason to refuse: single elements decide, not the extent.
    const std::string estate = R"({"elements": [{"type": "roof", "planes": [{"outer": [[5000,0,3],[5010,0,3],[5010,4,5],[5000,4,5]]}]},)"
                               R"({"type": "roof", "planes": [{"outer": [[0,0,3],[10,0,3],[10,4,5],[0,4,5]]}]}]})";
    EXPECT_TRUE(Prepare(estate).ok);
}
