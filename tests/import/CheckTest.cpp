// Purpose: the model check's findings on small hand-made models: flat and steep planes, crossing
// roofs, curved roofs given as facets.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <sstream>
#include <string>

#include "import/Check.h"
#include "import/Geometry.h"
#include "import/Texts.h"

namespace {

// How many notes of this row the report holds.
int NotesOf(const import::Report& r, int row) {
    int n = 0;
    for (const import::Note& note : r.notes) n += note.row == row ? 1 : 0;
    return n;
}

// A 10 m by 4 m plane rising along y at `degrees`, eave at z = 3.
import::Face Slope(double degrees, int source = 1) {
    const double rise = 4 * std::tan(degrees * import::kPi / 180.0);
    return import::Face{{{0, 0, 3}, {10, 0, 3}, {10, 4, 3 + rise}, {0, 4, 3 + rise}}, {}, source};
}

// A scene of one roof with these planes.
import::Scene OneRoof(std::vector<import::Face> faces) {
    import::Scene s;
    s.roofs.push_back(import::Roof{"R1", 1, std::move(faces)});
    return s;
}

}  // namespace

namespace {

// One plane's pitch, the tile type's minimum pitch, and the warnings expected.
struct PitchCase {
    const char* name;
    double degrees;
    double minPitch;
    int flat, steep;
};

// Names a case in test output.
void PrintTo(const PitchCase& c, std::ostream* os) { *os << c.name; }

class PlanePitch : public ::testing::TestWithParam<PitchCase> {};

}  // namespace

TEST_P(PlanePitch, OutsideTheUsualRangeIsWarnedOfWithItsPitch) {
    const PitchCase& c = GetParam();
    import::Report r;
    import::CheckScene(OneRoof({Slope(c.degrees)}), c.minPitch, r);
    EXPECT_EQ(NotesOf(r, import::kRowFlat), c.flat);
    EXPECT_EQ(NotesOf(r, import::kRowSteep), c.steep);
    if (c.flat + c.steep == 1) EXPECT_NEAR(r.notes[0].value, c.degrees, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(ModelCheck, PlanePitch,
                         ::testing::Values(PitchCase{"FlatterThanTenDegrees", 5, import::kDefaultMinPitchDegrees, 1, 0},
                                           PitchCase{"Ordinary", 12, import::kDefaultMinPitchDegrees, 0, 0},
                                           PitchCase{"BelowTheTileTypesFifteen", 12, 15, 1, 0},
                                           PitchCase{"SteeperThanSeventyFive", 80, import::kDefaultMinPitchDegrees, 0,
                                                     1}),
                         [](const ::testing::TestParamInfo<PitchCase>& info) { return std::string(info.param.name); });

TEST(ModelCheck, WingPushedIntoTheMainRoofIsACrossing) {
    // Main gable plane rising along y; a wing plane rising along x runs into it and out above it.
    import::Scene s = OneRoof({Slope(30)});
    s.roofs.push_back(import::Roof{"WING", 2, {import::Face{{{4, -2, 3.2}, {4, 3, 3.2}, {6, 3, 6}, {6, -2, 6}}, {}, 1}}});
    import::Report r;
    import::CheckScene(s, import::kDefaultMinPitchDegrees, r);
    ASSERT_EQ(NotesOf(r, import::kRowCrossing), 1);
    const import::Note& n = r.notes.back();
    EXPECT_EQ(n.element, "R1");
    EXPECT_EQ(n.other, "WING");
    // The same wing stopping at the main plane's eave line touches, no more.
    import::Scene t = OneRoof({Slope(30)});
    t.roofs.push_back(import::Roof{"WING", 2, {import::Face{{{4, -3, 3}, {4, 0, 3}, {6, 0, 3}, {6, -3, 3.5}}, {}, 1}}});
    import::Report q;
    import::CheckScene(t, import::kDefaultMinPitchDegrees, q);
    EXPECT_EQ(NotesOf(q, import::kRowCrossing), 0);
}

TEST(ModelCheck, CurvedRoofGivenAsSmallFacetsIsWarnedOf) {
    // A barrel roof: twelve 10 m by 0.15 m strips, each a little steeper than the one before.
    std::vector<import::Face> strips;
    double y = 0, z = 3;
    for (int k = 0; k < 12; ++k) {
        const double a = (5 + 5 * k) * import::kPi / 180.0, dy = 0.15 * std::cos(a), dz = 0.15 * std::sin(a);
        strips.push_back(import::Face{{{0, y, z}, {10, y, z}, {10, y + dy, z + dz}, {0, y + dy, z + dz}}, {}, k + 1});
        y += dy, z += dz;
    }
    import::Report r;
    import::CheckScene(OneRoof(strips), import::kDefaultMinPitchDegrees, r);
    EXPECT_EQ(NotesOf(r, import::kRowFacets), 1);
    import::Report plain;
    import::CheckScene(OneRoof({Slope(30), Slope(35, 2)}), import::kDefaultMinPitchDegrees, plain);
    EXPECT_EQ(NotesOf(plain, import::kRowFacets), 0);
}
