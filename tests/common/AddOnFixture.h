// Purpose: the test fixture every subsystem's tests share: a fresh host, an optional model, the
// add-on loaded in-process with its four entry points run, and helpers to run menu commands,
// drive dialogs, read what the add-on showed and inject memory and host-call faults.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/AddOnLoader.h"
#include "host/DialogManager.h"
#include "host/Host.h"
#include "host/MemoryHandles.h"

namespace tevaro_test {

// A file of the build folder (the deliverables, Tevaro.ini, TevaroTmp.lib) or of the sources.
std::string BuildPath(const std::string& name);
std::string SourcePath(const std::string& name);

// A fresh host whose function table is installed in the linked add-on, without starting the
// add-on: for tests of single modules that need memory handles and host calls.
void InstallHostOnly();

// Loads a model text into the host's project (fails the test on a bad model).
void LoadModel(const std::string& modelText);

// The text of message row `row` of the add-on's message table.
std::string MessageText(int row);

// What a person does in the next modal dialog, queued in order: click an item (a list row, a
// point in a picture), set an item's value, pick an entry of a pop-up, press OK or Cancel, or
// look at the dialog as it is at that point.
void QueueDialogClick(int16_t item, int16_t row = 0, int16_t x = 0, int16_t y = 0);
void QueueDialogSet(int16_t item, const std::string& value);
void QueueDialogPick(int16_t item, int16_t entry);
void QueueDialogOk();
void QueueDialogCancel();
void QueueDialogInspect(std::function<void(const host::OpenDialog&)> look);

class AddOnFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Override to start each test with this model (a model file's JSON text).
    virtual std::string InitialModel() const { return ""; }
    // Override to leave the add-on unloaded at the start (call StartAddOn yourself).
    virtual bool StartAddOnInSetUp() const { return true; }

    // Runs CheckEnvironment, RegisterInterface and Initialize of the linked add-on.
    void StartAddOn();
    void StopAddOn();

    // The user chooses a menu item (32500..32504); the handler's answer.
    GSErrCode RunMenu(int16_t menuResID);

    // The user chooses "place tiles" on the selection and answers the main dialog with the second
    // entry of the foil, valley, snow-guarding and snow-guard lists; the edge palette is open after.
    void RunPlaceTiles();
    // The user presses the edge palette's finalize button.
    static void ClickFinalize();
    // The placed objects of the library part with this main identifier, in model order.
    static std::vector<host::Element*> ObjectsOf(const char* mainId);

    // Replaces the selection with the elements of these element IDs (or GUID texts).
    void Select(std::initializer_list<std::string> ids);
    host::Element* Element(const std::string& idOrGuid);
    std::vector<host::Element*> ElementsOfType(API_ElemTypeID type);

    // Actions for the next modal dialogs, in order.
    void QueueClick(int16_t item, int16_t row = 0, int16_t x = 0, int16_t y = 0);
    void QueueSet(int16_t item, const std::string& value);
    void QueuePick(int16_t item, int16_t entry);
    void QueueOk();
    void QueueCancel();
    void QueueInspect(std::function<void(const host::OpenDialog&)> look);

    // What the add-on showed.
    const std::vector<host::ReportLine>& Reports() const { return host::gSession.reportLines; }
    const std::vector<host::Alert>& Alerts() const { return host::gSession.alerts; }
    const std::vector<std::string>& DebugLines() const { return host::gSession.debugLines; }
    bool LastMessageIs(int row) const;
    // Number of host calls recorded under this name ("Goodies/RPAS", "Element_Tool/GRUP", ...).
    size_t CallCount(const std::string& op) const;

    // Faults: the nth add-on allocation from now; the nth call of a host operation.
    void FailAllocation(int nth) { host::ArmAllocationFault(nth); }
    void FailHostCall(const std::string& op, GSErrCode code, int nth = 1) { host::ArmHostFault(op, code, nth); }
    // Live memory handles, and those made since the test started.
    size_t LiveHandles() const;
    long HandlesSinceStart() const;

    host::LoadedAddOn addOn_;
    size_t handlesAtStart_ = 0;
};

}  // namespace tevaro_test
