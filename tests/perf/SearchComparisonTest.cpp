// Purpose: the indexed neighbour searches give the tiling run exactly the result of comparing
// every pair, on random estates of detached and terraced houses; and the plan grid itself.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "common/EstateGenerator.h"
#include "common/EstateRun.h"
#include "roofgeom/EdgeIndex.h"

namespace {

constexpr int kRandomEstates = 60;

// Tiles the estate once with the given search and returns the pictures of the run.
tevaro_test::EstateRunResult TileWith(const std::string& model, bool allPairs) {
    gAllPairsEdgeSearch = allPairs;
    std::string error;
    tevaro_test::EstateRunResult r;
    if (!tevaro_test::StartEstateSession(model, error)) {
        r.error = error;
        gAllPairsEdgeSearch = false;
        return r;
    }
    r = tevaro_test::TileEstate(true);
    tevaro_test::EndEstateSession();
    gAllPairsEdgeSearch = false;
    return r;
}

// Number of distinct plane groups in a plane picture ("plane N group G ...").
size_t GroupCount(const std::string& planes) {
    std::set<std::string> groups;
    for (size_t at = planes.find(" group "); at != std::string::npos; at = planes.find(" group ", at + 1))
        groups.insert(planes.substr(at + 7, planes.find(' ', at + 7) - at - 7));
    return groups.size();
}

TEST(SearchComparison, RandomEstatesTileAlikeWithTheIndexAndWithAllPairs) {
    std::mt19937 rng(20261208);
    for (int e = 0; e < kRandomEstates; ++e) {
        tevaro_test::EstateOptions options;
        options.seed = rng() | 1u;
        options.houses = 1 + int(rng() % 9);
        options.terraced = e % 2 == 1;
        options.spacing = options.terraced ? 25.0 : 18.0 + double(rng() % 10);
        const std::string model = tevaro_test::EstateModel(options);
        SCOPED_TRACE("estate " + std::to_string(e) + " seed " + std::to_string(options.seed) + " houses " +
                     std::to_string(options.houses) + (options.terraced ? " terraced" : " detached"));
        const tevaro_test::EstateRunResult all = TileWith(model, true);
        const tevaro_test::EstateRunResult indexed = TileWith(model, false);
        ASSERT_TRUE(all.ok) << all.error;
        ASSERT_TRUE(indexed.ok) << indexed.error;
        ASSERT_GT(all.planeCount, 0u);
        EXPECT_EQ(indexed.planes, all.planes);
        EXPECT_EQ(indexed.setters, all.setters);
        EXPECT_EQ(indexed.finalModel, all.finalModel);
    }
}

TEST(SearchComparison, TerracedRoofsJoinOneGroupPerRowAndGetTheirNeighboursPoints) {
    // Two rows of three gables side by side: the verges meet, so each row is one plane group,
    // and the shallower roof's verge end lies inside its deeper neighbour's verge.
    tevaro_test::EstateOptions options;
    options.seed = 7;
    options.houses = 6;
    options.terraced = true;
    const std::string model = tevaro_test::EstateModel(options);
    const tevaro_test::EstateRunResult all = TileWith(model, true);
    const tevaro_test::EstateRunResult indexed = TileWith(model, false);
    ASSERT_TRUE(indexed.ok) << indexed.error;
    EXPECT_EQ(GroupCount(indexed.planes), 2u);
    EXPECT_EQ(indexed.planes, all.planes);
    EXPECT_EQ(indexed.finalModel, all.finalModel);
}

TEST(EdgeGridTest, QueryFindsEveryItemWhoseBoxMeetsAndEachOnceInOrder) {
    EdgeGrid grid;
    EdgeGridReset(grid, PlanBox{0, 0, 100, 100}, 100, 5);
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> at(-10, 110), size(0, 20);
    std::vector<PlanBox> boxes;
    for (uint32_t i = 0; i < 100; ++i) {
        const double x = at(rng), y = at(rng);
        boxes.push_back(PlanBox{x, y, x + size(rng), y + size(rng)});
        EdgeGridAdd(grid, i, boxes.back(), 0.0);
    }
    std::vector<uint32_t> found;
    for (int q = 0; q < 200; ++q) {
        const double x = at(rng), y = at(rng);
        const PlanBox query{x, y, x + size(rng), y + size(rng)};
        EdgeGridQuery(grid, query, 0.5, found);
        EXPECT_TRUE(std::is_sorted(found.begin(), found.end()));
        EXPECT_EQ(std::set<uint32_t>(found.begin(), found.end()).size(), found.size());
        for (uint32_t i = 0; i < boxes.size(); ++i) {
            // The boxes overlap once the query is grown by its margin.
            const bool meets = boxes[i].minX <= query.maxX + 0.5 && boxes[i].maxX >= query.minX - 0.5 &&
                               boxes[i].minY <= query.maxY + 0.5 && boxes[i].maxY >= query.minY - 0.5;
            if (meets) EXPECT_TRUE(std::binary_search(found.begin(), found.end(), i)) << "item " << i;
        }
    }
}

TEST(EdgeGridTest, ItemsOutsideTheBoundsStillMeetQueriesNearThem) {
    EdgeGrid grid;
    EdgeGridReset(grid, PlanBox{0, 0, 10, 10}, 2, 1);
    EdgeGridAdd(grid, 0, PlanBox{-50, -50, -49, -49}, 0);
    EdgeGridAdd(grid, 1, PlanBox{5, 5, 6, 6}, 0);
    std::vector<uint32_t> found;
    EdgeGridQuery(grid, PlanBox{-49.5, -49.5, -49.4, -49.4}, 0, found);
    EXPECT_NE(std::find(found.begin(), found.end(), 0u), found.end());
}

}  // namespace
