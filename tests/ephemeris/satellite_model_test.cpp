// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>

#include "ephemeris/ephemeris.hpp"
#include "support.hpp"

namespace ephemeris {
namespace {

using namespace std::chrono;
using satrivox::testing::Local;
using satrivox::testing::ScopedTimeZone;
using satrivox::testing::operator<<;

// Reference values from an independent implementation of the same model.
constexpr double kReferenceTolerance = 1e-12;

void ExpectOffsets(const SatelliteOffsets& got, const SatelliteOffsets& want) {
    EXPECT_NEAR(got.X1, want.X1, kReferenceTolerance);
    EXPECT_NEAR(got.X2, want.X2, kReferenceTolerance);
    EXPECT_NEAR(got.X3, want.X3, kReferenceTolerance);
    EXPECT_NEAR(got.X4, want.X4, kReferenceTolerance);
    if (want.Delta != 0.0) {
        EXPECT_NEAR(got.Delta, want.Delta, kReferenceTolerance);
    }
}

struct Checkpoint {
    const char* hazard;
    const char* zone;
    Instant local;
    SatelliteOffsets expected;
};

class Checkpoints : public ::testing::TestWithParam<Checkpoint> {};

TEST_P(Checkpoints, AgreeWithTheReferenceImplementation) {
    const ScopedTimeZone zone(GetParam().zone);
    ExpectOffsets(ComputeSatelliteOffsets(GetParam().local), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    SatelliteModel, Checkpoints,
    ::testing::Values(
        Checkpoint{"epoch", "UTC", Local(2000, 1, 1, 12, 0),
                   {1.28595522256958, 0.76565015258848, 3.46523029294723, -21.1206112610807, 4.62109371113541}},
        Checkpoint{"standard_time", "America/New_York", Local(2003, 11, 22, 13, 30),
                   {2.17179151360789, -7.70256128418204, 14.3356958204621, 12.9821620924305, 5.58652830773812}},
        Checkpoint{"daylight_time", "America/New_York", Local(2003, 7, 22, 13, 30),
                   {-1.65023649404566, 9.33948476215199, 12.9670731344065, 16.9481256573903, 6.28723479975213}},
        Checkpoint{"local_mean_time_seconds_dropped", "America/New_York", Local(1700, 7, 22, 13, 30),
                   {-5.82889674434653, 6.37651880192888, -3.76740762625722, 2.10094298376313, 4.09887986651602}},
        Checkpoint{"half_hour_daylight", "Australia/Lord_Howe", Local(2024, 1, 15, 21, 45),
                   {5.82267527671724, 6.18529234686987, 13.9860366854573, -25.614664129575, 4.70158344185431}},
        Checkpoint{"ut_past_year_9999", "America/New_York", Local(9999, 12, 31, 23, 59),
                   {-1.26013500947928, 3.17898748623735, 6.06824006180446, -25.20689841714, 6.40846149137259}}),
    satrivox::testing::kHazardName);

// One universal-time instant in every month: the split into calendar fields
// puts each month, and a leap day, in its own year.
TEST(SatelliteModel, AgreesWithTheReferenceInEveryMonth) {
    struct Row {
        int year;
        unsigned month, day;
        int hour, minute;
        SatelliteOffsets expected;
    };
    const Row rows[] = {
        {2024, 1, 31, 23, 59, {-4.23123329151481, 2.51376107848298, -0.138514510957455, -25.0490078625385}},
        {2024, 2, 29, 6, 15, {-3.14963457714135, -0.57981644988871, 5.48681717268137, 17.7837140929807}},
        {1999, 3, 1, 0, 0, {5.82267608594534, -9.2850787918488, 14.9613208010198, 21.9484511696307}},
        {2031, 4, 15, 12, 30, {-4.07719229506854, 7.45497134577988, -2.74113737020517, -23.3979245697672}},
        {1987, 5, 20, 3, 45, {2.23304092796201, 3.22258723608417, -14.2061853649608, 3.93863306088621}},
        {2050, 6, 30, 18, 0, {5.20732178249004, 9.26437583164931, -7.91963125053215, 3.49135402038041}},
        {1910, 7, 4, 9, 9, {4.72981038749017, -8.92641426858427, -14.8967550430511, -6.19417321196959}},
        {2075, 8, 8, 21, 21, {1.53476177827047, 2.74979957367575, 14.263449015021, -22.1594300237705}},
        {2001, 9, 11, 13, 46, {5.32866188777477, 6.8690920907896, 11.9558006004349, -5.04711991227696}},
        {1969, 10, 31, 0, 1, {5.88681981728644, 1.7876900814287, 12.6865664092551, -18.6062920701676}},
        {2099, 11, 11, 11, 11, {-5.63321689593083, 0.762231462651225, -7.25974313485278, -24.764261392878}},
        {1950, 12, 31, 23, 58, {3.18980555867608, 9.28956522770664, -10.3644793980851, 18.5487611521481}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.year << "-" << row.month << "-" << row.day);
        const UniversalTime ut = sys_days{year{row.year} / row.month / row.day} + hours{row.hour} + minutes{row.minute};
        ExpectOffsets(ComputeSatelliteOffsets(ut), row.expected);
    }
}

bool SameOffsets(const SatelliteOffsets& a, const SatelliteOffsets& b) {
    return a.X1 == b.X1 && a.X2 == b.X2 && a.X3 == b.X3 && a.X4 == b.X4 && a.Delta == b.Delta;
}

TEST(SatelliteModel, SecondsNeverChangeTheResultAndWholeMinutesKeepTheirMinute) {
    const ScopedTimeZone zone("America/New_York");
    for (const int minute : {0, 15, 59}) {
        const SatelliteOffsets whole = ComputeSatelliteOffsets(Local(2024, 11, 3, 10, minute));
        EXPECT_TRUE(SameOffsets(whole, ComputeSatelliteOffsets(Local(2024, 11, 3, 10, minute, 59))));
        EXPECT_TRUE(SameOffsets(whole, ComputeSatelliteOffsets(Local(2024, 11, 3, 10, minute, 30, 499))));
        EXPECT_FALSE(SameOffsets(whole, ComputeSatelliteOffsets(Local(2024, 11, 3, 10, minute) - minutes(1))));
    }
    // The instant is taken to the nearest second before its seconds are dropped.
    EXPECT_TRUE(SameOffsets(ComputeSatelliteOffsets(Local(2024, 11, 3, 10, 15, 59, 500)),
                            ComputeSatelliteOffsets(Local(2024, 11, 3, 10, 16))));
}

TEST(SatelliteModel, ReportsInstantsBeyondTheYearsItCountsAsOverflow) {
    const UniversalTime last = sys_days{year::max() / December / 31} + hours{23} + minutes{59};
    EXPECT_NO_THROW(ComputeSatelliteOffsets(last));
    EXPECT_THROW(ComputeSatelliteOffsets(last + seconds{60}), ArithmeticFault);
    EXPECT_THROW(ComputeSatelliteOffsets(UniversalTime{sys_days{year::min() / January / 1}} - milliseconds{1}),
                 ArithmeticFault);
}

TEST(SatelliteModel, LeavesTheCallersFloatingPointStateAlone) {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO);
    ASSERT_NE(feenableexcept(FE_OVERFLOW), -1);
    ComputeSatelliteOffsets(UniversalTime{sys_days{2000y / January / 1}});
    EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), FE_DIVBYZERO);
    EXPECT_EQ(fegetexcept(), FE_OVERFLOW);
    fedisableexcept(FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace ephemeris
