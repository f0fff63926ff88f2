// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "events/moon_events.hpp"
#include "model/satellite_model.hpp"
#include "support.hpp"
#include "theory/delta_t.hpp"
#include "theory/galilean_theory.hpp"
#include "theory/jupiter_geometry.hpp"
#include "theory/jupiter_system.hpp"

namespace ephemeris {
namespace {

using namespace std::chrono;
using satrivox::testing::At;
using satrivox::testing::Data;

// ---- Events ---------------------------------------------------------------------

struct Published {
    UniversalTime time;
    std::string code;
};

std::vector<Published> PublishedList() {
    std::ifstream file = Data("published-2019-01.txt");
    std::vector<Published> list;
    std::string line;
    while (std::getline(file, line)) {
        int y = 0;
        unsigned m = 0, d = 0;
        int hour = 0, minute = 0;
        char code[16] = {};
        if (line[0] != '#' && std::sscanf(line.c_str(), "%d-%u-%u %d:%d %15s", &y, &m, &d, &hour, &minute, code) == 6) {
            list.push_back({At(year{y} / m / d, hours{hour}, minutes{minute}), code});
        }
    }
    return list;
}

// The magazine's complete list of what could be seen, 2019 January 1-8: each
// line within a minute of ours, none of ours missing from it, none extra.
TEST(MoonEvents, MatchThePublishedListWithinAMinuteNothingMissingNothingExtra) {
    const std::vector<Published> published = PublishedList();
    ASSERT_EQ(published.size(), 46U);
    std::vector<MoonEvent> seen = FindMoonEvents(At(2019y / 1 / 1), At(2019y / 1 / 8, 8h, 55min, 30s));
    std::erase_if(seen, [](const MoonEvent& event) { return !event.visible; });
    EXPECT_EQ(seen.size(), published.size());
    struct Figures {
        double largest = 0.0;
        double squares = 0.0;
        int count = 0;
    };
    std::map<std::string, Figures> byKind;
    for (const Published& line : published) {
        const auto ours = std::min_element(seen.begin(), seen.end(), [&line](const MoonEvent& a, const MoonEvent& b) {
            const auto distance = [&line](const MoonEvent& event) {
                return EventCode(event.moon, event.kind) == line.code ? abs(event.time - line.time) : 1000h;
            };
            return distance(a) < distance(b);
        });
        ASSERT_EQ(EventCode(ours->moon, ours->kind), line.code);
        const double difference = duration<double>(ours->time - line.time).count();
        EXPECT_LE(std::fabs(difference), 60.0) << line.code;
        Figures& figures = byKind[line.code.substr(line.code.find('.') + 1)];
        figures = {std::max(figures.largest, std::fabs(difference)), figures.squares + difference * difference,
                   figures.count + 1};
    }
    for (const auto& [kind, figures] : byKind) {
        std::cout << kind << ": " << figures.count << " events, largest difference " << figures.largest
                  << " s, RMS " << std::sqrt(figures.squares / figures.count) << " s\n";
    }
}

double Margin(const detail::MoonSight& sight, EventKind kind) {
    switch (kind) {
        case EventKind::TransitIngress:
        case EventKind::TransitEgress:
            return std::min(std::fabs(sight.sight.MissSquared() - 1.0), std::fabs(sight.TransitLight()));
        case EventKind::ShadowIngress:
        case EventKind::ShadowEgress:
            return std::min(std::fabs(sight.shadow.MissSquared() - 1.0), std::fabs(sight.ShadowFacing()));
        case EventKind::EclipseDisappearance:
        case EventKind::EclipseReappearance:
            return std::fabs(sight.sunlight.MissSquared() - 1.0);
        case EventKind::OccultationDisappearance:
        case EventKind::OccultationReappearance:
            break;
    }
    return std::fabs(sight.sight.MissSquared() - 1.0);
}

// At each event's instant the moon's centre, or its shadow's, is on the limb
// (or the terminator), and the apparent positions put it there too; a
// shadow's place is on the disc from its ingress to its egress.
TEST(MoonEvents, EachHappensOnTheLimbWhereTheApparentPositionsPutIt) {
    detail::JupiterSystem system;
    PreciseViewSeries views;
    int onTheLimb = 0;
    int shadowsOnTheLimb = 0;
    for (const MoonEvent& event : FindMoonEvents(At(2019y / 3 / 1), At(2019y / 4 / 1))) {
        const double days = detail::ObserverDays(event.time);
        EXPECT_LT(Margin(system.Sight(event.moon, days), event.kind), 2e-4) << EventCode(event.moon, event.kind);
        if (event.kind == EventKind::OccultationReappearance || event.kind == EventKind::OccultationDisappearance) {
            const PreciseView view = ComputePreciseView(event.time);
            const ApparentMoon moon = view.moons[static_cast<std::size_t>(event.moon)];
            const double flattening = view.polarRadiusArcmin / view.equatorialRadiusArcmin;
            EXPECT_NEAR(std::hypot(moon.westRadii, moon.northRadii / flattening), 1.0, 2e-4);
            EXPECT_NEAR(flattening, 66854.0 / 71492.0, 2e-4) << "the Earth near Jupiter's equatorial plane";
            ++onTheLimb;
        }
        if (event.kind == EventKind::ShadowIngress || event.kind == EventKind::ShadowEgress) {
            const PreciseView view = views.At(event.time);
            const ApparentMoon moon = view.moons[static_cast<std::size_t>(event.moon)];
            const double flattening = view.polarRadiusArcmin / view.equatorialRadiusArcmin;
            const bool ingress = event.kind == EventKind::ShadowIngress;
            // On the limb, or on the terminator a phase's width inside it.
            const double fromCentre = std::hypot(moon.shadowWestRadii, moon.shadowNorthRadii / flattening);
            EXPECT_TRUE(fromCentre > 0.98 && fromCentre < 1.002) << fromCentre;
            for (const minutes step : {-1min, 1min}) {
                EXPECT_EQ(views.At(event.time + step).moons[static_cast<std::size_t>(event.moon)].shadowOnDisc,
                          (step > 0min) == ingress)
                    << EventCode(event.moon, event.kind) << " on the disc from its ingress to its egress only";
            }
            ++shadowsOnTheLimb;
        }
    }
    EXPECT_GT(onTheLimb, 20);
    EXPECT_GT(shadowsOnTheLimb, 20);
    const PreciseView alone = ComputePreciseView(At(2019y / 3 / 9, 7h));
    const PreciseView shared = views.At(At(2019y / 3 / 9, 7h));
    for (std::size_t moon = 0; moon < 4; ++moon) {
        EXPECT_EQ(alone.moons[moon].westRadii, shared.moons[moon].westRadii) << "a series shares nodes, not results";
    }
}

// A scan every two minutes of each moon's four states (in transit, its shadow
// seen on the disc, eclipsed, occulted) over years: every change is one event
// of ours, and every event of ours one change. Years in the release build,
// three weeks under the sanitizers.
TEST(MoonEvents, NoneMissedNoneDoubledAgainstAScanEveryTwoMinutes) {
#if defined(__SANITIZE_ADDRESS__)
    const UniversalTime from = At(2024y / 1 / 1), until = At(2024y / 1 / 22);
#else
    const UniversalTime from = At(2025y / 1 / 1), until = At(2027y / 1 / 1);
#endif
    const std::vector<MoonEvent> events = FindMoonEvents(from, until);
    std::vector<int> matched(events.size(), 0);
    detail::JupiterSystem system;
    constexpr double kStep = 2.0 / 1440.0;
    int changes = 0;
    for (const Moon moon : kMoons) {
        std::optional<std::array<bool, 4>> before;
        for (double t = detail::ObserverDays(from); t < detail::ObserverDays(until - 1ms); t += kStep) {
            const detail::MoonSight sight = system.Sight(moon, t);
            const std::array<bool, 4> now{sight.InTransit(), sight.ShadowSeen(), sight.Eclipsed(), sight.Occulted()};
            for (std::size_t state = 0; before && state < now.size(); ++state) {
                if (now[state] == (*before)[state]) {
                    continue;
                }
                ++changes;
                const auto kind = static_cast<EventKind>(2 * state + (now[state] ? 0 : 1));
                const UniversalTime earliest = detail::UniversalTimeOf(t - kStep) - 1s;
                const UniversalTime latest = detail::UniversalTimeOf(t) + 1s;
                const auto found = std::find_if(events.begin(), events.end(), [&](const MoonEvent& event) {
                    return event.moon == moon && event.kind == kind && event.time >= earliest && event.time <= latest;
                });
                EXPECT_NE(found, events.end()) << EventCode(moon, kind) << " near " << t;
                matched[static_cast<std::size_t>(found - events.begin())] += found != events.end() ? 1 : 0;
            }
            before = now;
        }
    }
    EXPECT_EQ(changes, static_cast<int>(events.size()));
    EXPECT_TRUE(std::all_of(matched.begin(), matched.end(), [](int count) { return count == 1; }));
}

// A transit of Callisto that only grazes the disc (88 minutes) was missed when
// the search's samples fell on either side of it at some distance.
TEST(MoonEvents, AGrazingTransitIsFoundWhereverTheSearchBegins) {
    const UniversalTime graze = At(1601y / 3 / 24, 9h);
    for (int hour = 0; hour < 48; ++hour) {
        const UniversalTime from = graze - days{10} + hours{hour};
        int found = 0;
        for (const MoonEvent& event : FindMoonEvents(from, from + days{20})) {
            found += event.moon == Moon::Callisto && abs(event.time - graze) < 2h ? 1 : 0;
        }
        EXPECT_EQ(found, 2) << hour;
    }
}

TEST(MoonEvents, AreComputedForTheYears1600To2500Only) {
    EXPECT_NO_THROW(FindMoonEvents(At(1600y / 1 / 1), At(1600y / 1 / 1, 1h)));
    EXPECT_NO_THROW(FindMoonEvents(At(2500y / 12 / 31, 23h), At(2501y / 1 / 1)));
    EXPECT_THROW(FindMoonEvents(At(1600y / 1 / 1) - 1ms, At(1600y / 1 / 2)), OutsidePreciseYears);
    EXPECT_THROW(FindMoonEvents(At(2500y / 12 / 31), At(2501y / 1 / 1) + 1ms), OutsidePreciseYears);
    EXPECT_THROW(ComputePreciseView(At(2501y / 1 / 1)), OutsidePreciseYears);
    EXPECT_NO_THROW(ComputePreciseView(At(1600y / 1 / 1)));
}

}  // namespace
}  // namespace ephemeris
