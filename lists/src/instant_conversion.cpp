// SPDX-License-Identifier: GPL-3.0-or-later
#include "lists/instant_conversion.hpp"

#include <QTimeZone>

#include <utility>

namespace lists {

ephemeris::Instant ToInstant(const QDateTime& dateTime) {
    using namespace std::chrono;
    const QDate date = dateTime.date();
    const local_days day{year{date.year()} / month{static_cast<unsigned>(date.month())} /
                         std::chrono::day{static_cast<unsigned>(date.day())}};
    return day + milliseconds{dateTime.time().msecsSinceStartOfDay()};
}

ephemeris::UniversalTime ToUniversalTime(const QDateTime& moment) {
    return ephemeris::UniversalTime{std::chrono::milliseconds{moment.toMSecsSinceEpoch()}};
}

namespace {

std::pair<QDate, QTime> Fields(ephemeris::Instant wallClock) {
    using namespace std::chrono;
    const local_days day = floor<days>(wallClock);
    const year_month_day date{day};
    return {QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                  static_cast<int>(static_cast<unsigned>(date.day()))),
            QTime::fromMSecsSinceStartOfDay(static_cast<int>((wallClock - day).count()))};
}

}  // namespace

QDateTime ToDateTime(ephemeris::Instant wallClock) {
    const auto [date, time] = Fields(wallClock);
    return {date, time};
}

QDateTime ToUtcDateTime(ephemeris::Instant wallClock) {
    const auto [date, time] = Fields(wallClock);
    return {date, time, QTimeZone::utc()};
}

ephemeris::Instant LandOutsideGap(ephemeris::Instant wallClock, bool forwards) {
    // A skipped time reads with the offset from before the jump, so the clock
    // shows it one gap later; every other time shows as itself.
    const ephemeris::Instant universal = ephemeris::LocalToUT(wallClock);
    const auto gap = ephemeris::UTToLocal(ephemeris::UniversalTime{universal.time_since_epoch()}) - wallClock;
    return forwards ? wallClock + gap : wallClock - gap;
}

}  // namespace lists
