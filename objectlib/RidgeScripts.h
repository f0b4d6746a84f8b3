// Purpose: the ridge part's plan drawing and quantities, computed from its parameters.
#pragma once

#include <vector>

#include "host/Host.h"

namespace objectlib {

// The length one ridge tile covers along the ridge, metres.
constexpr double kRidgeTileCoverLength = 0.33;

// Plan symbol: the ridge line from its lower end, with the end pieces its "stat1"/"stat2" call for.
void DrawRidge(const host::Element& object, std::vector<host::DrawPrimitive>& out);

// Quantities: the ridge's true length, its ridge tiles and its end pieces.
void RidgeQuantities(const host::Element& object, std::vector<host::QuantityLine>& out);

}  // namespace objectlib
