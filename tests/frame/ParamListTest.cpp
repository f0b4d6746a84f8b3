// Purpose: tests of the one parameter-list accessor: names match as the host matches them (whole,
// case-sensitive), and no walk passes the list's end or the count the caller allows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Common_src/Api_related/ParamList.h"
#include "common/AddOnFixture.h"
#include "edges/SetterParams.h"
#include "host/ParamLists.h"

namespace {

host::ParamValue Real(const std::string& name, double v) {
    host::ParamValue p;
    p.name = name;
    p.numbers = {v};
    return p;
}

class ParamListTest : public ::testing::Test {
protected:
    void SetUp() override { tevaro_test::InstallHostOnly(); }
    void TearDown() override { host::KillParamsHandle(&params_); }

    void Store(const std::vector<host::ParamValue>& values) { params_ = host::ParamsToHandle(values); }

    API_AddParType** params_ = nullptr;
};

TEST_F(ParamListTest, NamesMatchWholeAndCaseSensitive) {
    API_AddParType rec{};
    std::strcpy(rec.name, "edgeCoords");
    EXPECT_TRUE(ParamNameIs(rec, "edgeCoords"));
    EXPECT_FALSE(ParamNameIs(rec, "edgecoords")) << "case counts";
    EXPECT_FALSE(ParamNameIs(rec, "edge")) << "a prefix of the name is another name";
    EXPECT_FALSE(ParamNameIs(rec, "edgeCoordsX")) << "a longer name is another name";
    EXPECT_FALSE(ParamNameIs(rec, ""));
}

TEST_F(ParamListTest, TheLongestNamesMatchAsTheHostReadsThem) {
    API_AddParType rec{};
    const std::string longest(API_NameLen - 1, 'n');  // the longest name with its terminator
    std::memcpy(rec.name, longest.c_str(), longest.size() + 1);
    EXPECT_TRUE(ParamNameIs(rec, longest.c_str()));
    EXPECT_FALSE(ParamNameIs(rec, (longest + "n").c_str())) << "a name one longer than the field holds";

    // A record whose name fills its whole field, unterminated: the host reads all of it.
    const std::string full(API_NameLen, 'f');
    std::memcpy(rec.name, full.data(), API_NameLen);
    EXPECT_TRUE(ParamNameIs(rec, full.c_str()));
    EXPECT_FALSE(ParamNameIs(rec, (full + "f").c_str()));
    EXPECT_FALSE(ParamNameIs(rec, full.substr(0, API_NameLen - 1).c_str()));
}

TEST_F(ParamListTest, TheAccessorAgreesWithTheHostsOwnLookUp) {
    const std::vector<host::ParamValue> values = {Real("A", 1), Real("nodes", 2), Real("Nodes", 3), Real("stat", 4)};
    Store(values);
    for (const char* name : {"A", "nodes", "Nodes", "stat", "node", "STAT", "missing"}) {
        const host::ParamValue* expected = host::FindParam(values, name);
        const API_AddParType* found = FindParam(params_, name);
        ASSERT_EQ(found != nullptr, expected != nullptr) << name;
        if (found != nullptr) EXPECT_EQ(found->real, expected->numbers[0]) << name;
    }
}

TEST_F(ParamListTest, WalksStopAtTheCountAllowedAndAtTheListsEnd) {
    Store({Real("A", 1), Real("B", 2), Real("C", 3)});
    EXPECT_EQ(ParamListCount(params_), 3);
    EXPECT_EQ(ParamListCount(nullptr), 0);
    EXPECT_EQ(ParamWalkLength(params_, 2), 2);
    EXPECT_EQ(ParamWalkLength(params_, 50), 3) << "never past the list's end";
    EXPECT_EQ(ParamWalkLength(params_, 0), 0);
    EXPECT_EQ(ParamWalkLength(params_, -4), 0);
    EXPECT_EQ(ParamWalkLength(nullptr, 5), 0);

    EXPECT_NE(FindParam(params_, "C"), nullptr);
    EXPECT_EQ(FindParam(params_, "C", 2), nullptr) << "C lies past the walk";
    EXPECT_NE(FindParam(params_, "B", 2), nullptr);
    EXPECT_EQ(FindParam(nullptr, "A"), nullptr);
}

TEST_F(ParamListTest, TheFirstOfTwoEqualNamesIsFound) {
    Store({Real("dup", 1), Real("dup", 2)});
    const API_AddParType* found = FindParam(params_, "dup");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->real, 1);
}

TEST_F(ParamListTest, TheEdgeSettersReadersUseTheSameRule) {
    Store({Real("nEdges", 4), Real("nedges", 9)});
    EXPECT_EQ(SetterParamValue(params_, "nEdges", -1), 4);
    EXPECT_EQ(SetterParamValue(params_, "nedges", -1), 9);
    EXPECT_EQ(SetterParamValue(params_, "nEdge", -1), -1) << "a prefix finds nothing";
    EXPECT_TRUE(SetSetterParamValue(params_, "nEdges", 5));
    EXPECT_EQ(FindParam(params_, "nEdges")->real, 5);
    EXPECT_EQ(FindParam(params_, "nedges")->real, 9) << "the other name is untouched";
}

}  // namespace
