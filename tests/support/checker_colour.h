// What the checkerboard texture shows at texture coordinates (s, t) with
// repeat wrap: 8 squares per unit, white where the square indices differ in
// parity, black at s and t just above 0.
#pragma once

#include <cmath>

#include "rgb.h"

inline Rgb checker_colour(double s, double t)
{
    const long i = static_cast<long>(std::floor(8 * s)), j = static_cast<long>(std::floor(8 * t));
    return ((i + j) % 2 != 0) ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
}

// Distance from s to the nearest square edge, in texture units.
inline double checker_edge_distance(double s)
{
    const double f = 8 * s - std::floor(8 * s);
    return std::min(f, 1 - f) / 8;
}
