// Purpose: message lookup, alerts, report and trace lines as the user sees them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Common_src/Messages.h"
#include "common/AddOnFixture.h"

namespace {

using tevaro_test::InstallHostOnly;

class MessagesTest : public ::testing::Test {
protected:
    void SetUp() override { InstallHostOnly(); }
};

TEST_F(MessagesTest, RowsAreByteIdenticalToTheTable) {
    EXPECT_STREQ(GetMessage(2), "Tevaro hiba");
    EXPECT_STREQ(GetMessage(27), "Ridge: error in ACAPI_LibPart_Search\r\n(Is TevaroTmp.lib OK?)\r\n");
    EXPECT_STREQ(GetMessage(72),
                 "A kijelölt tetök közül a(z) \"%s\" egyedi ID-val rendelkezö elem síkja nem megfelelö.");
    EXPECT_STREQ(GetMessage(76), "Az élbeállító elemek száma vagy pozíciója megváltozott,\r\nezért nem lehet cserepezni!");
    EXPECT_STREQ(GetMessage(91), "A kiválasztatott tetőfelületen lévő cserép típusa hiányzik az adatbázisból!");
    // The longest row still fits its 255-byte buffer whole.
    EXPECT_EQ(std::string(GetMessage(92)).substr(0, 6), "Kérem");
    EXPECT_LT(std::strlen(GetMessage(92)), 255u);
}

TEST_F(MessagesTest, EleventhLookupOverwritesTheFirst) {
    const char* first = GetMessage(19);
    const std::string firstText = first;
    const char* last = nullptr;
    for (int i = 0; i < 10; ++i) last = GetMessage(51 + i);
    EXPECT_EQ(first, last);
    EXPECT_NE(firstText, std::string(first));
    EXPECT_STREQ(first, "[Vapa szin]");  // row 60, the eleventh text asked for
}

TEST_F(MessagesTest, MissingRowGivesTheResourceErrorLine) {
    const std::string text = GetMessage(93);
    EXPECT_EQ(text.rfind("Error getting resource string: resInd:130, strInd:93 (retI:", 0), 0u) << text;
}

TEST_F(MessagesTest, ErrorAlertShowsHostAndSystemForms) {
    ErrorAlert("LoadAddOnLibrary", 0);
    ASSERT_EQ(host::gSession.alerts.size(), 1u);
    const host::Alert& hostForm = host::gSession.alerts.back();
    EXPECT_EQ(hostForm.title, "Tevaro hiba");
    EXPECT_EQ(hostForm.largeText, "\nLoadAddOnLibrary: 0 ???");
    EXPECT_EQ(hostForm.smallText, "");
    EXPECT_EQ(hostForm.buttons[0], "OK");
    EXPECT_EQ(hostForm.buttons[1], "");

    ErrorAlert("Ridge", APIERR_BADPLANE);
    EXPECT_EQ(host::gSession.alerts.back().largeText, "\nRidge: -2130313106 APIERR_BADPLANE");

    ErrorAlert("Catalogue", 2);
    const std::string systemForm = host::gSession.alerts.back().largeText;
    EXPECT_EQ(systemForm.rfind("Catalogue: 2 Operating system error: ", 0), 0u) << systemForm;
    EXPECT_EQ(systemForm.back(), '\n');
}

TEST_F(MessagesTest, ErrorNamesFollowTheTableOnly) {
    EXPECT_STREQ(ApiErrorName(APIERR_BADPLANE), "APIERR_BADPLANE");
    EXPECT_STREQ(ApiErrorName(static_cast<GSErrCode>(0x8106006Du)), "???");
    EXPECT_STREQ(ApiErrorName(APIERR_REFUSEDPAR), "APIERR_REFUSEDPAR");
    EXPECT_STREQ(ApiErrorName(APIERR_LIBPARTMISSING), "???");
}

TEST_F(MessagesTest, ReportsAndTracesReachTheirWindows) {
    ReportMessage(GetMessage(19));
    ASSERT_EQ(host::gSession.reportLines.size(), 1u);
    EXPECT_TRUE(host::gSession.reportLines[0].withDialog);
    EXPECT_EQ(host::gSession.reportLines[0].text, "A müvelethez tetöt kell kiválasztani!");

    ReportTrace("Growing polygon:3 by one record");
    EXPECT_FALSE(host::gSession.reportLines.back().withDialog);
    EXPECT_EQ(host::gSession.debugLines.back(), "Growing polygon:3 by one record\n");

    ReportTrace(nullptr);
    EXPECT_EQ(host::gSession.reportLines.back().text, "(MESSAGE IS NULL)");
    EXPECT_EQ(host::gSession.debugLines.back(), "(MESSAGE IS NULL\n)");
}

}  // namespace
