// Purpose: the table of model readers: each format is one row {name, sniff, read}.
#include "import/Readers.h"

#include "import/CityModel.h"

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

}  // namespace

bool StartsWithChar(const std::string& text, char c) {
    const size_t at = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    return at != std::string::npos && text[at] == c;
}

const std::vector<FormatReader>& FormatReaders() {
    static const std::vector<FormatReader> kReaders = {
        {"CityJSON", SniffCityJson, ReadCityJson},
        {"CityGML", SniffCityGml, ReadCityGml},
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
