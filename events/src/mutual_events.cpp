// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/mutual_events.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

#include "model/floating_point_guard.hpp"
#include "mutual_geometry.hpp"
#include "root_finding.hpp"
#include "theory/jupiter_geometry.hpp"

namespace ephemeris {
namespace {

using detail::Vector3;
using detail::operator-;
using detail::operator*;

constexpr double kSunRadiusKm = 695700.0;  // IAU 2015 nominal
constexpr double kNodeDays = 1.0 / 24.0;   // the moons' states are interpolated between hourly nodes: 0.5 km at Io
constexpr double kSampleDays = 1.0 / 72.0;  // every gap is sampled each 20 minutes
constexpr double kMarginDays = 0.5;         // searched beyond the span, for events begun in it and long ones
constexpr double kResolutionDays = 5e-7;    // contacts to 0.04 s
constexpr double kMaximumTolerance = 1e-6;  // days
constexpr double kSecondsPerDay = 86400.0;
// The fastest each moon moves round Jupiter (km/s): 2 pi a / P from NASA's
// Jovian Satellite Fact Sheet, times 1 + e for the speed at perijove (e 0.004,
// 0.009, 0.001, 0.007), rounded up. For the fastest two can close on each
// other or on a shadow; with a tenth
// and a kilometre a second to spare for the Earth's motion, which shifts near
// and far moons differently, and for the shadow's slowly changing size.
constexpr std::array<double, 4> kOrbitalSpeedKmPerS{17.5, 13.9, 11.0, 8.3};
constexpr double kSpeedMargin = 1.1;
constexpr double kSpeedAllowanceKmPerS = 1.0;
constexpr double kNoticeableDepth = 0.01;

double Radius(Moon moon) {
    return kMoonRadiiKm[static_cast<std::size_t>(moon)];
}

// The area two discs of radii a and b, their centres `apart`, have in common.
double Overlap(double a, double b, double apart) {
    if (apart >= a + b) {
        return 0.0;
    }
    if (apart <= std::fabs(a - b)) {
        const double smaller = std::min(a, b);
        return std::numbers::pi * smaller * smaller;
    }
    const double alpha = std::acos(std::clamp((apart * apart + a * a - b * b) / (2.0 * apart * a), -1.0, 1.0));
    const double beta = std::acos(std::clamp((apart * apart + b * b - a * a) / (2.0 * apart * b), -1.0, 1.0));
    const double kite = std::sqrt(std::max(0.0, (-apart + a + b) * (apart + a - b) * (apart - a + b) * (apart + a + b)));
    return a * a * alpha + b * b * beta - 0.5 * kite;
}

}  // namespace

namespace detail {

StateVector MoonStates::At(Moon moon, double days) {
    const double node = std::floor(days / kNodeDays);
    const auto first = static_cast<std::int64_t>(node);
    const StateVector from = Node(first)[static_cast<std::size_t>(moon)];  // a copy: the next look-up may rehash
    const StateVector& to = Node(first + 1)[static_cast<std::size_t>(moon)];
    StateVector state;
    detail::Interpolate(from.position, from.velocity, to.position, to.velocity, days / kNodeDays - node, kNodeDays,
                        state.position, state.velocity);
    return state;
}

const std::array<StateVector, 4>& MoonStates::Node(std::int64_t index) {
    if (const auto found = nodes_.find(index); found != nodes_.end()) {
        return found->second;
    }
    std::array<StateVector, 4> node;
    const double julianDate = detail::kJ2000 + static_cast<double>(index) * kNodeDays;
    for (const Moon moon : kMoons) {
        node[static_cast<std::size_t>(moon)] = JovicentricState(moon, julianDate);
    }
    return nodes_.emplace(index, node).first->second;
}

double MinutesPer100Km(const std::function<double(double)>& gap, double begin, double end) {
    // Over ten seconds either side of each contact, or less for a briefer
    // stretch, so that the difference never reaches past its deepest point.
    const double step = std::clamp((end - begin) / 8.0, kResolutionDays, 10.0 / kSecondsPerDay);
    const auto rate = [&gap, step](double contact) { return std::fabs(gap(contact + step) - gap(contact - step)) / (2.0 * step); };
    const double slowest = std::min(rate(begin), rate(end));
    return slowest > 0.0 ? 100.0 / slowest * 1440.0 : std::numeric_limits<double>::infinity();
}

Scene MutualGeometry::SceneAt(double observerDays) {
    Scene scene{system_.PlanetAt(observerDays), {}, {}};
    for (const Moon moon : kMoons) {
        const auto index = static_cast<std::size_t>(moon);
        scene.states[index] = states_.At(moon, observerDays - scene.planet.lightDays);
        scene.seen[index] = MoonSeenFromEarth(scene.planet, scene.states[index]);
    }
    return scene;
}

}  // namespace detail

namespace {

using detail::Scene;

// Two moons as the Earth sees them: the gap between their discs (km, at the
// farther one's distance; negative where they overlap).
struct OccultationView {
    Moon front, back;
    double apart;      // radians between the centres
    double frontRadius, backRadius;  // radians
    double backDistanceKm;

    [[nodiscard]] double Gap() const { return (apart - frontRadius - backRadius) * backDistanceKm; }
    [[nodiscard]] double Depth() const {
        return Overlap(frontRadius, backRadius, apart) / (std::numbers::pi * backRadius * backRadius);
    }
    [[nodiscard]] MutualShape Shape() const {
        if (apart + backRadius <= frontRadius) {
            return MutualShape::Total;
        }
        return apart + frontRadius <= backRadius ? MutualShape::Annular : MutualShape::Partial;
    }
};

OccultationView Occultation(const Scene& scene, Moon a, Moon b) {
    Vector3 toA = scene.FromEarth(a);
    Vector3 toB = scene.FromEarth(b);
    if (detail::Length(toB) < detail::Length(toA)) {
        std::swap(a, b);
        std::swap(toA, toB);
    }
    const double frontKm = detail::Length(toA) * detail::kAuKm;
    const double backKm = detail::Length(toB) * detail::kAuKm;
    return {a, b, std::atan2(detail::Length(detail::Cross(toA, toB)), detail::Dot(toA, toB)), std::asin(Radius(a) / frontKm),
            std::asin(Radius(b) / backKm), backKm};
}

// One moon in another's shadow, as the Sun sees them: the shaded moon B
// where the Earth sees it, the caster A where it stood when the sunlight that
// reached B passed it. Distances in km.
struct EclipseView {
    Moon caster, shaded;
    double fromAxis;   // B's centre from the line through the Sun's centre and A's
    double behind;     // B beyond A along that line
    double casterSun;  // A's distance from the Sun
    double shadedSun;  // B's

    [[nodiscard]] double Penumbra() const { return Radius(caster) + behind * (kSunRadiusKm + Radius(caster)) / casterSun; }
    // Negative past the umbra's tip, where the antumbra begins.
    [[nodiscard]] double Umbra() const { return Radius(caster) - behind * (kSunRadiusKm - Radius(caster)) / casterSun; }
    [[nodiscard]] double Gap() const { return fromAxis - Penumbra() - Radius(shaded); }
    [[nodiscard]] double UmbraGap() const { return fromAxis - Umbra() - Radius(shaded); }

    // The light B loses: at each point of its disc (seen from the Sun), the
    // part of the Sun's disc A covers, the two discs' angular radii and the
    // angle between their centres there; averaged over B with a midpoint rule
    // in rings of equal area.
    [[nodiscard]] double Depth() const {
        constexpr int kRings = 16;
        constexpr int kSectors = 32;
        const double sun = kSunRadiusKm / shadedSun;
        const double moon = Radius(caster) / behind;
        const double sunArea = std::numbers::pi * sun * sun;
        double lost = 0.0;
        for (int ring = 0; ring < kRings; ++ring) {
            const double r = Radius(shaded) * std::sqrt((ring + 0.5) / kRings);
            for (int sector = 0; sector < kSectors; ++sector) {
                const double angle = 2.0 * std::numbers::pi * (sector + 0.5) / kSectors;
                const double offAxis = std::hypot(fromAxis + r * std::cos(angle), r * std::sin(angle));
                lost += Overlap(sun, moon, offAxis * (1.0 / behind - 1.0 / shadedSun)) / sunArea;
            }
        }
        return lost / (kRings * kSectors);
    }
    [[nodiscard]] MutualShape Shape() const {
        const double umbra = Umbra();
        if (fromAxis + Radius(shaded) <= umbra) {
            return MutualShape::Total;
        }
        return umbra < 0.0 && fromAxis + Radius(shaded) <= -umbra ? MutualShape::Annular : MutualShape::Partial;
    }
};

EclipseView Eclipse(const Scene& scene, Moon a, Moon b) {
    const Vector3& sun = scene.planet.sun;
    if (detail::Length(scene.Seen(b).barycentric - sun) < detail::Length(scene.Seen(a).barycentric - sun)) {
        std::swap(a, b);
    }
    const Vector3 shaded = scene.Seen(b).barycentric;
    const double crossing = detail::Length(shaded - scene.Seen(a).barycentric) / detail::kLightAuPerDay;
    const Vector3 caster =
        detail::EmittedAfter(scene.planet, scene.states[static_cast<std::size_t>(a)], scene.Seen(b).extraDays + crossing)
            .barycentric;
    const Vector3 axis = detail::Unit(caster - sun);
    const Vector3 toShaded = shaded - sun;
    const double along = detail::Dot(toShaded, axis);
    const double casterSun = detail::Length(caster - sun);
    return {a, b, detail::Length(toShaded - along * axis) * detail::kAuKm, (along - casterSun) * detail::kAuKm,
            casterSun * detail::kAuKm, detail::Length(toShaded) * detail::kAuKm};
}

}  // namespace

namespace detail {

std::array<double, 12> MutualGeometry::Gaps(double observerDays) {
    const Scene scene = SceneAt(observerDays);
    std::array<double, 12> gaps{};
    for (std::size_t pair = 0; pair < kPairs.size(); ++pair) {
        const auto [a, b] = kPairs[pair];
        gaps[GapIndex(a, b, MutualKind::Occultation)] = Occultation(scene, a, b).Gap();
        gaps[GapIndex(a, b, MutualKind::Eclipse)] = Eclipse(scene, a, b).Gap();
    }
    return gaps;
}

}  // namespace detail

namespace {

// The mutual events of a span, in observer days (TT since J2000.0).
class MutualSearch {
public:
    std::vector<MutualEvent> Between(double from, double until) {
        const double start = from - kMarginDays;
        const auto count = static_cast<std::size_t>(std::ceil((until + kMarginDays - start) / kSampleDays)) + 1;
        std::vector<std::array<double, 12>> gaps(count);
        for (std::size_t k = 0; k < count; ++k) {
            gaps[k] = geometry_.Gaps(start + static_cast<double>(k) * kSampleDays);
        }
        std::vector<MutualEvent> events;
        for (std::size_t pair = 0; pair < detail::kPairs.size(); ++pair) {
            for (const MutualKind kind : {MutualKind::Occultation, MutualKind::Eclipse}) {
                const Moon a = detail::kPairs[pair].first;
                const Moon b = detail::kPairs[pair].second;
                const std::size_t series = detail::GapIndex(a, b, kind);
                const auto gap = [this, kind, a, b](double time) { return Gap(kind, a, b, time); };
                const double speed =
                    (kSpeedMargin * (kOrbitalSpeedKmPerS[static_cast<std::size_t>(a)] + kOrbitalSpeedKmPerS[static_cast<std::size_t>(b)]) +
                     kSpeedAllowanceKmPerS) * kSecondsPerDay;
                std::vector<double> crossings;
                for (std::size_t k = 0; k + 1 < count; ++k) {
                    const double t = start + static_cast<double>(k) * kSampleDays;
                    GapCrossings(gap, speed, t, gaps[k][series], t + kSampleDays, gaps[k + 1][series], crossings);
                }
                // Each stretch below zero, from a crossing down to the next one up.
                const bool insideAtStart = gaps.front()[series] < 0.0;
                for (std::size_t i = insideAtStart ? 1 : 0; i + 1 < crossings.size(); i += 2) {
                    if (crossings[i] >= from && crossings[i] < until) {
                        events.push_back(Describe(kind, a, b, crossings[i], crossings[i + 1]));
                    }
                }
            }
        }
        return events;
    }

private:
    Scene SceneAt(double observerDays) { return geometry_.SceneAt(observerDays); }

    double Gap(MutualKind kind, Moon a, Moon b, double time) {
        const Scene scene = SceneAt(time);
        return kind == MutualKind::Occultation ? Occultation(scene, a, b).Gap() : Eclipse(scene, a, b).Gap();
    }

    // Every instant the gap changes sign in [t0, t1], in order: an interval
    // the gap cannot cross zero in, at the speed it changes at most, is left
    // alone, and any other halved until it can be told, down to the
    // resolution. No crossing is missed, however briefly two moons touch.
    void GapCrossings(const std::function<double(double)>& gap, double speed, double t0, double g0, double t1, double g1,
                   std::vector<double>& crossings) {
        const double reach = speed * (t1 - t0);
        if ((g0 >= 0.0) == (g1 >= 0.0) && std::fabs(g0) + std::fabs(g1) > reach) {
            return;  // neither end can reach zero before meeting the other
        }
        if (t1 - t0 <= kResolutionDays) {
            if ((g0 >= 0.0) != (g1 >= 0.0)) {
                crossings.push_back(g1 < 0.0 ? t1 : t0);  // the first instant found inside
            }
            return;
        }
        const double middle = 0.5 * (t0 + t1);
        const double g = gap(middle);
        GapCrossings(gap, speed, t0, g0, middle, g, crossings);
        GapCrossings(gap, speed, middle, g, t1, g1, crossings);
    }

    MutualEvent Describe(MutualKind kind, Moon a, Moon b, double begin, double end) {
        const auto gap = [this, kind, a, b](double time) { return Gap(kind, a, b, time); };
        const double maximum = Deepest(gap, begin, end);
        MutualEvent event{a, b, kind, MutualShape::Partial, detail::UniversalTimeOf(begin), detail::UniversalTimeOf(maximum),
                          detail::UniversalTimeOf(end), std::nullopt, std::nullopt, 0.0, 0.0, false, false};
        if (kind == MutualKind::Occultation) {
            DescribeOccultation(event, maximum);
        } else {
            DescribeEclipse(event, begin, maximum, end);
        }
        event.nearLimb = geometry_.System().Sight(event.passive, maximum).sight.MissSquared() < 4.0;
        event.minutesPer100Km = detail::MinutesPer100Km(gap, begin, end);
        return event;
    }

    // The closest approach: the lowest of samples a minute apart, refined, so
    // that a stretch with two approaches takes the deeper.
    static double Deepest(const std::function<double(double)>& gap, double begin, double end) {
        const int steps = std::max(2, static_cast<int>((end - begin) * 1440.0));
        double lowest = begin;
        double lowestGap = gap(begin);
        for (int i = 1; i <= steps; ++i) {
            const double time = begin + (end - begin) * i / steps;
            if (const double value = gap(time); value < lowestGap) {
                lowest = time;
                lowestGap = value;
            }
        }
        const double width = (end - begin) / steps;
        return detail::Below(gap, -1e300, std::max(begin, lowest - width), std::min(end, lowest + width), kMaximumTolerance);
    }

    // Which moon is in front at the maximum, how it covers the other, and
    // whether either is hidden then.
    void DescribeOccultation(MutualEvent& event, double maximum) {
        const OccultationView view = Occultation(SceneAt(maximum), event.active, event.passive);
        std::tie(event.active, event.passive, event.shape, event.depth) = std::tuple{view.front, view.back, view.Shape(), view.Depth()};
        event.hidden = Hidden(view.back, maximum) || Hidden(view.front, maximum);
    }

    // Which moon casts the shadow, how it covers the other, whether that one
    // is hidden, and the umbra's contacts where it reaches the moon.
    void DescribeEclipse(MutualEvent& event, double begin, double maximum, double end) {
        const Moon a = event.active;
        const Moon b = event.passive;
        const EclipseView view = Eclipse(SceneAt(maximum), a, b);
        std::tie(event.active, event.passive, event.shape, event.depth) = std::tuple{view.caster, view.shaded, view.Shape(), view.Depth()};
        event.hidden = Hidden(view.shaded, maximum);
        if (view.Umbra() > 0.0 && view.UmbraGap() < 0.0) {
            const auto umbraGap = [this, a, b](double time) { return Eclipse(SceneAt(time), a, b).UmbraGap(); };
            event.umbraBegin = detail::UniversalTimeOf(detail::Root(umbraGap, begin, maximum, kResolutionDays));
            event.umbraEnd = detail::UniversalTimeOf(detail::Root(umbraGap, maximum, end, kResolutionDays));
        }
    }

    bool Hidden(Moon moon, double time) {
        const detail::MoonSight sight = geometry_.System().Sight(moon, time);
        return sight.Occulted() || sight.Eclipsed();
    }

    detail::MutualGeometry geometry_;
};

}  // namespace

std::string MutualCode(const MutualEvent& event) {
    static constexpr std::array<char, 3> kShapes{'P', 'A', 'T'};
    return std::string{static_cast<char>('1' + static_cast<int>(event.active)),
                       event.kind == MutualKind::Occultation ? 'O' : 'E',
                       static_cast<char>('1' + static_cast<int>(event.passive)), kShapes[static_cast<std::size_t>(event.shape)]};
}

bool Noticeable(const MutualEvent& event) {
    return !event.hidden && event.depth >= kNoticeableDepth;
}

std::vector<MutualEvent> FindMutualEvents(UniversalTime from, UniversalTime until) {
    const double first = detail::ObserverDays(from);
    const double last = detail::ObserverDays(std::max(from, until - std::chrono::milliseconds(1)));
    detail::FloatingPointGuard guard;
    std::vector<MutualEvent> events = MutualSearch().Between(first, last + kResolutionDays);
    guard.Finish("FindMutualEvents");
    std::erase_if(events, [from, until](const MutualEvent& event) { return event.begin < from || event.begin >= until; });
    std::sort(events.begin(), events.end(), [](const MutualEvent& a, const MutualEvent& b) {
        return std::tie(a.begin, a.active, a.passive, a.kind) < std::tie(b.begin, b.active, b.passive, b.kind);
    });
    return events;
}

}  // namespace ephemeris
