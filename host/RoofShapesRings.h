// Purpose: the ring arithmetic that the model loader, the generated roofs and healing share: a
// ring's area normal, its signed plan area and whether a plan point lies inside it, for any point
// record with x, y (and z) members.
#pragma once

#include <cstddef>

namespace host {

// A ring's area normal by Newell's rule: its length is twice the ring's area, and it points up
// when the ring runs anticlockwise seen from above.
struct RingNormalVector {
    double x = 0, y = 0, z = 0;
};

template <class Ring>
RingNormalVector NewellNormal(const Ring& ring) {
    RingNormalVector n;
    for (size_t i = 0; i < ring.size(); ++i) {
        const auto& p = ring[i];
        const auto& q = ring[(i + 1) % ring.size()];
        n.x += (p.y - q.y) * (p.z + q.z);
        n.y += (p.z - q.z) * (p.x + q.x);
        n.z += (p.x - q.x) * (p.y + q.y);
    }
    return n;
}

// Twice the signed plan area of a ring: positive when it runs anticlockwise seen from above.
template <class Ring>
double PlanSignedArea2(const Ring& ring) {
    double sum = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const auto& p = ring[i];
        const auto& q = ring[(i + 1) % ring.size()];
        sum += p.x * q.y - q.x * p.y;
    }
    return sum;
}

// True when the plan point lies strictly inside the plan outline of the ring (even-odd rule).
template <class Point, class Ring>
bool PlanInsideRing(const Point& p, const Ring& ring) {
    bool inside = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const auto& a = ring[i];
        const auto& b = ring[j];
        // the edge straddles the point's horizontal line and crosses it right of the point
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

}  // namespace host
