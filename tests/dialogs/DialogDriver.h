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

    void Set(int16_t item, const std::string& value) {
        host::DialogAction a;
        a.kind = host::DialogAction::SetValue;
        a.item = item;
        a.value = value;
        host::QueueDialogAction(a);
    }
    void Pick(int16_t item, int16_t entry) {
        host::DialogAction a;
        a.kind = host::DialogAction::Pick;
        a.item = item;
        a.row = entry;
        host::QueueDialogAction(a);
    }
    void Click(int16_t item, int16_t row = 0, int16_t x = 0, int16_t y = 0) {
        host::DialogAction a;
        a.kind = host::DialogAction::Click;
        a.item = item;
        a.row = row;
        a.x = x;
        a.y = y;
        host::QueueDialogAction(a);
    }
    void Ok() {
        host::DialogAction a;
        a.kind = host::DialogAction::Ok;
        host::QueueDialogAction(a);
    }
    void Cancel() {
        host::DialogAction a;
        a.kind = host::DialogAction::Cancel;
        host::QueueDialogAction(a);
    }
    // Takes a snapshot of the dialog as it is at this point of the actions.
    void Snap() {
        host::DialogAction a;
        a.kind = host::DialogAction::Inspect;
        a.inspect = [this](const host::OpenDialog& d) { snaps.push_back(d); };
        host::QueueDialogAction(a);
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
