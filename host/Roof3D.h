// Purpose: the 3D model of roof elements (bodies, polygons, edges, vertices, normals, materials).
#pragma once

#include "host/Model.h"

namespace host {

// The body range of an element's 3D model; roofs have one body.
GSErrCode Get3DInfo(const Model& model, const API_Elem_Head* head, API_ElemInfo3D* info);

// Reads one component of the 3D model. For API_BodyID, header.index is the body index; for the
// other kinds, component->bodyIndex names the body and header.index the component within it.
GSErrCode GetComponent3D(const Model& model, API_Component3D* component);

// Keeps a chained roof's surface overrides together after a masked change (`mask` marks the
// changed fields): while the chained flag is on, the override that changed (the top first, then
// the side, then the bottom) is copied, flag and material, to the other two. The 3D model shows
// the stored overrides as they are.
void ChainRoofMaterials(API_RoofType& roof, const API_RoofType& mask);

}  // namespace host
