// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "events/moon_events.hpp"
#include "model/satellite_model.hpp"
#include "delta_t_rows.hpp"
#include "theory/erfa_library.hpp"
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

// ---- The precise theory --------------------------------------------------------

// Each printed vector as its three components and the unit of its largest
// component's last printed digit (10 digits, "0.2271527767D-02").
struct PrintedVector {
    std::array<double, 3> value;
    double lastDigit = 0.0;
};

PrintedVector ReadVector(std::istringstream& words) {
    PrintedVector vector;
    int largest = -99;
    for (double& component : vector.value) {
        std::string text;
        words >> text;
        std::replace(text.begin(), text.end(), 'D', 'E');
        component = std::stod(text);
        largest = std::max(largest, std::stoi(text.substr(text.find('E') + 1)));
    }
    vector.lastDigit = std::pow(10.0, largest - 10);
    return vector;
}

// The reference implementation's output agrees to its printed digits: within
// 0.6 of a unit of the last digit of each vector's largest component (the
// rounding of the print, and the order of the arithmetic, 1e-14 au).
TEST(PreciseTheory, ReproducesTheReferenceImplementationToItsPrintedDigits) {
    std::ifstream file = Data("TestL1.2.res");
    std::string line;
    int moon = 0;
    int rows = 0;
    while (std::getline(file, line) && line.find("differences") == std::string::npos) {
        if (line.starts_with(" satellite ")) {
            moon = std::stoi(line.substr(11));
            continue;
        }
        std::istringstream words(line);
        double julianDate = 0.0;
        if (moon == 0 || !(words >> julianDate)) {
            continue;
        }
        const PrintedVector position = ReadVector(words);
        const PrintedVector velocity = ReadVector(words);
        const StateVector state = JovicentricState(static_cast<Moon>(moon - 1), julianDate);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(state.position[i], position.value[i], 0.6 * position.lastDigit) << moon << " " << julianDate;
            EXPECT_NEAR(state.velocity[i], velocity.value[i], 0.6 * velocity.lastDigit) << moon << " " << julianDate;
        }
        ++rows;
    }
    EXPECT_EQ(rows, 44);
}

// JPL's jup365 integration, 1931-2068: L1.2 keeps within 400 km of it.
TEST(PreciseTheory, AgreesWithJplsEphemerisWithin400Kilometres) {
    std::ifstream file = Data("jup365-sample.csv");
    const std::map<std::string, Moon> moons{
        {"Io", Moon::Io}, {"Europa", Moon::Europa}, {"Ganymede", Moon::Ganymede}, {"Callisto", Moon::Callisto}};
    std::map<std::string, double> largest;
    std::map<std::string, int> samples;
    std::string line;
    while (std::getline(file, line)) {
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream words(line);
        std::string name;
        double julianDate = 0.0;
        std::array<double, 3> jpl{};
        if (!(words >> name >> julianDate >> jpl[0] >> jpl[1] >> jpl[2]) || !moons.contains(name)) {
            continue;
        }
        const std::array<double, 3> ours = JovicentricState(moons.at(name), julianDate).position;
        const double kilometres = std::hypot(ours[0] - jpl[0], ours[1] - jpl[1], ours[2] - jpl[2]) * detail::kAuKm;
        largest[name] = std::max(largest[name], kilometres);
        ++samples[name];
    }
    for (const auto& [name, moon] : moons) {
        EXPECT_EQ(samples[name], 200) << name;
        EXPECT_LE(largest[name], 400.0) << name;
        std::cout << name << ": largest difference from jup365 " << std::lround(largest[name]) << " km\n";
    }
}

TEST(PreciseTheory, RefusesDatesBeyondItsChebyshevSpan) {
    EXPECT_NO_THROW(JovicentricState(Moon::Callisto, 2137600.0));  // 1140
    EXPECT_NO_THROW(JovicentricState(Moon::Callisto, 2729500.0));  // 2760
    EXPECT_THROW(JovicentricState(Moon::Io, 2133000.0), std::domain_error);
    EXPECT_THROW(JovicentricState(Moon::Io, 2731000.0), std::domain_error);
    EXPECT_THROW(JovicentricState(Moon::Io, std::nan("")), std::domain_error);
}

// TT - UT against another publication's fit to the same observations (Espenak
// and Meeus's polynomials, Five Millennium Canon of Solar Eclipses, 2006, at
// each year's start, within their quarter-second error), and a guess beyond
// them that leaves the last observation smoothly and meets the long-term parabola.
TEST(DeltaT, FollowsEachSourceAndJoinsThemWithoutAStep) {
    for (const auto& [year, seconds] : std::vector<std::pair<double, double>>{
             {1600.0, 120.0}, {1700.0, 8.83}, {1800.0, 13.72}, {1900.0, -2.79}, {1950.0, 29.07}, {1975.0, 45.45}, {2000.0, 63.86}}) {
        EXPECT_NEAR(DeltaTSeconds(year), seconds, 0.25) << year;
    }
    EXPECT_NEAR(DeltaTSeconds(2500.0), -20.0 + 32.0 * 6.8 * 6.8, 1e-9) << "the long-term parabola";
    for (const double join : {2026.0, 2126.0}) {
        EXPECT_NEAR(DeltaTSeconds(join - 1e-6), DeltaTSeconds(join + 1e-6), 1e-5) << join;
    }
    const auto slope = [](double from, double to) { return (DeltaTSeconds(to) - DeltaTSeconds(from)) / (to - from); };
    EXPECT_NEAR(slope(2026.0, 2026.01), (69.11 - 68.10) / 10.0, 0.005) << "the last decade's";
    EXPECT_NEAR(slope(2125.99, 2126.0), slope(2126.0, 2126.01), 0.005) << "the parabola's";
}

// The table is read only where every year falls between two rising rows and
// the extrapolation's decade is one of rows a year apart.
TEST(DeltaT, TakesOnlyATableItCanRead) {
    using detail::DeltaTRow;
    std::vector<DeltaTRow> rows;
    for (int year = 2000; year <= 2010; ++year) {
        rows.push_back({static_cast<double>(year), 64.0});
    }
    EXPECT_TRUE(detail::ReadableDeltaTRows(rows, 10));
    EXPECT_FALSE(detail::ReadableDeltaTRows(rows, 11)) << "no decade before the last row";
    rows.insert(rows.begin(), DeltaTRow{1990.0, 57.0});
    EXPECT_TRUE(detail::ReadableDeltaTRows(rows, 10)) << "ten years apart before the last decade";
    rows[5].year = rows[4].year;
    EXPECT_FALSE(detail::ReadableDeltaTRows(rows, 3)) << "a year twice";
    rows[5].year = 2003.5;
    EXPECT_FALSE(detail::ReadableDeltaTRows(rows, 10)) << "half a year apart within the decade";
}

// A library that is not ERFA, or no library, is named with why; one that
// lacks a routine is closed again rather than kept open for nothing.
TEST(PreciseTheory, NamesWhyErfaCannotBeHadAndKeepsNothingOpen) {
    const detail::ErfaLoad missing = detail::LoadErfa("libsatrivox-none.so.1");
    EXPECT_FALSE(missing.routines.has_value());
    EXPECT_NE(missing.problem.find("could not be opened: libsatrivox-none.so.1"), std::string::npos) << missing.problem;
    ASSERT_EQ(dlopen("libz.so.1", RTLD_NOW | RTLD_NOLOAD), nullptr) << "a library the test has not opened";
    const detail::ErfaLoad other = detail::LoadErfa("libz.so.1");
    EXPECT_NE(other.problem.find("ERFA (libz.so.1), which the precise engine needs, lacks a routine: "), std::string::npos)
        << other.problem;
    EXPECT_EQ(dlopen("libz.so.1", RTLD_NOW | RTLD_NOLOAD), nullptr) << "left open";
    EXPECT_TRUE(detail::LoadErfa("liberfa.so.1").routines.has_value());
}

// ---- Apparent positions ------------------------------------------------------------

// The window's short model errs by up to half a radius (Callisto); the two
// agree within that, on the same side, and the angles and radii agree.
TEST(PreciseView, AgreesWithTheWindowsModelWithinThatModelsError) {
    for (int day = 0; day < 36500; day += 367) {
        const UniversalTime when = At(1950y / 1 / 1) + days{day} + hours{day % 24};
        const PreciseView view = ComputePreciseView(when);
        const SatelliteOffsets model = ComputeSatelliteOffsets(when);
        const std::array<double, 4> x{model.X1, model.X2, model.X3, model.X4};
        for (std::size_t moon = 0; moon < 4; ++moon) {
            EXPECT_NEAR(view.moons[moon].westRadii, x[moon], 0.5) << day << " " << moon;
        }
        EXPECT_NEAR(view.distanceAu, model.Delta, 0.01);
        // The Astronomical Almanac's equatorial semi-diameter at 1 au, 98.57".
        EXPECT_NEAR(view.equatorialRadiusArcmin * view.distanceAu * 60.0, 98.57, 0.01);
    }
}

}  // namespace
}  // namespace ephemeris
