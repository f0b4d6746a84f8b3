// Purpose: tests of the edge-code mappings (status to edge type and back) and of the fold flag.
// Each status, type and kind is a case of its own, so one wrong mapping does not hide the others.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "polytopo/EdgeCodes.h"
#include "polytopo/EdgeFlagging.h"

namespace {

constexpr double kDeg = kPi / 180.0;

// ---- Status to the edge type an edge setter shows ---------------------------------------------

struct ShownType {
    int16_t status;
    int16_t type;
};

// Readable case names: "status_131".
std::string StatusCaseName(int16_t status) {
    return status < 0 ? "status_minus" + std::to_string(-status) : "status_" + std::to_string(status);
}

// Names a case by its status in test output.
void PrintTo(const ShownType& c, std::ostream* os) { *os << "status " << c.status; }

class StatusShowsAs : public ::testing::TestWithParam<ShownType> {};

TEST_P(StatusShowsAs, TheEdgeSetterType) { EXPECT_EQ(DummyStatusOf(GetParam().status), GetParam().type); }

// Statuses without a type of their own, and the codes just beside the known ranges, are
// free-standing; both wall blocks (the one the wall steps write and the one only accepted) are walls.
INSTANTIATE_TEST_SUITE_P(
    EdgeCodeMapping, StatusShowsAs,
    ::testing::Values(ShownType{kStatusUnclassified, dummystatus_free}, ShownType{kStatusNoEdge, dummystatus_free},
                      ShownType{kStatusShedTopNoTiles, dummystatus_free}, ShownType{0, dummystatus_free},
                      ShownType{50, dummystatus_free}, ShownType{57, dummystatus_free},
                      ShownType{143, dummystatus_free}, ShownType{443, dummystatus_free},
                      ShownType{kStatusWallVerge, dummystatus_wall},
                      ShownType{kStatusWallHoleSlopedSide, dummystatus_wall}, ShownType{331, dummystatus_wall},
                      ShownType{442, dummystatus_wall}, ShownType{kStatusEave, dummystatus_eaves},
                      ShownType{kStatusVerge, dummystatus_gable}, ShownType{kStatusFreeSloped, dummystatus_gable},
                      ShownType{kStatusValley, dummystatus_valley}, ShownType{kStatusSlopeBreak, dummystatus_dome},
                      ShownType{kStatusHoleSharedSloped, dummystatus_skylight}),
    [](const ::testing::TestParamInfo<ShownType>& info) { return StatusCaseName(info.param.status); });

// ---- Engine statuses survive the edge setter ----------------------------------------------------

struct EngineEdge {
    int16_t status, kind;
};

// Names a case by its status and kind in test output.
void PrintTo(const EngineEdge& e, std::ostream* os) { *os << "status " << e.status << ", kind " << e.kind; }

class EngineStatusRoundTrip : public ::testing::TestWithParam<EngineEdge> {};

// What the engine writes, shown on a setter and read back with the edge's kind, is what it wrote.
TEST_P(EngineStatusRoundTrip, ComesBackUnchanged) {
    const EngineEdge e = GetParam();
    EXPECT_EQ(EdgeStatusOf(DummyStatusOf(e.status), e.kind), e.status);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCodeMapping, EngineStatusRoundTrip,
    ::testing::Values(EngineEdge{kStatusEave, kKindFreeLower}, EngineEdge{kStatusRidge, kKindSharedConvexHorizontal},
                      EngineEdge{kStatusHip, kKindSharedConvexSloped},
                      EngineEdge{kStatusValley, kKindSharedConcaveSloped}, EngineEdge{kStatusVerge, kKindFreeFallLine},
                      EngineEdge{kStatusFreeSloped, kKindFreeSloped}, EngineEdge{kStatusShedTop, kKindFreeUpper},
                      EngineEdge{kStatusHoleLower, kKindHoleLower}, EngineEdge{kStatusHoleUpper, kKindHoleUpper},
                      EngineEdge{kStatusHoleSloped, kKindHoleSloped}),
    [](const ::testing::TestParamInfo<EngineEdge>& info) { return StatusCaseName(info.param.status); });

TEST(EdgeCodeMapping, AWallJunctionComesBackAsThePlainWallEave) {
    EXPECT_EQ(EdgeStatusOf(DummyStatusOf(kStatusWallVerge), kKindFreeFallLine), kStatusWallEave);
}

// ---- The user's choice of type, with the edge's kind, to a stored status -------------------------

struct Choice {
    const char* name;
    int16_t type, kind, status;
};

// Names a case in test output.
void PrintTo(const Choice& c, std::ostream* os) { *os << c.name; }

class ChosenTypeStoresAs : public ::testing::TestWithParam<Choice> {};

TEST_P(ChosenTypeStoresAs, TheStatus) {
    const Choice c = GetParam();
    EXPECT_EQ(EdgeStatusOf(c.type, c.kind), c.status);
}

// Without ridge tiles a ridge or hip is stored as a fold; a single-slope top keeps its own codes.
INSTANTIATE_TEST_SUITE_P(WithoutRidgeTiles, ChosenTypeStoresAs,
                         ::testing::Values(Choice{"RidgeWithoutTiles", dummystatus_ridge_without_tiles,
                                                  kKindSharedConvexHorizontal, kStatusNearFlatHorizontal},
                                           Choice{"HipWithoutTiles", dummystatus_hip_without_tiles,
                                                  kKindSharedConvexSloped, kStatusNearFlatSloped},
                                           Choice{"ShedTopWithoutTiles", dummystatus_shed_without_tiles, kKindFreeUpper,
                                                  kStatusShedTopNoTiles},
                                           Choice{"ShedTopWithTiles", dummystatus_shed_with_tiles, kKindFreeUpper,
                                                  kStatusShedTop}),
                         [](const ::testing::TestParamInfo<Choice>& info) { return std::string(info.param.name); });

// A break chosen by the user (positive or negative alike) on an edge of this kind, and the status stored.
struct BreakCase {
    const char* name;
    int16_t kind, status;
};

// Names a case in test output.
void PrintTo(const BreakCase& c, std::ostream* os) { *os << c.name; }

class BreakChosenOn : public ::testing::TestWithParam<BreakCase> {};

// A break is decided by the edge's kind: on a hole's edge it stays a shared hole edge, on a shared
// level edge a break, on a sloped or unknown edge a near-flat fold; dome and hollow alike.
TEST_P(BreakChosenOn, StoresTheStatusOfItsKind) {
    EXPECT_EQ(EdgeStatusOf(dummystatus_dome, GetParam().kind), GetParam().status);
    EXPECT_EQ(EdgeStatusOf(dummystatus_hollow, GetParam().kind), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(BreaksByKind, BreakChosenOn,
                         ::testing::Values(BreakCase{"HoleUpper", kKindHoleUpper, kStatusHoleSharedUpper},
                                           BreakCase{"HoleLower", kKindHoleLower, kStatusHoleSharedLower},
                                           BreakCase{"HoleSloped", kKindHoleSloped, kStatusHoleSharedSloped},
                                           BreakCase{"ConvexLevel", kKindSharedConvexHorizontal, kStatusSlopeBreak},
                                           BreakCase{"LevelBreak", kKindSharedBreakHorizontal,
                                                     kStatusNearFlatHorizontal},
                                           BreakCase{"ConvexSloped", kKindSharedConvexSloped, kStatusNearFlatSloped},
                                           BreakCase{"NoKind", kKindNone, kStatusNearFlatSloped}),
                         [](const ::testing::TestParamInfo<BreakCase>& info) { return std::string(info.param.name); });

// A skylight edge's status follows the edge's position in its contour.
INSTANTIATE_TEST_SUITE_P(
    SkylightByKind, ChosenTypeStoresAs,
    ::testing::Values(Choice{"OnFreeUpper", dummystatus_skylight, kKindFreeUpper, kStatusHoleUpper},
                      Choice{"OnHoleLower", dummystatus_skylight, kKindHoleLower, kStatusHoleLower},
                      Choice{"OnConvexSloped", dummystatus_skylight, kKindSharedConvexSloped, kStatusHoleSloped}),
    [](const ::testing::TestParamInfo<Choice>& info) { return std::string(info.param.name); });

// A gable is a verge on a fall line and a free sloped edge elsewhere; unknown types are unclassified.
INSTANTIATE_TEST_SUITE_P(
    GablesAndUnknownTypes, ChosenTypeStoresAs,
    ::testing::Values(Choice{"GableOnFallLine", dummystatus_gable, kKindFreeFallLine, kStatusVerge},
                      Choice{"GableOnFreeSloped", dummystatus_gable, kKindFreeSloped, kStatusFreeSloped},
                      Choice{"GableOnFreeLower", dummystatus_gable, kKindFreeLower, kStatusFreeSloped},
                      Choice{"FreeStanding", dummystatus_free, kKindFreeFallLine, kStatusUnclassified},
                      Choice{"TypeZero", 0, kKindFreeFallLine, kStatusUnclassified},
                      Choice{"TypeFifteen", 15, kKindFreeFallLine, kStatusUnclassified},
                      Choice{"NegativeType", -3, kKindFreeFallLine, kStatusUnclassified}),
    [](const ::testing::TestParamInfo<Choice>& info) { return std::string(info.param.name); });

// ---- A break on the outer eave or top ----------------------------------------------------------

struct OuterBreak {
    const char* name;
    int16_t type, kind;
};

// Names a case in test output.
void PrintTo(const OuterBreak& c, std::ostream* os) { *os << c.name; }

class BreakOnAnOuterEdge : public ::testing::TestWithParam<OuterBreak> {};

// The free top and eave edges of the outer contour: a break chosen there must not come back as a
// status of a hole's edge, and reads back as a break.
TEST_P(BreakOnAnOuterEdge, StaysABreakOfAnOuterEdge) {
    const int16_t status = EdgeStatusOf(GetParam().type, GetParam().kind);
    EXPECT_EQ(status, kStatusSlopeBreak);
    EXPECT_FALSE(DummyStatusOf(status) == dummystatus_skylight);
    EXPECT_EQ(DummyStatusOf(status), dummystatus_dome);
}

INSTANTIATE_TEST_SUITE_P(EdgeCodeMapping, BreakOnAnOuterEdge,
                         ::testing::Values(OuterBreak{"DomeOnTop", dummystatus_dome, kKindFreeUpper},
                                           OuterBreak{"DomeOnEave", dummystatus_dome, kKindFreeLower},
                                           OuterBreak{"HollowOnTop", dummystatus_hollow, kKindFreeUpper},
                                           OuterBreak{"HollowOnEave", dummystatus_hollow, kKindFreeLower}),
                         [](const ::testing::TestParamInfo<OuterBreak>& info) { return std::string(info.param.name); });

// ---- The fold flag between two planes -------------------------------------------------------

struct FoldCase {
    const char* name;
    double angle;
    uint32_t flag;
};

// Names a case in test output.
void PrintTo(const FoldCase& c, std::ostream* os) { *os << c.name; }

class FoldFlagOfAngle : public ::testing::TestWithParam<FoldCase> {};

TEST_P(FoldFlagOfAngle, IsTheExpectedFlag) { EXPECT_EQ(FoldFlagOf(GetParam().angle), GetParam().flag); }

// Flat and almost flat (within the window of 2.01 degrees either side) are 1 and 2; beyond it a
// convex fold is 3 and a concave one 4.
INSTANTIATE_TEST_SUITE_P(
    FoldFlag, FoldFlagOfAngle,
    ::testing::Values(FoldCase{"Flat", kPi, 1u}, FoldCase{"FlatWithinRounding", kPi + 0.005 * kDeg, 1u},
                      FoldCase{"ZeroIsFlat", 0.0, 1u}, FoldCase{"AlmostFlatConvex", kPi + 1.5 * kDeg, 2u},
                      FoldCase{"AlmostFlatAtTheWindowsEdge", kPi - 2.005 * kDeg, 2u},
                      FoldCase{"AlmostFlatNearZero", 1.0 * kDeg, 2u},
                      FoldCase{"ConvexJustBeyond", kPi + 2.02 * kDeg, 3u}, FoldCase{"ConvexSixty", kPi + 60 * kDeg, 3u},
                      FoldCase{"ConcaveJustBeyond", kPi - 2.02 * kDeg, 4u}, FoldCase{"ConcaveSixty", 60 * kDeg, 4u},
                      FoldCase{"ConcaveFive", 5 * kDeg, 4u}),
    [](const ::testing::TestParamInfo<FoldCase>& info) { return std::string(info.param.name); });

}  // namespace
