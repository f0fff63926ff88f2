// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "ephemeris/ephemeris.hpp"
#include "named_rows.hpp"

namespace ephemeris {
namespace {

using satrivox::testing::operator<<;

constexpr double kRoundingTolerance = 1e-12;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

TEST(Constants, AreComputedFromTheArctangent) {
    EXPECT_EQ(Pi, 4.0 * std::atan(1.0));
    EXPECT_EQ(DegToRad, Pi / 180.0);
}

struct AngleCase {
    const char* hazard;
    double (*routine)(double);
    double x;
    double expected;
};

class AngleRoutines : public ::testing::TestWithParam<AngleCase> {};

TEST_P(AngleRoutines, GiveTheExpectedValue) {
    EXPECT_NEAR(GetParam().routine(GetParam().x), GetParam().expected, kRoundingTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, AngleRoutines,
    ::testing::Values(AngleCase{"truncate_negative_fraction", TruncateToInteger, -2.7, -2.0},
                      AngleCase{"truncate_positive_fraction", TruncateToInteger, 2.7, 2.0},
                      AngleCase{"truncate_negative_below_one", TruncateToInteger, -0.5, 0.0},
                      AngleCase{"truncate_beyond_short_range", TruncateToInteger, 1e10 + 0.5, 1e10},
                      AngleCase{"normalize_zero", NormalizeRadians, 0.0, 0.0},
                      AngleCase{"normalize_exactly_one_turn", NormalizeRadians, 2.0 * Pi, 0.0},
                      AngleCase{"normalize_negative_quarter", NormalizeRadians, -Pi / 2.0, 3.0 * Pi / 2.0},
                      AngleCase{"normalize_odd_turns", NormalizeRadians, 7.0 * Pi, Pi},
                      AngleCase{"arcsine_half", ArcSine, 0.5, Pi / 6.0},
                      AngleCase{"arcsine_minus_half", ArcSine, -0.5, -Pi / 6.0},
                      AngleCase{"arcsine_near_one", ArcSine, 0.999999, std::asin(0.999999)}),
    [](const auto& info) { return info.param.hazard; });

TEST(AngleRoutines, NormalizationStaysInsideOneTurnOverAWideSweep) {
    for (int step = 0; step <= 54054; ++step) {
        const double x = -1e4 + step * 0.37;
        const double y = NormalizeRadians(x);
        ASSERT_GE(y, 0.0) << x;
        ASSERT_LE(y, 2.0 * Pi) << x;
        ASSERT_NEAR(std::remainder(y - x, 2.0 * Pi), 0.0, 1e-9) << x;
    }
}

struct FaultCase {
    const char* hazard;
    double (*routine)(double);
    double x;
    ArithmeticFault::Condition condition;
};

class Faults : public ::testing::TestWithParam<FaultCase> {};

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
    ::testing::Values(
        FaultCase{"arcsine_of_one", ArcSine, 1.0, ArithmeticFault::Condition::DivisionByZero},
        FaultCase{"arcsine_of_minus_one", ArcSine, -1.0, ArithmeticFault::Condition::DivisionByZero},
        FaultCase{"arcsine_beyond_one", ArcSine, 1.5, ArithmeticFault::Condition::InvalidOperation},
        FaultCase{"arcsine_of_nan", ArcSine, kNaN, ArithmeticFault::Condition::InvalidOperation},
        FaultCase{"normalize_infinity", NormalizeRadians, kInfinity, ArithmeticFault::Condition::InvalidOperation},
        FaultCase{"truncate_nan", TruncateToInteger, kNaN, ArithmeticFault::Condition::InvalidOperation}),
    [](const auto& info) { return info.param.hazard; });

TEST(Faults, NameTheRoutineAndTheCondition) {
    try {
        ArcSine(1.0);
        FAIL() << "no fault raised";
    } catch (const ArithmeticFault& fault) {
        EXPECT_STREQ(fault.what(), "Arithmetic fault in ArcSine: division by zero");
    }
}

TEST(Faults, LeaveTheCallersFlagsAndTrapsAsTheyWere) {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_OVERFLOW | FE_INEXACT);
    EXPECT_THROW(ArcSine(2.0), ArithmeticFault);
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
