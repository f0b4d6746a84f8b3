// Purpose: tests of the handshake on the host's function table: a table cut short or without a
// version is refused with both sizes and versions named and the add-on does not start; an older
// table that lacks the appended entries loads, and those entries are then never called.
#include <gtest/gtest.h>

#include <string>

#include "Common_src/AddOnEntry.h"
#include "Common_src/CommandDispatch.h"
#include "Common_src/Api_related/HostTableCheck.h"
#include "Common_src/ResourceIds.h"
#include "common/AddOnFixture.h"
#include "host/AddOnLoader.h"
#include "host/Host.h"
#include "host/HostApi.h"

namespace {

constexpr uint32_t kPointerBytes = sizeof(void*);

// How often the add-on called one host operation since the host was reset.
uint64_t OperationCount(const std::string& op) {
    const auto& counts = host::HostOperationCounts();
    const auto it = counts.find(op);
    return it == counts.end() ? 0 : it->second;
}

// The add-on's refusal text up to its first number.
std::string RefusalTextStart() {
    std::string text;
    EXPECT_TRUE(host::ResourceString(kUserTextsResId, kTextHostTableRefused, text));
    return text.substr(0, text.find('%'));
}

// True when a report-window line holds every one of these texts.
bool SomeReportHolds(std::initializer_list<std::string> parts) {
    for (const host::ReportLine& line : host::gSession.reportLines) {
        bool all = true;
        for (const std::string& p : parts) all = all && line.text.find(p) != std::string::npos;
        if (all) return true;
    }
    return false;
}

class HostTableHandshake : public ::testing::Test {
protected:
    void SetUp() override {
        host::ResetSession();
        host::ResetHostOperationCounts();
        host::gSession.shellLaunch = false;
    }
    void TearDown() override {
        host::UnloadAddOn(addOn);
        host::SetOfferedTableForm({});
    }
    // Starts the linked add-on with the host offering a table of this size and version.
    bool Load(uint32_t size, uint32_t version) {
        host::SetOfferedTableForm({true, size, version});
        return host::LoadAddOnInProcess(GetExportedFuncAddrs, SetImportedFuncAddrs, GetAddOnResourceFork,
                                        tevaro_test::BuildPath("Tevaro_21_x64_hun.so"), addOn, error);
    }
    host::LoadedAddOn addOn;
    std::string error;
};

// ---- Refused tables ---------------------------------------------------------------------------

struct RefusedCase {
    const char* name;
    uint32_t size;
    uint32_t version;
    bool reportReachable;  // the cut table still holds the string lookup and the report window
};

// The case's name in test listings.
void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class RefusedTable : public HostTableHandshake, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedTable, AddOnDoesNotStartAndBothNumbersAreNamed) {
    const RefusedCase& c = GetParam();
    EXPECT_FALSE(Load(c.size, c.version));
    EXPECT_FALSE(addOn.running);
    EXPECT_FALSE(gHostTableReceived);
    // The loader's error names the table the host offered.
    EXPECT_NE(error.find(std::to_string(c.size) + " bytes"), std::string::npos) << error;
    EXPECT_NE(error.find("version " + std::to_string(c.version)), std::string::npos) << error;
    // Nothing of the add-on ran: no menu, no library, no entry point past the handshake.
    EXPECT_TRUE(host::gSession.menus.empty());
    EXPECT_EQ(OperationCount("Register_Menu"), 0u);
    EXPECT_EQ(OperationCount("Register_BuiltInLibrary"), 0u);
    if (c.reportReachable) {
        // The user reads what the host has and what the add-on needs, in the add-on's own words.
        EXPECT_TRUE(SomeReportHolds({std::to_string(c.size), std::to_string(kHostTableVersion1Size)}));
        EXPECT_TRUE(SomeReportHolds({RefusalTextStart()}));
    } else {
        EXPECT_TRUE(host::gSession.reportLines.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Handshake, RefusedTable,
    ::testing::Values(
        // The last entry of the first block is missing.
        RefusedCase{"LastFirstBlockEntryMissing", kHostTableVersion1Size - kPointerBytes, kHostTableVersion1, true},
        // Only the size and version words: not even the report window can be reached.
        RefusedCase{"HeaderOnly", 2 * sizeof(uint32_t), kHostTableVersion1, false},
        // A whole table that names no version of this contract.
        RefusedCase{"VersionZero", uint32_t(sizeof(HostFunctionTable)), 0, true}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

// ---- Accepted tables --------------------------------------------------------------------------

TEST_F(HostTableHandshake, OldTableWithoutAppendedEntriesLoadsAndNeverCallsThem) {
    ASSERT_TRUE(Load(kHostTableVersion1Size, kHostTableVersion1)) << error;
    EXPECT_TRUE(addOn.running);
    EXPECT_EQ(host::gSession.menus.size(), size_t(kMenuCommandCount));
    // The edge setter's scripts need a version 2 host: the add-on left them out.
    EXPECT_EQ(OperationCount("Register_LibPartScripts"), 0u);
    EXPECT_EQ(ACAPI_Register_LibPartScripts(kEdgeSetterMainId, nullptr), APIERR_NOTSUPPORTED);
    EXPECT_EQ(OperationCount("Register_LibPartScripts"), 0u);
    EXPECT_TRUE(host::gSession.reportLines.empty());
}

TEST_F(HostTableHandshake, VersionDecidesOverSizeForAnAppendedEntry) {
    // A host that fills the whole table but says version 1: the version 2 entry is not trusted.
    ASSERT_TRUE(Load(uint32_t(sizeof(HostFunctionTable)), kHostTableVersion1)) << error;
    EXPECT_EQ(OperationCount("Register_LibPartScripts"), 0u);
    EXPECT_FALSE(HostEntryAvailable(gHost.Register_LibPartScripts, kHostTableVersion2));
}

TEST_F(HostTableHandshake, CurrentTableLoadsWithEveryEntry) {
    host::SetOfferedTableForm({});
    ASSERT_TRUE(host::LoadAddOnInProcess(GetExportedFuncAddrs, SetImportedFuncAddrs, GetAddOnResourceFork,
                                         tevaro_test::BuildPath("Tevaro_21_x64_hun.so"), addOn, error))
        << error;
    EXPECT_EQ(gHost.version, kHostTableVersion);
    EXPECT_EQ(gHost.size, sizeof(HostFunctionTable));
    EXPECT_EQ(OperationCount("Register_LibPartScripts"), 1u);
    EXPECT_TRUE(HostEntryAvailable(gHost.Register_LibPartScripts, kHostTableVersion2));
}

TEST_F(HostTableHandshake, CutTableIsCopiedOnlyAsFarAsTheHostFilledIt) {
    HostFunctionTable full;
    host::FillFunctionTable(full);
    full.size = kHostTableVersion1Size;
    HostFunctionTable copy;
    CopyHostTable(full, copy);
    EXPECT_EQ(copy.UCRollDownSetText, full.UCRollDownSetText);  // the first block's last entry
    EXPECT_EQ(copy.Register_LibPartScripts, nullptr);           // past the host's size
    EXPECT_EQ(CheckHostTable(copy), HostTable_Usable);
    copy.size -= 1;
    EXPECT_EQ(CheckHostTable(copy), HostTable_TooShort);
}

TEST(HostTableDeliverable, BuiltDeliverableRefusesAShortTableToo) {
    host::ResetSession();
    host::SetOfferedTableForm({true, kHostTableVersion1Size - kPointerBytes, kHostTableVersion1});
    host::LoadedAddOn addOn;
    std::string error;
    EXPECT_FALSE(host::LoadAddOnFile(tevaro_test::BuildPath("Tevaro_19_x64_hun.so"), addOn, error));
    host::SetOfferedTableForm({});
    EXPECT_NE(error.find("refused"), std::string::npos) << error;
    EXPECT_TRUE(SomeReportHolds({std::to_string(kHostTableVersion1Size)}));
    EXPECT_EQ(addOn.library, nullptr);  // closed again
}

}  // namespace
