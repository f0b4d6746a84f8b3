// Purpose: the add-on's current roof model (its run table of roof planes and the topology log)
// read out of the loaded deliverable and written as JSON, for `dump-planes` and the plan drawing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Common_src/Api_related/HostTypes.h"

namespace app {

// One roof plane as the add-on holds it, copied out of its run table.
struct HeldPlane {
    API_Guid roofGuid;
    std::string roofId;  // the roof's element ID ("" when the roof is gone)
    uint32_t group = 0;
    double slope = 0, azimuth = 0, area = 0;
    bool flipped = false;
    uint32_t contourCount = 0;
    std::vector<API_Coord3D> vertices;     // all contours, each closed by a repeat of its first vertex
    std::vector<API_Coord> planeCoords;
    std::vector<int16_t> edgeStatus, edgeKind;
};

// The planes the add-on holds now (empty when it holds none or no add-on is loaded), and its log.
std::vector<HeldPlane> HeldRoofPlanes();
std::string HeldTopologyLog();

// Writes the held roof model as JSON to `path`; false with `error`.
bool WritePlaneDump(const std::string& path, std::string& error);

// Writes the add-on's current tile settings (every field) as JSON to `path`; false with `error`.
bool WriteSettingsDump(const std::string& path, std::string& error);

}  // namespace app
