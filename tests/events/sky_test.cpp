// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <erfa.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "events/jupiter_sky.hpp"
#include "events/observer_place.hpp"
#include "horizon.hpp"
#include "model/arithmetic_fault.hpp"
#include "root_finding.hpp"
#include "support.hpp"
#include "theory/jupiter_geometry.hpp"

namespace ephemeris {
namespace {

using namespace std::chrono;
using satrivox::testing::At;
using satrivox::testing::ScopedTimeZone;

// ---- Where the observer is ---------------------------------------------------------

// A zone folder of the test's own: the tables as tzdata writes them.
class ZoneFolder : public ::testing::Test {
protected:
    ZoneFolder() {
        for (const char* variant : {"", "posix", "right"}) {
            std::filesystem::create_directories(folder / variant / "Europe");
            std::ofstream(folder / variant / "Europe" / "Lisbon") << "TZif";
        }
        std::ofstream(folder / "zone1970.tab") << "# comment\tnot\ta zone\n"
                                                  "PT\t+3843-00908\tEurope/Lisbon\tPortugal (mainland)\n"
                                                  "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
                                                  "AR\t-3436-05827\tAmerica/Argentina/Buenos_Aires\tBuenos Aires (BA, CF)\n";
        std::ofstream(folder / "zone.tab") << "NO\t+5955+01045\tEurope/Oslo\n";
        std::ofstream(folder / "tzdata.zi") << "Z Europe/Lisbon -0:36:45 - LMT 1884\nL America/New_York US/Eastern\n";
    }
    ~ZoneFolder() override { std::filesystem::remove_all(folder); }

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("satrivox-zones-" + std::to_string(::getpid()));
};

TEST_F(ZoneFolder, EachZoneGivesItsPrincipalPlace) {
    const std::string zones = folder.string();
    EXPECT_EQ(PlaceOfZone("Europe/Lisbon", zones), (Place{"Lisbon", 38.0 + 43.0 / 60.0, -(9.0 + 8.0 / 60.0)}));
    EXPECT_EQ(PlaceOfZone("America/New_York", zones), (Place{"New York", 40 + 42 / 60.0 + 51 / 3600.0, -(74 + 23 / 3600.0)}))
        << "seconds too";
    EXPECT_EQ(PlaceOfZone("America/Argentina/Buenos_Aires", zones).value_or(Place{}).name, "Buenos Aires");
    EXPECT_EQ(PlaceOfZone("Europe/Oslo", zones).value_or(Place{}).latitude, 59.0 + 55.0 / 60.0) << "from zone.tab";
    EXPECT_EQ(PlaceOfZone("US/Eastern", zones).value_or(Place{}).name, "New York") << "an old name, through its link";
    for (const char* none : {"UTC", "Etc/GMT+5", "Nowhere/Land", ""}) {
        EXPECT_FALSE(PlaceOfZone(none, zones).has_value()) << none;
    }
    EXPECT_FALSE(PlaceOfZone("Europe/Lisbon", (folder / "missing").string()).has_value());
    EXPECT_EQ(PlaceOfZone("Europe/Lisbon").value_or(Place{}).name, "Lisbon") << "the machine's own tzdata";
}

TEST_F(ZoneFolder, TheComputersZoneIsTheOneTzNames) {
    const std::string zones = folder.string();
    for (const auto& [tz, zone] : {std::pair{"Europe/Lisbon", "Europe/Lisbon"}, {":Europe/Lisbon", "Europe/Lisbon"},
                                   {"/elsewhere/zoneinfo/Europe/Lisbon", "Europe/Lisbon"}, {"WET0WEST,M3.5.0/1,M10.5.0", ""},
                                   {"<+0545>-5:45", ""}, {"Europe/Madrid", ""}, {"../Europe/Lisbon", ""},
                                   {"posix/Europe/Lisbon", "Europe/Lisbon"}, {":right/Europe/Lisbon", "Europe/Lisbon"},
                                   {"/usr/share/zoneinfo/posix/Europe/Lisbon", "Europe/Lisbon"}, {"posix/Europe/Madrid", ""}}) {
        const ScopedTimeZone scoped(tz);
        EXPECT_EQ(ComputersZoneName(zones), zone) << tz;
    }
}

TEST_F(ZoneFolder, TheObserverIsWhereTheySaidElseInTheZonesPlace) {
    const std::string zones = folder.string();
    const Place here{"Here", 1.0, 2.0};
    const ScopedTimeZone lisbon("Europe/Lisbon");
    EXPECT_EQ(ObserverPlace(here, zones), here);
    EXPECT_EQ(ObserverPlace(std::nullopt, zones).value_or(here).name, "Lisbon");
    const ScopedTimeZone rule("WET0WEST,M3.5.0/1,M10.5.0");
    EXPECT_EQ(ObserverPlace(std::nullopt, zones), std::nullopt);
}

struct CoordinatesRow {
    const char* hazard;
    const char* text;
    std::optional<std::pair<double, double>> coordinates;
};

class CoordinatesAsWritten : public ::testing::TestWithParam<CoordinatesRow> {};

TEST_P(CoordinatesAsWritten, AreReadOrRefusedWithAReason) {
    Refusal problem;
    const std::optional<Coordinates> read = ReadCoordinates(GetParam().text, &problem);
    ASSERT_EQ(read.has_value(), GetParam().coordinates.has_value()) << problem.English();
    EXPECT_EQ(problem.Refused(), !read.has_value());
    if (read) {
        EXPECT_EQ(read->latitude, GetParam().coordinates->first);
        EXPECT_EQ(read->longitude, GetParam().coordinates->second);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, CoordinatesAsWritten,
    ::testing::Values(CoordinatesRow{"signs_and_comma", "38.72,-9.14", std::pair{38.72, -9.14}},
                      CoordinatesRow{"letters_after", "38.72 N 9.14 W", std::pair{38.72, -9.14}},
                      CoordinatesRow{"letters_before_lower_case", "s33.87 e151.21", std::pair{-33.87, 151.21}},
                      CoordinatesRow{"letters_before_apart", "N 38.72 W 9.14", std::pair{38.72, -9.14}},
                      CoordinatesRow{"longitude_first_by_its_letter", "9.14W, 38.72N", std::pair{38.72, -9.14}},
                      CoordinatesRow{"degree_signs_and_blanks", " 38.72\u00b0 N ; 9.14\u00b0 W ", std::pair{38.72, -9.14}},
                      CoordinatesRow{"plus_sign", "+64.14 -21.94", std::pair{64.14, -21.94}},
                      CoordinatesRow{"poles_and_date_line", "-90,180", std::pair{-90.0, 180.0}},
                      CoordinatesRow{"one_number", "38.72", std::nullopt},
                      CoordinatesRow{"three_numbers", "38 43 9", std::nullopt},
                      CoordinatesRow{"sign_and_letter", "-38.72 N, 9.14 W", std::nullopt},
                      CoordinatesRow{"latitude_past_the_pole", "90.5, 0", std::nullopt},
                      CoordinatesRow{"longitude_past_the_date_line", "0, 180.01", std::nullopt},
                      CoordinatesRow{"east_for_a_latitude", "38.72 E 9.14 E", std::nullopt},
                      CoordinatesRow{"words", "Lisbon", std::nullopt},
                      CoordinatesRow{"not_a_number", "1e999, 0", std::nullopt}),
    satrivox::testing::kHazardName);

// ---- Rising, culminating, setting ---------------------------------------------------

// Venus seen from the Earth's centre, light time included (ERFA's positions).
detail::Vector3 Venus(double observerDays) {
    double sunToEarth[2][3], barycentricEarth[2][3], venus[2][3];
    eraEpv00(detail::kJ2000, observerDays, sunToEarth, barycentricEarth);
    detail::Vector3 direction{};
    double light = 0.0;
    for (int iteration = 0; iteration < 3; ++iteration) {
        double sunToEarthThen[2][3], barycentricThen[2][3];
        eraEpv00(detail::kJ2000, observerDays - light, sunToEarthThen, barycentricThen);
        eraPlan94(detail::kJ2000, observerDays - light, 2, venus);
        for (std::size_t i = 0; i < 3; ++i) {
            direction[i] = venus[0][i] + barycentricThen[0][i] - sunToEarthThen[0][i] - barycentricEarth[0][i];
        }
        light = detail::Length(direction) / detail::kLightAuPerDay;
    }
    return direction;
}

// Meeus, Astronomical Algorithms (1998), example 15.a: Venus at Boston
// (42°20' N, 71°05' W) on 1988 March 20 sets at 2h55m, rises at 12h25m and
// culminates at 19h40m UT, its centre 34' below the horizon at rising and setting.
// Above 15 degrees, ERFA's refraction: Bennett's values (Meeus 16.4) within a
// tenth of an arcminute.
TEST(Horizon, RefractionHighInTheSkyAsPublished) {
    for (const auto& [altitude, arcminutes] : {std::pair{20.0, 2.70}, std::pair{45.0, 0.99}, std::pair{60.0, 0.58}}) {
        EXPECT_NEAR((detail::Horizon::Refracted(altitude) - altitude) * 60.0, arcminutes, 0.1) << altitude;
    }
}

TEST(Horizon, RisesCulminatesAndSetsWhenThePublishedExampleSays) {
    detail::Horizon boston({42.0 + 20.0 / 60.0, -(71.0 + 5.0 / 60.0)});
    const double midnight = detail::ObserverDays(At(1988y / 3 / 20));
    const auto above = [&](double t) { return boston.Altitude(boston.Of(Venus(t), t)) + 34.0 / 60.0; };
    const auto meridian = [&](double t) { return std::sin(boston.Of(Venus(t), t).hourAngle); };
    std::vector<std::pair<std::string, double>> found;
    for (double t = midnight; t < midnight + 1.0; t += 1.0 / 48.0) {
        if ((above(t) > 0.0) != (above(t + 1.0 / 48.0) > 0.0)) {
            found.emplace_back(above(t) < 0.0 ? "rises" : "sets", detail::Root(above, t, t + 1.0 / 48.0, 1e-6));
        } else if (meridian(t) < 0.0 && meridian(t + 1.0 / 48.0) > 0.0) {
            found.emplace_back("culminates", detail::Root(meridian, t, t + 1.0 / 48.0, 1e-6));
        }
    }
    const std::vector<std::pair<std::string, double>> published{{"sets", 2 + 55 / 60.0}, {"rises", 12 + 25 / 60.0}, {"culminates", 19 + 40 / 60.0}};
    ASSERT_EQ(found.size(), published.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].first, published[i].first);
        EXPECT_NEAR((found[i].second - midnight) * 24.0, published[i].second, 1.0 / 60.0) << found[i].first;
    }
}

// The night of 2026 December 10-11 at Lisbon: each event where its
// definition puts it, in order; the disc and brightness as the almanacs give them.
TEST(JupiterSky, ANightAtLisbonFromEachDefinition) {
    const Coordinates lisbon{38.7167, -9.1333};
    const std::vector<SkyEvent> night = FindSkyEvents(At(2026y / 12 / 10, 12h), At(2026y / 12 / 11, 12h), lisbon);
    std::vector<SkyEventKind> kinds;
    for (const SkyEvent& event : night) {
        kinds.push_back(event.kind);
        switch (event.kind) {
            case SkyEventKind::JupiterRise:
            case SkyEventKind::JupiterSet:
                EXPECT_NEAR(event.altitudes.jupiter, detail::Horizon::Refracted(-34.0 / 60.0), 1e-4);
                break;
            case SkyEventKind::NightBegin:
            case SkyEventKind::NightEnd:
                EXPECT_NEAR(event.altitudes.sun, -12.0, 1e-4);
                break;
            case SkyEventKind::JupiterCulmination:
                for (const minutes apart : {-10min, 10min}) {
                    EXPECT_LT(AltitudesAt(event.time + apart, lisbon).jupiter, event.altitudes.jupiter);
                }
                EXPECT_NEAR(event.altitudes.jupiter, 64.6, 0.1);
                break;
        }
    }
    EXPECT_EQ(kinds, (std::vector{SkyEventKind::JupiterSet, SkyEventKind::NightBegin, SkyEventKind::JupiterRise,
                                  SkyEventKind::JupiterCulmination, SkyEventKind::NightEnd}));
    // The night's hours are the listed night's; the observable ones end with
    // it and begin once Jupiter is 5 degrees up.
    const std::vector<Hours> dark = FindHoursWithin(At(2026y / 12 / 10, 12h), At(2026y / 12 / 11, 12h), lisbon, {});
    ASSERT_EQ(dark.size(), 1U);
    EXPECT_LT(abs(dark[0].begin - night[1].time), 1s);
    EXPECT_LT(abs(dark[0].end - night[4].time), 1s);
    const std::vector<Hours> usable =
        FindHoursWithin(At(2026y / 12 / 10, 12h), At(2026y / 12 / 11, 12h), lisbon, {kNightSunAltitude, 5.0});
    ASSERT_EQ(usable.size(), 1U);
    EXPECT_NEAR(AltitudesAt(usable[0].begin, lisbon).jupiter, 5.0, 1e-3);
    EXPECT_EQ(usable[0].end, dark[0].end);
    const std::vector<Hours> cut = FindHoursWithin(At(2026y / 12 / 11, 2h), At(2026y / 12 / 11, 3h), lisbon, {});
    EXPECT_EQ(cut, (std::vector<Hours>{{At(2026y / 12 / 11, 2h), At(2026y / 12 / 11, 3h)}})) << "cut to the span";
    const std::vector<UniversalTime> instants{night[0].time, night[3].time};
    const std::vector<Altitudes> together = AltitudesAt(instants, lisbon);
    ASSERT_EQ(together.size(), 2U);
    EXPECT_NEAR(together[0].jupiter, night[0].altitudes.jupiter, 1e-4);
    EXPECT_NEAR(together[1].sun, night[3].altitudes.sun, 1e-4);  // the events at whole milliseconds
    // At opposition, 2019 June 10: 46" and magnitude -2.6 (the magazines' figures).
    const JupiterDisc opposition = JupiterDiscAt(At(2019y / 6 / 10));
    EXPECT_NEAR(opposition.diameterArcsec, 46.0, 0.5);
    EXPECT_NEAR(opposition.magnitude, -2.6, 0.05);
}

// Far north Jupiter stays up all day and culminates without rising or
// setting; far south it stays down, and nothing of it is listed.
TEST(JupiterSky, NeverSetsNearThePoleItLeansTo) {
    const UniversalTime from = At(2026y / 12 / 10), until = At(2026y / 12 / 12);
    const std::vector<SkyEvent> north = FindSkyEvents(from, until, {80.0, 0.0});
    EXPECT_EQ(std::count_if(north.begin(), north.end(), [](const SkyEvent& e) { return e.kind == SkyEventKind::JupiterCulmination; }), 2);
    EXPECT_TRUE(std::none_of(north.begin(), north.end(), [](const SkyEvent& e) {
        return e.kind == SkyEventKind::JupiterRise || e.kind == SkyEventKind::JupiterSet;
    }));
    EXPECT_TRUE(std::none_of(north.begin(), north.end(), [](const SkyEvent& e) { return e.kind == SkyEventKind::NightEnd; }))
        << "and the Sun never comes up to 12 degrees below in the polar night";
    const std::vector<SkyEvent> south = FindSkyEvents(from, until, {-80.0, 0.0});
    EXPECT_TRUE(std::none_of(south.begin(), south.end(), [](const SkyEvent& e) { return e.kind != SkyEventKind::NightBegin && e.kind != SkyEventKind::NightEnd; }));
}

// A place that is no place (a latitude not a number) is refused by the
// arithmetic's guard, not answered with altitudes that are not numbers.
TEST(JupiterSky, AFaultyPlaceIsAnArithmeticFault) {
    const Coordinates nowhere{std::nan(""), 0.0};
    EXPECT_THROW(AltitudesAt(At(2026y / 12 / 10), nowhere), ArithmeticFault);
    EXPECT_THROW(FindSkyEvents(At(2026y / 12 / 10), At(2026y / 12 / 11), nowhere), ArithmeticFault);
}

// ---- The Great Red Spot --------------------------------------------------------------

// Sky & Telescope's times for 2019 January 17-31, the spot at System II 294°:
// every one within a minute, none missed, none extra.
TEST(RedSpot, TransitsWithinAMinuteOfThePublishedTimes) {
    std::ifstream file(std::string(SATRIVOX_TEST_DATA) + "/red-spot-2019-01.txt");
    std::vector<UniversalTime> published;
    for (std::string line; std::getline(file, line);) {
        std::istringstream words(line);
        unsigned day = 0;
        if (line[0] == '#' || !(words >> day)) {
            continue;
        }
        for (std::string time; words >> time;) {
            published.push_back(At(2019y / 1 / day, hours{std::stoi(time.substr(0, 2))}, minutes{std::stoi(time.substr(3))}));
        }
    }
    ASSERT_EQ(published.size(), 36U);
    const std::vector<UniversalTime> ours = FindMeridianTransits(At(2019y / 1 / 17), At(2019y / 2 / 1), 294.0);
    ASSERT_EQ(ours.size(), published.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        EXPECT_LE(abs(ours[i] - published[i]), 60s) << i;
    }
    const double meridian = CentralMeridianSystemII(ours[5]);
    EXPECT_NEAR(std::remainder(meridian - 294.0, 360.0), 0.0, 1e-3) << "the spot on the meridian";
    // The rate, through the first and last transits, 35 rotations apart.
    EXPECT_NEAR(duration<double>(ours.back() - ours.front()).count(), duration<double>(published.back() - published.front()).count(), 60.0);
}

}  // namespace
}  // namespace ephemeris
