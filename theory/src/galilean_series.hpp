// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace ephemeris::detail {

// One periodic term of the theory: amplitude x cos or sin of
// (phase + frequency x (T - T0)), T in days of TT. The amplitude is in au for a
// semi-major axis, radians for a mean longitude and a bare number for the
// eccentricity and inclination vectors.
struct SeriesTerm {
    double amplitude;
    double phase;      // radians
    double frequency;  // radians a day
};

// A run of terms in the table of all terms.
struct TermRange {
    std::size_t first;
    std::size_t count;
};

// The series of one moon: its semi-major axis a (sum of cosines), its mean
// longitude L (secular part plus sum of sines), and the complex elements
// z = e exp(i pericentre longitude) and zeta = sin(i/2) exp(i node longitude),
// each term adding amplitude x cos to the real part and amplitude x sin to the
// imaginary part. All in the theory's jovian equatorial frame.
struct MoonSeries {
    TermRange semiMajorAxis;
    TermRange meanLongitude;
    TermRange eccentricity;
    TermRange inclination;
    double longitudeAtEpoch;  // radians
    double longitudeRate;     // radians a day
    // Corrections of very long period, as Chebyshev series over the theory's
    // span of years: to L, Re z, Im z, Re zeta and Im zeta, nine coefficients each.
    std::array<std::array<double, 9>, 5> chebyshev;
};

}  // namespace ephemeris::detail
