// Purpose: tests of the accessory table: reading it from a tile surface's parameters, writing it
// back (including the stored empty form), the text lists and the compaction of kept rows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/AddOnFixture.h"
#include "accessories/AccessoryTable.h"
#include "accessories/RebuildAccessories.h"
#include "host/ParamLists.h"

namespace {

host::ParamValue Real(const std::string& name, double v) {
    host::ParamValue p;
    p.name = name;
    p.type = APIParT_RealNum;
    p.numbers = {v};
    return p;
}
host::ParamValue Text(const std::string& name, const std::u16string& t) {
    host::ParamValue p;
    p.name = name;
    p.type = APIParT_CString;
    p.texts = {t};
    return p;
}
host::ParamValue RealArray(const std::string& name, int rows, int cols, std::vector<double> v) {
    host::ParamValue p = Real(name, 0);
    p.isArray = true;
    p.dim1 = rows;
    p.dim2 = cols;
    p.numbers = std::move(v);
    return p;
}
host::ParamValue TextArray(const std::string& name, std::vector<std::u16string> t) {
    host::ParamValue p = Text(name, u"");
    p.isArray = true;
    p.dim1 = int32_t(t.size());
    p.dim2 = 1;
    p.texts = std::move(t);
    return p;
}

class AccessoryTableTest : public ::testing::Test {
protected:
    void SetUp() override { tevaro_test::InstallHostOnly(); }
    void TearDown() override { host::KillParamsHandle(&handle_); }

    // A tile surface's list with two accessories stored, other parameters around them.
    void StoreTwoRows() {
        params_ = {Real("A", 1),
                   Text("fam", u"NAGYA"),
                   Real("alpha", 0.6),
                   Real("num_acc", 2),
                   RealArray("acces", 2, 6, {1, 0.5, 1.5, 0, 0, 0, 2, -1, 2, 3.4, 2, 2}),
                   TextArray("cod_acc", {u"ANTK", u"SZELL"}),
                   TextArray("mat_acc", {u"VOR", u"BAR"}),
                   Real("keep_me", 7.5)};
        handle_ = host::ParamsToHandle(params_);
    }

    std::vector<host::ParamValue> WrittenBack() { return host::ParamsFromHandle(handle_); }
    static const host::ParamValue& Named(const std::vector<host::ParamValue>& list, const char* name) {
        const host::ParamValue* p = host::FindParam(list, name);
        EXPECT_NE(p, nullptr) << name;
        static host::ParamValue none;
        return p != nullptr ? *p : none;
    }

    std::vector<host::ParamValue> params_;
    API_AddParType** handle_ = nullptr;
    AccessoryTable table_{};
    TileSurfaceAccessoryInfo info_{};
};

TEST_F(AccessoryTableTest, ReadsRowsCodesColoursFamilyAndSlope) {
    StoreTwoRows();
    ReadAccessoryParams(handle_, int32_t(params_.size()), table_, info_);
    EXPECT_STREQ(info_.fam, "NAGYA");
    EXPECT_DOUBLE_EQ(info_.alpha, 0.6);
    ASSERT_EQ(table_.count, 2);
    EXPECT_EQ(table_.rows[0].kind, 1);
    EXPECT_DOUBLE_EQ(table_.rows[1].startX, -1);
    EXPECT_DOUBLE_EQ(table_.rows[1].endX, 3.4);
    EXPECT_DOUBLE_EQ(table_.rows[1].everyNthTile, 2);
    EXPECT_STREQ(AccessoryListText(table_.codes, sizeof table_.codes, 1), "SZELL");
    EXPECT_STREQ(AccessoryListText(table_.colours, sizeof table_.colours, 0), "VOR");
    EXPECT_STREQ(AccessoryListText(table_.codes, sizeof table_.codes, 2), "");  // beyond m: empty
}

TEST_F(AccessoryTableTest, OnlyTheFirstWalkCountParametersAreRead) {
    StoreTwoRows();
    ReadAccessoryParams(handle_, 4, table_, info_);  // up to "num_acc": no rows, no codes
    EXPECT_EQ(table_.count, 2);
    EXPECT_EQ(table_.rows[0].kind, 0);
    EXPECT_STREQ(table_.codes, "");
    // A walk longer than the list stops at its end.
    ReadAccessoryParams(handle_, 500, table_, info_);
    EXPECT_EQ(table_.count, 2);
}

TEST_F(AccessoryTableTest, AStoredCountIsKeptWithinTheTable) {
    params_ = {Real("num_acc", 250), Real("alpha", 0)};
    handle_ = host::ParamsToHandle(params_);
    ReadAccessoryParams(handle_, 2, table_, info_);
    EXPECT_EQ(table_.count, kMaxAccessoryRows);
    host::KillParamsHandle(&handle_);
    params_ = {Real("num_acc", -3)};
    handle_ = host::ParamsToHandle(params_);
    ReadAccessoryParams(handle_, 1, table_, info_);
    EXPECT_EQ(table_.count, 0);
}

TEST_F(AccessoryTableTest, AtMost600RowValuesAreRead) {
    std::vector<double> values(101 * 6, 9.0);
    params_ = {RealArray("acces", 101, 6, values)};
    handle_ = host::ParamsToHandle(params_);
    ReadAccessoryParams(handle_, 1, table_, info_);
    EXPECT_EQ(table_.rows[99].everyNthTile, 9.0);  // slot 100 filled, nothing written past it
}

TEST_F(AccessoryTableTest, WriteBackGivesExplicitDimensionsAndLeavesOtherParametersAlone) {
    StoreTwoRows();
    ReadAccessoryParams(handle_, int32_t(params_.size()), table_, info_);
    table_.rows[2] = AccessoryRow{2, 0.1, 0.2, 1.9, 0.2, 2};
    AppendAccessoryListText(table_.codes, sizeof table_.codes, 2, "NTART");
    AppendAccessoryListText(table_.colours, sizeof table_.colours, 2, "HORG");
    table_.count = 3;
    ASSERT_TRUE(WriteAccessoryParams(handle_, int32_t(params_.size()), table_));

    const auto list = WrittenBack();
    EXPECT_EQ(Named(list, "num_acc").numbers.at(0), 3);
    const host::ParamValue& rows = Named(list, "acces");
    EXPECT_EQ(rows.dim1, 3);
    EXPECT_EQ(rows.dim2, 6);
    ASSERT_EQ(rows.numbers.size(), 18u);
    EXPECT_DOUBLE_EQ(rows.numbers[6 + 3], 3.4);    // row 2's end
    EXPECT_DOUBLE_EQ(rows.numbers[12 + 3], 1.9);   // the new row
    const host::ParamValue& codes = Named(list, "cod_acc");
    EXPECT_EQ(codes.dim1, 3);
    EXPECT_EQ(codes.dim2, 1);
    EXPECT_EQ(codes.texts, (std::vector<std::u16string>{u"ANTK", u"SZELL", u"NTART"}));
    EXPECT_EQ(Named(list, "mat_acc").texts, (std::vector<std::u16string>{u"VOR", u"BAR", u"HORG"}));
    EXPECT_EQ(Named(list, "keep_me").numbers.at(0), 7.5);
    EXPECT_EQ(Named(list, "fam").texts.at(0), u"NAGYA");
}

TEST_F(AccessoryTableTest, AnEmptyTableIsStoredAsOneRowOfZerosAndOneEmptyText) {
    StoreTwoRows();
    ReadAccessoryParams(handle_, int32_t(params_.size()), table_, info_);
    const int32_t noneKept[kMaxAccessoryRows] = {};
    RebuildAccessories(table_, noneKept);
    ASSERT_TRUE(WriteAccessoryParams(handle_, int32_t(params_.size()), table_));
    const auto list = WrittenBack();
    EXPECT_EQ(Named(list, "num_acc").numbers.at(0), 0);
    const host::ParamValue& rows = Named(list, "acces");
    EXPECT_EQ(rows.dim1, 1);
    EXPECT_EQ(rows.dim2, 6);
    EXPECT_EQ(rows.numbers, std::vector<double>(6, 0.0));
    for (const char* name : {"cod_acc", "mat_acc"}) {
        EXPECT_EQ(Named(list, name).dim1, 1) << name;
        EXPECT_EQ(Named(list, name).dim2, 1) << name;
        EXPECT_EQ(Named(list, name).texts, std::vector<std::u16string>{u""}) << name;
    }
}

TEST(AccessoryListText, AppendingAtATextNumberReplacesWhatFollows) {
    char list[16] = {};
    ASSERT_TRUE(AppendAccessoryListText(list, sizeof list, 0, "AB"));
    ASSERT_TRUE(AppendAccessoryListText(list, sizeof list, 1, "CDE"));
    ASSERT_TRUE(AppendAccessoryListText(list, sizeof list, 2, ""));  // an empty text is a text too
    ASSERT_TRUE(AppendAccessoryListText(list, sizeof list, 3, "F"));
    EXPECT_STREQ(AccessoryListText(list, sizeof list, 1), "CDE");
    EXPECT_STREQ(AccessoryListText(list, sizeof list, 2), "");
    EXPECT_STREQ(AccessoryListText(list, sizeof list, 3), "F");
    ASSERT_TRUE(AppendAccessoryListText(list, sizeof list, 1, "X"));
    EXPECT_STREQ(AccessoryListText(list, sizeof list, 1), "X");
    EXPECT_STREQ(AccessoryListText(list, sizeof list, 2), "");  // the old texts behind it are gone
    EXPECT_STREQ(AccessoryListText(list, sizeof list, 3), "");
}

TEST(AccessoryListText, AFullBufferCutsTheTextAndNeverOverruns) {
    char list[8] = {};
    ASSERT_TRUE(AppendAccessoryListText(list, sizeof list, 0, "ABCDEF"));  // 7 bytes used
    ASSERT_TRUE(AppendAccessoryListText(list, sizeof list, 1, "G"));       // only its terminator fits
    EXPECT_STREQ(AccessoryListText(list, sizeof list, 1), "");
    EXPECT_FALSE(AppendAccessoryListText(list, sizeof list, 2, "H"));      // not even that
    EXPECT_STREQ(AccessoryListText(list, sizeof list, 2), "");
    EXPECT_EQ(list[7], '\0');
    char small[4] = {};
    ASSERT_TRUE(AppendAccessoryListText(small, sizeof small, 0, "LONGER"));
    EXPECT_STREQ(small, "LON");
}

// Three rows with their codes and colours, for the compaction tests.
AccessoryTable ThreeRows() {
    AccessoryTable t{};
    const char* codes[] = {"ANTK", "SZELL", "NE300"};
    const char* colours[] = {"VOR", "BAR", "FEK"};
    for (int k = 0; k < 3; ++k) {
        t.rows[k] = AccessoryRow{double(k % 2 + 1), 1.0 + k, 2.0 + k, 3.0 + k, 2.0 + k, double(k)};
        AppendAccessoryListText(t.codes, sizeof t.codes, k, codes[k]);
        AppendAccessoryListText(t.colours, sizeof t.colours, k, colours[k]);
    }
    t.count = 3;
    return t;
}

TEST(RebuildAccessories, RemovingTheSecondOfThreeKeepsCodesAndColoursAligned) {
    AccessoryTable t = ThreeRows();
    int32_t keep[kMaxAccessoryRows] = {1, 0, 1};
    RebuildAccessories(t, keep);
    ASSERT_EQ(t.count, 2);
    EXPECT_DOUBLE_EQ(t.rows[0].startX, 1.0);
    EXPECT_DOUBLE_EQ(t.rows[1].startX, 3.0);  // the old third row moved up
    EXPECT_STREQ(AccessoryListText(t.codes, sizeof t.codes, 1), "NE300");
    EXPECT_STREQ(AccessoryListText(t.colours, sizeof t.colours, 1), "FEK");
    EXPECT_STREQ(AccessoryListText(t.codes, sizeof t.codes, 2), "");
    EXPECT_EQ(t.rows[2].startX, 0);  // freed slots are zero
}

TEST(RebuildAccessories, KeepingEverythingChangesNothingAndRemovingAllEmptiesTheTable) {
    AccessoryTable t = ThreeRows();
    const AccessoryTable before = t;
    int32_t keepAll[kMaxAccessoryRows] = {1, 1, 1};
    RebuildAccessories(t, keepAll);
    EXPECT_EQ(std::memcmp(&t, &before, sizeof t), 0);

    int32_t keepNone[kMaxAccessoryRows] = {};
    RebuildAccessories(t, keepNone);
    EXPECT_EQ(t.count, 0);
    EXPECT_STREQ(t.codes, "");
    EXPECT_EQ(t.rows[0].kind, 0);
}

TEST(RebuildAccessories, AStrayFlagPastTheRowsAddsNoEmptyRow) {
    AccessoryTable t = ThreeRows();
    int32_t keep[kMaxAccessoryRows] = {0, 1, 0};
    keep[57] = 1;
    RebuildAccessories(t, keep);
    ASSERT_EQ(t.count, 1);
    EXPECT_STREQ(t.codes, "SZELL");
    EXPECT_STREQ(t.colours, "BAR");
}

}  // namespace
