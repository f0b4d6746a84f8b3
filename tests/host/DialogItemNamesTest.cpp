// Purpose: tests of dialog items by name: the layouts' `name=` option, actions that name their
// item instead of numbering it (a radio group's name picks its N-th button), the errors for names
// that do not fit, and the add-on's own layouts, whose names must match the items they stand for.
#include <functional>
#include <ostream>
#include <set>

#include "Common_src/AddOnEntry.h"
#include "Common_src/ResourceIds.h"
#include "HostTestSupport.h"
#include "host/DialogManager.h"

namespace {

constexpr int16_t kNamedDialog = 902;
constexpr const char* kNamedLayout =
    "size 200 120\n"
    "item 1 button 120 90 70 20 name=ok \"OK\"\n"
    "item 2 button 40 90 70 20 name=cancel \"Mégsem\"\n"
    "item 3 checkbox 10 10 100 20 name=auto-accessories \"Pipa\"\n"
    "item 4 iconradio 10 30 60 20 group=1 name=family value=1\n"
    "item 5 iconradio 70 30 60 20 group=1 name=family\n"
    "item 6 iconradio 130 30 60 20 group=1 name=family\n"
    "item 7 popup 10 50 100 20 name=foil\n";

std::vector<std::pair<int16_t, int16_t>> gChanges;  // (message, item) the handler saw

int16_t Handler(int16_t message, int16_t dialID, int16_t item, intptr_t, const DGMessageData*) {
    if (message == DG_MSG_INIT) {
        HostFunctionTable t;
        host::FillFunctionTable(t);
        for (const char* s : {"nincs", "első", "második"}) {
            t.DGPopUpInsertItem(dialID, 7, DG_POPUP_BOTTOM);
            t.DGPopUpSetItemText(dialID, 7, DG_POPUP_BOTTOM, s);
        }
    }
    if (message == DG_MSG_CHANGE) gChanges.emplace_back(message, item);
    return message == DG_MSG_CLICK && (item == DG_OK || item == DG_CANCEL) ? item : 0;
}

class DialogItemNames : public host_test::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        fork.Add(ResType_Dialog, kNamedDialog, kNamedLayout);
        host::gSession.resources = &fork.fork;
        gChanges.clear();
    }
    void TearDown() override {
        host::TakeDialogErrors();
        HostTest::TearDown();
    }
    // Queues an action that names its item.
    void QueueNamed(host::DialogAction::Kind kind, const std::string& name, const std::string& value = "",
                    int16_t row = 0) {
        host::DialogAction a;
        a.kind = kind;
        a.itemName = name;
        a.value = value;
        a.row = row;
        host::QueueDialogAction(a);
    }
    // Runs the dialog with the queued actions and OK; the dialog as it closed.
    const host::OpenDialog& RunToOk() {
        host::DialogAction ok;
        ok.kind = host::DialogAction::Ok;
        host::QueueDialogAction(ok);
        EXPECT_EQ(t.DGModalDialog(kNamedDialog, Handler, 0), DG_OK);
        return host::ClosedDialogs().back().dialog;
    }
    // The closed dialog's item of that number.
    static const host::DialogItem& ItemOf(const host::OpenDialog& d, int16_t number) {
        for (const host::DialogItem& it : d.layout.items)
            if (it.number == number) return it;
        throw std::out_of_range("no item");
    }
    host_test::FakeFork fork;
};

TEST_F(DialogItemNames, NamesActLikeTheNumbersTheyStandFor) {
    QueueNamed(host::DialogAction::SetValue, "auto-accessories", "1");
    QueueNamed(host::DialogAction::Pick, "foil", "", 3);
    const host::OpenDialog& d = RunToOk();
    EXPECT_EQ(ItemOf(d, 3).value, 1);
    EXPECT_EQ(ItemOf(d, 7).selected, 3);
    // The handler heard of the changes under the items' numbers.
    ASSERT_EQ(gChanges.size(), 2u);
    EXPECT_EQ(gChanges[0].second, 3);
    EXPECT_EQ(gChanges[1].second, 7);
    EXPECT_TRUE(host::TakeDialogErrors().empty());
}

TEST_F(DialogItemNames, PickOnARadioGroupsNameChoosesItsNthButton) {
    QueueNamed(host::DialogAction::Pick, "family", "", 3);
    const host::OpenDialog& d = RunToOk();
    // Exactly one button of the group is on: the third, item 6.
    EXPECT_EQ(ItemOf(d, 4).value, 0);
    EXPECT_EQ(ItemOf(d, 5).value, 0);
    EXPECT_EQ(ItemOf(d, 6).value, 1);
    ASSERT_EQ(gChanges.size(), 1u);
    EXPECT_EQ(gChanges[0].second, 6);
}

struct BadName {
    const char* name;
    host::DialogAction::Kind kind;
    int16_t row;
    const char* errorHolds;
};

// The case in test listings.
void PrintTo(const BadName& c, std::ostream* out) { *out << c.name << " row " << c.row; }

class DialogItemBadNames : public DialogItemNames, public ::testing::WithParamInterface<BadName> {};

TEST_P(DialogItemBadNames, AreRefusedWithTheReasonAndChangeNothing) {
    const BadName& c = GetParam();
    QueueNamed(c.kind, c.name, "1", c.row);
    const host::OpenDialog& d = RunToOk();
    const std::vector<std::string> errors = host::TakeDialogErrors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(c.errorHolds), std::string::npos) << errors[0];
    EXPECT_TRUE(gChanges.empty());
    EXPECT_EQ(ItemOf(d, 4).value, 1);  // the group as the layout set it
}

INSTANTIATE_TEST_SUITE_P(
    Names, DialogItemBadNames,
    ::testing::Values(BadName{"snow-guard", host::DialogAction::Pick, 1, "no item named \"snow-guard\""},
                      BadName{"family", host::DialogAction::SetValue, 0, "pick family N"},
                      BadName{"family", host::DialogAction::Click, 0, "group of 3 buttons"},
                      BadName{"family", host::DialogAction::Pick, 4, "no button 4 (it has 3)"},
                      BadName{"family", host::DialogAction::Pick, 0, "no button 0"}));

// A layout text and whether its item names are acceptable.
struct LayoutNames {
    const char* name;
    const char* layout;
    bool valid;
};

// Names a case in test output.
void PrintTo(const LayoutNames& c, std::ostream* os) { *os << c.name; }

class DialogLayoutNames : public ::testing::TestWithParam<LayoutNames> {};

TEST_P(DialogLayoutNames, AreCheckedWhenTheLayoutIsRead) {
    host::DialogLayout layout;
    std::string error;
    EXPECT_EQ(host::ParseDialogLayout(GetParam().layout, 1, layout, error), GetParam().valid) << error;
}

INSTANTIATE_TEST_SUITE_P(
    DialogLayouts, DialogLayoutNames,
    ::testing::Values(LayoutNames{"LowerCase", "item 1 button 0 0 1 1 name=ok\n", true},
                      LayoutNames{"UpperCase", "item 1 button 0 0 1 1 name=OK\n", false},
                      LayoutNames{"ANumber", "item 1 button 0 0 1 1 name=20\n", false},  // would read as a number
                      LayoutNames{"Empty", "item 1 button 0 0 1 1 name=\n", false},
                      LayoutNames{"TwoItemsOneName", "item 1 text 0 0 1 1 name=a\nitem 2 text 0 0 1 1 name=a\n", false},
                      LayoutNames{"TwoGroupsOneName",
                                  "item 1 radio 0 0 1 1 group=1 name=a\nitem 2 radio 0 0 1 1 group=2 name=a\n", false},
                      LayoutNames{"OneGroupOneName",
                                  "item 1 radio 0 0 1 1 group=1 name=a\nitem 2 radio 0 0 1 1 group=1 name=a\n", true}),
    [](const ::testing::TestParamInfo<LayoutNames>& info) { return std::string(info.param.name); });

// ---- The add-on's layouts -----------------------------------------------------------------------

// A name of an add-on dialog and the items it must stand for: the names documented for session
// lines are the contract, so a renumbered layout must keep them on the same items.
struct NamedItem {
    int16_t resID;
    const char* name;
    std::vector<int16_t> items;
    host::ItemKind kind;
};

const NamedItem kAddOnNames[] = {
    {kTileDialogResId, "family", {7, 8, 9, 10}, host::ItemKind::IconRadio},
    {kTileDialogResId, "tile-type", {12}, host::ItemKind::PopUp},
    {kTileDialogResId, "colour", {15}, host::ItemKind::List},
    {kTileDialogResId, "auto-accessories", {18}, host::ItemKind::CheckBox},
    {kTileDialogResId, "foil", {20}, host::ItemKind::PopUp},
    {kTileDialogResId, "valley-type", {23}, host::ItemKind::PopUp},
    {kTileDialogResId, "snow-guarding", {27}, host::ItemKind::PopUp},
    {kTileDialogResId, "snow-guard", {29}, host::ItemKind::PopUp},
    {kTileDialogResId, "loss-multiplier", {36}, host::ItemKind::PopUp},
    {kTileDialogResId, "pen", {44}, host::ItemKind::IntEdit},
    {kAccessoryDialogResId, "accessory", {6}, host::ItemKind::List},
    {kAccessoryDialogResId, "laying", {7, 8}, host::ItemKind::Radio},
    {kAccessoryDialogResId, "count", {10}, host::ItemKind::IntEdit},
    {kAccessoryDialogResId, "spacing", {12}, host::ItemKind::IntEdit},
    {kDeleteAccessoriesDialogResId, "accessories", {5}, host::ItemKind::List},
    {kSolarCollectorDialogResId, "collector", {6}, host::ItemKind::List},
    {kSolarPanelDialogResId, "panel", {6}, host::ItemKind::List},
    {kEdgePaletteResId, "finalize", {1}, host::ItemKind::Button},
};

// The case in test listings.
void PrintTo(const NamedItem& c, std::ostream* out) { *out << c.resID << " " << c.name; }

class AddOnLayoutNames : public host_test::HostTest, public ::testing::WithParamInterface<NamedItem> {};

TEST_P(AddOnLayoutNames, NameStandsForItsItems) {
    const NamedItem& c = GetParam();
    host::gSession.resources = GetAddOnResourceFork();
    host::DialogLayout layout;
    std::string error;
    ASSERT_TRUE(host::LoadDialogLayout(c.resID, layout, error)) << error;
    EXPECT_EQ(host::ItemsNamed(layout, c.name), c.items);
    for (const host::DialogItem& it : layout.items)
        if (it.name == c.name) EXPECT_EQ(it.kind, c.kind) << it.number;
}

INSTANTIATE_TEST_SUITE_P(Layouts, AddOnLayoutNames, ::testing::ValuesIn(kAddOnNames),
                         [](const ::testing::TestParamInfo<NamedItem>& info) {
                             std::string n = std::to_string(info.param.resID) + "_" + info.param.name;
                             for (char& ch : n)
                                 if (ch == '-') ch = '_';
                             return n;
                         });

}  // namespace
