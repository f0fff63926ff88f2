// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "events/observer_place.hpp"
#include "model/time_base.hpp"

namespace ephemeris {

// Jupiter and the Sun over a place on the Earth, the Great Red Spot on the
// planet: the same Earth, Sun and Jupiter as the precise engine's (ERFA, light
// time, TT - UT), with ERFA's precession-nutation (IAU 2000B), sidereal time
// and refraction. Every function throws OutsidePreciseYears outside 1600-2500,
// and ArithmeticFault if the arithmetic raises invalid operation, division by
// zero or overflow: a NaN never passes silently.

// Altitudes in degrees of the bodies' centres above the horizon of `place`:
// Jupiter's as it is seen, refracted by a standard atmosphere of 1013.25 hPa
// and 10 degrees C (ERFA's refraction constants above 15 degrees,
// Saemundsson's formula for low altitudes below, so that Jupiter rising reads
// 0.0); the Sun's geometric, as twilight is defined.
struct Altitudes {
    double jupiter = 0.0;
    double sun = 0.0;

    bool operator==(const Altitudes&) const = default;
};
Altitudes AltitudesAt(UniversalTime instant, const Coordinates& place);
// The same for many instants, sharing the daily positions and frames between
// them: fastest in order of time.
std::vector<Altitudes> AltitudesAt(std::span<const UniversalTime> instants, const Coordinates& place);

// Jupiter's apparent equatorial diameter (arcseconds) and its visual
// magnitude (Mallama and Hilton, 2018: -9.395 + 5 log10(r Delta)
// - 0.00037 i + 0.000616 i^2 for a phase angle i in degrees).
struct JupiterDisc {
    double diameterArcsec = 0.0;
    double magnitude = 0.0;
};
JupiterDisc JupiterDiscAt(UniversalTime instant);

// Night is where the Sun's centre is this far below the horizon or lower
// (degrees): nautical twilight over, dark enough for the moons.
inline constexpr double kNightSunAltitude = -12.0;

// What happens in the sky of a place over a span.
enum class SkyEventKind : std::uint8_t {
    JupiterRise,         // J.Rise: its centre 34' below the horizon, standard refraction lifting it into view
    JupiterCulmination,  // J.Culm: highest, crossing the meridian (listed when it is up)
    JupiterSet,          // J.Set
    NightBegin,          // Night.Begin: the Sun's centre 12 degrees below the horizon, going down
    NightEnd,            // Night.End: and coming up
};
struct SkyEvent {
    UniversalTime time;
    SkyEventKind kind;
    Altitudes altitudes;  // at that instant

    bool operator==(const SkyEvent&) const = default;
};
// The sky's events from `from` until just before `until`, in order of time.
std::vector<SkyEvent> FindSkyEvents(UniversalTime from, UniversalTime until, const Coordinates& place);

// The hours from `from` until `until` when the Sun's centre stands at most
// `highestSun` degrees up and, if given, Jupiter at least `lowestJupiter` up
// (as seen, refracted), each a span [begin, end) cut to the whole span.
struct SkyLimits {
    double highestSun = kNightSunAltitude;
    std::optional<double> lowestJupiter;
};
struct Hours {
    UniversalTime begin;
    UniversalTime end;

    bool operator==(const Hours&) const = default;
};
std::vector<Hours> FindHoursWithin(UniversalTime from, UniversalTime until, const Coordinates& place, const SkyLimits& limits);

// The System II longitude (degrees) of the central meridian of Jupiter's disc
// as seen from the Earth: the planet as its light left it, System II turning
// 870.270 degrees a day (43.3 degrees at J2000.0, the Explanatory Supplement),
// the meridian the one facing the Earth, wherever the Sun is. The middle of
// the lit part of the disc lies up to a third of a degree (35 s of turning)
// towards the Sun; the published transit tables use the meridian of the whole
// disc, as this does.
double CentralMeridianSystemII(UniversalTime instant);

// The instants a feature at System II longitude `longitude` (degrees)
// crosses that central meridian, from `from` until just before `until`.
std::vector<UniversalTime> FindMeridianTransits(UniversalTime from, UniversalTime until, double longitude);

}  // namespace ephemeris
