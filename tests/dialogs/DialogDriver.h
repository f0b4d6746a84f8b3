// Purpose: a small user for the dialog tests: queues what a person does in the open modal dialog
// and keeps snapshots of the dialog, on a fresh in-process host with the sample catalogue.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalogue/Catalogue.h"
#include "common/AddOnFixture.h"
#include "host/DialogManager.h"
#include "host/Host.h"

namespace dialogtest {

// Gives the in-process add-on a fresh host with its own resources, and loads the sample catalogue.
inline void ConnectWithSampleCatalogue() {
    tevaro_test::InstallHostOnly();
    LoadCatalogueFile(TEVARO_SOURCE_DIR "/examples/Tevaro.ini");
}

// Queues user actions for the next modal dialog and keeps snapshots taken between them.
struct User {
    std::vector<host::OpenDialog> snaps;

    void Set(int16_t item, const std::string& value) { tevaro_test::QueueDialogSet(item, value); }
    void Pick(int16_t item, int16_t entry) { tevaro_test::QueueDialogPick(item, entry); }
    void Click(int16_t item, int16_t row = 0, int16_t x = 0, int16_t y = 0) {
        tevaro_test::QueueDialogClick(item, row, x, y);
    }
    void Ok() { tevaro_test::QueueDialogOk(); }
    void Cancel() { tevaro_test::QueueDialogCancel(); }
    // Takes a snapshot of the dialog as it is at this point of the actions.
    void Snap() {
        tevaro_test::QueueDialogInspect([this](const host::OpenDialog& d) { snaps.push_back(d); });
    }
};

// One item of a dialog snapshot (fails the test when it is missing).
inline const host::DialogItem& ItemOf(const host::OpenDialog& d, int16_t number) {
    for (const host::DialogItem& it : d.layout.items)
        if (it.number == number) return it;
    ADD_FAILURE() << "no item " << number;
    static host::DialogItem none;
    return none;
}

// The dialog as it was when it closed last.
inline const host::OpenDialog& LastClosed() { return host::ClosedDialogs().back().dialog; }

}  // namespace dialogtest
