// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <numbers>

namespace ephemeris {

// pi in double precision: the same bits as 4 * atan(1), the value the model is
// stated with (a test pins the two together).
inline constexpr double Pi = std::numbers::pi;

// Radians per degree; every angle the model states in degrees is multiplied by it.
inline constexpr double DegToRad = Pi / 180.0;

// The integer part of x, toward zero: -2.7 -> -2, 2.7 -> 2, -0.5 -> -0.
// Formed as floor(|x|) times the sign of x. Throws ArithmeticFault for NaN
// (invalid operation); +-infinity is returned unchanged.
double TruncateToInteger(double x);

// x radians reduced by whole turns into [0, 2*pi). The reduction goes through
// x / (2*pi) and back, so the result may equal 2*pi by rounding at the very top
// of the range, and for huge |x| it is whatever that arithmetic gives.
// Throws ArithmeticFault for an infinite or NaN x (invalid operation).
double NormalizeRadians(double x);

// Arcsine of x in radians, in (-pi/2, pi/2), formed as atan(x / sqrt(1 - x*x)).
// |x| = 1 throws ArithmeticFault (division by zero); |x| > 1 or NaN throws it
// too (invalid operation). The model only passes values well inside (-1, 1).
double ArcSine(double x);

}  // namespace ephemeris
