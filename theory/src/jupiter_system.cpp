// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/jupiter_geometry.hpp"


#include <algorithm>
#include <chrono>
#include <cmath>

#include "model/floating_point_guard.hpp"
#include "hermite.hpp"
#include "theory/delta_t.hpp"
#include "theory/erfa_library.hpp"

namespace ephemeris {
namespace {

using namespace std::chrono;

constexpr double kSecondsPerDay = 86400.0;
constexpr double kMillisecondsPerDay = 86400000.0;
constexpr double kDaysPerGregorianYear = 365.2425;
constexpr double kDegree = 0.017453292519943295;  // radians
constexpr double kArcminutesPerRadian = 10800.0 / 3.141592653589793;
constexpr sys_time<milliseconds> kJ2000UT = sys_days{2000y / January / 1} + 12h;
constexpr std::size_t kMostNodes = 4096;  // a little over ten years of days
constexpr double kEquatorialRadiusAu = detail::kEquatorialRadiusKm / detail::kAuKm;
constexpr double kPolarRadiusAu = detail::kPolarRadiusKm / detail::kAuKm;

double YearOf(double daysSinceJ2000) {
    return 2000.0 + daysSinceJ2000 / kDaysPerGregorianYear;
}

// Archinal et al. (2018), with the five small periodic terms.
detail::Vector3 JupiterPole(double days) {
    const double T = days / 36525.0;
    const double Ja = (99.360714 + 4850.4046 * T) * kDegree;
    const double Jb = (175.895369 + 1191.9605 * T) * kDegree;
    const double Jc = (300.323162 + 262.5475 * T) * kDegree;
    const double Jd = (114.012305 + 6070.2476 * T) * kDegree;
    const double Je = (49.511251 + 64.3000 * T) * kDegree;
    const double rightAscension = (268.056595 - 0.006499 * T + 0.000117 * std::sin(Ja) + 0.000938 * std::sin(Jb) +
                                   0.001432 * std::sin(Jc) + 0.000030 * std::sin(Jd) + 0.002150 * std::sin(Je)) *
                                  kDegree;
    const double declination = (64.495303 + 0.002413 * T + 0.000050 * std::cos(Ja) + 0.000404 * std::cos(Jb) +
                                0.000617 * std::cos(Jc) - 0.000013 * std::cos(Jd) + 0.000926 * std::cos(Je)) *
                               kDegree;
    return {std::cos(declination) * std::cos(rightAscension), std::cos(declination) * std::sin(rightAscension),
            std::sin(declination)};
}

}  // namespace

OutsidePreciseYears::OutsidePreciseYears()
    : std::out_of_range("Events and precise positions are computed for the years 1600 to 2500 only") {}

bool WithinPreciseYears(UniversalTime ut) {
    constexpr sys_days kFirst{year{kPreciseFirstYear} / January / 1};
    return ut >= kFirst && ut < kPreciseEnd;
}

namespace {

PreciseView GuardedView(detail::JupiterSystem& system, UniversalTime ut) {
    const double days = detail::ObserverDays(ut);
    detail::FloatingPointGuard guard;
    PreciseView view = system.View(days);
    detail::Materialize(view);
    guard.Finish("ComputePreciseView");
    return view;
}

}  // namespace

PreciseView ComputePreciseView(UniversalTime ut) {
    detail::JupiterSystem system;
    return GuardedView(system, ut);
}

PreciseViewSeries::PreciseViewSeries() : system_(std::make_unique<detail::JupiterSystem>()) {}
PreciseViewSeries::~PreciseViewSeries() = default;

PreciseView PreciseViewSeries::At(UniversalTime ut) {
    return GuardedView(*system_, ut);
}

namespace detail {

void Interpolate(const Vector3& p0, const Vector3& v0, const Vector3& p1, const Vector3& v1, double s, double span,
                 Vector3& position, Vector3& velocity) {
    const HermiteWeights w = HermiteBasis(s);
    const double h00 = w.at0;
    const double h10 = w.slope0 * span;
    const double h01 = w.at1;
    const double h11 = w.slope1 * span;
    const double d00 = 6.0 * s * (s - 1.0) / span;
    const double d10 = (1.0 - s) * (1.0 - 3.0 * s);
    const double d01 = -d00;
    const double d11 = s * (3.0 * s - 2.0);
    for (std::size_t i = 0; i < 3; ++i) {
        position[i] = h00 * p0[i] + h10 * v0[i] + h01 * p1[i] + h11 * v1[i];
        velocity[i] = d00 * p0[i] + d10 * v0[i] + d01 * p1[i] + d11 * v1[i];
    }
}

double ObserverDays(UniversalTime ut) {
    if (!WithinPreciseYears(ut)) {
        throw OutsidePreciseYears();
    }
    const double universal = static_cast<double>((ut - kJ2000UT).count()) / kMillisecondsPerDay;
    return universal + DeltaTSeconds(YearOf(universal)) / kSecondsPerDay;
}

double UniversalDays(double observerDays) {
    // ΔT is a function of UT: a second pass takes it at the UT the first gave.
    const double universal = observerDays - DeltaTSeconds(YearOf(observerDays)) / kSecondsPerDay;
    return observerDays - DeltaTSeconds(YearOf(universal)) / kSecondsPerDay;
}

UniversalTime UniversalTimeOf(double observerDays) {
    return kJ2000UT + milliseconds(std::llround(UniversalDays(observerDays) * kMillisecondsPerDay));
}

double MoonSight::TransitLight() const {
    const double behind = sight.Along() - std::sqrt(std::max(0.0, 1.0 - sight.MissSquared()));
    return Dot(sight.point - behind * sight.direction, towardSun);
}

double MoonSight::ShadowFacing() const {
    const double ahead = -shadow.Along() - std::sqrt(std::max(0.0, 1.0 - shadow.MissSquared()));
    return Dot(shadow.point + ahead * shadow.direction, towardEarth);
}

Vector3 JupiterSystem::Planet::Scaled(const Vector3& v) const {
    return {Dot(v, equator) / kEquatorialRadiusAu, Dot(v, across) / kEquatorialRadiusAu, Dot(v, pole) / kPolarRadiusAu};
}

// Light crossing space in `direction` (unit, barycentric) crosses Jupiter's
// space, which moves at the planet's velocity, in this direction: the
// aberration that shifts a shadow by up to 80 km at Callisto's distance.
Vector3 JupiterSystem::Planet::Aberrated(const Vector3& direction) const {
    return direction - (1.0 / kLightAuPerDay) * jupiterVelocity;
}

const JupiterSystem::Bodies& JupiterSystem::Node(std::int64_t day) {
    if (const auto found = nodes_.find(day); found != nodes_.end()) {
        return found->second;
    }
    if (nodes_.size() >= kMostNodes) {
        nodes_.clear();
    }
    double heliocentric[2][3];
    double barycentric[2][3];
    double jupiter[2][3];
    detail::Erfa().epv00(kJ2000, static_cast<double>(day), heliocentric, barycentric);
    detail::Erfa().plan94(kJ2000, static_cast<double>(day), 5, jupiter);
    Bodies node{};
    for (std::size_t i = 0; i < 3; ++i) {
        node.earth[i] = barycentric[0][i];
        node.earthVelocity[i] = barycentric[1][i];
        node.sun[i] = barycentric[0][i] - heliocentric[0][i];
        node.sunVelocity[i] = barycentric[1][i] - heliocentric[1][i];
        node.jupiter[i] = jupiter[0][i] + node.sun[i];
        node.jupiterVelocity[i] = jupiter[1][i] + node.sunVelocity[i];
    }
    return nodes_.emplace(day, node).first->second;
}

JupiterSystem::Bodies JupiterSystem::BodiesAt(double observerDays) {
    const double day = std::floor(observerDays);
    const auto first = static_cast<std::int64_t>(day);
    const Bodies from = Node(first);  // a copy: the next look-up may rehash
    const Bodies& to = Node(first + 1);
    const double s = observerDays - day;
    Bodies bodies{};
    Interpolate(from.earth, from.earthVelocity, to.earth, to.earthVelocity, s, 1.0, bodies.earth, bodies.earthVelocity);
    Interpolate(from.sun, from.sunVelocity, to.sun, to.sunVelocity, s, 1.0, bodies.sun, bodies.sunVelocity);
    Interpolate(from.jupiter, from.jupiterVelocity, to.jupiter, to.jupiterVelocity, s, 1.0, bodies.jupiter,
                bodies.jupiterVelocity);
    return bodies;
}

JupiterSystem::Planet JupiterSystem::PlanetAt(double observerDays) {
    const Vector3 earth = BodiesAt(observerDays).earth;
    double lightDays = 0.0;
    Bodies then{};
    for (int iteration = 0; iteration < 3; ++iteration) {
        then = BodiesAt(observerDays - lightDays);
        lightDays = Length(then.jupiter - earth) / kLightAuPerDay;
    }
    then = BodiesAt(observerDays - lightDays);
    Planet planet{lightDays, earth, then.sun, then.jupiter, then.jupiterVelocity, {}, {}, JupiterPole(observerDays - lightDays)};
    planet.equator = Unit(Vector3{-planet.pole[1], planet.pole[0], 0.0});
    planet.across = Cross(planet.pole, planet.equator);
    return planet;
}

Emitted EmittedAfter(const JupiterSystem::Planet& planet, const StateVector& state, double extraDays) {
    const Vector3 jovicentric = state.position - extraDays * state.velocity;
    return {jovicentric, planet.jupiter - extraDays * planet.jupiterVelocity + jovicentric, extraDays};
}

Emitted MoonSeenFromEarth(const JupiterSystem::Planet& planet, const StateVector& state) {
    double extraDays = 0.0;
    for (int iteration = 0; iteration < 2; ++iteration) {
        extraDays = Length(planet.earth - EmittedAfter(planet, state, extraDays).barycentric) / kLightAuPerDay -
                    planet.lightDays;
    }
    return EmittedAfter(planet, state, extraDays);
}

MoonSight JupiterSystem::Sight(Moon moon, double observerDays) {
    const Planet planet = PlanetAt(observerDays);
    return SightOf(planet, JovicentricState(moon, kJ2000 + (observerDays - planet.lightDays)));
}

MoonSight JupiterSystem::SightOf(const Planet& planet, const StateVector& state) {
    const Emitted seen = MoonSeenFromEarth(planet, state);
    // The shadow the Earth sees on the planet now was cast as the sunlight
    // passed the moon, a moon's distance less a radius before it reached Jupiter.
    const Emitted caster = EmittedAfter(planet, state, (Length(state.position) - kEquatorialRadiusAu) / kLightAuPerDay);

    const auto line = [&planet](const Vector3& point, const Vector3& direction) {
        return Line{planet.Scaled(point), Unit(planet.Scaled(planet.Aberrated(direction)))};
    };
    return {line(seen.jovicentric, Unit(planet.earth - seen.barycentric)),
            line(seen.jovicentric, Unit(seen.barycentric - planet.sun)),
            line(caster.jovicentric, Unit(caster.barycentric - planet.sun)),
            Unit(planet.Scaled(-1.0 * planet.Aberrated(Unit(planet.jupiter - planet.sun)))),
            Unit(planet.Scaled(planet.Aberrated(Unit(planet.earth - planet.jupiter))))};
}

Vector3 JupiterSystem::Pole(double days) {
    return JupiterPole(days);
}

JupiterSystem::FromEarth JupiterSystem::SeenFromEarth(double observerDays) {
    const Planet planet = PlanetAt(observerDays);
    const double sunLightDays = Length(BodiesAt(observerDays).sun - planet.earth) / kLightAuPerDay;
    const Vector3 sun = BodiesAt(observerDays - sunLightDays).sun;
    return {planet.jupiter - planet.earth, sun - planet.earth, Length(planet.jupiter - planet.sun)};
}

PreciseView JupiterSystem::View(double observerDays) {
    const Planet planet = PlanetAt(observerDays);
    const Vector3 toJupiter = planet.jupiter - planet.earth;
    const double distance = Length(toJupiter);
    const Vector3 centre = (1.0 / distance) * toJupiter;
    const Vector3 north = Unit(planet.pole - Dot(planet.pole, centre) * centre);
    const Vector3 west = Cross(centre, north);
    const double radius = std::asin(kEquatorialRadiusAu / distance);
    // The spheroid's outline: the polar radius, and as much of the equatorial
    // one as the Earth's latitude over the equator tilts into view.
    const double sinLatitude = -Dot(planet.pole, centre);
    const double outline = std::sqrt(kEquatorialRadiusAu * kEquatorialRadiusAu * sinLatitude * sinLatitude +
                                     kPolarRadiusAu * kPolarRadiusAu * (1.0 - sinLatitude * sinLatitude));

    PreciseView view;
    view.equatorialRadiusArcmin = radius * kArcminutesPerRadian;
    view.polarRadiusArcmin = std::asin(outline / distance) * kArcminutesPerRadian;
    view.distanceAu = distance;
    const Vector3 toSun = Unit(planet.sun - planet.jupiter);
    view.phaseDegrees = std::acos(std::clamp(Dot(toSun, -1.0 * centre), -1.0, 1.0)) / kDegree;
    const double sunWest = Dot(toSun, west);
    const double sunNorth = Dot(toSun, north);
    const double across = std::hypot(sunWest, sunNorth);
    view.sunWest = across > 0.0 ? sunWest / across : 0.0;
    view.sunNorth = across > 0.0 ? sunNorth / across : 0.0;
    const auto aroundPole = [&planet](const Vector3& direction) {
        return std::atan2(Dot(direction, planet.across), Dot(direction, planet.equator));
    };
    view.earthDirection = aroundPole(-1.0 * toJupiter);
    view.sunDirection = aroundPole(toSun);
    const auto onSky = [&](const Vector3& fromEarth) {
        const double along = Dot(fromEarth, centre);
        return std::pair{std::atan2(Dot(fromEarth, west), along), std::atan2(Dot(fromEarth, north), along)};
    };
    for (const Moon moon : kMoons) {
        const StateVector state = JovicentricState(moon, kJ2000 + (observerDays - planet.lightDays));
        const Vector3 toMoon = MoonSeenFromEarth(planet, state).barycentric - planet.earth;
        const auto [westAngle, northAngle] = onSky(toMoon);
        ApparentMoon& seen = view.moons[static_cast<std::size_t>(moon)];
        seen = {westAngle * kArcminutesPerRadian, northAngle * kArcminutesPerRadian, westAngle / radius,
                northAngle / radius, Length(toMoon) < distance};
        const MoonSight sight = SightOf(planet, state);
        seen.occulted = sight.Occulted();
        seen.eclipsed = sight.Eclipsed();
        seen.alongEquatorRadii = Dot(state.position, planet.equator) / kEquatorialRadiusAu;
        seen.acrossEquatorRadii = Dot(state.position, planet.across) / kEquatorialRadiusAu;
        if (sight.shadow.Along() < 0.0) {
            // Where the shadow's line first meets the planet, taken back from
            // the scaled space to the sky.
            const Line& shadow = sight.shadow;
            const Vector3 hit = shadow.point + (-shadow.Along() - std::sqrt(std::max(0.0, 1.0 - shadow.MissSquared()))) *
                                                   shadow.direction;
            const Vector3 point = kEquatorialRadiusAu * hit[0] * planet.equator +
                                  kEquatorialRadiusAu * hit[1] * planet.across + kPolarRadiusAu * hit[2] * planet.pole;
            const auto [shadowWest, shadowNorth] = onSky(toJupiter + point);
            seen.shadowOnDisc = sight.ShadowSeen();
            seen.shadowWestRadii = shadowWest / radius;
            seen.shadowNorthRadii = shadowNorth / radius;
        }
    }
    return view;
}

}  // namespace detail
}  // namespace ephemeris
