// Purpose: plan and 3D points and vectors, and the tolerance helpers every roof classification uses.
#pragma once

struct Coord2 {
    double x = 0, y = 0;
};
struct Coord3 {
    double x = 0, y = 0, z = 0;
};
