// Purpose: libFuzzer target for the session lines: any bytes as a session script replayed on the
// gable house with the add-on loaded in-process. The first byte picks where the script starts:
// on the model as opened, in the open main dialog, with the edge palette open, or at the
// accessory point input, so that the fuzzer reaches dialogs, the palette and point answers at
// once. Lines that read or write files are skipped. Whatever ran, the model saved afterwards
// (when no palette holds setters half-made) loads again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Common_src/AddOnEntry.h"
#include "app/SessionLines.h"
#include "host/AddOnLoader.h"
#include "host/DialogManager.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/MemoryHandles.h"
#include "host/ModelFile.h"
#include "objectlib/ObjectLibScripts.h"

namespace {

constexpr size_t kMaxLinesPerInput = 64;

// Where a script starts: lines run before the fuzzer's own, chosen by its first byte.
const char* const kPreambles[] = {
    "",
    "select roofs\nmenu place-tiles\n",
    "select roofs\nmenu place-tiles\npick 20 2\npick 23 2\npick 27 2\npick 29 2\nok\n",
    "select roofs\nmenu place-tiles\npick 20 2\npick 23 2\npick 27 2\npick 29 2\nok\nfinalize\n"
    "select Tevaro_000\nmenu place-accessories\nok\n",
};

// The sample model's text, read once.
const std::string& HouseModelText() {
    static const std::string text = [] {
        std::ifstream in(std::string(TEVARO_SOURCE_DIR) + "/tests/sessions/gable_house.json");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }();
    return text;
}

// True for lines that would touch the file system (open, save, report, and the output writers).
bool TouchesFiles(const std::string& line) {
    static const std::set<std::string> kFileWords = {"open", "save", "report", "svg", "quantities", "dump-planes"};
    std::istringstream in(line);
    std::string first;
    in >> first;
    return kFileWords.count(first) != 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool scripts = (objectlib::RegisterObjectLibScripts(), true);
    (void)scripts;
    std::vector<std::string> lines;
    {
        // The preamble's lines come first; the menu that opens a dialog reads the fuzzer's lines.
        const size_t preamble = size > 0 ? data[0] % (sizeof kPreambles / sizeof kPreambles[0]) : 0;
        const std::string text = std::string(kPreambles[preamble]) +
                                 (size > 0 ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1) : "");
        std::istringstream in(text);
        for (std::string line; std::getline(in, line) && lines.size() < kMaxLinesPerInput;)
            if (!TouchesFiles(line)) lines.push_back(line);
    }
    host::ResetSession();
    host::gSession.shellLaunch = false;
    std::string error;
    host::Model model;
    if (!host::LoadModelText(HouseModelText(), "gable_house.json", model, error)) __builtin_trap();
    host::gSession.model = std::move(model);
    host::ResolveLibPartIndices();

    const size_t handlesBefore = host::LiveHandleCount();
    host::LoadedAddOn addOn;
    if (!host::LoadAddOnInProcess(GetExportedFuncAddrs, SetImportedFuncAddrs, GetAddOnResourceFork,
                                  std::string(TEVARO_BUILD_DIR) + "/Tevaro_21_x64_hun.so", addOn, error))
        __builtin_trap();

    app::SessionRunner runner;
    runner.inputFolder = runner.outputFolder = "/nonexistent";
    app::FeedLines(runner, lines);
    app::InstallDrivers(runner);
    std::string line;
    int lineNo = 0;
    while (app::ReadLine(runner, line, lineNo)) app::RunLine(runner, line, lineNo, error);
    app::RemoveDrivers();
    // Save-then-load: what the session made saves to a file that loads again with as many
    // elements. Saving while the palette is open is the writer's own case and is left out here.
    if (host::OpenPaletteId() == 0) {
        host::Model again;
        std::string againError;
        if (!host::LoadModelText(host::ModelToText(host::gSession.model), "saved.json", again, againError)) {
            std::fprintf(stderr, "the saved model does not load again: %s\n", againError.c_str());
            __builtin_trap();
        }
        if (again.elements.size() != host::gSession.model.elements.size()) __builtin_trap();
    }
    host::UnloadAddOn(addOn);
    // Whatever the user did, the add-on gives back every handle it took once it is unloaded.
    if (host::LiveHandleCount() > handlesBefore) __builtin_trap();
    return 0;
}
