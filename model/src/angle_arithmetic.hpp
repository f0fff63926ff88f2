// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "model/angles.hpp"

// The angle routines without their own floating-point guard, for use inside a
// computation that holds one.
namespace ephemeris::detail {

inline double TruncateToInteger(double x) {
    const double whole = std::floor(std::fabs(x));
    const short sign = static_cast<short>((x > 0.0) - (x < 0.0));
    return whole * sign;
}

inline double NormalizeRadians(double x) {
    const double twoPi = Pi * 2.0;
    const double q = x / twoPi;
    const double f = TruncateToInteger(q);
    double y = (q - f) * twoPi;
    if (y < 0.0) {
        y = y + twoPi;
    }
    return y;
}

inline double ArcSine(double x) {
    const double s = std::sqrt(1.0 - x * x);
    return std::atan(x / s);
}

}  // namespace ephemeris::detail
