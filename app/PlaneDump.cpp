// Purpose: the add-on's current roof model read out of the loaded deliverable and written as JSON.
//
// The deliverable is a separate shared library with its own copy of the add-on's state, and it
// exports nothing but its entry points. The program finds that state as a debugger would: by its
// symbol in the file's symbol table, placed where the loaded file's exported entry point shows
// the file was loaded. The records and their layout are the add-on's own headers.
#include "app/PlaneDump.h"

#include <dlfcn.h>
#include <elf.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "Common_src/AddOnState.h"
#include "dialogs/TileSettings.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"

namespace app {
namespace {

// The address of symbol `name` inside the loaded deliverable; null when it cannot be found (no
// add-on loaded, a stripped file).
void* LoadedAddOnSymbol(const char* name) {
    const std::string& path = host::gSession.ownLocation;
    if (path.empty()) return nullptr;
    void* lib = dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (lib == nullptr) return nullptr;
    void* entry = dlsym(lib, "GetExportedFuncAddrs");
    dlclose(lib);  // only drops the reference NOLOAD took
    if (entry == nullptr) return nullptr;
    std::ifstream in(path, std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (file.size() < sizeof(Elf64_Ehdr)) return nullptr;
    const auto* eh = reinterpret_cast<const Elf64_Ehdr*>(file.data());
    if (eh->e_shoff == 0 || eh->e_shoff + uint64_t(eh->e_shnum) * sizeof(Elf64_Shdr) > file.size()) return nullptr;
    const auto* sections = reinterpret_cast<const Elf64_Shdr*>(file.data() + eh->e_shoff);
    uint64_t entryValue = 0, wantedValue = 0;
    for (int k = 0; k < eh->e_shnum; ++k) {
        const Elf64_Shdr& sh = sections[k];
        if (sh.sh_type != SHT_SYMTAB || sh.sh_link >= eh->e_shnum) continue;
        const Elf64_Shdr& strings = sections[sh.sh_link];
        if (sh.sh_offset + sh.sh_size > file.size() || strings.sh_offset + strings.sh_size > file.size()) return nullptr;
        const auto* syms = reinterpret_cast<const Elf64_Sym*>(file.data() + sh.sh_offset);
        for (size_t i = 0; i < sh.sh_size / sizeof(Elf64_Sym); ++i) {
            if (syms[i].st_name >= strings.sh_size || syms[i].st_value == 0) continue;
            const char* symName = file.data() + strings.sh_offset + syms[i].st_name;
            if (std::strcmp(symName, "GetExportedFuncAddrs") == 0) entryValue = syms[i].st_value;
            if (std::strcmp(symName, name) == 0) wantedValue = syms[i].st_value;
        }
    }
    if (entryValue == 0 || wantedValue == 0) return nullptr;
    return static_cast<char*>(entry) - entryValue + wantedValue;
}

// The add-on's global state inside the loaded deliverable; null when it cannot be found.
const AddOnState* LoadedAddOnState() { return static_cast<const AddOnState*>(LoadedAddOnSymbol("gState")); }

// The GUID text "{XXXXXXXX-...}" of a host GUID.
std::string GuidText(const API_Guid& g) {
    char text[64];
    std::snprintf(text, sizeof text, "{%08llX-%04llX-%04llX-%04llX-%012llX}", (unsigned long long)(g.hi >> 32),
                  (unsigned long long)((g.hi >> 16) & 0xFFFF), (unsigned long long)(g.hi & 0xFFFF),
                  (unsigned long long)(g.lo >> 48), (unsigned long long)(g.lo & 0xFFFFFFFFFFFFull));
    return text;
}

}  // namespace

std::vector<HeldPlane> HeldRoofPlanes() {
    std::vector<HeldPlane> planes;
    const AddOnState* state = LoadedAddOnState();
    if (state == nullptr) return planes;
    const RoofPlaneTable& table = state->roofPlanes;
    for (uint32_t r = 0; r < table.planes.count; ++r) {
        const RoofPlane& p = table.planes[r];
        HeldPlane h;
        h.roofGuid = p.roofGuid;
        for (const host::Element& e : host::gSession.model.elements)
            if (e.rec.header.guid == p.roofGuid) h.roofId = e.elementId;
        h.group = p.group;
        h.slope = p.slope;
        h.azimuth = p.azimuth;
        h.area = p.area;
        h.flipped = p.flipped != 0;
        h.contourCount = p.contourCount;
        for (uint32_t i = 0; i < p.vertexCount; ++i) {
            const bool hasCoords = i < p.planeCoords.count;
            h.vertices.push_back(i < p.vertices.count ? API_Coord3D{p.vertices[i].x, p.vertices[i].y, p.vertices[i].z}
                                                      : API_Coord3D{});
            h.planeCoords.push_back(hasCoords ? API_Coord{p.planeCoords[i].x, p.planeCoords[i].y} : API_Coord{});
            h.edgeStatus.push_back(i < p.edgeStatus.count ? p.edgeStatus[i] : int16_t(0));
            h.edgeKind.push_back(i < p.edgeKind.count ? p.edgeKind[i] : int16_t(0));
        }
        planes.push_back(std::move(h));
    }
    return planes;
}

std::string HeldTopologyLog() {
    using LogFn = const char* (*)();
    auto log = reinterpret_cast<LogFn>(LoadedAddOnSymbol("_Z11TopologyLogv"));
    const char* text = log != nullptr ? log() : nullptr;
    return text != nullptr ? text : "";
}

bool WritePlaneDump(const std::string& path, std::string& error) {
    nlohmann::json planes = nlohmann::json::array();
    for (const HeldPlane& p : HeldRoofPlanes()) {
        nlohmann::json vertices = nlohmann::json::array(), coords = nlohmann::json::array();
        for (const API_Coord3D& v : p.vertices) vertices.push_back({v.x, v.y, v.z});
        for (const API_Coord& c : p.planeCoords) coords.push_back({c.x, c.y});
        planes.push_back({{"roof", p.roofId},         {"roofGuid", GuidText(p.roofGuid)},
                          {"group", p.group},         {"slope", p.slope},
                          {"azimuth", p.azimuth},     {"flipped", p.flipped},
                          {"area", p.area},           {"contourCount", p.contourCount},
                          {"vertices", vertices},     {"planeCoords", coords},
                          {"edgeStatus", p.edgeStatus}, {"edgeKind", p.edgeKind}});
    }
    const nlohmann::json doc = {{"planes", planes}, {"topologyLog", HeldTopologyLog()}};
    std::ofstream out(path, std::ios::binary);
    out << doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    if (!out) { error = "cannot write " + path; return false; }
    return true;
}

bool WriteSettingsDump(const std::string& path, std::string& error) {
    const auto* settings = static_cast<const TileSettings*>(LoadedAddOnSymbol("gTileSettings"));
    if (settings == nullptr) {
        error = "the loaded add-on's tile settings cannot be found";
        return false;
    }
    const TileSettings& t = *settings;
    const nlohmann::json doc = {
        {"fam", t.fam},           {"color", t.color},         {"wingtile", t.wingtile},
        {"auto_acc", t.auto_acc}, {"folia", t.folia},         {"vapatipus", t.vapatipus},
        {"mat_pan", t.mat_pan},   {"hofogas", t.hofogas},     {"hofogo", t.hofogo},
        {"csrogz", t.csrogz},     {"rogkar", t.rogkar},       {"vesztesegszorzo", t.vesztesegszorzo},
        {"opt2d", t.opt2d},       {"pen1", t.pen1},           {"tile_x", t.tile_x},
        {"tile_y", t.tile_y},     {"typ", t.typ},             {"gcstyp", t.gcstyp},
        {"layer", t.layer}};
    std::ofstream out(path, std::ios::binary);
    out << doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    if (!out) { error = "cannot write " + path; return false; }
    return true;
}

}  // namespace app
