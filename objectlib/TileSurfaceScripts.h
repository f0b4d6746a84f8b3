// Purpose: the tile-surface part's plan drawing and quantities, computed from its parameters.
#pragma once

#include <vector>

#include "host/Host.h"

namespace objectlib {

// Plan symbol: outline and holes, tile courses, edges styled by status, accessories and solar rows.
void DrawTileSurface(const host::Element& object, std::vector<host::DrawPrimitive>& out);

// Quantities: area on the slope, tiles, edge lengths by kind, edge tiles, snow guards, accessories.
void TileSurfaceQuantities(const host::Element& object, std::vector<host::QuantityLine>& out);

// +1 when the part's frame has y running up the slope, -1 when down (a flipped plane's nodes are
// negated): read from the side its lower and upper edges lie on.
double SurfaceUphillSign(const host::Element& object);

}  // namespace objectlib
