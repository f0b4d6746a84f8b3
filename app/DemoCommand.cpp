// Purpose: `tevaro demo`: the sample house tiled from start to end with the dialogs' first
// choices, written to DIR/model.json. Until the sample house exists it says so.
#include <filesystem>
#include <iostream>
#include <vector>

#include "app/AppHost.h"
#include "app/Commands.h"
#include "app/SessionLines.h"
#include "host/DialogManager.h"
#include "host/Host.h"

namespace {

// The sample house: beside the add-on, in the source tree's examples/ near the program, or here.
std::string FindSampleHouse(const app::CommonOptions& options) {
    const std::vector<std::string> candidates = {options.addOnFolder + "/house.json",
                                                 app::ProgramFolder() + "/../examples/house.json",
                                                 "examples/house.json"};
    for (const std::string& c : candidates)
        if (std::filesystem::exists(c)) return c;
    return "";
}

}  // namespace

int RunDemoCommand(int argc, char** argv) {
    app::CommonOptions options;
    std::string error;
    if (!app::ParseCommonOptions(argc, argv, options, error) || !options.rest.empty()) {
        std::cerr << "usage: tevaro demo [--out DIR]\n";
        return 2;
    }
    if (options.outDir.empty()) options.outDir = "out";
    const std::string house = FindSampleHouse(options);
    if (house.empty()) {
        std::cout << "The demo is coming: it needs the sample house examples/house.json, which is not there yet.\n"
                     "Meanwhile try: tevaro shell, or tevaro run SESSION.\n";
        return 0;
    }
    std::error_code ec;
    std::filesystem::create_directories(options.outDir, ec);
    host::LoadedAddOn addOn;
    if (!app::StartHost(options, addOn, error)) {
        std::cerr << error << "\n";
        return 2;
    }
    // The user's actions: every roof selected, the tiling dialog accepted, the edges finalized.
    const std::vector<std::string> script = {"open " + house, "select roofs", "menu place-tiles", "ok",
                                             "finalize", "save model.json", "report report.txt"};
    app::SessionRunner runner;
    runner.inputFolder = ".";
    runner.outputFolder = options.outDir;
    runner.out = &std::cout;
    size_t next = 0;
    runner.nextLine = [&](std::string& line, int& lineNo) {
        if (next >= script.size()) return false;
        line = script[next];
        lineNo = int(++next);
        return true;
    };
    app::InstallDrivers(runner);
    int result = 0;
    std::string line;
    int lineNo = 0;
    while (app::ReadLine(runner, line, lineNo)) {
        if (!app::RunLine(runner, line, lineNo, error)) {
            std::cerr << "demo step \"" << line << "\": " << error << "\n";
            result = 1;
            break;
        }
    }
    size_t objects = 0;
    for (const host::Element& e : host::gSession.model.elements) objects += e.rec.header.typeID == API_ObjectID ? 1 : 0;
    std::cout << "demo: " << host::gSession.model.elements.size() << " elements, " << objects << " objects; written to "
              << options.outDir << "/model.json\n";
    app::RemoveDrivers();
    app::StopHost(addOn);
    return result;
}
