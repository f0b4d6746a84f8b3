// Purpose: reading one roof's top surface from the host's 3D model into the shared roof model.
#pragma once

#include "Common_src/Api_related/HostTypes.h"

// Appends one RoofPlane per top-surface polygon of the roof to gState.roofPlanes. The top
// polygons are told apart by material; when the roof's own materials cannot tell them apart,
// the roof gets three distinct override materials while it is read and has its own back after.
// 0 when at least one plane was added; otherwise the host's error, APIERR_GENERAL after the
// fault dialog, APIERR_MEMFULL when memory ran out, APIERR_DELETED when no top polygon was found.
GSErrCode ExtractRoof(API_Guid roofGuid, API_Guid tileSurfaceGuid);

// Reads one component of a body's 3D model (a vertex, edge, polygon, ... by its index); the host's code.
GSErrCode ReadComponent(API_3DTypeID type, int32_t index, int32_t body, API_Component3D& component);
