// SPDX-License-Identifier: GPL-3.0-or-later
#include "instant_conversion.hpp"

#include <QTimeZone>

namespace window {

ephemeris::Instant ToInstant(const QDateTime& dateTime) {
    using namespace std::chrono;
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    const local_days day{year{date.year()} / month{static_cast<unsigned>(date.month())} /
                         std::chrono::day{static_cast<unsigned>(date.day())}};
    return day + milliseconds{time.msecsSinceStartOfDay()};
}

QDateTime ToDateTime(ephemeris::Instant instant) {
    using namespace std::chrono;
    const local_days day = floor<days>(instant);
    const year_month_day date{day};
    const auto msecsOfDay = static_cast<int>((instant - day).count());
    const QDateTime local(QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                                static_cast<int>(static_cast<unsigned>(date.day()))),
                          QTime::fromMSecsSinceStartOfDay(msecsOfDay));
    if (local.isValid()) {
        return local;
    }
    // A wall-clock time the zone skips, which Qt leaves invalid: the instant
    // it stands for, as the clock shows it (02:30 in a skipped hour is 03:30).
    const qint64 universal = ephemeris::LocalToUT(instant).time_since_epoch().count();
    return QDateTime::fromMSecsSinceEpoch(universal, QTimeZone::utc()).toLocalTime();
}

}  // namespace window
