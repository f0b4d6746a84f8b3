// Purpose: a wing pushed into the main roof is trimmed: the planes meet on shared edges, the
// valleys are found and no buried area is left.
#include <gtest/gtest.h>

#include <cmath>

#include "import/Check.h"
#include "import/Geometry.h"
#include "import/Healing.h"
#include "import/Texts.h"

namespace {

const double kRise = std::tan(40.0 * import::kPi / 180.0);

// Plan area of every plane of the scene (outer minus holes).
double PlanArea(const import::Scene& s) {
    double a = 0;
    for (const import::Roof& r : s.roofs)
        for (const import::Face& f : r.faces) {
            a += std::fabs(import::PlanSignedArea(f.outer));
            for (const import::Ring& h : f.holes) a -= std::fabs(import::PlanSignedArea(h));
        }
    return a;
}

// Main gable 10 m by 8 m (ridge along x at y = 4), and a 4 m wide gable wing (ridge along y at
// x = 5) from y = -6 pushed 3 m into the main roof's first plane, both at 40 degrees.
import::Scene PushedInWing() {
    import::Scene s;
    const double top = 3 + 4 * kRise, wingTop = 3 + 2 * kRise;
    s.roofs.push_back({"MAIN", 1, {{{{0, 0, 3}, {10, 0, 3}, {10, 4, top}, {0, 4, top}}, {}, 1},
                                   {{{0, 8, 3}, {0, 4, top}, {10, 4, top}, {10, 8, 3}}, {}, 2}}});
    s.roofs.push_back({"WING", 2, {{{{3, 3, 3}, {3, -6, 3}, {5, -6, wingTop}, {5, 3, wingTop}}, {}, 1},
                                   {{{7, -6, 3}, {7, 3, 3}, {5, 3, wingTop}, {5, -6, wingTop}}, {}, 2}}});
    return s;
}

}  // namespace

TEST(TrimCrossing, PushedInWingMeetsTheMainRoofOnItsValleys) {
    import::Scene s = PushedInWing();
    import::Report before;
    import::CheckScene(s, import::kDefaultMinPitchDegrees, before);
    EXPECT_GE(before.Count(import::Severity::Warning), 1);  // the crossing is seen
    import::Report r;
    import::TrimCrossingRoofs(s, r);
    EXPECT_GE(r.Count(import::Severity::Change), 3);
    // No buried area: the planes cover the union of the two roofs' plans, once.
    EXPECT_NEAR(PlanArea(s), 10 * 8 + 4 * 6, 1e-6);
    // The wing's ridge now ends on the main plane, at y = 2 where both are at the wing's top.
    double ridgeEnd = -1e9;
    for (const import::Face& f : s.roofs[1].faces)
        for (const import::Vec3& p : f.outer)
            if (std::fabs(p.x - 5) < 1e-9) ridgeEnd = std::max(ridgeEnd, p.y);
    EXPECT_NEAR(ridgeEnd, 2.0, 1e-9);
    // Every point of the main roof's notch lies on a wing plane: shared valley edges.
    import::Report after;
    import::CheckScene(s, import::kDefaultMinPitchDegrees, after);
    EXPECT_EQ(after.Count(import::Severity::Warning), 0);
    // Trimming again finds nothing left to cut.
    import::Report again;
    import::TrimCrossingRoofs(s, again);
    EXPECT_EQ(again.notes.size(), 0u);
}

// A plane lying wholly under another roof (a lean-to drawn inside the main roof's space) is cut
// away whole; its roof keeps its other planes, and the planes after it are still trimmed.
TEST(TrimCrossing, APlaneWhollyUnderAnotherRoofIsRemoved) {
    import::Scene s;
    // main plane 10 m square, rising 0.5 per metre along x, and a second plane beside it
    s.roofs.push_back({"MAIN", 1, {{{{0, 0, 5}, {10, 0, 10}, {10, 10, 10}, {0, 10, 5}}, {}, 1},
                                   {{{10, 0, 10}, {20, 0, 5}, {20, 10, 5}, {10, 10, 10}}, {}, 2}}});
    // a plane far away, then a steep plane lower than the main plane everywhere over it (their
    // difference, x + y - 42, is zero only at a corner of the box the trimming works in)
    s.roofs.push_back({"LOW", 2, {{{{50, 0, 3}, {60, 0, 3}, {60, 5, 6}, {50, 5, 6}}, {}, 1},
                                  {{{0, 0, -34}, {10, 0, -19}, {10, 10, -9}, {0, 10, -24}}, {}, 2}}});
    import::Report r;
    import::TrimCrossingRoofs(s, r);
    ASSERT_EQ(s.roofs[1].faces.size(), 1u);
    EXPECT_EQ(s.roofs[1].faces[0].source, 1);
    EXPECT_EQ(s.roofs[0].faces.size(), 2u);  // the main roof is above: nothing of it is cut
    EXPECT_EQ(r.Count(import::Severity::Change), 1);
}
