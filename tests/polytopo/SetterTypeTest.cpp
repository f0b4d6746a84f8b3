// Purpose: tests of the edge type a setter shows for every stored edge status, stated with the
// statuses' names and groups: the whole code range, not only the codes the engine writes.
#include <gtest/gtest.h>

#include <set>

#include "polytopo/EdgeCodes.h"
#include "polytopo/EdgeGroups.h"

namespace {

// Every code from below the lowest status to past the last wall block.
constexpr int kFirstCode = -2;
constexpr int kLastCode = 999;

TEST(SetterType, EachNamedStatusShowsItsType) {
    EXPECT_EQ(DummyStatusOf(kStatusEave), dummystatus_eaves);
    EXPECT_EQ(DummyStatusOf(kStatusShedTop), dummystatus_shed_with_tiles);
    EXPECT_EQ(DummyStatusOf(kStatusVerge), dummystatus_gable);
    EXPECT_EQ(DummyStatusOf(kStatusFreeSloped), dummystatus_gable);
    EXPECT_EQ(DummyStatusOf(kStatusRidge), dummystatus_ridge_with_tiles);
    EXPECT_EQ(DummyStatusOf(kStatusHip), dummystatus_hip_with_tiles);
    EXPECT_EQ(DummyStatusOf(kStatusValley), dummystatus_valley);
    EXPECT_EQ(DummyStatusOf(kStatusUnclassified), dummystatus_free);
    EXPECT_EQ(DummyStatusOf(kStatusNoEdge), dummystatus_free);
}

TEST(SetterType, FoldDependentStatusesShowAsAPositiveBreak) {
    for (int s : {kStatusSlopeBreak, kStatusNearFlatHorizontal, kStatusNearFlatSloped}) {
        EXPECT_TRUE(IsFoldDependent(s)) << s;
        EXPECT_EQ(DummyStatusOf(int16_t(s)), dummystatus_dome) << s;
    }
}

TEST(SetterType, AStoredShedTopWithoutTilesShowsAsFreeThoughTheRooferNamesIt) {
    EXPECT_EQ(DummyStatusOf(kStatusShedTopNoTiles), dummystatus_free);
    EXPECT_EQ(RooferTypeOf(kStatusShedTopNoTiles, kFoldUnknown), dummystatus_shed_without_tiles);
}

TEST(SetterType, EveryCodeAgreesWithTheRoofersTypeWithoutAFold) {
    for (int s = kFirstCode; s <= kLastCode; ++s) {
        if (s == kStatusShedTopNoTiles) continue;  // the one exception, above
        EXPECT_EQ(DummyStatusOf(int16_t(s)), RooferTypeOf(s, kFoldUnknown)) << s;
    }
}

TEST(SetterType, WallAndHoleBlocksAreExactlyTheirPredicates) {
    std::set<int> walls, holes;
    for (int s = kFirstCode; s <= kLastCode; ++s) {
        const int16_t type = DummyStatusOf(int16_t(s));
        if (type == dummystatus_wall) walls.insert(s);
        if (type == dummystatus_skylight) holes.insert(s);
        EXPECT_EQ(type == dummystatus_wall, IsWallJunction(s)) << s;
        EXPECT_EQ(type == dummystatus_skylight, IsHoleEdge(s)) << s;
    }
    // Two written blocks and two accepted blocks of four statuses each; six hole statuses.
    EXPECT_EQ(walls.size(), 16u);
    EXPECT_EQ(holes.size(), 6u);
    for (int s : {kStatusWallEave, kStatusWallTop, kStatusWallVerge, kStatusWallVergeSide, kStatusWallHoleLower,
                  kStatusWallHoleUpper, kStatusWallHoleSloped, kStatusWallHoleSlopedSide})
        EXPECT_EQ(walls.count(s), 1u) << s;
}

TEST(SetterType, EveryShownTypeIsOneOfTheSettersTypes) {
    std::set<int> shown;
    for (int s = kFirstCode; s <= kLastCode; ++s) {
        const int type = DummyStatusOf(int16_t(s));
        EXPECT_GE(type, 1) << s;
        EXPECT_LE(type, kRooferTypeCount) << s;
        shown.insert(type);
    }
    // Types only a user's choice or a fold gives never come from a stored status alone.
    for (int never : {dummystatus_ridge_without_tiles, dummystatus_shed_without_tiles, dummystatus_hip_without_tiles,
                      dummystatus_hollow})
        EXPECT_EQ(shown.count(never), 0u) << never;
}

TEST(RidgeTileStatuses, OnlyTheShedTopIsAPlanesOwnEdge) {
    int carrying = 0;
    for (int s = kFirstCode; s <= kLastCode; ++s) {
        if (!CarriesRidgeTiles(s)) continue;
        ++carrying;
        // A ridge object on a shared edge serves the twin edge of the other plane too.
        EXPECT_EQ(IsSharedStatus(s), s != kStatusShedTop) << s;
        EXPECT_NE(GroupOf(s, kFoldUnknown), kGroupOther) << s;
    }
    EXPECT_EQ(carrying, 3);
}

}  // namespace
