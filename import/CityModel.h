// Purpose: what the city-model readers share: one building's roof and wall polygons as read,
// and the writer that turns buildings into a model document (a roof element per building or
// building part, walls where a wall surface rises above a roof edge, coordinates shifted to a
// local origin, the shift and the coordinate reference system kept).
#pragma once

#include <string>
#include <vector>

#include "import/ImportModel.h"
#include "import/ModelDoc.h"
#include "import/Readers.h"

namespace import {

// One building or building part of a city model, in the file's coordinates (metres).
struct CityBuilding {
    std::string id;
    std::vector<Face> roofs;  // every RoofSurface polygon, holes kept
    std::vector<Ring> walls;  // every WallSurface polygon (outer ring)
};

// Collects buildings one by one and writes the model document at the end.
struct CityModelWriter {
    const ReadOptions* options = nullptr;
    std::string crs;                  // the file's coordinate reference system, when it names one
    bool haveShift = false;
    Vec3 shift;                       // subtracted from every point: the local origin
    std::vector<CityBuilding> kept;   // buildings taken (shifted)
    size_t seen = 0, skipped = 0;     // buildings read, and left out (no roof, not selected)
};

// Takes one building: shifted to the local origin (fixed by the first building taken), checked
// against --select and --bbox; reports progress now and then.
void AddCityBuilding(CityModelWriter& writer, CityBuilding building, Report& report);

// Writes the model document: roofs, the walls that rise above a roof edge, the origin shift and
// the coordinate reference system.
Json CityModelDoc(const CityModelWriter& writer, Report& report);

// The readers of the table.
bool SniffCityJson(const std::string& sourceName, const std::string& text);
bool ReadCityJson(const std::string& text, const std::string& sourceName, const ReadOptions& options, Json& doc,
                  Report& report, std::string& error);
bool SniffCityGml(const std::string& sourceName, const std::string& text);
bool ReadCityGml(const std::string& text, const std::string& sourceName, const ReadOptions& options, Json& doc,
                 Report& report, std::string& error);

}  // namespace import
