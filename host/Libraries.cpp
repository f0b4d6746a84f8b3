// Purpose: the active library list and its library parts.
#include "host/Libraries.h"

#include <fstream>
#include <sstream>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "Common_src/LibPartIds.h"
#include "host/JsonInput.h"
#include "host/ParamLists.h"

namespace host {
namespace {

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

// The session's parts by main identifier. It describes the part list of one length; a list that
// grew or was replaced (a fresh session) is indexed again on the next lookup.
struct PartIndex {
    std::unordered_map<std::string, int32_t> byMainId;  // the first part of each main identifier
    const LibPart* data = nullptr;
    size_t size = 0;
};
PartIndex gPartIndex;

// The index of the session's part list, built again when the list is not the one it describes.
PartIndex& CurrentPartIndex() {
    const std::vector<LibPart>& parts = gSession.libParts;
    if (gPartIndex.data == parts.data() && gPartIndex.size == parts.size()) return gPartIndex;
    gPartIndex.byMainId.clear();
    for (const LibPart& part : parts) gPartIndex.byMainId.emplace(MainId(part.unId), part.index);
    gPartIndex.data = parts.data();
    gPartIndex.size = parts.size();
    return gPartIndex;
}

// The known part (loaded or a placeholder) of this main identifier; null when none.
LibPart* KnownPart(const std::string& mainId) {
    PartIndex& index = CurrentPartIndex();
    auto found = index.byMainId.find(mainId);
    if (found == index.byMainId.end()) return nullptr;
    LibPart* part = LibPartByIndex(found->second);
    // a part renamed in place since the index was made: look again from scratch
    if (part == nullptr || MainId(part->unId) != mainId) {
        gPartIndex.size = 0;
        gPartIndex.data = nullptr;
        found = CurrentPartIndex().byMainId.find(mainId);
        part = found == gPartIndex.byMainId.end() ? nullptr : LibPartByIndex(found->second);
    }
    return part;
}

// Adds a loaded part, filling the placeholder of the same main identifier when there is one.
void InstallPart(LibPart part, const std::string& location) {
    part.library = location;
    part.loaded = true;
    part.scripts = RegisteredScriptsFor(part.unId);
    if (LibPart* known = KnownPart(MainId(part.unId))) {
        if (known->loaded) return;  // the first active library that holds a part wins
        part.index = known->index;
        *known = std::move(part);
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
    const LibPart* part = KnownPart(MainId(unId));
    return part != nullptr && part->loaded ? part->index : 0;
}

int32_t LibPartIndexForUnId(const std::string& unId) {
    if (const LibPart* part = KnownPart(MainId(unId))) return part->index;
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
