// Purpose: the add-on's current roof model read out of the loaded deliverable and written as JSON.
//
// The deliverable is a separate shared library with its own copy of the add-on's state; its
// diagnostic export hands the program the run table, the tile settings and the topology log. The
// records and their layout are the add-on's own headers.
#include "app/PlaneDump.h"

#include <cstdio>
#include <cstring>
#include <fstream>

#include <nlohmann/json.hpp>

#include "app/AppHost.h"
#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/ModelFile.h"

namespace app {

std::vector<HeldPlane> HeldRoofPlanes() {
    std::vector<HeldPlane> planes;
    const AddOnDiagnostics* addOn = LoadedAddOnDiagnostics();
    if (addOn == nullptr || addOn->roofPlanes == nullptr) return planes;
    const RoofPlaneTable& table = *addOn->roofPlanes;
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
    const AddOnDiagnostics* addOn = LoadedAddOnDiagnostics();
    const char* text = addOn != nullptr && addOn->topologyLog != nullptr ? addOn->topologyLog() : nullptr;
    return text != nullptr ? text : "";
}

bool WritePlaneDump(const std::string& path, std::string& error) {
    nlohmann::json planes = nlohmann::json::array();
    for (const HeldPlane& p : HeldRoofPlanes()) {
        nlohmann::json vertices = nlohmann::json::array(), coords = nlohmann::json::array();
        for (const API_Coord3D& v : p.vertices) vertices.push_back({v.x, v.y, v.z});
        for (const API_Coord& c : p.planeCoords) coords.push_back({c.x, c.y});
        planes.push_back({{"roof", p.roofId},         {"roofGuid", host::GuidToString(p.roofGuid)},
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
    const AddOnDiagnostics* addOn = LoadedAddOnDiagnostics();
    const TileSettings* settings = addOn != nullptr ? addOn->tileSettings : nullptr;
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
