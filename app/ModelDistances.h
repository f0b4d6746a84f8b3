// Purpose: the distances the program's outputs compare model points with, each defined once.
#pragma once

namespace app {

// Metres: two model points closer than this are one place (the two ends of a shared edge, a
// tile surface on its plane's corner, two surfaces on one plane).
constexpr double kSamePlaceDistance = 0.01;

// Metres: a plan point, or a drawn edge, closer than this to a roof's edge lies on that edge.
constexpr double kOnEdgeDistance = 0.02;

}  // namespace app
