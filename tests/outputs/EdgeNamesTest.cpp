// Purpose: an edge named as a roofer would, from its stored status and the way its planes fold:
// the groups and predicates of the one edge vocabulary, and folds measured on hand-made roofs.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "app/EdgeFolds.h"
#include "polytopo/EdgeCodes.h"
#include "polytopo/EdgeGroups.h"

namespace {

using app::FoldOfEdge;
using app::PlaneRing;

// Every status the engine, the wall steps or the user can store.
const int kAllStatuses[] = {kStatusEave, kStatusShedTop, kStatusShedTopNoTiles, kStatusVerge, kStatusFreeSloped,
                            kStatusRidge, kStatusSlopeBreak, kStatusNearFlatHorizontal, kStatusHip, kStatusValley,
                            kStatusNearFlatSloped, kStatusHoleLower, kStatusHoleUpper, kStatusHoleSloped,
                            kStatusHoleSharedLower, kStatusHoleSharedUpper, kStatusHoleSharedSloped,
                            kStatusUnclassified, kStatusWallEave, kStatusWallTop, kStatusWallVerge,
                            kStatusWallVergeSide, kStatusWallHoleLower, kStatusWallHoleUpper,
                            kStatusWallHoleSloped, kStatusWallHoleSlopedSide, 331, 332, 341, 342, 431, 432, 441, 442};

TEST(EdgeVocabulary, WithoutAFoldEveryStatusReadsAsTheEdgeSetterShowsIt) {
    for (int status : kAllStatuses) {
        // the one mend: a single-slope top laid without ridge tiles is that, not a free edge
        const int expected = status == kStatusShedTopNoTiles ? int(dummystatus_shed_without_tiles) : DummyStatusOf(int16_t(status));
        EXPECT_EQ(RooferTypeOf(status, kFoldUnknown), expected) << status;
    }
}

TEST(EdgeVocabulary, WallJunctionsAreExactlyTheWallBlocks) {
    int walls = 0;
    for (int status : kAllStatuses) {
        EXPECT_EQ(IsWallJunction(status), DummyStatusOf(int16_t(status)) == dummystatus_wall) << status;
        walls += IsWallJunction(status) ? 1 : 0;
    }
    EXPECT_EQ(walls, 16);
    for (int other : {0, 100, 130, 133, 200, 300, 330, 343, 443, 531, 1031}) EXPECT_FALSE(IsWallJunction(other)) << other;
}

TEST(EdgeVocabulary, SharedEdgesAreThoseTwoPlanesCountHalfEach) {
    for (int status : kAllStatuses) {
        const std::set<int> twoPlanes{
            kStatusRidge,           kStatusSlopeBreak,     kStatusNearFlatHorizontal, kStatusHip,
            kStatusValley,          kStatusNearFlatSloped, kStatusHoleSharedLower,    kStatusHoleSharedUpper,
            kStatusHoleSharedSloped};
        EXPECT_EQ(IsSharedStatus(status), twoPlanes.count(status) == 1) << status;
    }
}

TEST(EdgeVocabulary, TheFoldNamesWhatTheStatusAloneCannot) {
    // A ridge laid without ridge tiles is stored like a slight fold; its planes fall away from it.
    EXPECT_STREQ(RooferName(RooferTypeOf(kStatusNearFlatHorizontal, kFoldRidge)), "gerinc (gerincelem nélkül)");
    EXPECT_EQ(GroupOf(kStatusNearFlatHorizontal, kFoldRidge), kGroupRidge);
    EXPECT_STREQ(RooferName(RooferTypeOf(kStatusNearFlatSloped, kFoldRidge)), "élgerinc (gerincelem nélkül)");
    EXPECT_EQ(GroupOf(kStatusNearFlatSloped, kFoldRidge), kGroupHip);
    // The same statuses between planes falling the same way are breaks, positive or negative.
    for (int status : {kStatusSlopeBreak, kStatusNearFlatHorizontal, kStatusNearFlatSloped}) {
        EXPECT_STREQ(RooferName(RooferTypeOf(status, kFoldConvex)), "pozitív törés") << status;
        EXPECT_STREQ(RooferName(RooferTypeOf(status, kFoldConcave)), "negatív törés") << status;
        EXPECT_EQ(GroupOf(status, kFoldConcave), kGroupBreak) << status;
    }
    // A positive break the user chose on a ridge stays the user's choice.
    EXPECT_EQ(RooferTypeOf(kStatusSlopeBreak, kFoldRidge), dummystatus_dome);
    // Statuses that say all themselves do not change with the fold.
    for (EdgeFold fold : {kFoldUnknown, kFoldRidge, kFoldConvex, kFoldConcave}) {
        EXPECT_EQ(RooferTypeOf(kStatusRidge, fold), dummystatus_ridge_with_tiles);
        EXPECT_EQ(RooferTypeOf(kStatusValley, fold), dummystatus_valley);
        EXPECT_EQ(RooferTypeOf(kStatusWallVerge, fold), dummystatus_wall);
    }
}

TEST(EdgeVocabulary, EveryTypeHasAName) {
    for (int t = 1; t <= kRooferTypeCount; ++t) EXPECT_STRNE(RooferName(t), "") << t;
    EXPECT_STREQ(RooferName(0), "");
    EXPECT_STREQ(RooferName(kRooferTypeCount + 1), "");
}

// A plane from y0 (height z0) to y1 (height z1) over x 0..10.
PlaneRing Strip(double y0, double z0, double y1, double z1) {
    return {{0, y0, z0}, {10, y0, z0}, {10, y1, z1}, {0, y1, z1}};
}

TEST(EdgeFolds, AGableRidgeIsTheHighestEdgeOfBothPlanes) {
    const std::vector<PlaneRing> planes = {Strip(0, 0, 5, 3), Strip(10, 0, 5, 3)};
    EXPECT_EQ(FoldOfEdge({0, 5}, {10, 5}, planes), kFoldRidge);
    EXPECT_EQ(FoldOfEdge({10, 5}, {0, 5}, planes), kFoldRidge);
    // A piece of the ridge (a node inserted on it) folds the same way.
    EXPECT_EQ(FoldOfEdge({2, 5}, {6, 5}, planes), kFoldRidge);
}

TEST(EdgeFolds, AKickedEaveBendsUpAMansardBendsDown) {
    // Kicked eave: a 45 degree plane above y = 2, a flatter one below it, both falling to -y.
    const std::vector<PlaneRing> kicked = {Strip(2, 2, 5, 5), Strip(0, 1.2, 2, 2)};
    EXPECT_EQ(FoldOfEdge({0, 2}, {10, 2}, kicked), kFoldConcave);
    // The same planes listed the other way round give the same fold.
    EXPECT_EQ(FoldOfEdge({0, 2}, {10, 2}, {kicked[1], kicked[0]}), kFoldConcave);
    // Mansard: a flat 15 degree top above y = 2, a steep plane below.
    const std::vector<PlaneRing> mansard = {Strip(2, 4, 5, 4.8), Strip(0, 0, 2, 4)};
    EXPECT_EQ(FoldOfEdge({0, 2}, {10, 2}, mansard), kFoldConvex);
}

TEST(EdgeFolds, AHipOfAPyramidFallsAwayBothWays) {
    const API_Coord3D top{5, 5, 4};
    const std::vector<PlaneRing> faces = {{{0, 0, 0}, {10, 0, 0}, top}, {{10, 0, 0}, {10, 10, 0}, top}};
    EXPECT_EQ(FoldOfEdge({10, 0}, {5, 5}, faces), kFoldRidge);
}

TEST(EdgeFolds, AnEdgeWithOnePlaneOrNoneHasNoFold) {
    const std::vector<PlaneRing> planes = {Strip(0, 0, 5, 3), Strip(10, 0, 5, 3)};
    EXPECT_EQ(FoldOfEdge({0, 0}, {10, 0}, planes), kFoldUnknown);      // an eave
    EXPECT_EQ(FoldOfEdge({20, 5}, {30, 5}, planes), kFoldUnknown);     // off the roof
    EXPECT_EQ(FoldOfEdge({0, 5}, {10, 5}, {planes[0]}), kFoldUnknown);  // the other plane is missing
}

}  // namespace
