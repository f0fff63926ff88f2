// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <stdexcept>

#include "model/time_base.hpp"

namespace ephemeris {

// The years the precise theory's positions and events are computed for, and
// the exception that names any instant outside them.
inline constexpr int kPreciseFirstYear = 1600;
inline constexpr int kPreciseLastYear = 2500;
// The first instant past them, where a span may end.
inline constexpr UniversalTime kPreciseEnd{
    std::chrono::sys_days{std::chrono::year{kPreciseLastYear + 1} / std::chrono::January / 1}};

class OutsidePreciseYears : public std::out_of_range {
public:
    OutsidePreciseYears();
};

// Whether the universal-time instant lies within the years 1600 to 2500.
bool WithinPreciseYears(UniversalTime ut);

// One moon as the Earth sees it against Jupiter: angles from the planet's
// centre on the sky, the moon's own light time and distance included.
struct ApparentMoon {
    double westArcmin = 0.0;   // along Jupiter's projected equator, positive to the west
    double northArcmin = 0.0;  // along its projected pole, positive to the north
    double westRadii = 0.0;    // the same angles divided by the disc's apparent
    double northRadii = 0.0;   // equatorial semi-diameter
    bool inFront = false;      // nearer to the Earth than Jupiter's centre
    // Its shadow where it falls on the half of the disc the Earth sees: the
    // point where the line from the Sun's centre through the moon's meets the
    // oblate planet, in radii as above. Where it is not seen there,
    // shadowOnDisc is false and the offsets are where the line meets the far
    // side, or passes nearest the planet (0 while the shadow points away).
    bool shadowOnDisc = false;
    double shadowWestRadii = 0.0;
    double shadowNorthRadii = 0.0;
    // Hidden behind the disc, and dark in Jupiter's shadow, by the same tests
    // the events are found with.
    bool occulted = false;
    bool eclipsed = false;
    // Seen from above Jupiter's north pole: radii along the planet's equator
    // from its node on the Earth's equator, and across it (a right-handed
    // turn about the pole).
    double alongEquatorRadii = 0.0;
    double acrossEquatorRadii = 0.0;
};

struct PreciseView {
    std::array<ApparentMoon, 4> moons;  // Io, Europa, Ganymede, Callisto
    double equatorialRadiusArcmin = 0.0;  // the disc's apparent equatorial semi-diameter
    double polarRadiusArcmin = 0.0;       // and its polar one, as the Earth's latitude over Jupiter shows it
    double distanceAu = 0.0;              // from the Earth to Jupiter, as its light left it
    // The Sun as Jupiter's disc shows it: the phase angle (Sun-Jupiter-Earth,
    // degrees), and the direction on the sky from the disc's centre towards
    // the Sun (a unit vector, west and north as the moons'), the side that is lit.
    double phaseDegrees = 0.0;
    double sunWest = 0.0;
    double sunNorth = 0.0;
    // Seen from above the pole, as the moons: the directions (radians, from
    // the node, turning as across) towards the Earth and the Sun.
    double earthDirection = 0.0;
    double sunDirection = 0.0;
};

// The four moons from the precise theory (L1.2) for the universal-time instant
// ut, seen from the Earth's centre: the Earth's and Jupiter's positions from
// ERFA (the IAU's SOFA routines), TT - UT from DeltaTSeconds, each body seen
// where it was when its light left it, Jupiter's pole from the IAU's rotation
// elements (2015). Throws OutsidePreciseYears outside 1600-2500, and
// ArithmeticFault if the arithmetic raises invalid operation, division by zero
// or overflow.
PreciseView ComputePreciseView(UniversalTime ut);

namespace detail {
class JupiterSystem;
}

// ComputePreciseView for many instants, sharing the Earth's, the Sun's and
// Jupiter's daily positions between them: a month's chart asks for a thousand
// views, and each fresh one pays some 60 us for those positions alone.
class PreciseViewSeries {
public:
    PreciseViewSeries();
    ~PreciseViewSeries();
    PreciseViewSeries(const PreciseViewSeries&) = delete;
    PreciseViewSeries& operator=(const PreciseViewSeries&) = delete;

    PreciseView At(UniversalTime ut);

private:
    std::unique_ptr<detail::JupiterSystem> system_;
};

}  // namespace ephemeris
