// Purpose: `tevaro demo`: the sample house tiled from start to end as a user would do it, written
// to DIR/model.json, DIR/plan.svg, DIR/quantities.csv, with a short summary on the terminal.
//
// The user's actions are an embedded session script run through the same session runner as
// `tevaro run`, so the demo and the session scripts cannot drift apart.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/AppHost.h"
#include "app/Commands.h"
#include "app/DemoSummary.h"
#include "app/PlaneDump.h"
#include "app/QuantitiesCsv.h"
#include "app/SessionLines.h"
#include "host/DialogManager.h"
#include "host/Host.h"

namespace {

// What the user does while the edge palette is open: tiling every roof with walls and fills
// selected (so the junctions with the gable walls, the chimney and the house wall are found),
// then one correction on a setter. "HOUSE" stands for the sample house's path.
const std::vector<std::string> kTilingSteps = {
    "open HOUSE",
    "select all",
    "menu place-tiles",
    "pick 20 2",  // foil: the first real foil, not "nothing chosen"
    "pick 23 2",  // valley type
    "pick 27 2",  // snow-guard method (automatic accessories are on)
    "pick 29 2",  // snow-guard type
    "ok",
    // The garage's ridge gets a metal ridge cap instead of ridge tiles: ridge without ridge tiles.
    "edge 2 3 1",
    "svg palette.svg",
};

// What the user does after checking the edges: finalize, a row of ventilation tiles on the
// house's south plane, a solar panel on the garage's east plane, and the outputs.
const std::vector<std::string> kFinishingSteps = {
    "finalize",
    "select Tevaro_001",
    "menu place-accessories",
    "pick 6 1",   // ventilation tile
    "set 10 5",   // five of them
    "set 12 2",   // one every second tile
    "ok",
    "point 5 1.2",
    "select Tevaro_006",
    "menu place-solar-panel",
    "pick 6 2",
    "ok",
    "point 22.5 2",
    "save model.json",
    "svg plan.svg",
    "report report.txt",
};

// The sample house: beside the add-on, in the source tree's examples/ near the program, or here.
std::string FindSampleHouse(const app::CommonOptions& options) {
    const std::vector<std::string> candidates = {options.addOnFolder + "/house.json",
                                                 app::ProgramFolder() + "/../examples/house.json",
                                                 "examples/house.json"};
    for (const std::string& c : candidates)
        if (!c.empty() && std::filesystem::exists(c)) return std::filesystem::weakly_canonical(c).string();
    return "";
}

// Runs the steps through the session runner; shows progress on the terminal when stderr is one.
bool RunSteps(app::SessionRunner& runner, const std::vector<std::string>& steps, const std::string& house,
              int& done, int total) {
    const bool terminal = isatty(STDERR_FILENO) != 0;
    size_t next = 0;
    runner.nextLine = [&](std::string& line, int& lineNo) {
        if (next >= steps.size()) return false;
        line = steps[next];
        const size_t at = line.find("HOUSE");
        if (at != std::string::npos) line.replace(at, 5, house);
        lineNo = ++done;
        ++next;
        return true;
    };
    std::string line, error;
    int lineNo = 0;
    while (app::ReadLine(runner, line, lineNo)) {
        if (terminal) std::cerr << "\r\033[K[" << lineNo << "/" << total << "] " << line.substr(0, 60) << std::flush;
        if (!app::RunLine(runner, line, lineNo, error)) {
            if (terminal) std::cerr << "\n";
            std::cerr << "demo step " << lineNo << " \"" << line << "\": " << error << "\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int RunDemoCommand(int argc, char** argv) {
    app::CommonOptions options;
    host::LoadedAddOn addOn;
    const app::CommandShape shape = {"tevaro demo [--out DIR] [--addon-folder DIR] [--deliverable 18|19|20|21]", 0, 0,
                                     "out"};
    if (const int code = app::StartCommandHost(argc, argv, shape, options, addOn); code != 0) return code;
    std::string error;
    const std::string house = FindSampleHouse(options);
    if (house.empty()) {
        std::cerr << "demo: the sample house house.json is not found beside the add-on nor in the source tree\n";
        app::StopHost(addOn);
        return 2;
    }
    app::SessionRunner runner;
    runner.inputFolder = ".";
    runner.outputFolder = options.outDir;
    runner.out = nullptr;  // the summary says what matters; the report goes to report.txt
    app::InstallDrivers(runner);
    int done = 0;
    const int total = int(kTilingSteps.size() + kFinishingSteps.size());
    bool ok = RunSteps(runner, kTilingSteps, house, done, total);
    // The roof model as the add-on read it, kept before finalization releases it.
    std::vector<app::HeldPlane> planes = app::HeldRoofPlanes();
    ok = ok && RunSteps(runner, kFinishingSteps, house, done, total);
    if (ok && !app::WriteQuantitiesCsv(options.outDir + "/quantities.csv", error)) {
        std::cerr << "demo: " << error << "\n";
        ok = false;
    }
    if (isatty(STDERR_FILENO) != 0) std::cerr << "\r\033[K" << std::flush;
    if (ok) {
        app::TakeFinalStatusesFromTileSurfaces(planes);
        std::cout << "Tevaro demo: the sample house " << house << " tiled, checked and finalized.\n"
                  << app::DemoSummaryText(planes, options.outDir);
    }
    app::RemoveDrivers();
    app::StopHost(addOn);
    return ok ? 0 : 1;
}
