// Purpose: the Boost.Geometry headers the IFC plane stage uses, included in one place.
#pragma once

// Boost.Geometry's rescale policy trips GCC's maybe-uninitialized analysis (a known false
// positive of the library's robustness code); the warning is silenced for its headers alone.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/multi_polygon.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#pragma GCC diagnostic pop
