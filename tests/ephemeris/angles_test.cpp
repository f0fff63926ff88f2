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
const double kTwoPi = 2.0 * Pi;

TEST(Constants, AreComputedFromTheArctangent) {
    EXPECT_EQ(Pi, 4.0 * std::atan(1.0));
    EXPECT_EQ(DegToRad, Pi / 180.0);
}

struct TruncationCase {
    const char* hazard;
    double x;
    double expected;
};

class Truncation : public ::testing::TestWithParam<TruncationCase> {};

TEST_P(Truncation, GoesTowardZero) {
    EXPECT_EQ(TruncateToInteger(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Angles, Truncation,
                         ::testing::Values(TruncationCase{"negative_fraction", -2.7, -2.0},
                                           TruncationCase{"positive_fraction", 2.7, 2.0},
                                           TruncationCase{"zero", 0.0, 0.0},
                                           TruncationCase{"negative_below_one", -0.5, 0.0},
                                           TruncationCase{"already_whole", -7.0, -7.0},
                                           TruncationCase{"beyond_short_range", 1e10 + 0.5, 1e10}),
                         [](const auto& info) { return info.param.hazard; });

struct NormalizationCase {
    const char* hazard;
    double x;
    double expected;
};

class Normalization : public ::testing::TestWithParam<NormalizationCase> {};

TEST_P(Normalization, ReducesIntoOneTurn) {
    EXPECT_NEAR(NormalizeRadians(GetParam().x), GetParam().expected, kRoundingTolerance);
}

INSTANTIATE_TEST_SUITE_P(Angles, Normalization,
                         ::testing::Values(NormalizationCase{"zero", 0.0, 0.0},
                                           NormalizationCase{"exactly_one_turn", 2.0 * Pi, 0.0},
                                           NormalizationCase{"negative_quarter", -Pi / 2.0, 3.0 * Pi / 2.0},
                                           NormalizationCase{"several_turns_odd", 7.0 * Pi, Pi},
                                           NormalizationCase{"many_negative_turns", -100.0 * Pi - 1.0,
                                                             2.0 * Pi - 1.0}),
                         [](const auto& info) { return info.param.hazard; });

TEST(Normalization, StaysInsideOneTurnOverAWideSweep) {
    for (int step = 0; step <= 54054; ++step) {
        const double x = -1e4 + step * 0.37;
        const double y = NormalizeRadians(x);
        ASSERT_GE(y, 0.0) << x;
        ASSERT_LE(y, kTwoPi) << x;
        ASSERT_NEAR(std::remainder(y - x, kTwoPi), 0.0, 1e-9) << x;
    }
}

struct ArcSineCase {
    const char* hazard;
    double x;
    double expected;
};

class ArcSineValues : public ::testing::TestWithParam<ArcSineCase> {};

TEST_P(ArcSineValues, MatchesTheArcsine) {
    EXPECT_NEAR(ArcSine(GetParam().x), GetParam().expected, kRoundingTolerance);
}

INSTANTIATE_TEST_SUITE_P(Angles, ArcSineValues,
                         ::testing::Values(ArcSineCase{"half", 0.5, Pi / 6.0}, ArcSineCase{"minus_half", -0.5, -Pi / 6.0},
                                           ArcSineCase{"zero", 0.0, 0.0},
                                           ArcSineCase{"near_one", 0.999999, std::asin(0.999999)}),
                         [](const auto& info) { return info.param.hazard; });

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

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Angles, Faults,
    ::testing::Values(
        FaultCase{"arcsine_of_one", ArcSine, 1.0, ArithmeticFault::Condition::DivisionByZero},
        FaultCase{"arcsine_of_minus_one", ArcSine, -1.0, ArithmeticFault::Condition::DivisionByZero},
        FaultCase{"arcsine_beyond_one", ArcSine, 1.5, ArithmeticFault::Condition::InvalidOperation},
        FaultCase{"arcsine_of_nan", ArcSine, kNaN, ArithmeticFault::Condition::InvalidOperation},
        FaultCase{"normalize_infinity", NormalizeRadians, kInfinity, ArithmeticFault::Condition::InvalidOperation},
        FaultCase{"normalize_nan", NormalizeRadians, kNaN, ArithmeticFault::Condition::InvalidOperation},
        FaultCase{"truncate_nan", TruncateToInteger, kNaN, ArithmeticFault::Condition::InvalidOperation}),
    [](const auto& info) { return info.param.hazard; });

TEST(Faults, MessageNamesTheRoutineAndTheCondition) {
    try {
        ArcSine(1.0);
        FAIL() << "no fault raised";
    } catch (const ArithmeticFault& fault) {
        EXPECT_STREQ(fault.what(), "Arithmetic fault in ArcSine: division by zero");
    }
}

TEST(Faults, CallersFlagsSurviveAGuardedCall) {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_OVERFLOW | FE_INEXACT);
    EXPECT_NEAR(ArcSine(0.5), Pi / 6.0, kRoundingTolerance);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_OVERFLOW | FE_INEXACT);
    EXPECT_THROW(ArcSine(2.0), ArithmeticFault);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_OVERFLOW | FE_INEXACT);
    std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(Faults, EnabledTrapsDoNotEndTheProcessAndStayEnabled) {
    std::feclearexcept(FE_ALL_EXCEPT);
    ASSERT_NE(feenableexcept(FE_DIVBYZERO | FE_INVALID), -1);
    EXPECT_THROW(ArcSine(1.0), ArithmeticFault);
    EXPECT_THROW(NormalizeRadians(kInfinity), ArithmeticFault);
    EXPECT_EQ(fegetexcept(), FE_DIVBYZERO | FE_INVALID);
    fedisableexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace ephemeris
