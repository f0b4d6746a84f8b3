// Purpose: `tevaro run SESSION` (replay a session script) and `tevaro shell [MODEL]` (the same
// lines typed one at a time, with the open dialog or palette shown as text).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

#include "app/AppHost.h"
#include "app/CheckCommand.h"
#include "app/Commands.h"
#include "app/SessionLines.h"
#include "host/DialogManager.h"
#include "host/Host.h"
#include "host/InputLimits.h"
#include "host/PointInput.h"

namespace {

// The folder part of a path ("." when it has none).
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

int RunSessionCommand(int argc, char** argv) {
    app::CommonOptions options;
    std::string error;
    host::LoadedAddOn addOn;
    const app::CommandShape shape = {"tevaro run SESSION [--out DIR] [--addon-folder DIR] [--deliverable 18|19|20|21]",
                                     1, 1, ""};
    if (const int code = app::StartCommandHost(argc, argv, shape, options, addOn); code != 0) return code;
    const std::string script = options.rest[0];
    // Only a regular file of bounded size is a script: a folder, a device or a pipe is refused.
    std::string text;
    if (!host::ReadRegularFile(script, host::kMaxTextFileBytes, text, error)) {
        std::cerr << "tevaro run: " << error << "\n";
        app::StopHost(addOn);
        return 2;
    }
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    app::SessionRunner runner;
    runner.inputFolder = FolderOf(script);
    runner.outputFolder = options.outDir.empty() ? runner.inputFolder : options.outDir;
    runner.out = &std::cout;
    app::FeedLines(runner, lines);
    app::InstallDrivers(runner);
    app::InstallModelReader(runner.out);
    int result = 0;
    std::string line;
    int lineNo = 0;
    while (app::ReadLine(runner, line, lineNo)) {
        if (!app::RunLine(runner, line, lineNo, error)) {
            // A problem in a dialog line the command's dialog read carries that line's number.
            int at = lineNo;
            if (error.rfind("line ", 0) == 0) {
                at = std::atoi(error.c_str() + 5);
                error = error.substr(error.find(": ") + 2);
            }
            std::cerr << script << ":" << at << ": " << error << "\n";
            result = 1;
            break;
        }
    }
    // Dialog lines or point answers no dialog or point input ever took are a mistake in the script.
    const size_t unusedActions = host::QueuedDialogActions(), unusedPoints = host::QueuedPointAnswers();
    if (result == 0 && unusedActions + unusedPoints > 0) {
        std::cerr << script << ":" << lineNo << ": " << unusedActions << " dialog line(s) and " << unusedPoints
                  << " point answer(s) were never used: no dialog or point input was open for them\n";
        result = 1;
    }
    app::RemoveDrivers();
    app::RemoveModelReader();
    app::StopHost(addOn);
    return result;
}

int RunShellCommand(int argc, char** argv) {
    app::CommonOptions options;
    std::string error;
    host::LoadedAddOn addOn;
    const app::CommandShape shape = {"tevaro shell [MODEL] [--out DIR] [--addon-folder DIR] [--deliverable 18|19|20|21]",
                                     0, 1, ""};
    if (const int code = app::StartCommandHost(argc, argv, shape, options, addOn); code != 0) return code;
    host::gSession.shellLaunch = true;
    app::SessionRunner runner;
    runner.inputFolder = ".";
    runner.outputFolder = options.outDir.empty() ? "." : options.outDir;
    runner.out = &std::cout;
    runner.interactive = true;
    int typed = 0;
    runner.nextLine = [&](std::string& line, int& lineNo) {
        std::cout << (host::TopModalDialogId() != 0 ? "dialog> " : "tevaro> ") << std::flush;
        if (!std::getline(std::cin, line)) return false;
        lineNo = ++typed;
        return true;
    };
    app::InstallDrivers(runner);
    app::InstallModelReader(runner.out);
    std::cout << "Tevaro shell: " << addOn.envir.addOnName << " (" << addOn.path << "). Type help for the lines, quit to end.\n";
    if (options.rest.size() == 1 && !app::RunLine(runner, "open " + options.rest[0], 0, error))
        std::cout << "error: " << error << "\n";
    std::string line;
    int lineNo = 0;
    int16_t shownPalette = 0;
    for (;;) {
        const int16_t paletteId = host::OpenPaletteId();
        if (const host::OpenDialog* palette = host::FindOpenDialog(paletteId); palette != nullptr && paletteId != shownPalette)
            std::cout << host::DumpDialog(*palette);
        shownPalette = paletteId;
        if (!app::ReadLine(runner, line, lineNo)) break;
        if (line == "quit" || line == "exit") break;
        if (!app::RunLine(runner, line, lineNo, error)) std::cout << "error: " << error << "\n";
    }
    app::RemoveDrivers();
    app::RemoveModelReader();
    app::StopHost(addOn);
    return 0;
}
