// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/time_base.hpp"

#include <cmath>

#include "model/arithmetic_fault.hpp"
#include "zone_offset.hpp"

namespace ephemeris {
namespace {

// About 31 million years: far beyond any calendar date, and far enough inside
// the millisecond clock's range that shifting by a UTC offset cannot overflow.
constexpr std::int64_t kInstantLimitSeconds = 1'000'000'000'000'000;

// Day number of 1970-01-01 in the count where 2000-01-01 is day 730531.
constexpr std::int64_t kUnixEpochDayNumber = 719574;
constexpr double kJ2000DayNumber = 730531.5;
constexpr double kYearLimit = static_cast<int>(std::chrono::year::max());
constexpr double kDayLimit = 1e12;

bool IsWhole(double x, double limit) {
    return std::isfinite(x) && std::trunc(x) == x && std::fabs(x) <= limit;
}

std::int64_t WholeSeconds(std::chrono::milliseconds sinceEpoch, const char* routine) {
    const std::int64_t seconds = std::chrono::floor<std::chrono::seconds>(sinceEpoch).count();
    if (seconds > kInstantLimitSeconds || seconds < -kInstantLimitSeconds) {
        throw ArithmeticFault(routine, ArithmeticFault::Condition::Overflow);
    }
    return seconds;
}

}  // namespace

Instant LocalToUT(Instant t) {
    const std::int64_t localSeconds = WholeSeconds(t.time_since_epoch(), "LocalToUT");
    return t - std::chrono::seconds(detail::LocalUtcOffset(localSeconds));
}

Instant UTToLocal(UniversalTime ut) {
    const std::int64_t utSeconds = WholeSeconds(ut.time_since_epoch(), "UTToLocal");
    return Instant{ut.time_since_epoch()} + std::chrono::seconds(detail::UtcOffsetAt(utSeconds));
}

std::string ZoneAbbreviation(UniversalTime ut) {
    return detail::AbbreviationAt(WholeSeconds(ut.time_since_epoch(), "ZoneAbbreviation"));
}

double DaysSinceJ2000(double Y, double M, double D, double H) {
    if (!IsWhole(Y, kYearLimit) || !IsWhole(M, 12.0) || M < 1.0 || !IsWhole(D, kDayLimit) || !std::isfinite(H)) {
        throw ArithmeticFault("DaysSinceJ2000", ArithmeticFault::Condition::InvalidOperation);
    }
    using namespace std::chrono;
    const sys_days firstOfMonth{year{static_cast<int>(Y)} / month{static_cast<unsigned>(M)} / 1};
    const std::int64_t dayNumber =
        firstOfMonth.time_since_epoch().count() + static_cast<std::int64_t>(D) - 1 + kUnixEpochDayNumber;
    // Same operations as the integer formula from here on, so the results match
    // it bit for bit wherever the two day counts agree.
    return (static_cast<double>(dayNumber) - kJ2000DayNumber) + H / 24.0;
}

}  // namespace ephemeris
