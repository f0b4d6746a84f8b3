// Purpose: the active library list and its library parts.
#include "host/Libraries.h"

#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "host/JsonInput.h"
#include "host/ParamLists.h"

namespace host {
namespace {

constexpr size_t kMainIdLength = 38;  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"

// The main identifier of a unique identifier (its first 38 characters).
std::string MainId(const std::string& unId) { return unId.substr(0, kMainIdLength); }

// Reads one part record of a library file.
bool PartFromJson(const nlohmann::json& j, LibPart& part, std::string& error) {
    if (!j.is_object() || !j.contains("unId") || !j["unId"].is_string()) {
        error = "a library part needs a \"unId\"";
        return false;
    }
    part.unId = j["unId"].get<std::string>();
    if (part.unId.size() < kMainIdLength || part.unId[0] != '{') {
        error = "library part \"" + part.unId + "\": the identifier must begin with {main}";
        return false;
    }
    const std::string type = j.value("type", std::string("object"));
    if (type != "object") {
        error = "library part \"" + part.unId + "\": only object parts are known";
        return false;
    }
    part.type = APILib_ObjectID;
    part.name = j.value("name", std::string());
    part.fileName = j.value("fileName", part.name);
    part.a = j.value("a", 1.0);
    part.b = j.value("b", 1.0);
    if (j.contains("params")) {
        if (!j["params"].is_array()) {
            error = "library part \"" + part.unId + "\": \"params\" must be a list";
            return false;
        }
        for (const auto& pj : j["params"]) {
            ParamValue p;
            if (!ParamFromJson(pj, p, error)) {
                error = "library part \"" + part.unId + "\": " + error;
                return false;
            }
            part.params.push_back(std::move(p));
        }
    }
    return true;
}

// Adds a loaded part, filling the placeholder of the same main identifier when there is one.
void InstallPart(LibPart part, const std::string& location) {
    part.library = location;
    part.loaded = true;
    part.scripts = RegisteredScriptsFor(part.unId);
    for (LibPart& known : gSession.libParts) {
        if (MainId(known.unId) != MainId(part.unId)) continue;
        if (known.loaded) return;  // the first active library that holds a part wins
        part.index = known.index;
        known = std::move(part);
        return;
    }
    part.index = int32_t(gSession.libParts.size()) + 1;
    gSession.libParts.push_back(std::move(part));
}

}  // namespace

bool IsLibraryActive(const std::string& location) {
    for (const Library& lib : gSession.libraries)
        if (lib.location == location) return true;
    return false;
}

GSErrCode AddLibraryText(const std::string& text, const std::string& location, bool builtIn, std::string* error) {
    std::string why;
    std::vector<LibPart> parts;
    try {
        nlohmann::json j;
        if (!ParseJsonWithinLimits(text, j, why)) {
            // why says what is wrong
        } else if (!j.is_object() || !j.contains("parts") || !j["parts"].is_array()) {
            why = "not a library file (no \"parts\" list)";
        } else {
            for (const auto& pj : j["parts"]) {
                LibPart part;
                if (!PartFromJson(pj, part, why)) break;
                parts.push_back(std::move(part));
            }
        }
    } catch (const std::exception& e) {
        why = std::string("not a library file: ") + e.what();
    }
    if (!why.empty()) {
        if (error != nullptr) *error = location + ": " + why;
        return APIERR_NOLIB;
    }
    if (IsLibraryActive(location)) return NoError;
    gSession.libraries.push_back(Library{location, builtIn});
    for (LibPart& part : parts) InstallPart(std::move(part), location);
    return NoError;
}

GSErrCode AddLibrary(const std::string& location, bool builtIn, std::string* error) {
    if (IsLibraryActive(location)) return NoError;
    std::ifstream in(location, std::ios::binary);
    if (!in) {
        if (error != nullptr) *error = location + ": cannot be read";
        return APIERR_NOLIB;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return AddLibraryText(text.str(), location, builtIn, error);
}

int32_t SearchLibPart(const std::string& unId) {
    const std::string wanted = MainId(unId);
    for (const LibPart& part : gSession.libParts)
        if (part.loaded && MainId(part.unId) == wanted) return part.index;
    return 0;
}

int32_t LibPartIndexForUnId(const std::string& unId) {
    for (const LibPart& part : gSession.libParts)
        if (MainId(part.unId) == MainId(unId)) return part.index;
    LibPart placeholder;
    placeholder.unId = unId;
    placeholder.index = int32_t(gSession.libParts.size()) + 1;
    placeholder.loaded = false;
    gSession.libParts.push_back(std::move(placeholder));
    return gSession.libParts.back().index;
}

LibPart* LibPartByIndex(int32_t index) {
    if (index < 1 || index > int32_t(gSession.libParts.size())) return nullptr;
    return &gSession.libParts[size_t(index - 1)];
}

}  // namespace host
