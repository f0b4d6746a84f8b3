// Purpose: the shared test fixture: host session, in-process add-on, menus, dialogs, faults.
#include "AddOnFixture.h"

#include <iostream>

#include "Common_src/AddOnEntry.h"
#include "Common_src/LibPartIds.h"
#include "Common_src/ResourceIds.h"
#include "host/ElementDatabase.h"
#include "host/MemoryHandles.h"
#include "host/ModelFile.h"

namespace tevaro_test {

namespace {

// Items of the main tiling dialog and the edge palette the tests drive.
constexpr int16_t kTileDialogFoilItem = 20;
constexpr int16_t kTileDialogValleyItem = 23;
constexpr int16_t kTileDialogSnowGuardingItem = 27;
constexpr int16_t kTileDialogSnowGuardItem = 29;
constexpr int16_t kPaletteFinalizeItem = 1;
constexpr int16_t kSecondEntry = 2;

}  // namespace

std::string BuildPath(const std::string& name) { return std::string(TEVARO_BUILD_DIR) + "/" + name; }
std::string SourcePath(const std::string& name) { return std::string(TEVARO_SOURCE_DIR) + "/" + name; }

void InstallHostOnly() {
    host::ResetSession();
    host::gSession.ownLocation = BuildPath("Tevaro_21_x64_hun.so");
    host::gSession.resources = GetAddOnResourceFork();
    host::InstallFunctionTable(SetImportedFuncAddrs);
}

void LoadModel(const std::string& modelText) {
    std::string error;
    host::Model model;
    ASSERT_TRUE(host::LoadModelText(modelText, "test model", model, error)) << error;
    host::gSession.model = std::move(model);
    host::gSession.undoSteps.clear();
    host::ResolveLibPartIndices();
}

std::string MessageText(int row) {
    std::string text;
    host::ResourceString(130, row, text);
    return text;
}

void AddOnFixture::SetUp() {
    host::ResetSession();
    host::gSession.shellLaunch = false;
    const std::string model = InitialModel();
    if (!model.empty()) LoadModel(model);
    if (StartAddOnInSetUp()) StartAddOn();
    handlesAtStart_ = host::LiveHandleCount();
}

void AddOnFixture::TearDown() {
    // Scripted dialog actions that could not be done usually explain a failing test.
    for (const std::string& problem : host::TakeDialogErrors()) std::cerr << "dialog: " << problem << "\n";
    StopAddOn();
    host::DisarmHostFaults();
    host::DisarmAllocationFault();
    host::SetDialogActionSource(nullptr);
}

void AddOnFixture::StartAddOn() {
    std::string error;
    ASSERT_TRUE(host::LoadAddOnInProcess(GetExportedFuncAddrs, SetImportedFuncAddrs, GetAddOnResourceFork,
                                         BuildPath("Tevaro_21_x64_hun.so"), addOn_, error))
        << error;
}

void AddOnFixture::StopAddOn() {
    if (addOn_.running) host::UnloadAddOn(addOn_);
}

GSErrCode AddOnFixture::RunMenu(int16_t menuResID) { return host::ChooseMenuItem(menuResID); }

void AddOnFixture::Select(std::initializer_list<std::string> ids) {
    host::gSession.model.selection.clear();
    for (const std::string& id : ids) {
        host::Element* e = host::FindElementByText(id);
        ASSERT_NE(e, nullptr) << "no element " << id;
        host::gSession.model.selection.push_back(e->rec.header.guid);
    }
}

void AddOnFixture::RunPlaceTiles() {
    QueuePick(kTileDialogFoilItem, kSecondEntry);
    QueuePick(kTileDialogValleyItem, kSecondEntry);
    QueuePick(kTileDialogSnowGuardingItem, kSecondEntry);
    QueuePick(kTileDialogSnowGuardItem, kSecondEntry);
    QueueOk();
    ASSERT_EQ(RunMenu(PlaceTiles), NoError);
}

void AddOnFixture::ClickFinalize() {
    host::DialogAction click;
    click.kind = host::DialogAction::Click;
    click.item = kPaletteFinalizeItem;
    std::string error;
    ASSERT_TRUE(host::ApplyToPalette(click, error)) << error;
}

std::vector<host::Element*> AddOnFixture::ObjectsOf(const char* mainId) {
    std::vector<host::Element*> found;
    for (host::Element& e : host::gSession.model.elements)
        if (e.rec.header.typeID == API_ObjectID && e.libPartUnId.compare(0, kMainIdLength, mainId) == 0)
            found.push_back(&e);
    return found;
}

host::Element* AddOnFixture::Element(const std::string& idOrGuid) { return host::FindElementByText(idOrGuid); }

std::vector<host::Element*> AddOnFixture::ElementsOfType(API_ElemTypeID type) {
    std::vector<host::Element*> out;
    for (host::Element& e : host::gSession.model.elements)
        if (e.rec.header.typeID == type) out.push_back(&e);
    return out;
}

void QueueDialogClick(int16_t item, int16_t row, int16_t x, int16_t y) {
    host::DialogAction a;
    a.kind = host::DialogAction::Click;
    a.item = item;
    a.row = row;
    a.x = x;
    a.y = y;
    host::QueueDialogAction(a);
}

void QueueDialogSet(int16_t item, const std::string& value) {
    host::DialogAction a;
    a.kind = host::DialogAction::SetValue;
    a.item = item;
    a.value = value;
    host::QueueDialogAction(a);
}

void QueueDialogPick(int16_t item, int16_t entry) {
    host::DialogAction a;
    a.kind = host::DialogAction::Pick;
    a.item = item;
    a.row = entry;
    host::QueueDialogAction(a);
}

void QueueDialogOk() {
    host::DialogAction a;
    a.kind = host::DialogAction::Ok;
    host::QueueDialogAction(a);
}

void QueueDialogCancel() {
    host::DialogAction a;
    a.kind = host::DialogAction::Cancel;
    host::QueueDialogAction(a);
}

void QueueDialogInspect(std::function<void(const host::OpenDialog&)> look) {
    host::DialogAction a;
    a.kind = host::DialogAction::Inspect;
    a.inspect = std::move(look);
    host::QueueDialogAction(a);
}

void AddOnFixture::QueueClick(int16_t item, int16_t row, int16_t x, int16_t y) { QueueDialogClick(item, row, x, y); }
void AddOnFixture::QueueSet(int16_t item, const std::string& value) { QueueDialogSet(item, value); }
void AddOnFixture::QueuePick(int16_t item, int16_t entry) { QueueDialogPick(item, entry); }
void AddOnFixture::QueueOk() { QueueDialogOk(); }
void AddOnFixture::QueueCancel() { QueueDialogCancel(); }
void AddOnFixture::QueueInspect(std::function<void(const host::OpenDialog&)> look) {
    QueueDialogInspect(std::move(look));
}

bool AddOnFixture::LastMessageIs(int row) const {
    return host::ShownTextIsMessage(host::gSession.lastMessage, MessageText(row));
}

size_t AddOnFixture::CallCount(const std::string& op) const {
    size_t n = 0;
    for (const host::CallRecord& c : host::gSession.calls)
        if (c.op == op) ++n;
    return n;
}

size_t AddOnFixture::LiveHandles() const { return host::LiveHandleCount(); }

long AddOnFixture::HandlesSinceStart() const { return long(host::LiveHandleCount()) - long(handlesAtStart_); }

}  // namespace tevaro_test
