// Purpose: the IFC import as one call: an IFC file in, an ordinary model (docs/model-format.md)
// out, with a report of what became what and what was dropped.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace ifcimport {

// Reads the IFC file at `path` and builds the model: each IfcRoof (or free IfcSlab ROOF /
// IfcCovering ROOFING) one roof with its top planes and holes, walls and chimneys as walls,
// storeys as stories, GlobalIds as GUIDs, true north as "northAngle" and the shift to a local
// origin as "originShift" (and "crs"). `report` receives the import report (Hungarian, one line an entry). On
// failure returns false with `error` set and leaves `model` untouched.
bool ImportIfc(const std::string& path, nlohmann::json& model, std::vector<std::string>& report,
               std::string& error);

// The second half of ImportIfc: the model from the mesh stage's JSON document. `source` names
// the file in messages.
bool BuildModelFromMeshes(const nlohmann::json& meshes, const std::string& source, nlohmann::json& model,
                          std::vector<std::string>& report, std::string& error);

// The GUID "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" of an IFC GlobalId (22 characters of the
// IFC base-64 alphabet); empty when `globalId` is not one.
std::string GuidFromGlobalId(const std::string& globalId);

// Degrees from the model's y axis to true north, counter-clockwise, from IFC TrueNorth (x, y).
double NorthAngleDeg(double trueNorthX, double trueNorthY);

}  // namespace ifcimport

// The import as the program's reader table expects it.
inline bool ImportIfc(const std::string& path, nlohmann::json& model, std::vector<std::string>& report,
                      std::string& error) {
    return ifcimport::ImportIfc(path, model, report, error);
}
