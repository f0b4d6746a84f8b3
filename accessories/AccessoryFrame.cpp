// Purpose: the tile surface's own frame for accessories: picked plan points turned into frame
// coordinates on the slope, row ends projected onto the roof's direction, and the rubber-band
// rectangles shown while the user picks.
#include "accessories/AccessoryFrame.h"

#include <cmath>

namespace {

// An angle brought into [0, 2pi).
double NormalizedAngle(double a) {
    while (a < 0) a += kTwoPi;
    while (a >= kTwoPi) a -= kTwoPi;
    return a;
}

// The point at distance `length` from `from` in direction `direction`.
Coord2 PointAlong(const Coord2& from, double direction, double length) {
    return {from.x + length * std::cos(direction), from.y + length * std::sin(direction)};
}

}  // namespace

Coord2 AccessoryFramePoint(const Coord2& position, double angle, double alpha, const Coord2& picked) {
    const double r = NormalizedAngle(angle);
    const double d = Distance2(picked, position);
    // Direction from the picked point towards the position; 0 when the two coincide.
    const double theta = DirAngle2D(picked, position);
    return {-d * std::cos(theta - r), -d * std::sin(theta - r) / std::cos(alpha)};
}

AccessoryRowEnd ProjectAccessoryRowEnd(const Coord2& start, double angle, const Coord2& cursor) {
    const double phi = DirAngle2D(start, cursor);
    const double rho = NormalizedAngle(phi - angle);
    AccessoryRowEnd result;
    // Backwards when the cursor lies within a quarter turn of the roof's opposite direction.
    const bool backwards = rho >= kPi / 2 &&     // at or past a quarter turn to the left
                           rho <= 3 * kPi / 2;   // and at or before a quarter turn to the right
    result.sigma = backwards ? -1.0 : 1.0;
    result.length = Distance2(start, cursor) * std::cos(rho);
    result.end = PointAlong(start, angle, result.length);
    return result;
}

void AccessoryRubberRectangle(const Coord2& corner, double angle, double width, double height, Coord2 outline[5]) {
    const double diagonalAngle = NormalizedAngle(std::atan2(height, width));
    outline[0] = corner;
    outline[1] = PointAlong(corner, angle, width);
    outline[2] = PointAlong(corner, angle + diagonalAngle, std::sqrt(width * width + height * height));
    outline[3] = PointAlong(corner, angle + kPi / 2, height);
    outline[4] = corner;
}
