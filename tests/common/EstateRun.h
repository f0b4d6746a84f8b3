// Purpose: tiles a whole estate in-process as a user would (select, menu command, dialog OK,
// finalize on the edge palette) and takes a comparable picture of what the run produced.
#pragma once

#include <functional>
#include <string>

#include "host/Model.h"

namespace tevaro_test {

struct EstateRunResult {
    bool ok = false;
    std::string error;       // why the run did not get through
    std::string planes;      // the roof model after the topology and junction steps
    std::string setters;     // the model with the edge setters placed, before finalizing
    std::string finalModel;  // the model after finalizing: tile surfaces, ridges, groups
    size_t planeCount = 0;
    double topologySeconds = 0;  // menu command (extraction, topology, junctions, setters), wall clock
    double finalizeSeconds = 0;  // palette finalize (tile surfaces and ridges), wall clock
    double cpuSeconds = 0;       // processor time of both, which a busy machine does not inflate
};

// A fresh host with `modelText` loaded and the add-on started in-process.
bool StartEstateSession(const std::string& modelText, std::string& error);
// The same with a model already loaded (a benchmark times the file's loading itself).
bool StartEstateSession(host::Model&& model, std::string& error);

// Runs the tile command with the dialog's defaults and finalizes. `snapshots`: also fill the
// plane, setter and final model texts (GUIDs renumbered in order of appearance).
// `afterRun`, when given, is called once the palette is open, before finalizing.
EstateRunResult TileEstate(bool snapshots, const std::function<void()>& afterRun = {});

// Unloads the add-on of the session.
void EndEstateSession();

}  // namespace tevaro_test
