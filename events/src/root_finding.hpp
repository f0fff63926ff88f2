// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace ephemeris::detail {

// The root of f in [a, b], where f(a) and f(b) differ in sign, to within
// `tolerance`: Brent's method (bisection, secant and inverse quadratic steps),
// which never does worse than bisection and usually far better.
double Root(const std::function<double(double)>& f, double a, double b, double tolerance);

// An x in [a, b] where f, which has one minimum there, is below `below`, or
// failing that the minimum to within `tolerance`: golden section, stopping at
// the first point found below.
double Below(const std::function<double(double)>& f, double below, double a, double b, double tolerance);

}  // namespace ephemeris::detail
