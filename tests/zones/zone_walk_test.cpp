// SPDX-License-Identifier: GPL-3.0-or-later
// Every zone of the machine's database, every change of its UTC offset from
// 1601 to 9999: the model (through the C library) agrees with Qt's own
// reading of the zone files, skipped and doubled times as documented. And
// hand-written POSIX rules whose daylight or standard time lasts less than a
// day, against a brute-force reading of the C library.
#include <gtest/gtest.h>

#include <QFile>
#include <QTimeZone>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <limits>
#include <map>

#include "model/time_base.hpp"
#include "support.hpp"

namespace {

using satrivox::testing::ScopedTimeZone;
using Seconds = std::int64_t;

constexpr Seconds kTwoDays = 2 * 86400;
const QDateTime kFirst(QDate(1601, 1, 1), QTime(0, 0), QTimeZone::utc());
const QDateTime kEnd(QDate(10000, 1, 2), QTime(0, 0), QTimeZone::utc());

// The ephemeris between local wall-clock seconds and UT seconds, both ways.
Seconds LocalToUT(Seconds local) {
    const ephemeris::Instant instant{std::chrono::seconds(local)};
    return std::chrono::duration_cast<std::chrono::seconds>(ephemeris::LocalToUT(instant).time_since_epoch()).count();
}

Seconds UTToLocal(Seconds ut) {
    const ephemeris::UniversalTime instant{std::chrono::seconds(ut)};
    return std::chrono::duration_cast<std::chrono::seconds>(ephemeris::UTToLocal(instant).time_since_epoch()).count();
}

// The documented rule for a local time near one change at UT `at` from offset
// `before` to `after`: an offset applies if the local time exists under it;
// of two, the larger (the first pass); of none (skipped), the old one.
Seconds ExpectedUT(Seconds local, Seconds at, Seconds before, Seconds after) {
    const bool existsBefore = local - before < at, existsAfter = local - after >= at;
    return local - (existsBefore && existsAfter ? std::max(before, after) : existsAfter ? after : before);
}

class EveryZone : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryZone, EverySwitch) {
    const QTimeZone zone(QByteArray::fromStdString(GetParam()));
    ASSERT_TRUE(zone.isValid());
    const ScopedTimeZone scoped(GetParam().c_str());

    // nextTransition follows the zone's rule past its file's list, where transitions()
    // stops; asked at the file's last transition Qt 6.4 answers none, so a second later.
    Seconds previousAt = std::numeric_limits<Seconds>::min() / 2;
    QTimeZone::OffsetData current = zone.nextTransition(kFirst);
    Seconds before = zone.offsetFromUtc(kFirst);
    while (current.atUtc.isValid() && current.atUtc < kEnd) {
        const QTimeZone::OffsetData next = zone.nextTransition(current.atUtc.addSecs(1));
        const Seconds at = current.atUtc.toSecsSinceEpoch();
        const Seconds after = current.offsetFromUtc;
        const Seconds nextAt = next.atUtc.isValid() ? next.atUtc.toSecsSinceEpoch() : std::numeric_limits<Seconds>::max() / 2;
        // A switch within two days of another is left out: the rule speaks of one at a time.
        if (before != after && at - previousAt > kTwoDays && nextAt - at > kTwoDays) {
            const Seconds low = std::min(before, after);
            const Seconds high = std::max(before, after);
            for (const Seconds local : {at + before - 1, at + low, at + (low + high) / 2, at + high - 1, at + after}) {
                ASSERT_EQ(LocalToUT(local), ExpectedUT(local, at, before, after))
                    << GetParam() << " switch at " << current.atUtc.toString(Qt::ISODate).toStdString()
                    << " from " << before << " to " << after << ", local second " << local;
            }
            ASSERT_EQ(UTToLocal(at - 1), at - 1 + before) << GetParam() << " the second before the switch at " << at;
            ASSERT_EQ(UTToLocal(at), at + after) << GetParam() << " the switch at " << at;
        }
        previousAt = at;
        before = after;
        current = next;
    }

    // And a day after the walk's start, before any zone's first switch: local mean time, or a fixed zone's offset.
    const Seconds local = kFirst.toSecsSinceEpoch() + 86400;
    EXPECT_EQ(local - LocalToUT(local), zone.offsetFromUtc(kFirst.addDays(1))) << GetParam();
}

// Qt's zones that are files of the database (TZ would read "UTC+05:00" backwards).
std::vector<std::string> Zones() {
    const QByteArray directory = qEnvironmentVariableIsSet("TZDIR") ? qgetenv("TZDIR") : "/usr/share/zoneinfo";
    std::vector<std::string> zones;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        if (QFile::exists(QString::fromUtf8(directory + '/' + id))) {
            zones.push_back(id.toStdString());
        }
    }
    return zones;
}

// "+" spelt out keeps Etc/GMT+0 and Etc/GMT-0 (Qt 6.8 lists both) apart.
INSTANTIATE_TEST_SUITE_P(Zones, EveryZone, ::testing::ValuesIn(Zones()), [](const auto& info) {
    std::string name;
    for (const unsigned char c : info.param) {
        name += c == '+' ? std::string("plus") : std::string(1, std::isalnum(c) ? static_cast<char>(c) : '_');
    }
    return name;
});

struct RuleRow {
    const char* hazard;
    const char* rule;
    Seconds around;  // UT second near the rule's changes
};

class HandWrittenRule : public ::testing::TestWithParam<RuleRow> {};

// Every local minute of the three days around the changes, against the UT
// minutes of five days read one by one from localtime_r (the rules change on
// whole minutes): the first instant whose clock shows it, or for a minute no
// clock shows, the offset in force before the jump over it.
TEST_P(HandWrittenRule, EveryLocalMinuteIsItsFirstPassOrReadAcrossTheGap) {
    const ScopedTimeZone scoped(GetParam().rule);
    ::tzset();  // for the reading below; the model looks at TZ itself
    auto offsetAt = [fields = std::tm{}](std::time_t ut) mutable { return localtime_r(&ut, &fields)->tm_gmtoff; };
    const Seconds first = GetParam().around - 2 * 86400;
    std::map<Seconds, std::pair<Seconds, int>> passes;  // local minute -> earliest UT showing it, how many do
    std::vector<std::pair<Seconds, Seconds>> shown;      // UT minute, the local minute it shows
    for (Seconds ut = first; ut <= first + 5 * 86400; ut += 60) {
        shown.emplace_back(ut, ut + offsetAt(ut));
        ++passes.try_emplace(shown.back().second, ut, 0).first->second.second;
    }
    int doubled = 0, skipped = 0;
    for (Seconds local = first + 86400; local < first + 4 * 86400; local += 60) {
        Seconds expected = 0;
        if (const auto pass = passes.find(local); pass != passes.end()) {
            expected = pass->second.first;
            doubled += pass->second.second > 1 ? 1 : 0;
        } else {
            const auto jump = std::adjacent_find(shown.begin(), shown.end(), [local](const auto& a, const auto& b) {
                return a.second < local && b.second > local;
            });
            ASSERT_NE(jump, shown.end()) << local;
            expected = local - (jump->second - jump->first);
            ++skipped;
        }
        ASSERT_EQ(LocalToUT(local), expected) << GetParam().rule << ", local second " << local;
    }
    EXPECT_TRUE(doubled > 0 && skipped > 0) << doubled << " doubled, " << skipped << " skipped local minutes";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, HandWrittenRule,
    ::testing::Values(RuleRow{"daylight_for_22_hours", "AAA0BBB,J60/0,J60/23", 983404800},           // 2001-03-01
                      RuleRow{"standard_for_3_hours_at_new_year", "XXX3EDT4,0/0,J365/25", 1009843200},  // 2002-01-01
                      RuleRow{"standard_for_23_hours", "AAA0BBB,J60/23,J60/1", 983404800},
                      RuleRow{"daylight_for_90_minutes_at_half_hours", "AAA-5:30BBB-7,J100/2,J100/5", 986860800}),  // 2001-04-10
    satrivox::testing::kHazardName);

}  // namespace
