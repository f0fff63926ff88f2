// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <ctime>
#include <limits>

#include "model/angles.hpp"
#include "model/arithmetic_fault.hpp"
#include "model/satellite_model.hpp"
#include "model/time_base.hpp"
#include "support.hpp"

namespace ephemeris {
namespace {

using namespace std::chrono;
using namespace satrivox::testing;
using Condition = ArithmeticFault::Condition;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kFaults = kNaN;

// ---- Angles -------------------------------------------------------------------

TEST(Constants, AreTheArctangentsBits) {
    EXPECT_EQ(Pi, 4.0 * std::atan(1.0));
    EXPECT_EQ(DegToRad, Pi / 180.0);
}

struct AngleRow {
    const char* hazard;
    double (*routine)(double);
    double x;
    double expected;  // kFaults: a fault of the condition below
    Condition condition = Condition::InvalidOperation;
};

class AngleRoutines : public ::testing::TestWithParam<AngleRow> {};

// A value to rounding, or a typed fault; either way the caller's flags stay as they were.
TEST_P(AngleRoutines, GiveTheirValueOrATypedFault) {
    const AngleRow& row = GetParam();
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_INEXACT);
    try {
        EXPECT_NEAR(row.routine(row.x), row.expected, 1e-12);
        EXPECT_FALSE(std::isnan(row.expected)) << "no fault raised";
    } catch (const ArithmeticFault& fault) {
        EXPECT_TRUE(std::isnan(row.expected) && fault.condition() == row.condition) << fault.what();
    }
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_INEXACT);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, AngleRoutines,
    ::testing::Values(AngleRow{"truncate_negative_fraction", TruncateToInteger, -2.7, -2.0},
                      AngleRow{"truncate_negative_below_one", TruncateToInteger, -0.5, 0.0},
                      AngleRow{"truncate_beyond_short_range", TruncateToInteger, 1e10 + 0.5, 1e10},
                      AngleRow{"truncate_nan", TruncateToInteger, kNaN, kFaults},
                      AngleRow{"normalize_exactly_one_turn", NormalizeRadians, 2.0 * Pi, 0.0},
                      AngleRow{"normalize_negative_quarter", NormalizeRadians, -Pi / 2.0, 3.0 * Pi / 2.0},
                      AngleRow{"normalize_infinity", NormalizeRadians, std::numeric_limits<double>::infinity(), kFaults},
                      AngleRow{"arcsine_minus_half", ArcSine, -0.5, -Pi / 6.0},
                      AngleRow{"arcsine_of_one", ArcSine, 1.0, kFaults, Condition::DivisionByZero},
                      AngleRow{"arcsine_beyond_one", ArcSine, 1.5, kFaults}, AngleRow{"arcsine_of_nan", ArcSine, kNaN, kFaults}),
    kHazardName);

TEST(Faults, NameTheRoutineAndLeaveTheCallersFlagsAndTrapsAsTheyWere) {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_OVERFLOW);
    try {
        ArcSine(1.0);
    } catch (const ArithmeticFault& fault) {
        EXPECT_STREQ(fault.what(), "Arithmetic fault in ArcSine: division by zero");
    }
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_OVERFLOW);
    std::feclearexcept(FE_ALL_EXCEPT);
    ASSERT_NE(feenableexcept(FE_DIVBYZERO | FE_INVALID), -1);
    EXPECT_THROW(ArcSine(1.0), ArithmeticFault) << "an enabled trap must not end the process";
    EXPECT_NEAR(ArcSine(0.5), Pi / 6.0, 1e-12);
    EXPECT_EQ(fegetexcept(), FE_DIVBYZERO | FE_INVALID);
    fedisableexcept(FE_ALL_EXCEPT);
}

// ---- Time base ----------------------------------------------------------------

TEST(TimeBase, ReportsInstantsBeyondItsRangeAsOverflow) {
    const seconds beyond(2'000'000'000'000'000);
    EXPECT_THROW(LocalToUT(Instant{beyond}), ArithmeticFault);
    EXPECT_THROW(LocalToUT(Instant::min()), ArithmeticFault);
    EXPECT_THROW(UTToLocal(UniversalTime{-beyond}), ArithmeticFault);
    EXPECT_NO_THROW((LocalToUT(Instant{beyond / 2}), LocalToUT(Instant{-beyond / 2})));
}

// The zone is read at every call: TZ (a zone or a POSIX rule), else the system's
// zone file. zone_walk_test walks every switch of every zone of the database.
TEST(LocalToUniversal, FollowsAChangeOfZoneWhileRunning) {
    for (const char* tz : {"UTC", "Asia/Tokyo", static_cast<const char*>(nullptr), "EST5EDT,M3.2.0,M11.1.0", "IST-5:30",
                           "NPT-5:45", static_cast<const char*>(nullptr)}) {
        const ScopedTimeZone zone(tz);
        const Instant ut = LocalToUT(Local(2024, 1, 15, 12, 0));  // before mktime, which reads TZ again itself
        std::tm noon{.tm_sec = 0, .tm_min = 0, .tm_hour = 12, .tm_mday = 15, .tm_mon = 0, .tm_year = 124, .tm_wday = 0,
                     .tm_yday = 0, .tm_isdst = -1, .tm_gmtoff = 0, .tm_zone = nullptr};
        EXPECT_EQ(ut, Instant{seconds(std::mktime(&noon))}) << (tz ? tz : "TZ unset");
    }
}

// The integer day-number formula the model was stated with, without a century rule.
double FormulaDaysSinceJ2000(double Y, double M, double D, double H) {
    const auto divide = [](double a, double b) { return std::trunc(std::nearbyint(a) / std::nearbyint(b)); };
    return ((((367 * Y - divide(7 * (Y + divide(M + 9, 12)), 4)) + divide(275 * M, 9)) + D) - 730531.5) + H / 24;
}

// Every day from the one before the picker's range to the one after it, walked
// with the Gregorian leap rule from the epoch's count: each counts one more than
// the day before, and from 1900-03-01 to 2100-02-28 it is the formula's, bit for bit.
TEST(DayCount, CountsEveryDayOfThePickersRangeAndADayEitherSide) {
    const int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::int64_t fromEpoch = -145732;  // 1600-12-31 00:00 is 145732.5 days before 2000-01-01 12:00
    int year = 1600, month = 12, day = 31, days = 0, formulaDays = 0;
    for (; year < 10000 || day == 1; ++fromEpoch, ++days) {
        const double H = (days % 1440) / 60.0;
        const double count = DaysSinceJ2000(year, month, day, H);
        ASSERT_EQ(count, (static_cast<double>(fromEpoch) - 0.5) + H / 24) << year << "-" << month << "-" << day;
        if (const int date = year * 10000 + month * 100 + day; date >= 19000301 && date <= 21000228) {
            ASSERT_EQ(count, FormulaDaysSinceJ2000(year, month, day, H)) << year << "-" << month << "-" << day;
            ++formulaDays;
        }
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        if (++day > monthDays[month - 1] + (month == 2 && leap ? 1 : 0)) {
            day = 1;
            year += month == 12 ? 1 : 0;
            month = month % 12 + 1;
        }
    }
    EXPECT_EQ(days, 3067673);
    EXPECT_EQ(formulaDays, 73049);
}

TEST(DayCount, CountsOnPastAMonthsEndAndRejectsWhatIsNoCalendarDate) {
    EXPECT_EQ(DaysSinceJ2000(2000, 1, 32, 0), 30.5);
    for (const auto& [Y, M, D, H] : {std::array{kNaN, 1.0, 1.0, 0.0}, {2000.0, 2.5, 1.0, 0.0}, {2000.0, 13.0, 1.0, 0.0},
                                     {2000.0, 0.0, 1.0, 0.0}, {32768.0, 1.0, 1.0, 0.0}, {2000.0, 1.0, 1.0, kNaN}}) {
        EXPECT_THROW(DaysSinceJ2000(Y, M, D, H), ArithmeticFault) << Y << "-" << M << "-" << D << " " << H;
    }
}

// ---- Satellite model ----------------------------------------------------------

struct Checkpoint {
    const char* hazard;
    const char* zone;
    Instant local;
    SatelliteOffsets expected;  // Delta 0: not checked
};

class Checkpoints : public ::testing::TestWithParam<Checkpoint> {};

// Reference values, to 1e-12, from an independent implementation of the same
// model; an instant in every month, so that the split of UT into calendar
// fields puts each month, and a leap day, in its own year.
TEST_P(Checkpoints, AgreeWithTheReferenceImplementation) {
    const ScopedTimeZone zone(GetParam().zone);
    const SatelliteOffsets got = ComputeSatelliteOffsets(GetParam().local);
    const SatelliteOffsets& want = GetParam().expected;
    for (const auto& [g, w] : {std::pair{got.X1, want.X1}, {got.X2, want.X2}, {got.X3, want.X3}, {got.X4, want.X4},
                               {want.Delta == 0.0 ? 0.0 : got.Delta, want.Delta}}) {
        EXPECT_NEAR(g, w, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    SatelliteModel, Checkpoints,
    ::testing::Values(
        Checkpoint{"epoch", "UTC", Local(2000, 1, 1, 12, 0), {1.28595522256958, 0.76565015258848, 3.46523029294723, -21.1206112610807, 4.62109371113541}},
        Checkpoint{"standard_time", "America/New_York", Local(2003, 11, 22, 13, 30), {2.17179151360789, -7.70256128418204, 14.3356958204621, 12.9821620924305, 5.58652830773812}},
        Checkpoint{"daylight_time", "America/New_York", Local(2003, 7, 22, 13, 30), {-1.65023649404566, 9.33948476215199, 12.9670731344065, 16.9481256573903, 6.28723479975213}},
        Checkpoint{"local_mean_time_seconds_dropped", "America/New_York", Local(1700, 7, 22, 13, 30), {-5.82889674434653, 6.37651880192888, -3.76740762625722, 2.10094298376313, 4.09887986651602}},
        Checkpoint{"half_hour_daylight", "Australia/Lord_Howe", Local(2024, 1, 15, 21, 45), {5.82267527671724, 6.18529234686987, 13.9860366854573, -25.614664129575, 4.70158344185431}},
        Checkpoint{"ut_past_year_9999", "America/New_York", Local(9999, 12, 31, 23, 59), {-1.26013500947928, 3.17898748623735, 6.06824006180446, -25.20689841714, 6.40846149137259}},
        Checkpoint{"february_leap_day", "UTC", Local(2024, 2, 29, 6, 15), {-3.14963457714135, -0.57981644988871, 5.48681717268137, 17.7837140929807}},
        Checkpoint{"march_first", "UTC", Local(1999, 3, 1, 0, 0), {5.82267608594534, -9.2850787918488, 14.9613208010198, 21.9484511696307}},
        Checkpoint{"april", "UTC", Local(2031, 4, 15, 12, 30), {-4.07719229506854, 7.45497134577988, -2.74113737020517, -23.3979245697672}},
        Checkpoint{"may", "UTC", Local(1987, 5, 20, 3, 45), {2.23304092796201, 3.22258723608417, -14.2061853649608, 3.93863306088621}},
        Checkpoint{"june", "UTC", Local(2050, 6, 30, 18, 0), {5.20732178249004, 9.26437583164931, -7.91963125053215, 3.49135402038041}},
        Checkpoint{"august", "UTC", Local(2075, 8, 8, 21, 21), {1.53476177827047, 2.74979957367575, 14.263449015021, -22.1594300237705}},
        Checkpoint{"september", "UTC", Local(2001, 9, 11, 13, 46), {5.32866188777477, 6.8690920907896, 11.9558006004349, -5.04711991227696}},
        Checkpoint{"october", "UTC", Local(1969, 10, 31, 0, 1), {5.88681981728644, 1.7876900814287, 12.6865664092551, -18.6062920701676}},
        Checkpoint{"december", "UTC", Local(1950, 12, 31, 23, 58), {3.18980555867608, 9.28956522770664, -10.3644793980851, 18.5487611521481}}),
    kHazardName);

TEST(SatelliteModel, SecondsNeverChangeTheResultAndWholeMinutesKeepTheirMinute) {
    const ScopedTimeZone zone("America/New_York");
    const auto same = [](const Instant& a, const Instant& b) {
        const SatelliteOffsets x = ComputeSatelliteOffsets(a), y = ComputeSatelliteOffsets(b);
        return x.X1 == y.X1 && x.X2 == y.X2 && x.X3 == y.X3 && x.X4 == y.X4 && x.Delta == y.Delta;
    };
    for (const int minute : {0, 15, 59}) {
        const Instant whole = Local(2024, 11, 3, 10, minute);
        EXPECT_TRUE(same(whole, whole + 59s) && same(whole, whole + 30499ms) && !same(whole, whole - 1min)) << minute;
    }
    EXPECT_TRUE(same(Local(2024, 11, 3, 10, 15, 59, 500), Local(2024, 11, 3, 10, 16))) << "to the nearest second first";
    EXPECT_TRUE(same(Local(2024, 11, 3, 10, 15, 59, 499), Local(2024, 11, 3, 10, 15))) << "a half second less stays";
}

TEST(SatelliteModel, ReportsInstantsBeyondTheYearsItCountsAsOverflow) {
    const UniversalTime last = sys_days{year::max() / December / 31} + 23h + 59min;
    EXPECT_NO_THROW(ComputeSatelliteOffsets(last));
    EXPECT_THROW(ComputeSatelliteOffsets(last + 60s), ArithmeticFault);
    EXPECT_NO_THROW(ComputeSatelliteOffsets(UniversalTime{sys_days{year::min() / January / 1}}));
    EXPECT_THROW(ComputeSatelliteOffsets(UniversalTime{sys_days{year::min() / January / 1}} - 1ms), ArithmeticFault);
}

}  // namespace
}  // namespace ephemeris
