// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <unordered_map>

#include "theory/galilean_theory.hpp"
#include "theory/jupiter_system.hpp"
#include "theory/vector3.hpp"

namespace ephemeris::detail {

inline constexpr double kAuKm = 149597870.7;
inline constexpr double kLightAuPerDay = 173.1446326846693;  // the speed of light
inline constexpr double kEquatorialRadiusKm = 71492.0;
inline constexpr double kPolarRadiusKm = 66854.0;
inline constexpr double kJ2000 = 2451545.0;  // Julian date of J2000.0

// The observer's clock for the geometry: days of TT since J2000.0. Converted
// from universal time with DeltaTSeconds; throws OutsidePreciseYears outside
// 1600-2500.
double ObserverDays(UniversalTime ut);
UniversalTime UniversalTimeOf(double observerDays);
// Days of UT since J2000.0 at that instant of the observer's clock.
double UniversalDays(double observerDays);

// A straight line in Jupiter's own space, scaled so that the planet is the
// unit sphere: its pole's axis shrunk by the polar radius, the others by the
// equatorial one. Lines stay lines and the planet's limb as seen along a line
// is where the line touches the sphere.
struct Line {
    Vector3 point;      // the moon's centre
    Vector3 direction;  // unit, the way light travels along the line

    // How far along the line the point stands from the place nearest the
    // centre: positive where the light has passed the planet.
    [[nodiscard]] double Along() const { return Dot(point, direction); }
    // The square of the line's distance from the centre, how near the light
    // passes: below 1, it meets the planet.
    [[nodiscard]] double MissSquared() const { return Dot(point, point) - Along() * Along(); }
};

// One moon at an instant of the observer's clock: three lines of light through
// its centre, and the directions the planet's surface must face to be lit and
// to be seen.
struct MoonSight {
    Line sight;     // from the moon to the Earth
    Line sunlight;  // from the Sun to the moon as the Earth now sees it
    Line shadow;    // from the Sun past the moon when it cast the shadow the Earth now sees
    Vector3 towardSun;    // from the planet, in the scaled space
    Vector3 towardEarth;  // from the planet, in the scaled space

    // Behind the disc as seen from the Earth.
    [[nodiscard]] bool Occulted() const { return sight.Along() < 0.0 && sight.MissSquared() < 1.0; }
    // In Jupiter's shadow, its centre within the shadow cast from the Sun's centre.
    [[nodiscard]] bool Eclipsed() const { return sunlight.Along() > 0.0 && sunlight.MissSquared() < 1.0; }
    // In front of the disc, and of its sunlit part.
    [[nodiscard]] bool InTransit() const { return sight.Along() > 0.0 && sight.MissSquared() < 1.0 && TransitLight() > 0.0; }
    // The shadow on the planet, on the half that faces the Earth.
    [[nodiscard]] bool ShadowSeen() const { return shadow.Along() < 0.0 && shadow.MissSquared() < 1.0 && ShadowFacing() > 0.0; }

    // Positive where the point of the surface behind the moon is sunlit.
    [[nodiscard]] double TransitLight() const;
    // Positive where the shadow's point of the surface faces the Earth.
    [[nodiscard]] double ShadowFacing() const;
};

// The Sun, the Earth and Jupiter for the geometry, and the moons in them. The
// Earth's and the Sun's barycentric positions (ERFA's eraEpv00, 25 us a call)
// and Jupiter's (eraPlan94) are computed once a day of TT and interpolated
// between, so that a search over many instants pays for them once a day.
class JupiterSystem {
public:
    MoonSight Sight(Moon moon, double observerDays);
    PreciseView View(double observerDays);

    // Jupiter and the Sun from the Earth's centre, each where it was when its
    // light now arriving left it: au, ICRF axes.
    struct FromEarth {
        Vector3 jupiter;
        Vector3 sun;
        double sunToJupiter;  // au, for the planet's brightness
    };
    FromEarth SeenFromEarth(double observerDays);

    // Jupiter's north pole (unit, ICRF) at `days` of TDB from J2000.0: the IAU
    // Working Group on Cartographic Coordinates and Rotational Elements, 2015.
    static Vector3 Pole(double days);

    struct Bodies {  // barycentric, au and au a day, ICRF axes
        Vector3 earth, earthVelocity, sun, sunVelocity, jupiter, jupiterVelocity;
    };
    // Jupiter as the Earth sees it at an instant: where its light left it, and
    // the axes of its scaled space.
    struct Planet {
        double lightDays;  // light time from Jupiter to the Earth
        Vector3 earth, sun, jupiter, jupiterVelocity;
        Vector3 equator, across, pole;  // unit axes: the node on the ICRF equator, then pole x node, the pole

        [[nodiscard]] Vector3 Scaled(const Vector3& v) const;
        // A direction of light in the barycentric frame as it crosses Jupiter's own space.
        [[nodiscard]] Vector3 Aberrated(const Vector3& direction) const;
    };

    Planet PlanetAt(double observerDays);
    // The moon whose state is `state` as the Earth sees it against `planet`.
    static MoonSight SightOf(const Planet& planet, const StateVector& state);

private:
    Bodies BodiesAt(double observerDays);
    const Bodies& Node(std::int64_t day);

    std::unordered_map<std::int64_t, Bodies> nodes_;
};

// A moon as the Earth sees it: where it was when the light now arriving left
// it, relative to Jupiter's centre and to the barycentre, and how much longer
// than Jupiter's its light took (days). `state` is the moon when Jupiter's own
// light left.
struct Emitted {
    Vector3 jovicentric;
    Vector3 barycentric;
    double extraDays = 0.0;
};
Emitted MoonSeenFromEarth(const JupiterSystem::Planet& planet, const StateVector& state);
// The moon `extraDays` before Jupiter's light left, from its and the planet's velocities.
Emitted EmittedAfter(const JupiterSystem::Planet& planet, const StateVector& state, double extraDays);

// Cubic Hermite interpolation at s in [0, 1] between two nodes `span` apart,
// from their positions and velocities (per unit of span).
void Interpolate(const Vector3& p0, const Vector3& v0, const Vector3& p1, const Vector3& v1, double s, double span,
                 Vector3& position, Vector3& velocity);

}  // namespace ephemeris::detail
