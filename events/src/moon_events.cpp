// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/moon_events.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

#include "model/floating_point_guard.hpp"
#include "root_finding.hpp"
#include "theory/jupiter_geometry.hpp"

namespace ephemeris {
namespace {

using detail::JupiterSystem;
using detail::Line;
using detail::MoonSight;

// Sidereal periods (days, NASA's Jovian Satellite Fact Sheet): the search
// samples each moon this often per orbit, so that every passage of the disc
// or of the shadow's axis shows as a minimum.
constexpr std::array<double, 4> kPeriodDays{1.769138, 3.551181, 7.154553, 16.689018};
// Orbital radii in Jupiter radii (the same sheet's 421.8, 671.1, 1070.4 and
// 1882.7 thousand km over 71,492 km, rounded up), for the fastest a line
// through a moon can sweep across the (scaled) planet: with a fifth to spare
// for eccentricity, the flattening and the Earth's and Jupiter's own motions.
constexpr std::array<double, 4> kOrbitRadii{5.9, 9.4, 15.0, 26.4};
constexpr double kSpeedMargin = 1.2;
constexpr int kSamplesPerOrbit = 24;
constexpr int kSamplesPerPassage = 8;   // along a passage, for the terminator and the limb
constexpr double kTimeTolerance = 1e-7;  // days: 9 ms
// How closely a passage's middle is sought: its distance from the centre then
// errs by less than 1e-7 radii.
constexpr double kMiddleTolerance = 1e-5;  // days

using detail::Below;
using detail::Root;

constexpr std::array<const char*, 4> kNumerals{"I", "II", "III", "IV"};

// The three lines of light through a moon that meet the planet at its events.
enum class Light { Sight, Sunlight, Shadow };

const Line& LineOf(const MoonSight& sight, Light light) {
    switch (light) {
        case Light::Sight:
            return sight.sight;
        case Light::Sunlight:
            return sight.sunlight;
        case Light::Shadow:
            break;
    }
    return sight.shadow;
}

// The events of one moon, in observer days.
class MoonSearch {
public:
    struct Found {
        double time;
        EventKind kind;
        bool visible;
    };

    MoonSearch(JupiterSystem& system, Moon moon) : system_(system), moon_(moon) {}

    std::vector<Found> Between(double from, double until) {
        const double period = kPeriodDays[static_cast<std::size_t>(moon_)];
        step_ = period / kSamplesPerOrbit;
        const double radius = kOrbitRadii[static_cast<std::size_t>(moon_)];
        sweep_ = kSpeedMargin * 2.0 * std::numbers::pi * radius / kSamplesPerOrbit;
        start_ = from - period / 2.0;
        const auto count = static_cast<std::size_t>(std::ceil((until + period / 2.0 - start_) / step_)) + 1;
        samples_.clear();
        for (std::size_t k = 0; k < count; ++k) {
            samples_.push_back(system_.Sight(moon_, SampleTime(k)));
        }
        for (const Light light : {Light::Sight, Light::Sunlight, Light::Shadow}) {
            Passages(light);
        }
        std::erase_if(found_, [from, until](const Found& event) { return event.time < from || event.time >= until; });
        return std::move(found_);
    }

private:
    [[nodiscard]] double SampleTime(std::size_t k) const { return start_ + static_cast<double>(k) * step_; }
    MoonSight At(double time) { return system_.Sight(moon_, time); }
    double MissSquared(Light light, double time) { return LineOf(At(time), light).MissSquared(); }
    double SampledMissSquared(Light light, std::size_t k) const { return LineOf(samples_[k], light).MissSquared(); }

    // Every passage of this line across the planet: the minima of its distance
    // from the centre, then where it crosses the limb on either side.
    void Passages(Light light) {
        double passedUntil = -1e300;
        for (std::size_t k = 1; k + 1 < samples_.size(); ++k) {
            const double before = SampledMissSquared(light, k - 1);
            const double here = SampledMissSquared(light, k);
            const double after = SampledMissSquared(light, k + 1);
            if (!(here <= before && here < after) || SampleTime(k) < passedUntil) {
                continue;
            }
            // The passage's nearest point lies within a step of this sample:
            // one that the line cannot sweep to the disc in a step needs no
            // closer look.
            if (std::sqrt(here) - sweep_ > 1.0) {
                continue;
            }
            const auto missSquared = [this, light](double time) { return MissSquared(light, time); };
            const double middle = Below(missSquared, 1.0, SampleTime(k - 1), SampleTime(k + 1), kMiddleTolerance);
            if (missSquared(middle) >= 1.0) {
                continue;
            }
            const double in = Contact(light, middle, k, false);
            const double out = Contact(light, middle, k, true);
            passedUntil = out;
            Classify(light, in, out, LineOf(At(middle), light).Along());
        }
    }

    // Where the line crosses the limb, from the passage's middle towards
    // earlier or later samples, to the first that lies off the disc.
    double Contact(Light light, double middle, std::size_t k, bool later) {
        const auto outside = [this, light](double time) { return MissSquared(light, time) - 1.0; };
        for (std::size_t j = k;; j = later ? j + 1 : j - 1) {
            const double time = SampleTime(j);
            if ((later ? time > middle : time < middle) && SampledMissSquared(light, j) >= 1.0) {
                return later ? Root(outside, middle, time, kTimeTolerance) : Root(outside, time, middle, kTimeTolerance);
            }
            if (j == 0 || j + 1 == samples_.size()) {
                return time;  // the search's margin holds every passage it reports
            }
        }
    }

    void Classify(Light light, double in, double out, double depth) {
        if (light == Light::Sight && depth < 0.0) {
            Add(in, EventKind::OccultationDisappearance);
            Add(out, EventKind::OccultationReappearance);
        } else if (light == Light::Sunlight && depth > 0.0) {
            Add(in, EventKind::EclipseDisappearance);
            Add(out, EventKind::EclipseReappearance);
        } else if (light == Light::Sight) {
            Within(in, out, [](const MoonSight& sight) { return sight.TransitLight(); }, EventKind::TransitIngress,
                   EventKind::TransitEgress);
        } else if (light == Light::Shadow && depth < 0.0) {
            Within(in, out, [](const MoonSight& sight) { return sight.ShadowFacing(); }, EventKind::ShadowIngress,
                   EventKind::ShadowEgress);
        }
    }

    // Within a passage across the planet, the stretches where `margin` is
    // positive (the surface behind the moon sunlit, the shadow facing the
    // Earth): their starts are `starts`, their ends `ends`.
    void Within(double in, double out, double (*margin)(const MoonSight&), EventKind starts, EventKind ends) {
        const auto value = [this, margin](double time) { return margin(At(time)); };
        double previousTime = in;
        double previous = value(in);
        if (previous > 0.0) {
            Add(in, starts);
        }
        for (int i = 1; i <= kSamplesPerPassage; ++i) {
            const double time = in + (out - in) * i / kSamplesPerPassage;
            const double current = value(time);
            if ((previous > 0.0) != (current > 0.0)) {
                Add(Root(value, previousTime, time, kTimeTolerance), current > 0.0 ? starts : ends);
            }
            previousTime = time;
            previous = current;
        }
        if (previous > 0.0) {
            Add(out, ends);
        }
    }

    void Add(double time, EventKind kind) {
        bool visible = true;
        if (kind == EventKind::OccultationDisappearance || kind == EventKind::OccultationReappearance) {
            visible = !At(time).Eclipsed();
        } else if (kind == EventKind::EclipseDisappearance || kind == EventKind::EclipseReappearance) {
            visible = !At(time).Occulted();
        }
        found_.push_back({time, kind, visible});
    }

    JupiterSystem& system_;
    Moon moon_;
    double step_ = 0.0;
    double sweep_ = 0.0;  // the farthest a line moves in a step, in radii
    double start_ = 0.0;
    std::vector<MoonSight> samples_;
    std::vector<Found> found_;
};

}  // namespace

namespace {

const char* KindCode(EventKind kind) {
    switch (kind) {
        case EventKind::TransitIngress:
            return "Tr.I";
        case EventKind::TransitEgress:
            return "Tr.E";
        case EventKind::ShadowIngress:
            return "Sh.I";
        case EventKind::ShadowEgress:
            return "Sh.E";
        case EventKind::EclipseDisappearance:
            return "Ec.D";
        case EventKind::EclipseReappearance:
            return "Ec.R";
        case EventKind::OccultationDisappearance:
            return "Oc.D";
        case EventKind::OccultationReappearance:
            break;
    }
    return "Oc.R";
}

}  // namespace

std::string EventCode(Moon moon, EventKind kind) {
    return std::string(kNumerals[static_cast<std::size_t>(moon)]) + "." + KindCode(kind);
}

std::vector<MoonEvent> FindMoonEvents(UniversalTime from, UniversalTime until) {
    const double first = detail::ObserverDays(from);
    const double last = detail::ObserverDays(std::max(from, until - std::chrono::milliseconds(1)));
    detail::FloatingPointGuard guard;
    JupiterSystem system;
    std::vector<MoonEvent> events;
    for (const Moon moon : kMoons) {
        for (const MoonSearch::Found& found : MoonSearch(system, moon).Between(first, last + kTimeTolerance)) {
            const UniversalTime time = detail::UniversalTimeOf(found.time);
            if (time >= from && time < until) {
                events.push_back({time, moon, found.kind, found.visible});
            }
        }
    }
    guard.Finish("FindMoonEvents");
    std::sort(events.begin(), events.end(), [](const MoonEvent& a, const MoonEvent& b) {
        return std::tie(a.time, a.moon, a.kind) < std::tie(b.time, b.moon, b.kind);
    });
    return events;
}

}  // namespace ephemeris
