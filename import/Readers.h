// Purpose: the table of model readers: each format is one row {name, sniff, read}; a reader turns
// a file's text into a model document (the JSON of a model file). City models and IFC files add
// their row here.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "import/ImportModel.h"
#include "import/ModelDoc.h"

namespace import {

// What to read of a file that holds many buildings.
struct ReadOptions {
    std::vector<std::string> select;  // building identifiers to keep (empty: all)
    bool hasBox = false;              // keep buildings whose plan centre lies in the box
    double box[4] = {0, 0, 0, 0};     // xmin ymin xmax ymax, in the file's coordinates
    std::function<void(size_t buildings, size_t roofs)> progress;  // called now and then on long reads
};

struct FormatReader {
    const char* name;
    // True when the text (its start and the file's name) is in this format.
    bool (*sniff)(const std::string& sourceName, const std::string& text);
    // Fills `doc` with a model document; false with `error` (file, place, what).
    bool (*read)(const std::string& text, const std::string& sourceName, const ReadOptions& options, Json& doc,
                 Report& report, std::string& error);
};

// The readers, in the order they are tried; the model file reader is last and takes the rest.
const std::vector<FormatReader>& FormatReaders();

// Reads a file's text with the first reader whose sniff accepts it.
bool ReadModelDoc(const std::string& text, const std::string& sourceName, const ReadOptions& options, Json& doc,
                  Report& report, std::string& error);

// True when the text's first character that is not blank is `c`.
bool StartsWithChar(const std::string& text, char c);

}  // namespace import
