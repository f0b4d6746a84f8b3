// Purpose: the table of model readers: each format is one row {name, sniff, read}.
#include "import/Readers.h"

#include "import/CityModel.h"
#include "import/ifc/IfcImport.h"

namespace import {
namespace {

// Any JSON text is taken for a model file (the model loader names what is wrong with it).
bool SniffModelJson(const std::string&, const std::string&) { return true; }

// A model file: the text parsed as JSON, as the model loader always has.
bool ReadModelJson(const std::string& text, const std::string& sourceName, const ReadOptions&, Json& doc, Report&,
                   std::string& error) {
    try {
        doc = Json::parse(text);
    } catch (const nlohmann::json::exception& e) {  // syntax errors and numbers out of range
        error = sourceName + ": not valid JSON (" + e.what() + ")";
        return false;
    }
    return true;
}

// An IFC file: a STEP exchange file (ISO 10303-21) or a file named .ifc.
bool SniffIfc(const std::string& sourceName, const std::string& text) {
    const bool named = sourceName.size() > 4 && (sourceName.compare(sourceName.size() - 4, 4, ".ifc") == 0 ||
                                                 sourceName.compare(sourceName.size() - 4, 4, ".IFC") == 0);
    return named || text.compare(0, 12, "ISO-10303-21") == 0;
}

// An IFC file through its mesh and plane stages (they read the file by its path); the import's
// own report lines are kept for the program to print.
bool ReadIfc(const std::string&, const std::string& sourceName, const ReadOptions&, Json& doc, Report& report,
             std::string& error) {
    nlohmann::json model;  // the IFC import writes a plain JSON document; the readers share an ordered one
    if (!ImportIfc(sourceName, model, report.readerLines, error)) return false;
    doc = Json::parse(model.dump());
    return true;
}

}  // namespace

bool StartsWithChar(const std::string& text, char c) {
    const size_t at = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    return at != std::string::npos && text[at] == c;
}

const std::vector<FormatReader>& FormatReaders() {
    static const std::vector<FormatReader> kReaders = {
        {"CityJSON", SniffCityJson, ReadCityJson},
        {"CityGML", SniffCityGml, ReadCityGml},
        {"IFC", SniffIfc, ReadIfc},
        {"model JSON", SniffModelJson, ReadModelJson},
    };
    return kReaders;
}

bool ReadModelDoc(const std::string& text, const std::string& sourceName, const ReadOptions& options, Json& doc,
                  Report& report, std::string& error) {
    for (const FormatReader& r : FormatReaders())
        if (r.sniff(sourceName, text)) return r.read(text, sourceName, options, doc, report, error);
    error = sourceName + ": unknown file format";
    return false;
}

}  // namespace import
