// Purpose: `tevaro import FILE [--out MODEL]`: reads a model file or a city model, heals and
// checks it, writes the model file and, beside it, the report of what was changed and found.
#include <fstream>
#include <iostream>

#include "app/AppHost.h"
#include "app/CheckCommand.h"
#include "app/Commands.h"
#include "host/Host.h"
#include "host/ModelFile.h"
#include "import/Texts.h"

namespace {

// Exit codes, as for `tevaro check`: 0 clean, 1 warnings, 2 errors (nothing written).
constexpr int kExitClean = 0, kExitWarnings = 1, kExitErrors = 2;

// The model file's default name: the input's name with its extensions replaced.
std::string DefaultModelPath(const std::string& input) {
    const size_t slash = input.rfind('/');
    const size_t dot = input.find('.', slash == std::string::npos ? 0 : slash + 1);
    return (dot == std::string::npos ? input : input.substr(0, dot)) + ".model.json";
}

// The report's name beside the model file.
std::string ReportPath(const std::string& model) {
    const std::string ext = ".json";
    const bool json = model.size() > ext.size() && model.compare(model.size() - ext.size(), ext.size(), ext) == 0;
    return (json ? model.substr(0, model.size() - ext.size()) : model) + ".report.txt";
}

}  // namespace

int RunImportCommand(int argc, char** argv) {
    app::CommonOptions options;
    std::string error;
    if (!app::ParseCommonOptions(argc, argv, options, error) || !app::TakeLoadOptions(options.rest, error) ||
        options.rest.size() != 1) {
        std::cerr << "usage: tevaro import FILE [--out MODEL] [--no-heal] [--units cm|mm] [--select ID...]\n"
                     "                          [--bbox XMIN YMIN XMAX YMAX]\n"
                     "  FILE: a model file (JSON), CityJSON (.city.json), CityJSONSeq (.city.jsonl) or CityGML (.gml)\n";
        if (!error.empty()) std::cerr << error << "\n";
        return kExitErrors;
    }
    host::LoadedAddOn addOn;
    if (!app::StartHost(options, addOn, error)) {
        std::cerr << error << "\n";
        return kExitErrors;
    }
    const std::string input = options.rest[0];
    const std::string output = options.outDir.empty() ? DefaultModelPath(input) : options.outDir;
    app::CurrentReadOptions().progress = [](size_t buildings, size_t roofs) {
        std::cerr << "\r" << buildings << " buildings, " << roofs << " roofs" << std::flush;
    };
    app::InstallModelReader(&std::cout);
    host::Model model;
    const bool loaded = host::LoadModelFile(input, model, error);
    app::RemoveModelReader();
    const import::Report& report = app::LastLoadReport();
    std::ofstream log(ReportPath(output), std::ios::binary);
    for (const std::string& line : report.readerLines) {
        std::cout << line << "\n";
        log << line << "\n";
    }
    for (const import::Note& n : report.notes) {
        std::cout << app::NoteText(n) << "\n";
        log << app::NoteText(n) << "\n";
    }
    int result = report.Count(import::Severity::Warning) > 0 ? kExitWarnings : kExitClean;
    if (!loaded) {
        std::cerr << error << "\n";
        log << error << "\n";
        result = kExitErrors;
    } else if (!host::SaveModelFile(output, model, error)) {
        std::cerr << error << "\n";
        result = kExitErrors;
    } else {
        std::cout << output << "\n";
    }
    app::StopHost(addOn);
    return result;
}
