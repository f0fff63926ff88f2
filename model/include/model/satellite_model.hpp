// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/time_base.hpp"

namespace ephemeris {

// Offsets of the four Galilean satellites from Jupiter's centre along its
// equator as seen from the Earth, in Jupiter equatorial radii; positive values
// are drawn to the right of the planet.
struct SatelliteOffsets {
    double X1 = 0.0;     // Io
    double X2 = 0.0;     // Europa
    double X3 = 0.0;     // Ganymede
    double X4 = 0.0;     // Callisto
    double Delta = 0.0;  // Earth-Jupiter distance, AU
};

// The low-accuracy analytical theory of the four satellites for the local
// instant t: mean anomalies of the Earth and Jupiter with their equations of
// centre, the Earth-Jupiter distance, a light-time correction and one periodic
// term in each satellite's distance; no perturbations of the longitudes.
//
// t is converted with LocalToUT (a doubled local time is its first pass), then
// computed as the universal-time overload below. Pure apart from reading the
// computer's time zone.
SatelliteOffsets ComputeSatelliteOffsets(Instant t);

// The same theory for the universal-time instant ut, for callers that know
// the exact instant (the present moment in either pass of a doubled hour).
// ut is rounded to the nearest second and read to the minute: seconds never
// change the result and a whole minute never loses it.
// Throws ArithmeticFault if the arithmetic raises invalid operation, division
// by zero or overflow, or (overflow) if ut lies outside the years -32767..32767;
// the caller's floating-point state is left as it was.
SatelliteOffsets ComputeSatelliteOffsets(UniversalTime ut);

}  // namespace ephemeris
