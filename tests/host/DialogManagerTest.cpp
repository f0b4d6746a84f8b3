// Purpose: tests of the headless dialog manager with a tiny dialog resource: the message order,
// scripted actions, closing rules, item operations, the palette and alerts.
#include <functional>

#include "HostTestSupport.h"
#include "host/DialogManager.h"

namespace {

constexpr int16_t kTestDialog = 900;
constexpr const char* kTestLayout =
    "# a tiny dialog\n"
    "title \"Próba\"\n"
    "size 200 120\n"
    "item 1 button 120 90 70 20 \"OK\"\n"
    "item 2 button 40 90 70 20 \"Mégsem\"\n"
    "item 3 checkbox 10 10 100 20 \"Pipa\"\n"
    "item 4 radio 10 30 60 20 group=1 value=1 \"Egy\"\n"
    "item 5 radio 70 30 60 20 group=1 \"Kettő\"\n"
    "item 6 popup 10 50 100 20\n"
    "item 7 list 110 10 80 70\n"
    "item 8 intedit 10 70 40 18 disabled\n";

struct Message {
    int16_t message, item, listRow;
};

// What the handler saw, and how it answers clicks (item -> answer).
std::vector<Message> gSeen;
std::function<int16_t(int16_t message, int16_t dialID, int16_t item)> gAnswer;

int16_t Handler(int16_t message, int16_t dialID, int16_t item, intptr_t, const DGMessageData* data) {
    gSeen.push_back(Message{message, item, data != nullptr ? data->listRow : int16_t(0)});
    return gAnswer ? gAnswer(message, dialID, item) : 0;
}

class DialogManager : public host_test::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        fork.Add(ResType_Dialog, kTestDialog, kTestLayout);
        host::gSession.resources = &fork.fork;
        gSeen.clear();
        // OK and Cancel close the dialog, like the add-on's handlers do.
        gAnswer = [](int16_t message, int16_t, int16_t item) -> int16_t {
            return message == DG_MSG_CLICK && (item == DG_OK || item == DG_CANCEL) ? item : 0;
        };
    }
    void TearDown() override {
        host::TakeDialogErrors();
        gAnswer = nullptr;
        HostTest::TearDown();
    }
    void Queue(host::DialogAction::Kind kind, int16_t item = 0, const std::string& value = "", int16_t row = 0) {
        host::DialogAction a;
        a.kind = kind;
        a.item = item;
        a.value = value;
        a.row = row;
        host::QueueDialogAction(a);
    }
    host_test::FakeFork fork;
};

TEST_F(DialogManager, InitFirstCloseLastAndOkClosesWithOne) {
    Queue(host::DialogAction::SetValue, 3, "1");
    Queue(host::DialogAction::Ok);
    EXPECT_EQ(t.DGModalDialog(kTestDialog, Handler, 0), DG_OK);
    ASSERT_EQ(gSeen.size(), 4u);
    EXPECT_EQ(gSeen[0].message, DG_MSG_INIT);
    EXPECT_EQ(gSeen[1].message, DG_MSG_CHANGE);
    EXPECT_EQ(gSeen[1].item, 3);
    EXPECT_EQ(gSeen[2].message, DG_MSG_CLICK);
    EXPECT_EQ(gSeen[3].message, DG_MSG_CLOSE);
    EXPECT_EQ(gSeen[3].item, DG_OK);
    ASSERT_FALSE(host::ClosedDialogs().empty());
    EXPECT_EQ(host::ClosedDialogs().back().dialog.layout.items[2].value, 1);  // the check box was set
}

TEST_F(DialogManager, ADriverWithNothingMoreToSayCancels) {
    EXPECT_EQ(t.DGModalDialog(kTestDialog, Handler, 0), DG_CANCEL);
    ASSERT_EQ(gSeen.size(), 3u);  // init, the cancel click, close
    EXPECT_EQ(gSeen[1].item, DG_CANCEL);
    // A handler that ignores the cancel click cannot keep the dialog open.
    gAnswer = nullptr;
    EXPECT_EQ(t.DGModalDialog(kTestDialog, Handler, 0), DG_CANCEL);
}

TEST_F(DialogManager, ActionsOnDisabledHiddenOrMissingItemsAreRefusedAndReported) {
    gAnswer = [this](int16_t message, int16_t dialID, int16_t item) -> int16_t {
        if (message == DG_MSG_INIT) t.DGHideItem(dialID, 3);
        return message == DG_MSG_CLICK && item == DG_CANCEL ? item : 0;
    };
    Queue(host::DialogAction::SetValue, 8, "5");  // disabled in the resource
    Queue(host::DialogAction::Click, 3);          // hidden by the handler
    Queue(host::DialogAction::Click, 42);         // no such item
    Queue(host::DialogAction::Ok);                // the handler does not close on OK here
    EXPECT_EQ(t.DGModalDialog(kTestDialog, Handler, 0), DG_CANCEL);
    const std::vector<std::string> errors = host::TakeDialogErrors();
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("disabled"), std::string::npos);
    EXPECT_NE(errors[1].find("hidden"), std::string::npos);
    EXPECT_NE(errors[2].find("does not exist"), std::string::npos);
}

TEST_F(DialogManager, RadioGroupsPopUpsAndLists) {
    gAnswer = [this](int16_t message, int16_t d, int16_t item) -> int16_t {
        if (message == DG_MSG_INIT) {
            for (const char* s : {"a", "b", "c"}) {
                t.DGPopUpInsertItem(d, 6, DG_POPUP_BOTTOM);
                t.DGPopUpSetItemText(d, 6, DG_POPUP_BOTTOM, s);
                t.DGListInsertItem(d, 7, DG_LIST_BOTTOM);
                t.DGListSetItemText(d, 7, DG_LIST_BOTTOM, 2, s);
            }
            t.DGPopUpInsertItem(d, 6, DG_POPUP_TOP);
            t.DGPopUpSetItemText(d, 6, DG_POPUP_TOP, "first");
        }
        return message == DG_MSG_CLICK && item == DG_OK ? item : 0;
    };
    int16_t popupSelected = 0, listSelected = 0, radio4 = -1, radio5 = -1, count = 0;
    char text[32] = {};
    Queue(host::DialogAction::Click, 5);
    Queue(host::DialogAction::Pick, 6, "", 3);
    Queue(host::DialogAction::Click, 7, "", 2);
    host::DialogAction look;
    look.kind = host::DialogAction::Inspect;
    look.inspect = [&](const host::OpenDialog& d) {
        popupSelected = t.DGPopUpGetSelected(d.dialID, 6);
        count = t.DGPopUpGetItemCount(d.dialID, 6);
        t.DGGetItemText(d.dialID, 6, text, sizeof text);
        listSelected = t.DGListGetSelected(d.dialID, 7);
        radio4 = int16_t(t.DGGetItemValLong(d.dialID, 4));
        radio5 = int16_t(t.DGGetItemValLong(d.dialID, 5));
    };
    host::QueueDialogAction(look);
    Queue(host::DialogAction::Ok);
    EXPECT_EQ(t.DGModalDialog(kTestDialog, Handler, 0), DG_OK);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(popupSelected, 3);
    EXPECT_STREQ(text, "b");  // "first" went on top, so entry 3 is "b"
    EXPECT_EQ(listSelected, 2);
    EXPECT_EQ(radio4, 0);  // clicking radio 5 cleared its group fellow
    EXPECT_EQ(radio5, 1);
    EXPECT_EQ(gSeen[3].message, DG_MSG_CLICK);  // the list click carries its row
    EXPECT_EQ(gSeen[3].listRow, 2);
}

TEST_F(DialogManager, PopUpAndListDeletionKeepTheSelectionSensible) {
    gAnswer = [this](int16_t message, int16_t d, int16_t) -> int16_t {
        if (message != DG_MSG_INIT) return 0;
        for (int k = 0; k < 4; ++k) {
            t.DGPopUpInsertItem(d, 6, DG_POPUP_BOTTOM);
            t.DGListInsertItem(d, 7, DG_LIST_BOTTOM);
        }
        t.DGPopUpSelectItem(d, 6, 4);
        t.DGPopUpDeleteItem(d, 6, 4);
        EXPECT_EQ(t.DGPopUpGetSelected(d, 6), 3);
        t.DGListSelectItem(d, 7, 2);
        t.DGListDeleteItem(d, 7, 1);
        EXPECT_EQ(t.DGListGetSelected(d, 7), 1);
        t.DGListDeleteItem(d, 7, DG_ALL_ITEMS);
        EXPECT_EQ(t.DGListGetItemCount(d, 7), 0);
        EXPECT_EQ(t.DGListGetSelected(d, 7), 0);
        return 0;
    };
    t.DGModalDialog(kTestDialog, Handler, 0);
}

TEST_F(DialogManager, GeometryMonitorAndRememberedPositions) {
    host::SetMonitorRect(DGRect{0, 0, 800, 600});
    DGRect r{}, monitor{};
    gAnswer = [&](int16_t message, int16_t d, int16_t) -> int16_t {
        if (message == DG_MSG_INIT) {
            t.DGGrowDialog(d, 0, 30);
            t.DGMoveItem(d, 1, 0, 30);
            t.DGGetDialogRect(d, &r);
            t.DGGetMonitorRect(d, &monitor);
            EXPECT_EQ(t.DGGetLastItem(d), 8);
            t.DGSetDialogPosition(d, 5, 6);
        }
        return 0;
    };
    t.DGModalDialog(kTestDialog, Handler, 0);
    EXPECT_EQ(monitor.bottom, 600);
    EXPECT_EQ(r.bottom - r.top, 150);  // grown by 30
    EXPECT_EQ(r.left, (800 - 200) / 2);  // a new dialog opens centred
    EXPECT_EQ(host::ClosedDialogs().back().dialog.layout.items[0].y, 120);
    gAnswer = [&](int16_t message, int16_t d, int16_t) -> int16_t {
        if (message == DG_MSG_INIT) t.DGGetDialogRect(d, &r);
        return 0;
    };
    t.DGModalDialog(kTestDialog, Handler, 0);
    EXPECT_EQ(r.left, 5);  // remembered
    t.DGResetDialogRectangles();
    t.DGModalDialog(kTestDialog, Handler, 0);
    EXPECT_EQ(r.left, 300);
}

TEST_F(DialogManager, APaletteStaysOpenAndClosesThroughItsHandler) {
    gAnswer = [](int16_t message, int16_t, int16_t item) -> int16_t {
        if (message != DG_MSG_CLICK) return 0;
        return item == 1 || item == DG_CLOSEBOX ? item : 0;
    };
    const int16_t id = t.DGModelessInit(kTestDialog, Handler, 7);
    ASSERT_NE(id, 0);
    EXPECT_EQ(host::OpenPaletteId(), id);
    host::DialogAction click;
    click.kind = host::DialogAction::Click;
    click.item = 3;
    std::string error;
    ASSERT_TRUE(host::ApplyToPalette(click, error)) << error;
    EXPECT_EQ(host::OpenPaletteId(), id);  // a check box click does not close it
    click.item = DG_CLOSEBOX;
    ASSERT_TRUE(host::ApplyToPalette(click, error)) << error;
    EXPECT_EQ(host::OpenPaletteId(), 0);
    EXPECT_EQ(gSeen.back().message, DG_MSG_CLOSE);
    EXPECT_EQ(gSeen.back().item, DG_CLOSEBOX);
    EXPECT_FALSE(host::ApplyToPalette(click, error));
}

TEST_F(DialogManager, AlertsAreRecordedAndAnswerOne) {
    EXPECT_EQ(t.DGAlert(-1, "Tevaro hiba", "\nsomething: 1 ???", "", "OK", "", ""), 1);
    ASSERT_EQ(host::gSession.alerts.size(), 1u);
    EXPECT_EQ(host::gSession.alerts[0].title, "Tevaro hiba");
    EXPECT_EQ(host::gSession.alerts[0].buttons[0], "OK");
    EXPECT_EQ(host::gSession.lastMessage, "\nsomething: 1 ???");
}

TEST_F(DialogManager, BadResourcesAreReportedAndTheDialogDoesNotOpen) {
    host::DialogLayout layout;
    std::string error;
    EXPECT_FALSE(host::ParseDialogLayout("item 1 knob 0 0 1 1\n", 1, layout, error));
    EXPECT_NE(error.find("knob"), std::string::npos);
    EXPECT_FALSE(host::ParseDialogLayout("item 1 button 0 0 1\n", 1, layout, error));
    EXPECT_FALSE(host::ParseDialogLayout("item 1 button 0 0 1 1 \"open\n", 1, layout, error));
    EXPECT_FALSE(host::ParseDialogLayout("item 1 text 0 0 1 1\nitem 1 text 0 0 1 1\n", 1, layout, error));
    EXPECT_EQ(t.DGModalDialog(901, Handler, 0), 0);
    EXPECT_TRUE(gSeen.empty());
    EXPECT_EQ(host::TakeDialogErrors().size(), 1u);
}

TEST_F(DialogManager, TheDumpShowsItemsStatesAndEntries) {
    std::string dump;
    gAnswer = [&](int16_t message, int16_t d, int16_t) -> int16_t {
        if (message == DG_MSG_INIT) {
            t.DGPopUpInsertItem(d, 6, DG_POPUP_BOTTOM);
            t.DGPopUpSetItemText(d, 6, 1, "Hódfarkú");
            t.DGHideItem(d, 5);
            dump = host::DumpDialog(*host::FindOpenDialog(d));
        }
        return 0;
    };
    t.DGModalDialog(kTestDialog, Handler, 0);
    EXPECT_NE(dump.find("Dialog 900 \"Próba\""), std::string::npos);
    EXPECT_NE(dump.find("Hódfarkú"), std::string::npos);
    EXPECT_NE(dump.find("[hidden]"), std::string::npos);
    EXPECT_NE(dump.find("[disabled]"), std::string::npos);
}

}  // namespace
