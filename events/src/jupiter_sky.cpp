// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/jupiter_sky.hpp"


#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "horizon.hpp"
#include "model/floating_point_guard.hpp"
#include "root_finding.hpp"
#include "theory/erfa_library.hpp"
#include "theory/jupiter_geometry.hpp"

namespace ephemeris {
namespace {

using detail::JupiterSystem;
using detail::Vector3;
using detail::operator-;
using detail::operator*;

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kSampleDays = 20.0 / 1440.0;  // altitudes change little in 20 minutes
constexpr double kTimeTolerance = 1e-6;        // days: 0.1 s
constexpr double kRiseAltitude = -34.0 / 60.0;  // degrees: standard refraction at the horizon
constexpr double kSystemIIAtJ2000 = 43.3;      // degrees
constexpr double kSystemIIRate = 870.270;       // degrees a day

// Jupiter and the Sun over a place.
class Sky {
public:
    explicit Sky(const Coordinates& place) : horizon_(place) {}

    struct Bodies {
        detail::Horizon::Position jupiter;
        detail::Horizon::Position sun;
    };
    Bodies At(double observerDays) {
        const JupiterSystem::FromEarth seen = system_.SeenFromEarth(observerDays);
        return {horizon_.Of(seen.jupiter, observerDays), horizon_.Of(seen.sun, observerDays)};
    }
    [[nodiscard]] double Altitude(const detail::Horizon::Position& position) const { return horizon_.Altitude(position); }
    Altitudes AltitudesAt(double observerDays) {
        const Bodies bodies = At(observerDays);
        return {detail::Horizon::Refracted(Altitude(bodies.jupiter)), Altitude(bodies.sun)};
    }

private:
    JupiterSystem system_;
    detail::Horizon horizon_;
};

// The sky's events of one kind: where `value` changes sign, rising (`up`) or falling.
void SkyCrossings(std::vector<double>& samples, double start, const std::function<double(double)>& value, SkyEventKind up,
               SkyEventKind down, std::vector<std::pair<double, SkyEventKind>>& found) {
    for (std::size_t k = 1; k < samples.size(); ++k) {
        if ((samples[k - 1] > 0.0) != (samples[k] > 0.0)) {
            const double a = start + static_cast<double>(k - 1) * kSampleDays;
            found.emplace_back(detail::Root(value, a, a + kSampleDays, kTimeTolerance), samples[k] > 0.0 ? up : down);
        }
    }
}

double PhaseAngle(const JupiterSystem::FromEarth& seen) {
    const Vector3 sunToJupiter = seen.jupiter - seen.sun;
    return std::acos(detail::Dot(sunToJupiter, seen.jupiter) / (detail::Length(sunToJupiter) * detail::Length(seen.jupiter)));
}

// System II's central meridian at `observerDays`: System II's turning at the
// instant the light left Jupiter, less the angle of the Earth's direction
// about the pole from the node of Jupiter's equator, as west longitudes run.
// That angle carries the phase: the Earth's view, not the Sun's.
double CentralMeridian(JupiterSystem& system, double observerDays) {
    const JupiterSystem::FromEarth seen = system.SeenFromEarth(observerDays);
    const double emitted = observerDays - detail::Length(seen.jupiter) / detail::kLightAuPerDay;
    const Vector3 pole = JupiterSystem::Pole(emitted);
    const Vector3 node = detail::Unit(Vector3{-pole[1], pole[0], 0.0});
    const Vector3 toEarth = -1.0 * seen.jupiter;
    const double earth = std::atan2(detail::Dot(toEarth, detail::Cross(pole, node)), detail::Dot(toEarth, node)) / kDegree;
    return detail::Erfa().anp((kSystemIIAtJ2000 + kSystemIIRate * emitted - earth) * kDegree) / kDegree;
}

JupiterDisc DiscAt(double days) {
    JupiterSystem system;
    const JupiterSystem::FromEarth seen = system.SeenFromEarth(days);
    const double distance = detail::Length(seen.jupiter);
    const double phase = PhaseAngle(seen) / kDegree;
    const double magnitude = -9.395 + 5.0 * std::log10(seen.sunToJupiter * distance) - 0.00037 * phase + 0.000616 * phase * phase;
    return {2.0 * system.View(days).equatorialRadiusArcmin * 60.0, magnitude};
}

// The sky's events from observer day `first` to `last`, in order of time.
std::vector<SkyEvent> SkyEventsBetween(double first, double last, const Coordinates& place) {
    Sky sky(place);
    const double start = first - kSampleDays;
    const auto count = static_cast<std::size_t>(std::ceil((last - start) / kSampleDays)) + 2;
    std::vector<double> rising(count), night(count), meridian(count);
    for (std::size_t k = 0; k < count; ++k) {
        const Sky::Bodies bodies = sky.At(start + static_cast<double>(k) * kSampleDays);
        rising[k] = sky.Altitude(bodies.jupiter) - kRiseAltitude;
        night[k] = sky.Altitude(bodies.sun) - kNightSunAltitude;
        meridian[k] = std::sin(bodies.jupiter.hourAngle);
    }
    std::vector<std::pair<double, SkyEventKind>> found;
    SkyCrossings(rising, start, [&sky](double t) { return sky.Altitude(sky.At(t).jupiter) - kRiseAltitude; },
                 SkyEventKind::JupiterRise, SkyEventKind::JupiterSet, found);
    SkyCrossings(night, start, [&sky](double t) { return sky.Altitude(sky.At(t).sun) - kNightSunAltitude; },
                 SkyEventKind::NightEnd, SkyEventKind::NightBegin, found);
    std::vector<std::pair<double, SkyEventKind>> meridians;
    SkyCrossings(meridian, start, [&sky](double t) { return std::sin(sky.At(t).jupiter.hourAngle); },
                 SkyEventKind::JupiterCulmination, SkyEventKind::JupiterCulmination, meridians);
    for (const auto& [time, kind] : meridians) {
        // The upper culmination (on the meridian above the pole), with Jupiter up.
        if (const Sky::Bodies bodies = sky.At(time);
            std::cos(bodies.jupiter.hourAngle) > 0.0 && sky.Altitude(bodies.jupiter) > kRiseAltitude) {
            found.emplace_back(time, kind);
        }
    }
    std::vector<SkyEvent> events;
    for (const auto& [time, kind] : found) {
        if (time >= first && time < last + kTimeTolerance) {
            events.push_back({detail::UniversalTimeOf(time), kind, sky.AltitudesAt(time)});
        }
    }
    std::sort(events.begin(), events.end(), [](const SkyEvent& a, const SkyEvent& b) { return a.time < b.time; });
    return events;
}

// The spans of observer days from `first` to `last` within the limits.
// Inside them the smaller of the two margins is positive; it changes sign
// where the limit that binds changes, so one root finder serves both.
std::vector<std::pair<double, double>> SpansWithin(double first, double last, const Coordinates& place, const SkyLimits& limits) {
    Sky sky(place);
    const auto margin = [&sky, &limits](double t) {
        const Sky::Bodies bodies = sky.At(t);
        const double sun = limits.highestSun - sky.Altitude(bodies.sun);
        if (!limits.lowestJupiter) {
            return sun;
        }
        return std::min(sun, detail::Horizon::Refracted(sky.Altitude(bodies.jupiter)) - *limits.lowestJupiter);
    };
    std::vector<std::pair<double, double>> spans;
    double previousTime = first;
    double previous = margin(first);
    double begin = first;  // of the span open while `previous` is positive
    while (previousTime < last) {
        const double time = std::min(last, previousTime + kSampleDays);
        const double value = margin(time);
        if ((previous > 0.0) != (value > 0.0)) {
            const double crossing = detail::Root(margin, previousTime, time, kTimeTolerance);
            if (value > 0.0) {
                begin = crossing;
            } else {
                spans.emplace_back(begin, crossing);
            }
        }
        previousTime = time;
        previous = value;
    }
    if (previous > 0.0) {
        spans.emplace_back(begin, last);
    }
    return spans;
}

// The observer days from `first` to `last` and a little beyond when a feature
// at System II `longitude` crosses the central meridian.
std::vector<double> MeridianTransits(double first, double last, double longitude) {
    JupiterSystem system;
    const auto behind = [&system, longitude](double days) {  // degrees the feature has yet to turn to the meridian
        return std::remainder(longitude - CentralMeridian(system, days), 360.0);
    };
    std::vector<double> transits;
    const double period = 360.0 / kSystemIIRate;
    for (double t = first - period; t < last + period; t += period / 4.0) {
        const double a = behind(t);
        const double b = behind(t + period / 4.0);
        if (a > 0.0 && b <= 0.0 && a - b < 180.0) {  // past the meridian, not across the far side
            transits.push_back(detail::Root(behind, t, t + period / 4.0, kTimeTolerance));
        }
    }
    return transits;
}

// `compute`'s result, under the floating-point guard that names `routine`
// in the ArithmeticFault it throws.
template <typename Compute>
auto Guarded(const char* routine, Compute compute) {
    detail::FloatingPointGuard guard;
    auto result = compute();
    guard.Finish(routine);
    return result;
}

}  // namespace

Altitudes AltitudesAt(UniversalTime instant, const Coordinates& place) {
    const double days = detail::ObserverDays(instant);
    return Guarded("AltitudesAt", [&] { return Sky(place).AltitudesAt(days); });
}

std::vector<Altitudes> AltitudesAt(std::span<const UniversalTime> instants, const Coordinates& place) {
    std::vector<double> days(instants.size());
    std::transform(instants.begin(), instants.end(), days.begin(), [](UniversalTime instant) { return detail::ObserverDays(instant); });
    return Guarded("AltitudesAt", [&] {
        Sky sky(place);
        std::vector<Altitudes> altitudes(days.size());
        std::transform(days.begin(), days.end(), altitudes.begin(), [&sky](double day) { return sky.AltitudesAt(day); });
        return altitudes;
    });
}

std::vector<Hours> FindHoursWithin(UniversalTime from, UniversalTime until, const Coordinates& place, const SkyLimits& limits) {
    const double first = detail::ObserverDays(from);
    const double last = detail::ObserverDays(std::max(from, until - std::chrono::milliseconds(1)));
    const std::vector<std::pair<double, double>> spans = Guarded("FindHoursWithin", [&] { return SpansWithin(first, last, place, limits); });
    std::vector<Hours> hours;
    for (const auto& [begin, end] : spans) {
        const UniversalTime a = begin <= first ? from : std::max(from, detail::UniversalTimeOf(begin));
        const UniversalTime b = end >= last ? until : std::min(until, detail::UniversalTimeOf(end));
        if (a < b) {
            hours.push_back({a, b});
        }
    }
    return hours;
}

JupiterDisc JupiterDiscAt(UniversalTime instant) {
    const double days = detail::ObserverDays(instant);
    return Guarded("JupiterDiscAt", [days] { return DiscAt(days); });
}

std::vector<SkyEvent> FindSkyEvents(UniversalTime from, UniversalTime until, const Coordinates& place) {
    const double first = detail::ObserverDays(from);
    const double last = detail::ObserverDays(std::max(from, until - std::chrono::milliseconds(1)));
    std::vector<SkyEvent> events = Guarded("FindSkyEvents", [&] { return SkyEventsBetween(first, last, place); });
    std::erase_if(events, [from, until](const SkyEvent& event) { return event.time < from || event.time >= until; });
    return events;
}

double CentralMeridianSystemII(UniversalTime instant) {
    const double days = detail::ObserverDays(instant);
    return Guarded("CentralMeridianSystemII", [days] {
        JupiterSystem system;
        return CentralMeridian(system, days);
    });
}

std::vector<UniversalTime> FindMeridianTransits(UniversalTime from, UniversalTime until, double longitude) {
    const double first = detail::ObserverDays(from);
    const double last = detail::ObserverDays(std::max(from, until - std::chrono::milliseconds(1)));
    std::vector<double> transits = Guarded("FindMeridianTransits", [=] { return MeridianTransits(first, last, longitude); });
    std::vector<UniversalTime> times;
    for (const double transit : transits) {
        if (const UniversalTime at = detail::UniversalTimeOf(transit); at >= from && at < until) {
            times.push_back(at);
        }
    }
    return times;
}

}  // namespace ephemeris
