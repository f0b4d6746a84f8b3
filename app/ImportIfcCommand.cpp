// Purpose: `tevaro import-ifc FILE.ifc [--out MODEL.json] [--report FILE]`: reads an IFC file
// into a model file and prints the import report.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "import/ifc/IfcImport.h"
#include "import/ifc/IfcTexts.h"

namespace {

// The command's usage text.
void PrintImportIfcHelp(std::ostream& out) {
    out << "usage: tevaro import-ifc FILE.ifc [--out MODEL.json] [--report FILE]\n"
           "  reads the roofs (with their planes and holes), walls, chimneys and storeys of an IFC\n"
           "  file (IFC2X3 or IFC4) into a model file; MODEL.json defaults to FILE with .json.\n"
           "  The import report goes to standard output (and to --report FILE when given).\n"
           "  Nothing is written when the file cannot be imported (exit 1).\n";
}

// The IFC file's name with its extension replaced by .json.
std::string DefaultOut(const std::string& ifc) {
    const size_t slash = ifc.find_last_of('/');
    const size_t dot = ifc.find_last_of('.');
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExt ? ifc.substr(0, dot) : ifc) + ".json";
}

// Writes `text` to `path` through a temporary file, so a failed write leaves nothing half done.
bool WriteWhole(const std::string& path, const std::string& text) {
    const std::string tmp = path + ".part";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out || !(out << text) || !out.flush()) {
            std::remove(tmp.c_str());
            return false;
        }
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        return false;
    }
    return true;
}

}  // namespace

int RunImportIfcCommand(int argc, char** argv) {
    std::string input, outPath, reportPath;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            PrintImportIfcHelp(std::cout);
            return 0;
        }
        // an option that needs the next argument
        if ((a == "--out" || a == "--report") && i + 1 < argc) {
            (a == "--out" ? outPath : reportPath) = argv[++i];
        } else if (!a.empty() && a[0] != '-' && input.empty()) {
            input = a;
        } else {
            std::cerr << "tevaro import-ifc: unexpected argument \"" << a << "\"\n";
            PrintImportIfcHelp(std::cerr);
            return 2;
        }
    }
    if (input.empty()) {
        PrintImportIfcHelp(std::cerr);
        return 2;
    }
    if (outPath.empty()) outPath = DefaultOut(input);
    nlohmann::json model;
    std::vector<std::string> report;
    std::string error;
    std::cerr << ifcimport::IfcMessage(ifcimport::kTxtReading, {input}) << std::endl;
    if (!ImportIfc(input, model, report, error)) {
        std::cerr << error << "\n";
        return 1;
    }
    std::string reportText;
    for (const std::string& line : report) reportText += line + "\n";
    std::cout << reportText;
    // the report first, so that a model is never left without the report that was asked for
    if (!reportPath.empty() && !WriteWhole(reportPath, reportText)) {
        std::cerr << ifcimport::IfcMessage(ifcimport::kTxtCannotWrite, {reportPath}) << "\n";
        return 1;
    }
    if (!WriteWhole(outPath, model.dump(1) + "\n")) {
        std::cerr << ifcimport::IfcMessage(ifcimport::kTxtCannotWrite, {outPath}) << "\n";
        if (!reportPath.empty()) std::remove(reportPath.c_str());
        return 1;
    }
    return 0;
}
