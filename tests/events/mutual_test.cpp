// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

#include "events/mutual_events.hpp"
#include "mutual_geometry.hpp"
#include "support.hpp"
#include "theory/jupiter_geometry.hpp"
#include "theory/jupiter_system.hpp"

namespace ephemeris {
namespace {

using namespace std::chrono;
using satrivox::testing::At;

double Seconds(UniversalTime a, UniversalTime b) {
    return std::fabs(duration<double>(a - b).count());
}

// The published list: every event found, its contacts within two minutes
// and its maximum within one of the printed minute.
TEST(MutualEvents, WithinMinutesOfThePublishedPredictions) {
    std::ifstream file(std::string(SATRIVOX_TEST_DATA) + "/published-mutual.txt");
    int compared = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream words(line);
        std::string code, date, begin, maximum, end, contacts;
        words >> code >> date >> begin >> maximum >> end >> contacts;
        const year_month_day calendar{year{std::stoi(date.substr(0, 4))}, month{static_cast<unsigned>(std::stoi(date.substr(5, 2)))},
                                      std::chrono::day{static_cast<unsigned>(std::stoi(date.substr(8, 2)))}};
        const auto clock = [&calendar](const std::string& time) {
            return At(calendar, hours{std::stoi(time.substr(0, 2))}, minutes{std::stoi(time.substr(3, 2))});
        };
        const std::vector<MutualEvent> found = FindMutualEvents(clock(begin) - 30min, clock(begin) + 30min);
        const auto event = std::find_if(found.begin(), found.end(), [&code](const MutualEvent& e) { return MutualCode(e).starts_with(code); });
        ASSERT_NE(event, found.end()) << line;
        const bool umbra = contacts == "umbra";
        ASSERT_EQ(event->umbraBegin.has_value(), umbra || contacts == "penumbra") << line;
        EXPECT_LE(Seconds(umbra ? *event->umbraBegin : event->begin, clock(begin)), 120.0) << line;
        EXPECT_LE(Seconds(umbra ? *event->umbraEnd : event->end, clock(end)), 120.0) << line;
        if (maximum != "-") {
            // Europa's shadow on Ganymede sits 45 s after the list's, its
            // contacts too: the theories differ by some 300 km there.
            EXPECT_LE(Seconds(event->maximum, clock(maximum)), code == "2E3" ? 75.0 : 60.0) << line;
        }
        EXPECT_TRUE(Noticeable(*event)) << line;
        ++compared;
    }
    EXPECT_EQ(compared, 6);
}

// At an occultation's contacts the two moons stand a sum of radii apart where
// the precise positions put them, and closer at its maximum; its depth is
// the part of the farther disc the nearer one covers there.
TEST(MutualEvents, OccultationContactsAreWhereThePositionsTouch) {
    int checked = 0;
    for (const MutualEvent& event : FindMutualEvents(At(2026y / 10 / 1), At(2026y / 10 / 8))) {
        if (event.kind != MutualKind::Occultation) {
            continue;
        }
        const auto apart = [&event](UniversalTime time) {  // km across the sky at Jupiter's distance, then the radii's sum there
            const PreciseView view = ComputePreciseView(time);
            const ApparentMoon& a = view.moons[static_cast<std::size_t>(event.active)];
            const ApparentMoon& b = view.moons[static_cast<std::size_t>(event.passive)];
            const double kmPerArcmin = view.distanceAu * detail::kAuKm * std::numbers::pi / 10800.0;
            return std::hypot(a.westArcmin - b.westArcmin, a.northArcmin - b.northArcmin) * kmPerArcmin;
        };
        const double radii = kMoonRadiiKm[static_cast<std::size_t>(event.active)] + kMoonRadiiKm[static_cast<std::size_t>(event.passive)];
        EXPECT_NEAR(apart(event.begin), radii, 30.0) << MutualCode(event);
        EXPECT_NEAR(apart(event.end), radii, 30.0) << MutualCode(event);
        const double middle = apart(event.maximum);
        for (const seconds aside : {-20s, 20s}) {
            EXPECT_LT(middle, apart(event.maximum + aside)) << MutualCode(event);
        }
        const double rb = kMoonRadiiKm[static_cast<std::size_t>(event.passive)];
        const double ra = kMoonRadiiKm[static_cast<std::size_t>(event.active)];
        int covered = 0, inside = 0;  // points of a 100 x 100 grid over the farther disc
        for (double x = -rb + rb / 100.0; x < rb; x += rb / 50.0) {
            for (double y = -rb + rb / 100.0; y < rb; y += rb / 50.0) {
                inside += std::hypot(x, y) <= rb ? 1 : 0;
                covered += std::hypot(x, y) <= rb && std::hypot(x - middle, y) <= ra ? 1 : 0;
            }
        }
        EXPECT_NEAR(event.depth, static_cast<double>(covered) / inside, 0.02) << MutualCode(event);
        ++checked;
    }
    EXPECT_GE(checked, 5);
}

// Shapes follow depths: a total event takes all of B's light, an annular
// one the part the smaller disc covers, a partial one less; an eclipse's
// umbral contacts lie within its penumbral ones.
TEST(MutualEvents, ShapesDepthsAndContactsAgree) {
    const std::vector<MutualEvent> season = FindMutualEvents(At(2026y / 6 / 1), At(2027y / 6 / 1));
    std::array<int, 3> shapes{};
    for (const MutualEvent& event : season) {
        ++shapes[static_cast<std::size_t>(event.shape)];
        EXPECT_TRUE(event.begin < event.maximum && event.maximum < event.end) << MutualCode(event);
        EXPECT_TRUE(event.depth >= 0.0 && event.depth <= 1.0 + 1e-9) << MutualCode(event);
        if (event.shape == MutualShape::Total) {
            EXPECT_NEAR(event.depth, 1.0, event.kind == MutualKind::Occultation ? 1e-12 : 1e-3) << MutualCode(event);
        } else {
            EXPECT_LT(event.depth, 1.0) << MutualCode(event);
        }
        if (event.umbraBegin) {
            EXPECT_TRUE(event.kind == MutualKind::Eclipse && event.begin < *event.umbraBegin && *event.umbraEnd < event.end)
                << MutualCode(event);
        }
    }
    EXPECT_GT(shapes[0], 100);
    EXPECT_GE(shapes[2], 3);
}

// A brute-force look at every 15 s of a busy month: each stretch where one
// disc covers or shades another is one event of the search, begun within a
// step of it, and no event of the search lasting two steps is missing.
TEST(MutualEvents, NoneMissedNoneDoubledAgainstAScanOfAMonth) {
    const UniversalTime from = At(2026y / 10 / 1);
    const UniversalTime until = At(2026y / 11 / 1);
    const std::vector<MutualEvent> found = FindMutualEvents(from, until);
    detail::MutualGeometry geometry;
    constexpr seconds kStep = 15s;
    std::array<bool, 12> inside{};
    std::vector<std::pair<std::size_t, UniversalTime>> scanned;
    for (UniversalTime time = from; time < until; time += kStep) {
        const std::array<double, 12> gaps = geometry.Gaps(detail::ObserverDays(time));
        for (std::size_t series = 0; series < gaps.size(); ++series) {
            if (gaps[series] < 0.0 && !inside[series] && time > from) {
                scanned.emplace_back(series, time);
            }
            inside[series] = gaps[series] < 0.0;
        }
    }
    const auto series = [](const MutualEvent& event) { return detail::GapIndex(event.active, event.passive, event.kind); };
    for (const auto& [which, time] : scanned) {
        const auto matches = std::count_if(found.begin(), found.end(), [&](const MutualEvent& event) {
            return series(event) == which && event.begin <= time && time - event.begin <= kStep;
        });
        EXPECT_EQ(matches, 1) << "series " << which << " at " << time.time_since_epoch().count();
    }
    for (const MutualEvent& event : found) {
        if (event.end - event.begin >= 2 * kStep) {
            EXPECT_TRUE(std::any_of(scanned.begin(), scanned.end(), [&](const auto& s) {
                return s.first == series(event) && s.second >= event.begin && s.second - event.begin <= kStep;
            })) << MutualCode(event);
        }
    }
    EXPECT_GT(scanned.size(), 40U);
}

// A contact's rate is the gap's where the discs touch: for two discs
// brushing for 6 s (closest 10 km apart, touching at 10.5 km, 100,000 km a
// day), not a difference over a window that reaches past the closest point;
// and a stretch that only touches has no rate, rather than a division by zero.
TEST(MutualEvents, ABriefContactIsTimedByItsOwnRate) {
    constexpr double kSpeed = 1e5;
    const auto brush = [](double days) { return std::hypot(kSpeed * days, 10.0) - 10.5; };
    const double touch = std::sqrt(10.5 * 10.5 - 10.0 * 10.0) / kSpeed;
    const double rate = kSpeed * std::sqrt(10.5 * 10.5 - 10.0 * 10.0) / 10.5;  // d(gap)/dt there
    EXPECT_NEAR(detail::MinutesPer100Km(brush, -touch, touch), 100.0 / rate * 1440.0, 0.01 * 100.0 / rate * 1440.0);
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_TRUE(std::isinf(detail::MinutesPer100Km([](double days) { return days * days; }, 0.0, 0.0)));
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW));
}

// An event whose moon stands behind Jupiter at its maximum is found and
// marked, and not noticeable; so is one too faint to see.
TEST(MutualEvents, HiddenAndFaintEventsAreMarked) {
    int hidden = 0;
    int faint = 0;
    for (const MutualEvent& event : FindMutualEvents(At(2026y / 9 / 1), At(2026y / 12 / 1))) {
        const PreciseView view = ComputePreciseView(event.maximum);
        const ApparentMoon& b = view.moons[static_cast<std::size_t>(event.passive)];
        const bool behind = !b.inFront && std::hypot(b.westRadii, b.northRadii * view.equatorialRadiusArcmin / view.polarRadiusArcmin) < 1.0;
        if (behind) {
            EXPECT_TRUE(event.hidden) << MutualCode(event);
        }
        hidden += event.hidden ? 1 : 0;
        faint += event.depth < 0.01 ? 1 : 0;
    }
    EXPECT_GT(hidden, 0);
    EXPECT_GT(faint, 0);
}

}  // namespace
}  // namespace ephemeris
