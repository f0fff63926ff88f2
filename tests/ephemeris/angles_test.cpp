// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "ephemeris/ephemeris.hpp"
#include "support.hpp"

namespace ephemeris {
namespace {

using satrivox::testing::operator<<;
using Condition = ArithmeticFault::Condition;

constexpr double kRoundingTolerance = 1e-12;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Constants, AreTheArctangentsBits) {
    EXPECT_EQ(Pi, 4.0 * std::atan(1.0));
    EXPECT_EQ(DegToRad, Pi / 180.0);
}

struct AngleRow {
    const char* hazard;
    double (*routine)(double);
    double x;
    double expected;
};

class AngleRoutines : public ::testing::TestWithParam<AngleRow> {};

TEST_P(AngleRoutines, GiveTheExpectedValue) {
    EXPECT_NEAR(GetParam().routine(GetParam().x), GetParam().expected, kRoundingTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, AngleRoutines,
    ::testing::Values(AngleRow{"truncate_negative_fraction", TruncateToInteger, -2.7, -2.0},
                      AngleRow{"truncate_positive_fraction", TruncateToInteger, 2.7, 2.0},
                      AngleRow{"truncate_negative_below_one", TruncateToInteger, -0.5, 0.0},
                      AngleRow{"truncate_beyond_short_range", TruncateToInteger, 1e10 + 0.5, 1e10},
                      AngleRow{"normalize_exactly_one_turn", NormalizeRadians, 2.0 * Pi, 0.0},
                      AngleRow{"normalize_negative_quarter", NormalizeRadians, -Pi / 2.0, 3.0 * Pi / 2.0},
                      AngleRow{"normalize_odd_turns", NormalizeRadians, 7.0 * Pi, Pi},
                      AngleRow{"arcsine_half", ArcSine, 0.5, Pi / 6.0}, AngleRow{"arcsine_minus_half", ArcSine, -0.5, -Pi / 6.0},
                      AngleRow{"arcsine_near_one", ArcSine, 0.999999, std::asin(0.999999)}),
    satrivox::testing::kHazardName);

TEST(AngleRoutines, NormalizationStaysInsideOneTurnOverAWideSweep) {
    for (int step = 0; step <= 54054; ++step) {
        const double x = -1e4 + step * 0.37;
        const double y = NormalizeRadians(x);
        ASSERT_TRUE(y >= 0.0 && y <= 2.0 * Pi) << x;
        ASSERT_NEAR(std::remainder(y - x, 2.0 * Pi), 0.0, 1e-9) << x;
    }
}

struct FaultRow {
    const char* hazard;
    double (*routine)(double);
    double x;
    Condition condition;
};

class Faults : public ::testing::TestWithParam<FaultRow> {};

TEST_P(Faults, AreTypedExceptionsThatLeaveTheFlagsAlone) {
    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        GetParam().routine(GetParam().x);
        FAIL() << "no fault raised";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.condition(), GetParam().condition) << fault.what();
    }
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, Faults,
    ::testing::Values(FaultRow{"arcsine_of_one", ArcSine, 1.0, Condition::DivisionByZero},
                      FaultRow{"arcsine_of_minus_one", ArcSine, -1.0, Condition::DivisionByZero},
                      FaultRow{"arcsine_beyond_one", ArcSine, 1.5, Condition::InvalidOperation},
                      FaultRow{"arcsine_of_nan", ArcSine, kNaN, Condition::InvalidOperation},
                      FaultRow{"normalize_infinity", NormalizeRadians, std::numeric_limits<double>::infinity(),
                               Condition::InvalidOperation},
                      FaultRow{"truncate_nan", TruncateToInteger, kNaN, Condition::InvalidOperation}),
    satrivox::testing::kHazardName);

TEST(Faults, NameTheRoutineAndLeaveTheCallersFlagsAndTrapsAsTheyWere) {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_OVERFLOW | FE_INEXACT);
    try {
        ArcSine(1.0);
        FAIL() << "no fault raised";
    } catch (const ArithmeticFault& fault) {
        EXPECT_STREQ(fault.what(), "Arithmetic fault in ArcSine: division by zero");
    }
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_OVERFLOW | FE_INEXACT);
    std::feclearexcept(FE_ALL_EXCEPT);

    ASSERT_NE(feenableexcept(FE_DIVBYZERO | FE_INVALID), -1);
    EXPECT_THROW(ArcSine(1.0), ArithmeticFault) << "an enabled trap must not end the process";
    EXPECT_NEAR(ArcSine(0.5), Pi / 6.0, kRoundingTolerance);
    EXPECT_EQ(fegetexcept(), FE_DIVBYZERO | FE_INVALID);
    fedisableexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace ephemeris
