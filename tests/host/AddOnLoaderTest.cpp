// Purpose: tests of the add-on loader: the four built deliverables opened with dlopen (export
// record, start-up order, menus), and the in-process add-on run through the shared fixture.
#include <dlfcn.h>

#include "common/AddOnFixture.h"
#include "Common_src/ResourceIds.h"
#include "host/AddOnLoader.h"
#include "host/Host.h"
#include "host/Libraries.h"

#include <cstring>

namespace {

struct Deliverable {
    int version;
    uint32_t versionWord;
    uint32_t interfaceNumber;
};
const Deliverable kDeliverables[] = {
    {18, 0x00120001, 18000}, {19, 0x00130001, 19000}, {20, 0x00140001, 20000}, {21, 0x00150001, 21000}};

std::string DeliverablePath(int version) {
    return tevaro_test::BuildPath("Tevaro_" + std::to_string(version) + "_x64_hun.so");
}

TEST(AddOnLoader, EachDeliverableExportsItsOwnRecord) {
    for (const Deliverable& d : kDeliverables) {
        void* lib = dlopen(DeliverablePath(d.version).c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(lib, nullptr) << dlerror();
        auto getExported = reinterpret_cast<host::GetExportedFuncAddrsFn>(dlsym(lib, "GetExportedFuncAddrs"));
        ASSERT_NE(getExported, nullptr);
        EXPECT_NE(dlsym(lib, "SetImportedFuncAddrs"), nullptr);
        host::ExportRecordInfo record;
        std::string error;
        ASSERT_TRUE(host::ReadExportRecord(getExported, record, error)) << error;
        EXPECT_EQ(record.versionWord, d.versionWord) << d.version;
        EXPECT_EQ(record.interfaceNumber, d.interfaceNumber) << d.version;
        EXPECT_NE(record.checkEnvironment, nullptr);
        EXPECT_NE(record.registerInterface, nullptr);
        EXPECT_NE(record.initialize, nullptr);
        EXPECT_NE(record.freeData, nullptr);
        dlclose(lib);
    }
}

class LoadedDeliverable : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        host::ResetSession();
        host::gSession.shellLaunch = false;
    }
    void TearDown() override { host::UnloadAddOn(addOn); }
    host::LoadedAddOn addOn;
};

TEST_P(LoadedDeliverable, StartsInOrderRegistersFiveMenusAndAnswersThem) {
    std::string error;
    ASSERT_TRUE(host::LoadAddOnFile(DeliverablePath(GetParam()), addOn, error)) << error;
    EXPECT_EQ(addOn.addonType, APIAddon_Normal);
    EXPECT_STREQ(addOn.envir.addOnName, "Tevaro");
    EXPECT_EQ(host::gSession.ownLocation, DeliverablePath(GetParam()));
    ASSERT_EQ(host::gSession.menus.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(host::gSession.menus[size_t(k)].menuResID, kFirstMenuResId + k);
        EXPECT_EQ(host::gSession.menus[size_t(k)].promptResID, kFirstMenuResId + kPromptResIdOffset + k);
        EXPECT_EQ(host::gSession.menuHandlers.count(int16_t(kFirstMenuResId + k)), 1u);
    }
    // The deliverable's own resources are the host's resources now.
    std::string name;
    ASSERT_TRUE(host::ResourceString(kAddOnNameResId, 1, name));
    EXPECT_EQ(name, "Tevaro");
    // Accessory placement with nothing selected: the handler refuses with message 10.
    EXPECT_EQ(host::ChooseMenuItem(PlaceAccessories), NoError);
    EXPECT_TRUE(host::ShownTextIsMessage(host::gSession.lastMessage, tevaro_test::MessageText(10)));
    EXPECT_TRUE(host::gSession.keepInMemory);
    EXPECT_EQ(host::ChooseMenuItem(31999), APIERR_BADID);
}

INSTANTIATE_TEST_SUITE_P(AllHostVersions, LoadedDeliverable, ::testing::Values(18, 19, 20, 21));

TEST(AddOnLoader, AFileThatIsNoAddOnIsRefused) {
    host::ResetSession();
    host::LoadedAddOn addOn;
    std::string error;
    EXPECT_FALSE(host::LoadAddOnFile(tevaro_test::BuildPath("no-such-addon.so"), addOn, error));
    EXPECT_NE(error.find("cannot load"), std::string::npos);
    EXPECT_EQ(host::gSession.resources, nullptr);
}

// A record with an unknown version word.
int ForeignRecord(void* record) {
    unsigned char* bytes = static_cast<unsigned char*>(record);
    const uint32_t word = 0x00170001;
    std::memcpy(bytes, &word, 4);
    return 0;
}
int AcceptTable(const HostFunctionTable*) { return 0; }

TEST(AddOnLoader, AnUnknownHostVersionIsRefusedBeforeAnyEntryPointRuns) {
    host::ResetSession();
    host::LoadedAddOn addOn;
    std::string error;
    EXPECT_FALSE(host::LoadAddOnInProcess(ForeignRecord, AcceptTable, nullptr, "x.so", addOn, error));
    EXPECT_NE(error.find("0x00170001"), std::string::npos);
    EXPECT_FALSE(addOn.running);
}

class InProcessAddOn : public tevaro_test::AddOnFixture {};

TEST_F(InProcessAddOn, MenuCommandsReachTheHandlerWithTheirNumber) {
    Select({});
    EXPECT_EQ(RunMenu(DeleteAccessories), NoError);
    EXPECT_TRUE(LastMessageIs(10));
    EXPECT_TRUE(host::gSession.model.groupsSuspended);  // deletion leaves group suspension on
}

TEST_F(InProcessAddOn, TheRequiredLibraryIsAddedBesideTheAddOn) {
    RunMenu(PlaceAccessories);
    bool found = false;
    for (const host::Library& lib : host::gSession.libraries)
        found = found || lib.location == tevaro_test::BuildPath("TevaroTmp.lib");
    EXPECT_TRUE(found);
    EXPECT_NE(host::SearchLibPart("{E84F9BFB-7C26-403E-B010-A033FEEE27E0}"), 0);
}

TEST_F(InProcessAddOn, AFailedLibraryAdditionShowsMessage9AndReturnsTheCode) {
    FailHostCall("Environment/ALIB", APIERR_NOLIB);
    EXPECT_EQ(RunMenu(PlaceAccessories), APIERR_NOLIB);
    EXPECT_TRUE(LastMessageIs(9));
}

}  // namespace
