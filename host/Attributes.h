// Purpose: attributes of the project: layers, materials, building materials, composites.
#pragma once

#include "host/Model.h"

namespace host {

GSErrCode AttributeGet(const Model& model, API_Attribute* attribute);
GSErrCode AttributeGetNum(const Model& model, API_AttrTypeID typeID, int32_t* count);
GSErrCode AttributeGetDef(const Model& model, API_AttrTypeID typeID, int32_t index, API_AttributeDef* defs);
GSErrCode DisposeAttrDefs(API_AttributeDef* defs);

}  // namespace host
