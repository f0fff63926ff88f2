// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ctime>

#include "ephemeris/ephemeris.hpp"
#include "support.hpp"

namespace ephemeris {
namespace {

using namespace std::chrono;
using satrivox::testing::Local;
using satrivox::testing::ScopedTimeZone;
using satrivox::testing::operator<<;

struct ZoneRow {
    const char* hazard;
    const char* zone;
    Instant local;
    Instant expectedUT;
};

class LocalToUniversal : public ::testing::TestWithParam<ZoneRow> {};

// Each row pins a documented rule; every switch of every zone is walked in zone_walk_test.
TEST_P(LocalToUniversal, UsesTheOffsetInForceAtTheInstant) {
    const ScopedTimeZone zone(GetParam().zone);
    EXPECT_EQ(LocalToUT(GetParam().local), GetParam().expectedUT);
}

INSTANTIATE_TEST_SUITE_P(
    TimeBase, LocalToUniversal,
    ::testing::Values(
        ZoneRow{"standard_time", "America/New_York", Local(2003, 11, 22, 13, 30), Local(2003, 11, 22, 18, 30)},
        ZoneRow{"daylight_time", "America/New_York", Local(2003, 7, 22, 13, 30), Local(2003, 7, 22, 17, 30)},
        ZoneRow{"local_mean_time_before_1883", "America/New_York", Local(1700, 7, 22, 13, 30),
                Local(1700, 7, 22, 18, 26, 2)},
        ZoneRow{"half_hour_daylight", "Australia/Lord_Howe", Local(2024, 1, 15, 21, 45), Local(2024, 1, 15, 10, 45)},
        ZoneRow{"quarter_hour_zone", "Asia/Kathmandu", Local(2024, 6, 1, 12, 0), Local(2024, 6, 1, 6, 15)},
        ZoneRow{"posix_rule_string", "EST5EDT,M3.2.0,M11.1.0", Local(2024, 7, 4, 12, 0), Local(2024, 7, 4, 16, 0)},
        ZoneRow{"crosses_new_year", "America/New_York", Local(2003, 12, 31, 23, 30), Local(2004, 1, 1, 4, 30)},
        ZoneRow{"crosses_back_a_day", "Asia/Tokyo", Local(2024, 3, 1, 2, 0), Local(2024, 2, 29, 17, 0)},
        ZoneRow{"past_the_picker_range", "America/New_York", Local(9999, 12, 31, 23, 59), Local(10000, 1, 1, 4, 59)},
        ZoneRow{"skipped_reads_the_offset_before", "America/New_York", Local(2024, 3, 10, 2, 30),
                Local(2024, 3, 10, 7, 30)},
        ZoneRow{"doubled_is_the_first_pass", "America/New_York", Local(2024, 11, 3, 1, 30), Local(2024, 11, 3, 5, 30)},
        ZoneRow{"half_hour_gap", "Australia/Lord_Howe", Local(2024, 10, 6, 2, 15), Local(2024, 10, 5, 15, 45)}),
    satrivox::testing::kHazardName);

TEST(UniversalToLocal, ReachesBothPassesOfADoubledHour) {
    const ScopedTimeZone zone("America/New_York");
    const UniversalTime firstPass = sys_days{2026y / November / 1} + 5h + 45min;
    EXPECT_EQ(UTToLocal(firstPass), Local(2026, 11, 1, 1, 45));
    EXPECT_EQ(UTToLocal(firstPass + 1h), Local(2026, 11, 1, 1, 45));
    EXPECT_EQ(UTToLocal(firstPass + 1h + 1234ms), Local(2026, 11, 1, 1, 45, 1, 234));
}

TEST(LocalToUniversal, ReportsInstantsBeyondItsRangeAsOverflow) {
    const ScopedTimeZone zone("America/New_York");
    const seconds beyond(2'000'000'000'000'000);
    EXPECT_THROW(LocalToUT(Instant{beyond}), ArithmeticFault);
    EXPECT_THROW(LocalToUT(Instant::min()), ArithmeticFault);
    EXPECT_THROW(UTToLocal(UniversalTime{-beyond}), ArithmeticFault);
    EXPECT_NO_THROW(LocalToUT(Instant{seconds(900'000'000'000'000)}));
}

// The zone is read at every call: TZ, else the system's zone file.
TEST(LocalToUniversal, FollowsAChangeOfZoneWhileRunning) {
    const Instant noon = Local(2024, 1, 15, 12, 0);
    for (const char* tz : {"UTC", "Asia/Tokyo", static_cast<const char*>(nullptr), "Asia/Tokyo", "UTC"}) {
        const ScopedTimeZone zone(tz);
        std::tm fields{};
        fields.tm_hour = 12;
        fields.tm_mday = 15;
        fields.tm_year = 124;
        fields.tm_isdst = -1;
        EXPECT_EQ(LocalToUT(noon), Instant{seconds(std::mktime(&fields))}) << (tz != nullptr ? tz : "TZ unset");
    }
}

// The integer day-number formula the model was stated with; it knows no
// Gregorian century rule.
double FormulaDaysSinceJ2000(double Y, double M, double D, double H) {
    const auto divide = [](double a, double b) { return std::trunc(std::nearbyint(a) / std::nearbyint(b)); };
    const double term1 = 367 * Y;
    const double term2 = divide(7 * (Y + divide(M + 9, 12)), 4);
    const double term3 = divide(275 * M, 9);
    return ((((term1 - term2) + term3) + D) - 730531.5) + H / 24;
}

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Every day from the one before the picker's range to the one after it, walked
// with the Gregorian leap rule: each counts one more than the day before, and
// from 1900-03-01 to 2100-02-28 the count is the formula's, bit for bit.
TEST(DayCount, CountsEveryDayOfThePickersRangeAndADayEitherSide) {
    constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::int64_t dayNumber = 584799;  // 1600-12-31 in the count where 2000-01-01 is 730531
    int year = 1600, month = 12, day = 31, days = 0, formulaDays = 0;
    while (year < 10000 || day <= 1) {
        const double H = (days % 1440) / 60.0;
        const double count = DaysSinceJ2000(year, month, day, H);
        ASSERT_EQ(count, (static_cast<double>(dayNumber) - 730531.5) + H / 24) << year << "-" << month << "-" << day;
        const int yyyymmdd = year * 10000 + month * 100 + day;
        if (yyyymmdd >= 19000301 && yyyymmdd <= 21000228) {
            ASSERT_EQ(count, FormulaDaysSinceJ2000(year, month, day, H)) << year << "-" << month << "-" << day;
            ++formulaDays;
        }
        ++dayNumber;
        ++days;
        if (++day > kMonthDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    EXPECT_EQ(days, 3067673);
    EXPECT_EQ(formulaDays, 73049);
}

TEST(DayCount, CountsFromTheEpochAndOnPastAMonthsEnd) {
    EXPECT_EQ(DaysSinceJ2000(2000, 1, 1, 12), 0.0);
    EXPECT_EQ(DaysSinceJ2000(2000, 1, 32, 0), 30.5);
}

TEST(DayCount, RejectsFieldsThatAreNotCalendarNumbers) {
    const double nan = std::nan("");
    EXPECT_THROW(DaysSinceJ2000(nan, 1, 1, 0), ArithmeticFault);
    EXPECT_THROW(DaysSinceJ2000(2000, 2.5, 1, 0), ArithmeticFault);
    EXPECT_THROW(DaysSinceJ2000(2000, 13, 1, 0), ArithmeticFault);
    EXPECT_THROW(DaysSinceJ2000(2000, 0, 1, 0), ArithmeticFault);
    EXPECT_THROW(DaysSinceJ2000(32768, 1, 1, 0), ArithmeticFault) << "beyond std::chrono::year";
    EXPECT_THROW(DaysSinceJ2000(2000, 1, 1, nan), ArithmeticFault);
}

}  // namespace
}  // namespace ephemeris
