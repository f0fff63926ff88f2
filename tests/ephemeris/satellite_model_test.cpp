// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

#include "ephemeris/ephemeris.hpp"
#include "named_rows.hpp"
#include "instants.hpp"
#include "scoped_time_zone.hpp"

namespace ephemeris {
namespace {

using satrivox::testing::operator<<;

using satrivox::testing::Local;
using satrivox::testing::ScopedTimeZone;

// Reference values from an independent implementation of the same model.
constexpr double kReferenceTolerance = 1e-12;

struct Checkpoint {
    const char* hazard;
    const char* zone;
    Instant local;
    SatelliteOffsets expected;
};

class Checkpoints : public ::testing::TestWithParam<Checkpoint> {};

TEST_P(Checkpoints, AgreeWithTheReferenceImplementation) {
    const ScopedTimeZone zone(GetParam().zone);
    const SatelliteOffsets got = ComputeSatelliteOffsets(GetParam().local);
    const SatelliteOffsets& want = GetParam().expected;
    EXPECT_NEAR(got.X1, want.X1, kReferenceTolerance);
    EXPECT_NEAR(got.X2, want.X2, kReferenceTolerance);
    EXPECT_NEAR(got.X3, want.X3, kReferenceTolerance);
    EXPECT_NEAR(got.X4, want.X4, kReferenceTolerance);
    EXPECT_NEAR(got.Delta, want.Delta, kReferenceTolerance);
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
    [](const auto& info) { return info.param.hazard; });

bool SameOffsets(const SatelliteOffsets& a, const SatelliteOffsets& b) {
    return a.X1 == b.X1 && a.X2 == b.X2 && a.X3 == b.X3 && a.X4 == b.X4 && a.Delta == b.Delta;
}

TEST(SatelliteModel, SecondsNeverChangeTheResultAndWholeMinutesKeepTheirMinute) {
    const ScopedTimeZone zone("America/New_York");
    for (const int minute : {0, 15, 59}) {
        const SatelliteOffsets whole = ComputeSatelliteOffsets(Local(2024, 11, 3, 10, minute));
        EXPECT_TRUE(SameOffsets(whole, ComputeSatelliteOffsets(Local(2024, 11, 3, 10, minute, 59))));
        EXPECT_TRUE(SameOffsets(whole, ComputeSatelliteOffsets(Local(2024, 11, 3, 10, minute, 30, 499))));
        EXPECT_FALSE(SameOffsets(whole, ComputeSatelliteOffsets(Local(2024, 11, 3, 10, minute) - std::chrono::minutes(1))));
    }
    // The instant is taken to the nearest second before its seconds are dropped.
    EXPECT_TRUE(SameOffsets(ComputeSatelliteOffsets(Local(2024, 11, 3, 10, 15, 59, 500)),
                            ComputeSatelliteOffsets(Local(2024, 11, 3, 10, 16))));
}

TEST(SatelliteModel, LeavesTheCallersFloatingPointStateAlone) {
    const ScopedTimeZone zone("UTC");
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO);
    ASSERT_NE(feenableexcept(FE_OVERFLOW), -1);
    ComputeSatelliteOffsets(Local(2000, 1, 1, 12, 0));
    EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), FE_DIVBYZERO);
    EXPECT_EQ(fegetexcept(), FE_OVERFLOW);
    fedisableexcept(FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace ephemeris
