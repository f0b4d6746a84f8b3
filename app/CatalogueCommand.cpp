// Purpose: `tevaro catalogue [FILE]`: loads a catalogue file as Initialize does and prints it as JSON;
// a file that is missing, a folder, unreadable, too large, binary or holds no catalogue entry fails
// with a message and exit code 1.
//
// The add-on's own loader runs in-process (the program links the add-on's static library and
// hands it the host's function table, as a freshly loaded add-on gets it), so the tables printed
// are exactly what the add-on would hold. Doubles are printed so that they read back exactly.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "Common_src/AddOnEntry.h"
#include "Common_src/AddOnState.h"
#include "catalogue/Catalogue.h"
#include "app/AppHost.h"
#include "app/Commands.h"
#include "host/AddOnLoader.h"
#include "host/Host.h"
#include "host/InputLimits.h"

namespace {

using json = nlohmann::ordered_json;  // keys in the order of the records

// A zero-terminated text inside a fixed-size field (never read past the field).
template <size_t N>
std::string Text(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

// A name-and-code entry.
json NamedCodeJson(const NamedCode& n) { return {{"name", Text(n.name)}, {"code", Text(n.code)}}; }

// A colour with its image number.
json ColourJson(const ColourEntry& c) {
    return {{"name", Text(c.name)}, {"code", Text(c.code)}, {"number", c.number}};
}

// A counted list: its count and its first `count` entries.
template <typename Entry, typename ToJson>
json CountedList(const Entry* entries, int32_t count, ToJson toJson) {
    json list = json::array();
    for (int32_t i = 0; i < count; ++i) list.push_back(toJson(entries[i]));
    return {{"count", count}, {"entries", list}};
}

// A tile type with all its per-type lists.
json TileTypeJson(const TileType& t) {
    json j;
    j["name"] = Text(t.name);
    j["code"] = Text(t.code);
    j["icon"] = t.icon;
    j["link"] = Text(t.link);
    j["tileX"] = t.tileX;
    j["tileY"] = t.tileY;
    j["colours"] = CountedList(t.colours, t.colourCount, ColourJson);
    j["snowGuards"] = CountedList(t.snowGuards, t.snowGuardCount, NamedCodeJson);
    j["ridgeTiles"] = CountedList(t.ridgeTiles, t.ridgeTileCount, NamedCodeJson);
    j["accessories"] = CountedList(t.accessories, t.accessoryCount, [](const TypeAccessory& a) {
        return json{{"name", Text(a.name)},       {"code", Text(a.code)},         {"image", a.image},
                    {"rowAllowed", a.rowAllowed}, {"rowByCount", a.rowByCount}, {"rowCount", a.rowCount},
                    {"flag3", a.flag3}};
    });
    j["layingModes"] = CountedList(t.layingModes, t.layingModeCount, NamedCodeJson);
    return j;
}

// A ridge, valley or accessory type with its colours.
json KindJson(const ColouredKind& k) {
    return {{"name", Text(k.name)}, {"code", Text(k.code)}, {"colours", CountedList(k.colours, k.colourCount, ColourJson)}};
}

// A solar collector or panel.
json SolarJson(const SolarEntry& s) {
    return {{"name", Text(s.name)}, {"code", Text(s.code)}, {"image", s.image}, {"colourCode", Text(s.colourCode)}};
}

// The whole catalogue: every list with its count, and whether a family overflowed.
json CatalogueJson(const Catalogue& c, const std::string& file) {
    json j;
    j["file"] = file;
    j["familyOverflow"] = c.familyOverflow;
    json families = json::array();
    for (const TileFamily& f : c.families) {
        json types = json::array();
        for (int32_t t = 0; t < f.typeCount; ++t) types.push_back(TileTypeJson(f.types[t]));
        families.push_back({{"name", Text(f.name)},
                            {"code", Text(f.code)},
                            {"number1", f.number1},
                            {"number2", f.number2},
                            {"types", {{"count", f.typeCount}, {"entries", types}}}});
    }
    j["families"] = families;
    j["ridgeTypes"] = CountedList(c.ridgeTypes, c.ridgeTypeCount, KindJson);
    j["valleyTypes"] = CountedList(c.valleyTypes, c.valleyTypeCount, KindJson);
    j["accessoryTypes"] = CountedList(c.accessoryTypes, c.accessoryTypeCount, KindJson);
    j["foils"] = CountedList(c.foils, c.foilCount, [](const FoilEntry& e) {
        return json{{"name", Text(e.name)}, {"code", Text(e.code)}, {"number", e.number}, {"link", Text(e.link)}};
    });
    j["solarCollectors"] = CountedList(c.solarCollectors, c.solarCollectorCount, SolarJson);
    j["solarPanels"] = CountedList(c.solarPanels, c.solarPanelCount, SolarJson);
    json loss = json::array();
    for (int32_t i = 0; i < c.lossMultiplierCount; ++i) loss.push_back(Text(c.lossMultipliers[i]));
    j["lossMultipliers"] = {{"count", c.lossMultiplierCount}, {"entries", loss}};
    j["snowGuardingModes"] = CountedList(c.snowGuardingModes, c.snowGuardingModeCount, NamedCodeJson);
    j["display2D"] = CountedList(c.display2D, c.display2DCount, NamedCodeJson);
    j["paths"] = {Text(c.paths[0]), Text(c.paths[1])};
    return j;
}

// Checks a catalogue file before the loader reads it: a regular text file within the size limit.
bool CheckCatalogueFile(const std::string& file, std::string& error) {
    std::string text;
    if (!host::ReadRegularFile(file, host::kMaxTextFileBytes, text, error)) return false;
    const std::string binary = host::BinaryContentProblem(text);
    if (!binary.empty()) return (error = file + ": " + binary, false);
    return true;
}

// True when the loader found no entry at all: no family slot filled and every list empty.
bool CatalogueIsEmpty(const Catalogue& c) {
    for (const TileFamily& f : c.families)
        // a family slot given a line has a name or types
        if (f.name[0] != 0 || f.typeCount != 0) return false;
    const int32_t counts[] = {c.ridgeTypeCount,      c.valleyTypeCount,     c.accessoryTypeCount, c.foilCount,
                              c.solarCollectorCount, c.solarPanelCount,     c.lossMultiplierCount,
                              c.snowGuardingModeCount, c.display2DCount};
    for (int32_t n : counts)
        if (n != 0) return false;
    return true;
}

// Gives the in-process add-on a fresh host, as a freshly loaded add-on would get it.
void ConnectAddOnInProcess() {
    host::ResetSession();
    host::gSession.resources = GetAddOnResourceFork();
    host::InstallFunctionTable(SetImportedFuncAddrs);
}

}  // namespace

int RunCatalogueCommand(int argc, char** argv) {
    app::CommonOptions options;
    std::string error;
    if (!app::ParseCommonOptions(argc, argv, options, error) || options.rest.size() > 1) {
        std::fprintf(stderr, "%s\nusage: tevaro catalogue [FILE] [--addon-folder DIR]\n", error.c_str());
        return 2;
    }
    ConnectAddOnInProcess();
    std::string file;
    if (options.rest.empty()) {
        // As Initialize does: "Tevaro.ini" in the add-on's folder.
        std::string folder = options.addOnFolder;
        if (folder.empty() || folder.back() != '/') folder += '/';
        std::snprintf(gState.addOnFolder, sizeof gState.addOnFolder, "%s", folder.c_str());
        file = folder + "Tevaro.ini";
    } else {
        file = options.rest[0];
    }
    if (!CheckCatalogueFile(file, error)) {
        std::fprintf(stderr, "tevaro catalogue: %s\n", error.c_str());
        return 1;
    }
    if (options.rest.empty()) LoadCatalogue();
    else LoadCatalogueFile(file.c_str());
    for (const host::ReportLine& line : host::gSession.reportLines)
        std::fprintf(stderr, "%s%s\n", line.withDialog ? "[dialog] " : "", line.text.c_str());
    if (CatalogueIsEmpty(gCatalogue)) {
        std::fprintf(stderr, "tevaro catalogue: %s: no line of the file is a catalogue entry (is it a Tevaro.ini?)\n",
                     file.c_str());
        return 1;
    }
    std::cout << CatalogueJson(gCatalogue, file).dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    return 0;
}
