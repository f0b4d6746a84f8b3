// Purpose: runs the mesh stage (tools/ifc-mesh/ifc-mesh.js, web-ifc under node) on an IFC file
// and reads the meshes it writes.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace ifcimport {

// Runs the mesh stage on `ifcPath`; on success `meshes` holds its JSON document. On failure
// `error` holds the user text (Hungarian) that names the file and what went wrong.
bool RunMeshStage(const std::string& ifcPath, nlohmann::json& meshes, std::string& error);

// The node program the mesh stage runs under (TEVARO_NODE, else node or nodejs on PATH); empty
// when there is none.
std::string FindNode();

}  // namespace ifcimport
