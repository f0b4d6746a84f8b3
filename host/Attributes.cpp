// Purpose: attributes of the project as the host answers for them: layers, materials, building
// materials and composites (with their skins), their counts and the composite skin lists.
#include "host/Attributes.h"

#include "host/MemoryHandles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace host {
namespace {

// Copies a name into a fixed API text field, always zero-terminated.
void CopyName(char (&target)[256], const std::string& name) {
    std::snprintf(target, sizeof target, "%s", name.c_str());
}

}  // namespace

GSErrCode AttributeGet(const Model& model, API_Attribute* attribute) {
    if (attribute == nullptr) return APIERR_BADPARS;
    const int32_t index = attribute->index;
    switch (attribute->typeID) {
        case API_LayerID: {
            const Layer* layer = FindAttribute(model.layers, index);
            if (layer == nullptr) return APIERR_BADINDEX;
            CopyName(attribute->name, layer->name);
            return NoError;
        }
        case API_MaterialID: {
            const Material* material = FindAttribute(model.materials, index);
            if (material == nullptr) return APIERR_BADINDEX;
            CopyName(attribute->name, material->name);
            return NoError;
        }
        case API_BuildingMaterialID: {
            const BuildingMaterial* bmat = FindAttribute(model.buildingMaterials, index);
            if (bmat == nullptr) return APIERR_BADINDEX;
            CopyName(attribute->name, bmat->name);
            attribute->surfaceMaterial = bmat->surfaceMaterial;
            return NoError;
        }
        case API_CompWallID: {
            const Composite* composite = FindAttribute(model.composites, index);
            if (composite == nullptr) return APIERR_BADINDEX;
            CopyName(attribute->name, composite->name);
            attribute->nSkins = int32_t(composite->skins.size());
            return NoError;
        }
    }
    return APIERR_BADPARS;
}

GSErrCode AttributeGetNum(const Model& model, API_AttrTypeID typeID, int32_t* count) {
    if (count == nullptr) return APIERR_BADPARS;
    switch (typeID) {
        case API_LayerID: *count = HighestAttributeIndex(model.layers); return NoError;
        case API_MaterialID: *count = HighestAttributeIndex(model.materials); return NoError;
        case API_BuildingMaterialID: *count = HighestAttributeIndex(model.buildingMaterials); return NoError;
        case API_CompWallID: *count = HighestAttributeIndex(model.composites); return NoError;
    }
    return APIERR_BADPARS;
}

GSErrCode AttributeGetDef(const Model& model, API_AttrTypeID typeID, int32_t index, API_AttributeDef* defs) {
    if (defs == nullptr) return APIERR_BADPARS;
    if (typeID != API_CompWallID) return APIERR_BADPARS;
    const Composite* composite = FindAttribute(model.composites, index);
    if (composite == nullptr) return APIERR_BADINDEX;
    const size_t n = composite->skins.size();
    GSHandle handle = NewHostHandle(int32_t(n * sizeof(API_CWallComponent)));
    if (handle == nullptr) return APIERR_MEMFULL;
    auto* skins = reinterpret_cast<API_CWallComponent*>(*handle);
    for (size_t k = 0; k < n; ++k) {
        skins[k].buildingMaterial = composite->skins[k];
        skins[k].thickness = 0;
    }
    defs->cwall_compItems = reinterpret_cast<API_CWallComponent**>(handle);
    return NoError;
}

GSErrCode DisposeAttrDefs(API_AttributeDef* defs) {
    if (defs == nullptr) return NoError;
    if (defs->cwall_compItems != nullptr) {
        GSHandle handle = reinterpret_cast<GSHandle>(defs->cwall_compItems);
        KillHandle(&handle);
        defs->cwall_compItems = nullptr;
    }
    return NoError;
}

}  // namespace host
