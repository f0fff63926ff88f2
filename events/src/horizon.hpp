// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>

#include "events/observer_place.hpp"
#include "theory/vector3.hpp"

namespace ephemeris::detail {

// The sky of a place on the Earth as the Earth turns: a direction from the
// Earth's centre (ICRF axes) at an instant of the observer's clock (TT days
// from J2000.0) as an hour angle and a declination of date, and an altitude.
// ERFA's IAU 2000B precession-nutation and the equation of the equinoxes are
// held for a day (they move less than a fifth of an arcsecond in one), and
// its mean sidereal time is taken at UT1 = UTC, the clock's UT.
class Horizon {
public:
    explicit Horizon(const Coordinates& place) : place_(place) {}

    struct Position {
        double hourAngle;    // radians, west of the meridian, in (-pi, pi]
        double declination;  // radians
    };
    Position Of(const Vector3& direction, double observerDays);

    // Geometric altitude in degrees, the Earth's centre standing for the
    // observer (a parallax of at most 9" for the Sun, 2" for Jupiter).
    [[nodiscard]] double Altitude(const Position& position) const;

    // `altitude` (degrees) refracted by a standard atmosphere of 1013.25 hPa
    // and 10 degrees C: ERFA's constants (50 % humidity, visible light) above
    // 15 degrees, where they hold to an arcsecond; below, a formula made for
    // low altitudes, so that the rising and setting (-34') read 0.0.
    [[nodiscard]] static double Refracted(double altitude);

private:
    struct Frame {
        double day = std::numeric_limits<double>::quiet_NaN();
        double rotation[3][3] = {};  // ICRS to the true equator and equinox of date
        double equinoxes = 0.0;      // apparent less mean sidereal time, radians
    };

    Coordinates place_;
    Frame frame_;
};

}  // namespace ephemeris::detail
