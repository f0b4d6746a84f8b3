// Purpose: writes the model file of a generated housing estate (the fixed mix of roof shapes, every
// roof, wall and fill selected) for the workbench's browser test at estate scale. The generated
// roofs are written with their planes spelled out, and without GUIDs (the session's host gives
// them out), as a hand-made model file is.
// Usage: tevaro_make_estate HOUSES FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>

#include "common/EstateGenerator.h"
#include "host/ModelFile.h"

namespace {

constexpr int kMaxHouses = 100000;  // far beyond any estate a test opens

}  // namespace

int main(int argc, char** argv) {
    const int houses = argc == 3 ? std::atoi(argv[1]) : 0;
    if (houses < 1 || houses > kMaxHouses) {
        std::fprintf(stderr, "usage: tevaro_make_estate HOUSES FILE   (1 to %d houses)\n", kMaxHouses);
        return 2;
    }
    tevaro_test::EstateOptions options;
    options.houses = houses;
    host::Model model;
    std::string error;
    if (!host::LoadModelText(tevaro_test::EstateModel(options), "estate", model, error)) {
        std::fprintf(stderr, "the estate of %d houses: %s\n", houses, error.c_str());
        return 1;
    }
    const std::regex guid(R"("guid": *"\{[^}]*\}",\s*)");
    std::ofstream out(argv[2], std::ios::binary);
    out << std::regex_replace(host::ModelToText(model), guid, "");
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
