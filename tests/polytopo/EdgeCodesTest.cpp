// Purpose: tests of the edge-code mappings (status to edge type and back) and of the fold flag.
#include <gtest/gtest.h>

#include "polytopo/EdgeCodes.h"
#include "polytopo/EdgeFlagging.h"

namespace {

constexpr double kDeg = kPi / 180.0;

TEST(EdgeCodeMapping, UnknownAndNonEdgeStatusesShowAsFreeStanding) {
    // Statuses without an edge type of their own, and the codes just beside the known ranges.
    for (int16_t s : {111, -1, 13, 0, 50, 57, 143, 443}) EXPECT_EQ(DummyStatusOf(s), 14) << s;
    for (int16_t s : {141, 242, 331, 442}) EXPECT_EQ(DummyStatusOf(s), 10) << s;
}

TEST(EdgeCodeMapping, EngineStatusesSurviveTheRoundTrip) {
    struct Case {
        int16_t status, kind;
    };
    for (const Case c : {Case{11, 2}, Case{31, 10}, Case{41, 12}, Case{42, 13}, Case{21, 3}, Case{22, 4},
                         Case{12, 1}, Case{51, 21}, Case{52, 20}, Case{53, 22}})
        EXPECT_EQ(EdgeStatusOf(DummyStatusOf(c.status), c.kind), c.status) << c.status;
    // A wall junction comes back as the plain wall eave.
    EXPECT_EQ(EdgeStatusOf(DummyStatusOf(141), 3), 131);
}

TEST(EdgeCodeMapping, UserChoicesWithoutRidgeTiles) {
    EXPECT_EQ(EdgeStatusOf(1, 10), 33);  // a ridge made "gerinc (gerincelem nélkül)"
    EXPECT_EQ(EdgeStatusOf(5, 12), 43);  // a hip made "élgerinc (gerincelem nélkül)"
    EXPECT_EQ(EdgeStatusOf(3, 1), 13);
    EXPECT_EQ(EdgeStatusOf(4, 1), 12);
}

TEST(EdgeCodeMapping, BreaksAndSkylightsAreDecidedByKind) {
    for (int16_t type : {11, 12}) {
        EXPECT_EQ(EdgeStatusOf(type, 20), 55);
        EXPECT_EQ(EdgeStatusOf(type, 21), 54);
        EXPECT_EQ(EdgeStatusOf(type, 22), 56);
        EXPECT_EQ(EdgeStatusOf(type, 10), 32);
        EXPECT_EQ(EdgeStatusOf(type, 11), 33);
        EXPECT_EQ(EdgeStatusOf(type, 12), 43);
        EXPECT_EQ(EdgeStatusOf(type, 0), 43);
    }
    EXPECT_EQ(EdgeStatusOf(13, 1), 52);
    EXPECT_EQ(EdgeStatusOf(13, 21), 51);
    EXPECT_EQ(EdgeStatusOf(13, 12), 53);
    for (int16_t type : {14, 0, 15, -3}) EXPECT_EQ(EdgeStatusOf(type, 3), 111) << type;
    EXPECT_EQ(EdgeStatusOf(7, 3), 21);
    EXPECT_EQ(EdgeStatusOf(7, 4), 22);
    EXPECT_EQ(EdgeStatusOf(7, 2), 22);
}

TEST(EdgeCodeMapping, ABreakOnAnOuterEaveOrTopStaysABreakOfAnOuterEdge) {
    // Kinds 1 and 2 are the free top and eave edges of the outer contour: a break chosen there
    // must not come back as a status of a hole's edge (51-56), and reads back as a break.
    for (int16_t type : {11, 12}) {
        for (int16_t kind : {1, 2}) {
            const int16_t status = EdgeStatusOf(type, kind);
            EXPECT_EQ(status, 32) << type << "/" << kind;
            EXPECT_FALSE(status >= 51 && status <= 56) << type << "/" << kind;
            EXPECT_EQ(DummyStatusOf(status), 11) << type << "/" << kind;
        }
    }
}

TEST(FoldFlag, FlatAlmostFlatConvexConcave) {
    EXPECT_EQ(FoldFlagOf(kPi), 1u);
    EXPECT_EQ(FoldFlagOf(kPi + 0.005 * kDeg), 1u);
    EXPECT_EQ(FoldFlagOf(0.0), 1u);
    EXPECT_EQ(FoldFlagOf(kPi + 1.5 * kDeg), 2u);
    EXPECT_EQ(FoldFlagOf(kPi - 2.005 * kDeg), 2u);  // the window reaches 2.01 degrees
    EXPECT_EQ(FoldFlagOf(1.0 * kDeg), 2u);
    EXPECT_EQ(FoldFlagOf(kPi + 2.02 * kDeg), 3u);
    EXPECT_EQ(FoldFlagOf(kPi + 60 * kDeg), 3u);
    EXPECT_EQ(FoldFlagOf(kPi - 2.02 * kDeg), 4u);
    EXPECT_EQ(FoldFlagOf(60 * kDeg), 4u);
    EXPECT_EQ(FoldFlagOf(5 * kDeg), 4u);
}

}  // namespace
